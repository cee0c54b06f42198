// The directory dialogs: the record and the answer (through a stand-in for
// the system's function), and the dialogs themselves driven from inside
// their modal loop in a directory tree made for the test.
#include <gtest/gtest.h>

#include <windows.h>
#include <dlgs.h>

#include <cstring>
#include <string>

#include "tests/dialog_driver.h"

namespace {

using rzt::DialogScript;
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
TEST(DirectoryRecord, FieldsOfEachCall) {
    struct Case {
        CallFn call;
        DWORD flags;
        const char *hook;
        int templateId;
        bool answerBlock;
    };
    const Case cases[] = {
        {CallSelDirectry, 0x086C, "SelDirectryDlgFN", REZORE32_IDD_SELDIR, false},
        {CallSelEditDirectry, 0x006C, "SelEditDirectryDlgFN", REZORE32_IDD_SELEDITDIR, true},
    };
    rzt::RecordingParent owner;
    for (const Case &c : cases) {
        SCOPED_TRACE(c.hook);
        FakeFileDialog fake;
        ASSERT_TRUE(fake.ok());
        SIZE_T blockSize = 0;
        fake.answer = [&blockSize](OPENFILENAMEA *ofn) {
            blockSize = ofn->lCustData ? GlobalSize(reinterpret_cast<HGLOBAL>(ofn->lCustData)) : 0;
            return FALSE;
        };
        char dir[REZORE32_DIRBUFFER] = "C:\\WORK\\";
        EXPECT_FALSE(c.call(owner, "Title", dir, 12345));
        ASSERT_EQ(fake.calls.size(), 1u);
        const OPENFILENAMEA &o = fake.calls[0].ofn;
        EXPECT_FALSE(fake.calls[0].save);
        EXPECT_EQ(o.lStructSize, static_cast<DWORD>(OPENFILENAME_SIZE_VERSION_400A));
        EXPECT_EQ(o.hwndOwner, owner.hwnd());
        EXPECT_EQ(o.hInstance, rzt::Library());
        EXPECT_EQ(o.lpstrFilter, nullptr);
        EXPECT_EQ(fake.calls[0].file, REZORE32_DUMMYFILE);
        EXPECT_EQ(o.nMaxFile, 1024u);
        EXPECT_EQ(o.lpstrInitialDir, dir);
        EXPECT_STREQ(dir, "C:\\WORK") << "prepared in the caller's buffer, kept on cancel";
        EXPECT_STREQ(o.lpstrTitle, "Title");
        EXPECT_EQ(o.Flags, c.flags);
        EXPECT_EQ(reinterpret_cast<void *>(o.lpfnHook), reinterpret_cast<void *>(GetProcAddress(rzt::Library(), c.hook)));
        EXPECT_EQ(o.lpTemplateName, MAKEINTRESOURCEA(c.templateId));
        EXPECT_EQ(blockSize >= 1025, c.answerBlock) << "the answer block's handle, pointer-sized";
    }
}

// What the system answers (the file name, or the hook's text in the answer
// block) and what the caller then holds.
TEST(DirectoryRecord, AnswersFitTheDocumentedBuffer) {
    const std::string longest(1023, 'a'), tooLong(1024, 'a');
    struct Case {
        const char *name;
        CallFn call;
        std::string system;  // file name (with nFileOffset after its last '\') or answer-block text
        BOOL result;
        std::string answer;  // "" leaves the prepared directory
    };
    const Case cases[] = {
        {"directory", CallSelDirectry, "C:\\WORK\\$$$$$$$$.$$$", TRUE, "C:\\WORK\\"},
        {"root", CallSelDirectry, "C:\\$$$$$$$$.$$$", TRUE, "C:\\"},
        {"no directory before the name", CallSelDirectry, "$$$$$$$$.$$$", FALSE, ""},
        {"edit: directory", CallSelEditDirectry, "C:\\WORK", TRUE, "C:\\WORK\\"},
        {"edit: root", CallSelEditDirectry, "C:\\", TRUE, "C:\\"},
        {"edit: longest answer", CallSelEditDirectry, longest, TRUE, longest + "\\"},
        {"edit: no room for the backslash", CallSelEditDirectry, tooLong, FALSE, ""},
        {"edit: no answer", CallSelEditDirectry, "", FALSE, ""},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        FakeFileDialog fake;
        fake.answer = [&c](OPENFILENAMEA *ofn) {
            if (c.call == CallSelDirectry) {
                strcpy(ofn->lpstrFile, c.system.c_str());
                ofn->nFileOffset = static_cast<WORD>(c.system.rfind('\\') + 1);
            } else {
                char *block = static_cast<char *>(GlobalLock(reinterpret_cast<HGLOBAL>(ofn->lCustData)));
                memcpy(block, c.system.data(), c.system.size());  // up to 1024 bytes, the block's zero after
                GlobalUnlock(reinterpret_cast<HGLOBAL>(ofn->lCustData));
            }
            return TRUE;
        };
        std::string dir(2000, '#');
        strcpy(&dir[0], "D:\\START");
        EXPECT_EQ(c.call(nullptr, nullptr, &dir[0], 0), c.result);
        EXPECT_EQ(std::string(dir.c_str()), c.answer.empty() ? "D:\\START" : c.answer);
        EXPECT_EQ(dir.find_first_not_of('#', 1025), std::string::npos) << "nothing written past 1025 bytes";
    }
}

TEST(DirectoryRecord, BadInputFailsWithoutADialog) {
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
        char empty[REZORE32_DIRBUFFER] = "";
        EXPECT_FALSE(call(nullptr, nullptr, empty, 0));
        EXPECT_EQ(fake.calls.size(), 3u);
    }
}

