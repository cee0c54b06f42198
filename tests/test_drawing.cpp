// Rectangle, bevel and bitmap drawing, checked pixel by pixel.
#include <gtest/gtest.h>

#include <functional>

#include "frame/gdi.h"
#include "tests/support.h"

namespace {

const COLORREF kPaper = RGB(10, 120, 250);  // a colour no drawing uses
const COLORREF kInk = RGB(1, 1, 1);

std::string Picture(const rzt::Canvas &c) {
    return rzt::Join(rzt::Grid(c, {{kPaper, '.'}, {rzt::Light(), 'L'}, {rzt::Dark(), 'D'}, {RGB(0, 0, 0), '#'},
                                   {kInk, 'o'}, {RGB(255, 0, 0), 'R'}}));
}

// Each drawing function leaves the DC as it found it and draws exactly
// this picture (controls: child 7 of a dialog, at client pixels 2..11).
TEST(Drawing, Pictures) {
    HWND dialog = CreateWindowExA(0, "Static", "", WS_POPUP, 100, 100, 40, 40, nullptr, nullptr, nullptr, nullptr);
    rzt::CreateChild(dialog, "Static", 0, 2, 2, 10, 10, 7);
    const RECT ten = {0, 0, 10, 10}, six = {1, 1, 7, 7}, outline = {1, 1, 7, 5}, wide = {4, 4, 9, 9};
    const RECT round = {0, 0, 7, 7}, insideOut = {4, 4, 1, 1};
    const struct {
        const char *what;
        int size;
        std::function<void(HDC)> draw;
        std::vector<std::string> picture;
    } cases[] = {
        {"raised frame on right and bottom", 12, [&](HDC dc) { DrawFrame(dc, &ten, TRUE, 1); },
         {"LLLLLLLLLLL.", "L.........D.", "L.........D.", "L.........D.", "L.........D.", "L.........D.",
          "L.........D.", "L.........D.", "L.........D.", "L.........D.", "DDDDDDDDDDD.", "............"}},
        {"sunken rings nest inwards", 9, [&](HDC dc) { EdgeDrawRect(dc, &six, FALSE, 2); },
         {".........", ".DDDDDDD.", ".DDDDDDL.", ".DD...LL.", ".DD...LL.", ".DD...LL.", ".DLLLLLL.", ".LLLLLLL.",
          "........."}},
        {"inside out: the lines run the other way", 6, [&](HDC dc) { DrawFrame(dc, &insideOut, TRUE, 1); },
         {"......", ".DDDD.", ".D..L.", ".D..L.", ".LLLL.", "......"}},
        {"width 0, negative, or 0 / -1 in the low 16 bits", 12,
         [&](HDC dc) {
             for (int width : {0, -1, -5, 0x10000, 0x1FFFF})
                 DrawFrame(dc, &ten, TRUE, width);
         },
         std::vector<std::string>(12, "............")},
        {"outline", 8, [&](HDC dc) { DrawRect(dc, &outline); },
         {"........", ".######.", ".#....#.", ".#....#.", ".######.", "........", "........", "........"}},
        {"a 3-pixel pen centred on the edge, width from the low 16 bits", 12,
         [&](HDC dc) { ExDrawRect(dc, &wide, 0x30003); },
         {"............", "............", "............", "....#####...", "...#######..", "...#######..",
          "...###.###..", "...#######..", "...#######..", "....#####...", "............", "............"}},
        {"rounded corners", 7, [&](HDC dc) { DrawRoundRect(dc, &round, 4, 4); },
         {".#####.", "#.....#", "#.....#", "#.....#", "#.....#", "#.....#", ".#####."}},
        {"control frames grow outwards: a sunken ring 0 over raised rings", 15,
         [&](HDC dc) {
             CtlFrame(dialog, dc, 7, TRUE, 2);
             EdgeDrawCtl(dialog, dc, 7, FALSE, 1);
         },
         {"LLLLLLLLLLLLLLL", "LDDDDDDDDDDDDDD", "LD...........LD", "LD...........LD", "LD...........LD",
          "LD...........LD", "LD...........LD", "LD...........LD", "LD...........LD", "LD...........LD",
          "LD...........LD", "LD...........LD", "LD...........LD", "LLLLLLLLLLLLLLD", "DDDDDDDDDDDDDDD"}},
        {"missing control, dialog or rectangle", 10,
         [&](HDC dc) {
             CtlFrame(dialog, dc, 99, TRUE, 2);
             CtlFrame(nullptr, dc, 7, TRUE, 2);
             DrawRect(dc, nullptr);
             ExDrawRect(dc, nullptr, 2);
             DrawRoundRect(dc, nullptr, 2, 2);
             DrawFrame(dc, nullptr, TRUE, 2);
             DrawBitmap(dc, nullptr, 0, 0, 0, 0);
             DrawBitmap(dc, reinterpret_cast<HBITMAP>(GetStockObject(WHITE_BRUSH)), 0, 0, 0, 0);
         },
         std::vector<std::string>(10, "..........")},
    };
    HPEN pen = CreatePen(PS_DASH, 1, RGB(1, 2, 3));  // not the stock pen the functions select
    for (const auto &k : cases) {
        rzt::Canvas c(k.size, k.size, kPaper);
        HGDIOBJ oldPen = SelectObject(c.dc(), pen);
        rzt::DcState before(c.dc());
        k.draw(c.dc());
        EXPECT_TRUE(rzt::DcState(c.dc()) == before) << k.what;
        EXPECT_EQ(Picture(c), rzt::Join(k.picture)) << k.what;
        SelectObject(c.dc(), oldPen);
    }
    DeleteObject(pen);
    DestroyWindow(dialog);
}

// The whole bitmap lands at (x, y) of the DC's logical space, whatever its
// origins and mapping mode (in MM_LOMETRIC both DCs count in 0.1 mm).
TEST(Drawing, DrawBitmapCoversItsOwnPixels) {
    const struct {
        const char *what;
        int mapMode;
        POINT viewport, window, at, source;
        RECT covered;  // device pixels
    } cases[] = {
        {"plain", MM_TEXT, {0, 0}, {0, 0}, {2, 3}, {0, 0}, {2, 3, 8, 7}},
        {"from a source origin inside: the rest", MM_TEXT, {0, 0}, {0, 0}, {0, 0}, {1, 1}, {0, 0, 5, 3}},
        {"viewport origin", MM_TEXT, {5, 5}, {0, 0}, {0, 0}, {0, 0}, {5, 5, 11, 9}},
        {"window origin", MM_TEXT, {0, 0}, {-3, -2}, {0, 0}, {0, 0}, {3, 2, 9, 6}},
        {"both", MM_TEXT, {4, 1}, {2, 2}, {0, 0}, {0, 0}, {2, -1, 8, 3}},
        {"0.1 mm units", MM_LOMETRIC, {0, 0}, {0, 0}, {0, 0}, {0, 0}, {0, 0, 6, 4}},
    };
    std::vector<DWORD> ink(6 * 4, kInk);
    ink[0] = 0xFF0000;  // red at (0, 0)
    const rz::GdiObject<HBITMAP> bmp(CreateBitmap(6, 4, 1, 32, ink.data()));  // freed on every path
    for (const auto &k : cases) {
        rzt::Canvas c(14, 14, kPaper);
        SetMapMode(c.dc(), k.mapMode);
        SetViewportOrgEx(c.dc(), k.viewport.x, k.viewport.y, nullptr);
        SetWindowOrgEx(c.dc(), k.window.x, k.window.y, nullptr);
        rzt::DcState before(c.dc());
        DrawBitmap(c.dc(), bmp, k.at.x, k.at.y, k.source.x, k.source.y);
        EXPECT_TRUE(rzt::DcState(c.dc()) == before) << k.what;
        for (int y = 0; y < 14; ++y)
            for (int x = 0; x < 14; ++x) {
                const bool corner = k.source.x == 0 && x == k.covered.left && y == k.covered.top;
                const COLORREF want = !PtInRect(&k.covered, POINT{x, y}) ? kPaper : corner ? RGB(255, 0, 0) : kInk;
                ASSERT_EQ(c.At(x, y), want) << k.what << " at " << x << "," << y << "\n" << Picture(c);
            }
    }
}

}  // namespace
