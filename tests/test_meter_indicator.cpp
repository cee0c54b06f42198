// Meter and indicator: their shared arithmetic in tables, then their
// records, pictures, repaint rules and double clicks through windows.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <utility>

#include "controls/gauge.h"
#include "tests/support.h"

namespace {

using rz::gauge::Cells;

constexpr COLORREF kBlue = RGB(0, 0, 255), kWhite = RGB(255, 255, 255), kRed = RGB(255, 0, 0);
constexpr COLORREF kUnlit = RGB(128, 128, 128), kSeparator = RGB(192, 192, 192);

// ---------------------------------------------------------------- arithmetic
struct AmountCase {
    const char *what;
    DWORD range, position;
    ULONGLONG percent;
    int width, bar;  // a meter `width` pixels wide shows a bar of `bar`
};

TEST(Gauge, PercentAndBar) {
    const AmountCase cases[] = {
        {"nothing done", 100, 0, 0, 100, 0},
        {"a quarter", 200, 50, 25, 101, 25},
        {"all done", 100, 100, 100, 100, 100},
        {"range 0 shows nothing done", 0, 5, 0, 100, 0},
        {"past the range: more than 100, bar fills", 100, 150, 150, 100, 100},
        {"large file: no 32-bit wrap", 100000000, 50000000, 50, 200, 100},
        {"largest values", 0xFFFFFFFF, 0xFFFFFFFF, 100, 30000, 30000},
        {"half of the largest range", 0xFFFFFFFF, 0x7FFFFFFF, 49, 30000, 14999},
        {"largest position of range 1", 1, 0xFFFFFFFF, 429496729500ull, 30000, 30000},
        {"zero-width meter", 100, 50, 50, 0, 0},
    };
    for (const AmountCase &t : cases) {
        SCOPED_TRACE(t.what);
        EXPECT_EQ(rz::gauge::Percent(t.range, t.position), t.percent);
        EXPECT_EQ(rz::gauge::BarWidth(t.range, t.position, t.width), t.bar);
    }
}

TEST(Gauge, PercentText) {
    const std::pair<ULONGLONG, const char *> cases[] = {{0, "0%"}, {42, "42%"}, {150, "150%"},
                                                        {429496729500ull, "429496729500%"},
                                                        {~0ull, "18446744073709551615%"}};
    for (const auto &t : cases) {
        char text[rz::gauge::kPercentTextSize];
        EXPECT_EQ(rz::gauge::PercentText(t.first, text), static_cast<int>(strlen(t.second)));
        EXPECT_STREQ(text, t.second);
    }
}

struct CellCase {
    const char *what;
    int clientWidth;
    LONG cellSlot;
    bool fixed, centre;
    DWORD position;  // of 100
    Cells expected;  // area, count, width, lit, offset
};

// Layouts beyond the ones the indicator's pictures show.
TEST(Gauge, CellLayout) {
    const CellCase cases[] = {
        {"33 wide centred", 33, 5, false, true, 100, {29, 5, 5, 5, 2}},
        {"past the range lights all", 108, 5, false, false, 250, {104, 20, 5, 20, 0}},
        {"the default ignores the slot", 108, 0, false, false, 50, {104, 20, 5, 10, 0}},
        {"fixed: only the low 16 bits", 108, 0x10007, true, false, 50, {104, 14, 7, 7, 0}},
        {"fixed negative counts as 1", 108, 0xFFFD, true, false, 50, {104, 104, 1, 52, 0}},
        {"fixed wider than the area", 108, 500, true, true, 50, {104, 0, 500, 0, 52}},
        {"zero-sized", 0, 5, false, true, 50, {1, 0, 5, 0, 0}},
        {"30,000 wide", 30000, 5, false, false, 50, {29996, 20, 1499, 10, 0}},
        {"30,000 wide, fixed 1", 30000, 1, true, false, 100, {29996, 29996, 1, 29996, 0}},
    };
    for (const CellCase &t : cases) {
        SCOPED_TRACE(t.what);
        const Cells c = rz::gauge::LayOutCells(100, t.position, t.clientWidth, t.cellSlot, t.fixed, t.centre);
        EXPECT_EQ(c.area, t.expected.area);
        EXPECT_EQ(c.count, t.expected.count);
        EXPECT_EQ(c.width, t.expected.width);
        EXPECT_EQ(c.lit, t.expected.lit);
        EXPECT_EQ(c.offset, t.expected.offset);
    }
    // A large file's progress is not wrapped either.
    EXPECT_EQ(rz::gauge::LayOutCells(100000000, 50000000, 108, 5, false, false).lit, 10);
    EXPECT_EQ(rz::gauge::LayOutCells(0, 7, 108, 5, false, false).lit, 0);
}

// ---------------------------------------------------------------- windows
HFONT CrispFont() {
    return CreateFontA(-13, 0, 0, 0, FW_BOLD, 0, 0, 0, ANSI_CHARSET, 0, 0, NONANTIALIASED_QUALITY, 0, "Tahoma");
}

LONG Slot(HWND w, int index) { return GetWindowLongA(w, index); }

// Counts the WM_PAINTs a control receives.
int g_paints;
WNDPROC g_original;
LRESULT CALLBACK CountPaints(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_PAINT)
        ++g_paints;
    return CallWindowProcA(g_original, hwnd, msg, wParam, lParam);
}
void CountPaintsOf(HWND w) {
    g_original = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(w, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(CountPaints)));
    rzt::Pump();
    g_paints = 0;
}

