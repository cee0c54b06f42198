// Date arithmetic and layout geometry of the calendar, as plain functions.
#include <gtest/gtest.h>

#include "calendar/calendar.h"
#include "calendar/dates.h"
#include "calendar/layout.h"

namespace {

using namespace rz;

bool Leap(int y) { return y % 4 == 0 && (y % 100 != 0 || y % 400 == 0); }
int Length(int y, int m) {
    static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return days[m - 1] + (m == 2 && Leap(y));
}

TEST(Dates, Examples) {
    for (auto [year, leap] : {std::pair{1996, 1}, {2000, 1}, {1900, 0}, {1997, 0}, {4, 1}, {100, 0}, {400, 1}})
        EXPECT_EQ(IsLeapYear(static_cast<short>(year)), leap) << year;
    EXPECT_EQ(GetMonthDays(1996, 2), 29);
    EXPECT_EQ(GetMonthDays(1900, 2), 28);
    EXPECT_EQ(GetMonthDays(1996, 4), 30);
    EXPECT_EQ(GetMonthDays(1996, 12), 31);
    EXPECT_EQ(GetDayOfWeek(1996, 1, 1), 1);
    EXPECT_EQ(GetDayOfWeek(1996, 3, 1), 5);
    EXPECT_EQ(GetDayOfWeek(2000, 2, 29), 2);
    EXPECT_EQ(GetDayOfWeek(1, 1, 1), 1);
    EXPECT_EQ(GetWeekCount(2015, 2), 4);
    EXPECT_EQ(GetWeekCount(1996, 3), 6);
    EXPECT_EQ(GetWeekCount(1996, 6), 6) << "30 days from a Saturday";
    EXPECT_EQ(GetWeekCount(1996, 1), 5);
    EXPECT_EQ(kMonthDayTable[0], 0);
    EXPECT_EQ(kMonthDayTable[2], 28);
}

// Every day of the years 1 to 9999 against a running day count from
// Monday, 1 January of the year 1; week counts and day tables against a
// grid filled from that count.
TEST(Dates, WholeRangeAgainstARunningCount) {
    long long dayNumber = 0;  // days since 1 January 1
    int mismatches = 0;
    for (int y = 1; y <= 9999; ++y) {
        EXPECT_EQ(IsLeapYear(static_cast<short>(y)), Leap(y) ? 1 : 0);
        for (int m = 1; m <= 12; ++m) {
            const int first = static_cast<int>((1 + dayNumber) % 7);
            const int length = Length(y, m);
            if (GetMonthDays(static_cast<short>(y), static_cast<short>(m)) != length)
                ++mismatches;
            for (int d = 1; d <= length; ++d)
                if (GetDayOfWeek(static_cast<short>(y), static_cast<short>(m), static_cast<short>(d)) !=
                    (first + d - 1) % 7)
                    ++mismatches;
            if (GetWeekCount(static_cast<short>(y), static_cast<short>(m)) != (first + length + 6) / 7)
                ++mismatches;
            WORD expected[kDayCells] = {};
            for (int d = 1; d <= length; ++d)
                expected[first + d - 1] = static_cast<WORD>(d);
            WORD cells[kDayCells];
            BuildDayTable(static_cast<short>(y), static_cast<short>(m), cells);
            if (memcmp(cells, expected, sizeof(cells)) != 0)
                ++mismatches;
            dayNumber += length;
        }
    }
    EXPECT_EQ(mismatches, 0);
    EXPECT_EQ(dayNumber, 3652059) << "days of the years 1 to 9999";
}

TEST(Dates, DayTableOfMarch1996) {
    WORD cells[kDayCells];
    BuildDayTable(1996, 3, cells);
    for (int k = 0; k < 5; ++k)
        EXPECT_EQ(cells[k], 0) << k;
    EXPECT_EQ(cells[5], 1);
    EXPECT_EQ(cells[35], 31);
    for (int k = 36; k < kDayCells; ++k)
        EXPECT_EQ(cells[k], 0) << k;
}

TEST(Dates, MonthStepsAtTheEndsOfTheRange) {
    EXPECT_EQ(MonthBefore(PackDate(1, 1, 17)), PackDate(1, 1, 1));
    EXPECT_EQ(MonthAfter(PackDate(9999, 12, 31)), PackDate(9999, 12, 1));
    EXPECT_EQ(MonthBefore(PackDate(1996, 3, 15)), PackDate(1996, 2, 1));
    EXPECT_EQ(MonthAfter(PackDate(1996, 1, 31)), PackDate(1996, 2, 1));
    EXPECT_EQ(MonthBefore(PackDate(1996, 1, 5)), PackDate(1995, 12, 1));
    EXPECT_EQ(MonthAfter(PackDate(1995, 12, 5)), PackDate(1996, 1, 1));
    EXPECT_EQ(MonthAfter(PackDate(9999, 11, 5)), PackDate(9999, 12, 1));
    EXPECT_EQ(MonthBefore(PackDate(1, 2, 5)), PackDate(1, 1, 1));
    // Invalid months come back as valid ones.
    EXPECT_EQ(MonthBefore(PackDate(1996, 0, 5)), PackDate(1995, 12, 1));
    EXPECT_EQ(MonthAfter(PackDate(1996, 13, 5)), PackDate(1997, 1, 1));
    EXPECT_EQ(MonthBefore(PackDate(1996, 13, 5)), PackDate(1996, 12, 1));
}

TEST(Dates, InvalidInputStaysInsideTheTables) {
    for (int month : {0, 13, 14, 255, -1, -32768, 32767}) {
        EXPECT_EQ(GetMonthDays(1996, static_cast<short>(month)), 0) << month;
        WORD cells[kDayCells];
        BuildDayTable(1996, static_cast<short>(month), cells);
        for (WORD c : cells)
            EXPECT_EQ(c, 0) << month;
        EXPECT_LE(GetWeekCount(1996, static_cast<short>(month)), 1);
    }
    for (int year : {0, -1, -32768, 32767, 10000}) {
        for (int month = 1; month <= 12; ++month)
            for (int day : {0, 1, 31, 40, -5}) {
                const short w = GetDayOfWeek(static_cast<short>(year), static_cast<short>(month),
                                             static_cast<short>(day));
                EXPECT_TRUE(w >= 0 && w <= 6) << year << "/" << month << "/" << day;
            }
        WORD cells[kDayCells];
        BuildDayTable(static_cast<short>(year), 2, cells);
        EXPECT_GE(GetWeekCount(static_cast<short>(year), 2), 4);
    }
}

TEST(Dates, PackedDates) {
    const PackedDate d = PackDate(1996, 3, 15);
    EXPECT_EQ(d, 1996u * 65536 + 3 * 256 + 15);
    EXPECT_EQ(DateYear(d), 1996);
    EXPECT_EQ(DateMonth(d), 3);
    EXPECT_EQ(DateDay(d), 15);
    EXPECT_EQ(d, CLNDR_PACKDATE(1996, 3, 15));
    EXPECT_EQ(CLNDR_YEAR(d), 1996);
    EXPECT_EQ(CLNDR_MONTH(d), 3);
    EXPECT_EQ(CLNDR_DAY(d), 15);
}

TEST(CalendarLayout, Geometry) {
    // 210 x 160 with 5 week rows: 30 x 22 cells, margins 0 and 3.
    const calendar::Layout l = calendar::MakeLayout(210, 160, 5);
    EXPECT_EQ(l.cellWidth, 30);
    EXPECT_EQ(l.cellHeight, 22);
    EXPECT_EQ(l.marginX, 0);
    EXPECT_EQ(l.marginY, 3);
    EXPECT_EQ(l.lines, 7);
    const RECT day0 = l.DayCell(0), day41 = l.DayCell(41);
    EXPECT_EQ(day0.left, 0);
    EXPECT_EQ(day0.top, 3 + 2 * 22);
    EXPECT_EQ(day41.right, 210);
    EXPECT_EQ(day41.top, 3 + 7 * 22);
    // W mod 7 odd: the next button is not column 6.
    const calendar::Layout odd = calendar::MakeLayout(214, 160, 6);  // 214 = 7 x 30 + 4
    EXPECT_EQ(odd.marginX, 2);
    const RECT next = odd.NextButton(), col6 = odd.Line(0, 6), title = odd.TitleArea();
    EXPECT_EQ(next.left, 214 - 2 - 30);
    EXPECT_EQ(next.right, 212);
    EXPECT_EQ(col6.left, 2 + 180);
    EXPECT_EQ(title.left, 32);
    EXPECT_EQ(title.right, 182);
    const calendar::Layout oddByOne = calendar::MakeLayout(213, 160, 6);  // remainder 3
    EXPECT_EQ(oddByOne.marginX, 1);
    EXPECT_NE(oddByOne.NextButton().left, oddByOne.Line(0, 6).left);
    const RECT box = calendar::TitleTextBox(l, 60, 14);
    EXPECT_EQ(box.left, 30 + (150 - 60) / 2);
    EXPECT_EQ(box.top, 3);
    EXPECT_EQ(box.bottom, 17);
    // Zero and tiny sizes divide by nothing that can be zero.
    const calendar::Layout zero = calendar::MakeLayout(0, 0, 0);
    EXPECT_EQ(zero.cellWidth, 0);
    EXPECT_EQ(zero.cellHeight, 0);
    EXPECT_EQ(zero.lines, 2);
}

TEST(CalendarLabels, Texts) {
    char title[calendar::kTitleBuffer];
    calendar::FormatTitle(title, 1996, 3, false);
    EXPECT_STREQ(title, "3 Mar.1996");
    calendar::FormatTitle(title, 1996, 3, true);
    EXPECT_STREQ(title, "1996\x94\x4E 3\x8C\x8E");  // 1996年 3月
    calendar::FormatTitle(title, 9999, 12, true);
    EXPECT_EQ(strlen(title), 11u) << "the longest title";
    calendar::FormatTitle(title, 9999, 12, false);
    EXPECT_STREQ(title, "12 Dec.9999");
    calendar::FormatTitle(title, -32768, 0, true);  // invalid: no month name
    EXPECT_STREQ(title, "-32768\x94\x4E ");
    EXPECT_STREQ(calendar::MonthName(5, false), "5 May.");
    EXPECT_STREQ(calendar::MonthName(13, false), "");
    EXPECT_STREQ(calendar::WeekdayName(0, true), "\x93\xFA");  // 日
    EXPECT_STREQ(calendar::WeekdayName(6, true), "\x93\x79");  // 土
    EXPECT_STREQ(calendar::WeekdayName(6, false), "Sat");
    EXPECT_STREQ(calendar::WeekdayName(7, false), "");
}

}  // namespace
