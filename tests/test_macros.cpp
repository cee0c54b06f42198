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

// Byte count of a system class, where the superclasses' own slots begin.
int BaseBytes(const char *base) {
    WNDCLASSA wc = {};
    return base && GetClassInfoA(nullptr, base, &wc) ? wc.cbWndExtra : 0;
}

// One row: a fresh control, a call through the header, what its getter
// gives back, and the documented slot (base class bytes + offset) that
// holds the same value.
struct Row {
    const char *cls;
    DWORD style;
    std::function<void(HWND)> set;
    std::function<DWORD(HWND)> get;
    int slot;            // -1: no slot to check
    const char *base;    // the superclass's system class, or nullptr
    DWORD expect;
};

TEST(HeaderMacros, SetterGetterAndSlotAgree) {
    const HICON icon = LoadIconA(nullptr, MAKEINTRESOURCEA(32516));
    const auto style = [](HWND h) { return static_cast<DWORD>(GetWindowLongA(h, GWL_STYLE) & 0xFF); };
    const auto none = [](HWND) {};
    const auto setFont = [](HWND h) { SendMessageA(h, WM_SETFONT, reinterpret_cast<WPARAM>(kFont), 0); };
    const Row rows[] = {
        {REZORE32_SPINCLASS, 0, [](HWND h) { Spin_SetRange(h, 7, 2, 9); }, Spin_GetRange, SPIN_GWL_RANGE, nullptr, MAKELONG(2, 9)},
        {REZORE32_SPINCLASS, 0, [](HWND h) { Spin_SetRange(h, 1, 0, 0xFFFF); }, Spin_GetRange, SPIN_GWL_RANGE, nullptr, 0xFFFF0000},
        {REZORE32_SPINCLASS, 0, [](HWND h) { Spin_SetRange(h, 50, 0, 9); }, [](HWND h) { return DWORD(Spin_GetPos(h)); }, SPIN_GWL_POS, nullptr, 50},
        {REZORE32_SPINCLASS, 0, [](HWND h) { Spin_SetPos(h, -3, 0); }, [](HWND h) { return DWORD(Spin_GetPos(h)); }, SPIN_GWL_POS, nullptr, DWORD(-3)},
        {REZORE32_METERCLASS, 0, [](HWND h) { Meter_SetRange(h, 4000000000u); }, Meter_GetRange, METER_GWL_RANGE, nullptr, 4000000000u},
        {REZORE32_METERCLASS, 0, [](HWND h) { Meter_SetPos(h, 3000000000u); }, Meter_GetPos, METER_GWL_POS, nullptr, 3000000000u},
        {REZORE32_METERCLASS, 0, [](HWND h) { Meter_SetBarColor(h, RGB(1, 2, 3)); }, Meter_GetBarColor, METER_GWL_BARCOLOR, nullptr, RGB(1, 2, 3)},
        {REZORE32_METERCLASS, 0, [](HWND h) { Meter_SetTextColor(h, RGB(4, 5, 6)); }, Meter_GetTextColor, METER_GWL_TEXTCOLOR, nullptr, RGB(4, 5, 6)},
        {REZORE32_METERCLASS, 0, setFont, [](HWND h) { return DWORD(rzt::Low32(REZORE32_SLOTHANDLE(HFONT, h, METER_GWL_FONT))); }, METER_GWL_FONT, nullptr, DWORD(rzt::Low32(kFont))},
        {REZORE32_INDICATORCLASS, 0, [](HWND h) { Indicator_SetRange(h, 3000000000u); }, Indicator_GetRange, IND_GWL_RANGE, nullptr, 3000000000u},
        {REZORE32_INDICATORCLASS, 0, [](HWND h) { Indicator_SetPos(h, 17); }, Indicator_GetPos, IND_GWL_POS, nullptr, 17},
        {REZORE32_INDICATORCLASS, 0, [](HWND h) { Indicator_SetColor(h, RGB(7, 8, 9)); }, Indicator_GetColor, IND_GWL_COLOR, nullptr, RGB(7, 8, 9)},
        {REZORE32_INDICATORCLASS, 0, [](HWND h) { Indicator_SetCellWidth(h, -2); }, [](HWND h) { return DWORD(Indicator_GetCellWidth(h)); }, IND_GWL_CELLWIDTH, nullptr, DWORD(-2)},
        {REZORE32_INDICATORCLASS, 0, [](HWND h) { Indicator_SetLitCount(h, 6); }, [](HWND h) { return DWORD(Indicator_GetLitCount(h)); }, IND_GWL_LITCOUNT, nullptr, 6},
        {REZORE32_INDICATORCLASS, 0, none, [](HWND h) { return DWORD(Indicator_GetLitCount(h)); }, IND_GWL_LITCOUNT, nullptr, DWORD(-1)},
        {REZORE32_ICONDRAWCLASS, 0, [icon](HWND h) { IconDraw_SetIcon(h, icon); }, [](HWND h) { return DWORD(rzt::Low32(IconDraw_GetIcon(h))); }, ICON_GWL_ICON, nullptr, DWORD(rzt::Low32(icon))},
        {REZORE32_CALENDARCLASS, 0, [](HWND h) { Calendar_SetDate(h, CLNDR_PACKDATE(1996, 3, 15)); }, Calendar_GetDate, CLNDR_GWL_DATE, nullptr, CLNDR_PACKDATE(1996, 3, 15)},
        {REZORE32_CALENDARCLASS, 0, [](HWND h) { Calendar_SetHighlight(h, CLNDR_PACKDATE(1996, 3, 20)); }, [](HWND h) { return DWORD(GetWindowLongA(h, CLNDR_GWL_HIGHLIGHT)); }, -1, nullptr, CLNDR_PACKDATE(1996, 3, 20)},
        {REZORE32_CALENDARCLASS, 0, [](HWND h) { Calendar_MarkDay(h, 10); }, [](HWND h) { return DWORD(GetWindowLongA(h, CLNDR_GWL_MARKS)); }, -1, nullptr, 1u << 9},
        {REZORE32_CALENDARCLASS, 0, [](HWND h) { Calendar_MarkDay(h, 3); Calendar_MarkDay(h, 0); }, [](HWND h) { return DWORD(GetWindowLongA(h, CLNDR_GWL_MARKS)); }, -1, nullptr, 0},
        {REZORE32_CALENDARCLASS, CLNDRS_JAPANESE | CLNDRS_SHOWMARKS, Calendar_SetEnglish, style, -1, nullptr, CLNDRS_SHOWMARKS},
        {REZORE32_CALENDARCLASS, CLNDRS_VIEWONLY, Calendar_SetJapanese, style, -1, nullptr, CLNDRS_VIEWONLY | CLNDRS_JAPANESE},
        {REZORE32_CALENDARCLASS, CLNDRS_VIEWONLY | CLNDRS_MONTHONLY | CLNDRS_JAPANESE, Calendar_SetNormal, style, -1, nullptr, CLNDRS_JAPANESE},
        {REZORE32_CALENDARCLASS, CLNDRS_MONTHONLY, Calendar_SetViewOnly, style, -1, nullptr, CLNDRS_VIEWONLY},
        {REZORE32_CALENDARCLASS, CLNDRS_VIEWONLY, Calendar_SetMonthOnly, style, -1, nullptr, CLNDRS_MONTHONLY},
        {REZORE32_CALENDARCLASS, CLNDRS_SHOWMARKS | CLNDRS_JAPANESE, Calendar_HideMarks, style, -1, nullptr, CLNDRS_JAPANESE},
        {REZORE32_CALENDARCLASS, 0, Calendar_ShowMarks, style, -1, nullptr, CLNDRS_SHOWMARKS},
        {REZORE32_FOLDERCLASS, 0, [](HWND h) { SetWindowTextA(h, "a|b|c"); Folder_SetSel(h, 2); }, [](HWND h) { return DWORD(Folder_GetSel(h)); }, FOLDER_GWL_SEL, "Button", 2},
        {REZORE32_FOLDERCLASS, 0, [](HWND h) { SetWindowTextA(h, "a||b|c"); }, [](HWND h) { return DWORD(GetWindowLongA(h, BaseBytes("Button") + FOLDER_GWL_COUNT)); }, -1, nullptr, 3},
        {REZORE32_PLATECLASS, 0, setFont, [](HWND h) { return DWORD(rzt::Low32(GetWindowFont(h))); }, PLATE_GWL_FONT, "Static", DWORD(rzt::Low32(kFont))},
        {REZORE32_CLIPCLASS, 0, setFont, [](HWND h) { return DWORD(rzt::Low32(GetWindowFont(h))); }, PLATE_GWL_FONT, "Static", DWORD(rzt::Low32(kFont))},
        {REZORE32_TEXTCLASS, 0, setFont, [](HWND h) { return DWORD(rzt::Low32(GetWindowFont(h))); }, TEXT_GWL_FONT, nullptr, DWORD(rzt::Low32(kFont))},
        {REZORE32_CHECKCLASS, 0, [](HWND h) { Button_SetCheck(h, BST_CHECKED); }, [](HWND h) { return DWORD(GetWindowLongA(h, CHECK_GWL_STATE) & CHECK_STATE_CHECKED); }, -1, nullptr, CHECK_STATE_CHECKED},
    };
    rzt::RecordingParent parent;
    for (const Row &row : rows) {
        SCOPED_TRACE(testing::Message() << row.cls << " row " << (&row - rows));
        HWND h = rzt::CreateChild(parent, row.cls, row.style, 10, 10, 160, 120, kId);
        ASSERT_NE(h, nullptr);
        row.set(h);
        EXPECT_EQ(row.get(h), row.expect);
        if (row.slot >= 0) {
            EXPECT_EQ(DWORD(GetWindowLongA(h, BaseBytes(row.base) + row.slot)), row.expect);
        }
        DestroyWindow(h);
    }
}