// ---------------------------------------------------------------- live
class LiveDirectoryDialog : public ::testing::Test {
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
    BOOL Run(CallFn call, std::string initial, std::vector<DialogScript::Step> steps) {
        steps.insert(steps.begin(), [this] { return (dialog_ = rzt::FindFileDialog()) != nullptr; });
        DialogScript script(std::move(steps));
        strcpy(dir_, initial.c_str());
        const BOOL result = call(owner_, "RZ dir", dir_, 0);
        EXPECT_TRUE(script.done());
        return result;
    }
    DialogScript::Step Type(std::string path) {
        return [this, path] {
            SetDlgItemTextA(dialog_, REZORE32_IDC_SELDIR_EDIT, path.c_str());
            rzt::PostClick(dialog_, IDOK);
            return true;
        };
    }
    DialogScript::Step Click(int id) {
        return [this, id] {
            rzt::PostClick(dialog_, id);
            return true;
        };
    }
    // Answers the message box of the dialog with `button` after checking it.
    DialogScript::Step Box(std::string text, std::string caption, int button) {
        return [this, text, caption, button] {
            HWND box = rzt::FindMessageBox(dialog_);
            if (!box)
                return false;
            EXPECT_EQ(rzt::MessageBoxText(box), text);
            char title[256] = {};
            GetWindowTextA(box, title, sizeof(title));
            EXPECT_EQ(std::string(title), caption);
            PostMessageA(box, WM_COMMAND, button, 0);
            return true;
        };
    }
    // The dialog is back to itself, the focus in the edit field.
    DialogScript::Step StillOpen() {
        return [this] {
            if (rzt::FindMessageBox(dialog_))
                return false;
            EXPECT_TRUE(IsWindow(dialog_));
            EXPECT_EQ(GetFocus(), GetDlgItem(dialog_, REZORE32_IDC_SELDIR_EDIT));
            return true;
        };
    }
    // Selects the list entry `entry` ("[sub1]").
    void Select(const std::string &entry) {
        const LRESULT i = SendDlgItemMessageA(dialog_, lst2, LB_FINDSTRINGEXACT, -1, reinterpret_cast<LPARAM>(entry.c_str()));
        EXPECT_GE(i, 0) << entry;
        SendDlgItemMessageA(dialog_, lst2, LB_SETCURSEL, i, 0);
    }
    // A snapshot that records `entry` as the selected one.
    DialogScript::Step Record(std::string entry, UINT snapshot = SELDIR_SNAPSHOT) {
        return [this, entry, snapshot] {
            Select(entry);
            SendMessageA(dialog_, snapshot, 0, 0);
            return true;
        };
    }
    // A double click on `entry`, after recording `recorded` when given.
    DialogScript::Step DoubleClick(std::string entry, std::string recorded = "", UINT snapshot = SELDIR_SNAPSHOT) {
        return [this, entry, recorded, snapshot] {
            if (!recorded.empty())
                Record(recorded, snapshot)();
            Select(entry);
            SendMessageA(dialog_, WM_COMMAND, MAKEWPARAM(lst2, LBN_DBLCLK),
                         reinterpret_cast<LPARAM>(GetDlgItem(dialog_, lst2)));
            return true;
        };
    }
    DialogScript::Step DriveChange() {
        return [this] {
            SendMessageA(dialog_, WM_COMMAND, MAKEWPARAM(cmb2, CBN_SELCHANGE),
                         reinterpret_cast<LPARAM>(GetDlgItem(dialog_, cmb2)));
            return true;
        };
    }
    DialogScript::Step ShowsDirectory(std::string path) {
        return [this, path] {
            if (!IsWindow(dialog_))
                return false;
            EXPECT_TRUE(SamePath(rzt::ItemText(dialog_, stc1), path)) << rzt::ItemText(dialog_, stc1);
            return true;
        };
    }
    bool Exists(const std::string &path) {
        const DWORD a = GetFileAttributesA(path.c_str());
        return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY);
    }

    std::string start_, base_;
    rzt::RecordingParent owner_{100, 80, 400, 300};
    HWND dialog_ = nullptr;
    char dir_[REZORE32_DIRBUFFER] = {};
};

