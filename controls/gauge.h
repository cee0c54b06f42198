// Arithmetic the meter and the indicator share: how much of a total is done,
// the meter's bar and the indicator's cells, as functions of plain values.
// Products are taken in 64 bits, so a total in the billions (a large file's
// bytes) gives the same answer as a small one.
#pragma once

#include <windows.h>

namespace rz {
namespace gauge {

// Range and position as both controls read them: a range of 0 counts as a
// range of 1 with nothing done.
struct Amount {
    ULONGLONG range, position;
};

inline Amount Normalise(DWORD range, DWORD position) {
    if (range == 0)
        return Amount{1, 0};
    return Amount{range, position};
}

// Whole percent done, truncated; above 100 when the position passes the range.
inline ULONGLONG Percent(DWORD range, DWORD position) {
    const Amount a = Normalise(range, position);
    return a.position * 100 / a.range;
}

// Pixels of a `width`-pixel meter that the bar covers; a bar longer than the
// control fills it.
inline int BarWidth(DWORD range, DWORD position, int width) {
    if (width <= 0)
        return 0;
    const Amount a = Normalise(range, position);
    const ULONGLONG bar = a.position * static_cast<ULONGLONG>(width) / a.range;
    return bar > static_cast<ULONGLONG>(width) ? width : static_cast<int>(bar);
}

// "42%": the percentage in decimal with a percent sign, into `text`.
// Returns the length.
constexpr int kPercentTextSize = 24;
inline int PercentText(ULONGLONG percent, char (&text)[kPercentTextSize]) {
    char digits[kPercentTextSize];
    int n = 0;
    do {
        digits[n++] = static_cast<char>('0' + percent % 10);
        percent /= 10;
    } while (percent);
    int length = 0;
    while (n)
        text[length++] = digits[--n];
    text[length++] = '%';
    text[length] = 0;
    return length;
}

// The indicator's row of cells in a client area `clientWidth` pixels wide.
// The cells fill the area inside a two-pixel ring: x from 2 + offset, each
// `width` pixels, the first `lit` of `count` lit.
struct Cells {
    int area;    // width of the cell area, at least 1
    int count;   // cells in the row
    int width;   // pixels per cell
    int lit;     // lit cells, count x percent / 100
    int offset;  // shift of the row from the area's left edge
};

constexpr int kDefaultCell = 5;
constexpr int kMostDefaultCells = 20;

// `cellSlot` is the cell-width slot, of which the low 16 bits count as a
// signed width with `fixedCell`; a width of 0 or less counts as 1.
inline Cells LayOutCells(DWORD range, DWORD position, int clientWidth, LONG cellSlot, bool fixedCell, bool centre) {
    const ULONGLONG percent = Percent(range, position);
    Cells c;
    c.area = clientWidth - 4 > 0 ? clientWidth - 4 : 1;
    if (fixedCell) {
        const int slot = static_cast<SHORT>(LOWORD(cellSlot));
        c.width = slot > 0 ? slot : 1;
        c.count = c.area / c.width;
    } else {
        c.count = c.area / kDefaultCell;
        c.width = kDefaultCell;
        if (c.count > kMostDefaultCells) {
            c.count = kMostDefaultCells;
            c.width = c.area / kMostDefaultCells;
        }
    }
    const int shown = percent > 100 ? 100 : static_cast<int>(percent);
    c.lit = c.count * shown / 100;
    c.offset = centre ? (c.area - c.width * c.count) / 2 : 0;
    return c;
}

}  // namespace gauge
}  // namespace rz
