// Module file names and the profile and help file names derived from them,
// as plain string functions.
#pragma once

#include <windows.h>

#include <string>

namespace rz {

// The full file name of a module (NULL: the process's executable), however
// long; empty when the system cannot give it.
std::string ModuleFileName(HINSTANCE instance);

// The file-name part of a path: what follows its last '\' (never the
// second byte of a double-byte character, as in 表 or ソ).
std::string FileNamePart(const std::string &path);

// A file name cut at the first '.' that follows a character other than '.'
// (leading dots stay); `found` tells whether there was such a character.
std::string BaseName(const std::string &fileName, bool *found);

// APP.INI for C:\DIR\APP.EXE; empty for an empty path.
std::string IniFileName(const std::string &path);

// The help file next to the module: every run of dots in the path becomes
// one dot, then "HLP" follows (C:\DIR\APP.EXE -> C:\DIR\APP.EXE.HLP).
std::string HelpFileBeside(const std::string &path);

// APP.HLP for C:\DIR\APP.EXE; empty for an empty path.
std::string HelpFileName(const std::string &path);

// Copies text with its zero into a buffer of `size` bytes when it fits;
// otherwise leaves the empty string.  Returns whether it fitted.
bool CopyIfFits(const std::string &text, char *buffer, size_t size);

}  // namespace rz
