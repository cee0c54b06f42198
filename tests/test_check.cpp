// Check button and check mark: record, check state and pictures, text and
// focus rectangle, the button under injected mouse input and the space bar.
// What they share with the plate and clip is tested in test_plate.cpp.
#include <gtest/gtest.h>

#include <string>

#include "tests/support.h"

namespace {

constexpr int kId = 55;
enum : int { kStateSlot = 0, kPictureSlot = 4, kFontSlot = 8 };
enum : LONG { kChecked = 0x01, kTracking = 0x02, kPressed = 0x04, kFocused = 0x08 };

HMODULE Dll() { return GetModuleHandleA("REZORE32.DLL"); }

// Which cell of the strip the control shows (-1: none of them).
int CellShown(HWND w, WORD bitmap) {
    RECT rc;
    GetClientRect(w, &rc);
    rzt::Canvas shot(16, 14, 0), cells(80, 14, 0);
    HDC dc = GetDC(w);
    BitBlt(shot.dc(), 0, 0, 16, 14, dc, 0, rc.bottom / 2 - 7, SRCCOPY);
    ReleaseDC(w, dc);
    HBITMAP strip = LoadBitmapA(Dll(), MAKEINTRESOURCEA(bitmap));
    HDC mem = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(mem, strip);
    BitBlt(cells.dc(), 0, 0, 80, 14, mem, 0, 0, SRCCOPY);
    SelectObject(mem, old);
    DeleteDC(mem);
    DeleteObject(strip);
    for (int cell = 0; cell < 5; ++cell) {
        bool same = true;
        for (int y = 0; y < 14 && same; ++y)
            for (int x = 0; x < 16 && same; ++x)
                same = shot.At(x, y) == cells.At(16 * cell + x, y);
        if (same)
            return cell;
    }
    return -1;
}

struct Class {
    const char *name;
    WORD bitmap;
};
const Class kButton = {REZORE32_CHECKCLASS, REZORE32_IDB_CHECK};
const Class kMark = {REZORE32_MARKCLASS, REZORE32_IDB_MARK};

class CheckTest : public testing::Test {
protected:
    HWND Make(const Class &cls, const char *text = "Check", DWORD style = 0, int w = 120, int h = 20) {
        hwnd_ = CreateWindowExA(0, cls.name, text, WS_CHILD | WS_VISIBLE | style, 10, 10, w, h, parent_,
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(kId)), nullptr, nullptr);
        rzt::Pump();
        return hwnd_;
    }
    LONG State() const { return GetWindowLongA(hwnd_, kStateSlot); }
    LRESULT Checked() const { return SendMessageA(hwnd_, BM_GETCHECK, 0, 0); }
    std::vector<rzt::Sent> Clicks() const {
        std::vector<rzt::Sent> clicks = parent_.Commands();
        for (const rzt::Sent &s : clicks) {
            EXPECT_EQ(s.wParam, static_cast<WPARAM>(MAKEWPARAM(kId, BN_CLICKED)));
            EXPECT_EQ(s.lParam, reinterpret_cast<LPARAM>(hwnd_));
        }
        return clicks;
    }
    rzt::RecordingParent parent_{40, 40, 640, 200};
    HWND hwnd_ = nullptr;
};

TEST_F(CheckTest, RecordAndPictureLifetime) {
    for (const Class &cls : {kButton, kMark}) {
        SCOPED_TRACE(cls.name);
        Make(cls);
        EXPECT_EQ(State(), 0);
        EXPECT_EQ(GetWindowLongA(hwnd_, kFontSlot), 0);
        HBITMAP strip = reinterpret_cast<HBITMAP>(static_cast<LONG_PTR>(GetWindowLongA(hwnd_, kPictureSlot)));
        BITMAP bm = {};
        ASSERT_EQ(GetObjectA(strip, sizeof(bm), &bm), static_cast<int>(sizeof(bm)));
        EXPECT_EQ(bm.bmWidth, 80);
        EXPECT_EQ(bm.bmHeight, 14);
        DestroyWindow(hwnd_);
        EXPECT_EQ(GetObjectType(strip), 0u);
    }
}

