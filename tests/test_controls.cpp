// The basic controls but the spin: pixels, slots and what the parent hears; then what they do alike.
#include <gtest/gtest.h>

#include "tests/support.h"

namespace {
constexpr int kId = 55;
enum : LONG { kChecked = CHECK_STATE_CHECKED, kDisabled = CHECK_STATE_DISABLED };
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

// Paints the window's top left w x h black on the screen, so that a repaint shows.
void Blacken(HWND hwnd, int w, int h) {
    HDC dc = GetDC(hwnd);
    PatBlt(dc, 0, 0, w, h, BLACKNESS);
    ReleaseDC(hwnd, dc);
}

// The control's client pixels against expected(x, y, ink), `ink` holding `text` drawn black on white with the
// font as DrawTextA would; the first three that differ are reported.
template <class Expected>
void ExpectLettering(HWND hwnd, HFONT font, const char *text, UINT format, const char *what, Expected expected) {
    RECT r;
    GetClientRect(hwnd, &r);
    rzt::Canvas shot(r.right, r.bottom, 0), ink(r.right, r.bottom, kWhite);
    rzt::Snapshot(hwnd, shot);
    SelectObject(ink.dc(), font);
    SetBkMode(ink.dc(), TRANSPARENT);
    DrawTextA(ink.dc(), text, -1, &r, format | DT_SINGLELINE | DT_VCENTER);
    for (int y = 0, wrong = 0; y < r.bottom; ++y)
        for (int x = 0; x < r.right; ++x)
            if (shot.At(x, y) != expected(x, y, ink) && ++wrong <= 3)
                ADD_FAILURE() << what << ": " << x << "," << y << " is " << std::hex << shot.At(x, y);
}

// A parent and a crisp font, so that every pixel of lettering is one of its colours.
class Passive : public testing::Test {
protected:
    ~Passive() override { DeleteObject(font_); }
    HWND Make(const char *cls, DWORD style, const char *text = "", int w = 60, int h = 40, int y = 10) {
        HWND hwnd = rzt::CreateChild(parent_, cls, style, 10, y, w, h, kId);
        SetWindowTextA(hwnd, text);
        SendMessageA(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font_), TRUE);
        rzt::Pump();
        return hwnd;
    }
    rzt::RecordingParent parent_{40, 40, 640, 200};
    HFONT font_ = CreateFontA(-13, 0, 0, 0, FW_BOLD, 0, 0, 0, ANSI_CHARSET, 0, 0, NONANTIALIASED_QUALITY, 0, "Tahoma");
};

