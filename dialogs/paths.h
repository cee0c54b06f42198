// Path rules of the directory dialogs as functions of plain values: the
// preparation of the directory argument, the typed-path check, the walk that
// creates a path level by level, and the handle text of the answer block.
// Lead bytes are recognised with the C runtime's multibyte tables for the
// process's ANSI code page, so a double-byte character whose second byte is
// 0x5C is never taken for a separator.
#pragma once

#include <windows.h>

#include <cstddef>
#include <cstring>

namespace rz::paths {

// The caller's directory buffer and every text area of the dialogs: 1024
// bytes of text and its zero.
constexpr size_t kBuffer = 1025;
constexpr size_t kTextLimit = kBuffer - 1;

// True for a lead byte of the ANSI code page.
bool IsLead(unsigned char c);

// Before the dialog: one trailing '\' is cut ("C:\WORK\" -> "C:\WORK"), then
// a text ending in ':' gains "\" ("C:" -> "C:\") when the result still fits
// kBuffer bytes.  The scan is byte by byte, as the system dialog reads it.
void PrepareDirectory(char *dir);

// A typed path must begin with a drive: a single-byte character and ':'.
bool StartsWithDrive(const char *path);

// Cuts trailing '\' that are not the second byte of a double-byte character.
void TrimSeparators(char *path);

// Length of the answer the edit dialog gives for `directory`: a '\' is
// appended unless it is a drive root of 3 bytes or less.  0 when the
// answer, with its zero, would not fit kBuffer bytes or there is none.
size_t AnswerLength(const char *directory);

enum class Walk {
    kDone,        // every level was handled
    kTooLong,     // a level would not fit the built-path area
    kIncomplete,  // the path ends in a lead byte without its second byte
    kFailed,      // the step refused a level
};

// Walks `path` by its components (separated by '\', empty ones skipped).
// A component holding ':' (the drive, "X:") becomes the built path; every
// other one is appended with '\' and the built path, in `built` (`size`
// bytes), is handed to `step(built)`, which returns false to stop.
template <class Step>
Walk WalkLevels(const char *path, char *built, size_t size, Step step) {
    size_t length = 0;
    built[0] = '\0';
    const unsigned char *p = reinterpret_cast<const unsigned char *>(path);
    while (*p) {
        // One component: its bytes up to a separator that is not a trail byte.
        const unsigned char *start = p;
        bool drive = false;
        while (*p && *p != '\\') {
            if (IsLead(*p)) {
                if (!p[1])
                    return Walk::kIncomplete;
                p += 2;
                continue;
            }
            drive = drive || *p == ':';
            ++p;
        }
        const size_t n = static_cast<size_t>(p - start);
        if (*p)
            ++p;
        if (n == 0)
            continue;
        const size_t at = drive ? 0 : length + 1;
        if (at + n + 1 > size)
            return Walk::kTooLong;
        if (!drive)
            built[length] = '\\';
        memcpy(built + at, start, n);
        length = at + n;
        built[length] = '\0';
        if (!drive && !step(static_cast<const char *>(built)))
            return Walk::kFailed;
    }
    return Walk::kDone;
}

// The answer block's handle as decimal text and back, pointer-sized both
// ways.  The text holds at most 20 digits; `text` at least 21 bytes.
void FormatHandle(ULONG_PTR value, char *text);
// 0 for text that is not a plain decimal number of the pointer's range.
ULONG_PTR ParseHandle(const char *text);

}  // namespace rz::paths
