// The pop-up viewer: placement and grace as plain values, the window under injected input, its hook, its capture.
#include <gtest/gtest.h>
#include "dialogs/popview.h"
#include "tests/support.h"

namespace {

using rzt::Pump;

// Where the viewer stands: around the cursor, clamped to the screen; when the grace time is over.
TEST(PopViewRules, PlaceAndGrace) {
    const struct { POINT cursor; SIZE text; RECT expected; } places[] = {
        // 100 x 40 text, avg 8: 124 x 64, starting 50 left and 36 above the cursor.
        {{400, 300}, {100, 40}, {350, 264, 474, 328}},     // on the screen
        {{10, 10}, {100, 40}, {0, 0, 124, 64}},            // off the left and top
        {{790, 590}, {100, 40}, {676, 536, 800, 600}},     // off the right and bottom
        {{0, 600}, {100, 40}, {0, 536, 124, 600}},         // at the very edge
        {{400, 300}, {101, 41}, {350, 264, 475, 329}},     // odd sizes halve toward zero
        {{400, 300}, {900, 700}, {-124, -124, 800, 600}},  // wider and higher than the screen
        {{0, 300}, {900, 40}, {-124, 264, 800, 328}},      // wider, cursor at the left
    };
    for (const auto &c : places) {
        const RECT r = rz::popview::Place(c.cursor, c.text, 8, SIZE{800, 600});
        EXPECT_TRUE(EqualRect(&r, &c.expected)) << r.left << "," << r.top << "," << r.right << "," << r.bottom;
    }
    const struct { DWORD now, closeAfter; bool over; } graces[] = {
        {1000, 1500, false}, {1500, 1500, false}, {1501, 1500, true},
        {0xFFFFFF00u, 0x000000F0u, false},  // created 500 ms before the wrap
        {0x00000010u, 0xFFFFFFF0u, true},   // now just past the wrap, the close time before it
    };
    for (const auto &c : graces)
        EXPECT_EQ(rz::popview::GraceOver(c.now, c.closeAfter), c.over) << std::hex << c.now << " " << c.closeAfter;
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
        SetCursorPos(300, 250);
        SetForegroundWindow(parent_);
        Pump(100);
    }
    void TearDown() override {  // a viewer left open goes with its owner
        UnhookWindowsHookEx(hook_);
        Pump();
    }
    static HWND Viewer() { return FindWindowA(REZORE32_POPVIEWCLASS, nullptr); }
    // Closed with nothing left behind: no viewer, no capture, keys flow again.
    void ExpectClosedCleanly() {
        EXPECT_TRUE(Viewer() == nullptr && GetCapture() == nullptr);
        SetForegroundWindow(parent_);
        SetFocus(parent_);
        Pump(50);
        g_keyMessages = 0;
        rzt::Key('Q');
        rzt::Key('Q', KEYEVENTF_KEYUP);
        Pump(150);
        EXPECT_EQ(g_keyMessages, 2) << "the hook is gone";
    }
    rzt::RecordingParent parent_{100, 100, 400, 300};
    HHOOK hook_ = SetWindowsHookExA(WH_GETMESSAGE, CountKeys, nullptr, GetCurrentThreadId());
};

// Around the cursor, its text block's size, owned, holding the capture, a 2-pixel black frame from (1, 1)
// to (W - avg, H - avg), white inside.  (The shadow darkens the screen, which Wine's window surface lacks.)
TEST_F(PopViewTest, OpensAroundTheCursorAndPaints) {
    rzt::Canvas probe(1, 1, 0);
    SelectObject(probe.dc(), GetStockObject(SYSTEM_FIXED_FONT));
    TEXTMETRICA tm = {};
    GetTextMetricsA(probe.dc(), &tm);
    const int avg = tm.tmAveCharWidth, w = 5 * avg, h = 2 * tm.tmHeight;  // "ABC\r\nDEFGH", fixed pitch
    const RECT expected = {300 - w / 2, 250 - h / 2 - 2 * avg, 300 - w / 2 + w + 3 * avg, 250 - h / 2 + h + avg};
    const int W = expected.right - expected.left, H = expected.bottom - expected.top;
    rzt::Canvas shown(W, H, RGB(1, 2, 3));
    HWND viewer = PopView(parent_, "ABC\r\nDEFGH");
    ASSERT_NE(viewer, nullptr);
    RECT r;
    GetWindowRect(viewer, &r);
    EXPECT_TRUE(EqualRect(&r, &expected)) << r.left << "," << r.top << "," << r.right << "," << r.bottom;
    EXPECT_TRUE(GetWindow(viewer, GW_OWNER) == parent_.hwnd() && GetCapture() == viewer);
    UpdateWindow(viewer);
    rzt::Snapshot(viewer, shown);
    const COLORREF black = RGB(0, 0, 0), white = RGB(255, 255, 255);
    const struct { int x, y; COLORREF colour; } pixels[] = {{1, H / 2, black}, {W - avg - 2, H / 2, black},
        {W / 2, 1, black}, {W / 2, H - avg - 2, black}, {3, 3, white}, {W - avg - 4, H - avg - 4, white}};
    for (const auto &p : pixels)
        EXPECT_EQ(shown.At(p.x, p.y), p.colour) << p.x << "," << p.y;
}

// However it closes (a key's release at once, a button's release after the grace, wherever the mouse is),
// hook and capture go with it; the text is only what the viewer can show.
TEST_F(PopViewTest, EveryWayOfClosingRemovesHookAndCapture) {
    const std::string big(10000, 'x');
    void (*const ways[])(HWND viewer, HWND owner) = {
        [](HWND v, HWND) { SendMessageA(v, WM_CLOSE, 0, 0); },
        [](HWND, HWND owner) { DestroyWindow(owner); },
        [](HWND, HWND owner) { DestroyWindow(PopView(owner, "second")); },  // by a second viewer
        [](HWND v, HWND) {
            g_keyMessages = 0;
            rzt::Key('Q');
            Pump(100);
            EXPECT_TRUE(IsWindow(v)) << "a press does not close";
            rzt::Key('Q', KEYEVENTF_KEYUP);
            Pump(100);
            EXPECT_EQ(g_keyMessages, 0) << "neither press nor release reached a window";
        },
        [](HWND v, HWND) {
            const DWORD opened = GetTickCount();
            rzt::Mouse(MOUSEEVENTF_LEFTDOWN);
            rzt::Mouse(MOUSEEVENTF_LEFTUP, {}, 100);
            ASSERT_LT(GetTickCount() - opened, 450u) << "too slow to test the grace";
            EXPECT_TRUE(IsWindow(v)) << "a release within 500 ms is ignored";
            Pump(500);
            rzt::MoveCursor({20, 20}, 50);
            rzt::Mouse(MOUSEEVENTF_LEFTDOWN);
            rzt::Mouse(MOUSEEVENTF_LEFTUP, {}, 150);
        },
    };
    for (auto close : ways) {
        rzt::RecordingParent owner(150, 150, 200, 100);
        const char *text = close == ways[0] ? nullptr : big.c_str();
        HWND viewer = PopView(owner, text);
        ASSERT_NE(viewer, nullptr);
        EXPECT_EQ(GetWindowTextLengthA(viewer), text ? 255 : 0);
        UpdateWindow(viewer);
        Pump(50);
        close(viewer, owner);
        Pump(20);
        EXPECT_FALSE(IsWindow(viewer));
        ExpectClosedCleanly();
    }
}

}  // namespace
