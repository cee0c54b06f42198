// Rectangle, bevel and bitmap drawing, checked pixel by pixel.
#include <gtest/gtest.h>

#include "tests/support.h"

namespace {

const COLORREF kPaper = RGB(10, 120, 250);  // a colour no drawing uses

std::vector<rzt::Legend> Bevels() {
    return {{kPaper, '.'}, {rzt::Light(), 'L'}, {rzt::Dark(), 'D'}, {RGB(0, 0, 0), '#'}};
}

TEST(DrawFrame, RaisedRingLiesOnRightAndBottom) {
    rzt::Canvas c(12, 12, kPaper);
    RECT r = {0, 0, 10, 10};
    DrawFrame(c.dc(), &r, TRUE, 1);
    EXPECT_EQ(rzt::Join(rzt::Grid(c, Bevels())), rzt::Join({
        "LLLLLLLLLLL.",
        "L.........D.",
        "L.........D.",
        "L.........D.",
        "L.........D.",
        "L.........D.",
        "L.........D.",
        "L.........D.",
        "L.........D.",
        "L.........D.",
        "DDDDDDDDDDD.",
        "............",
    }));
}

TEST(DrawFrame, SunkenRingsNestInwards) {
    rzt::Canvas c(9, 9, kPaper);
    RECT r = {1, 1, 7, 7};
    EdgeDrawRect(c.dc(), &r, FALSE, 2);
    EXPECT_EQ(rzt::Join(rzt::Grid(c, Bevels())), rzt::Join({
        ".........",
        ".DDDDDDD.",
        ".DDDDDDL.",
        ".DD...LL.",
        ".DD...LL.",
        ".DD...LL.",
        ".DLLLLLL.",
        ".LLLLLLL.",
        ".........",
    }));
}

TEST(DrawFrame, WidthZeroOrNegativeDrawsNothing) {
    for (int width : {0, -1, -5, 0x10000 /* low 16 bits: 0 */, 0x1FFFF /* low 16 bits: -1 */}) {
        rzt::Canvas c(12, 12, kPaper);
        RECT r = {0, 0, 10, 10};
        rzt::DcState before(c.dc());
        DrawFrame(c.dc(), &r, TRUE, width);
        EXPECT_TRUE(rzt::DcState(c.dc()) == before);
        EXPECT_EQ(rzt::Join(rzt::Grid(c, {{kPaper, '.'}})).find_first_not_of(".\n"), std::string::npos) << width;
    }
}

TEST(DrawFrame, LeavesTheDcAsFound) {
    rzt::Canvas c(40, 40, kPaper);
    HPEN pen = CreatePen(PS_DASH, 1, RGB(1, 2, 3));
    HBRUSH brush = CreateSolidBrush(RGB(4, 5, 6));
    HGDIOBJ oldPen = SelectObject(c.dc(), pen), oldBrush = SelectObject(c.dc(), brush);
    rzt::DcState before(c.dc());
    RECT r = {2, 2, 30, 30};
    DrawFrame(c.dc(), &r, TRUE, 3);
    DrawRect(c.dc(), &r);
    ExDrawRect(c.dc(), &r, 3);
    DrawRoundRect(c.dc(), &r, 6, 6);
    EXPECT_TRUE(rzt::DcState(c.dc()) == before);
    SelectObject(c.dc(), oldPen);
    SelectObject(c.dc(), oldBrush);
    DeleteObject(pen);
    DeleteObject(brush);
}

TEST(DrawRect, OutlinesWithoutTouchingTheInterior) {
    rzt::Canvas c(8, 6, kPaper);
    RECT r = {1, 1, 7, 5};
    DrawRect(c.dc(), &r);
    EXPECT_EQ(rzt::Join(rzt::Grid(c, Bevels())), rzt::Join({
        "........",
        ".######.",
        ".#....#.",
        ".#....#.",
        ".######.",
        "........",
    }));
    c.Fill(kPaper);
    RECT big = {0, 0, 20, 20};
    rzt::Canvas round(20, 20, kPaper);
    DrawRoundRect(round.dc(), &big, 8, 8);
    EXPECT_EQ(round.At(10, 10), kPaper);
    EXPECT_EQ(round.At(10, 0), RGB(0, 0, 0));
    EXPECT_EQ(round.At(0, 0), kPaper);  // the corner is rounded off
}

TEST(DrawRect, ExDrawRectUsesAWidePen) {
    rzt::Canvas c(20, 20, kPaper);
    RECT r = {4, 4, 16, 16};
    ExDrawRect(c.dc(), &r, 3);
    EXPECT_EQ(c.At(10, 3), RGB(0, 0, 0));  // a 3-pixel pen centred on the edge
    EXPECT_EQ(c.At(10, 5), RGB(0, 0, 0));
    EXPECT_EQ(c.At(10, 10), kPaper);
    EXPECT_EQ(c.At(10, 1), kPaper);
}

TEST(DrawFrame, InsideOutRectangles) {
    // right < left and bottom < top: the lines simply run the other way.
    rzt::Canvas c(6, 6, kPaper);
    RECT r = {4, 4, 1, 1};
    DrawFrame(c.dc(), &r, TRUE, 1);
    EXPECT_EQ(c.At(4, 2), rzt::Light());
    EXPECT_EQ(c.At(1, 2), rzt::Dark());
    DrawFrame(c.dc(), &r, TRUE, 40);  // more rings than the rectangle holds
}

TEST(DrawRect, NullRectanglesDrawNothing) {
    rzt::Canvas c(4, 4, kPaper);
    DrawRect(c.dc(), nullptr);
    ExDrawRect(c.dc(), nullptr, 2);
    DrawRoundRect(c.dc(), nullptr, 2, 2);
    DrawFrame(c.dc(), nullptr, TRUE, 2);
    EXPECT_EQ(c.At(0, 0), kPaper);
}

// CtlFrame around a child occupying client pixels 10..19.
class CtlFrameTest : public testing::Test {
protected:
    void SetUp() override {
        dialog_ = CreateWindowExA(0, "Static", "", WS_POPUP, 100, 100, 40, 40, nullptr, nullptr, nullptr, nullptr);
        HWND child = CreateWindowExA(0, "Static", "", WS_CHILD | WS_VISIBLE, 10, 10, 10, 10, dialog_,
                                     reinterpret_cast<HMENU>(7), nullptr, nullptr);
        ASSERT_NE(child, nullptr);
    }
    void TearDown() override { DestroyWindow(dialog_); }
    HWND dialog_ = nullptr;
};

TEST_F(CtlFrameTest, RingsGrowOutwards) {
    rzt::Canvas c(30, 30, kPaper);
    CtlFrame(dialog_, c.dc(), 7, TRUE, 2);
    auto g = rzt::Grid(c, Bevels(), 6, 6, 19, 19);
    EXPECT_EQ(rzt::Join(g), rzt::Join({
        "...................",
        "...................",
        "..LLLLLLLLLLLLLLL..",
        "..LLLLLLLLLLLLLLD..",
        "..LL...........DD..",
        "..LL...........DD..",
        "..LL...........DD..",
        "..LL...........DD..",
        "..LL...........DD..",
        "..LL...........DD..",
        "..LL...........DD..",
        "..LL...........DD..",
        "..LL...........DD..",
        "..LL...........DD..",
        "..LL...........DD..",
        "..LDDDDDDDDDDDDDD..",
        "..DDDDDDDDDDDDDDD..",
        "...................",
        "...................",
    }));
    // Ring 0 on x = 9 and 21, ring 1 on x = 8 and 22.
}

TEST_F(CtlFrameTest, EdgeDrawCtlIsTheSameAndIgnoresMissingControls) {
    rzt::Canvas a(30, 30, kPaper), b(30, 30, kPaper);
    CtlFrame(dialog_, a.dc(), 7, FALSE, 1);
    EdgeDrawCtl(dialog_, b.dc(), 7, FALSE, 1);
    EXPECT_EQ(rzt::Join(rzt::Grid(a, Bevels())), rzt::Join(rzt::Grid(b, Bevels())));
    EXPECT_EQ(a.At(9, 15), rzt::Dark());
    EXPECT_EQ(a.At(21, 15), rzt::Light());
    rzt::Canvas c(30, 30, kPaper);
    CtlFrame(dialog_, c.dc(), 99, TRUE, 2);  // no such control
    CtlFrame(nullptr, c.dc(), 7, TRUE, 2);
    EXPECT_EQ(c.At(9, 9), kPaper);
}

// A bitmap holding the canvas's picture.
HBITMAP BitmapOf(const rzt::Canvas &src) {
    HBITMAP bmp = CreateCompatibleBitmap(src.dc(), src.width(), src.height());
    HDC m = CreateCompatibleDC(src.dc());
    HGDIOBJ o = SelectObject(m, bmp);
    BitBlt(m, 0, 0, src.width(), src.height(), src.dc(), 0, 0, SRCCOPY);
    SelectObject(m, o);
    DeleteDC(m);
    return bmp;
}

TEST(DrawBitmap, CopiesTheWholeBitmap) {
    // A 3 x 2 bitmap of distinct colours.
    rzt::Canvas src(3, 2, RGB(1, 1, 1));
    SetPixel(src.dc(), 0, 0, RGB(255, 0, 0));
    SetPixel(src.dc(), 2, 1, RGB(0, 255, 0));
    HBITMAP bmp = BitmapOf(src);
    rzt::Canvas c(8, 6, kPaper);
    rzt::DcState before(c.dc());
    DrawBitmap(c.dc(), bmp, 2, 3, 0, 0);
    EXPECT_TRUE(rzt::DcState(c.dc()) == before);
    EXPECT_EQ(rzt::Join(rzt::Grid(c, {{kPaper, '.'}, {RGB(1, 1, 1), 'o'}, {RGB(255, 0, 0), 'R'},
                                      {RGB(0, 255, 0), 'G'}})),
              rzt::Join({
                  "........",
                  "........",
                  "........",
                  "..Roo...",
                  "..ooG...",
                  "........",
              }));
    // From a source origin inside the bitmap the block keeps the full size.
    c.Fill(kPaper);
    DrawBitmap(c.dc(), bmp, 0, 0, 1, 1);
    EXPECT_EQ(c.At(1, 0), RGB(0, 255, 0));
    DeleteObject(bmp);
}

TEST(DrawBitmap, SizeIsConvertedToLogicalUnits) {
    // In MM_LOMETRIC both DCs count in 0.1 mm: the bitmap's pixel size is
    // converted to that unit, so the copy still covers its own pixels.
    HBITMAP bmp = BitmapOf(rzt::Canvas(10, 6, RGB(1, 1, 1)));
    rzt::Canvas c(20, 12, kPaper);
    SetMapMode(c.dc(), MM_LOMETRIC);
    DrawBitmap(c.dc(), bmp, 0, 0, 0, 0);
    EXPECT_EQ(GetMapMode(c.dc()), MM_LOMETRIC);
    const std::string picture = rzt::Join(rzt::Grid(c, {{kPaper, '.'}, {RGB(1, 1, 1), 'o'}}, 0, 0, 12, 8));
    EXPECT_EQ(c.At(8, 4), RGB(1, 1, 1)) << picture;
    EXPECT_EQ(c.At(11, 2), kPaper) << picture;
    EXPECT_EQ(c.At(3, 7), kPaper) << picture;
    DeleteObject(bmp);
}

TEST(DrawBitmap, OriginsMoveTheBlockNotItsSize) {
    HBITMAP bmp = BitmapOf(rzt::Canvas(6, 6, RGB(1, 1, 1)));
    struct Case {
        const char *what;
        POINT viewport, window;
        RECT expected;  // device pixels covered
    };
    const Case cases[] = {
        {"viewport origin", {5, 5}, {0, 0}, {5, 5, 11, 11}},
        {"window origin", {0, 0}, {-3, -2}, {3, 2, 9, 8}},
        {"both", {4, 1}, {2, 2}, {2, -1, 8, 5}},
    };
    for (const Case &k : cases) {
        rzt::Canvas c(14, 14, kPaper);
        SetViewportOrgEx(c.dc(), k.viewport.x, k.viewport.y, nullptr);
        SetWindowOrgEx(c.dc(), k.window.x, k.window.y, nullptr);
        DrawBitmap(c.dc(), bmp, 0, 0, 0, 0);
        for (int y = 0; y < 14; ++y)
            for (int x = 0; x < 14; ++x) {
                const POINT p = {x, y};
                ASSERT_EQ(c.At(x, y), PtInRect(&k.expected, p) ? RGB(1, 1, 1) : kPaper)
                    << k.what << " at " << x << "," << y;
            }
    }
    DeleteObject(bmp);
}

TEST(DrawBitmap, NullBitmapDrawsNothing) {
    rzt::Canvas c(4, 4, kPaper);
    DrawBitmap(c.dc(), nullptr, 0, 0, 0, 0);
    DrawBitmap(c.dc(), reinterpret_cast<HBITMAP>(GetStockObject(WHITE_BRUSH)), 0, 0, 0, 0);
    EXPECT_EQ(c.At(0, 0), kPaper);
}

}  // namespace
