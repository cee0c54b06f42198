// The folder's titles and geometry as functions of plain values: painting,
// hit testing and font changes share them, and tests check them without
// windows.
#pragma once

#include <windows.h>

namespace rz {
namespace folder {

// Only the first 255 bytes of the window text hold titles; separated by
// '|', empty titles skipped, so 255 bytes hold at most 128 titles.
constexpr int kMaxTextBytes = 255;
constexpr int kMaxTitles = (kMaxTextBytes + 1) / 2;

// The titles of one window text, split afresh for every use.
struct Titles {
    struct Title {
        int start, length;  // bytes within text
    };
    char text[kMaxTextBytes + 1];
    int count;
    Title items[kMaxTitles];

    const char *At(int i) const { return text + items[i].start; }
    int Length(int i) const { return items[i].length; }
};

// Splits at most kMaxTextBytes bytes of `text` (NULL: no titles).  A lead
// byte of the process's multibyte code page takes the byte after it along,
// so a double-byte character whose second byte is '|' stays in its title;
// a lead byte that ends the text stands alone.
void SplitTitles(const char *text, Titles &titles);
int CountTitles(const char *text);

// Tab height from the height of "X" in the control's font, or from the
// dialog base units when the control has no font.
constexpr int TabHeightFromFont(int cy) { return cy + (cy / 10) * 3; }
constexpr int TabHeightFromBaseUnits(LONG baseUnits) { return (HIWORD(baseUnits) * 10) / 8; }

// The client area (left and top 0) and the tab height of one use.
struct Frame {
    int width, height;  // W and H
    int tab;            // h
    bool bottom;        // tabs along the bottom edge

    RECT Strip() const;       // the band of the tabs
    RECT Body() const;        // the page frame
    RECT StripArea() const;   // what a scroll or a font change repaints
    RECT ArrowBox() const;    // 33 x 17 at the right end of the strip
};

enum class Use { Paint, HitTest };

// Where the tabs stand, from the first shown tab as far as they fit.
struct Placement {
    int first;      // first shown tab
    int placed;     // tabs placed, from `first` on
    int lastShown;  // one less than the tab that found no room, or count - 1
    bool overflow;  // first shown is not tab 0, or a tab found no room
    RECT tabs[kMaxTitles];  // tabs[i] is tab first + i

    // The tab under the point (the earlier of two that overlap), or -1.
    int HitTab(POINT pt) const;
};

// widths[i] is the text width of title i in the control's font; each tab
// is its title plus two average characters wide.  Painted tabs reach one
// column further left than hit-tested ones, so neighbours share an outline.
Placement PlaceTabs(const Frame &frame, const int *widths, int count, int first, int aveCharWidth, Use use);

enum class Arrow { None, Left, Right };

// Which arrow of the box the point lies on.
Arrow HitArrow(const Frame &frame, POINT pt);

// The first shown tab after one press of an arrow: left stops at 0, right
// moves only while the last tab is not shown.
int Scroll(int first, int lastShown, int count, Arrow arrow);

}  // namespace folder
}  // namespace rz
