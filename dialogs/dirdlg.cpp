// Directory selection: CallSelDirectry (template 3080) and, with a field
// for a typed path that is created when missing, CallSelEditDirectry
// (template 3090).  The system dialog picks files only: its file-name part
// is hidden, the dummy name makes OK always acceptable, and the dummy is
// cut off the answer again.
#include "dialogs/dirdlg.h"

#include <dlgs.h>
#include <direct.h>

#include "dialogs/filedlg.h"
#include "frame/module.h"

namespace {

using rz::SelDirBlock;
using rz::SelDirState;
using rz::SelEditDirBlock;
namespace paths = rz::paths;

SelDirState g_selDir = {nullptr, nullptr, -1, -1};
SelDirState g_selEditDir = {nullptr, nullptr, -1, -1};

// 指定されたディレクトリは存在しません｡\n新規に作成しますか？
const char kCreateQuestion[] =
    "\x8E\x77\x92\xE8\x82\xB3\x82\xEA\x82\xBD\x83\x66\x83\x42\x83\x8C\x83\x4E\x83\x67\x83\x8A\x82\xCD\x91\xB6"
    "\x8D\xDD\x82\xB5\x82\xDC\x82\xB9\x82\xF1\xA1\n\x90\x56\x8B\x4B\x82\xC9\x8D\xEC\x90\xAC\x82\xB5\x82\xDC\x82"
    "\xB7\x82\xA9\x81\x48";
// ﾃﾞｨﾚｸﾄﾘ作成
const char kErrorCaption[] = "\xC3\xDE\xA8\xDA\xB8\xC4\xD8\x8D\xEC\x90\xAC";
// A: 作成するﾃﾞｨﾚｸﾄﾘﾊﾟｽはﾌﾙﾊﾟｽで入力してください｡
const char kErrorNoDrive[] =
    "\x8D\xEC\x90\xAC\x82\xB7\x82\xE9\xC3\xDE\xA8\xDA\xB8\xC4\xD8\xCA\xDF\xBD\x82\xCD\xCC\xD9\xCA\xDF\xBD\x82"
    "\xC5\x93\xFC\x97\xCD\x82\xB5\x82\xC4\x82\xAD\x82\xBE\x82\xB3\x82\xA2\xA1";
// B, network drive: ﾃﾞｨﾚｸﾄﾘ作成先がﾈｯﾄﾜｰｸﾄﾞﾗｲﾌﾞです。ｱｸｾｽ/ﾛﾝｸﾞﾌｧｲﾙﾈｰﾑ対応か確認してください｡
const char kErrorNetwork[] =
    "\xC3\xDE\xA8\xDA\xB8\xC4\xD8\x8D\xEC\x90\xAC\x90\xE6\x82\xAA\xC8\xAF\xC4\xDC\xB0\xB8\xC4\xDE\xD7\xB2\xCC"
    "\xDE\x82\xC5\x82\xB7\x81\x42\xB1\xB8\xBE\xBD/\xDB\xDD\xB8\xDE\xCC\xA7\xB2\xD9\xC8\xB0\xD1\x91\xCE\x89\x9E"
    "\x82\xA9\x8A\x6D\x94\x46\x82\xB5\x82\xC4\x82\xAD\x82\xBE\x82\xB3\x82\xA2\xA1";
// B, any other drive: ﾃﾞｨﾚｸﾄﾘは作成出来ません｡
const char kErrorCreate[] = "\xC3\xDE\xA8\xDA\xB8\xC4\xD8\x82\xCD\x8D\xEC\x90\xAC\x8F\x6F\x97\x88\x82\xDC\x82\xB9\x82\xF1\xA1";

// The flags of both: OFN_HIDEREADONLY | OFN_NOCHANGEDIR | OFN_ENABLEHOOK |
// OFN_ENABLETEMPLATE (0x006C); the plain dialog adds OFN_PATHMUSTEXIST.
constexpr DWORD kEditFlags = OFN_HIDEREADONLY | OFN_NOCHANGEDIR | OFN_ENABLEHOOK | OFN_ENABLETEMPLATE;
constexpr DWORD kPlainFlags = kEditFlags | OFN_PATHMUSTEXIST;

// A global block of kBuffer zero bytes, locked while it lives.
class GlobalText {
public:
    GlobalText() : handle_(GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, paths::kBuffer)) {
        text_ = handle_ ? static_cast<char *>(GlobalLock(handle_)) : nullptr;
    }
    ~GlobalText() {
        if (text_)
            GlobalUnlock(handle_);
        if (handle_)
            GlobalFree(handle_);
    }
    GlobalText(const GlobalText &) = delete;
    GlobalText &operator=(const GlobalText &) = delete;
    explicit operator bool() const { return text_ != nullptr; }
    HGLOBAL handle() const { return handle_; }
    char *text() const { return text_; }

private:
    HGLOBAL handle_;
    char *text_;
};

