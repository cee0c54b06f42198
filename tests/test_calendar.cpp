// The calendar: date arithmetic, layout and titles as plain functions, then the control's creation, messages,
// keyboard, mouse and painting.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <string>
#include <tuple>

#include "calendar/calendar.h"
#include "calendar/dates.h"
#include "calendar/layout.h"
#include "tests/support.h"

namespace {

using namespace rz;
using namespace calendar;
using rzt::Pump;

constexpr int kId = 77;
constexpr COLORREF kBlack = RGB(0, 0, 0), kRed = RGB(255, 0, 0), kWhite = RGB(255, 255, 255), kBlue = RGB(0, 0, 255);
constexpr WORD kDays = CLNDRP_DAYS, kPrev = CLNDRP_PREV, kTitle = CLNDRP_TITLE, kNext = CLNDRP_NEXT;

DWORD Date(int y, int m, int d) { return CLNDR_PACKDATE(y, m, d); }
POINT Centre(RECT r) { return {(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }
std::string Str(RECT r) {
    return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) + "," +
           std::to_string(r.bottom);
}
void RepaintNow(HWND hwnd) { RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW); }

short S(int v) { return static_cast<short>(v); }

// Every day of the years 1 to 9999 against a running day count from Monday, 1 January of the year 1; week counts and
// day tables from that count.  The month steps at the ends of the range are in the keyboard table below.
TEST(Dates, WholeRangeAgainstARunningCount) {
    if (rzt::Win95Mode())
        GTEST_SKIP();  // nothing depends on the platform
    for (auto [year, leap] : {std::pair{1996, 1}, {2000, 1}, {1900, 0}, {1997, 0}, {4, 1}, {100, 0}, {400, 1}})
        EXPECT_EQ(IsLeapYear(S(year)), leap) << year;
    static const int lengths[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    long long dayNumber = 0;
    int mismatches = 0;
    for (int y = 1; y <= 9999; ++y)
        for (int m = 1; m <= 12; ++m) {
            const int first = static_cast<int>((1 + dayNumber) % 7), length = GetMonthDays(S(y), S(m));
            mismatches += length != lengths[m - 1] + (m == 2 && IsLeapYear(S(y)));
            for (int d = 1; d <= length; ++d)
                mismatches += GetDayOfWeek(S(y), S(m), S(d)) != (first + d - 1) % 7;
            mismatches += GetWeekCount(S(y), S(m)) != (first + length + 6) / 7;
            WORD expected[kDayCells] = {}, cells[kDayCells];
            for (int d = 1; d <= length; ++d)
                expected[first + d - 1] = static_cast<WORD>(d);
            BuildDayTable(S(y), S(m), cells);
            mismatches += memcmp(cells, expected, sizeof(cells)) != 0;
            dayNumber += length;
        }
    EXPECT_EQ(mismatches, 0);
    EXPECT_EQ(dayNumber, 3652059) << "days of the years 1 to 9999";
    // Invalid input reads no table out of bounds; month steps make it valid.
    WORD cells[kDayCells];
    BuildDayTable(1996, 13, cells);
    EXPECT_EQ(std::count(cells, cells + kDayCells, 0) + GetMonthDays(1996, 0), kDayCells) << "no month 0 or 13";
    EXPECT_EQ(MonthBefore(PackDate(1996, 0, 5)), PackDate(1995, 12, 1));
    EXPECT_EQ(MonthAfter(PackDate(1996, 13, 5)), PackDate(1997, 1, 1));
}

// 210 x 160 with 5 week rows: 30 x 22 cells, margins 0 and 3; 214 x 160 with 6: 30 x 20 cells, side margins of 2.
TEST(Dates, Layout) {
    if (rzt::Win95Mode())
        GTEST_SKIP();  // nothing depends on the platform
    const Layout l = MakeLayout(210, 160, 5), odd = MakeLayout(214, 160, 6);
    EXPECT_EQ(Str(l.DayCell(0)) + " " + Str(l.DayCell(41)) + " " + Str(TitleTextBox(l, 60, 14)),
              "0,47,30,69 180,157,210,179 75,3,135,17");
    EXPECT_EQ(Str(odd.NextButton()), "182,0,212,20");
    EXPECT_EQ(Str(MakeLayout(0, 0, 0).DayCell(41)), "0,0,0,0") << "nothing divides by zero";
}

class Cal {
public:
    Cal(const char *text, DWORD style) : parent_(40, 40, 320, 260) {
        hwnd_ = CreateWindowExA(0, REZORE32_CALENDARCLASS, text, WS_CHILD | WS_VISIBLE | style, 10, 10, 210, 160,
                                parent_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(kId)), nullptr, nullptr);
        Pump();
    }
    ~Cal() {
        DestroyWindow(hwnd_);
        jumps();
    }
    operator HWND() const { return hwnd_; }
    rzt::RecordingParent &parent() { return parent_; }

    WORD parts() const { return GetWindowWord(hwnd_, 2); }
    DWORD slot(int index) const { return static_cast<DWORD>(GetWindowLongA(hwnd_, index)); }
    HFONT font(int index) const { return reinterpret_cast<HFONT>(static_cast<LONG_PTR>(GetWindowLongA(hwnd_, index))); }
    DWORD date() const { return static_cast<DWORD>(SendMessageA(hwnd_, CLNDR_GETDATE, 0, 0)); }
    // The current date and the focus parts, as "1996/3/15 0101".
    std::string state() const {
        char s[40];
        wsprintfA(s, "%d/%d/%d %04X", CLNDR_YEAR(date()), CLNDR_MONTH(date()), CLNDR_DAY(date()), parts());
        return s;
    }
    int cellOf(int day) const {
        for (int k = 0; k < 42; ++k)
            if (GetWindowWord(hwnd_, 28 + 2 * k) == day)
                return k;
        return -1;
    }
    void set(UINT msg, LPARAM lParam = 0) { SendMessageA(hwnd_, msg, 0, lParam); }
    void key(WPARAM vk) { SendMessageA(hwnd_, WM_KEYDOWN, vk, 0); }
    void focus() {
        SetFocus(hwnd_);
        Pump();
    }
    Layout layout() const {
        const short y = static_cast<short>(CLNDR_YEAR(date())), m = static_cast<short>(CLNDR_MONTH(date()));
        return MakeLayout(210, 160, GetWeekCount(y, m));
    }
    RECT dayCell(int day) const { return layout().DayCell(cellOf(day)); }
    void mouse(UINT msg, POINT p) { SendMessageA(hwnd_, msg, MK_LBUTTON, MAKELPARAM(p.x, p.y)); }
    void doubleClick(POINT p) {
        for (UINT msg : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP})
            mouse(msg, p);
    }
    // WM_COMMANDs with CLNDRN_DAYCHOSEN from this calendar.
    int chosen() const {
        const std::vector<rzt::Sent> sent = parent_.Commands();
        const rzt::Sent choice = {WM_COMMAND, MAKEWPARAM(kId, CLNDRN_DAYCHOSEN), reinterpret_cast<LPARAM>(hwnd_), 0};
        return static_cast<int>(std::count(sent.begin(), sent.end(), choice));
    }
    // Removes the posted jump requests; returns how many there were.
    int jumps() {
        int n = 0;
        for (MSG m; PeekMessageA(&m, hwnd_, CLNDR_JUMPDIALOG, CLNDR_JUMPDIALOG, PM_REMOVE);)
            ++n;
        return n;
    }

private:
    rzt::RecordingParent parent_;
    HWND hwnd_;
};

