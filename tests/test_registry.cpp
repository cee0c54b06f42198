// The settings store against the Wine prefix's real registry, read back
// through the raw registry functions.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>

#include "tests/support.h"

namespace {

const char kApp[] = "Rezore32Tests";
const std::string kAppPath = "Software\\NEB Corporation\\Rezore32Tests", kMain = kAppPath + "\\Main";
using Answer = std::pair<int, std::string>;  // a result and the text read

class Registry : public ::testing::Test {
protected:
    void SetUp() override { TearDown(); }
    void TearDown() override {
        for (const char *section : {"Main", "Other"})
            WriteNEBRegString(section, nullptr, nullptr, kApp);
        RegDeleteKeyA(HKEY_CURRENT_USER, kAppPath.c_str());
    }
    static bool KeyExists(const std::string &path) {
        HKEY key;
        return RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &key) == ERROR_SUCCESS && !RegCloseKey(key);
    }
    static std::pair<DWORD, DWORD> Raw(const char *name) {  // type and size in Main; REG_NONE when missing
        DWORD type = REG_NONE, size = 0;
        RegGetValueA(HKEY_CURRENT_USER, kMain.c_str(), name, RRF_RT_ANY, &type, nullptr, &size);
        return {type, size};
    }
    static void SetRaw(const char *name, DWORD type, const void *data, DWORD size) {
        HKEY key;
        ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, kMain.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr), 0);
        RegSetValueExA(key, name, 0, type, static_cast<const BYTE *>(data), size);
        RegCloseKey(key);
    }
    // GetNEBRegString of section Main into a guarded buffer of `size` bytes.
    static Answer Read(const char *name, DWORD size, const char *def = "dflt") {
        rzt::Guarded buffer(size);
        const int result = GetNEBRegString("Main", name, def, buffer.data(), size, kApp);
        EXPECT_TRUE(buffer.GuardsIntact()) << name << " into " << size << " bytes";
        return {result, size ? buffer.text() : std::string()};
    }
};

// Stored as REG_SZ with its zero, read whole whatever its length into its
// length + 1 bytes.  Texts the system cannot keep as they are (a lone lead
// byte, a lead byte before a quote or comma) need only agree with the buffer.
TEST_F(Registry, StringsRoundTrip) {
    const std::pair<std::string, bool> texts[] = {
        {"\x93\xFA\x96\x7B\x8C\xEA and more", true}, {std::string(511, 'q'), true}, {std::string(512, 'q'), true},
        {std::string(10000, 'q'), true}, {"\x83\x5C", true}, {"C:\\\x83\x5C\\\x83\x7C", true}, {"a\x82", false},
        {"\x81\x22\x81\x2C", false}};
    for (const auto &t : texts) {
        const DWORD n = static_cast<DWORD>(t.first.size());
        ASSERT_TRUE(WriteNEBRegString("Main", "Text", t.first.c_str(), kApp));
        const Answer read = Read("Text", 64);
        EXPECT_EQ(read.first, int(read.second.size())) << "the result agrees with the buffer";
        if (!t.second)
            continue;
        EXPECT_EQ(Raw("Text"), std::make_pair(DWORD{REG_SZ}, n + 1)) << "the terminating zero is stored";
        EXPECT_EQ(Read("Text", n + 1), Answer(n, t.first));
        EXPECT_EQ(Read("Text", n), Answer(0, ""));
    }
    ASSERT_TRUE(WriteNEBRegString("Main", "Text", "", kApp));
    EXPECT_EQ(Read("Text", 64), Answer(0, "dflt")) << "an empty string";
    EXPECT_TRUE(WriteNEBRegString("Main", "Text", nullptr, kApp));
    EXPECT_FALSE(WriteNEBRegString("Main", "Text", nullptr, kApp) || Raw("Text").first != REG_NONE) << "gone";
}

