// Plate and clip: frames for each choice of style bits, the relief text and
// its alignment, text changes through the Static class, the enabled state.
// Then what they and the check controls do alike: double clicks, fonts, the
// 127-byte text and bad input.
#include <gtest/gtest.h>

#include <functional>

#include <cstring>
#include <string>

#include "tests/support.h"

namespace {

int StaticExtra() {
    WNDCLASSA wc = {};
    GetClassInfoA(nullptr, "Static", &wc);
    return wc.cbWndExtra;
}

class PlateTest : public testing::Test {
protected:
    ~PlateTest() override { DeleteObject(font_); }
    // With a font drawn without smoothing, so that text pixels are black or white.
    HWND Make(const char *cls, DWORD style, const char *text = "", int w = 60, int h = 40, int y = 10) {
        HWND hwnd = CreateWindowExA(0, cls, text, WS_CHILD | WS_VISIBLE | style, 10, y, w, h, parent_,
                                    reinterpret_cast<HMENU>(static_cast<INT_PTR>(66)), nullptr, nullptr);
        SendMessageA(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font_), TRUE);
        rzt::Pump();
        return hwnd;
    }
    // The client area as characters: L highlight, D shadow, '.' face,
    // B black, W white (a white highlight reads as L), '?' anything else.
    static std::vector<std::string> Picture(HWND hwnd) {
        RECT rc;
        GetClientRect(hwnd, &rc);
        rzt::Canvas c(rc.right, rc.bottom, RGB(1, 2, 3));
        rzt::Snapshot(hwnd, c);
        return rzt::Grid(c, {{GetSysColor(COLOR_BTNHIGHLIGHT), 'L'},
                             {GetSysColor(COLOR_BTNSHADOW), 'D'},
                             {rzt::FaceColour(), '.'},
                             {RGB(0, 0, 0), 'B'},
                             {RGB(255, 255, 255), 'W'}});
    }
    rzt::RecordingParent parent_{40, 40, 640, 200};
    HFONT font_ = CreateFontA(-13, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, NONANTIALIASED_QUALITY, 0,
                              "Arial");
};

// Corners of a picture, four by four, rows joined by '/'.
std::string Corner(const std::vector<std::string> &p, bool topRight) {
    std::string out;
    const int x = topRight ? static_cast<int>(p[0].size()) - 4 : 0, y = topRight ? 0 : static_cast<int>(p.size()) - 4;
    for (int r = y; r < y + 4; ++r)
        out += (r > y ? "/" : "") + p[r].substr(x, 4);
    return out;
}

TEST_F(PlateTest, FrameForEachChoice) {
    struct Case {
        const char *cls;
        DWORD style;
        const char *topRight, *bottomLeft;
    };
    const Case cases[] = {
        {REZORE32_PLATECLASS, 0, "LLLD/...D/...D/...D", "L.../L.../L.../LDDD"},
        {REZORE32_PLATECLASS, PLATES_SUNKEN, "DDDL/...L/...L/...L", "D.../D.../D.../DLLL"},
        {REZORE32_PLATECLASS, PLATES_SUNKENDEEP, "DDDL/DDLL/..LL/..LL", "DD../DD../DDLL/DLLL"},
        {REZORE32_PLATECLASS, PLATES_RAISEDDEEP, "LLLD/LLDD/..DD/..DD", "LL../LL../LLDD/LDDD"},
        {REZORE32_PLATECLASS, PLATES_SUNKEN | PLATES_RAISEDDEEP, "DDDL/...L/...L/...L", "D.../D.../D.../DLLL"},
        {REZORE32_CLIPCLASS, 0, "LLLD/DDLD/..LD/..LD", "LD../LD../LDLL/LDDD"},
        {REZORE32_CLIPCLASS, CLIPS_ETCHED, "DDDL/LLDL/..DL/..DL", "DL../DL../DLDD/DLLL"},
        {REZORE32_CLIPCLASS, CLIPS_ETCHEDWIDE, "DDDL/...L/LD.L/.D.L", "D.L./D.LD/D.../DLLL"},
        {REZORE32_CLIPCLASS, CLIPS_BUMPWIDE, "LLLD/...D/DL.D/.L.D", "L.D./L.DL/L.../LDDD"},
        {REZORE32_CLIPCLASS, CLIPS_ETCHEDWIDE | CLIPS_BUMPWIDE, "DDDL/...L/LD.L/.D.L", "D.L./D.LD/D.../DLLL"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << c.cls << " style " << std::hex << c.style);
        HWND hwnd = Make(c.cls, c.style);
        const std::vector<std::string> p = Picture(hwnd);
        EXPECT_EQ(Corner(p, true), c.topRight);
        EXPECT_EQ(Corner(p, false), c.bottomLeft);
        EXPECT_EQ(p[20][30], '.');  // the face
        // The look follows the style at the next paint.
        SetWindowLongA(hwnd, GWL_STYLE, GetWindowLongA(hwnd, GWL_STYLE) ^ (c.style ? c.style : PLATES_SUNKEN));
        RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        EXPECT_NE(Corner(Picture(hwnd), true), c.topRight);
        DestroyWindow(hwnd);
    }
}

