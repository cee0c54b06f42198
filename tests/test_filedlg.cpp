// The file-open dialogs: the record the library fills (through a stand-in
// for the system's functions), the filter conversion, and the old-style
// dialog in the library's template driven from inside its modal loop.
#include <gtest/gtest.h>

#include <windows.h>
#include <dlgs.h>

#include <cstdlib>
#include <cstring>
#include <string>

#include "tests/dialog_driver.h"

namespace {

using rzt::DialogScript;
using rzt::FakeFileDialog;

using CallFn = BOOL(WINAPI *)(HWND, BOOL, LPCSTR, LPSTR, LPSTR, DWORD);

TEST(FileDialogRecord, FieldsAndFlagsOfEachCall) {
    struct Case {
        CallFn call;
        BOOL save;
        DWORD flags;
        bool hooked;
    };
    const Case cases[] = {
        {CallOpenFileName, TRUE, 0x006C, true},
        {CallOpenFileName, FALSE, 0x106C, true},
        {CallOpenFileName95, TRUE, 0x8000C, false},
        {CallOpenFileName95, FALSE, 0x8100C, false},
    };
    rzt::RecordingParent owner;
    for (const Case &c : cases) {
        SCOPED_TRACE(c.flags);
        FakeFileDialog fake;
        ASSERT_TRUE(fake.ok());
        fake.answer = [](OPENFILENAMEA *) { return TRUE; };
        char filter[] = "Text|*.txt|\0";
        char file[300] = "start.txt";
        EXPECT_TRUE(c.call(owner, c.save, "Title", filter, file, sizeof(file)));
        ASSERT_EQ(fake.calls.size(), 1u);
        const OPENFILENAMEA &o = fake.calls[0].ofn;
        EXPECT_EQ(fake.calls[0].save, c.save != FALSE) << "GetSaveFileNameA for save, GetOpenFileNameA for open";
        EXPECT_EQ(o.lStructSize, static_cast<DWORD>(OPENFILENAME_SIZE_VERSION_400A)) << "the size of this build";
        EXPECT_EQ(o.hwndOwner, owner.hwnd());
        EXPECT_EQ(o.hInstance, rzt::Library());
        EXPECT_EQ(o.lpstrFilter, filter);
        EXPECT_EQ(o.lpstrCustomFilter, nullptr);
        EXPECT_EQ(o.nMaxCustFilter | o.nFilterIndex | o.nMaxFileTitle | o.lCustData, 0u);
        EXPECT_EQ(o.lpstrFile, file);
        EXPECT_EQ(fake.calls[0].file, "start.txt");
        EXPECT_EQ(o.nMaxFile, sizeof(file));
        EXPECT_EQ(o.lpstrFileTitle, nullptr);
        EXPECT_EQ(o.lpstrInitialDir, nullptr);
        EXPECT_STREQ(o.lpstrTitle, "Title");
        EXPECT_EQ(o.Flags, c.flags);
        EXPECT_EQ(o.lpstrDefExt, nullptr);
        // The Explorer-style call fills hook and template too; its flags leave them unused.
        EXPECT_EQ(reinterpret_cast<void *>(o.lpfnHook), reinterpret_cast<void *>(GetProcAddress(rzt::Library(), "OpenFileNameDlgFN")));
        EXPECT_EQ(o.lpTemplateName, MAKEINTRESOURCEA(REZORE32_IDD_OPENFILE));
    }
}

TEST(FileDialogRecord, FilterConversionInTheCallersBuffer) {
    struct Case {
        const char *name;
        std::string filter;  // with room for the system's double zero
        std::string after;   // the caller's buffer afterwards
        std::string seen;    // what the system is given, up to its double zero
    };
    const Case cases[] = {
        {"two pairs", std::string("A|*.a|B|*.b|\0", 13), std::string("A\0*.a\0B\0*.b\0\0", 13),
         std::string("A\0*.a\0B\0*.b\0\0", 13)},
        {"no bar is passed unchanged", std::string("All\0*.*\0\0", 9), std::string("All\0*.*\0\0", 9),
         std::string("All\0*.*\0\0", 9)},
        // ポ is 0x83 0x7C: the scan is byte by byte, as documented.
        {"a second byte 0x7C is converted too", std::string("\x83\x7C|*|\0", 6), std::string("\x83\0\0*\0\0", 6),
         std::string("\x83\0\0", 3)},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        std::string filter = c.filter;
        char file[MAX_PATH] = "";
        for (int round = 0; round < 2; ++round) {  // the second call finds it converted already
            FakeFileDialog fake;
            CallOpenFileName(nullptr, FALSE, nullptr, &filter[0], file, sizeof(file));
            ASSERT_EQ(fake.calls.size(), 1u);
            EXPECT_EQ(fake.calls[0].filter, c.seen) << "round " << round;
            EXPECT_EQ(filter, c.after);
        }
    }
}

TEST(FileDialogRecord, BadInputFailsBeforeTheSystemOrIsPassedOn) {
    static const char kReadOnlyBars[] = "A|*.a|";  // in read-only memory
    static const char kReadOnlyPlain[] = "A";
    char file[MAX_PATH] = "";
    char filter[] = "A|*.a|\0";
    struct Case {
        const char *name;
        LPSTR filter;
        LPSTR file;
        DWORD size;
        bool reachesSystem;
    };
    const Case cases[] = {
        {"NULL filter", nullptr, file, sizeof(file), true},
        {"read-only filter with bars", const_cast<LPSTR>(kReadOnlyBars), file, sizeof(file), false},
        {"read-only filter without bars", const_cast<LPSTR>(kReadOnlyPlain), file, sizeof(file), true},
        {"NULL file buffer", filter, nullptr, MAX_PATH, false},
        {"buffer size 0", filter, file, 0, false},
    };
    for (CallFn call : {CallOpenFileName, CallOpenFileName95})
        for (const Case &c : cases) {
            SCOPED_TRACE(c.name);
            FakeFileDialog fake;
            fake.answer = [](OPENFILENAMEA *) { return TRUE; };
            EXPECT_EQ(call(nullptr, FALSE, nullptr, c.filter, c.file, c.size), c.reachesSystem ? TRUE : FALSE);
            ASSERT_EQ(fake.calls.size(), c.reachesSystem ? 1u : 0u);
            if (c.reachesSystem) {
                EXPECT_EQ(fake.calls[0].ofn.lpstrTitle, nullptr) << "NULL title: the system's own";
            }
        }
    EXPECT_STREQ(kReadOnlyBars, "A|*.a|");
}

// ---------------------------------------------------------------- live
class LiveFileDialog : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = rzt::CurrentDirectory();
        base_ = "C:\\rz_filedlg_" + std::to_string(GetCurrentProcessId());
        CreateDirectoryA(base_.c_str(), nullptr);
        HANDLE f = CreateFileA((base_ + "\\exists.txt").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        CloseHandle(f);
        SetCurrentDirectoryA(base_.c_str());
    }
    void TearDown() override {
        SetCurrentDirectoryA(dir_.c_str());
        EXPECT_TRUE(rzt::RemoveTree(base_));
    }
    std::string dir_, base_;
    rzt::RecordingParent owner_{100, 80, 500, 400};
};

