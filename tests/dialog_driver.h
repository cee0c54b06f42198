// Driving the common file dialogs from inside their modal loop, and a stand-in for the system's functions.
#pragma once

#include <windows.h>
#include <functional>
#include <string>
#include <vector>
#include "tests/support.h"

namespace rzt {

// Calls `run`, a modal loop, while `steps` run one per 30 ms tick, a step returning false to be tried again;
// what is still open 20 s after the start is cancelled, so no test hangs.  True when every step ran.
using Step = std::function<bool()>;
bool RunScript(std::vector<Step> steps, const std::function<void()> &run);

// The last visible dialog of this thread that `pick` accepts; the old-style file dialog (list 1121); a box.
HWND FindDialog(std::function<bool(HWND)> pick);
inline HWND FindFileDialog() { return FindDialog([](HWND w) { return GetDlgItem(w, 1121) != nullptr; }); }
inline HWND FindMessageBox(HWND owner) {
    return FindDialog([owner](HWND w) { return GetWindow(w, GW_OWNER) == owner && !GetDlgItem(w, 1121); });
}

std::string WindowText(HWND window);
inline std::string ItemText(HWND dialog, int id) { return WindowText(GetDlgItem(dialog, id)); }  // a box's: 0xFFFF
inline void PostClick(HWND dialog, int id) {  // as the button itself notifies
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

// Paths compare without regard to case: the system dialog lowers them.
inline bool SamePath(const std::string &a, const std::string &b) { return lstrcmpiA(a.c_str(), b.c_str()) == 0; }
std::string CurrentDirectory();
bool RemoveTree(const std::string &path);  // files included; true when it is gone
inline HMODULE Library() { return GetModuleHandleA("REZORE32.DLL"); }
std::string Ansi(const char *utf8);  // a UTF-8 text of the source in the ANSI code page (Shift-JIS here)

// Stands in for GetOpenFileNameA and GetSaveFileNameA inside the library: records, then asks `answer` (or 0).
class FakeFileDialog {
public:
    struct Call {  // the filter up to its double zero, zeros kept; the file name as it was passed
        bool save;
        OPENFILENAMEA ofn;
        std::string filter, file;
    };
    FakeFileDialog();
    ~FakeFileDialog();
    std::vector<Call> calls;
    std::function<BOOL(OPENFILENAMEA *)> answer;

private:
    static BOOL WINAPI Open(OPENFILENAMEA *ofn) { return Record(false, ofn); }
    static BOOL WINAPI Save(OPENFILENAMEA *ofn) { return Record(true, ofn); }
    static BOOL Record(bool save, OPENFILENAMEA *ofn);
    ImportPatch open_, save_;
};

}  // namespace rzt
