// Module file names and the profile and help file names derived from them,
// as plain string functions.
#pragma once

#include <windows.h>

#include "util/text.h"

namespace rz {

// The full file name of a module (NULL: the process's executable), however
// long; empty when the system cannot give it or memory runs out.
Text ModuleFileName(HINSTANCE instance);

// The file-name part of a path: what follows its last '\'.
const char *FileNamePart(const char *path);

// The length of a file name cut at the first '.' that follows a character
// other than '.' (leading dots stay); `found` tells whether there was such a
// character.
size_t BaseNameLength(const char *fileName, bool *found);

// APP.INI for C:\DIR\APP.EXE; empty for an empty path.
Text IniFileName(const char *path);

// The help file next to the module: every run of dots in the path becomes
// one dot, then "HLP" follows (C:\DIR\APP.EXE -> C:\DIR\APP.EXE.HLP).
Text HelpFileBeside(const char *path);

// APP.HLP for C:\DIR\APP.EXE; empty for an empty path.
Text HelpFileName(const char *path);

// Copies text with its zero into a buffer of `size` bytes when it fits;
// otherwise (also when the text ran out of memory) leaves the empty string.
// Returns whether it fitted.
bool CopyIfFits(const Text &text, char *buffer, size_t size);

}  // namespace rz
