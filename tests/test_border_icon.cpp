// Border and icon-draw controls.
#include <gtest/gtest.h>

#include "tests/support.h"

namespace {

// ---------------------------------------------------------------- border
// A dialog template in memory with one control of `cls`.
std::vector<WORD> OneControlTemplate(const char *cls, DWORD style, short x, short y, short cx, short cy) {
    std::vector<WORD> t;
    auto dword = [&](DWORD v) { t.push_back(LOWORD(v)); t.push_back(HIWORD(v)); };
    auto text = [&](const char *s) { while (*s) t.push_back(static_cast<WORD>(*s++)); t.push_back(0); };
    dword(WS_POPUP | DS_SETFONT);
    dword(0);
    t.push_back(1);  // one item
    t.insert(t.end(), {0, 0, 200, 100});
    t.push_back(0);  // no menu
    t.push_back(0);  // default class
    t.push_back(0);  // no caption
    t.push_back(9);
    text("MS Shell Dlg");
    if (t.size() % 2)
        t.push_back(0);  // items are DWORD aligned
    dword(WS_CHILD | WS_VISIBLE | style);
    dword(0);
    t.insert(t.end(), {static_cast<WORD>(x), static_cast<WORD>(y), static_cast<WORD>(cx), static_cast<WORD>(cy)});
    t.push_back(0xFFFF);  // id -1
    text(cls);
    t.push_back(0);  // no text
    t.push_back(0);  // no creation data
    return t;
}

TEST(Border, FromATemplateBecomesTwoPixelsWide) {
    std::vector<WORD> t = OneControlTemplate(REZORE32_BORDERCLASS, 0, 20, 10, 6, 40);
    HWND dlg = CreateDialogIndirectParamA(nullptr, reinterpret_cast<LPCDLGTEMPLATEA>(t.data()), nullptr,
                                          [](HWND, UINT, WPARAM, LPARAM) -> INT_PTR { return FALSE; }, 0);
    ASSERT_NE(dlg, nullptr);
    HWND border = GetWindow(dlg, GW_CHILD);
    ASSERT_NE(border, nullptr);
    RECT units = {20, 10, 26, 50};
    MapDialogRect(dlg, &units);
    RECT r;
    GetWindowRect(border, &r);
    MapWindowPoints(nullptr, dlg, reinterpret_cast<POINT *>(&r), 2);
    EXPECT_EQ(r.left, units.left);
    EXPECT_EQ(r.top, units.top);
    EXPECT_EQ(r.right - r.left, 2);
    EXPECT_EQ(r.bottom - r.top, units.bottom - units.top);
    EXPECT_EQ(SendMessageA(border, WM_GETDLGCODE, 0, 0), DLGC_STATIC);
    DestroyWindow(dlg);
}

TEST(Border, HorizontalKeepsItsWidth) {
    rzt::RecordingParent parent;
    HWND b = rzt::CreateChild(parent, REZORE32_BORDERCLASS, BORDERS_HORZ, 7, 9, 50, 13);
    RECT r;
    GetClientRect(b, &r);
    EXPECT_EQ(r.right, 50);
    EXPECT_EQ(r.bottom, 2);
    // Later sizes are not corrected.
    SetWindowPos(b, nullptr, 0, 0, 60, 8, SWP_NOMOVE | SWP_NOZORDER);
    GetClientRect(b, &r);
    EXPECT_EQ(r.bottom, 8);
}

TEST(Border, EtchedLines) {
    rzt::RecordingParent parent;
    const COLORREF shadow = GetSysColor(COLOR_BTNSHADOW), light = GetSysColor(COLOR_BTNHIGHLIGHT);
    HWND v = rzt::CreateChild(parent, REZORE32_BORDERCLASS, 0, 10, 10, 30, 20);
    HWND h = rzt::CreateChild(parent, REZORE32_BORDERCLASS, BORDERS_HORZ, 50, 10, 20, 30);
    rzt::Pump(50);
    rzt::Canvas cv(2, 20, 0), ch(20, 2, 0);
    rzt::Snapshot(v, cv);
    rzt::Snapshot(h, ch);
    for (int i = 0; i < 20; ++i) {
        EXPECT_EQ(cv.At(0, i), shadow) << i;
        EXPECT_EQ(cv.At(1, i), light) << i;
        EXPECT_EQ(ch.At(i, 0), shadow) << i;
        EXPECT_EQ(ch.At(i, 1), light) << i;
    }
}

// ---------------------------------------------------------------- icon-draw
enum : int { kFlagsSlot = 0, kIconSlot = 4 };

HICON IconOf(HWND w) { return reinterpret_cast<HICON>(SendMessageA(w, ICON_GETICON, 0, 0)); }
HICON SlotIcon(HWND w) { return reinterpret_cast<HICON>(static_cast<LONG_PTR>(GetWindowLongA(w, kIconSlot))); }

bool Alive(HICON icon) {
    ICONINFO info = {};
    if (!GetIconInfo(icon, &info))
        return false;
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    return true;
}

HICON MakeIcon() {
    BYTE andMask[32 * 4], xorMask[32 * 4];
    memset(andMask, 0x00, sizeof(andMask));
    memset(xorMask, 0xFF, sizeof(xorMask));  // a white square
    return CreateIcon(nullptr, 32, 32, 1, 1, andMask, xorMask);
}

TEST(IconDraw, DefaultEmblemIsOwned) {
    rzt::RecordingParent parent;  // answers ICON_QUERYICON with 0
    HWND a = rzt::CreateChild(parent, REZORE32_ICONDRAWCLASS, 0, 10, 10, 40, 40);
    HWND b = rzt::CreateChild(parent, REZORE32_ICONDRAWCLASS, 0, 60, 10, 40, 40);
    const std::vector<rzt::Sent> asked = {{ICON_QUERYICON, 0, 0, 0}, {ICON_QUERYICON, 0, 0, 0}};
    EXPECT_EQ(parent.sent, asked);
    EXPECT_EQ(GetWindowLongA(a, kFlagsSlot), 1);
    HICON icon = IconOf(a);
    EXPECT_EQ(icon, SlotIcon(a));
    ASSERT_TRUE(Alive(icon));
    EXPECT_NE(icon, IconOf(b));  // each control its own copy
    DestroyWindow(a);
    EXPECT_FALSE(Alive(icon));
    EXPECT_TRUE(Alive(IconOf(b)));
}

TEST(IconDraw, IconFromTheParentStaysTheParents) {
    rzt::RecordingParent parent;
    HICON mine = MakeIcon();
    parent.answerQueryIcon = mine;
    HWND w = rzt::CreateChild(parent, REZORE32_ICONDRAWCLASS, 0, 10, 10, 40, 40);
    EXPECT_EQ(GetWindowLongA(w, kFlagsSlot), 0);
    EXPECT_EQ(IconOf(w), mine);
    DestroyWindow(w);
    EXPECT_TRUE(Alive(mine));
    DestroyIcon(mine);
}

TEST(IconDraw, SetIconDropsTheEmblemAndKeepsTheNewIcon) {
    rzt::RecordingParent parent;
    HWND w = rzt::CreateChild(parent, REZORE32_ICONDRAWCLASS, 0, 10, 10, 40, 40);
    HICON emblem = IconOf(w), mine = MakeIcon(), other = MakeIcon();
    SendMessageA(w, ICON_SETICON, 0, reinterpret_cast<LPARAM>(emblem));  // itself: kept alive and owned
    EXPECT_TRUE(Alive(emblem));
    EXPECT_EQ(GetWindowLongA(w, kFlagsSlot), 1);
    EXPECT_EQ(IconOf(w), emblem);
    EXPECT_EQ(SendMessageA(w, ICON_SETICON, 0, reinterpret_cast<LPARAM>(mine)), 0);
    EXPECT_FALSE(Alive(emblem));
    EXPECT_EQ(GetWindowLongA(w, kFlagsSlot), 0);
    EXPECT_EQ(IconOf(w), mine);
    SendMessageA(w, ICON_SETICON, 0, reinterpret_cast<LPARAM>(other));  // not owned: mine survives
    EXPECT_TRUE(Alive(mine));
    DestroyWindow(w);
    EXPECT_TRUE(Alive(other));
    DestroyIcon(mine);
    DestroyIcon(other);
}

TEST(IconDraw, WithoutParentShowsTheEmblem) {
    HWND w = CreateWindowExA(0, REZORE32_ICONDRAWCLASS, "", WS_POPUP, 0, 0, 40, 40, nullptr, nullptr, nullptr,
                             nullptr);
    EXPECT_EQ(GetWindowLongA(w, kFlagsSlot), 1);
    EXPECT_TRUE(Alive(IconOf(w)));
    DestroyWindow(w);
}

TEST(IconDraw, PaintsTheIconAtTheTopLeft) {
    rzt::RecordingParent parent;
    HWND w = rzt::CreateChild(parent, REZORE32_ICONDRAWCLASS, 0, 10, 10, 48, 48);
    rzt::Pump(50);
    rzt::Canvas c(48, 48, 0);
    rzt::Snapshot(w, c);
    EXPECT_EQ(c.At(0, 0), rzt::FaceColour());     // transparent corner
    EXPECT_EQ(c.At(1, 1), RGB(0, 0, 0));           // outline
    EXPECT_EQ(c.At(2, 2), RGB(255, 255, 255));     // highlight
    EXPECT_EQ(c.At(11, 6), RGB(0, 0, 128));        // the letter
    EXPECT_EQ(c.At(8, 27), RGB(255, 0, 0));        // the underline
    EXPECT_EQ(c.At(40, 40), rzt::FaceColour());    // beyond the icon

    SendMessageA(w, ICON_SETICON, 0, 0);  // nothing to show: the old icon is erased at once
    EXPECT_EQ(IconOf(w), nullptr);
    rzt::Snapshot(w, c);
    EXPECT_EQ(c.At(11, 6), rzt::FaceColour());
}

}  // namespace
