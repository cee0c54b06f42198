#include "frame/module.h"

namespace rz {

ModuleState g_module;

namespace {

constexpr COLORREF kFixedFace = RGB(192, 192, 192);
constexpr COLORREF kFixedShadow = RGB(128, 128, 128);

void ReplaceBrush(HBRUSH &brush, COLORREF &stored, COLORREF colour) {
    if (brush)
        DeleteObject(brush);
    stored = colour;
    brush = CreateSolidBrush(colour);
}

}  // namespace

HBRUSH FaceClassBrush() {
    return IsWindows95() ? reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_3DFACE + 1))
                         : static_cast<HBRUSH>(GetStockObject(LTGRAY_BRUSH));
}

COLORREF FaceColour() { return IsWindows95() ? GetSysColor(COLOR_3DFACE) : kFixedFace; }

namespace {

// Windows 95: replaces the shared face brush when COLOR_3DFACE has changed.
void FollowSystemFace() {
    ModuleState &m = g_module;
    COLORREF face = GetSysColor(COLOR_3DFACE);
    if (face != m.faceColor || !m.faceBrush)
        ReplaceBrush(m.faceBrush, m.faceColor, face);
}

}  // namespace

HBRUSH FaceBrush() {
    if (!IsWindows95())
        return static_cast<HBRUSH>(GetStockObject(LTGRAY_BRUSH));
    FollowSystemFace();
    return g_module.faceBrush;
}

void RefreshSysColorBrushes() {
    ModuleState &m = g_module;
    if (!IsWindows95()) {
        // Fixed greys, recreated every time whatever the colour scheme.
        ReplaceBrush(m.faceBrush, m.faceColor, kFixedFace);
        ReplaceBrush(m.shadowBrush, m.shadowColor, kFixedShadow);
        return;
    }
    FollowSystemFace();
    COLORREF shadow = GetSysColor(COLOR_3DSHADOW);
    if (shadow != m.shadowColor || !m.shadowBrush)
        ReplaceBrush(m.shadowBrush, m.shadowColor, shadow);
}

void NotifyParent(HWND control, WORD code) {
    WORD id = LOWORD(GetWindowLongA(control, GWL_ID));
    SendMessageA(GetParent(control), WM_COMMAND, MAKEWPARAM(id, code),
                 reinterpret_cast<LPARAM>(control));
}

}  // namespace rz

using rz::g_module;

extern "C" {

int WINAPI GetOSPlatform(void) {
    OSVERSIONINFOA info = {};
    info.dwOSVersionInfoSize = sizeof(info);
    if (!GetVersionExA(&info))
        return -1;
    return static_cast<int>(info.dwPlatformId);
}

HBRUSH WINAPI Get3DFaceBrush(void) {
    if (!g_module.faceBrush)
        rz::RefreshSysColorBrushes();
    return g_module.faceBrush;
}

HBRUSH WINAPI Get3DShadowBrush(void) {
    if (!g_module.shadowBrush)
        rz::RefreshSysColorBrushes();
    return g_module.shadowBrush;
}

BOOL WINAPI IsScrollBar(HWND hwnd, DWORD mask) {
    DWORD style = static_cast<DWORD>(GetWindowLongA(hwnd, GWL_STYLE));
    return (HIWORD(style) & HIWORD(mask)) ? TRUE : FALSE;
}

}  // extern "C"
