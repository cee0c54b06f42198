// The settings store against the Wine prefix's real registry, read back through the raw registry functions.
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
    // GetNEBRegString of section Main into a guarded buffer of `size` bytes.
    static Answer Read(const char *name, DWORD size, const char *def = "dflt") {
        rzt::Guarded buffer(size);
        const int result = GetNEBRegString("Main", name, def, buffer.data(), size, kApp);
        EXPECT_TRUE(buffer.GuardsIntact()) << name << " into " << size << " bytes";
        return {result, size ? buffer.text() : std::string()};
    }
};

// Strings are REG_SZ with their zero, read whole into length + 1 bytes (texts the system cannot keep as they
// are need only agree with the buffer); defaults need their zero too; integers are REG_DWORD only; sections
// go whole, subkeys included, and the empty section name is no section to delete; odd section, value and
// application names are read back when they could be written, else the default.
TEST_F(Registry, StringsIntegersSectionsAndNames) {
    EXPECT_TRUE(Read("Title", 64) == Answer(0, "dflt") && !KeyExists(kMain)) << "reading never creates keys";
    const std::pair<std::string, bool> texts[] = {
        {"\x93\xFA\x96\x7B\x8C\xEA and more", true}, {std::string(511, 'q'), true}, {std::string(512, 'q'), true},
        {std::string(10000, 'q'), true}, {"\x83\x5C", true}, {"C:\\\x83\x5C\\\x83\x7C", true}, {"a\x82", false},
        {"\x81\x22\x81\x2C", false}};
    for (const auto &[text, kept] : texts) {
        const DWORD n = static_cast<DWORD>(text.size());
        ASSERT_TRUE(WriteNEBRegString("Main", "Text", text.c_str(), kApp));
        const Answer read = Read("Text", 64);
        EXPECT_EQ(read.first, int(read.second.size())) << "the result agrees with the buffer";
        if (!kept)
            continue;
        EXPECT_EQ(Raw("Text"), std::make_pair(DWORD{REG_SZ}, n + 1)) << "the terminating zero is stored";
        EXPECT_EQ(Read("Text", n + 1), Answer(n, text));
        EXPECT_EQ(Read("Text", n), Answer(0, ""));
    }
    ASSERT_TRUE(WriteNEBRegString("Main", "Text", "", kApp));
    EXPECT_EQ(Read("Text", 64), Answer(0, "dflt")) << "an empty string";
    EXPECT_TRUE(WriteNEBRegString("Main", "Text", nullptr, kApp));
    EXPECT_FALSE(WriteNEBRegString("Main", "Text", nullptr, kApp) || Raw("Text").first != REG_NONE) << "gone";
    HKEY key;
    ASSERT_EQ(RegCreateKeyA(HKEY_CURRENT_USER, kMain.c_str(), &key), 0);
    const auto bytes = [](const char *data) { return reinterpret_cast<const BYTE *>(data); };
    RegSetValueExA(key, "Shifted", 0, REG_DWORD, bytes("\0\1\0\0"), 4);
    RegSetValueExA(key, "Bare", 0, REG_SZ, bytes("abc"), 3);  // stored without its zero
    RegSetValueExA(key, "Four", 0, REG_BINARY, bytes("\1\2\3\4"), 4);
    RegCloseKey(key);
    const std::string big(10000, 'd');
    struct { const char *name, *def; DWORD size; Answer answer; } const cases[] = {
        {"Title", "toolong", 7, {0, ""}}, {"Title", "toolong", 8, {0, "toolong"}}, {"Title", nullptr, 8, {0, ""}},
        {"Title", "", 1, {0, ""}}, {"Title", "dflt", 0, {0, ""}}, {"Title", big.c_str(), 10000, {0, ""}},
        {"Title", big.c_str(), 10001, {0, big}}, {"Title", "a\x82", 3, {0, "a\x82"}},
        {"Title", "\x83\x5C\x83\x7C", 5, {0, "\x83\x5C\x83\x7C"}}, {"Bare", "dflt", 64, {3, "abc"}},
        {"Four", "dflt", 64, {0, ""}}, {"Shifted", "dflt", 64, {0, "dflt"}},  // other data: first byte nonzero, zero
    };
    for (const auto &c : cases)
        EXPECT_EQ(Read(c.name, c.size, c.def), c.answer) << c.name << ' ' << c.size;
    EXPECT_EQ(GetNEBRegString("Main", "Title", "d", nullptr, 16, kApp), 0);
    for (int value : {0, -1, 123456, -2147483647 - 1, 2147483647}) {
        ASSERT_TRUE(WriteNEBRegInt("Main", "Count", value, kApp));
        EXPECT_EQ(GetNEBRegInt("Main", "Count", 77, kApp), value);
    }
    EXPECT_EQ(Raw("Count"), std::make_pair(DWORD{REG_DWORD}, DWORD{4}));
    for (const char *other : {"Missing", "Bare", "Four"})
        EXPECT_EQ(GetNEBRegInt("Main", other, 42, kApp), 42) << other;
    EXPECT_EQ(GetNEBRegInt("Nowhere", "Count", 42, kApp), 42);
    ASSERT_TRUE(WriteNEBRegString("Other", "C", "3", kApp) && WriteNEBRegString("Main\\Sub", "D", "4", kApp));
    EXPECT_TRUE(WriteNEBRegString("Main", nullptr, nullptr, kApp) && !KeyExists(kMain) &&
                !WriteNEBRegString("Main", nullptr, nullptr, kApp)) << "gone whole, once";
    EXPECT_TRUE(KeyExists(kAppPath + "\\Other")) << "a neighbour stays";
    const std::pair<const char *, BOOL> names[] = {  // whether it works as a section or application name
        {nullptr, FALSE}, {"", TRUE}, {big.c_str(), FALSE}, {"a\x82", TRUE}, {"\x83\x5C", TRUE}, {"\x83\x7C", TRUE},
        {"\x81\x22", TRUE}, {"\x81\x2C", TRUE}};
    for (const auto &[text, works] : names) {
        SCOPED_TRACE(text ? std::string(text).substr(0, 8) : "NULL");
        rzt::Guarded buffer(2);
        EXPECT_EQ(WriteNEBRegString(text, "s", "v", kApp), works);
        EXPECT_EQ(GetNEBRegString(text, "s", "d", buffer.data(), 2, kApp), works);
        EXPECT_TRUE(buffer.GuardsIntact() && buffer.text() == (works ? "v" : "d")) << buffer.text();
        EXPECT_EQ(WriteNEBRegString(text, nullptr, nullptr, kApp), works && *text);
        EXPECT_TRUE(WriteNEBRegInt("Main", text, 7, kApp) && GetNEBRegInt("Main", text, -1, kApp) == 7) << "any value";
        EXPECT_EQ(WriteNEBRegInt("Main", "n", 6, text), works);
        EXPECT_EQ(GetNEBRegInt("Main", "n", -1, text), works ? 6 : -1);
        EXPECT_EQ(WriteNEBRegString("Main", nullptr, nullptr, text), works);
        if (works && *text)
            RegDeleteKeyA(HKEY_CURRENT_USER, ("Software\\NEB Corporation\\" + std::string(text)).c_str());
    }
}

// The DLL's next malloc fails inside the exports that build strings: a failure result.
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
    rzt::ImportPatch patch(dll, "msvcrt.dll", "malloc", reinterpret_cast<void *>(FailingMalloc));
    ASSERT_TRUE(patch.ok());
    for (const auto &[what, failed] : cases) {
        memset(buffer, 'x', sizeof(buffer));
        g_failingMallocs = 1;
        EXPECT_TRUE(failed() && g_failingMallocs == 0) << what << " allocates and fails";
    }
    EXPECT_EQ(GetNEBRegInt("Main", "a", 0, kApp), 1) << "memory back: the section is still there";
    EXPECT_GT(GetNEBAPLDLLVersion(), 0);
}
}  // namespace
