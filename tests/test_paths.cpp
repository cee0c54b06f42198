// The directory dialogs' path rules, without windows.  Shift-JIS samples:
// 表 is 0x95 0x5C and ソ is 0x83 0x5C, double-byte characters whose second
// byte is a backslash.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dialogs/paths.h"

namespace {

namespace paths = rz::paths;

TEST(Paths, PrepareDirectory) {
    struct Case {
        std::string in, out;
    };
    const Case cases[] = {
        {"C:\\WORK\\", "C:\\WORK"}, {"C:\\WORK", "C:\\WORK"}, {"C:\\", "C:\\"}, {"C:", "C:\\"},
        {"C:\\WORK\\\\", "C:\\WORK\\"},  // only one backslash is cut
        {"", ""},
        {"C:\\\x95\x5C", "C:\\\x95"},  // byte by byte, as the system dialog reads it
        {std::string(1022, 'a') + ":", std::string(1022, 'a') + ":\\"},  // fills 1025 bytes exactly
        {std::string(1023, 'a') + ":", std::string(1023, 'a') + ":"},    // no room for the backslash
    };
    for (const Case &c : cases) {
        std::string buffer = c.in + std::string(4, '\0');
        paths::PrepareDirectory(&buffer[0]);
        EXPECT_EQ(std::string(buffer.c_str()), c.out) << c.in.size();
    }
    paths::PrepareDirectory(nullptr);
}

TEST(Paths, TypedPathChecks) {
    struct Drive {
        const char *path;
        bool drive;
    };
    for (const Drive &d : std::vector<Drive>{{"C:\\WORK", true}, {"x:", true},
                                             {"WORK", false}, {"\\WORK", false}, {"", false}, {"C", false},
                                             {"\x95\x5C:", false}, {"CD:", false}})
        EXPECT_EQ(paths::StartsWithDrive(d.path), d.drive) << d.path;
    EXPECT_FALSE(paths::StartsWithDrive(nullptr));

    struct Trim {
        std::string in, out;
    };
    for (const Trim &t : std::vector<Trim>{{"C:\\WORK\\\\\\", "C:\\WORK"}, {"C:\\", "C:"}, {"C:\\WORK", "C:\\WORK"},
                                           {"C:\\\x95\x5C", "C:\\\x95\x5C"},        // 表 keeps its second byte
                                           {"C:\\\x83\x5C\\", "C:\\\x83\x5C"},      // ソ, then a separator
                                           {"C:\\\x88\x9F\\", "C:\\\x88\x9F"},      // a second byte in the lead range
                                           {"C:\\\x95", "C:\\\x95"}}) {              // a lone lead byte stays
        std::string s = t.in;
        paths::TrimSeparators(&s[0]);
        EXPECT_EQ(std::string(s.c_str()), t.out);
    }
}

TEST(Paths, AnswerLength) {
    struct Case {
        std::string dir;
        size_t length;
    };
    for (const Case &c : std::vector<Case>{{"C:\\WORK", 8}, {"C:\\", 3}, {"C:", 2}, {"", 0},
                                           {std::string(1023, 'a'), 1024}, {std::string(1024, 'a'), 0}})
        EXPECT_EQ(paths::AnswerLength(c.dir.c_str()), c.length) << c.dir.size();
}

// The levels a walk hands to its step, or where it stops.
struct WalkResult {
    paths::Walk walk;
    std::vector<std::string> levels;
};
WalkResult WalkOf(const std::string &path, size_t size = paths::kBuffer, size_t failAt = 99) {
    WalkResult r;
    std::vector<char> built(size);
    r.walk = paths::WalkLevels(path.c_str(), built.data(), size, [&](const char *level) {
        r.levels.push_back(level);
        return r.levels.size() != failAt;
    });
    return r;
}

TEST(Paths, WalkLevels) {
    using W = paths::Walk;
    using L = std::vector<std::string>;
    const std::string longName(1100, 'n');
    struct Case {
        const char *name;
        WalkResult got;
        W walk;
        L levels;
    };
    const Case cases[] = {
        {"each level", WalkOf("C:\\A\\B\\C"), W::kDone, L{"C:\\A", "C:\\A\\B", "C:\\A\\B\\C"}},
        {"empty components skipped", WalkOf("C:\\A\\\\B\\"), W::kDone, L{"C:\\A", "C:\\A\\B"}},
        {"a drive only", WalkOf("X:"), W::kDone, L{}},
        {"second byte 0x5C never splits", WalkOf("C:\\\x95\x5C\\\x83\x5C"), W::kDone,
         L{"C:\\\x95\x5C", "C:\\\x95\x5C\\\x83\x5C"}},
        {"a drive later restarts the path", WalkOf("C:\\A\\D:\\B"), W::kDone, L{"C:\\A", "D:\\B"}},
        {"a step that fails stops", WalkOf("C:\\A\\B\\C", paths::kBuffer, 2), W::kFailed, L{"C:\\A", "C:\\A\\B"}},
        {"a lone lead byte at the end", WalkOf("C:\\A\\\x95"), W::kIncomplete, L{"C:\\A"}},
        {"a component of any length", WalkOf("C:\\" + longName), W::kTooLong, L{}},
        {"the whole path fits exactly", WalkOf("C:\\" + std::string(1021, 'n')), W::kDone,
         L{"C:\\" + std::string(1021, 'n')}},
        {"one byte more does not", WalkOf("C:\\" + std::string(1022, 'n')), W::kTooLong, L{}},
        {"a small area", WalkOf("C:\\AB\\CD", 6), W::kTooLong, L{"C:\\AB"}},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(c.got.walk, c.walk) << c.name;
        EXPECT_EQ(c.got.levels, c.levels) << c.name;
    }
}

TEST(Paths, HandleTextIsPointerSized) {
    const ULONG_PTR big = ~ULONG_PTR{0};
    for (ULONG_PTR v : {ULONG_PTR{0}, ULONG_PTR{7}, ULONG_PTR{4294967295u}, ULONG_PTR{0x12345678} << (sizeof(void *) > 4 ? 16 : 0), big}) {
        char text[24];
        paths::FormatHandle(v, text);
        EXPECT_EQ(paths::ParseHandle(text), v) << text;
    }
    for (const char *bad : {"", "12a", "-5", " 5", "99999999999999999999999"})
        EXPECT_EQ(paths::ParseHandle(bad), 0u) << bad;
    EXPECT_EQ(paths::ParseHandle(nullptr), 0u);
    char text[24];
    paths::FormatHandle(1234567890, text);
    EXPECT_STREQ(text, "1234567890");
}

}  // namespace