// The text in relief is the flat text with a white copy one pixel right
// and below, the black drawn over the white.
TEST_F(PlateTest, ReliefIsTheFlatTextWithAWhiteCopyBelowRight) {
    for (const char *cls : {REZORE32_PLATECLASS, REZORE32_CLIPCLASS}) {
        SCOPED_TRACE(cls);
        HWND relief = Make(cls, 0, "Hg", 60, 40, 10), flat = Make(cls, PLATES_FLAT, "Hg", 60, 40, 60);
        const std::vector<std::string> r = Picture(relief), f = Picture(flat);
        int black = 0;
        for (int y = 4; y < 36; ++y)
            for (int x = 4; x < 56; ++x) {
                const bool inkHere = f[y][x] == 'B', inkBefore = f[y - 1][x - 1] == 'B';
                black += inkHere;
                EXPECT_EQ(r[y][x], inkHere ? 'B' : inkBefore ? 'L' : '.') << x << "," << y;
                EXPECT_NE(f[y][x], 'L') << x << "," << y;
            }
        EXPECT_GT(black, 10);
        DestroyWindow(relief);
        DestroyWindow(flat);
    }
}

// First column holding black, -1 for none.
int FirstBlack(const std::vector<std::string> &p) {
    for (size_t x = 0; x < p[0].size(); ++x)
        for (const std::string &row : p)
            if (row[x] == 'B')
                return static_cast<int>(x);
    return -1;
}

TEST_F(PlateTest, AlignmentCentreWinsOverRight) {
    const DWORD styles[] = {0, PLATES_RIGHT, PLATES_CENTER, PLATES_CENTER | PLATES_RIGHT};
    std::vector<std::vector<std::string>> pictures;
    for (DWORD style : styles) {
        HWND hwnd = Make(REZORE32_PLATECLASS, style | PLATES_SUNKENDEEP, "II", 120, 30);
        pictures.push_back(Picture(hwnd));
        DestroyWindow(hwnd);
    }
    const int left = FirstBlack(pictures[0]), right = FirstBlack(pictures[1]), centre = FirstBlack(pictures[2]);
    EXPECT_GE(left, 2 * 2 + 1);  // inside the frame, moved by one
    EXPECT_LE(left, 2 * 2 + 3);
    EXPECT_GT(centre, left + 30);
    EXPECT_GT(right, centre + 30);
    EXPECT_EQ(pictures[3], pictures[2]);
}

