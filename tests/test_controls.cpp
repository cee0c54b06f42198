// Border and icon pane, then what the basic controls do alike: dialog codes,
// double clicks forwarded to the parent, fonts, texts and no erasing.
#include <gtest/gtest.h>

#include <string>

#include "tests/support.h"

namespace {

// Two lines, shadow then highlight, across its thickness.
TEST(Border, Etches) {
    rzt::RecordingParent parent;
    const std::vector<rzt::Legend> lines = {{GetSysColor(COLOR_BTNSHADOW), 'D'}, {GetSysColor(COLOR_BTNHIGHLIGHT), 'L'}};
    HWND v = rzt::CreateChild(parent, REZORE32_BORDERCLASS, 0, 7, 9, 30, 20);
    HWND h = rzt::CreateChild(parent, REZORE32_BORDERCLASS, BORDERS_HORZ, 7, 40, 30, 20);
    EXPECT_EQ(rzt::ClientGrid(v, lines), std::vector<std::string>(20, "DL"));
    EXPECT_EQ(rzt::ClientGrid(h, lines), (std::vector<std::string>{std::string(30, 'D'), std::string(30, 'L')}));
}

HICON IconOf(HWND w) { return reinterpret_cast<HICON>(SendMessageA(w, ICON_GETICON, 0, 0)); }
LONG Owned(HWND w) { return GetWindowLongA(w, 0); }
bool Alive(HICON icon) {
    ICONINFO info = {};
    const bool alive = GetIconInfo(icon, &info);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    return alive;
}

TEST(IconPane, EmblemIsOwnedAndAnIconGivenStaysTheCallers) {
    rzt::RecordingParent parent;  // answers ICON_QUERYICON with 0
    HWND a = rzt::CreateChild(parent, REZORE32_ICONDRAWCLASS, 0, 10, 10, 48, 48);
    HWND b = rzt::CreateChild(parent, REZORE32_ICONDRAWCLASS, 0, 60, 10, 40, 40);
    EXPECT_EQ(parent.sent, (std::vector<rzt::Sent>{{ICON_QUERYICON, 0, 0, 0}, {ICON_QUERYICON, 0, 0, 0}}));
    const HICON emblem = IconOf(a), mine = CopyIcon(emblem), other = CopyIcon(emblem);
    EXPECT_EQ(Owned(a), 1);
    ASSERT_TRUE(Alive(emblem));
    EXPECT_NE(emblem, IconOf(b));  // each control its own copy
    rzt::Canvas c(48, 48, 0);
    rzt::Snapshot(a, c);
    EXPECT_EQ(c.At(1, 1), 0u);  // the emblem's outline at the top left
    SendMessageA(a, ICON_SETICON, 0, reinterpret_cast<LPARAM>(emblem));  // itself: kept alive and owned
    EXPECT_TRUE(Alive(emblem));
    EXPECT_EQ(Owned(a), 1);
    EXPECT_EQ(SendMessageA(a, ICON_SETICON, 0, reinterpret_cast<LPARAM>(mine)), 0);
    EXPECT_FALSE(Alive(emblem));
    EXPECT_EQ(Owned(a), 0);
    EXPECT_EQ(IconOf(a), mine);
    SendMessageA(a, ICON_SETICON, 0, reinterpret_cast<LPARAM>(other));  // not owned: mine survives
    EXPECT_TRUE(Alive(mine));
    SendMessageA(a, ICON_SETICON, 0, 0);  // nothing to show: the old icon is erased at once
    rzt::Snapshot(a, c);
    EXPECT_EQ(c.At(1, 1), rzt::FaceColour());
    DestroyWindow(a);
    EXPECT_TRUE(Alive(other));
    // The parent's icon stays the parent's; without a parent, the emblem.
    parent.answerQueryIcon = mine;
    HWND given = rzt::CreateChild(parent, REZORE32_ICONDRAWCLASS, 0, 10, 10, 40, 40);
    EXPECT_EQ(Owned(given), 0);
    EXPECT_EQ(IconOf(given), mine);
    DestroyWindow(given);
    EXPECT_TRUE(Alive(mine));
    HWND lone = CreateWindowExA(0, REZORE32_ICONDRAWCLASS, "", WS_POPUP, 0, 0, 40, 40, nullptr, nullptr, nullptr, nullptr);
    EXPECT_TRUE(Owned(lone) && Alive(IconOf(lone)));
    DestroyWindow(lone);
    DestroyIcon(mine);
    DestroyIcon(other);
}

// ---------------------------------------------------------------- alike
// Takes a font; paints every pixel itself, so WM_ERASEBKGND paints nothing;
// says so; draws only 127 bytes of its text.
enum Traits { kFont = 1, kFills = 2, kSaysErased = 4, kCuts127 = 8 };
struct Control { const char *cls; LRESULT dialogCode; UINT left, right; int traits; };  // forwarded double clicks
const Control kControls[] = {
    {REZORE32_SPINCLASS, DLGC_WANTARROWS, SPIN_LBUTTONDBLCLK, SPIN_RBUTTONDBLCLK, 0},
    {REZORE32_TEXTCLASS, DLGC_STATIC, TEXT_LBUTTONDBLCLK, TEXT_RBUTTONDBLCLK, kFont},
    {REZORE32_METERCLASS, DLGC_STATIC, METER_LBUTTONDBLCLK, METER_RBUTTONDBLCLK, kFont | kFills},
    {REZORE32_INDICATORCLASS, DLGC_STATIC, IND_LBUTTONDBLCLK, IND_RBUTTONDBLCLK, 0},
    {REZORE32_CHECKCLASS, DLGC_BUTTON, CHECK_LBUTTONDBLCLK, CHECK_RBUTTONDBLCLK, kFont | kFills | kSaysErased | kCuts127},
    {REZORE32_MARKCLASS, 0, MARK_LBUTTONDBLCLK, MARK_RBUTTONDBLCLK, kFont | kFills | kSaysErased | kCuts127},
    {REZORE32_PLATECLASS, DLGC_STATIC, PLATE_LBUTTONDBLCLK, PLATE_RBUTTONDBLCLK, kFont | kFills | kSaysErased | kCuts127},
    {REZORE32_CLIPCLASS, DLGC_STATIC, CLIP_LBUTTONDBLCLK, CLIP_RBUTTONDBLCLK, kFont | kFills | kSaysErased | kCuts127},
    {REZORE32_BORDERCLASS, DLGC_STATIC, 0, 0, 0},
};

TEST(BasicControls, DialogCodesAndDoubleClicks) {
    rzt::RecordingParent parent;
    parent.answerDoubleClick = 0x5A5A;
    for (const Control &t : kControls) {
        SCOPED_TRACE(t.cls);
        HWND w = rzt::CreateChild(parent, t.cls, 0, 10, 10, 60, 20);
        EXPECT_EQ(SendMessageA(w, WM_GETDLGCODE, 0, 0), t.dialogCode);
        parent.sent.clear();
        if (t.left) {
            EXPECT_EQ(SendMessageA(w, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(3, 4)), 0x5A5A);
            EXPECT_EQ(SendMessageA(w, WM_RBUTTONDBLCLK, MK_RBUTTON | MK_SHIFT, MAKELPARAM(5, 6)), 0x5A5A);
            EXPECT_EQ(parent.sent, (std::vector<rzt::Sent>{{t.left, MK_LBUTTON, MAKELPARAM(3, 4), 0},
                                                            {t.right, MK_RBUTTON | MK_SHIFT, MAKELPARAM(5, 6), 0}}));
        }
        if (t.left == SPIN_LBUTTONDBLCLK) {
            EXPECT_EQ(SendMessageA(w, SPIN_GETPOS, 0, 0), 0);  // a forwarded double click does not step
        }
        // Without a parent the default procedure has them (the Static class's for the plate and clip).
        HWND lone = CreateWindowExA(0, t.cls, "", WS_POPUP, 0, 0, 20, 20, nullptr, nullptr, nullptr, nullptr);
        EXPECT_EQ(SendMessageA(lone, WM_LBUTTONDBLCLK, 0, 0) | SendMessageA(lone, WM_RBUTTONDBLCLK, 0, 0), 0);
        DestroyWindow(lone);
    }
}

// The font shows at the next paint, at once only when asked (a brush given
// as a font is neither selected away nor freed); a NULL text is an empty
// one; only 127 bytes of text are drawn.
TEST(BasicControls, FontsAndTexts) {
    rzt::RecordingParent parent(40, 40, 640, 200);
    HFONT big = CreateFontA(-20, 0, 0, 0, FW_BOLD, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "Arial");
    HFONT small = CreateFontA(-8, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "Arial");
    HBRUSH brush = CreateSolidBrush(RGB(1, 2, 3));
    const std::string exact = std::string(126, '.') + "W", longer = exact + "WWWWWWWWWW";
    const std::vector<rzt::Legend> face = {{rzt::FaceColour(), '.'}, {RGB(0, 0, 255), 'B'}, {RGB(255, 255, 255), 'W'}};
    for (const Control &t : kControls) {
        if (!(t.traits & kFont))
            continue;
        SCOPED_TRACE(t.cls);
        HWND w = rzt::CreateChild(parent, t.cls, 0, 10, 10, 560, 20), w2 = nullptr;
        EXPECT_EQ(SendMessageA(w, WM_GETFONT, 0, 0), 0);
        EXPECT_EQ(SendMessageA(w, WM_SETTEXT, 0, 0), TRUE);
        EXPECT_EQ(GetWindowTextLengthA(w), 0);
        SetWindowTextA(w, "Wg");
        SendMessageA(w, WM_SETFONT, reinterpret_cast<WPARAM>(brush), TRUE);
        rzt::Redraw(w);
        const std::vector<std::string> before = rzt::ClientGrid(w, face);
        for (LPARAM redraw : {0, 1}) {
            rzt::Pump();
            EXPECT_EQ(SendMessageA(w, WM_SETFONT, reinterpret_cast<WPARAM>(big), redraw), 0);
            EXPECT_EQ(static_cast<LONG>(SendMessageA(w, WM_GETFONT, 0, 0)), rzt::Low32(big));
            EXPECT_EQ(GetUpdateRect(w, nullptr, FALSE), redraw);
            PAINTSTRUCT ps;
            BeginPaint(w, &ps);
            EXPECT_FALSE(ps.fErase);  // erased already, or nothing to erase
            EndPaint(w, &ps);
        }
        rzt::Redraw(w);
        EXPECT_NE(rzt::ClientGrid(w, face), before);
        if (t.traits & kFills) {
            rzt::Canvas red(50, 20, RGB(255, 0, 0));
            EXPECT_EQ(SendMessageA(w, WM_ERASEBKGND, reinterpret_cast<WPARAM>(red.dc()), 0) != 0,
                      (t.traits & kSaysErased) != 0);
            EXPECT_EQ(red.At(25, 10), RGB(255, 0, 0));
        }
        if (t.traits & kCuts127) {
            w2 = rzt::CreateChild(parent, t.cls, 0, 10, 40, 560, 20);
            SetWindowTextA(w, longer.c_str());
            SetWindowTextA(w2, exact.c_str());
            for (HWND each : {w, w2})
                SendMessageA(each, WM_SETFONT, reinterpret_cast<WPARAM>(small), TRUE);
            rzt::Pump();
            EXPECT_EQ(rzt::ClientGrid(w, face), rzt::ClientGrid(w2, face));
        }
        DestroyWindow(w);
        DestroyWindow(w2);
    }
    EXPECT_EQ(GetObjectType(brush), static_cast<DWORD>(OBJ_BRUSH));
    for (HGDIOBJ o : {static_cast<HGDIOBJ>(big), static_cast<HGDIOBJ>(small), static_cast<HGDIOBJ>(brush)})
        DeleteObject(o);
}

}  // namespace
