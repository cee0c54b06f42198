// The calendar's geometry, computed afresh from the client size and the
// week count of the shown month: a header line, a weekday line and one line
// per week, seven columns, the remainders split into margins.
#pragma once

#include <windows.h>

namespace rz {
namespace calendar {

struct Layout {
    int width, height;  // client size
    int cellWidth, marginX;
    int lines, cellHeight, marginY;

    // Rectangles include their left and top edges, not their right and bottom.
    RECT Line(int line, int column) const;
    RECT PrevButton() const { return Line(0, 0); }
    RECT NextButton() const;
    RECT TitleArea() const;
    RECT Weekday(int column) const { return Line(1, column); }
    RECT DayCell(int cell) const { return Line(cell / 7 + 2, cell % 7); }
};

// weekCount is the shown month's; the line count is weekCount + 2.
Layout MakeLayout(int width, int height, int weekCount);

// The title text box: a text of size textWidth x textHeight at the title
// area's top-left corner, moved right to centre it horizontally.
RECT TitleTextBox(const Layout &layout, int textWidth, int textHeight);

}  // namespace calendar
}  // namespace rz
