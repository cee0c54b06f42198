// The pop-up viewer: a text in a white framed box with a shadow around the
// mouse cursor, closed by the next key release or, after a short grace, the
// next button release or loss of activation.  While it is open it holds the
// mouse capture and a keyboard hook that swallows every key.
#include "dialogs/popview.h"

#include "dialogs/poptext.h"
#include "frame/gdi.h"
#include "frame/module.h"

namespace {

using namespace rz::popview;

HWND g_popViewWindow;
HHOOK g_popViewHook;

constexpr DWORD kPatAnd = 0xA000C9;  // destination AND pattern

// The text block's size in the fixed system font, lines broken only at the
// text's own line breaks.
SIZE MeasureText(HWND parent, const char *text, int *avg) {
    rz::WindowDC dc(parent);
    rz::Select font(dc, GetStockObject(SYSTEM_FIXED_FONT));
    TEXTMETRICA tm = {};
    GetTextMetricsA(dc, &tm);
    *avg = tm.tmAveCharWidth;
    const int mode = SetBkMode(dc, TRANSPARENT);
    RECT rc = {0, 0, 1, 1};
    DrawTextA(dc, text, -1, &rc, DT_CALCRECT);
    SetBkMode(dc, mode);
    return SIZE{rc.right - rc.left, rc.bottom - rc.top};
}

LRESULT OnCreate(HWND viewer, const CREATESTRUCTA *cs) {
    g_popViewWindow = viewer;
    SetWindowTextA(viewer, static_cast<const char *>(cs->lpCreateParams));
    g_popViewHook = SetWindowsHookExA(WH_KEYBOARD, KBFilter, rz::ModuleInstance(), 0);
    SetSlot(viewer, kCloseAfter, static_cast<LONG>(GetTickCount() + kGrace));
    SetCapture(viewer);
    return 0;
}

// However the viewer goes (WM_CLOSE, DestroyWindow, its owner destroyed),
// its hook goes with it: a hook left behind would swallow every key of the
// desktop.
void OnDestroy(HWND viewer) {
    if (g_popViewWindow == viewer) {
        if (g_popViewHook)
            UnhookWindowsHookEx(g_popViewHook);
        g_popViewHook = nullptr;
        g_popViewWindow = nullptr;
    }
    if (GetCapture() == viewer)
        ReleaseCapture();
}

void CloseCheck(HWND viewer) {
    if (GraceOver(GetTickCount(), static_cast<DWORD>(GetSlot(viewer, kCloseAfter))))
        PostMessageA(viewer, WM_CLOSE, 0, 0);
}

// Shadow, box and text over what the screen showed: the background is
// never erased.
LRESULT OnPaint(HWND viewer) {
    char text[256] = {};
    GetWindowTextA(viewer, text, sizeof(text));
    rz::PaintDC dc(viewer);
    RECT client;
    GetClientRect(viewer, &client);
    const int w = client.right, h = client.bottom;
    rz::Select font(dc, GetStockObject(SYSTEM_FIXED_FONT));
    TEXTMETRICA tm = {};
    GetTextMetricsA(dc, &tm);
    const int avg = tm.tmAveCharWidth;
    const int mode = SetBkMode(dc, TRANSPARENT);
    {
        rz::Select brush(dc, GetStockObject(GRAY_BRUSH));
        PatBlt(dc, avg, avg, w - avg, h - avg, kPatAnd);
    }
    {
        rz::Pen frame(rz::MakeSolidPen(RGB(0, 0, 0), 2));
        rz::Select pen(dc, frame);
        Rectangle(dc, 1, 1, w - avg, h - avg);
    }
    RECT box = {avg, avg, w - 2 * avg, h - 2 * avg};
    DrawTextA(dc, text, -1, &box, 0);
    SetBkMode(dc, mode);
    return 0;
}

}  // namespace

extern "C" HWND WINAPI PopView(HWND parent, LPCSTR text) {
    // One viewer at a time: the open one is closed, and with it its hook
    // and capture, before the next one takes them.
    if (g_popViewWindow)
        DestroyWindow(g_popViewWindow);
    const rz::PopupText shown(text);
    POINT cursor = {};
    GetCursorPos(&cursor);
    int avg = 0;
    const SIZE block = MeasureText(parent, shown.c_str(), &avg);
    const SIZE screen = {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    const RECT r = Place(cursor, block, avg, screen);
    return CreateWindowExA(0, REZORE32_POPVIEWCLASS, REZORE32_POPVIEWCLASS, WS_POPUP | WS_VISIBLE, r.left, r.top,
                           r.right - r.left, r.bottom - r.top, parent, nullptr, rz::ModuleInstance(),
                           const_cast<char *>(shown.c_str()));
}

extern "C" LRESULT WINAPI PopViewWndFn(HWND viewer, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_CREATE: return OnCreate(viewer, reinterpret_cast<const CREATESTRUCTA *>(lParam));
    case WM_PAINT: return OnPaint(viewer);
    case WM_ERASEBKGND: return 0;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP: CloseCheck(viewer); return 0;
    case WM_ACTIVATE:
        if (LOWORD(wParam) == WA_INACTIVE)
            CloseCheck(viewer);
        return 0;
    case WM_CLOSE: DestroyWindow(viewer); return 0;
    case WM_DESTROY: OnDestroy(viewer); return 0;
    default: break;
    }
    return DefWindowProcA(viewer, msg, wParam, lParam);
}

extern "C" LRESULT WINAPI KBFilter(int code, WPARAM wParam, LPARAM lParam) {
    if (code < 0 || code == HC_NOREMOVE)
        return CallNextHookEx(g_popViewHook, code, wParam, lParam);
    const bool mouseButton = wParam == VK_LBUTTON || wParam == VK_RBUTTON || wParam == VK_MBUTTON;
    const bool released = (static_cast<DWORD>(lParam) & 0x80000000u) != 0;
    if (!mouseButton && released && g_popViewWindow)
        PostMessageA(g_popViewWindow, WM_CLOSE, 0, 0);
    return 1;
}
