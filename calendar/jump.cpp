// The year-and-month jump dialog: an edit box with "YYYY/MM", a spin that
// steps the year, twelve month buttons, OK and Cancel.  It reads and writes
// the caller's date through the address it was started with.
#include "calendar/jump.h"

#include <cstdlib>
#include <cstring>

#include "calendar/dates.h"
#include "frame/module.h"

namespace rz {

namespace {

LPARAM g_moduleDialogParam = 0;

}  // namespace

INT_PTR WINAPI RunModuleDialog(HWND owner, DLGPROC proc, int templateId, LPARAM param) {
    // Kept only while the dialog runs: a dialog window made later must not
    // find the address of a caller's value that is gone.
    const LPARAM outer = g_moduleDialogParam;
    g_moduleDialogParam = param;
    const INT_PTR result = DialogBoxParamA(ModuleInstance(), MAKEINTRESOURCEA(templateId), owner, proc, param);
    g_moduleDialogParam = outer;
    return result;
}

LPARAM ModuleDialogParam() { return g_moduleDialogParam; }

}  // namespace rz

namespace {

using rz::PackedDate;

constexpr int kDateSlot = DLGWINDOWEXTRA;  // address of the caller's PackedDate
constexpr int kEditTextLimit = 16;          // at most 15 characters are read

// 正しい年月を入力して下さい / 年月指定
const char kInvalidText[] =
    "\x90\xB3\x82\xB5\x82\xA2\x94\x4E\x8C\x8E\x82\xF0\x93\xFC\x97\xCD\x82\xB5\x82\xC4\x89\xBA\x82\xB3\x82\xA2";
const char kInvalidCaption[] = "\x94\x4E\x8C\x8E\x8E\x77\x92\xE8";

PackedDate *CallerDate(HWND dialog) { return reinterpret_cast<PackedDate *>(GetWindowLongPtrA(dialog, kDateSlot)); }

HWND Edit(HWND dialog) { return GetDlgItem(dialog, REZORE32_IDC_JUMP_EDIT); }

void ShowYearMonth(HWND dialog, int year, int month) {
    char text[32];
    wsprintfA(text, "%04d/%02d", year, month);
    SetWindowTextA(Edit(dialog), text);
}

void StoreDate(HWND dialog, int year, int month) {
    if (PackedDate *date = CallerDate(dialog))
        *date = rz::PackDate(year, month, 1);
}

// "YYYY/MM" as atoi reads it: year 1 to 9999, a "/" with something after
// it, month 1 to 12.  Tells the user and returns false otherwise.
bool ReadYearMonth(HWND dialog, int *year, int *month) {
    char text[kEditTextLimit] = {};
    GetWindowTextA(Edit(dialog), text, sizeof(text));
    const char *slash = strchr(text, '/');
    if (slash && slash[1] != '\0') {
        *year = atoi(text);
        *month = atoi(slash + 1);
        if (*year >= 1 && *year <= 9999 && *month >= 1 && *month <= 12)
            return true;
    }
    MessageBoxA(dialog, kInvalidText, kInvalidCaption, MB_OK | MB_ICONINFORMATION | MB_TASKMODAL);
    SetFocus(Edit(dialog));
    return false;
}

LRESULT OnCreate(HWND dialog) {
    CenterPopup(dialog, GetParent(dialog));
    SetWindowLongPtrA(dialog, kDateSlot, rz::ModuleDialogParam());
    PostMessageA(dialog, CLNDR_JUMPINIT, 0, 0);
    return 0;
}

LRESULT OnInit(HWND dialog) {
    if (const PackedDate *date = CallerDate(dialog))
        ShowYearMonth(dialog, rz::DateYear(*date), rz::DateMonth(*date));
    SendDlgItemMessageA(dialog, REZORE32_IDC_JUMP_SPIN, SPIN_SETRANGE, 0, MAKELONG(0, 1));
    return 0;
}

LRESULT OnColour(HDC hdc) {
    SetBkMode(hdc, TRANSPARENT);
    return reinterpret_cast<LRESULT>(rz::FaceBrush());
}

void OnOk(HWND dialog) {
    int year, month;
    if (!ReadYearMonth(dialog, &year, &month))
        return;
    StoreDate(dialog, year, month);
    EndDialog(dialog, 1);
}

// The spin steps the year, wrapping from 9999 to 1 and back.
bool OnYearStep(HWND dialog, bool up) {
    int year, month;
    if (!ReadYearMonth(dialog, &year, &month))
        return false;
    if (up)
        year = year == 9999 ? 1 : year + 1;
    else
        year = year == 1 ? 9999 : year - 1;
    StoreDate(dialog, year, month);
    ShowYearMonth(dialog, year, month);
    HWND edit = Edit(dialog);
    InvalidateRect(edit, nullptr, FALSE);
    UpdateWindow(edit);
    return true;
}

// A month button keeps the year of the caller's date, not a typed one.
void OnMonth(HWND dialog, int month) {
    const PackedDate *date = CallerDate(dialog);
    const int year = date ? rz::DateYear(*date) : 1;
    ShowYearMonth(dialog, year, month);
    StoreDate(dialog, year, month);
}

LRESULT OnCommand(HWND dialog, WPARAM wParam, LPARAM lParam) {
    const int id = LOWORD(wParam);
    const int code = HIWORD(wParam);
    if (id == IDOK) {
        OnOk(dialog);
        return 0;
    }
    if (id == IDCANCEL) {
        EndDialog(dialog, 0);
        return 0;
    }
    if (id == REZORE32_IDC_JUMP_SPIN && (code == SPINN_UP || code == SPINN_DOWN)) {
        if (!OnYearStep(dialog, code == SPINN_UP))
            return 0;
        return DefDlgProcA(dialog, WM_COMMAND, wParam, lParam);
    }
    if (id >= REZORE32_IDC_JUMP_MONTH1 && id < REZORE32_IDC_JUMP_MONTH1 + 12) {
        OnMonth(dialog, id - REZORE32_IDC_JUMP_MONTH1 + 1);
        return 1;
    }
    return DefDlgProcA(dialog, WM_COMMAND, wParam, lParam);
}

}  // namespace

extern "C" LRESULT WINAPI SelYearMonthDlgFn(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_CREATE: return OnCreate(dialog);
    case CLNDR_JUMPINIT: return OnInit(dialog);
    case WM_ERASEBKGND: CoverWindow(dialog, reinterpret_cast<HDC>(wParam), 1, TRUE, COVER_NOPATTERN); return 0;
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORSTATIC: return OnColour(reinterpret_cast<HDC>(wParam));
    case WM_COMMAND: return OnCommand(dialog, wParam, lParam);
    default: break;
    }
    return DefDlgProcA(dialog, msg, wParam, lParam);
}
