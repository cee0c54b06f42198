#include "tests/dialog_driver.h"

#include <gtest/gtest.h>
#include <filesystem>

namespace rzt {

HWND FindDialog(std::function<bool(HWND)> pick) {
    HWND found = nullptr;
    for (HWND w = nullptr; (w = FindWindowExA(nullptr, w, "#32770", nullptr)) != nullptr;)
        if (GetWindowThreadProcessId(w, nullptr) == GetCurrentThreadId() && IsWindowVisible(w) && pick(w))
            found = w;
    return found;
}

static struct Script {
    std::vector<Step> steps;
    size_t next;
    bool busy;  // a step may run a modal loop of its own
    DWORD start;
} *g_script;

static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
    Script *s = g_script;
    if (!s || s->busy)
        return;
    if (GetTickCount() - s->start > 20000) {  // also when a dialog outlives the last step
        if (s->next <= s->steps.size())
            ADD_FAILURE() << "script stopped at step " << s->next << " of " << s->steps.size() << ", closing all";
        s->next = s->steps.size() + 1;
        FindDialog([](HWND w) {
            PostMessageA(w, WM_COMMAND, IDNO, 0);
            PostMessageA(w, WM_COMMAND, IDCANCEL, 0);
            return false;
        });
    } else if (s->next < s->steps.size()) {
        s->busy = true;
        s->next += s->steps[s->next]() ? 1 : 0;
        s->busy = false;
    }
}

bool RunScript(std::vector<Step> steps, const std::function<void()> &run) {
    Script script{std::move(steps), 0, false, GetTickCount()};
    g_script = &script;
    const UINT_PTR timer = SetTimer(nullptr, 0, 30, Tick);
    run();
    KillTimer(nullptr, timer);
    g_script = nullptr;
    return script.next == script.steps.size();
}

std::string WindowText(HWND window) {
    std::string text(GetWindowTextLengthA(window) + 1, '\0');
    text.resize(GetWindowTextA(window, &text[0], static_cast<int>(text.size())));
    return text;
}

std::string Ansi(const char *utf8) {
    std::wstring wide(MultiByteToWideChar(CP_UTF8, 0, utf8, -1, nullptr, 0), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8, -1, &wide[0], static_cast<int>(wide.size()));
    std::string text(WideCharToMultiByte(CP_ACP, 0, wide.c_str(), -1, nullptr, 0, nullptr, nullptr), '\0');
    WideCharToMultiByte(CP_ACP, 0, wide.c_str(), -1, &text[0], static_cast<int>(text.size()), nullptr, nullptr);
    return text.c_str();
}

std::string CurrentDirectory() {
    char dir[MAX_PATH] = {};
    return std::string(dir, GetCurrentDirectoryA(MAX_PATH, dir));
}

bool RemoveTree(const std::string &path) {
    std::error_code error;
    std::filesystem::remove_all(path, error);
    return GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES;
}

static FakeFileDialog *g_fake;  // the one alive
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
