// Icon-draw control: one icon at the top-left corner, asked of the parent
// at creation or given later; the library's emblem by default.
#include "controls/icondraw.h"

#include "frame/gdi.h"
#include "frame/module.h"
#include "frame/window.h"

namespace {

using namespace rz::icondraw;

HICON ShownIcon(HWND hwnd) { return rz::GetHandleSlot<HICON>(hwnd, kIcon); }
bool OwnsIcon(HWND hwnd) { return (rz::GetSlot(hwnd, kFlags) & kOwnsIcon) != 0; }

// Drops the icon when the control loaded it itself.
void ReleaseOwnedIcon(HWND hwnd) {
    if (!OwnsIcon(hwnd))
        return;
    if (HICON icon = ShownIcon(hwnd))
        DestroyIcon(icon);
    rz::SetSlot(hwnd, kFlags, rz::GetSlot(hwnd, kFlags) & ~kOwnsIcon);
}

// The emblem as a private copy (not the shared icon LoadIconA hands out), so
// that destroying it frees exactly this control's icon.
HICON LoadEmblem() {
    return static_cast<HICON>(LoadImageA(rz::ModuleInstance(), MAKEINTRESOURCEA(REZORE32_IDI_EMBLEM), IMAGE_ICON, 0,
                                         0, LR_DEFAULTSIZE));
}

LRESULT OnCreate(HWND hwnd) {
    HWND parent = GetParent(hwnd);
    HICON given = parent ? reinterpret_cast<HICON>(SendMessageA(parent, ICON_QUERYICON, 0, 0)) : nullptr;
    if (given) {
        rz::SetSlot(hwnd, kFlags, 0);
        rz::SetHandleSlot(hwnd, kIcon, given);
    } else {
        rz::SetHandleSlot(hwnd, kIcon, LoadEmblem());
        rz::SetSlot(hwnd, kFlags, kOwnsIcon);
    }
    return 0;
}

LRESULT OnDestroy(HWND hwnd) {
    ReleaseOwnedIcon(hwnd);
    rz::SetHandleSlot<HICON>(hwnd, kIcon, nullptr);
    return 0;
}

LRESULT OnPaint(HWND hwnd) {
    rz::PaintDC dc(hwnd);
    if (HICON icon = ShownIcon(hwnd))
        DrawIcon(dc, 0, 0, icon);
    return 0;
}

// The new icon stays the caller's; the emblem given back to a control that
// shows it stays alive and owned.  The repaint erases, so a smaller icon or
// none leaves nothing of the old one on the screen.
LRESULT OnSetIcon(HWND hwnd, LPARAM lParam) {
    const HICON icon = reinterpret_cast<HICON>(lParam);
    if (icon != ShownIcon(hwnd)) {
        ReleaseOwnedIcon(hwnd);
        rz::SetHandleSlot(hwnd, kIcon, icon);
    }
    rz::Repaint(hwnd);
    return 0;
}

}  // namespace

extern "C" LRESULT WINAPI IconDrawCtlWndFn(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_CREATE: return OnCreate(hwnd);
    case WM_DESTROY: return OnDestroy(hwnd);
    case WM_PAINT: return OnPaint(hwnd);
    case ICON_SETICON: return OnSetIcon(hwnd, lParam);
    case ICON_GETICON: return reinterpret_cast<LRESULT>(ShownIcon(hwnd));
    default: return DefWindowProcA(hwnd, msg, wParam, lParam);
    }
}
