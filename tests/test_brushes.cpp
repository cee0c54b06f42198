// Platform test, shared brushes, IsScrollBar and the parent notification.
#include <gtest/gtest.h>

#include "tests/support.h"

namespace {

COLORREF BrushColour(HBRUSH brush) {
    LOGBRUSH lb = {};
    EXPECT_EQ(GetObjectA(brush, sizeof(lb), &lb), static_cast<int>(sizeof(lb)));
    EXPECT_EQ(lb.lbStyle, static_cast<UINT>(BS_SOLID));
    return lb.lbColor;
}

// The platform is asked each time and the brushes' colours follow it.
// WM_SYSCOLORCHANGE to any control refreshes them: Windows 95 keeps them
// while the colours are unchanged, other platforms always replace them.
// A control without a parent notifies nobody, harmlessly.
TEST(Brushes, ColoursFollowThePlatformAndRefresh) {
    OSVERSIONINFOA info = {};
    info.dwOSVersionInfoSize = sizeof(info);
    ASSERT_TRUE(GetVersionExA(&info));
    EXPECT_EQ(GetOSPlatform(), static_cast<int>(info.dwPlatformId));
    const COLORREF face = rzt::FaceColour();
    const COLORREF shade = rzt::Win95Mode() ? GetSysColor(COLOR_3DSHADOW) : RGB(128, 128, 128);
    EXPECT_EQ(BrushColour(Get3DFaceBrush()), face);
    EXPECT_EQ(BrushColour(Get3DShadowBrush()), shade);
    HWND spin = CreateWindowExA(0, REZORE32_SPINCLASS, "", WS_POPUP, 0, 0, 20, 20, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(spin, nullptr);
    HBRUSH faceBrush = Get3DFaceBrush(), shadow = Get3DShadowBrush();
    SendMessageA(spin, WM_SYSCOLORCHANGE, 0, 0);
    if (rzt::Win95Mode()) {
        EXPECT_EQ(Get3DFaceBrush(), faceBrush);
        EXPECT_EQ(Get3DShadowBrush(), shadow);
    } else {
        // The old handles are deleted (or their slot reused by the new brush).
        EXPECT_TRUE(GetObjectType(faceBrush) == 0 || Get3DFaceBrush() == faceBrush);
        EXPECT_TRUE(GetObjectType(shadow) == 0 || Get3DShadowBrush() == shadow);
    }
    EXPECT_EQ(BrushColour(Get3DFaceBrush()), face);
    EXPECT_EQ(BrushColour(Get3DShadowBrush()), shade);
    EXPECT_EQ(SendMessageA(spin, SPIN_SETPOS, 5, SPINN_UP), 0);
    EXPECT_EQ(SendMessageA(spin, SPIN_GETPOS, 0, 0), 5);
    DestroyWindow(spin);
}

TEST(Brushes, IsScrollBarLooksAtTheHighWordOnly) {
    HWND v = CreateWindowExA(0, "Static", "", WS_POPUP | WS_VSCROLL | SS_CENTER, 0, 0, 50, 50, nullptr, nullptr,
                             nullptr, nullptr);
    EXPECT_EQ(IsScrollBar(v, WS_VSCROLL), TRUE);
    EXPECT_EQ(IsScrollBar(v, WS_HSCROLL), FALSE);
    EXPECT_EQ(IsScrollBar(v, WS_VSCROLL | WS_HSCROLL), TRUE);
    EXPECT_EQ(IsScrollBar(v, SS_CENTER), FALSE);  // low-word bits never count
    EXPECT_EQ(IsScrollBar(nullptr, WS_VSCROLL), FALSE);
    DestroyWindow(v);
}

}  // namespace