// The spin: keys by orientation, the position already stored when the
// parent hears of it, silence at a NOWRAP limit, no clamping, and a sent
// press (lParam on the lower half) that steps by where the real cursor is.
TEST(HeaderMacros, SpinAnswers) {
    rzt::RecordingParent parent;
    HWND spin = nullptr;
    LONG seen = -1;
    parent.onCommand = [&](const rzt::Sent &) { seen = Spin_GetPos(spin); };
    enum { kFar = 1, kUpper = 2 };
    struct Case {
        DWORD style;
        WORD key;   // 0: WM_LBUTTONDOWN with the cursor kFar or on the kUpper half
        int cursor;
        LONG pos;   // from 5 in 0..9, with NOWRAP from 9
        WORD code;  // 0: nothing sent
    } const cases[] = {
        {0, VK_UP, 0, 6, SPINN_UP},          {0, VK_LEFT, 0, 6, SPINN_UP},    {0, VK_DOWN, 0, 4, SPINN_DOWN},
        {0, VK_RIGHT, 0, 4, SPINN_DOWN},     {SPINS_HORZ, VK_LEFT, 0, 6, SPINN_UP},
        {SPINS_HORZ, VK_RIGHT, 0, 4, SPINN_DOWN}, {SPINS_HORZ, VK_UP, 0, 6, SPINN_UP},
        {SPINS_NOWRAP, VK_UP, 0, 9, 0},      {0, 0, kFar, 5, 0},              {0, 0, kUpper, 6, SPINN_UP},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << "style " << c.style << " key " << c.key << " cursor " << c.cursor);
        spin = rzt::CreateChild(parent, REZORE32_SPINCLASS, c.style, 10, 10, 20, 40, kId);
        Spin_SetRange(spin, (c.style & SPINS_NOWRAP) ? 9 : 5, 0, 9);
        parent.sent.clear();
        seen = -1;
        if (c.key) {
            SendMessageA(spin, WM_KEYDOWN, c.key, 0);
        } else {
            POINT at = {10, 5};
            ClientToScreen(spin, &at);
            rzt::MoveCursor(c.cursor == kUpper ? at : POINT{700, 500});
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
    // Not clamped: 700 in 0..9 stays until a step, down lands on 9, up wraps.
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

// The calendar: the chosen day's notification, month steps to day 1, the
// jump dialog, and the geometry the header gives for mapping a point.
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
    rzt::DialogScript script({[] {
        HWND jump = FindWindowA(REZORE32_JUMPCLASS, nullptr);
        if (!jump)
            return false;
        SetDlgItemTextA(jump, REZORE32_IDC_JUMP_EDIT, "2000/02");
        rzt::PostClick(jump, IDOK);
        return true;
    }});
    Calendar_JumpDialog(cal);
    EXPECT_TRUE(script.done());
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
        EXPECT_EQ(style ? rc.bottom - rc.top : rc.right - rc.left, 2);
        MoveWindow(border, 10, 10, 40, 20, TRUE);
        GetWindowRect(border, &rc);
        EXPECT_EQ(rc.right - rc.left, 40);
        EXPECT_EQ(rc.bottom - rc.top, 20);
        DestroyWindow(border);
    }
    HWND text = rzt::CreateChild(parent, "NBTEXT!+", 0, 10, 10, 40, 20);
    ASSERT_NE(text, nullptr);
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
