// Version resources, file existence and the profile and help file names.
#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "rezore32_version.h"
#include "tests/support.h"
#include "util/filenames.h"

namespace {

std::string TempDir() { char path[MAX_PATH]; return std::string(path, GetTempPathA(MAX_PATH, path)); }
std::string MakeFile(const std::string &path) {  // an empty file
    CloseHandle(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    return path;
}

// Each string item of the DLL's own resource, through the 16-bit view of
// its number, into a guarded buffer of the documented size; unknown items
// and translations give "" and 0.
TEST(Version, OwnResourceOfBothBuilds) {
    const std::string description =  // ユーザーインターフェース部品ライブラリ
        "\x83\x86\x81\x5B\x83\x55\x81\x5B\x83\x43\x83\x93\x83\x5E\x81\x5B\x83\x74\x83\x46\x81\x5B\x83\x58\x95\x94\x95\x69\x83\x89\x83\x43\x83\x75\x83\x89\x83\x8A";
    const std::string company = REZORE32_COMPANY_NAME;
    struct { int item; DWORD translation; std::string text; } const items[] = {
        {VERINF_PRODUCTNAME, 0, REZORE32_PRODUCT_NAME}, {VERINF_LEGALCOPYRIGHT, 0, REZORE32_COPYRIGHT},
        {VERINF_COMPANYNAME, 0, company}, {VERINF_FILEDESCRIPTION, 0, description}, {0x10002, 0, company},
        {4, 0, ""}, {-1, 0, ""}, {VERINF_PRODUCTNAME, 0x04B00409, ""}};
    for (const std::string &dll : {rzt::ExeDir() + "\\REZORE32.DLL", rzt::X86Dll()}) {
        SCOPED_TRACE(dll);
        DWORD translation = 0;
        HGLOBAL block = OpenVerInf(dll.c_str(), &translation);
        ASSERT_NE(block, nullptr);
        EXPECT_EQ(translation, 0x04E40411u);
        EXPECT_EQ(GlobalFlags(block) & GMEM_LOCKCOUNT, 0u) << "returned unlocked";
        for (const auto &i : items) {
            rzt::Guarded out(VERINF_BUFFER);
            const int found = GetVerInf(block, i.translation ? i.translation : translation, i.item, out.data());
            EXPECT_EQ(std::make_tuple(found, out.text(), out.GuardsIntact()), std::make_tuple(!i.text.empty(), i.text, 1))
                << i.item;
        }
        EXPECT_EQ(GetVerInf(block, translation, VERINF_PRODUCTNAME, nullptr), 0);
        GlobalFree(block);
    }
    EXPECT_EQ(GetNEBAPLDLLVersion(), REZORE32_VERSION_MAJOR * 100 + REZORE32_VERSION_MINOR);
    EXPECT_EQ(GetVerInf(nullptr, 0x04E40411, VERINF_PRODUCTNAME, rzt::Guarded(VERINF_BUFFER).data()), 0);
}

TEST(Version, FileNameRules) {
    struct { const char *path, *ini, *beside, *help; } const cases[] = {
        {"C:\\APPS\\TOOL.EXE", "TOOL.INI", "C:\\APPS\\TOOL.EXE.HLP", "TOOL.HLP"},
        {"C:\\MY.DIR\\APP.EXE", "APP.INI", "C:\\MY.DIR\\APP.EXE.HLP", "APP.HLP"},
        {"C:\\D\\A..B...EXE", "A.INI", "C:\\D\\A.B.EXE.HLP", "A.HLP"},
        {"C:\\D\\..X.Y", "..X.INI", "C:\\D\\.X.Y.HLP", "..X.HLP"},
        {"C:\\D\\NOEXT", "NOEXT.INI", "C:\\D\\NOEXT.HLP", "NOEXT.HLP"},
        {"C:\\D\\...", "...", "C:\\D\\.HLP", "..."},
        {"", "", "HLP", ""},
        // The second byte 0x5C of 表 and ソ is no separator.
        {"C:\\\x95\x5C\\\x95\x5C\x8E\xA6.EXE", "\x95\x5C\x8E\xA6.INI", "C:\\\x95\x5C\\\x95\x5C\x8E\xA6.EXE.HLP",
         "\x95\x5C\x8E\xA6.HLP"},
        {"C:\\D\\\x83\x5C", "\x83\x5C.INI", "C:\\D\\\x83\x5C.HLP", "\x83\x5C.HLP"},
    };
    const auto text = [](rz::Text t) { return std::string(t.ok() ? t.c_str() : "(failed)"); };
    for (const auto &c : cases)
        EXPECT_EQ(text(rz::IniFileName(c.path)) + " " + text(rz::HelpFileBeside(c.path)) + " " +
                      text(rz::HelpFileName(c.path)), std::string(c.ini) + " " + c.beside + " " + c.help) << c.path;
}

// A copy of the DLL under another name, loaded without running it, so that
// its module file name is the copy's path.
struct ModuleCopy {
    ModuleCopy(const std::string &d, const std::string &name) : dir(d), path(d + "\\" + name) {
        CreateDirectoryA(dir.c_str(), nullptr);  // one level below an existing directory
        CopyFileA((rzt::ExeDir() + "\\REZORE32.DLL").c_str(), path.c_str(), FALSE);
        module = LoadLibraryExA(path.c_str(), nullptr, DONT_RESOLVE_DLL_REFERENCES);
    }
    ~ModuleCopy() {
        FreeLibrary(module);
        DeleteFileA(path.c_str());
        RemoveDirectoryA(dir.c_str());
    }
    std::string dir, path;
    HINSTANCE module;
};

// A name function's output, with guard bytes after its documented size.
std::string Name(void(WINAPI *function)(HINSTANCE, LPSTR), size_t size, HINSTANCE module) {
    rzt::Guarded out(size);
    function(module, out.data());
    EXPECT_TRUE(out.GuardsIntact()) << size;
    return out.text();
}
std::string Ini(HINSTANCE module) { return Name(GetIniFileName, INIFILE_BUFFER, module); }
std::string Help(HINSTANCE module) { return Name(GetHlpFileName, HLPFILE_BUFFER, module); }

// Module names, ordinary and adversarial (double-byte characters whose
// second byte is '\' or '|'): the profile name, the help name, and the help
// file beside the module once it exists, each into a guarded buffer of its
// documented size.  The test program's own name, with .INI, fits 24 bytes
// unless it is rezore32_tests_win95.
TEST(Version, ProfileAndHelpNamesOfModules) {
    char self[MAX_PATH];
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    const std::string base = strtok(strrchr(self, '\\') + 1, ".");
    EXPECT_EQ(Ini(nullptr), base.size() + 5 <= INIFILE_BUFFER ? base + ".INI" : "");
    const std::string dir = TempDir() + "rz_names", so = "\x83\x5C", po = "\x83\x7C";
    const std::string longDir = TempDir() + "rz_" + std::string(140 - TempDir().size(), 'd');
    struct { std::string dir, file, ini, help; } const cases[] = {
        {dir, "LONGNAME_ABCDEFG.DLL", "LONGNAME_ABCDEFG.INI", "LONGNAME_ABCDEFG.HLP"},
        {dir, "AVERYLONGTOOLNAME123.DLL", "", "AVERYLONGTOOLNAME123.HLP"},  // 24 bytes and the zero
        {longDir, "TOOL.DLL", "TOOL.INI", "TOOL.HLP"},                    // a module path over 127 bytes
        {dir, so + ".DLL", so + ".INI", so + ".HLP"},
        {dir, po + ".DLL", po + ".INI", po + ".HLP"},
        {dir + so, "TOOL.DLL", "TOOL.INI", "TOOL.HLP"},
    };
    for (const auto &c : cases) {
        ModuleCopy copy(c.dir, c.file);
        ASSERT_NE(copy.module, nullptr) << c.file;
        EXPECT_EQ(std::make_pair(Ini(copy.module), Help(copy.module)), std::make_pair(c.ini, c.help)) << c.file;
        EXPECT_TRUE(IsFileExist(copy.path.c_str())) << c.file;
        DWORD translation = 0;
        const HGLOBAL block = OpenVerInf(copy.path.c_str(), &translation);
        EXPECT_NE(block, nullptr) << c.file;
        GlobalFree(block);
        const std::string beside = MakeFile(copy.path + ".HLP");
        EXPECT_EQ(Help(copy.module), beside.size() < HLPFILE_BUFFER ? beside : "") << "beside " << c.file;
        DeleteFileA(beside.c_str());
    }
    const HINSTANCE notAModule = reinterpret_cast<HINSTANCE>(0x12340000);
    EXPECT_EQ(Ini(notAModule) + Help(notAModule), "");
    GetIniFileName(nullptr, nullptr);
    GetHlpFileName(nullptr, nullptr);
}

// Files that cannot be read: NULL, empty, 10,000 bytes, a lone lead byte,
// a directory, a missing file, a plain file without resources and one held
// without shared reading.
TEST(Version, FilesThatCannotBeRead) {
    const std::string temp = TempDir(), plain = MakeFile(temp + "rz_plain.txt"), longName(10000, 'a');
    for (const char *path : {static_cast<const char *>(nullptr), "", longName.c_str(), "C:\\rz\x82", temp.c_str(),
                             "C:\\rz_missing.dll", plain.c_str()}) {
        DWORD translation = 7;
        EXPECT_EQ(OpenVerInf(path, &translation), nullptr) << (path ? path : "NULL");
        EXPECT_EQ(translation, 7u) << "untouched";
        EXPECT_EQ(IsFileExist(path), path == plain.c_str() ? TRUE : FALSE) << (path ? path : "NULL");
    }
    EXPECT_EQ(OpenVerInf((rzt::ExeDir() + "\\REZORE32.DLL").c_str(), nullptr), nullptr);
    HANDLE held = CreateFileA(plain.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    EXPECT_FALSE(IsFileExist(plain.c_str()));
    CloseHandle(held);
    DeleteFileA(plain.c_str());
}

}  // namespace
