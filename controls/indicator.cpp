// Indicator control: a row of cells in a sunken frame, lit in proportion to
// position / range.  Setting the position repaints only when the number of
// lit cells changes, so callers may feed it every small step of progress.
#include "controls/indicator.h"

#include "controls/gauge.h"
#include "frame/gdi.h"
#include "frame/module.h"
#include "frame/window.h"

namespace {

using namespace rz::indicator;

constexpr int kRing = 2;  // frame and gap around the cell area

rz::gauge::Cells CellsOf(HWND hwnd, int clientWidth) {
    const LONG style = rz::StyleOf(hwnd);
    return rz::gauge::LayOutCells(static_cast<DWORD>(rz::GetSlot(hwnd, kRange)),
                                  static_cast<DWORD>(rz::GetSlot(hwnd, kPosition)), clientWidth,
                                  rz::GetSlot(hwnd, kCellWidth), (style & INDS_FIXEDCELL) != 0,
                                  (style & INDS_CENTER) != 0);
}

int ClientWidth(HWND hwnd) {
    RECT client = {};
    GetClientRect(hwnd, &client);
    return client.right;
}

void Paint(HWND hwnd, HDC hdc) {
    RECT client = {};
    GetClientRect(hwnd, &client);
    const int w = client.right, h = client.bottom;
    const rz::gauge::Cells c = CellsOf(hwnd, w);
    const int left = kRing + c.offset, bottom = h - kRing - 1;
    const int litEnd = left + c.lit * c.width, end = left + c.count * c.width;

    rz::Brush lit(CreateSolidBrush(static_cast<COLORREF>(rz::GetSlot(hwnd, kColour))));
    const RECT on = {left, kRing, litEnd, bottom};
    FillRect(hdc, &on, lit);
    const RECT off = {litEnd, kRing, end, bottom};
    FillRect(hdc, &off, static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH)));

    // Each cell ends in a light grey column.
    rz::Pen separator(rz::MakeSolidPen(kSeparator));
    rz::Select keep(hdc, separator);
    for (int i = 1; i <= c.count; ++i) {
        const int x = c.offset + 1 + i * c.width;
        MoveToEx(hdc, x, kRing, nullptr);
        LineTo(hdc, x, bottom);
    }
    RECT frame = {0, 0, w - 1, h - 1};
    EdgeDrawRect(hdc, &frame, FALSE, 1);
}

LRESULT OnCreate(HWND hwnd) {
    rz::SetSlot(hwnd, kRange, kDefaultRange);
    rz::SetSlot(hwnd, kPosition, 0);
    rz::SetSlot(hwnd, kColour, static_cast<LONG>(kDefaultColour));
    rz::SetSlot(hwnd, kCellWidth, kDefaultCellWidth);
    rz::SetSlot(hwnd, kLitCount, kNoLitCount);
    return 0;
}

LRESULT OnPaint(HWND hwnd) {
    rz::PaintDC dc(hwnd);
    Paint(hwnd, dc);
    return 0;
}

// The frame and cells are repainted over the old ones; the ring keeps the
// class background it already has.
void RedrawNow(HWND hwnd) {
    InvalidateRect(hwnd, nullptr, FALSE);
    UpdateWindow(hwnd);
}

LRESULT OnSetRange(HWND hwnd, WPARAM range) {
    rz::SetSlot(hwnd, kRange, static_cast<LONG>(range));
    RedrawNow(hwnd);
    return 0;
}

LRESULT OnSetPos(HWND hwnd, WPARAM position) {
    rz::SetSlot(hwnd, kPosition, static_cast<LONG>(position));
    const int lit = CellsOf(hwnd, ClientWidth(hwnd)).lit;
    if (LOWORD(lit) != LOWORD(rz::GetSlot(hwnd, kLitCount))) {
        rz::SetSlot(hwnd, kLitCount, lit);
        RedrawNow(hwnd);
    }
    return 0;
}

LRESULT Store(HWND hwnd, rz::LongSlot slot, LPARAM value) {
    rz::SetSlot(hwnd, slot, static_cast<LONG>(value));
    return 0;
}

}  // namespace

extern "C" LRESULT WINAPI IndicatorCtlWndFn(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_CREATE: return OnCreate(hwnd);
    case WM_ENABLE: InvalidateRect(hwnd, nullptr, FALSE); return 0;
    case WM_PAINT: return OnPaint(hwnd);
    case WM_SYSCOLORCHANGE: rz::RefreshSysColorBrushes(); return 0;
    case WM_GETDLGCODE: return DLGC_STATIC;
    case WM_LBUTTONDBLCLK: return rz::ForwardDoubleClick(hwnd, msg, IND_LBUTTONDBLCLK, wParam, lParam);
    case WM_RBUTTONDBLCLK: return rz::ForwardDoubleClick(hwnd, msg, IND_RBUTTONDBLCLK, wParam, lParam);
    case IND_SETRANGE: return OnSetRange(hwnd, wParam);
    case IND_GETRANGE: return rz::GetSlot(hwnd, kRange);
    case IND_SETPOS: return OnSetPos(hwnd, wParam);
    case IND_GETPOS: return rz::GetSlot(hwnd, kPosition);
    case IND_SETCOLOR: return Store(hwnd, kColour, lParam);
    case IND_GETCOLOR: return rz::GetSlot(hwnd, kColour);
    case IND_SETCELLWIDTH: return Store(hwnd, kCellWidth, wParam);
    case IND_GETCELLWIDTH: return rz::GetSlot(hwnd, kCellWidth);
    case IND_SETLITCOUNT: return Store(hwnd, kLitCount, wParam);
    case IND_GETLITCOUNT: return rz::GetSlot(hwnd, kLitCount);
    default: return DefWindowProcA(hwnd, msg, wParam, lParam);
    }
}
