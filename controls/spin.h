// The spin control's record in its window extra bytes and its step rule.
#pragma once

#include "frame/slots.h"
#include "rezore32.h"

namespace rz {

namespace spin {

constexpr LongSlot kRange{0};        // low word minimum, high word maximum (unsigned)
constexpr LongSlot kPosition{4};     // signed, not kept inside the range
constexpr LongSlot kLastHalf{8};     // Half used by the last step
constexpr LongSlot kArrowBitmap{12}; // HBITMAP of the arrow glyphs
constexpr LongSlot kState{16};       // kFocused

constexpr int kExtraBytes = EndOf(kState);

constexpr LONG kFocused = 0x1;

enum Half : LONG { kUpperHalf = 1, kLowerHalf = 2 };

// Glyph cells of the arrow bitmap, 9 x 9 each, side by side.
constexpr int kGlyph = 9;
enum Cell { kCellUp, kCellDown, kCellLeft, kCellRight };

// One step of `position` within `range`.  Up goes to position + 1 below the
// maximum; down from above the maximum lands on it, else goes to
// position - 1 above the minimum.  At a limit the value wraps to the other
// limit, or stays when `wrap` is false.
inline LONG Step(LONG position, LONG range, bool up, bool wrap) {
    const LONG minimum = LOWORD(range), maximum = HIWORD(range);
    if (up) {
        if (maximum > position)
            return position + 1;
        return wrap ? minimum : position;
    }
    if (position > maximum)
        return maximum;
    if (minimum < position)
        return position - 1;
    return wrap ? maximum : position;
}

}  // namespace spin

constexpr int kSpinExtraBytes = spin::kExtraBytes;
static_assert(kSpinExtraBytes == 20, "the spin's record is 20 bytes");
}  // namespace rz