class TextTest : public Passive {};
// Each style's lettering against the font's ink, once per pass; the parent's colours over its brush or none;
// frames: top and left in the first pen, bottom and right (its top pixel too) in the second.
TEST_F(TextTest, LetteringOfEachStyle) {
    const COLORREF red = RGB(255, 0, 0), green = RGB(0, 128, 0), navy = RGB(0, 0, 128);
    struct Case {
        const char *what; DWORD style; UINT format; std::vector<Pass> passes; COLORREF first, second, background;
        char frame = 0;  // 'r' raised, 's' sunken
    };
    const Case cases[] = {
        {"default: grey with a black shadow", 0, DT_LEFT, kRaised, kGrey, 0, kFace},
        {"engraved: black over a face-coloured copy", TEXTS_ENGRAVED, DT_LEFT, kEngraved, kFace, 0, kFace},
        {"thick", TEXTS_WHITE | TEXTS_THICK, DT_LEFT, {{1, 0, 0}, {1, 1, 0}, {2, 1, 1}, {2, 2, 1}}, kWhite, 0, kFace},
        {"thick engraved", TEXTS_WHITE | TEXTS_ENGRAVED | TEXTS_THICK, DT_LEFT,
         {{1, 2, 1}, {1, 1, 1}, {2, 1, 0}, {2, 0, 0}}, kWhite, 0, kFace},
        {"right", TEXTS_WHITE | TEXTS_RIGHT, DT_RIGHT, kRaised, kWhite, 0, kFace},
        {"centre wins over right", TEXTS_WHITE | TEXTS_CENTER | TEXTS_RIGHT, DT_CENTER, kRaised, kWhite, 0, kFace},
        {"no prefix, left", TEXTS_WHITE | TEXTS_NOPREFIX | TEXTS_CENTER, DT_NOPREFIX, kRaised, kWhite, 0, kFace},
        {"parent's colours and brush", TEXTS_PARENTCOLOR, DT_LEFT, kRaised, red, green, navy},
        {"parent's colours, class background", TEXTS_PARENTCOLOR, DT_LEFT, kRaised, red, green, kFace},
        {"parent's colours engraved", TEXTS_PARENTCOLOR | TEXTS_ENGRAVED, DT_LEFT, kEngraved, red, green, navy},
        {"white wins, parent not asked", TEXTS_PARENTCOLOR | TEXTS_WHITE, DT_LEFT, kRaised, kWhite, 0, kFace},
        {"raised frame", TEXTS_WHITE | TEXTS_FRAME, DT_LEFT, kRaised, kWhite, 0, kFace, 'r'},
        {"sunken frame", TEXTS_WHITE | TEXTS_FRAME | TEXTS_FRAMESUNKEN, DT_LEFT, kRaised, kWhite, 0, kFace, 's'},
    };
    HBRUSH brush = CreateSolidBrush(navy);
    for (const Case &t : cases) {
        parent_.answerTextColour = [&](HDC dc) {
            SetBkColor(dc, red);
            SetTextColor(dc, green);
            return reinterpret_cast<LRESULT>(t.background == navy ? brush : nullptr);
        };
        parent_.sent.clear();
        HWND text = Make(REZORE32_TEXTCLASS, t.style, "", kW, kH);
        ValidateRect(text, nullptr);
        SetWindowTextA(text, "A&bg");
        EXPECT_TRUE(GetUpdateRect(text, nullptr, FALSE)) << t.what;  // a new text always repaints
        rzt::Redraw(text);
        ExpectLettering(text, font_, "A&bg", t.format, t.what, [&](int x, int y, const rzt::Canvas &ink) {
            if (t.frame && (x == 0 || y == 0 || x == kW - 1 || y == kH - 1))  // second pen: right and bottom
                return (x == kW - 1 || (y == kH - 1 && x > 0)) == (t.frame == 'r') ? rzt::Dark() : rzt::Light();
            COLORREF expected = t.background == kFace ? rzt::FaceColour() : t.background;
            for (const Pass &p : t.passes)
                if (x >= p.dx && y >= p.dy && ink.At(x - p.dx, y - p.dy) != kWhite)
                    expected = p.colour == 2 ? t.second : t.first == kFace ? rzt::FaceColour() : t.first;
            return expected;
        });
        EXPECT_EQ(parent_.sent.empty(), t.second == 0) << t.what;  // asked only for the parent's colours
        for (const rzt::Sent &s : parent_.sent)
            EXPECT_TRUE(s.msg == TEXT_CTLCOLOR && s.lParam == reinterpret_cast<LPARAM>(text));
        DestroyWindow(text);
    }
    DeleteObject(brush);
}

class PlateTest : public Passive {
protected:
    // The client area: L highlight, D shadow, '.' face, B black, W white (a white highlight reads as L).
    static std::vector<rzt::Legend> Colours() {
        return {{rzt::Light(), 'L'}, {rzt::Dark(), 'D'}, {rzt::FaceColour(), '.'}, {0, 'B'}, {kWhite, 'W'}};
    }
    static std::vector<std::string> Picture(HWND hwnd) { return rzt::ClientGrid(hwnd, Colours()); }
    // The top-right and the bottom-left corner, four by four, rows joined by '/'.
    static std::string Corners(const std::vector<std::string> &p) {
        std::string out;
        for (size_t r = 0; r < 8; ++r) {
            const std::string &row = r < 4 ? p[r] : p[p.size() - 8 + r];
            out += (r == 4 ? " " : r ? "/" : "") + row.substr(r < 4 ? row.size() - 4 : 0, 4);
        }
        return out;
    }
};

