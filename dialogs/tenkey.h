// The ten-key pad: a modeless dialog of template 3010 whose buttons send
// their character codes to the pad's parent.
#pragma once

#include <windows.h>

#include "rezore32.h"

namespace rz {

// The pad's class is a dialog class: only the dialog manager's bytes.
constexpr int kTenKeyExtraBytes = DLGWINDOWEXTRA;

namespace tenkey {

// The key codes the pad's buttons stand for; any other command is not a key.
inline bool IsKeyCode(int id) {
    return (id >= '0' && id <= '9') || id == ',' || id == '.' || id == TENKEY_CLEAR || id == TENKEY_BACKSPACE;
}

}  // namespace tenkey

}  // namespace rz
