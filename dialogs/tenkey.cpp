// The ten-key pad: fourteen buttons over a parent window, each pressed one
// sent to the parent as TENKEY_KEYPRESS with its character code.
#include "dialogs/tenkey.h"

#include "frame/module.h"

namespace {

HWND g_tenKeyWindow;

LRESULT OnCreate(HWND pad) {
    CenterPopup(pad, GetParent(pad));
    return 0;
}

// However the pad goes (TenKeyPad, its system menu, its owner destroyed),
// the next TenKeyPad opens a new one.
void OnDestroy(HWND pad) {
    if (g_tenKeyWindow == pad)
        g_tenKeyWindow = nullptr;
}

LRESULT OnCommand(HWND pad, WPARAM wParam) {
    const int id = LOWORD(wParam);
    if (rz::tenkey::IsKeyCode(id))
        SendMessageA(GetParent(pad), TENKEY_KEYPRESS, id, 0);
    return 0;
}

LRESULT OnButtonColour(HDC hdc) {
    SetBkColor(hdc, GetSysColor(COLOR_BTNFACE));
    return reinterpret_cast<LRESULT>(rz::FaceBrush());
}

}  // namespace

extern "C" void WINAPI TenKeyPad(HWND parent) {
    if (g_tenKeyWindow) {
        DestroyWindow(g_tenKeyWindow);
        g_tenKeyWindow = nullptr;
        return;
    }
    g_tenKeyWindow =
        CreateDialogParamA(rz::ModuleInstance(), MAKEINTRESOURCEA(REZORE32_IDD_TENKEY), parent, nullptr, 0);
    if (g_tenKeyWindow)
        ShowWindow(g_tenKeyWindow, SW_SHOW);
}

extern "C" LRESULT WINAPI TenKeyDlgFn(HWND pad, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_CREATE: return OnCreate(pad);
    case WM_DESTROY: OnDestroy(pad); return 0;
    case WM_CLOSE: DestroyWindow(pad); return 0;
    case WM_COMMAND: return OnCommand(pad, wParam);
    case WM_CTLCOLORBTN: return OnButtonColour(reinterpret_cast<HDC>(wParam));
    case WM_NCDESTROY: return DefDlgProcA(pad, msg, wParam, lParam);  // frees the template's font
    default: break;
    }
    return DefWindowProcA(pad, msg, wParam, lParam);
}
