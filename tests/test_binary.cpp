// The built DLLs as files: the DLLs they import and their resources.  (Their
// export names are checked by linking clients: the import_libraries test.)
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <set>
#include <string>
#include <vector>

#include "tests/support.h"

namespace {

// A DLL's machine and the DLLs it imports (lower case), read from the image
// the loader maps for resources, where addresses are relative to the base.
struct PeFile {
    explicit PeFile(const std::string &path) {
        HMODULE m = LoadLibraryExA(path.c_str(), nullptr, LOAD_LIBRARY_AS_IMAGE_RESOURCE);
        if (!m)
            return;
        const auto *base = reinterpret_cast<const BYTE *>(reinterpret_cast<UINT_PTR>(m) & ~UINT_PTR{3});
        const auto *nt = reinterpret_cast<const IMAGE_NT_HEADERS32 *>(
            base + reinterpret_cast<const IMAGE_DOS_HEADER *>(base)->e_lfanew);
        machine = nt->FileHeader.Machine;
        const IMAGE_DATA_DIRECTORY *dirs = nt->OptionalHeader.Magic == IMAGE_NT_OPTIONAL_HDR64_MAGIC
            ? reinterpret_cast<const IMAGE_NT_HEADERS64 *>(nt)->OptionalHeader.DataDirectory
            : nt->OptionalHeader.DataDirectory;
        const DWORD rva = dirs[IMAGE_DIRECTORY_ENTRY_IMPORT].VirtualAddress;
        for (auto *d = reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR *>(base + rva); rva && d->Name; ++d) {
            std::string n = reinterpret_cast<const char *>(base + d->Name);
            std::transform(n.begin(), n.end(), n.begin(), ::tolower);
            imports.insert(n);
        }
        FreeLibrary(m);
    }
    WORD machine = 0;
    std::set<std::string> imports;
};

// Files do not depend on the platform the tests run as: NT mode only.
class Binary : public testing::Test {
protected:
    void SetUp() override {
        if (rzt::Win95Mode())
            GTEST_SKIP();
    }
};

// Both builds stand on the system's own DLLs only (no compiler runtime DLL
// to ship beside them), and the 32-bit product stays lean: the C++ runtime
// linked in again by accident would add about 170 KB.
TEST_F(Binary, ImportsOnlySystemDllsAndStaysLean) {
    WIN32_FILE_ATTRIBUTE_DATA file = {};
    ASSERT_TRUE(GetFileAttributesExA(rzt::X86Dll().c_str(), GetFileExInfoStandard, &file));
    EXPECT_LE(file.nFileSizeLow, 160u * 1024);
    const std::set<std::string> system = {"kernel32.dll", "user32.dll",  "gdi32.dll",    "advapi32.dll",
                                          "comdlg32.dll", "version.dll", "winmm.dll",    "msvcrt.dll",
                                          "shell32.dll",  "imm32.dll",   "winspool.drv", "comctl32.dll"};
    for (const std::string &path : {rzt::X86Dll(), rzt::ExeDir() + "\\REZORE32.DLL"}) {
        const PeFile pe(path);
        EXPECT_EQ(pe.machine, path == rzt::X86Dll() ? IMAGE_FILE_MACHINE_I386 : IMAGE_FILE_MACHINE_AMD64) << path;
        EXPECT_TRUE(pe.imports.count("comdlg32.dll")) << path;
        for (const std::string &dll : pe.imports)
            EXPECT_TRUE(system.count(dll)) << path << " imports " << dll;
    }
}

// Every resource the tested 64-bit DLL carries, the 32-bit product carries
// too, with the same bytes (pictures, templates, icons, version).
HMODULE g_x86;
std::vector<std::string> g_resources, g_differ;
BOOL CALLBACK CompareResource(HMODULE m, LPCSTR type, LPSTR name, LONG_PTR) {
    const auto id = [](LPCSTR s) { return IS_INTRESOURCE(s) ? std::to_string(reinterpret_cast<UINT_PTR>(s)) : s; };
    HRSRC a = FindResourceA(m, name, type), b = FindResourceA(g_x86, name, type);
    const DWORD size = SizeofResource(m, a);
    g_resources.push_back(id(type) + "/" + id(name));
    if (!b || SizeofResource(g_x86, b) != size ||
        memcmp(LockResource(LoadResource(m, a)), LockResource(LoadResource(g_x86, b)), size))
        g_differ.push_back(g_resources.back());
    return TRUE;
}

TEST_F(Binary, SameResourcesInBothBuilds) {
    HMODULE x64 = LoadLibraryExA((rzt::ExeDir() + "\\REZORE32.DLL").c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    g_x86 = LoadLibraryExA(rzt::X86Dll().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_TRUE(x64 && g_x86);
    const auto names = [](HMODULE m, LPSTR type, LONG_PTR) { return EnumResourceNamesA(m, type, CompareResource, 0); };
    EnumResourceTypesA(x64, names, 0);
    EXPECT_GT(g_resources.size(), 10u);
    EXPECT_TRUE(g_differ.empty()) << testing::PrintToString(g_differ);
    FreeLibrary(g_x86);
    FreeLibrary(x64);
}

}  // namespace
