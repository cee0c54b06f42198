// Version resources, file existence and the profile and help file names.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "rezore32.h"
#include "rezore32_version.h"
#include "util/filenames.h"

namespace {

std::string ExeDir() {
    char path[MAX_PATH];
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    *strrchr(path, '\\') = 0;
    return path;
}

std::string TempDir() {
    char path[MAX_PATH];
    GetTempPathA(MAX_PATH, path);
    return path;
}

std::string MakeFile(const std::string &path, const std::string &content = "x") {
    HANDLE f = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    WriteFile(f, content.data(), static_cast<DWORD>(content.size()), &written, nullptr);
    CloseHandle(f);
    return path;
}

// UTF-8 text as the process's code page (932) spells it.
std::string Ansi(const char *utf8) {
    wchar_t wide[256];
    char ansi[512];
    MultiByteToWideChar(CP_UTF8, 0, utf8, -1, wide, 256);
    WideCharToMultiByte(CP_ACP, 0, wide, -1, ansi, sizeof(ansi), nullptr, nullptr);
    return ansi;
}

// The one version string item of a file, through the exports.
std::string Item(const std::string &file, int item, WORD *result = nullptr) {
    DWORD translation = 0;
    HGLOBAL block = OpenVerInf(file.c_str(), &translation);
    if (!block)
        return "<no block>";
    std::vector<char> out(VERINF_BUFFER + 8, '\x5A');
    WORD r = GetVerInf(block, translation, item, out.data());
    for (size_t i = VERINF_BUFFER; i < out.size(); ++i)
        EXPECT_EQ(out[i], '\x5A');
    if (result)
        *result = r;
    GlobalFree(block);
    return out.data();
}

TEST(Version, OwnResourceOfBothBuilds) {
    for (const std::string &dll : {ExeDir() + "\\REZORE32.DLL", ExeDir() + "\\..\\..\\x86\\bin\\REZORE32.DLL"}) {
        SCOPED_TRACE(dll);
        DWORD translation = 0;
        HGLOBAL block = OpenVerInf(dll.c_str(), &translation);
        ASSERT_NE(block, nullptr);
        EXPECT_EQ(translation, 0x04E40411u);
        EXPECT_EQ(GlobalFlags(block) & GMEM_LOCKCOUNT, 0u) << "returned unlocked";
        GlobalFree(block);
        WORD result = 0;
        EXPECT_EQ(Item(dll, VERINF_PRODUCTNAME, &result), REZORE32_PRODUCT_NAME);
        EXPECT_EQ(result, 1);
        EXPECT_EQ(Item(dll, VERINF_LEGALCOPYRIGHT), REZORE32_COPYRIGHT);
        EXPECT_EQ(Item(dll, VERINF_COMPANYNAME), REZORE32_COMPANY_NAME);
        EXPECT_EQ(Item(dll, VERINF_FILEDESCRIPTION), Ansi("ユーザーインターフェース部品ライブラリ"));
        // Unknown items, also through the 16-bit view of the number.
        EXPECT_EQ(Item(dll, 4, &result), "");
        EXPECT_EQ(result, 0);
        EXPECT_EQ(Item(dll, -1, &result), "");
        EXPECT_EQ(result, 0);
        EXPECT_EQ(Item(dll, 0x10002), REZORE32_COMPANY_NAME);
    }
    EXPECT_EQ(GetNEBAPLDLLVersion(), REZORE32_VERSION_MAJOR * 100 + REZORE32_VERSION_MINOR);
}

TEST(Version, MissingResourcesAndStrings) {
    const std::string plain = MakeFile(TempDir() + "rz_plain.txt");
    DWORD translation = 0xDEADBEEF;
    EXPECT_EQ(OpenVerInf(plain.c_str(), &translation), nullptr);
    EXPECT_EQ(translation, 0xDEADBEEFu) << "untouched on failure";
    EXPECT_EQ(OpenVerInf((TempDir() + "rz_missing.dll").c_str(), &translation), nullptr);
    EXPECT_EQ(OpenVerInf(nullptr, &translation), nullptr);
    const std::string dll = ExeDir() + "\\REZORE32.DLL";
    EXPECT_EQ(OpenVerInf(dll.c_str(), nullptr), nullptr);
    DeleteFileA(plain.c_str());

    HGLOBAL block = OpenVerInf(dll.c_str(), &translation);
    ASSERT_NE(block, nullptr);
    char out[VERINF_BUFFER] = "x";
    EXPECT_EQ(GetVerInf(block, 0x04B00409, VERINF_PRODUCTNAME, out), 0) << "no such translation";
    EXPECT_STREQ(out, "");
    EXPECT_EQ(GetVerInf(block, translation, VERINF_PRODUCTNAME, nullptr), 0);
    EXPECT_EQ(GetVerInf(nullptr, translation, VERINF_PRODUCTNAME, out), 0);
    GlobalFree(block);
}

TEST(Version, IsFileExist) {
    const std::string file = MakeFile(TempDir() + "rz_exists.txt");
    EXPECT_TRUE(IsFileExist(file.c_str()));
    EXPECT_FALSE(IsFileExist(TempDir().c_str())) << "a directory";
    EXPECT_FALSE(IsFileExist((TempDir() + "rz_nothing_here.txt").c_str()));
    EXPECT_FALSE(IsFileExist(""));
    EXPECT_FALSE(IsFileExist(nullptr));
    EXPECT_FALSE(IsFileExist(std::string(10000, 'a').c_str()));
    // Held by someone who shares no reading.
    HANDLE held = CreateFileA(file.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    EXPECT_FALSE(IsFileExist(file.c_str()));
    CloseHandle(held);
    EXPECT_TRUE(IsFileExist(file.c_str()));
    DeleteFileA(file.c_str());
}

TEST(Version, FileNameRules) {
    struct {
        const char *path, *ini, *beside, *help;
    } const cases[] = {
        {"C:\\APPS\\TOOL.EXE", "TOOL.INI", "C:\\APPS\\TOOL.EXE.HLP", "TOOL.HLP"},
        {"C:\\MY.DIR\\APP.EXE", "APP.INI", "C:\\MY.DIR\\APP.EXE.HLP", "APP.HLP"},
        {"C:\\D\\A..B...EXE", "A.INI", "C:\\D\\A.B.EXE.HLP", "A.HLP"},
        {"C:\\D\\..X.Y", "..X.INI", "C:\\D\\.X.Y.HLP", "..X.HLP"},
        {"C:\\D\\NOEXT", "NOEXT.INI", "C:\\D\\NOEXT.HLP", "NOEXT.HLP"},
        {"C:\\D\\...", "...", "C:\\D\\.HLP", "..."},
        {"", "", "HLP", ""},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(rz::IniFileName(c.path), c.ini) << c.path;
        EXPECT_EQ(rz::HelpFileBeside(c.path), c.beside) << c.path;
        EXPECT_EQ(rz::HelpFileName(c.path), c.help) << c.path;
    }
}

// A copy of the DLL under another name, loaded without running it, so that
// its module file name is the copy's path.
class ModuleCopy {
public:
    ModuleCopy(const std::string &dir, const std::string &name) : path_(dir + "\\" + name) {
        CreateDirectoryA(dir.c_str(), nullptr);
        CopyFileA((ExeDir() + "\\REZORE32.DLL").c_str(), path_.c_str(), FALSE);
        module_ = LoadLibraryExA(path_.c_str(), nullptr, DONT_RESOLVE_DLL_REFERENCES);
    }
    ~ModuleCopy() {
        if (module_)
            FreeLibrary(module_);
        DeleteFileA(path_.c_str());
    }
    HINSTANCE module() const { return module_; }
    const std::string &path() const { return path_; }

private:
    std::string path_;
    HINSTANCE module_;
};

// A name function's output, with guard bytes after its documented size.
std::string Name(void(WINAPI *function)(HINSTANCE, LPSTR), size_t size, HINSTANCE module) {
    std::vector<char> out(size + 8, '\x5A');
    function(module, out.data());
    for (size_t i = size; i < out.size(); ++i)
        EXPECT_EQ(out[i], '\x5A');
    return out.data();
}
std::string Ini(HINSTANCE module) { return Name(GetIniFileName, INIFILE_BUFFER, module); }
std::string Help(HINSTANCE module) { return Name(GetHlpFileName, HLPFILE_BUFFER, module); }

TEST(Version, ProfileAndHelpNamesOfModules) {
    // The test program itself: its base name plus .INI when that fits the
    // 24-byte buffer (rezore32_tests_win95 is exactly too long).
    char self[MAX_PATH];
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    std::string base = strrchr(self, '\\') + 1;
    base = base.substr(0, base.find('.'));
    EXPECT_EQ(Ini(nullptr), base.size() + 5 <= INIFILE_BUFFER ? base + ".INI" : "");

    const std::string shortDir = TempDir() + "rz_names";
    {
        ModuleCopy tool(shortDir, "TOOL.DLL");
        ASSERT_NE(tool.module(), nullptr);
        EXPECT_EQ(Ini(tool.module()), "TOOL.INI");
        EXPECT_EQ(Help(tool.module()), "TOOL.HLP");
        const std::string beside = MakeFile(tool.path() + ".HLP");
        EXPECT_EQ(Help(tool.module()), beside);
        DeleteFileA(beside.c_str());
    }
    {
        // A file name of 20 bytes, too long for a fixed 20-byte copy.
        ModuleCopy twenty(shortDir, "LONGNAME_ABCDEFG.DLL");
        ASSERT_NE(twenty.module(), nullptr);
        EXPECT_EQ(Ini(twenty.module()), "LONGNAME_ABCDEFG.INI");
    }
    {
        ModuleCopy tooLong(shortDir, "AVERYLONGTOOLNAME123.DLL");
        ASSERT_NE(tooLong.module(), nullptr);
        EXPECT_EQ(Ini(tooLong.module()), "") << "24 bytes and the zero do not fit";
        EXPECT_EQ(Help(tooLong.module()), "AVERYLONGTOOLNAME123.HLP");
    }
    RemoveDirectoryA(shortDir.c_str());

    // A module path over 127 bytes still gives the right names.
    const std::string longDir = TempDir() + "rz_" + std::string(140 - TempDir().size(), 'd');
    {
        ModuleCopy tool(longDir, "TOOL.DLL");
        ASSERT_NE(tool.module(), nullptr);
        ASSERT_GT(tool.path().size(), 140u);
        EXPECT_EQ(Ini(tool.module()), "TOOL.INI");
        const std::string beside = MakeFile(tool.path() + ".HLP");
        EXPECT_EQ(Help(tool.module()), "") << "exists, but its name does not fit 132 bytes";
        DeleteFileA(beside.c_str());
        EXPECT_EQ(Help(tool.module()), "TOOL.HLP");
    }
    RemoveDirectoryA(longDir.c_str());

    GetIniFileName(nullptr, nullptr);
    GetHlpFileName(nullptr, nullptr);
    EXPECT_EQ(Ini(reinterpret_cast<HINSTANCE>(0x12340000)), "") << "not a module";
    EXPECT_EQ(Help(reinterpret_cast<HINSTANCE>(0x12340000)), "");
}

}  // namespace
