// CoverWindow and PaintCoverWindow: face, texture and edge bevel.
#include <gtest/gtest.h>

#include "tests/support.h"

namespace {

const COLORREF kPaper = RGB(10, 120, 250);
const COLORREF kWhite = RGB(255, 255, 255);

// Covers a hidden window whose client area is the canvas, painting the
// rectangle `paint` when there is one; the DC is left as it was.
void Cover(const rzt::Canvas &c, int width, BOOL raised, int pattern, const RECT *paint = nullptr) {
    HWND hwnd = CreateWindowExA(0, "Static", "", WS_POPUP, 0, 0, c.width(), c.height(), nullptr, nullptr, nullptr,
                                nullptr);
    rzt::DcState before(c.dc());
    PAINTSTRUCT ps = {c.dc(), FALSE, paint ? *paint : RECT{}, FALSE, FALSE, {}};
    if (paint)
        PaintCoverWindow(hwnd, &ps, width, raised, pattern);
    else
        CoverWindow(hwnd, c.dc(), width, raised, pattern);
    PaintCoverWindow(hwnd, nullptr, width, raised, pattern);  // no paint structure: nothing
    DestroyWindow(hwnd);
    EXPECT_TRUE(rzt::DcState(c.dc()) == before);
}

// Face over the client area, rings along its edges: raised light on the
// top and left, sunken dark; none for a width of 0 or less (low 16 bits).
TEST(Cover, FaceAndRings) {
    const struct {
        int width;
        BOOL raised;
        std::vector<std::string> picture;
    } cases[] = {
        {1, TRUE, {"LLLLLLLD", "L......D", "L......D", "L......D", "L......D", "L......D", "LDDDDDDD"}},
        {2, FALSE, {"DDDDDDDL", "DDDDDDLL", "DD....LL", "DD....LL", "DD....LL", "DDLLLLLL", "DLLLLLLL"}},
        {-3, TRUE, std::vector<std::string>(7, "........")},
        {0x10000, TRUE, std::vector<std::string>(7, "........")},
    };
    for (const auto &k : cases) {
        rzt::Canvas c(8, 7, kPaper);
        Cover(c, k.width, k.raised, COVER_NOPATTERN);
        EXPECT_EQ(rzt::Join(rzt::Grid(c, {{rzt::FaceColour(), '.'}, {rzt::Light(), 'L'}, {rzt::Dark(), 'D'}})),
                  rzt::Join(k.picture))
            << k.width;
    }
}

// Which client pixels each texture turns white.
bool TextureBit(int pattern, int x, int y) {
    switch (pattern) {
    case 1: return x % 2 == 0 && y % 2 == 0;
    case 2: return (y % 2 == 0) ? (x % 4 == 0 || x % 4 == 3) : (x % 4 == 1 || x % 4 == 2);
    case 3: return x % 4 < 2 && y % 4 < 2;
    default: return false;
    }
}

// Textures tile from the client origin (pattern from the low 16 bits),
// when painting only up to the paint rectangle's right and bottom.  Set
// bits take the DC's background colour: face OR black is the face.
TEST(Cover, TexturesTileFromTheClientOrigin) {
    const struct {
        int pattern;
        LONG right, bottom;  // of the paint rectangle; 0: CoverWindow
        COLORREF bk;
    } cases[] = {{1, 0, 0, kWhite},          {2, 0, 0, kWhite},           {3, 0, 0, kWhite},
                 {4, 0, 0, kWhite},          {0x10001, 0, 0, kWhite},     {COVER_DOTS, 25, 20, kWhite},
                 {COVER_DOTS, 0, 0, RGB(0, 0, 0)}};
    for (const auto &k : cases) {
        rzt::Canvas c(70, 45, kPaper);
        SetBkColor(c.dc(), k.bk);
        const RECT paint = {10, 10, k.right, k.bottom};
        Cover(c, 1, TRUE, k.pattern, k.right ? &paint : nullptr);
        EXPECT_EQ(c.At(0, 10), rzt::Light()) << k.pattern;
        EXPECT_EQ(c.At(69, 10), rzt::Dark()) << k.pattern;
        const COLORREF set = k.bk == kWhite ? kWhite : rzt::FaceColour();
        for (int y = 1; y < 44; ++y)
            for (int x = 1; x < 69; ++x) {
                const bool painted = !k.right || (x < k.right && y < k.bottom);
                ASSERT_EQ(c.At(x, y), painted && TextureBit(k.pattern & 0xFFFF, x, y) ? set : rzt::FaceColour())
                    << k.pattern << " at " << x << "," << y;
            }
    }
}

// A changed face colour: Windows 95 paints with it at once (and replaces
// the shared brush); other platforms keep the fixed grey.  The bevel always
// follows the system colours.
TEST(Cover, ChangedFaceColour) {
    const int indices[] = {COLOR_3DFACE, COLOR_3DHILIGHT};
    const COLORREF saved[] = {GetSysColor(COLOR_3DFACE), GetSysColor(COLOR_3DHILIGHT)};
    const COLORREF changed[] = {RGB(10, 200, 30), RGB(250, 240, 5)};
    ASSERT_TRUE(SetSysColors(2, indices, changed));
    rzt::Canvas c(10, 10, kPaper);
    Cover(c, 1, TRUE, COVER_NOPATTERN);
    const COLORREF face = rzt::Win95Mode() ? RGB(10, 200, 30) : RGB(192, 192, 192);
    EXPECT_EQ(c.At(5, 5), face);
    EXPECT_EQ(c.At(0, 5), RGB(250, 240, 5));
    LOGBRUSH lb = {};
    GetObjectA(Get3DFaceBrush(), sizeof(lb), &lb);
    EXPECT_EQ(lb.lbColor, face);
    SetSysColors(2, indices, saved);
    Cover(c, 1, TRUE, COVER_NOPATTERN);  // back to the saved face
    GetObjectA(Get3DFaceBrush(), sizeof(lb), &lb);
    EXPECT_EQ(lb.lbColor, rzt::FaceColour());
}

}  // namespace