struct Picture {
    explicit Picture(HWND hwnd) : canvas(210, 160, RGB(1, 2, 3)) { rzt::Snapshot(hwnd, canvas); }
    // The colours in a rectangle, as letters: k black, r red, w white, b blue.
    std::string Colours(RECT r) const {
        const std::string seen = rzt::Join(rzt::Grid(canvas, {{kBlack, 'k'}, {kRed, 'r'}, {kWhite, 'w'}, {kBlue, 'b'}},
                                                     r.left, r.top, r.right - r.left, r.bottom - r.top));
        std::string s;
        for (char ch : {'k', 'r', 'w', 'b'})
            if (seen.find(ch) != std::string::npos)
                s += ch;
        return s;
    }
    rzt::Canvas canvas;
};

// Bounding box of the pixels that differ, "0,0,0,0" when none.
std::string DiffBox(const Picture &a, const Picture &b) {
    RECT box = {INT_MAX, INT_MAX, INT_MIN, INT_MIN};
    for (int y = 0; y < 160; ++y)
        for (int x = 0; x < 210; ++x)
            if (a.canvas.At(x, y) != b.canvas.At(x, y))
                box = {std::min<LONG>(box.left, x), std::min<LONG>(box.top, y), std::max<LONG>(box.right, x + 1),
                       std::max<LONG>(box.bottom, y + 1)};
    return Str(box.left == INT_MAX ? RECT{} : box);
}

