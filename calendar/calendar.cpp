// Calendar control: one month with a header of "<", title and ">", the
// weekday names and the day grid; a day cursor moved by keys and clicks,
// month steps, and the year-and-month jump dialog from the title.
#include <cstdlib>
#include <cstring>
#include <initializer_list>

#include "calendar/calendar.h"
#include "calendar/jump.h"
#include "frame/module.h"
#include "frame/window.h"

namespace rz {

void MakeDayTable(HWND hwnd, short year, short month) {
    WORD cells[kDayCells];
    BuildDayTable(year, month, cells);
    for (int k = 0; k < kDayCells; ++k)
        SetSlot(hwnd, calendar::DayCellSlot(k), cells[k]);
}

void PrevMonth(HWND hwnd) {
    const PackedDate date = MonthBefore(static_cast<PackedDate>(GetSlot(hwnd, calendar::kCurrentDate)));
    MakeDayTable(hwnd, DateYear(date), DateMonth(date));
    SetSlot(hwnd, calendar::kCurrentDate, static_cast<LONG>(date));
}

void NextMonth(HWND hwnd) {
    const PackedDate date = MonthAfter(static_cast<PackedDate>(GetSlot(hwnd, calendar::kCurrentDate)));
    MakeDayTable(hwnd, DateYear(date), DateMonth(date));
    SetSlot(hwnd, calendar::kCurrentDate, static_cast<LONG>(date));
}

}  // namespace rz

