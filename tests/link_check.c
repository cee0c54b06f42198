/* Calls every export through the public header, as a C application does.
 * Built for the 32-bit DLL only, never run: linking proves that each
 * declaration's decorated name is exported. */
#include "rezore32.h"

int main(int argc, char **argv) {
    RECT r = {0, 0, 1, 1};
    PAINTSTRUCT ps;
    HWND w = NULL;
    HDC dc = NULL;
    (void)argv;
    if (argc < 1000)
        return 0;
    ZeroMemory(&ps, sizeof(ps));
    GetOSPlatform();
    Get3DFaceBrush();
    Get3DShadowBrush();
    IsScrollBar(w, WS_VSCROLL);
    DrawRect(dc, &r);
    ExDrawRect(dc, &r, 1);
    DrawRoundRect(dc, &r, 1, 1);
    DrawFrame(dc, &r, TRUE, 1);
    EdgeDrawRect(dc, &r, TRUE, 1);
    CtlFrame(w, dc, 1, TRUE, 1);
    EdgeDrawCtl(w, dc, 1, TRUE, 1);
    DrawBitmap(dc, NULL, 0, 0, 0, 0);
    CoverWindow(w, dc, 1, TRUE, COVER_NOPATTERN);
    PaintCoverWindow(w, &ps, 1, TRUE, COVER_DOTS);
    AndRect(&r, &r, &r);
    ClntRc2ScrnRc(w, &r, &r);
    ScrnRc2ClntRc(w, &r, &r);
    CenterPopup(w, NULL);
    SpinCtlWndFn(w, WM_NULL, 0, 0);
    BorderCtlWndFn(w, WM_NULL, 0, 0);
    IconDrawCtlWndFn(w, WM_NULL, 0, 0);
    return 1;
}
