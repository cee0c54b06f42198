/* Compiled, never run, by tools/check-header.sh in every C and C++ mode
 * with warnings as errors: the public header and its inline functions must
 * compile cleanly wherever an application includes them. */
#include "rezore32.h"

#if REZORE32_VERSION != REZORE32_VERSION_MAJOR * 100 + REZORE32_VERSION_MINOR
#error the parts of the version disagree
#endif

/* An application's dialog procedure, the way the header documents it. */
INT_PTR CALLBACK ExampleDialog(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam) {
    HWND spin = GetDlgItem(dialog, 101);
    HWND calendar = GetDlgItem(dialog, 102);
    POINT pt;
    (void)lParam;
    switch (msg) {
    case WM_INITDIALOG:
        Rezore32Init();
        Spin_SetRange(spin, 5, 0, 10);
        Spin_SetPos(spin, Spin_GetPos(spin) + 1, SPINN_UP);
        Calendar_SetDate(calendar, CLNDR_PACKDATE(1996, 3, 15));
        Meter_SetPos(GetDlgItem(dialog, 103), Meter_GetRange(GetDlgItem(dialog, 103)) / 2);
        IconDraw_SetIcon(GetDlgItem(dialog, 104), LoadIconA(NULL, MAKEINTRESOURCEA(32512)));
        Folder_SetSel(GetDlgItem(dialog, 105), Folder_GetSel(GetDlgItem(dialog, 105)) + 1);
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == 102 && HIWORD(wParam) == CLNDRN_DAYCHOSEN) {
            pt.x = 10;
            pt.y = 40;
            return CLNDR_DAY(Calendar_GetDate(calendar)) == Calendar_DayAtPoint(calendar, pt);
        }
        return LOWORD(Spin_GetRange(spin)) == 0;
    case WM_ERASEBKGND:
        CoverWindow(dialog, (HDC)wParam, 1, TRUE, COVER_NOPATTERN);
        SetWindowLongPtrA(dialog, DWLP_MSGRESULT, 1);
        return TRUE;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
        SetBkMode((HDC)wParam, TRANSPARENT);
        return (INT_PTR)Get3DFaceBrush();
    default:
        return REZORE32_SLOTHANDLE(HFONT, calendar, CLNDR_GWL_LARGEFONT) != NULL;
    }
}

/* Misuse that must not compile (with STRICT, where handles have types). */
#if defined(MISUSE_ICON)
void Misuse(HWND icondraw) { IconDraw_SetIcon(icondraw, (HBITMAP)LoadImageA(NULL, "x.bmp", IMAGE_BITMAP, 0, 0, 0)); }
#elif defined(MISUSE_WINDOW)
void Misuse(HICON icon) { Meter_SetPos(icon, 5); }
#elif defined(MISUSE_ARGUMENTS)
void Misuse(HWND spin) { Spin_SetRange(spin, 0, 10); }
#elif defined(MISUSE_DATE)
void Misuse(HWND calendar) { Calendar_SetDate(calendar, "19960315"); }
#endif
