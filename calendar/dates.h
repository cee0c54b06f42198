// Date arithmetic of the calendar on the proleptic Gregorian calendar, years
// 1 to 9999, as plain functions of values.
#pragma once

#include <windows.h>

namespace rz {

// year x 65536 + month x 256 + day.
using PackedDate = DWORD;

inline PackedDate PackDate(int year, int month, int day) {
    return static_cast<PackedDate>(year * 65536 + month * 256 + day);
}
inline short DateYear(PackedDate date) { return static_cast<short>(date >> 16); }
inline short DateMonth(PackedDate date) { return static_cast<short>((date >> 8) & 0xFF); }
inline short DateDay(PackedDate date) { return static_cast<short>(date & 0xFF); }

// Days of each month, February without its leap day; index 0 holds 0.
extern const short kMonthDayTable[13];

constexpr int kDayCells = 42;  // 6 rows of 7 columns, Sunday first

short IsLeapYear(short year);
// 0 for a month outside 1 to 12.
short GetMonthDays(short year, short month);
// 0 = Sunday to 6 = Saturday (kept in that range for any input).
short GetDayOfWeek(short year, short month, short day);
// Week rows the month touches: 4, 5 or 6 (at most 1 for an invalid month).
short GetWeekCount(short year, short month);
// The month's days in the 42 cells, each in the column of its weekday; 0
// for empty cells.  An invalid month gives an empty table.
void BuildDayTable(short year, short month, WORD cells[kDayCells]);
// Day 1 of the month before / after, clamped to January of the year 1 and
// December 9999.
PackedDate MonthBefore(PackedDate date);
PackedDate MonthAfter(PackedDate date);

}  // namespace rz
