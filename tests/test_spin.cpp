// Spin control: record, messages, step rules, keyboard, double clicks and
// painting.
#include <gtest/gtest.h>

#include "tests/support.h"

namespace {

constexpr int kId = 321;

// Window extra bytes of the spin.
enum : int { kRangeSlot = 0, kPosSlot = 4, kHalfSlot = 8, kBitmapSlot = 12, kStateSlot = 16 };

class SpinTest : public testing::Test {
protected:
    HWND Spin(DWORD style = 0, int w = 20, int h = 30) {
        spin_ = rzt::CreateChild(parent_, REZORE32_SPINCLASS, style, 10, 10, w, h, kId);
        return spin_;
    }
    LONG Slot(int index) const { return GetWindowLongA(spin_, index); }
    void Key(WPARAM vk) { SendMessageA(spin_, WM_KEYDOWN, vk, 0); }
    LRESULT Pos() const { return SendMessageA(spin_, SPIN_GETPOS, 0, 0); }
    // Codes of the WM_COMMANDs the parent received, checked for id and handle.
    std::vector<int> Codes() const {
        std::vector<int> codes;
        for (const rzt::Sent &s : parent_.Commands()) {
            EXPECT_EQ(LOWORD(s.wParam), kId);
            EXPECT_EQ(s.lParam, reinterpret_cast<LPARAM>(spin_));
            codes.push_back(HIWORD(s.wParam));
        }
        return codes;
    }
    rzt::RecordingParent parent_;
    HWND spin_ = nullptr;
};

TEST_F(SpinTest, CreatedRecord) {
    Spin();
    EXPECT_EQ(Slot(kRangeSlot), 0x10000);
    EXPECT_EQ(Slot(kPosSlot), 0);
    EXPECT_EQ(Slot(kHalfSlot), 0);
    EXPECT_EQ(Slot(kStateSlot), 0);
    HBITMAP arrows = reinterpret_cast<HBITMAP>(static_cast<LONG_PTR>(Slot(kBitmapSlot)));
    BITMAP bm = {};
    ASSERT_EQ(GetObjectA(arrows, sizeof(bm), &bm), static_cast<int>(sizeof(bm)));
    EXPECT_EQ(bm.bmWidth, 36);
    EXPECT_EQ(bm.bmHeight, 9);
    EXPECT_EQ(SendMessageA(spin_, SPIN_GETRANGE, 0, 0), 0x10000);
    DestroyWindow(spin_);
    EXPECT_EQ(GetObjectType(arrows), 0u);  // the bitmap goes with the window
}

TEST_F(SpinTest, RangeAndPositionAreStoredUnchecked) {
    Spin();
    EXPECT_EQ(SendMessageA(spin_, SPIN_SETRANGE, static_cast<WPARAM>(-7), MAKELONG(3, 9)), 0);
    EXPECT_EQ(Slot(kRangeSlot), MAKELONG(3, 9));
    EXPECT_EQ(Pos(), -7);
    EXPECT_EQ(SendMessageA(spin_, SPIN_SETPOS, 1000, 0), 0);
    EXPECT_EQ(Pos(), 1000);
    EXPECT_TRUE(parent_.sent.empty());  // neither message notifies
}

struct StepCase {
    const char *what;
    DWORD style;
    LONG range;
    LONG start;
    WPARAM key;
    LONG expected;
    int code;  // 0: no notification
};

TEST_F(SpinTest, StepRules) {
    const StepCase cases[] = {
        {"up within range", 0, MAKELONG(0, 1), 0, VK_UP, 1, SPINN_UP},
        {"up wraps to minimum", 0, MAKELONG(0, 1), 1, VK_UP, 0, SPINN_UP},
        {"down wraps to maximum", 0, MAKELONG(0, 1), 0, VK_DOWN, 1, SPINN_DOWN},
        {"up stops at maximum", SPINS_NOWRAP, MAKELONG(0, 1), 1, VK_UP, 1, 0},
        {"down stops at minimum", SPINS_NOWRAP, MAKELONG(0, 1), 0, VK_DOWN, 0, 0},
        {"down from above lands on maximum", 0, MAKELONG(0, 5), 10, VK_DOWN, 5, SPINN_DOWN},
        {"down from above, no wrap", SPINS_NOWRAP, MAKELONG(0, 5), 10, VK_RIGHT, 5, SPINN_DOWN},
        {"up from above wraps", 0, MAKELONG(0, 5), 10, VK_UP, 0, SPINN_UP},
        {"up from above, no wrap stays", SPINS_NOWRAP, MAKELONG(0, 5), 10, VK_LEFT, 10, 0},
        {"up from below the minimum", 0, MAKELONG(5, 9), -3, VK_UP, -2, SPINN_UP},
        {"down from below wraps to maximum", 0, MAKELONG(5, 9), -3, VK_DOWN, 9, SPINN_DOWN},
        {"limits are unsigned 16-bit", 0, static_cast<LONG>(0xFFFF8000), 65534, VK_UP, 65535, SPINN_UP},
        {"top of the unsigned range wraps", 0, static_cast<LONG>(0xFFFF8000), 65535, VK_UP, 32768, SPINN_UP},
        {"down above the minimum", 0, static_cast<LONG>(0xFFFF8000), 40000, VK_DOWN, 39999, SPINN_DOWN},
        {"left steps up", 0, MAKELONG(0, 9), 4, VK_LEFT, 5, SPINN_UP},
        {"right steps down", 0, MAKELONG(0, 9), 4, VK_RIGHT, 3, SPINN_DOWN},
        {"equal limits, wrap is no change", 0, MAKELONG(4, 4), 4, VK_UP, 4, 0},
    };
    for (const StepCase &t : cases) {
        SCOPED_TRACE(t.what);
        Spin(t.style);
        SendMessageA(spin_, SPIN_SETRANGE, static_cast<WPARAM>(t.start), t.range);
        parent_.sent.clear();
        Key(t.key);
        EXPECT_EQ(Pos(), t.expected);
        EXPECT_EQ(Codes(), t.code ? std::vector<int>{t.code} : std::vector<int>{});
        const bool up = t.key == VK_UP || t.key == VK_LEFT;
        EXPECT_EQ(Slot(kHalfSlot), up ? 1 : 2);  // set whether or not the value changed
        DestroyWindow(spin_);
    }
}

TEST_F(SpinTest, SetPosNotifiesOnlyWithCodeOneOrTwo) {
    Spin();
    for (LPARAM code : {0, 3, -1})
        SendMessageA(spin_, SPIN_SETPOS, 1, code);
    EXPECT_TRUE(Codes().empty());
    SendMessageA(spin_, SPIN_SETPOS, 1, SPINN_DOWN);  // same value, still told
    SendMessageA(spin_, SPIN_SETPOS, 0, SPINN_UP);
    EXPECT_EQ(Codes(), (std::vector<int>{SPINN_DOWN, SPINN_UP}));
}

TEST_F(SpinTest, KeyboardAndDialogCode) {
    Spin();
    EXPECT_EQ(SendMessageA(spin_, WM_GETDLGCODE, 0, 0), DLGC_WANTARROWS);
    for (WPARAM other : {static_cast<WPARAM>(VK_SPACE), static_cast<WPARAM>(VK_RETURN),
                         static_cast<WPARAM>(VK_PRIOR), static_cast<WPARAM>('A')})
        EXPECT_EQ(SendMessageA(spin_, WM_KEYDOWN, other, 0), 0);
    EXPECT_EQ(Pos(), 0);
    EXPECT_EQ(Slot(kHalfSlot), 0);
    EXPECT_TRUE(parent_.sent.empty());
}

TEST_F(SpinTest, DoubleClicksGoToTheParent) {
    Spin();
    parent_.answerDoubleClick = 0x5A5A;
    EXPECT_EQ(SendMessageA(spin_, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(3, 4)), 0x5A5A);
    EXPECT_EQ(SendMessageA(spin_, WM_RBUTTONDBLCLK, MK_RBUTTON, MAKELPARAM(5, 6)), 0x5A5A);
    const std::vector<rzt::Sent> expected = {
        {SPIN_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(3, 4), 0},
        {SPIN_RBUTTONDBLCLK, MK_RBUTTON, MAKELPARAM(5, 6), 0},
    };
    EXPECT_EQ(parent_.sent, expected);
    EXPECT_EQ(Pos(), 0);  // a forwarded double click does not step
}

TEST_F(SpinTest, DoubleClickWithoutParentGoesToDefWindowProc) {
    HWND lone = CreateWindowExA(0, REZORE32_SPINCLASS, "", WS_POPUP, 0, 0, 20, 20, nullptr, nullptr, nullptr, nullptr);
    EXPECT_EQ(SendMessageA(lone, WM_LBUTTONDBLCLK, 0, 0), 0);
    EXPECT_EQ(SendMessageA(lone, WM_RBUTTONDBLCLK, 0, 0), 0);
    DestroyWindow(lone);
}

TEST_F(SpinTest, FocusSetsTheStateBit) {
    Spin();
    SetFocus(spin_);
    EXPECT_EQ(Slot(kStateSlot), 1);
    SetFocus(parent_);
    EXPECT_EQ(Slot(kStateSlot), 0);
}

TEST_F(SpinTest, SysColorChangeGoesOnToDefWindowProc) {
    Spin();
    EXPECT_EQ(SendMessageA(spin_, WM_SYSCOLORCHANGE, 0, 0), 0);
    EXPECT_NE(Get3DFaceBrush(), nullptr);
}

TEST_F(SpinTest, MouseStepWithTheCursorOutsideDoesNothing) {
    Spin();
    SetCursorPos(0, 700);
    EXPECT_EQ(SendMessageA(spin_, SPIN_STEP, 0, 0), 0);
    EXPECT_EQ(Pos(), 0);
    EXPECT_EQ(Slot(kHalfSlot), 0);
}

// A press that arrives while no button is down (sent, not clicked) steps
// once from where the cursor is and lets go of the mouse at once.
TEST_F(SpinTest, PressWithoutAHeldButtonEndsAtOnce) {
    Spin();
    POINT upper = {5, 5};
    ClientToScreen(spin_, &upper);
    SetCursorPos(upper.x, upper.y);
    rzt::Pump(100);
    EXPECT_EQ(SendMessageA(spin_, WM_LBUTTONDOWN, 0, static_cast<LPARAM>(0xFFFFFFFF)), 0);
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_EQ(Codes(), std::vector<int>{SPINN_UP});
    EXPECT_EQ(Slot(kHalfSlot), 1);  // pressed as lower (y 65535), stepped as upper
    EXPECT_EQ(GetFocus(), spin_);
}

TEST_F(SpinTest, OddSizesAndMessagesDoNotCrash) {
    for (SIZE size : {SIZE{0, 0}, SIZE{1, 1}, SIZE{3, 200}, SIZE{200, 3}}) {
        for (DWORD style : {0ul, static_cast<unsigned long>(SPINS_HORZ | SPINS_LRARROWS)}) {
            Spin(style, size.cx, size.cy);
            SetFocus(spin_);
            RedrawWindow(spin_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
            Key(VK_DOWN);
            SendMessageA(spin_, SPIN_STEP, 0x1234, -1);
            SendMessageA(spin_, WM_ENABLE, FALSE, 0);
            DestroyWindow(spin_);
        }
    }
    // A spin whose bitmap is gone paints without glyphs.
    Spin();
    DeleteObject(reinterpret_cast<HBITMAP>(static_cast<LONG_PTR>(Slot(kBitmapSlot))));
    SetWindowLongA(spin_, kBitmapSlot, 0);
    RedrawWindow(spin_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

// ---------------------------------------------------------------- painting
// The legend of spin pictures: face '.', black '#', light 'L', dark 'D'.
std::vector<rzt::Legend> SpinColours() {
    return {{rzt::FaceColour(), '.'}, {RGB(0, 0, 0), '#'}, {rzt::Light(), 'L'}, {rzt::Dark(), 'D'}};
}

std::string Picture(HWND spin, int w, int h) {
    RedrawWindow(spin, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    rzt::Canvas c(w, h, RGB(1, 2, 3));
    rzt::Snapshot(spin, c);
    return rzt::Join(rzt::Grid(c, SpinColours()));
}

TEST_F(SpinTest, PaintsVertical) {
    // HW 7, HH 12: up glyph at (3, 2), down glyph at (3, 15); the first
    // half's bevel ends on row 11, the divider is row 12.
    Spin(0, 14, 24);
    EXPECT_EQ(Picture(spin_, 14, 24), rzt::Join({
        "LLLLLLLLLLLLLL",
        "L............D",
        "L............D",
        "L......#.....D",
        "L.....###....D",
        "L.....###....D",
        "L....#####...D",
        "L....#####...D",
        "L...#######..D",
        "L...#######..D",
        "L............D",
        "DDDDDDDDDDDDDD",
        "##############",
        "LLLLLLLLLLLLLD",
        "L............D",
        "L............D",
        "L...#######..D",
        "L...#######..D",
        "L....#####...D",
        "L....#####...D",
        "L.....###....D",
        "L.....###....D",
        "L......#.....D",
        "DDDDDDDDDDDDDD",
    }));
}

TEST_F(SpinTest, PaintsHorizontalWithLeftRightArrowsAndFocus) {
    // HW 13, HH 6, focused (inset 2, edge 1): left glyph at (2, 2), right
    // glyph at (16, 2), divider column 13, black outline all round.
    Spin(SPINS_HORZ | SPINS_LRARROWS, 26, 13);
    SetFocus(spin_);
    EXPECT_EQ(Picture(spin_, 26, 13), rzt::Join({
        "##########################",
        "#LLLLLLLLLLL.#.LLLLLLLLLL#",
        "#L..........D#.L........D#",
        "#L......##..D#.L.##.....D#",
        "#L....####..D#.L.####...D#",
        "#L..######..D#.L.######.D#",
        "#L.#######..D#.L.#######D#",
        "#L..######..D#.L.######.D#",
        "#L....####..D#.L.####...D#",
        "#L......##..D#.L.##.....D#",
        "#L..........D#.L........D#",
        "#DDDDDDDDDDDD#.DDDDDDDDDD#",
        "##########################",
    }));
}

}  // namespace
