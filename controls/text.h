// The text control's record in its window extra bytes and its drawing rules.
#pragma once

#include "frame/slots.h"
#include "rezore32.h"

namespace rz {

namespace text {

constexpr LongSlot kFont{0};  // HFONT from WM_SETFONT, 0 for the DC's default

constexpr int kExtraBytes = EndOf(kFont);

constexpr int kMostBytes = 127;  // bytes of the window text drawn

// DrawTextA format of a style: CENTER before RIGHT before LEFT; NOPREFIX
// alone drops the alignment.
inline UINT Format(LONG style) {
    UINT format = DT_LEFT;
    if (style & TEXTS_NOPREFIX)
        format = DT_NOPREFIX;
    else if (style & TEXTS_CENTER)
        format = DT_CENTER;
    else if (style & TEXTS_RIGHT)
        format = DT_RIGHT;
    return format | DT_SINGLELINE | DT_VCENTER;
}

// One drawing of the text: in the first or the second colour, moved by dx, dy.
struct Pass {
    bool second;
    int dx, dy;
};

// The passes of each kind of lettering, in drawing order.
struct Passes {
    const Pass *pass;
    int count;
};

inline Passes PassesOf(LONG style) {
    static const Pass kRaised[] = {{false, 0, 0}, {true, 1, 1}};
    static const Pass kRaisedThick[] = {{false, 0, 0}, {false, 1, 0}, {true, 1, 1}, {true, 2, 1}};
    static const Pass kEngraved[] = {{false, 1, 1}, {true, 0, 0}};
    static const Pass kEngravedThick[] = {{false, 2, 1}, {false, 1, 1}, {true, 1, 0}, {true, 0, 0}};
    const bool thick = (style & TEXTS_THICK) != 0;
    if (style & TEXTS_ENGRAVED)
        return thick ? Passes{kEngravedThick, 4} : Passes{kEngraved, 2};
    return thick ? Passes{kRaisedThick, 4} : Passes{kRaised, 2};
}

}  // namespace text

constexpr int kTextExtraBytes = text::kExtraBytes;
static_assert(kTextExtraBytes == 4, "the text control's record is 4 bytes");
}  // namespace rz
