// The basic controls but the spin, read back from pixels, slots and what the
// parent hears; then what they do alike.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "controls/gauge.h"
#include "tests/support.h"

namespace {

constexpr int kId = 55;
enum : LONG { kChecked = CHECK_STATE_CHECKED, kFocused = CHECK_STATE_FOCUSED, kDisabled = CHECK_STATE_DISABLED };

constexpr int kW = 120, kH = 24;
constexpr COLORREF kWhite = RGB(255, 255, 255), kGrey = RGB(192, 192, 192), kFace = 0xFFFFFFFF;
constexpr COLORREF kBlue = RGB(0, 0, 255), kRed = RGB(255, 0, 0);

struct Pass { int colour, dx, dy; };  // one drawing of the lettering: colour 1 or 2 at an offset
const std::vector<Pass> kRaised = {{1, 0, 0}, {2, 1, 1}}, kEngraved = {{1, 1, 1}, {2, 0, 0}};

// The first column from `from` on holding `ch`, -1 for none.
int FirstColumn(const std::vector<std::string> &grid, size_t from, char ch) {
    for (size_t x = from; x < grid[0].size(); ++x)
        for (const std::string &row : grid)
            if (row[x] == ch)
                return static_cast<int>(x);
    return -1;
}

// A parent and a crisp font, so that every pixel of lettering is one of its colours.
class Passive : public testing::Test {
protected:
    ~Passive() override { DeleteObject(font_); }
    rzt::RecordingParent parent_{40, 40, 640, 200};
    HFONT font_ = CreateFontA(-13, 0, 0, 0, FW_BOLD, 0, 0, 0, ANSI_CHARSET, 0, 0, NONANTIALIASED_QUALITY, 0, "Tahoma");
};

class TextTest : public Passive {};

// Each case's lettering against the font's ink drawn in the case's format,
// once per pass.  The parent, when asked, answers red and green over a navy
// brush, or over none (the class background) where the face is expected.  A
// frame: top and left in the first pen, bottom and right (its top pixel too)
// in the second.
TEST_F(TextTest, LetteringOfEachStyle) {
    const COLORREF red = RGB(255, 0, 0), green = RGB(0, 128, 0), navy = RGB(0, 0, 128);
    struct Case {
        const char *what; DWORD style; UINT format; std::vector<Pass> passes; COLORREF first, second, background;
        const char *frame = nullptr, *text = "A&bg";
    };
    const Case cases[] = {
        {"default: grey with a black shadow", 0, DT_LEFT, kRaised, kGrey, 0, kFace},
        {"engraved: black over a face-coloured copy", TEXTS_ENGRAVED, DT_LEFT, kEngraved, kFace, 0, kFace},
        {"white engraved", TEXTS_WHITE | TEXTS_ENGRAVED, DT_LEFT, kEngraved, kWhite, 0, kFace},
        {"thick", TEXTS_WHITE | TEXTS_THICK, DT_LEFT, {{1, 0, 0}, {1, 1, 0}, {2, 1, 1}, {2, 2, 1}}, kWhite, 0, kFace},
        {"thick engraved", TEXTS_WHITE | TEXTS_ENGRAVED | TEXTS_THICK, DT_LEFT,
         {{1, 2, 1}, {1, 1, 1}, {2, 1, 0}, {2, 0, 0}}, kWhite, 0, kFace},
        {"right", TEXTS_WHITE | TEXTS_RIGHT, DT_RIGHT, kRaised, kWhite, 0, kFace},
        {"centre wins over right", TEXTS_WHITE | TEXTS_CENTER | TEXTS_RIGHT, DT_CENTER, kRaised, kWhite, 0, kFace},
        {"no prefix: left, & shown", TEXTS_WHITE | TEXTS_NOPREFIX | TEXTS_CENTER, DT_NOPREFIX, kRaised, kWhite, 0, kFace},
        {"parent's colours and brush", TEXTS_PARENTCOLOR, DT_LEFT, kRaised, red, green, navy},
        {"parent's colours, class background", TEXTS_PARENTCOLOR, DT_LEFT, kRaised, red, green, kFace},
        {"parent's colours engraved", TEXTS_PARENTCOLOR | TEXTS_ENGRAVED, DT_LEFT, kEngraved, red, green, navy},
        {"white wins, parent not asked", TEXTS_PARENTCOLOR | TEXTS_WHITE, DT_LEFT, kRaised, kWhite, 0, kFace},
        {"raised frame", TEXTS_WHITE | TEXTS_FRAME, DT_LEFT, kRaised, kWhite, 0, kFace, "LLLLDDDD"},
        {"sunken frame", TEXTS_WHITE | TEXTS_FRAME | TEXTS_FRAMESUNKEN, DT_LEFT, kRaised, kWhite, 0, kFace, "DDDDLLLL"},
        {"sunken frame, no text", TEXTS_WHITE | TEXTS_FRAME | TEXTS_FRAMESUNKEN, DT_LEFT, kRaised, kWhite, 0, kFace,
         "DDDDLLLL", ""},
    };
    HBRUSH brush = CreateSolidBrush(navy);
    rzt::Canvas shot(kW, kH, 0), ink(kW, kH, kWhite);
    SelectObject(ink.dc(), font_);
    SetBkMode(ink.dc(), TRANSPARENT);
    for (const Case &t : cases) {
        SCOPED_TRACE(t.what);
        parent_.answerTextColour = [&](HDC dc) {
            SetBkColor(dc, red);
            SetTextColor(dc, green);
            return reinterpret_cast<LRESULT>(t.background == navy ? brush : nullptr);
        };
        parent_.sent.clear();
        HWND text = rzt::CreateChild(parent_, REZORE32_TEXTCLASS, t.style, 10, 10, kW, kH);
        SendMessageA(text, WM_SETFONT, reinterpret_cast<WPARAM>(font_), 0);
        ValidateRect(text, nullptr);
        EXPECT_TRUE(SetWindowTextA(text, t.text));
        EXPECT_TRUE(GetUpdateRect(text, nullptr, FALSE));  // a new text always repaints
        rzt::Redraw(text);
        rzt::Snapshot(text, shot);
        ink.Fill(kWhite);
        RECT r = {0, 0, kW, kH};
        DrawTextA(ink.dc(), t.text, -1, &r, t.format | DT_SINGLELINE | DT_VCENTER);
        const int inset = t.frame ? 1 : 0;
        int wrong = 0;
        for (int y = inset; y < kH - inset; ++y)
            for (int x = inset; x < kW - inset; ++x) {
                COLORREF expected = t.background == kFace ? rzt::FaceColour() : t.background;
                for (const Pass &p : t.passes)
                    if (x >= p.dx && y >= p.dy && ink.At(x - p.dx, y - p.dy) != kWhite)
                        expected = p.colour == 2 ? t.second : t.first == kFace ? rzt::FaceColour() : t.first;
                if (shot.At(x, y) != expected && ++wrong <= 3)
                    ADD_FAILURE() << x << "," << y << " is " << std::hex << shot.At(x, y) << " not " << expected;
            }
        EXPECT_EQ(wrong, 0);
        if (t.frame) {
            std::string seen;
            for (POINT p : {POINT{0, 0}, POINT{kW / 2, 0}, POINT{0, kH - 1}, POINT{0, kH / 2}, POINT{kW - 1, 0},
                            POINT{kW - 1, kH / 2}, POINT{kW / 2, kH - 1}, POINT{kW - 1, kH - 1}})
                seen += shot.At(p.x, p.y) == rzt::Light() ? 'L' : shot.At(p.x, p.y) == rzt::Dark() ? 'D' : '?';
            EXPECT_EQ(seen, t.frame);
        }
        EXPECT_EQ(parent_.sent.empty(), t.second == 0);  // asked only for the parent's colours
        for (const rzt::Sent &s : parent_.sent)
            EXPECT_TRUE(s.msg == TEXT_CTLCOLOR && s.lParam == reinterpret_cast<LPARAM>(text));
        DestroyWindow(text);
    }
    parent_.answerTextColour = nullptr;
    DeleteObject(brush);
}

class PlateTest : public Passive {
protected:
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
    const int left = FirstColumn(p[0], 0, 'B'), right = FirstColumn(p[1], 0, 'B'), centre = FirstColumn(p[2], 0, 'B');
    EXPECT_GE(left, 2 * 2 + 1);  // inside the frame, moved by one
    EXPECT_LE(left, 2 * 2 + 3);
    EXPECT_GT(centre, left + 30);
    EXPECT_GT(right, centre + 30);
    EXPECT_EQ(p[3], p[2]);
}

// Messages on which the Static class would paint its own look at once
// (with these style bits: ellipsis text) never show it: a new text waits
// for our paint, a hidden control stays hidden; printing shows ours.
TEST_F(PlateTest, StaticNeverPaintsItsOwnLook) {
    const std::pair<const char *, void (*)(HWND)> cases[] = {
        {"disabled", [](HWND hwnd) { EnableWindow(hwnd, FALSE); }},
        {"enabled", [](HWND hwnd) { EnableWindow(hwnd, TRUE); }},
        {"system colours", [](HWND hwnd) { SendMessageA(hwnd, WM_SYSCOLORCHANGE, 0, 0); }},
        {"keyboard cues",
         [](HWND hwnd) { SendMessageA(hwnd, WM_UPDATEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEACCEL), 0); }},
    };
    for (const char *cls : {REZORE32_PLATECLASS, REZORE32_CLIPCLASS}) {
        SCOPED_TRACE(cls);
        HWND hwnd = Make(cls, PLATES_SUNKEN | PLATES_CENTER | PLATES_FLAT);
        const std::vector<std::string> empty = Picture(hwnd);
        HDC dc = GetDC(hwnd);
        PatBlt(dc, 0, 0, 60, 40, BLACKNESS);
        ReleaseDC(hwnd, dc);
        EXPECT_TRUE(SetWindowTextA(hwnd, "Text"));
        EXPECT_EQ(Picture(hwnd), std::vector<std::string>(40, std::string(60, 'B')));  // nothing painted yet
        rzt::Pump();
        const std::vector<std::string> before = Picture(hwnd);
        EXPECT_EQ(Corner(before, true), Corner(empty, true));
        EXPECT_NE(before, empty);
        for (const auto &k : cases) {
            k.second(hwnd);
            rzt::Pump();
            EXPECT_EQ(Picture(hwnd), before) << k.first;
        }
        rzt::Canvas printed(60, 40, 0);
        SendMessageA(hwnd, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(printed.dc()), PRF_CLIENT);
        EXPECT_EQ(rzt::Grid(printed, Colours()), before);
        ShowWindow(hwnd, SW_HIDE);
        EXPECT_TRUE(SetWindowTextA(hwnd, "Later"));
        EXPECT_FALSE(IsWindowVisible(hwnd));
        DestroyWindow(hwnd);
    }
}

