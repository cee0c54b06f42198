// Small window helpers the controls share.
#pragma once

#include <windows.h>

namespace rz {

// Controls read their style bits afresh on every message.
inline LONG StyleOf(HWND hwnd) { return GetWindowLongA(hwnd, GWL_STYLE); }
inline bool HasStyle(HWND hwnd, LONG bit) { return (StyleOf(hwnd) & bit) != 0; }

// Redraws the whole client area, background included, before returning.
inline void Repaint(HWND hwnd) {
    InvalidateRect(hwnd, nullptr, TRUE);
    UpdateWindow(hwnd);
}

// A control's double click told to its parent as the control's own message
// `forward`, with the click's wParam and lParam; the parent's answer is the
// result.  Without a parent the click goes to DefWindowProcA.
inline LRESULT ForwardDoubleClick(HWND hwnd, UINT msg, UINT forward, WPARAM wParam, LPARAM lParam) {
    HWND parent = GetParent(hwnd);
    if (!parent)
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    return SendMessageA(parent, forward, wParam, lParam);
}

}  // namespace rz
