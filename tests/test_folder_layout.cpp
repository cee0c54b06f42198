// The folder's title splitting and geometry, without windows.  The test
// process runs in code page 932, where 0x83 is a lead byte.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controls/folder_layout.h"

namespace {

using namespace rz::folder;

std::vector<std::string> Split(const char *text) {
    Titles t;
    SplitTitles(text, t);
    std::vector<std::string> out;
    for (int i = 0; i < t.count; ++i)
        out.emplace_back(t.At(i), t.Length(i));
    return out;
}

using Strings = std::vector<std::string>;

struct SplitCase {
    const char *name;
    std::string text;
    Strings titles;
};

TEST(FolderTitles, Splitting) {
    const std::string x254(254, 'x');
    const SplitCase cases[] = {
        {"plain", "One|Two|Three", {"One", "Two", "Three"}},
        {"separators at both ends and adjacent", "|A||B|||C|", {"A", "B", "C"}},
        {"only separators", "|||", {}},
        {"empty", "", {}},
        {"second byte 0x7C stays in its title", "\x83\x7C\x83\x7C|B", {"\x83\x7C\x83\x7C", "B"}},
        {"lead byte takes the separator along", "A\x83|B", {"A\x83|B"}},
        {"lone lead byte at the end", "A|\x83", {"A", "\x83"}},
        {"a title beyond byte 255 is cut off", x254 + "|YZ", {x254}},
        {"a character cut at byte 255 leaves its lead byte", x254 + "\x83\x7C", {x254 + "\x83"}},
        {"10,000 bytes give one title of 255", std::string(10000, 'a'), {std::string(255, 'a')}},
    };
    for (const SplitCase &c : cases)
        EXPECT_EQ(Split(c.text.c_str()), c.titles) << c.name;
    EXPECT_EQ(Split(nullptr), Strings{});
}

TEST(FolderTitles, MostTitlesIn255Bytes) {
    std::string text;
    for (int i = 0; i < 200; ++i)
        text += "a|";
    EXPECT_EQ(CountTitles(text.c_str()), kMaxTitles);
}

// 255 bytes without a terminator right before a page that cannot be read.
TEST(FolderTitles, ReadsNoMoreThan255Bytes) {
    SYSTEM_INFO si;
    GetSystemInfo(&si);
    char *pages = static_cast<char *>(VirtualAlloc(nullptr, 2 * si.dwPageSize, MEM_COMMIT, PAGE_READWRITE));
    ASSERT_NE(pages, nullptr);
    DWORD old;
    VirtualProtect(pages + si.dwPageSize, si.dwPageSize, PAGE_NOACCESS, &old);
    char *text = pages + si.dwPageSize - kMaxTextBytes;
    memset(text, 'b', kMaxTextBytes);
    text[100] = '|';
    EXPECT_EQ(CountTitles(text), 2);
    VirtualFree(pages, 0, MEM_RELEASE);
}

TEST(FolderLayout, TabHeight) {
    EXPECT_EQ(TabHeightFromFont(12), 15);
    EXPECT_EQ(TabHeightFromFont(9), 9);
    EXPECT_EQ(TabHeightFromBaseUnits(MAKELONG(8, 16)), 20);
}

// Top tabs with h = 15 start the page at y = 18; the arrow box stands on
// the page's edge on either side.
TEST(FolderLayout, BodyAndArrowBox) {
    for (bool bottom : {false, true}) {
        const Frame f = {200, 100, 15, bottom};
        const RECT body = f.Body(), box = f.ArrowBox();
        if (bottom)
            EXPECT_EQ(box.top, body.bottom - 1);
        else
            EXPECT_EQ(box.bottom, body.top);
        EXPECT_EQ(body.top, bottom ? 0 : 18);
        EXPECT_EQ(box.right - box.left, 33);
        EXPECT_EQ(box.bottom - box.top, 17);
        EXPECT_EQ(box.right, 198);
    }
}

struct PlaceCase {
    const char *name;
    int width, first;
    std::vector<int> widths;
    int placed, lastShown;
    bool overflow;
};

TEST(FolderLayout, Placement) {
    // Each tab is its title plus 2 x 5 pixels.
    const PlaceCase cases[] = {
        {"all fit", 200, 0, {30, 40, 50}, 3, 2, false},
        {"a right edge on W still fits", 150, 0, {30, 40, 50}, 3, 2, false},
        {"the third runs out of room", 149, 0, {30, 40, 50}, 2, 1, true},
        {"scrolled: first shown is not 0", 200, 1, {30, 40, 50}, 2, 2, true},
        {"first tab wider than the window", 20, 0, {30, 40}, 0, -1, true},
        {"scrolled beyond a shortened text", 200, 5, {30, 40, 50}, 0, 2, true},
        {"no titles", 200, 0, {}, 0, -1, false},
    };
    for (const PlaceCase &c : cases) {
        const Placement p = PlaceTabs(Frame{c.width, 100, 15, false}, c.widths.data(),
                                      static_cast<int>(c.widths.size()), c.first, 5, Use::Paint);
        EXPECT_EQ(p.placed, c.placed) << c.name;
        EXPECT_EQ(p.lastShown, c.lastShown) << c.name;
        EXPECT_EQ(p.overflow, c.overflow) << c.name;
    }
}

TEST(FolderLayout, PaintedTabsShareAnOutlineHitTestedOnesOverlapByOne) {
    const int widths[] = {30, 40};
    const Frame f = {200, 100, 15, true};
    const Placement paint = PlaceTabs(f, widths, 2, 0, 5, Use::Paint);
    const Placement hit = PlaceTabs(f, widths, 2, 0, 5, Use::HitTest);
    EXPECT_EQ(paint.tabs[0].left, -2);
    EXPECT_EQ(paint.tabs[1].left, 38);
    EXPECT_EQ(paint.tabs[1].right, 90);
    EXPECT_EQ(paint.tabs[1].top, f.Strip().top);
    EXPECT_EQ(hit.tabs[1].left, 39);

    struct Hit {
        POINT pt;
        int tab;
    };
    const int y = f.Strip().top + 5;
    const Hit hits[] = {{{0, y}, 0}, {{39, y}, 0}, {{40, y}, 1}, {{89, y}, 1}, {{90, y}, -1},
                        {{10, f.Strip().top - 1}, -1}, {{10, 99}, 0}};
    for (const Hit &h : hits)
        EXPECT_EQ(hit.HitTab(h.pt), h.tab) << h.pt.x << "," << h.pt.y;
}

TEST(FolderLayout, ArrowsAndScrolling) {
    const Frame f = {200, 100, 15, false};  // box (165, 1) - (198, 18)
    struct Case {
        int x, y;
        Arrow arrow;
    };
    for (const Case &c : {Case{165, 5, Arrow::Left}, Case{180, 5, Arrow::Left}, Case{181, 5, Arrow::Right},
                          Case{197, 17, Arrow::Right}, Case{198, 5, Arrow::None}, Case{170, 0, Arrow::None},
                          Case{164, 5, Arrow::None}})
        EXPECT_EQ(HitArrow(f, POINT{c.x, c.y}), c.arrow) << c.x << "," << c.y;

    struct Step {
        int first, lastShown, count;
        Arrow arrow;
        int next;
    };
    const Step steps[] = {
        {0, 2, 5, Arrow::Left, 0},   {2, 4, 5, Arrow::Left, 1},  {0, 2, 5, Arrow::Right, 1},
        {3, 4, 5, Arrow::Right, 3},  // the last tab is shown
        {4, 3, 5, Arrow::Right, 4},  // never beyond the last tab
        {0, -1, 0, Arrow::Right, 0},
    };
    for (const Step &s : steps)
        EXPECT_EQ(Scroll(s.first, s.lastShown, s.count, s.arrow), s.next) << s.first << " " << s.lastShown;
}

}  // namespace
