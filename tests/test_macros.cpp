// The header's functions and slot offsets against real controls, and the behaviour its comments promise.
#include <gtest/gtest.h>

#include <windowsx.h>

#include "tests/support.h"

namespace {
constexpr int kId = 42;
const HFONT kFont = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
const DWORD kFont32 = DWORD(rzt::Low32(kFont));
using Set = std::function<void(HWND)>;
using Get = std::function<DWORD(HWND)>;
// A slot read as the header says, behind the system base class's bytes.
Get Slot(int index, const char *base = nullptr) {
    WNDCLASSA c = {};
    const int behind = base && GetClassInfoA(nullptr, base, &c) ? c.cbWndExtra : 0;
    return [=](HWND h) { return DWORD(GetWindowLongA(h, behind + index)); };
}

template <class Value>  // a number, or a handle's low 32 bits
Get Read(Value (*get)(HWND)) { return [get](HWND h) { return DWORD(LONG_PTR(get(h))); }; }
DWORD Style(HWND h) { return GetWindowLongA(h, GWL_STYLE) & 0xFF; }
void SetFont(HWND h) { SetWindowFont(h, kFont, FALSE); }
HFONT FontOf(HWND h) { return GetWindowFont(h); }
// A call through the header, what the getter gives back and the slot (-1: the getter reads it itself);
// point-to-day agrees with the calendar's clicks (5, 6 and 4 weeks).
TEST(HeaderMacros, SettersGettersSlotsAndDayAtPoint) {
    const HICON icon = LoadIconA(nullptr, MAKEINTRESOURCEA(32516));
    const char *const spin = REZORE32_SPINCLASS, *meter = REZORE32_METERCLASS, *ind = REZORE32_INDICATORCLASS,
                      *cal = REZORE32_CALENDARCLASS, *folder = REZORE32_FOLDERCLASS, *pane = REZORE32_ICONDRAWCLASS;
    const DWORD date = CLNDR_PACKDATE(1996, 3, 15), icon32 = DWORD(rzt::Low32(icon));
    const COLORREF c1 = RGB(1, 2, 3), c2 = RGB(4, 5, 6), c3 = RGB(7, 8, 9);
    const struct {
        const char *cls; Set set; Get get; int slot; DWORD expect; DWORD style = 0; const char *base = nullptr;
    } rows[] = {
        {spin, [](HWND h) { Spin_SetRange(h, 7, 2, 9); }, Spin_GetRange, SPIN_GWL_RANGE, MAKELONG(2, 9)},
        {spin, [](HWND h) { Spin_SetPos(h, -3, 0); }, Read(Spin_GetPos), SPIN_GWL_POS, DWORD(-3)},
        {meter, [](HWND h) { Meter_SetRange(h, 4000000000u); }, Meter_GetRange, METER_GWL_RANGE, 4000000000u},
        {meter, [](HWND h) { Meter_SetPos(h, 3000000000u); }, Meter_GetPos, METER_GWL_POS, 3000000000u},
        {meter, [=](HWND h) { Meter_SetBarColor(h, c1); }, Meter_GetBarColor, METER_GWL_BARCOLOR, c1},
        {meter, [=](HWND h) { Meter_SetTextColor(h, c2); }, Meter_GetTextColor, METER_GWL_TEXTCOLOR, c2},
        {meter, SetFont, Read(+[](HWND h) { return REZORE32_SLOTHANDLE(HFONT, h, METER_GWL_FONT); }), -1, kFont32},
        {ind, [](HWND h) { Indicator_SetRange(h, 3000000000u); }, Indicator_GetRange, IND_GWL_RANGE, 3000000000u},
        {ind, [](HWND h) { Indicator_SetPos(h, 17); }, Indicator_GetPos, IND_GWL_POS, 17},
        {ind, [=](HWND h) { Indicator_SetColor(h, c3); }, Indicator_GetColor, IND_GWL_COLOR, c3},
        {ind, [](HWND h) { Indicator_SetCellWidth(h, -2); }, Read(Indicator_GetCellWidth), IND_GWL_CELLWIDTH, ~1u},
        {ind, [](HWND h) { Indicator_SetLitCount(h, 6); }, Read(Indicator_GetLitCount), IND_GWL_LITCOUNT, 6},
        {ind, [](HWND) {}, Read(Indicator_GetLitCount), IND_GWL_LITCOUNT, DWORD(-1)},
        {pane, [icon](HWND h) { IconDraw_SetIcon(h, icon); }, Read(IconDraw_GetIcon), ICON_GWL_ICON, icon32},
        {cal, [=](HWND h) { Calendar_SetDate(h, date); }, Calendar_GetDate, CLNDR_GWL_DATE, date},
        {cal, [=](HWND h) { Calendar_SetHighlight(h, date + 5); }, Slot(CLNDR_GWL_HIGHLIGHT), -1, date + 5},
        {cal, [](HWND h) { Calendar_MarkDay(h, 10); }, Slot(CLNDR_GWL_MARKS), -1, 1u << 9},
        {cal, [](HWND h) { Calendar_MarkDay(h, 3); Calendar_MarkDay(h, 0); }, Slot(CLNDR_GWL_MARKS), -1, 0},
        {cal, Calendar_SetEnglish, Style, -1, CLNDRS_SHOWMARKS, CLNDRS_JAPANESE | CLNDRS_SHOWMARKS},
        {cal, Calendar_SetJapanese, Style, -1, CLNDRS_VIEWONLY | CLNDRS_JAPANESE, CLNDRS_VIEWONLY},
        {cal, Calendar_SetNormal, Style, -1, CLNDRS_JAPANESE, CLNDRS_VIEWONLY | CLNDRS_MONTHONLY | CLNDRS_JAPANESE},
        {cal, Calendar_SetViewOnly, Style, -1, CLNDRS_VIEWONLY, CLNDRS_MONTHONLY},
        {cal, Calendar_SetMonthOnly, Style, -1, CLNDRS_MONTHONLY, CLNDRS_VIEWONLY},
        {cal, Calendar_HideMarks, Style, -1, CLNDRS_JAPANESE, CLNDRS_SHOWMARKS | CLNDRS_JAPANESE},
        {cal, Calendar_ShowMarks, Style, -1, CLNDRS_SHOWMARKS},
        {folder, [](HWND h) { SetWindowTextA(h, "a|b|c"); Folder_SetSel(h, 2); }, Read(Folder_GetSel), FOLDER_GWL_SEL,
         2, 0, "Button"},
        {folder, [](HWND h) { SetWindowTextA(h, "a||b|c"); }, Slot(FOLDER_GWL_COUNT, "Button"), -1, 3},
        {REZORE32_PLATECLASS, SetFont, Read(FontOf), PLATE_GWL_FONT, kFont32, 0, "Static"},
        {REZORE32_CLIPCLASS, SetFont, Read(FontOf), PLATE_GWL_FONT, kFont32, 0, "Static"},
        {REZORE32_TEXTCLASS, SetFont, Read(FontOf), TEXT_GWL_FONT, kFont32},
    };
    rzt::RecordingParent parent;
    for (const auto &row : rows) {
        SCOPED_TRACE(testing::Message() << row.cls << " row " << (&row - rows));
        HWND h = rzt::CreateChild(parent, row.cls, row.style, 10, 10, 160, 120, kId);
        row.set(h);
        EXPECT_EQ(row.get(h), row.expect);
        EXPECT_EQ(row.slot >= 0 ? Slot(row.slot, row.base)(h) : row.expect, row.expect) << "the slot";
        DestroyWindow(h);
    }
    HWND calendar = rzt::CreateChild(parent, REZORE32_CALENDARCLASS, 0, 5, 5, 213, 171, kId);
    for (const DWORD month : {CLNDR_PACKDATE(1996, 3, 15), CLNDR_PACKDATE(1996, 6, 15), CLNDR_PACKDATE(2015, 2, 15)})
        for (int y = 0; y < 171; y += 7)
            for (int x = 0; x < 213; x += 8) {
                Calendar_SetDate(calendar, month);
                const int day = Calendar_DayAtPoint(calendar, POINT{x, y});
                SendMessageA(calendar, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
                ASSERT_EQ(CLNDR_DAY(Calendar_GetDate(calendar)), day ? day : 15) << x << "," << y;
            }
    DestroyWindow(calendar);
}
}  // namespace
