// Spin control: record, step rules, messages and painting, then the held
// button under real input from another thread while this one dispatches.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <thread>

#include "tests/support.h"

namespace {

constexpr int kId = 321;

class SpinTest : public testing::Test {
protected:
    HWND Spin(DWORD style = 0, int w = 20, int h = 40) {
        return spin_ = rzt::CreateChild(parent_, REZORE32_SPINCLASS, style, 10, 10, w, h, kId);
    }
    LONG Slot(int index) const { return GetWindowLongA(spin_, index); }
    LRESULT Pos() const { return SendMessageA(spin_, SPIN_GETPOS, 0, 0); }
    // The steps, u up and d down, and their times in ms after the first.
    std::string Steps(std::vector<LONG> *times = nullptr) const {
        std::string codes;
        const std::vector<rzt::Sent> steps = parent_.Commands();
        for (const rzt::Sent &s : steps) {
            codes += s.wParam == MAKEWPARAM(kId, SPINN_UP) ? 'u' : s.wParam == MAKEWPARAM(kId, SPINN_DOWN) ? 'd' : '?';
            if (times)
                times->push_back(static_cast<LONG>(s.tick - steps[0].tick));
        }
        return codes;
    }
    std::string Picture() {
        rzt::Redraw(spin_);
        return rzt::Join(rzt::ClientGrid(spin_, {{rzt::FaceColour(), '.'}, {0, '#'}, {rzt::Light(), 'L'},
                                                 {rzt::Dark(), 'D'}}));
    }
    rzt::RecordingParent parent_;
    HWND spin_ = nullptr;
};

TEST_F(SpinTest, RecordAndMessages) {
    Spin();
    EXPECT_EQ(std::vector<LONG>({Slot(SPIN_GWL_RANGE), Slot(SPIN_GWL_POS), Slot(SPIN_GWL_HALF), Slot(SPIN_GWL_STATE)}),
              std::vector<LONG>({0x10000, 0, 0, 0}));
    EXPECT_EQ(GetObjectType(reinterpret_cast<HGDIOBJ>(static_cast<LONG_PTR>(Slot(SPIN_GWL_BITMAP)))),
              static_cast<DWORD>(OBJ_BITMAP));
    for (int key : {VK_SPACE, VK_RETURN, VK_PRIOR, 0x41})  // other keys do nothing
        EXPECT_EQ(SendMessageA(spin_, WM_KEYDOWN, key, 0), 0);
    // SPIN_SETPOS tells the parent only with code 1 or 2, even of the same value.
    for (LPARAM code : {0, 3, -1})
        EXPECT_EQ(SendMessageA(spin_, SPIN_SETPOS, 1000, code), 0);
    EXPECT_EQ(Pos(), 1000);
    EXPECT_EQ(Slot(SPIN_GWL_HALF), 0);
    EXPECT_TRUE(parent_.sent.empty());
    SendMessageA(spin_, SPIN_SETPOS, 1000, SPINN_DOWN);
    SendMessageA(spin_, SPIN_SETPOS, 0, SPINN_UP);
    EXPECT_EQ(Steps(), "du");
    SetFocus(spin_);
    EXPECT_EQ(Slot(SPIN_GWL_STATE), 1);
    SetFocus(parent_);
    EXPECT_EQ(Slot(SPIN_GWL_STATE), 0);
}

TEST_F(SpinTest, StepRules) {
    struct Case { const char *what; DWORD style; LONG range, start; WPARAM key; LONG expected; const char *steps; };
    const LONG kHigh = static_cast<LONG>(0xFFFF8000);  // 32768..65535: the limits are unsigned
    const Case cases[] = {
        {"up wraps to minimum", 0, MAKELONG(0, 1), 1, VK_UP, 0, "u"},
        {"down wraps to maximum", 0, MAKELONG(0, 1), 0, VK_DOWN, 1, "d"},
        {"down stops at minimum", SPINS_NOWRAP, MAKELONG(0, 1), 0, VK_DOWN, 0, ""},
        {"right from above, no wrap", SPINS_NOWRAP, MAKELONG(0, 5), 10, VK_RIGHT, 5, "d"},
        {"left from above, no wrap, stays", SPINS_NOWRAP, MAKELONG(0, 5), 10, VK_LEFT, 10, ""},
        {"up from below the minimum", 0, MAKELONG(5, 9), -3, VK_UP, -2, "u"},
        {"down from below wraps to maximum", 0, MAKELONG(5, 9), -3, VK_DOWN, 9, "d"},
        {"up to the unsigned maximum", 0, kHigh, 65534, VK_UP, 65535, "u"},
        {"the unsigned maximum wraps", 0, kHigh, 65535, VK_LEFT, 32768, "u"},
        {"down above the unsigned minimum", 0, kHigh, 40000, VK_RIGHT, 39999, "d"},
        {"equal limits, wrap is no change", 0, MAKELONG(4, 4), 4, VK_UP, 4, ""},
    };
    for (const Case &t : cases) {
        SCOPED_TRACE(t.what);
        Spin(t.style);
        SendMessageA(spin_, SPIN_SETRANGE, static_cast<WPARAM>(t.start), t.range);
        parent_.sent.clear();
        SendMessageA(spin_, WM_KEYDOWN, t.key, 0);
        EXPECT_EQ(Pos(), t.expected);
        EXPECT_EQ(Steps(), t.steps);
        EXPECT_EQ(Slot(SPIN_GWL_HALF), t.key == VK_UP || t.key == VK_LEFT ? 1 : 2);  // even without a change
        DestroyWindow(spin_);
    }
}

TEST_F(SpinTest, Paints) {
    // Halves 7 x 12: glyphs at (3, 2) and (3, 15), the divider on row 12.
    Spin(0, 14, 24);
    EXPECT_EQ(Picture(), rzt::Join({
        "LLLLLLLLLLLLLL", "L............D", "L............D", "L......#.....D", "L.....###....D", "L.....###....D",
        "L....#####...D", "L....#####...D", "L...#######..D", "L...#######..D", "L............D", "DDDDDDDDDDDDDD",
        "##############", "LLLLLLLLLLLLLD", "L............D", "L............D", "L...#######..D", "L...#######..D",
        "L....#####...D", "L....#####...D", "L.....###....D", "L.....###....D", "L......#.....D", "DDDDDDDDDDDDDD"}));
    // Side by side with left and right arrows, focused: halves 13 x 6, inset
    // 2 and edge 1, glyphs at (2, 2) and (16, 2), divider column 13, outline.
    Spin(SPINS_HORZ | SPINS_LRARROWS, 26, 13);
    SetFocus(spin_);
    EXPECT_EQ(Picture(), rzt::Join({
        "##########################", "#LLLLLLLLLLL.#.LLLLLLLLLL#", "#L..........D#.L........D#",
        "#L......##..D#.L.##.....D#", "#L....####..D#.L.####...D#", "#L..######..D#.L.######.D#",
        "#L.#######..D#.L.#######D#", "#L..######..D#.L.######.D#", "#L....####..D#.L.####...D#",
        "#L......##..D#.L.##.....D#", "#L..........D#.L........D#", "#DDDDDDDDDDDD#.DDDDDDDDDD#",
        "##########################"}));
}

// ---------------------------------------------------------------- held
// The spin sits at screen (50, 50), 20 x 40: upper half y 50..69, lower 70..89.
const POINT kUpper = {60, 58}, kLower = {60, 82}, kOutside = {250, 300};

// One action of a script, at a time in milliseconds from its start.
struct Action { DWORD at; std::function<void()> run; };
Action MoveTo(DWORD at, POINT p) { return {at, [p] { rzt::MoveCursor(p, 0); }}; }
Action Press(DWORD at, DWORD flags = MOUSEEVENTF_LEFTDOWN) { return {at, [flags] { rzt::Mouse(flags); }}; }

class HeldSpinTest : public SpinTest {
protected:
    void SetUp() override {
        SetForegroundWindow(parent_);
        Spin();
        SendMessageA(spin_, SPIN_SETRANGE, 500, MAKELONG(0, 1000));
        rzt::MoveCursor(kOutside, 100);
        parent_.sent.clear();
    }
    // Plays the script on another thread, the pointer first settled at
    // `start`, while this one dispatches; returns this thread's processor
    // time in milliseconds.
    double Play(POINT start, const std::vector<Action> &script) {
        rzt::MoveCursor(start);
        FILETIME c, e, k0, u0, k1, u1;
        GetThreadTimes(GetCurrentThread(), &c, &e, &k0, &u0);
        volatile bool done = false;
        std::thread player([&] {
            const DWORD begin = GetTickCount();
            for (const Action &a : script) {
                const LONG wait = static_cast<LONG>(begin + a.at - GetTickCount());
                if (wait > 0)
                    Sleep(wait);
                a.run();
            }
            done = true;
        });
        while (!done)
            rzt::Pump(10);
        player.join();
        rzt::Pump(100);
        GetThreadTimes(GetCurrentThread(), &c, &e, &k1, &u1);
        auto ms = [](FILETIME f) { return (static_cast<ULONGLONG>(f.dwHighDateTime) << 32 | f.dwLowDateTime) / 1e4; };
        return ms(k1) - ms(k0) + ms(u1) - ms(u0);
    }
};

// Held on the upper half: a step, the next after 375 ms, then every 75 ms;
// on the lower half the steps go down, outside they pause.  The loop waits
// for the time rather than polling for it.
TEST_F(HeldSpinTest, RepeatsSwapsHalvesAndPausesOutsideWithoutBurningTheProcessor) {
    std::string seen;  // the upper and lower half's look ('P' pressed) while up, while down, released
    auto look = [&] {
        const COLORREF face = rzt::FaceColour();
        const std::vector<std::string> g = rzt::ClientGrid(spin_, {{face, '.'}, {face ^ 0xFFFFFF, 'P'}});
        seen += {g[3][3], g[36][3], ' '};
    };
    const double cpu = Play(kUpper, {Press(50), {300, look}, MoveTo(1000, kLower), {1200, look},
                                     MoveTo(1300, kOutside), MoveTo(1800, kLower), Press(2100, MOUSEEVENTF_LEFTUP),
                                     {2200, look}});
    EXPECT_EQ(seen, "P. .P .. ");
    std::vector<LONG> t;
    const std::string steps = Steps(&t);
    const size_t ups = steps.find('d');
    ASSERT_GE(ups, 7u);  // 0, 375, 450 ... 900 ms
    EXPECT_EQ(steps, std::string(ups, 'u') + std::string(steps.size() - ups, 'd'));
    EXPECT_GE(steps.size() - ups, 4u);
    LONG longestPause = 0;
    for (size_t i = 1; i < steps.size(); ++i) {
        if (i < ups)
            EXPECT_NEAR(t[i] - t[i - 1], i == 1 ? 375 : 75, 15) << "step " << i;
        else if (i > ups)
            longestPause = std::max(longestPause, t[i] - t[i - 1]);
    }
    EXPECT_GE(longestPause, 400);  // nothing while the pointer was outside
    EXPECT_EQ(Pos(), 500 + static_cast<LONG>(2 * ups) - static_cast<LONG>(steps.size()));
    EXPECT_EQ(Slot(SPIN_GWL_HALF), 2);
    EXPECT_LT(cpu, 250.0) << "ms of processor time in 2.2 s held";  // a polling loop would use all of it
}

TEST_F(HeldSpinTest, DoubleClickStepsOnceThenForwards) {
    Play(kUpper, {Press(50), Press(150, MOUSEEVENTF_LEFTUP), Press(250), Press(350, MOUSEEVENTF_LEFTUP)});
    EXPECT_EQ(Steps(), "u");
    EXPECT_EQ(std::count_if(parent_.sent.begin(), parent_.sent.end(),
                            [](const rzt::Sent &s) { return s.msg == SPIN_LBUTTONDBLCLK; }), 1);
    EXPECT_EQ(Pos(), 501);
}

// With swapped buttons the press arrives as WM_LBUTTONDOWN while the
// physical right button is down, and the loop must watch that one.  The
// press is posted (Wine does not swap injected buttons).
TEST_F(HeldSpinTest, SwappedButtonsWatchTheRightButton) {
    const std::vector<Action> script = {
        Press(50, MOUSEEVENTF_RIGHTDOWN),
        {200, [this] { PostMessageA(spin_, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 32)); }},
        Press(900, MOUSEEVENTF_RIGHTUP)};
    SwapMouseButton(TRUE);
    Play(kLower, script);
    SwapMouseButton(FALSE);
    const std::string held = Steps();
    EXPECT_GE(held.size(), 5u);  // 0, 375, 450, 525, 600, 675 ms after the press
    EXPECT_EQ(held, std::string(held.size(), 'd'));
    parent_.sent.clear();
    Play(kLower, script);  // not swapped: the left button is up, one step
    EXPECT_EQ(Steps(), "d");
}

