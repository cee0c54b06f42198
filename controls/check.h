// The check button's and check mark's record in their window extra bytes,
// and the rules that pick a picture cell and settle a press.
#pragma once

#include "frame/slots.h"
#include "rezore32.h"

namespace rz {

namespace check {

constexpr LongSlot kState{0};    // flags below; 0 after creation
constexpr LongSlot kPicture{4};  // HBITMAP of the five-cell picture strip
constexpr LongSlot kFont{8};     // HFONT from WM_SETFONT, 0 for the DC's own

constexpr int kExtraBytes = EndOf(kFont);

constexpr LONG kChecked = 0x01;
constexpr LONG kTracking = 0x02;  // the left button went down here; mouse captured
constexpr LONG kPressed = 0x04;   // tracking with the pointer inside
constexpr LONG kFocused = 0x08;
constexpr LONG kDisabled = 0x10;  // follows WM_ENABLE only

// Cells of the strip, 16 x 14 each, side by side.
constexpr int kCellWidth = 16;
constexpr int kCellHeight = 14;
enum Cell { kCellChecked, kCellUncheckedHeld, kCellUnchecked, kCellCheckedHeld, kCellDisabled };

// While the button is held the picture previews what a release gives.
inline Cell CellFor(LONG flags) {
    if (flags & kDisabled)
        return kCellDisabled;
    const bool pressed = (flags & kPressed) != 0;
    if (flags & kChecked)
        return pressed ? kCellCheckedHeld : kCellChecked;
    return pressed ? kCellUncheckedHeld : kCellUnchecked;
}

// Flags after the left button is released: inside, the check flips;
// either way only the focus and the check are kept.
inline LONG AfterRelease(LONG flags, bool inside) {
    const LONG checked = (flags & kChecked) ^ (inside ? kChecked : 0);
    return (flags & kFocused) | checked;
}

}  // namespace check

constexpr int kCheckExtraBytes = check::kExtraBytes;
static_assert(kCheckExtraBytes == 12, "the check controls' record is 12 bytes");

}  // namespace rz