// What the focus feedback left on the screen against a full repaint.
std::string DiffToRepaint(HWND hwnd) {
    const Picture shown(hwnd);
    RepaintNow(hwnd);
    return DiffBox(shown, Picture(hwnd));
}

// Where the focus rectangle is: the difference to the picture without focus.
std::string FocusBox(Cal &cal) {
    const Picture focused(cal);
    const WORD parts = cal.parts();
    SetWindowWord(cal, 2, static_cast<WORD>(parts & 0xFF00));
    RepaintNow(cal);
    const Picture plain(cal);
    SetWindowWord(cal, 2, parts);
    RepaintNow(cal);
    return DiffBox(focused, plain);
}

TEST(CalendarCreate, FromTheWindowTextAndStyle) {
    SYSTEMTIME now;
    GetLocalTime(&now);
    const DWORD today = Date(now.wYear, now.wMonth, now.wDay);
    for (auto [text, style, date, parts] :
         {std::tuple{"19960315", 0L, Date(1996, 3, 15), kDays << 8}, {"", CLNDRS_MONTHONLY, today, kDays << 8},
          {"0", CLNDRS_VIEWONLY, today, 0}, {"abcdefgh", 0L, today, kDays << 8},
          {"00000000", CLNDRS_VIEWONLY | CLNDRS_MONTHONLY, today, kTitle << 8},
          {"1996031599", 0L, Date(1996, 3, 15), kDays << 8}, {"199603", 0L, Date(1996, 3, 0), kDays << 8}}) {
        Cal cal(text, style);
        EXPECT_EQ(cal.slot(8), date) << '"' << text << '"';
        EXPECT_EQ(cal.parts(), parts) << '"' << text << '"';
        EXPECT_EQ(cal.slot(12) | cal.slot(16), 0u) << "no highlight, no marks";
    }
    Cal cal("19960315", 0), four("20150201", 0);
    EXPECT_EQ(SendMessageA(cal, WM_GETDLGCODE, 0, 0), DLGC_BUTTON | DLGC_WANTARROWS) << "Tab and Return for the dialog";
    // The large font follows the height of a line: 160 / 8 with 6 week rows, 160 / 6 with 4.
    LOGFONTA lf6 = {}, lf4 = {};
    GetObjectA(cal.font(20), sizeof(lf6), &lf6);
    GetObjectA(four.font(20), sizeof(lf4), &lf4);
    EXPECT_EQ(lf6.lfHeight * 100 + lf4.lfHeight, 2026);
}

