// The directory dialogs: the record and the answer (through a stand-in for
// the system's function), and the dialogs themselves driven from inside
// their modal loop in a directory tree made for the test.
#include <gtest/gtest.h>

#include <windows.h>
#include <dlgs.h>

#include <cstring>
#include <string>
#include <tuple>
#include <utility>

#include "tests/dialog_driver.h"

namespace {

using rzt::Step;
using rzt::FakeFileDialog;
using rzt::SamePath;
using CallFn = BOOL(WINAPI *)(HWND, LPCSTR, LPSTR, DWORD);

// 指定されたディレクトリは存在しません｡\n新規に作成しますか？
const char kQuestion[] =
    "\x8E\x77\x92\xE8\x82\xB3\x82\xEA\x82\xBD\x83\x66\x83\x42\x83\x8C\x83\x4E\x83\x67\x83\x8A\x82\xCD\x91\xB6"
    "\x8D\xDD\x82\xB5\x82\xDC\x82\xB9\x82\xF1\xA1\n\x90\x56\x8B\x4B\x82\xC9\x8D\xEC\x90\xAC\x82\xB5\x82\xDC\x82"
    "\xB7\x82\xA9\x81\x48";
const char kErrorCaption[] = "\xC3\xDE\xA8\xDA\xB8\xC4\xD8\x8D\xEC\x90\xAC";  // ﾃﾞｨﾚｸﾄﾘ作成
const char kErrorNoDrive[] =
    "\x8D\xEC\x90\xAC\x82\xB7\x82\xE9\xC3\xDE\xA8\xDA\xB8\xC4\xD8\xCA\xDF\xBD\x82\xCD\xCC\xD9\xCA\xDF\xBD\x82"
    "\xC5\x93\xFC\x97\xCD\x82\xB5\x82\xC4\x82\xAD\x82\xBE\x82\xB3\x82\xA2\xA1";
const char kErrorNetwork[] =
    "\xC3\xDE\xA8\xDA\xB8\xC4\xD8\x8D\xEC\x90\xAC\x90\xE6\x82\xAA\xC8\xAF\xC4\xDC\xB0\xB8\xC4\xDE\xD7\xB2\xCC"
    "\xDE\x82\xC5\x82\xB7\x81\x42\xB1\xB8\xBE\xBD/\xDB\xDD\xB8\xDE\xCC\xA7\xB2\xD9\xC8\xB0\xD1\x91\xCE\x89\x9E"
    "\x82\xA9\x8A\x6D\x94\x46\x82\xB5\x82\xC4\x82\xAD\x82\xBE\x82\xB3\x82\xA2\xA1";
const char kErrorCreate[] = "\xC3\xDE\xA8\xDA\xB8\xC4\xD8\x82\xCD\x8D\xEC\x90\xAC\x8F\x6F\x97\x88\x82\xDC\x82\xB9\x82\xF1\xA1";

// ---------------------------------------------------------------- record
// The record each call fills, what the system answers (the file name, or
// the hook's text in the answer block) and what the caller then holds,
// never past 1025 bytes; the directory is prepared even when it fails.
TEST(DirectoryRecord, FieldsAnswersAndBadInput) {
    if (rzt::Win95Mode())
        GTEST_SKIP() << "no window, no colour: the same on both platforms";
    const std::string longest(1023, 'a'), tooLong(1024, 'a');
    // What the system answers: the file name (nFileOffset after its last '\') or the answer block's text;
    // an answer "" leaves the prepared directory.
    const struct { CallFn call; std::string system; BOOL result; std::string answer; } cases[] = {
        {CallSelDirectry, "C:\\WORK\\$$$$$$$$.$$$", TRUE, "C:\\WORK\\"},
        {CallSelDirectry, "C:\\$$$$$$$$.$$$", TRUE, "C:\\"},
        {CallSelDirectry, "$$$$$$$$.$$$", FALSE, ""},  // no directory before the name
        {CallSelEditDirectry, "C:\\WORK", TRUE, "C:\\WORK\\"},
        {CallSelEditDirectry, "C:\\", TRUE, "C:\\"},
        {CallSelEditDirectry, longest, TRUE, longest + "\\"},
        {CallSelEditDirectry, tooLong, FALSE, ""},  // no room for the backslash
        {CallSelEditDirectry, "", FALSE, ""},
    };
    rzt::RecordingParent owner;
    for (const auto &c : cases) {
        SCOPED_TRACE(c.system.substr(0, 20));
        const bool edit = c.call == CallSelEditDirectry;
        FakeFileDialog fake;
        ASSERT_TRUE(fake.ok());
        fake.answer = [&c, edit](OPENFILENAMEA *ofn) {
            if (!edit) {
                strcpy(ofn->lpstrFile, c.system.c_str());
                ofn->nFileOffset = static_cast<WORD>(c.system.rfind('\\') + 1);
                return TRUE;
            }
            char *block = static_cast<char *>(GlobalLock(reinterpret_cast<HGLOBAL>(ofn->lCustData)));
            memcpy(block, c.system.data(), c.system.size());  // up to 1024 bytes, the block's zero after
            GlobalUnlock(reinterpret_cast<HGLOBAL>(ofn->lCustData));
            return TRUE;
        };
        rzt::Guarded dir(REZORE32_DIRBUFFER);
        strcpy(dir.data(), "D:\\START\\");
        EXPECT_EQ(c.call(owner, "Title", dir.data(), 12345), c.result);
        EXPECT_EQ(dir.text(), c.answer.empty() ? "D:\\START" : c.answer);
        EXPECT_TRUE(dir.GuardsIntact());
        ASSERT_EQ(fake.calls.size(), 1u);
        const OPENFILENAMEA &o = fake.calls[0].ofn;
        EXPECT_EQ(std::make_tuple(fake.calls[0].save, o.lStructSize, o.hwndOwner, o.hInstance, o.Flags, o.nMaxFile),
                  std::make_tuple(false, DWORD(OPENFILENAME_SIZE_VERSION_400A), owner.hwnd(), HINSTANCE(rzt::Library()),
                                  edit ? 0x006Cu : 0x086Cu, DWORD(1024)));
        EXPECT_EQ(std::make_tuple(o.lpstrFilter, o.lpstrInitialDir, o.lpTemplateName, (void *)o.lpfnHook),
                  std::make_tuple(LPCSTR(nullptr), LPCSTR(dir.data()),
                                  MAKEINTRESOURCEA(edit ? REZORE32_IDD_SELEDITDIR : REZORE32_IDD_SELDIR),
                                  (void *)GetProcAddress(rzt::Library(), edit ? "SelEditDirectryDlgFN" : "SelDirectryDlgFN")));
        EXPECT_EQ(fake.calls[0].file, REZORE32_DUMMYFILE);
        EXPECT_STREQ(o.lpstrTitle, "Title");
        EXPECT_EQ(o.lCustData != 0, edit) << "the answer block's handle, pointer-sized";
    }
    // Bad input fails without a dialog.
    for (CallFn call : {CallSelDirectry, CallSelEditDirectry}) {
        FakeFileDialog fake;
        EXPECT_FALSE(call(nullptr, nullptr, nullptr, 0)) << "no directory buffer";
        {
            rzt::ImportPatch noMemory(rzt::Library(), "kernel32.dll", "GlobalAlloc",
                                      reinterpret_cast<void *>(+[](UINT, SIZE_T) -> HGLOBAL { return nullptr; }));
            ASSERT_TRUE(noMemory.ok());
            char dir[REZORE32_DIRBUFFER] = "C:\\";
            EXPECT_FALSE(call(nullptr, nullptr, dir, 0));
        }
        EXPECT_TRUE(fake.calls.empty());
        // Directory arguments of any length reach the system prepared and
        // bounded: a ':' at byte 1024 gains no backslash past the buffer.
        for (size_t length : {size_t(1024), size_t(5000)}) {
            std::string dir(length, 'a');
            dir.back() = ':';
            dir += std::string(8, '#');
            dir[length] = '\0';
            call(nullptr, nullptr, &dir[0], 0);
            EXPECT_EQ(dir.substr(length - 1, 2), std::string(":\0", 2));
        }
        EXPECT_EQ(fake.calls.size(), 2u);
    }
}

// ---------------------------------------------------------------- live
// The hooks' blocks are counted: one per dialog, released when it ends.
int g_allocs, g_frees;
HLOCAL WINAPI CountedAlloc(UINT flags, SIZE_T bytes) { return ++g_allocs, LocalAlloc(flags, bytes); }
HLOCAL WINAPI CountedFree(HLOCAL block) { return ++g_frees, LocalFree(block); }
// The window the library last gave the focus (where the system puts it
// depends on the activation, which Wine without a window manager may lose).
HWND g_focused;
HWND WINAPI RecordFocus(HWND window) { return g_focused = window, SetFocus(window); }

class LiveDirectoryDialog : public testing::Test {
protected:
    void SetUp() override {
        start_ = rzt::CurrentDirectory();
        base_ = "C:\\rz_dirdlg_" + std::to_string(GetCurrentProcessId());
        for (const char *sub : {"", "\\sub1", "\\sub2"})
            CreateDirectoryA((base_ + sub).c_str(), nullptr);
        SetCurrentDirectoryA(base_.c_str());
    }
    void TearDown() override {
        SetCurrentDirectoryA(start_.c_str());
        EXPECT_TRUE(rzt::RemoveTree(base_));
    }
    // Runs the dialog from `initial`; the steps find it in dialog_.
    BOOL Run(CallFn call, std::string initial, std::vector<Step> steps) {
        steps.insert(steps.begin(), [this] { return (dialog_ = rzt::FindFileDialog()) != nullptr; });
        BOOL result = FALSE;
        strcpy(dir_, initial.c_str());
        EXPECT_TRUE(rzt::RunScript(std::move(steps), [&] { result = call(owner_, "RZ dir", dir_, 0); }));
        return result;
    }
    static Step Do(std::function<void()> act) { return [act] { return act(), true; }; }
    Step Type(std::string path) {
        return Do([this, path] {
            SetDlgItemTextA(dialog_, REZORE32_IDC_SELDIR_EDIT, path.c_str());
            rzt::PostClick(dialog_, IDOK);
        });
    }
    Step Click(int id) { return Do([this, id] { rzt::PostClick(dialog_, id); }); }
    // Answers the dialog's message box with `button` after checking it;
    // an empty text takes any box.
    Step Box(std::string text, std::string caption, int button) {
        return [this, text, caption, button] {
            HWND box = rzt::FindMessageBox(dialog_);
            if (!box)
                return false;
            char title[256] = {};
            GetWindowTextA(box, title, sizeof(title));
            if (!text.empty()) {
                EXPECT_EQ(std::make_pair(rzt::ItemText(box, 0xFFFF), std::string(title)), std::make_pair(text, caption));
            }
            PostMessageA(box, WM_COMMAND, button, 0);
            return true;
        };
    }
    // The dialog is back to itself, the library's focus in the edit field.
    Step StillOpen() {
        return [this] {
            if (rzt::FindMessageBox(dialog_))
                return false;
            EXPECT_TRUE(IsWindow(dialog_));
            EXPECT_EQ(std::exchange(g_focused, nullptr), GetDlgItem(dialog_, REZORE32_IDC_SELDIR_EDIT));
            return true;
        };
    }
    // Selects list entry `entry` ("[sub1]"), then sends `then` (a snapshot
    // that records it) or, by default, the list's double click.
    Step Pick(std::string entry, UINT then = 0) {
        return Do([this, entry, then] {
            const LRESULT i = SendDlgItemMessageA(dialog_, lst2, LB_FINDSTRINGEXACT, -1, (LPARAM)entry.c_str());
            EXPECT_GE(i, 0) << entry;
            SendDlgItemMessageA(dialog_, lst2, LB_SETCURSEL, i, 0);
            if (then)
                SendMessageA(dialog_, then, 0, 0);
            else
                SendMessageA(dialog_, WM_COMMAND, MAKEWPARAM(lst2, LBN_DBLCLK), (LPARAM)GetDlgItem(dialog_, lst2));
        });
    }
    Step DriveChange() {
        return Do([this] { SendMessageA(dialog_, WM_COMMAND, MAKEWPARAM(cmb2, CBN_SELCHANGE), (LPARAM)GetDlgItem(dialog_, cmb2)); });
    }
    Step Shows(std::string path) {  // the directory label
        return Do([this, path] { EXPECT_TRUE(SamePath(rzt::ItemText(dialog_, stc1), path)) << path; });
    }
    static bool Exists(const std::string &path) {
        const DWORD a = GetFileAttributesA(path.c_str());
        return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY);
    }

