// The spin under real mouse input: another thread moves the pointer and
// presses the button while this thread dispatches messages, and the
// recording parent notes when each step arrived.
#include <gtest/gtest.h>

#include <functional>
#include <thread>

#include "tests/support.h"

namespace {

constexpr int kId = 77;
// The spin sits at screen (50, 50), 20 x 40: upper half y 50..69, lower 70..89.
const POINT kUpper = {60, 58}, kLower = {60, 82}, kOutside = {250, 300};

void Button(DWORD flags) {
    INPUT in = {};
    in.type = INPUT_MOUSE;
    in.mi.dwFlags = flags;
    SendInput(1, &in, sizeof(in));
}

// One action of the script, at a time in milliseconds from its start.
struct Action {
    DWORD at;
    std::function<void()> run;
};

class HeldSpinTest : public testing::Test {
protected:
    void SetUp() override {
        SetForegroundWindow(parent_);
        spin_ = rzt::CreateChild(parent_, REZORE32_SPINCLASS, 0, 10, 10, 20, 40, kId);
        SendMessageA(spin_, SPIN_SETRANGE, 500, MAKELONG(0, 1000));
        SetCursorPos(kOutside.x, kOutside.y);
        rzt::Pump(100);
        parent_.sent.clear();
    }
    void TearDown() override { DestroyWindow(spin_); }

