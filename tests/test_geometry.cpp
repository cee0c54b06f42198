// Rectangle arithmetic, coordinate conversion and CenterPopup.
#include <gtest/gtest.h>

#include "tests/support.h"

namespace {

std::string Str(const RECT &r) {
    char b[64];
    wsprintfA(b, "(%d,%d,%d,%d)", r.left, r.top, r.right, r.bottom);
    return b;
}

// The overlap when a corner of one lies inside the other; dest untouched otherwise.
TEST(AndRect, Overlaps) {
    const struct {
        RECT a, b;
        BOOL result;
        RECT overlap;
    } cases[] = {
        {{0, 0, 10, 10}, {0, 0, 10, 10}, TRUE, {0, 0, 10, 10}},           // equal
        {{0, 0, 10, 10}, {10, 0, 20, 10}, TRUE, {10, 0, 10, 10}},         // touching along an edge
        {{0, 0, 100, 100}, {20, 30, 40, 50}, TRUE, {20, 30, 40, 50}},     // one inside the other
        {{20, 30, 40, 50}, {0, 0, 100, 100}, TRUE, {20, 30, 40, 50}},     // the other way round
        {{0, 0, 10, 10}, {5, 5, 15, 15}, TRUE, {5, 5, 10, 10}},           // corners crossing
        {{5, -5, 15, 5}, {0, 0, 10, 10}, TRUE, {5, 0, 10, 5}},            // one corner of the second inside the first
        {{0, 10, 100, 20}, {40, 0, 60, 100}, FALSE, {}},                  // a cross: no corner inside
        {{0, 0, 10, 10}, {11, 11, 20, 20}, FALSE, {}},                    // apart
        {{0, 0, 10, 10}, {-10, 10, 0, 20}, FALSE, {}},                    // corners only touch outside
    };
    for (const auto &t : cases) {
        RECT dest = {-7, -7, -7, -7};
        EXPECT_EQ(AndRect(&dest, &t.a, &t.b), t.result) << Str(t.a) << " & " << Str(t.b);
        EXPECT_EQ(Str(dest), t.result ? Str(t.overlap) : Str({-7, -7, -7, -7})) << Str(t.a) << " & " << Str(t.b);
    }
    RECT d = {};
    EXPECT_FALSE(AndRect(nullptr, &d, &d) || AndRect(&d, nullptr, &d) || AndRect(&d, &d, nullptr));
}

TEST(RectConversion, ScreenToClientAndBackInPlace) {
    HWND w = CreateWindowExA(0, "Static", "", WS_POPUP, 120, 80, 50, 50, nullptr, nullptr, nullptr, nullptr);
    RECT r = {130, 90, 150, 100};
    ClntRc2ScrnRc(w, &r, &r);  // converts screen -> client, despite its name
    EXPECT_EQ(Str(r), Str({10, 10, 30, 20}));
    ScrnRc2ClntRc(w, &r, &r);
    EXPECT_EQ(Str(r), Str({130, 90, 150, 100}));
    ScrnRc2ClntRc(w, nullptr, &r);
    ClntRc2ScrnRc(w, &r, nullptr);
    DestroyWindow(w);
}

// Where CenterPopup puts a popup of the given size over an owner (none:
// the desktop); its size is kept, each half truncated on its own.
TEST(CenterPopup, Placement) {
    const int sw = GetSystemMetrics(SM_CXSCREEN), sh = GetSystemMetrics(SM_CYSCREEN);
    const struct {
        const char *what;
        RECT owner;
        SIZE popup;
        RECT placed;
    } cases[] = {
        {"halves truncated separately", {200, 100, 300, 160}, {51, 21}, {225, 120, 276, 141}},
        {"larger than the owner", {300, 300, 340, 320}, {100, 80}, {270, 270, 370, 350}},
        {"no owner: the desktop", {}, {200, 100}, {sw / 2 - 100, sh / 2 - 50, sw / 2 + 100, sh / 2 + 50}},
        {"on the screen, top left", {-300, -200, -100, -100}, {100, 50}, {0, 0, 100, 50}},
        {"on the screen, bottom right", {sw - 50, sh - 20, sw + 50, sh + 20}, {120, 60}, {sw - 120, sh - 60, sw, sh}},
        // Centred x is positive, so the right-edge rule moves it to sw - w < 0.
        {"wider than the screen: right edge", {sw - 100, 100, sw, 200}, {sw + 40, 50}, {-40, 125, sw, 175}},
    };
    for (const auto &k : cases) {
        HWND owner = CreateWindowExA(0, "Static", "", WS_POPUP, k.owner.left, k.owner.top, k.owner.right - k.owner.left,
                                     k.owner.bottom - k.owner.top, nullptr, nullptr, nullptr, nullptr);
        HWND popup = CreateWindowExA(0, "Static", "", WS_POPUP, 3, 3, k.popup.cx, k.popup.cy, nullptr, nullptr,
                                     nullptr, nullptr);
        EXPECT_TRUE(CenterPopup(popup, k.owner.right ? owner : nullptr)) << k.what;
        RECT r = {};
        GetWindowRect(popup, &r);
        EXPECT_EQ(Str(r), Str(k.placed)) << k.what;
        DestroyWindow(popup);
        DestroyWindow(owner);
    }
    EXPECT_FALSE(CenterPopup(nullptr, nullptr) ||
                 CenterPopup(reinterpret_cast<HWND>(static_cast<INT_PTR>(0x1234560)), nullptr)) << "not a window";
}

}  // namespace