TEST_F(PlateTest, SetTextNeverShowsTheStaticClassText) {
    for (const char *cls : {REZORE32_PLATECLASS, REZORE32_CLIPCLASS}) {
        SCOPED_TRACE(cls);
        HWND hwnd = Make(cls, 0, "");
        const std::vector<std::string> empty = Picture(hwnd);
        HDC dc = GetDC(hwnd);
        RECT all = {0, 0, 60, 40};
        FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
        ReleaseDC(hwnd, dc);
        EXPECT_TRUE(SetWindowTextA(hwnd, "New"));
        const std::vector<std::string> untouched(40, std::string(60, 'B'));
        EXPECT_EQ(Picture(hwnd), untouched);  // nothing painted yet, by anyone
        rzt::Pump();
        const std::vector<std::string> p = Picture(hwnd);
        EXPECT_EQ(Corner(p, true), Corner(empty, true));
        EXPECT_NE(rzt::Join(p).find('L', 2 * 61), std::string::npos);  // the white copy of the text
        char text[8] = "x";
        GetWindowTextA(hwnd, text, sizeof(text));
        EXPECT_STREQ(text, "New");

        // A NULL text is an empty one; a hidden control stays hidden.
        ShowWindow(hwnd, SW_HIDE);
        EXPECT_EQ(SendMessageA(hwnd, WM_SETTEXT, 0, 0), TRUE);
        EXPECT_EQ(GetWindowTextLengthA(hwnd), 0);
        EXPECT_TRUE(SetWindowTextA(hwnd, "Later"));
        EXPECT_FALSE(IsWindowVisible(hwnd));
        DestroyWindow(hwnd);
    }
}

// Messages on which the Static class would paint its own look at once
// (with these style bits: ellipsis text) never show it.
TEST_F(PlateTest, StaticNeverPaintsItsOwnLook) {
    HWND hwnd = Make(REZORE32_PLATECLASS, PLATES_SUNKEN | PLATES_CENTER | PLATES_FLAT, "Text", 60, 40);
    const std::vector<std::string> before = Picture(hwnd);
    struct Case {
        const char *what;
        std::function<void()> act;
    };
    const Case cases[] = {
        {"disabled", [hwnd] { EnableWindow(hwnd, FALSE); }},
        {"enabled", [hwnd] { EnableWindow(hwnd, TRUE); }},
        {"system colours", [hwnd] { SendMessageA(hwnd, WM_SYSCOLORCHANGE, 0, 0); }},
        {"keyboard cues", [hwnd] { SendMessageA(hwnd, WM_UPDATEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEACCEL), 0); }},
    };
    for (const Case &k : cases) {
        k.act();
        rzt::Pump();
        EXPECT_EQ(Picture(hwnd), before) << k.what;
    }
    rzt::Canvas printed(60, 40, RGB(0, 0, 0));
    SendMessageA(hwnd, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(printed.dc()), PRF_CLIENT);
    rzt::Canvas shown(60, 40, RGB(0, 0, 0));
    rzt::Snapshot(hwnd, shown);
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 60; ++x)
            ASSERT_EQ(printed.At(x, y), shown.At(x, y)) << "printed as shown, at " << x << "," << y;
}

// ---------------------------------------------------------------- all four
// What the check button, check mark, plate and clip do alike.
const char *const kFour[] = {REZORE32_CHECKCLASS, REZORE32_MARKCLASS, REZORE32_PLATECLASS, REZORE32_CLIPCLASS};

bool IsPanel(const char *cls) { return !strcmp(cls, REZORE32_PLATECLASS) || !strcmp(cls, REZORE32_CLIPCLASS); }

// The font slot: behind the Static class's bytes, or the check controls' 8.
int FontSlot(const char *cls) { return IsPanel(cls) ? StaticExtra() : 8; }

HWND Child(HWND parent, const char *cls, const char *text, int y, int w, int h) {
    HWND hwnd = CreateWindowExA(0, cls, text, WS_CHILD | WS_VISIBLE, 10, y, w, h, parent,
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(66)), nullptr, nullptr);
    rzt::Pump();
    return hwnd;
}

