// The header's message functions and slot offsets against real controls,
// and the behaviour its comments promise application authors.
#include <gtest/gtest.h>

#include <windowsx.h>

#include <functional>

#include "tests/dialog_driver.h"
#include "tests/support.h"

namespace {

constexpr int kId = 42;
const HFONT kFont = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
const DWORD kFont32 = DWORD(rzt::Low32(kFont));

using Set = std::function<void(HWND)>;
using Get = std::function<DWORD(HWND)>;

// Byte count of a system class, where the superclasses' own slots begin.
int BaseBytes(const char *base) {
    WNDCLASSA wc = {};
    return base && GetClassInfoA(nullptr, base, &wc) ? wc.cbWndExtra : 0;
}
// A slot read as the header says, behind the base class's bytes.
Get Slot(int index, const char *base = nullptr) {
    return [=](HWND h) { return DWORD(GetWindowLongA(h, BaseBytes(base) + index)); };
}
template <class Value>  // a number, or a handle's low 32 bits
Get Read(Value (*get)(HWND)) {
    return [get](HWND h) { return DWORD(LONG_PTR(get(h))); };
}
DWORD Style(HWND h) { return GetWindowLongA(h, GWL_STYLE) & 0xFF; }
void SetFont(HWND h) { SetWindowFont(h, kFont, FALSE); }
HFONT FontOf(HWND h) { return GetWindowFont(h); }

// A fresh control, a call through the header, what the getter gives back
// and the documented slot (behind the system base class's bytes) too.
struct Row {
    const char *cls;
    DWORD style;
    Set set;
    Get get;
    int slot;  // -1: the getter reads the slot itself
    const char *base;
    DWORD expect;
};

TEST(HeaderMacros, SetterGetterAndSlotAgree) {
    const HICON icon = LoadIconA(nullptr, MAKEINTRESOURCEA(32516));
    const char *const spin = REZORE32_SPINCLASS, *meter = REZORE32_METERCLASS, *ind = REZORE32_INDICATORCLASS,
                      *cal = REZORE32_CALENDARCLASS;
    const DWORD date = CLNDR_PACKDATE(1996, 3, 15);
    const Row rows[] = {
        {spin, 0, [](HWND h) { Spin_SetRange(h, 7, 2, 9); }, Spin_GetRange, SPIN_GWL_RANGE, nullptr, MAKELONG(2, 9)},
        {spin, 0, [](HWND h) { Spin_SetRange(h, 1, 0, 0xFFFF); }, Spin_GetRange, SPIN_GWL_RANGE, nullptr, 0xFFFF0000},
        {spin, 0, [](HWND h) { Spin_SetRange(h, 50, 0, 9); }, Read(Spin_GetPos), SPIN_GWL_POS, nullptr, 50},
        {spin, 0, [](HWND h) { Spin_SetPos(h, -3, 0); }, Read(Spin_GetPos), SPIN_GWL_POS, nullptr, DWORD(-3)},
        {meter, 0, [](HWND h) { Meter_SetRange(h, 4000000000u); }, Meter_GetRange, METER_GWL_RANGE, nullptr, 4000000000u},
        {meter, 0, [](HWND h) { Meter_SetPos(h, 3000000000u); }, Meter_GetPos, METER_GWL_POS, nullptr, 3000000000u},
        {meter, 0, [](HWND h) { Meter_SetBarColor(h, RGB(1, 2, 3)); }, Meter_GetBarColor, METER_GWL_BARCOLOR, nullptr, RGB(1, 2, 3)},
        {meter, 0, [](HWND h) { Meter_SetTextColor(h, RGB(4, 5, 6)); }, Meter_GetTextColor, METER_GWL_TEXTCOLOR, nullptr, RGB(4, 5, 6)},
        {meter, 0, SetFont, [](HWND h) { return DWORD(LONG_PTR(REZORE32_SLOTHANDLE(HFONT, h, METER_GWL_FONT))); }, -1, nullptr, kFont32},
        {ind, 0, [](HWND h) { Indicator_SetRange(h, 3000000000u); }, Indicator_GetRange, IND_GWL_RANGE, nullptr, 3000000000u},
        {ind, 0, [](HWND h) { Indicator_SetPos(h, 17); }, Indicator_GetPos, IND_GWL_POS, nullptr, 17},
        {ind, 0, [](HWND h) { Indicator_SetColor(h, RGB(7, 8, 9)); }, Indicator_GetColor, IND_GWL_COLOR, nullptr, RGB(7, 8, 9)},
        {ind, 0, [](HWND h) { Indicator_SetCellWidth(h, -2); }, Read(Indicator_GetCellWidth), IND_GWL_CELLWIDTH, nullptr, DWORD(-2)},
        {ind, 0, [](HWND h) { Indicator_SetLitCount(h, 6); }, Read(Indicator_GetLitCount), IND_GWL_LITCOUNT, nullptr, 6},
        {ind, 0, [](HWND) {}, Read(Indicator_GetLitCount), IND_GWL_LITCOUNT, nullptr, DWORD(-1)},
        {REZORE32_ICONDRAWCLASS, 0, [icon](HWND h) { IconDraw_SetIcon(h, icon); }, Read(IconDraw_GetIcon), ICON_GWL_ICON, nullptr, DWORD(rzt::Low32(icon))},
        {cal, 0, [=](HWND h) { Calendar_SetDate(h, date); }, Calendar_GetDate, CLNDR_GWL_DATE, nullptr, date},
        {cal, 0, [=](HWND h) { Calendar_SetHighlight(h, date + 5); }, Slot(CLNDR_GWL_HIGHLIGHT), -1, nullptr, date + 5},
        {cal, 0, [](HWND h) { Calendar_MarkDay(h, 10); }, Slot(CLNDR_GWL_MARKS), -1, nullptr, 1u << 9},
        {cal, 0, [](HWND h) { Calendar_MarkDay(h, 3); Calendar_MarkDay(h, 0); }, Slot(CLNDR_GWL_MARKS), -1, nullptr, 0},
        {cal, CLNDRS_JAPANESE | CLNDRS_SHOWMARKS, Calendar_SetEnglish, Style, -1, nullptr, CLNDRS_SHOWMARKS},
        {cal, CLNDRS_VIEWONLY, Calendar_SetJapanese, Style, -1, nullptr, CLNDRS_VIEWONLY | CLNDRS_JAPANESE},
        {cal, CLNDRS_VIEWONLY | CLNDRS_MONTHONLY | CLNDRS_JAPANESE, Calendar_SetNormal, Style, -1, nullptr, CLNDRS_JAPANESE},
        {cal, CLNDRS_MONTHONLY, Calendar_SetViewOnly, Style, -1, nullptr, CLNDRS_VIEWONLY},
        {cal, CLNDRS_VIEWONLY, Calendar_SetMonthOnly, Style, -1, nullptr, CLNDRS_MONTHONLY},
        {cal, CLNDRS_SHOWMARKS | CLNDRS_JAPANESE, Calendar_HideMarks, Style, -1, nullptr, CLNDRS_JAPANESE},
        {cal, 0, Calendar_ShowMarks, Style, -1, nullptr, CLNDRS_SHOWMARKS},
        {REZORE32_FOLDERCLASS, 0, [](HWND h) { SetWindowTextA(h, "a|b|c"); Folder_SetSel(h, 2); }, Read(Folder_GetSel), FOLDER_GWL_SEL, "Button", 2},
        {REZORE32_FOLDERCLASS, 0, [](HWND h) { SetWindowTextA(h, "a||b|c"); }, Slot(FOLDER_GWL_COUNT, "Button"), -1, nullptr, 3},
        {REZORE32_PLATECLASS, 0, SetFont, Read(FontOf), PLATE_GWL_FONT, "Static", kFont32},
        {REZORE32_CLIPCLASS, 0, SetFont, Read(FontOf), PLATE_GWL_FONT, "Static", kFont32},
        {REZORE32_TEXTCLASS, 0, SetFont, Read(FontOf), TEXT_GWL_FONT, nullptr, kFont32},
        {REZORE32_CHECKCLASS, 0, [](HWND h) { Button_SetCheck(h, BST_CHECKED); }, Slot(CHECK_GWL_STATE), -1, nullptr, CHECK_STATE_CHECKED},
    };
    rzt::RecordingParent parent;
    for (const Row &row : rows) {
        SCOPED_TRACE(testing::Message() << row.cls << " row " << (&row - rows));
        HWND h = rzt::CreateChild(parent, row.cls, row.style, 10, 10, 160, 120, kId);
        row.set(h);
        EXPECT_EQ(row.get(h), row.expect);
        if (row.slot >= 0) {
            EXPECT_EQ(Slot(row.slot, row.base)(h), row.expect);
        }
        DestroyWindow(h);
    }
}

// The spin: keys by orientation, the position already stored when the
// parent hears of it, silence at a NOWRAP limit, and a sent press (lParam
// on the lower half) that steps by where the real cursor is.
TEST(HeaderMacros, SpinAnswers) {
    rzt::RecordingParent parent;
    HWND spin = nullptr;
    LONG seen = -1;
    parent.onCommand = [&](const rzt::Sent &) { seen = Spin_GetPos(spin); };
    enum Cursor { kKey, kFar, kUpper };
    // From position 5 in 0..9 (with NOWRAP from 9); code 0: nothing sent.
    const struct { DWORD style; WORD key; Cursor cursor; LONG pos; WORD code; } cases[] = {
        {0, VK_UP, kKey, 6, SPINN_UP},           {0, VK_LEFT, kKey, 6, SPINN_UP},
        {0, VK_DOWN, kKey, 4, SPINN_DOWN},       {0, VK_RIGHT, kKey, 4, SPINN_DOWN},
        {SPINS_HORZ, VK_LEFT, kKey, 6, SPINN_UP}, {SPINS_HORZ, VK_RIGHT, kKey, 4, SPINN_DOWN},
        {SPINS_HORZ, VK_UP, kKey, 6, SPINN_UP},   {SPINS_NOWRAP, VK_UP, kKey, 9, 0},
        {0, 0, kFar, 5, 0},                      {0, 0, kUpper, 6, SPINN_UP},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << "style " << c.style << " key " << c.key << " cursor " << c.cursor);
        spin = rzt::CreateChild(parent, REZORE32_SPINCLASS, c.style, 10, 10, 20, 40, kId);
        Spin_SetRange(spin, (c.style & SPINS_NOWRAP) ? 9 : 5, 0, 9);
        parent.sent.clear();
        if (c.cursor == kKey) {
            SendMessageA(spin, WM_KEYDOWN, c.key, 0);
        } else {
            POINT upper = {10, 5};
            ClientToScreen(spin, &upper);
            rzt::MoveCursor(c.cursor == kUpper ? upper : POINT{700, 500});
            SendMessageA(spin, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 35));
        }
        EXPECT_EQ(Spin_GetPos(spin), c.pos);
        const auto commands = parent.Commands();
        ASSERT_EQ(commands.size(), c.code ? 1u : 0u);
        if (c.code) {
            EXPECT_EQ(commands[0].wParam, MAKEWPARAM(kId, c.code));
            EXPECT_EQ(commands[0].lParam, reinterpret_cast<LPARAM>(spin));
            EXPECT_EQ(seen, c.pos);
        }
        DestroyWindow(spin);
    }
    // Not clamped: 700 in 0..9 stays until a step; down lands on 9, up wraps.
    spin = rzt::CreateChild(parent, REZORE32_SPINCLASS, 0, 10, 10, 20, 40, kId);
    Spin_SetRange(spin, 700, 0, 9);
    rzt::MoveCursor({700, 500});
    Spin_Step(spin);  // the cursor is not over the spin
    EXPECT_EQ(Spin_GetPos(spin), 700);
    SendMessageA(spin, WM_KEYDOWN, VK_DOWN, 0);
    EXPECT_EQ(Spin_GetPos(spin), 9);
    Spin_SetPos(spin, 700, 0);
    SendMessageA(spin, WM_KEYDOWN, VK_UP, 0);
    EXPECT_EQ(Spin_GetPos(spin), 0);
    DestroyWindow(spin);
}

