// The message window (a modeless dialog of template 3030), the tool tip and
// the message pump they share.
#pragma once

#include <windows.h>

namespace rz {

// The message window's class is a dialog class: only the dialog manager's bytes.
constexpr int kInformExtraBytes = DLGWINDOWEXTRA;

// The tip keeps nothing of its own: its text is its window text.
constexpr int kTipExtraBytes = 0;

}  // namespace rz