    std::string start_, base_;
    rzt::ImportPatch focus_{rzt::Library(), "user32.dll", "SetFocus", reinterpret_cast<void *>(&RecordFocus)};
    rzt::RecordingParent owner_{100, 80, 400, 300};
    HWND dialog_ = nullptr;
    char dir_[REZORE32_DIRBUFFER] = {};
};

TEST_F(LiveDirectoryDialog, InitialDirectoryAnswerAndBlocks) {
    rzt::ImportPatch alloc(rzt::Library(), "kernel32.dll", "LocalAlloc", reinterpret_cast<void *>(&CountedAlloc));
    rzt::ImportPatch release(rzt::Library(), "kernel32.dll", "LocalFree", reinterpret_cast<void *>(&CountedFree));
    ASSERT_TRUE(alloc.ok() && release.ok());
    g_allocs = g_frees = 0;
    const struct {
        CallFn call;
        std::string initial, shown, answer;  // answer "": cancelled, the prepared directory stays
    } cases[] = {
        {CallSelDirectry, base_ + "\\", base_, base_ + "\\"},
        {CallSelDirectry, "C:", "C:\\", "C:\\"},  // the root, not the drive's current directory
        {CallSelEditDirectry, base_ + "\\", base_, base_ + "\\"},
        {CallSelEditDirectry, "C:\\", "C:\\", "C:\\"},
        {CallSelDirectry, base_ + "\\", base_, ""},
        {CallSelEditDirectry, base_ + "\\", base_, ""},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.initial);
        SetCurrentDirectoryA(base_.c_str());
        EXPECT_EQ(Run(c.call, c.initial, {Shows(c.shown), Click(c.answer.empty() ? IDCANCEL : IDOK)}), !c.answer.empty());
        EXPECT_TRUE(SamePath(dir_, c.answer.empty() ? base_ : c.answer)) << dir_;
    }
    EXPECT_EQ(g_allocs, 6);
    EXPECT_EQ(g_frees, 6);
}

