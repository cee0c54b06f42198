#include "tests/support.h"

namespace rzt {

bool Win95Mode() { return GetOSPlatform() == VER_PLATFORM_WIN32_WINDOWS; }

COLORREF FaceColour() { return Win95Mode() ? GetSysColor(COLOR_3DFACE) : RGB(192, 192, 192); }

// ---------------------------------------------------------------- parent
namespace {
const char kParentClass[] = "RzTestParent";

void RegisterParentClass(WNDPROC proc) {
    WNDCLASSA wc = {};
    if (GetClassInfoA(GetModuleHandleA(nullptr), kParentClass, &wc))
        return;
    wc.lpfnWndProc = proc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    wc.lpszClassName = kParentClass;
    wc.cbWndExtra = sizeof(LONG_PTR);
    RegisterClassA(&wc);
}
}  // namespace

RecordingParent::RecordingParent(int x, int y, int w, int h, bool visible) {
    RegisterParentClass(Proc);
    hwnd_ = CreateWindowExA(0, kParentClass, "parent", WS_POPUP | (visible ? WS_VISIBLE : 0), x, y, w, h, nullptr,
                            nullptr, GetModuleHandleA(nullptr), this);
    Pump();
}

RecordingParent::~RecordingParent() {
    SetWindowLongPtrA(hwnd_, 0, 0);
    DestroyWindow(hwnd_);
    Pump();
}

std::vector<Sent> RecordingParent::Commands() const {
    std::vector<Sent> out;
    for (const Sent &s : sent)
        if (s.msg == WM_COMMAND)
            out.push_back(s);
    return out;
}

namespace {
bool IsForwardedDoubleClick(UINT msg) {
    switch (msg) {
    case SPIN_LBUTTONDBLCLK: case SPIN_RBUTTONDBLCLK: case TEXT_LBUTTONDBLCLK: case TEXT_RBUTTONDBLCLK:
    case METER_LBUTTONDBLCLK: case METER_RBUTTONDBLCLK: case IND_LBUTTONDBLCLK: case IND_RBUTTONDBLCLK:
    case CHECK_LBUTTONDBLCLK: case CHECK_RBUTTONDBLCLK: case MARK_LBUTTONDBLCLK: case MARK_RBUTTONDBLCLK:
    case PLATE_LBUTTONDBLCLK: case PLATE_RBUTTONDBLCLK: case CLIP_LBUTTONDBLCLK: case CLIP_RBUTTONDBLCLK:
        return true;
    default:
        return false;
    }
}
}  // namespace

LRESULT CALLBACK RecordingParent::Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_NCCREATE) {
        auto *cs = reinterpret_cast<CREATESTRUCTA *>(lParam);
        SetWindowLongPtrA(hwnd, 0, reinterpret_cast<LONG_PTR>(cs->lpCreateParams));
    }
    auto *self = reinterpret_cast<RecordingParent *>(GetWindowLongPtrA(hwnd, 0));
    const bool recorded = msg == WM_COMMAND || msg == ICON_QUERYICON || msg == TEXT_CTLCOLOR ||
                          msg == TENKEY_KEYPRESS || IsForwardedDoubleClick(msg);
    if (!self || !recorded)
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    self->sent.push_back({msg, wParam, lParam, GetTickCount()});
    if (msg == WM_COMMAND && self->onCommand)
        self->onCommand(self->sent.back());
    if (msg == ICON_QUERYICON)
        return reinterpret_cast<LRESULT>(self->answerQueryIcon);
    if (msg == TEXT_CTLCOLOR)
        return self->answerTextColour ? self->answerTextColour(reinterpret_cast<HDC>(wParam)) : 0;
    if (IsForwardedDoubleClick(msg))
        return self->answerDoubleClick;
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

HWND CreateChild(HWND parent, const char *cls, DWORD style, int x, int y, int w, int h, int id) {
    HWND hwnd = CreateWindowExA(0, cls, "", WS_CHILD | WS_VISIBLE | style, x, y, w, h, parent,
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleA(nullptr), nullptr);
    Pump();
    return hwnd;
}

void Pump(DWORD ms) {
    const DWORD end = GetTickCount() + ms;
    do {
        MSG m;
        while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&m);
            DispatchMessageA(&m);
        }
        if (ms)
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
    } while (static_cast<LONG>(end - GetTickCount()) > 0);
}

