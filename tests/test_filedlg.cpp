// The file-open dialogs: the record and filter the system gets, the hooks, the dialog in the library's template.
#include <gtest/gtest.h>
#include <tuple>
#include "tests/dialog_driver.h"
#include <dlgs.h>

namespace {

using CallFn = BOOL(WINAPI *)(HWND, BOOL, LPCSTR, LPSTR, LPSTR, DWORD);

// The record of each call, the filter's bars made zeros in place (a second call finds them so); bad input.
TEST(FileDialogRecord, FieldsFlagsFilterAndBadInput) {
    const struct { CallFn call; BOOL save; DWORD flags; } calls[] = {
        {CallOpenFileName, TRUE, 0x006C}, {CallOpenFileName, FALSE, 0x106C},
        {CallOpenFileName95, TRUE, 0x8000C}, {CallOpenFileName95, FALSE, 0x8100C}};
    const std::string ab("A\0*.a\0B\0*.b\0\0", 13), all("All\0*.*\0\0", 9);
    const struct { std::string filter, after, seen; } filters[] = {  // given, afterwards, what the system gets
        {std::string("A|*.a|B|*.b|\0", 13), ab, ab},
        {all, all, all},
        // ポ is 0x83 0x7C: the scan is byte by byte, as documented.
        {std::string("\x83\x7C|*|\0", 6), std::string("\x83\0\0*\0\0", 6), std::string("\x83\0\0", 3)},
    };
    rzt::RecordingParent owner;
    for (const auto &c : calls)
        for (const auto &f : filters) {
            SCOPED_TRACE(testing::Message() << c.flags << " " << f.filter.c_str());
            std::string filter = f.filter;
            char file[300] = "start.txt";
            for (int round = 0; round < 2; ++round) {
                rzt::FakeFileDialog fake;
                fake.answer = [](OPENFILENAMEA *) { return TRUE; };
                EXPECT_TRUE(c.call(owner, c.save, "Title", &filter[0], file, sizeof(file)));
                ASSERT_EQ(fake.calls.size(), 1u);
                EXPECT_EQ(fake.calls[0].filter, f.seen) << "round " << round;
                EXPECT_EQ(filter, f.after);
                const OPENFILENAMEA &o = fake.calls[0].ofn;
                EXPECT_EQ(std::make_tuple(fake.calls[0].save, o.lStructSize, o.hwndOwner, o.hInstance, o.Flags,
                                          o.lpstrFilter, o.lpstrFile, o.nMaxFile, fake.calls[0].file),
                          std::make_tuple(c.save != FALSE, DWORD(OPENFILENAME_SIZE_VERSION_400A), owner.hwnd(),
                                          HINSTANCE(rzt::Library()), c.flags, LPCSTR(filter.data()), LPSTR(file),
                                          DWORD(sizeof(file)), std::string("start.txt")));
                EXPECT_STREQ(o.lpstrTitle, "Title");
                EXPECT_TRUE(!o.lpstrCustomFilter && !o.lpstrFileTitle && !o.lpstrInitialDir && !o.lpstrDefExt);
                EXPECT_EQ(o.nMaxCustFilter | o.nFilterIndex | o.nMaxFileTitle | o.lCustData, 0u);
            }
        }
    static const char kReadOnlyBars[] = "A|*.a|", kReadOnlyPlain[] = "A";  // in read-only memory
    char file[MAX_PATH] = "", filter[] = "A|*.a|\0";
    const struct { LPSTR filter, file; DWORD size; bool reachesSystem; } bad[] = {
        {nullptr, file, sizeof(file), true},                              // NULL filter
        {const_cast<LPSTR>(kReadOnlyBars), file, sizeof(file), false},  // read-only, with bars to convert
        {const_cast<LPSTR>(kReadOnlyPlain), file, sizeof(file), true},  // read-only, nothing to convert
        {filter, nullptr, MAX_PATH, false},                               // no file buffer
        {filter, file, 0, false},                                         // buffer size 0
    };
    for (CallFn call : {CallOpenFileName, CallOpenFileName95})
        for (const auto &c : bad) {
            rzt::FakeFileDialog fake;
            fake.answer = [](OPENFILENAMEA *) { return TRUE; };
            EXPECT_EQ(call(nullptr, FALSE, nullptr, c.filter, c.file, c.size), c.reachesSystem ? TRUE : FALSE);
            ASSERT_EQ(fake.calls.size(), c.reachesSystem ? 1u : 0u) << "row " << &c - bad;
            EXPECT_TRUE(fake.calls.empty() || !fake.calls[0].ofn.lpstrTitle) << "NULL title: the system's own";
        }
}

// The three hooks centre the dialog, answer the colour messages alike and paint a raised bevel on the face.
TEST(FileDialogHooks, CentringColoursAndPainting) {
    using Hook = UINT_PTR(WINAPI *)(HWND, UINT, WPARAM, LPARAM);
    const UINT_PTR face = (UINT_PTR)(rzt::Win95Mode() ? Get3DFaceBrush() : GetStockObject(LTGRAY_BRUSH));
    rzt::RecordingParent owner(100, 80, 500, 400);
    for (Hook hook : {OpenFileNameDlgFN, SelDirectryDlgFN, SelEditDirectryDlgFN}) {
        HWND window = CreateWindowExA(0, "Static", "", WS_POPUP | WS_VISIBLE, 0, 0, 120, 90, owner, nullptr,
                                      nullptr, nullptr);
        hook(window, WM_INITDIALOG, 0, 0);
        EXPECT_TRUE(rzt::CentredOn(window, owner));
        rzt::Canvas canvas(8, 8, RGB(1, 2, 3));
        const WPARAM dc = reinterpret_cast<WPARAM>(canvas.dc());
        for (UINT msg : {WM_CTLCOLORSTATIC, WM_CTLCOLORBTN}) {
            SetBkMode(canvas.dc(), OPAQUE);
            EXPECT_EQ(hook(window, msg, dc, 0), face);
            EXPECT_EQ(GetBkMode(canvas.dc()), TRANSPARENT);
        }
        EXPECT_EQ(hook(window, WM_CTLCOLOREDIT, dc, 0), reinterpret_cast<UINT_PTR>(GetStockObject(WHITE_BRUSH)));
        EXPECT_EQ(GetTextColor(canvas.dc()), RGB(0, 0, 255));
        EXPECT_EQ(hook(window, WM_CTLCOLORLISTBOX, dc, 0), 0u) << "lists are the system's";
        rzt::Canvas shown(120, 90, RGB(1, 2, 3));
        if (hook == OpenFileNameDlgFN) {
            InvalidateRect(window, nullptr, FALSE);
            EXPECT_EQ(hook(window, WM_PAINT, 0, 0), 1u);
            rzt::Snapshot(window, shown);
        } else {
            EXPECT_EQ(hook(window, WM_ERASEBKGND, reinterpret_cast<WPARAM>(shown.dc()), 0), 1u);
        }
        EXPECT_EQ(shown.At(0, 5), rzt::Light());
        EXPECT_EQ(shown.At(119, 5), rzt::Dark());
        EXPECT_EQ(shown.At(3, 87), rzt::FaceColour());
        hook(window, WM_DESTROY, 0, 0);  // the directory hooks release their block
        DestroyWindow(window);
    }
}

// Open and save take the typed name (save an existing one without asking), cancel gives 0; same directory.
TEST(LiveFileDialog, TypedNameOrCancel) {
    const std::string start = rzt::CurrentDirectory(), base = "C:\\rz_filedlg_" + std::to_string(GetCurrentProcessId());
    CreateDirectoryA(base.c_str(), nullptr);
    CloseHandle(CreateFileA((base + "\\exists.txt").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    SetCurrentDirectoryA(base.c_str());
    rzt::RecordingParent owner(100, 80, 500, 400);
    const struct { BOOL save; const char *typed; } cases[] = {  // typed NULL: cancel
        {FALSE, "exists.txt"}, {TRUE, "exists.txt"}, {TRUE, "new.txt"}, {FALSE, nullptr}};
    for (const auto &c : cases) {
        char filter[] = "Text|*.txt|All|*.*|", file[MAX_PATH] = "";
        BOOL result = -1;
        EXPECT_TRUE(rzt::RunScript({[&] {
            HWND d = rzt::FindFileDialog();
            if (!d)
                return false;
            EXPECT_NE(FindWindowExA(d, nullptr, "NbBorder!+", nullptr), nullptr) << "the library's template";
            EXPECT_EQ(SendDlgItemMessageA(d, cmb1, CB_GETCOUNT, 0, 0), 2) << "two file types from the filter";
            EXPECT_TRUE(rzt::CentredOn(d, owner));
            SetDlgItemTextA(d, edt1, c.typed ? c.typed : "");
            rzt::PostClick(d, c.typed ? IDOK : IDCANCEL);
            return true;
        }}, [&] { result = CallOpenFileName(owner, c.save, "RZ file", filter, file, sizeof(file)); }));
        EXPECT_EQ(result, c.typed ? TRUE : FALSE);
        EXPECT_TRUE(rzt::SamePath(file, c.typed ? base + "\\" + c.typed : "")) << file;
        EXPECT_TRUE(rzt::SamePath(rzt::CurrentDirectory(), base));
    }
    SetCurrentDirectoryA(start.c_str());
    EXPECT_TRUE(rzt::RemoveTree(base));
}

}  // namespace