std::vector<COLORREF> Look(HWND hwnd) {
    RECT rc;
    GetClientRect(hwnd, &rc);
    rzt::Canvas c(rc.right, rc.bottom, 0);
    rzt::Snapshot(hwnd, c);
    std::vector<COLORREF> pixels;
    for (int y = 0; y < rc.bottom; ++y)
        for (int x = 0; x < rc.right; ++x)
            pixels.push_back(c.At(x, y));
    return pixels;
}

TEST(CheckPlateClip, DoubleClicksGoToTheParent) {
    struct Case {
        const char *cls;
        UINT msg, forwarded;
    };
    const Case cases[] = {
        {REZORE32_CHECKCLASS, WM_LBUTTONDBLCLK, CHECK_LBUTTONDBLCLK},
        {REZORE32_CHECKCLASS, WM_RBUTTONDBLCLK, CHECK_RBUTTONDBLCLK},
        {REZORE32_MARKCLASS, WM_LBUTTONDBLCLK, MARK_LBUTTONDBLCLK},
        {REZORE32_MARKCLASS, WM_RBUTTONDBLCLK, MARK_RBUTTONDBLCLK},
        {REZORE32_PLATECLASS, WM_LBUTTONDBLCLK, PLATE_LBUTTONDBLCLK},
        {REZORE32_PLATECLASS, WM_RBUTTONDBLCLK, PLATE_RBUTTONDBLCLK},
        {REZORE32_CLIPCLASS, WM_LBUTTONDBLCLK, CLIP_LBUTTONDBLCLK},
        {REZORE32_CLIPCLASS, WM_RBUTTONDBLCLK, CLIP_RBUTTONDBLCLK},
    };
    rzt::RecordingParent parent;
    parent.answerDoubleClick = 99;
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << c.cls << " " << c.msg);
        HWND hwnd = Child(parent, c.cls, "", 10, 50, 20);
        parent.sent.clear();
        EXPECT_EQ(SendMessageA(hwnd, c.msg, MK_CONTROL, MAKELPARAM(3, 4)), 99);
        const std::vector<rzt::Sent> expected = {{c.forwarded, MK_CONTROL, MAKELPARAM(3, 4), 0}};
        EXPECT_EQ(parent.sent, expected);
        DestroyWindow(hwnd);
        // Without a parent the click is the default procedure's (the Static class's).
        HWND lone = CreateWindowExA(0, c.cls, "", WS_POPUP, 0, 0, 50, 20, nullptr, nullptr, nullptr, nullptr);
        EXPECT_EQ(SendMessageA(lone, c.msg, 0, 0), 0);
        DestroyWindow(lone);
    }
}

TEST(CheckPlateClip, FontShowsAtTheNextPaintUnlessRedrawIsAsked) {
    rzt::RecordingParent parent;
    HFONT big = CreateFontA(-20, 0, 0, 0, FW_BOLD, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "Arial");
    for (const char *cls : kFour)
        for (LPARAM redraw : {0, 1}) {
            SCOPED_TRACE(testing::Message() << cls << " redraw " << redraw);
            HWND hwnd = Child(parent, cls, "Wg", 10, 80, 40);
            EXPECT_EQ(GetWindowLongA(hwnd, FontSlot(cls)), 0);
            const std::vector<COLORREF> before = Look(hwnd);
            EXPECT_EQ(SendMessageA(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(big), redraw), 0);
            EXPECT_EQ(GetWindowLongA(hwnd, FontSlot(cls)), rzt::Low32(big));
            EXPECT_EQ(static_cast<LONG>(SendMessageA(hwnd, WM_GETFONT, 0, 0)), rzt::Low32(big));
            rzt::Pump();
            EXPECT_EQ(Look(hwnd) == before, redraw == 0);
            RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
            EXPECT_NE(Look(hwnd), before);
            DestroyWindow(hwnd);
        }
    DeleteObject(big);
}

