// Version resources and the default profile and help file names of a module.
#include <cstring>

#include "frame/module.h"
#include "util/filenames.h"

namespace {

constexpr UINT kBlockFlags = GMEM_MOVEABLE | GMEM_ZEROINIT | GMEM_DDESHARE;  // 0x2042

const char *const kVersionItems[] = {"ProductName", "LegalCopyright", "CompanyName", "FileDescription"};

// Locks a global block for one scope.
class Locked {
public:
    explicit Locked(HGLOBAL block) : block_(block), data_(block ? GlobalLock(block) : nullptr) {}
    ~Locked() {
        if (data_)
            GlobalUnlock(block_);
    }
    Locked(const Locked &) = delete;
    Locked &operator=(const Locked &) = delete;
    void *get() const { return data_; }

private:
    HGLOBAL block_;
    void *data_;
};

// A file's whole version resource in a new global block, or NULL.
HGLOBAL ReadVersionBlock(LPCSTR file, UINT flags) {
    DWORD handle = 0;
    const DWORD size = GetFileVersionInfoSizeA(file, &handle);
    if (size == 0)
        return nullptr;
    HGLOBAL block = GlobalAlloc(flags, size);
    if (!block)
        return nullptr;
    bool ok;
    {
        Locked data(block);
        ok = data.get() && GetFileVersionInfoA(file, handle, size, data.get());
    }
    if (!ok) {
        GlobalFree(block);
        return nullptr;
    }
    return block;
}

// The major and minor file version of this library as major * 100 + minor.
WORD LibraryVersion() {
    const rz::Text self = rz::ModuleFileName(rz::ModuleInstance());
    if (self.empty())
        return 0;
    HGLOBAL block = ReadVersionBlock(self.c_str(), GMEM_MOVEABLE | GMEM_ZEROINIT);
    if (!block)
        return 0;
    DWORD versionMS = 0;
    bool found = false;
    {
        Locked data(block);
        VS_FIXEDFILEINFO *info = nullptr;
        UINT length = 0;
        if (data.get() && VerQueryValueA(data.get(), "\\", reinterpret_cast<void **>(&info), &length) && info &&
            length >= sizeof(VS_FIXEDFILEINFO)) {
            versionMS = info->dwFileVersionMS;
            found = true;
        }
    }
    GlobalFree(block);
    if (!found)
        return 0;
    return static_cast<WORD>(HIWORD(versionMS) * 100 + LOWORD(versionMS));
}

// The help file beside the module when it exists, else APP.HLP's name.
bool HelpFileInto(HINSTANCE instance, LPSTR buffer) {
    const rz::Text path = rz::ModuleFileName(instance);
    if (path.empty())
        return false;
    const rz::Text beside = rz::HelpFileBeside(path.c_str());
    if (!beside.ok())
        return false;
    if (IsFileExist(beside.c_str()))
        return rz::CopyIfFits(beside, buffer, HLPFILE_BUFFER);
    return rz::CopyIfFits(rz::HelpFileName(path.c_str()), buffer, HLPFILE_BUFFER);
}

}  // namespace

extern "C" {

HGLOBAL WINAPI OpenVerInf(LPCSTR file, DWORD *translation) {
    if (!file || !translation)
        return nullptr;
    HGLOBAL block = ReadVersionBlock(file, kBlockFlags);
    if (!block)
        return nullptr;
    bool found = false;
    {
        Locked data(block);
        DWORD *entries = nullptr;
        UINT length = 0;
        if (data.get() && VerQueryValueA(data.get(), "\\VarFileInfo\\Translation",
                                         reinterpret_cast<void **>(&entries), &length) &&
            entries && length >= sizeof(DWORD)) {
            *translation = entries[0];
            found = true;
        }
    }
    if (!found) {
        GlobalFree(block);
        return nullptr;
    }
    return block;
}

WORD WINAPI GetVerInf(HGLOBAL block, DWORD translation, int item, LPSTR buffer) {
    if (!buffer)
        return 0;
    buffer[0] = '\0';
    const short index = static_cast<short>(item);
    if (!block || index < 0 || index >= static_cast<short>(sizeof(kVersionItems) / sizeof(kVersionItems[0])))
        return 0;  // other items would name the string table itself, not a string
    char path[64];
    wsprintfA(path, "\\StringFileInfo\\%04X%04X\\%s", LOWORD(translation), HIWORD(translation),
              kVersionItems[index]);
    Locked data(block);
    char *text = nullptr;
    UINT length = 0;
    if (!data.get() || !VerQueryValueA(data.get(), path, reinterpret_cast<void **>(&text), &length) || !text ||
        IsBadReadPtr(text, length))
        return 0;
    const size_t n = strnlen(text, length);
    if (n >= VERINF_BUFFER)
        return 0;  // longer than the caller's buffer is documented to be
    memcpy(buffer, text, n);
    buffer[n] = '\0';
    return 1;
}

WORD WINAPI GetNEBAPLDLLVersion(void) {
    return LibraryVersion();
}

BOOL WINAPI IsFileExist(LPCSTR path) {
    if (!path || strnlen(path, FILEEXIST_MAXPATH + 1) > FILEEXIST_MAXPATH)
        return FALSE;
    HANDLE file = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return FALSE;
    CloseHandle(file);
    return TRUE;
}

void WINAPI GetIniFileName(HINSTANCE instance, LPSTR buffer) {
    if (!buffer)
        return;
    buffer[0] = '\0';
    const rz::Text path = rz::ModuleFileName(instance);
    rz::CopyIfFits(rz::IniFileName(path.c_str()), buffer, INIFILE_BUFFER);
}

void WINAPI GetHlpFileName(HINSTANCE instance, LPSTR buffer) {
    if (!buffer)
        return;
    buffer[0] = '\0';
    HelpFileInto(instance, buffer);
}

}  // extern "C"
