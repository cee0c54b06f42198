// Tabbed folder: a superclass of "Button" that makes itself a group box, so
// clicks reach the controls an application lays over its page.  It watches
// the hit test while the primary button is down to notice presses on its
// own tabs and arrows; the titles are the window text, split at '|'.
#include "controls/folder.h"

#include <windowsx.h>

#include "frame/gdi.h"
#include "frame/window.h"

namespace rz {
namespace folder {

int TabHeight(HDC hdc, HFONT font) {
    if (!font)
        return TabHeightFromBaseUnits(GetDialogBaseUnits());
    SIZE size = {};
    GetTextExtentPoint32A(hdc, "X", 1, &size);
    return TabHeightFromFont(size.cy);
}

void Measure(HWND hwnd, HDC hdc, int tabHeight, Use use, Measured &m) {
    char text[kMaxTextBytes + 1];
    const int length = GetWindowTextA(hwnd, text, sizeof(text));
    text[length < 0 ? 0 : length] = '\0';
    SplitTitles(text, m.titles);

    int widths[kMaxTitles];
    for (int i = 0; i < m.titles.count; ++i) {
        SIZE size = {};
        GetTextExtentPoint32A(hdc, m.titles.At(i), m.titles.Length(i), &size);
        widths[i] = size.cx;
    }
    GetTextMetricsA(hdc, &m.metrics);
    RECT client = {};
    GetClientRect(hwnd, &client);
    m.frame = Frame{client.right, client.bottom, tabHeight, HasStyle(hwnd, FOLDERS_BOTTOM)};
    m.placement = PlaceTabs(m.frame, widths, m.titles.count, Get(hwnd, kFirstShown), m.metrics.tmAveCharWidth, use);
}

}  // namespace folder
}  // namespace rz

