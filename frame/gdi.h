// Small owners for GDI objects and device contexts, so that every paint
// path puts back what it selected and deletes what it created.
#pragma once

#include <windows.h>

namespace rz {

// Owns a created GDI object (pen, brush, bitmap) and deletes it.
template <class Handle>
class GdiObject {
public:
    explicit GdiObject(Handle handle = nullptr) : handle_(handle) {}
    ~GdiObject() {
        if (handle_)
            DeleteObject(handle_);
    }
    GdiObject(const GdiObject &) = delete;
    GdiObject &operator=(const GdiObject &) = delete;
    Handle get() const { return handle_; }
    operator Handle() const { return handle_; }

private:
    Handle handle_;
};

using Pen = GdiObject<HPEN>;
using Brush = GdiObject<HBRUSH>;
using Bitmap = GdiObject<HBITMAP>;

inline HPEN MakeSolidPen(COLORREF colour, int width = 1) { return CreatePen(PS_SOLID, width, colour); }

// Selects an object into a DC and puts the previous one back.
class Select {
public:
    Select(HDC hdc, HGDIOBJ object) : hdc_(hdc), old_(object ? SelectObject(hdc, object) : nullptr) {}
    ~Select() {
        if (old_)
            SelectObject(hdc_, old_);
    }
    Select(const Select &) = delete;
    Select &operator=(const Select &) = delete;

private:
    HDC hdc_;
    HGDIOBJ old_;
};

// A font handle given by a caller, or null when it names no font, so that
// a stray handle (a brush, a freed font) is never selected in its place.
inline HFONT FontOrNull(HFONT font) { return font && GetObjectType(font) == OBJ_FONT ? font : nullptr; }

// A memory DC compatible with another (or with the screen), deleted at the end.
class MemoryDC {
public:
    explicit MemoryDC(HDC compatibleWith) : hdc_(CreateCompatibleDC(compatibleWith)) {}
    ~MemoryDC() {
        if (hdc_)
            DeleteDC(hdc_);
    }
    MemoryDC(const MemoryDC &) = delete;
    MemoryDC &operator=(const MemoryDC &) = delete;
    operator HDC() const { return hdc_; }

private:
    HDC hdc_;
};

// The client-area DC of a window from GetDC, released at the end.
class WindowDC {
public:
    explicit WindowDC(HWND hwnd) : hwnd_(hwnd), hdc_(GetDC(hwnd)) {}
    ~WindowDC() {
        if (hdc_)
            ReleaseDC(hwnd_, hdc_);
    }
    WindowDC(const WindowDC &) = delete;
    WindowDC &operator=(const WindowDC &) = delete;
    operator HDC() const { return hdc_; }

private:
    HWND hwnd_;
    HDC hdc_;
};

// BeginPaint / EndPaint.
class PaintDC {
public:
    explicit PaintDC(HWND hwnd) : hwnd_(hwnd) { BeginPaint(hwnd, &ps_); }
    ~PaintDC() { EndPaint(hwnd_, &ps_); }
    PaintDC(const PaintDC &) = delete;
    PaintDC &operator=(const PaintDC &) = delete;
    operator HDC() const { return ps_.hdc; }
    const PAINTSTRUCT &paint() const { return ps_; }

private:
    HWND hwnd_;
    PAINTSTRUCT ps_ = {};
};

// The light and dark one-pixel bevel pens, read from the system colours on
// every use, ordered for a raised (light first) or sunken (dark first) face.
class BevelPens {
public:
    explicit BevelPens(BOOL raised)
        : light_(MakeSolidPen(GetSysColor(COLOR_3DHILIGHT))), dark_(MakeSolidPen(GetSysColor(COLOR_3DSHADOW))),
          raised_(raised != FALSE) {}
    HPEN light() const { return light_; }
    HPEN dark() const { return dark_; }
    HPEN first() const { return raised_ ? light_.get() : dark_.get(); }
    HPEN second() const { return raised_ ? dark_.get() : light_.get(); }

private:
    Pen light_;
    Pen dark_;
    bool raised_;
};

// Pen-drawn polyline: MoveToEx to the first point, LineTo the rest (the end
// point itself is left out, as LineTo does).
inline void Polyline3(HDC hdc, int x0, int y0, int x1, int y1, int x2, int y2) {
    MoveToEx(hdc, x0, y0, nullptr);
    LineTo(hdc, x1, y1);
    LineTo(hdc, x2, y2);
}

// One ring of a bevel: three points drawn in the first colour, then three
// in the second.
struct BevelRing {
    POINT first[3];
    POINT second[3];
};

// Draws `width` rings (none when width <= 0); ringAt(i) places ring i.
template <class RingAt>
void DrawBevelRings(HDC hdc, BOOL raised, int width, RingAt ringAt) {
    if (width <= 0)
        return;
    BevelPens pens(raised);
    Select keep(hdc, pens.first());
    for (int i = 0; i < width; ++i) {
        const BevelRing r = ringAt(i);
        SelectObject(hdc, pens.first());
        Polyline3(hdc, r.first[0].x, r.first[0].y, r.first[1].x, r.first[1].y, r.first[2].x, r.first[2].y);
        SelectObject(hdc, pens.second());
        Polyline3(hdc, r.second[0].x, r.second[0].y, r.second[1].x, r.second[1].y, r.second[2].x, r.second[2].y);
    }
}

}  // namespace rz
