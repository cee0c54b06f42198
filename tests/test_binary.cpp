// The built DLLs as files: the 32-bit product's export names, the imports
// of both builds, and the 32-bit product's resources.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "tests/support.h"

namespace {

// Every name the 32-bit DLL exports when the library is complete.
const char *const kAllExports[] = {
    "_GetOSPlatform@0", "_Get3DFaceBrush@0", "_Get3DShadowBrush@0", "_IsScrollBar@8", "_DrawRect@8",
    "_ExDrawRect@12", "_DrawRoundRect@16", "_DrawFrame@16", "_EdgeDrawRect@16", "_CtlFrame@20",
    "_EdgeDrawCtl@20", "_DrawBitmap@24", "_CoverWindow@20", "_PaintCoverWindow@20", "_AndRect@12",
    "_ClntRc2ScrnRc@12", "_ScrnRc2ClntRc@12", "_CenterPopup@8", "_SpinCtlWndFn@16", "_BorderCtlWndFn@16",
    "_IconDrawCtlWndFn@16", "_CalenderCtlWndFn@16", "_SelYearMonthDlgFn@16", "_Sz2UShort@4", "_Sz2Long@4",
    "_FreeMemMtrx@8", "_CommaED@8", "_StrSpcCut@4", "_SzHan2SzZen@8", "_ChkStrDQuotation@8",
    "_ChkStrComma2DQuotation@8", "_ChkStrComma@8", "_ExchgStr@8", "_GetNEBRegString@24", "_GetNEBRegInt@16",
    "_WriteNEBRegString@16", "_WriteNEBRegInt@16", "_OpenVerInf@8", "_GetVerInf@16", "_GetNEBAPLDLLVersion@0",
    "_IsFileExist@4", "_GetIniFileName@8", "_GetHlpFileName@8", "_FepControl@8", "_FEPWordRegisterd@4",
    "_GetPrinterName@4", "_InitSysCursor@4", "_TermSysCursor@4", "_SetSysCursor@4", "_SetBroadCastWindow@8",
    "_ResetBroadCastWindow@4", "_PostBroadCastMessage@16", "_TextCtlWndFn@16", "_MeterCtlWndFn@16",
    "_IndicatorCtlWndFn@16", "_CheckBtnCtlWndFn@16", "_CheckMarkCtlWndFn@16", "_PlateCtlWndFn@16",
    "_ClipCtlWndFn@16", "_FolderCtlWndFn@16", "_CallOpenFileName@24", "_CallOpenFileName95@24",
    "_OpenFileNameDlgFN@16", "_CallSelDirectry@16", "_CallSelEditDirectry@16", "_SelDirectryDlgFN@16",
    "_SelEditDirectryDlgFN@16", "_CreateInformDlg@16", "_DestroyInformDlg@0", "_InformDlgFn@16",
    "_CreateToolTipWindow@16", "_DestroyToolTipWindow@4", "_TipWndFn@16", "_ChkMessage@0", "_PopView@8",
    "_PopViewWndFn@16", "_KBFilter@12", "_TenKeyPad@4", "_TenKeyDlgFn@16",
};

// The names built so far.
const char *const kBuiltExports[] = {
    "_GetOSPlatform@0", "_Get3DFaceBrush@0", "_Get3DShadowBrush@0", "_IsScrollBar@8", "_DrawRect@8",
    "_ExDrawRect@12", "_DrawRoundRect@16", "_DrawFrame@16", "_EdgeDrawRect@16", "_CtlFrame@20",
    "_EdgeDrawCtl@20", "_DrawBitmap@24", "_CoverWindow@20", "_PaintCoverWindow@20", "_AndRect@12",
    "_ClntRc2ScrnRc@12", "_ScrnRc2ClntRc@12", "_CenterPopup@8", "_SpinCtlWndFn@16", "_BorderCtlWndFn@16",
    "_IconDrawCtlWndFn@16", "_CalenderCtlWndFn@16", "_SelYearMonthDlgFn@16", "_Sz2UShort@4", "_Sz2Long@4", "_FreeMemMtrx@8",
    "_TextCtlWndFn@16", "_MeterCtlWndFn@16", "_IndicatorCtlWndFn@16", "_CommaED@8", "_StrSpcCut@4",
    "_SzHan2SzZen@8", "_ChkStrDQuotation@8", "_ChkStrComma2DQuotation@8", "_ChkStrComma@8", "_ExchgStr@8",
    "_GetNEBRegString@24", "_GetNEBRegInt@16", "_WriteNEBRegString@16", "_WriteNEBRegInt@16", "_OpenVerInf@8",
    "_GetVerInf@16", "_GetNEBAPLDLLVersion@0", "_IsFileExist@4", "_GetIniFileName@8", "_GetHlpFileName@8",
    "_FepControl@8", "_FEPWordRegisterd@4", "_GetPrinterName@4", "_InitSysCursor@4", "_TermSysCursor@4",
    "_SetSysCursor@4", "_SetBroadCastWindow@8", "_ResetBroadCastWindow@4", "_PostBroadCastMessage@16",
    "_CheckBtnCtlWndFn@16", "_CheckMarkCtlWndFn@16", "_PlateCtlWndFn@16", "_ClipCtlWndFn@16",
    "_FolderCtlWndFn@16",
    "_CreateInformDlg@16", "_DestroyInformDlg@0", "_InformDlgFn@16", "_CreateToolTipWindow@16",
    "_DestroyToolTipWindow@4", "_TipWndFn@16", "_ChkMessage@0", "_PopView@8", "_PopViewWndFn@16", "_KBFilter@12",
    "_TenKeyPad@4", "_TenKeyDlgFn@16",
    "_CallOpenFileName@24", "_CallOpenFileName95@24", "_OpenFileNameDlgFN@16", "_CallSelDirectry@16",
    "_CallSelEditDirectry@16", "_SelDirectryDlgFN@16", "_SelEditDirectryDlgFN@16",
};

std::string ExeDir() {
    char path[MAX_PATH];
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    *strrchr(path, '\\') = 0;
    return path;
}

// build/x64/bin -> build/x86/bin
std::string X86Dll() { return ExeDir() + "\\..\\..\\x86\\bin\\REZORE32.DLL"; }
std::string X64Dll() { return ExeDir() + "\\REZORE32.DLL"; }

// Just enough of the PE format to read export and import names.
class PeFile {
public:
    explicit PeFile(const std::string &path) {
        std::ifstream f(path, std::ios::binary);
        data_.assign(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
        if (data_.size() < sizeof(IMAGE_DOS_HEADER))
            return;
        auto *dos = At<IMAGE_DOS_HEADER>(0);
        auto *nt = At<IMAGE_NT_HEADERS32>(dos->e_lfanew);
        machine_ = nt->FileHeader.Machine;
        characteristics_ = nt->FileHeader.Characteristics;
        const IMAGE_DATA_DIRECTORY *dirs;
        if (nt->OptionalHeader.Magic == IMAGE_NT_OPTIONAL_HDR64_MAGIC)
            dirs = At<IMAGE_NT_HEADERS64>(dos->e_lfanew)->OptionalHeader.DataDirectory;
        else
            dirs = nt->OptionalHeader.DataDirectory;
        exportDir_ = dirs[IMAGE_DIRECTORY_ENTRY_EXPORT];
        importDir_ = dirs[IMAGE_DIRECTORY_ENTRY_IMPORT];
        sections_ = reinterpret_cast<const IMAGE_SECTION_HEADER *>(
            reinterpret_cast<const BYTE *>(&nt->OptionalHeader) + nt->FileHeader.SizeOfOptionalHeader);
        sectionCount_ = nt->FileHeader.NumberOfSections;
    }
    bool ok() const { return machine_ != 0; }
    WORD machine() const { return machine_; }
    bool isDll() const { return (characteristics_ & IMAGE_FILE_DLL) != 0; }

    std::vector<std::string> Exports() const {
        std::vector<std::string> names;
        if (!exportDir_.VirtualAddress)
            return names;
        auto *ed = At<IMAGE_EXPORT_DIRECTORY>(Offset(exportDir_.VirtualAddress));
        auto *rvas = At<DWORD>(Offset(ed->AddressOfNames));
        for (DWORD i = 0; i < ed->NumberOfNames; ++i)
            names.push_back(At<char>(Offset(rvas[i])));
        return names;
    }

    std::vector<std::string> ImportedDlls() const {
        std::vector<std::string> names;
        for (auto *d = At<IMAGE_IMPORT_DESCRIPTOR>(Offset(importDir_.VirtualAddress)); d->Name; ++d) {
            std::string n = At<char>(Offset(d->Name));
            std::transform(n.begin(), n.end(), n.begin(), ::tolower);
            names.push_back(n);
        }
        return names;
    }

private:
    template <class T>
    const T *At(size_t offset) const {
        return reinterpret_cast<const T *>(data_.data() + offset);
    }
    size_t Offset(DWORD rva) const {
        for (int i = 0; i < sectionCount_; ++i) {
            const IMAGE_SECTION_HEADER &s = sections_[i];
            if (rva >= s.VirtualAddress && rva < s.VirtualAddress + s.Misc.VirtualSize)
                return rva - s.VirtualAddress + s.PointerToRawData;
        }
        return 0;
    }
    std::vector<char> data_;
    WORD machine_ = 0, characteristics_ = 0;
    IMAGE_DATA_DIRECTORY exportDir_ = {}, importDir_ = {};
    const IMAGE_SECTION_HEADER *sections_ = nullptr;
    int sectionCount_ = 0;
};

TEST(Binary, X86ExportsTheDecoratedNames) {
    PeFile pe(X86Dll());
    ASSERT_TRUE(pe.ok()) << X86Dll();
    EXPECT_EQ(pe.machine(), IMAGE_FILE_MACHINE_I386);
    EXPECT_TRUE(pe.isDll());
    const std::vector<std::string> exported = pe.Exports();
    const std::set<std::string> all(std::begin(kAllExports), std::end(kAllExports));
    const std::set<std::string> built(std::begin(kBuiltExports), std::end(kBuiltExports));
    EXPECT_EQ(all.size(), 79u);
    EXPECT_EQ(std::set<std::string>(exported.begin(), exported.end()), built);
    EXPECT_EQ(exported.size(), built.size());
    for (const std::string &name : built)
        EXPECT_TRUE(all.count(name)) << name << " is not a name of the library";
}

TEST(Binary, X64ExportsThePlainNames) {
    PeFile pe(X64Dll());
    ASSERT_TRUE(pe.ok());
    EXPECT_EQ(pe.machine(), IMAGE_FILE_MACHINE_AMD64);
    std::set<std::string> expected;
    for (const char *name : kBuiltExports) {
        std::string n = name + 1;
        expected.insert(n.substr(0, n.find('@')));
    }
    const std::vector<std::string> exported = pe.Exports();
    EXPECT_EQ(std::set<std::string>(exported.begin(), exported.end()), expected);
    HMODULE dll = GetModuleHandleA("REZORE32.DLL");
    for (const std::string &n : expected)
        EXPECT_NE(GetProcAddress(dll, n.c_str()), nullptr) << n;
}

TEST(Binary, BothBuildsImportTheCommonDialogs) {
    for (const std::string &path : {X86Dll(), X64Dll()}) {
        const std::vector<std::string> dlls = PeFile(path).ImportedDlls();
        EXPECT_NE(std::find(dlls.begin(), dlls.end(), "comdlg32.dll"), dlls.end()) << path;
    }
}

TEST(Binary, ImportOnlyWindowsSystemDlls) {
    const std::set<std::string> system = {"kernel32.dll", "user32.dll",  "gdi32.dll",    "advapi32.dll",
                                          "comdlg32.dll", "version.dll", "winmm.dll",    "msvcrt.dll",
                                          "shell32.dll",  "imm32.dll",   "winspool.drv", "comctl32.dll"};
    for (const std::string &path : {X86Dll(), X64Dll()}) {
        PeFile pe(path);
        ASSERT_TRUE(pe.ok()) << path;
        for (const std::string &dll : pe.ImportedDlls())
            EXPECT_TRUE(system.count(dll)) << path << " imports " << dll;
    }
}

// ---------------------------------------------------------------- resources
class X86Resources : public testing::Test {
protected:
    void SetUp() override {
        module_ = LoadLibraryExA(X86Dll().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
        ASSERT_NE(module_, nullptr);
    }
    void TearDown() override { FreeLibrary(module_); }
    const BYTE *Resource(LPCSTR type, WORD id, DWORD *size = nullptr) {
        HRSRC r = FindResourceExA(module_, type, MAKEINTRESOURCEA(id), MAKELANGID(LANG_JAPANESE, SUBLANG_DEFAULT));
        if (!r)
            return nullptr;
        if (size)
            *size = SizeofResource(module_, r);
        return static_cast<const BYTE *>(LockResource(LoadResource(module_, r)));
    }
    HMODULE module_ = nullptr;
};

TEST_F(X86Resources, SpinArrowBitmap) {
    const BYTE *res = Resource(RT_BITMAP, 3000);
    ASSERT_NE(res, nullptr);
    auto *bih = reinterpret_cast<const BITMAPINFOHEADER *>(res);
    EXPECT_EQ(bih->biWidth, 36);
    EXPECT_EQ(bih->biHeight, 9);
    EXPECT_EQ(bih->biBitCount, 4);
    auto *palette = reinterpret_cast<const RGBQUAD *>(res + bih->biSize);
    const int colours = bih->biClrUsed ? bih->biClrUsed : 16;
    ASSERT_EQ(colours, 16);
    const BYTE *bits = reinterpret_cast<const BYTE *>(palette + colours);
    auto black = [&](int x, int y) {  // rows are stored bottom-up, 20 bytes each
        BYTE b = bits[(8 - y) * 20 + x / 2];
        int index = (x % 2) ? (b & 0x0F) : (b >> 4);
        const RGBQUAD &q = palette[index];
        const int sum = q.rgbRed + q.rgbGreen + q.rgbBlue;
        EXPECT_TRUE(sum == 0 || sum == 3 * 255) << "not black or white at " << x << "," << y;
        return sum == 0;
    };
    // Black columns of rows 1..7 of each cell: up, down, left, right.
    const int spans[4][7][2] = {
        {{4, 4}, {3, 5}, {3, 5}, {2, 6}, {2, 6}, {1, 7}, {1, 7}},
        {{1, 7}, {1, 7}, {2, 6}, {2, 6}, {3, 5}, {3, 5}, {4, 4}},
        {{6, 7}, {4, 7}, {2, 7}, {1, 7}, {2, 7}, {4, 7}, {6, 7}},
        {{1, 2}, {1, 4}, {1, 6}, {1, 7}, {1, 6}, {1, 4}, {1, 2}},
    };
    for (int cell = 0; cell < 4; ++cell)
        for (int y = 0; y < 9; ++y)
            for (int x = 0; x < 9; ++x) {
                const bool expected = y >= 1 && y <= 7 && x >= spans[cell][y - 1][0] && x <= spans[cell][y - 1][1];
                EXPECT_EQ(black(cell * 9 + x, y), expected) << "cell " << cell << " x " << x << " y " << y;
            }
}

// A 4-bit bitmap resource as colours, top row first.
std::vector<std::vector<COLORREF>> Pixels(const BYTE *res) {
    auto *bih = reinterpret_cast<const BITMAPINFOHEADER *>(res);
    auto *palette = reinterpret_cast<const RGBQUAD *>(res + bih->biSize);
    const BYTE *bits = reinterpret_cast<const BYTE *>(palette + (bih->biClrUsed ? bih->biClrUsed : 16));
    const int w = bih->biWidth, h = bih->biHeight, stride = (w * 4 + 31) / 32 * 4;
    std::vector<std::vector<COLORREF>> rows(h, std::vector<COLORREF>(w));
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const BYTE b = bits[(h - 1 - y) * stride + x / 2];
            const RGBQUAD &q = palette[(x % 2) ? (b & 0x0F) : (b >> 4)];
            rows[y][x] = RGB(q.rgbRed, q.rgbGreen, q.rgbBlue);
        }
    return rows;
}

// The check pictures: which colours each cell shows and which it must not.
TEST_F(X86Resources, CheckPictures) {
    const COLORREF black = RGB(0, 0, 0), blue = RGB(0, 0, 128), cyan = RGB(0, 255, 255), green = RGB(0, 255, 0),
                   light = RGB(192, 192, 192), dark = RGB(128, 128, 128), white = RGB(255, 255, 255);
    struct CellCase {
        WORD bitmap;
        int cell;
        std::vector<COLORREF> shown, absent;
    };
    const CellCase cases[] = {
        {3001, 0, {cyan, black, blue, dark}, {white}},       // checked, raised with its shadow
        {3001, 1, {cyan, black, light}, {blue, white}},      // unchecked held: pale stroke
        {3001, 2, {white, light, black}, {cyan, blue}},      // unchecked: checkerboard
        {3001, 3, {white, light, dark, black}, {cyan, blue}},// checked held: grey stroke
        {3001, 4, {dark, light}, {black, white, cyan, blue}},
        {3002, 0, {green, black}, {white, cyan, blue}},
        {3002, 1, {green, light, black}, {white, blue}},
        {3002, 2, {white, light, black}, {green, dark}},
        {3002, 3, {white, light, dark, black}, {green}},
        {3002, 4, {dark, light}, {black, white, green}},
    };
    for (const CellCase &c : cases) {
        SCOPED_TRACE(testing::Message() << "bitmap " << c.bitmap << " cell " << c.cell);
        const BYTE *res = Resource(RT_BITMAP, c.bitmap);
        ASSERT_NE(res, nullptr);
        auto *bih = reinterpret_cast<const BITMAPINFOHEADER *>(res);
        EXPECT_EQ(bih->biWidth, 80);
        EXPECT_EQ(bih->biHeight, 14);
        EXPECT_EQ(bih->biBitCount, 4);
        const auto rows = Pixels(res);
        std::set<COLORREF> seen;
        for (const auto &row : rows)
            seen.insert(row.begin() + 16 * c.cell, row.begin() + 16 * c.cell + 16);
        for (COLORREF colour : c.shown)
            EXPECT_TRUE(seen.count(colour)) << std::hex << colour << " missing";
        for (COLORREF colour : c.absent)
            EXPECT_FALSE(seen.count(colour)) << std::hex << colour << " present";
    }
    // The held cells of the button show its box sunk one pixel right and down.
    const auto rows = Pixels(Resource(RT_BITMAP, 3001));
    auto firstBlack = [&rows](int cell) {
        for (int y = 0; y < 14; ++y)
            for (int x = 0; x < 16; ++x)
                if (rows[y][16 * cell + x] == RGB(0, 0, 0))
                    return POINT{x, y};
        return POINT{-1, -1};
    };
    for (int raised : {0, 2}) {
        const POINT up = firstBlack(raised), down = firstBlack(raised + 1);
        EXPECT_EQ(down.x, up.x + 1) << raised;
        EXPECT_EQ(down.y, up.y + 1) << raised;
    }
}

#pragma pack(push, 2)
struct GroupIconDir {
    WORD reserved, type, count;
    struct Entry {
        BYTE width, height, colours, reserved;
        WORD planes, bitCount;
        DWORD bytes;
        WORD id;
    } entries[1];
};
#pragma pack(pop)

TEST_F(X86Resources, IconsAre32By32In16Colours) {
    for (WORD id : {3011, 5000}) {
        SCOPED_TRACE(id);
        const BYTE *res = Resource(RT_GROUP_ICON, id);
        ASSERT_NE(res, nullptr);
        auto *dir = reinterpret_cast<const GroupIconDir *>(res);
        ASSERT_EQ(dir->count, 1);
        EXPECT_EQ(dir->entries[0].width, 32);
        EXPECT_EQ(dir->entries[0].height, 32);
        EXPECT_EQ(dir->entries[0].colours, 16);
        EXPECT_EQ(dir->entries[0].bitCount, 4);
        const BYTE *image = Resource(RT_ICON, dir->entries[0].id);
        ASSERT_NE(image, nullptr);
        auto *bih = reinterpret_cast<const BITMAPINFOHEADER *>(image);
        EXPECT_EQ(bih->biWidth, 32);
        EXPECT_EQ(bih->biHeight, 64);  // colour and mask
        EXPECT_EQ(bih->biBitCount, 4);
    }
}

// The library's templates as their tables give them, control by control.
// Texts are Shift-JIS as the process reads them; "\x1E" and "\x1F" frame
// the access keys.
struct TemplateControl {
    int id;
    const char *cls;
    DWORD style;
    short x, y, cx, cy;
    const char *text;
};
struct TemplateCase {
    WORD resource;
    DWORD style;
    short x, y, cx, cy;
    const char *cls, *caption;
    std::vector<TemplateControl> items;  // in tab order
};

// ＭＳ Ｐゴシック, 11 point, for both.
const char kPopupFont[] = "\x82\x6C\x82\x72\x20\x82\x6F\x83\x53\x83\x56\x83\x62\x83\x4E";

std::vector<TemplateCase> PopupTemplates() {
    const DWORD line = WS_CHILD | WS_VISIBLE | WS_GROUP | SS_CENTER;
    const DWORD key = WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON;
    return {
        {3030, WS_POPUP | WS_VISIBLE | WS_CAPTION | DS_MODALFRAME | DS_SETFONT, 10, 30, 126, 28, "NbInform!+",
         "\x83\x81\x83\x62\x83\x5A\x81\x5B\x83\x57",  // メッセージ
         {{3031, "Static", line, 4, 4, 120, 8, ""}, {3032, "Static", line, 4, 16, 120, 8, ""}}},
        {3010, WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | DS_SETFONT, 0, 0, 82, 66, "NbTenKey!+",
         "\xC3\xDD\xB7\xB0\xCA\xDF\xAF\xC4\xDE",  // ﾃﾝｷｰﾊﾟｯﾄﾞ
         {{49, "Button", key, 1, 33, 20, 16, "1"},
          {50, "Button", key, 21, 33, 20, 16, "2"},
          {51, "Button", key, 41, 33, 20, 16, "3"},
          {52, "Button", key, 1, 17, 20, 16, "4"},
          {53, "Button", key, 21, 17, 20, 16, "5"},
          {54, "Button", key, 41, 17, 20, 16, "6"},
          {55, "Button", key, 1, 1, 20, 16, "7"},
          {56, "Button", key, 21, 1, 20, 16, "8"},
          {57, "Button", key, 41, 1, 20, 16, "9"},
          {48, "Button", key, 1, 49, 20, 16, "0"},
          {44, "Button", key, 21, 49, 20, 16, ","},
          {46, "Button", key, 41, 49, 20, 16, "."},
          {27, "Button", key, 61, 1, 20, 32, "C"},
          {8, "Button", key, 61, 33, 20, 32, "\x81\xA9"}}},  // ←
    };
}

TEST_F(X86Resources, PopupTemplatesMatchTheirTables) {
    for (const TemplateCase &c : PopupTemplates()) {
        SCOPED_TRACE(c.resource);
        const BYTE *res = Resource(RT_DIALOG, c.resource);
        ASSERT_NE(res, nullptr);
        rzt::Template t(res);
        EXPECT_EQ(t.Dword(), c.style);
        EXPECT_EQ(t.Dword(), 0u) << "no extended style";
        ASSERT_EQ(t.Word(), c.items.size());
        EXPECT_EQ(t.Short(), c.x);
        EXPECT_EQ(t.Short(), c.y);
        EXPECT_EQ(t.Short(), c.cx);
        EXPECT_EQ(t.Short(), c.cy);
        EXPECT_EQ(t.Text(), "") << "no menu";
        EXPECT_EQ(t.Text(), c.cls);
        EXPECT_EQ(t.Text(), c.caption);
        EXPECT_EQ(t.Word(), 11);
        EXPECT_EQ(t.Text(), kPopupFont);
        for (const TemplateControl &item : c.items) {
            SCOPED_TRACE(item.id);
            t.Align();
            EXPECT_EQ(t.Dword(), item.style);
            EXPECT_EQ(t.Dword(), 0u);
            EXPECT_EQ(t.Short(), item.x);
            EXPECT_EQ(t.Short(), item.y);
            EXPECT_EQ(t.Short(), item.cx);
            EXPECT_EQ(t.Short(), item.cy);
            EXPECT_EQ(t.Short(), item.id);
            EXPECT_EQ(t.Text(), item.cls);
            EXPECT_EQ(t.Text(), item.text);
            EXPECT_EQ(t.Word(), 0) << "no creation data";
        }
    }
}

class TemplateReader {
public:
    explicit TemplateReader(const BYTE *p) : p_(p) {}
    DWORD Dword() { return Word() | (static_cast<DWORD>(Word()) << 16); }
    WORD Word() {
        WORD v = static_cast<WORD>(p_[0] | (p_[1] << 8));
        p_ += 2;
        return v;
    }
    std::string Text() {
        std::wstring w;
        for (WORD c = Word(); c; c = Word())
            w += static_cast<wchar_t>(c);
        char out[512] = {};
        WideCharToMultiByte(932, 0, w.c_str(), -1, out, sizeof(out), nullptr, nullptr);
        return out;
    }
    void Align(const BYTE *base) {
        while ((p_ - base) & 3)
            ++p_;
    }

private:
    const BYTE *p_;
};

const DWORD kChild = WS_CHILD, kShown = WS_CHILD | WS_VISIBLE;
const DWORD kList = WS_BORDER | WS_VSCROLL | LBS_DISABLENOSCROLL | LBS_HASSTRINGS | LBS_OWNERDRAWFIXED | LBS_SORT |
                    LBS_NOTIFY;
const DWORD kTypes = WS_BORDER | WS_VSCROLL | CBS_DROPDOWNLIST | CBS_AUTOHSCROLL;
const DWORD kDrives = kTypes | WS_TABSTOP | CBS_OWNERDRAWFIXED | CBS_SORT | CBS_HASSTRINGS;
const DWORD kButton = WS_GROUP | WS_TABSTOP;
#define RZ_FILE "\x83\x74\x83\x40\x83\x43\x83\x8B"  // ファイル
const char kFileLabel[] = RZ_FILE "\x96\xBC(\x1EN\x1F\xCC):";
const char kTypeLabel[] = RZ_FILE "\x82\xCC\x8E\xED\x97\xDE(\x1ET\x1F\xBC):";
const char kDirLabel[] = "\x83\x66\x83\x42\x83\x8C\x83\x4E\x83\x67\x83\x8A(\x1E" "D\x1F\xC3):";
const char kDriveLabel[] = "\x83\x68\x83\x89\x83\x43\x83\x75(\x1EV\x1F\xC4):";
const char kHelp[] = "\xCD\xD9\xCC\xDF(\x1EH\x1F\xCD)";
const char kReadOnly[] = "\x8F\xE3\x8F\x91\x8B\xD6(\x1ER\x1F\xBA)";
const char kCancel[] = "\xB7\xAC\xDD\xBE\xD9";
const char kDirCaption[] = "\x83\x66\x83\x42\x83\x8C\x83\x4E\x83\x67\x83\x8A\x82\xCC\x91\x49\x91\xF0";

const std::vector<TemplateControl> kOpenControls = {
    {1090, "Static", kShown | WS_GROUP, 4, 4, 76, 8, kFileLabel},
    {1152, "Edit", kShown | WS_BORDER | WS_TABSTOP | ES_OEMCONVERT | ES_AUTOHSCROLL, 4, 16, 88, 12, ""},
    {1120, "ListBox", kShown | kList | WS_TABSTOP, 4, 32, 88, 64, ""},
    {-1, "Static", kShown | WS_GROUP, 100, 4, 92, 8, kDirLabel},
    {1088, "Static", kShown | WS_GROUP | SS_NOPREFIX, 100, 16, 92, 12, ""},
    {1121, "ListBox", kShown | kList | WS_TABSTOP, 100, 32, 92, 64, ""},
    {1089, "Static", kShown | WS_GROUP, 4, 100, 88, 8, kTypeLabel},
    {1136, "ComboBox", kShown | kTypes | WS_TABSTOP, 4, 112, 88, 48, ""},
    {1091, "Static", kShown | WS_GROUP, 100, 100, 92, 8, kDriveLabel},
    {1137, "ComboBox", kShown | kDrives, 100, 112, 92, 48, ""},
    {-1, "NbBorder!+", kShown, 196, 4, 6, 120, ""},
    {IDOK, "Button", kShown | kButton | BS_DEFPUSHBUTTON, 200, 8, 44, 12, "OK"},
    {IDCANCEL, "Button", kShown | kButton, 200, 24, 44, 12, kCancel},
    {1038, "Button", kShown | kButton, 200, 40, 44, 12, kHelp},
    {1040, "Button", kShown | kButton | BS_AUTOCHECKBOX, 200, 56, 44, 12, kReadOnly},
};

// 3080 and 3090 differ in the directory label 1088, the edit field 2088,
// the answer static 2090 and a 4-unit shift of the lower controls.
std::vector<TemplateControl> DirectoryControls(bool edit) {
    const short y = edit ? 4 : 0;
    std::vector<TemplateControl> rows = {
        {1090, "Static", kChild, 0, 0, 76, 9, kFileLabel},
        {1152, "Edit", kChild | WS_BORDER | ES_OEMCONVERT | ES_AUTOHSCROLL, 0, 0, 88, 12, ""},
        {1120, "ListBox", kChild | kList, 0, 0, 88, 64, ""},
        {1089, "Static", kChild, 0, 0, 88, 8, kTypeLabel},
        {1136, "ComboBox", kChild | kTypes, 0, 0, 88, 48, ""},
        {-1, "Static", kShown | WS_GROUP, 4, 4, 100, 9, kDirLabel},
    };
    if (edit) {
        rows.push_back({1088, "Edit", kChild | WS_BORDER | WS_TABSTOP, 4, 16, 100, 12, ""});
        rows.push_back({2088, "Edit", kShown | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, 4, 16, 100, 12, ""});
    } else {
        rows.push_back({1088, "Static", kShown | WS_GROUP | SS_NOPREFIX, 4, 16, 100, 12, ""});
    }
    rows.insert(rows.end(), {
        {1121, "ListBox", kShown | kList | WS_TABSTOP, 4, short(28 + y), 100, 64, ""},
        {1091, "Static", kShown | WS_GROUP, 4, short(96 + y), 100, 9, kDriveLabel},
        {1137, "ComboBox", kShown | kDrives, 4, short(108 + y), 100, 48, ""},
        {-1, "NbBorder!+", kShown, 108, 4, 6, short(116 + y), ""},
        {IDOK, "Button", kShown | kButton | BS_DEFPUSHBUTTON, 112, 8, 45, 12, "OK"},
        {IDCANCEL, "Button", kShown | kButton, 112, 24, 45, 12, kCancel},
        {1038, "Button", kChild | kButton, 112, 40, 45, 12, kHelp},
        {1040, "Button", kChild | kButton | BS_AUTOCHECKBOX, 112, 56, 45, 12, kReadOnly},
    });
    if (edit)
        rows.push_back({2090, "Static", kChild, 112, 72, 20, 8, "\xC0\xDE\xD0\xB0"});  // ﾀﾞﾐｰ
    return rows;
}

TEST_F(X86Resources, FileAndDirectoryTemplates) {
    struct Case {
        WORD id;
        short cx, cy;
        std::string caption;
        std::vector<TemplateControl> controls;
    };
    const Case cases[] = {
        {3070, 248, 128, RZ_FILE "\x82\xCC\x91\x49\x91\xF0", kOpenControls},  // ファイルの選択
        {3080, 162, 124, kDirCaption, DirectoryControls(false)},
        {3090, 162, 128, kDirCaption, DirectoryControls(true)},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.id);
        const BYTE *base = Resource(RT_DIALOG, c.id);
        ASSERT_NE(base, nullptr);
        TemplateReader t(base);
        EXPECT_EQ(t.Dword(), 0x90C800C0u);  // popup, visible, caption, system menu, modal frame, font
        EXPECT_EQ(t.Dword(), 0u);
        EXPECT_EQ(t.Word(), c.controls.size());
        for (int expected : {0, 0, int(c.cx), int(c.cy)})
            EXPECT_EQ(static_cast<short>(t.Word()), expected);
        EXPECT_EQ(t.Text(), "");  // no menu
        EXPECT_EQ(t.Text(), "");  // no class of its own
        EXPECT_EQ(t.Text(), c.caption);
        EXPECT_EQ(t.Word(), 11);
        EXPECT_EQ(t.Text(), "\x82\x6C\x82\x72\x20\x82\x6F\x83\x53\x83\x56\x83\x62\x83\x4E");  // ＭＳ Ｐゴシック
        for (const TemplateControl &r : c.controls) {
            SCOPED_TRACE(r.id);
            t.Align(base);
            EXPECT_EQ(t.Dword(), r.style);
            EXPECT_EQ(t.Dword(), 0u);
            for (int expected : {int(r.x), int(r.y), int(r.cx), int(r.cy), r.id})
                EXPECT_EQ(static_cast<short>(t.Word()), expected);
            EXPECT_EQ(t.Text(), r.cls);
            EXPECT_EQ(t.Text(), r.text);
            EXPECT_EQ(t.Word(), 0) << "no creation data";
        }
    }
}

}  // namespace