// The hook's local block, locked for one message.
template <class Block>
class Locked {
public:
    explicit Locked(HLOCAL handle) : handle_(handle), block_(handle ? static_cast<Block *>(LocalLock(handle)) : nullptr) {}
    ~Locked() {
        if (block_)
            LocalUnlock(handle_);
    }
    Locked(const Locked &) = delete;
    Locked &operator=(const Locked &) = delete;
    Block *operator->() const { return block_; }
    explicit operator bool() const { return block_ != nullptr; }

private:
    HLOCAL handle_;
    Block *block_;
};

void CopyAnswer(char *dir, const char *answer) { lstrcpynA(dir, answer, static_cast<int>(paths::kBuffer)); }

OPENFILENAMEA DirectoryRecord(HWND owner, LPCSTR title, LPSTR dir, char *file, DWORD flags, LPOFNHOOKPROC hook,
                              int templateId) {
    OPENFILENAMEA ofn = rz::FileDialogRecord(owner, title, flags, hook, templateId);
    lstrcpyA(file, rz::kDummyFileName);
    ofn.lpstrFile = file;
    ofn.nMaxFile = paths::kTextLimit;
    ofn.lpstrInitialDir = dir;
    return ofn;
}

// ------------------------------------------------------------ both hooks

void ForgetListing(SelDirState &state) {
    state.index = state.count = -1;
}

void ReleaseBlock(SelDirState &state) {
    if (state.block)
        LocalFree(state.block);
    state.block = nullptr;
    state.dialog = nullptr;
}

void OnInit(HWND dialog, SelDirState &state, size_t blockSize, UINT snapshot, WPARAM snapshotParam) {
    CenterPopup(dialog, GetParent(dialog));
    ForgetListing(state);
    SetFocus(GetDlgItem(dialog, lst2));
    // A second dialog of the kind while one is open shares its block, which
    // the first one releases; a block whose dialog is gone is replaced.
    if (!state.block || !IsWindow(state.dialog)) {
        ReleaseBlock(state);
        state.block = LocalAlloc(LMEM_MOVEABLE | LMEM_ZEROINIT, blockSize);
        state.dialog = dialog;
    }
    PostMessageA(dialog, snapshot, snapshotParam, 0);
}

void OnDestroy(HWND dialog, SelDirState &state) {
    if (state.dialog == dialog)
        ReleaseBlock(state);
}

// Reads the list's selected entry into `text` (empty when there is none).
void ReadSelection(HWND dialog, LONG *index, LONG *count, char *text) {
    HWND list = GetDlgItem(dialog, lst2);
    *index = static_cast<LONG>(SendMessageA(list, LB_GETCURSEL, 0, 0));
    *count = static_cast<LONG>(SendMessageA(list, LB_GETCOUNT, 0, 0));
    text[0] = '\0';
    if (*index >= 0 && SendMessageA(list, LB_GETTEXTLEN, *index, 0) < static_cast<LRESULT>(paths::kBuffer))
        SendMessageA(list, LB_GETTEXT, *index, reinterpret_cast<LPARAM>(text));
}

void OnSnapshot(HWND dialog, SelDirState &state) {
    Locked<SelDirBlock> block(state.block);
    char unused[paths::kBuffer];
    ReadSelection(dialog, &state.index, &state.count, block ? block->recorded : unused);
}

// A double click on the entry that is already open (nothing changed since
// the last snapshot) chooses it; on another entry the system opens it.
void OnListDoubleClick(HWND dialog, SelDirState &state, UINT snapshot) {
    Locked<SelDirBlock> block(state.block);
    if (!block)
        return;
    LONG index, count;
    ReadSelection(dialog, &index, &count, block->text);
    if (index == state.index && count == state.count && strcmp(block->text, block->recorded) == 0)
        PostMessageA(dialog, WM_COMMAND, IDOK, reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDOK)));
    PostMessageA(dialog, snapshot, 0, 0);
}

// After a change of drive nothing is recorded, so the first double click
// only opens a directory.
void OnDriveChange(SelDirState &state) {
    ForgetListing(state);
    Locked<SelDirBlock> block(state.block);
    if (block)
        block->recorded[0] = '\0';
}

