// Text control: one line of window text in raised or engraved lettering,
// drawn in two colours a pixel apart, optionally inside a one-pixel bevel.
#include "controls/text.h"

#include "frame/gdi.h"
#include "frame/module.h"
#include "frame/window.h"

namespace {

using namespace rz::text;

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kFixedGrey = RGB(192, 192, 192);

struct Colours {
    COLORREF first, second;
    HBRUSH background;  // from the parent, 0 for the class background
};

Colours ChooseColours(HWND hwnd, HDC hdc, LONG style) {
    if (style & TEXTS_WHITE)
        return Colours{kWhite, kBlack, nullptr};
    if (style & TEXTS_PARENTCOLOR) {
        HBRUSH brush = reinterpret_cast<HBRUSH>(
            SendMessageA(GetParent(hwnd), TEXT_CTLCOLOR, reinterpret_cast<WPARAM>(hdc), reinterpret_cast<LPARAM>(hwnd)));
        return Colours{GetBkColor(hdc), GetTextColor(hdc), brush};
    }
    // Engraved lettering's lower copy is meant to vanish into the face.
    return Colours{(style & TEXTS_ENGRAVED) ? rz::FaceColour() : kFixedGrey, kBlack, nullptr};
}

void DrawBevel(HDC hdc, int w, int h, LONG style) {
    rz::BevelPens pens(!(style & TEXTS_FRAMESUNKEN));
    rz::Select keep(hdc, pens.first());
    rz::Polyline3(hdc, w - 1, 0, 0, 0, 0, h);
    SelectObject(hdc, pens.second());
    rz::Polyline3(hdc, 1, h - 1, w - 1, h - 1, w - 1, -1);
}

void Paint(HWND hwnd, HDC hdc) {
    rz::Select keepFont(hdc, rz::FontOrNull(rz::GetHandleSlot<HFONT>(hwnd, kFont)));
    RECT client = {};
    GetClientRect(hwnd, &client);
    char text[kMostBytes + 1] = {};
    const int length = GetWindowTextA(hwnd, text, sizeof(text));
    const LONG style = rz::StyleOf(hwnd);
    const UINT format = Format(style);
    const Colours colours = ChooseColours(hwnd, hdc, style);

    SetBkMode(hdc, TRANSPARENT);
    if (colours.background)
        FillRect(hdc, &client, colours.background);
    const Passes passes = PassesOf(style);
    for (int i = 0; i < passes.count; ++i) {
        const Pass &p = passes.pass[i];
        RECT r = client;
        OffsetRect(&r, p.dx, p.dy);
        SetTextColor(hdc, p.second ? colours.second : colours.first);
        DrawTextA(hdc, text, length, &r, format);
    }
    if (style & TEXTS_FRAME)
        DrawBevel(hdc, client.right, client.bottom, style);
}

LRESULT OnPaint(HWND hwnd) {
    rz::PaintDC dc(hwnd);
    Paint(hwnd, dc);
    return 0;
}

LRESULT OnSetText(HWND hwnd, LPARAM text) {
    InvalidateRect(hwnd, nullptr, TRUE);
    return DefWindowProcA(hwnd, WM_SETTEXT, 0, text);
}

LRESULT OnSetFont(HWND hwnd, WPARAM font, LPARAM redraw) {
    rz::SetHandleSlot(hwnd, kFont, reinterpret_cast<HFONT>(font));
    if (redraw)
        InvalidateRect(hwnd, nullptr, TRUE);
    return 0;
}

}  // namespace

extern "C" LRESULT WINAPI TextCtlWndFn(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_CREATE: rz::SetSlot(hwnd, kFont, 0); return 0;
    case WM_SETTEXT: return OnSetText(hwnd, lParam);
    case WM_PAINT: return OnPaint(hwnd);
    case WM_SYSCOLORCHANGE:
        rz::RefreshSysColorBrushes();
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    case WM_SETFONT: return OnSetFont(hwnd, wParam, lParam);
    case WM_GETFONT: return reinterpret_cast<LRESULT>(rz::GetHandleSlot<HFONT>(hwnd, kFont));
    case WM_GETDLGCODE: return DLGC_STATIC;
    case WM_LBUTTONDBLCLK: return rz::ForwardDoubleClick(hwnd, msg, TEXT_LBUTTONDBLCLK, wParam, lParam);
    case WM_RBUTTONDBLCLK: return rz::ForwardDoubleClick(hwnd, msg, TEXT_RBUTTONDBLCLK, wParam, lParam);
    default: return DefWindowProcA(hwnd, msg, wParam, lParam);
    }
}
