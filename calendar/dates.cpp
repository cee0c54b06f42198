#include "calendar/dates.h"

namespace rz {

const short kMonthDayTable[13] = {0, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

namespace {

short TableDays(short month) { return month >= 1 && month <= 12 ? kMonthDayTable[month] : 0; }

}  // namespace

short IsLeapYear(short year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0 ? 1 : 0; }

short GetMonthDays(short year, short month) {
    short days = TableDays(month);
    if (month == 2 && IsLeapYear(year))
        ++days;
    return days;
}

short GetDayOfWeek(short year, short month, short day) {
    // The year starts in March: March is 1, February 12 of the year before.
    int m, y;
    if (month > 2) {
        m = month - 2;
        y = year;
    } else {
        m = month + 10;
        y = year - 1;
    }
    const int w = (260 * m - 20) / 100 - y / 100 + y / 4 + y / 400 + day + y;
    const int r = w % 7;
    return static_cast<short>(r < 0 ? r + 7 : r);
}

short GetWeekCount(short year, short month) {
    const int n = GetDayOfWeek(year, month, 1) + GetMonthDays(year, month);
    return static_cast<short>((n + 6) / 7);
}

void BuildDayTable(short year, short month, WORD cells[kDayCells]) {
    for (int k = 0; k < kDayCells; ++k)
        cells[k] = 0;
    const int last = GetMonthDays(year, month);
    const int first = GetDayOfWeek(year, month, 1);
    for (int day = 1; day <= last && first + day - 1 < kDayCells; ++day)
        cells[first + day - 1] = static_cast<WORD>(day);
}

PackedDate MonthBefore(PackedDate date) {
    short year = DateYear(date), month = static_cast<short>(DateMonth(date) - 1);
    if (month < 1) {
        month = 12;
        --year;
        if (year < 1) {
            year = 1;
            month = 1;
        }
    }
    return PackDate(year, month, 1);
}

PackedDate MonthAfter(PackedDate date) {
    short year = DateYear(date), month = static_cast<short>(DateMonth(date) + 1);
    if (month > 12) {
        month = 1;
        ++year;
        if (year > 9999) {
            year = 9999;
            month = 12;
        }
    }
    return PackDate(year, month, 1);
}

}  // namespace rz