// What both hooks do alike; false when the message is not one of them.
bool CommonMessage(HWND dialog, UINT msg, WPARAM wParam, SelDirState &state, UINT snapshot, UINT_PTR *result) {
    *result = 0;
    switch (msg) {
    case WM_ERASEBKGND:
        CoverWindow(dialog, reinterpret_cast<HDC>(wParam), 1, TRUE, COVER_NOPATTERN);
        *result = 1;
        return true;
    case WM_CTLCOLOREDIT: *result = rz::AnswerEditColour(reinterpret_cast<HDC>(wParam)); return true;
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORSTATIC: *result = rz::AnswerFaceColour(reinterpret_cast<HDC>(wParam)); return true;
    case WM_DESTROY: OnDestroy(dialog, state); return true;
    case WM_COMMAND:
        if (LOWORD(wParam) == lst2 && HIWORD(wParam) == LBN_DBLCLK) {
            OnListDoubleClick(dialog, state, snapshot);
            return true;
        }
        if (LOWORD(wParam) == cmb2 && HIWORD(wParam) == CBN_SELCHANGE) {
            OnDriveChange(state);
            return true;
        }
        return false;
    default: return false;
    }
}

// ------------------------------------------------------------ edit hook

HWND PathEdit(HWND dialog) { return GetDlgItem(dialog, REZORE32_IDC_SELDIR_EDIT); }

// The current directory into text (kBuffer bytes); empty when it does not fit.
void ReadCurrentDirectory(char *text) {
    const DWORD n = GetCurrentDirectoryA(static_cast<DWORD>(paths::kTextLimit), text);
    if (n == 0 || n >= paths::kTextLimit)
        text[0] = '\0';
}

// The system dialog changed its directory label (a hidden edit here).
void OnLabelUpdate(HWND dialog) {
    Locked<SelDirBlock> block(g_selEditDir.block);
    if (!block)
        return;
    GetDlgItemTextA(dialog, stc1, block->text, static_cast<int>(paths::kBuffer));
    if (strstr(block->text, "..."))  // shortened by the system
        ReadCurrentDirectory(block->text);
    SetWindowTextA(PathEdit(dialog), block->text);
}

void OnEditSnapshot(HWND dialog, WPARAM refresh) {
    OnSnapshot(dialog, g_selEditDir);
    if (refresh)
        PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(stc1, EN_UPDATE),
                     reinterpret_cast<LPARAM>(GetDlgItem(dialog, stc1)));
}

// Accepting: the current directory is the answer, written to the block
// whose handle the hidden static carries.
UINT_PTR Accept(HWND dialog) {
    char handleText[257] = {};
    GetDlgItemTextA(dialog, REZORE32_IDC_SELDIR_ANSWER, handleText, 257);
    if (HGLOBAL answer = reinterpret_cast<HGLOBAL>(paths::ParseHandle(handleText))) {
        if (char *text = static_cast<char *>(GlobalLock(answer))) {
            ReadCurrentDirectory(text);
            GlobalUnlock(answer);
        }
    }
    return 0;  // the system dialog completes OK
}

// Refusing keeps the dialog open with the focus in the edit field.
UINT_PTR Refuse(HWND dialog, const char *error) {
    if (error) {
        MessageBoxA(dialog, error, kErrorCaption, MB_OK | MB_ICONINFORMATION);
        MessageBeep(0);
    }
    SetFocus(PathEdit(dialog));
    return 1;
}

const char *CreationError(const char *path) {
    const char root[] = {path[0], ':', '\\', '\0'};
    return GetDriveTypeA(root) == DRIVE_REMOTE ? kErrorNetwork : kErrorCreate;
}

// Makes each missing level of the path, each new one current.
bool MakeLevel(const char *level) {
    if (SetCurrentDirectoryA(level))
        return true;
    SECURITY_ATTRIBUTES security = {sizeof(security), nullptr, FALSE};
    if (!CreateDirectoryA(level, &security))
        return false;
    _chdir(level);
    return true;
}

// OK: the typed path is made current, or created after a question.
UINT_PTR OnEditOk(HWND dialog) {
    Locked<SelEditDirBlock> block(g_selEditDir.block);
    if (!block) {
        MessageBeep(0);  // nothing to check the typed path with
        return Refuse(dialog, nullptr);
    }
    memset(block->text, 0, sizeof(block->text));
    memset(block->built, 0, sizeof(block->built));
    char *path = block->text;
    HWND edit = PathEdit(dialog);
    GetWindowTextA(edit, path, static_cast<int>(paths::kBuffer));
    if (!paths::StartsWithDrive(path))
        return Refuse(dialog, kErrorNoDrive);
    if (GetWindowTextLengthA(edit) > static_cast<int>(paths::kTextLimit))
        return Refuse(dialog, kErrorCreate);  // longer than any path the system takes
    if (SetCurrentDirectoryA(path))
        return Accept(dialog);
    paths::TrimSeparators(path);
    if (strlen(path) == 2 || SetCurrentDirectoryA(path))
        return Accept(dialog);
    // A path that could never be made is refused before the question.
    if (paths::WalkLevels(path, block->built, sizeof(block->built), [](const char *) { return true; }) !=
        paths::Walk::kDone)
        return Refuse(dialog, kErrorCreate);
    char caption[paths::kBuffer] = {};
    GetWindowTextA(dialog, caption, sizeof(caption));
    if (MessageBoxA(dialog, kCreateQuestion, caption, MB_YESNO | MB_ICONINFORMATION | MB_SYSTEMMODAL) == IDNO)
        return Refuse(dialog, nullptr);
    if (paths::WalkLevels(path, block->built, sizeof(block->built), MakeLevel) != paths::Walk::kDone)
        return Refuse(dialog, CreationError(path));
    return Accept(dialog);
}

