/*
 * rezore32.h - public interface of REZORE32.DLL.
 *
 * Custom controls, drawing helpers and utilities for Win32 applications.
 * Usable from C and C++.  Link against REZORE32.lib (MinGW or MSVC) or use
 * REZORE32.def to make an import library of your own.  Every export is a
 * __stdcall function; the 32-bit DLL exports the decorated names
 * (_Name@N), which the declarations below produce.
 *
 * Strings are zero-terminated Shift-JIS (code page 932).  Where an argument
 * is described as 16-bit, only the low 16 bits of the value passed count.
 */
#ifndef REZORE32_H
#define REZORE32_H

#include <windows.h>

#ifdef REZORE32_BUILD
#define REZORE32_API
#else
#define REZORE32_API __declspec(dllimport)
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* ------------------------------------------------------------------------
 * Window class names, registered for every process that loads the DLL.
 * Use them in dialog templates (CONTROL "", id, "NbSpin!+", ...) or with
 * CreateWindowExA.
 * --------------------------------------------------------------------- */
#define REZORE32_SPINCLASS      "NbSpin!+"
#define REZORE32_BORDERCLASS    "NbBorder!+"
#define REZORE32_ICONDRAWCLASS  "NbIconDraw!+"

/* Resources of the DLL that applications may load from its module. */
#define REZORE32_IDB_SPINARROWS 3000 /* 36 x 9, four 9 x 9 arrow cells */
#define REZORE32_IDI_TENKEY     3011 /* ten-key pad icon, 32 x 32 */
#define REZORE32_IDI_EMBLEM     5000 /* the library's emblem, 32 x 32 */

/* ------------------------------------------------------------------------
 * Platform and shared brushes
 * --------------------------------------------------------------------- */

/* dwPlatformId of GetVersionExA: 0 Win32s, 1 Windows 95, 2 Windows NT;
 * -1 when the query fails.  Asked afresh on every call. */
REZORE32_API int WINAPI GetOSPlatform(void);

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
 * along the client edges.  Dialogs call it on WM_ERASEBKGND. */
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
 * Window extra bytes (GetWindowLongA): 0 range (low word minimum, high word
 * maximum), 4 position, 8 last half used (1 upper/left, 2 lower/right),
 * 12 arrow bitmap, 16 state (bit 0 focus).
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

/* ------------------------------------------------------------------------
 * Border control, class "NbBorder!+": an etched line two pixels thick,
 * vertical, or horizontal with BORDERS_HORZ.  Its thickness is fixed at
 * creation.
 * --------------------------------------------------------------------- */
REZORE32_API LRESULT WINAPI BorderCtlWndFn(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

#define BORDERS_HORZ 0x0001

/* ------------------------------------------------------------------------
 * Icon-draw control, class "NbIconDraw!+": shows one icon at (0, 0).
 * At creation it asks its parent with ICON_QUERYICON; an answer of 0 shows
 * the emblem icon 5000, which the control owns and destroys.  Icons given
 * by the parent or with ICON_SETICON stay the caller's.
 * Window extra bytes: 0 flags (bit 0x01: slot 4 is owned), 4 the HICON.
 * --------------------------------------------------------------------- */
REZORE32_API LRESULT WINAPI IconDrawCtlWndFn(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

#define ICON_QUERYICON (WM_USER + 4070) /* to the parent at creation: return an HICON or 0 */
#define ICON_SETICON   (WM_USER + 4071) /* lParam HICON (0 shows nothing) */
#define ICON_GETICON   (WM_USER + 4072) /* returns the HICON shown */

#ifdef __cplusplus
}
#endif

#endif /* REZORE32_H */
