// Shared pieces of the window tests: a parent window that records what it
// is sent, a 32-bit canvas to draw into, pixel grids and message pumping.
#pragma once

#include <windows.h>

#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "rezore32.h"

namespace rzt {

// True when the process runs as Windows 95 (GetVersionExA platform 1).
bool Win95Mode();

// Colour of the library's faces on this platform.
COLORREF FaceColour();

// ---------------------------------------------------------------- parent
struct Sent {
    UINT msg;
    WPARAM wParam;
    LPARAM lParam;
    DWORD tick;  // GetTickCount when it arrived
    bool operator==(const Sent &o) const { return msg == o.msg && wParam == o.wParam && lParam == o.lParam; }
};

// A visible top-level window that records WM_COMMAND, the controls'
// forwarded double clicks, ICON_QUERYICON, TEXT_CTLCOLOR and
// TENKEY_KEYPRESS, and answers them as told.
class RecordingParent {
public:
    explicit RecordingParent(int x = 40, int y = 40, int w = 300, int h = 200, bool visible = true);
    ~RecordingParent();
    HWND hwnd() const { return hwnd_; }
    operator HWND() const { return hwnd_; }

    std::vector<Sent> sent;          // in arrival order
    HICON answerQueryIcon = nullptr; // ICON_QUERYICON answer
    LRESULT answerDoubleClick = 0;   // answer to a forwarded double click
    std::function<void(const Sent &)> onCommand;  // runs after a WM_COMMAND is recorded
    // Answer to TEXT_CTLCOLOR (recorded too), given the DC; none: 0.
    std::function<LRESULT(HDC)> answerTextColour;

    std::vector<Sent> Commands() const;  // only the WM_COMMANDs

private:
    static LRESULT CALLBACK Proc(HWND, UINT, WPARAM, LPARAM);
    HWND hwnd_;
};

// Child control of one of our classes.
HWND CreateChild(HWND parent, const char *cls, DWORD style, int x, int y, int w, int h, int id = 100);

// Dispatches the thread's pending messages for about `ms` milliseconds.
void Pump(DWORD ms = 0);

// ---------------------------------------------------------------- pixels
// A 32-bit top-down DIB section selected into a memory DC.
class Canvas {
public:
    Canvas(int w, int h, COLORREF fill);
    ~Canvas();
    HDC dc() const { return dc_; }
    int width() const { return w_; }
    int height() const { return h_; }
    COLORREF At(int x, int y) const;
    void Fill(COLORREF c);

private:
    int w_, h_;
    HDC dc_;
    HBITMAP bitmap_, old_;
    DWORD *bits_;
};

// Reads a window's client pixels through its DC into a canvas.
void Snapshot(HWND hwnd, Canvas &canvas);

// A picture as text, one character a pixel, one string a row: each
// colour is looked up in `legend` ({colour, char}); others become '?'.
struct Legend {
    COLORREF colour;
    char ch;
};

std::vector<std::string> Grid(const Canvas &c, const std::vector<Legend> &legend, int x0 = 0, int y0 = 0,
                              int w = -1, int h = -1);
std::string Join(const std::vector<std::string> &rows);

// A handle as a control's 32-bit slot keeps it (GDI and USER handles are
// significant in their low 32 bits).
template <class Handle>
LONG Low32(Handle h) {
    return static_cast<LONG>(reinterpret_cast<LONG_PTR>(h));
}

// The system's bevel colours.
inline COLORREF Light() { return GetSysColor(COLOR_3DHILIGHT); }
inline COLORREF Dark() { return GetSysColor(COLOR_3DSHADOW); }

// State of a DC that drawing functions must leave as they found it.
struct DcState {
    explicit DcState(HDC dc);
    HGDIOBJ pen, brush, bitmap, font;
    int mapMode, bkMode, rop2;
    COLORREF text, bk;
    bool operator==(const DcState &o) const;
};

// ---------------------------------------------------------------- files
// The directory of the running test program, without a trailing '\\'.
std::string ExeDir();
// The 32-bit DLL of the same build (build/x64/bin -> build/x86/bin).
std::string X86Dll();

// A buffer of `size` bytes followed by guard bytes that must survive.
class Guarded {
public:
    explicit Guarded(size_t size) : size_(size), bytes_(size + kGuard, '\xA5') {}
    char *data() { return bytes_.data(); }
    std::string text() const { return std::string(bytes_.data()); }
    std::string raw(size_t n) const { return std::string(bytes_.data(), n); }
    bool GuardsIntact() const {
        for (size_t i = size_; i < bytes_.size(); ++i)
            if (bytes_[i] != '\xA5')
                return false;
        return true;
    }

private:
    static constexpr size_t kGuard = 16;
    size_t size_;
    std::vector<char> bytes_;
};

// ---------------------------------------------------------------- input
// Injects a mouse event through the system's input (SendInput); with
// MOUSEEVENTF_MOVE the pointer goes to `screen` in absolute coordinates.
// Then pumps `settle` ms, long enough for the asynchronous button state.
void Mouse(DWORD flags, POINT screen = {}, DWORD settle = 0);
// Puts the pointer at a screen point and lets Wine take it in.
void MoveCursor(POINT screen, DWORD settle = 200);
// Injects a key press or release (KEYEVENTF_KEYUP in `flags`).
void Key(WORD vk, DWORD flags = 0);

// ---------------------------------------------------------------- faults
// Points `function` of `dll` in `module`'s import table at `replacement`
// while it lives, so a test can make a system call fail inside the DLL.
class ImportPatch {
public:
    ImportPatch(HMODULE module, const char *dll, const char *function, void *replacement);
    ~ImportPatch();
    bool ok() const { return slot_ != nullptr; }

private:
    void **slot_ = nullptr;
    void *original_ = nullptr;
};

// ---------------------------------------------------------------- repaints
// Repaints a window at once, erasing first.
void Redraw(HWND hwnd);
// A window's client pixels as characters, as Grid reads a canvas.
std::vector<std::string> ClientGrid(HWND hwnd, const std::vector<Legend> &legend);

// ---------------------------------------------------------------- pop-ups
// True when `popup` stands centred (within a pixel) on `owner`'s window rectangle.
bool CentredOn(HWND popup, HWND owner);

}  // namespace rzt
