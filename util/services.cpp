// Input method requests, the default printer's name, the arrow cursor's
// shape and the broadcast table.
#include "frame/module.h"

#include <ime.h>
#include <winnls32.h>

#include <algorithm>
#include <cstring>

namespace {

constexpr UINT kRequestFlags = GMEM_MOVEABLE | GMEM_ZEROINIT | GMEM_DDESHARE;  // 0x2042
constexpr DWORD kSystemArrowId = 32512;                                      // OCR_NORMAL

// One IME request (function code and wParam) through SendIMEMessageExA,
// with the input method enabled for its duration.
LRESULT SendImeRequest(HWND hwnd, UINT function, WPARAM wParam) {
    const BOOL previous = WINNLSEnableIME(nullptr, TRUE);
    LRESULT result = 0;
    if (HGLOBAL block = GlobalAlloc(kRequestFlags, sizeof(IMESTRUCT))) {
        if (auto *request = static_cast<IMESTRUCT *>(GlobalLock(block))) {
            request->fnc = function;
            request->wParam = wParam;
            GlobalUnlock(block);
            result = SendIMEMessageExA(hwnd, reinterpret_cast<LPARAM>(block));
        }
        GlobalFree(block);
    }
    WINNLSEnableIME(nullptr, previous);
    return result;
}

// ------------------------------------------------------------------ cursor
// Windows 95 keeps a cursor as a global block: a 12-byte header, then the AND
// and XOR masks.  Only such a block, large enough for what its header says,
// is ever copied from or into.
struct CursorHeader {
    WORD hotX, hotY, width, height, widthBytes;
    BYTE planes, bitsPixel;
};
static_assert(sizeof(CursorHeader) == 12, "cursor header layout");

SIZE_T ShapeSize(const CursorHeader &h) { return 12 + 2 * static_cast<SIZE_T>(h.width / 8) * h.height; }

// A locked cursor block whose header and masks lie inside the block.
class CursorMemory {
public:
    explicit CursorMemory(HANDLE handle)
        : handle_(handle), data_(handle ? static_cast<BYTE *>(GlobalLock(handle)) : nullptr) {
        if (!data_)
            return;
        const SIZE_T available = GlobalSize(handle);
        if (available >= sizeof(CursorHeader)) {
            size_ = ShapeSize(*reinterpret_cast<const CursorHeader *>(data_));
            if (size_ > available)
                size_ = 0;
        }
    }
    ~CursorMemory() {
        if (data_)
            GlobalUnlock(handle_);
    }
    CursorMemory(const CursorMemory &) = delete;
    CursorMemory &operator=(const CursorMemory &) = delete;
    bool ok() const { return size_ != 0; }
    BYTE *data() const { return data_; }
    SIZE_T size() const { return size_; }

private:
    HANDLE handle_;
    BYTE *data_;
    SIZE_T size_ = 0;
};

HCURSOR SystemArrow() { return LoadCursorA(nullptr, IDC_ARROW); }

void RedrawCursor() {
    ShowCursor(FALSE);
    ShowCursor(TRUE);
}

// Where cursors are not memory blocks (Windows NT) the arrow is replaced
// through SetSystemCursor, and the saved block holds a private copy of the
// original arrow behind a signature.
constexpr DWORD kSavedArrowSignature = 0x53435A52;  // "RZCS"
struct SavedArrow {
    DWORD signature;
    HCURSOR copy;
};

bool ReadSavedArrow(HGLOBAL block, HCURSOR *copy) {
    if (!block || GlobalSize(block) < sizeof(SavedArrow))
        return false;
    auto *saved = static_cast<SavedArrow *>(GlobalLock(block));
    if (!saved)
        return false;
    const bool ours = saved->signature == kSavedArrowSignature;
    if (ours)
        *copy = saved->copy;
    GlobalUnlock(block);
    return ours;
}

// Gives the system a copy of `cursor` as its arrow; the system owns the copy.
void ReplaceArrowBy(HCURSOR cursor) {
    if (HCURSOR copy = CopyCursor(cursor)) {
        if (!SetSystemCursor(copy, kSystemArrowId))
            DestroyCursor(copy);
    }
}

// Whether the broadcast table holds `hwnd` with `group` now.
bool StillRegistered(HWND hwnd, WORD group) {
    const rz::ModuleState &m = rz::g_module;
    for (int i = 0; i < m.broadcastCount && i < rz::kBroadcastSlots; ++i)
        if (m.broadcastWindows[i] == hwnd && m.broadcastGroups[i] == group)
            return true;
    return false;
}

}  // namespace

