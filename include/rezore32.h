/*
 * rezore32.h - public interface of REZORE32.DLL.
 *
 * Custom controls, drawing helpers and utilities for Win32 applications.
 * Usable from C (C89 and later) and C++.  Link against REZORE32.lib (MinGW
 * or MSVC) or use REZORE32.def to make an import library of your own.
 * Every export is a __stdcall function; the 32-bit DLL exports the
 * decorated names (_Name@N), which the declarations below produce.
 *
 * Strings are zero-terminated Shift-JIS (code page 932).  Where an argument
 * is described as 16-bit, only the low 16 bits of the value passed count.
 *
 * Besides the exports the header gives, without further exports:
 *   - the version (REZORE32_VERSION_...) and Rezore32Init();
 *   - a typed inline function for every control message, named like those
 *     of <windowsx.h> and <commctrl.h>: Spin_SetRange(hwnd, pos, min, max),
 *     Meter_SetPos(hwnd, pos), Calendar_GetDate(hwnd), Folder_GetSel(hwnd);
 *   - the offsets of the controls' window extra bytes (SPIN_GWL_POS ...).
 *     Every slot is 32 bits (a few calendar slots 16 bits): read them with
 *     GetWindowLongA / GetWindowWord, never GetWindowLongPtrA, also in a
 *     64-bit process.  Handles are kept truncated to 32 bits; read them
 *     back sign-extended with REZORE32_SLOTHANDLE.
 *
 * Resource scripts may include this header too: the resource compilers
 * read only its #define lines (class names, styles, version).
 */
#ifndef REZORE32_H
#define REZORE32_H

#include <windows.h>

/* ------------------------------------------------------------------------
 * Version.  The DLL's version resource is built from these numbers, so
 * GetNEBAPLDLLVersion() of the DLL this header came with returns
 * REZORE32_VERSION (major x 100 + minor); an older DLL returns less.
 * --------------------------------------------------------------------- */
#define REZORE32_VERSION_MAJOR 1
#define REZORE32_VERSION_MINOR 0
#define REZORE32_VERSION_PATCH 0
#define REZORE32_VERSION_BUILD 0
#define REZORE32_VERSION (REZORE32_VERSION_MAJOR * 100 + REZORE32_VERSION_MINOR)

#ifdef REZORE32_BUILD
#define REZORE32_API
#else
#define REZORE32_API __declspec(dllimport)
#endif

/* The message functions below are static inline functions in every
 * language mode: C89 knows no inline keyword, so each compiler's own. */
#if defined(__cplusplus)
#define REZORE32_INLINE static inline
#elif defined(_MSC_VER)
#define REZORE32_INLINE static __inline
#elif defined(__GNUC__) || defined(__clang__)
#define REZORE32_INLINE static __inline__
#elif defined(__STDC_VERSION__) && __STDC_VERSION__ >= 199901L
#define REZORE32_INLINE static inline
#else
#define REZORE32_INLINE static
#endif

/* A handle kept in a 32-bit slot of a control's extra bytes, for example
 * REZORE32_SLOTHANDLE(HFONT, meter, METER_GWL_FONT).  Window and GDI
 * handles are significant in their low 32 bits, also on 64-bit Windows. */
#define REZORE32_SLOTHANDLE(type, hwnd, index) ((type)(LONG_PTR)GetWindowLongA((hwnd), (index)))