    // Plays the script on another thread (the pointer is first moved to
    // `start` and left there for Wine to take in before anything else) while this one dispatches; returns
    // the processor time this thread used, in milliseconds.
    double Play(POINT start, const std::vector<Action> &script) {
        SetCursorPos(start.x, start.y);
        rzt::Pump(200);
        FILETIME c, e, k0, u0, k1, u1;
        GetThreadTimes(GetCurrentThread(), &c, &e, &k0, &u0);
        volatile bool done = false;
        std::thread player([&] {
            const DWORD start = GetTickCount();
            for (const Action &a : script) {
                const LONG wait = static_cast<LONG>(start + a.at - GetTickCount());
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

    static Action MoveTo(DWORD at, POINT p) {
        return {at, [p] { SetCursorPos(p.x, p.y); }};
    }
    static Action Press(DWORD at, DWORD flags = MOUSEEVENTF_LEFTDOWN) {
        return {at, [flags] { Button(flags); }};
    }

    // The steps the parent was told of.
    std::vector<rzt::Sent> Steps() const {
        std::vector<rzt::Sent> out = parent_.Commands();
        for (const rzt::Sent &s : out)
            EXPECT_EQ(s.wParam & 0xFFFF, static_cast<WPARAM>(kId));
        return out;
    }

    COLORREF SpinPixel(int x, int y) {
        HDC dc = GetDC(spin_);
        COLORREF c = GetPixel(dc, x, y);
        ReleaseDC(spin_, dc);
        return c;
    }

    rzt::RecordingParent parent_;
    HWND spin_ = nullptr;
};

TEST_F(HeldSpinTest, RepeatsAfter375ThenEvery75WithoutBurningTheProcessor) {
    const double cpu = Play(kUpper, {Press(50), {1250, [] {}}, Press(1250, MOUSEEVENTF_LEFTUP)});
    const std::vector<rzt::Sent> steps = Steps();
    ASSERT_GE(steps.size(), 10u);
    for (const rzt::Sent &s : steps)
        EXPECT_EQ(HIWORD(s.wParam), SPINN_UP);
    const LONG first = static_cast<LONG>(steps[1].tick - steps[0].tick);
    EXPECT_NEAR(first, 375, 15);
    for (size_t i = 2; i < steps.size(); ++i)
        EXPECT_NEAR(static_cast<LONG>(steps[i].tick - steps[i - 1].tick), 75, 15) << "step " << i;
    EXPECT_EQ(SendMessageA(spin_, SPIN_GETPOS, 0, 0), 500 + static_cast<LONG>(steps.size()));
    // About 1.2 s held: a polling loop would use all of it.
    EXPECT_LT(cpu, 150.0) << "ms of processor time while held";
}

TEST_F(HeldSpinTest, OtherHalfSwapsDirectionAndOutsidePauses) {
    COLORREF face = rzt::FaceColour(), pressed = RGB(255 - GetRValue(face), 255 - GetGValue(face), 255 - GetBValue(face));
    COLORREF upperWhileUp = 0, lowerWhileUp = 0, upperWhileDown = 0, lowerWhileDown = 0;
    Play(kUpper, {Press(50),
          {300, [&] { upperWhileUp = SpinPixel(3, 3); lowerWhileUp = SpinPixel(3, 36); }},
          MoveTo(600, kLower),
          {800, [&] { upperWhileDown = SpinPixel(3, 3); lowerWhileDown = SpinPixel(3, 36); }},
          MoveTo(900, kOutside), MoveTo(1400, kLower), Press(1700, MOUSEEVENTF_LEFTUP)});
    EXPECT_EQ(upperWhileUp, pressed);
    EXPECT_EQ(lowerWhileUp, face);
    EXPECT_EQ(upperWhileDown, face);
    EXPECT_EQ(lowerWhileDown, pressed);
    EXPECT_EQ(SpinPixel(3, 3), face);  // released: drawn unpressed
    EXPECT_EQ(SpinPixel(3, 36), face);

    const std::vector<rzt::Sent> steps = Steps();
    ASSERT_GE(steps.size(), 8u);
    size_t i = 0;
    while (i < steps.size() && HIWORD(steps[i].wParam) == SPINN_UP)
        ++i;
    EXPECT_GE(i, 3u);  // 0, 375, 450, 525 ms
    LONG longestPause = 0;
    for (size_t j = i; j < steps.size(); ++j) {
        EXPECT_EQ(HIWORD(steps[j].wParam), SPINN_DOWN);
        if (j > i)
            longestPause = std::max(longestPause, static_cast<LONG>(steps[j].tick - steps[j - 1].tick));
    }
    EXPECT_GE(longestPause, 400);  // nothing while the pointer was outside
    EXPECT_EQ(GetWindowLongA(spin_, 8), 2);
}

TEST_F(HeldSpinTest, DoubleClickStepsOnceThenForwards) {
    Play(kUpper, {Press(50), Press(150, MOUSEEVENTF_LEFTUP), Press(250),
          Press(350, MOUSEEVENTF_LEFTUP)});
    EXPECT_EQ(Steps().size(), 1u);
    size_t forwarded = 0;
    for (const rzt::Sent &s : parent_.sent)
        forwarded += s.msg == SPIN_LBUTTONDBLCLK;
    EXPECT_EQ(forwarded, 1u);
    EXPECT_EQ(SendMessageA(spin_, SPIN_GETPOS, 0, 0), 501);
}

// With swapped buttons the press arrives as WM_LBUTTONDOWN while the
// physical right button is down, and the loop must watch that one.  The
// press is posted (Wine does not swap injected buttons), the button held
// is the real right button.
TEST_F(HeldSpinTest, SwappedButtonsWatchTheRightButton) {
    HWND spin = spin_;
    auto script = [spin] {
        return std::vector<Action>{
            Press(50, MOUSEEVENTF_RIGHTDOWN),
            {200, [spin] { PostMessageA(spin, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 32)); }},
            Press(900, MOUSEEVENTF_RIGHTUP)};
    };
    SwapMouseButton(TRUE);
    Play(kLower, script());
    SwapMouseButton(FALSE);
    std::vector<rzt::Sent> steps = Steps();
    EXPECT_GE(steps.size(), 5u);  // 0, 375, 450, 525, 600, 675 ms after the press
    for (const rzt::Sent &s : steps)
        EXPECT_EQ(HIWORD(s.wParam), SPINN_DOWN);

    parent_.sent.clear();
    Play(kLower, script());  // not swapped: the left button is up, one step
    EXPECT_EQ(Steps().size(), 1u);
}

// A step's notification that takes the press away from the spin ends the
// hold at once: no further step, and the thread dispatches again while the
// button is still down.
VOID CALLBACK CloseMessageBox(HWND, UINT, UINT_PTR timer, DWORD) {
    if (HWND box = FindWindowA("#32770", "rz-hold")) {
        KillTimer(nullptr, timer);
        PostMessageA(box, WM_COMMAND, IDOK, 0);
    }
}

TEST_F(HeldSpinTest, HoldEndsWhenTheSpinLosesThePress) {
    struct Case {
        const char *what;
        std::function<void(HWND spin, HWND parent)> act;
    };
    const Case cases[] = {
        {"destroyed", [](HWND spin, HWND) { DestroyWindow(spin); }},
        {"disabled", [](HWND spin, HWND) { EnableWindow(spin, FALSE); }},
        {"capture taken", [](HWND, HWND parent) { SetCapture(parent); }},
        {"modal message box", [](HWND, HWND parent) {
             SetTimer(nullptr, 0, 150, CloseMessageBox);
             MessageBoxA(parent, "", "rz-hold", MB_OK);
         }},
    };
    for (const Case &k : cases) {
        if (!IsWindow(spin_))
            spin_ = rzt::CreateChild(parent_, REZORE32_SPINCLASS, 0, 10, 10, 20, 40, kId);
        parent_.sent.clear();
        bool fired = false, responsive = false;
        parent_.onCommand = [&](const rzt::Sent &) {
            if (!fired) {
                fired = true;
                k.act(spin_, parent_);
            }
        };
        HWND parent = parent_;
        Play(kUpper, {Press(50),
                      {700, [&] {
                           DWORD_PTR r;
                           responsive = SendMessageTimeoutA(parent, WM_NULL, 0, 0, SMTO_NORMAL, 150, &r) != 0;
                       }},
                      Press(1000, MOUSEEVENTF_LEFTUP)});
        parent_.onCommand = nullptr;
        EXPECT_TRUE(responsive) << k.what;
        EXPECT_EQ(Steps().size(), 1u) << k.what;
        if (GetCapture())
            ReleaseCapture();
        if (IsWindow(spin_))
            EnableWindow(spin_, TRUE);
    }
}

}  // namespace
