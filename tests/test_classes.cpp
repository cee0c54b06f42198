// The window classes registered at attach, as GetClassInfoA reports them.
#include <gtest/gtest.h>

#include "tests/support.h"

namespace {

struct ClassRow {
    const char *name;
    const char *proc;  // exported window procedure
    UINT style;
    int windowExtra;
    bool icon;
    enum Background { kFace, kWhite, kNone } background = kFace;
};

constexpr UINT kControl = CS_GLOBALCLASS | CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW;
constexpr UINT kPane = CS_GLOBALCLASS | CS_HREDRAW | CS_VREDRAW;
constexpr UINT kPopup = CS_GLOBALCLASS | CS_SAVEBITS;

const ClassRow kRows[] = {
    {"NbSpin!+", "SpinCtlWndFn", kControl, 20, false},
    {"NbText!+", "TextCtlWndFn", kControl, 4, false},
    {"NbMeter!+", "MeterCtlWndFn", kControl, 20, false, ClassRow::kNone},
    {"NbIndicator!+", "IndicatorCtlWndFn", kControl, 20, false},
    {"NbCheck!+", "CheckBtnCtlWndFn", kControl, 12, false},
    {"NbMark!+", "CheckMarkCtlWndFn", kControl, 12, false},
    {"NbBorder!+", "BorderCtlWndFn", kControl, 0, false},
    {"NbCalender!+", "CalenderCtlWndFn", kControl, 112, false},
    {"NbPopView!+", "PopViewWndFn", kPopup, 4, false, ClassRow::kWhite},
    {"NbTenKey!+", "TenKeyDlgFn", kPane, DLGWINDOWEXTRA, true},
    {"NbInform!+", "InformDlgFn", kPane, DLGWINDOWEXTRA, true},
    // A dialog class: the dialog manager's bytes, then a pointer-sized slot.
    {"NbClndrJump!+", "SelYearMonthDlgFn", kPane, DLGWINDOWEXTRA + static_cast<int>(sizeof(LONG_PTR)), true},
    {"NbIconDraw!+", "IconDrawCtlWndFn", kPane, 8, true},
    {"NbTip!+", "TipWndFn", kPopup, 0, true, ClassRow::kNone},
};

HMODULE Dll() { return GetModuleHandleA("REZORE32.DLL"); }

TEST(ClassTable, RowsAsRegistered) {
    HBRUSH face = rzt::Win95Mode() ? reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_3DFACE + 1))
                                   : static_cast<HBRUSH>(GetStockObject(LTGRAY_BRUSH));
    for (const ClassRow &row : kRows) {
        SCOPED_TRACE(row.name);
        WNDCLASSA wc = {};
        ASSERT_TRUE(GetClassInfoA(Dll(), row.name, &wc));
        EXPECT_EQ(wc.style, row.style);
        EXPECT_EQ(wc.cbWndExtra, row.windowExtra);
        EXPECT_EQ(wc.cbClsExtra, 0);
        const HBRUSH background[] = {face, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)), nullptr};
        EXPECT_EQ(wc.hbrBackground, background[row.background]);
        EXPECT_EQ(wc.hCursor, LoadCursorA(nullptr, IDC_ARROW));
        EXPECT_EQ(wc.hInstance, Dll());
        EXPECT_EQ(wc.lpszMenuName, nullptr);
        EXPECT_EQ(wc.hIcon != nullptr, row.icon);
        EXPECT_EQ(reinterpret_cast<void *>(wc.lpfnWndProc), reinterpret_cast<void *>(GetProcAddress(Dll(), row.proc)));
    }
}

TEST(ClassTable, GlobalClassesServeOtherModules) {
    // Applications create the controls with their own instance handle.
    for (const ClassRow &row : kRows) {
        HWND hwnd = CreateWindowExA(0, row.name, "", WS_POPUP, 0, 0, 20, 20, nullptr, nullptr,
                                    GetModuleHandleA(nullptr), nullptr);
        EXPECT_NE(hwnd, nullptr) << row.name;
        DestroyWindow(hwnd);
    }
}

// Classes built on a system class: its description with their own
// procedure, CS_GLOBALCLASS | CS_DBLCLKS and their bytes behind its own.
TEST(ClassTable, SuperclassesOfSystemClasses) {
    struct Row {
        const char *name, *proc, *base;
        int ownExtra;
    };
    const Row rows[] = {
        {"NbPlate!+", "PlateCtlWndFn", "Static", 4},
        {"NbClip!+", "ClipCtlWndFn", "Static", 4},
    };
    HBRUSH face = rzt::Win95Mode() ? reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_3DFACE + 1))
                                   : static_cast<HBRUSH>(GetStockObject(LTGRAY_BRUSH));
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        WNDCLASSA base = {}, wc = {};
        ASSERT_TRUE(GetClassInfoA(nullptr, row.base, &base));
        ASSERT_TRUE(GetClassInfoA(base.hInstance, row.name, &wc));
        EXPECT_EQ(wc.style, base.style | CS_GLOBALCLASS | CS_DBLCLKS);
        EXPECT_EQ(wc.cbWndExtra, base.cbWndExtra + row.ownExtra);
        EXPECT_EQ(wc.cbClsExtra, base.cbClsExtra);
        EXPECT_EQ(wc.hbrBackground, face);
        EXPECT_EQ(wc.hCursor, base.hCursor);
        EXPECT_EQ(wc.hIcon, base.hIcon);
        EXPECT_EQ(reinterpret_cast<void *>(wc.lpfnWndProc), reinterpret_cast<void *>(GetProcAddress(Dll(), row.proc)));
        HWND hwnd = CreateWindowExA(0, row.name, "", WS_POPUP, 0, 0, 20, 20, nullptr, nullptr,
                                    GetModuleHandleA(nullptr), nullptr);
        EXPECT_NE(hwnd, nullptr);
        DestroyWindow(hwnd);
    }
}

TEST(ClassTable, IconDrawClassIconIsTheEmblem) {
    WNDCLASSA wc = {};
    ASSERT_TRUE(GetClassInfoA(Dll(), REZORE32_ICONDRAWCLASS, &wc));
    EXPECT_EQ(wc.hIcon, LoadIconA(Dll(), MAKEINTRESOURCEA(REZORE32_IDI_EMBLEM)));
}

}  // namespace