TEST_F(CheckTest, CheckStateAndItsPicture) {
    struct Case {
        const Class *cls;
        WPARAM set;
        bool disable;
        LRESULT checked;
        int cell;
    };
    const Case cases[] = {
        {&kButton, 0, false, 0, 2},           {&kButton, 1, false, 1, 0},
        {&kButton, 2, false, 1, 0},           {&kButton, static_cast<WPARAM>(-1), false, 1, 0},
        {&kButton, 1, true, 1, 4},            {&kButton, 0, true, 0, 4},
        {&kMark, 0, false, 0, 2},             {&kMark, 2, false, 1, 0},
        {&kMark, 1, true, 1, 4},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << c.cls->name << " set " << c.set << " disabled " << c.disable);
        Make(*c.cls);
        EXPECT_EQ(SendMessageA(hwnd_, BM_SETCHECK, c.set, 0), 0);
        if (c.disable)
            EnableWindow(hwnd_, FALSE);
        EXPECT_EQ(Checked(), c.checked);
        EXPECT_EQ(CellShown(hwnd_, c.cls->bitmap), c.cell);  // painted before returning
        rzt::Canvas canvas(120, 20, 0);
        rzt::Snapshot(hwnd_, canvas);
        EXPECT_EQ(canvas.At(17, 2), rzt::FaceColour());
        DestroyWindow(hwnd_);
    }
    rzt::Pump();
    EXPECT_TRUE(parent_.sent.empty());  // setting the state never notifies
}

TEST_F(CheckTest, CreatedDisabledLooksEnabledUntilWmEnable) {
    Make(kButton, "Check", WS_DISABLED);
    EXPECT_EQ(State(), 0);
    EXPECT_EQ(CellShown(hwnd_, kButton.bitmap), 2);
    EnableWindow(hwnd_, TRUE);
    EXPECT_EQ(CellShown(hwnd_, kButton.bitmap), 2);
    EnableWindow(hwnd_, FALSE);
    EXPECT_EQ(CellShown(hwnd_, kButton.bitmap), 4);
}

// The first column right of the picture holding a pixel that is not the face.
int FirstInk(HWND w) {
    rzt::Canvas c(120, 20, 0);
    rzt::Snapshot(w, c);
    for (int x = 16; x < 120; ++x)
        for (int y = 0; y < 20; ++y)
            if (c.At(x, y) != rzt::FaceColour())
                return x;
    return -1;
}

TEST_F(CheckTest, TextAt20AndFocusRectangleAroundIt) {
    Make(kButton, "IIII");
    const int text = FirstInk(hwnd_);
    EXPECT_GE(text, 20);
    EXPECT_LE(text, 22);  // the glyph's own bearing
    SetFocus(hwnd_);
    EXPECT_EQ(State(), kFocused);
    EXPECT_EQ(FirstInk(hwnd_), 18);  // 19, inflated by one
    SetFocus(parent_);
    EXPECT_EQ(State(), 0);
    EXPECT_EQ(FirstInk(hwnd_), text);

    Make(kMark, "IIII");
    SendMessageA(hwnd_, WM_SETFOCUS, 0, 0);
    EXPECT_EQ(State(), 0);  // never focused
    EXPECT_EQ(FirstInk(hwnd_), text);
    EXPECT_EQ(SendMessageA(hwnd_, WM_GETDLGCODE, 0, 0), 0);
}

// ---------------------------------------------------------------- input
void Button(DWORD flags) {
    INPUT in = {};
    in.type = INPUT_MOUSE;
    in.mi.dwFlags = flags;
    SendInput(1, &in, sizeof(in));
}

// The button lies at screen (50, 50), 120 x 20.
const POINT kIn = {60, 60}, kAlsoIn = {100, 62}, kOut = {300, 300};

struct Step {
    enum What { kMove, kDown, kUp } what;
    POINT at;
    int cell;  // shown afterwards
};

