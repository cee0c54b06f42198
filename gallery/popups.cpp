// The gallery's pop-up page: each button opens one of the library's
// pop-ups over the page; the ten-key pad types into the page.
#include "popups.h"
#include "pages.h"

#include "popups_ids.h"
#include "rezore32.h"

namespace {

constexpr UINT_PTR kInformTimer = 1;  // the message window has no close box
constexpr UINT kInformShown = 2000;   // ms

HWND g_tip;

std::string Str(UINT id) {
    char text[256] = {};
    LoadStringA(GetModuleHandleA(nullptr), id, text, sizeof(text));
    return text;
}

void OpenInform(HWND page) {
    CreateInformDlg(page, Str(IDS_INFORM_CAPTION).c_str(), Str(IDS_INFORM_LINE1).c_str(),
                    Str(IDS_INFORM_LINE2).c_str());
    SetTimer(page, kInformTimer, kInformShown, nullptr);
}

// The tip toggles, below the button that opened it.
void ToggleTip(HWND page) {
    if (g_tip) {
        DestroyToolTipWindow(&g_tip);
        return;
    }
    RECT button;
    GetWindowRect(GetDlgItem(page, IDC_POPUP_TIP), &button);
    const POINT at = {button.left + 8, button.bottom + 4};
    CreateToolTipWindow(page, &at, Str(IDS_TIP_TEXT).c_str(), &g_tip);
}

// What the pad types: digits, comma and point; C clears; the arrow erases.
void Type(HWND page, WPARAM code) {
    char text[64] = {};
    GetDlgItemTextA(page, IDC_POPUP_KEYS, text, sizeof(text));
    size_t n = strlen(text);
    if (code == TENKEY_CLEAR)
        n = 0;
    else if (code == TENKEY_BACKSPACE)
        n = n ? n - 1 : 0;
    else if (n + 1 < sizeof(text))
        text[n++] = static_cast<char>(code);
    text[n] = '\0';
    SetDlgItemTextA(page, IDC_POPUP_KEYS, text);
}

void OnCommand(HWND page, int id) {
    switch (id) {
    case IDC_POPUP_INFORM: OpenInform(page); break;
    case IDC_POPUP_TIP: ToggleTip(page); break;
    case IDC_POPUP_VIEW: PopView(page, Str(IDS_VIEW_TEXT).c_str()); break;
    case IDC_POPUP_TENKEY: TenKeyPad(page); break;
    case IDCANCEL: DestroyWindow(page); break;
    default: break;
    }
}

INT_PTR CALLBACK PageProc(HWND page, UINT msg, WPARAM wParam, LPARAM) {
    switch (msg) {
    case WM_INITDIALOG: CenterPopup(page, GetParent(page)); return TRUE;
    case WM_COMMAND: OnCommand(page, LOWORD(wParam)); return TRUE;
    case TENKEY_KEYPRESS: Type(page, wParam); return TRUE;
    case WM_TIMER:
        KillTimer(page, kInformTimer);
        DestroyInformDlg();
        return TRUE;
    case WM_DESTROY: DestroyToolTipWindow(&g_tip); return TRUE;
    default: return FALSE;
    }
}

bool Shoot(HWND popup, const std::string &path, const char *name) {
    Pump(300);
    return popup && Screenshot(popup, ShotName(path, (std::string("-") + name).c_str()));
}

}  // namespace

HWND OpenPopupPage(HWND gallery) {
    HWND page = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_POPUPS), gallery, PageProc, 0);
    ShowWindow(page, SW_SHOW);
    return page;
}

bool ShootPopups(HWND gallery, const std::string &path) {
    HWND page = OpenPopupPage(gallery);
    if (!page)
        return false;
    Pump(300);
    bool ok = Screenshot(page, ShotName(path, "-popups"));

    OnCommand(page, IDC_POPUP_INFORM);
    ok = Shoot(FindWindowA(REZORE32_INFORMCLASS, nullptr), path, "inform") && ok;
    DestroyInformDlg();

    OnCommand(page, IDC_POPUP_TIP);
    ok = Shoot(g_tip, path, "tip") && ok;
    DestroyToolTipWindow(&g_tip);

    RECT r;
    GetWindowRect(page, &r);
    SetCursorPos((r.left + r.right) / 2, r.bottom + 40);
    HWND viewer = PopView(page, Str(IDS_VIEW_TEXT).c_str());
    ok = Shoot(viewer, path, "popview") && ok;
    DestroyWindow(viewer);

    TenKeyPad(page);
    for (WPARAM key : {'1', '2', '.', '5'})
        SendMessageA(page, TENKEY_KEYPRESS, key, 0);
    ok = Shoot(FindWindowA(REZORE32_TENKEYCLASS, nullptr), path, "tenkey") && ok;
    TenKeyPad(page);

    DestroyWindow(page);
    return ok;
}