// The calendar: the geometry the header gives for mapping a point agrees
// with the control's own clicks (months of 5, 6 and 4 weeks), the chosen
// day's notification, month steps and the jump dialog to day 1.
TEST(HeaderMacros, CalendarAnswers) {
    rzt::RecordingParent parent(40, 40, 320, 260);
    HWND cal = rzt::CreateChild(parent, REZORE32_CALENDARCLASS, 0, 5, 5, 213, 171, kId);
    static_assert(CLNDRN_DAYCHOSEN == BN_CLICKED, "documented as the same code");
    for (const DWORD month : {CLNDR_PACKDATE(1996, 3, 15), CLNDR_PACKDATE(1996, 6, 15), CLNDR_PACKDATE(2015, 2, 15)}) {
        for (int y = 0; y < 171; y += 7) {
            for (int x = 0; x < 213; x += 8) {
                if (Calendar_GetDate(cal) != month)
                    Calendar_SetDate(cal, month);
                const int day = Calendar_DayAtPoint(cal, POINT{x, y});
                SendMessageA(cal, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
                ASSERT_EQ(CLNDR_DAY(Calendar_GetDate(cal)), day ? day : 15) << x << "," << y;
            }
        }
    }
    SendMessageA(cal, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(100, 100));  // a day: the grid has the focus
    parent.sent.clear();
    SendMessageA(cal, WM_KEYDOWN, VK_SPACE, 0);
    ASSERT_EQ(parent.Commands().size(), 1u);
    EXPECT_EQ(parent.Commands()[0].wParam, MAKEWPARAM(kId, CLNDRN_DAYCHOSEN));
    EXPECT_EQ(parent.Commands()[0].lParam, reinterpret_cast<LPARAM>(cal));
    Calendar_SetDate(cal, CLNDR_PACKDATE(1996, 3, 15));
    SendMessageA(cal, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));  // "<"
    SendMessageA(cal, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(10, 10));
    EXPECT_EQ(Calendar_GetDate(cal), CLNDR_PACKDATE(1996, 2, 1));
    EXPECT_TRUE(rzt::RunScript({[] {
        HWND jump = FindWindowA(REZORE32_JUMPCLASS, nullptr);
        if (jump) {
            SetDlgItemTextA(jump, REZORE32_IDC_JUMP_EDIT, "2000/02");
            rzt::PostClick(jump, IDOK);
        }
        return jump != nullptr;
    }}, [cal] { Calendar_JumpDialog(cal); }));
    EXPECT_EQ(Calendar_GetDate(cal), CLNDR_PACKDATE(2000, 2, 1));
    DestroyWindow(cal);
}

