// Check button and check mark: a 16 x 14 picture of a check box followed by
// the window text.  The button toggles under the mouse and the space bar and
// posts its parent a click; the mark only shows what the application sets.
#include "controls/check.h"

#include "frame/gdi.h"
#include "frame/module.h"
#include "frame/window.h"

namespace {

using namespace rz::check;

// What tells the two classes apart.
struct Kind {
    WORD picture;  // bitmap resource of the strip
    UINT leftDoubleClick, rightDoubleClick;
};
constexpr Kind kButton = {REZORE32_IDB_CHECK, CHECK_LBUTTONDBLCLK, CHECK_RBUTTONDBLCLK};
constexpr Kind kMark = {REZORE32_IDB_MARK, MARK_LBUTTONDBLCLK, MARK_RBUTTONDBLCLK};

constexpr int kTextLeft = 20;  // the text begins this far from the left edge

LONG Flags(HWND hwnd) { return rz::GetSlot(hwnd, kState); }

void SetFlag(HWND hwnd, LONG flag, bool on) {
    const LONG flags = Flags(hwnd);
    rz::SetSlot(hwnd, kState, on ? (flags | flag) : (flags & ~flag));
}

// Every pixel is painted over, so nothing needs erasing first.
void Redraw(HWND hwnd) {
    InvalidateRect(hwnd, nullptr, FALSE);
    UpdateWindow(hwnd);
}

void DrawCell(HDC hdc, HBITMAP strip, Cell cell, int top) {
    if (!strip)
        return;  // the strip did not load: text only
    rz::MemoryDC mem(hdc);
    rz::Select keep(mem, strip);
    BitBlt(hdc, 0, top, kCellWidth, kCellHeight, mem, kCellWidth * cell, 0, SRCCOPY);
}

// The picture at the left edge and the text 20 pixels in, both centred on
// the client height; the focus rectangle around the text.
void Paint(HWND hwnd, HDC hdc) {
    RECT client = {};
    GetClientRect(hwnd, &client);
    rz::Select keepFont(hdc, rz::FontOrNull(rz::GetHandleSlot<HFONT>(hwnd, kFont)));
    FillRect(hdc, &client, rz::FaceBrush());

    char text[128];
    const int length = GetWindowTextA(hwnd, text, sizeof(text));
    SIZE x = {};
    GetTextExtentPoint32A(hdc, "X", 1, &x);
    const int mid = client.bottom / 2;
    const short pictureTop = static_cast<short>(mid - kCellHeight / 2);
    const short textTop = static_cast<short>(mid - x.cy / 2);

    const LONG flags = Flags(hwnd);
    DrawCell(hdc, rz::GetHandleSlot<HBITMAP>(hwnd, kPicture), CellFor(flags), pictureTop);

    SetBkMode(hdc, TRANSPARENT);
    RECT extent = {0, 0, 1, 1};
    DrawTextA(hdc, text, length, &extent, DT_CALCRECT | DT_SINGLELINE);
    RECT line = extent;
    OffsetRect(&line, kTextLeft, textTop);
    DrawTextA(hdc, text, length, &line, DT_SINGLELINE);
    if (flags & kFocused) {
        OffsetRect(&extent, kTextLeft - 1, textTop);
        InflateRect(&extent, 1, 1);
        DrawFocusRect(hdc, &extent);
    }
}

// The button's immediate repaints while it is pressed and released.
void PaintNow(HWND hwnd) {
    rz::WindowDC dc(hwnd);
    Paint(hwnd, dc);
}

bool Inside(HWND hwnd, LPARAM lParam) {
    RECT client = {};
    GetClientRect(hwnd, &client);
    // Unsigned: positions left of or above the control count as outside.
    const POINT pt = {static_cast<LONG>(LOWORD(lParam)), static_cast<LONG>(HIWORD(lParam))};
    return PtInRect(&client, pt) != FALSE;
}

LRESULT OnCreate(HWND hwnd, const Kind &kind) {
    rz::SetSlot(hwnd, kState, 0);
    rz::SetHandleSlot(hwnd, kPicture, LoadBitmapA(rz::ModuleInstance(), MAKEINTRESOURCEA(kind.picture)));
    rz::SetSlot(hwnd, kFont, 0);
    return 0;
}

LRESULT OnDestroy(HWND hwnd) {
    rz::DeleteObjectSlot(hwnd, kPicture);
    return 0;
}

LRESULT OnPaint(HWND hwnd) {
    rz::PaintDC dc(hwnd);
    Paint(hwnd, dc);
    return 0;
}

LRESULT OnEnable(HWND hwnd, WPARAM enabled, LPARAM lParam) {
    SetFlag(hwnd, kDisabled, !enabled);
    Redraw(hwnd);
    return DefWindowProcA(hwnd, WM_ENABLE, enabled, lParam);
}

LRESULT OnSetFont(HWND hwnd, WPARAM font, LPARAM redraw) {
    rz::SetHandleSlot(hwnd, kFont, reinterpret_cast<HFONT>(font));
    if (redraw)
        InvalidateRect(hwnd, nullptr, FALSE);
    return 0;
}

LRESULT OnSetCheck(HWND hwnd, WPARAM check) {
    SetFlag(hwnd, kChecked, check != 0);
    Redraw(hwnd);
    return 0;
}

LRESULT OnSetFocus(HWND hwnd) {
    SetFlag(hwnd, kFocused, true);
    Redraw(hwnd);
    return 0;
}

// Losing the focus ends a press without a toggle.  The pressed preview
// ends with it, so the picture shows the state the button really has.
LRESULT OnKillFocus(HWND hwnd) {
    const LONG flags = Flags(hwnd);
    if (flags & kTracking) {
        rz::SetSlot(hwnd, kState, flags & ~(kFocused | kTracking | kPressed));
        ReleaseCapture();
    } else {
        rz::SetSlot(hwnd, kState, flags & ~kFocused);
    }
    Redraw(hwnd);
    return 0;
}

// The space bar works the button as a click at (0, 0); its auto-repeat
// presses arrive while tracking and are ignored.
LRESULT OnKey(HWND hwnd, UINT msg, WPARAM key, LPARAM lParam) {
    if (key == VK_SPACE)
        SendMessageA(hwnd, msg == WM_KEYDOWN ? WM_LBUTTONDOWN : WM_LBUTTONUP, 0, 0);
    return DefWindowProcA(hwnd, msg, key, lParam);
}

LRESULT OnLButtonDown(HWND hwnd, WPARAM wParam, LPARAM lParam) {
    if (Flags(hwnd) & kTracking)
        return DefWindowProcA(hwnd, WM_LBUTTONDOWN, wParam, lParam);
    SetFocus(hwnd);
    SetCapture(hwnd);
    rz::SetSlot(hwnd, kState, Flags(hwnd) | kTracking | kPressed | kFocused);
    PaintNow(hwnd);
    return 0;
}

LRESULT OnMouseMove(HWND hwnd, WPARAM wParam, LPARAM lParam) {
    const LONG flags = Flags(hwnd);
    if (!(flags & kTracking))
        return DefWindowProcA(hwnd, WM_MOUSEMOVE, wParam, lParam);
    const bool inside = Inside(hwnd, lParam);
    if (inside != ((flags & kPressed) != 0)) {
        SetFlag(hwnd, kPressed, inside);
        PaintNow(hwnd);
    }
    return 0;
}

// The click goes to the parent after the new state is stored, posted so
// that the parent handles it after the button has finished.
void PostClick(HWND hwnd) {
    HWND parent = GetParent(hwnd);
    if (!parent)
        return;  // posting to no window would reach the thread's queue
    const WORD id = LOWORD(GetWindowLongA(hwnd, GWL_ID));
    PostMessageA(parent, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(hwnd));
}

LRESULT OnLButtonUp(HWND hwnd, WPARAM wParam, LPARAM lParam) {
    if (!(Flags(hwnd) & kTracking))
        return DefWindowProcA(hwnd, WM_LBUTTONUP, wParam, lParam);
    ReleaseCapture();
    const bool inside = Inside(hwnd, lParam);
    rz::SetSlot(hwnd, kState, AfterRelease(Flags(hwnd), inside));
    if (inside)
        PostClick(hwnd);
    PaintNow(hwnd);
    return 0;
}

// What the button and the mark do alike.
LRESULT CheckProc(const Kind &kind, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_CREATE: return OnCreate(hwnd, kind);
    case WM_DESTROY: return OnDestroy(hwnd);
    case WM_ERASEBKGND: return 1;  // the paint fills every pixel
    case WM_PAINT: return OnPaint(hwnd);
    case WM_ENABLE: return OnEnable(hwnd, wParam, lParam);
    case WM_SYSCOLORCHANGE:
        rz::RefreshSysColorBrushes();
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    case WM_SETFONT: return OnSetFont(hwnd, wParam, lParam);
    case WM_GETFONT: return reinterpret_cast<LRESULT>(rz::GetHandleSlot<HFONT>(hwnd, kFont));
    case BM_GETCHECK: return Flags(hwnd) & kChecked;
    case BM_SETCHECK: return OnSetCheck(hwnd, wParam);
    case WM_LBUTTONDBLCLK: return rz::ForwardDoubleClick(hwnd, msg, kind.leftDoubleClick, wParam, lParam);
    case WM_RBUTTONDBLCLK: return rz::ForwardDoubleClick(hwnd, msg, kind.rightDoubleClick, wParam, lParam);
    default: return DefWindowProcA(hwnd, msg, wParam, lParam);
    }
}

}  // namespace

extern "C" LRESULT WINAPI CheckBtnCtlWndFn(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_GETDLGCODE: return DLGC_BUTTON;
    case WM_SETFOCUS: return OnSetFocus(hwnd);
    case WM_KILLFOCUS: return OnKillFocus(hwnd);
    case WM_KEYDOWN:
    case WM_KEYUP: return OnKey(hwnd, msg, wParam, lParam);
    case WM_LBUTTONDOWN: return OnLButtonDown(hwnd, wParam, lParam);
    case WM_MOUSEMOVE: return OnMouseMove(hwnd, wParam, lParam);
    case WM_LBUTTONUP: return OnLButtonUp(hwnd, wParam, lParam);
    default: return CheckProc(kButton, hwnd, msg, wParam, lParam);
    }
}

extern "C" LRESULT WINAPI CheckMarkCtlWndFn(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    return CheckProc(kMark, hwnd, msg, wParam, lParam);
}