// The face inside the frame of each choice (the first of clashing ones wins); lettering left inside the frame
// (moved by one), right, centred; centring wins over right.
TEST_F(PlateTest, FrameAndAlignment) {
    struct Case { const char *cls; DWORD style; const char *corners; };
    const Case cases[] = {
        {REZORE32_PLATECLASS, 0, "LLLD/...D/...D/...D L.../L.../L.../LDDD"},
        {REZORE32_PLATECLASS, PLATES_SUNKEN, "DDDL/...L/...L/...L D.../D.../D.../DLLL"},
        {REZORE32_PLATECLASS, PLATES_SUNKENDEEP, "DDDL/DDLL/..LL/..LL DD../DD../DDLL/DLLL"},
        {REZORE32_PLATECLASS, PLATES_RAISEDDEEP, "LLLD/LLDD/..DD/..DD LL../LL../LLDD/LDDD"},
        {REZORE32_PLATECLASS, PLATES_SUNKEN | PLATES_RAISEDDEEP, "DDDL/...L/...L/...L D.../D.../D.../DLLL"},
        {REZORE32_CLIPCLASS, 0, "LLLD/DDLD/..LD/..LD LD../LD../LDLL/LDDD"},
        {REZORE32_CLIPCLASS, CLIPS_ETCHED, "DDDL/LLDL/..DL/..DL DL../DL../DLDD/DLLL"},
        {REZORE32_CLIPCLASS, CLIPS_ETCHEDWIDE, "DDDL/...L/LD.L/.D.L D.L./D.LD/D.../DLLL"},
        {REZORE32_CLIPCLASS, CLIPS_BUMPWIDE, "LLLD/...D/DL.D/.L.D L.D./L.DL/L.../LDDD"},
        {REZORE32_CLIPCLASS, CLIPS_ETCHEDWIDE | CLIPS_BUMPWIDE, "DDDL/...L/LD.L/.D.L D.L./D.LD/D.../DLLL"},
    };
    for (const Case &c : cases) {
        HWND hwnd = Make(c.cls, c.style);
        const std::vector<std::string> p = Picture(hwnd);
        EXPECT_EQ(Corners(p) + p[20][30], c.corners + std::string(".")) << c.cls << " style " << std::hex << c.style;
        DestroyWindow(hwnd);
    }
    std::vector<int> x;  // the first column of ink
    for (DWORD style : std::vector<DWORD>{0, PLATES_RIGHT, PLATES_CENTER, PLATES_CENTER | PLATES_RIGHT}) {
        HWND hwnd = Make(REZORE32_PLATECLASS, style | PLATES_SUNKENDEEP, "II", 120, 30);
        x.push_back(FirstColumn(Picture(hwnd), 0, 'B'));
        DestroyWindow(hwnd);
    }
    EXPECT_TRUE(x[0] >= 5 && x[0] <= 7 && x[2] > x[0] + 30 && x[1] > x[2] + 30 && x[3] == x[2])
        << x[0] << " " << x[1] << " " << x[2] << " " << x[3];
}

// Relief is the flat text over a white copy one pixel right and below.  Where Static would paint its own
// look at once (these style bits: ellipsis text) it never shows: a new text waits, a hidden one stays hidden.
TEST_F(PlateTest, ReliefTextAndNeverTheStaticLook) {
    const std::pair<UINT, WPARAM> pokes[] = {{WM_ENABLE, FALSE}, {WM_ENABLE, TRUE}, {WM_SYSCOLORCHANGE, 0},
                                             {WM_UPDATEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEACCEL)}};
    for (const char *cls : {REZORE32_PLATECLASS, REZORE32_CLIPCLASS}) {
        HWND flat = Make(cls, PLATES_SUNKEN | PLATES_CENTER | PLATES_FLAT);
        HWND relief = Make(cls, PLATES_CENTER, "Hg", 60, 40, 60);
        const std::vector<std::string> r = Picture(relief);
        Blacken(flat, 60, 40);
        EXPECT_TRUE(SetWindowTextA(flat, "Hg"));
        EXPECT_EQ(Picture(flat), std::vector<std::string>(40, std::string(60, 'B'))) << cls;  // nothing painted yet
        rzt::Pump();
        const std::vector<std::string> f = Picture(flat);
        for (const auto &k : pokes) {
            SendMessageA(flat, k.first, k.second, 0);
            rzt::Pump();
            EXPECT_EQ(Picture(flat), f) << cls << " message " << k.first;
        }
        rzt::Canvas printed(60, 40, 0);
        SendMessageA(flat, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(printed.dc()), PRF_CLIENT);
        EXPECT_EQ(rzt::Grid(printed, Colours()), f);
        int black = 0, wrong = 0;
        for (int y = 4; y < 36; ++y)
            for (int x = 4; x < 56; ++x) {
                const bool inkHere = f[y][x] == 'B', inkBefore = f[y - 1][x - 1] == 'B';
                black += inkHere;
                wrong += r[y][x] != (inkHere ? 'B' : inkBefore ? 'L' : '.');
            }
        EXPECT_TRUE(black > 10 && wrong == 0) << cls << ": " << black << " black, " << wrong << " wrong";
        ShowWindow(flat, SW_HIDE);
        EXPECT_TRUE(SetWindowTextA(flat, "Later"));
        EXPECT_FALSE(IsWindowVisible(flat));
        DestroyWindow(flat);
        DestroyWindow(relief);
    }
}

