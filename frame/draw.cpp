// Rectangle, bevel and bitmap drawing into a caller's DC.  Everything
// selected is put back and everything created is deleted.
#include "frame/gdi.h"
#include "frame/module.h"

namespace {

// Bevel widths travel in 32-bit argument slots but only the low 16 bits count.
inline int Width16(int width) { return static_cast<short>(width); }

void OutlineWith(HDC hdc, const RECT *rc, HPEN pen) {
    rz::Select p(hdc, pen);
    rz::Select b(hdc, GetStockObject(NULL_BRUSH));
    Rectangle(hdc, rc->left, rc->top, rc->right, rc->bottom);
}

// Rings nested inwards, lying on the rectangle's own right and bottom values.
void InnerBevel(HDC hdc, const RECT &r, BOOL raised, int width) {
    rz::DrawBevelRings(hdc, raised, width, [&r](int i) {
        return rz::BevelRing{{{r.right - i, r.top + i}, {r.left + i, r.top + i}, {r.left + i, r.bottom - i}},
                             {{r.left + i, r.bottom - i}, {r.right - i, r.bottom - i}, {r.right - i, r.top + i}}};
    });
}

// Rings growing outwards from a control's window rectangle grown by one.
void OuterBevel(HWND dialog, HDC hdc, int id, BOOL raised, int width) {
    HWND control = GetDlgItem(dialog, id);
    RECT wr;
    if (!control || !GetWindowRect(control, &wr))
        return;
    POINT tl = {wr.left, wr.top}, br = {wr.right, wr.bottom};
    ScreenToClient(dialog, &tl);
    ScreenToClient(dialog, &br);
    RECT r;
    SetRect(&r, tl.x, tl.y, br.x, br.y);
    InflateRect(&r, 1, 1);
    rz::DrawBevelRings(hdc, raised, width, [&r](int i) {
        return rz::BevelRing{{{r.right + i, r.top - i}, {r.left - i, r.top - i}, {r.left - i, r.bottom + i}},
                             {{r.left - i, r.bottom + i}, {r.right + i, r.bottom + i}, {r.right + i, r.top - i}}};
    });
}

}  // namespace

extern "C" {

void WINAPI DrawRect(HDC hdc, const RECT *rc) {
    if (rc)
        OutlineWith(hdc, rc, static_cast<HPEN>(GetStockObject(BLACK_PEN)));
}

void WINAPI ExDrawRect(HDC hdc, const RECT *rc, int width) {
    if (!rc)
        return;
    rz::Pen pen(rz::MakeSolidPen(RGB(0, 0, 0), Width16(width)));
    OutlineWith(hdc, rc, pen);
}

void WINAPI DrawRoundRect(HDC hdc, const RECT *rc, int ellipseWidth, int ellipseHeight) {
    if (!rc)
        return;
    rz::Select p(hdc, GetStockObject(BLACK_PEN));
    rz::Select b(hdc, GetStockObject(NULL_BRUSH));
    RoundRect(hdc, rc->left, rc->top, rc->right, rc->bottom, ellipseWidth, ellipseHeight);
}

void WINAPI DrawFrame(HDC hdc, const RECT *rc, BOOL raised, int width) {
    if (rc)
        InnerBevel(hdc, *rc, raised, Width16(width));
}

void WINAPI EdgeDrawRect(HDC hdc, const RECT *rc, BOOL raised, int width) {
    DrawFrame(hdc, rc, raised, width);
}

void WINAPI CtlFrame(HWND dialog, HDC hdc, int id, BOOL raised, int width) {
    OuterBevel(dialog, hdc, id, raised, Width16(width));
}

void WINAPI EdgeDrawCtl(HWND dialog, HDC hdc, int id, BOOL raised, int width) {
    CtlFrame(dialog, hdc, id, raised, width);
}

void WINAPI DrawBitmap(HDC hdc, HBITMAP bitmap, int x, int y, int srcX, int srcY) {
    BITMAP info;
    if (!bitmap || GetObjectA(bitmap, sizeof(info), &info) != sizeof(info))
        return;
    rz::MemoryDC mem(hdc);
    if (!mem)
        return;
    rz::Select keepBitmap(mem, bitmap);
    int oldMode = SetMapMode(mem, GetMapMode(hdc));
    // The bitmap's size in logical units: the distance between two converted
    // corners, so the DC's origins do not change it.
    POINT corners[2] = {{0, 0}, {info.bmWidth, info.bmHeight}};
    DPtoLP(hdc, corners, 2);
    BitBlt(hdc, x, y, corners[1].x - corners[0].x, corners[1].y - corners[0].y, mem, srcX, srcY, SRCCOPY);
    SetMapMode(mem, oldMode);
}

}  // extern "C"
