// The settings store against the Wine prefix's real registry, read back
// through the raw registry functions.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "rezore32.h"
#include "tests/support.h"

namespace {

const char kApp[] = "Rezore32Tests";
const char kAppPath[] = "Software\\NEB Corporation\\Rezore32Tests";

std::string SectionPath(const char *section) { return std::string(kAppPath) + "\\" + section; }

class Registry : public ::testing::Test {
protected:
    void SetUp() override { Clean(); }
    void TearDown() override { Clean(); }
    static void Clean() {
        WriteNEBRegString("Main", nullptr, nullptr, kApp);
        WriteNEBRegString("Other", nullptr, nullptr, kApp);
        RegDeleteKeyA(HKEY_CURRENT_USER, kAppPath);
    }

    // The raw value: its type and bytes; false when missing.
    static bool Raw(const char *section, const char *name, DWORD *type, std::vector<BYTE> *data) {
        HKEY key;
        if (RegOpenKeyExA(HKEY_CURRENT_USER, SectionPath(section).c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
            return false;
        DWORD size = 0;
        LONG status = RegQueryValueExA(key, name, nullptr, type, nullptr, &size);
        if (status == ERROR_SUCCESS) {
            data->resize(size);
            status = RegQueryValueExA(key, name, nullptr, type, data->data(), &size);
        }
        RegCloseKey(key);
        return status == ERROR_SUCCESS;
    }

    static void SetRaw(const char *section, const char *name, DWORD type, const void *data, DWORD size) {
        HKEY key;
        ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, SectionPath(section).c_str(), 0, nullptr, 0, KEY_WRITE,
                                  nullptr, &key, nullptr),
                  ERROR_SUCCESS);
        RegSetValueExA(key, name, 0, type, static_cast<const BYTE *>(data), size);
        RegCloseKey(key);
    }

