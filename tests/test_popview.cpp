// The pop-up viewer: its placement and grace rules as plain values, then the
// window under injected mouse and keyboard input, its hook and its capture.
#include <gtest/gtest.h>

#include "dialogs/popview.h"
#include "tests/support.h"

namespace {

using rzt::Pump;
using rz::popview::GraceOver;
using rz::popview::Place;

TEST(PopViewPlace, AroundTheCursorAndOnTheScreen) {
    const SIZE screen = {800, 600};
    const struct {
        const char *name;
        POINT cursor;
        SIZE text;
        RECT expected;
    } cases[] = {
        // 100 x 40 text, avg 8: 124 x 64, starting 50 left and 36 above the cursor.
        {"on the screen", {400, 300}, {100, 40}, {350, 264, 474, 328}},
        {"off the left and top", {10, 10}, {100, 40}, {0, 0, 124, 64}},
        {"off the right and bottom", {790, 590}, {100, 40}, {676, 536, 800, 600}},
        {"at the very edge", {0, 600}, {100, 40}, {0, 536, 124, 600}},
        {"odd sizes halve toward zero", {400, 300}, {101, 41}, {350, 264, 475, 329}},
        {"wider and higher than the screen", {400, 300}, {900, 700}, {-124, -124, 800, 600}},
        {"wider than the screen, cursor at the left", {0, 300}, {900, 40}, {-124, 264, 800, 328}},
    };
    for (const auto &c : cases) {
        const RECT r = Place(c.cursor, c.text, 8, screen);
        EXPECT_EQ(r.left, c.expected.left) << c.name;
        EXPECT_EQ(r.top, c.expected.top) << c.name;
        EXPECT_EQ(r.right, c.expected.right) << c.name;
        EXPECT_EQ(r.bottom, c.expected.bottom) << c.name;
    }
}

TEST(PopViewGrace, OverOnlyPastTheCloseTimeAcrossTheWrap) {
    const struct {
        DWORD now, closeAfter;
        bool over;
    } cases[] = {
        {1000, 1500, false}, {1500, 1500, false}, {1501, 1500, true},
        {0xFFFFFF00u, 0x000000F0u, false},  // created 500 ms before the wrap
        {0x00000010u, 0xFFFFFFF0u, true},   // now just past the wrap, the close time before it
        {0xFFFFFFF0u, 0xFFFFFFF1u, false},
    };
    for (const auto &c : cases)
        EXPECT_EQ(GraceOver(c.now, c.closeAfter), c.over) << std::hex << c.now << " " << c.closeAfter;
}

// ------------------------------------------------------------------ windows

void Inject(DWORD flags, WORD key = 0) {
    INPUT in = {};
    if (key) {
        in.type = INPUT_KEYBOARD;
        in.ki.wVk = key;
        in.ki.dwFlags = flags;
    } else {
        in.type = INPUT_MOUSE;
        in.mi.dwFlags = flags;
    }
    SendInput(1, &in, sizeof(in));
}

// Counts the key messages that reach any window of this thread.
int g_keyMessages;
LRESULT CALLBACK CountKeys(int code, WPARAM wParam, LPARAM lParam) {
    const MSG *msg = reinterpret_cast<const MSG *>(lParam);
    if (code == HC_ACTION && wParam == PM_REMOVE && (msg->message == WM_KEYDOWN || msg->message == WM_KEYUP))
        ++g_keyMessages;
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

class PopViewTest : public testing::Test {
protected:
    void SetUp() override {
        hook_ = SetWindowsHookExA(WH_GETMESSAGE, CountKeys, nullptr, GetCurrentThreadId());
        SetCursorPos(300, 250);
        SetForegroundWindow(parent_);
        Pump(100);
    }
    void TearDown() override {
        while (HWND viewer = FindWindowA(REZORE32_POPVIEWCLASS, nullptr))
            DestroyWindow(viewer);
        UnhookWindowsHookEx(hook_);
        Pump();
    }
    static HWND Viewer() { return FindWindowA(REZORE32_POPVIEWCLASS, nullptr); }

    // A key pressed and released with the parent in front: how many of its
    // messages reached the thread's windows.
    int KeyReaches(HWND front) {
        SetForegroundWindow(front);
        SetFocus(front);
        Pump(50);
        g_keyMessages = 0;
        Inject(0, 'Q');
        Inject(KEYEVENTF_KEYUP, 'Q');
        Pump(150);
        return g_keyMessages;
    }
    // Closed with nothing left behind: no viewer, no capture, keys flow.
    void ExpectClosedCleanly() {
        EXPECT_EQ(Viewer(), nullptr);
        EXPECT_EQ(GetCapture(), nullptr);
        EXPECT_EQ(KeyReaches(parent_), 2) << "the hook is gone";
    }

    rzt::RecordingParent parent_{100, 100, 400, 300};
    HHOOK hook_ = nullptr;
};

TEST_F(PopViewTest, OpensAroundTheCursorWithTheTextsBlockSize) {
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, GetStockObject(SYSTEM_FIXED_FONT));
    TEXTMETRICA tm = {};
    GetTextMetricsA(dc, &tm);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    const int avg = tm.tmAveCharWidth, cx = GetSystemMetrics(SM_CXSCREEN), cy = GetSystemMetrics(SM_CYSCREEN);
    const int w = 5 * avg, h = 2 * tm.tmHeight;  // "ABC\r\nDEFGH" in a fixed-pitch font
    const struct {
        const char *name;
        POINT cursor;
        POINT topLeft;
    } cases[] = {
        {"on the screen", {300, 250}, {300 - w / 2, 250 - h / 2 - 2 * avg}},
        {"top left corner", {0, 0}, {0, 0}},
        {"bottom right corner", {cx - 1, cy - 1}, {cx - w - 3 * avg, cy - h - 3 * avg}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        SetCursorPos(c.cursor.x, c.cursor.y);
        HWND viewer = PopView(parent_, "ABC\r\nDEFGH");
        ASSERT_NE(viewer, nullptr);
        RECT r;
        GetWindowRect(viewer, &r);
        EXPECT_EQ(r.left, c.topLeft.x);
        EXPECT_EQ(r.top, c.topLeft.y);
        EXPECT_EQ(r.right - r.left, w + 3 * avg);
        EXPECT_EQ(r.bottom - r.top, h + 3 * avg);
        EXPECT_EQ(GetWindow(viewer, GW_OWNER), parent_.hwnd());
        EXPECT_EQ(GetCapture(), viewer);
        DestroyWindow(viewer);
    }
}

TEST_F(PopViewTest, AButtonReleaseClosesOnlyAfterTheGrace) {
    HWND viewer = PopView(parent_, "text");
    const DWORD opened = GetTickCount();
    Inject(MOUSEEVENTF_LEFTDOWN);
    Inject(MOUSEEVENTF_LEFTUP);
    Pump(100);
    ASSERT_LT(GetTickCount() - opened, 450u) << "too slow to test the grace";
    EXPECT_TRUE(IsWindow(viewer)) << "a release within 500 ms is ignored";
    Pump(500);
    SetCursorPos(20, 20);  // anywhere: the viewer holds the capture
    Pump(50);
    Inject(MOUSEEVENTF_LEFTDOWN);
    Inject(MOUSEEVENTF_LEFTUP);
    Pump(150);
    EXPECT_FALSE(IsWindow(viewer));
    ExpectClosedCleanly();
}

TEST_F(PopViewTest, KeysAreSwallowedAndTheReleaseCloses) {
    HWND viewer = PopView(parent_, "text");
    Pump(50);
    g_keyMessages = 0;
    Inject(0, 'Q');
    Pump(100);
    EXPECT_TRUE(IsWindow(viewer)) << "a press does not close";
    Inject(KEYEVENTF_KEYUP, 'Q');
    Pump(100);
    EXPECT_FALSE(IsWindow(viewer)) << "the release closes at once";
    EXPECT_EQ(g_keyMessages, 0) << "neither press nor release reached a window";
    ExpectClosedCleanly();
}

TEST_F(PopViewTest, EveryWayOfClosingRemovesHookAndCapture) {
    const struct {
        const char *name;
        void (*close)(HWND viewer, HWND owner);
    } ways[] = {
        {"WM_CLOSE", [](HWND v, HWND) { SendMessageA(v, WM_CLOSE, 0, 0); }},
        {"DestroyWindow", [](HWND v, HWND) { DestroyWindow(v); }},
        {"with its owner", [](HWND, HWND owner) { DestroyWindow(owner); }},
        {"by a second viewer", [](HWND, HWND owner) { DestroyWindow(PopView(owner, "second")); }},
    };
    for (const auto &way : ways) {
        SCOPED_TRACE(way.name);
        rzt::RecordingParent owner(150, 150, 200, 100);
        HWND viewer = PopView(owner, "first");
        ASSERT_NE(viewer, nullptr);
        way.close(viewer, owner);
        Pump(20);
        EXPECT_FALSE(IsWindow(viewer));
        ExpectClosedCleanly();
    }
}

TEST_F(PopViewTest, BadTexts) {
    const std::string big(10000, 'x');
    for (const char *text : {static_cast<const char *>(nullptr), big.c_str()}) {
        HWND viewer = PopView(nullptr, text);
        ASSERT_NE(viewer, nullptr);
        char shown[1024] = {};
        GetWindowTextA(viewer, shown, sizeof(shown));
        EXPECT_EQ(strlen(shown), text ? 255u : 0u) << "only what the viewer can show";
        UpdateWindow(viewer);
        DestroyWindow(viewer);
    }
    ExpectClosedCleanly();
}

}  // namespace