TEST(CalendarMessages, DatesHighlightMarksAndStyles) {
    Cal cal("19960315", CLNDRS_SHOWMARKS);
    EXPECT_EQ(SendMessageA(cal, CLNDR_SETDATE, 0, Date(2000, 2, 10)), 0);
    EXPECT_EQ(cal.state() + " " + std::to_string(cal.cellOf(1) * 100 + cal.cellOf(29)), "2000/2/10 0100 230");
    for (LPARAM day : {10, 1, 31, 32, -1, 100})
        EXPECT_EQ(SendMessageA(cal, CLNDR_MARKDAY, 0, day), 0);
    EXPECT_EQ(cal.slot(16), 0x40000201u) << "bits for 1 to 31 only";
    cal.set(CLNDR_MARKDAY, 0);
    cal.set(CLNDR_MARKDAY, 5);
    cal.set(CLNDR_SETDATE, Date(2001, 7, 4));
    EXPECT_EQ(cal.slot(16), 0x10u) << "cleared by 0; survives a month change";
    // Style messages set their bits; view-only and month-only exclude each other.
    cal.set(CLNDR_SETMONTHONLY);
    cal.set(CLNDR_SETJAPANESE);
    cal.set(CLNDR_SETVIEWONLY);
    EXPECT_EQ(GetWindowLongA(cal, GWL_STYLE) & 0xFFFF, CLNDRS_SHOWMARKS | CLNDRS_JAPANESE | CLNDRS_VIEWONLY);
    EXPECT_EQ(cal.parts(), kDays << 8) << "no message touches the focus parts";
    EXPECT_TRUE(cal.parent().Commands().empty()) << "messages notify nothing";
}

// March 1996: the 1st is a Friday (cell 5), the 31st is in cell 35.  Each case starts with the focus moved from the
// grid to `part`; `after` is the date and (old part) x 256 + new part.
TEST(CalendarKeys, Table) {
    const struct { DWORD from; WORD part; WPARAM key; const char *after; int chosen = 0, jumps = 0; } cases[] = {
        // Up into the header above the column, where the cell above is empty.
        {Date(1996, 3, 1), kDays, VK_UP, "1996/3/1 0108"}, {Date(1996, 3, 3), kDays, VK_UP, "1996/3/3 0104"},
        {Date(1996, 3, 6), kDays, VK_UP, "1996/3/6 0102"}, {Date(1996, 3, 9), kDays, VK_UP, "1996/3/2 0101"},
        // Between the header parts and down into the grid; other keys do nothing.
        {Date(1996, 3, 3), kPrev, VK_RIGHT, "1996/3/3 0402"}, {Date(1996, 3, 3), kTitle, VK_RIGHT, "1996/3/3 0208"},
        {Date(1996, 3, 3), kTitle, VK_LEFT, "1996/3/3 0204"}, {Date(1996, 3, 3), kNext, VK_LEFT, "1996/3/3 0802"},
        {Date(1996, 3, 3), kTitle, VK_UP, "1996/3/3 0102"}, {Date(1996, 3, 3), kPrev, VK_DOWN, "1996/3/3 0401"},
        {Date(1996, 3, 1), kNext, VK_DOWN, "1996/3/1 0801"}, {Date(1996, 3, 8), kDays, VK_RETURN, "1996/3/8 0101"},
        // Day moves stay inside the month and notify nothing.
        {Date(1996, 3, 1), kDays, VK_LEFT, "1996/3/1 0101"}, {Date(1996, 3, 31), kDays, VK_RIGHT, "1996/3/31 0101"},
        {Date(1996, 3, 24), kDays, VK_DOWN, "1996/3/31 0101"}, {Date(1996, 3, 25), kDays, VK_DOWN, "1996/3/25 0101"},
        {Date(1996, 3, 9), kDays, VK_LEFT, "1996/3/8 0101"},
        // Space: choose the day, step the month, or ask for the jump.
        {Date(1996, 3, 8), kDays, VK_SPACE, "1996/3/8 0101", 1},
        {Date(1996, 3, 15), kTitle, VK_SPACE, "1996/3/15 0102", 0, 1},
        {Date(1996, 3, 15), kPrev, VK_SPACE, "1996/2/1 0104"}, {Date(1996, 1, 31), kNext, VK_SPACE, "1996/2/1 0108"},
        {Date(9999, 12, 15), kNext, VK_SPACE, "9999/12/1 0108"}, {Date(1, 1, 20), kPrev, VK_SPACE, "1/1/1 0104"},
    };
    Cal cal("19960301", 0);
    cal.focus();
    for (const auto &c : cases) {
        cal.set(CLNDR_SETDATE, static_cast<LPARAM>(c.from));
        SetWindowWord(cal, 2, static_cast<WORD>(kDays << 8 | c.part));
        RepaintNow(cal);
        cal.parent().sent.clear();
        cal.key(c.key);
        SCOPED_TRACE(testing::Message() << std::hex << c.from << " part " << c.part << " key " << c.key);
        EXPECT_EQ(cal.state(), c.after);
        EXPECT_EQ(cal.chosen() * 10 + cal.jumps(), c.chosen * 10 + c.jumps);
        EXPECT_EQ(DiffToRepaint(cal), "0,0,0,0");
    }
}