// The percentage in the text colour over the bar, in the bar colour elsewhere; default colours and range;
// range 0 is nothing done, percentages past 32 bits.
class Meter : public Passive {};
TEST_F(Meter, BarAndSplitText) {
    struct Case { DWORD range, position; const char *text; int bar; };
    const Case cases[] = {
        {100, 0, "0%", 0},
        {200, 50, "25%", 25},
        {100, 100, "100%", 101},
        {0, 5, "0%", 0},
        {0xFFFFFFFF, 0xFFFFFFFF, "100%", 101},
        {0xFFFFFFFF, 0x7FFFFFFF, "49%", 50},
        {1000, 0xFFFFFFFF, "429496729%", 101},
    };
    for (const Case &t : cases) {
        HWND m = Make(REZORE32_METERCLASS, 0, "", 101, 20);
        if (t.range != 100)
            SendMessageA(m, METER_SETRANGE, t.range, 0);
        SendMessageA(m, METER_SETPOS, t.position, 0);  // shows at once, no pumping
        ExpectLettering(m, font_, t.text, DT_CENTER, t.text, [&](int x, int y, const rzt::Canvas &ink) {
            return (ink.At(x, y) != kWhite) == (x < t.bar) ? kWhite : kBlue;
        });
        DestroyWindow(m);
    }
}

