// The message window, the tool tip and the message pump they share.
#include <gtest/gtest.h>

#include <string>

#include "tests/support.h"

namespace {

using rzt::Pump;

std::string Text(HWND hwnd) {
    char text[20000] = {};
    GetWindowTextA(hwnd, text, sizeof(text));
    return text;
}

bool CentredOn(HWND popup, HWND owner) {
    RECT p, o;
    GetWindowRect(popup, &p);
    GetWindowRect(owner, &o);
    return std::abs((p.left + p.right) - (o.left + o.right)) <= 1 &&
           std::abs((p.top + p.bottom) - (o.top + o.bottom)) <= 1;
}

HBRUSH PlatformFace() {
    return rzt::Win95Mode() ? Get3DFaceBrush() : static_cast<HBRUSH>(GetStockObject(LTGRAY_BRUSH));
}

// ------------------------------------------------------------ message window

class Inform : public testing::Test {
protected:
    void TearDown() override {
        DestroyInformDlg();
        Pump();
    }
    rzt::RecordingParent parent_{80, 60, 400, 300};
};

TEST_F(Inform, OpensCentredWithItsTextsAndDisablesTheParentUntilDestroyed) {
    // 確認 / 保存中です / お待ち下さい
    const char caption[] = "\x8A\x6D\x94\x46", line1[] = "\x95\xDB\x91\xB6\x92\x86\x82\xC5\x82\xB7",
               line2[] = "\x82\xA8\x91\xD2\x82\xBF\x89\xBA\x82\xB3\x82\xA2";
    HWND dialog = CreateInformDlg(parent_, caption, line1, line2);
    ASSERT_NE(dialog, nullptr);
    Pump(50);
    EXPECT_EQ(FindWindowA(REZORE32_INFORMCLASS, nullptr), dialog);
    EXPECT_EQ(GetWindow(dialog, GW_OWNER), parent_.hwnd());
    EXPECT_TRUE(IsWindowVisible(dialog));
    EXPECT_TRUE(CentredOn(dialog, parent_));
    EXPECT_EQ(Text(dialog), caption);
    EXPECT_EQ(Text(GetDlgItem(dialog, REZORE32_IDC_INFORM_LINE1)), line1);
    EXPECT_EQ(Text(GetDlgItem(dialog, REZORE32_IDC_INFORM_LINE2)), line2);
    EXPECT_FALSE(IsWindowEnabled(parent_));

    HDC dc = GetDC(dialog);
    EXPECT_EQ(reinterpret_cast<HBRUSH>(SendMessageA(dialog, WM_CTLCOLORSTATIC, (WPARAM)dc, 0)), PlatformFace());
    EXPECT_EQ(GetBkMode(dc), TRANSPARENT);
    ReleaseDC(dialog, dc);

    DestroyInformDlg();
    EXPECT_FALSE(IsWindow(dialog));
    EXPECT_TRUE(IsWindowEnabled(parent_));
    EnableWindow(parent_, FALSE);
    DestroyInformDlg();  // nothing open: nothing happens, not even to the parent
    EXPECT_FALSE(IsWindowEnabled(parent_));
    EXPECT_TRUE(IsWindow(parent_));
    EnableWindow(parent_, TRUE);
}

TEST_F(Inform, ASecondOneReplacesTheFirstAndFreesItsParent) {
    rzt::RecordingParent other(500, 60, 200, 200);
    HWND first = CreateInformDlg(parent_, "1", "", "");
    HWND second = CreateInformDlg(other, "2", "", "");
    ASSERT_NE(second, nullptr);
    EXPECT_FALSE(IsWindow(first));
    EXPECT_TRUE(IsWindowEnabled(parent_));
    EXPECT_FALSE(IsWindowEnabled(other));
    DestroyInformDlg();
    EXPECT_FALSE(IsWindow(second));
    EXPECT_TRUE(IsWindowEnabled(other));
}

TEST_F(Inform, ClosedWithoutDestroyInformDlgLeavesNoParentDisabled) {
    HWND dialog = CreateInformDlg(parent_, "x", "", "");
    DestroyWindow(dialog);
    EXPECT_TRUE(IsWindowEnabled(parent_));
    DestroyInformDlg();  // forgotten: nothing left to close
    {
        rzt::RecordingParent owner(500, 60, 200, 200);
        dialog = CreateInformDlg(owner, "x", "", "");
        ASSERT_TRUE(IsWindow(dialog));
    }
    EXPECT_FALSE(IsWindow(dialog)) << "went with its owner";
    HWND next = CreateInformDlg(parent_, "y", "", "");
    EXPECT_TRUE(IsWindow(next));
}

TEST_F(Inform, AChildParentIsTheOneEnabledAgain) {
    HWND child = rzt::CreateChild(parent_, "Static", 0, 10, 10, 50, 20);
    HWND dialog = CreateInformDlg(child, "x", "", "");
    EXPECT_EQ(GetWindow(dialog, GW_OWNER), parent_.hwnd()) << "owned by the child's top-level window";
    EXPECT_FALSE(IsWindowEnabled(child));
    DestroyInformDlg();
    EXPECT_TRUE(IsWindowEnabled(child));
    EXPECT_TRUE(IsWindowEnabled(parent_));
}

TEST_F(Inform, BadTexts) {
    const std::string big(10000, 'x');
    struct Case {
        const char *name;
        bool parent;
        const char *text;
        std::string shown;
    } cases[] = {
        {"NULL texts", true, nullptr, ""},
        {"10,000-byte texts", true, big.c_str(), big},
        {"NULL parent", false, "t", "t"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        HWND dialog = CreateInformDlg(c.parent ? parent_.hwnd() : nullptr, c.text, c.text, c.text);
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(Text(dialog), c.shown);
        EXPECT_EQ(Text(GetDlgItem(dialog, REZORE32_IDC_INFORM_LINE1)), c.shown);
        EXPECT_EQ(Text(GetDlgItem(dialog, REZORE32_IDC_INFORM_LINE2)), c.shown);
        if (!c.parent) {
            EXPECT_TRUE(CentredOn(dialog, GetDesktopWindow()));
        }
        DestroyInformDlg();
        EXPECT_FALSE(IsWindow(dialog));
        EXPECT_TRUE(IsWindowEnabled(parent_));
    }
}

// ------------------------------------------------------------------ tool tip

// The system font's average width and height, and a text's extent in it.
struct SystemFont {
    int avg = 0, hgt = 0;
    SIZE Extent(const std::string &text = "") {
        HDC dc = GetDC(nullptr);
        HGDIOBJ old = SelectObject(dc, GetStockObject(SYSTEM_FONT));
        TEXTMETRICA tm = {};
        GetTextMetricsA(dc, &tm);
        avg = tm.tmAveCharWidth;
        hgt = tm.tmHeight;
        SIZE size = {};
        GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &size);
        SelectObject(dc, old);
        ReleaseDC(nullptr, dc);
        return size;
    }
};

class Tip : public testing::Test {
protected:
    void SetUp() override {
        SetForegroundWindow(parent_);
        Pump(50);
    }
    void TearDown() override {
        DestroyToolTipWindow(&tip_);
        Pump();
    }
    HWND Open(const char *text, POINT at = {100, 120}) {
        CreateToolTipWindow(parent_, &at, text, &tip_);
        Pump(50);
        return tip_;
    }
    rzt::RecordingParent parent_{40, 40, 400, 300};
    HWND tip_ = nullptr;
    SystemFont font_;
};

TEST_F(Tip, SizeFollowsTheSystemFontAndTheCornerIsThePoint) {
    const std::string big(10000, 'w'), cut(255, 'w');
    const struct {
        const char *text;
        std::string measured;
    } cases[] = {
        {"A", "A"},
        {"Hello, tip", "Hello, tip"},
        {"\x95\xDB\x91\xB6", "\x95\xDB\x91\xB6"},  // 保存
        {nullptr, ""},
        {big.c_str(), cut},  // only what it can show
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.measured.substr(0, 12));
        const HWND tip = Open(c.text, {90, 110});
        ASSERT_NE(tip, nullptr);
        const SIZE extent = font_.Extent(c.measured);
        RECT r;
        GetWindowRect(tip, &r);
        EXPECT_EQ(r.left, 90);
        EXPECT_EQ(r.top, 110);
        EXPECT_EQ(r.right - r.left, extent.cx + font_.avg + font_.avg / 2);
        EXPECT_EQ(r.bottom - r.top, extent.cy + font_.hgt / 4 + font_.avg / 2);
        EXPECT_EQ(Text(tip), c.measured);
        EXPECT_NE(GetActiveWindow(), tip) << "the tip never keeps the activation";
    }
}

