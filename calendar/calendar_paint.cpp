// Calendar painting, and the focus feedback that moves the one focus
// rectangle without a repaint.
#include "calendar/calendar.h"
#include "frame/gdi.h"
#include "frame/module.h"
#include "frame/window.h"

namespace rz {
namespace calendar {
namespace {

constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlue = RGB(0, 0, 255);

// Text colour and background colour of a DC, put back at the end.
class KeepColours {
public:
    explicit KeepColours(HDC hdc) : hdc_(hdc), text_(GetTextColor(hdc)), back_(GetBkColor(hdc)) {}
    ~KeepColours() {
        SetTextColor(hdc_, text_);
        SetBkColor(hdc_, back_);
    }
    KeepColours(const KeepColours &) = delete;
    KeepColours &operator=(const KeepColours &) = delete;

private:
    HDC hdc_;
    COLORREF text_, back_;
};

void SetColours(HDC hdc, COLORREF text, COLORREF back) {
    SetTextColor(hdc, text);
    SetBkColor(hdc, back);
}

void DrawCentred(HDC hdc, const char *text, RECT r) { DrawTextA(hdc, text, -1, &r, kTextFormat); }

// The box the title's focus rectangle goes around; needs LargeFont selected.
RECT TitleBox(HDC hdc, const Layout &layout, const char *title) {
    RECT measured = layout.TitleArea();
    DrawTextA(hdc, title, -1, &measured, kTextFormat | DT_CALCRECT);
    return TitleTextBox(layout, measured.right - measured.left, measured.bottom - measured.top);
}

// Where the focus rectangle of a part is drawn; false when it has none
// (no part, the undrawn buttons of a view-only calendar, a day without a cell).
bool FocusRectOf(HWND hwnd, HDC hdc, const Layout &layout, BYTE part, int day, RECT *r) {
    switch (part) {
    case CLNDRP_PREV:
    case CLNDRP_NEXT:
        if (HasStyle(hwnd, CLNDRS_VIEWONLY))
            return false;
        *r = part == CLNDRP_PREV ? layout.PrevButton() : layout.NextButton();
        return true;
    case CLNDRP_TITLE: {
        const PackedDate date = static_cast<PackedDate>(GetSlot(hwnd, kCurrentDate));
        char title[kTitleBuffer];
        FormatTitle(title, DateYear(date), DateMonth(date), HasStyle(hwnd, CLNDRS_JAPANESE));
        *r = TitleBox(hdc, layout, title);
        return true;
    }
    case CLNDRP_DAYS: {
        const int cell = ReadDayTable(hwnd).Find(day);
        if (cell < 0)
            return false;
        *r = layout.DayCell(cell);
        return true;
    }
    default: return false;
    }
}

}  // namespace

DayTable ReadDayTable(HWND hwnd) {
    DayTable table;
    for (int k = 0; k < kDayCells; ++k)
        table.cells[k] = GetSlot(hwnd, DayCellSlot(k));
    return table;
}

Layout CurrentLayout(HWND hwnd) {
    RECT client = {};
    GetClientRect(hwnd, &client);
    const PackedDate date = static_cast<PackedDate>(GetSlot(hwnd, kCurrentDate));
    return MakeLayout(client.right, client.bottom, GetWeekCount(DateYear(date), DateMonth(date)));
}

void Paint(HWND hwnd) {
    PaintDC paint(hwnd);
    HDC hdc = paint;
    const LONG style = GetWindowLongA(hwnd, GWL_STYLE);
    const bool japanese = (style & CLNDRS_JAPANESE) != 0;
    const BYTE focused = FocusedPart(GetSlot(hwnd, kFocusParts));
    const PackedDate current = static_cast<PackedDate>(GetSlot(hwnd, kCurrentDate));
    const PackedDate today = static_cast<PackedDate>(GetSlot(hwnd, kToday));
    const PackedDate highlight = static_cast<PackedDate>(GetSlot(hwnd, kHighlightDate));
    const Layout layout = CurrentLayout(hwnd);
    const COLORREF face = FaceColour();
    HFONT large = GetHandleSlot<HFONT>(hwnd, kLargeFont);
    HFONT small = GetHandleSlot<HFONT>(hwnd, kSmallFont);

    KeepColours keepColours(hdc);
    Select keepFont(hdc, large);
    SetColours(hdc, kBlack, face);

    if (!(style & CLNDRS_VIEWONLY)) {
        DrawCentred(hdc, "<", layout.PrevButton());
        if (focused == CLNDRP_PREV) {
            const RECT r = layout.PrevButton();
            DrawFocusRect(hdc, &r);
        }
        DrawCentred(hdc, ">", layout.NextButton());
        if (focused == CLNDRP_NEXT) {
            const RECT r = layout.NextButton();
            DrawFocusRect(hdc, &r);
        }
    }

    char title[kTitleBuffer];
    FormatTitle(title, DateYear(current), DateMonth(current), japanese);
    DrawCentred(hdc, title, layout.TitleArea());
    if (focused == CLNDRP_TITLE) {
        const RECT r = TitleBox(hdc, layout, title);
        DrawFocusRect(hdc, &r);
    }

    {
        Select smallFont(hdc, small);
        for (int c = 0; c < 7; ++c) {
            SetTextColor(hdc, c == 0 ? kRed : kBlack);
            DrawCentred(hdc, WeekdayName(c, japanese), layout.Weekday(c));
        }
    }

    const DWORD marks = (style & CLNDRS_SHOWMARKS) ? static_cast<DWORD>(GetSlot(hwnd, kDayMask)) : 0;
    const bool todayShown = DateYear(today) == DateYear(current) && DateMonth(today) == DateMonth(current);
    const bool highlightShown =
        DateYear(highlight) == DateYear(current) && DateMonth(highlight) == DateMonth(current);
    const DayTable table = ReadDayTable(hwnd);
    for (int k = 0; k < kDayCells; ++k) {
        const int d = table.cells[k];
        if (d == 0)
            continue;
        const RECT cell = layout.DayCell(k);
        SetColours(hdc, k % 7 == 0 ? kRed : kBlack, face);
        if (todayShown && d == DateDay(today))
            SetTextColor(hdc, kWhite);
        if (highlightShown && d == DateDay(highlight))
            SetColours(hdc, kWhite, kBlue);
        if (d <= 31 && ((marks >> (d - 1)) & 1) != 0)
            SetBkColor(hdc, kBlue);
        char number[8];
        wsprintfA(number, "%d", d);
        DrawCentred(hdc, number, cell);
        if (d == DateDay(current) && focused == CLNDRP_DAYS) {
            SetColours(hdc, kBlack, face);
            DrawFocusRect(hdc, &cell);
        }
    }
}

void MoveFocusRect(HWND hwnd, BYTE oldPart, int oldDay, BYTE newPart, int newDay) {
    WindowDC dc(hwnd);
    if (!dc)
        return;
    const Layout layout = CurrentLayout(hwnd);
    KeepColours keepColours(dc);
    Select keepFont(dc, GetHandleSlot<HFONT>(hwnd, kLargeFont));
    SetColours(dc, kBlack, FaceColour());
    RECT newRect, oldRect;
    const bool hasNew = FocusRectOf(hwnd, dc, layout, newPart, newDay, &newRect);
    const bool hasOld = FocusRectOf(hwnd, dc, layout, oldPart, oldDay, &oldRect);
    if (hasNew && hasOld && EqualRect(&newRect, &oldRect))
        return;  // the rectangle stays where it is
    if (hasNew)
        DrawFocusRect(dc, &newRect);
    if (hasOld)
        DrawFocusRect(dc, &oldRect);
}

}  // namespace calendar
}  // namespace rz
