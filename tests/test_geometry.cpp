// Rectangle arithmetic, coordinate conversion and CenterPopup.
#include <gtest/gtest.h>

#include "tests/support.h"

namespace {

std::string Str(const RECT &r) {
    char b[64];
    wsprintfA(b, "(%d,%d,%d,%d)", r.left, r.top, r.right, r.bottom);
    return b;
}

struct AndCase {
    RECT a, b;
    BOOL result;
    RECT overlap;  // when result is 1
};

TEST(AndRect, Overlaps) {
    const AndCase cases[] = {
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
    for (const AndCase &t : cases) {
        SCOPED_TRACE(Str(t.a) + " & " + Str(t.b));
        RECT dest = {-7, -7, -7, -7};
        EXPECT_EQ(AndRect(&dest, &t.a, &t.b), t.result);
        EXPECT_EQ(Str(dest), t.result ? Str(t.overlap) : Str({-7, -7, -7, -7}));
    }
}

TEST(AndRect, NullPointersFail) {
    RECT r = {0, 0, 5, 5}, d = {};
    EXPECT_FALSE(AndRect(nullptr, &r, &r));
    EXPECT_FALSE(AndRect(&d, nullptr, &r));
    EXPECT_FALSE(AndRect(&d, &r, nullptr));
}

TEST(RectConversion, ScreenToClientAndBackInPlace) {
    HWND w = CreateWindowExA(0, "Static", "", WS_POPUP, 120, 80, 50, 50, nullptr, nullptr, nullptr, nullptr);
    RECT r = {130, 90, 150, 100};
    ClntRc2ScrnRc(w, &r, &r);  // converts screen -> client, despite its name
    EXPECT_EQ(Str(r), Str({10, 10, 30, 20}));
    RECT back = {};
    ScrnRc2ClntRc(w, &r, &back);
    EXPECT_EQ(Str(back), Str({130, 90, 150, 100}));
    ScrnRc2ClntRc(w, nullptr, &back);
    ClntRc2ScrnRc(w, &r, nullptr);
    DestroyWindow(w);
}

// Places a popup of size pw x ph over an owner and reads where it went.
class CenterPopupTest : public testing::Test {
protected:
    RECT Place(RECT owner, int pw, int ph, bool useOwner = true) {
        owner_ = CreateWindowExA(0, "Static", "", WS_POPUP, owner.left, owner.top, owner.right - owner.left,
                                 owner.bottom - owner.top, nullptr, nullptr, nullptr, nullptr);
        popup_ = CreateWindowExA(0, "Static", "", WS_POPUP, 3, 3, pw, ph, nullptr, nullptr, nullptr, nullptr);
        EXPECT_TRUE(CenterPopup(popup_, useOwner ? owner_ : nullptr));
        RECT r = {};
        GetWindowRect(popup_, &r);
        return r;
    }
    void TearDown() override {
        DestroyWindow(popup_);
        DestroyWindow(owner_);
    }
    HWND owner_ = nullptr, popup_ = nullptr;
    const int sw_ = GetSystemMetrics(SM_CXSCREEN), sh_ = GetSystemMetrics(SM_CYSCREEN);
};

TEST_F(CenterPopupTest, HalvesAreTruncatedSeparately) {
    // 100 / 2 - 51 / 2 = 50 - 25; 60 / 2 - 21 / 2 = 30 - 10.
    EXPECT_EQ(Str(Place({200, 100, 300, 160}, 51, 21)), Str({225, 120, 276, 141}));
}

TEST_F(CenterPopupTest, LargerThanTheOwner) {
    EXPECT_EQ(Str(Place({300, 300, 340, 320}, 100, 80)), Str({270, 270, 370, 350}));
}

TEST_F(CenterPopupTest, NullOwnerMeansTheDesktop) {
    RECT r = Place({0, 0, 10, 10}, 200, 100, false);
    EXPECT_EQ(Str(r), Str({sw_ / 2 - 100, sh_ / 2 - 50, sw_ / 2 + 100, sh_ / 2 + 50}));
}

TEST_F(CenterPopupTest, KeptOnTheScreen) {
    EXPECT_EQ(Str(Place({-300, -200, -100, -100}, 100, 50)), Str({0, 0, 100, 50}));
    TearDown();
    RECT r = Place({sw_ - 50, sh_ - 20, sw_ + 50, sh_ + 20}, 120, 60);
    EXPECT_EQ(Str(r), Str({sw_ - 120, sh_ - 60, sw_, sh_}));
}

TEST_F(CenterPopupTest, WiderThanTheScreenEndsAtTheRightEdge) {
    // Centred x is positive, so the right-edge rule moves it to sw - w < 0.
    RECT r = Place({sw_ - 100, 100, sw_, 200}, sw_ + 40, 50);
    EXPECT_EQ(r.left, -40);
    EXPECT_EQ(r.right, sw_);
}

TEST_F(CenterPopupTest, SizeAndZOrderKept) {
    RECT r = Place({100, 100, 400, 300}, 77, 33);
    EXPECT_EQ(r.right - r.left, 77);
    EXPECT_EQ(r.bottom - r.top, 33);
}

TEST(CenterPopup, NotAWindowFails) {
    EXPECT_FALSE(CenterPopup(nullptr, nullptr));
    EXPECT_FALSE(CenterPopup(reinterpret_cast<HWND>(static_cast<INT_PTR>(0x1234560)), nullptr));
}

}  // namespace