// A window whose posted message notes whether a tip existed when it arrived.
struct QueueProbe {
    static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
        if (msg == WM_APP)
            tipsAtDispatch = FindWindowA(REZORE32_TIPCLASS, nullptr) ? 1 : 0;
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    }
    static int tipsAtDispatch;
};
int QueueProbe::tipsAtDispatch = -1;

TEST_F(Tip, TheOldTipGoesAndTheQueueEmptiesBeforeTheNewOne) {
    WNDCLASSA wc = {};
    wc.lpfnWndProc = QueueProbe::Proc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "RzQueueProbe";
    RegisterClassA(&wc);
    HWND probe = CreateWindowExA(0, "RzQueueProbe", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, wc.hInstance, nullptr);
    const HWND old = Open("old");
    PostMessageA(probe, WM_APP, 0, 0);
    QueueProbe::tipsAtDispatch = -1;
    const HWND fresh = Open("new");
    EXPECT_FALSE(IsWindow(old));
    EXPECT_NE(fresh, nullptr);
    EXPECT_EQ(tip_, fresh);
    EXPECT_EQ(QueueProbe::tipsAtDispatch, 0) << "dispatched after the old tip went, before the new one came";
    DestroyWindow(probe);
}

TEST_F(Tip, PaintsFaceOutlineAndShadowOverWhatLayBelow) {
    const HWND tip = Open("Tip text");
    const SIZE extent = font_.Extent("Tip text");
    const int faceW = extent.cx + font_.avg, faceH = extent.cy + font_.hgt / 4, off = font_.avg / 2;
    RECT r;
    GetClientRect(tip, &r);
    rzt::Canvas shown(r.right, r.bottom, RGB(1, 2, 3));
    rzt::Snapshot(tip, shown);
    EXPECT_EQ(shown.At(faceW / 2, faceH / 2), RGB(255, 255, 128)) << "painted when shown";

    // Painted over a known picture of "what lay below": the shadow darkens
    // it (AND grey), the corners keep it.
    const COLORREF below = RGB(200, 100, 255), darkened = RGB(128, 0, 128);
    rzt::Canvas canvas(r.right, r.bottom, below);
    SendMessageA(tip, WM_ERASEBKGND, (WPARAM)canvas.dc(), 0);
    const struct {
        const char *what;
        int x, y;
        COLORREF colour;
    } pixels[] = {
        {"face", faceW / 2, faceH / 2, RGB(255, 255, 128)},
        {"face, left of the text", 3, faceH / 2, RGB(255, 255, 128)},
        {"outline at the top", faceW / 2, 0, RGB(0, 0, 0)},
        {"outline at the left", 0, faceH / 2, RGB(0, 0, 0)},
        {"shadow at the right", faceW + off / 2, faceH / 2, darkened},
        {"shadow at the bottom", faceW / 2, faceH + off / 2, darkened},
        {"top right corner", r.right - 1, 0, below},
        {"bottom left corner", 0, r.bottom - 1, below},
    };
    for (const auto &p : pixels)
        EXPECT_EQ(canvas.At(p.x, p.y), p.colour) << p.what;

    InvalidateRect(tip, nullptr, FALSE);
    UpdateWindow(tip);
    RECT update;
    EXPECT_FALSE(GetUpdateRect(tip, &update, FALSE)) << "WM_PAINT leaves nothing invalid";
}