// ---------------------------------------------------------------- meter and indicator
TEST(Gauge, PercentBarAndText) {
    // The extremes; the common cases are in the meter's pictures below.
    struct Case { const char *what; DWORD range, position; ULONGLONG percent; const char *text; int width, bar; };
    const Case cases[] = {
        {"range 0 shows nothing done", 0, 5, 0, "0%", 100, 0},
        {"largest values", 0xFFFFFFFF, 0xFFFFFFFF, 100, "100%", 30000, 30000},
        {"half of the largest range", 0xFFFFFFFF, 0x7FFFFFFF, 49, "49%", 30000, 14999},
        {"largest position of range 1", 1, 0xFFFFFFFF, 429496729500ull, "429496729500%", 30000, 30000},
        {"zero-width meter", 100, 50, 50, "50%", 0, 0},
    };
    for (const Case &t : cases) {
        SCOPED_TRACE(t.what);
        char text[rz::gauge::kPercentTextSize];
        EXPECT_EQ(rz::gauge::Percent(t.range, t.position), t.percent);
        EXPECT_EQ(rz::gauge::PercentText(t.percent, text), static_cast<int>(strlen(t.text)));
        EXPECT_STREQ(text, t.text);
        EXPECT_EQ(rz::gauge::BarWidth(t.range, t.position, t.width), t.bar);
    }
    char longest[rz::gauge::kPercentTextSize];
    rz::gauge::PercentText(~0ull, longest);
    EXPECT_STREQ(longest, "18446744073709551615%");
}