namespace {

using namespace rz::calendar;
using rz::HasStyle;
using rz::PackedDate;
using rz::Repaint;

PackedDate CurrentDate(HWND hwnd) { return static_cast<PackedDate>(rz::GetSlot(hwnd, kCurrentDate)); }

void SetCurrentDate(HWND hwnd, PackedDate date) { rz::SetSlot(hwnd, kCurrentDate, static_cast<LONG>(date)); }

// Shows the month of `date` with the cursor on its day.
void ShowDate(HWND hwnd, PackedDate date) {
    SetCurrentDate(hwnd, date);
    rz::MakeDayTable(hwnd, rz::DateYear(date), rz::DateMonth(date));
}

BYTE Focused(HWND hwnd) { return FocusedPart(rz::GetSlot(hwnd, kFocusParts)); }

// Moves the focus to `part` (remembering where it came from) and moves the
// focus rectangle there.
void FocusPart(HWND hwnd, BYTE part) {
    const BYTE old = Focused(hwnd);
    rz::SetSlot(hwnd, kFocusParts, static_cast<WORD>(old << 8 | part));
    const int day = rz::DateDay(CurrentDate(hwnd));
    MoveFocusRect(hwnd, old, day, part, day);
}

// The day cursor to `day` of the shown month, the focus rectangle with it.
void MoveDayCursor(HWND hwnd, BYTE oldPart, int day) {
    const PackedDate date = CurrentDate(hwnd);
    SetCurrentDate(hwnd, rz::PackDate(rz::DateYear(date), rz::DateMonth(date), day));
    MoveFocusRect(hwnd, oldPart, rz::DateDay(date), CLNDRP_DAYS, day);
}

// ----------------------------------------------------------------- create
// "YYYYMMDD": characters `from` .. `from + count - 1` as a number; missing
// characters count as an empty text.
int DigitsAt(const char *text, size_t from, size_t count) {
    char part[8] = {};
    const size_t length = strlen(text);
    if (from < length)
        memcpy(part, text + from, length - from < count ? length - from : count);
    return atoi(part);
}

HFONT MakeFont(const LOGFONTA &base, LONG height, LONG weight) {
    LOGFONTA lf = base;
    lf.lfCharSet = SHIFTJIS_CHARSET;
    lf.lfWidth = 0;
    lf.lfHeight = height;
    if (weight)
        lf.lfWeight = weight;
    return CreateFontIndirectA(&lf);
}

LRESULT OnCreate(HWND hwnd) {
    SYSTEMTIME now;
    GetLocalTime(&now);
    const PackedDate today = rz::PackDate(now.wYear, now.wMonth, now.wDay);
    rz::SetSlot(hwnd, kToday, static_cast<LONG>(today));

    char text[256] = {};
    GetWindowTextA(hwnd, text, sizeof(text));
    PackedDate start = today;
    if (text[0] != '\0' && atol(text) != 0) {
        start = rz::PackDate(static_cast<short>(DigitsAt(text, 0, 4)), static_cast<short>(DigitsAt(text, 4, 2)),
                             static_cast<short>(DigitsAt(text, 6, 2)));
    }
    ShowDate(hwnd, start);

    RECT client = {};
    GetClientRect(hwnd, &client);
    LOGFONTA base = {};
    GetObjectA(GetStockObject(ANSI_VAR_FONT), sizeof(base), &base);
    const LONG height = client.bottom / (rz::GetWeekCount(rz::DateYear(start), rz::DateMonth(start)) + 2);
    rz::SetHandleSlot(hwnd, kLargeFont, MakeFont(base, height, 0));
    rz::SetHandleSlot(hwnd, kSmallFont, MakeFont(base, (height / 5) * 4, FW_THIN));

    WORD parts = 0;
    if (!HasStyle(hwnd, CLNDRS_VIEWONLY))
        parts = CLNDRP_DAYS << 8;
    else if (HasStyle(hwnd, CLNDRS_MONTHONLY))
        parts = CLNDRP_TITLE << 8;
    rz::SetSlot(hwnd, kFocusParts, parts);
    rz::SetSlot(hwnd, kDayMask, 0);
    return 0;
}

// The fonts live as long as the window.
// Marks a calendar whose jump dialog is open: a second request while it
// runs (a posted double click, an application's message) is refused.
const char kJumpOpen[] = "Rezore32JumpOpen";

void OnDestroy(HWND hwnd) {
    RemovePropA(hwnd, kJumpOpen);
    for (rz::LongSlot slot : {kLargeFont, kSmallFont}) {
        if (HFONT font = rz::GetHandleSlot<HFONT>(hwnd, slot))
            DeleteObject(font);
        rz::SetSlot(hwnd, slot, 0);
    }
}

// ------------------------------------------------------------------ focus
void OnSetFocus(HWND hwnd) {
    const WORD parts = rz::GetSlot(hwnd, kFocusParts);
    rz::SetSlot(hwnd, kFocusParts, static_cast<WORD>((parts & 0xFF00) | RememberedPart(parts)));
    Repaint(hwnd);
}

void OnKillFocus(HWND hwnd) {
    rz::SetSlot(hwnd, kFocusParts, static_cast<WORD>(Focused(hwnd) << 8));
    Repaint(hwnd);
}

// ------------------------------------------------------------------- keys
// A day move to `target`; false when there is no day there.
bool MoveToCell(HWND hwnd, const DayTable &table, int target) {
    if (target < 0 || target >= rz::kDayCells || table.cells[target] == 0)
        return false;
    MoveDayCursor(hwnd, CLNDRP_DAYS, table.cells[target]);
    return true;
}

BYTE HeaderAbove(int column) {
    if (column <= 1)
        return CLNDRP_PREV;
    return column <= 4 ? CLNDRP_TITLE : CLNDRP_NEXT;
}

// Keys in the day grid; false when a move found no day to go to.
bool DaysKey(HWND hwnd, WPARAM key) {
    const DayTable table = ReadDayTable(hwnd);
    const int cell = table.Find(rz::DateDay(CurrentDate(hwnd)));
    switch (key) {
    case VK_SPACE:
        SetCurrentDate(hwnd, CurrentDate(hwnd));
        rz::NotifyParent(hwnd, CLNDRN_DAYCHOSEN);
        return true;
    case VK_LEFT: return cell >= 0 && MoveToCell(hwnd, table, cell - 1);
    case VK_RIGHT: return cell >= 0 && MoveToCell(hwnd, table, cell + 1);
    case VK_DOWN: return cell >= 0 && MoveToCell(hwnd, table, cell + 7);
    case VK_UP:
        if (cell < 0)
            return false;
        if (!MoveToCell(hwnd, table, cell - 7))
            FocusPart(hwnd, HeaderAbove(cell % 7));
        return true;
    default: return true;
    }
}

void HeaderKey(HWND hwnd, BYTE part, WPARAM key) {
    switch (part) {
    case CLNDRP_PREV:
    case CLNDRP_NEXT: {
        const bool prev = part == CLNDRP_PREV;
        if (key == VK_SPACE) {
            prev ? rz::PrevMonth(hwnd) : rz::NextMonth(hwnd);
            Repaint(hwnd);
        } else if (key == (prev ? VK_RIGHT : VK_LEFT)) {  // towards the title
            FocusPart(hwnd, CLNDRP_TITLE);
        } else if (key == VK_DOWN) {
            FocusPart(hwnd, CLNDRP_DAYS);
        }
        break;
    }
    case CLNDRP_TITLE:
        if (key == VK_SPACE)
            PostMessageA(hwnd, CLNDR_JUMPDIALOG, 0, 0);
        else if (key == VK_LEFT)
            FocusPart(hwnd, CLNDRP_PREV);
        else if (key == VK_RIGHT)
            FocusPart(hwnd, CLNDRP_NEXT);
        else if (key == VK_DOWN)
            FocusPart(hwnd, CLNDRP_DAYS);
        break;
    default: break;
    }
}

LRESULT OnKeyDown(HWND hwnd, WPARAM key, LPARAM lParam) {
    const LONG style = rz::StyleOf(hwnd);
    const bool viewOnly = (style & CLNDRS_VIEWONLY) != 0;
    const BYTE part = Focused(hwnd);
    if (viewOnly && part == 0)
        return DefWindowProcA(hwnd, WM_KEYDOWN, key, lParam);
    if (part == CLNDRP_DAYS) {
        if (!viewOnly && !DaysKey(hwnd, key))
            return 0;
    } else if (!viewOnly || (style & CLNDRS_MONTHONLY)) {
        HeaderKey(hwnd, part, key);
    }
    return DefWindowProcA(hwnd, WM_KEYDOWN, key, lParam);
}

// ------------------------------------------------------------------ mouse
LRESULT OnButton(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (HasStyle(hwnd, CLNDRS_VIEWONLY))
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    const bool doubleClick = msg == WM_LBUTTONDBLCLK;
    if (!doubleClick && GetFocus() != hwnd)
        SetFocus(hwnd);

    const POINT pt = {LOWORD(lParam), HIWORD(lParam)};
    const Layout layout = CurrentLayout(hwnd);
    const RECT prev = layout.PrevButton(), next = layout.NextButton(), title = layout.TitleArea();
    if (PtInRect(&prev, pt) || PtInRect(&next, pt)) {
        const bool isPrev = PtInRect(&prev, pt) != FALSE;
        FocusPart(hwnd, isPrev ? CLNDRP_PREV : CLNDRP_NEXT);
        if (doubleClick) {
            isPrev ? rz::PrevMonth(hwnd) : rz::NextMonth(hwnd);
            Repaint(hwnd);
        }
        return 0;
    }
    if (PtInRect(&title, pt)) {
        FocusPart(hwnd, CLNDRP_TITLE);
        if (doubleClick) {
            PostMessageA(hwnd, CLNDR_JUMPDIALOG, 0, 0);
            Repaint(hwnd);
        }
        return 0;
    }
    if (HasStyle(hwnd, CLNDRS_MONTHONLY))
        return DefWindowProcA(hwnd, msg, wParam, lParam);

    const BYTE old = Focused(hwnd);
    rz::SetSlot(hwnd, kFocusParts, static_cast<WORD>(old << 8 | CLNDRP_DAYS));
    const DayTable table = ReadDayTable(hwnd);
    const int day = rz::DateDay(CurrentDate(hwnd));
    for (int k = 0; k < rz::kDayCells; ++k) {
        const RECT cell = layout.DayCell(k);
        if (table.cells[k] == 0 || !PtInRect(&cell, pt))
            continue;
        if (doubleClick) {
            MoveFocusRect(hwnd, old, day, CLNDRP_DAYS, day);
            rz::NotifyParent(hwnd, CLNDRN_DAYCHOSEN);
        } else {
            MoveDayCursor(hwnd, old, table.cells[k]);
        }
        return 0;
    }
    MoveFocusRect(hwnd, old, day, CLNDRP_DAYS, day);  // no day there: the cursor stays
    return 0;
}

// --------------------------------------------------------------- messages
void SetStyleBits(HWND hwnd, LONG set, LONG clear) {
    SetWindowLongA(hwnd, GWL_STYLE, (rz::StyleOf(hwnd) & ~clear) | set);
    Repaint(hwnd);
}

LRESULT OnMarkDay(HWND hwnd, LPARAM lParam) {
    const LONG day = static_cast<LONG>(lParam);
    if (day == 0) {
        rz::SetSlot(hwnd, kDayMask, 0);  // shown until the next repaint
        return 0;
    }
    // Only days 1 to 31 have a bit.
    if (day >= 1 && day <= 31)
        rz::SetSlot(hwnd, kDayMask, rz::GetSlot(hwnd, kDayMask) | static_cast<LONG>(1UL << (day - 1)));
    Repaint(hwnd);
    return 0;
}

LRESULT OnJumpDialog(HWND hwnd) {
    if (GetPropA(hwnd, kJumpOpen))
        return 0;
    SetPropA(hwnd, kJumpOpen, reinterpret_cast<HANDLE>(1));
    PackedDate chosen = CurrentDate(hwnd);
    const INT_PTR ok = rz::RunModuleDialog(GetParent(hwnd), nullptr, REZORE32_IDD_JUMP, reinterpret_cast<LPARAM>(&chosen));
    if (!IsWindow(hwnd))
        return 0;  // destroyed while the dialog ran
    RemovePropA(hwnd, kJumpOpen);
    if (ok > 0) {
        ShowDate(hwnd, chosen);
        Repaint(hwnd);
    }
    return 0;
}

}  // namespace