// The middle row and first cell's column: d/l frame, '.' ring, B lit, g unlit, | separator (face on NT);
// repaints at once, and only when the lit count (compared in 16 bits) or the range changes.
class Indicator : public Passive {};
TEST_F(Indicator, CellsAndRepaints) {
    struct Case { const char *what; int width; DWORD style; LONG slot; DWORD position; int count, cell, lit, offset; };
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
        HWND ind = rzt::CreateChild(parent_, REZORE32_INDICATORCLASS, t.style, 10, 10, t.width, kIH);
        if (t.slot != 5)
            SendMessageA(ind, IND_SETCELLWIDTH, t.slot, 0);
        SendMessageA(ind, IND_SETPOS, t.position, 0);
        rzt::Redraw(ind);
        const std::vector<std::string> g = rzt::ClientGrid(ind, legend);
        std::string row = "d." + std::string(t.offset, '.'), column;
        for (int i = 0; i < t.count; ++i)
            row += std::string(t.cell - 1, i < t.lit ? 'B' : 'g') + separator;
        row.resize(t.width - 1, '.');
        EXPECT_EQ(g[kIH / 2], row + 'l') << t.what;
        for (const std::string &r : g)
            column += r[2 + t.offset];
        const char cell = t.cell == 1 ? separator : t.lit ? 'B' : 'g';
        EXPECT_EQ(column, "d." + std::string(kIH - 5, cell) + "..l") << t.what;  // frame, ring, cells, ring, frame
        DestroyWindow(ind);
    }
    struct Step { const char *what; UINT msg; WPARAM wParam; LPARAM lParam; bool paints; LONG litSlot; };
    const Step steps[] = {
        {"first position always repaints", IND_SETPOS, 0, 0, true, 0},
        {"same lit count", IND_SETPOS, 4, 0, false, 0},
        {"ten cells", IND_SETPOS, 50, 0, true, 10},
        {"range repaints, slot kept", IND_SETRANGE, 200, 0, true, 10},
        {"ten again after the range", IND_SETPOS, 100, 0, false, 10},
        {"lit count is only stored", IND_SETLITCOUNT, static_cast<WPARAM>(-1), 0, false, -1},
        {"then the same position repaints", IND_SETPOS, 100, 0, true, 10},
        {"compared in 16 bits", IND_SETLITCOUNT, 0x1000A, 0, false, 0x1000A},
        {"same low word: no repaint", IND_SETPOS, 101, 0, false, 0x1000A},
        {"a large file's half", IND_SETRANGE, 100000000, 0, true, 0x1000A},
        {"no wrap in the lit count", IND_SETPOS, 50000000, 0, false, 0x1000A},
        {"all lit", IND_SETPOS, 0xFFFFFFFF, 0, true, 20},
    };
    HWND ind = rzt::CreateChild(parent_, REZORE32_INDICATORCLASS, 0, 10, 10, 108, 14);
    for (const Step &s : steps) {
        Blacken(ind, 108, 14);
        EXPECT_EQ(SendMessageA(ind, s.msg, s.wParam, s.lParam), 0);
        EXPECT_FALSE(GetUpdateRect(ind, nullptr, FALSE)) << s.what;  // nothing left for later
        EXPECT_EQ(rzt::ClientGrid(ind, {{0, 'B'}})[0][0] != 'B', s.paints) << s.what;
        EXPECT_EQ(SendMessageA(ind, IND_GETLITCOUNT, 0, 0), s.litSlot) << s.what;
    }
}

class CheckTest : public Passive {
protected:
    HWND Make(const char *cls, const char *text = "IIII") {
        mark_ = !lstrcmpiA(cls, REZORE32_MARKCLASS);
        return hwnd_ = Passive::Make(cls, 0, text, 120, 20);
    }
    LONG State() const { return GetWindowLongA(hwnd_, CHECK_GWL_STATE); }
    // The cell of the strip shown: 0 checked, 1 unchecked held, 2 unchecked, 3 checked held, 4 disabled.
    char Shown() const {
        rzt::Canvas shot(16, 17, 0), strip(80, 14, 0);
        rzt::Snapshot(hwnd_, shot);
        HBITMAP bitmap = LoadBitmapA(GetModuleHandleA("REZORE32.DLL"),
                                     MAKEINTRESOURCEA(mark_ ? REZORE32_IDB_MARK : REZORE32_IDB_CHECK));
        DrawStateA(strip.dc(), nullptr, nullptr, reinterpret_cast<LPARAM>(bitmap), 0, 0, 0, 0, 0, DST_BITMAP);
        DeleteObject(bitmap);
        for (int cell = 0, i = 0; cell < 5; ++cell, i = 0) {
            while (i < 16 * 14 && shot.At(i % 16, 3 + i / 16) == strip.At(16 * cell + i % 16, i / 16))
                ++i;
            if (i == 16 * 14)
                return static_cast<char>('0' + cell);
        }
        return '?';
    }
    // The first column right of the picture holding a pixel that is not the face.
    int FirstInk() const { return FirstColumn(rzt::ClientGrid(hwnd_, {{rzt::FaceColour(), '.'}}), 16, '?'); }
    HWND hwnd_ = nullptr;
    bool mark_ = false;
};

