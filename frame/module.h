// Module-wide state of the library and the small services every control
// shares: the platform test, the shared 3D brushes and the parent notification.
#pragma once

#include "frame/slots.h"
#include "rezore32.h"

namespace rz {

constexpr int kBroadcastSlots = 32;

// What the system reported for "Static" or "Button" when the library's
// classes derived from it were registered.
struct BaseClass {
    HINSTANCE instance;
    int extra;  // the base class's own window extra bytes
    WNDPROC proc;
};

// One copy per process, zero until the library is attached.
struct ModuleState {
    HINSTANCE instance;

    HBRUSH faceBrush;
    COLORREF faceColor;
    HBRUSH shadowBrush;
    COLORREF shadowColor;

    // What the system reported for "Static" and "Button" when the classes
    // derived from them were registered.
    BaseClass baseStatic;
    BaseClass baseButton;

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

// Brush to paint a face with now: on Windows 95 the shared face brush,
// replaced first when COLOR_3DFACE has changed; the stock light grey
// elsewhere.  Never deleted by the caller.
HBRUSH FaceBrush();

// Recreates the shared brushes when the system colours (or the fixed greys)
// call for it.
void RefreshSysColorBrushes();

// WM_COMMAND to the control's parent: MAKELONG(id, code), the control's handle.
void NotifyParent(HWND control, WORD code);

// A derived class's own 32-bit slot, `offset` bytes behind its base class's
// extra bytes.
inline LongSlot OwnSlot(const BaseClass &base, int offset) { return LongSlot{base.extra + offset}; }

// Hands a message a derived class does not consume to its base class.
inline LRESULT CallBaseProc(const BaseClass &base, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    return base.proc ? CallWindowProcA(base.proc, hwnd, msg, wParam, lParam) : DefWindowProcA(hwnd, msg, wParam, lParam);
}

// A class derived from a system class: its own procedure and the extra
// bytes it adds behind the base class's.
struct SuperclassRow {
    const char *name;
    WNDPROC proc;
    int ownExtra;
    bool faceBackground;  // the library's face brush, else the base class's own
};

// Registers `rows` as superclasses of the system class `baseName`, built
// from what GetClassInfoA reports for it plus CS_GLOBALCLASS | CS_DBLCLKS,
// with the base's instance handle; saves the base's values in `base`.
// FALSE at the first failure.
BOOL RegisterSuperclasses(const char *baseName, BaseClass &base, const SuperclassRow *rows, int count);
void UnregisterSuperclasses(const BaseClass &base, const SuperclassRow *rows, int count);

// Class registry (classes.cpp).
BOOL RegisterControlClasses(HINSTANCE instance);
void UnregisterControlClasses(HINSTANCE instance);

}  // namespace rz
