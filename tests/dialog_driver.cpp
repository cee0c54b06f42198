#include "tests/dialog_driver.h"

#include <dlgs.h>
#include <gtest/gtest.h>

#include <cstring>

namespace rzt {

namespace {

DialogScript *g_script;

bool IsDialogClass(HWND w) {
    char cls[16] = {};
    GetClassNameA(w, cls, sizeof(cls));
    return strcmp(cls, "#32770") == 0;
}

// Every dialog of the thread that `pick` accepts, the last one found.
HWND FindThreadDialog(std::function<bool(HWND)> pick) {
    struct Search {
        std::function<bool(HWND)> pick;
        HWND found;
    } search{std::move(pick), nullptr};
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND w, LPARAM p) -> BOOL {
            auto *s = reinterpret_cast<Search *>(p);
            if (IsWindowVisible(w) && IsDialogClass(w) && s->pick(w))
                s->found = w;
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

}  // namespace

DialogScript::DialogScript(std::vector<Step> steps) : steps_(std::move(steps)), start_(GetTickCount()) {
    g_script = this;
    timer_ = SetTimer(nullptr, 0, 30, Tick);
}

DialogScript::~DialogScript() {
    KillTimer(nullptr, timer_);
    g_script = nullptr;
}

void CALLBACK DialogScript::Tick(HWND, UINT, UINT_PTR, DWORD) {
    DialogScript *s = g_script;
    if (!s || s->busy_)
        return;
    if (GetTickCount() - s->start_ > 20000) {
        ADD_FAILURE() << "script stopped at step " << s->next_ << "; closing what is open";
        s->next_ = s->steps_.size();
        FindThreadDialog([](HWND w) {
            PostMessageA(w, WM_COMMAND, IDNO, 0);
            PostMessageA(w, WM_COMMAND, IDCANCEL, 0);
            return false;
        });
        return;
    }
    if (s->done())
        return;
    s->busy_ = true;  // a step may run a modal loop of its own
    if (s->steps_[s->next_]())
        ++s->next_;
    s->busy_ = false;
}

HWND FindFileDialog() {
    return FindThreadDialog([](HWND w) { return GetDlgItem(w, lst2) != nullptr; });
}

HWND FindDialogTitled(const char *caption) {
    return FindThreadDialog([caption](HWND w) {
        char text[256] = {};
        GetWindowTextA(w, text, sizeof(text));
        return strcmp(text, caption) == 0;
    });
}

HWND FindMessageBox(HWND owner) {
    return FindThreadDialog([owner](HWND w) { return GetWindow(w, GW_OWNER) == owner && !GetDlgItem(w, lst2); });
}

std::string MessageBoxText(HWND box) { return ItemText(box, 0xFFFF); }

std::string ItemText(HWND dialog, int id) {
    char text[2048] = {};
    GetDlgItemTextA(dialog, id, text, sizeof(text));
    return text;
}

void PostClick(HWND dialog, int id) {
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

bool SamePath(const std::string &a, const std::string &b) { return lstrcmpiA(a.c_str(), b.c_str()) == 0; }

std::string CurrentDirectory() {
    char dir[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, dir);
    return dir;
}

bool RemoveTree(const std::string &path) {
    WIN32_FIND_DATAA found;
    HANDLE h = FindFirstFileA((path + "\\*").c_str(), &found);
    if (h != INVALID_HANDLE_VALUE) {
        do {
            const std::string name = found.cFileName;
            if (name == "." || name == "..")
                continue;
            const std::string full = path + "\\" + name;
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                RemoveTree(full);
            else
                DeleteFileA(full.c_str());
        } while (FindNextFileA(h, &found));
        FindClose(h);
    }
    RemoveDirectoryA(path.c_str());
    return GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES;
}

// ---------------------------------------------------------------- fake
namespace {
FakeFileDialog *g_fake;
}

HMODULE Library() { return GetModuleHandleA("REZORE32.DLL"); }

FakeFileDialog::FakeFileDialog()
    : open_(Library(), "comdlg32.dll", "GetOpenFileNameA", reinterpret_cast<void *>(&Open)),
      save_(Library(), "comdlg32.dll", "GetSaveFileNameA", reinterpret_cast<void *>(&Save)) {
    g_fake = this;
}

FakeFileDialog::~FakeFileDialog() { g_fake = nullptr; }

BOOL WINAPI FakeFileDialog::Open(OPENFILENAMEA *ofn) { return Record(false, ofn); }
BOOL WINAPI FakeFileDialog::Save(OPENFILENAMEA *ofn) { return Record(true, ofn); }

BOOL FakeFileDialog::Record(bool save, OPENFILENAMEA *ofn) {
    Call call{save, *ofn, {}, ofn->lpstrFile ? ofn->lpstrFile : ""};
    if (const char *f = ofn->lpstrFilter) {
        size_t n = 0;
        while (f[n] || f[n + 1])
            ++n;
        call.filter.assign(f, n + 2);
    }
    g_fake->calls.push_back(call);
    return g_fake->answer ? g_fake->answer(ofn) : FALSE;
}

}  // namespace rzt
