// Rectangle, bevel and bitmap drawing, checked pixel by pixel.
#include <gtest/gtest.h>

#include <functional>

#include "tests/support.h"

namespace {

const COLORREF kPaper = RGB(10, 120, 250);  // a colour no drawing uses
const COLORREF kInk = RGB(1, 1, 1);

std::string Picture(const rzt::Canvas &c, int x0 = 0, int y0 = 0, int w = -1, int h = -1) {
    return rzt::Join(rzt::Grid(c,
                               {{kPaper, '.'}, {rzt::Light(), 'L'}, {rzt::Dark(), 'D'}, {RGB(0, 0, 0), '#'},
                                {kInk, 'o'}, {RGB(255, 0, 0), 'R'}},
                               x0, y0, w, h));
}

// A dialog whose child 7 occupies client pixels 10..19 each way.
struct Dialog {
    Dialog() {
        hwnd = CreateWindowExA(0, "Static", "", WS_POPUP, 100, 100, 40, 40, nullptr, nullptr, nullptr, nullptr);
        CreateWindowExA(0, "Static", "", WS_CHILD | WS_VISIBLE, 10, 10, 10, 10, hwnd, reinterpret_cast<HMENU>(7),
                        nullptr, nullptr);
    }
    ~Dialog() { DestroyWindow(hwnd); }
    HWND hwnd;
};

// Each drawing function leaves the DC as it found it and draws exactly
// this picture.
TEST(Drawing, Pictures) {
    Dialog dialog;
    struct Case {
        const char *what;
        int size;
        std::function<void(HDC)> draw;
        std::vector<std::string> picture;
        int x0 = 0, y0 = 0, w = -1, h = -1;
    };
    const RECT ten = {0, 0, 10, 10}, six = {1, 1, 7, 7}, outline = {1, 1, 7, 5}, wide = {4, 4, 9, 9};
    const Case cases[] = {
        {"raised frame on right and bottom", 12, [&](HDC dc) { DrawFrame(dc, &ten, TRUE, 1); },
         {"LLLLLLLLLLL.", "L.........D.", "L.........D.", "L.........D.", "L.........D.", "L.........D.",
          "L.........D.", "L.........D.", "L.........D.", "L.........D.", "DDDDDDDDDDD.", "............"}},
        {"sunken rings nest inwards", 9, [&](HDC dc) { EdgeDrawRect(dc, &six, FALSE, 2); },
         {".........", ".DDDDDDD.", ".DDDDDDL.", ".DD...LL.", ".DD...LL.", ".DD...LL.", ".DLLLLLL.", ".LLLLLLL.",
          "........."}},
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
        {"control frame grows outwards", 30, [&](HDC dc) { CtlFrame(dialog.hwnd, dc, 7, TRUE, 2); },
         {"LLLLLLLLLLLLLLL", "LLLLLLLLLLLLLLD", "LL...........DD", "LL...........DD", "LL...........DD",
          "LL...........DD", "LL...........DD", "LL...........DD", "LL...........DD", "LL...........DD",
          "LL...........DD", "LL...........DD", "LL...........DD", "LDDDDDDDDDDDDDD", "DDDDDDDDDDDDDDD"},
         8, 8, 15, 15},
        {"EdgeDrawCtl sunken", 30, [&](HDC dc) { EdgeDrawCtl(dialog.hwnd, dc, 7, FALSE, 1); },
         {"DDDDDDDDDDDDD", "D...........L", "D...........L", "D...........L", "D...........L", "D...........L",
          "D...........L", "D...........L", "D...........L", "D...........L", "D...........L", "D...........L",
          "LLLLLLLLLLLLL"},
         9, 9, 13, 13},
        {"missing control, dialog or rectangle", 10,
         [&](HDC dc) {
             CtlFrame(dialog.hwnd, dc, 99, TRUE, 2);
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
    for (const Case &k : cases) {
        rzt::Canvas c(k.size, k.size, kPaper);
        HPEN pen = CreatePen(PS_DASH, 1, RGB(1, 2, 3));
        HGDIOBJ oldPen = SelectObject(c.dc(), pen);
        rzt::DcState before(c.dc());
        k.draw(c.dc());
        EXPECT_TRUE(rzt::DcState(c.dc()) == before) << k.what;
        EXPECT_EQ(Picture(c, k.x0, k.y0, k.w, k.h), rzt::Join(k.picture)) << k.what;
        SelectObject(c.dc(), oldPen);
        DeleteObject(pen);
    }
}

TEST(Drawing, RoundRectAndInsideOutRectangles) {
    rzt::Canvas round(20, 20, kPaper);
    const RECT big = {0, 0, 20, 20};
    DrawRoundRect(round.dc(), &big, 8, 8);
    EXPECT_EQ(round.At(10, 10), kPaper);
    EXPECT_EQ(round.At(10, 0), RGB(0, 0, 0));
    EXPECT_EQ(round.At(0, 0), kPaper);  // the corner is rounded off
    // right < left and bottom < top: the lines simply run the other way.
    rzt::Canvas c(6, 6, kPaper);
    const RECT r = {4, 4, 1, 1};
    DrawFrame(c.dc(), &r, TRUE, 1);
    EXPECT_EQ(c.At(4, 2), rzt::Light());
    EXPECT_EQ(c.At(1, 2), rzt::Dark());
    DrawFrame(c.dc(), &r, TRUE, 40);  // more rings than the rectangle holds
}

// A bitmap of `w` x `h` ink pixels, red at (0, 0).
HBITMAP InkBitmap(int w, int h) {
    rzt::Canvas src(w, h, kInk);
    SetPixel(src.dc(), 0, 0, RGB(255, 0, 0));
    HBITMAP bmp = CreateCompatibleBitmap(src.dc(), w, h);
    HDC m = CreateCompatibleDC(src.dc());
    HGDIOBJ o = SelectObject(m, bmp);
    BitBlt(m, 0, 0, w, h, src.dc(), 0, 0, SRCCOPY);
    SelectObject(m, o);
    DeleteDC(m);
    return bmp;
}

// The whole bitmap lands at (x, y) of the DC's logical space, whatever its
// origins and mapping mode; the mapping mode is kept.
TEST(Drawing, DrawBitmapCoversItsOwnPixels) {
    struct Case {
        const char *what;
        int mapMode;
        POINT viewport, window, at, source;
        RECT covered;  // device pixels
    };
    const Case cases[] = {
        {"plain", MM_TEXT, {0, 0}, {0, 0}, {2, 3}, {0, 0}, {2, 3, 8, 7}},
        {"from a source origin inside: the rest", MM_TEXT, {0, 0}, {0, 0}, {0, 0}, {1, 1}, {0, 0, 5, 3}},
        {"viewport origin", MM_TEXT, {5, 5}, {0, 0}, {0, 0}, {0, 0}, {5, 5, 11, 9}},
        {"window origin", MM_TEXT, {0, 0}, {-3, -2}, {0, 0}, {0, 0}, {3, 2, 9, 6}},
        {"both", MM_TEXT, {4, 1}, {2, 2}, {0, 0}, {0, 0}, {2, -1, 8, 3}},
    };
    HBITMAP bmp = InkBitmap(6, 4);
    for (const Case &k : cases) {
        rzt::Canvas c(14, 14, kPaper);
        SetMapMode(c.dc(), k.mapMode);
        SetViewportOrgEx(c.dc(), k.viewport.x, k.viewport.y, nullptr);
        SetWindowOrgEx(c.dc(), k.window.x, k.window.y, nullptr);
        DrawBitmap(c.dc(), bmp, k.at.x, k.at.y, k.source.x, k.source.y);
        EXPECT_EQ(GetMapMode(c.dc()), k.mapMode);
        for (int y = 0; y < 14; ++y)
            for (int x = 0; x < 14; ++x) {
                const POINT p = {x, y};
                ASSERT_EQ(c.At(x, y) != kPaper, PtInRect(&k.covered, p) != FALSE)
                    << k.what << " at " << x << "," << y << "\n" << Picture(c);
            }
        if (k.source.x == 0 && k.covered.top >= 0) {
            EXPECT_EQ(c.At(k.covered.left, k.covered.top), RGB(255, 0, 0)) << k.what;
        }
    }
    DeleteObject(bmp);
    // In MM_LOMETRIC both DCs count in 0.1 mm: the copy still covers the
    // bitmap's own pixels.
    bmp = InkBitmap(10, 6);
    rzt::Canvas c(20, 12, kPaper);
    SetMapMode(c.dc(), MM_LOMETRIC);
    DrawBitmap(c.dc(), bmp, 0, 0, 0, 0);
    EXPECT_EQ(c.At(8, 4), kInk) << Picture(c);
    EXPECT_EQ(c.At(11, 2), kPaper);
    EXPECT_EQ(c.At(3, 7), kPaper);
    DeleteObject(bmp);
}

}  // namespace