// Text from x 20, the focus rectangle around it; states set (painted at once, not notified), presses,
// moves and keys: cell shown ('?' after a scribble), state, capture, clicks posted; the mark's strip.
TEST_F(CheckTest, TextFocusStatesPressesMovesAndKeys) {
    Make(REZORE32_CHECKCLASS);
    const int text = FirstInk();
    EXPECT_TRUE(text >= 20 && text <= 22) << text;  // the glyph's own bearing
    SetFocus(hwnd_);
    EXPECT_EQ(FirstInk(), 18);  // 19, inflated by one
    SetFocus(parent_);
    EXPECT_EQ(FirstInk(), text);
    const struct { const char *status; UINT msg; WPARAM wParam; LPARAM lParam; } steps[] = {
        {"0 1 - 0", BM_SETCHECK, static_cast<WPARAM>(-1), 0},  // any non-zero checks
        {"4 11 - 0", WM_ENABLE, FALSE, 0},
        {"0 1 - 0", WM_ENABLE, TRUE, 0},
        {"2 0 - 0", BM_SETCHECK, BST_UNCHECKED, 0},
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
        {"2 a C 2", WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(130, 8)},
        {"2 8 - 2", WM_LBUTTONUP, 0, MAKELPARAM(130, 8)},  // released outside: no toggle
        {"1 e C 2", WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5)},
        {"2 0 - 2", WM_KILLFOCUS, 0, 0},  // losing the focus ends a press without a toggle
        {"2 0 - 2", WM_LBUTTONUP, 0, MAKELPARAM(5, 5)},
    };
    for (const auto &step : steps) {
        if (step.status[0] == '?')  // a move that stays on its side of the edge does not repaint
            Blacken(hwnd_, 16, 20);
        SendMessageA(hwnd_, step.msg, step.wParam, step.lParam);
        char status[32];
        wsprintfA(status, "%c %lx %c %u", Shown(), State(), GetCapture() == hwnd_ ? 'C' : '-',
                  static_cast<unsigned>(parent_.Commands().size()));
        rzt::Pump();
        EXPECT_STREQ(status, step.status);
    }
    for (const rzt::Sent &s : parent_.Commands())  // clicks, BN_CLICKED from the button
        EXPECT_TRUE(s.wParam == MAKEWPARAM(kId, BN_CLICKED) && s.lParam == reinterpret_cast<LPARAM>(hwnd_));
    // The mark ignores presses and keys; without a parent nothing is posted, not even to the thread.
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
    SendMessageA(hwnd_, WM_SETFOCUS, 0, 0);
    EXPECT_EQ(State(), 0);  // the mark's
    EXPECT_EQ(FirstInk(), text);
    SendMessageA(hwnd_, BM_SETCHECK, BST_INDETERMINATE, 0);
    EXPECT_EQ(Shown(), '0');
    EnableWindow(hwnd_, FALSE);
    EXPECT_EQ(std::make_pair(Shown(), State()), std::make_pair('4', kChecked | kDisabled));
    Make(REZORE32_CHECKCLASS);  // without its picture: the face in its place, the text where it was
    DeleteObject(reinterpret_cast<HGDIOBJ>(static_cast<LONG_PTR>(SetWindowLongA(hwnd_, CHECK_GWL_PICTURE, 0))));
    rzt::Redraw(hwnd_);
    EXPECT_EQ(FirstColumn(rzt::ClientGrid(hwnd_, {{rzt::FaceColour(), '.'}}), 0, '?'), text);
}

HICON IconOf(HWND w) { return reinterpret_cast<HICON>(SendMessageA(w, ICON_GETICON, 0, 0)); }
// Whether the pane owns its icon, and whether `icon` is alive.
std::pair<LONG, bool> OwnedAlive(HWND w, HICON icon) {
    ICONINFO info = {};
    const bool alive = GetIconInfo(icon, &info);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    return {GetWindowLongA(w, 0), alive};
}

