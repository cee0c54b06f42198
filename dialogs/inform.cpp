// The message window: a caption and two centred lines over a parent that
// stays disabled while it is open.  The tool tip: one line in a light
// yellow rounded box with a soft shadow over what lies below it.
#include "dialogs/inform.h"

#include <algorithm>

#include "dialogs/poptext.h"
#include "frame/gdi.h"
#include "frame/module.h"

namespace {

HWND g_informWindow;
// The window it disabled: the parent it was given, which is its owner only
// when that is a top-level window (a child's top-level window owns it).
HWND g_informParent;

// One face brush for every tip alive; made by the first, deleted by the last.
HBRUSH g_tipBrush;
int g_tipCount;

constexpr COLORREF kTipFace = RGB(255, 255, 128);
constexpr UINT kTipTextFormat = DT_CENTER | DT_VCENTER | DT_SINGLELINE;
constexpr UINT kTipResize = SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW;

const char *OrEmpty(const char *text) { return text ? text : ""; }

// ------------------------------------------------------------ message window

LRESULT OnInformCreate(HWND dialog) {
    CenterPopup(dialog, GetParent(dialog));
    return 0;
}

// However the window goes (its owner destroyed, DestroyWindow), the parent
// is not left disabled and the library forgets it.
void OnInformDestroy(HWND dialog) {
    if (g_informWindow != dialog)
        return;
    EnableWindow(g_informParent, TRUE);
    g_informWindow = nullptr;
    g_informParent = nullptr;
}

LRESULT OnInformColour(HDC hdc) {
    SetBkMode(hdc, TRANSPARENT);
    return reinterpret_cast<LRESULT>(rz::FaceBrush());
}

// ------------------------------------------------------------------- tool tip

struct TipMetrics {
    int avg, hgt;  // of the system font
    SIZE extent;   // of the text in it
};

TipMetrics MeasureTip(HDC hdc, const char *text) {
    TipMetrics m = {};
    TEXTMETRICA tm = {};
    {
        rz::Select font(hdc, GetStockObject(SYSTEM_FONT));
        GetTextMetricsA(hdc, &tm);
        GetTextExtentPoint32A(hdc, text, lstrlenA(text), &m.extent);
    }
    m.avg = tm.tmAveCharWidth;
    m.hgt = tm.tmHeight;
    return m;
}

LRESULT OnTipCreate(HWND tip, const CREATESTRUCTA *cs) {
    const rz::PopupText text(static_cast<const char *>(cs->lpCreateParams));
    SetWindowTextA(tip, text.c_str());
    if (!g_tipBrush)
        g_tipBrush = CreateSolidBrush(kTipFace);
    ++g_tipCount;
    rz::WindowDC dc(tip);
    const TipMetrics m = MeasureTip(dc, text.c_str());
    SetWindowPos(tip, nullptr, cs->x, cs->y, m.extent.cx + m.avg + m.avg / 2, m.extent.cy + m.hgt / 4 + m.avg / 2,
                 kTipResize);
    return 0;
}

void OnTipDestroy() {
    if (g_tipCount > 0 && --g_tipCount == 0 && g_tipBrush) {
        DeleteObject(g_tipBrush);
        g_tipBrush = nullptr;
    }
}

// The tip's shadow: what the screen shows below and right of the face,
// darkened by grey inside a rounded shape the size of the face.
void DrawTipShadow(HDC hdc, const RECT &client, int offset, int faceWidth, int faceHeight) {
    // Only the shadow's own box is copied, whatever size the window was given.
    const int w = std::min<int>(client.right - client.left, faceWidth);
    const int h = std::min<int>(client.bottom - client.top, faceHeight);
    if (w <= 0 || h <= 0)
        return;
    rz::MemoryDC mem(hdc);
    rz::Bitmap bitmap(CreateCompatibleBitmap(hdc, w, h));
    if (!mem || !bitmap)
        return;
    rz::Select keepBitmap(mem, bitmap);
    BitBlt(mem, 0, 0, w, h, hdc, client.left + offset, client.top + offset, SRCCOPY);
    {
        rz::Select brush(mem, GetStockObject(GRAY_BRUSH));
        rz::Select pen(mem, GetStockObject(NULL_PEN));
        RoundRect(mem, 0, 0, faceWidth, faceHeight, faceHeight / 2, faceHeight / 2);
    }
    BitBlt(hdc, client.left + offset, client.top + offset, w, h, mem, 0, 0, SRCAND);
}

// The whole tip is painted here: the class has no background brush, so
// what lay below shows through the corners and under the shadow.
LRESULT OnTipErase(HWND tip, HDC hdc) {
    char text[256] = {};
    GetWindowTextA(tip, text, sizeof(text));
    const TipMetrics m = MeasureTip(hdc, text);
    const int faceWidth = m.extent.cx + m.avg, faceHeight = m.extent.cy + m.hgt / 4;
    RECT client;
    GetClientRect(tip, &client);
    DrawTipShadow(hdc, client, m.avg / 2, faceWidth, faceHeight);
    {
        rz::Select brush(hdc, g_tipBrush);
        rz::Select pen(hdc, GetStockObject(BLACK_PEN));
        RoundRect(hdc, client.left, client.top, client.left + faceWidth, client.top + faceHeight, faceHeight / 2,
                  faceHeight / 2);
    }
    rz::Select font(hdc, GetStockObject(SYSTEM_FONT));
    const int mode = SetBkMode(hdc, TRANSPARENT);
    const COLORREF colour = SetTextColor(hdc, RGB(0, 0, 0));
    RECT box = client;
    box.right -= m.avg / 2;
    box.bottom -= m.avg / 2;
    DrawTextA(hdc, text, -1, &box, kTipTextFormat);
    SetTextColor(hdc, colour);
    SetBkMode(hdc, mode);
    return 1;
}

// Painting happens on the erase that BeginPaint asks for; the update region
// is validated in any case, so no WM_PAINT comes back for it.
LRESULT OnTipPaint(HWND tip) {
    rz::PaintDC paint(tip);
    return 1;
}

bool IsTip(HWND hwnd) {
    char name[16] = {};
    return hwnd && IsWindow(hwnd) && GetClassNameA(hwnd, name, sizeof(name)) &&
           lstrcmpA(name, REZORE32_TIPCLASS) == 0;
}

}  // namespace