// The border sizes itself once; class names match in any case; a dialog
// painted as the header shows has the controls' face colour.
TEST(HeaderMacros, BorderClassNamesAndFace) {
    rzt::RecordingParent parent;
    Rezore32Init();
    for (const DWORD style : {DWORD(0), DWORD(BORDERS_HORZ)}) {
        HWND border = rzt::CreateChild(parent, REZORE32_BORDERCLASS, style, 10, 10, 50, 30);
        RECT rc;
        GetWindowRect(border, &rc);
        EXPECT_EQ(rc.right - rc.left, style ? 50 : 2);
        EXPECT_EQ(rc.bottom - rc.top, style ? 2 : 30);
        MoveWindow(border, 10, 10, 40, 20, TRUE);
        GetWindowRect(border, &rc);
        EXPECT_EQ(rc.right - rc.left, 40);
        EXPECT_EQ(rc.bottom - rc.top, 20);
        DestroyWindow(border);
    }
    HWND text = rzt::CreateChild(parent, "NBTEXT!+", 0, 10, 10, 40, 20);
    char name[32] = {};
    GetClassNameA(text, name, sizeof(name));
    EXPECT_STREQ(name, REZORE32_TEXTCLASS);
    rzt::Pump(50);
    rzt::Canvas control(40, 20, RGB(1, 2, 3)), cover(40, 20, RGB(1, 2, 3));
    rzt::Snapshot(text, control);
    CoverWindow(text, cover.dc(), 1, TRUE, COVER_NOPATTERN);
    LOGBRUSH brush = {};
    GetObjectA(Get3DFaceBrush(), sizeof(brush), &brush);
    EXPECT_EQ(cover.At(5, 5), control.At(5, 5));
    EXPECT_EQ(brush.lbColor, control.At(5, 5));
    DestroyWindow(text);
}

}  // namespace
