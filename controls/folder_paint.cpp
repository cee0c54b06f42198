// Painting of the tabbed folder: a bevelled page frame with rounded black
// corners, chamfered tabs whose selected one opens into the page, and the
// arrow box of an overflowing strip.  Only the tabs are filled; the page
// and the rest of the strip keep what erasing left there.
#include <initializer_list>

#include "controls/folder.h"
#include "frame/gdi.h"
#include "frame/window.h"

namespace {

using namespace rz::folder;

constexpr COLORREF kBlack = RGB(0, 0, 0);

// MoveToEx to the first point, LineTo the others: the last point is left out.
void Polyline(HDC hdc, std::initializer_list<POINT> points) {
    const POINT *p = points.begin();
    MoveToEx(hdc, p->x, p->y, nullptr);
    for (++p; p != points.end(); ++p)
        LineTo(hdc, p->x, p->y);
}

// Goes on from the current position.
void LineOn(HDC hdc, std::initializer_list<POINT> points) {
    for (const POINT &p : points)
        LineTo(hdc, p.x, p.y);
}

void Fill(HDC hdc, int left, int top, int right, int bottom) {
    const RECT r = {left, top, right, bottom};
    FillRect(hdc, &r, rz::FaceBrush());
}

// Two raised rings inside the body and its rounded black outline.
void DrawBody(HDC hdc, const RECT &body, HPEN highlight, HPEN shadow) {
    const int L = body.left, T = body.top, R = body.right, B = body.bottom;
    for (int i = 1; i <= 2; ++i) {
        SelectObject(hdc, highlight);
        Polyline(hdc, {{R - i - 1, T + i}, {L + i, T + i}, {L + i, B - i}});
        SelectObject(hdc, shadow);
        Polyline(hdc, {{L + i + 1, B - i - 1}, {R - i - 1, B - i - 1}, {R - i - 1, T + i - 1}});
    }
    DrawRoundRect(hdc, &body, 4, 4);
}

// The face and outline of one tab; `r` is its rectangle inflated by -1.
void DrawFolderTab(HWND hwnd, HDC hdc, const RECT &r, bool selected, HPEN highlight, HPEN shadow) {
    const bool bottom = rz::HasStyle(hwnd, FOLDERS_BOTTOM);
    int L = r.left;
    const int T = r.top, R = r.right, B = r.bottom;
    const int faceLeft = selected ? L : L + 1;
    if (bottom)
        Fill(hdc, faceLeft, T + 1, R + 1, B);
    else
        Fill(hdc, faceLeft, T - 1, R + 1, B);
    if (L <= 0)
        L += 1;  // the first tab's outline stays inside the window

    rz::Select keepPen(hdc, GetStockObject(BLACK_PEN));
    if (!selected) {
        const int c = (B - T) / 5;
        if (bottom)
            Polyline(hdc, {{L, T}, {L, B - c - 2}, {L + c, B - 2}, {R - c, B - 2}, {R, B - c - 2}, {R, T}});
        else
            Polyline(hdc, {{L, B}, {L, c + 2}, {L + c, T + 2}, {R - c, T + 2}, {R, c + 2}, {R, B}});
        return;
    }
    const int c = (B - T - 1) / 5;
    if (bottom) {
        Polyline(hdc, {{L, T}, {L, B - c - 1}, {L + c, B - 1}, {R - c, B - 1}, {R, B - c - 1}, {R, T}});
        Fill(hdc, L + 1, T - 2, R - 1, T + 1);  // opens the body's lower edge under the tab
        for (int k = 0; k < 2; ++k) {
            SelectObject(hdc, highlight);
            Polyline(hdc, {{L + k + 1, T - 2}, {L + k + 1, B - c - 1}, {L + c, B - k - 2}});
            SelectObject(hdc, shadow);
            LineOn(hdc, {{R - c, B - k - 2}, {R - k - 1, B - c - 1}, {R - k - 1, T - 2}});
        }
    } else {
        Polyline(hdc, {{L, B}, {L, c}, {L + c, T}, {R - c, T}, {R, c}, {R, B}});
        Fill(hdc, L + 1, B, R - 1, B + 3);  // opens the body's upper edge under the tab
        for (int k = 0; k < 2; ++k) {
            SelectObject(hdc, highlight);
            Polyline(hdc, {{L + k + 1, B + 2}, {L + k + 1, c}, {L + c, T + k + 1}, {R - c, T + k + 1}});
            SelectObject(hdc, shadow);
            LineOn(hdc, {{R - k - 1, c}, {R - k - 1, B + 2}});
        }
    }
}

// One arrow triangle in the enabled (black) or disabled (shadow) look.
void DrawArrow(HDC hdc, std::initializer_list<POINT> outline, POINT seed, bool enabled, HPEN shadow) {
    HBRUSH disabled = rz::IsWindows95() ? Get3DShadowBrush() : static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH));
    rz::Select pen(hdc, enabled ? GetStockObject(BLACK_PEN) : static_cast<HGDIOBJ>(shadow));
    rz::Select brush(hdc, enabled ? GetStockObject(BLACK_BRUSH) : static_cast<HGDIOBJ>(disabled));
    Polyline(hdc, outline);
    FloodFill(hdc, seed.x, seed.y, enabled ? kBlack : GetSysColor(COLOR_BTNSHADOW));
}

