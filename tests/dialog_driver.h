// Driving the common file dialogs from inside their modal loop: a script of
// steps on a thread timer, finders for the dialog and its message boxes,
// and a stand-in for the system's dialog functions that records the
// record the library fills.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "tests/support.h"

namespace rzt {

// Steps run one per timer tick while a modal loop runs; a step returns
// false to be tried again on the next tick.  Whatever dialog or message box
// is still open 20 s after the start is cancelled, so no test hangs.
class DialogScript {
public:
    using Step = std::function<bool()>;
    explicit DialogScript(std::vector<Step> steps);
    ~DialogScript();
    bool done() const { return next_ == steps_.size(); }

private:
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD);
    std::vector<Step> steps_;
    size_t next_ = 0;
    bool busy_ = false;
    DWORD start_;
    UINT_PTR timer_;
};

// The old-style file dialog of this thread (it has the directory list).
HWND FindFileDialog();
// A top-level dialog of this thread with the given caption.
HWND FindDialogTitled(const char *caption);
// The message box owned by `owner`, or NULL.
HWND FindMessageBox(HWND owner);
// The text of a message box.
std::string MessageBoxText(HWND box);

std::string ItemText(HWND dialog, int id);
// Clicks a button of a dialog the way the button itself notifies.
void PostClick(HWND dialog, int id);

// Paths compare without regard to case: the system dialog lowers them.
bool SamePath(const std::string &a, const std::string &b);
std::string CurrentDirectory();
// Removes a directory tree (files included); true when it is gone.
bool RemoveTree(const std::string &path);

// Replaces GetOpenFileNameA and GetSaveFileNameA inside the library while it
// lives: each call is recorded and answered by `answer` (default: 0).
class FakeFileDialog {
public:
    struct Call {
        bool save;
        OPENFILENAMEA ofn;
        std::string filter;  // up to the double zero, zeros kept
        std::string file;    // lpstrFile as it was passed
    };
    FakeFileDialog();
    ~FakeFileDialog();
    bool ok() const { return open_.ok() && save_.ok(); }
    std::vector<Call> calls;
    std::function<BOOL(OPENFILENAMEA *)> answer;

private:
    static BOOL WINAPI Open(OPENFILENAMEA *ofn);
    static BOOL WINAPI Save(OPENFILENAMEA *ofn);
    static BOOL Record(bool save, OPENFILENAMEA *ofn);
    ImportPatch open_, save_;
};

HMODULE Library();

}  // namespace rzt
