// The message window, the tool tip and the message pump they share.
#include <gtest/gtest.h>
#include <string>
#include "tests/dialog_driver.h"

namespace {

using rzt::Pump;
using rzt::WindowText;

class Inform : public testing::Test {
protected:
    void TearDown() override { DestroyInformDlg(), Pump(); }
    rzt::RecordingParent parent_{80, 60, 400, 300};
};

// Centred on its parent or the screen, its texts, the face brush for its statics, the parent disabled until
// DestroyInformDlg, which with nothing open does nothing, not even to the parent.
TEST_F(Inform, OpensCentredWithItsTextsAndDisablesTheParentUntilDestroyed) {
    const std::string big(10000, 'x');
    // 確認, 保存中, お待ち
    const char *kanji[] = {"\x8A\x6D\x94\x46", "\x95\xDB\x91\xB6\x92\x86", "\x82\xA8\x91\xD2\x82\xBF"};
    const struct { bool parent; const char *caption, *line1, *line2; std::string shown[3]; } cases[] = {
        {true, kanji[0], kanji[1], kanji[2], {kanji[0], kanji[1], kanji[2]}},
        {true, nullptr, nullptr, nullptr, {"", "", ""}},
        {true, big.c_str(), big.c_str(), "", {big, big, ""}},
        {false, "t", "1", "2", {"t", "1", "2"}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.shown[0].substr(0, 8));
        HWND dialog = CreateInformDlg(c.parent ? parent_.hwnd() : nullptr, c.caption, c.line1, c.line2);
        ASSERT_NE(dialog, nullptr);
        Pump(20);
        EXPECT_TRUE(FindWindowA(REZORE32_INFORMCLASS, nullptr) == dialog && IsWindowVisible(dialog));
        EXPECT_TRUE(rzt::CentredOn(dialog, c.parent ? parent_.hwnd() : GetDesktopWindow()));
        EXPECT_EQ(WindowText(dialog), c.shown[0]);
        EXPECT_EQ(rzt::ItemText(dialog, REZORE32_IDC_INFORM_LINE1), c.shown[1]);
        EXPECT_EQ(rzt::ItemText(dialog, REZORE32_IDC_INFORM_LINE2), c.shown[2]);
        EXPECT_EQ(IsWindowEnabled(parent_), !c.parent);
        rzt::Canvas canvas(4, 4, RGB(1, 2, 3));
        EXPECT_EQ(SendMessageA(dialog, WM_CTLCOLORSTATIC, (WPARAM)canvas.dc(), 0),
                  LRESULT(rzt::Win95Mode() ? Get3DFaceBrush() : GetStockObject(LTGRAY_BRUSH)));
        EXPECT_EQ(GetBkMode(canvas.dc()), TRANSPARENT);
        DestroyInformDlg();
        EXPECT_FALSE(IsWindow(dialog));
        EXPECT_TRUE(IsWindowEnabled(parent_));
    }
    EnableWindow(parent_, FALSE);
    DestroyInformDlg();
    EXPECT_FALSE(IsWindowEnabled(parent_));
    EnableWindow(parent_, TRUE);
}

// However the window goes or is replaced, no parent stays disabled; a child parent is disabled and enabled.
TEST_F(Inform, NoParentLeftDisabled) {
    rzt::RecordingParent other(500, 60, 200, 200);
    HWND first = CreateInformDlg(parent_, "1", "", "");
    HWND second = CreateInformDlg(other, "2", "", "");
    EXPECT_FALSE(IsWindow(first)) << "a second one replaces the first";
    EXPECT_TRUE(IsWindowEnabled(parent_));
    EXPECT_FALSE(IsWindowEnabled(other));
    DestroyWindow(second);  // behind the library's back
    EXPECT_TRUE(IsWindowEnabled(other));
    HWND child = rzt::CreateChild(parent_, "Static", 0, 10, 10, 50, 20);
    HWND dialog = CreateInformDlg(child, "x", "", "");
    EXPECT_EQ(GetWindow(dialog, GW_OWNER), parent_.hwnd()) << "owned by the child's top-level window";
    EXPECT_FALSE(IsWindowEnabled(child));
    DestroyInformDlg();
    EXPECT_TRUE(IsWindowEnabled(child) && IsWindowEnabled(parent_));
}

class Tip : public testing::Test {
protected:
    void SetUp() override {
        SetForegroundWindow(parent_);
        Pump(50);
    }
    void TearDown() override { DestroyToolTipWindow(&tip_), Pump(); }
    // The extent of a text in the system font; the font's average width and height into avg_ and hgt_.
    SIZE Extent(const std::string &text) {
        HDC dc = GetDC(nullptr);
        HGDIOBJ old = SelectObject(dc, GetStockObject(SYSTEM_FONT));
        TEXTMETRICA tm = {};
        GetTextMetricsA(dc, &tm);
        avg_ = tm.tmAveCharWidth, hgt_ = tm.tmHeight;
        SIZE size = {};
        GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &size);
        SelectObject(dc, old);
        ReleaseDC(nullptr, dc);
        return size;
    }
    HWND Open(const char *text, POINT at = {100, 120}, HWND *tip = nullptr) {
        CreateToolTipWindow(parent_, &at, text, tip ? tip : &tip_);
        Pump(50);
        return tip ? *tip : tip_;
    }
    rzt::RecordingParent parent_{40, 40, 400, 300};
    HWND tip_ = nullptr;
    int avg_ = 0, hgt_ = 0;
};

