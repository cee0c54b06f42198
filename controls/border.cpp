// Border control: an etched line two pixels thick along the top or left
// edge, used as a rule between parts of a dialog.
#include "frame/gdi.h"
#include "frame/module.h"

namespace {

constexpr int kThickness = 2;

bool IsHorizontal(HWND hwnd) { return (GetWindowLongA(hwnd, GWL_STYLE) & BORDERS_HORZ) != 0; }

// The thickness is fixed once, whatever size the template gave.
LRESULT OnCreate(HWND hwnd) {
    RECT rc = {};
    GetClientRect(hwnd, &rc);
    const bool horz = IsHorizontal(hwnd);
    SetWindowPos(hwnd, nullptr, 0, 0, horz ? rc.right : kThickness, horz ? kThickness : rc.bottom,
                 SWP_NOMOVE | SWP_NOZORDER);
    return 0;
}

LRESULT OnPaint(HWND hwnd) {
    RECT rc = {};
    GetClientRect(hwnd, &rc);
    rz::PaintDC dc(hwnd);
    rz::Pen shadow(rz::MakeSolidPen(GetSysColor(COLOR_BTNSHADOW)));
    rz::Pen highlight(rz::MakeSolidPen(GetSysColor(COLOR_BTNHIGHLIGHT)));
    rz::Select keep(dc, shadow);
    if (IsHorizontal(hwnd)) {
        MoveToEx(dc, rc.left, 0, nullptr);
        LineTo(dc, rc.right, 0);
        SelectObject(dc, highlight);
        MoveToEx(dc, rc.left, 1, nullptr);
        LineTo(dc, rc.right, 1);
    } else {
        MoveToEx(dc, 0, rc.top, nullptr);
        LineTo(dc, 0, rc.bottom);
        SelectObject(dc, highlight);
        MoveToEx(dc, 1, rc.top, nullptr);
        LineTo(dc, 1, rc.bottom);
    }
    return 0;
}

}  // namespace

extern "C" LRESULT WINAPI BorderCtlWndFn(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_CREATE: return OnCreate(hwnd);
    case WM_PAINT: return OnPaint(hwnd);
    case WM_SYSCOLORCHANGE:
        rz::RefreshSysColorBrushes();
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    case WM_GETDLGCODE: return DLGC_STATIC;
    default: return DefWindowProcA(hwnd, msg, wParam, lParam);
    }
}