// Defaults (they need their zero too) and values of other types; integers
// are REG_DWORD only.
TEST_F(Registry, DefaultsAndOtherTypes) {
    EXPECT_EQ(Read("Title", 64).first, 0);
    EXPECT_FALSE(KeyExists(kMain)) << "reading never creates keys";
    const DWORD five = 5, zeroLowByte = 0x100;
    const BYTE eight[8] = {1, 2, 3, 4, 5, 6, 7, 8};
    SetRaw("Five", REG_DWORD, &five, 4);
    SetRaw("Shifted", REG_DWORD, &zeroLowByte, 4);
    SetRaw("Bare", REG_SZ, "abc", 3);  // stored without its zero
    SetRaw("Four", REG_BINARY, eight, 4);
    SetRaw("Eight", REG_BINARY, eight, 8);
    const std::string big(10000, 'd');
    struct { const char *name, *def; DWORD size; Answer answer; } const cases[] = {
        {"Title", "toolong", 7, {0, ""}}, {"Title", "toolong", 8, {0, "toolong"}}, {"Title", nullptr, 8, {0, ""}},
        {"Title", "", 1, {0, ""}}, {"Title", "dflt", 0, {0, ""}}, {"Title", big.c_str(), 10000, {0, ""}},
        {"Title", big.c_str(), 10001, {0, big}}, {"Title", "a\x82", 3, {0, "a\x82"}},
        {"Title", "\x83\x5C\x83\x7C", 5, {0, "\x83\x5C\x83\x7C"}},
        {"Five", "dflt", 64, {0, ""}},         // other data beginning with a nonzero byte
        {"Shifted", "dflt", 64, {0, "dflt"}},  // ... or with a zero byte
        {"Bare", "dflt", 64, {3, "abc"}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(Read(c.name, c.size, c.def), c.answer) << c.name << ' ' << c.size;
    EXPECT_EQ(GetNEBRegString("Main", "Title", "d", nullptr, 16, kApp), 0);
    for (int value : {0, -1, 123456, -2147483647 - 1, 2147483647}) {
        ASSERT_TRUE(WriteNEBRegInt("Main", "Count", value, kApp));
        EXPECT_EQ(GetNEBRegInt("Main", "Count", 77, kApp), value);
    }
    EXPECT_EQ(Raw("Count"), std::make_pair(DWORD{REG_DWORD}, DWORD{4}));
    for (const char *other : {"Missing", "Bare", "Four", "Eight"})
        EXPECT_EQ(GetNEBRegInt("Main", other, 42, kApp), 42) << other;
    EXPECT_EQ(GetNEBRegInt("Nowhere", "Count", 42, kApp), 42);
}

// Sections go whole, subkeys included.  Odd section, value and application
// names: what could be written is read back, else the default.  A NULL value
// name is the unnamed value; key names have at most 255 characters; the
// empty section name is no section to delete.
TEST_F(Registry, SectionsAndOddNames) {
    ASSERT_TRUE(WriteNEBRegString("Other", "C", "3", kApp));
    ASSERT_TRUE(WriteNEBRegString("Main\\Sub", "D", "4", kApp));
    EXPECT_TRUE(WriteNEBRegString("Main", nullptr, nullptr, kApp));
    EXPECT_FALSE(KeyExists(kMain));
    EXPECT_FALSE(WriteNEBRegString("Main", nullptr, nullptr, kApp));
    const std::string big(10000, 'n');
    // Whether writing works with the text as the section or the application.
    const std::pair<const char *, BOOL> cases[] = {
        {nullptr, FALSE}, {"", TRUE}, {big.c_str(), FALSE}, {"a\x82", TRUE}, {"\x83\x5C", TRUE}, {"\x83\x7C", TRUE},
        {"\x81\x22", TRUE}, {"\x81\x2C", TRUE}};
    for (const auto &c : cases) {
        const char *text = c.first;
        SCOPED_TRACE(text ? std::string(text).substr(0, 8) : "NULL");
        rzt::Guarded buffer(2);
        EXPECT_EQ(WriteNEBRegString(text, "s", "v", kApp), c.second);
        EXPECT_EQ(GetNEBRegString(text, "s", "d", buffer.data(), 2, kApp), c.second);
        EXPECT_EQ(buffer.text(), c.second ? "v" : "d");
        EXPECT_TRUE(buffer.GuardsIntact());
        EXPECT_EQ(WriteNEBRegString(text, nullptr, nullptr, kApp), c.second && *text);
        EXPECT_TRUE(WriteNEBRegInt("Main", text, 7, kApp)) << "any value name";
        EXPECT_EQ(GetNEBRegInt("Main", text, -1, kApp), 7);
        EXPECT_EQ(WriteNEBRegInt("Main", "n", 6, text), c.second);
        EXPECT_EQ(GetNEBRegInt("Main", "n", -1, text), c.second ? 6 : -1);
        EXPECT_EQ(WriteNEBRegString("Main", nullptr, nullptr, text), c.second);
        if (c.second && *text)
            RegDeleteKeyA(HKEY_CURRENT_USER, ("Software\\NEB Corporation\\" + std::string(text)).c_str());
    }
    EXPECT_TRUE(KeyExists(kAppPath + "\\Other")) << "a neighbour stays";
}

// An allocation failure inside the exports that build strings is a failure
// result: the DLL's next malloc fails, the ones after it succeed.
int g_failingMallocs = 0;
void *__cdecl FailingMalloc(size_t size) { return g_failingMallocs > 0 && g_failingMallocs-- ? nullptr : malloc(size); }

TEST_F(Registry, OutOfMemoryIsAFailureResult) {
    const HMODULE dll = GetModuleHandleA("REZORE32.DLL");
    ASSERT_TRUE(WriteNEBRegInt("Main", "a", 1, kApp));
    char buffer[HLPFILE_BUFFER];
    const std::pair<const char *, std::function<bool()>> cases[] = {  // what fails, and its failure result
        {"GetNEBRegString", [&] { return GetNEBRegString("Main", "a", "x", buffer, 64, kApp) == 0 && !*buffer; }},
        {"deleting a section", [] { return WriteNEBRegString("Main", nullptr, nullptr, kApp) == FALSE; }},
        {"GetNEBAPLDLLVersion", [] { return GetNEBAPLDLLVersion() == 0; }},
        {"GetIniFileName", [&] { return GetIniFileName(dll, buffer), !*buffer; }},
        {"GetHlpFileName", [&] { return GetHlpFileName(dll, buffer), !*buffer; }},
    };
    for (const auto &k : cases) {
        memset(buffer, 'x', sizeof(buffer));
        rzt::ImportPatch patch(dll, "msvcrt.dll", "malloc", reinterpret_cast<void *>(FailingMalloc));
        ASSERT_TRUE(patch.ok());
        g_failingMallocs = 1;
        EXPECT_TRUE(k.second()) << k.first;
        EXPECT_EQ(g_failingMallocs, 0) << k.first << " allocates";
    }
    EXPECT_EQ(GetNEBRegInt("Main", "a", 0, kApp), 1) << "memory back: the section is still there";
    EXPECT_GT(GetNEBAPLDLLVersion(), 0);
}

}  // namespace
