// The calendar control: creation, messages, keyboard, mouse and painting.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <memory>

#include "calendar/dates.h"
#include "calendar/layout.h"
#include "tests/support.h"

namespace {

using rzt::Canvas;
using rzt::Pump;

constexpr int kId = 77;
constexpr COLORREF kBlack = RGB(0, 0, 0), kRed = RGB(255, 0, 0), kWhite = RGB(255, 255, 255),
                   kBlue = RGB(0, 0, 255);

DWORD Date(int y, int m, int d) { return CLNDR_PACKDATE(y, m, d); }

// A calendar in a recording parent.
class Cal {
public:
    Cal(const char *text, DWORD style, int w = 210, int h = 160) : parent_(40, 40, 320, 260) {
        hwnd_ = CreateWindowExA(0, REZORE32_CALENDARCLASS, text, WS_CHILD | WS_VISIBLE | style, 10, 10, w, h,
                                parent_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(kId)),
                                GetModuleHandleA(nullptr), nullptr);
        Pump();
    }
    ~Cal() {
        DestroyWindow(hwnd_);
        DropJumpRequests();
    }
    operator HWND() const { return hwnd_; }
    rzt::RecordingParent &parent() { return parent_; }

    WORD parts() const { return GetWindowWord(hwnd_, 2); }
    DWORD date() const { return static_cast<DWORD>(SendMessageA(hwnd_, CLNDR_GETDATE, 0, 0)); }
    WORD cell(int k) const { return GetWindowWord(hwnd_, 28 + 2 * k); }
    void set(UINT msg, LPARAM lParam = 0) { SendMessageA(hwnd_, msg, 0, lParam); }
    void key(WPARAM vk) { SendMessageA(hwnd_, WM_KEYDOWN, vk, 0); }
    void focus() {
        SetFocus(hwnd_);
        Pump();
    }

