// The calendar control's record in its window extra bytes, its labels and
// the pieces its painting and input share.
#pragma once

#include "calendar/dates.h"
#include "calendar/layout.h"
#include "frame/slots.h"
#include "rezore32.h"

namespace rz {

// The window-bound date steps: rebuild the day table of a calendar for a
// month, and move its current date to day 1 of the month before or after
// (without repainting).
void MakeDayTable(HWND hwnd, short year, short month);
void PrevMonth(HWND hwnd);
void NextMonth(HWND hwnd);

namespace calendar {

// Bytes 0-1 are never used.
constexpr WordSlot kFocusParts{2};     // low byte focused part, high byte previous/remembered part
constexpr LongSlot kToday{4};          // PackedDate of creation day
constexpr LongSlot kCurrentDate{8};    // shown month, day cursor
constexpr LongSlot kHighlightDate{12}; // PackedDate drawn white on blue; 0 none
constexpr LongSlot kDayMask{16};       // bit d-1: day d marked
constexpr LongSlot kLargeFont{20};     // HFONT: header line and day numbers
constexpr LongSlot kSmallFont{24};     // HFONT: weekday names
constexpr int kDayTableIndex = 28;     // 42 16-bit cells

constexpr WordSlot DayCellSlot(int cell) { return WordSlot{kDayTableIndex + 2 * cell}; }

constexpr int kExtraBytes = EndOf(DayCellSlot(kDayCells - 1));

inline BYTE FocusedPart(WORD parts) { return LOBYTE(parts); }
inline BYTE RememberedPart(WORD parts) { return HIBYTE(parts); }

// The record's day table, copied out.
struct DayTable {
    WORD cells[kDayCells];
    // First cell holding `day`, or -1.
    int Find(int day) const {
        for (int k = 0; k < kDayCells; ++k)
            if (day > 0 && cells[k] == day)
                return k;
        return -1;
    }
};

DayTable ReadDayTable(HWND hwnd);

// Layout of the control's client area for the month it shows.
Layout CurrentLayout(HWND hwnd);

// Month name (1 to 12; "" otherwise) and weekday name (0 Sunday to 6).
const char *MonthName(int month, bool japanese);
const char *WeekdayName(int weekday, bool japanese);
// The title of a year and month into a buffer of at least kTitleBuffer bytes.
constexpr int kTitleBuffer = 32;
void FormatTitle(char *buffer, int year, int month, bool japanese);

constexpr UINT kTextFormat = DT_CENTER | DT_VCENTER | DT_SINGLELINE;

// Painting (calendar_paint.cpp).
void Paint(HWND hwnd);
// Redraws the focus rectangles after a change from oldPart (with the day
// cursor then on oldDay) to newPart (day newDay), without a repaint.
void MoveFocusRect(HWND hwnd, BYTE oldPart, int oldDay, BYTE newPart, int newDay);

}  // namespace calendar

constexpr int kCalendarExtraBytes = calendar::kExtraBytes;
static_assert(kCalendarExtraBytes == 112, "the calendar's record is 112 bytes");
}  // namespace rz
