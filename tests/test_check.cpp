// Check button and check mark: check state and pictures, text and focus
// rectangle, the button under injected mouse input, sent presses and keys.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "tests/support.h"

namespace {

constexpr int kId = 55;
enum : LONG { kChecked = CHECK_STATE_CHECKED, kFocused = CHECK_STATE_FOCUSED, kDisabled = CHECK_STATE_DISABLED };

class CheckTest : public testing::Test {
protected:
    HWND Make(const char *cls, const char *text = "Check", DWORD style = 0) {
        hwnd_ = CreateWindowExA(0, cls, text, WS_CHILD | WS_VISIBLE | style, 10, 10, 120, 20, parent_,
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(kId)), nullptr, nullptr);
        mark_ = !lstrcmpiA(cls, REZORE32_MARKCLASS);
        rzt::Pump();
        return hwnd_;
    }
    LONG State() const { return GetWindowLongA(hwnd_, CHECK_GWL_STATE); }
    // Which cell of its strip the control shows, centred on its height: '0'
    // checked, '1' unchecked held, '2' unchecked, '3' checked held, '4'
    // disabled, '?' none.
    char Shown() const {
        rzt::Canvas shot(16, 17, 0);
        rzt::Snapshot(hwnd_, shot);
        HDC mem = CreateCompatibleDC(nullptr);
        HGDIOBJ old = SelectObject(mem, LoadBitmapA(GetModuleHandleA("REZORE32.DLL"),
                                                    MAKEINTRESOURCEA(mark_ ? REZORE32_IDB_MARK : REZORE32_IDB_CHECK)));
        char shown = '?';
        for (int cell = 0, i = 0; cell < 5 && shown == '?'; ++cell, i = 0) {
            while (i < 16 * 14 && shot.At(i % 16, 3 + i / 16) == GetPixel(mem, 16 * cell + i % 16, i / 16))
                ++i;
            shown = i == 16 * 14 ? static_cast<char>('0' + cell) : '?';
        }
        DeleteObject(SelectObject(mem, old));
        DeleteDC(mem);
        return shown;
    }
    // The first column right of the picture holding a pixel that is not the face.
    int FirstInk() const {
        const std::vector<std::string> g = rzt::ClientGrid(hwnd_, {{rzt::FaceColour(), '.'}});
        for (int x = 16; x < 120; ++x)
            for (const std::string &row : g)
                if (row[x] != '.')
                    return x;
        return -1;
    }
    size_t Clicks() const {
        for (const rzt::Sent &s : parent_.Commands())
            EXPECT_TRUE(s.wParam == MAKEWPARAM(kId, BN_CLICKED) && s.lParam == reinterpret_cast<LPARAM>(hwnd_));
        return parent_.Commands().size();
    }
    rzt::RecordingParent parent_{40, 40, 640, 200};
    HWND hwnd_ = nullptr;
    bool mark_ = false;
};

// The state set, then a script of steps, each followed by the cell shown:
// disabled (x); the pointer moved in (i, or a second place a), out (o); the
// button pressed (D) or released (U).  The button lies at screen (50, 50),
// 120 x 20.  Setting the state never notifies, and paints before returning.
TEST_F(CheckTest, StateScriptsAndTheirPictures) {
    struct Case { const char *what, *cls; WPARAM initially; const char *script, *cells; LONG state; size_t clicks; };
    const Case cases[] = {
        {"unchecked", REZORE32_CHECKCLASS, 0, "", "2", 0, 0},
        {"checked", REZORE32_CHECKCLASS, 1, "", "0", kChecked, 0},
        {"2 checks", REZORE32_CHECKCLASS, 2, "", "0", kChecked, 0},
        {"-1 checks", REZORE32_CHECKCLASS, static_cast<WPARAM>(-1), "", "0", kChecked, 0},
        {"disabled checked", REZORE32_CHECKCLASS, 1, "x", "04", kChecked | kDisabled, 0},
        {"disabled unchecked", REZORE32_CHECKCLASS, 0, "x", "24", kDisabled, 0},
        {"mark unchecked", REZORE32_MARKCLASS, 0, "", "2", 0, 0},
        {"mark checked by 2", REZORE32_MARKCLASS, 2, "", "0", kChecked, 0},
        {"mark disabled", REZORE32_MARKCLASS, 1, "x", "04", kChecked | kDisabled, 0},
        {"click", REZORE32_CHECKCLASS, 0, "iDU", "2210", kFocused | kChecked, 1},
        {"click when checked", REZORE32_CHECKCLASS, 1, "iDU", "0032", kFocused, 1},
        {"release outside", REZORE32_CHECKCLASS, 0, "iDoU", "22122", kFocused, 0},
        {"out and back in", REZORE32_CHECKCLASS, 1, "iDoaU", "003032", kFocused, 1},
        {"the mark ignores it", REZORE32_MARKCLASS, 1, "iDU", "0000", kChecked, 0},
    };
    SetForegroundWindow(parent_);
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        Make(c.cls);
        EXPECT_EQ(State() | GetWindowLongA(hwnd_, CHECK_GWL_FONT), 0);
        parent_.sent.clear();
        EXPECT_EQ(SendMessageA(hwnd_, BM_SETCHECK, c.initially, 0), 0);
        std::string cells(1, Shown());
        for (const char *s = c.script; *s; ++s) {
            if (*s == 'x')
                EnableWindow(hwnd_, FALSE);
            else if (*s == 'D' || *s == 'U')
                rzt::Mouse(*s == 'D' ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP, {}, 100);
            else  // settled before a press
                rzt::MoveCursor(*s == 'i' ? POINT{60, 60} : *s == 'a' ? POINT{100, 62} : POINT{300, 300}, 100);
            cells += Shown();
        }
        rzt::Pump();
        EXPECT_EQ(cells, c.cells);
        EXPECT_EQ(State(), c.state);
        EXPECT_EQ(SendMessageA(hwnd_, BM_GETCHECK, 0, 0), c.state & kChecked);
        EXPECT_EQ(Clicks(), c.clicks);
        EXPECT_EQ(GetCapture(), nullptr);
        DestroyWindow(hwnd_);
    }
    Make(REZORE32_CHECKCLASS, "Check", WS_DISABLED);  // looks enabled until WM_ENABLE says otherwise
    EXPECT_EQ(Shown(), '2');
}

