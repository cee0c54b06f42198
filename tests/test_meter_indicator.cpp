// Meter and indicator: their shared arithmetic in a table, then their
// records, pictures and repaint rules through windows.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "controls/gauge.h"
#include "tests/support.h"

namespace {

constexpr COLORREF kBlue = RGB(0, 0, 255), kWhite = RGB(255, 255, 255), kRed = RGB(255, 0, 0);

TEST(Gauge, PercentBarAndText) {
    if (rzt::Win95Mode())
        GTEST_SKIP() << "no window, no colour";
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

// The meter's picture: the ink of the percentage text at its place, in the
// text colour over the bar and in the bar colour over the rest.  The
// default colours (blue bar, white text) and range (100) stay.
TEST(Meter, BarAndSplitText) {
    struct Case { DWORD range, position; const char *text; int bar; };
    const Case cases[] = {{100, 0, "0%", 0},       {200, 50, "25%", 25},     {200, 100, "50%", 50},
                          {100, 100, "100%", 101}, {100, 150, "150%", 101}, {100000000, 50000000, "50%", 50}};
    constexpr int kW = 101, kH = 20;
    rzt::RecordingParent parent;
    HFONT font = CreateFontA(-13, 0, 0, 0, FW_BOLD, 0, 0, 0, ANSI_CHARSET, 0, 0, NONANTIALIASED_QUALITY, 0, "Tahoma");
    for (const Case &t : cases) {
        SCOPED_TRACE(t.text);
        HWND m = rzt::CreateChild(parent, REZORE32_METERCLASS, 0, 10, 10, kW, kH);
        SendMessageA(m, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        if (t.range != 100)
            SendMessageA(m, METER_SETRANGE, t.range, 0);
        SendMessageA(m, METER_SETPOS, t.position, 0);  // shows at once, no pumping
        rzt::Canvas shot(kW, kH, 0), ink(kW, kH, kWhite);
        rzt::Snapshot(m, shot);
        HGDIOBJ old = SelectObject(ink.dc(), font);
        SIZE x = {};
        GetTextExtentPoint32A(ink.dc(), "X", 1, &x);
        SetTextAlign(ink.dc(), TA_CENTER | TA_TOP);
        TextOutA(ink.dc(), kW / 2, kH / 2 - x.cy / 2, t.text, static_cast<int>(strlen(t.text)));
        SelectObject(ink.dc(), old);
        int wrong = 0, inked = 0;
        for (int py = 0; py < kH; ++py)
            for (int px = 0; px < kW; ++px) {
                const bool on = ink.At(px, py) != kWhite;
                inked += on;
                if (shot.At(px, py) != (on == (px < t.bar) ? kWhite : kBlue) && ++wrong <= 3)
                    ADD_FAILURE() << px << "," << py << ": " << std::hex << shot.At(px, py);
            }
        EXPECT_EQ(wrong, 0);
        EXPECT_GT(inked, 0);
        DestroyWindow(m);
    }
    DeleteObject(font);
}

// An indicator's middle row and first cell's column: d/l frame, '.' ring,
// B lit, g unlit, | separator (the face's colour on NT).
TEST(Indicator, CellsOnTheScreen) {
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
    constexpr int kH = 14;
    const std::vector<rzt::Legend> legend = {{rzt::Dark(), 'd'}, {rzt::Light(), 'l'}, {kBlue, 'B'},
        {RGB(128, 128, 128), 'g'}, {rzt::FaceColour(), '.'}, {RGB(192, 192, 192), '|'}};
    const char separator = rzt::FaceColour() == RGB(192, 192, 192) ? '.' : '|';
    rzt::RecordingParent parent;
    for (const Case &t : cases) {
        SCOPED_TRACE(t.what);
        HWND ind = rzt::CreateChild(parent, REZORE32_INDICATORCLASS, t.style, 10, 10, t.width, kH);
        if (t.cellSlot != 5)
            SendMessageA(ind, IND_SETCELLWIDTH, t.cellSlot, 0);
        SendMessageA(ind, IND_SETPOS, t.position, 0);
        rzt::Redraw(ind);
        const std::vector<std::string> g = rzt::ClientGrid(ind, legend);
        std::string row = "d." + std::string(t.offset, '.'), column;
        for (int i = 0; i < t.count; ++i)
            row += std::string(t.width1 - 1, i < t.lit ? 'B' : 'g') + separator;
        row.resize(t.width - 1, '.');
        EXPECT_EQ(g[kH / 2], row + 'l');
        for (const std::string &r : g)
            column += r[2 + t.offset];
        const char cell = t.width1 == 1 ? separator : t.lit ? 'B' : 'g';
        EXPECT_EQ(column, "d." + std::string(kH - 5, cell) + "..l");  // frame, ring, rows 2 to H-4, ring, frame
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

TEST(Indicator, RepaintsOnlyWhenTheLitCountChanges) {
    struct Step { const char *what; UINT msg; WPARAM wParam; LPARAM lParam; bool paints; LONG litSlot; };
    const Step steps[] = {
        {"first position always repaints", IND_SETPOS, 0, 0, true, 0},
        {"same lit count", IND_SETPOS, 4, 0, false, 0},
        {"ten cells", IND_SETPOS, 50, 0, true, 10},
        {"still ten", IND_SETPOS, 52, 0, false, 10},
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
    rzt::RecordingParent parent;
    HWND ind = rzt::CreateChild(parent, REZORE32_INDICATORCLASS, 0, 10, 10, 108, 14);
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
    SetWindowLongPtrA(ind, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(g_original));
}

}  // namespace
