#include "util/filenames.h"

#include <mbctype.h>

#include <cstring>
#include <vector>

namespace rz {

std::string ModuleFileName(HINSTANCE instance) {
    std::vector<char> path(MAX_PATH);
    for (;;) {
        const DWORD n = GetModuleFileNameA(instance, path.data(), static_cast<DWORD>(path.size()));
        if (n == 0)
            return {};
        if (n < path.size() - 1)
            return std::string(path.data(), n);
        if (path.size() >= 0x10000)
            return {};
        path.resize(path.size() * 2);  // cut short: ask again with more room
    }
}

std::string FileNamePart(const std::string &path) {
    // Walk from the start, so that a second byte 0x5C is known for what it is.
    size_t start = 0;
    for (size_t i = 0; i < path.size(); ++i) {
        if (_ismbblead(static_cast<unsigned char>(path[i])) && i + 1 < path.size())
            ++i;
        else if (path[i] == '\\')
            start = i + 1;
    }
    return path.substr(start);
}

std::string BaseName(const std::string &fileName, bool *found) {
    const size_t first = fileName.find_first_not_of('.');
    *found = first != std::string::npos;
    if (!*found)
        return fileName;
    const size_t dot = fileName.find('.', first);
    return dot == std::string::npos ? fileName : fileName.substr(0, dot);
}

namespace {

std::string WithExtension(const std::string &path, const char *extension) {
    if (path.empty())
        return {};
    bool found = false;
    std::string name = BaseName(FileNamePart(path), &found);
    return found ? name + extension : name;
}

}  // namespace

std::string IniFileName(const std::string &path) { return WithExtension(path, ".INI"); }

std::string HelpFileName(const std::string &path) { return WithExtension(path, ".HLP"); }

std::string HelpFileBeside(const std::string &path) {
    std::string out;
    size_t i = 0;
    while (i < path.size()) {
        const size_t start = path.find_first_not_of('.', i);
        if (start == std::string::npos)
            break;
        const size_t end = path.find('.', start);
        out += path.substr(start, end == std::string::npos ? std::string::npos : end - start);
        out += '.';
        if (end == std::string::npos)
            break;
        i = end;
    }
    return out + "HLP";
}

bool CopyIfFits(const std::string &text, char *buffer, size_t size) {
    if (size == 0)
        return false;
    if (text.size() >= size) {
        buffer[0] = '\0';
        return false;
    }
    memcpy(buffer, text.c_str(), text.size() + 1);
    return true;
}

}  // namespace rz
