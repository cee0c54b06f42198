// Module-wide state of the library and the small services every control
// shares: the platform test, the shared 3D brushes and the parent notification.
#pragma once

#include "rezore32.h"

namespace rz {

constexpr int kBroadcastSlots = 32;

// One copy per process, zero until the library is attached.
struct ModuleState {
    HINSTANCE instance;

    HBRUSH faceBrush;
    COLORREF faceColor;
    HBRUSH shadowBrush;
    COLORREF shadowColor;

    // What the system reported for "Static" and "Button" when the classes
    // derived from them were registered.
    HINSTANCE baseStaticInstance;
    int baseStaticExtra;
    WNDPROC baseStaticProc;
    HINSTANCE baseButtonInstance;
    int baseButtonExtra;
    WNDPROC baseButtonProc;

    // Windows that receive broadcast messages, with their group numbers.
    HWND broadcastWindows[kBroadcastSlots];
    WORD broadcastGroups[kBroadcastSlots];
    short broadcastCount;
};

extern ModuleState g_module;

inline HINSTANCE ModuleInstance() { return g_module.instance; }

// The one platform test of the library: Windows 95 paints its faces in the
// system colours, every other platform (and a failed query) in fixed greys.
inline bool IsWindows95() { return GetOSPlatform() == VER_PLATFORM_WIN32_WINDOWS; }

// Class background of the library's "face" classes: the system colour brush
// on Windows 95, the stock light grey elsewhere.
HBRUSH FaceClassBrush();

// Colour of the library's faces, read afresh: the system face on Windows 95,
// the fixed light grey elsewhere.
COLORREF FaceColour();

// Windows 95: replaces the shared face brush when COLOR_3DFACE has changed.
void FollowSystemFace();

// Recreates the shared brushes when the system colours (or the fixed greys)
// call for it.
void RefreshSysColorBrushes();

// WM_COMMAND to the control's parent: MAKELONG(id, code), the control's handle.
void NotifyParent(HWND control, WORD code);

// Class registry (classes.cpp).
BOOL RegisterControlClasses(HINSTANCE instance);
void UnregisterControlClasses(HINSTANCE instance);

}  // namespace rz
