// Spin control: record, steps, painting; the held button under real input from another thread.
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
    // The steps, u up and d down, and their times in ms after the first.
    std::string Steps(std::vector<LONG> *times = nullptr) const {
        std::string codes;
        const std::vector<rzt::Sent> steps = parent_.Commands();
        for (const rzt::Sent &s : steps) {
            const WORD code = s.lParam == reinterpret_cast<LPARAM>(spin_) ? HIWORD(s.wParam) : 0;
            codes += LOWORD(s.wParam) == kId && (code == SPINN_UP || code == SPINN_DOWN) ? "ud"[code - 1] : '?';
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

// A step by message: a key, a press or SPIN_STEP (by the real cursor: u upper half, f far), SPIN_SETPOS
// (notifies with code 1 or 2 only, even unchanged); the position is stored before the parent hears of it.
TEST_F(SpinTest, StepRules) {
    const UINT key = WM_KEYDOWN, press = WM_LBUTTONDOWN, set = SPIN_SETPOS;
    const LPARAM lower = MAKELPARAM(10, 35);
    struct Case {
        DWORD style; WORD low, high; LONG start; UINT msg; WPARAM wParam; LPARAM lParam; char cursor; LONG pos;
        const char *steps; LONG half;
    };
    const Case cases[] = {
        {0, 0, 1, 1, key, VK_UP, 0, 0, 0, "u", 1},                     // wraps to the minimum
        {0, 0, 1, 0, key, VK_DOWN, 0, 0, 1, "d", 2},                   // and to the maximum
        {SPINS_NOWRAP, 0, 1, 0, key, VK_DOWN, 0, 0, 0, "", 2},
        {SPINS_NOWRAP, 0, 5, 10, key, VK_RIGHT, 0, 0, 5, "d", 2},      // from above down lands on the maximum
        {SPINS_NOWRAP, 0, 5, 10, key, VK_LEFT, 0, 0, 10, "", 1},
        {0, 5, 9, -3, key, VK_UP, 0, 0, -2, "u", 1},
        {0, 5, 9, -3, key, VK_DOWN, 0, 0, 9, "d", 2},
        {0, 0x8000, 0xFFFF, 65534, key, VK_UP, 0, 0, 65535, "u", 1},   // the limits are unsigned
        {0, 0x8000, 0xFFFF, 65535, key, VK_LEFT, 0, 0, 32768, "u", 1},
        {0, 4, 4, 4, key, VK_UP, 0, 0, 4, "", 1},                      // equal limits: a wrap is no change
        {SPINS_HORZ, 0, 9, 5, key, VK_LEFT, 0, 0, 6, "u", 1},
        {0, 0, 9, 5, key, VK_SPACE, 0, 0, 5, "", 0},                   // other keys do nothing
        {0, 0, 9, 5, press, MK_LBUTTON, lower, 'f', 5, "", 2},         // the half pressed, but no step
        {0, 0, 9, 5, press, MK_LBUTTON, lower, 'u', 6, "u", 1},
        {0, 0, 9, 700, SPIN_STEP, 0, 0, 'f', 700, "", 0},
        {0, 0, 9, 5, set, 1000, 0, 0, 1000, "", 0},
        {0, 0, 9, 5, set, 1000, 3, 0, 1000, "", 0},
        {0, 0, 9, 1000, set, 1000, SPINN_DOWN, 0, 1000, "d", 0},
        {0, 0, 9, 5, set, 0, SPINN_UP, 0, 0, "u", 0},
    };
    LONG seen = -1;
    parent_.onCommand = [&](const rzt::Sent &) { seen = Spin_GetPos(spin_); };
    for (const Case &c : cases) {
        Spin(c.style);
        Spin_SetRange(spin_, c.start, c.low, c.high);
        parent_.sent.clear();
        seen = -1;
        POINT upper = {10, 5};
        if (c.cursor && ClientToScreen(spin_, &upper))
            rzt::MoveCursor(c.cursor == 'u' ? upper : POINT{700, 500});
        SendMessageA(spin_, c.msg, c.wParam, c.lParam);
        EXPECT_EQ(Spin_GetPos(spin_), c.pos) << &c - cases;
        EXPECT_EQ(Steps(), c.steps) << &c - cases;
        EXPECT_EQ(seen, *c.steps ? c.pos : -1) << &c - cases;
        EXPECT_EQ(Slot(SPIN_GWL_HALF), c.half) << &c - cases;
        DestroyWindow(spin_);
    }
}

// The record's defaults and focus flag; halves 7 x 12: glyphs at (3, 2) and (3, 15), the divider on row 12.
TEST_F(SpinTest, RecordFocusAndPaint) {
    Spin(0, 14, 24);
    EXPECT_EQ(std::vector<LONG>({Slot(SPIN_GWL_RANGE), Slot(SPIN_GWL_POS), Slot(SPIN_GWL_HALF), Slot(SPIN_GWL_STATE)}),
              std::vector<LONG>({0x10000, 0, 0, 0}));
    EXPECT_EQ(GetObjectType(reinterpret_cast<HGDIOBJ>(static_cast<LONG_PTR>(Slot(SPIN_GWL_BITMAP)))),
              static_cast<DWORD>(OBJ_BITMAP));
    EXPECT_EQ(Picture(), rzt::Join({
        "LLLLLLLLLLLLLL", "L............D", "L............D", "L......#.....D", "L.....###....D", "L.....###....D",
        "L....#####...D", "L....#####...D", "L...#######..D", "L...#######..D", "L............D", "DDDDDDDDDDDDDD",
        "##############", "LLLLLLLLLLLLLD", "L............D", "L............D", "L...#######..D", "L...#######..D",
        "L....#####...D", "L....#####...D", "L.....###....D", "L.....###....D", "L......#.....D", "DDDDDDDDDDDDDD"}));
    // Side by side, left/right arrows, focused: halves 13 x 6, glyphs at (2, 2), (16, 2), divider column 13.
    Spin(SPINS_HORZ | SPINS_LRARROWS, 26, 13);
    SetFocus(spin_);
    EXPECT_EQ(Slot(SPIN_GWL_STATE), 1);
    EXPECT_EQ(Picture(), rzt::Join({
        "##########################", "#LLLLLLLLLLL.#.LLLLLLLLLL#", "#L..........D#.L........D#",
        "#L......##..D#.L.##.....D#", "#L....####..D#.L.####...D#", "#L..######..D#.L.######.D#",
        "#L.#######..D#.L.#######D#", "#L..######..D#.L.######.D#", "#L....####..D#.L.####...D#",
        "#L......##..D#.L.##.....D#", "#L..........D#.L........D#", "#DDDDDDDDDDDD#.DDDDDDDDDD#",
        "##########################"}));
    SetFocus(parent_);
    EXPECT_EQ(Slot(SPIN_GWL_STATE), 0);
}

// Held: the spin sits at screen (50, 50), 20 x 40: upper half y 50..69, lower 70..89.
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
    // Plays the script on another thread while this one dispatches; returns this thread's processor ms.
    double Play(POINT start, const std::vector<Action> &script) {
        rzt::MoveCursor(start);
        FILETIME c, e, k0, u0, k1, u1;
        GetThreadTimes(GetCurrentThread(), &c, &e, &k0, &u0);
        volatile bool done = false;
        std::thread player([&] {
            const DWORD begin = GetTickCount();
            for (const Action &a : script) {
                Sleep(static_cast<DWORD>(std::max(static_cast<LONG>(begin + a.at - GetTickCount()), 0L)));
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

// Upper half: a step, the next after 375 ms, then every 75 ms; lower half down; outside a pause; no polling.
// Swapped buttons: the loop watches the right button (posted: Wine does not swap injected buttons).
TEST_F(HeldSpinTest, RepeatsHalvesPausesSwappedButtonsDoubleClickAndLoss) {
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
    EXPECT_EQ(Spin_GetPos(spin_), 500 + static_cast<LONG>(2 * ups) - static_cast<LONG>(steps.size()));
    EXPECT_EQ(Slot(SPIN_GWL_HALF), 2);
    EXPECT_LT(cpu, 250.0) << "ms of processor time in 2.2 s held";  // a polling loop would use all of it
    parent_.sent.clear();
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
    // A notification that takes the press away ends the hold at once, the button still down.
    const std::pair<const char *, std::function<void(HWND spin, HWND parent)>> cases[] = {
        {"destroyed", [](HWND spin, HWND) { DestroyWindow(spin); }},
        {"disabled by its style, keeping the capture",
         [](HWND spin, HWND) { SetWindowLongA(spin, GWL_STYLE, GetWindowLongA(spin, GWL_STYLE) | WS_DISABLED); }},
        {"capture taken", [](HWND, HWND parent) { SetCapture(parent); }},
    };
    for (const auto &k : cases) {
        if (!IsWindow(spin_))
            Spin();
        parent_.sent.clear();
        parent_.onCommand = [&](const rzt::Sent &) {
            if (parent_.sent.size() == 1)
                k.second(spin_, parent_);
        };
        Play(kUpper, {Press(50), Press(1000, MOUSEEVENTF_LEFTUP)});
        parent_.onCommand = nullptr;
        EXPECT_EQ(parent_.Commands().size(), 1u) << k.first;
        ReleaseCapture();
        EnableWindow(spin_, TRUE);
    }
    parent_.sent.clear();
    Play(kUpper, {Press(50), Press(150, MOUSEEVENTF_LEFTUP), Press(250), Press(350, MOUSEEVENTF_LEFTUP)});
    EXPECT_EQ(Steps(), "u");  // a double click steps once, then goes to the parent
    EXPECT_EQ(parent_.sent.back().msg, static_cast<UINT>(SPIN_LBUTTONDBLCLK));
}
}  // namespace