// ------------------------------------------------------------------- exports

extern "C" HWND WINAPI CreateInformDlg(HWND parent, LPCSTR caption, LPCSTR line1, LPCSTR line2) {
    // One message window at a time: a second one replaces the first rather
    // than leaving it open with its parent disabled and no way to close it.
    DestroyInformDlg();
    HWND dialog = CreateDialogParamA(rz::ModuleInstance(), MAKEINTRESOURCEA(REZORE32_IDD_INFORM), parent, nullptr, 0);
    if (dialog) {
        g_informWindow = dialog;
        g_informParent = parent;
        SetWindowTextA(dialog, OrEmpty(caption));
        SetDlgItemTextA(dialog, REZORE32_IDC_INFORM_LINE1, OrEmpty(line1));
        SetDlgItemTextA(dialog, REZORE32_IDC_INFORM_LINE2, OrEmpty(line2));
        EnableWindow(parent, FALSE);
    }
    return dialog;
}

extern "C" void WINAPI DestroyInformDlg(void) {
    HWND dialog = g_informWindow;
    if (!dialog)
        return;
    // The parent first, so that it can take the activation back.
    EnableWindow(g_informParent, TRUE);
    DestroyWindow(dialog);
    g_informWindow = nullptr;
    g_informParent = nullptr;
}

extern "C" LRESULT WINAPI InformDlgFn(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_CREATE: return OnInformCreate(dialog);
    case WM_DESTROY: OnInformDestroy(dialog); break;
    case WM_ERASEBKGND: CoverWindow(dialog, reinterpret_cast<HDC>(wParam), 1, TRUE, COVER_NOPATTERN); return 1;
    case WM_CTLCOLORSTATIC: return OnInformColour(reinterpret_cast<HDC>(wParam));
    case WM_NCDESTROY: return DefDlgProcA(dialog, msg, wParam, lParam);  // frees the template's font
    default: break;
    }
    return DefWindowProcA(dialog, msg, wParam, lParam);
}

extern "C" HWND WINAPI CreateToolTipWindow(HWND parent, const POINT *at, LPCSTR text, HWND *tip) {
    if (!at || !tip)
        return nullptr;
    // Only a tip of ours is closed; anything else the variable holds is
    // merely forgotten.
    if (IsTip(*tip)) {
        DestroyWindow(*tip);
        ChkMessage();
    }
    *tip = CreateWindowExA(0, REZORE32_TIPCLASS, REZORE32_TIPCLASS, WS_POPUP | WS_VISIBLE, at->x, at->y, 1, 1, parent,
                           nullptr, rz::ModuleInstance(), const_cast<char *>(OrEmpty(text)));
    return SetActiveWindow(parent);
}

extern "C" void WINAPI DestroyToolTipWindow(HWND *tip) {
    if (!tip || !*tip)
        return;
    if (IsTip(*tip))
        DestroyWindow(*tip);
    *tip = nullptr;
}

extern "C" LRESULT WINAPI TipWndFn(HWND tip, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_CREATE: return OnTipCreate(tip, reinterpret_cast<const CREATESTRUCTA *>(lParam));
    case WM_DESTROY: OnTipDestroy(); return 0;
    case WM_CLOSE: DestroyWindow(tip); return 0;
    case WM_ERASEBKGND: return OnTipErase(tip, reinterpret_cast<HDC>(wParam));
    case WM_PAINT: return OnTipPaint(tip);
    default: break;
    }
    return DefWindowProcA(tip, msg, wParam, lParam);
}

extern "C" int WINAPI ChkMessage(void) {
    MSG msg;
    bool quit = false;
    WPARAM exitCode = 0;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            quit = true;
            exitCode = msg.wParam;
            continue;
        }
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    // Taken only to let the queue empty: the caller's own loop still ends.
    if (quit)
        PostQuitMessage(static_cast<int>(exitCode));
    return 0;
}