// ---------------------------------------------------------------- pixels
Canvas::Canvas(int w, int h, COLORREF fill) : w_(w), h_(h) {
    BITMAPINFO bi = {};
    bi.bmiHeader.biSize = sizeof(bi.bmiHeader);
    bi.bmiHeader.biWidth = w;
    bi.bmiHeader.biHeight = -h;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    bi.bmiHeader.biCompression = BI_RGB;
    void *bits = nullptr;
    dc_ = CreateCompatibleDC(nullptr);
    bitmap_ = CreateDIBSection(dc_, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    bits_ = static_cast<DWORD *>(bits);
    old_ = static_cast<HBITMAP>(SelectObject(dc_, bitmap_));
    Fill(fill);
}

Canvas::~Canvas() {
    SelectObject(dc_, old_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
}

COLORREF Canvas::At(int x, int y) const {
    GdiFlush();
    DWORD p = bits_[y * w_ + x];
    return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
}

void Canvas::Fill(COLORREF c) {
    GdiFlush();
    DWORD p = (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c);
    for (int i = 0; i < w_ * h_; ++i)
        bits_[i] = p;
}

void Snapshot(HWND hwnd, Canvas &canvas) {
    HDC dc = GetDC(hwnd);
    BitBlt(canvas.dc(), 0, 0, canvas.width(), canvas.height(), dc, 0, 0, SRCCOPY);
    ReleaseDC(hwnd, dc);
}

std::vector<std::string> Grid(const Canvas &c, const std::vector<Legend> &legend, int x0, int y0, int w, int h) {
    if (w < 0)
        w = c.width() - x0;
    if (h < 0)
        h = c.height() - y0;
    std::vector<std::string> rows;
    for (int y = y0; y < y0 + h; ++y) {
        std::string row;
        for (int x = x0; x < x0 + w; ++x) {
            char ch = '?';
            for (const Legend &l : legend)
                if (l.colour == c.At(x, y)) {
                    ch = l.ch;
                    break;
                }
            row += ch;
        }
        rows.push_back(row);
    }
    return rows;
}

std::string Join(const std::vector<std::string> &rows) {
    std::string s = "\n";
    for (const std::string &r : rows)
        s += r + "\n";
    return s;
}

DcState::DcState(HDC dc)
    : pen(GetCurrentObject(dc, OBJ_PEN)), brush(GetCurrentObject(dc, OBJ_BRUSH)),
      bitmap(GetCurrentObject(dc, OBJ_BITMAP)), font(GetCurrentObject(dc, OBJ_FONT)), mapMode(GetMapMode(dc)),
      bkMode(GetBkMode(dc)), rop2(GetROP2(dc)), text(GetTextColor(dc)), bk(GetBkColor(dc)) {}

bool DcState::operator==(const DcState &o) const {
    return pen == o.pen && brush == o.brush && bitmap == o.bitmap && font == o.font && mapMode == o.mapMode &&
           bkMode == o.bkMode && rop2 == o.rop2 && text == o.text && bk == o.bk;
}

// ---------------------------------------------------------------- faults
namespace {
void WriteSlot(void **slot, void *value) {
    DWORD old;
    VirtualProtect(slot, sizeof(*slot), PAGE_READWRITE, &old);
    *slot = value;
    VirtualProtect(slot, sizeof(*slot), old, &old);
}
}  // namespace

ImportPatch::ImportPatch(HMODULE module, const char *dll, const char *function, void *replacement) {
    auto *base = reinterpret_cast<BYTE *>(module);
    auto *nt = reinterpret_cast<IMAGE_NT_HEADERS *>(base + reinterpret_cast<IMAGE_DOS_HEADER *>(base)->e_lfanew);
    const IMAGE_DATA_DIRECTORY &dir = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    auto *d = reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR *>(base + dir.VirtualAddress);
    for (; dir.VirtualAddress && d->Name; ++d) {
        if (lstrcmpiA(reinterpret_cast<const char *>(base + d->Name), dll) != 0)
            continue;
        auto *names = reinterpret_cast<IMAGE_THUNK_DATA *>(base + d->OriginalFirstThunk);
        auto *slots = reinterpret_cast<IMAGE_THUNK_DATA *>(base + d->FirstThunk);
        for (; names->u1.AddressOfData; ++names, ++slots) {
            if (IMAGE_SNAP_BY_ORDINAL(names->u1.Ordinal))
                continue;
            auto *byName = reinterpret_cast<IMAGE_IMPORT_BY_NAME *>(base + names->u1.AddressOfData);
            if (strcmp(reinterpret_cast<const char *>(byName->Name), function) == 0) {
                slot_ = reinterpret_cast<void **>(&slots->u1.Function);
                original_ = *slot_;
                WriteSlot(slot_, replacement);
                return;
            }
        }
    }
}

ImportPatch::~ImportPatch() {
    if (slot_)
        WriteSlot(slot_, original_);
}

std::string ExeDir() {
    char path[MAX_PATH];
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    *strrchr(path, '\\') = 0;
    return path;
}

std::string X86Dll() { return ExeDir() + "\\..\\..\\x86\\bin\\REZORE32.DLL"; }

void Mouse(DWORD flags, POINT screen, DWORD settle) {
    INPUT in = {};
    in.type = INPUT_MOUSE;
    in.mi.dwFlags = flags;
    if (flags & MOUSEEVENTF_MOVE) {
        const int w = GetSystemMetrics(SM_CXSCREEN), h = GetSystemMetrics(SM_CYSCREEN);
        in.mi.dwFlags |= MOUSEEVENTF_ABSOLUTE;
        in.mi.dx = (screen.x * 65536 + w - 1) / w;
        in.mi.dy = (screen.y * 65536 + h - 1) / h;
    }
    SendInput(1, &in, sizeof(in));
    if (settle)
        Pump(settle);
}

void MoveCursor(POINT screen, DWORD settle) {
    SetCursorPos(screen.x, screen.y);
    Pump(settle);
}

void Key(WORD vk, DWORD flags) {
    INPUT in = {};
    in.type = INPUT_KEYBOARD;
    in.ki.wVk = vk;
    in.ki.dwFlags = flags;
    SendInput(1, &in, sizeof(in));
}

// ---------------------------------------------------------------- repaints
void Redraw(HWND hwnd) { RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW); }

std::vector<std::string> ClientGrid(HWND hwnd, const std::vector<Legend> &legend) {
    RECT rc = {};
    GetClientRect(hwnd, &rc);
    Canvas c(rc.right, rc.bottom, RGB(1, 2, 3));
    Snapshot(hwnd, c);
    return Grid(c, legend);
}

// ---------------------------------------------------------------- pop-ups
bool CentredOn(HWND popup, HWND owner) {
    RECT p, o;
    return GetWindowRect(popup, &p) && GetWindowRect(owner, &o) &&
           std::abs((p.left + p.right) - (o.left + o.right)) <= 1 &&
           std::abs((p.top + p.bottom) - (o.top + o.bottom)) <= 1;
}

}  // namespace rzt
