// Meter control: a horizontal bar of position / range with the percentage
// in its middle.  The text is drawn twice, clipped to the bar and to the
// rest, with the two colours swapped, so it changes colour where the bar
// ends.  The meter paints every pixel itself and has no class background.
#include "controls/meter.h"

#include "controls/gauge.h"
#include "frame/gdi.h"
#include "frame/module.h"
#include "frame/window.h"

namespace {

using namespace rz::meter;

DWORD Unsigned(HWND hwnd, rz::LongSlot slot) { return static_cast<DWORD>(rz::GetSlot(hwnd, slot)); }

void Paint(HWND hwnd, HDC hdc) {
    RECT client = {};
    GetClientRect(hwnd, &client);
    const int w = client.right, h = client.bottom;
    const DWORD range = Unsigned(hwnd, kRange), position = Unsigned(hwnd, kPosition);
    char text[rz::gauge::kPercentTextSize];
    const int length = rz::gauge::PercentText(rz::gauge::Percent(range, position), text);

    rz::Select keepFont(hdc, rz::FontOrNull(rz::GetHandleSlot<HFONT>(hwnd, kFont)));
    const COLORREF bar = static_cast<COLORREF>(rz::GetSlot(hwnd, kBarColour));
    const COLORREF ink = static_cast<COLORREF>(rz::GetSlot(hwnd, kTextColour));
    SetBkColor(hdc, bar);
    SetTextColor(hdc, ink);
    const RECT done = {0, 0, rz::gauge::BarWidth(range, position, w), h};
    SetTextAlign(hdc, TA_CENTER | TA_TOP);
    SIZE letter = {};
    GetTextExtentPoint32A(hdc, "X", 1, &letter);
    const int x = w / 2, y = h / 2 - letter.cy / 2;
    ExtTextOutA(hdc, x, y, ETO_OPAQUE | ETO_CLIPPED, &done, text, length, nullptr);
    const RECT rest = {done.right, 0, w, h};
    SetBkColor(hdc, ink);
    SetTextColor(hdc, bar);
    ExtTextOutA(hdc, x, y, ETO_OPAQUE | ETO_CLIPPED, &rest, text, length, nullptr);
}

LRESULT OnCreate(HWND hwnd) {
    rz::SetSlot(hwnd, kRange, kDefaultRange);
    rz::SetSlot(hwnd, kPosition, 0);
    rz::SetSlot(hwnd, kBarColour, static_cast<LONG>(kDefaultBar));
    rz::SetSlot(hwnd, kTextColour, static_cast<LONG>(kDefaultText));
    return 0;
}

LRESULT OnPaint(HWND hwnd) {
    rz::PaintDC dc(hwnd);
    Paint(hwnd, dc);
    return 0;
}

// Every pixel is painted, so nothing is erased first.
void Redraw(HWND hwnd) { InvalidateRect(hwnd, nullptr, FALSE); }

LRESULT SetAndShow(HWND hwnd, rz::LongSlot slot, WPARAM value) {
    rz::SetSlot(hwnd, slot, static_cast<LONG>(value));
    Redraw(hwnd);
    UpdateWindow(hwnd);
    return 0;
}

LRESULT OnSetFont(HWND hwnd, WPARAM font, LPARAM redraw) {
    rz::SetHandleSlot(hwnd, kFont, reinterpret_cast<HFONT>(font));
    if (redraw)
        Redraw(hwnd);
    return 0;
}

LRESULT Store(HWND hwnd, rz::LongSlot slot, LPARAM value) {
    rz::SetSlot(hwnd, slot, static_cast<LONG>(value));
    return 0;
}

}  // namespace

extern "C" LRESULT WINAPI MeterCtlWndFn(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_CREATE: return OnCreate(hwnd);
    case WM_ENABLE: Redraw(hwnd); return 0;
    case WM_PAINT: return OnPaint(hwnd);
    case WM_SYSCOLORCHANGE: rz::RefreshSysColorBrushes(); return 0;
    case WM_SETFONT: return OnSetFont(hwnd, wParam, lParam);
    case WM_GETFONT: return reinterpret_cast<LRESULT>(rz::GetHandleSlot<HFONT>(hwnd, kFont));
    case WM_GETDLGCODE: return DLGC_STATIC;
    case WM_LBUTTONDBLCLK: return rz::ForwardDoubleClick(hwnd, msg, METER_LBUTTONDBLCLK, wParam, lParam);
    case WM_RBUTTONDBLCLK: return rz::ForwardDoubleClick(hwnd, msg, METER_RBUTTONDBLCLK, wParam, lParam);
    case METER_SETRANGE: return SetAndShow(hwnd, kRange, wParam);
    case METER_GETRANGE: return rz::GetSlot(hwnd, kRange);
    case METER_SETPOS: return SetAndShow(hwnd, kPosition, wParam);
    case METER_GETPOS: return rz::GetSlot(hwnd, kPosition);
    case METER_SETBARCOLOR: return Store(hwnd, kBarColour, lParam);
    case METER_GETBARCOLOR: return rz::GetSlot(hwnd, kBarColour);
    case METER_SETTEXTCOLOR: return Store(hwnd, kTextColour, lParam);
    case METER_GETTEXTCOLOR: return rz::GetSlot(hwnd, kTextColour);
    default: return DefWindowProcA(hwnd, msg, wParam, lParam);
    }
}
