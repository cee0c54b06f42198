#include "calendar/layout.h"

namespace rz {
namespace calendar {

Layout MakeLayout(int width, int height, int weekCount) {
    Layout l;
    l.width = width;
    l.height = height;
    l.cellWidth = width / 7;
    l.marginX = (width % 7) / 2;
    l.lines = weekCount + 2;  // never 0: at least the two fixed lines
    l.cellHeight = height / l.lines;
    l.marginY = (height % l.lines) / 2;
    return l;
}

RECT Layout::Line(int line, int column) const {
    RECT r;
    r.left = marginX + column * cellWidth;
    r.right = r.left + cellWidth;
    r.top = marginY + line * cellHeight;
    r.bottom = r.top + cellHeight;
    return r;
}

RECT Layout::NextButton() const {
    RECT r = Line(0, 0);
    r.left = width - marginX - cellWidth;
    r.right = width - marginX;
    return r;
}

RECT Layout::TitleArea() const {
    RECT r = Line(0, 0);
    r.left = marginX + cellWidth;
    r.right = width - marginX - cellWidth;
    return r;
}

RECT TitleTextBox(const Layout &layout, int textWidth, int textHeight) {
    const RECT area = layout.TitleArea();
    RECT r;
    r.left = area.left + (area.right - area.left - textWidth) / 2;
    r.top = area.top;
    r.right = r.left + textWidth;
    r.bottom = r.top + textHeight;
    return r;
}

}  // namespace calendar
}  // namespace rz