TEST(Meter, CreatedRecord) {
    rzt::RecordingParent parent;
    HWND m = rzt::CreateChild(parent, REZORE32_METERCLASS, 0, 10, 10, 100, 20);
    const LONG expected[] = {100, 0, 0, static_cast<LONG>(kBlue), static_cast<LONG>(kWhite)};
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(Slot(m, 4 * i), expected[i]) << "slot " << 4 * i;
    const UINT gets[] = {METER_GETRANGE, METER_GETPOS, WM_GETFONT, METER_GETBARCOLOR, METER_GETTEXTCOLOR};
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(SendMessageA(m, gets[i], 0, 0), expected[i]);
    EXPECT_EQ(SendMessageA(m, WM_GETDLGCODE, 0, 0), DLGC_STATIC);
    // Range and position travel in wParam, colours in lParam.
    SendMessageA(m, METER_SETRANGE, 0xFFFFFFFF, 7);
    SendMessageA(m, METER_SETPOS, 0x80000000, 7);
    SendMessageA(m, METER_SETBARCOLOR, 7, kRed);
    SendMessageA(m, METER_SETTEXTCOLOR, 7, 0x02123456);
    EXPECT_EQ(static_cast<DWORD>(SendMessageA(m, METER_GETRANGE, 0, 0)), 0xFFFFFFFFu);
    EXPECT_EQ(static_cast<DWORD>(SendMessageA(m, METER_GETPOS, 0, 0)), 0x80000000u);
    EXPECT_EQ(SendMessageA(m, METER_GETBARCOLOR, 0, 0), static_cast<LRESULT>(kRed));
    EXPECT_EQ(SendMessageA(m, METER_GETTEXTCOLOR, 0, 0), 0x02123456);
    EXPECT_TRUE(parent.sent.empty());
}

// The meter's picture: the ink of the percentage text at its place, in the
// text colour over the bar and in the bar colour over the rest.
struct MeterCase {
    const char *what;
    int width;
    DWORD range, position;
    const char *text;
    int bar;
};

