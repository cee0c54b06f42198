#include "controls/folder_layout.h"

#include <mbctype.h>

namespace rz {
namespace folder {

void SplitTitles(const char *text, Titles &titles) {
    titles.count = 0;
    int length = 0;
    if (text)
        while (length < kMaxTextBytes && text[length]) {
            titles.text[length] = text[length];
            ++length;
        }
    titles.text[length] = '\0';

    int start = 0;
    for (int i = 0;; ) {
        const unsigned char c = static_cast<unsigned char>(titles.text[i]);
        if (c == '|' || c == '\0') {
            if (i > start)
                titles.items[titles.count++] = {start, i - start};
            if (c == '\0')
                return;
            start = ++i;
        } else {
            i += _ismbblead(c) && titles.text[i + 1] != '\0' ? 2 : 1;
        }
    }
}

int CountTitles(const char *text) {
    Titles titles;
    SplitTitles(text, titles);
    return titles.count;
}

RECT Frame::Strip() const {
    RECT r;
    if (bottom)
        SetRect(&r, 0, height - tab - 6, width, height);
    else
        SetRect(&r, 0, 0, width, tab + 4);
    return r;
}

RECT Frame::Body() const {
    RECT r;
    if (bottom)
        SetRect(&r, 0, 0, width, height - tab - 4);
    else
        SetRect(&r, 0, tab + 3, width, height);
    return r;
}

RECT Frame::StripArea() const {
    RECT r;
    if (bottom)
        SetRect(&r, 0, height - tab - 8, width, height);
    else
        SetRect(&r, 0, 0, width, tab + 5);
    return r;
}

RECT Frame::ArrowBox() const {
    RECT r;
    if (bottom)
        SetRect(&r, width - 35, height - tab - 5, width - 2, height - tab + 12);
    else
        SetRect(&r, width - 35, tab - 14, width - 2, tab + 3);
    return r;
}

int Placement::HitTab(POINT pt) const {
    for (int i = 0; i < placed; ++i)
        if (PtInRect(&tabs[i], pt))
            return first + i;
    return -1;
}

Placement PlaceTabs(const Frame &frame, const int *widths, int count, int first, int aveCharWidth, Use use) {
    Placement p = {};
    p.first = first < 0 ? 0 : first;  // the scroll position never goes below 0
    p.lastShown = count - 1;
    const RECT strip = frame.Strip();
    const int lead = use == Use::Paint ? 2 : 1;
    int edge = 0;
    for (int i = p.first; i < count; ++i) {
        const int right = edge + widths[i] + 2 * aveCharWidth;
        if (right > frame.width) {
            p.lastShown = i - 1;
            break;
        }
        SetRect(&p.tabs[p.placed++], edge - lead, strip.top, right, strip.bottom);
        edge = right;
    }
    p.overflow = p.first != 0 || p.lastShown != count - 1;
    return p;
}

Arrow HitArrow(const Frame &frame, POINT pt) {
    const RECT box = frame.ArrowBox();
    if (!PtInRect(&box, pt))
        return Arrow::None;
    return pt.x - box.left < 16 ? Arrow::Left : Arrow::Right;
}

int Scroll(int first, int lastShown, int count, Arrow arrow) {
    switch (arrow) {
    case Arrow::Left: return first - 1 < 0 ? 0 : first - 1;
    case Arrow::Right:
        if (lastShown == count - 1)
            return first;
        return first + 1 > count - 1 ? count - 1 : first + 1;
    case Arrow::None: break;
    }
    return first;
}

}  // namespace folder
}  // namespace rz
