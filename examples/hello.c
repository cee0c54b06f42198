/*
 * hello.c - a dialog with REZORE32's spin beside an edit box and its month
 * calendar.  The spin steps the number in the edit box between 1 and 99; a
 * day chosen on the calendar (Space, or a double click on a day) is shown
 * below it.
 *
 * "hello --selftest" drives the dialog itself and exits with 0 when all
 * went as described: that part is not needed in an application.
 */
#include <windows.h>
#include "rezore32.h"
#include "hello.h"

static BOOL RunSelfTest(HWND dlg);

/* The spin has stepped (its position is already the new one): show it. */
static void OnSpin(HWND dlg)
{
    SetDlgItemInt(dlg, IDC_COPIES, (UINT)Spin_GetPos(GetDlgItem(dlg, IDC_SPIN)), FALSE);
}

/* A number typed into the edit box: the spin steps on from it. */
static void OnCopiesTyped(HWND dlg)
{
    UINT copies = GetDlgItemInt(dlg, IDC_COPIES, NULL, FALSE);
    Spin_SetPos(GetDlgItem(dlg, IDC_SPIN), (LONG)copies, 0); /* 0: no notification */
}

/* A day was chosen on the calendar: read it back as year, month and day. */
static void OnDayChosen(HWND dlg)
{
    DWORD date = Calendar_GetDate(GetDlgItem(dlg, IDC_DATE));
    char text[16];
    wsprintfA(text, "%04d/%02d/%02d", CLNDR_YEAR(date), CLNDR_MONTH(date), CLNDR_DAY(date));
    SetDlgItemTextA(dlg, IDC_CHOSEN, text);
}

static INT_PTR CALLBACK HelloDlgProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_INITDIALOG:
        /* Position 1, range 1 to 99; the edit box follows. */
        Spin_SetRange(GetDlgItem(dlg, IDC_SPIN), 1, 1, 99);
        OnSpin(dlg);
        CenterPopup(dlg, NULL);
        if (lParam)
            PostMessageA(dlg, WM_APP, 0, 0); /* --selftest */
        return TRUE;
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDC_SPIN: /* SPINN_UP or SPINN_DOWN */
            OnSpin(dlg);
            return TRUE;
        case IDC_COPIES:
            if (HIWORD(wParam) == EN_CHANGE)
                OnCopiesTyped(dlg);
            return TRUE;
        case IDC_DATE:
            if (HIWORD(wParam) == CLNDRN_DAYCHOSEN)
                OnDayChosen(dlg);
            return TRUE;
        case IDOK:
        case IDCANCEL:
            EndDialog(dlg, LOWORD(wParam));
            return TRUE;
        }
        break;
    case WM_APP:
        EndDialog(dlg, RunSelfTest(dlg) ? IDOK : IDABORT);
        return TRUE;
    }
    return FALSE;
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR cmdLine, int show)
{
    BOOL selfTest = lstrcmpA(cmdLine, "--selftest") == 0;
    INT_PTR result;
    (void)previous;
    (void)show;
    /* Makes the program import REZORE32.DLL, so that Windows loads it (and
       it registers the classes the template names) before this runs. */
    Rezore32Init();
    result = DialogBoxParamA(instance, MAKEINTRESOURCEA(IDD_HELLO), NULL, HelloDlgProc, selfTest);
    if (result == -1)
        return 2; /* the dialog could not be made */
    return selfTest && result != IDOK;
}

/* ------------------------------------------------------------------------
 * --selftest: what a user would do, by messages, checked step by step.
 * --------------------------------------------------------------------- */
static BOOL CopiesAre(HWND dlg, UINT expected)
{
    return GetDlgItemInt(dlg, IDC_COPIES, NULL, FALSE) == expected
        && (UINT)Spin_GetPos(GetDlgItem(dlg, IDC_SPIN)) == expected;
}

static void Press(HWND dlg, int id, WPARAM key)
{
    HWND control = GetDlgItem(dlg, id);
    SetFocus(control);
    SendMessageA(control, WM_KEYDOWN, key, 0);
}

static BOOL RunSelfTest(HWND dlg)
{
    char chosen[16];
    if (!CopiesAre(dlg, 1))
        return FALSE;
    Press(dlg, IDC_SPIN, VK_UP); /* up arrow: one step up */
    if (!CopiesAre(dlg, 2))
        return FALSE;
    Press(dlg, IDC_SPIN, VK_DOWN);
    Press(dlg, IDC_SPIN, VK_DOWN); /* at the minimum: SPINS_NOWRAP stops */
    if (!CopiesAre(dlg, 1))
        return FALSE;
    SetDlgItemInt(dlg, IDC_COPIES, 41, FALSE); /* as if typed */
    Press(dlg, IDC_SPIN, VK_UP);
    if (!CopiesAre(dlg, 42))
        return FALSE;
    Press(dlg, IDC_DATE, VK_RIGHT); /* from the 15th to the 16th */
    Press(dlg, IDC_DATE, VK_SPACE); /* chooses it */
    GetDlgItemTextA(dlg, IDC_CHOSEN, chosen, sizeof chosen);
    return lstrcmpA(chosen, "1996/03/16") == 0;
}