#ifdef __cplusplus
extern "C" {
#endif

/* ------------------------------------------------------------------------
 * Window class names, registered for every process that loads the DLL.
 * Use them in dialog templates (CONTROL "", id, "NbSpin!+", ...) or with
 * CreateWindowExA.  Class names are matched without regard to case, so a
 * resource compiler that writes them in upper case ("NBSPIN!+") is fine.
 * --------------------------------------------------------------------- */
#define REZORE32_SPINCLASS      "NbSpin!+"
#define REZORE32_TEXTCLASS      "NbText!+"
#define REZORE32_METERCLASS     "NbMeter!+"
#define REZORE32_INDICATORCLASS "NbIndicator!+"
#define REZORE32_BORDERCLASS    "NbBorder!+"
#define REZORE32_ICONDRAWCLASS  "NbIconDraw!+"
#define REZORE32_CALENDARCLASS  "NbCalender!+"
#define REZORE32_JUMPCLASS      "NbClndrJump!+" /* class of dialog template 4000 */

/* Resources of the DLL that applications may load from its module. */
#define REZORE32_IDB_SPINARROWS 3000 /* 36 x 9, four 9 x 9 arrow cells */
#define REZORE32_IDI_TENKEY     3011 /* ten-key pad icon, 32 x 32 */
#define REZORE32_IDI_EMBLEM     5000 /* the library's emblem, 32 x 32 */
#define REZORE32_IDD_JUMP       4000 /* year-and-month jump dialog */

/* Controls of the jump dialog (besides IDOK and IDCANCEL). */
#define REZORE32_IDC_JUMP_EDIT   4001 /* "YYYY/MM" */
#define REZORE32_IDC_JUMP_SPIN   4002 /* steps the year */
#define REZORE32_IDC_JUMP_MONTH1 4011 /* month m is 4010 + m */

/* ------------------------------------------------------------------------
 * Platform and shared brushes
 * --------------------------------------------------------------------- */

/* dwPlatformId of GetVersionExA: 0 Win32s, 1 Windows 95, 2 Windows NT;
 * -1 when the query fails.  Asked afresh on every call. */
REZORE32_API int WINAPI GetOSPlatform(void);

/* The classes are registered when the DLL is loaded, and a program loads
 * it only when it calls one of its functions.  A program that uses the
 * controls only through its dialog templates calls Rezore32Init() once
 * before its first dialog: the call makes the linker import the DLL, so it
 * is loaded with the program and the templates find the classes. */
REZORE32_INLINE void Rezore32Init(void) { (void)GetOSPlatform(); }

/* Shared 3D face and shadow brushes of the library.  On Windows 95 they
 * follow COLOR_3DFACE / COLOR_3DSHADOW; elsewhere they are RGB(192,192,192)
 * and RGB(128,128,128).  Never delete them; fetch them again after
 * WM_SYSCOLORCHANGE, which replaces them. */
REZORE32_API HBRUSH WINAPI Get3DFaceBrush(void);
REZORE32_API HBRUSH WINAPI Get3DShadowBrush(void);

/* 1 when the high word of the window's style and the high word of mask
 * share a bit (for example mask WS_VSCROLL), else 0. */
REZORE32_API BOOL WINAPI IsScrollBar(HWND hwnd, DWORD mask);

/* ------------------------------------------------------------------------
 * Drawing.  Every function restores what it selects into the DC and
 * deletes what it creates.  NULL rectangles and handles draw nothing.
 * --------------------------------------------------------------------- */

/* Black one-pixel outline of the rectangle; the interior is untouched. */
REZORE32_API void WINAPI DrawRect(HDC hdc, const RECT *rc);
/* Black outline with a pen of the given width (16-bit). */
REZORE32_API void WINAPI ExDrawRect(HDC hdc, const RECT *rc, int width);
/* Black rounded outline with the given ellipse width and height. */
REZORE32_API void WINAPI DrawRoundRect(HDC hdc, const RECT *rc, int ellipseWidth, int ellipseHeight);

/* Bevel of `width` (16-bit) one-pixel rings inside rc, including the
 * right and bottom coordinates themselves.  raised != 0: light top and
 * left, dark bottom and right; raised == 0: the reverse.  Colours come from
 * COLOR_3DHILIGHT and COLOR_3DSHADOW.  EdgeDrawRect is the same function. */
REZORE32_API void WINAPI DrawFrame(HDC hdc, const RECT *rc, BOOL raised, int width);
REZORE32_API void WINAPI EdgeDrawRect(HDC hdc, const RECT *rc, BOOL raised, int width);

/* Bevel of `width` (16-bit) rings growing outwards around the dialog's
 * child control `id`, drawn into hdc (the dialog's client DC).
 * EdgeDrawCtl is the same function. */
REZORE32_API void WINAPI CtlFrame(HWND dialog, HDC hdc, int id, BOOL raised, int width);
REZORE32_API void WINAPI EdgeDrawCtl(HWND dialog, HDC hdc, int id, BOOL raised, int width);

/* Copies the whole bitmap (its size converted to hdc's logical units) to
 * (x, y) from (srcX, srcY) of the bitmap with SRCCOPY. */
REZORE32_API void WINAPI DrawBitmap(HDC hdc, HBITMAP bitmap, int x, int y, int srcX, int srcY);

/* Texture patterns of CoverWindow / PaintCoverWindow. */
#define COVER_NOPATTERN 0
#define COVER_DOTS      1 /* every second pixel of every second row */
#define COVER_WEAVE     2 /* a woven check of pixel pairs */
#define COVER_BLOCKS    3 /* 2 x 2 blocks */

/* Fills the client area with the face colour, lays texture `pattern`
 * (16-bit, 0 none) over it and draws a bevel of `width` (16-bit) rings
 * along the client edges.  Dialogs call it on WM_ERASEBKGND.
 *
 * The controls are painted in the face colour: COLOR_3DFACE on Windows 95,
 * RGB(192,192,192) on every other platform, where the system's dialogs
 * may be another colour.  A dialog procedure that makes its background
 * match on every platform (as the library's own dialogs do):
 *
 *   case WM_ERASEBKGND:
 *       CoverWindow(dialog, (HDC)wParam, 1, TRUE, COVER_NOPATTERN);
 *       SetWindowLongPtrA(dialog, DWLP_MSGRESULT, 1);
 *       return TRUE;
 *   case WM_CTLCOLORSTATIC:            (the system's statics and buttons)
 *   case WM_CTLCOLORBTN:
 *       SetBkMode((HDC)wParam, TRANSPARENT);
 *       return (INT_PTR)Get3DFaceBrush();
 *
 * or, without the edge, answer WM_CTLCOLORDLG with Get3DFaceBrush() too. */
REZORE32_API void WINAPI CoverWindow(HWND hwnd, HDC hdc, int width, BOOL raised, int pattern);
/* The same for a WM_PAINT handler: draws into ps->hdc and textures only up
 * to ps->rcPaint's right and bottom. */
REZORE32_API void WINAPI PaintCoverWindow(HWND hwnd, const PAINTSTRUCT *ps, int width, BOOL raised, int pattern);

/* ------------------------------------------------------------------------
 * Rectangles and window placement
 * --------------------------------------------------------------------- */

/* When one rectangle holds a corner of the other, writes their overlap to
 * dest and returns 1; otherwise returns 0 and leaves dest alone. */
REZORE32_API BOOL WINAPI AndRect(RECT *dest, const RECT *a, const RECT *b);
/* Screen coordinates -> client coordinates of hwnd (despite the name).
 * src and dest may be the same rectangle. */
REZORE32_API void WINAPI ClntRc2ScrnRc(HWND hwnd, const RECT *src, RECT *dest);
/* Client coordinates of hwnd -> screen coordinates (despite the name). */
REZORE32_API void WINAPI ScrnRc2ClntRc(HWND hwnd, const RECT *src, RECT *dest);
/* Centres popup over owner's window rectangle (the desktop when owner is
 * NULL), kept on the screen; size, Z order and painting are not touched.
 * Returns the result of SetWindowPos, 0 when popup is not a window. */
REZORE32_API BOOL WINAPI CenterPopup(HWND popup, HWND owner);

/* ------------------------------------------------------------------------
 * Spin control, class "NbSpin!+"
 *
 * Steps a value within a range and tells the parent; shows no value.
 * The parent receives WM_COMMAND, MAKEWPARAM(id, SPINN_UP or SPINN_DOWN),
 * lParam the spin, after the new position is stored: read it with
 * Spin_GetPos while handling the notification.
 *
 *   - Keys (WM_GETDLGCODE is DLGC_WANTARROWS), in every orientation: Up
 *     and Left step up (SPINN_UP), Down and Right step down (SPINN_DOWN).
 *     The halves agree: the upper or, with SPINS_HORZ, the left half steps
 *     up; the lower or right half steps down.
 *   - Up below the maximum adds one, at or above it wraps to the minimum;
 *     down above the maximum lands on the maximum, above the minimum
 *     subtracts one, else wraps to the maximum.  With SPINS_NOWRAP a step
 *     at a limit leaves the value alone and sends nothing: a notification
 *     is sent only when the position changed.
 *   - SPIN_SETPOS and SPIN_SETRANGE store what they are given and do not
 *     clamp: a position outside the range stays there until a step.
 *   - A press (WM_LBUTTONDOWN) shows the half of its lParam pressed, but
 *     every step, the first one too, is judged from where the real cursor
 *     is: a WM_LBUTTONDOWN sent by a program while the cursor is elsewhere
 *     steps nothing.  Use Spin_SetPos with a code to step from a program.
 *     While the button is held the press handler keeps the thread (second
 *     step after 375 ms, then every 75 ms).
 *   - Double clicks go to the parent as SPIN_LBUTTONDBLCLK and
 *     SPIN_RBUTTONDBLCLK with the click's wParam and lParam.
 * --------------------------------------------------------------------- */
REZORE32_API LRESULT WINAPI SpinCtlWndFn(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

#define SPINS_NOWRAP    0x0001 /* stop at the limits instead of wrapping */
#define SPINS_LRARROWS  0x0008 /* left/right triangles instead of up/down */
#define SPINS_HORZ      0x0020 /* halves side by side instead of stacked */

#define SPIN_SETRANGE      (WM_USER + 5030) /* wParam position, lParam MAKELONG(min, max) */
#define SPIN_GETRANGE      (WM_USER + 5031) /* returns MAKELONG(min, max) */
#define SPIN_SETPOS        (WM_USER + 5032) /* wParam position, lParam 1/2 notify with that code */
#define SPIN_GETPOS        (WM_USER + 5033) /* returns the position */
#define SPIN_STEP          (WM_USER + 5034) /* one step judged from the cursor position */
#define SPIN_LBUTTONDBLCLK (WM_USER + 5035) /* to the parent: left double click (wParam, lParam as received) */
#define SPIN_RBUTTONDBLCLK (WM_USER + 5036) /* to the parent: right double click */

/* WM_COMMAND notification codes (HIWORD(wParam)). */
#define SPINN_UP   1
#define SPINN_DOWN 2

/* Window extra bytes (20), 32-bit slots for GetWindowLongA. */
#define SPIN_GWL_RANGE  0  /* low word minimum, high word maximum (unsigned 16-bit) */
#define SPIN_GWL_POS    4  /* position, signed */
#define SPIN_GWL_HALF   8  /* half of the last step: 1 upper/left, 2 lower/right */
#define SPIN_GWL_BITMAP 12 /* HBITMAP of the arrows (REZORE32_SLOTHANDLE) */
#define SPIN_GWL_STATE  16 /* bit 0: focused */

/* Range minimum..maximum (unsigned 16-bit) and position at once; no notification.
 * Neither this nor Spin_SetPos moves the position into the range. */
REZORE32_INLINE void Spin_SetRange(HWND hwnd, LONG pos, WORD minimum, WORD maximum) {
    SendMessageA(hwnd, SPIN_SETRANGE, (WPARAM)pos, (LPARAM)MAKELONG(minimum, maximum));
}
/* MAKELONG(min, max): LOWORD is the minimum, HIWORD the maximum. */
REZORE32_INLINE DWORD Spin_GetRange(HWND hwnd) { return (DWORD)SendMessageA(hwnd, SPIN_GETRANGE, 0, 0); }
/* notify: 0 silent; SPINN_UP or SPINN_DOWN sends that notification (even
 * when the position did not change). */
REZORE32_INLINE void Spin_SetPos(HWND hwnd, LONG pos, UINT notify) {
    SendMessageA(hwnd, SPIN_SETPOS, (WPARAM)pos, (LPARAM)notify);
}
REZORE32_INLINE LONG Spin_GetPos(HWND hwnd) { return (LONG)SendMessageA(hwnd, SPIN_GETPOS, 0, 0); }
/* One step judged from the cursor (the held button's repeat); nothing when
 * the cursor is not over the spin. */
REZORE32_INLINE void Spin_Step(HWND hwnd) { SendMessageA(hwnd, SPIN_STEP, 0, 0); }

/* ------------------------------------------------------------------------
 * Text control, class "NbText!+"
 *
 * One line of window text (at most its first 127 bytes) drawn twice or four
 * times in two colours a pixel apart: raised or engraved lettering, with an
 * optional one-pixel bevel.  Takes no input; double clicks go to the parent.
 * The font comes with WM_SETFONT (SetWindowFont of <windowsx.h>).
 * --------------------------------------------------------------------- */
REZORE32_API LRESULT WINAPI TextCtlWndFn(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

#define TEXTS_RIGHT       0x0002 /* right-aligned (CENTER wins) */
#define TEXTS_CENTER      0x0004 /* centred */
#define TEXTS_ENGRAVED    0x0020 /* first colour down-right under the second */
#define TEXTS_WHITE       0x0040 /* white and black instead of grey and black */
#define TEXTS_PARENTCOLOR 0x0080 /* colours from the parent (TEXT_CTLCOLOR); WHITE wins */
#define TEXTS_FRAME       0x0100 /* one-pixel bevel along the client edges */
#define TEXTS_FRAMESUNKEN 0x0200 /* the bevel sunken instead of raised */
#define TEXTS_NOPREFIX    0x0400 /* "&" shown as is; the text is then left-aligned */
#define TEXTS_THICK       0x0800 /* each colour drawn twice, a pixel apart */

/* To the parent on every paint with TEXTS_PARENTCOLOR: wParam the HDC,
 * lParam the control.  Set the DC's background colour (the first colour)
 * and text colour (the second) and return a brush to fill the background
 * with, or 0 for the class background. */
#define TEXT_CTLCOLOR      (WM_USER + 5020)
#define TEXT_LBUTTONDBLCLK (WM_USER + 5021) /* to the parent: wParam, lParam of the double click */
#define TEXT_RBUTTONDBLCLK (WM_USER + 5022)

/* Window extra bytes (4). */
#define TEXT_GWL_FONT 0 /* HFONT from WM_SETFONT, 0 for the DC's default */

/* ------------------------------------------------------------------------
 * Meter control, class "NbMeter!+"
 *
 * A horizontal bar of position / range with the percentage centred on it;
 * the text changes colour where the bar ends.  Range and position are
 * unsigned 32-bit (range 0 shows 0%); a position above the range shows more
 * than 100% and a full bar.  Colours set by message show at the next paint.
 * --------------------------------------------------------------------- */
REZORE32_API LRESULT WINAPI MeterCtlWndFn(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

#define METER_SETRANGE      (WM_USER + 5040) /* wParam range; repaints */
#define METER_GETRANGE      (WM_USER + 5041)
#define METER_SETPOS        (WM_USER + 5042) /* wParam position; repaints */
#define METER_GETPOS        (WM_USER + 5043)
#define METER_SETBARCOLOR   (WM_USER + 5044) /* lParam COLORREF (default blue) */
#define METER_GETBARCOLOR   (WM_USER + 5045)
#define METER_SETTEXTCOLOR  (WM_USER + 5046) /* lParam COLORREF (default white) */
#define METER_GETTEXTCOLOR  (WM_USER + 5047)
#define METER_LBUTTONDBLCLK (WM_USER + 5048) /* to the parent: wParam, lParam of the double click */
#define METER_RBUTTONDBLCLK (WM_USER + 5049)

/* Window extra bytes (20), 32-bit slots for GetWindowLongA. */
#define METER_GWL_RANGE     0
#define METER_GWL_POS       4
#define METER_GWL_FONT      8  /* HFONT from WM_SETFONT (REZORE32_SLOTHANDLE) */
#define METER_GWL_BARCOLOR  12
#define METER_GWL_TEXTCOLOR 16

/* Setting the range or the position repaints at once. */
REZORE32_INLINE void Meter_SetRange(HWND hwnd, DWORD range) { SendMessageA(hwnd, METER_SETRANGE, (WPARAM)range, 0); }
REZORE32_INLINE DWORD Meter_GetRange(HWND hwnd) { return (DWORD)SendMessageA(hwnd, METER_GETRANGE, 0, 0); }
REZORE32_INLINE void Meter_SetPos(HWND hwnd, DWORD pos) { SendMessageA(hwnd, METER_SETPOS, (WPARAM)pos, 0); }
REZORE32_INLINE DWORD Meter_GetPos(HWND hwnd) { return (DWORD)SendMessageA(hwnd, METER_GETPOS, 0, 0); }
REZORE32_INLINE void Meter_SetBarColor(HWND hwnd, COLORREF colour) {
    SendMessageA(hwnd, METER_SETBARCOLOR, 0, (LPARAM)colour);
}
REZORE32_INLINE COLORREF Meter_GetBarColor(HWND hwnd) {
    return (COLORREF)SendMessageA(hwnd, METER_GETBARCOLOR, 0, 0);
}
REZORE32_INLINE void Meter_SetTextColor(HWND hwnd, COLORREF colour) {
    SendMessageA(hwnd, METER_SETTEXTCOLOR, 0, (LPARAM)colour);
}
REZORE32_INLINE COLORREF Meter_GetTextColor(HWND hwnd) {
    return (COLORREF)SendMessageA(hwnd, METER_GETTEXTCOLOR, 0, 0);
}

/* ------------------------------------------------------------------------
 * Indicator control, class "NbIndicator!+"
 *
 * A row of cells in a sunken frame, the first position / range of them lit
 * in the indicator colour, the rest dark grey.  By default up to 20 cells
 * of 5 pixels (wider cells when 20 do not fill it); INDS_FIXEDCELL takes
 * the cell width from IND_SETCELLWIDTH (1 when it is 0 or less) and fits as
 * many as there is room for.  IND_SETPOS repaints only when the number of
 * lit cells changes.
 * --------------------------------------------------------------------- */
REZORE32_API LRESULT WINAPI IndicatorCtlWndFn(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

#define INDS_CENTER    0x0001 /* the row of cells centred */
#define INDS_FIXEDCELL 0x0002 /* cell width from the cell-width slot, no limit of 20 */

#define IND_SETRANGE      (WM_USER + 5050) /* wParam range; repaints, lit count slot kept */
#define IND_GETRANGE      (WM_USER + 5051)
#define IND_SETPOS        (WM_USER + 5052) /* wParam position; repaints when the lit count changes */
#define IND_GETPOS        (WM_USER + 5053)
#define IND_SETCOLOR      (WM_USER + 5054) /* lParam COLORREF of lit cells (default blue) */
#define IND_GETCOLOR      (WM_USER + 5055)
#define IND_SETCELLWIDTH  (WM_USER + 5056) /* wParam pixels (low 16 bits, signed) */
#define IND_GETCELLWIDTH  (WM_USER + 5057)
#define IND_SETLITCOUNT   (WM_USER + 5058) /* wParam; -1 makes the next IND_SETPOS repaint */
#define IND_GETLITCOUNT   (WM_USER + 5059)
#define IND_LBUTTONDBLCLK (WM_USER + 5150) /* to the parent: wParam, lParam of the double click */
#define IND_RBUTTONDBLCLK (WM_USER + 5151)

/* Window extra bytes (20), 32-bit slots for GetWindowLongA. */
#define IND_GWL_RANGE     0
#define IND_GWL_POS       4
#define IND_GWL_COLOR     8
#define IND_GWL_CELLWIDTH 12 /* low 16 bits, signed */
#define IND_GWL_LITCOUNT  16 /* lit cells at the last repainting IND_SETPOS; -1 at creation */

REZORE32_INLINE void Indicator_SetRange(HWND hwnd, DWORD range) { SendMessageA(hwnd, IND_SETRANGE, (WPARAM)range, 0); }
REZORE32_INLINE DWORD Indicator_GetRange(HWND hwnd) { return (DWORD)SendMessageA(hwnd, IND_GETRANGE, 0, 0); }
REZORE32_INLINE void Indicator_SetPos(HWND hwnd, DWORD pos) { SendMessageA(hwnd, IND_SETPOS, (WPARAM)pos, 0); }
REZORE32_INLINE DWORD Indicator_GetPos(HWND hwnd) { return (DWORD)SendMessageA(hwnd, IND_GETPOS, 0, 0); }
REZORE32_INLINE void Indicator_SetColor(HWND hwnd, COLORREF colour) {
    SendMessageA(hwnd, IND_SETCOLOR, 0, (LPARAM)colour);
}
REZORE32_INLINE COLORREF Indicator_GetColor(HWND hwnd) { return (COLORREF)SendMessageA(hwnd, IND_GETCOLOR, 0, 0); }
/* Used with INDS_FIXEDCELL; 0 or less draws cells one pixel wide. */
REZORE32_INLINE void Indicator_SetCellWidth(HWND hwnd, int width) {
    SendMessageA(hwnd, IND_SETCELLWIDTH, (WPARAM)width, 0);
}
REZORE32_INLINE int Indicator_GetCellWidth(HWND hwnd) { return (int)SendMessageA(hwnd, IND_GETCELLWIDTH, 0, 0); }
/* -1 makes the next Indicator_SetPos repaint whatever it lights. */
REZORE32_INLINE void Indicator_SetLitCount(HWND hwnd, int count) {
    SendMessageA(hwnd, IND_SETLITCOUNT, (WPARAM)count, 0);
}
REZORE32_INLINE int Indicator_GetLitCount(HWND hwnd) { return (int)SendMessageA(hwnd, IND_GETLITCOUNT, 0, 0); }

/* ------------------------------------------------------------------------
 * Check button, class "NbCheck!+", and check mark, class "NbMark!+"
 *
 * A 16 x 14 check-box picture at the left edge and the window text 20
 * pixels in, both centred on the client height.  Both answer BM_GETCHECK
 * (0 or 1) and BM_SETCHECK (any non-zero wParam checks; no notification).
 * The button toggles when the left button is released over it or the space
 * bar is released, and then posts its parent WM_COMMAND with
 * MAKEWPARAM(id, BN_CLICKED) and its handle; the new state is already
 * stored.  The mark takes no input.  Button_GetCheck and Button_SetCheck
 * of <windowsx.h> work on both.
 * --------------------------------------------------------------------- */
#define REZORE32_CHECKCLASS "NbCheck!+"
#define REZORE32_MARKCLASS  "NbMark!+"
#define REZORE32_IDB_CHECK  3001 /* 80 x 14, five 16 x 14 cells */
#define REZORE32_IDB_MARK   3002 /* the same cells for the mark */

REZORE32_API LRESULT WINAPI CheckBtnCtlWndFn(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
REZORE32_API LRESULT WINAPI CheckMarkCtlWndFn(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

/* To the parent on a double click (wParam, lParam as received). */
#define CHECK_LBUTTONDBLCLK (WM_USER + 5060)
#define CHECK_RBUTTONDBLCLK (WM_USER + 5061)
#define MARK_LBUTTONDBLCLK  (WM_USER + 5070)
#define MARK_RBUTTONDBLCLK  (WM_USER + 5071)

/* Window extra bytes (12) of both, 32-bit slots for GetWindowLongA. */
#define CHECK_GWL_STATE   0 /* CHECK_STATE_... bits */
#define CHECK_GWL_PICTURE 4 /* HBITMAP strip REZORE32_IDB_CHECK or _MARK (REZORE32_SLOTHANDLE) */
#define CHECK_GWL_FONT    8 /* HFONT from WM_SETFONT, the caller's */
#define CHECK_STATE_CHECKED  0x01
#define CHECK_STATE_TRACKING 0x02 /* the left button was pressed on the button */
#define CHECK_STATE_PRESSED  0x04 /* ... and the pointer is over it */
#define CHECK_STATE_FOCUSED  0x08
#define CHECK_STATE_DISABLED 0x10 /* follows WM_ENABLE only */

/* ------------------------------------------------------------------------
 * Plate, class "NbPlate!+", and clip, class "NbClip!+"
 *
 * Superclasses of "Static": a face-coloured panel with one line of text at
 * its top, black with a white copy one pixel right and below (or flat),
 * framed by a bevel (plate) or an etched line pair (clip).  The Static
 * class keeps the text and handles what the controls do not.  Of the
 * frame bits the first set of 0x0100, 0x0200, 0x0800 decides.
 * Window extra bytes: one 32-bit slot, the HFONT from WM_SETFONT, behind
 * the Static class's own n bytes (n = cbWndExtra of GetClassInfoA(NULL,
 * "Static", ...)): read it at n + PLATE_GWL_FONT.
 * --------------------------------------------------------------------- */
#define REZORE32_PLATECLASS "NbPlate!+"
#define REZORE32_CLIPCLASS  "NbClip!+"

REZORE32_API LRESULT WINAPI PlateCtlWndFn(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
REZORE32_API LRESULT WINAPI ClipCtlWndFn(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

#define PLATES_SUNKEN     0x0100 /* sunken, 1 pixel; none of the three: raised, 1 pixel */
#define PLATES_SUNKENDEEP 0x0200 /* sunken, 2 pixels */
#define PLATES_RAISEDDEEP 0x0800 /* raised, 2 pixels */
#define PLATES_RIGHT      0x2000 /* text right-aligned (unless PLATES_CENTER) */
#define PLATES_CENTER     0x4000 /* text centred */
#define PLATES_FLAT       0x8000 /* text black, without the white relief */

#define CLIPS_ETCHED      0x0100 /* groove, 2 pixels; none of the three: ridge, 2 pixels */
#define CLIPS_ETCHEDWIDE  0x0200 /* groove with a pixel of face between its lines, 3 pixels */
#define CLIPS_BUMPWIDE    0x0800 /* ridge with a pixel of face between its lines, 3 pixels */
#define CLIPS_RIGHT       0x2000
#define CLIPS_CENTER      0x4000
#define CLIPS_FLAT        0x8000

/* To the parent on a double click (wParam, lParam as received). */
#define PLATE_LBUTTONDBLCLK (WM_USER + 5000)
#define PLATE_RBUTTONDBLCLK (WM_USER + 5001)
#define CLIP_LBUTTONDBLCLK  (WM_USER + 5010)
#define CLIP_RBUTTONDBLCLK  (WM_USER + 5011)

#define PLATE_GWL_FONT 0 /* from the Static class's byte count; the clip's too */

/* ------------------------------------------------------------------------
 * Border control, class "NbBorder!+": an etched line two pixels thick,
 * along the left edge, or along the top edge with BORDERS_HORZ.  At
 * creation the border makes its own window 2 pixels wide (high with
 * BORDERS_HORZ), whatever size the template gave; later moves and sizes
 * are taken as given, and the line stays at the left or top edge.
 * No extra bytes.
 * --------------------------------------------------------------------- */
REZORE32_API LRESULT WINAPI BorderCtlWndFn(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

#define BORDERS_HORZ 0x0001

/* ------------------------------------------------------------------------
 * Icon-draw control, class "NbIconDraw!+": shows one icon at (0, 0).
 * At creation it asks its parent with ICON_QUERYICON; an answer of 0 shows
 * the emblem icon 5000, which the control owns and destroys.  Icons given
 * by the parent or with ICON_SETICON stay the caller's.
 * --------------------------------------------------------------------- */
REZORE32_API LRESULT WINAPI IconDrawCtlWndFn(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

#define ICON_QUERYICON (WM_USER + 4070) /* to the parent at creation: return an HICON or 0 */
#define ICON_SETICON   (WM_USER + 4071) /* lParam HICON (0 shows nothing) */
#define ICON_GETICON   (WM_USER + 4072) /* returns the HICON shown */

/* Window extra bytes (8), 32-bit slots for GetWindowLongA. */
#define ICON_GWL_FLAGS 0 /* 0x01: the control owns the icon (the emblem) */
#define ICON_GWL_ICON  4 /* HICON shown (REZORE32_SLOTHANDLE) */

/* Shows icon (NULL: none) and repaints; the icon stays the caller's. */
REZORE32_INLINE void IconDraw_SetIcon(HWND hwnd, HICON icon) { SendMessageA(hwnd, ICON_SETICON, 0, (LPARAM)icon); }
REZORE32_INLINE HICON IconDraw_GetIcon(HWND hwnd) { return (HICON)SendMessageA(hwnd, ICON_GETICON, 0, 0); }

/* ------------------------------------------------------------------------
 * Calendar control, class "NbCalender!+"
 *
 * One month: a header line ("<", the year and month, ">"), the weekday
 * names and the days, Sunday first.  The window text at creation may give
 * the date as eight digits ("19960315"); empty or 0 means today.  Dates are
 * packed as year x 65536 + month x 256 + day (CLNDR_PACKDATE).
 *
 *   - Choosing a day (Space in the grid, or a double click on a day) sends
 *     the parent WM_COMMAND, MAKEWPARAM(id, CLNDRN_DAYCHOSEN), lParam the
 *     calendar; read the day with Calendar_GetDate.  CLNDRN_DAYCHOSEN is
 *     0, the value of BN_CLICKED: a parent that handles BN_CLICKED for
 *     every control sees the calendar's choices too.  Nothing is sent when
 *     the cursor or the month moves.
 *   - A month step ("<" / ">" by Space or double click) and the jump
 *     dialog land on day 1 of the new month; at December 9999 and January
 *     of the year 1 the month stays and the day becomes 1.
 *   - Keys: arrows move the day cursor inside the month (never into
 *     another month) or the focus between the header parts and the grid;
 *     Space chooses the day, steps the month on "<" / ">" and opens the
 *     jump dialog on the title.  Mouse: a click moves the focus or the
 *     cursor; double clicks step the month, open the jump dialog or choose
 *     a day.
 *   - Geometry, recomputed from the client size W x H and the shown month:
 *     lines n = weeks of the month (4 to 6) + 2, cell height ch = H / n,
 *     top margin my = (H % n) / 2; cell width cw = W / 7, left margin
 *     mx = (W % 7) / 2.  Line 0 is the header ("<" in column 0, ">" in the
 *     last cw pixels before W - mx, the title between), line 1 the weekday
 *     names; day cell k (0 to 41, Calendar_DayCell) lies in line k / 7 + 2,
 *     column k % 7, from (mx + column x cw, my + line x ch), cw x ch.
 *     Calendar_DayAtPoint maps a client point to its day this way.
 * --------------------------------------------------------------------- */
REZORE32_API LRESULT WINAPI CalenderCtlWndFn(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

#define CLNDR_PACKDATE(y, m, d) ((DWORD)(((DWORD)(y) << 16) + ((DWORD)(m) << 8) + (DWORD)(d)))
#define CLNDR_YEAR(date)  ((int)(((DWORD)(date) >> 16) & 0xFFFF))
#define CLNDR_MONTH(date) ((int)(((DWORD)(date) >> 8) & 0xFF))
#define CLNDR_DAY(date)   ((int)((DWORD)(date) & 0xFF))

#define CLNDRS_JAPANESE  0x0001 /* Japanese labels; clear: English */
#define CLNDRS_SHOWMARKS 0x0002 /* marked days on blue */
#define CLNDRS_VIEWONLY  0x0004 /* no buttons, no mouse, no keys in the grid */
#define CLNDRS_MONTHONLY 0x0008 /* clicks in the grid ignored; with VIEWONLY the header keeps its keys */

/* Parts that can hold the focus (the bytes of the focus-parts slot). */
#define CLNDRP_DAYS  1
#define CLNDRP_TITLE 2
#define CLNDRP_PREV  4
#define CLNDRP_NEXT  8

#define CLNDR_SETDATE      (WM_USER + 4100) /* lParam packed date: shows its month, cursor on its day */
#define CLNDR_GETDATE      (WM_USER + 4101) /* returns the current packed date */
#define CLNDR_SETHIGHLIGHT (WM_USER + 4102) /* lParam packed date drawn white on blue; 0 none */
#define CLNDR_MARKDAY      (WM_USER + 4103) /* lParam day 1-31 marked in every month; 0 clears all marks (no repaint) */
#define CLNDR_SETENGLISH   (WM_USER + 4104)
#define CLNDR_SETJAPANESE  (WM_USER + 4105)
#define CLNDR_SETNORMAL    (WM_USER + 4106) /* clears VIEWONLY and MONTHONLY */
#define CLNDR_SETVIEWONLY  (WM_USER + 4107) /* sets VIEWONLY, clears MONTHONLY */
#define CLNDR_SETMONTHONLY (WM_USER + 4108) /* sets MONTHONLY, clears VIEWONLY */
#define CLNDR_HIDEMARKS    (WM_USER + 4109)
#define CLNDR_SHOWMARKS    (WM_USER + 4110)
#define CLNDR_JUMPDIALOG   (WM_USER + 4111) /* runs the year-and-month jump dialog */
#define CLNDR_JUMPINIT     (WM_USER + 4112) /* private: the jump dialog to itself, fill the edit box */

/* WM_COMMAND notification code (HIWORD(wParam)): the user chose the
 * current day.  The same value as BN_CLICKED. */
#define CLNDRN_DAYCHOSEN 0

/* Window extra bytes (112): 32-bit slots for GetWindowLongA, 16-bit ones
 * (GWW) for GetWindowWord. */
#define CLNDR_GWW_FOCUSPARTS 2  /* low byte focused CLNDRP_ part (0: none), high byte the part before */
#define CLNDR_GWL_TODAY      4  /* packed date of the day the control was created */
#define CLNDR_GWL_DATE       8  /* current packed date */
#define CLNDR_GWL_HIGHLIGHT  12 /* highlighted packed date, 0 none */
#define CLNDR_GWL_MARKS      16 /* bit d-1: day d marked */
#define CLNDR_GWL_LARGEFONT  20 /* HFONT of the header and the days (REZORE32_SLOTHANDLE) */
#define CLNDR_GWL_SMALLFONT  24 /* HFONT of the weekday names */
#define CLNDR_GWW_DAYCELLS   28 /* the 42 day cells of the shown month, day or 0 */
#define CLNDR_DAYCELLS       42

/* The day in cell k (0 to 41) of the shown month, 0 for an empty cell. */
#define Calendar_DayCell(hwnd, k) ((int)GetWindowWord((hwnd), CLNDR_GWW_DAYCELLS + 2 * (k)))

/* lParam of Calendar_SetDate and Calendar_SetHighlight: CLNDR_PACKDATE.
 * Dates are not checked. */
REZORE32_INLINE void Calendar_SetDate(HWND hwnd, DWORD date) { SendMessageA(hwnd, CLNDR_SETDATE, 0, (LPARAM)date); }
REZORE32_INLINE DWORD Calendar_GetDate(HWND hwnd) { return (DWORD)SendMessageA(hwnd, CLNDR_GETDATE, 0, 0); }
REZORE32_INLINE void Calendar_SetHighlight(HWND hwnd, DWORD date) {
    SendMessageA(hwnd, CLNDR_SETHIGHLIGHT, 0, (LPARAM)date);
}
/* day 1 to 31 marks that day of every month; 0 clears every mark. */
REZORE32_INLINE void Calendar_MarkDay(HWND hwnd, int day) { SendMessageA(hwnd, CLNDR_MARKDAY, 0, (LPARAM)day); }
REZORE32_INLINE void Calendar_SetEnglish(HWND hwnd) { SendMessageA(hwnd, CLNDR_SETENGLISH, 0, 0); }
REZORE32_INLINE void Calendar_SetJapanese(HWND hwnd) { SendMessageA(hwnd, CLNDR_SETJAPANESE, 0, 0); }
REZORE32_INLINE void Calendar_SetNormal(HWND hwnd) { SendMessageA(hwnd, CLNDR_SETNORMAL, 0, 0); }
REZORE32_INLINE void Calendar_SetViewOnly(HWND hwnd) { SendMessageA(hwnd, CLNDR_SETVIEWONLY, 0, 0); }
REZORE32_INLINE void Calendar_SetMonthOnly(HWND hwnd) { SendMessageA(hwnd, CLNDR_SETMONTHONLY, 0, 0); }
REZORE32_INLINE void Calendar_HideMarks(HWND hwnd) { SendMessageA(hwnd, CLNDR_HIDEMARKS, 0, 0); }
REZORE32_INLINE void Calendar_ShowMarks(HWND hwnd) { SendMessageA(hwnd, CLNDR_SHOWMARKS, 0, 0); }
/* Runs the modal jump dialog on the calendar's parent; OK shows day 1 of
 * the chosen month. */
REZORE32_INLINE void Calendar_JumpDialog(HWND hwnd) { SendMessageA(hwnd, CLNDR_JUMPDIALOG, 0, 0); }

/* The day (1 to 31) whose cell holds the client point, 0 when the point is
 * on no day: the geometry above applied to the shown month. */
REZORE32_INLINE int Calendar_DayAtPoint(HWND hwnd, POINT pt) {
    RECT rc;
    int weeks, lines, cw, ch, mx, my, line, column;
    weeks = 6;
    while (weeks > 4 && Calendar_DayCell(hwnd, 7 * (weeks - 1)) == 0)
        --weeks;
    if (!GetClientRect(hwnd, &rc))
        return 0;
    lines = weeks + 2;
    cw = rc.right / 7;
    ch = rc.bottom / lines;
    mx = (rc.right % 7) / 2;
    my = (rc.bottom % lines) / 2;
    if (cw <= 0 || ch <= 0 || pt.x < mx || pt.y < my)
        return 0;
    column = (pt.x - mx) / cw;
    line = (pt.y - my) / ch;
    if (column > 6 || line < 2 || line >= lines)
        return 0;
    return Calendar_DayCell(hwnd, 7 * (line - 2) + column);
}

/* Class window procedure of the jump dialog "NbClndrJump!+" (template
 * 4000), which the calendar runs from its title. */
REZORE32_API LRESULT WINAPI SelYearMonthDlgFn(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

/* ------------------------------------------------------------------------
 * Tabbed folder, class "NbFolder!+"
 *
 * A page frame with a row of tabs along its top (or bottom) edge; the
 * window text holds the tab titles separated by "|" (only its first 255
 * bytes count; empty titles are skipped and take no index).  The folder
 * holds no pages: lay your own controls over the page area and show the
 * ones of the selected tab when FOLDERN_SELCHANGE arrives.  A superclass of
 * "Button" that makes itself a group box, so clicks go through to the
 * controls beneath it; presses on its tabs and arrows are noticed while the
 * primary button is down.  Tabs that do not fit are reached with a pair of
 * arrows at the right end of the strip.
 * Keys: Ctrl+Tab / Right next tab, Ctrl+Shift+Tab / Left previous (no
 * wrap-around); Tab and Shift+Tab move the dialog focus.
 * The parent receives WM_COMMAND, MAKEWPARAM(id, FOLDERN_SELCHANGE),
 * lParam the folder, once for each selection the user makes, after the
 * new index is stored; FOLDERN_SELCHANGE is 0, the value of BN_CLICKED.
 * Window extra bytes: eight 32-bit slots behind the Button class's own n
 * bytes (n = cbWndExtra of GetClassInfoA(NULL, "Button", ...)), at
 * n + FOLDER_GWL_SEL and so on.
 * --------------------------------------------------------------------- */
#define REZORE32_FOLDERCLASS "NbFolder!+"

REZORE32_API LRESULT WINAPI FolderCtlWndFn(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

#define FOLDERS_BOTTOM 0x1000 /* tabs along the bottom edge */

#define FOLDER_SETSEL (WM_USER + 5120) /* wParam tab index, stored unchecked; no notification */
#define FOLDER_GETSEL (WM_USER + 5121) /* returns the selected index */

/* WM_COMMAND notification code: the user selected another tab. */
#define FOLDERN_SELCHANGE 0

/* Offsets from the Button class's byte count, 32-bit slots. */
#define FOLDER_GWL_SEL        4  /* selected tab */
#define FOLDER_GWL_COUNT      8  /* tab count */
#define FOLDER_GWL_FLAGS      12 /* 0x1: focused */
#define FOLDER_GWL_FONT       16 /* HFONT from WM_SETFONT (REZORE32_SLOTHANDLE) */
#define FOLDER_GWL_FIRSTSHOWN 20 /* first tab shown in the strip */
#define FOLDER_GWL_LASTSHOWN  24 /* last tab shown, as of the last paint */
#define FOLDER_GWL_TABHEIGHT  28 /* tab height, as of the last paint */

/* Selects tab `index` (not checked: an index beyond the tabs shows none
 * selected) and repaints; no notification. */
REZORE32_INLINE void Folder_SetSel(HWND hwnd, int index) { SendMessageA(hwnd, FOLDER_SETSEL, (WPARAM)index, 0); }
REZORE32_INLINE int Folder_GetSel(HWND hwnd) { return (int)SendMessageA(hwnd, FOLDER_GETSEL, 0, 0); }

/* ------------------------------------------------------------------------
 * Pop-ups: the message window, tool tips, the pop-up viewer and the ten-key
 * pad.  One message window, viewer and pad per process.
 * --------------------------------------------------------------------- */
#define REZORE32_INFORMCLASS  "NbInform!+"  /* class of dialog template 3030 */
#define REZORE32_TIPCLASS     "NbTip!+"
#define REZORE32_POPVIEWCLASS "NbPopView!+"
#define REZORE32_TENKEYCLASS  "NbTenKey!+"  /* class of dialog template 3010 */

#define REZORE32_IDD_TENKEY 3010 /* ten-key pad */
#define REZORE32_IDD_INFORM 3030 /* message window */
#define REZORE32_IDC_INFORM_LINE1 3031
#define REZORE32_IDC_INFORM_LINE2 3032

/* Modeless message window (caption, two centred lines) centred on parent,
 * which stays disabled until DestroyInformDlg.  Opening a second one closes
 * the first.  NULL texts show nothing.  NULL when it cannot be created. */
REZORE32_API HWND WINAPI CreateInformDlg(HWND parent, LPCSTR caption, LPCSTR line1, LPCSTR line2);
/* Enables the message window's parent again and closes it; nothing open:
 * nothing happens. */
REZORE32_API void WINAPI DestroyInformDlg(void);
REZORE32_API LRESULT WINAPI InformDlgFn(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

/* Tool tip: one line (at most TIP_TEXTMAX bytes are shown) in a light
 * yellow rounded box with a shadow, its top-left corner at the screen point
 * *at.  *tip is the caller's tip variable: a tip it still holds is closed
 * first (and the queue emptied with ChkMessage, so that what lay below has
 * repainted); the new tip, or NULL, is stored there.  Returns what
 * SetActiveWindow(parent) returns: the tip never keeps the activation.
 * NULL at or tip: nothing happens, NULL. */
#define TIP_TEXTMAX 255
REZORE32_API HWND WINAPI CreateToolTipWindow(HWND parent, const POINT *at, LPCSTR text, HWND *tip);
/* Closes the tip *tip holds (only a window of class "NbTip!+") and sets
 * *tip to NULL. */
REZORE32_API void WINAPI DestroyToolTipWindow(HWND *tip);
REZORE32_API LRESULT WINAPI TipWndFn(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
/* Dispatches every message waiting in the thread's queue; always 0.  A
 * WM_QUIT it meets is posted again, with its exit code, for the caller's
 * own loop. */
REZORE32_API int WINAPI ChkMessage(void);

/* Pop-up viewer: the text (lines separated by line breaks, at most
 * POPVIEW_TEXTMAX bytes shown) in the system fixed font, in a white framed
 * box with a shadow around the mouse cursor, kept on the screen.  While it
 * is open it holds the mouse capture and a keyboard hook for all threads
 * that swallows every key; a key release, or a button release or loss of
 * activation after the first 500 ms, closes it.  Opening a second one
 * closes the first.  Returns the viewer, NULL on failure. */
#define POPVIEW_TEXTMAX 255
REZORE32_API HWND WINAPI PopView(HWND parent, LPCSTR text);
REZORE32_API LRESULT WINAPI PopViewWndFn(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
/* The viewer's keyboard hook procedure. */
REZORE32_API LRESULT WINAPI KBFilter(int code, WPARAM wParam, LPARAM lParam);

/* Ten-key pad: opens the pad centred on parent, or closes it when it is
 * open.  Each key sends TENKEY_KEYPRESS to the parent; each button's
 * identifier in template 3010 is the code it sends. */
REZORE32_API void WINAPI TenKeyPad(HWND parent);
REZORE32_API LRESULT WINAPI TenKeyDlgFn(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

/* wParam the key's character code: '0'-'9', ',', '.', TENKEY_CLEAR ("C")
 * or TENKEY_BACKSPACE; lParam 0.  The result is ignored. */
#define TENKEY_KEYPRESS   (WM_USER + 5100)
#define TENKEY_CLEAR      27
#define TENKEY_BACKSPACE  8

/* ------------------------------------------------------------------------
 * File and directory selection dialogs, on the system's common file dialog.
 *
 * CallOpenFileName shows the old-style dialog in the library's template
 * 3070 with its hook; CallOpenFileName95 the Explorer-style dialog as the
 * system makes it.  The filter is written "desc|pattern|desc|pattern|" and
 * converted in place ('|' -> zero byte), so it must be writable; a filter
 * with '|' in memory that cannot be written gives 0 without a dialog.  NULL
 * filter: no file types; NULL title: the system's title.  The file buffer
 * holds the initial name and receives the chosen one (size bytes); a NULL
 * buffer or size 0 gives 0 without a dialog.  Result: nonzero when the
 * user confirmed a name.  The process's current directory is restored by
 * the system (OFN_NOCHANGEDIR).
 *
 * CallSelDirectry / CallSelEditDirectry let the user pick a directory (the
 * second also creates a typed one after asking).  dir holds the initial
 * directory and receives the answer with a final '\' (C:\WORK\, C:\); it
 * must hold REZORE32_DIRBUFFER bytes and is prepared even on cancel (one
 * final '\' cut, "C:" made "C:\").  The fourth argument is not read.
 * Result: nonzero when a directory was chosen; 0 on cancel, for a NULL
 * dir, or when memory cannot be had (no dialog then).
 * --------------------------------------------------------------------- */
#define REZORE32_DIRBUFFER 1025
#define REZORE32_DUMMYFILE "$$$$$$$$.$$$" /* the hidden file name of the directory dialogs */

REZORE32_API BOOL WINAPI CallOpenFileName(HWND owner, BOOL save, LPCSTR title, LPSTR filter, LPSTR file, DWORD size);
REZORE32_API BOOL WINAPI CallOpenFileName95(HWND owner, BOOL save, LPCSTR title, LPSTR filter, LPSTR file,
                                            DWORD size);
REZORE32_API BOOL WINAPI CallSelDirectry(HWND owner, LPCSTR title, LPSTR dir, DWORD unused);
REZORE32_API BOOL WINAPI CallSelEditDirectry(HWND owner, LPCSTR title, LPSTR dir, DWORD unused);

/* Hook procedures of the three templates (OFNHOOKPROC). */
REZORE32_API UINT_PTR WINAPI OpenFileNameDlgFN(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam);
REZORE32_API UINT_PTR WINAPI SelDirectryDlgFN(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam);
REZORE32_API UINT_PTR WINAPI SelEditDirectryDlgFN(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam);

#define REZORE32_IDD_OPENFILE   3070 /* file dialog, hook OpenFileNameDlgFN */
#define REZORE32_IDD_SELDIR     3080 /* directory dialog, hook SelDirectryDlgFN */
#define REZORE32_IDD_SELEDITDIR 3090 /* directory dialog with an edit field, hook SelEditDirectryDlgFN */

/* Controls of the directory dialogs besides the system's (<dlgs.h>). */
#define REZORE32_IDC_SELDIR_EDIT   2088 /* 3090: the typed path */
#define REZORE32_IDC_SELDIR_ANSWER 2090 /* 3090, hidden: the answer block's handle as decimal text */

/* Posted by the hooks to their own dialog: record the directory list's
 * selection, count and text; SELEDITDIR_SNAPSHOT with wParam 1 also
 * refreshes the edit field from the directory label 1088. */
#define SELDIR_SNAPSHOT     (WM_USER + 5200)
#define SELEDITDIR_SNAPSHOT (WM_USER + 5210)

/* ------------------------------------------------------------------------
 * Strings and numbers.  Double-byte characters are recognised by the C
 * runtime's lead-byte table of the process's ANSI code page; a lead byte is
 * kept together with the byte after it, except a lone lead byte at the end.
 * NULL strings are accepted everywhere: a NULL source counts as empty, a
 * NULL destination makes the function do nothing (and return 0).
 * --------------------------------------------------------------------- */

/* Strict unsigned decimal of 1 to 5 digits, computed modulo 65536
 * ("70000" gives 4464).  0xFFFF on any other text (so "65535" is
 * indistinguishable from an error). */
REZORE32_API WORD WINAPI Sz2UShort(LPCSTR text);
/* Strict unsigned decimal of 1 to 10 digits, modulo 2^32 read as signed;
 * -1 on any other text (no sign, no blanks). */
REZORE32_API LONG WINAPI Sz2Long(LPCSTR text);
/* GlobalFree every non-NULL handle of handles[0 .. count-1] (count 16-bit
 * signed; 0 or negative does nothing) and set it to NULL. */
REZORE32_API void WINAPI FreeMemMtrx(HGLOBAL *handles, int count);
/* The value with thousands separators ("-2,147,483,648"); the buffer must
 * hold COMMAED_BUFFER bytes. */
#define COMMAED_BUFFER 15
REZORE32_API void WINAPI CommaED(LPSTR buffer, LONG value);
/* Cuts trailing ASCII blanks (0x20) in place; tabs and full-width blanks stay. */
REZORE32_API void WINAPI StrSpcCut(LPSTR text);
/* Half-width to full-width through _mbbtombc, two bytes per source byte and
 * two zero bytes at the end; destination 2 x strlen(source) + 2 bytes.
 * A byte without a full-width form ends the result. */
REZORE32_API void WINAPI SzHan2SzZen(LPCSTR source, LPSTR destination);
/* Copy with every '"' doubled; destination 2 x strlen(source) + 1 bytes.
 * Returns 1 when the source held a '"'. */
REZORE32_API BOOL WINAPI ChkStrDQuotation(LPCSTR source, LPSTR destination);
/* Copy with every ',' written as "," in quotes (three bytes); destination
 * 3 x strlen(source) + 1 bytes.  Returns 1 when the source held a ','. */
REZORE32_API BOOL WINAPI ChkStrComma2DQuotation(LPCSTR source, LPSTR destination);
/* Copy with every ',' replaced by '.'; destination strlen(source) + 1 bytes. */
REZORE32_API void WINAPI ChkStrComma(LPCSTR source, LPSTR destination);
/* ASCII letters to upper case (toUpper's low 16 bits nonzero) or lower
 * case, in place; double-byte characters are left alone. */
REZORE32_API void WINAPI ExchgStr(LPSTR text, int toUpper);

/* ------------------------------------------------------------------------
 * Settings store: HKEY_CURRENT_USER\Software\NEB Corporation\<application>
 * \<section>, one named value per setting (strings REG_SZ, integers
 * REG_DWORD).  Arguments in the order of the profile functions.  Reading
 * never creates keys; writing needs HKEY_CURRENT_USER\Software to exist.
 * A NULL section or application makes reads give the default and writes 0;
 * a NULL value name means the key's unnamed value, as in the registry.
 * --------------------------------------------------------------------- */

/* Copies the stored string to buffer (size bytes) and returns its length.
 * A missing value or an empty string gives the default and 0 (the default
 * is copied only when it fits, else the buffer is left empty).  A stored
 * string that does not fit, or a value of another type, gives "" and 0.
 * size 0 writes nothing. */
REZORE32_API int WINAPI GetNEBRegString(LPCSTR section, LPCSTR name, LPCSTR defaultText, LPSTR buffer,
                                        DWORD size, LPCSTR application);
/* The stored REG_DWORD, or the default when it is missing or of another type. */
REZORE32_API int WINAPI GetNEBRegInt(LPCSTR section, LPCSTR name, int defaultValue, LPCSTR application);
/* Stores text (with its zero).  text NULL deletes the value; name NULL
 * deletes the whole section key with everything below it.  1 on success. */
REZORE32_API BOOL WINAPI WriteNEBRegString(LPCSTR section, LPCSTR name, LPCSTR text, LPCSTR application);
/* Stores a REG_DWORD.  1 on success. */
REZORE32_API BOOL WINAPI WriteNEBRegInt(LPCSTR section, LPCSTR name, int value, LPCSTR application);

/* ------------------------------------------------------------------------
 * Version information and file names
 * --------------------------------------------------------------------- */

/* A global block with the file's whole version resource (free it with
 * GlobalFree) and its first translation (low word language, high word code
 * page) in *translation; NULL when there is none or translation is NULL. */
REZORE32_API HGLOBAL WINAPI OpenVerInf(LPCSTR file, DWORD *translation);

#define VERINF_PRODUCTNAME     0
#define VERINF_LEGALCOPYRIGHT  1
#define VERINF_COMPANYNAME     2
#define VERINF_FILEDESCRIPTION 3
/* The output buffer of GetVerInf holds VERINF_BUFFER bytes. */
#define VERINF_BUFFER 256
/* Copies string `item` (VERINF_..., 16-bit) of the block's string table for
 * the translation; 1 when found.  0 and an empty buffer when it is missing,
 * the item is unknown or the string does not fit VERINF_BUFFER bytes. */
REZORE32_API WORD WINAPI GetVerInf(HGLOBAL block, DWORD translation, int item, LPSTR buffer);
/* Major x 100 + minor of the DLL's own file version; 0 on failure. */
REZORE32_API WORD WINAPI GetNEBAPLDLLVersion(void);

/* Longest path IsFileExist takes, in bytes. */
#define FILEEXIST_MAXPATH 1023
/* 1 when the file can be opened for reading (0 for directories, NULL and
 * paths longer than FILEEXIST_MAXPATH). */
REZORE32_API BOOL WINAPI IsFileExist(LPCSTR path);
/* The module's (NULL: the executable's) profile name without directory:
 * APP.INI for C:\DIR\APP.EXE.  The buffer holds INIFILE_BUFFER bytes; a
 * name that would not fit, or an unknown module, gives "". */
#define INIFILE_BUFFER 24
REZORE32_API void WINAPI GetIniFileName(HINSTANCE instance, LPSTR buffer);
/* The module's help file: C:\DIR\APP.EXE.HLP when that file exists, else
 * APP.HLP.  The buffer holds HLPFILE_BUFFER bytes; a name that would not
 * fit, or an unknown module, gives "". */
#define HLPFILE_BUFFER 132
REZORE32_API void WINAPI GetHlpFileName(HINSTANCE instance, LPSTR buffer);

/* ------------------------------------------------------------------------
 * Input method, printer, cursor and broadcast services
 * --------------------------------------------------------------------- */

/* Opens (open != 0) or closes the input method for the window; returns what
 * SendIMEMessageExA returns.  The IME enable state is kept. */
REZORE32_API LRESULT WINAPI FepControl(HWND hwnd, BOOL open);
/* Asks the input method to open its word registration. */
REZORE32_API void WINAPI FEPWordRegisterd(HWND hwnd);
/* The default printer's name (first field of [windows] device=) into a
 * buffer of PRINTER_BUFFER bytes; 1 when there is one, else 0 and "". */
#define PRINTER_BUFFER 128
REZORE32_API BOOL WINAPI GetPrinterName(LPSTR buffer);

/* Replacing the system arrow cursor's shape for every window:
 *   HGLOBAL saved;  InitSysCursor(&saved);   keep the arrow
 *   SetSysCursor(cursor);                    the arrow looks like cursor
 *   TermSysCursor(&saved);                   the arrow as it was; saved = NULL
 * On Windows 95 the shape is copied between the cursors' memory blocks
 * (only blocks of the same size).  On systems where cursors are not memory
 * blocks (Windows NT) the arrow is replaced with SetSystemCursor and saved
 * holds a private copy of the original arrow, put back by TermSysCursor.
 * NULL arguments do nothing. */
REZORE32_API void WINAPI InitSysCursor(HGLOBAL *saved);
REZORE32_API void WINAPI SetSysCursor(HCURSOR cursor);
REZORE32_API void WINAPI TermSysCursor(HGLOBAL *saved);

/* Broadcast table of up to 32 windows with group numbers, per process. */
/* Adds an entry (the same window may be added again); 0 when full. */
REZORE32_API BOOL WINAPI SetBroadCastWindow(HWND hwnd, WORD group);
/* Removes the window's first entry, keeping the order; 0 when not found.
 * With one entry or none it empties the table whatever hwnd is. */
REZORE32_API BOOL WINAPI ResetBroadCastWindow(HWND hwnd);
/* SendMessageA to every entry of `group` (16-bit signed; negative: all) in
 * table order; destroyed windows are skipped. */
REZORE32_API void WINAPI PostBroadCastMessage(int group, UINT msg, WPARAM wParam, LPARAM lParam);

#ifdef __cplusplus
}
#endif

#endif /* REZORE32_H */