TEST_F(CheckTest, ButtonUnderTheMouse) {
    struct Case {
        const char *what;
        WPARAM initially;
        std::vector<Step> steps;
        LRESULT checked;
        size_t clicks;
    };
    const Case cases[] = {
        {"click", 0, {{Step::kMove, kIn, 2}, {Step::kDown, kIn, 1}, {Step::kUp, kIn, 0}}, 1, 1},
        {"click when checked", 1, {{Step::kMove, kIn, 0}, {Step::kDown, kIn, 3}, {Step::kUp, kIn, 2}}, 0, 1},
        {"release outside", 0,
         {{Step::kMove, kIn, 2}, {Step::kDown, kIn, 1}, {Step::kMove, kOut, 2}, {Step::kUp, kOut, 2}}, 0, 0},
        {"out and back in", 1,
         {{Step::kMove, kIn, 0}, {Step::kDown, kIn, 3}, {Step::kMove, kOut, 0}, {Step::kMove, kAlsoIn, 3},
          {Step::kUp, kAlsoIn, 2}},
         0, 1},
    };
    SetForegroundWindow(parent_);
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        Make(kButton);
        SendMessageA(hwnd_, BM_SETCHECK, c.initially, 0);
        parent_.sent.clear();
        for (const Step &s : c.steps) {
            SetCursorPos(s.at.x, s.at.y);
            rzt::Pump(100);  // the pointer settled before a press
            if (s.what != Step::kMove)
                Button(s.what == Step::kDown ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP);
            rzt::Pump(100);
            EXPECT_EQ(CellShown(hwnd_, kButton.bitmap), s.cell) << "after step at " << s.at.x << "," << s.at.y;
        }
        EXPECT_EQ(Checked(), c.checked);
        EXPECT_EQ(Clicks().size(), c.clicks);
        EXPECT_EQ(State() & (kTracking | kPressed), 0);
        EXPECT_EQ(GetCapture(), nullptr);
        DestroyWindow(hwnd_);
    }
}