// Their paint fills what it repaints, so no erase comes before it.
TEST(CheckPlateClip, NothingToErase) {
    rzt::RecordingParent parent;
    rzt::Canvas canvas(50, 20, RGB(255, 0, 0));
    for (const char *cls : kFour) {
        HWND hwnd = Child(parent, cls, "Text", 10, 50, 20);
        EXPECT_NE(SendMessageA(hwnd, WM_ERASEBKGND, reinterpret_cast<WPARAM>(canvas.dc()), 0), 0) << cls;
        EXPECT_EQ(canvas.At(25, 10), RGB(255, 0, 0)) << cls;
        DestroyWindow(hwnd);
    }
}

TEST(CheckPlateClip, TextIsCutAfter127Bytes) {
    rzt::RecordingParent parent(40, 40, 640, 200);
    const std::string exact = std::string(126, '.') + "W", longer = exact + "WWWWWWWWWW";
    HFONT small = CreateFontA(-8, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "Arial");
    HDC dc = GetDC(parent);
    HGDIOBJ old = SelectObject(dc, small);
    SIZE size;
    GetTextExtentPoint32A(dc, longer.c_str(), 128, &size);
    SelectObject(dc, old);
    ReleaseDC(parent, dc);
    ASSERT_LT(20 + size.cx, 550) << "a 128th byte would be visible";
    for (const char *cls : kFour) {
        HWND a = Child(parent, cls, longer.c_str(), 10, 560, 20), b = Child(parent, cls, exact.c_str(), 40, 560, 20);
        for (HWND hwnd : {a, b})
            SendMessageA(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(small), TRUE);
        rzt::Pump();
        EXPECT_EQ(Look(a), Look(b)) << cls;
        DestroyWindow(a);
        DestroyWindow(b);
    }
    DeleteObject(small);
}

// ---------------------------------------------------------------- bad input
// Every control of this group, given what applications should not give.
TEST(CheckPlateClip, BadInputPaintsWithoutHarm) {
    rzt::RecordingParent parent(40, 40, 640, 200);
    const std::string huge(10000, 'x');
    HBRUSH brush = CreateSolidBrush(RGB(1, 2, 3));
    struct Shape {
        DWORD style;
        int w, h;
    };
    const Shape shapes[] = {{0, 100, 20}, {0xFFFF, 100, 20}, {0, 0, 0}, {0, 30000, 20}};
    for (const char *cls : kFour)
        for (const Shape &s : shapes) {
            SCOPED_TRACE(testing::Message() << cls << " style " << s.style << " width " << s.w);
            HWND hwnd = rzt::CreateChild(parent, cls, s.style, 0, 0, s.w, s.h);
            ASSERT_NE(hwnd, nullptr);
            // The Static class refuses texts for the type bits of 0xFFFF.
            const bool takesText = !IsPanel(cls) || !s.style;
            EXPECT_EQ(SetWindowTextA(hwnd, huge.c_str()) != FALSE, takesText);
            EXPECT_EQ(GetWindowTextLengthA(hwnd), takesText ? 10000 : 0);
            UpdateWindow(hwnd);
            EXPECT_EQ(SendMessageA(hwnd, WM_SETTEXT, 0, 0) != FALSE, takesText);
            EXPECT_EQ(GetWindowTextLengthA(hwnd), 0);
            SetWindowTextA(hwnd, "Text");
            for (HGDIOBJ notAFont : {reinterpret_cast<HGDIOBJ>(0x1234), static_cast<HGDIOBJ>(brush)}) {
                SendMessageA(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(notAFont), TRUE);
                RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
            }
            DestroyWindow(hwnd);
        }
    EXPECT_EQ(GetObjectType(brush), static_cast<DWORD>(OBJ_BRUSH));  // not selected away, not deleted
    DeleteObject(brush);
}

}  // namespace
