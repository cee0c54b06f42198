// The library's plate look for a window's background: face fill, an
// optional fine white texture and a bevel along the client edges.
#include "frame/gdi.h"
#include "frame/module.h"

namespace {

constexpr int kTile = 32;                      // pattern tiles are 32 x 32
constexpr int kTileBytes = kTile * kTile / 8;  // 4 bytes a row

// Row bytes of the three textures: a pair of rows repeats for patterns 1
// and 2; pattern 3 repeats every four rows.
BYTE TextureByte(int pattern, int row) {
    switch (pattern) {
    case 1: return (row % 2 == 0) ? 0xAA : 0x00;
    case 2: return (row % 2 == 0) ? 0x99 : 0x66;
    case 3: return (row % 4 < 2) ? 0xCC : 0x00;
    default: return 0;
    }
}

// Lays pattern over (0, 0, width, height) of hdc with SRCPAINT: set bits
// take the DC's background colour (white by default), clear bits leave it.
void Texture(HDC hdc, int width, int height, int pattern) {
    if (pattern < 1 || pattern > 3 || width <= 0 || height <= 0)
        return;
    WORD bits[kTileBytes / 2];
    BYTE *bytes = reinterpret_cast<BYTE *>(bits);
    for (int row = 0; row < kTile; ++row)
        for (int col = 0; col < kTile / 8; ++col)
            bytes[row * (kTile / 8) + col] = TextureByte(pattern, row);
    rz::Bitmap tile(CreateBitmap(kTile, kTile, 1, 1, bits));
    rz::Brush brush(CreatePatternBrush(tile));
    rz::MemoryDC mem(nullptr);
    rz::Bitmap canvas(CreateCompatibleBitmap(mem, width, height));  // monochrome
    if (!tile || !brush || !mem || !canvas)
        return;
    {
        rz::Select keepBitmap(mem, canvas);
        rz::Select keepBrush(mem, brush);
        for (int r = 0; r <= height / kTile; ++r)
            for (int c = 0; c <= width / kTile; ++c)
                PatBlt(mem, c * kTile, r * kTile, kTile, kTile, PATCOPY);
        BitBlt(hdc, 0, 0, width, height, mem, 0, 0, SRCPAINT);
    }
}

// Rings along the client edges: ring i on row and column i in the first
// colour, on row H-i-1 and column W-i-1 in the second.
void EdgeBevel(HDC hdc, int w, int h, BOOL raised, int width) {
    rz::DrawBevelRings(hdc, raised, width, [w, h](int i) {
        return rz::BevelRing{{{w - i - 1, i}, {i, i}, {i, h - i}},
                             {{i + 1, h - i - 1}, {w - i - 1, h - i - 1}, {w - i - 1, i - 1}}};
    });
}

// Face over the whole client area; the texture up to `textureArea`'s right
// and bottom, or over the client area when it is null.
void Cover(HWND hwnd, HDC hdc, const RECT *textureArea, int width, BOOL raised, int pattern) {
    RECT client = {};
    GetClientRect(hwnd, &client);
    if (!textureArea)
        textureArea = &client;
    FillRect(hdc, &client, rz::FaceBrush());  // a colour change shows at the next paint
    Texture(hdc, textureArea->right, textureArea->bottom, static_cast<WORD>(pattern));
    EdgeBevel(hdc, client.right, client.bottom, raised, static_cast<short>(width));
}

}  // namespace

extern "C" {

void WINAPI CoverWindow(HWND hwnd, HDC hdc, int width, BOOL raised, int pattern) {
    Cover(hwnd, hdc, nullptr, width, raised, pattern);
}

void WINAPI PaintCoverWindow(HWND hwnd, const PAINTSTRUCT *ps, int width, BOOL raised, int pattern) {
    if (ps)
        Cover(hwnd, ps->hdc, &ps->rcPaint, width, raised, pattern);
}

}  // extern "C"
