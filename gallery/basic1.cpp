// Gallery page of the text, meter and indicator controls: every text style,
// meters and indicators that a timer moves, and fixed ones.
#include <windows.h>

#include "basic1.h"
#include "pages.h"
#include "rezore32.h"

namespace {

constexpr UINT_PTR kTimer = 1;
constexpr DWORD kMovingRange = 400;

HBRUSH g_parentBrush;  // the background the parent-coloured text asks for

HBRUSH FaceBrush() {
    return GetOSPlatform() == VER_PLATFORM_WIN32_WINDOWS ? Get3DFaceBrush()
                                                         : static_cast<HBRUSH>(GetStockObject(LTGRAY_BRUSH));
}

INT_PTR Answer(HWND dlg, LRESULT result) {
    SetWindowLongPtrA(dlg, DWLP_MSGRESULT, result);
    return TRUE;
}

void Init(HWND dlg) {
    g_parentBrush = CreateSolidBrush(RGB(0, 0, 128));
    SendDlgItemMessageA(dlg, IDC_METER_MOVING, METER_SETRANGE, kMovingRange, 0);
    // A large file's progress in bytes: half of 100,000,000.
    SendDlgItemMessageA(dlg, IDC_METER_LARGE, METER_SETBARCOLOR, 0, RGB(0, 128, 0));
    SendDlgItemMessageA(dlg, IDC_METER_LARGE, METER_SETTEXTCOLOR, 0, RGB(255, 255, 0));
    SendDlgItemMessageA(dlg, IDC_METER_LARGE, METER_SETRANGE, 100000000, 0);
    SendDlgItemMessageA(dlg, IDC_METER_LARGE, METER_SETPOS, 50000000, 0);
    SendDlgItemMessageA(dlg, IDC_IND_MOVING, IND_SETRANGE, kMovingRange, 0);
    SendDlgItemMessageA(dlg, IDC_IND_CENTRED, IND_SETPOS, 70, 0);
    SendDlgItemMessageA(dlg, IDC_IND_FIXED, IND_SETCOLOR, 0, RGB(255, 0, 0));
    SendDlgItemMessageA(dlg, IDC_IND_FIXED, IND_SETCELLWIDTH, 3, 0);
    SendDlgItemMessageA(dlg, IDC_IND_FIXED, IND_SETPOS, 35, 0);
    SetTimer(dlg, kTimer, 60, nullptr);
}

void Step(HWND dlg) {
    const DWORD next = (static_cast<DWORD>(SendDlgItemMessageA(dlg, IDC_METER_MOVING, METER_GETPOS, 0, 0)) + 3) %
                       (kMovingRange + 1);
    SendDlgItemMessageA(dlg, IDC_METER_MOVING, METER_SETPOS, next, 0);
    SendDlgItemMessageA(dlg, IDC_IND_MOVING, IND_SETPOS, next, 0);
}

INT_PTR CALLBACK Basic1Proc(HWND dlg, UINT msg, WPARAM wParam, LPARAM) {
    switch (msg) {
    case WM_INITDIALOG: Init(dlg); return TRUE;
    case WM_TIMER: Step(dlg); return TRUE;
    case TEXT_CTLCOLOR: {
        HDC dc = reinterpret_cast<HDC>(wParam);
        SetBkColor(dc, RGB(255, 255, 0));  // the lettering
        SetTextColor(dc, RGB(0, 0, 0));    // its shadow
        return Answer(dlg, reinterpret_cast<LRESULT>(g_parentBrush));
    }
    case WM_ERASEBKGND:
        CoverWindow(dlg, reinterpret_cast<HDC>(wParam), 1, TRUE, COVER_NOPATTERN);
        return Answer(dlg, TRUE);
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
        SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
        return reinterpret_cast<INT_PTR>(FaceBrush());
    case WM_COMMAND:
        if (LOWORD(wParam) == IDCANCEL)
            DestroyWindow(dlg);
        return TRUE;
    case WM_DESTROY:
        KillTimer(dlg, kTimer);
        DeleteObject(g_parentBrush);
        g_parentBrush = nullptr;
        return TRUE;
    default:
        return FALSE;
    }
}

}  // namespace

HWND OpenBasic1Page(HWND owner) { return OpenPage(owner, IDD_BASIC1, Basic1Proc); }