void OnEditInit(HWND dialog, const OPENFILENAMEA *ofn) {
    char handleText[24];
    paths::FormatHandle(ofn ? static_cast<ULONG_PTR>(ofn->lCustData) : 0, handleText);
    SetDlgItemTextA(dialog, REZORE32_IDC_SELDIR_ANSWER, handleText);
    OnInit(dialog, g_selEditDir, sizeof(SelEditDirBlock), SELEDITDIR_SNAPSHOT, 1);
}

}  // namespace

extern "C" BOOL WINAPI CallSelDirectry(HWND owner, LPCSTR title, LPSTR dir, DWORD) {
    if (!dir)
        return FALSE;
    GlobalText file;
    if (!file)
        return FALSE;
    paths::PrepareDirectory(dir);
    OPENFILENAMEA ofn = DirectoryRecord(owner, title, dir, file.text(), kPlainFlags, SelDirectryDlgFN,
                                        REZORE32_IDD_SELDIR);
    if (!GetOpenFileNameA(&ofn))
        return FALSE;
    // Cutting the dummy name keeps the directory's final backslash.
    if (ofn.nFileOffset < paths::kBuffer)
        file.text()[ofn.nFileOffset] = '\0';
    if (!file.text()[0])
        return FALSE;  // no directory to answer with
    CopyAnswer(dir, file.text());
    return TRUE;
}

extern "C" BOOL WINAPI CallSelEditDirectry(HWND owner, LPCSTR title, LPSTR dir, DWORD) {
    if (!dir)
        return FALSE;
    GlobalText answer;
    if (!answer)
        return FALSE;
    GlobalText file;
    if (!file)
        return FALSE;
    paths::PrepareDirectory(dir);
    OPENFILENAMEA ofn = DirectoryRecord(owner, title, dir, file.text(), kEditFlags, SelEditDirectryDlgFN,
                                        REZORE32_IDD_SELEDITDIR);
    ofn.lCustData = reinterpret_cast<LPARAM>(answer.handle());
    if (!GetOpenFileNameA(&ofn))
        return FALSE;
    // No answer, or one that would not fit with its backslash: a failure.
    const size_t length = paths::AnswerLength(answer.text());
    if (length == 0)
        return FALSE;
    CopyAnswer(dir, answer.text());
    if (length > strlen(answer.text()))
        lstrcatA(dir, "\\");
    return TRUE;
}

extern "C" UINT_PTR WINAPI SelDirectryDlgFN(HWND dialog, UINT msg, WPARAM wParam, LPARAM) {
    UINT_PTR result;
    if (CommonMessage(dialog, msg, wParam, g_selDir, SELDIR_SNAPSHOT, &result))
        return result;
    switch (msg) {
    case WM_INITDIALOG: OnInit(dialog, g_selDir, sizeof(SelDirBlock), SELDIR_SNAPSHOT, 0); return 0;
    case SELDIR_SNAPSHOT: OnSnapshot(dialog, g_selDir); return 0;
    default: return 0;
    }
}

extern "C" UINT_PTR WINAPI SelEditDirectryDlgFN(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam) {
    UINT_PTR result;
    if (CommonMessage(dialog, msg, wParam, g_selEditDir, SELEDITDIR_SNAPSHOT, &result))
        return result;
    switch (msg) {
    case WM_INITDIALOG: OnEditInit(dialog, reinterpret_cast<const OPENFILENAMEA *>(lParam)); return 0;
    case SELEDITDIR_SNAPSHOT: OnEditSnapshot(dialog, wParam); return 0;
    case WM_COMMAND:
        if (LOWORD(wParam) == stc1 && HIWORD(wParam) == EN_UPDATE)
            OnLabelUpdate(dialog);
        else if (LOWORD(wParam) == IDOK)
            return OnEditOk(dialog);
        return 0;
    default: return 0;
    }
}
