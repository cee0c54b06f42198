// Rectangle arithmetic and the placement of pop-ups over their owner.
#include "rezore32.h"

namespace {

// The corners in the order they are tried: top-left, bottom-left,
// bottom-right, top-right.
bool HoldsCornerOf(const RECT &outer, const RECT &inner) {
    const POINT corners[] = {
        {inner.left, inner.top}, {inner.left, inner.bottom}, {inner.right, inner.bottom}, {inner.right, inner.top}};
    for (const POINT &pt : corners)
        if (PtInRect(&outer, pt))
            return true;
    return false;
}

// Keeps [pos, pos + size) on [0, screen): the left or top edge wins.
int ClampToScreen(int pos, int size, int screen) {
    if (pos < 0)
        return 0;
    if (pos + size > screen)
        return screen - size;
    return pos;
}

// Converts both corners through a copy, so src and dest may be the same.
void ConvertCorners(HWND hwnd, const RECT *src, RECT *dest, BOOL(WINAPI *convert)(HWND, LPPOINT)) {
    if (!src || !dest)
        return;
    POINT tl = {src->left, src->top}, br = {src->right, src->bottom};
    convert(hwnd, &tl);
    convert(hwnd, &br);
    SetRect(dest, tl.x, tl.y, br.x, br.y);
}

}  // namespace

extern "C" {

BOOL WINAPI AndRect(RECT *dest, const RECT *a, const RECT *b) {
    if (!dest || !a || !b)
        return FALSE;
    if (!HoldsCornerOf(*a, *b) && !HoldsCornerOf(*b, *a))
        return FALSE;
    RECT overlap;
    overlap.left = a->left > b->left ? a->left : b->left;
    overlap.top = a->top > b->top ? a->top : b->top;
    overlap.right = a->right < b->right ? a->right : b->right;
    overlap.bottom = a->bottom < b->bottom ? a->bottom : b->bottom;
    *dest = overlap;
    return TRUE;
}

void WINAPI ClntRc2ScrnRc(HWND hwnd, const RECT *src, RECT *dest) {
    ConvertCorners(hwnd, src, dest, ScreenToClient);
}

void WINAPI ScrnRc2ClntRc(HWND hwnd, const RECT *src, RECT *dest) {
    ConvertCorners(hwnd, src, dest, ClientToScreen);
}

BOOL WINAPI CenterPopup(HWND popup, HWND owner) {
    if (!owner)
        owner = GetDesktopWindow();
    const int screenW = GetSystemMetrics(SM_CXSCREEN);
    const int screenH = GetSystemMetrics(SM_CYSCREEN);
    RECT o = {}, p = {};
    if (!GetWindowRect(popup, &p))
        return FALSE;
    GetWindowRect(owner, &o);
    const int w = p.right - p.left, h = p.bottom - p.top;
    // Each half is divided on its own, truncating toward zero.
    int x = o.left + (o.right - o.left) / 2 + (p.left - p.right) / 2;
    int y = o.top + (o.bottom - o.top) / 2 + (p.top - p.bottom) / 2;
    x = ClampToScreen(x, w, screenW);
    y = ClampToScreen(y, h, screenH);
    return SetWindowPos(popup, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOREDRAW);
}

}  // extern "C"