// cx + 1.5 avg by cy + hgt/4 + avg/2 pixels for the text it can show, its corner at the point, never active.
TEST_F(Tip, SizeFollowsTheSystemFontAndTheCornerIsThePoint) {
    const std::string big(10000, 'w'), cut(255, 'w');
    const struct { const char *text; std::string measured; } cases[] = {
        {"A", "A"}, {"Hello, tip", "Hello, tip"}, {"\x95\xDB\x91\xB6", "\x95\xDB\x91\xB6"}, {nullptr, ""},
        {big.c_str(), cut}};  // only what it can show
    for (const auto &c : cases) {
        SCOPED_TRACE(c.measured.substr(0, 12));
        const HWND tip = Open(c.text, {90, 110});
        const SIZE extent = Extent(c.measured);
        RECT r = {}, expected = {90, 110, 90 + extent.cx + avg_ + avg_ / 2, 110 + extent.cy + hgt_ / 4 + avg_ / 2};
        GetWindowRect(tip, &r);
        EXPECT_TRUE(EqualRect(&r, &expected)) << r.left << "," << r.top << " " << r.right << "," << r.bottom;
        EXPECT_EQ(WindowText(tip), c.measured);
        EXPECT_NE(GetActiveWindow(), tip);
    }
}

// A new tip in the variable replaces the old one after the queue has emptied; bad variables and points fail;
// a window of another class in the variable is forgotten, never destroyed.
TEST_F(Tip, TheVariable) {
    int tipsAtDispatch = -1;  // of a message posted while the old tip stood
    parent_.onCommand = [&](const rzt::Sent &) { tipsAtDispatch = FindWindowA(REZORE32_TIPCLASS, nullptr) ? 1 : 0; };
    const HWND old = Open("old");
    PostMessageA(parent_, WM_COMMAND, 1, 0);
    const HWND fresh = Open("new");
    EXPECT_FALSE(IsWindow(old));
    EXPECT_TRUE(fresh && tip_ == fresh);
    EXPECT_EQ(tipsAtDispatch, 0) << "dispatched after the old tip went, before the new one came";
    DestroyToolTipWindow(&tip_);
    POINT at = {10, 10};
    EXPECT_EQ(CreateToolTipWindow(parent_, nullptr, "x", &tip_), nullptr);
    EXPECT_EQ(CreateToolTipWindow(parent_, &at, "x", nullptr), nullptr);
    EXPECT_TRUE(tip_ == nullptr && FindWindowA(REZORE32_TIPCLASS, nullptr) == nullptr);
    DestroyToolTipWindow(nullptr);
    DestroyToolTipWindow(&tip_);  // holds nothing
    rzt::RecordingParent stranger(400, 400, 50, 50);
    tip_ = stranger;
    DestroyToolTipWindow(&tip_);
    EXPECT_TRUE(IsWindow(stranger) && tip_ == nullptr);
    tip_ = stranger;
    CreateToolTipWindow(parent_, &at, "x", &tip_);
    EXPECT_TRUE(IsWindow(stranger) && tip_ != stranger.hwnd());
    DestroyWindow(tip_);  // a tip destroyed behind the variable's back
    CreateToolTipWindow(parent_, &at, "y", &tip_);
    EXPECT_TRUE(IsWindow(tip_));
}