// The emblem, shown when the parent gives no icon, is the pane's own; an icon given stays the caller's.
TEST(IconPane, EmblemIsOwnedAndAnIconGivenStaysTheCallers) {
    rzt::RecordingParent parent;  // answers ICON_QUERYICON with 0
    HWND a = rzt::CreateChild(parent, REZORE32_ICONDRAWCLASS, 0, 10, 10, 48, 48);
    EXPECT_EQ(parent.sent, (std::vector<rzt::Sent>{{ICON_QUERYICON, 0, 0, 0}}));
    const HICON emblem = IconOf(a), mine = CopyIcon(emblem), other = CopyIcon(emblem);
    EXPECT_EQ(OwnedAlive(a, emblem), std::make_pair(1L, true));
    EXPECT_EQ(rzt::ClientGrid(a, {{0, 'B'}})[1][1], 'B');  // the emblem's outline at the top left
    SendMessageA(a, ICON_SETICON, 0, reinterpret_cast<LPARAM>(emblem));  // itself: kept alive and owned
    EXPECT_EQ(OwnedAlive(a, emblem), std::make_pair(1L, true));
    EXPECT_EQ(SendMessageA(a, ICON_SETICON, 0, reinterpret_cast<LPARAM>(mine)), 0);
    EXPECT_EQ(OwnedAlive(a, emblem), std::make_pair(0L, false));
    EXPECT_EQ(IconOf(a), mine);
    SendMessageA(a, ICON_SETICON, 0, reinterpret_cast<LPARAM>(other));  // not owned: mine survives
    EXPECT_TRUE(OwnedAlive(a, mine).second);
    SendMessageA(a, ICON_SETICON, 0, 0);  // nothing to show: the old icon is erased at once
    EXPECT_EQ(rzt::ClientGrid(a, {{rzt::FaceColour(), '.'}})[1][1], '.');
    DestroyWindow(a);
    parent.answerQueryIcon = mine;  // the parent's icon stays the parent's
    HWND given = rzt::CreateChild(parent, REZORE32_ICONDRAWCLASS, 0, 10, 10, 40, 40);
    EXPECT_TRUE(OwnedAlive(given, mine) == std::make_pair(0L, true) && IconOf(given) == mine);
    DestroyWindow(given);
    EXPECT_TRUE(OwnedAlive(nullptr, mine).second && OwnedAlive(nullptr, other).second);
    DestroyIcon(mine);
    DestroyIcon(other);
}

// Alike: takes a font; paints every pixel, so WM_ERASEBKGND paints nothing; says so; draws 127 bytes of text;
// two lines, shadow then highlight, across its thickness.
enum Traits { kFont = 1, kFills = 2, kSaysErased = 4, kCuts127 = 8, kAll = 15, kEtched = 16 };
struct Control { const char *cls; LRESULT dialogCode; UINT left, right; int traits; };  // forwarded double clicks
const Control kControls[] = {
    {REZORE32_SPINCLASS, DLGC_WANTARROWS, SPIN_LBUTTONDBLCLK, SPIN_RBUTTONDBLCLK, 0},
    {REZORE32_TEXTCLASS, DLGC_STATIC, TEXT_LBUTTONDBLCLK, TEXT_RBUTTONDBLCLK, kFont | kCuts127},
    {REZORE32_METERCLASS, DLGC_STATIC, METER_LBUTTONDBLCLK, METER_RBUTTONDBLCLK, kFont | kFills},
    {REZORE32_INDICATORCLASS, DLGC_STATIC, IND_LBUTTONDBLCLK, IND_RBUTTONDBLCLK, 0},
    {REZORE32_CHECKCLASS, DLGC_BUTTON, CHECK_LBUTTONDBLCLK, CHECK_RBUTTONDBLCLK, kAll},
    {REZORE32_MARKCLASS, 0, MARK_LBUTTONDBLCLK, MARK_RBUTTONDBLCLK, kAll},
    {REZORE32_PLATECLASS, DLGC_STATIC, PLATE_LBUTTONDBLCLK, PLATE_RBUTTONDBLCLK, kAll},
    {REZORE32_CLIPCLASS, DLGC_STATIC, CLIP_LBUTTONDBLCLK, CLIP_RBUTTONDBLCLK, kAll},
    {REZORE32_BORDERCLASS, DLGC_STATIC, 0, 0, kEtched},
};

