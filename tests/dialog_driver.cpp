#include "tests/dialog_driver.h"

#include <dlgs.h>
#include <gtest/gtest.h>

#include <cstring>

namespace rzt {

static FakeFileDialog *g_fake;

HWND FindDialog(std::function<bool(HWND)> pick) {
    struct Search {
        std::function<bool(HWND)> pick;
        HWND found;
    } search{std::move(pick), nullptr};
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND w, LPARAM p) -> BOOL {
            auto *s = reinterpret_cast<Search *>(p);
            char cls[16] = {};
            GetClassNameA(w, cls, sizeof(cls));
            if (IsWindowVisible(w) && strcmp(cls, "#32770") == 0 && s->pick(w))
                s->found = w;
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

namespace {

struct Script {
    std::vector<Step> steps;
    size_t next;
    bool busy;  // a step may run a modal loop of its own
    DWORD start;
} *g_script;

void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
    Script *s = g_script;
    if (!s || s->busy)
        return;
    if (GetTickCount() - s->start > 20000) {  // also when a dialog outlives the last step
        if (s->next <= s->steps.size())
            ADD_FAILURE() << "script stopped at step " << s->next << " of " << s->steps.size() << "; closing what is open";
        s->next = s->steps.size() + 1;
        FindDialog([](HWND w) {
            PostMessageA(w, WM_COMMAND, IDNO, 0);
            PostMessageA(w, WM_COMMAND, IDCANCEL, 0);
            return false;
        });
        return;
    }
    if (s->next >= s->steps.size())
        return;
    s->busy = true;
    if (s->steps[s->next]())
        ++s->next;
    s->busy = false;
}

}  // namespace

bool RunScript(std::vector<Step> steps, const std::function<void()> &run) {
    Script script{std::move(steps), 0, false, GetTickCount()};
    g_script = &script;
    const UINT_PTR timer = SetTimer(nullptr, 0, 30, Tick);
    run();
    KillTimer(nullptr, timer);
    g_script = nullptr;
    return script.next == script.steps.size();
}

std::string ItemText(HWND dialog, int id) {
    char text[2048] = {};
    GetDlgItemTextA(dialog, id, text, sizeof(text));
    return text;
}

std::string CurrentDirectory() {
    char dir[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, dir);
    return dir;
}

bool RemoveTree(const std::string &path) {
    WIN32_FIND_DATAA found;
    HANDLE h = FindFirstFileA((path + "\\*").c_str(), &found);
    for (BOOL more = h != INVALID_HANDLE_VALUE; more; more = FindNextFileA(h, &found)) {
        const std::string name = found.cFileName, full = path + "\\" + name;
        if (name == "." || name == "..")
            continue;
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
            RemoveTree(full);
        else
            DeleteFileA(full.c_str());
    }
    if (h != INVALID_HANDLE_VALUE)
        FindClose(h);
    RemoveDirectoryA(path.c_str());
    return GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES;
}

FakeFileDialog::FakeFileDialog()
    : open_(Library(), "comdlg32.dll", "GetOpenFileNameA", reinterpret_cast<void *>(&Open)),
      save_(Library(), "comdlg32.dll", "GetSaveFileNameA", reinterpret_cast<void *>(&Save)) {
    g_fake = this;
}

FakeFileDialog::~FakeFileDialog() { g_fake = nullptr; }

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
