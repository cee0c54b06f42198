#include "util/filenames.h"

#include <mbctype.h>

#include <cstring>

namespace rz {

Text ModuleFileName(HINSTANCE instance) {
    Text path;
    if (!path.Resize(MAX_PATH))
        return {};
    for (;;) {
        const DWORD n = GetModuleFileNameA(instance, path.data(), static_cast<DWORD>(path.size()));
        if (n == 0)
            return {};
        if (n < path.size() - 1) {
            path.Resize(n);
            return path;
        }
        // Cut short: ask again with more room.
        if (path.size() >= 0x10000 || !path.Resize(path.size() * 2))
            return {};
    }
}

const char *FileNamePart(const char *path) {
    // Walk from the start, so that a second byte 0x5C is known for what it is.
    const char *start = path;
    for (const char *p = path; *p; ++p) {
        if (_ismbblead(static_cast<unsigned char>(*p)) && p[1])
            ++p;
        else if (*p == '\\')
            start = p + 1;
    }
    return start;
}

size_t BaseNameLength(const char *fileName, bool *found) {
    const size_t first = strspn(fileName, ".");
    *found = fileName[first] != '\0';
    if (!*found)
        return first;
    return first + strcspn(fileName + first, ".");
}

namespace {

Text WithExtension(const char *path, const char *extension) {
    Text name;
    if (*path == '\0')
        return name;
    const char *fileName = FileNamePart(path);
    bool found = false;
    name.Append(fileName, BaseNameLength(fileName, &found));
    if (found)
        name.Append(extension);
    return name;
}

}  // namespace

Text IniFileName(const char *path) { return WithExtension(path, ".INI"); }

Text HelpFileName(const char *path) { return WithExtension(path, ".HLP"); }

Text HelpFileBeside(const char *path) {
    Text out;
    for (const char *part = path + strspn(path, "."); *part != '\0'; part += strspn(part, ".")) {
        const size_t length = strcspn(part, ".");
        out.Append(part, length).Append('.');
        part += length;
    }
    out.Append("HLP");
    return out;
}

bool CopyIfFits(const Text &text, char *buffer, size_t size) {
    if (size == 0)
        return false;
    if (!text.ok() || text.size() >= size) {
        buffer[0] = '\0';
        return false;
    }
    memcpy(buffer, text.c_str(), text.size() + 1);
    return true;
}

}  // namespace rz
