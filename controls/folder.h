// The tabbed folder's record: eight 32-bit slots behind the Button class's
// own extra bytes, found at the byte count "Button" reported at
// registration.
#pragma once

#include "controls/folder_layout.h"
#include "frame/module.h"

namespace rz {
namespace folder {

// Offsets from the base class's bytes.
constexpr LongSlot kReserved{0};
constexpr LongSlot kSelected{4};    // selected tab, stored unchecked
constexpr LongSlot kCount{8};       // titles counted at creation and WM_SETTEXT
constexpr LongSlot kFlags{12};      // kFocused, kPressHandled
constexpr LongSlot kFont{16};       // HFONT of WM_SETFONT, 0: the DC's font
constexpr LongSlot kFirstShown{20}; // scroll position
constexpr LongSlot kLastShown{24};  // written by every paint
constexpr LongSlot kTabHeight{28};  // h, written by every paint

constexpr int kOwnExtraBytes = EndOf(kTabHeight);
static_assert(kOwnExtraBytes == 32, "the folder adds 32 bytes to the Button class's");

constexpr LONG kFocused = 0x1;
constexpr LONG kPressHandled = 0x2;  // the current press of the primary button was used

inline LongSlot Own(LongSlot offset) { return OwnSlot(g_module.baseButton, offset.index); }
inline LONG Get(HWND hwnd, LongSlot offset) { return GetSlot(hwnd, Own(offset)); }
inline void Set(HWND hwnd, LongSlot offset, LONG value) { SetSlot(hwnd, Own(offset), value); }
inline HFONT FontOf(HWND hwnd) { return GetHandleSlot<HFONT>(hwnd, Own(kFont)); }

// The font to measure and draw with: a handle that is not a font counts as
// none, so the DC keeps its own font.
inline HFONT UsableFont(HWND hwnd) {
    const HFONT font = FontOf(hwnd);
    return font && GetObjectType(font) == OBJ_FONT ? font : nullptr;
}

// What one paint or hit test works with: the current titles measured in the
// control's font and placed for that use.  `hdc` has the font selected.
struct Measured {
    Titles titles;
    Frame frame;
    TEXTMETRICA metrics;
    Placement placement;
};

// h from "X" in the font the caller selected into hdc when the control has
// a font of its own, else from the dialog base units.
int TabHeight(HDC hdc, HFONT font);
void Measure(HWND hwnd, HDC hdc, int tabHeight, Use use, Measured &m);

// WM_PAINT (folder_paint.cpp).
void Paint(HWND hwnd, HDC hdc);

}  // namespace folder
}  // namespace rz