TEST_F(LiveFileDialog, TemplateHookAndColours) {
    char filter[] = "Text|*.txt|All|*.*|";
    char file[MAX_PATH] = "";
    HWND seen = nullptr;
    DialogScript script({
        [&] {
            HWND d = rzt::FindFileDialog();
            if (!d)
                return false;
            seen = d;
            EXPECT_NE(FindWindowExA(d, nullptr, "NbBorder!+", nullptr), nullptr) << "the library's template";
            EXPECT_TRUE(IsWindowVisible(GetDlgItem(d, edt1)));
            EXPECT_FALSE(IsWindowVisible(GetDlgItem(d, chx1))) << "read-only box hidden";
            EXPECT_EQ(SendDlgItemMessageA(d, cmb1, CB_GETCOUNT, 0, 0), 2) << "two file types from the filter";
            // Centred on the owner.
            RECT dr, orc;
            GetWindowRect(d, &dr);
            GetWindowRect(owner_, &orc);
            EXPECT_LE(std::abs((dr.left + dr.right) - (orc.left + orc.right)), 1);
            EXPECT_LE(std::abs((dr.top + dr.bottom) - (orc.top + orc.bottom)), 1);
            // Colour answers.
            HDC dc = GetDC(d);
            const LRESULT face = SendMessageA(d, WM_CTLCOLORSTATIC, (WPARAM)dc, (LPARAM)GetDlgItem(d, stc2));
            EXPECT_EQ(GetBkMode(dc), TRANSPARENT);
            EXPECT_EQ(reinterpret_cast<HBRUSH>(face), rzt::Win95Mode() ? Get3DFaceBrush()
                                                                       : static_cast<HBRUSH>(GetStockObject(LTGRAY_BRUSH)));
            EXPECT_EQ(SendMessageA(d, WM_CTLCOLORBTN, (WPARAM)dc, (LPARAM)GetDlgItem(d, IDOK)), face);
            EXPECT_EQ(SendMessageA(d, WM_CTLCOLOREDIT, (WPARAM)dc, (LPARAM)GetDlgItem(d, edt1)),
                      reinterpret_cast<LRESULT>(GetStockObject(WHITE_BRUSH)));
            EXPECT_EQ(GetTextColor(dc), RGB(0, 0, 255));
            ReleaseDC(d, dc);
            // Painted by the hook: raised bevel on the face.
            RedrawWindow(d, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
            RECT rc;
            GetClientRect(d, &rc);
            rzt::Canvas canvas(rc.right, rc.bottom, RGB(1, 2, 3));
            rzt::Snapshot(d, canvas);
            EXPECT_EQ(canvas.At(0, 5), rzt::Light());
            EXPECT_EQ(canvas.At(rc.right - 1, 5), rzt::Dark());
            EXPECT_EQ(canvas.At(3, rc.bottom - 3), rzt::FaceColour());
            SetDlgItemTextA(d, edt1, "exists.txt");
            rzt::PostClick(d, IDOK);
            return true;
        },
    });
    EXPECT_TRUE(CallOpenFileName(owner_, FALSE, "RZ open", filter, file, sizeof(file)));
    EXPECT_TRUE(script.done());
    ASSERT_NE(seen, nullptr);
    EXPECT_TRUE(rzt::SamePath(file, base_ + "\\exists.txt")) << file;
    EXPECT_TRUE(rzt::SamePath(rzt::CurrentDirectory(), base_)) << "the same directory after the dialog";
}

TEST_F(LiveFileDialog, SaveTakesAnExistingOrNewName) {
    for (const char *name : {"exists.txt", "new.txt"}) {
        char filter[] = "All|*.*|";
        char file[MAX_PATH] = "";
        DialogScript script({[&] {
            HWND d = rzt::FindFileDialog();
            if (!d)
                return false;
            SetDlgItemTextA(d, edt1, name);
            rzt::PostClick(d, IDOK);
            return true;
        }});
        EXPECT_TRUE(CallOpenFileName(owner_, TRUE, "RZ save", filter, file, sizeof(file))) << name;
        EXPECT_TRUE(rzt::SamePath(file, base_ + "\\" + name)) << file;
    }
}

TEST_F(LiveFileDialog, CancelGivesZero) {
    char file[MAX_PATH] = "kept";
    DialogScript script({[] {
        HWND d = rzt::FindFileDialog();
        if (d)
            rzt::PostClick(d, IDCANCEL);
        return d != nullptr;
    }});
    EXPECT_FALSE(CallOpenFileName(owner_, FALSE, nullptr, nullptr, file, sizeof(file)));
    EXPECT_TRUE(script.done());
}

TEST_F(LiveFileDialog, ExplorerStyleHasNeitherTemplateNorColours) {
    char filter[] = "All|*.*|";
    char file[MAX_PATH] = "";
    DialogScript script({[&] {
        HWND d = rzt::FindDialogTitled("RZ explorer");
        if (!d)
            return false;
        EXPECT_EQ(FindWindowExA(d, nullptr, "NbBorder!+", nullptr), nullptr);
        HDC dc = GetDC(d);
        EXPECT_NE(SendMessageA(d, WM_CTLCOLORSTATIC, (WPARAM)dc, 0),
                  reinterpret_cast<LRESULT>(GetStockObject(LTGRAY_BRUSH)));
        ReleaseDC(d, dc);
        PostMessageA(d, WM_COMMAND, IDCANCEL, 0);
        return true;
    }});
    EXPECT_FALSE(CallOpenFileName95(owner_, FALSE, "RZ explorer", filter, file, sizeof(file)));
    EXPECT_TRUE(script.done());
}

}  // namespace