    static bool KeyExists(const std::string &path) {
        HKEY key;
        if (RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
            return false;
        RegCloseKey(key);
        return true;
    }

    // GetNEBRegString into a guarded buffer of `size` bytes.
    static int Read(const char *name, DWORD size, std::string *out, const char *def = "dflt") {
        std::vector<char> buffer(size + 8, '\x5A');
        int result = GetNEBRegString("Main", name, def, buffer.data(), size, kApp);
        for (size_t i = size; i < buffer.size(); ++i)
            EXPECT_EQ(buffer[i], '\x5A') << "byte " << i << " past a buffer of " << size;
        *out = size ? std::string(buffer.data()) : std::string();
        return result;
    }
};

TEST_F(Registry, StringRoundTripIsStoredAsRegSz) {
    const char text[] = "\x93\xFA\x96\x7B\x8C\xEA and more";  // 日本語 and more
    ASSERT_TRUE(WriteNEBRegString("Main", "Title", text, kApp));
    DWORD type = 0;
    std::vector<BYTE> raw;
    ASSERT_TRUE(Raw("Main", "Title", &type, &raw));
    EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(raw.size(), strlen(text) + 1) << "the terminating zero is stored";
    std::string out;
    EXPECT_EQ(Read("Title", 64, &out), static_cast<int>(strlen(text)));
    EXPECT_EQ(out, text);
}

TEST_F(Registry, DefaultsAndBufferSizes) {
    std::string out;
    // Missing key, then missing value: the default and 0.
    EXPECT_EQ(Read("Title", 64, &out), 0);
    EXPECT_EQ(out, "dflt");
    EXPECT_FALSE(KeyExists(SectionPath("Main"))) << "reading never creates keys";
    ASSERT_TRUE(WriteNEBRegString("Main", "Other", "x", kApp));
    EXPECT_EQ(Read("Title", 64, &out), 0);
    EXPECT_EQ(out, "dflt");
    // A stored empty string gives the default.
    ASSERT_TRUE(WriteNEBRegString("Main", "Title", "", kApp));
    EXPECT_EQ(Read("Title", 64, &out), 0);
    EXPECT_EQ(out, "dflt");
    // A string needs its length + 1 bytes.
    ASSERT_TRUE(WriteNEBRegString("Main", "Title", "abcde", kApp));
    EXPECT_EQ(Read("Title", 5, &out), 0);
    EXPECT_EQ(out, "");
    EXPECT_EQ(Read("Title", 6, &out), 5);
    EXPECT_EQ(out, "abcde");
    // A default longer than the buffer is not copied; size 0 writes nothing.
    EXPECT_EQ(Read("Missing", 4, &out, "toolong"), 0);
    EXPECT_EQ(out, "");
    EXPECT_EQ(Read("Missing", 8, &out, "toolong"), 0);
    EXPECT_EQ(out, "toolong");
    EXPECT_EQ(Read("Missing", 0, &out), 0);
    EXPECT_EQ(Read("Missing", 8, &out, nullptr), 0);
    EXPECT_EQ(out, "");
}

TEST_F(Registry, LongStringsAreReadWhole) {
    for (size_t length : {511u, 512u, 4000u}) {
        const std::string text(length, 'q');
        ASSERT_TRUE(WriteNEBRegString("Main", "Long", text.c_str(), kApp));
        std::string out;
        EXPECT_EQ(Read("Long", static_cast<DWORD>(length + 1), &out), static_cast<int>(length));
        EXPECT_EQ(out, text);
        EXPECT_EQ(Read("Long", static_cast<DWORD>(length), &out), 0);
        EXPECT_EQ(out, "");
    }
}

TEST_F(Registry, OtherTypesAreNotStrings) {
    const DWORD five = 5, zeroLowByte = 0x100;
    SetRaw("Main", "Five", REG_DWORD, &five, 4);
    SetRaw("Main", "Shifted", REG_DWORD, &zeroLowByte, 4);
    std::string out;
    EXPECT_EQ(Read("Five", 64, &out), 0);
    EXPECT_EQ(out, "") << "data that begins with a nonzero byte is not the default";
    EXPECT_EQ(Read("Shifted", 64, &out), 0);
    EXPECT_EQ(out, "dflt");
    // A string stored without its zero still reads as that string.
    SetRaw("Main", "Bare", REG_SZ, "abc", 3);
    EXPECT_EQ(Read("Bare", 64, &out), 3);
    EXPECT_EQ(out, "abc");
}

TEST_F(Registry, IntegersRoundTrip) {
    for (int value : {0, 1, -1, 123456, -2147483647 - 1, 2147483647}) {
        ASSERT_TRUE(WriteNEBRegInt("Main", "Count", value, kApp));
        EXPECT_EQ(GetNEBRegInt("Main", "Count", 77, kApp), value);
    }
    DWORD type = 0;
    std::vector<BYTE> raw;
    ASSERT_TRUE(Raw("Main", "Count", &type, &raw));
    EXPECT_EQ(type, static_cast<DWORD>(REG_DWORD));
    EXPECT_EQ(raw.size(), 4u);
    EXPECT_EQ(GetNEBRegInt("Main", "Missing", -9, kApp), -9);
    EXPECT_EQ(GetNEBRegInt("Nowhere", "Count", 42, kApp), 42);
    ASSERT_TRUE(WriteNEBRegString("Main", "Text", "12", kApp));
    EXPECT_EQ(GetNEBRegInt("Main", "Text", 42, kApp), 42) << "a string is not an integer";
    const BYTE four[4] = {1, 0, 0, 0};
    SetRaw("Main", "Binary", REG_BINARY, four, 4);
    EXPECT_EQ(GetNEBRegInt("Main", "Binary", 42, kApp), 42);
    const BYTE eight[8] = {1, 2, 3, 4, 5, 6, 7, 8};
    SetRaw("Main", "Big", REG_BINARY, eight, 8);
    EXPECT_EQ(GetNEBRegInt("Main", "Big", 42, kApp), 42);
}

TEST_F(Registry, DeletingValuesAndSections) {
    ASSERT_TRUE(WriteNEBRegString("Main", "A", "1", kApp));
    ASSERT_TRUE(WriteNEBRegString("Main", "B", "2", kApp));
    ASSERT_TRUE(WriteNEBRegString("Other", "C", "3", kApp));
    EXPECT_TRUE(WriteNEBRegString("Main", "A", nullptr, kApp));
    std::string out;
    EXPECT_EQ(Read("A", 8, &out), 0);
    EXPECT_EQ(Read("B", 8, &out), 1);
    EXPECT_FALSE(WriteNEBRegString("Main", "A", nullptr, kApp)) << "the value is gone already";
    // A section goes whole, subkeys included; its neighbours stay.
    HKEY sub;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, (SectionPath("Main") + "\\Sub").c_str(), 0, nullptr, 0,
                              KEY_WRITE, nullptr, &sub, nullptr),
              ERROR_SUCCESS);
    RegCloseKey(sub);
    EXPECT_TRUE(WriteNEBRegString("Main", nullptr, nullptr, kApp));
    EXPECT_FALSE(KeyExists(SectionPath("Main")));
    EXPECT_TRUE(KeyExists(SectionPath("Other")));
    EXPECT_FALSE(WriteNEBRegString("Main", nullptr, nullptr, kApp));
}