namespace {

using namespace rz::folder;

// Measures the current titles for a hit test through the window's own DC.
void MeasureForHitTest(HWND hwnd, Measured &m) {
    rz::WindowDC dc(hwnd);
    const HFONT font = UsableFont(hwnd);
    rz::Select keepFont(dc, font);
    Measure(hwnd, dc, TabHeight(dc, font), Use::HitTest, m);
}

void SetFlag(HWND hwnd, LONG flag, bool on) {
    const LONG flags = Get(hwnd, kFlags);
    Set(hwnd, kFlags, on ? (flags | flag) : (flags & ~flag));
}

void RedrawNow(HWND hwnd, const RECT *area, BOOL erase) {
    InvalidateRect(hwnd, area, erase);
    UpdateWindow(hwnd);
}

// A user's choice: stored, shown at once, then told to the parent.
void SelectByUser(HWND hwnd, LONG index) {
    if (index == Get(hwnd, kSelected))
        return;
    Set(hwnd, kSelected, index);
    RedrawNow(hwnd, nullptr, FALSE);
    rz::NotifyParent(hwnd, FOLDERN_SELCHANGE);
}

void ScrollBy(HWND hwnd, const Measured &m, Arrow arrow) {
    const Placement &p = m.placement;
    Set(hwnd, kFirstShown, Scroll(p.first, p.lastShown, m.titles.count, arrow));
    const RECT area = m.frame.StripArea();
    RedrawNow(hwnd, &area, TRUE);
}

// A press on the folder in client coordinates.  The arrow box is drawn over
// the strip's right end, so while it is shown it takes the press before a
// tab that runs on beneath it.
void PressAt(HWND hwnd, POINT pt, const Measured &m) {
    const Arrow arrow = m.placement.overflow ? HitArrow(m.frame, pt) : Arrow::None;
    if (arrow != Arrow::None) {
        ScrollBy(hwnd, m, arrow);
        return;
    }
    const int tab = m.placement.HitTab(pt);
    if (tab >= 0)
        SelectByUser(hwnd, tab);
}

LRESULT OnCreate(HWND hwnd) {
    // Whatever button type the template gave, the folder is a group box:
    // the Button class then lets clicks through to the page's controls.
    SetWindowLongA(hwnd, GWL_STYLE, (rz::StyleOf(hwnd) & ~BS_TYPEMASK) | BS_GROUPBOX);
    char text[kMaxTextBytes + 1];
    const int length = GetWindowTextA(hwnd, text, sizeof(text));
    text[length < 0 ? 0 : length] = '\0';
    Set(hwnd, kSelected, 0);
    Set(hwnd, kCount, CountTitles(text));
    Set(hwnd, kFlags, 0);
    return 0;
}

LRESULT OnSetText(HWND hwnd, WPARAM wParam, LPARAM lParam) {
    Set(hwnd, kSelected, 0);
    Set(hwnd, kCount, CountTitles(reinterpret_cast<const char *>(lParam)));
    InvalidateRect(hwnd, nullptr, TRUE);
    return rz::CallBaseProc(rz::g_module.baseButton, hwnd, WM_SETTEXT, wParam, lParam);
}

LRESULT OnFocusChange(HWND hwnd, bool focused) {
    SetFlag(hwnd, kFocused, focused);
    RedrawNow(hwnd, nullptr, FALSE);
    return 0;
}

LRESULT OnPaint(HWND hwnd) {
    rz::PaintDC dc(hwnd);
    Paint(hwnd, dc);
    return 0;
}

LRESULT OnSetFont(HWND hwnd, WPARAM font, LPARAM redraw) {
    RECT area = {};
    if (redraw) {
        rz::WindowDC dc(hwnd);
        const HGDIOBJ given = reinterpret_cast<HGDIOBJ>(font);
        rz::Select keepFont(dc, given && GetObjectType(given) == OBJ_FONT ? given : nullptr);
        SIZE size = {};
        GetTextExtentPoint32A(dc, "X", 1, &size);
        int h = TabHeightFromFont(size.cy);
        const LONG painted = Get(hwnd, kTabHeight);
        if (painted > h)
            h = painted;
        RECT client = {};
        GetClientRect(hwnd, &client);
        area = Frame{client.right, client.bottom, h, rz::HasStyle(hwnd, FOLDERS_BOTTOM)}.StripArea();
    }
    rz::SetHandleSlot(hwnd, Own(kFont), reinterpret_cast<HFONT>(font));
    if (redraw)
        RedrawNow(hwnd, &area, TRUE);
    return 0;
}

// The Button class answers HTTRANSPARENT for a group box, so the press goes
// on to the window beneath; the folder only looks at where it happened.
LRESULT OnNcHitTest(HWND hwnd, WPARAM wParam, LPARAM lParam) {
    const LRESULT answer = rz::CallBaseProc(rz::g_module.baseButton, hwnd, WM_NCHITTEST, wParam, lParam);
    const int primary = GetSystemMetrics(SM_SWAPBUTTON) ? VK_RBUTTON : VK_LBUTTON;
    if (!(GetAsyncKeyState(primary) & 0x8000)) {
        SetFlag(hwnd, kPressHandled, false);
        return answer;
    }
    if (Get(hwnd, kFlags) & kPressHandled)
        return answer;
    // Marked first: the parent told of a change may cause further hit tests.
    SetFlag(hwnd, kPressHandled, true);
    POINT pt = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    ScreenToClient(hwnd, &pt);
    Measured m;
    MeasureForHitTest(hwnd, m);
    PressAt(hwnd, pt, m);
    return answer;
}

// Reached only when the hit test did not pass the press on.
LRESULT OnLButtonDown(HWND hwnd, WPARAM wParam, LPARAM lParam) {
    POINT pt = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    Measured m;
    MeasureForHitTest(hwnd, m);
    const bool onArrow = m.placement.overflow && HitArrow(m.frame, pt) != Arrow::None;
    const int tab = m.placement.HitTab(pt);
    if (tab >= 0 && !onArrow && tab != Get(hwnd, kSelected))
        SetFlag(hwnd, kPressHandled, false);
    if (tab >= 0 || m.placement.overflow) {
        PressAt(hwnd, pt, m);
        return 0;
    }
    HWND parent = GetParent(hwnd);
    if (parent) {
        ClientToScreen(hwnd, &pt);
        ScreenToClient(parent, &pt);
        SendMessageA(parent, WM_LBUTTONDOWN, wParam, MAKELPARAM(pt.x, pt.y));
    }
    return 0;
}

bool KeyDown(int key) { return (GetAsyncKeyState(key) & 0x8000) != 0; }

void Step(HWND hwnd, bool forward) {
    const LONG selected = Get(hwnd, kSelected);
    if (forward && selected < Get(hwnd, kCount) - 1)
        SelectByUser(hwnd, selected + 1);
    else if (!forward && selected > 0)
        SelectByUser(hwnd, selected - 1);
}

LRESULT OnKeyDown(HWND hwnd, WPARAM key) {
    const bool shift = KeyDown(VK_SHIFT);
    switch (key) {
    case VK_TAB:
        if (KeyDown(VK_CONTROL)) {
            Step(hwnd, !shift);
        } else if (HWND next = GetNextDlgTabItem(GetParent(hwnd), hwnd, shift)) {
            SetFocus(next);
        }
        break;
    case VK_RIGHT: Step(hwnd, true); break;
    case VK_LEFT: Step(hwnd, false); break;
    default: break;
    }
    return 0;
}

LRESULT OnSetSel(HWND hwnd, WPARAM index) {
    Set(hwnd, kSelected, static_cast<LONG>(index));
    RedrawNow(hwnd, nullptr, FALSE);
    return 0;
}

}  // namespace

extern "C" LRESULT WINAPI FolderCtlWndFn(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_CREATE: return OnCreate(hwnd);
    case WM_SETTEXT: return OnSetText(hwnd, wParam, lParam);
    case WM_SETFOCUS: return OnFocusChange(hwnd, true);
    case WM_KILLFOCUS: return OnFocusChange(hwnd, false);
    case WM_PAINT: return OnPaint(hwnd);
    case WM_ENABLE: rz::Repaint(hwnd); return 0;  // the Button class would paint a group box
    case WM_SYSCOLORCHANGE:
        rz::RefreshSysColorBrushes();
        break;
    case WM_SETFONT: return OnSetFont(hwnd, wParam, lParam);
    case WM_GETFONT: return reinterpret_cast<LRESULT>(FontOf(hwnd));
    case WM_NCHITTEST: return OnNcHitTest(hwnd, wParam, lParam);
    case WM_GETDLGCODE: return DLGC_WANTARROWS | DLGC_WANTTAB;
    case WM_KEYDOWN: return OnKeyDown(hwnd, wParam);
    case WM_LBUTTONDOWN: return OnLButtonDown(hwnd, wParam, lParam);
    case WM_LBUTTONDBLCLK: return 0;
    case FOLDER_SETSEL: return OnSetSel(hwnd, wParam);
    case FOLDER_GETSEL: return Get(hwnd, kSelected);
    default: break;
    }
    return rz::CallBaseProc(rz::g_module.baseButton, hwnd, msg, wParam, lParam);
}
