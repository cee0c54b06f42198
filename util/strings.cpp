// Shift-JIS string and number utilities.  Lead bytes are recognised with the
// C runtime's multibyte tables for the process's ANSI code page; a lead byte
// travels together with the byte after it, unless that byte ends the string.
#include <mbctype.h>
#include <mbstring.h>

#include <cstring>

#include "rezore32.h"

namespace {

bool IsLead(unsigned char c) { return _ismbblead(c) != 0; }

// Length of the character at s: 2 for a lead byte with a trail byte, else 1.
size_t CharLength(const char *s) {
    return IsLead(static_cast<unsigned char>(s[0])) && s[1] != '\0' ? 2 : 1;
}

// Strict unsigned decimal: at most `maxDigits` digits, nothing else.
// The value wraps modulo 2^bits as it is accumulated.
bool ParseDigits(LPCSTR text, size_t maxDigits, DWORD mask, DWORD *value) {
    if (!text)
        return false;
    const size_t length = strnlen(text, maxDigits + 1);
    if (length == 0 || length > maxDigits)
        return false;
    DWORD v = 0;
    for (size_t i = 0; i < length; ++i) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        if (c < '0' || c > '9')
            return false;
        v = (v * 10 + (c - '0')) & mask;
    }
    *value = v;
    return true;
}

// Copies src to dst character by character; `replace` writes what stands
// for one single-byte character and says whether it was special.
template <class Replace>
BOOL CopyReplacing(LPCSTR src, LPSTR dst, Replace replace) {
    if (!dst)
        return FALSE;
    BOOL seen = FALSE;
    char *out = dst;
    for (const char *p = src ? src : ""; *p;) {
        const size_t n = CharLength(p);
        if (n == 2) {
            *out++ = p[0];
            *out++ = p[1];
        } else if (replace(*p, out)) {
            seen = TRUE;
        } else {
            *out++ = *p;
        }
        p += n;
    }
    *out = '\0';
    return seen;
}

}  // namespace

extern "C" {

WORD WINAPI Sz2UShort(LPCSTR text) {
    DWORD value = 0;
    return ParseDigits(text, 5, 0xFFFF, &value) ? static_cast<WORD>(value) : 0xFFFF;
}

LONG WINAPI Sz2Long(LPCSTR text) {
    DWORD value = 0;
    return ParseDigits(text, 10, 0xFFFFFFFF, &value) ? static_cast<LONG>(value) : -1;
}

void WINAPI FreeMemMtrx(HGLOBAL *handles, int count) {
    const short n = static_cast<short>(count);
    if (!handles)
        return;
    for (short i = 0; i < n; ++i) {
        if (handles[i]) {
            GlobalFree(handles[i]);
            handles[i] = nullptr;
        }
    }
}

void WINAPI CommaED(LPSTR buffer, LONG value) {
    if (!buffer)
        return;
    char digits[16];
    const int length = wsprintfA(digits, "%ld", value);
    char reversed[24];
    int r = 0, taken = 0;
    for (int i = length - 1; i >= 0; --i, ++taken) {
        if (taken != 0 && taken % 3 == 0 && digits[i] != '-')
            reversed[r++] = ',';
        reversed[r++] = digits[i];
    }
    for (int i = 0; i < r; ++i)
        buffer[i] = reversed[r - 1 - i];
    buffer[r] = '\0';
}

void WINAPI StrSpcCut(LPSTR text) {
    if (!text)
        return;
    for (size_t i = strlen(text); i > 0 && text[i - 1] == ' '; --i)
        text[i - 1] = '\0';
}

void WINAPI SzHan2SzZen(LPCSTR source, LPSTR destination) {
    if (!destination)
        return;
    char *out = destination;
    for (const unsigned char *p = reinterpret_cast<const unsigned char *>(source ? source : ""); *p; ++p) {
        const unsigned int wide = _mbbtombc(*p);
        *out++ = static_cast<char>((wide >> 8) & 0xFF);
        *out++ = static_cast<char>(wide & 0xFF);
    }
    out[0] = '\0';
    out[1] = '\0';
}

BOOL WINAPI ChkStrDQuotation(LPCSTR source, LPSTR destination) {
    return CopyReplacing(source, destination, [](char c, char *&out) {
        if (c != '"')
            return false;
        *out++ = '"';
        *out++ = '"';
        return true;
    });
}

BOOL WINAPI ChkStrComma2DQuotation(LPCSTR source, LPSTR destination) {
    return CopyReplacing(source, destination, [](char c, char *&out) {
        if (c != ',')
            return false;
        *out++ = '"';
        *out++ = ',';
        *out++ = '"';
        return true;
    });
}

void WINAPI ChkStrComma(LPCSTR source, LPSTR destination) {
    CopyReplacing(source, destination, [](char c, char *&out) {
        if (c != ',')
            return false;
        *out++ = '.';
        return true;
    });
}

void WINAPI ExchgStr(LPSTR text, int toUpper) {
    if (!text)
        return;
    const bool upper = static_cast<WORD>(toUpper) != 0;
    for (char *p = text; *p;) {
        const size_t n = CharLength(p);
        if (n == 1) {
            if (upper && *p >= 'a' && *p <= 'z')
                *p = static_cast<char>(*p - 'a' + 'A');
            else if (!upper && *p >= 'A' && *p <= 'Z')
                *p = static_cast<char>(*p - 'A' + 'a');
        }
        p += n;
    }
}

}  // extern "C"
