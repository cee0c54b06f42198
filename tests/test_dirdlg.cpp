// The directory dialogs: the record and the answer, then the dialogs live in a directory tree of the test.
#include <gtest/gtest.h>
#include <cstring>
#include <tuple>
#include <utility>
#include "tests/dialog_driver.h"
#include <dlgs.h>

namespace {

using rzt::SamePath;
using rzt::Step;
using CallFn = BOOL(WINAPI *)(HWND, LPCSTR, LPSTR, DWORD);

const std::string kQuestion = rzt::Ansi("指定されたディレクトリは存在しません｡\n新規に作成しますか？");
const std::string kErrorCaption = rzt::Ansi("ﾃﾞｨﾚｸﾄﾘ作成");
const std::string kErrorNoDrive = rzt::Ansi("作成するﾃﾞｨﾚｸﾄﾘﾊﾟｽはﾌﾙﾊﾟｽで入力してください｡");
const std::string kErrorNetwork = rzt::Ansi("ﾃﾞｨﾚｸﾄﾘ作成先がﾈｯﾄﾜｰｸﾄﾞﾗｲﾌﾞです。ｱｸｾｽ/ﾛﾝｸﾞﾌｧｲﾙﾈｰﾑ対応か確認してください｡");
const std::string kErrorCreate = rzt::Ansi("ﾃﾞｨﾚｸﾄﾘは作成出来ません｡");

// The record's fields (template, hook, start: see the live tests); the answer, never past 1025 bytes; bad input.
TEST(DirectoryRecord, FieldsAnswersAndBadInput) {
    const std::string longest(1023, 'a'), tooLong(1024, 'a');
    const struct { CallFn call; std::string system; BOOL result; std::string answer; } cases[] = {
        {CallSelDirectry, "C:\\WORK\\$$$$$$$$.$$$", TRUE, "C:\\WORK\\"},
        {CallSelDirectry, "C:\\$$$$$$$$.$$$", TRUE, "C:\\"},
        {CallSelDirectry, "$$$$$$$$.$$$", FALSE, "D:\\START"},  // no directory before the name
        {CallSelEditDirectry, "C:\\WORK", TRUE, "C:\\WORK\\"},
        {CallSelEditDirectry, "C:\\", TRUE, "C:\\"}, {CallSelEditDirectry, "C:", TRUE, "C:"},
        {CallSelEditDirectry, longest, TRUE, longest + "\\"},
        {CallSelEditDirectry, tooLong, FALSE, "D:\\START"},  // no room for the backslash
        {CallSelEditDirectry, "", FALSE, "D:\\START"},
    };
    rzt::RecordingParent owner;
    for (const auto &c : cases) {
        SCOPED_TRACE(c.system.substr(0, 20));
        const bool edit = c.call == CallSelEditDirectry;
        rzt::FakeFileDialog fake;
        fake.answer = [&c, edit](OPENFILENAMEA *ofn) {  // the file name, or the hook's text in the answer block
            const HGLOBAL block = reinterpret_cast<HGLOBAL>(ofn->lCustData);
            char *to = edit ? static_cast<char *>(GlobalLock(block)) : ofn->lpstrFile;
            memcpy(to, c.system.c_str(), c.system.size() + 1);
            ofn->nFileOffset = static_cast<WORD>(c.system.rfind('\\') + 1);
            if (edit)
                GlobalUnlock(block);
            return TRUE;
        };
        rzt::Guarded dir(REZORE32_DIRBUFFER);
        strcpy(dir.data(), "D:\\START\\");
        EXPECT_EQ(c.call(owner, "Title", dir.data(), 12345), c.result);
        EXPECT_EQ(dir.text(), c.answer);
        EXPECT_TRUE(dir.GuardsIntact());
        ASSERT_EQ(fake.calls.size(), 1u);
        const OPENFILENAMEA &o = fake.calls[0].ofn;
        EXPECT_EQ(std::make_tuple(fake.calls[0].save, o.lStructSize, o.hwndOwner, o.hInstance, o.Flags, o.nMaxFile,
                                  fake.calls[0].file, std::string(o.lpstrTitle), o.lCustData != 0),
                  std::make_tuple(false, DWORD(OPENFILENAME_SIZE_VERSION_400A), owner.hwnd(), HINSTANCE(rzt::Library()),
                                  edit ? 0x006Cu : 0x086Cu, DWORD(1024), std::string(REZORE32_DUMMYFILE),
                                  std::string("Title"), edit));  // lCustData: the answer block's handle
    }
    for (CallFn call : {CallSelDirectry, CallSelEditDirectry}) {  // bad input fails without a dialog
        rzt::FakeFileDialog fake;
        char dir[REZORE32_DIRBUFFER] = "C:\\";
        EXPECT_FALSE(call(nullptr, nullptr, nullptr, 0)) << "no directory buffer";
        rzt::ImportPatch noMemory(rzt::Library(), "kernel32.dll", "GlobalAlloc",
                                  reinterpret_cast<void *>(+[](UINT, SIZE_T) -> HGLOBAL { return nullptr; }));
        EXPECT_FALSE(call(nullptr, nullptr, dir, 0));
        EXPECT_TRUE(fake.calls.empty());
    }
}

// The hooks' blocks are counted: one per dialog, released when it ends.
int g_allocs, g_frees;
HLOCAL WINAPI CountedAlloc(UINT flags, SIZE_T bytes) { return ++g_allocs, LocalAlloc(flags, bytes); }
HLOCAL WINAPI CountedFree(HLOCAL block) { return ++g_frees, LocalFree(block); }
// The window the library last gave the focus (Wine without a window manager may lose the activation).
HWND g_focused;
HWND WINAPI RecordFocus(HWND window) { return g_focused = window, SetFocus(window); }
UINT WINAPI RemoteDrive(LPCSTR) { return DRIVE_REMOTE; }

class LiveDirectoryDialog : public testing::Test {
protected:
    void SetUp() override {
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
    Step Click(int id) { return Do([this, id] { rzt::PostClick(dialog_, id); }); }
    Step Type(std::string path) {
        return Do([this, path] {
            SetDlgItemTextA(dialog_, REZORE32_IDC_SELDIR_EDIT, path.c_str());
            rzt::PostClick(dialog_, IDOK);
        });
    }
    // Answers the dialog's message box with `button` after checking its text and caption; "" takes any box.
    Step Box(std::string text, int button) {
        return [this, text, button] {
            HWND box = rzt::FindMessageBox(dialog_);
            if (!box)
                return false;
            const std::string caption = text == kQuestion ? "RZ dir" : kErrorCaption;
            if (!text.empty()) {
                EXPECT_EQ(rzt::ItemText(box, 0xFFFF) + "|" + rzt::WindowText(box), text + "|" + caption);
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
    // Selects list entry `entry` ("[sub1]"), then sends `then` (a snapshot) or, by default, a double click.
    Step Pick(std::string entry, UINT then = 0) {
        return Do([this, entry, then] {
            const LRESULT i = SendDlgItemMessageA(dialog_, lst2, LB_FINDSTRINGEXACT, -1, (LPARAM)entry.c_str());
            EXPECT_GE(i, 0) << entry;
            SendDlgItemMessageA(dialog_, lst2, LB_SETCURSEL, i, 0);
            if (then)
                SendMessageA(dialog_, then, 0, 0);
            else
                Notify(lst2, LBN_DBLCLK);
        });
    }
    void Notify(int id, UINT code) {
        SendMessageA(dialog_, WM_COMMAND, MAKEWPARAM(id, code), reinterpret_cast<LPARAM>(GetDlgItem(dialog_, id)));
    }
    Step DriveChange() { return Do([this] { Notify(cmb2, CBN_SELCHANGE); }); }
    Step Shows(std::string path) {  // the directory label
        return Do([this, path] { EXPECT_TRUE(SamePath(rzt::ItemText(dialog_, stc1), path)) << path; });
    }
    static bool Exists(const std::string &path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

    const std::string start_ = rzt::CurrentDirectory();
    const std::string base_ = "C:\\rz_dirdlg_" + std::to_string(GetCurrentProcessId());
    rzt::ImportPatch focus_{rzt::Library(), "user32.dll", "SetFocus", reinterpret_cast<void *>(&RecordFocus)};
    rzt::RecordingParent owner_{100, 80, 400, 300};
    HWND dialog_ = nullptr;
    char dir_[REZORE32_DIRBUFFER] = {};
};

// Where each dialog opens and what it answers, typed paths accepted at once too; one block each, released.
TEST_F(LiveDirectoryDialog, OpensAndAnswers) {
    rzt::ImportPatch alloc(rzt::Library(), "kernel32.dll", "LocalAlloc", reinterpret_cast<void *>(&CountedAlloc));
    rzt::ImportPatch release(rzt::Library(), "kernel32.dll", "LocalFree", reinterpret_cast<void *>(&CountedFree));
    g_allocs = g_frees = 0;
    const std::string sub1 = base_ + "\\sub1", sub2 = base_ + "\\sub2";
    const struct { CallFn call; std::string initial, shown, typed, answer; } cases[] = {  // answer "": cancel
        {CallSelDirectry, base_ + "\\", base_, "", base_ + "\\"},
        {CallSelDirectry, "C:", "C:\\", "", "C:\\"},  // the root, not the drive's current directory
        {CallSelEditDirectry, base_ + "\\", base_, "", base_ + "\\"},
        {CallSelEditDirectry, "C:\\", "C:\\", "", "C:\\"},
        {CallSelDirectry, base_ + "\\", base_, "", ""},
        {CallSelEditDirectry, base_ + "\\", base_, "", ""},
        {CallSelEditDirectry, base_, base_, sub1 + "\\\\", sub1 + "\\"},  // typed: trailing backslashes cut
        {CallSelEditDirectry, sub2, sub2, "Q:", sub2 + "\\"},  // a drive that cannot be made current
    };
    for (const auto &c : cases) {
        SetCurrentDirectoryA(base_.c_str());
        const int button = c.answer.empty() ? IDCANCEL : IDOK;
        const Step answer = c.typed.empty() ? Click(button) : Type(c.typed);
        EXPECT_EQ(Run(c.call, c.initial, {Shows(c.shown), answer}), button == IDOK);
        EXPECT_TRUE(SamePath(dir_, c.answer.empty() ? base_ : c.answer)) << c.initial << " gave " << dir_;
    }
    EXPECT_TRUE(g_allocs == 8 && g_frees == 8) << g_allocs << " blocks made, " << g_frees << " released";
}

// A double click chooses only the entry the last snapshot recorded (others open); after a drive change none.
TEST_F(LiveDirectoryDialog, DoubleClickRule) {
    const UINT snap = SELDIR_SNAPSHOT;
    EXPECT_TRUE(Run(CallSelDirectry, base_, {Pick("[sub1]", snap), Pick("[sub2]"), Pick("[..]", snap), DriveChange(),
                                             Pick("[..]"), Pick("[sub1]", snap), Pick("[sub1]")}));
    EXPECT_TRUE(SamePath(dir_, base_ + "\\sub1\\")) << "the system opens the entry before the posted OK";
}

// Refusals keep the dialog open, the focus in the edit field; a new path is created, every level, after a Yes.
TEST_F(LiveDirectoryDialog, TypedPathRefusedOrCreated) {
    std::vector<Step> steps = {Do([this] {  // the edit field follows the label; "..." gives the current directory
        SetDlgItemTextA(dialog_, stc1, "c:\\...\\sub9");
        EXPECT_TRUE(SamePath(rzt::ItemText(dialog_, REZORE32_IDC_SELDIR_EDIT), base_));
        SetDlgItemTextA(dialog_, stc1, "c:\\sub9");
        EXPECT_EQ(rzt::ItemText(dialog_, REZORE32_IDC_SELDIR_EDIT), "c:\\sub9");
    })};
    const auto refused = [&](std::string typed, std::vector<Step> boxes) {
        steps.push_back(Type(typed));
        steps.insert(steps.end(), boxes.begin(), boxes.end());
        steps.push_back(StillOpen());
    };
    for (const char *typed : {"WORK", "\\WORK", ""})
        refused(typed, {Box(kErrorNoDrive, IDOK)});
    const std::string path = base_ + "\\new1\\new2";
    refused(path, {Box(kQuestion, IDNO)});
    // A lone lead byte at the end: a question or a refusal, whatever the edit field makes of it.
    refused(base_ + "\\x\x95", {Box("", IDNO)});
    // Creation failing part-way keeps what was made, the last one current.
    refused(base_ + "\\made\\bad?name\\more", {Box(kQuestion, IDYES), Box(kErrorCreate, IDOK)});
    refused("C:\\" + std::string(10000, 'x'), {Box(kErrorCreate, IDOK)});  // longer than any the system takes
    steps.push_back(Do([&] {
        EXPECT_TRUE(!Exists(base_ + "\\new1") && !Exists(base_ + "\\x") && Exists(base_ + "\\made"));
        EXPECT_TRUE(SamePath(rzt::CurrentDirectory(), base_ + "\\made"));
    }));
    steps.insert(steps.end(), {Type(path), Box(kQuestion, IDYES)});
    EXPECT_TRUE(Run(CallSelEditDirectry, base_, steps));
    EXPECT_TRUE(SamePath(dir_, path + "\\")) << dir_;
    EXPECT_TRUE(Exists(path));
    rzt::ImportPatch remote(rzt::Library(), "kernel32.dll", "GetDriveTypeA", reinterpret_cast<void *>(&RemoteDrive));
    steps.clear();
    refused(base_ + "\\bad?name", {Box(kQuestion, IDYES), Box(kErrorNetwork, IDOK)});
    steps.push_back(Click(IDCANCEL));
    EXPECT_FALSE(Run(CallSelEditDirectry, base_, steps));
}

// Without its block a hook chooses nothing by double click and refuses typed paths.
TEST_F(LiveDirectoryDialog, WithoutItsBlockTheHookKeepsOkShut) {
    rzt::ImportPatch alloc(rzt::Library(), "kernel32.dll", "LocalAlloc",
                           reinterpret_cast<void *>(+[](UINT, SIZE_T) -> HLOCAL { return nullptr; }));
    EXPECT_TRUE(Run(CallSelDirectry, base_, {Pick("[sub1]", SELDIR_SNAPSHOT), Pick("[sub1]"), Shows(base_ + "\\sub1"),
                                             Click(IDOK)}));
    EXPECT_FALSE(Run(CallSelEditDirectry, base_, {Pick("[sub1]", SELEDITDIR_SNAPSHOT), Pick("[sub1]"), DriveChange(),
                                                  Type(base_), StillOpen(), Click(IDCANCEL)}));
}

}  // namespace