extern "C" LRESULT WINAPI CalenderCtlWndFn(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_CREATE: return OnCreate(hwnd);
    case WM_DESTROY: OnDestroy(hwnd); break;
    case WM_SETFOCUS: OnSetFocus(hwnd); return 0;
    case WM_KILLFOCUS: OnKillFocus(hwnd); return 0;
    case WM_PAINT: Paint(hwnd); return 0;
    case WM_SYSCOLORCHANGE: rz::RefreshSysColorBrushes(); break;
    case WM_GETDLGCODE: return DLGC_BUTTON | DLGC_WANTARROWS;
    case WM_KEYDOWN: return OnKeyDown(hwnd, wParam, lParam);
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: return OnButton(hwnd, msg, wParam, lParam);
    case CLNDR_SETDATE:
        ShowDate(hwnd, static_cast<PackedDate>(lParam));
        Repaint(hwnd);
        return 0;
    case CLNDR_GETDATE: return static_cast<LRESULT>(CurrentDate(hwnd));
    case CLNDR_SETHIGHLIGHT:
        rz::SetSlot(hwnd, kHighlightDate, static_cast<LONG>(lParam));
        Repaint(hwnd);
        return 0;
    case CLNDR_MARKDAY: return OnMarkDay(hwnd, lParam);
    case CLNDR_SETENGLISH: SetStyleBits(hwnd, 0, CLNDRS_JAPANESE); return 0;
    case CLNDR_SETJAPANESE: SetStyleBits(hwnd, CLNDRS_JAPANESE, 0); return 0;
    case CLNDR_SETNORMAL: SetStyleBits(hwnd, 0, CLNDRS_VIEWONLY | CLNDRS_MONTHONLY); return 0;
    case CLNDR_SETVIEWONLY: SetStyleBits(hwnd, CLNDRS_VIEWONLY, CLNDRS_MONTHONLY); return 0;
    case CLNDR_SETMONTHONLY: SetStyleBits(hwnd, CLNDRS_MONTHONLY, CLNDRS_VIEWONLY); return 0;
    case CLNDR_HIDEMARKS: SetStyleBits(hwnd, 0, CLNDRS_SHOWMARKS); return 0;
    case CLNDR_SHOWMARKS: SetStyleBits(hwnd, CLNDRS_SHOWMARKS, 0); return 0;
    case CLNDR_JUMPDIALOG: return OnJumpDialog(hwnd);
    default: break;
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}