TEST_F(LiveDirectoryDialog, DoubleClickRule) {
    const UINT snap = SELDIR_SNAPSHOT;
    EXPECT_TRUE(Run(CallSelDirectry, base_, {
        // An entry other than the recorded one is only opened.
        Pick("[sub1]", snap), Pick("[sub2]"), Shows(base_ + "\\sub2"),
        // After a change of drive nothing is recorded: the recorded entry only opens.
        Pick("[..]", snap), DriveChange(), Pick("[..]"), Shows(base_),
        // The entry the last snapshot recorded: OK.
        Pick("[sub1]", snap), Pick("[sub1]"),
    }));
    EXPECT_TRUE(SamePath(dir_, base_ + "\\sub1\\")) << "the system opens the entry before the posted OK";
}

// Typed paths accepted without a question: existing ones with or without
// trailing backslashes, and a bare drive that cannot be made current, which
// answers the current directory unchanged.  The edit field follows the
// label; a shortened label gives the current directory.
TEST_F(LiveDirectoryDialog, TypedPathsAcceptedAtOnce) {
    const struct { std::string initial, typed, answer; } cases[] = {
        {base_, base_ + "\\sub1", base_ + "\\sub1\\"},
        {base_, base_ + "\\sub1\\\\", base_ + "\\sub1\\"},
        {base_ + "\\sub2", "Q:", base_ + "\\sub2\\"},
        {base_ + "\\sub2", "Q:\\", base_ + "\\sub2\\"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.typed);
        EXPECT_TRUE(Run(CallSelEditDirectry, c.initial, {
            Do([this, &c] {
                SetDlgItemTextA(dialog_, stc1, "c:\\...\\sub9");
                EXPECT_TRUE(SamePath(rzt::ItemText(dialog_, REZORE32_IDC_SELDIR_EDIT), c.initial));
                SetDlgItemTextA(dialog_, stc1, "c:\\sub9");
                EXPECT_EQ(rzt::ItemText(dialog_, REZORE32_IDC_SELDIR_EDIT), "c:\\sub9");
            }),
            Type(c.typed)}));
        EXPECT_TRUE(SamePath(dir_, c.answer)) << dir_;
    }
}

