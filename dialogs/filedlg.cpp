// File selection for opening or saving: the system's old-style dialog in
// template 3070 with the library's hook, or its Explorer-style dialog.
#include "dialogs/filedlg.h"

#include <cstddef>

#include "frame/gdi.h"
#include "frame/module.h"

namespace rz {

// The Windows 95 / NT 4 record (OPENFILENAME_SIZE_VERSION_400A) ends with
// lpTemplateName: 76 bytes on x86, its own layout in a 64-bit build.
static_assert(sizeof(void *) != 4 || offsetof(OPENFILENAMEA, lpTemplateName) + sizeof(LPCSTR) == 76,
              "the x86 record size");

OPENFILENAMEA FileDialogRecord(HWND owner, LPCSTR title, DWORD flags, LPOFNHOOKPROC hook, int templateId) {
    OPENFILENAMEA ofn = {};
    ofn.lStructSize = OPENFILENAME_SIZE_VERSION_400A;
    ofn.hwndOwner = owner;
    ofn.hInstance = ModuleInstance();
    ofn.lpstrTitle = title;
    ofn.Flags = flags;
    ofn.lpfnHook = hook;
    ofn.lpTemplateName = MAKEINTRESOURCEA(templateId);
    return ofn;
}

UINT_PTR AnswerEditColour(HDC dc) {
    SetTextColor(dc, RGB(0, 0, 255));
    return reinterpret_cast<UINT_PTR>(GetStockObject(WHITE_BRUSH));
}

UINT_PTR AnswerFaceColour(HDC dc) {
    SetBkMode(dc, TRANSPARENT);
    return reinterpret_cast<UINT_PTR>(FaceBrush());
}

namespace {

bool Writable(const void *start, size_t length) {
    const BYTE *p = static_cast<const BYTE *>(start);
    const BYTE *end = p + length;
    constexpr DWORD kWritable = PAGE_READWRITE | PAGE_WRITECOPY | PAGE_EXECUTE_READWRITE | PAGE_EXECUTE_WRITECOPY;
    while (p < end) {
        MEMORY_BASIC_INFORMATION info;
        if (!VirtualQuery(p, &info, sizeof(info)) || info.State != MEM_COMMIT || !(info.Protect & kWritable) ||
            (info.Protect & PAGE_GUARD))
            return false;
        p = static_cast<const BYTE *>(info.BaseAddress) + info.RegionSize;
    }
    return true;
}

}  // namespace

bool ConvertFilter(LPSTR filter) {
    const int length = lstrlenA(filter);  // 0 for NULL
    if (length <= 0 || !memchr(filter, '|', static_cast<size_t>(length)))
        return true;
    if (!Writable(filter, static_cast<size_t>(length)))
        return false;
    for (int i = 0; i < length; ++i)
        if (filter[i] == '|')
            filter[i] = '\0';
    return true;
}

}  // namespace rz

namespace {

// OFN_HIDEREADONLY | OFN_NOCHANGEDIR, and what each dialog adds.
constexpr DWORD kCommon = OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
constexpr DWORD kHooked = kCommon | OFN_ENABLEHOOK | OFN_ENABLETEMPLATE;  // 0x006C
constexpr DWORD kExplorer = kCommon | OFN_EXPLORER;                       // 0x8000C

BOOL RunFileDialog(HWND owner, BOOL save, LPCSTR title, LPSTR filter, LPSTR file, DWORD size, DWORD flags) {
    if (!file || size == 0 || !rz::ConvertFilter(filter))
        return FALSE;
    OPENFILENAMEA ofn =
        rz::FileDialogRecord(owner, title, save ? flags : flags | OFN_FILEMUSTEXIST, OpenFileNameDlgFN, REZORE32_IDD_OPENFILE);
    ofn.lpstrFilter = filter;
    ofn.lpstrFile = file;
    ofn.nMaxFile = size;
    return save ? GetSaveFileNameA(&ofn) : GetOpenFileNameA(&ofn);
}

}  // namespace

extern "C" BOOL WINAPI CallOpenFileName(HWND owner, BOOL save, LPCSTR title, LPSTR filter, LPSTR file, DWORD size) {
    return RunFileDialog(owner, save, title, filter, file, size, kHooked);
}

extern "C" BOOL WINAPI CallOpenFileName95(HWND owner, BOOL save, LPCSTR title, LPSTR filter, LPSTR file,
                                          DWORD size) {
    return RunFileDialog(owner, save, title, filter, file, size, kExplorer);
}

extern "C" UINT_PTR WINAPI OpenFileNameDlgFN(HWND dialog, UINT msg, WPARAM wParam, LPARAM) {
    switch (msg) {
    case WM_PAINT: {
        rz::PaintDC dc(dialog);
        CoverWindow(dialog, dc, 1, TRUE, COVER_NOPATTERN);
        return 1;
    }
    case WM_INITDIALOG: CenterPopup(dialog, GetParent(dialog)); return 1;
    case WM_CTLCOLOREDIT: return rz::AnswerEditColour(reinterpret_cast<HDC>(wParam));
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORSTATIC: return rz::AnswerFaceColour(reinterpret_cast<HDC>(wParam));
    default: return 0;
    }
}