TEST(Meter, BarAndSplitText) {
    const MeterCase cases[] = {
        {"default", 101, 100, 0, "0%", 0},
        {"50 of 200", 101, 200, 50, "25%", 25},
        {"split in the text", 101, 200, 100, "50%", 50},
        {"full", 101, 100, 100, "100%", 101},
        {"range 0", 101, 0, 5, "0%", 0},
        {"past the range", 101, 100, 150, "150%", 101},
        {"large file", 101, 100000000, 50000000, "50%", 50},
    };
    constexpr int kH = 20;
    rzt::RecordingParent parent;
    HFONT font = CrispFont();
    for (const MeterCase &t : cases) {
        SCOPED_TRACE(t.what);
        HWND m = rzt::CreateChild(parent, REZORE32_METERCLASS, 0, 10, 10, t.width, kH);
        SendMessageA(m, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        SendMessageA(m, METER_SETRANGE, t.range, 0);
        SendMessageA(m, METER_SETPOS, t.position, 0);  // shows at once, no pumping
        rzt::Canvas shot(t.width, kH, 0), ink(t.width, kH, kWhite);
        rzt::Snapshot(m, shot);
        HGDIOBJ old = SelectObject(ink.dc(), font);
        SIZE x = {};
        GetTextExtentPoint32A(ink.dc(), "X", 1, &x);
        SetTextAlign(ink.dc(), TA_CENTER | TA_TOP);
        SetTextColor(ink.dc(), RGB(0, 0, 0));
        SetBkMode(ink.dc(), TRANSPARENT);
        TextOutA(ink.dc(), t.width / 2, kH / 2 - x.cy / 2, t.text, static_cast<int>(strlen(t.text)));
        SelectObject(ink.dc(), old);
        int wrong = 0, inked = 0;
        for (int py = 0; py < kH; ++py)
            for (int px = 0; px < t.width; ++px) {
                const bool on = ink.At(px, py) != kWhite, inBar = px < t.bar;
                inked += on;
                const COLORREF expected = on == inBar ? kWhite : kBlue;
                if (shot.At(px, py) != expected && ++wrong <= 3)
                    ADD_FAILURE() << px << "," << py << ": " << std::hex << shot.At(px, py);
            }
        EXPECT_EQ(wrong, 0);
        EXPECT_GT(inked, 0);
        DestroyWindow(m);
    }
    DeleteObject(font);
}

TEST(Meter, ColoursShowAtTheNextPaint) {
    rzt::RecordingParent parent;
    HWND m = rzt::CreateChild(parent, REZORE32_METERCLASS, 0, 10, 10, 60, 16);
    SendMessageA(m, METER_SETPOS, 100, 0);
    ValidateRect(m, nullptr);
    SendMessageA(m, METER_SETBARCOLOR, 0, kRed);
    SendMessageA(m, METER_SETTEXTCOLOR, 0, kBlue);
    EXPECT_FALSE(GetUpdateRect(m, nullptr, FALSE));
    rzt::Canvas c(60, 16, 0);
    rzt::Snapshot(m, c);
    EXPECT_EQ(c.At(1, 1), kBlue);
    RedrawWindow(m, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    rzt::Snapshot(m, c);
    EXPECT_EQ(c.At(1, 1), kRed);
    // The font and enabling repaint without erasing: the meter paints it all.
    ValidateRect(m, nullptr);
    SendMessageA(m, WM_SETFONT, 0, FALSE);
    EXPECT_FALSE(GetUpdateRect(m, nullptr, FALSE));
    for (UINT msg : {static_cast<UINT>(WM_SETFONT), static_cast<UINT>(WM_ENABLE)}) {
        SendMessageA(m, msg, 0, TRUE);
        EXPECT_TRUE(GetUpdateRect(m, nullptr, FALSE));
        PAINTSTRUCT ps;
        BeginPaint(m, &ps);
        EXPECT_FALSE(ps.fErase);
        EndPaint(m, &ps);
    }
}

// An indicator's pixels as characters: frame, ring, lit and unlit cells,
// separators (the same character as the ring where the face is light grey).
char Code(COLORREF c) {
    const std::pair<COLORREF, char> legend[] = {{rzt::Dark(), 'd'}, {rzt::Light(), 'l'}, {kBlue, 'B'},
                                                {kUnlit, 'g'}, {rzt::FaceColour(), '.'}, {kSeparator, '|'}};
    for (const auto &l : legend)
        if (l.first == c)
            return l.second;
    return '?';
}

std::string Pixels(const rzt::Canvas &c, int x, int y, int dx, int dy, int n) {
    std::string s;
    for (int i = 0; i < n; ++i)
        s += Code(c.At(x + i * dx, y + i * dy));
    return s;
}

std::string ExpectedRow(int w, const Cells &cells) {
    std::vector<COLORREF> colours(w, rzt::FaceColour());
    for (int i = 0; i < cells.count; ++i)
        for (int k = 0; k < cells.width; ++k)
            colours[2 + cells.offset + i * cells.width + k] =
                k == cells.width - 1 ? kSeparator : i < cells.lit ? kBlue : kUnlit;
    colours[0] = rzt::Dark();
    colours[w - 1] = rzt::Light();
    std::string row;
    for (COLORREF c : colours)
        row += Code(c);
    return row;
}

struct IndicatorCase {
    const char *what;
    int width;
    DWORD style;
    LONG cellWidth;
    DWORD position;  // of 100
    Cells cells;     // area, count, width, lit, offset
};

TEST(Indicator, CellsOnTheScreen) {
    const IndicatorCase cases[] = {
        {"108 wide, nothing done", 108, 0, 5, 0, {104, 20, 5, 0, 0}},
        {"108 wide centred, all done", 108, INDS_CENTER, 5, 100, {104, 20, 5, 20, 2}},
        {"30 wide, 40 %", 30, 0, 5, 40, {26, 5, 5, 2, 0}},
        {"30 wide centred, past the range", 30, INDS_CENTER, 5, 150, {26, 5, 5, 5, 0}},
        {"200 wide", 200, 0, 5, 50, {196, 20, 9, 10, 0}},
        {"200 wide centred", 200, INDS_CENTER, 5, 50, {196, 20, 9, 10, 8}},
        {"fixed cells of 7, centred", 108, INDS_FIXEDCELL | INDS_CENTER, 7, 50, {104, 14, 7, 7, 3}},
        {"fixed cells of 0", 108, INDS_FIXEDCELL, 0, 50, {104, 104, 1, 52, 0}},
    };
    constexpr int kH = 14;
    rzt::RecordingParent parent;
    for (const IndicatorCase &t : cases) {
        SCOPED_TRACE(t.what);
        HWND ind = rzt::CreateChild(parent, REZORE32_INDICATORCLASS, t.style, 10, 10, t.width, kH);
        SendMessageA(ind, IND_SETCELLWIDTH, t.cellWidth, 0);
        SendMessageA(ind, IND_SETPOS, t.position, 0);
        RedrawWindow(ind, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
        rzt::Canvas c(t.width, kH, 0);
        rzt::Snapshot(ind, c);
        EXPECT_EQ(Pixels(c, 0, kH / 2, 1, 0, t.width), ExpectedRow(t.width, t.cells));
        // Down the first cell: frame, ring, cell rows 2 to H-4, ring, frame.
        const char cell = Code(t.cells.width == 1 ? kSeparator : t.cells.lit ? kBlue : kUnlit);
        EXPECT_EQ(Pixels(c, 2 + t.cells.offset, 0, 0, 1, kH), "d." + std::string(kH - 5, cell) + "..l");
        DestroyWindow(ind);
    }
}

struct RepaintStep {
    const char *what;
    UINT msg;
    WPARAM wParam;
    LPARAM lParam;
    bool paints;
    LONG litSlot;
};

TEST(Indicator, RepaintsOnlyWhenTheLitCountChanges) {
    const RepaintStep steps[] = {
        {"first position always repaints", IND_SETPOS, 0, 0, true, 0},
        {"same lit count", IND_SETPOS, 4, 0, false, 0},
        {"ten cells", IND_SETPOS, 50, 0, true, 10},
        {"still ten", IND_SETPOS, 52, 0, false, 10},
        {"range repaints, slot kept", IND_SETRANGE, 200, 0, true, 10},
        {"ten again after the range", IND_SETPOS, 100, 0, false, 10},
        {"colour is only stored", IND_SETCOLOR, 0, kRed, false, 10},
        {"cell width is only stored", IND_SETCELLWIDTH, 9, 0, false, 10},
        {"lit count is only stored", IND_SETLITCOUNT, static_cast<WPARAM>(-1), 0, false, -1},
        {"then the same position repaints", IND_SETPOS, 100, 0, true, 10},
        {"compared in 16 bits", IND_SETLITCOUNT, 0x1000A, 0, false, 0x1000A},
        {"same low word: no repaint", IND_SETPOS, 101, 0, false, 0x1000A},
        {"a large file's half", IND_SETRANGE, 100000000, 0, true, 0x1000A},
        {"no wrap in the lit count", IND_SETPOS, 50000000, 0, false, 0x1000A},
        {"all lit", IND_SETPOS, 0xFFFFFFFF, 0, true, 20},
    };
    rzt::RecordingParent parent;
    HWND ind = rzt::CreateChild(parent, REZORE32_INDICATORCLASS, 0, 10, 10, 108, 14);
    EXPECT_EQ(SendMessageA(ind, IND_GETLITCOUNT, 0, 0), -1);
    CountPaintsOf(ind);
    for (const RepaintStep &s : steps) {
        SCOPED_TRACE(s.what);
        g_paints = 0;
        EXPECT_EQ(SendMessageA(ind, s.msg, s.wParam, s.lParam), 0);
        EXPECT_FALSE(GetUpdateRect(ind, nullptr, FALSE));  // nothing left for later
        EXPECT_EQ(g_paints, s.paints ? 1 : 0);
        EXPECT_EQ(SendMessageA(ind, IND_GETLITCOUNT, 0, 0), s.litSlot);
    }
    // Colour and cell width show at the next repaint.
    EXPECT_EQ(SendMessageA(ind, IND_GETCOLOR, 0, 0), static_cast<LRESULT>(kRed));
    EXPECT_EQ(SendMessageA(ind, IND_GETCELLWIDTH, 0, 0), 9);
    RedrawWindow(ind, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    rzt::Canvas c(108, 14, 0);
    rzt::Snapshot(ind, c);
    EXPECT_EQ(c.At(3, 7), kRed);
    SetWindowLongPtrA(ind, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(g_original));
}

TEST(Indicator, CreatedRecord) {
    rzt::RecordingParent parent;
    HWND ind = rzt::CreateChild(parent, REZORE32_INDICATORCLASS, 0, 10, 10, 108, 14);
    const LONG expected[] = {100, 0, static_cast<LONG>(kBlue), 5, -1};
    const UINT gets[] = {IND_GETRANGE, IND_GETPOS, IND_GETCOLOR, IND_GETCELLWIDTH, IND_GETLITCOUNT};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(Slot(ind, 4 * i), expected[i]) << "slot " << 4 * i;
        EXPECT_EQ(SendMessageA(ind, gets[i], 0, 0), expected[i]);
    }
    EXPECT_EQ(SendMessageA(ind, WM_GETDLGCODE, 0, 0), DLGC_STATIC);
    EXPECT_EQ(SendMessageA(ind, WM_SYSCOLORCHANGE, 0, 0), 0);
}

// ---------------------------------------------------------------- all three
struct ForwardCase {
    const char *cls;
    UINT left, right;
};

const ForwardCase kForwarding[] = {
    {REZORE32_TEXTCLASS, TEXT_LBUTTONDBLCLK, TEXT_RBUTTONDBLCLK},
    {REZORE32_METERCLASS, METER_LBUTTONDBLCLK, METER_RBUTTONDBLCLK},
    {REZORE32_INDICATORCLASS, IND_LBUTTONDBLCLK, IND_RBUTTONDBLCLK},
};

TEST(PassiveControls, DoubleClicksGoToTheParent) {
    for (const ForwardCase &t : kForwarding) {
        SCOPED_TRACE(t.cls);
        rzt::RecordingParent parent;
        parent.answerDoubleClick = 0x5A5A;
        HWND w = rzt::CreateChild(parent, t.cls, 0, 10, 10, 60, 16);
        parent.sent.clear();
        EXPECT_EQ(SendMessageA(w, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(3, 4)), 0x5A5A);
        EXPECT_EQ(SendMessageA(w, WM_RBUTTONDBLCLK, MK_RBUTTON | MK_SHIFT, MAKELPARAM(5, 6)), 0x5A5A);
        const std::vector<rzt::Sent> expected = {{t.left, MK_LBUTTON, MAKELPARAM(3, 4), 0},
                                                 {t.right, MK_RBUTTON | MK_SHIFT, MAKELPARAM(5, 6), 0}};
        EXPECT_EQ(parent.sent, expected);
        HWND lone = CreateWindowExA(0, t.cls, "", WS_POPUP, 0, 0, 20, 20, nullptr, nullptr, nullptr, nullptr);
        EXPECT_EQ(SendMessageA(lone, WM_LBUTTONDBLCLK, 0, 0), 0);
        EXPECT_EQ(SendMessageA(lone, WM_RBUTTONDBLCLK, 0, 0), 0);
        DestroyWindow(lone);
    }
}

// Sizes, styles, values, fonts and texts no caller should send: each
// control still paints and nothing breaks.
TEST(PassiveControls, BadInput) {
    rzt::RecordingParent parent;
    HBRUSH notAFont = CreateSolidBrush(kRed);
    HFONT freed = CrispFont();
    DeleteObject(freed);
    const std::string huge(10000, 'W');
    const SIZE sizes[] = {{0, 0}, {1, 1}, {3, 3}, {30000, 20}, {20, 3000}};
    for (const ForwardCase &t : kForwarding)
        for (SIZE size : sizes)
            for (DWORD style : {0ul, 0xFFFFul}) {
                SCOPED_TRACE(std::string(t.cls) + " " + std::to_string(size.cx) + "x" + std::to_string(size.cy));
                HWND w = rzt::CreateChild(parent, t.cls, style, 0, 0, size.cx, size.cy);
                ASSERT_NE(w, nullptr);
                EXPECT_TRUE(SendMessageA(w, WM_SETTEXT, 0, 0));  // NULL text counts as empty
                EXPECT_EQ(GetWindowTextLengthA(w), 0);
                SetWindowTextA(w, huge.c_str());
                for (WPARAM font : {reinterpret_cast<WPARAM>(notAFont), reinterpret_cast<WPARAM>(freed)})
                    for (DWORD value : {0ul, 0xFFFFFFFFul}) {
                        SendMessageA(w, WM_SETFONT, font, TRUE);
                        for (UINT msg : {METER_SETRANGE, METER_SETPOS, IND_SETRANGE, IND_SETPOS, IND_SETCELLWIDTH})
                            SendMessageA(w, msg, value, 0);
                        for (UINT msg : {METER_SETBARCOLOR, METER_SETTEXTCOLOR, IND_SETCOLOR})
                            SendMessageA(w, msg, 0, static_cast<LPARAM>(0xFF000000 | value));
                        RedrawWindow(w, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
                    }
                DestroyWindow(w);
            }
    EXPECT_EQ(GetObjectType(notAFont), static_cast<DWORD>(OBJ_BRUSH));  // never selected, never freed
    DeleteObject(notAFont);
}

// A full 30,000-pixel meter: the bar's far end and the text's place.
TEST(PassiveControls, WideMeterFillsToItsEnd) {
    rzt::RecordingParent parent(0, 0, 800, 100);
    HWND m = rzt::CreateChild(parent, REZORE32_METERCLASS, 0, -29400, 10, 30000, 20);
    SendMessageA(m, METER_SETRANGE, 0xFFFFFFFF, 0);
    SendMessageA(m, METER_SETPOS, 0xFFFFFFFE, 0);  // one short of the whole: bar 29,999
    POINT corner = {0, 0};
    MapWindowPoints(m, parent, &corner, 1);
    HDC dc = GetDC(parent);
    EXPECT_EQ(GetPixel(dc, corner.x + 29998, 12), kBlue);
    EXPECT_EQ(GetPixel(dc, corner.x + 29999, 12), kWhite);
    ReleaseDC(parent, dc);
}

}  // namespace
