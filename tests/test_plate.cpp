// Plate and clip: frames for each choice of style bits, the relief text and
// its alignment, text changes through the Static class, the enabled state.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "tests/support.h"

namespace {

class PlateTest : public testing::Test {
protected:
    ~PlateTest() override { DeleteObject(font_); }
    HWND Make(const char *cls, DWORD style, const char *text = "", int w = 60, int h = 40, int y = 10) {
        HWND hwnd = CreateWindowExA(0, cls, text, WS_CHILD | WS_VISIBLE | style, 10, y, w, h, parent_, nullptr,
                                    nullptr, nullptr);
        SendMessageA(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font_), TRUE);
        rzt::Pump();
        return hwnd;
    }
    // The client area as characters: L highlight, D shadow, '.' face, B black,
    // W white (a white highlight reads as L).
    static std::vector<rzt::Legend> Colours() {
        return {{GetSysColor(COLOR_BTNHIGHLIGHT), 'L'}, {GetSysColor(COLOR_BTNSHADOW), 'D'}, {rzt::FaceColour(), '.'},
                {0, 'B'}, {RGB(255, 255, 255), 'W'}};
    }
    static std::vector<std::string> Picture(HWND hwnd) { return rzt::ClientGrid(hwnd, Colours()); }
    // Top-right or bottom-left corner, four by four, rows joined by '/'.
    static std::string Corner(const std::vector<std::string> &p, bool topRight) {
        std::string out;
        const int x = topRight ? static_cast<int>(p[0].size()) - 4 : 0, y = topRight ? 0 : static_cast<int>(p.size()) - 4;
        for (int r = y; r < y + 4; ++r)
            out += (r > y ? "/" : "") + p[r].substr(x, 4);
        return out;
    }
    // First column holding black, -1 for none.
    static int FirstBlack(const std::vector<std::string> &p) {
        for (size_t x = 0; x < p[0].size(); ++x)
            for (const std::string &row : p)
                if (row[x] == 'B')
                    return static_cast<int>(x);
        return -1;
    }
    rzt::RecordingParent parent_{40, 40, 640, 200};
    // Drawn without smoothing, so that text pixels are black or white.
    HFONT font_ = CreateFontA(-13, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, NONANTIALIASED_QUALITY, 0, "Arial");
};

TEST_F(PlateTest, FrameForEachChoice) {
    struct Case { const char *cls; DWORD style; const char *topRight, *bottomLeft; };
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
// and below, the black drawn over the white; centring wins over right.
TEST_F(PlateTest, ReliefTextAndAlignment) {
    for (const char *cls : {REZORE32_PLATECLASS, REZORE32_CLIPCLASS}) {
        SCOPED_TRACE(cls);
        HWND relief = Make(cls, 0, "Hg", 60, 40, 10), flat = Make(cls, PLATES_FLAT, "Hg", 60, 40, 60);
        const std::vector<std::string> r = Picture(relief), f = Picture(flat);
        int black = 0, wrong = 0;
        for (int y = 4; y < 36; ++y)
            for (int x = 4; x < 56; ++x) {
                const bool inkHere = f[y][x] == 'B', inkBefore = f[y - 1][x - 1] == 'B';
                black += inkHere;
                wrong += r[y][x] != (inkHere ? 'B' : inkBefore ? 'L' : '.') || f[y][x] == 'L';
            }
        EXPECT_GT(black, 10);
        EXPECT_EQ(wrong, 0);
        DestroyWindow(relief);
        DestroyWindow(flat);
    }
    std::vector<std::vector<std::string>> p;
    for (DWORD style : std::vector<DWORD>{0, PLATES_RIGHT, PLATES_CENTER, PLATES_CENTER | PLATES_RIGHT}) {
        HWND hwnd = Make(REZORE32_PLATECLASS, style | PLATES_SUNKENDEEP, "II", 120, 30);
        p.push_back(Picture(hwnd));
        DestroyWindow(hwnd);
    }
    const int left = FirstBlack(p[0]), right = FirstBlack(p[1]), centre = FirstBlack(p[2]);
    EXPECT_GE(left, 2 * 2 + 1);  // inside the frame, moved by one
    EXPECT_LE(left, 2 * 2 + 3);
    EXPECT_GT(centre, left + 30);
    EXPECT_GT(right, centre + 30);
    EXPECT_EQ(p[3], p[2]);
}

TEST_F(PlateTest, SetTextNeverShowsTheStaticClassText) {
    for (const char *cls : {REZORE32_PLATECLASS, REZORE32_CLIPCLASS}) {
        SCOPED_TRACE(cls);
        HWND hwnd = Make(cls, 0, "");
        const std::vector<std::string> empty = Picture(hwnd);
        HDC dc = GetDC(hwnd);
        PatBlt(dc, 0, 0, 60, 40, BLACKNESS);
        ReleaseDC(hwnd, dc);
        EXPECT_TRUE(SetWindowTextA(hwnd, "New"));
        EXPECT_EQ(Picture(hwnd), std::vector<std::string>(40, std::string(60, 'B')));  // nothing painted yet
        rzt::Pump();
        const std::vector<std::string> p = Picture(hwnd);
        EXPECT_EQ(Corner(p, true), Corner(empty, true));
        EXPECT_NE(rzt::Join(p).find('L', 2 * 61), std::string::npos);  // the white copy of the text
        // A hidden control stays hidden.
        ShowWindow(hwnd, SW_HIDE);
        EXPECT_TRUE(SetWindowTextA(hwnd, "Later"));
        EXPECT_FALSE(IsWindowVisible(hwnd));
        DestroyWindow(hwnd);
    }
}

// Messages on which the Static class would paint its own look at once
// (with these style bits: ellipsis text) never show it; printing shows ours.
TEST_F(PlateTest, StaticNeverPaintsItsOwnLook) {
    HWND hwnd = Make(REZORE32_PLATECLASS, PLATES_SUNKEN | PLATES_CENTER | PLATES_FLAT, "Text", 60, 40);
    const std::vector<std::string> before = Picture(hwnd);
    const std::pair<const char *, std::function<void()>> cases[] = {
        {"disabled", [hwnd] { EnableWindow(hwnd, FALSE); }},
        {"enabled", [hwnd] { EnableWindow(hwnd, TRUE); }},
        {"system colours", [hwnd] { SendMessageA(hwnd, WM_SYSCOLORCHANGE, 0, 0); }},
        {"keyboard cues", [hwnd] { SendMessageA(hwnd, WM_UPDATEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEACCEL), 0); }},
    };
    for (const auto &k : cases) {
        k.second();
        rzt::Pump();
        EXPECT_EQ(Picture(hwnd), before) << k.first;
    }
    rzt::Canvas printed(60, 40, 0);
    SendMessageA(hwnd, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(printed.dc()), PRF_CLIENT);
    EXPECT_EQ(rzt::Grid(printed, Colours()), before);
}

}  // namespace