// A step's notification that takes the press away from the spin ends the
// hold at once: no further step, and the thread dispatches again while the
// button is still down.
TEST_F(HeldSpinTest, HoldEndsWhenTheSpinLosesThePress) {
    const std::pair<const char *, std::function<void(HWND spin, HWND parent)>> cases[] = {
        {"destroyed", [](HWND spin, HWND) { DestroyWindow(spin); }},
        {"disabled by its style, keeping the capture",
         [](HWND spin, HWND) { SetWindowLongA(spin, GWL_STYLE, GetWindowLongA(spin, GWL_STYLE) | WS_DISABLED); }},
        {"capture taken", [](HWND, HWND parent) { SetCapture(parent); }},
    };
    for (const auto &k : cases) {
        SCOPED_TRACE(k.first);
        if (!IsWindow(spin_))
            Spin();
        parent_.sent.clear();
        bool responsive = false;
        parent_.onCommand = [&](const rzt::Sent &) {
            if (parent_.sent.size() == 1)
                k.second(spin_, parent_);
        };
        auto ask = [&] {
            DWORD_PTR r;
            responsive = SendMessageTimeoutA(parent_, WM_NULL, 0, 0, SMTO_NORMAL, 150, &r) != 0;
        };
        Play(kUpper, {Press(50), {700, ask}, Press(1000, MOUSEEVENTF_LEFTUP)});
        parent_.onCommand = nullptr;
        EXPECT_TRUE(responsive);
        EXPECT_EQ(parent_.Commands().size(), 1u);
        if (GetCapture())
            ReleaseCapture();
        EnableWindow(spin_, TRUE);
    }
}

}  // namespace