TEST(CalendarKeys, ViewOnlyAndMonthOnly) {
    // Both: the title first; the header works from the keyboard (no focus rectangle where no button is drawn), the
    // grid and the mouse do not.
    Cal both("19960315", CLNDRS_VIEWONLY | CLNDRS_MONTHONLY);
    both.focus();
    EXPECT_EQ(both.parts(), 0x0202);
    both.key(VK_SPACE);
    EXPECT_EQ(both.jumps(), 1);
    for (WPARAM vk : {VK_LEFT, VK_SPACE, VK_DOWN, VK_RIGHT, VK_UP, VK_SPACE})
        both.key(vk);
    both.doubleClick(Centre(both.dayCell(10)));
    both.doubleClick(Centre(both.layout().TitleArea()));
    EXPECT_EQ(both.state(), "1996/2/1 0401");
    EXPECT_EQ(both.chosen() + both.jumps(), 0);
}

// A single click moves the focus or the cursor; a double click acts.
TEST(CalendarMouse, ClicksMoveDoubleClicksAct) {
    Cal cal("19960315", 0);
    const Layout l = cal.layout();
    const POINT prev = Centre(l.PrevButton()), next = Centre(l.NextButton()), day20 = Centre(cal.dayCell(20));
    const POINT titleCorner = {l.TitleArea().left + 1, l.TitleArea().top + 1}, empty = Centre(l.DayCell(0));
    const struct { UINT msg; POINT at; const char *after; int chosen = 0, jumps = 0; } steps[] = {
        {WM_LBUTTONDOWN, prev, "1996/3/15 0104"},  // takes the focus
        {WM_LBUTTONDBLCLK, prev, "1996/2/1 0404"},
        {WM_LBUTTONDBLCLK, next, "1996/3/1 0408"},
        {WM_LBUTTONDOWN, titleCorner, "1996/3/1 0802"},  // the whole area, not only the text
        {WM_LBUTTONDBLCLK, titleCorner, "1996/3/1 0202", 0, 1},
        {WM_LBUTTONDOWN, day20, "1996/3/20 0201"},
        {WM_LBUTTONDBLCLK, day20, "1996/3/20 0101", 1},  // chooses once
        {WM_LBUTTONDOWN, Centre(l.TitleArea()), "1996/3/20 0102"},
        {WM_LBUTTONDOWN, empty, "1996/3/20 0201"},  // an empty cell: the cursor stays
        {WM_LBUTTONDBLCLK, empty, "1996/3/20 0101"},
    };
    for (const auto &s : steps) {
        cal.parent().sent.clear();
        cal.mouse(s.msg, s.at);
        cal.mouse(WM_LBUTTONUP, s.at);
        SCOPED_TRACE(s.after);
        EXPECT_EQ(cal.state(), s.after);
        EXPECT_EQ(GetFocus(), static_cast<HWND>(cal));
        EXPECT_EQ(cal.chosen() * 10 + cal.jumps(), s.chosen * 10 + s.jumps);
        EXPECT_EQ(DiffToRepaint(cal), "0,0,0,0");
    }
}