    rz::calendar::Layout layout() const {
        RECT rc;
        GetClientRect(hwnd_, &rc);
        const DWORD d = date();
        return rz::calendar::MakeLayout(rc.right, rc.bottom,
                                        rz::GetWeekCount(static_cast<short>(CLNDR_YEAR(d)),
                                                         static_cast<short>(CLNDR_MONTH(d))));
    }
    int cellOf(int day) const {
        for (int k = 0; k < 42; ++k)
            if (cell(k) == day)
                return k;
        return -1;
    }
    static POINT Centre(RECT r) { return {(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }
    POINT dayPoint(int day) const { return Centre(layout().DayCell(cellOf(day))); }

    void down(POINT p) { SendMessageA(hwnd_, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(p.x, p.y)); }
    void up(POINT p) { SendMessageA(hwnd_, WM_LBUTTONUP, 0, MAKELPARAM(p.x, p.y)); }
    void dbl(POINT p) { SendMessageA(hwnd_, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(p.x, p.y)); }
    void click(POINT p) {
        down(p);
        up(p);
    }
    void doubleClick(POINT p) {
        click(p);
        dbl(p);
        up(p);
    }

    // WM_COMMANDs with CLNDRN_DAYCHOSEN from this calendar.
    int chosen() const {
        int n = 0;
        for (const rzt::Sent &s : parent_.Commands())
            if (s.wParam == MAKEWPARAM(kId, CLNDRN_DAYCHOSEN) && s.lParam == reinterpret_cast<LPARAM>(hwnd_))
                ++n;
        return n;
    }
    // Removes posted jump requests; returns how many there were.
    int DropJumpRequests() {
        int n = 0;
        MSG m;
        while (PeekMessageA(&m, hwnd_, CLNDR_JUMPDIALOG, CLNDR_JUMPDIALOG, PM_REMOVE))
            ++n;
        return n;
    }

private:
    rzt::RecordingParent parent_;
    HWND hwnd_;
};

// ------------------------------------------------------------- pixels
struct Picture {
    explicit Picture(HWND hwnd) {
        RECT rc;
        GetClientRect(hwnd, &rc);
        canvas = std::make_unique<Canvas>(rc.right, rc.bottom, RGB(1, 2, 3));
        rzt::Snapshot(hwnd, *canvas);
    }
    int Count(RECT r, COLORREF c) const {
        int n = 0;
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x)
                n += canvas->At(x, y) == c;
        return n;
    }
    std::unique_ptr<Canvas> canvas;
};

// Bounding box of the pixels that differ; empty when none.
RECT DiffBox(const Picture &a, const Picture &b) {
    RECT box = {INT_MAX, INT_MAX, INT_MIN, INT_MIN};
    bool any = false;
    for (int y = 0; y < a.canvas->height(); ++y)
        for (int x = 0; x < a.canvas->width(); ++x)
            if (a.canvas->At(x, y) != b.canvas->At(x, y)) {
                any = true;
                box.left = std::min<LONG>(box.left, x);
                box.top = std::min<LONG>(box.top, y);
                box.right = std::max<LONG>(box.right, x + 1);
                box.bottom = std::max<LONG>(box.bottom, y + 1);
            }
    return any ? box : RECT{0, 0, 0, 0};
}

// What the focus feedback left on the screen equals a full repaint.
::testing::AssertionResult ScreenIsRepaint(HWND hwnd) {
    Picture shown(hwnd);
    InvalidateRect(hwnd, nullptr, TRUE);
    UpdateWindow(hwnd);
    Picture painted(hwnd);
    const RECT d = DiffBox(shown, painted);
    if (IsRectEmpty(&d))
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "screen differs from a repaint in (" << d.left << "," << d.top << ")-("
                                         << d.right << "," << d.bottom << ")";
}

// Where the focus rectangle is: the difference to the same picture without focus.
RECT FocusBox(Cal &cal) {
    Picture focused(cal);
    const WORD parts = cal.parts();
    SetWindowWord(cal, 2, static_cast<WORD>(parts & 0xFF00));
    InvalidateRect(cal, nullptr, TRUE);
    UpdateWindow(cal);
    Picture plain(cal);
    SetWindowWord(cal, 2, parts);
    InvalidateRect(cal, nullptr, TRUE);
    UpdateWindow(cal);
    return DiffBox(focused, plain);
}

bool SameRect(RECT a, RECT b) { return EqualRect(&a, &b) != FALSE; }

// ------------------------------------------------------------ creation
TEST(CalendarCreate, FromTheWindowText) {
    Cal cal("19960315", CLNDRS_JAPANESE);
    EXPECT_EQ(cal.date(), Date(1996, 3, 15));
    EXPECT_EQ(static_cast<DWORD>(GetWindowLongA(cal, 8)), Date(1996, 3, 15));
    EXPECT_EQ(cal.cell(5), 1);
    EXPECT_EQ(cal.cell(35), 31);
    EXPECT_EQ(cal.cell(36), 0);
    EXPECT_EQ(cal.parts(), 0x0100) << "remembered part: the days";
    EXPECT_EQ(GetWindowLongA(cal, 12), 0) << "no highlight";
    EXPECT_EQ(GetWindowLongA(cal, 16), 0) << "no marks";
    EXPECT_EQ(SendMessageA(cal, WM_GETDLGCODE, 0, 0), DLGC_BUTTON | DLGC_WANTARROWS);

    SYSTEMTIME now;
    GetLocalTime(&now);
    const DWORD today = Date(now.wYear, now.wMonth, now.wDay);
    EXPECT_EQ(static_cast<DWORD>(GetWindowLongA(cal, 4)), today);
    struct {
        const char *text;
        DWORD date;
    } const cases[] = {
        {"", today},
        {"0", today},
        {"00000000", today},
        {"abcdefgh", today},
        {"1996031599", Date(1996, 3, 15)},
        {"20001231", Date(2000, 12, 31)},
        {"1996", Date(1996, 0, 0)},   // missing characters count as 0
        {"199603", Date(1996, 3, 0)},
    };
    for (const auto &c : cases) {
        Cal other(c.text, 0);
        EXPECT_EQ(other.date(), c.date) << '"' << c.text << '"';
    }
}

TEST(CalendarCreate, FocusPartsByStyle) {
    EXPECT_EQ(Cal("19960315", 0).parts(), 0x0100);
    EXPECT_EQ(Cal("19960315", CLNDRS_MONTHONLY).parts(), 0x0100);
    EXPECT_EQ(Cal("19960315", CLNDRS_VIEWONLY).parts(), 0);
    EXPECT_EQ(Cal("19960315", CLNDRS_VIEWONLY | CLNDRS_MONTHONLY).parts(), 0x0200);
}

TEST(CalendarCreate, FontsFollowTheHeightAndAreFreed) {
    HFONT large6, large4;
    {
        Cal six("19960301", 0, 210, 160);  // 6 week rows: 160 / 8
        Cal four("20150201", 0, 210, 160); // 4 week rows: 160 / 6
        large6 = reinterpret_cast<HFONT>(static_cast<LONG_PTR>(GetWindowLongA(six, 20)));
        large4 = reinterpret_cast<HFONT>(static_cast<LONG_PTR>(GetWindowLongA(four, 20)));
        HFONT small6 = reinterpret_cast<HFONT>(static_cast<LONG_PTR>(GetWindowLongA(six, 24)));
        LOGFONTA lf6 = {}, lf4 = {}, small = {};
        ASSERT_EQ(GetObjectType(large6), static_cast<DWORD>(OBJ_FONT));
        GetObjectA(large6, sizeof(lf6), &lf6);
        GetObjectA(large4, sizeof(lf4), &lf4);
        GetObjectA(small6, sizeof(small), &small);
        EXPECT_EQ(lf6.lfHeight, 20);
        EXPECT_EQ(lf4.lfHeight, 26);
        EXPECT_EQ(lf6.lfCharSet, SHIFTJIS_CHARSET);
        EXPECT_EQ(small.lfHeight, 16);
        EXPECT_EQ(small.lfWeight, FW_THIN);
        EXPECT_EQ(small.lfCharSet, SHIFTJIS_CHARSET);
        // Showing another month keeps the fonts.
        six.set(CLNDR_SETDATE, Date(2015, 2, 1));
        EXPECT_EQ(reinterpret_cast<HFONT>(static_cast<LONG_PTR>(GetWindowLongA(six, 20))), large6);
    }
    EXPECT_EQ(GetObjectType(large6), 0u) << "deleted with the window";
    EXPECT_EQ(GetObjectType(large4), 0u);
}

// ------------------------------------------------------------ messages
TEST(CalendarMessages, DatesHighlightAndMarks) {
    Cal cal("19960315", 0);
    EXPECT_EQ(SendMessageA(cal, CLNDR_SETDATE, 0, Date(2000, 2, 10)), 0);
    EXPECT_EQ(cal.date(), Date(2000, 2, 10));
    EXPECT_EQ(cal.cell(2), 1) << "1 February 2000 was a Tuesday";
    EXPECT_EQ(cal.cellOf(29), 30);
    EXPECT_EQ(SendMessageA(cal, CLNDR_SETHIGHLIGHT, 0, Date(2000, 2, 14)), 0);
    EXPECT_EQ(static_cast<DWORD>(GetWindowLongA(cal, 12)), Date(2000, 2, 14));
    cal.set(CLNDR_MARKDAY, 10);
    cal.set(CLNDR_MARKDAY, 1);
    cal.set(CLNDR_MARKDAY, 31);
    EXPECT_EQ(static_cast<DWORD>(GetWindowLongA(cal, 16)), 0x40000201u);
    for (LPARAM bad : {LPARAM(32), LPARAM(-1), LPARAM(0xFFFFFFFF), LPARAM(100)}) {
        EXPECT_EQ(SendMessageA(cal, CLNDR_MARKDAY, 0, bad), 0);
        EXPECT_EQ(static_cast<DWORD>(GetWindowLongA(cal, 16)), 0x40000201u) << "no bit for " << bad;
    }
    cal.set(CLNDR_MARKDAY, 0);
    EXPECT_EQ(GetWindowLongA(cal, 16), 0);
    // Marks and highlight survive month changes; no message touches the focus parts.
    cal.set(CLNDR_MARKDAY, 5);
    cal.set(CLNDR_SETDATE, Date(2001, 7, 4));
    EXPECT_EQ(GetWindowLongA(cal, 16), 0x10);
    EXPECT_EQ(static_cast<DWORD>(GetWindowLongA(cal, 12)), Date(2000, 2, 14));
    EXPECT_EQ(cal.parts(), 0x0100);
    EXPECT_TRUE(cal.parent().Commands().empty()) << "messages notify nothing";
}

TEST(CalendarMessages, StyleMessagesChangeOnlyTheirBits) {
    Cal cal("19960315", CLNDRS_SHOWMARKS);
    auto bits = [&] { return GetWindowLongA(cal, GWL_STYLE) & 0xFFFF; };
    const LONG high = GetWindowLongA(cal, GWL_STYLE) & ~0xFFFF;
    cal.set(CLNDR_SETJAPANESE);
    EXPECT_EQ(bits(), CLNDRS_SHOWMARKS | CLNDRS_JAPANESE);
    cal.set(CLNDR_SETVIEWONLY);
    EXPECT_EQ(bits(), CLNDRS_SHOWMARKS | CLNDRS_JAPANESE | CLNDRS_VIEWONLY);
    cal.set(CLNDR_SETMONTHONLY);
    EXPECT_EQ(bits(), CLNDRS_SHOWMARKS | CLNDRS_JAPANESE | CLNDRS_MONTHONLY);
    cal.set(CLNDR_SETNORMAL);
    EXPECT_EQ(bits(), CLNDRS_SHOWMARKS | CLNDRS_JAPANESE);
    cal.set(CLNDR_HIDEMARKS);
    EXPECT_EQ(bits(), CLNDRS_JAPANESE);
    cal.set(CLNDR_SETENGLISH);
    EXPECT_EQ(bits(), 0);
    cal.set(CLNDR_SHOWMARKS);
    EXPECT_EQ(bits(), CLNDRS_SHOWMARKS);
    EXPECT_EQ(GetWindowLongA(cal, GWL_STYLE) & ~0xFFFF, high);
    EXPECT_EQ(cal.parts(), 0x0100);
}

TEST(CalendarMessages, FocusGainedAndLost) {
    Cal cal("19960315", 0);
    cal.focus();
    EXPECT_EQ(cal.parts(), 0x0101);
    SetFocus(cal.parent());
    Pump();
    EXPECT_EQ(cal.parts(), 0x0100);
    Cal viewOnly("19960315", CLNDRS_VIEWONLY);
    viewOnly.focus();
    EXPECT_EQ(viewOnly.parts(), 0);
    viewOnly.key(VK_RIGHT);
    viewOnly.key(VK_SPACE);
    EXPECT_EQ(viewOnly.parts(), 0);
    EXPECT_EQ(viewOnly.date(), Date(1996, 3, 15));
    EXPECT_EQ(viewOnly.chosen(), 0);
}

TEST(CalendarMessages, InvalidDatesAreSafe) {
    Cal cal("19960315", CLNDRS_SHOWMARKS | CLNDRS_JAPANESE);
    cal.focus();
    cal.set(CLNDR_MARKDAY, 3);
    const DWORD values[] = {0,
                            0xFFFFFFFF,
                            0x7FFFFFFF,
                            0x80000000,
                            Date(1996, 0, 1),
                            Date(1996, 13, 1),
                            Date(1996, 2, 40),
                            Date(0, 3, 1),
                            Date(10000, 1, 1),
                            Date(9999, 12, 0)};
    for (DWORD value : values) {
        cal.set(CLNDR_SETDATE, static_cast<LPARAM>(static_cast<LONG>(value)));
        EXPECT_EQ(cal.date(), value);
        cal.set(CLNDR_SETHIGHLIGHT, static_cast<LPARAM>(static_cast<LONG>(value)));
        for (int k = 0; k < 42; ++k)
            ASSERT_LE(cal.cell(k), 31);
        for (WPARAM vk : {VK_LEFT, VK_RIGHT, VK_UP, VK_DOWN, VK_SPACE})
            cal.key(vk);
        cal.click(cal.Centre(cal.layout().DayCell(20)));
        cal.set(CLNDR_SETJAPANESE);
        cal.set(CLNDR_SETENGLISH);
        UpdateWindow(cal);
    }
    // A month outside 1 to 12 shows an empty grid.
    cal.set(CLNDR_SETDATE, Date(1996, 13, 5));
    for (int k = 0; k < 42; ++k)
        EXPECT_EQ(cal.cell(k), 0);
    cal.set(CLNDR_SETDATE, Date(1996, 2, 40));
    EXPECT_EQ(cal.cellOf(29), 32) << "the month itself is shown";
}

TEST(CalendarMessages, ZeroSizedWindows) {
    for (SIZE size : {SIZE{0, 0}, SIZE{1, 1}, SIZE{6, 5}, SIZE{210, 0}, SIZE{0, 160}}) {
        Cal cal("19960315", 0, size.cx, size.cy);
        cal.focus();
        InvalidateRect(cal, nullptr, TRUE);
        UpdateWindow(cal);
        for (WPARAM vk : {VK_UP, VK_UP, VK_LEFT, VK_RIGHT, VK_DOWN, VK_DOWN})
            cal.key(vk);
        cal.click({0, 0});
        cal.doubleClick({0, 0});
        cal.DropJumpRequests();
    }
}

// ------------------------------------------------------------ keyboard
TEST(CalendarKeys, March1996Moves) {
    Cal cal("19960301", 0);
    cal.focus();
    ASSERT_EQ(cal.parts(), 0x0101);
    cal.key(VK_UP);  // the 1st is in column 5: up into ">"
    EXPECT_EQ(cal.parts(), 0x0108);
    EXPECT_TRUE(ScreenIsRepaint(cal));
    cal.key(VK_DOWN);
    EXPECT_EQ(cal.parts(), 0x0801);
    EXPECT_EQ(cal.date(), Date(1996, 3, 1));
    EXPECT_TRUE(ScreenIsRepaint(cal));

    cal.set(CLNDR_SETDATE, Date(1996, 3, 3));  // cell 7, cell 0 above is empty
    cal.key(VK_UP);
    EXPECT_EQ(cal.parts(), 0x0104);
    cal.key(VK_RIGHT);
    EXPECT_EQ(cal.parts(), 0x0402);
    EXPECT_TRUE(ScreenIsRepaint(cal));
    cal.key(VK_RIGHT);
    EXPECT_EQ(cal.parts(), 0x0208);
    cal.key(VK_LEFT);
    EXPECT_EQ(cal.parts(), 0x0802);
    cal.key(VK_LEFT);
    EXPECT_EQ(cal.parts(), 0x0204);
    EXPECT_TRUE(ScreenIsRepaint(cal));
    cal.key(VK_DOWN);
    EXPECT_EQ(cal.parts(), 0x0401);
    EXPECT_EQ(cal.date(), Date(1996, 3, 3));

    cal.set(CLNDR_SETDATE, Date(1996, 3, 6));  // cell 10, cell 3 above is empty
    cal.key(VK_UP);
    EXPECT_EQ(cal.parts(), 0x0102);
    cal.key(VK_DOWN);

    // Day moves stay inside the month.
    struct {
        int from;
        WPARAM key;
        int to;
    } const moves[] = {
        {1, VK_LEFT, 1},  {31, VK_RIGHT, 31}, {24, VK_DOWN, 31}, {25, VK_DOWN, 25}, {1, VK_RIGHT, 2},
        {2, VK_LEFT, 1},  {8, VK_UP, 1},      {15, VK_UP, 8},    {10, VK_DOWN, 17}, {9, VK_LEFT, 8},
    };
    for (const auto &m : moves) {
        cal.set(CLNDR_SETDATE, Date(1996, 3, m.from));
        cal.key(m.key);
        EXPECT_EQ(cal.date(), Date(1996, 3, m.to)) << m.from << " key " << m.key;
        EXPECT_EQ(cal.parts() & 0xFF, CLNDRP_DAYS);
        EXPECT_TRUE(ScreenIsRepaint(cal)) << m.from << " key " << m.key;
    }
    EXPECT_EQ(cal.chosen(), 0) << "moves notify nothing";
    cal.key(VK_SPACE);
    EXPECT_EQ(cal.chosen(), 1);
    EXPECT_EQ(cal.date(), Date(1996, 3, 8));
    cal.key(VK_RETURN);
    cal.key('A');
    EXPECT_EQ(cal.date(), Date(1996, 3, 8));
    EXPECT_EQ(cal.parts() & 0xFF, CLNDRP_DAYS);
}

TEST(CalendarKeys, UpIntoTheHeaderByColumn) {
    // March 1996: the 1st and 2nd fill columns 5 and 6 of the first row, the
    // 3rd to the 7th sit below empty cells.
    const struct {
        int day;
        WORD part;
    } cases[] = {
        {1, CLNDRP_NEXT},  {2, CLNDRP_NEXT},  {3, CLNDRP_PREV}, {4, CLNDRP_PREV},
        {5, CLNDRP_TITLE}, {6, CLNDRP_TITLE}, {7, CLNDRP_TITLE},
    };
    Cal cal("19960301", 0);
    cal.focus();
    for (const auto &c : cases) {
        cal.set(CLNDR_SETDATE, Date(1996, 3, c.day));
        cal.key(VK_UP);
        EXPECT_EQ(cal.parts(), 0x0100 | c.part) << c.day;
        EXPECT_EQ(cal.date(), Date(1996, 3, c.day));
        EXPECT_TRUE(ScreenIsRepaint(cal)) << c.day;
        cal.key(VK_DOWN);
        EXPECT_EQ(cal.parts(), (c.part << 8) | CLNDRP_DAYS);
    }
    // Below a day, Up moves to it instead.
    cal.set(CLNDR_SETDATE, Date(1996, 3, 9));
    cal.key(VK_UP);
    EXPECT_EQ(cal.date(), Date(1996, 3, 2));
}

TEST(CalendarKeys, MonthStepsAtTheEnds) {
    Cal cal("99991215", 0);
    cal.focus();
    cal.click(cal.Centre(cal.layout().NextButton()));
    ASSERT_EQ(cal.parts() & 0xFF, CLNDRP_NEXT);
    cal.key(VK_SPACE);
    EXPECT_EQ(cal.date(), Date(9999, 12, 1));
    cal.set(CLNDR_SETDATE, Date(1, 1, 20));
    cal.click(cal.Centre(cal.layout().PrevButton()));
    cal.key(VK_SPACE);
    EXPECT_EQ(cal.date(), Date(1, 1, 1));
    EXPECT_EQ(cal.cell(1), 1) << "1 January of the year 1 was a Monday";
    cal.set(CLNDR_SETDATE, Date(1996, 3, 15));
    cal.key(VK_SPACE);
    EXPECT_EQ(cal.date(), Date(1996, 2, 1));
    EXPECT_EQ(cal.cellOf(29), 32);
    cal.key(VK_RIGHT);  // to the title
    cal.key(VK_RIGHT);  // to ">"
    cal.key(VK_SPACE);
    EXPECT_EQ(cal.date(), Date(1996, 3, 1));
    EXPECT_TRUE(ScreenIsRepaint(cal));
    cal.key(VK_LEFT);
    EXPECT_EQ(cal.parts() & 0xFF, CLNDRP_TITLE);
    cal.key(VK_SPACE);
    EXPECT_EQ(cal.DropJumpRequests(), 1) << "the title posts the jump";
    EXPECT_EQ(cal.chosen(), 0);
}

TEST(CalendarKeys, ViewOnlyAndMonthOnly) {
    {
        // Both: the title first; the header works from the keyboard, the grid does not.
        Cal cal("19960315", CLNDRS_VIEWONLY | CLNDRS_MONTHONLY);
        cal.focus();
        EXPECT_EQ(cal.parts(), 0x0202);
        cal.key(VK_SPACE);
        EXPECT_EQ(cal.DropJumpRequests(), 1);
        cal.key(VK_LEFT);
        EXPECT_EQ(cal.parts(), 0x0204);
        EXPECT_TRUE(ScreenIsRepaint(cal)) << "no rectangle at an undrawn button";
        cal.key(VK_SPACE);
        EXPECT_EQ(cal.date(), Date(1996, 2, 1));
        cal.key(VK_DOWN);
        EXPECT_EQ(cal.parts(), 0x0401);
        EXPECT_TRUE(ScreenIsRepaint(cal));
        cal.key(VK_RIGHT);
        cal.key(VK_UP);
        cal.key(VK_SPACE);
        EXPECT_EQ(cal.date(), Date(1996, 2, 1));
        EXPECT_EQ(cal.parts(), 0x0401);
        EXPECT_EQ(cal.chosen(), 0);
        cal.click(cal.dayPoint(10));
        cal.doubleClick(cal.Centre(cal.layout().TitleArea()));
        EXPECT_EQ(cal.parts(), 0x0401) << "no click has any effect";
        EXPECT_EQ(cal.DropJumpRequests(), 0);
    }
    {
        // View-only while the grid has the focus: keys and clicks stop; normal again restores them.
        Cal cal("19960315", 0);
        cal.focus();
        cal.set(CLNDR_SETVIEWONLY);
        cal.key(VK_RIGHT);
        cal.click(cal.dayPoint(20));
        cal.key(VK_SPACE);
        EXPECT_EQ(cal.date(), Date(1996, 3, 15));
        EXPECT_EQ(cal.chosen(), 0);
        EXPECT_EQ(cal.parts(), 0x0101);
        cal.set(CLNDR_SETNORMAL);
        cal.key(VK_RIGHT);
        EXPECT_EQ(cal.date(), Date(1996, 3, 16));
    }
    {
        // View-only at creation, normal later: no part to return to until a click.
        Cal cal("19960315", CLNDRS_VIEWONLY);
        cal.set(CLNDR_SETNORMAL);
        cal.focus();
        EXPECT_EQ(cal.parts(), 0);
        cal.key(VK_RIGHT);
        EXPECT_EQ(cal.date(), Date(1996, 3, 15));
        cal.click(cal.dayPoint(20));
        EXPECT_EQ(cal.parts(), 0x0001);
        EXPECT_EQ(cal.date(), Date(1996, 3, 20));
        EXPECT_TRUE(ScreenIsRepaint(cal));
        cal.key(VK_RIGHT);
        EXPECT_EQ(cal.date(), Date(1996, 3, 21));
    }
}

// --------------------------------------------------------------- mouse
TEST(CalendarMouse, ClicksMoveDoubleClicksAct) {
    Cal cal("19960315", 0);
    const POINT prev = cal.Centre(cal.layout().PrevButton());
    cal.down(prev);
    EXPECT_EQ(GetFocus(), static_cast<HWND>(cal)) << "a click takes the focus";
    EXPECT_EQ(cal.parts(), 0x0104);
    EXPECT_EQ(cal.date(), Date(1996, 3, 15));
    EXPECT_TRUE(ScreenIsRepaint(cal));
    cal.up(prev);
    cal.dbl(prev);
    EXPECT_EQ(cal.date(), Date(1996, 2, 1));
    EXPECT_EQ(cal.parts() & 0xFF, CLNDRP_PREV);
    EXPECT_TRUE(ScreenIsRepaint(cal));
    cal.doubleClick(cal.Centre(cal.layout().NextButton()));
    EXPECT_EQ(cal.date(), Date(1996, 3, 1));
    EXPECT_EQ(cal.parts(), 0x0808);

    // The whole title area counts, not only the text.
    RECT title = cal.layout().TitleArea();
    cal.click({title.left + 1, title.top + 1});
    EXPECT_EQ(cal.parts(), 0x0802);
    EXPECT_EQ(cal.DropJumpRequests(), 0);
    cal.dbl({title.left + 1, title.top + 1});
    EXPECT_EQ(cal.DropJumpRequests(), 1);

    // A day: the down moves the cursor, the double click chooses once.
    cal.doubleClick(cal.dayPoint(20));
    EXPECT_EQ(cal.date(), Date(1996, 3, 20));
    EXPECT_EQ(cal.chosen(), 1);
    EXPECT_EQ(cal.parts() & 0xFF, CLNDRP_DAYS);
    EXPECT_TRUE(ScreenIsRepaint(cal));
    // An empty cell or a margin: the cursor stays, the focus goes to the grid.
    cal.click(cal.Centre(cal.layout().TitleArea()));
    cal.click(cal.Centre(cal.layout().DayCell(0)));
    EXPECT_EQ(cal.date(), Date(1996, 3, 20));
    EXPECT_EQ(cal.parts(), 0x0201);
    EXPECT_TRUE(ScreenIsRepaint(cal));
    EXPECT_EQ(cal.chosen(), 1);
}

TEST(CalendarMouse, MonthOnlyIgnoresTheGrid) {
    Cal cal("19960315", CLNDRS_MONTHONLY);
    cal.click(cal.dayPoint(20));
    EXPECT_EQ(GetFocus(), static_cast<HWND>(cal)) << "still takes the focus";
    EXPECT_EQ(cal.date(), Date(1996, 3, 15));
    EXPECT_EQ(cal.parts(), 0x0101);
    cal.doubleClick(cal.dayPoint(20));
    EXPECT_EQ(cal.chosen(), 0);
    cal.click(cal.Centre(cal.layout().PrevButton()));
    EXPECT_EQ(cal.parts(), 0x0104);
    cal.doubleClick(cal.Centre(cal.layout().PrevButton()));
    EXPECT_EQ(cal.date(), Date(1996, 2, 1));
}

TEST(CalendarMouse, ViewOnlyIgnoresTheMouse) {
    Cal cal("19960315", CLNDRS_VIEWONLY);
    SetFocus(cal.parent());
    cal.doubleClick(cal.dayPoint(20));
    cal.doubleClick(cal.Centre(cal.layout().PrevButton()));
    EXPECT_NE(GetFocus(), static_cast<HWND>(cal));
    EXPECT_EQ(cal.date(), Date(1996, 3, 15));
    EXPECT_EQ(cal.chosen(), 0);
}

// A real double click through the system's input: CS_DBLCLKS turns the
// second press into WM_LBUTTONDBLCLK, and exactly one day is chosen.
TEST(CalendarMouse, InjectedDoubleClick) {
    Cal cal("19960315", 0);
    POINT p = cal.dayPoint(22);
    ClientToScreen(cal, &p);
    SetCursorPos(p.x, p.y);
    Pump(200);
    auto press = [](DWORD flags) {
        INPUT in = {};
        in.type = INPUT_MOUSE;
        in.mi.dwFlags = flags;
        SendInput(1, &in, sizeof(in));
        Pump(40);
    };
    press(MOUSEEVENTF_LEFTDOWN);
    press(MOUSEEVENTF_LEFTUP);
    press(MOUSEEVENTF_LEFTDOWN);
    press(MOUSEEVENTF_LEFTUP);
    Pump(100);
    EXPECT_EQ(cal.date(), Date(1996, 3, 22));
    EXPECT_EQ(cal.chosen(), 1);
}

// ------------------------------------------------------------ painting
TEST(CalendarPaint, ColoursOfDays) {
    Cal cal("19960315", CLNDRS_SHOWMARKS);
    cal.set(CLNDR_SETHIGHLIGHT, Date(1996, 3, 20));
    cal.set(CLNDR_MARKDAY, 10);  // a Sunday
    cal.set(CLNDR_MARKDAY, 12);  // a Tuesday
    cal.set(CLNDR_MARKDAY, 20);  // marked and highlighted
    const rz::calendar::Layout l = cal.layout();
    Picture p(cal);
    const COLORREF face = rzt::FaceColour();
    auto cell = [&](int day) { return l.DayCell(cal.cellOf(day)); };

    EXPECT_GT(p.Count(cell(10), kRed), 0);
    EXPECT_GT(p.Count(cell(10), kBlue), 0);
    EXPECT_EQ(p.Count(cell(10), kBlack), 0);
    EXPECT_GT(p.Count(cell(12), kBlack), 0);
    EXPECT_GT(p.Count(cell(12), kBlue), 0);
    EXPECT_GT(p.Count(cell(20), kWhite), 0);
    EXPECT_GT(p.Count(cell(20), kBlue), 0);
    EXPECT_EQ(p.Count(cell(20), kBlack), 0);
    EXPECT_GT(p.Count(cell(17), kRed), 0) << "Sunday";
    EXPECT_EQ(p.Count(cell(17), kBlue), 0);
    EXPECT_GT(p.Count(cell(13), kBlack), 0);
    EXPECT_EQ(p.Count(cell(13), kBlue) + p.Count(cell(13), kRed), 0);
    EXPECT_GT(p.Count(l.Weekday(0), kRed), 0);
    EXPECT_EQ(p.Count(l.Weekday(6), kRed), 0) << "Saturday has no colour";
    EXPECT_GT(p.Count(l.Weekday(6), kBlack), 0);
    // The background is the face colour, in cells and margins alike.
    const RECT empty = l.DayCell(0);
    EXPECT_EQ(p.Count(empty, face), (empty.right - empty.left) * (empty.bottom - empty.top));
    EXPECT_EQ(p.canvas->At(209, 0), face);

    // Without CLNDRS_SHOWMARKS the marks do not show; the highlight does.
    cal.set(CLNDR_HIDEMARKS);
    Picture hidden(cal);
    EXPECT_EQ(hidden.Count(cell(10), kBlue) + hidden.Count(cell(12), kBlue), 0);
    EXPECT_GT(hidden.Count(cell(20), kBlue), 0);
    // Clearing the marks repaints nothing until the next paint.
    cal.set(CLNDR_SHOWMARKS);
    cal.set(CLNDR_MARKDAY, 0);
    Picture stale(cal);
    EXPECT_GT(stale.Count(cell(12), kBlue), 0);
    InvalidateRect(cal, nullptr, TRUE);
    UpdateWindow(cal);
    Picture fresh(cal);
    EXPECT_EQ(fresh.Count(cell(12), kBlue), 0);
    // Marks belong to day numbers of every month.
    cal.set(CLNDR_MARKDAY, 12);
    cal.set(CLNDR_SETDATE, Date(1996, 5, 1));
    Picture may(cal);
    EXPECT_GT(may.Count(cal.layout().DayCell(cal.cellOf(12)), kBlue), 0);
    cal.set(CLNDR_MARKDAY, 0);
    // The highlight in another month is not shown.
    cal.set(CLNDR_SETDATE, Date(1996, 4, 1));
    Picture april(cal);
    EXPECT_EQ(april.Count({0, 0, 210, 160}, kBlue), 0);
}

TEST(CalendarPaint, TodayAndTheFocus) {
    Cal cal("", 0);  // today's month
    SetFocus(cal.parent());
    Pump();
    const DWORD today = static_cast<DWORD>(GetWindowLongA(cal, 4));
    const rz::calendar::Layout l = cal.layout();
    const RECT cell = l.DayCell(cal.cellOf(CLNDR_DAY(today)));
    Picture p(cal);
    EXPECT_GT(p.Count(cell, kWhite), 0);
    EXPECT_EQ(p.Count(cell, kBlue), 0);
    EXPECT_EQ(p.Count(cell, kBlack), 0) << "white number, no focus rectangle";
    cal.focus();
    EXPECT_TRUE(SameRect(FocusBox(cal), cell)) << "the focus rectangle surrounds the whole cell";
}

TEST(CalendarPaint, FocusRectangles) {
    Cal cal("19960315", 0);
    cal.focus();
    const rz::calendar::Layout l = cal.layout();
    EXPECT_TRUE(SameRect(FocusBox(cal), l.DayCell(cal.cellOf(15))));
    cal.click(cal.Centre(l.PrevButton()));
    EXPECT_TRUE(SameRect(FocusBox(cal), l.PrevButton()));
    cal.key(VK_RIGHT);
    cal.key(VK_RIGHT);
    EXPECT_TRUE(SameRect(FocusBox(cal), l.NextButton()));
    // The title's rectangle is its text box: measured with the large font.
    for (bool japanese : {false, true}) {
        cal.set(japanese ? CLNDR_SETJAPANESE : CLNDR_SETENGLISH);
        cal.key(VK_LEFT);
        const RECT box = FocusBox(cal);
        HDC dc = GetDC(cal);
        HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(static_cast<LONG_PTR>(GetWindowLongA(cal, 20))));
        RECT text = l.TitleArea();
        DrawTextA(dc, japanese ? "1996\x94\x4E 3\x8C\x8E" : "3 Mar.1996", -1, &text,
                  DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_CALCRECT);
        SelectObject(dc, old);
        ReleaseDC(cal, dc);
        const RECT expected = rz::calendar::TitleTextBox(l, text.right - text.left, text.bottom - text.top);
        EXPECT_TRUE(SameRect(box, expected)) << (japanese ? "Japanese" : "English") << ": " << box.left << ","
                                             << box.top << "," << box.right << "," << box.bottom;
        cal.key(VK_RIGHT);
    }
    // Lost focus: no rectangle at all.
    SetFocus(cal.parent());
    Pump();
    cal.focus();
    EXPECT_TRUE(ScreenIsRepaint(cal));
}

TEST(CalendarPaint, ViewOnlyDrawsNoButtons) {
    Cal cal("19960315", 0);
    const rz::calendar::Layout l = cal.layout();
    const COLORREF face = rzt::FaceColour();
    Picture normal(cal);
    EXPECT_GT(normal.Count(l.PrevButton(), kBlack), 0);
    EXPECT_GT(normal.Count(l.NextButton(), kBlack), 0);
    cal.set(CLNDR_SETVIEWONLY);
    Picture view(cal);
    const RECT prev = l.PrevButton();
    EXPECT_EQ(view.Count(prev, face), (prev.right - prev.left) * (prev.bottom - prev.top));
    EXPECT_EQ(view.Count(l.NextButton(), kBlack), 0);
    // Japanese and English labels differ in the title and the weekday line.
    cal.set(CLNDR_SETJAPANESE);
    Picture japanese(cal);
    cal.set(CLNDR_SETENGLISH);
    Picture english(cal);
    const RECT d = DiffBox(japanese, english);
    EXPECT_FALSE(IsRectEmpty(&d));
    EXPECT_LT(d.bottom, l.DayCell(0).top) << "days are the same in both";
}

}  // namespace
