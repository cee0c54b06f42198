// The meter's record in its window extra bytes.
#pragma once

#include "frame/slots.h"
#include "rezore32.h"

namespace rz {

namespace meter {

constexpr LongSlot kRange{0};       // the total, unsigned; 0 counts as 1
constexpr LongSlot kPosition{4};    // the amount done, unsigned
constexpr LongSlot kFont{8};        // HFONT from WM_SETFONT, 0 for the DC's default
constexpr LongSlot kBarColour{12};  // COLORREF of the bar and of the text on the rest
constexpr LongSlot kTextColour{16}; // COLORREF of the text on the bar and of the rest

constexpr int kExtraBytes = EndOf(kTextColour);

constexpr LONG kDefaultRange = 100;
constexpr COLORREF kDefaultBar = RGB(0, 0, 255);
constexpr COLORREF kDefaultText = RGB(255, 255, 255);

}  // namespace meter

constexpr int kMeterExtraBytes = meter::kExtraBytes;
static_assert(kMeterExtraBytes == 20, "the meter's record is 20 bytes");
}  // namespace rz
