// Spin control: two halves that step a value and tell the parent.  Holding
// the mouse button repeats the step inside the press handler.
#include "controls/spin.h"

#include <mmsystem.h>

#include "frame/gdi.h"
#include "frame/module.h"
#include "frame/window.h"

namespace {

using namespace rz::spin;
using rz::HasStyle;
using rz::Repaint;

constexpr DWORD kFirstRepeatDelay = 375;  // ms from the press to the second step
constexpr DWORD kRepeatInterval = 75;     // ms between further steps
constexpr DWORD kPollSlice = 10;          // longest wait between two looks at the button

struct Layout {
    int w, h, hw, hh;  // client size and half size
    bool horz;         // halves side by side
};

Layout GetLayout(HWND hwnd) {
    RECT rc = {};
    GetClientRect(hwnd, &rc);
    Layout l;
    l.w = rc.right;
    l.h = rc.bottom;
    l.hw = l.w / 2;
    l.hh = l.h / 2;
    l.horz = HasStyle(hwnd, SPINS_HORZ);
    return l;
}

void SetFocusedFlag(HWND hwnd, bool focused) {
    LONG state = rz::GetSlot(hwnd, kState);
    rz::SetSlot(hwnd, kState, focused ? (state | kFocused) : (state & ~kFocused));
}

// Applies the step rule, tells the parent when the value changed and
// remembers the half.
void StepHalf(HWND hwnd, Half half) {
    const bool up = half == kUpperHalf;
    LONG position = rz::GetSlot(hwnd, kPosition);
    LONG next = Step(position, rz::GetSlot(hwnd, kRange), up, !HasStyle(hwnd, SPINS_NOWRAP));
    if (next != position) {
        rz::SetSlot(hwnd, kPosition, next);
        rz::NotifyParent(hwnd, up ? SPINN_UP : SPINN_DOWN);
    }
    rz::SetSlot(hwnd, kLastHalf, half);
}

RECT PressedRect(const Layout &l, Half half) {
    RECT r;
    if (l.horz) {
        if (half == kUpperHalf)
            SetRect(&r, 1, 1, l.hw, l.h - 1);
        else
            SetRect(&r, l.hw + 1, 1, l.w - 1, l.h - 1);
    } else {
        if (half == kUpperHalf)
            SetRect(&r, 1, 1, l.w - 1, l.hh);
        else
            SetRect(&r, 1, l.hh + 1, l.w - 1, l.h - 1);
    }
    return r;
}

void Paint(HWND hwnd, HDC hdc) {
    const Layout l = GetLayout(hwnd);
    rz::BevelPens pens(TRUE);
    rz::Select keepPen(hdc, GetStockObject(BLACK_PEN));

    HBITMAP arrows = rz::GetHandleSlot<HBITMAP>(hwnd, kArrowBitmap);
    if (arrows) {
        rz::MemoryDC mem(hdc);
        rz::Select keepBitmap(mem, arrows);
        const bool lr = HasStyle(hwnd, SPINS_LRARROWS);
        const int first = (lr ? kCellLeft : kCellUp) * kGlyph;
        const int second = (lr ? kCellRight : kCellDown) * kGlyph;
        if (l.horz) {
            BitBlt(hdc, l.hw / 2 - 4, l.hh - 4, kGlyph, kGlyph, mem, first, 0, SRCAND);
            BitBlt(hdc, l.hw / 2 + l.hw - 3, l.hh - 4, kGlyph, kGlyph, mem, second, 0, SRCAND);
        } else {
            BitBlt(hdc, l.hw - 4, l.hh / 2 - 4, kGlyph, kGlyph, mem, first, 0, SRCAND);
            BitBlt(hdc, l.hw - 4, l.hh / 2 + l.hh - 3, kGlyph, kGlyph, mem, second, 0, SRCAND);
        }
    }

    if (l.horz) {
        MoveToEx(hdc, l.hw, 0, nullptr);
        LineTo(hdc, l.hw, l.h);
    } else {
        MoveToEx(hdc, 0, l.hh, nullptr);
        LineTo(hdc, l.w, l.hh);
    }

    int d = 1, e = 0;  // bevel inset and edge
    if (rz::GetSlot(hwnd, kState) & kFocused) {
        RECT outline = {0, 0, l.w, l.h};
        DrawRect(hdc, &outline);
        d = 2;
        e = 1;
    }

    if (l.horz) {
        SelectObject(hdc, pens.light());
        rz::Polyline3(hdc, l.hw - d, e, e, e, e, l.h - d);
        SelectObject(hdc, pens.dark());
        LineTo(hdc, l.hw - 1, l.h - d);
        LineTo(hdc, l.hw - 1, e);
        SelectObject(hdc, pens.light());
        rz::Polyline3(hdc, l.w - d, e, l.hw + d, e, l.hw + d, l.h - d);
        SelectObject(hdc, pens.dark());
        LineTo(hdc, l.w - d, l.h - d);
        LineTo(hdc, l.w - d, e);
    } else {
        SelectObject(hdc, pens.light());
        rz::Polyline3(hdc, l.w - d, e, e, e, e, l.hh - 1);
        SelectObject(hdc, pens.dark());
        LineTo(hdc, l.w - d, l.hh - 1);
        LineTo(hdc, l.w - d, e);
        SelectObject(hdc, pens.light());
        rz::Polyline3(hdc, l.w - d, l.hh + d, e, l.hh + d, e, l.h - d);
        SelectObject(hdc, pens.dark());
        LineTo(hdc, l.w - d, l.h - d);
        LineTo(hdc, l.w - d, l.hh);
    }
}

LRESULT OnCreate(HWND hwnd) {
    rz::SetSlot(hwnd, kRange, MAKELONG(0, 1));
    rz::SetSlot(hwnd, kPosition, 0);
    rz::SetHandleSlot(hwnd, kArrowBitmap,
                      LoadBitmapA(rz::ModuleInstance(), MAKEINTRESOURCEA(REZORE32_IDB_SPINARROWS)));
    rz::SetSlot(hwnd, kState, 0);
    return 0;
}

LRESULT OnDestroy(HWND hwnd) {
    rz::DeleteObjectSlot(hwnd, kArrowBitmap);
    return 0;
}

LRESULT OnFocusChange(HWND hwnd, bool focused) {
    SetFocusedFlag(hwnd, focused);
    Repaint(hwnd);
    return 0;
}

LRESULT OnPaint(HWND hwnd) {
    rz::PaintDC dc(hwnd);
    Paint(hwnd, dc);
    return 0;
}

LRESULT OnKeyDown(HWND hwnd, WPARAM key, LPARAM lParam) {
    switch (key) {
    case VK_UP:
    case VK_LEFT:
        StepHalf(hwnd, kUpperHalf);
        return 0;
    case VK_DOWN:
    case VK_RIGHT:
        StepHalf(hwnd, kLowerHalf);
        return 0;
    default:
        return DefWindowProcA(hwnd, WM_KEYDOWN, key, lParam);
    }
}

// Whether a press that started on the spin still belongs to it: a step's
// notification may destroy or disable the control, or open modal UI that
// takes the mouse away.
bool StillHeld(HWND hwnd) { return IsWindow(hwnd) && IsWindowEnabled(hwnd) && GetCapture() == hwnd; }

// Repeats SPIN_STEP while `button` is held: the second step after 375 ms,
// then one every 75 ms.  The thread stays here and dispatches nothing, but
// sleeps between looks at the button instead of spinning on it.
void HoldLoop(HWND hwnd, int button) {
    timeBeginPeriod(1);
    DWORD deadline = GetTickCount() + kFirstRepeatDelay;
    while (StillHeld(hwnd) && (GetAsyncKeyState(button) & 0x8000)) {
        const LONG remaining = static_cast<LONG>(deadline - GetTickCount());
        if (remaining <= 0) {
            SendMessageA(hwnd, SPIN_STEP, 0, 0);
            deadline = GetTickCount() + kRepeatInterval;
            continue;
        }
        Sleep(static_cast<DWORD>(remaining) < kPollSlice ? static_cast<DWORD>(remaining) : kPollSlice);
    }
    timeEndPeriod(1);
}

LRESULT OnLButtonDown(HWND hwnd, LPARAM lParam) {
    SetFocus(hwnd);
    const Layout l = GetLayout(hwnd);
    const unsigned x = LOWORD(lParam), y = HIWORD(lParam);
    Half half;
    if (l.horz)
        half = x > static_cast<unsigned>(l.hw) ? kLowerHalf : kUpperHalf;
    else
        half = y > static_cast<unsigned>(l.hh) ? kLowerHalf : kUpperHalf;
    const RECT pressed = PressedRect(l, half);
    rz::SetSlot(hwnd, kLastHalf, half);
    SetFocusedFlag(hwnd, true);
    {
        rz::WindowDC dc(hwnd);
        Paint(hwnd, dc);
        InvertRect(dc, &pressed);
    }
    const int button = GetSystemMetrics(SM_SWAPBUTTON) ? VK_RBUTTON : VK_LBUTTON;
    SetCapture(hwnd);
    SendMessageA(hwnd, SPIN_STEP, 0, 0);
    HoldLoop(hwnd, button);
    if (!IsWindow(hwnd))
        return 0;
    if (GetCapture() == hwnd)
        ReleaseCapture();
    Repaint(hwnd);
    return 0;
}

// One step of a held button, judged from where the cursor is now.
LRESULT OnMouseStep(HWND hwnd, WPARAM wParam, LPARAM lParam) {
    POINT pt;
    GetCursorPos(&pt);
    ScreenToClient(hwnd, &pt);
    RECT client;
    GetClientRect(hwnd, &client);
    if (!PtInRect(&client, pt))
        return DefWindowProcA(hwnd, SPIN_STEP, wParam, lParam);  // outside: pause
    const Layout l = GetLayout(hwnd);
    const Half half = (l.horz ? pt.x < l.hw : pt.y < l.hh) ? kUpperHalf : kLowerHalf;
    if (half != rz::GetSlot(hwnd, kLastHalf)) {
        // Flip the previous half back and show the other one pressed.
        RECT inner = client;
        InflateRect(&inner, -1, -1);
        rz::WindowDC dc(hwnd);
        InvertRect(dc, &inner);
    }
    StepHalf(hwnd, half);
    return 0;
}

LRESULT OnSetPos(HWND hwnd, WPARAM position, LPARAM notify) {
    rz::SetSlot(hwnd, kPosition, static_cast<LONG>(position));
    if (notify == SPINN_UP || notify == SPINN_DOWN)
        rz::NotifyParent(hwnd, static_cast<WORD>(notify));
    return 0;
}

LRESULT OnSetRange(HWND hwnd, WPARAM position, LPARAM range) {
    rz::SetSlot(hwnd, kRange, static_cast<LONG>(range));
    rz::SetSlot(hwnd, kPosition, static_cast<LONG>(position));
    return 0;
}

}  // namespace

