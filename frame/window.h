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

}  // namespace rz