UINT WINAPI RemoteDrive(LPCSTR) { return DRIVE_REMOTE; }

// Refusals keep the dialog open with the focus in the edit field; a path
// that does not exist is created, every level of it, after a Yes.
TEST_F(LiveDirectoryDialog, TypedPathRefusedOrCreated) {
    std::vector<Step> steps;
    const auto refused = [&](std::string typed, std::vector<Step> boxes) {
        steps.push_back(Type(typed));
        steps.insert(steps.end(), boxes.begin(), boxes.end());
        steps.push_back(StillOpen());
    };
    for (const char *typed : {"WORK", "\\WORK", ""})
        refused(typed, {Box(kErrorNoDrive, kErrorCaption, IDOK)});
    const std::string path = base_ + "\\new1\\new2";
    refused(path, {Box(kQuestion, "RZ dir", IDNO)});
    // A lone lead byte at the end: a question or a refusal, whatever the edit field makes of it.
    refused(base_ + "\\x\x95", {Box("", "", IDNO)});
    // Creation failing part-way keeps what was made, the last one current.
    refused(base_ + "\\made\\bad?name\\more", {Box(kQuestion, "RZ dir", IDYES), Box(kErrorCreate, kErrorCaption, IDOK)});
    refused("C:\\" + std::string(10000, 'x'), {Box(kErrorCreate, kErrorCaption, IDOK)});  // longer than any the system takes
    steps.push_back(Do([&] {
        EXPECT_FALSE(Exists(base_ + "\\new1") || Exists(base_ + "\\x"));
        EXPECT_TRUE(Exists(base_ + "\\made"));
        EXPECT_TRUE(SamePath(rzt::CurrentDirectory(), base_ + "\\made"));
    }));
    steps.push_back(Type(path));
    steps.push_back(Box(kQuestion, "RZ dir", IDYES));
    EXPECT_TRUE(Run(CallSelEditDirectry, base_, steps));
    EXPECT_TRUE(SamePath(dir_, path + "\\")) << dir_;
    EXPECT_TRUE(Exists(path));

    rzt::ImportPatch remote(rzt::Library(), "kernel32.dll", "GetDriveTypeA", reinterpret_cast<void *>(&RemoteDrive));
    ASSERT_TRUE(remote.ok());
    steps.clear();
    refused(base_ + "\\bad?name", {Box(kQuestion, "RZ dir", IDYES), Box(kErrorNetwork, kErrorCaption, IDOK)});
    steps.push_back(Click(IDCANCEL));
    EXPECT_FALSE(Run(CallSelEditDirectry, base_, steps));
}

TEST_F(LiveDirectoryDialog, WithoutItsBlockTheHookKeepsOkShut) {
    rzt::ImportPatch alloc(rzt::Library(), "kernel32.dll", "LocalAlloc",
                           reinterpret_cast<void *>(+[](UINT, SIZE_T) -> HLOCAL { return nullptr; }));
    ASSERT_TRUE(alloc.ok());
    EXPECT_TRUE(Run(CallSelDirectry, base_, {Pick("[sub1]", SELDIR_SNAPSHOT), Pick("[sub1]"), Shows(base_ + "\\sub1"),
                                             Click(IDOK)}));
    EXPECT_FALSE(Run(CallSelEditDirectry, base_, {Pick("[sub1]", SELEDITDIR_SNAPSHOT), Pick("[sub1]"), DriveChange(),
                                                  Type(base_), StillOpen(), Click(IDCANCEL)}));
}

}  // namespace