TEST_F(CheckTest, TextAt20AndFocusRectangleAroundIt) {
    Make(REZORE32_CHECKCLASS, "IIII");
    const int text = FirstInk();
    EXPECT_GE(text, 20);
    EXPECT_LE(text, 22);  // the glyph's own bearing
    SetFocus(hwnd_);
    EXPECT_EQ(State(), kFocused);
    EXPECT_EQ(FirstInk(), 18);  // 19, inflated by one
    SetFocus(parent_);
    EXPECT_EQ(State(), 0);
    EXPECT_EQ(FirstInk(), text);
    // Without its picture (a failed load) the text still shows, and nothing left of it.
    DeleteObject(reinterpret_cast<HGDIOBJ>(static_cast<LONG_PTR>(SetWindowLongA(hwnd_, CHECK_GWL_PICTURE, 0))));
    rzt::Redraw(hwnd_);
    for (const std::string &row : rzt::ClientGrid(hwnd_, {{rzt::FaceColour(), '.'}}))
        EXPECT_EQ(row.substr(0, 16), std::string(16, '.'));
    EXPECT_EQ(FirstInk(), text);
    Make(REZORE32_MARKCLASS, "IIII");
    SendMessageA(hwnd_, WM_SETFOCUS, 0, 0);
    EXPECT_EQ(State(), 0);  // never focused
    EXPECT_EQ(FirstInk(), text);
}

// Sent presses, moves and keys, step by step: the cell shown, the state
// flags, whether the mouse is captured, and the clicks posted.
TEST_F(CheckTest, SentPressesMovesKeysAndFocus) {
    Make(REZORE32_CHECKCLASS);
    auto send = [hwnd = hwnd_](UINT msg, WPARAM wParam, LPARAM lParam) {
        return [=] { SendMessageA(hwnd, msg, wParam, lParam); };
    };
    // Before a move that stays on its side of the edge the picture is
    // scribbled over: the move does not repaint.  Left of the control is outside.
    auto scribble = [hwnd = hwnd_](LPARAM at) {
        return [=] {
            HDC dc = GetDC(hwnd);
            PatBlt(dc, 0, 0, 16, 20, BLACKNESS);
            ReleaseDC(hwnd, dc);
            SendMessageA(hwnd, WM_MOUSEMOVE, MK_LBUTTON, at);
        };
    };
    const std::pair<const char *, std::function<void()>> steps[] = {
        {"1 e C 0", send(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5))},
        {"? e C 0", scribble(MAKELPARAM(40, 8))},
        {"2 a C 0", send(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(-3, 8))},
        {"? a C 0", scribble(MAKELPARAM(130, 8))},
        {"1 e C 0", send(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(0, 0))},
        {"0 9 - 0", send(WM_LBUTTONUP, 0, MAKELPARAM(5, 5))},  // the click is posted, not sent
        {"3 f C 1", send(WM_KEYDOWN, VK_SPACE, 1)},            // the space bar is a press at (0, 0)
        {"3 f C 1", send(WM_KEYDOWN, VK_SPACE, 0x40000001)},   // its repeats are not
        {"2 8 - 1", send(WM_KEYUP, VK_SPACE, 0xC0000001)},
        {"1 e C 2", send(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5))},
        {"2 0 - 2", [this] { SetFocus(parent_); }},  // losing the focus ends a press without a toggle
        {"2 0 - 2", send(WM_LBUTTONUP, 0, MAKELPARAM(5, 5))},
    };
    for (const auto &step : steps) {
        step.second();
        char status[32];
        wsprintfA(status, "%c %lx %c %u", Shown(), State(), GetCapture() == hwnd_ ? 'C' : '-',
                  static_cast<unsigned>(Clicks()));
        rzt::Pump();
        EXPECT_STREQ(status, step.first);
    }
    EXPECT_EQ(Clicks(), 2u);
    // The mark ignores presses and keys; a button without a parent posts
    // nothing, not even to the thread.
    HWND lone = CreateWindowExA(0, REZORE32_CHECKCLASS, "", WS_POPUP, 0, 0, 50, 20, nullptr, nullptr, nullptr, nullptr);
    for (HWND w : {Make(REZORE32_MARKCLASS), lone})
        for (UINT msg : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_KEYDOWN, WM_KEYUP})
            SendMessageA(w, msg, msg == WM_KEYDOWN || msg == WM_KEYUP ? VK_SPACE : 0, 0);
    EXPECT_EQ(State(), 0);
    EXPECT_EQ(SendMessageA(lone, BM_GETCHECK, 0, 0), 0);  // toggled twice
    MSG m;
    EXPECT_FALSE(PeekMessageA(&m, reinterpret_cast<HWND>(-1), WM_COMMAND, WM_COMMAND, PM_NOREMOVE));
    rzt::Pump();
    EXPECT_EQ(parent_.Commands().size(), 2u);
    DestroyWindow(lone);
}

}  // namespace
