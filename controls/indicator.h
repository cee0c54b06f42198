// The indicator's record in its window extra bytes.
#pragma once

#include "frame/slots.h"
#include "rezore32.h"

namespace rz {

namespace indicator {

constexpr LongSlot kRange{0};      // the total, unsigned; 0 counts as 1
constexpr LongSlot kPosition{4};   // the amount done, unsigned
constexpr LongSlot kColour{8};     // COLORREF of lit cells
constexpr LongSlot kCellWidth{12}; // with INDS_FIXEDCELL: low 16 bits, signed
constexpr LongSlot kLitCount{16};  // lit cells at the last IND_SETPOS, compared in 16 bits

constexpr int kExtraBytes = EndOf(kLitCount);

constexpr LONG kDefaultRange = 100;
constexpr COLORREF kDefaultColour = RGB(0, 0, 255);
constexpr LONG kDefaultCellWidth = 5;
constexpr LONG kNoLitCount = -1;  // the first IND_SETPOS always repaints
constexpr COLORREF kSeparator = RGB(192, 192, 192);

}  // namespace indicator

constexpr int kIndicatorExtraBytes = indicator::kExtraBytes;
static_assert(kIndicatorExtraBytes == 20, "the indicator's record is 20 bytes");
}  // namespace rz