// The meter's percentage ink in the text colour over the bar, in the bar
// colour over the rest; default colours (blue, white) and range (100).
class Meter : public Passive {};

TEST_F(Meter, BarAndSplitText) {
    struct Case { DWORD range, position; const char *text; int bar; };
    const Case cases[] = {{100, 0, "0%", 0},       {200, 50, "25%", 25},     {200, 100, "50%", 50},
                          {100, 100, "100%", 101}, {100, 150, "150%", 101}, {100000000, 50000000, "50%", 50}};
    constexpr int kMW = 101, kMH = 20;
    for (const Case &t : cases) {
        SCOPED_TRACE(t.text);
        HWND m = rzt::CreateChild(parent_, REZORE32_METERCLASS, 0, 10, 10, kMW, kMH);
        SendMessageA(m, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
        if (t.range != 100)
            SendMessageA(m, METER_SETRANGE, t.range, 0);
        SendMessageA(m, METER_SETPOS, t.position, 0);  // shows at once, no pumping
        rzt::Canvas shot(kMW, kMH, 0), ink(kMW, kMH, kWhite);
        rzt::Snapshot(m, shot);
        RECT r = {0, 0, kMW, kMH};
        SelectObject(ink.dc(), font_);
        DrawTextA(ink.dc(), t.text, -1, &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        int wrong = 0, inked = 0;
        for (int py = 0; py < kMH; ++py)
            for (int px = 0; px < kMW; ++px) {
                const bool on = ink.At(px, py) != kWhite;
                inked += on;
                if (shot.At(px, py) != (on == (px < t.bar) ? kWhite : kBlue) && ++wrong <= 3)
                    ADD_FAILURE() << px << "," << py << ": " << std::hex << shot.At(px, py);
            }
        EXPECT_EQ(wrong, 0);
        EXPECT_GT(inked, 0);
        DestroyWindow(m);
    }
}

// An indicator's middle row and first cell's column: d/l frame, '.' ring,
// B lit, g unlit, | separator (the face's colour on NT).
class Indicator : public Passive {};

TEST_F(Indicator, CellsOnTheScreen) {
    struct Case { const char *what; int width; DWORD style; LONG cellSlot; DWORD position; int count, width1, lit, offset; };
    const Case cases[] = {
        {"108 wide, nothing done", 108, 0, 5, 0, 20, 5, 0, 0},
        {"108 wide centred, all done", 108, INDS_CENTER, 5, 100, 20, 5, 20, 2},
        {"30 wide, 40 %", 30, 0, 5, 40, 5, 5, 2, 0},
        {"30 wide centred, past the range", 30, INDS_CENTER, 5, 150, 5, 5, 5, 0},
        {"200 wide centred: at most 20 cells", 200, INDS_CENTER, 5, 50, 20, 9, 10, 8},
        {"the default ignores the slot", 108, 0, 0, 50, 20, 5, 10, 0},
        {"fixed, the default width of 5", 108, INDS_FIXEDCELL, 5, 50, 20, 5, 10, 0},
        {"fixed cells of 7, centred", 108, INDS_FIXEDCELL | INDS_CENTER, 7, 50, 14, 7, 7, 3},
        {"fixed: only the low 16 bits", 108, INDS_FIXEDCELL, 0x10007, 50, 14, 7, 7, 0},
        {"fixed cells of 0 count as 1", 108, INDS_FIXEDCELL, 0, 50, 104, 1, 52, 0},
        {"fixed negative counts as 1", 108, INDS_FIXEDCELL, 0xFFFD, 50, 104, 1, 52, 0},
    };
    constexpr int kIH = 14;
    const std::vector<rzt::Legend> legend = {{rzt::Dark(), 'd'}, {rzt::Light(), 'l'}, {kBlue, 'B'},
        {RGB(128, 128, 128), 'g'}, {rzt::FaceColour(), '.'}, {RGB(192, 192, 192), '|'}};
    const char separator = rzt::FaceColour() == RGB(192, 192, 192) ? '.' : '|';
    for (const Case &t : cases) {
        SCOPED_TRACE(t.what);
        HWND ind = rzt::CreateChild(parent_, REZORE32_INDICATORCLASS, t.style, 10, 10, t.width, kIH);
        if (t.cellSlot != 5)
            SendMessageA(ind, IND_SETCELLWIDTH, t.cellSlot, 0);
        SendMessageA(ind, IND_SETPOS, t.position, 0);
        rzt::Redraw(ind);
        const std::vector<std::string> g = rzt::ClientGrid(ind, legend);
        std::string row = "d." + std::string(t.offset, '.'), column;
        for (int i = 0; i < t.count; ++i)
            row += std::string(t.width1 - 1, i < t.lit ? 'B' : 'g') + separator;
        row.resize(t.width - 1, '.');
        EXPECT_EQ(g[kIH / 2], row + 'l');
        for (const std::string &r : g)
            column += r[2 + t.offset];
        const char cell = t.width1 == 1 ? separator : t.lit ? 'B' : 'g';
        EXPECT_EQ(column, "d." + std::string(kIH - 5, cell) + "..l");  // frame, ring, rows 2 to H-4, ring, frame
        DestroyWindow(ind);
    }
}

// Counts the WM_PAINTs the indicator receives.
int g_paints;
WNDPROC g_original;
LRESULT CALLBACK CountPaints(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    g_paints += msg == WM_PAINT;
    return CallWindowProcA(g_original, hwnd, msg, wParam, lParam);
}

TEST_F(Indicator, RepaintsOnlyWhenTheLitCountChanges) {
    struct Step { const char *what; UINT msg; WPARAM wParam; LPARAM lParam; bool paints; LONG litSlot; };
    const Step steps[] = {
        {"first position always repaints", IND_SETPOS, 0, 0, true, 0},
        {"same lit count", IND_SETPOS, 4, 0, false, 0},
        {"ten cells", IND_SETPOS, 50, 0, true, 10},
        {"range repaints, slot kept", IND_SETRANGE, 200, 0, true, 10},
        {"ten again after the range", IND_SETPOS, 100, 0, false, 10},
        {"colour is only stored", IND_SETCOLOR, 0, kRed, false, 10},
        {"lit count is only stored", IND_SETLITCOUNT, static_cast<WPARAM>(-1), 0, false, -1},
        {"then the same position repaints", IND_SETPOS, 100, 0, true, 10},
        {"compared in 16 bits", IND_SETLITCOUNT, 0x1000A, 0, false, 0x1000A},
        {"same low word: no repaint", IND_SETPOS, 101, 0, false, 0x1000A},
        {"a large file's half", IND_SETRANGE, 100000000, 0, true, 0x1000A},
        {"no wrap in the lit count", IND_SETPOS, 50000000, 0, false, 0x1000A},
        {"all lit", IND_SETPOS, 0xFFFFFFFF, 0, true, 20},
    };
    HWND ind = rzt::CreateChild(parent_, REZORE32_INDICATORCLASS, 0, 10, 10, 108, 14);
    g_original = reinterpret_cast<WNDPROC>(SetWindowLongPtrA(ind, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(CountPaints)));
    for (const Step &s : steps) {
        SCOPED_TRACE(s.what);
        g_paints = 0;
        EXPECT_EQ(SendMessageA(ind, s.msg, s.wParam, s.lParam), 0);
        EXPECT_FALSE(GetUpdateRect(ind, nullptr, FALSE));  // nothing left for later
        EXPECT_EQ(g_paints, s.paints ? 1 : 0);
        EXPECT_EQ(SendMessageA(ind, IND_GETLITCOUNT, 0, 0), s.litSlot);
    }
    rzt::Redraw(ind);  // the colour shows now
    EXPECT_EQ(rzt::ClientGrid(ind, {{kRed, 'R'}})[7][3], 'R');
}

// ---------------------------------------------------------------- check
class CheckTest : public Passive {
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
    int FirstInk() const { return FirstColumn(rzt::ClientGrid(hwnd_, {{rzt::FaceColour(), '.'}}), 16, '?'); }
    size_t Clicks() const {
        for (const rzt::Sent &s : parent_.Commands())
            EXPECT_TRUE(s.wParam == MAKEWPARAM(kId, BN_CLICKED) && s.lParam == reinterpret_cast<LPARAM>(hwnd_));
        return parent_.Commands().size();
    }
    HWND hwnd_ = nullptr;
    bool mark_ = false;
};

// The state set (painted at once, not notified), then steps, each followed by
// the cell shown: disabled (x); the pointer moved in (i, or a second place
// a), out (o); the button (at screen (50, 50), 120 x 20) pressed (D) or released (U).
TEST_F(CheckTest, StateScriptsAndTheirPictures) {
    struct Case { const char *what, *cls; WPARAM initially; const char *script, *cells; LONG state; size_t clicks; };
    const Case cases[] = {
        {"unchecked", REZORE32_CHECKCLASS, 0, "", "2", 0, 0},
        {"checked", REZORE32_CHECKCLASS, 1, "", "0", kChecked, 0},
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

// Sent presses, moves and keys: the cell shown ('?' after a scribble), the
// state flags, whether the mouse is captured, and the clicks posted.
TEST_F(CheckTest, SentPressesMovesKeysAndFocus) {
    Make(REZORE32_CHECKCLASS);
    const struct { const char *status; UINT msg; WPARAM wParam; LPARAM lParam; } steps[] = {
        {"1 e C 0", WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5)},
        {"? e C 0", WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(40, 8)},
        {"2 a C 0", WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(-3, 8)},
        {"? a C 0", WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(130, 8)},
        {"1 e C 0", WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(0, 0)},
        {"0 9 - 0", WM_LBUTTONUP, 0, MAKELPARAM(5, 5)},  // the click is posted, not sent
        {"3 f C 1", WM_KEYDOWN, VK_SPACE, 1},            // the space bar is a press at (0, 0)
        {"3 f C 1", WM_KEYDOWN, VK_SPACE, 0x40000001},   // its repeats are not
        {"2 8 - 1", WM_KEYUP, VK_SPACE, static_cast<LPARAM>(0xC0000001)},
        {"1 e C 2", WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5)},
        {"2 0 - 2", 0, 0, 0},  // losing the focus ends a press without a toggle
        {"2 0 - 2", WM_LBUTTONUP, 0, MAKELPARAM(5, 5)},
    };
    for (const auto &step : steps) {
        if (step.status[0] == '?') {  // a move that stays on its side of the edge does not repaint
            HDC dc = GetDC(hwnd_);
            PatBlt(dc, 0, 0, 16, 20, BLACKNESS);
            ReleaseDC(hwnd_, dc);
        }
        if (step.msg)
            SendMessageA(hwnd_, step.msg, step.wParam, step.lParam);
        else
            SetFocus(parent_);
        char status[32];
        wsprintfA(status, "%c %lx %c %u", Shown(), State(), GetCapture() == hwnd_ ? 'C' : '-',
                  static_cast<unsigned>(Clicks()));
        rzt::Pump();
        EXPECT_STREQ(status, step.status);
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

// Two lines, shadow then highlight, across its thickness.
TEST(Border, Etches) {
    rzt::RecordingParent parent;
    const std::vector<rzt::Legend> lines = {{GetSysColor(COLOR_BTNSHADOW), 'D'}, {GetSysColor(COLOR_BTNHIGHLIGHT), 'L'}};
    EXPECT_EQ(rzt::ClientGrid(rzt::CreateChild(parent, REZORE32_BORDERCLASS, 0, 7, 9, 30, 20), lines),
              std::vector<std::string>(20, "DL"));
    EXPECT_EQ(rzt::ClientGrid(rzt::CreateChild(parent, REZORE32_BORDERCLASS, BORDERS_HORZ, 7, 40, 30, 20), lines),
              (std::vector<std::string>{std::string(30, 'D'), std::string(30, 'L')}));
}

HICON IconOf(HWND w) { return reinterpret_cast<HICON>(SendMessageA(w, ICON_GETICON, 0, 0)); }
LONG Owned(HWND w) { return GetWindowLongA(w, 0); }
bool Alive(HICON icon) {
    ICONINFO info = {};
    const bool alive = GetIconInfo(icon, &info);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    return alive;
}

TEST(IconPane, EmblemIsOwnedAndAnIconGivenStaysTheCallers) {
    rzt::RecordingParent parent;  // answers ICON_QUERYICON with 0
    HWND a = rzt::CreateChild(parent, REZORE32_ICONDRAWCLASS, 0, 10, 10, 48, 48);
    EXPECT_EQ(parent.sent, (std::vector<rzt::Sent>{{ICON_QUERYICON, 0, 0, 0}}));
    const HICON emblem = IconOf(a), mine = CopyIcon(emblem), other = CopyIcon(emblem);
    EXPECT_EQ(std::make_pair(Owned(a), Alive(emblem)), std::make_pair(1L, true));
    rzt::Canvas c(48, 48, 0);
    rzt::Snapshot(a, c);
    EXPECT_EQ(c.At(1, 1), 0u);  // the emblem's outline at the top left
    SendMessageA(a, ICON_SETICON, 0, reinterpret_cast<LPARAM>(emblem));  // itself: kept alive and owned
    EXPECT_EQ(std::make_pair(Owned(a), Alive(emblem)), std::make_pair(1L, true));
    EXPECT_EQ(SendMessageA(a, ICON_SETICON, 0, reinterpret_cast<LPARAM>(mine)), 0);
    EXPECT_EQ(std::make_pair(Owned(a), Alive(emblem)), std::make_pair(0L, false));
    EXPECT_EQ(IconOf(a), mine);
    SendMessageA(a, ICON_SETICON, 0, reinterpret_cast<LPARAM>(other));  // not owned: mine survives
    EXPECT_TRUE(Alive(mine));
    SendMessageA(a, ICON_SETICON, 0, 0);  // nothing to show: the old icon is erased at once
    rzt::Snapshot(a, c);
    EXPECT_EQ(c.At(1, 1), rzt::FaceColour());
    DestroyWindow(a);
    EXPECT_TRUE(Alive(other));
    // The parent's icon stays the parent's; without a parent, the emblem.
    parent.answerQueryIcon = mine;
    HWND given = rzt::CreateChild(parent, REZORE32_ICONDRAWCLASS, 0, 10, 10, 40, 40);
    EXPECT_TRUE(Owned(given) == 0 && IconOf(given) == mine);
    DestroyWindow(given);
    EXPECT_TRUE(Alive(mine));
    HWND lone = CreateWindowExA(0, REZORE32_ICONDRAWCLASS, "", WS_POPUP, 0, 0, 40, 40, nullptr, nullptr, nullptr, nullptr);
    EXPECT_TRUE(Owned(lone) && Alive(IconOf(lone)));
    DestroyWindow(lone);
    DestroyIcon(mine);
    DestroyIcon(other);
}

// ---------------------------------------------------------------- alike
// Takes a font; paints every pixel itself, so WM_ERASEBKGND paints nothing;
// says so; draws only 127 bytes of its text.
enum Traits { kFont = 1, kFills = 2, kSaysErased = 4, kCuts127 = 8 };
struct Control { const char *cls; LRESULT dialogCode; UINT left, right; int traits; };  // forwarded double clicks
const Control kControls[] = {
    {REZORE32_SPINCLASS, DLGC_WANTARROWS, SPIN_LBUTTONDBLCLK, SPIN_RBUTTONDBLCLK, 0},
    {REZORE32_TEXTCLASS, DLGC_STATIC, TEXT_LBUTTONDBLCLK, TEXT_RBUTTONDBLCLK, kFont | kCuts127},
    {REZORE32_METERCLASS, DLGC_STATIC, METER_LBUTTONDBLCLK, METER_RBUTTONDBLCLK, kFont | kFills},
    {REZORE32_INDICATORCLASS, DLGC_STATIC, IND_LBUTTONDBLCLK, IND_RBUTTONDBLCLK, 0},
    {REZORE32_CHECKCLASS, DLGC_BUTTON, CHECK_LBUTTONDBLCLK, CHECK_RBUTTONDBLCLK, kFont | kFills | kSaysErased | kCuts127},
    {REZORE32_MARKCLASS, 0, MARK_LBUTTONDBLCLK, MARK_RBUTTONDBLCLK, kFont | kFills | kSaysErased | kCuts127},
    {REZORE32_PLATECLASS, DLGC_STATIC, PLATE_LBUTTONDBLCLK, PLATE_RBUTTONDBLCLK, kFont | kFills | kSaysErased | kCuts127},
    {REZORE32_CLIPCLASS, DLGC_STATIC, CLIP_LBUTTONDBLCLK, CLIP_RBUTTONDBLCLK, kFont | kFills | kSaysErased | kCuts127},
    {REZORE32_BORDERCLASS, DLGC_STATIC, 0, 0, 0},
};

class BasicControls : public Passive {};

TEST_F(BasicControls, DialogCodesAndDoubleClicks) {
    parent_.answerDoubleClick = 0x5A5A;
    for (const Control &t : kControls) {
        SCOPED_TRACE(t.cls);
        HWND w = rzt::CreateChild(parent_, t.cls, 0, 10, 10, 60, 20);
        EXPECT_EQ(SendMessageA(w, WM_GETDLGCODE, 0, 0), t.dialogCode);
        parent_.sent.clear();
        if (t.left) {
            EXPECT_EQ(SendMessageA(w, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(3, 4)), 0x5A5A);
            EXPECT_EQ(SendMessageA(w, WM_RBUTTONDBLCLK, MK_RBUTTON | MK_SHIFT, MAKELPARAM(5, 6)), 0x5A5A);
            EXPECT_EQ(parent_.sent, (std::vector<rzt::Sent>{{t.left, MK_LBUTTON, MAKELPARAM(3, 4), 0},
                                                            {t.right, MK_RBUTTON | MK_SHIFT, MAKELPARAM(5, 6), 0}}));
        }
    }
}

// The font shows at the next paint, at once only when asked (a brush given as
// a font is neither selected nor freed); a NULL text is empty; 127 bytes drawn.
TEST_F(BasicControls, FontsAndTexts) {
    rzt::RecordingParent &parent = parent_;
    const HFONT big = font_;
    HFONT small = CreateFontA(-8, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "Arial");
    HBRUSH brush = CreateSolidBrush(RGB(1, 2, 3));
    const std::string exact = std::string(126, '.') + "W", longer = exact + "WWWWWWWWWW";
    const std::vector<rzt::Legend> face = {{rzt::FaceColour(), '.'}, {RGB(0, 0, 255), 'B'}, {RGB(255, 255, 255), 'W'}};
    for (const Control &t : kControls) {
        if (!(t.traits & kFont))
            continue;
        SCOPED_TRACE(t.cls);
        HWND w = rzt::CreateChild(parent, t.cls, 0, 10, 10, 560, 20), w2 = nullptr;
        EXPECT_EQ(SendMessageA(w, WM_GETFONT, 0, 0), 0);
        EXPECT_EQ(SendMessageA(w, WM_SETTEXT, 0, 0), TRUE);
        EXPECT_EQ(GetWindowTextLengthA(w), 0);
        SetWindowTextA(w, "Wg");
        SendMessageA(w, WM_SETFONT, reinterpret_cast<WPARAM>(brush), TRUE);
        rzt::Redraw(w);
        const std::vector<std::string> before = rzt::ClientGrid(w, face);
        for (LPARAM redraw : {0, 1}) {
            rzt::Pump();
            EXPECT_EQ(SendMessageA(w, WM_SETFONT, reinterpret_cast<WPARAM>(big), redraw), 0);
            EXPECT_EQ(static_cast<LONG>(SendMessageA(w, WM_GETFONT, 0, 0)), rzt::Low32(big));
            EXPECT_EQ(GetUpdateRect(w, nullptr, FALSE), redraw);
            PAINTSTRUCT ps;
            BeginPaint(w, &ps);
            EXPECT_FALSE(ps.fErase);  // erased already, or nothing to erase
            EndPaint(w, &ps);
        }
        rzt::Redraw(w);
        EXPECT_NE(rzt::ClientGrid(w, face), before);
        if (t.traits & kFills) {
            rzt::Canvas red(50, 20, RGB(255, 0, 0));
            EXPECT_EQ(SendMessageA(w, WM_ERASEBKGND, reinterpret_cast<WPARAM>(red.dc()), 0) != 0,
                      (t.traits & kSaysErased) != 0);
            EXPECT_EQ(red.At(25, 10), RGB(255, 0, 0));
        }
        if (t.traits & kCuts127) {
            w2 = rzt::CreateChild(parent, t.cls, 0, 10, 40, 560, 20);
            SetWindowTextA(w, longer.c_str());
            SetWindowTextA(w2, exact.c_str());
            EXPECT_EQ(GetWindowTextLengthA(w), static_cast<int>(longer.size()));  // kept, but not all drawn
            for (HWND each : {w, w2})
                SendMessageA(each, WM_SETFONT, reinterpret_cast<WPARAM>(small), TRUE);
            rzt::Pump();
            EXPECT_EQ(rzt::ClientGrid(w, face), rzt::ClientGrid(w2, face));
        }
        DestroyWindow(w);
        DestroyWindow(w2);
    }
    EXPECT_EQ(GetObjectType(brush), static_cast<DWORD>(OBJ_BRUSH));
    DeleteObject(small);
    DeleteObject(brush);
}

}  // namespace