TEST(CalendarPaint, ColoursOfDaysAndButtons) {
    Cal cal("19960315", CLNDRS_SHOWMARKS);
    cal.set(CLNDR_SETHIGHLIGHT, Date(1996, 3, 20));
    for (int day : {10, 12, 20})  // a Sunday, a Tuesday, the highlighted day
        cal.set(CLNDR_MARKDAY, day);
    const Layout l = cal.layout();
    const Picture p(cal);
    for (auto [r, colours] : {std::pair{cal.dayCell(10), "rb"}, {cal.dayCell(12), "kb"}, {cal.dayCell(20), "wb"},
                              {cal.dayCell(17), "r"}, {cal.dayCell(13), "k"}, {l.Weekday(0), "r"},
                              {l.Weekday(6), "k"}, {l.DayCell(0), ""}, {l.PrevButton(), "k"}, {l.NextButton(), "k"}})
        EXPECT_EQ(p.Colours(r), colours) << Str(r);
    cal.set(CLNDR_HIDEMARKS);
    const Picture hidden(cal);
    EXPECT_EQ(hidden.Colours(cal.dayCell(10)) + hidden.Colours(cal.dayCell(20)), "rwb") << "only the highlight";
    // Clearing the marks repaints nothing until the next paint.
    cal.set(CLNDR_SHOWMARKS);
    cal.set(CLNDR_MARKDAY, 0);
    EXPECT_EQ(Picture(cal).Colours(cal.dayCell(12)), "kb");
    RepaintNow(cal);
    EXPECT_EQ(Picture(cal).Colours(cal.dayCell(12)), "k");
    // Marks belong to day numbers of every month; the highlight to its month.
    cal.set(CLNDR_MARKDAY, 12);
    cal.set(CLNDR_SETDATE, Date(1996, 4, 1));
    const Picture april(cal);
    EXPECT_EQ(april.Colours(cal.dayCell(12)) + april.Colours(cal.dayCell(20)), "kbk");
    cal.set(CLNDR_SETVIEWONLY);
    EXPECT_EQ(Picture(cal).Colours(l.PrevButton()) + Picture(cal).Colours(l.NextButton()), "") << "no buttons";
}

TEST(CalendarPaint, TodayAndFocusRectangles) {
    Cal now("", 0);  // today's month
    const RECT today = now.dayCell(CLNDR_DAY(now.slot(4)));
    EXPECT_EQ(Picture(now).Colours(today), "w") << "white on the face, no focus rectangle";
    now.focus();
    EXPECT_EQ(FocusBox(now), Str(today)) << "the focus rectangle surrounds the whole cell";

    // The title's rectangle is its text box, measured in the large font.
    Cal cal("19960315", 0);
    const Layout l = cal.layout();
    cal.mouse(WM_LBUTTONDOWN, Centre(l.TitleArea()));
    for (bool japanese : {false, true}) {
        cal.set(japanese ? CLNDR_SETJAPANESE : CLNDR_SETENGLISH);
        HDC dc = GetDC(cal);
        HGDIOBJ old = SelectObject(dc, cal.font(20));
        RECT text = l.TitleArea();
        DrawTextA(dc, japanese ? "1996\x94\x4E 3\x8C\x8E" : "3 Mar.1996", -1, &text,
                  DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_CALCRECT);
        SelectObject(dc, old);
        ReleaseDC(cal, dc);
        EXPECT_EQ(FocusBox(cal), Str(TitleTextBox(l, text.right - text.left, text.bottom - text.top)))
            << (japanese ? "Japanese" : "English");
    }
    SetFocus(cal.parent());
    Pump();
    EXPECT_EQ(FocusBox(cal), "0,0,0,0") << "no rectangle without the focus";
}

}  // namespace
