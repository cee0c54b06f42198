// Plate and clip: superclasses of "Static" that paint a face, one line of
// relief text at the top and a three-dimensional frame, a bevel for the
// plate and an etched line pair for the clip.  The Static class keeps the
// text and answers everything they leave to it.
#include "controls/plate.h"

#include "frame/gdi.h"
#include "frame/module.h"
#include "frame/window.h"

namespace {

using rz::plate::Frame;
using rz::plate::Kind;

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);

rz::LongSlot FontSlot() { return rz::OwnSlot(rz::g_module.baseStatic, rz::plate::kFontOffset); }

LRESULT Base(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    return rz::CallBaseProc(rz::g_module.baseStatic, hwnd, msg, wParam, lParam);
}

// Ring i of a frame inside a client area of `right` x `bottom`: the first
// colour along the top and left, the second along the bottom and right.
rz::BevelRing RingAt(int right, int bottom, int i) {
    return rz::BevelRing{{{right - 1 - i, i}, {i, i}, {i, bottom - i}},
                         {{i + 1, bottom - 1 - i}, {right - 1 - i, bottom - 1 - i}, {right - 1 - i, i - 1}}};
}

// A bevel `width` rings deep.
void DrawPlateFrame(HDC hdc, const RECT &client, Frame frame) {
    rz::DrawBevelRings(hdc, frame.raised, frame.width,
                       [&client](int i) { return RingAt(client.right, client.bottom, i); });
}

// An outer ring and an inner one in the opposite colours, directly inside
// it or (wide) one pixel of face further in.
void DrawClipFrame(HDC hdc, const RECT &client, Frame frame) {
    const int inner = frame.width == 1 ? 1 : 2;
    rz::DrawBevelRings(hdc, frame.raised, 1, [&client](int) { return RingAt(client.right, client.bottom, 0); });
    rz::DrawBevelRings(hdc, !frame.raised, 1,
                       [&client, inner](int) { return RingAt(client.right, client.bottom, inner); });
}

// What tells the two classes apart.
struct KindRow {
    Kind kind;
    UINT leftDoubleClick, rightDoubleClick;
    void (*drawFrame)(HDC, const RECT &, Frame);
};
constexpr KindRow kPlate = {Kind::kPlate, PLATE_LBUTTONDBLCLK, PLATE_RBUTTONDBLCLK, DrawPlateFrame};
constexpr KindRow kClip = {Kind::kClip, CLIP_LBUTTONDBLCLK, CLIP_RBUTTONDBLCLK, DrawClipFrame};

// The window text inside the frame, in black with a white copy one pixel
// right of and below it, or flat in black alone.
void DrawTitle(HWND hwnd, HDC hdc, RECT area, int frameWidth, LONG style) {
    char text[128];
    const int length = GetWindowTextA(hwnd, text, sizeof(text));
    if (length <= 0)
        return;
    rz::Select keepFont(hdc, rz::FontOrNull(rz::GetHandleSlot<HFONT>(hwnd, FontSlot())));
    InflateRect(&area, -2 * frameWidth, -frameWidth);
    SetBkMode(hdc, TRANSPARENT);
    SetBkColor(hdc, GetSysColor(COLOR_BTNFACE));
    const UINT format = rz::plate::TextFormat(style);
    if (style & PLATES_FLAT) {
        OffsetRect(&area, 1, 1);
        SetTextColor(hdc, kBlack);
        DrawTextA(hdc, text, length, &area, format);
        return;
    }
    OffsetRect(&area, 2, 2);
    SetTextColor(hdc, kWhite);
    DrawTextA(hdc, text, length, &area, format);
    OffsetRect(&area, -1, -1);
    SetTextColor(hdc, kBlack);
    DrawTextA(hdc, text, length, &area, format);
}

LRESULT OnCreate(HWND hwnd) {
    rz::SetSlot(hwnd, FontSlot(), 0);
    return 0;
}