TEST_F(LiveDirectoryDialog, InitialDirectoryAndAnswer) {
    struct Case {
        CallFn call;
        std::string initial, shown, answer;
    };
    const Case cases[] = {
        {CallSelDirectry, base_ + "\\", base_, base_ + "\\"},
        {CallSelDirectry, "C:", "C:\\", "C:\\"},  // the root, not the drive's current directory
        {CallSelEditDirectry, base_ + "\\", base_, base_ + "\\"},
        {CallSelEditDirectry, "C:\\", "C:\\", "C:\\"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.initial);
        SetCurrentDirectoryA(base_.c_str());
        EXPECT_TRUE(Run(c.call, c.initial, {ShowsDirectory(c.shown), Click(IDOK)}));
        EXPECT_TRUE(SamePath(dir_, c.answer)) << dir_;
    }
    // Cancel leaves the prepared directory.
    EXPECT_FALSE(Run(CallSelDirectry, base_ + "\\", {Click(IDCANCEL)}));
    EXPECT_EQ(std::string(dir_), base_);
}

TEST_F(LiveDirectoryDialog, DoubleClickRule) {
    EXPECT_TRUE(Run(CallSelDirectry, base_, {
        // An entry other than the recorded one is only opened.
        DoubleClick("[sub2]", "[sub1]"), ShowsDirectory(base_ + "\\sub2"),
        // After a change of drive nothing is recorded: the recorded entry only opens.
        Record("[..]"), DriveChange(), DoubleClick("[..]"), ShowsDirectory(base_),
        // The entry the last snapshot recorded: OK.
        DoubleClick("[sub1]", "[sub1]"),
    }));
    EXPECT_TRUE(SamePath(dir_, base_ + "\\sub1\\")) << "the system opens the entry before the posted OK";
}

// Typed paths accepted without a question: existing ones with or without
// trailing backslashes, and a bare drive that cannot be made current, which
// answers the current directory unchanged.
TEST_F(LiveDirectoryDialog, TypedPathsAcceptedAtOnce) {
    struct Case {
        std::string initial, typed, answer;
    };
    const Case cases[] = {
        {base_, base_ + "\\sub1", base_ + "\\sub1\\"},
        {base_, base_ + "\\sub1\\", base_ + "\\sub1\\"},
        {base_, base_ + "\\sub1\\\\", base_ + "\\sub1\\"},
        {base_ + "\\sub2", "Q:", base_ + "\\sub2\\"},
        {base_ + "\\sub2", "Q:\\", base_ + "\\sub2\\"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.typed);
        EXPECT_TRUE(Run(CallSelEditDirectry, c.initial, {
            [this, &c] {  // the edit field follows the label; a shortened one gives the current directory
                SetDlgItemTextA(dialog_, stc1, "c:\\...\\sub9");
                EXPECT_TRUE(SamePath(rzt::ItemText(dialog_, REZORE32_IDC_SELDIR_EDIT), c.initial));
                SetDlgItemTextA(dialog_, stc1, "c:\\sub9");
                EXPECT_EQ(rzt::ItemText(dialog_, REZORE32_IDC_SELDIR_EDIT), "c:\\sub9");
                return true;
            },
            Type(c.typed)}));
        EXPECT_TRUE(SamePath(dir_, c.answer)) << dir_;
    }
}

TEST_F(LiveDirectoryDialog, TypedPathThatDoesNotExist) {
    const std::string path = base_ + "\\new1\\new2";
    EXPECT_TRUE(Run(CallSelEditDirectry, base_, {
        Type(path), Box(kQuestion, "RZ dir", IDNO), StillOpen(),
        [&] {
            EXPECT_FALSE(Exists(base_ + "\\new1"));
            return true;
        },
        Type(path), Box(kQuestion, "RZ dir", IDYES),
    }));
    EXPECT_TRUE(SamePath(dir_, path + "\\")) << dir_;
    EXPECT_TRUE(Exists(path));
}

