// Version resources, file existence and the profile and help file names.
#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "rezore32_version.h"
#include "tests/support.h"
#include "util/filenames.h"

namespace {
std::string TempDir() { char path[MAX_PATH]; return std::string(path, GetTempPathA(MAX_PATH, path)); }
void Touch(const std::string &path) { CloseHandle(CreateFileA(path.c_str(), GENERIC_WRITE, 0, 0, CREATE_NEW, 0, 0)); }

// Each string item of both DLLs' resource, by the 16-bit view of its number, into a guarded buffer (unknown
// items and translations give "" and 0); files that cannot be read give no block and leave the translation.
TEST(Version, ResourcesAndUnreadableFiles) {
    const std::string description =  // ユーザーインターフェース部品ライブラリ
        "\x83\x86\x81\x5B\x83\x55\x81\x5B\x83\x43\x83\x93\x83\x5E\x81\x5B\x83\x74\x83\x46\x81\x5B\x83\x58"
        "\x95\x94\x95\x69\x83\x89\x83\x43\x83\x75\x83\x89\x83\x8A";
    struct { int item; DWORD translation; std::string text; } const items[] = {
        {VERINF_PRODUCTNAME, 0, REZORE32_PRODUCT_NAME}, {VERINF_LEGALCOPYRIGHT, 0, REZORE32_COPYRIGHT},
        {VERINF_COMPANYNAME, 0, REZORE32_COMPANY_NAME}, {0x10002, 0, REZORE32_COMPANY_NAME},
        {VERINF_FILEDESCRIPTION, 0, description}, {4, 0, ""}, {-1, 0, ""}, {VERINF_PRODUCTNAME, 0x04B00409, ""}};
    for (const std::string &dll : {rzt::ExeDir() + "\\REZORE32.DLL", rzt::X86Dll()}) {
        SCOPED_TRACE(dll);
        DWORD translation = 0;
        HGLOBAL block = OpenVerInf(dll.c_str(), &translation);
        ASSERT_TRUE(block && translation == 0x04E40411u) << translation;
        EXPECT_EQ(GlobalFlags(block) & GMEM_LOCKCOUNT, 0u) << "returned unlocked";
        for (const auto &i : items) {
            rzt::Guarded out(VERINF_BUFFER);
            const int found = GetVerInf(block, i.translation ? i.translation : translation, i.item, out.data());
            EXPECT_EQ(std::make_tuple(found, out.text(), out.GuardsIntact()),
                      std::make_tuple(!i.text.empty(), i.text, 1)) << i.item;
        }
        EXPECT_EQ(GetVerInf(block, translation, VERINF_PRODUCTNAME, nullptr), 0);
        GlobalFree(block);
    }
    EXPECT_EQ(GetNEBAPLDLLVersion(), REZORE32_VERSION_MAJOR * 100 + REZORE32_VERSION_MINOR);
    EXPECT_EQ(GetVerInf(nullptr, 0x04E40411, VERINF_PRODUCTNAME, rzt::Guarded(VERINF_BUFFER).data()), 0);
    const std::string temp = TempDir(), plain = temp + "rz_plain.txt", longName(10000, 'a');
    Touch(plain);
    for (const char *path : {static_cast<const char *>(nullptr), "", longName.c_str(), "C:\\rz\x82", temp.c_str(),
                             "C:\\rz_missing.dll", plain.c_str()}) {
        DWORD translation = 7;
        EXPECT_FALSE(OpenVerInf(path, &translation) || translation != 7) << (path ? path : "NULL");
        EXPECT_EQ(IsFileExist(path), path == plain.c_str() ? TRUE : FALSE) << (path ? path : "NULL");
    }
    EXPECT_EQ(OpenVerInf((rzt::ExeDir() + "\\REZORE32.DLL").c_str(), nullptr), nullptr);
    HANDLE held = CreateFileA(plain.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    EXPECT_FALSE(IsFileExist(plain.c_str())) << "held without shared reading";
    CloseHandle(held);
    DeleteFileA(plain.c_str());
}

// The profile and help names of a module, each into a guarded buffer of its documented size.
std::string Names(HINSTANCE module) {
    rzt::Guarded ini(INIFILE_BUFFER), help(HLPFILE_BUFFER);
    GetIniFileName(module, ini.data());
    GetHlpFileName(module, help.data());
    EXPECT_TRUE(ini.GuardsIntact() && help.GuardsIntact());
    return ini.text() + "|" + help.text();
}

// Names from module paths (the last dot's run, no separator inside a character), then of copies of the DLL
// loaded without running them, with the help file beside one once it exists; the test program's own name
// fits 24 bytes with .INI unless it is rezore32_tests_win95.
TEST(Version, ProfileAndHelpNames) {
    struct { const char *path, *ini, *beside, *help; } const paths[] = {
        {"C:\\MY.DIR\\APP.EXE", "APP.INI", "C:\\MY.DIR\\APP.EXE.HLP", "APP.HLP"},
        {"C:\\D\\A..B...EXE", "A.INI", "C:\\D\\A.B.EXE.HLP", "A.HLP"},
        {"C:\\D\\..X.Y", "..X.INI", "C:\\D\\.X.Y.HLP", "..X.HLP"},
        {"C:\\D\\NOEXT", "NOEXT.INI", "C:\\D\\NOEXT.HLP", "NOEXT.HLP"},
        {"C:\\D\\...", "...", "C:\\D\\.HLP", "..."},
        {"", "", "HLP", ""},
        {"C:\\\x95\x5C\\\x95\x5C\x8E\xA6.EXE", "\x95\x5C\x8E\xA6.INI", "C:\\\x95\x5C\\\x95\x5C\x8E\xA6.EXE.HLP",
         "\x95\x5C\x8E\xA6.HLP"},
        {"C:\\D\\\x83\x5C", "\x83\x5C.INI", "C:\\D\\\x83\x5C.HLP", "\x83\x5C.HLP"},
    };
    const auto text = [](rz::Text t) { return std::string(t.ok() ? t.c_str() : "(failed)"); };
    for (const auto &c : paths)
        EXPECT_EQ(text(rz::IniFileName(c.path)) + " " + text(rz::HelpFileBeside(c.path)) + " " +
                      text(rz::HelpFileName(c.path)), std::string(c.ini) + " " + c.beside + " " + c.help) << c.path;
    char self[MAX_PATH];
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    const std::string base = strtok(strrchr(self, '\\') + 1, ".");
    EXPECT_EQ(Names(nullptr), (base.size() + 5 <= INIFILE_BUFFER ? base + ".INI" : "") + "|" + base + ".HLP");
    const std::string dir = TempDir() + "rz_names", so = "\x83\x5C", po = "\x83\x7C";
    const std::string longDir = TempDir() + "rz_" + std::string(140 - TempDir().size(), 'd');
    struct { std::string dir, file, ini, help; } const cases[] = {
        {dir, "LONGNAME_ABCDEFG.DLL", "LONGNAME_ABCDEFG.INI", "LONGNAME_ABCDEFG.HLP"},
        {dir, "AVERYLONGTOOLNAME123.DLL", "", "AVERYLONGTOOLNAME123.HLP"},  // 24 bytes and the zero
        {longDir, "TOOL.DLL", "TOOL.INI", "TOOL.HLP"},                    // a module path over 127 bytes
        {dir, so + ".DLL", so + ".INI", so + ".HLP"},
        {dir + so, po + ".DLL", po + ".INI", po + ".HLP"},
    };
    for (const auto &c : cases) {
        const std::string path = c.dir + "\\" + c.file;
        CreateDirectoryA(c.dir.c_str(), nullptr);
        CopyFileA((rzt::ExeDir() + "\\REZORE32.DLL").c_str(), path.c_str(), FALSE);
        const HINSTANCE module = LoadLibraryExA(path.c_str(), nullptr, DONT_RESOLVE_DLL_REFERENCES);
        EXPECT_EQ(Names(module), c.ini + "|" + c.help) << c.file;
        DWORD translation = 0;
        const HGLOBAL block = OpenVerInf(path.c_str(), &translation);
        EXPECT_TRUE(module && block && IsFileExist(path.c_str())) << c.file;
        GlobalFree(block);
        const std::string beside = path + ".HLP";
        Touch(beside);
        EXPECT_EQ(Names(module), c.ini + "|" + (beside.size() < HLPFILE_BUFFER ? beside : "")) << "beside " << c.file;
        DeleteFileA(beside.c_str());
        FreeLibrary(module);
        DeleteFileA(path.c_str());
        RemoveDirectoryA(c.dir.c_str());
    }
    EXPECT_EQ(Names(reinterpret_cast<HINSTANCE>(0x12340000)), "|") << "not a module";
    GetIniFileName(nullptr, nullptr);
    GetHlpFileName(nullptr, nullptr);
}
}  // namespace