TEST_F(Registry, BadArguments) {
    std::string out;
    char buffer[16] = "x";
    EXPECT_EQ(GetNEBRegString(nullptr, "n", "d", buffer, sizeof(buffer), kApp), 0);
    EXPECT_STREQ(buffer, "d");
    EXPECT_EQ(GetNEBRegString("Main", "n", "d", buffer, sizeof(buffer), nullptr), 0);
    EXPECT_EQ(GetNEBRegString("Main", "n", "d", nullptr, 16, kApp), 0);
    EXPECT_EQ(GetNEBRegInt(nullptr, "n", 3, kApp), 3);
    EXPECT_FALSE(WriteNEBRegString("Main", "n", "v", nullptr));
    EXPECT_FALSE(WriteNEBRegString(nullptr, "n", "v", kApp));
    EXPECT_FALSE(WriteNEBRegInt("Main", "n", 1, nullptr));
    // A path far longer than any the registry takes: a clean failure.
    const std::string huge(10000, 's');
    EXPECT_FALSE(WriteNEBRegInt(huge.c_str(), "n", 1, kApp));
    EXPECT_EQ(GetNEBRegInt(huge.c_str(), "n", 8, kApp), 8);
    EXPECT_EQ(GetNEBRegString(huge.c_str(), "n", "d", buffer, sizeof(buffer), kApp), 0);
    EXPECT_STREQ(buffer, "d");
}

// An allocation failure inside the exports that build strings is a failure
// result, never an exception leaving the DLL.  The DLL's next malloc fails;
// the ones after it (the exception's own) succeed.
int g_failingMallocs = 0;
void *__cdecl FailingMalloc(size_t size) {
    if (g_failingMallocs > 0) {
        --g_failingMallocs;
        return nullptr;
    }
    return malloc(size);
}

TEST_F(Registry, OutOfMemoryIsAFailureResult) {
    const HMODULE dll = GetModuleHandleA("REZORE32.DLL");
    ASSERT_TRUE(WriteNEBRegInt("Main", "a", 1, kApp));
    struct Case {
        const char *what;
        std::function<bool()> failsCleanly;
    };
    char buffer[HLPFILE_BUFFER];
    auto emptied = [&buffer](std::function<void()> call) {
        memset(buffer, 'x', sizeof(buffer));
        call();
        return buffer[0] == '\0';
    };
    const Case cases[] = {
        {"GetNEBRegString", [&] {
             return emptied([&] { EXPECT_EQ(GetNEBRegString("Main", "a", "fallback", buffer, 64, kApp), 0); });
         }},
        {"GetNEBRegInt", [] { return GetNEBRegInt("Main", "a", 42, kApp) == 42; }},
        {"WriteNEBRegString deleting a section", [] { return WriteNEBRegString("Main", nullptr, nullptr, kApp) == FALSE; }},
        {"GetNEBAPLDLLVersion", [] { return GetNEBAPLDLLVersion() == 0; }},
        {"GetIniFileName", [&] { return emptied([&] { GetIniFileName(dll, buffer); }); }},
        {"GetHlpFileName", [&] { return emptied([&] { GetHlpFileName(dll, buffer); }); }},
    };
    for (const Case &k : cases) {
        bool clean = false;
        {
            rzt::ImportPatch patch(dll, "msvcrt.dll", "malloc", reinterpret_cast<void *>(FailingMalloc));
            ASSERT_TRUE(patch.ok());
            g_failingMallocs = 1;
            try {
                clean = k.failsCleanly();
            } catch (...) {
                ADD_FAILURE() << k.what << ": an exception left the export";
            }
        }
        EXPECT_TRUE(clean) << k.what;
        EXPECT_EQ(g_failingMallocs, 0) << k.what << " allocates";
    }
    EXPECT_EQ(GetNEBRegInt("Main", "a", 0, kApp), 1) << "memory back: the section is still there";
    EXPECT_GT(GetNEBAPLDLLVersion(), 0);
}

}  // namespace
