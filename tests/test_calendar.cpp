// The calendar: date arithmetic and layout as plain functions, then the control's messages, keys, mouse and painting.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>
#include <vector>

#include "calendar/calendar.h"
#include "calendar/dates.h"
#include "calendar/layout.h"
#include "frame/gdi.h"
#include "tests/support.h"

namespace {
using namespace rz;
using namespace calendar;
using rzt::Pump;
using rzt::Redraw;
constexpr int kId = 77;
constexpr COLORREF kBlack = RGB(0, 0, 0), kRed = RGB(255, 0, 0), kWhite = RGB(255, 255, 255), kBlue = RGB(0, 0, 255);
constexpr WORD kDays = CLNDRP_DAYS, kPrev = CLNDRP_PREV, kTitle = CLNDRP_TITLE, kNext = CLNDRP_NEXT;
DWORD Date(int y, int m, int d) { return CLNDR_PACKDATE(y, m, d); }
DWORD M(int d) { return Date(1996, 3, d); }  // March 1996: the 1st is a Friday, in cell 5
POINT Centre(RECT r) { return {(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }
std::string Str(RECT r) {
    return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) + "," +
           std::to_string(r.bottom);
}

// Every day of the years 1 to 9999 against a day count from Monday, 1 January 1, with week counts and day tables.
TEST(Dates, WholeRangeAndLayout) {
    if (rzt::Win95Mode())
        GTEST_SKIP();  // nothing depends on the platform
    long long dayNumber = 0;
    int mismatches = 0;
    WORD cells[kDayCells];
    for (int y = 1; y <= 9999; ++y)
        for (int m = 1; m <= 12; ++m) {
            const int first = static_cast<int>((1 + dayNumber) % 7), length = GetMonthDays(y, m);
            for (int d = 1; d <= length; ++d)
                mismatches += GetDayOfWeek(y, m, d) != (first + d - 1) % 7;
            mismatches += GetWeekCount(y, m) != (first + length + 6) / 7;
            BuildDayTable(y, m, cells);
            for (int k = 0; k < kDayCells; ++k)
                mismatches += cells[k] != (k >= first && k < first + length ? k - first + 1 : 0);
            dayNumber += length;
        }
    EXPECT_EQ(mismatches, 0);
    EXPECT_EQ(dayNumber, 3652059) << "days of the years 1 to 9999";  // a wrong length also shifts the weekdays
    BuildDayTable(1996, 13, cells);  // invalid input reads no table out of bounds; month steps make it valid
    EXPECT_EQ(std::count(cells, cells + kDayCells, 0) + GetMonthDays(1996, 0), kDayCells) << "no month 0 or 13";
    EXPECT_EQ(MonthBefore(PackDate(1996, 0, 5)), PackDate(1995, 12, 1));
    EXPECT_EQ(MonthAfter(PackDate(1996, 13, 5)), PackDate(1997, 1, 1));
    const Layout l = MakeLayout(210, 160, 5);  // 30 x 22 cells, margins 0 and 3; with 6 weeks in 214: 30 x 20
    EXPECT_EQ(Str(l.DayCell(0)) + " " + Str(l.DayCell(41)) + " " + Str(TitleTextBox(l, 60, 14)) + " " +
                  Str(MakeLayout(214, 160, 6).NextButton()) + " " + Str(MakeLayout(0, 0, 0).DayCell(41)),
              "0,47,30,69 180,157,210,179 75,3,135,17 182,0,212,20 0,0,0,0");  // the last: no division by zero
}

class Cal {
public:
    Cal(const char *text, DWORD style) : parent(40, 40, 320, 260) {
        hwnd = CreateWindowExA(0, REZORE32_CALENDARCLASS, text, WS_CHILD | WS_VISIBLE | style, 10, 10, 210, 160,
                               parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(kId)), nullptr, nullptr);
        Pump();
    }
    operator HWND() const { return hwnd; }
    WORD parts() const { return GetWindowWord(hwnd, CLNDR_GWW_FOCUSPARTS); }
    DWORD slot(int index) const { return static_cast<DWORD>(GetWindowLongA(hwnd, index)); }
    DWORD marks() const { return slot(CLNDR_GWL_MARKS); }
    HFONT font() const { return reinterpret_cast<HFONT>(static_cast<LONG_PTR>(slot(CLNDR_GWL_LARGEFONT))); }
    DWORD date() const { return static_cast<DWORD>(SendMessageA(hwnd, CLNDR_GETDATE, 0, 0)); }
    // The date and focus parts, a C per CLNDRN_DAYCHOSEN and a J per posted jump request (taken from the queue).
    std::string state() {
        char s[40];
        wsprintfA(s, "%d/%d/%d %04X", CLNDR_YEAR(date()), CLNDR_MONTH(date()), CLNDR_DAY(date()), parts());
        const std::vector<rzt::Sent> sent = parent.Commands();
        const rzt::Sent choice = {WM_COMMAND, MAKEWPARAM(kId, CLNDRN_DAYCHOSEN), reinterpret_cast<LPARAM>(hwnd), 0};
        std::string out = s + std::string(std::count(sent.begin(), sent.end(), choice), 'C');
        for (MSG m; PeekMessageA(&m, hwnd, CLNDR_JUMPDIALOG, CLNDR_JUMPDIALOG, PM_REMOVE);)
            out += 'J';
        return out;
    }
    void set(UINT msg, LPARAM lParam = 0) { SendMessageA(hwnd, msg, 0, lParam); }
    void key(WPARAM vk) { SendMessageA(hwnd, WM_KEYDOWN, vk, 0); }
    Layout layout() const { return MakeLayout(210, 160, GetWeekCount(CLNDR_YEAR(date()), CLNDR_MONTH(date()))); }
    RECT dayCell(int day) const {
        return layout().DayCell(GetDayOfWeek(CLNDR_YEAR(date()), CLNDR_MONTH(date()), 1) + day - 1);
    }
    void mouse(UINT msg, POINT p) { SendMessageA(hwnd, msg, MK_LBUTTON, MAKELPARAM(p.x, p.y)); }
    rzt::RecordingParent parent;
    HWND hwnd;
};

// Which of black, red, white and blue (k, r, w, b) a rectangle of the calendar shows.
std::string Colours(HWND hwnd, RECT r) {
    rzt::Canvas canvas(210, 160, RGB(1, 2, 3));
    rzt::Snapshot(hwnd, canvas);
    const std::string seen = rzt::Join(rzt::Grid(canvas, {{kBlack, 'k'}, {kRed, 'r'}, {kWhite, 'w'}, {kBlue, 'b'}},
                                                 r.left, r.top, r.right - r.left, r.bottom - r.top));
    std::string s = "krwb";
    s.erase(std::remove_if(s.begin(), s.end(), [&](char ch) { return seen.find(ch) == std::string::npos; }), s.end());
    return s;
}

// The box round what a full repaint changes; with `focusOff` one without a focused part: the focus rectangle's box.
std::string DiffToRepaint(HWND hwnd, bool focusOff = false) {
    const WORD parts = GetWindowWord(hwnd, CLNDR_GWW_FOCUSPARTS);
    rzt::Canvas shown(210, 160, 0), repainted(210, 160, 0);
    rzt::Snapshot(hwnd, shown);
    SetWindowWord(hwnd, CLNDR_GWW_FOCUSPARTS, static_cast<WORD>(focusOff ? parts & 0xFF00 : parts));
    Redraw(hwnd);
    rzt::Snapshot(hwnd, repainted);
    SetWindowWord(hwnd, CLNDR_GWW_FOCUSPARTS, parts);
    Redraw(hwnd);
    RECT box = {};
    for (int y = 0; y < 160; ++y)
        for (int x = 0; x < 210; ++x)
            if (shown.At(x, y) != repainted.At(x, y)) {
                const RECT pixel = {x, y, x + 1, y + 1};
                UnionRect(&box, &box, &pixel);
            }
    return Str(box);
}

// Creation from text and style, the dialog code, the large font, marks, day colours, focus rectangles and styles.
TEST(CalendarMessages, CreationMarksPaintAndStyles) {
    SYSTEMTIME now;
    GetLocalTime(&now);
    const DWORD today = Date(now.wYear, now.wMonth, now.wDay);
    for (auto [text, style, date, parts] :
         {std::tuple{"19960315", 0L, Date(1996, 3, 15), kDays << 8}, {"", CLNDRS_MONTHONLY, today, kDays << 8},
          {"0", CLNDRS_VIEWONLY, today, 0}, {"abcdefgh", 0L, today, kDays << 8},
          {"00000000", CLNDRS_VIEWONLY | CLNDRS_MONTHONLY, today, kTitle << 8},
          {"1996031599", 0L, Date(1996, 3, 15), kDays << 8}, {"199603", 0L, Date(1996, 3, 0), kDays << 8}}) {
        Cal cal(text, style);
        EXPECT_EQ(std::make_tuple(cal.slot(CLNDR_GWL_DATE), cal.parts(), cal.slot(CLNDR_GWL_HIGHLIGHT) | cal.marks()),
                  std::make_tuple(date, static_cast<WORD>(parts), 0u)) << '"' << text << "\": no highlight, no marks";
    }
    Cal cal("19960315", CLNDRS_SHOWMARKS), four("20150201", 0);
    EXPECT_EQ(SendMessageA(cal, WM_GETDLGCODE, 0, 0), DLGC_BUTTON | DLGC_WANTARROWS) << "Tab and Return for the dialog";
    LOGFONTA lf6 = {}, lf4 = {};  // the large font follows the line height: 160 / 8 with 6 week rows, 160 / 6 with 4
    GetObjectA(cal.font(), sizeof(lf6), &lf6);
    GetObjectA(four.font(), sizeof(lf4), &lf4);
    EXPECT_EQ(lf6.lfHeight * 100 + lf4.lfHeight, 2026);
    EXPECT_EQ(SendMessageA(cal, CLNDR_SETDATE, 0, Date(2000, 2, 10)), 0);
    EXPECT_EQ(cal.state() + " " + std::to_string(Calendar_DayCell(cal, 2) * 100 + Calendar_DayCell(cal, 30)),
              "2000/2/10 0100 129") << "the day table rebuilt";
    for (LPARAM day : {10, 1, 31, 32, -1, 100})
        EXPECT_EQ(SendMessageA(cal, CLNDR_MARKDAY, 0, day), 0);
    EXPECT_EQ(cal.marks(), 0x40000201u) << "bits for 1 to 31 only";
    // Day colours with marks on a Sunday, a Tuesday and the highlighted day; the title's focus box only with the focus.
    cal.set(CLNDR_SETDATE, M(15));
    cal.set(CLNDR_MARKDAY, 0);
    cal.set(CLNDR_SETHIGHLIGHT, M(20));
    for (int day : {10, 12, 20})
        cal.set(CLNDR_MARKDAY, day);
    const Layout l = cal.layout();
    for (auto [r, colours] : {std::pair{cal.dayCell(10), "rb"}, {cal.dayCell(12), "kb"}, {cal.dayCell(20), "wb"},
                              {cal.dayCell(17), "r"}, {cal.dayCell(13), "k"}, {l.Weekday(0), "r"},
                              {l.Weekday(6), "k"}, {l.DayCell(0), ""}, {l.PrevButton(), "k"}, {l.NextButton(), "k"}})
        EXPECT_EQ(Colours(cal, r), colours) << Str(r);
    cal.mouse(WM_LBUTTONDOWN, Centre(l.TitleArea()));
    SIZE size;
    {
        WindowDC dc(cal);
        Select large(dc, cal.font());  // the title's text box is measured in the large font
        GetTextExtentPoint32A(dc, "3 Mar.1996", 10, &size);
    }
    EXPECT_EQ(DiffToRepaint(cal, true), Str(TitleTextBox(l, size.cx, size.cy)));
    SetFocus(cal.parent);
    Pump();
    EXPECT_EQ(DiffToRepaint(cal, true), "0,0,0,0");
    cal.set(CLNDR_HIDEMARKS);
    EXPECT_EQ(Colours(cal, cal.dayCell(10)) + Colours(cal, cal.dayCell(20)), "rwb");  // the highlight only
    cal.set(CLNDR_SHOWMARKS);
    cal.set(CLNDR_MARKDAY, 0);
    cal.set(CLNDR_MARKDAY, 12);
    cal.set(CLNDR_SETDATE, Date(1996, 4, 1));
    EXPECT_EQ(cal.marks(), 0x800u) << "cleared by 0; kept over a month change";
    EXPECT_EQ(Colours(cal, cal.dayCell(12)) + Colours(cal, cal.dayCell(20)), "kbk");  // a Friday; not highlighted
    for (UINT msg : {CLNDR_SETMONTHONLY, CLNDR_SETJAPANESE, CLNDR_SETVIEWONLY})  // view-only excludes month-only
        cal.set(msg);
    EXPECT_EQ(GetWindowLongA(cal, GWL_STYLE) & 0xFFFF, CLNDRS_SHOWMARKS | CLNDRS_JAPANESE | CLNDRS_VIEWONLY);
    EXPECT_EQ(cal.state(), "1996/4/1 0200") << "the focus parts kept, nothing notified";
    EXPECT_TRUE(cal.parent.Commands().empty());
    EXPECT_EQ(Colours(cal, l.PrevButton()) + Colours(cal, l.NextButton()), "") << "no buttons";
    Cal thisMonth("", 0);  // today's month
    const RECT todayCell = thisMonth.dayCell(CLNDR_DAY(thisMonth.slot(CLNDR_GWL_TODAY)));
    EXPECT_EQ(Colours(thisMonth, todayCell), "w");
    SetFocus(thisMonth);
    Pump();
    EXPECT_EQ(DiffToRepaint(thisMonth, true), Str(todayCell));
}

// Clicks from 15 March 1996 (one moves, a double click acts), then keys from `from` with the focus moved to `part`.
TEST(CalendarInput, KeysAndClicks) {
    const Layout l = MakeLayout(210, 160, 6);
    const RECT title = l.TitleArea();
    const POINT at[] = {Centre(l.PrevButton()), Centre(l.NextButton()), Centre(title),
                        {title.left + 1, title.top + 1}, Centre(l.DayCell(0)), Centre(l.DayCell(5 + 19))};
    enum : WPARAM { kClick = 0x1000, kDouble = 0x2000, kPrevButton = 0, kNextButton, kTitleCentre, kTitleCorner,
                    kEmptyCell, kDay20 };
    const struct { DWORD from; WORD part; WPARAM key; const char *after; } cases[] = {  // parts: old x 256 + new
        {0, 0, kClick + kPrevButton, "1996/3/15 0104"}, {0, 0, kDouble + kPrevButton, "1996/2/1 0404"},
        {0, 0, kDouble + kNextButton, "1996/3/1 0408"}, {0, 0, kClick + kTitleCorner, "1996/3/1 0802"},
        {0, 0, kDouble + kTitleCorner, "1996/3/1 0202J"}, {0, 0, kClick + kDay20, "1996/3/20 0201"},
        {0, 0, kDouble + kDay20, "1996/3/20 0101C"}, {0, 0, kClick + kTitleCentre, "1996/3/20 0102"},
        {0, 0, kClick + kEmptyCell, "1996/3/20 0201"}, {0, 0, kDouble + kEmptyCell, "1996/3/20 0101"},
        {M(1), kDays, VK_UP, "1996/3/1 0108"}, {M(3), kDays, VK_UP, "1996/3/3 0104"},
        {M(6), kDays, VK_UP, "1996/3/6 0102"}, {M(9), kDays, VK_UP, "1996/3/2 0101"},
        {M(3), kPrev, VK_RIGHT, "1996/3/3 0402"}, {M(3), kTitle, VK_RIGHT, "1996/3/3 0208"},
        {M(3), kTitle, VK_LEFT, "1996/3/3 0204"}, {M(3), kNext, VK_LEFT, "1996/3/3 0802"},
        {M(3), kTitle, VK_UP, "1996/3/3 0102"}, {M(3), kPrev, VK_DOWN, "1996/3/3 0401"},
        {M(1), kNext, VK_DOWN, "1996/3/1 0801"}, {M(8), kDays, VK_RETURN, "1996/3/8 0101"},
        {M(1), kDays, VK_LEFT, "1996/3/1 0101"}, {M(31), kDays, VK_RIGHT, "1996/3/31 0101"},
        {M(24), kDays, VK_DOWN, "1996/3/31 0101"}, {M(25), kDays, VK_DOWN, "1996/3/25 0101"},
        {M(9), kDays, VK_LEFT, "1996/3/8 0101"}, {M(8), kDays, VK_SPACE, "1996/3/8 0101C"},
        {M(15), kTitle, VK_SPACE, "1996/3/15 0102J"}, {M(15), kPrev, VK_SPACE, "1996/2/1 0104"},
        {Date(1996, 1, 31), kNext, VK_SPACE, "1996/2/1 0108"}, {Date(9999, 12, 15), kNext, VK_SPACE, "9999/12/1 0108"},
        {Date(1, 1, 20), kPrev, VK_SPACE, "1/1/1 0104"},
    };
    Cal cal("19960315", 0);
    for (const auto &c : cases) {
        if (c.from) {
            cal.set(CLNDR_SETDATE, static_cast<LPARAM>(c.from));
            SetWindowWord(cal, CLNDR_GWW_FOCUSPARTS, static_cast<WORD>(kDays << 8 | c.part));
            Redraw(cal);
        }
        cal.parent.sent.clear();
        if (c.key < kClick) {
            cal.key(c.key);
        } else {
            cal.mouse(c.key & kDouble ? WM_LBUTTONDBLCLK : WM_LBUTTONDOWN, at[c.key & 0xFF]);
            cal.mouse(WM_LBUTTONUP, at[c.key & 0xFF]);
        }
        EXPECT_EQ(cal.state(), c.after) << std::hex << c.from << " part " << c.part << " key " << c.key;
        EXPECT_EQ(GetFocus(), static_cast<HWND>(cal)) << c.after;
        EXPECT_EQ(DiffToRepaint(cal), "0,0,0,0") << c.after;
    }
    // View-only and month-only: the title first; the header works from the keyboard, the grid and the mouse do not.
    Cal both("19960315", CLNDRS_VIEWONLY | CLNDRS_MONTHONLY);
    SetFocus(both);
    for (WPARAM vk : {VK_SPACE, VK_LEFT, VK_SPACE, VK_DOWN, VK_RIGHT, VK_UP, VK_SPACE})
        both.key(vk);
    for (POINT p : {Centre(both.dayCell(10)), Centre(title)})
        for (UINT msg : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP})
            both.mouse(msg, p);
    EXPECT_EQ(both.state(), "1996/2/1 0401J");
}

}  // namespace