extern "C" LRESULT WINAPI SpinCtlWndFn(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_CREATE: return OnCreate(hwnd);
    case WM_DESTROY: return OnDestroy(hwnd);
    case WM_SETFOCUS: return OnFocusChange(hwnd, true);
    case WM_KILLFOCUS: return OnFocusChange(hwnd, false);
    case WM_ENABLE: InvalidateRect(hwnd, nullptr, TRUE); return 0;
    case WM_PAINT: return OnPaint(hwnd);
    case WM_SYSCOLORCHANGE:
        rz::RefreshSysColorBrushes();
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    case WM_GETDLGCODE: return DLGC_WANTARROWS;
    case WM_KEYDOWN: return OnKeyDown(hwnd, wParam, lParam);
    case WM_LBUTTONDOWN: return OnLButtonDown(hwnd, lParam);
    case WM_LBUTTONDBLCLK: return rz::ForwardDoubleClick(hwnd, msg, SPIN_LBUTTONDBLCLK, wParam, lParam);
    case WM_RBUTTONDBLCLK: return rz::ForwardDoubleClick(hwnd, msg, SPIN_RBUTTONDBLCLK, wParam, lParam);
    case SPIN_SETRANGE: return OnSetRange(hwnd, wParam, lParam);
    case SPIN_GETRANGE: return rz::GetSlot(hwnd, kRange);
    case SPIN_SETPOS: return OnSetPos(hwnd, wParam, lParam);
    case SPIN_GETPOS: return rz::GetSlot(hwnd, kPosition);
    case SPIN_STEP: return OnMouseStep(hwnd, wParam, lParam);
    default: return DefWindowProcA(hwnd, msg, wParam, lParam);
    }
}