void DrawFolderArrows(HWND hwnd, HDC hdc, const RECT &box, HPEN highlight, HPEN shadow) {
    const LONG count = Get(hwnd, kCount), first = Get(hwnd, kFirstShown), last = Get(hwnd, kLastShown);
    const int d = rz::HasStyle(hwnd, FOLDERS_BOTTOM) ? 1 : 0;
    DrawRect(hdc, &box);
    RECT r = box;
    InflateRect(&r, -1, -1);
    const int mid = r.left + (r.right - r.left) / 2;

    rz::Select keepPen(hdc, GetStockObject(BLACK_PEN));
    Polyline(hdc, {{mid, r.top}, {mid, r.bottom}});

    SelectObject(hdc, highlight);
    Polyline(hdc, {{mid - 1, r.top}, {r.left, r.top}, {r.left, r.bottom - d}});
    SelectObject(hdc, shadow);
    LineOn(hdc, {{mid - 1, r.bottom - d}, {mid - 1, r.top}});
    DrawArrow(hdc, {{r.left + 10, r.top + 3}, {r.left + 3, r.top + 7}, {r.left + 10, r.top + 11}, {r.left + 10, r.top + 3}},
              {r.left + 4, r.top + 7}, first != 0, shadow);

    SelectObject(hdc, highlight);
    Polyline(hdc, {{r.right - 1, r.top}, {mid + 1, r.top}, {mid + 1, r.bottom - d}});
    SelectObject(hdc, shadow);
    LineOn(hdc, {{r.right - 1, r.bottom - d}, {r.right - 1, r.top}});
    DrawArrow(hdc,
              {{r.right - 12, r.top + 3}, {r.right - 5, r.top + 7}, {r.right - 12, r.top + 11}, {r.right - 12, r.top + 3}},
              {r.right - 6, r.top + 7}, last != count - 1, shadow);
}

constexpr UINT kTitleFormat = DT_CENTER | DT_VCENTER | DT_SINGLELINE;

// Centred on the tab's title, two pixels towards the page's far side.
void DrawTitleFocus(HDC hdc, const char *title, int length, const RECT &t, bool bottom) {
    RECT calc = t;
    InflateRect(&calc, -1, -1);
    DrawTextA(hdc, title, length, &calc, DT_CALCRECT | kTitleFormat);
    const int tw = calc.right - calc.left, th = calc.bottom - calc.top;
    const short x = static_cast<short>(t.left + (t.right - t.left) / 2 - tw / 2);
    const short y = static_cast<short>(t.top + (t.bottom - t.top) / 2 - th / 2 + (bottom ? -2 : 2));
    const RECT focus = {x, y, x + tw, y + th};
    DrawFocusRect(hdc, &focus);
}

void DrawTab(HWND hwnd, HDC hdc, const Measured &m, int index, HPEN highlight, HPEN shadow) {
    const RECT &t = m.placement.tabs[index - m.placement.first];
    const char *title = m.titles.At(index);
    const int length = m.titles.Length(index);
    const bool bottom = m.frame.bottom;
    RECT r = t;
    InflateRect(&r, -1, -1);
    if (index != Get(hwnd, kSelected)) {
        DrawFolderTab(hwnd, hdc, r, false, highlight, shadow);
        RECT text = t;
        OffsetRect(&text, 0, bottom ? -1 : 3);
        DrawTextA(hdc, title, length, &text, kTitleFormat);
        return;
    }
    DrawFolderTab(hwnd, hdc, r, true, highlight, shadow);
    if (!bottom)
        OffsetRect(&r, 0, 2);
    DrawTextA(hdc, title, length, &r, kTitleFormat);
    OffsetRect(&r, 1, 0);  // struck twice: a bold look in any font
    DrawTextA(hdc, title, length, &r, kTitleFormat);
    if (Get(hwnd, kFlags) & kFocused)
        DrawTitleFocus(hdc, title, length, t, bottom);
}

}  // namespace

namespace rz {
namespace folder {

void Paint(HWND hwnd, HDC hdc) {
    SetBkMode(hdc, TRANSPARENT);
    rz::Pen highlight(rz::MakeSolidPen(GetSysColor(COLOR_BTNHIGHLIGHT)));
    rz::Pen shadow(rz::MakeSolidPen(GetSysColor(COLOR_BTNSHADOW)));
    rz::Select keepPen(hdc, highlight);
    const HFONT font = UsableFont(hwnd);
    rz::Select keepFont(hdc, font);
    const int h = TabHeight(hdc, font);
    Set(hwnd, kTabHeight, h);

    Measured m;
    Measure(hwnd, hdc, h, Use::Paint, m);
    DrawBody(hdc, m.frame.Body(), highlight, shadow);
    SetTextColor(hdc, kBlack);
    for (int i = 0; i < m.placement.placed; ++i)
        DrawTab(hwnd, hdc, m, m.placement.first + i, highlight, shadow);
    Set(hwnd, kLastShown, m.placement.lastShown);
    if (m.placement.overflow)
        DrawFolderArrows(hwnd, hdc, m.frame.ArrowBox(), highlight, shadow);
}

}  // namespace folder
}  // namespace rz