// The look follows the style bits at every paint.
void Paint(HWND hwnd, HDC dc, const RECT &area, const KindRow &kind) {
    FillRect(dc, &area, rz::FaceBrush());
    const LONG style = rz::StyleOf(hwnd);
    RECT client = {};
    GetClientRect(hwnd, &client);
    const Frame frame = rz::plate::FrameFor(style, kind.kind);
    DrawTitle(hwnd, dc, client, frame.width, style);
    kind.drawFrame(dc, client, frame);
}

LRESULT OnPaint(HWND hwnd, const KindRow &kind) {
    rz::PaintDC dc(hwnd);
    Paint(hwnd, dc, dc.paint().rcPaint, kind);
    return 0;
}

// Printing shows the control's own look, not the Static class's.
LRESULT OnPrintClient(HWND hwnd, HDC dc, const KindRow &kind) {
    RECT client = {};
    GetClientRect(hwnd, &client);
    if (dc)
        Paint(hwnd, dc, client, kind);
    return 0;
}

// Hands the Static class a message on which it paints in its own look at
// once (a text change, a change of the enabled state, the system colours or
// the keyboard cues' visibility), with redrawing off
// so that its painting never shows; the next paint shows the control's own
// look.  A control that is hidden (or has redrawing off already) is left
// so: switching redrawing on would show it.
LRESULT BaseUnseen(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    const bool shown = rz::HasStyle(hwnd, WS_VISIBLE);
    if (shown)
        SendMessageA(hwnd, WM_SETREDRAW, FALSE, 0);
    const LRESULT result = Base(hwnd, msg, wParam, lParam);
    if (shown)
        SendMessageA(hwnd, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(hwnd, nullptr, FALSE);
    return result;
}

// A NULL text is stored as an empty one.
LRESULT OnSetText(HWND hwnd, WPARAM wParam, LPARAM text) {
    return BaseUnseen(hwnd, WM_SETTEXT, wParam, text ? text : reinterpret_cast<LPARAM>(""));
}

LRESULT OnSetFont(HWND hwnd, WPARAM font, LPARAM redraw) {
    rz::SetHandleSlot(hwnd, FontSlot(), reinterpret_cast<HFONT>(font));
    if (redraw)
        InvalidateRect(hwnd, nullptr, FALSE);
    return 0;
}

// Without a parent the Static class has the double click.
LRESULT OnDoubleClick(HWND hwnd, UINT msg, UINT forward, WPARAM wParam, LPARAM lParam) {
    if (!GetParent(hwnd))
        return Base(hwnd, msg, wParam, lParam);
    return rz::ForwardDoubleClick(hwnd, msg, forward, wParam, lParam);
}

LRESULT PlateProc(const KindRow &kind, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_CREATE: return OnCreate(hwnd);
    case WM_SETTEXT: return OnSetText(hwnd, wParam, lParam);
    case WM_ENABLE:
    case WM_UPDATEUISTATE: return BaseUnseen(hwnd, msg, wParam, lParam);
    case WM_ERASEBKGND: return 1;  // the paint fills what it repaints
    case WM_PAINT: return OnPaint(hwnd, kind);
    case WM_PRINTCLIENT: return OnPrintClient(hwnd, reinterpret_cast<HDC>(wParam), kind);
    case WM_SYSCOLORCHANGE:
        rz::RefreshSysColorBrushes();
        return BaseUnseen(hwnd, msg, wParam, lParam);
    case WM_SETFONT: return OnSetFont(hwnd, wParam, lParam);
    case WM_GETFONT: return reinterpret_cast<LRESULT>(rz::GetHandleSlot<HFONT>(hwnd, FontSlot()));
    case WM_LBUTTONDBLCLK: return OnDoubleClick(hwnd, msg, kind.leftDoubleClick, wParam, lParam);
    case WM_RBUTTONDBLCLK: return OnDoubleClick(hwnd, msg, kind.rightDoubleClick, wParam, lParam);
    default: return Base(hwnd, msg, wParam, lParam);
    }
}

}  // namespace

extern "C" LRESULT WINAPI PlateCtlWndFn(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    return PlateProc(kPlate, hwnd, msg, wParam, lParam);
}

extern "C" LRESULT WINAPI ClipCtlWndFn(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    return PlateProc(kClip, hwnd, msg, wParam, lParam);
}
