// Modal dialogs from the library's own templates, and the year-and-month
// jump dialog of the calendar.
#pragma once

#include <windows.h>

namespace rz {

// Runs the dialog template `templateId` of the library modally.  `param`
// reaches the dialog's class window procedure during WM_CREATE through
// ModuleDialogParam(); returns what DialogBoxParamA returns.
INT_PTR WINAPI RunModuleDialog(HWND owner, DLGPROC proc, int templateId, LPARAM param);

// The init parameter of the latest RunModuleDialog.
LPARAM ModuleDialogParam();

// Extra bytes of the jump dialog's class: the dialog manager's, then the
// address of the caller's date.
constexpr int kJumpDialogExtraBytes = DLGWINDOWEXTRA + sizeof(LONG_PTR);

}  // namespace rz
