// The icon-draw control's record in its window extra bytes.
#pragma once

#include "frame/slots.h"
#include "rezore32.h"

namespace rz {

namespace icondraw {

constexpr LongSlot kFlags{0};  // kOwnsIcon
constexpr LongSlot kIcon{4};   // HICON shown, 0 for none

constexpr LONG kOwnsIcon = 0x01;  // the control loaded the icon and destroys it

}  // namespace icondraw

constexpr int kIconDrawExtraBytes = EndOf(icondraw::kIcon);
static_assert(kIconDrawExtraBytes == 8, "the icon-draw record is 8 bytes");
}  // namespace rz