TEST_F(CheckTest, HoverRepaintsOnlyWhenCrossingTheEdge) {
    Make(kButton);
    SendMessageA(hwnd_, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    auto scribble = [this] {
        HDC dc = GetDC(hwnd_);
        RECT r = {0, 0, 16, 20};
        FillRect(dc, &r, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
        ReleaseDC(hwnd_, dc);
    };
    scribble();
    SendMessageA(hwnd_, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(40, 8));
    EXPECT_EQ(CellShown(hwnd_, kButton.bitmap), -1);  // not repainted
    SendMessageA(hwnd_, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(-3, 8));  // left of it: outside
    EXPECT_EQ(CellShown(hwnd_, kButton.bitmap), 2);
    scribble();
    SendMessageA(hwnd_, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(130, 8));
    EXPECT_EQ(CellShown(hwnd_, kButton.bitmap), -1);
    SendMessageA(hwnd_, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(0, 0));
    EXPECT_EQ(CellShown(hwnd_, kButton.bitmap), 1);
    ReleaseCapture();
}

TEST_F(CheckTest, ClickIsPostedAfterTheStateIsStored) {
    Make(kButton);
    parent_.sent.clear();
    SendMessageA(hwnd_, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    EXPECT_EQ(State(), kTracking | kPressed | kFocused);
    EXPECT_EQ(GetCapture(), hwnd_);
    SendMessageA(hwnd_, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    EXPECT_EQ(State(), kFocused | kChecked);
    EXPECT_TRUE(parent_.sent.empty());  // posted, not sent
    MSG m;
    ASSERT_TRUE(PeekMessageA(&m, parent_, WM_COMMAND, WM_COMMAND, PM_NOREMOVE));
    rzt::Pump();
    EXPECT_EQ(Clicks().size(), 1u);

    // A button without a parent posts nothing, not even to the thread.
    HWND lone = CreateWindowExA(0, REZORE32_CHECKCLASS, "", WS_POPUP, 0, 0, 50, 20, nullptr, nullptr, nullptr,
                                nullptr);
    SendMessageA(lone, WM_LBUTTONDOWN, 0, 0);
    SendMessageA(lone, WM_LBUTTONUP, 0, 0);
    EXPECT_EQ(SendMessageA(lone, BM_GETCHECK, 0, 0), 1);
    EXPECT_FALSE(PeekMessageA(&m, reinterpret_cast<HWND>(-1), WM_COMMAND, WM_COMMAND, PM_NOREMOVE));
    DestroyWindow(lone);
}

TEST_F(CheckTest, SpaceBarTogglesOnceAtTheRelease) {
    Make(kButton);
    SetFocus(hwnd_);
    parent_.sent.clear();
    for (int i = 0; i < 4; ++i)  // the first press and three auto-repeats
        SendMessageA(hwnd_, WM_KEYDOWN, VK_SPACE, i ? 0x40000001 : 1);
    EXPECT_EQ(Checked(), 0);
    EXPECT_EQ(CellShown(hwnd_, kButton.bitmap), 1);
    SendMessageA(hwnd_, WM_KEYUP, VK_SPACE, 0xC0000001);
    rzt::Pump();
    EXPECT_EQ(Checked(), 1);
    EXPECT_EQ(Clicks().size(), 1u);
    EXPECT_EQ(SendMessageA(hwnd_, WM_GETDLGCODE, 0, 0), DLGC_BUTTON);
}

TEST_F(CheckTest, LosingTheFocusEndsAPressWithoutToggling) {
    Make(kButton);
    SendMessageA(hwnd_, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    SetFocus(parent_);
    EXPECT_EQ(State(), 0);
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_EQ(CellShown(hwnd_, kButton.bitmap), 2);
    SendMessageA(hwnd_, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));  // no longer tracking
    rzt::Pump();
    EXPECT_EQ(Checked(), 0);
    EXPECT_TRUE(parent_.Commands().empty());
}

TEST_F(CheckTest, MarkIgnoresMouseAndKeys) {
    Make(kMark);
    SendMessageA(hwnd_, BM_SETCHECK, 1, 0);
    SetForegroundWindow(parent_);
    SetCursorPos(kIn.x, kIn.y);
    rzt::Pump(60);
    Button(MOUSEEVENTF_LEFTDOWN);
    Button(MOUSEEVENTF_LEFTUP);
    SendMessageA(hwnd_, WM_LBUTTONDOWN, MK_LBUTTON, 0);
    SendMessageA(hwnd_, WM_LBUTTONUP, 0, 0);
    SendMessageA(hwnd_, WM_KEYDOWN, VK_SPACE, 1);
    SendMessageA(hwnd_, WM_KEYUP, VK_SPACE, 0xC0000001);
    rzt::Pump(60);
    EXPECT_EQ(State(), kChecked);
    EXPECT_NE(GetFocus(), hwnd_);
    EXPECT_TRUE(parent_.Commands().empty());
    EXPECT_EQ(CellShown(hwnd_, kMark.bitmap), 0);
}

TEST_F(CheckTest, PaintsWithoutItsPictureWhenTheStripIsMissing) {
    Make(kButton, "IIII");
    HBITMAP strip = reinterpret_cast<HBITMAP>(static_cast<LONG_PTR>(GetWindowLongA(hwnd_, kPictureSlot)));
    SetWindowLongA(hwnd_, kPictureSlot, 0);  // as after a failed load
    DeleteObject(strip);
    RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    rzt::Canvas c(120, 20, 0);
    rzt::Snapshot(hwnd_, c);
    EXPECT_EQ(rzt::Join(rzt::Grid(c, {{rzt::FaceColour(), '.'}}, 0, 0, 16, 20)),
              rzt::Join(std::vector<std::string>(20, std::string(16, '.'))));
    EXPECT_GE(FirstInk(hwnd_), 20);  // the text is still there
    EXPECT_LE(FirstInk(hwnd_), 22);
    DestroyWindow(hwnd_);
}

}  // namespace
