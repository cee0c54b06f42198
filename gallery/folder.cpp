// The folder page of the gallery.  Each control on a folder's page carries
// its folder and tab in its identifier (0x1000 | folder << 8 | tab << 4 | n),
// so one rule shows the selected tab's controls and hides the others.
#include "folder.h"
#include "pages.h"

#include "gallery.h"
#include "rezore32.h"

namespace {

const int kFolders[] = {IDC_FOLDER_TOP, IDC_FOLDER_BOTTOM, IDC_FOLDER_MANY};

struct ShowPage {
    int folder;
    LONG selected;
};

BOOL CALLBACK ShowIfOnPage(HWND child, LPARAM lParam) {
    const ShowPage &page = *reinterpret_cast<const ShowPage *>(lParam);
    const int id = GetDlgCtrlID(child);
    if ((id & 0xF000) == IDC_PAGE_BASE && ((id >> 8) & 0xF) == page.folder)
        ShowWindow(child, ((id >> 4) & 0xF) == page.selected ? SW_SHOWNA : SW_HIDE);
    return TRUE;
}

void ShowSelectedPage(HWND dlg, int folder) {
    const ShowPage page = {folder, static_cast<LONG>(SendDlgItemMessageA(dlg, kFolders[folder], FOLDER_GETSEL, 0, 0))};
    EnumChildWindows(dlg, ShowIfOnPage, reinterpret_cast<LPARAM>(&page));
}

INT_PTR CALLBACK FolderPageProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM) {
    switch (msg) {
    case WM_INITDIALOG:
        SendDlgItemMessageA(dlg, IDC_FOLDER_BOTTOM, FOLDER_SETSEL, 1, 0);
        SendDlgItemMessageA(dlg, IDC_FOLDER_MANY, FOLDER_SETSEL, 2, 0);
        for (int i = 0; i < 3; ++i)
            ShowSelectedPage(dlg, i);
        return TRUE;
    case WM_ERASEBKGND:
        CoverWindow(dlg, reinterpret_cast<HDC>(wParam), 1, TRUE, COVER_NOPATTERN);
        SetWindowLongPtrA(dlg, DWLP_MSGRESULT, TRUE);
        return TRUE;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
        // Texts and buttons lie transparently on the covered background.
        SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
        return reinterpret_cast<INT_PTR>(GetStockObject(NULL_BRUSH));
    case WM_COMMAND:
        for (int i = 0; i < 3; ++i)
            if (LOWORD(wParam) == kFolders[i] && HIWORD(wParam) == FOLDERN_SELCHANGE)
                ShowSelectedPage(dlg, i);
        if (LOWORD(wParam) == IDCANCEL)
            DestroyWindow(dlg);
        return TRUE;
    default:
        return FALSE;
    }
}

}  // namespace

HWND OpenFolderPage(HWND owner) { return OpenPage(owner, IDD_FOLDERS, FolderPageProc); }