// Face, outline and a shadow that darkens what lay below, the corners untouched, nothing left invalid; two
// tips share one brush until the last goes, a new tip makes it afresh.
TEST_F(Tip, PaintsFaceOutlineAndShadowOverWhatLayBelow) {
    const SIZE extent = Extent("Tip text");
    const HWND tip = Open("Tip text");
    const int faceW = extent.cx + avg_, faceH = extent.cy + hgt_ / 4, off = avg_ / 2;
    const COLORREF below = RGB(200, 100, 255), darkened = RGB(128, 0, 128), face = RGB(255, 255, 128);
    RECT r;
    GetClientRect(tip, &r);
    rzt::Canvas canvas(r.right, r.bottom, RGB(1, 2, 3));
    rzt::Snapshot(tip, canvas);
    EXPECT_EQ(canvas.At(faceW / 2, faceH / 2), face) << "painted when shown";
    canvas.Fill(below);
    SendMessageA(tip, WM_ERASEBKGND, (WPARAM)canvas.dc(), 0);
    const struct { int x, y; COLORREF colour; } pixels[] = {
        {faceW / 2, faceH / 2, face}, {3, faceH / 2, face},                              // face
        {faceW / 2, 0, RGB(0, 0, 0)}, {0, faceH / 2, RGB(0, 0, 0)},                      // outline
        {faceW + off / 2, faceH / 2, darkened}, {faceW / 2, faceH + off / 2, darkened},  // shadow
        {r.right - 1, 0, below}, {0, r.bottom - 1, below},                               // corners
    };
    for (const auto &p : pixels)
        EXPECT_EQ(canvas.At(p.x, p.y), p.colour) << p.x << "," << p.y;
    InvalidateRect(tip, nullptr, FALSE);
    UpdateWindow(tip);
    EXPECT_FALSE(GetUpdateRect(tip, nullptr, FALSE)) << "WM_PAINT leaves nothing invalid";
    const auto faceOf = [&](HWND t) {
        canvas.Fill(below);
        SendMessageA(t, WM_ERASEBKGND, (WPARAM)canvas.dc(), 0);
        return canvas.At(faceW / 2, faceH / 2);
    };
    HWND second = nullptr;
    Open("Tip text", {300, 300}, &second);
    DestroyToolTipWindow(&tip_);
    EXPECT_EQ(faceOf(second), face) << "the survivor";
    DestroyToolTipWindow(&second);
    EXPECT_EQ(faceOf(Open("Tip text")), face) << "made afresh";
}

// Every pending message dispatched; a WM_QUIT is posted again, once, for the caller's own loop.
TEST(ChkMessage, DispatchesEverythingAndKeepsTheQuitForTheCaller) {
    rzt::RecordingParent parent;
    for (WPARAM i = 1; i <= 3; ++i)
        PostMessageA(parent, WM_COMMAND, i, 0);
    PostQuitMessage(7);
    EXPECT_EQ(ChkMessage(), 0);
    EXPECT_EQ(parent.Commands().size(), 3u);
    MSG msg;
    EXPECT_TRUE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE) && msg.message == WM_QUIT && msg.wParam == 7);
    EXPECT_FALSE(PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) << "posted once";
}

}  // namespace
