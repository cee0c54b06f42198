// Path rules of the directory dialogs.
#include "dialogs/paths.h"

#include <mbctype.h>
#include <mbstring.h>

namespace rz::paths {

bool IsLead(unsigned char c) { return _ismbblead(c) != 0; }

void PrepareDirectory(char *dir) {
    if (!dir)
        return;
    if (char *last = strrchr(dir, '\\'); last && last[1] == '\0')
        *last = '\0';
    const size_t length = strlen(dir);
    // Only where the caller's documented buffer has room for the '\'.
    if (length > 0 && dir[length - 1] == ':' && length + 2 <= kBuffer) {
        dir[length] = '\\';
        dir[length + 1] = '\0';
    }
}

bool StartsWithDrive(const char *path) {
    return path && path[0] != '\0' && _mbbtype(static_cast<unsigned char>(path[0]), 0) == _MBC_SINGLE &&
           path[1] == ':';
}

void TrimSeparators(char *path) {
    // Read from the start, so that a second byte is known for what it is.
    size_t keep = 0;
    for (size_t i = 0; path[i];) {
        if (IsLead(static_cast<unsigned char>(path[i])) && path[i + 1]) {
            i += 2;
            keep = i;
        } else {
            if (path[i] != '\\')
                keep = i + 1;
            ++i;
        }
    }
    path[keep] = '\0';
}

size_t AnswerLength(const char *directory) {
    const size_t length = strnlen(directory, kBuffer);
    const size_t answer = length > 3 ? length + 1 : length;
    return length == 0 || answer + 1 > kBuffer ? 0 : answer;
}

void FormatHandle(ULONG_PTR value, char *text) {
    char digits[24];
    size_t n = 0;
    do {
        digits[n++] = static_cast<char>('0' + value % 10);
        value /= 10;
    } while (value);
    for (size_t i = 0; i < n; ++i)
        text[i] = digits[n - 1 - i];
    text[n] = '\0';
}

ULONG_PTR ParseHandle(const char *text) {
    if (!text || !*text)
        return 0;
    ULONG_PTR value = 0;
    for (const char *p = text; *p; ++p) {
        if (*p < '0' || *p > '9')
            return 0;
        const unsigned digit = static_cast<unsigned>(*p - '0');
        if (value > (~ULONG_PTR{0} - digit) / 10)
            return 0;
        value = value * 10 + digit;
    }
    return value;
}

}  // namespace rz::paths
