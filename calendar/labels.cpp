// The calendar's labels: month and weekday names and the title, Japanese
// texts in Shift-JIS.
#include <windows.h>

#include "calendar/calendar.h"

namespace rz {
namespace calendar {
namespace {

// Shift-JIS labels.
const char *const kJapaneseMonths[13] = {
    "",
    "1\x8C\x8E", "2\x8C\x8E", "3\x8C\x8E", "4\x8C\x8E", "5\x8C\x8E", "6\x8C\x8E",  // n月
    "7\x8C\x8E", "8\x8C\x8E", "9\x8C\x8E", "10\x8C\x8E", "11\x8C\x8E", "12\x8C\x8E",
};
const char *const kEnglishMonths[13] = {
    "",       "1 Jan.", "2 Feb.", "3 Mar.",  "4 Apr.",  "5 May.",  "6 Jun.",
    "7 Jul.", "8 Aug.", "9 Sep.", "10 Oct.", "11 Nov.", "12 Dec.",
};
// 日 月 火 水 木 金 土
const char *const kJapaneseWeekdays[7] = {"\x93\xFA", "\x8C\x8E", "\x89\xCE", "\x90\x85",
                                          "\x96\xD8", "\x8B\xE0", "\x93\x79"};
const char *const kEnglishWeekdays[7] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};

const char kJapaneseTitle[] = "%d\x94\x4E %s";  // %d年 %s
const char kEnglishTitle[] = "%s%d";

}  // namespace

const char *MonthName(int month, bool japanese) {
    if (month < 1 || month > 12)
        return "";
    return japanese ? kJapaneseMonths[month] : kEnglishMonths[month];
}

const char *WeekdayName(int weekday, bool japanese) {
    if (weekday < 0 || weekday > 6)
        return "";
    return japanese ? kJapaneseWeekdays[weekday] : kEnglishWeekdays[weekday];
}

void FormatTitle(char *buffer, int year, int month, bool japanese) {
    if (japanese)
        wsprintfA(buffer, kJapaneseTitle, year, MonthName(month, true));
    else
        wsprintfA(buffer, kEnglishTitle, MonthName(month, false), year);
}

}  // namespace calendar
}  // namespace rz
