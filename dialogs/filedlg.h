// The file-open dialogs and what the directory dialogs share with them: the
// record of the system's common file dialog and the hooks' colour answers.
#pragma once

#include <windows.h>

namespace rz {

// An OPENFILENAMEA of the size the system expects for this build (76 bytes
// on x86), every field zero but the ones all the library's dialogs fill.
OPENFILENAMEA FileDialogRecord(HWND owner, LPCSTR title, DWORD flags, LPOFNHOOKPROC hook, int templateId);

// Colour answers of the hooks: edits blue on white; static texts and
// buttons transparent on the face brush.
UINT_PTR AnswerEditColour(HDC dc);
UINT_PTR AnswerFaceColour(HDC dc);

// Turns '|' into zero bytes, in place, byte by byte.  False (nothing
// changed) when the filter holds a '|' but its memory cannot be written.
bool ConvertFilter(LPSTR filter);

}  // namespace rz