class BasicControls : public Passive {};
// Dialog codes; double clicks forwarded, the parent's answer returned; a font shows at the next paint, at
// once if asked (a brush given is kept); a NULL text is empty.
TEST_F(BasicControls, DialogCodesDoubleClicksFontsAndTexts) {
    parent_.answerDoubleClick = 0x5A5A;
    HFONT small = CreateFontA(-8, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "Arial");
    HBRUSH brush = CreateSolidBrush(RGB(1, 2, 3));
    const std::string exact = std::string(126, '.') + "W", longer = exact + "WWWWWWWWWW";
    const std::vector<rzt::Legend> face = {{rzt::FaceColour(), '.'}, {RGB(0, 0, 255), 'B'}, {RGB(255, 255, 255), 'W'}};
    for (const Control &t : kControls) {
        HWND w = rzt::CreateChild(parent_, t.cls, 0, 10, 10, 560, 20);
        EXPECT_EQ(SendMessageA(w, WM_GETDLGCODE, 0, 0), t.dialogCode) << t.cls;
        parent_.sent.clear();
        if (t.left) {
            EXPECT_EQ(SendMessageA(w, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(3, 4)), 0x5A5A);
            EXPECT_EQ(SendMessageA(w, WM_RBUTTONDBLCLK, MK_RBUTTON | MK_SHIFT, MAKELPARAM(5, 6)), 0x5A5A);
            EXPECT_EQ(parent_.sent, (std::vector<rzt::Sent>{{t.left, MK_LBUTTON, MAKELPARAM(3, 4), 0},
                                                            {t.right, MK_RBUTTON | MK_SHIFT, MAKELPARAM(5, 6), 0}}));
        }
        if (t.traits & kEtched) {
            const std::vector<rzt::Legend> lines = {{rzt::Dark(), 'D'}, {rzt::Light(), 'L'}};
            EXPECT_EQ(rzt::ClientGrid(w, lines), std::vector<std::string>(20, "DL"));
            EXPECT_EQ(rzt::ClientGrid(rzt::CreateChild(parent_, t.cls, BORDERS_HORZ, 7, 40, 30, 20), lines),
                      (std::vector<std::string>{std::string(30, 'D'), std::string(30, 'L')}));
        }
        if (!(t.traits & kFont))
            continue;  // left under the next one
        EXPECT_EQ(SendMessageA(w, WM_GETFONT, 0, 0), 0) << t.cls;
        EXPECT_TRUE(SendMessageA(w, WM_SETTEXT, 0, 0) == TRUE && GetWindowTextLengthA(w) == 0) << t.cls;
        SendMessageA(w, WM_SETFONT, reinterpret_cast<WPARAM>(brush), TRUE);
        for (LPARAM redraw : {0, 1}) {
            rzt::Pump();
            EXPECT_EQ(SendMessageA(w, WM_SETFONT, reinterpret_cast<WPARAM>(font_), redraw), 0);
            EXPECT_EQ(static_cast<LONG>(SendMessageA(w, WM_GETFONT, 0, 0)), rzt::Low32(font_));
            EXPECT_EQ(GetUpdateRect(w, nullptr, FALSE), redraw) << t.cls;
            PAINTSTRUCT ps;
            BeginPaint(w, &ps);
            EXPECT_FALSE(ps.fErase) << t.cls;  // erased already, or nothing to erase
            EndPaint(w, &ps);
        }
        if (t.traits & kFills) {
            rzt::Canvas red(50, 20, RGB(255, 0, 0));
            EXPECT_EQ(SendMessageA(w, WM_ERASEBKGND, reinterpret_cast<WPARAM>(red.dc()), 0) != 0,
                      (t.traits & kSaysErased) != 0) << t.cls;
            EXPECT_EQ(red.At(25, 10), RGB(255, 0, 0)) << t.cls;
        }
        if (t.traits & kCuts127) {
            SendMessageA(w, WM_SETFONT, reinterpret_cast<WPARAM>(small), FALSE);
            SetWindowTextA(w, exact.c_str());
            rzt::Pump();
            const std::vector<std::string> shown = rzt::ClientGrid(w, face);
            SetWindowTextA(w, longer.c_str());
            rzt::Pump();
            EXPECT_EQ(GetWindowTextLengthA(w), static_cast<int>(longer.size()));  // kept, but not all drawn
            EXPECT_EQ(rzt::ClientGrid(w, face), shown) << t.cls;
        }
        DestroyWindow(w);
    }
    EXPECT_EQ(GetObjectType(brush), static_cast<DWORD>(OBJ_BRUSH));
    DeleteObject(small);
    DeleteObject(brush);
}
}  // namespace