TEST_F(LiveDirectoryDialog, TypedPathErrors) {
    std::vector<DialogScript::Step> steps;
    for (const char *typed : {"WORK", "\\WORK", ""}) {
        steps.push_back(Type(typed));
        steps.push_back(Box(kErrorNoDrive, kErrorCaption, IDOK));
        steps.push_back(StillOpen());
    }
    // A lone lead byte at the end: whatever the edit field makes of it, a
    // question or a refusal, and nothing is created when the answer is No.
    steps.push_back(Type(base_ + "\\x\x95"));
    steps.push_back([this] {
        HWND box = rzt::FindMessageBox(dialog_);
        if (box)
            PostMessageA(box, WM_COMMAND, IDNO, 0);
        return box != nullptr;
    });
    steps.push_back(StillOpen());
    steps.push_back([this] {
        EXPECT_FALSE(Exists(base_ + "\\x"));
        return true;
    });
    // Creation failing part-way keeps what was made, the last one current.
    steps.push_back(Type(base_ + "\\made\\bad?name\\more"));
    steps.push_back(Box(kQuestion, "RZ dir", IDYES));
    steps.push_back(Box(kErrorCreate, kErrorCaption, IDOK));
    steps.push_back(StillOpen());
    steps.push_back([this] {
        EXPECT_TRUE(Exists(base_ + "\\made"));
        EXPECT_TRUE(SamePath(rzt::CurrentDirectory(), base_ + "\\made"));
        return true;
    });
    // A path longer than any the system takes is refused.
    steps.push_back(Type("C:\\" + std::string(10000, 'x')));
    steps.push_back(Box(kErrorCreate, kErrorCaption, IDOK));
    steps.push_back(StillOpen());
    steps.push_back(Click(IDCANCEL));
    EXPECT_FALSE(Run(CallSelEditDirectry, base_, steps));
    EXPECT_EQ(std::string(dir_), base_);
}

UINT WINAPI RemoteDrive(LPCSTR) { return DRIVE_REMOTE; }

TEST_F(LiveDirectoryDialog, CreationFailingOnANetworkDrive) {
    rzt::ImportPatch remote(rzt::Library(), "kernel32.dll", "GetDriveTypeA", reinterpret_cast<void *>(&RemoteDrive));
    ASSERT_TRUE(remote.ok());
    EXPECT_FALSE(Run(CallSelEditDirectry, base_, {
        Type(base_ + "\\bad?name"), Box(kQuestion, "RZ dir", IDYES), Box(kErrorNetwork, kErrorCaption, IDOK),
        StillOpen(), Click(IDCANCEL),
    }));
}

// The hooks' blocks: one per dialog, released when it ends.
int g_allocs, g_frees;
HLOCAL WINAPI CountedAlloc(UINT flags, SIZE_T bytes) {
    ++g_allocs;
    return LocalAlloc(flags, bytes);
}
HLOCAL WINAPI CountedFree(HLOCAL block) {
    ++g_frees;
    return LocalFree(block);
}
HLOCAL WINAPI NoAlloc(UINT, SIZE_T) { return nullptr; }

TEST_F(LiveDirectoryDialog, HookBlocksAreReleased) {
    rzt::ImportPatch alloc(rzt::Library(), "kernel32.dll", "LocalAlloc", reinterpret_cast<void *>(&CountedAlloc));
    rzt::ImportPatch release(rzt::Library(), "kernel32.dll", "LocalFree", reinterpret_cast<void *>(&CountedFree));
    ASSERT_TRUE(alloc.ok() && release.ok());
    g_allocs = g_frees = 0;
    for (int i = 0; i < 5; ++i)
        for (CallFn call : {CallSelDirectry, CallSelEditDirectry})
            Run(call, base_, {Click(IDCANCEL)});
    EXPECT_EQ(g_allocs, 10);
    EXPECT_EQ(g_frees, 10);
}

TEST_F(LiveDirectoryDialog, WithoutItsBlockTheHookKeepsOkShut) {
    rzt::ImportPatch alloc(rzt::Library(), "kernel32.dll", "LocalAlloc", reinterpret_cast<void *>(&NoAlloc));
    ASSERT_TRUE(alloc.ok());
    EXPECT_TRUE(Run(CallSelDirectry, base_, {DoubleClick("[sub1]", "[sub1]"), ShowsDirectory(base_ + "\\sub1"),
                                             Click(IDOK)}));
    EXPECT_FALSE(Run(CallSelEditDirectry, base_, {
        DoubleClick("[sub1]", "[sub1]", SELEDITDIR_SNAPSHOT), DriveChange(),
        Type(base_), StillOpen(), Click(IDCANCEL),
    }));
}

}  // namespace
