// The file and directory selection dialogs as an application calls them:
// one button each, the answer shown below them.
#include "dialogs.h"

#include "gallery.h"
#include "pages.h"
#include "rezore32.h"

namespace {

struct Selection {
    int id;
    const char *shot;   // FILE-<shot>.png
    const char *title;  // also how the screenshot timer finds the dialog
};
const Selection kSelections[] = {
    {IDC_OPENFILE, "open", "\x83\x74\x83\x40\x83\x43\x83\x8B\x82\xF0\x8A\x4A\x82\xAD"},  // ファイルを開く
    {IDC_OPENFILE95, "open95", "\x83\x74\x83\x40\x83\x43\x83\x8B\x82\xF0\x8A\x4A\x82\xAD (95)"},
    {IDC_SELDIR, "dir", "\x83\x66\x83\x42\x83\x8C\x83\x4E\x83\x67\x83\x8A\x82\xCC\x91\x49\x91\xF0"},  // ディレクトリの選択
    {IDC_SELEDITDIR, "diredit", "\x8D\xEC\x90\xAC\x82\xB7\x82\xE9\x83\x66\x83\x42\x83\x8C\x83\x4E\x83\x67\x83\x8A"},  // 作成するディレクトリ
};

// The dialog's answer, or empty on cancel.
std::string Run(HWND owner, const Selection &s) {
    char answer[REZORE32_DIRBUFFER] = "";
    char filter[] = "\x83\x65\x83\x4C\x83\x58\x83\x67 (*.txt)|*.txt|\x82\xB7\x82\xD7\x82\xC4 (*.*)|*.*|";  // テキスト / すべて
    BOOL ok = FALSE;
    switch (s.id) {
    case IDC_OPENFILE: ok = CallOpenFileName(owner, FALSE, s.title, filter, answer, sizeof(answer)); break;
    case IDC_OPENFILE95: ok = CallOpenFileName95(owner, FALSE, s.title, filter, answer, sizeof(answer)); break;
    case IDC_SELDIR:
    case IDC_SELEDITDIR:
        GetCurrentDirectoryA(MAX_PATH, answer);
        ok = (s.id == IDC_SELDIR ? CallSelDirectry : CallSelEditDirectry)(owner, s.title, answer, 0);
        break;
    default: break;
    }
    return ok ? answer : "";
}

// The dialog being shot, found by its title once it is up.
const Selection *g_shooting;
std::string g_shotPath;
bool g_shotSaved;

BOOL CALLBACK FindTitled(HWND w, LPARAM found) {
    char text[128] = {};
    GetWindowTextA(w, text, sizeof(text));
    if (IsWindowVisible(w) && lstrcmpA(text, g_shooting->title) == 0)
        *reinterpret_cast<HWND *>(found) = w;
    return TRUE;
}

void CALLBACK ShootOpenDialog(HWND, UINT, UINT_PTR timer, DWORD) {
    HWND dialog = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), FindTitled, reinterpret_cast<LPARAM>(&dialog));
    if (!dialog)
        return;
    KillTimer(nullptr, timer);
    RedrawWindow(dialog, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    g_shotSaved = Screenshot(dialog, g_shotPath);
    PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
}

}  // namespace

bool RunSelectionDialog(HWND gallery, int id) {
    for (const Selection &s : kSelections)
        if (s.id == id) {
            const std::string answer = Run(gallery, s);
            SetDlgItemTextA(gallery, IDC_DIALOG_ANSWER, answer.empty() ? "(\x83\x4C\x83\x83\x83\x93\x83\x5A\x83\x8B)" : answer.c_str());  // (キャンセル)
            return true;
        }
    return false;
}

bool ShootSelectionDialogs(HWND gallery, const std::string &path) {
    char start[MAX_PATH] = "";
    GetCurrentDirectoryA(MAX_PATH, start);
    SetCurrentDirectoryA("C:\\windows");
    bool all = true;
    for (const Selection &s : kSelections) {
        g_shooting = &s;
        g_shotPath = ShotName(path, (std::string("-") + s.shot).c_str());
        g_shotSaved = false;
        SetTimer(nullptr, 0, 700, ShootOpenDialog);
        Run(gallery, s);
        all = all && g_shotSaved;
    }
    g_shooting = nullptr;
    SetCurrentDirectoryA(start);
    return all;
}
