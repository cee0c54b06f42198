// The pop-up viewer's record, its placement and its grace time, as plain
// values so that they can be tested without windows.
#pragma once

#include <windows.h>

#include "frame/slots.h"

namespace rz {

namespace popview {

constexpr LongSlot kCloseAfter{0};  // GetTickCount at creation + kGrace

constexpr int kExtraBytes = EndOf(kCloseAfter);

constexpr DWORD kGrace = 500;  // ms in which button releases and deactivation are ignored

// The viewer's window for a text block of `text` pixels in a font of
// average character width `avg`, around `cursor`, on a screen of `screen`
// pixels: each axis is moved right (down) onto the screen, then left (up)
// so that its far edge is on it, both tests in turn.
inline RECT Place(POINT cursor, SIZE text, int avg, SIZE screen) {
    const int width = text.cx + 3 * avg, height = text.cy + 3 * avg;
    int x = cursor.x - text.cx / 2;
    int y = cursor.y - text.cy / 2 - 2 * avg;
    if (x < 0)
        x = 0;
    if (x + width > screen.cx)
        x = screen.cx - width;
    if (y < 0)
        y = 0;
    if (y + height > screen.cy)
        y = screen.cy - height;
    return RECT{x, y, x + width, y + height};
}

// True once `now` lies past `closeAfter`, read as a span since it so that
// the tick count wrapping past zero changes nothing (valid for 24 days).
inline bool GraceOver(DWORD now, DWORD closeAfter) { return static_cast<LONG>(now - closeAfter) > 0; }

}  // namespace popview

constexpr int kPopViewExtraBytes = popview::kExtraBytes;
static_assert(kPopViewExtraBytes == 4, "the viewer's record is 4 bytes");

}  // namespace rz
