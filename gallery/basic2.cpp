// The gallery page of the check button and check mark, every plate frame
// and every clip frame.  The first check mark follows the first check
// button, as an application would show a choice it cannot change here.
#include <windows.h>

#include "basic2.h"
#include "pages.h"
#include "rezore32.h"

namespace {

INT_PTR Answer(HWND dlg, LRESULT result) {
    SetWindowLongPtrA(dlg, DWLP_MSGRESULT, result);
    return TRUE;
}

void OnInit(HWND dlg) {
    SendDlgItemMessageA(dlg, IDC_CHECK_CHECKED, BM_SETCHECK, 1, 0);
    SendDlgItemMessageA(dlg, IDC_MARK_CHECKED, BM_SETCHECK, 1, 0);
    SendDlgItemMessageA(dlg, IDC_MARK_DISABLED, BM_SETCHECK, 1, 0);
    // The disabled look follows WM_ENABLE, not the template's style.
    EnableWindow(GetDlgItem(dlg, IDC_CHECK_DISABLED), FALSE);
    EnableWindow(GetDlgItem(dlg, IDC_MARK_DISABLED), FALSE);
}

INT_PTR CALLBACK Basic2Proc(HWND dlg, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_INITDIALOG:
        OnInit(dlg);
        return TRUE;
    case WM_ERASEBKGND:
        CoverWindow(dlg, reinterpret_cast<HDC>(wParam), 1, TRUE, COVER_NOPATTERN);
        return Answer(dlg, TRUE);
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
        SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
        return reinterpret_cast<INT_PTR>(Get3DFaceBrush());
    case WM_COMMAND:
        if (LOWORD(wParam) == IDC_CHECK_FIRST && HIWORD(wParam) == BN_CLICKED)
            SendDlgItemMessageA(dlg, IDC_MARK_FOLLOWS, BM_SETCHECK,
                                SendMessageA(reinterpret_cast<HWND>(lParam), BM_GETCHECK, 0, 0), 0);
        if (LOWORD(wParam) == IDCANCEL)
            DestroyWindow(dlg);
        return TRUE;
    default:
        return FALSE;
    }
}

}  // namespace

HWND OpenBasic2Page(HWND owner) { return OpenPage(owner, IDD_BASIC2, Basic2Proc); }
