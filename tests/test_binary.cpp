// The built DLLs as files: the DLLs they import and their resources.  (Their
// export names are checked by linking clients: the import_libraries test.)
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "tests/support.h"

namespace {

// Just enough of the PE format to read import names.
class PeFile {
public:
    explicit PeFile(const std::string &path) {
        std::ifstream f(path, std::ios::binary);
        data_.assign(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
        if (data_.size() < sizeof(IMAGE_DOS_HEADER))
            return;
        auto *nt = At<IMAGE_NT_HEADERS32>(At<IMAGE_DOS_HEADER>(0)->e_lfanew);
        machine = nt->FileHeader.Machine;
        const IMAGE_DATA_DIRECTORY *dirs = nt->OptionalHeader.Magic == IMAGE_NT_OPTIONAL_HDR64_MAGIC
                                               ? reinterpret_cast<const IMAGE_NT_HEADERS64 *>(nt)->OptionalHeader.DataDirectory
                                               : nt->OptionalHeader.DataDirectory;
        sections_ = IMAGE_FIRST_SECTION(nt);
        sectionCount_ = nt->FileHeader.NumberOfSections;
        for (auto *d = At<IMAGE_IMPORT_DESCRIPTOR>(Offset(dirs[IMAGE_DIRECTORY_ENTRY_IMPORT].VirtualAddress)); d->Name;
             ++d) {
            std::string n = At<char>(Offset(d->Name));
            std::transform(n.begin(), n.end(), n.begin(), ::tolower);
            imports.insert(n);
        }
    }
    WORD machine = 0;
    std::set<std::string> imports;

private:
    template <class T>
    const T *At(size_t offset) const {
        return reinterpret_cast<const T *>(data_.data() + offset);
    }
    size_t Offset(DWORD rva) const {
        for (int i = 0; i < sectionCount_; ++i)
            if (rva >= sections_[i].VirtualAddress && rva < sections_[i].VirtualAddress + sections_[i].Misc.VirtualSize)
                return rva - sections_[i].VirtualAddress + sections_[i].PointerToRawData;
        return 0;
    }
    std::vector<char> data_;
    const IMAGE_SECTION_HEADER *sections_ = nullptr;
    int sectionCount_ = 0;
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
