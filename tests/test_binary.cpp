// The built DLLs as files: the export names of both builds and the DLLs
// they import.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "tests/support.h"

namespace {

// Just enough of the PE format to read export and import names.
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
        if (DWORD rva = dirs[IMAGE_DIRECTORY_ENTRY_EXPORT].VirtualAddress) {
            auto *ed = At<IMAGE_EXPORT_DIRECTORY>(Offset(rva));
            auto *names = At<DWORD>(Offset(ed->AddressOfNames));
            for (DWORD i = 0; i < ed->NumberOfNames; ++i)
                exports.insert(At<char>(Offset(names[i])));
        }
        for (auto *d = At<IMAGE_IMPORT_DESCRIPTOR>(Offset(dirs[IMAGE_DIRECTORY_ENTRY_IMPORT].VirtualAddress)); d->Name;
             ++d) {
            std::string n = At<char>(Offset(d->Name));
            std::transform(n.begin(), n.end(), n.begin(), ::tolower);
            imports.insert(n);
        }
    }
    WORD machine = 0;
    std::set<std::string> exports, imports;

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

// The 32-bit DLL exports all 79 functions by their __stdcall names; the
// 64-bit DLL the same functions undecorated, each one callable.
TEST_F(Binary, ExportNames) {
    const PeFile x86(rzt::X86Dll()), x64(rzt::ExeDir() + "\\REZORE32.DLL");
    EXPECT_EQ(x86.machine, IMAGE_FILE_MACHINE_I386);
    EXPECT_EQ(x64.machine, IMAGE_FILE_MACHINE_AMD64);
    EXPECT_EQ(x86.exports.size(), 79u);
    const std::regex decorated("_([A-Za-z0-9]+)@([0-9]+)");
    std::set<std::string> plain;
    for (const std::string &name : x86.exports) {
        std::smatch m;
        ASSERT_TRUE(std::regex_match(name, m, decorated)) << name;
        EXPECT_EQ(std::stoi(m[2]) % 4, 0) << name;
        plain.insert(m[1]);
    }
    EXPECT_EQ(x64.exports, plain);
    for (const std::string &n : plain)
        EXPECT_NE(GetProcAddress(GetModuleHandleA("REZORE32.DLL"), n.c_str()), nullptr) << n;
}

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
        EXPECT_TRUE(pe.imports.count("comdlg32.dll")) << path;
        for (const std::string &dll : pe.imports)
            EXPECT_TRUE(system.count(dll)) << path << " imports " << dll;
    }
}

// Every resource the tested 64-bit DLL carries, the 32-bit product carries
// too, with the same bytes (pictures, templates, icons, version).
TEST_F(Binary, SameResourcesInBothBuilds) {
    struct Found {
        HMODULE other = nullptr;
        int count = 0;
        std::vector<std::string> differ;
    };
    HMODULE x64 = LoadLibraryExA((rzt::ExeDir() + "\\REZORE32.DLL").c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    Found found;
    found.other = LoadLibraryExA(rzt::X86Dll().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_TRUE(x64 && found.other);
    EnumResourceTypesA(
        x64,
        [](HMODULE m, LPSTR type, LONG_PTR f) -> BOOL {
            return EnumResourceNamesA(
                m, type,
                [](HMODULE m, LPCSTR type, LPSTR name, LONG_PTR f) -> BOOL {
                    Found &found = *reinterpret_cast<Found *>(f);
                    HRSRC a = FindResourceA(m, name, type), b = FindResourceA(found.other, name, type);
                    const DWORD size = SizeofResource(m, a);
                    ++found.count;
                    if (!b || SizeofResource(found.other, b) != size ||
                        memcmp(LockResource(LoadResource(m, a)), LockResource(LoadResource(found.other, b)), size))
                        found.differ.push_back(std::to_string(reinterpret_cast<UINT_PTR>(type)) + "/" +
                                               (IS_INTRESOURCE(name) ? std::to_string(reinterpret_cast<UINT_PTR>(name))
                                                                     : std::string(name)));
                    return TRUE;
                },
                f);
        },
        reinterpret_cast<LONG_PTR>(&found));
    EXPECT_GT(found.count, 10);
    EXPECT_TRUE(found.differ.empty()) << testing::PrintToString(found.differ);
    FreeLibrary(found.other);
    FreeLibrary(x64);
}

}  // namespace