TEST_F(Tip, TwoTipsShareOneBrushUntilTheLastGoes) {
    const SIZE extent = font_.Extent("x");
    const int midFace = (extent.cy + font_.hgt / 4) / 2;  // 2 px in from the left edge: face, not text
    HWND second = nullptr;
    POINT at = {300, 300};
    Open("x");
    CreateToolTipWindow(parent_, &at, "x", &second);
    Pump(50);
    DestroyToolTipWindow(&tip_);
    // The survivor still paints its face with a live brush.
    rzt::Canvas canvas(40, 30, RGB(1, 2, 3));
    SendMessageA(second, WM_ERASEBKGND, (WPARAM)canvas.dc(), 0);
    EXPECT_EQ(canvas.At(2, midFace), RGB(255, 255, 128));
    DestroyToolTipWindow(&second);
    EXPECT_EQ(second, nullptr);
    // A new tip after both have gone makes its brush afresh.
    canvas.Fill(RGB(1, 2, 3));
    SendMessageA(Open("x"), WM_ERASEBKGND, (WPARAM)canvas.dc(), 0);
    EXPECT_EQ(canvas.At(2, midFace), RGB(255, 255, 128));
}

TEST_F(Tip, BadVariablesAndPoints) {
    POINT at = {10, 10};
    EXPECT_EQ(CreateToolTipWindow(parent_, nullptr, "x", &tip_), nullptr);
    EXPECT_EQ(tip_, nullptr);
    EXPECT_EQ(CreateToolTipWindow(parent_, &at, "x", nullptr), nullptr);
    EXPECT_EQ(FindWindowA(REZORE32_TIPCLASS, nullptr), nullptr);
    DestroyToolTipWindow(nullptr);
    DestroyToolTipWindow(&tip_);  // holds nothing

    // A window of another class is never destroyed, only forgotten.
    rzt::RecordingParent stranger(400, 400, 50, 50);
    tip_ = stranger;
    DestroyToolTipWindow(&tip_);
    EXPECT_TRUE(IsWindow(stranger));
    EXPECT_EQ(tip_, nullptr);
    tip_ = stranger;
    CreateToolTipWindow(parent_, &at, "x", &tip_);
    EXPECT_TRUE(IsWindow(stranger));
    EXPECT_NE(tip_, stranger.hwnd());

    // A tip destroyed behind the variable's back.
    DestroyWindow(tip_);
    CreateToolTipWindow(parent_, &at, "y", &tip_);
    EXPECT_TRUE(IsWindow(tip_));
}

// --------------------------------------------------------------- message pump

TEST(ChkMessage, DispatchesEverythingAndKeepsTheQuitForTheCaller) {
    rzt::RecordingParent parent;
    Pump();
    parent.sent.clear();
    for (WPARAM i = 1; i <= 3; ++i)
        PostMessageA(parent, WM_COMMAND, i, 0);
    PostQuitMessage(7);
    EXPECT_EQ(ChkMessage(), 0);
    EXPECT_EQ(parent.Commands().size(), 3u);
    MSG msg;
    ASSERT_TRUE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.message, static_cast<UINT>(WM_QUIT));
    EXPECT_EQ(msg.wParam, 7u);
    EXPECT_FALSE(PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) << "posted once";
}

}  // namespace
