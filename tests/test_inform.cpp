// The message window, the tool tip and the message pump they share.
#include <gtest/gtest.h>
#include "tests/dialog_driver.h"

namespace {

using rzt::Pump;

// A parent for the message window and the tips, each closed after the test.
class Tip : public testing::Test {
protected:
    void TearDown() override { DestroyInformDlg(), DestroyToolTipWindow(&tip_), Pump(); }
    // The extent of a text in the system font; the font's average width and height into avg_ and hgt_.
    SIZE Extent(const std::string &text) {
        rzt::Canvas probe(1, 1, 0);
        SelectObject(probe.dc(), GetStockObject(SYSTEM_FONT));
        TEXTMETRICA tm = {};
        GetTextMetricsA(probe.dc(), &tm);
        avg_ = tm.tmAveCharWidth, hgt_ = tm.tmHeight;
        SIZE size = {};
        GetTextExtentPoint32A(probe.dc(), text.c_str(), static_cast<int>(text.size()), &size);
        return size;
    }
    HWND Open(const char *text, POINT at = {100, 120}, HWND *tip = nullptr) {  // over the active parent
        SetForegroundWindow(parent_);
        CreateToolTipWindow(parent_, &at, text, tip ? tip : &tip_);
        Pump(50);
        return tip ? *tip : tip_;
    }
    rzt::RecordingParent parent_{40, 40, 400, 300};
    HWND tip_ = nullptr;
    int avg_ = 0, hgt_ = 0;
};

class Inform : public Tip {};

// Centred on its parent or the screen with its texts and face brush, the parent disabled until it goes.
TEST_F(Inform, OpensCentredWithItsTextsAndDisablesTheParentUntilDestroyed) {
    const std::string big(10000, 'x'), kanji[] = {rzt::Ansi("確認"), rzt::Ansi("保存中"), rzt::Ansi("お待ち")};
    const struct { bool parent; const char *caption, *line1, *line2; std::string shown[3]; } cases[] = {
        {true, kanji[0].c_str(), kanji[1].c_str(), kanji[2].c_str(), {kanji[0], kanji[1], kanji[2]}},
        {true, nullptr, nullptr, nullptr, {"", "", ""}},
        {true, big.c_str(), big.c_str(), "", {big, big, ""}},
        {false, "t", "1", "2", {"t", "1", "2"}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.shown[0].substr(0, 8));
        HWND dialog = CreateInformDlg(c.parent ? parent_.hwnd() : nullptr, c.caption, c.line1, c.line2);
        Pump(20);
        EXPECT_TRUE(FindWindowA(REZORE32_INFORMCLASS, nullptr) == dialog && IsWindowVisible(dialog));
        EXPECT_TRUE(rzt::CentredOn(dialog, c.parent ? parent_.hwnd() : GetDesktopWindow()));
        EXPECT_EQ(rzt::WindowText(dialog), c.shown[0]);
        EXPECT_EQ(rzt::ItemText(dialog, REZORE32_IDC_INFORM_LINE1), c.shown[1]);
        EXPECT_EQ(rzt::ItemText(dialog, REZORE32_IDC_INFORM_LINE2), c.shown[2]);
        EXPECT_EQ(IsWindowEnabled(parent_), !c.parent);
        rzt::Canvas canvas(4, 4, RGB(1, 2, 3));
        EXPECT_EQ(SendMessageA(dialog, WM_CTLCOLORSTATIC, (WPARAM)canvas.dc(), 0),
                  LRESULT(rzt::Win95Mode() ? Get3DFaceBrush() : GetStockObject(LTGRAY_BRUSH)));
        EXPECT_EQ(GetBkMode(canvas.dc()), TRANSPARENT);
        DestroyInformDlg();
        EXPECT_TRUE(!IsWindow(dialog) && IsWindowEnabled(parent_));
    }
}

// However the window goes or is replaced, no parent stays disabled and none is enabled by mistake.
TEST_F(Inform, NoParentLeftDisabled) {
    rzt::RecordingParent other(500, 60, 200, 200);
    HWND first = CreateInformDlg(parent_, "1", "", "");
    HWND second = CreateInformDlg(other, "2", "", "");
    EXPECT_FALSE(IsWindow(first)) << "a second one replaces the first";
    EXPECT_TRUE(IsWindowEnabled(parent_) && !IsWindowEnabled(other));
    DestroyWindow(second);  // behind the library's back
    EXPECT_TRUE(IsWindowEnabled(other));
    EnableWindow(parent_, FALSE);
    DestroyInformDlg();  // with nothing open: nothing happens, not even to the parent
    EXPECT_FALSE(IsWindowEnabled(parent_));
}

// cx + 1.5 avg by cy + hgt/4 + avg/2 pixels for the text it can show, its corner at the point, never active.
TEST_F(Tip, SizeFollowsTheSystemFontAndTheCornerIsThePoint) {
    const std::string big(10000, 'w'), cut(255, 'w'), kanji = rzt::Ansi("保存");
    const struct { const char *text; std::string measured; } cases[] = {
        {"A", "A"}, {"Hello, tip", "Hello, tip"}, {kanji.c_str(), kanji}, {nullptr, ""}, {big.c_str(), cut}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.measured.substr(0, 12));
        const HWND tip = Open(c.text, {90, 110});
        const SIZE extent = Extent(c.measured);
        RECT r = {}, expected = {90, 110, 90 + extent.cx + avg_ + avg_ / 2, 110 + extent.cy + hgt_ / 4 + avg_ / 2};
        GetWindowRect(tip, &r);
        EXPECT_TRUE(EqualRect(&r, &expected)) << r.left << "," << r.top << " " << r.right << "," << r.bottom;
        EXPECT_EQ(rzt::WindowText(tip), c.measured);
        EXPECT_NE(GetActiveWindow(), tip);
    }
}

// A new tip replaces the old one after ChkMessage emptied the queue (a WM_QUIT kept for the caller); bad
// variables and points fail; a window of another class in the variable is forgotten, never destroyed.
TEST_F(Tip, TheVariable) {
    int tipsAtDispatch = -1;  // of a message posted while the old tip stood
    parent_.onCommand = [&](const rzt::Sent &) { tipsAtDispatch = FindWindowA(REZORE32_TIPCLASS, nullptr) ? 1 : 0; };
    POINT at = {10, 10};
    const HWND old = Open("old");
    PostMessageA(parent_, WM_COMMAND, 1, 0);
    PostQuitMessage(7);
    CreateToolTipWindow(parent_, &at, "new", &tip_);
    MSG msg;
    EXPECT_TRUE(PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE) && msg.wParam == 7);
    EXPECT_FALSE(PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) << "posted once";
    EXPECT_TRUE(!IsWindow(old) && IsWindow(tip_));
    EXPECT_EQ(tipsAtDispatch, 0) << "dispatched after the old tip went, before the new one came";
    DestroyToolTipWindow(&tip_);
    EXPECT_EQ(CreateToolTipWindow(parent_, nullptr, "x", &tip_), nullptr);
    EXPECT_EQ(CreateToolTipWindow(parent_, &at, "x", nullptr), nullptr);
    EXPECT_TRUE(tip_ == nullptr && FindWindowA(REZORE32_TIPCLASS, nullptr) == nullptr);
    DestroyToolTipWindow(nullptr);
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

// Face, outline and a shadow that darkens what lay below, the corners untouched, nothing left invalid;
// the face brush lives as long as the last tip.
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
    // Two tips share one brush until the last goes; a new tip makes it afresh.
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

}  // namespace
