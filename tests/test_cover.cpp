// CoverWindow and PaintCoverWindow: face, texture and edge bevel.
#include <gtest/gtest.h>

#include "tests/support.h"

namespace {

const COLORREF kPaper = RGB(10, 120, 250);
const COLORREF kWhite = RGB(255, 255, 255);

// A hidden window whose client area is exactly w x h.
class CoverTest : public testing::Test {
protected:
    HWND Window(int w, int h) {
        hwnd_ = CreateWindowExA(0, "Static", "", WS_POPUP, 0, 0, w, h, nullptr, nullptr, nullptr, nullptr);
        return hwnd_;
    }
    void TearDown() override { DestroyWindow(hwnd_); }
    HWND hwnd_ = nullptr;
};

// Face over the client area, rings along its edges: raised light on the
// top and left, sunken dark; none for a width of 0 or less (low 16 bits).
TEST_F(CoverTest, FaceAndRings) {
    const struct {
        int width;
        BOOL raised;
        std::vector<std::string> picture;
    } cases[] = {
        {1, TRUE, {"LLLLLLLD", "L......D", "L......D", "L......D", "L......D", "L......D", "LDDDDDDD"}},
        {2, FALSE, {"DDDDDDDL", "DDDDDDLL", "DD....LL", "DD....LL", "DD....LL", "DDLLLLLL", "DLLLLLLL"}},
        {0, TRUE, std::vector<std::string>(7, "........")},
        {-3, TRUE, std::vector<std::string>(7, "........")},
        {0x10000, TRUE, std::vector<std::string>(7, "........")},
    };
    for (const auto &k : cases) {
        rzt::Canvas c(8, 7, kPaper);
        rzt::DcState before(c.dc());
        CoverWindow(Window(8, 7), c.dc(), k.width, k.raised, COVER_NOPATTERN);
        DestroyWindow(hwnd_);
        EXPECT_TRUE(rzt::DcState(c.dc()) == before);
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

TEST_F(CoverTest, TexturesTileFromTheClientOrigin) {
    for (int pattern : {1, 2, 3, 4, 0x10001 /* low 16 bits: 1 */}) {
        SCOPED_TRACE(pattern);
        rzt::Canvas c(70, 45, kPaper);
        rzt::DcState before(c.dc());
        CoverWindow(Window(70, 45), c.dc(), 0, TRUE, pattern);
        EXPECT_TRUE(rzt::DcState(c.dc()) == before);
        DestroyWindow(hwnd_);
        const int p = pattern & 0xFFFF;
        for (int y = 0; y < 45; ++y)
            for (int x = 0; x < 70; ++x)
                ASSERT_EQ(c.At(x, y), TextureBit(p, x, y) ? kWhite : rzt::FaceColour()) << x << "," << y;
    }
    // Set bits take the DC's background colour: face OR black.
    rzt::Canvas c(8, 2, kPaper);
    SetBkColor(c.dc(), RGB(0, 0, 0));
    CoverWindow(Window(8, 2), c.dc(), 0, TRUE, COVER_DOTS);
    EXPECT_EQ(c.At(0, 0), rzt::FaceColour());
}

TEST_F(CoverTest, PaintCoverTexturesOnlyUpToThePaintRectangle) {
    rzt::Canvas c(60, 40, kPaper);
    PAINTSTRUCT ps = {};
    ps.hdc = c.dc();
    SetRect(&ps.rcPaint, 10, 10, 25, 20);
    PaintCoverWindow(Window(60, 40), &ps, 1, TRUE, COVER_DOTS);
    const COLORREF face = rzt::FaceColour();
    for (int y = 1; y < 39; ++y)
        for (int x = 1; x < 59; ++x) {
            bool textured = x < 25 && y < 20 && TextureBit(1, x, y);
            ASSERT_EQ(c.At(x, y), textured ? kWhite : face) << x << "," << y;
        }
    EXPECT_EQ(c.At(0, 10), rzt::Light());
    EXPECT_EQ(c.At(59, 10), rzt::Dark());
    PaintCoverWindow(hwnd_, nullptr, 1, TRUE, 1);  // no paint structure: nothing
}

// A changed face colour: Windows 95 paints with it at once (and replaces
// the shared brush); other platforms keep the fixed grey.  The bevel always
// follows the system colours.
TEST_F(CoverTest, ChangedFaceColour) {
    const int indices[] = {COLOR_3DFACE, COLOR_3DHILIGHT};
    const COLORREF saved[] = {GetSysColor(COLOR_3DFACE), GetSysColor(COLOR_3DHILIGHT)};
    const COLORREF changed[] = {RGB(10, 200, 30), RGB(250, 240, 5)};
    ASSERT_TRUE(SetSysColors(2, indices, changed));
    rzt::Canvas c(10, 10, kPaper);
    CoverWindow(Window(10, 10), c.dc(), 1, TRUE, COVER_NOPATTERN);
    const COLORREF face = rzt::Win95Mode() ? RGB(10, 200, 30) : RGB(192, 192, 192);
    EXPECT_EQ(c.At(5, 5), face);
    EXPECT_EQ(c.At(0, 5), RGB(250, 240, 5));
    LOGBRUSH lb = {};
    GetObjectA(Get3DFaceBrush(), sizeof(lb), &lb);
    EXPECT_EQ(lb.lbColor, face);
    SetSysColors(2, indices, saved);
    CoverWindow(hwnd_, c.dc(), 1, TRUE, COVER_NOPATTERN);  // back to the saved face
    GetObjectA(Get3DFaceBrush(), sizeof(lb), &lb);
    EXPECT_EQ(lb.lbColor, rzt::FaceColour());
}

}  // namespace