extern "C" {

LRESULT WINAPI FepControl(HWND hwnd, BOOL open) { return SendImeRequest(hwnd, IME_SETOPEN, open); }

void WINAPI FEPWordRegisterd(HWND hwnd) { SendImeRequest(hwnd, IME_SENDVKEY, VK_DBE_ENTERWORDREGISTERMODE); }

BOOL WINAPI GetPrinterName(LPSTR buffer) {
    if (!buffer)
        return FALSE;
    char device[PRINTER_BUFFER] = {};
    GetProfileStringA("windows", "device", "", device, sizeof(device));
    const size_t start = strspn(device, ",");
    const size_t length = strcspn(device + start, ",");
    memcpy(buffer, device + start, length);
    buffer[length] = '\0';
    return length != 0;
}

void WINAPI InitSysCursor(HGLOBAL *saved) {
    if (!saved)
        return;
    *saved = nullptr;
    HCURSOR arrow = SystemArrow();
    CursorMemory shape(arrow);
    if (shape.ok()) {
        HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, shape.size());
        if (!block)
            return;
        if (void *copy = GlobalLock(block)) {
            memcpy(copy, shape.data(), shape.size());
            GlobalUnlock(block);
            *saved = block;
        } else {
            GlobalFree(block);
        }
        return;
    }
    HCURSOR copy = CopyCursor(arrow);
    if (!copy)
        return;
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof(SavedArrow));
    auto *record = block ? static_cast<SavedArrow *>(GlobalLock(block)) : nullptr;
    if (!record) {
        if (block)
            GlobalFree(block);
        DestroyCursor(copy);
        return;
    }
    record->signature = kSavedArrowSignature;
    record->copy = copy;
    GlobalUnlock(block);
    *saved = block;
}

void WINAPI SetSysCursor(HCURSOR cursor) {
    if (!cursor)
        return;
    HCURSOR arrow = SystemArrow();
    {
        CursorMemory target(arrow);
        if (target.ok()) {
            SetCursor(cursor);
            CursorMemory source(cursor);
            if (source.ok() && source.size() == target.size())
                memcpy(target.data(), source.data(), target.size());
        } else {
            SetCursor(cursor);
            ReplaceArrowBy(cursor);
        }
    }
    RedrawCursor();
}

void WINAPI TermSysCursor(HGLOBAL *saved) {
    if (!saved || !*saved)
        return;
    HCURSOR copy = nullptr;
    if (ReadSavedArrow(*saved, &copy)) {
        if (!SetSystemCursor(copy, kSystemArrowId))  // the system takes the copy
            DestroyCursor(copy);
        SetCursor(SystemArrow());
        RedrawCursor();
    } else {
        SetSysCursor(reinterpret_cast<HCURSOR>(*saved));
    }
    GlobalFree(*saved);
    *saved = nullptr;
}

BOOL WINAPI SetBroadCastWindow(HWND hwnd, WORD group) {
    rz::ModuleState &m = rz::g_module;
    if (m.broadcastCount >= rz::kBroadcastSlots || m.broadcastCount < 0)
        return FALSE;
    m.broadcastWindows[m.broadcastCount] = hwnd;
    m.broadcastGroups[m.broadcastCount] = group;
    ++m.broadcastCount;
    return TRUE;
}

BOOL WINAPI ResetBroadCastWindow(HWND hwnd) {
    rz::ModuleState &m = rz::g_module;
    if (m.broadcastCount <= 1) {
        m.broadcastWindows[0] = nullptr;
        m.broadcastGroups[0] = 0;
        m.broadcastCount = 0;
        return TRUE;
    }
    int found = -1;
    for (int i = 0; i < m.broadcastCount; ++i) {
        if (m.broadcastWindows[i] == hwnd) {
            found = i;
            break;
        }
    }
    if (found < 0)
        return FALSE;
    for (int i = found; i + 1 < m.broadcastCount; ++i) {
        m.broadcastWindows[i] = m.broadcastWindows[i + 1];
        m.broadcastGroups[i] = m.broadcastGroups[i + 1];
    }
    --m.broadcastCount;
    m.broadcastWindows[m.broadcastCount] = nullptr;
    m.broadcastGroups[m.broadcastCount] = 0;
    return TRUE;
}

void WINAPI PostBroadCastMessage(int group, UINT msg, WPARAM wParam, LPARAM lParam) {
    const short wanted = static_cast<short>(group);
    const rz::ModuleState &m = rz::g_module;
    // Receivers may change the table while they are sent to: the entries of
    // the table as it was when the broadcast started are each sent to once,
    // when they are still registered at their turn.
    const int count = m.broadcastCount < 0 ? 0 : std::min<int>(m.broadcastCount, rz::kBroadcastSlots);
    HWND windows[rz::kBroadcastSlots];
    WORD groups[rz::kBroadcastSlots];
    std::copy(m.broadcastWindows, m.broadcastWindows + count, windows);
    std::copy(m.broadcastGroups, m.broadcastGroups + count, groups);
    for (int i = 0; i < count; ++i) {
        if (wanted >= 0 && groups[i] != static_cast<WORD>(wanted))
            continue;
        if (StillRegistered(windows[i], groups[i]) && IsWindow(windows[i]))
            SendMessageA(windows[i], msg, wParam, lParam);
    }
}

}  // extern "C"
