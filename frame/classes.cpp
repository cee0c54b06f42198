// The window classes the library registers when it is attached.  Rows are
// registered in this order; a class added later takes its place in the table.
#include "calendar/calendar.h"
#include "calendar/jump.h"
#include "controls/check.h"
#include "controls/folder.h"
#include "controls/icondraw.h"
#include "controls/indicator.h"
#include "controls/meter.h"
#include "controls/plate.h"
#include "controls/spin.h"
#include "controls/text.h"
#include "dialogs/inform.h"
#include "dialogs/popview.h"
#include "dialogs/tenkey.h"
#include "frame/module.h"

namespace rz {
namespace {

enum class Background { Face, None, White };

struct ClassRow {
    const char *name;
    WNDPROC proc;
    UINT style;
    int windowExtra;
    WORD icon;  // icon resource of the library, 0 for none
    Background background;
};

constexpr UINT kControlStyle = CS_GLOBALCLASS | CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW;
constexpr UINT kPaneStyle = CS_GLOBALCLASS | CS_HREDRAW | CS_VREDRAW;
constexpr UINT kPopupStyle = CS_GLOBALCLASS | CS_SAVEBITS;

const ClassRow kClassRows[] = {
    {REZORE32_SPINCLASS, SpinCtlWndFn, kControlStyle, kSpinExtraBytes, 0, Background::Face},
    {REZORE32_TEXTCLASS, TextCtlWndFn, kControlStyle, kTextExtraBytes, 0, Background::Face},
    {REZORE32_METERCLASS, MeterCtlWndFn, kControlStyle, kMeterExtraBytes, 0, Background::None},
    {REZORE32_INDICATORCLASS, IndicatorCtlWndFn, kControlStyle, kIndicatorExtraBytes, 0, Background::Face},
    {REZORE32_CHECKCLASS, CheckBtnCtlWndFn, kControlStyle, kCheckExtraBytes, 0, Background::Face},
    {REZORE32_MARKCLASS, CheckMarkCtlWndFn, kControlStyle, kCheckExtraBytes, 0, Background::Face},
    {REZORE32_BORDERCLASS, BorderCtlWndFn, kControlStyle, 0, 0, Background::Face},
    {REZORE32_CALENDARCLASS, CalenderCtlWndFn, kControlStyle, kCalendarExtraBytes, 0, Background::Face},
    {REZORE32_POPVIEWCLASS, PopViewWndFn, kPopupStyle, kPopViewExtraBytes, 0, Background::White},
    {REZORE32_TENKEYCLASS, TenKeyDlgFn, kPaneStyle, kTenKeyExtraBytes, REZORE32_IDI_TENKEY, Background::Face},
    {REZORE32_INFORMCLASS, InformDlgFn, kPaneStyle, kInformExtraBytes, REZORE32_IDI_EMBLEM, Background::Face},
    {REZORE32_JUMPCLASS, SelYearMonthDlgFn, kPaneStyle, kJumpDialogExtraBytes, REZORE32_IDI_EMBLEM,
     Background::Face},
    {REZORE32_ICONDRAWCLASS, IconDrawCtlWndFn, kPaneStyle, kIconDrawExtraBytes, REZORE32_IDI_EMBLEM,
     Background::Face},
    {REZORE32_TIPCLASS, TipWndFn, kPopupStyle, kTipExtraBytes, REZORE32_IDI_EMBLEM, Background::None},
};

// Classes built on the system's "Static", registered after the rows above.
const SuperclassRow kStaticRows[] = {
    {REZORE32_PLATECLASS, PlateCtlWndFn, kPlateOwnExtraBytes, true},
    {REZORE32_CLIPCLASS, ClipCtlWndFn, kPlateOwnExtraBytes, true},
};
// Superclasses of "Button", registered after those of "Static".
const SuperclassRow kButtonRows[] = {
    {REZORE32_FOLDERCLASS, FolderCtlWndFn, folder::kOwnExtraBytes, false},
};

HBRUSH BackgroundBrush(Background background, HBRUSH face) {
    switch (background) {
    case Background::Face: return face;
    case Background::White: return static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    case Background::None: break;
    }
    return nullptr;
}

}  // namespace

BOOL RegisterSuperclasses(const char *baseName, BaseClass &base, const SuperclassRow *rows, int count) {
    WNDCLASSA wc = {};
    if (!GetClassInfoA(nullptr, baseName, &wc))
        return FALSE;
    wc.style |= CS_GLOBALCLASS | CS_DBLCLKS;
    base = BaseClass{wc.hInstance, wc.cbWndExtra, wc.lpfnWndProc};
    const HBRUSH own = wc.hbrBackground;
    for (int i = 0; i < count; ++i) {
        wc.lpszClassName = rows[i].name;
        wc.lpfnWndProc = rows[i].proc;
        wc.cbWndExtra = base.extra + rows[i].ownExtra;
        wc.hbrBackground = rows[i].faceBackground ? FaceClassBrush() : own;
        if (!RegisterClassA(&wc))
            return FALSE;
    }
    return TRUE;
}

void UnregisterSuperclasses(const BaseClass &base, const SuperclassRow *rows, int count) {
    for (int i = 0; i < count; ++i)
        UnregisterClassA(rows[i].name, base.instance);
}

BOOL RegisterControlClasses(HINSTANCE instance) {
    HBRUSH face = FaceClassBrush();
    WNDCLASSA wc = {};
    wc.hInstance = instance;
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    for (const ClassRow &row : kClassRows) {
        wc.lpszClassName = row.name;
        wc.lpfnWndProc = row.proc;
        wc.style = row.style;
        wc.cbWndExtra = row.windowExtra;
        wc.hIcon = row.icon ? LoadIconA(instance, MAKEINTRESOURCEA(row.icon)) : nullptr;
        wc.hbrBackground = BackgroundBrush(row.background, face);
        if (!RegisterClassA(&wc))
            return FALSE;
    }
    if (!RegisterSuperclasses("Static", g_module.baseStatic, kStaticRows, ARRAYSIZE(kStaticRows)))
        return FALSE;
    return RegisterSuperclasses("Button", g_module.baseButton, kButtonRows, ARRAYSIZE(kButtonRows));
}

void UnregisterControlClasses(HINSTANCE instance) {
    for (const ClassRow &row : kClassRows)
        UnregisterClassA(row.name, instance);
    UnregisterSuperclasses(g_module.baseButton, kButtonRows, ARRAYSIZE(kButtonRows));
    UnregisterSuperclasses(g_module.baseStatic, kStaticRows, ARRAYSIZE(kStaticRows));
}

}  // namespace rz
