// The directory dialogs' path rules, without windows.  Shift-JIS samples: 表 (0x95 0x5C) and ソ (0x83 0x5C)
// are double-byte characters whose second byte is a backslash.
#include <gtest/gtest.h>
#include <string>
#include <vector>
#include "dialogs/paths.h"

namespace {

namespace paths = rz::paths;

// The directory argument prepared for the system, the typed-path checks, the answer block's handle as text
// (pointer-sized both ways); the answer's length: DirectoryRecord.
TEST(Paths, PrepareDirectoryTypedPathChecksAndHandleText) {
    const std::pair<std::string, std::string> prepared[] = {
        {"C:\\WORK\\", "C:\\WORK"}, {"C:\\WORK", "C:\\WORK"}, {"C:\\", "C:\\"}, {"C:", "C:\\"}, {"", ""},
        {"C:\\WORK\\\\", "C:\\WORK\\"},  // only one backslash is cut
        {"C:\\\x95\x5C", "C:\\\x95"},      // byte by byte, as the system dialog reads it
        {std::string(1022, 'a') + ":", std::string(1022, 'a') + ":\\"},  // fills 1025 bytes exactly
        {std::string(1023, 'a') + ":", std::string(1023, 'a') + ":"},    // no room for the backslash
    };
    for (std::pair<std::string, std::string> c : prepared) {
        c.first.append(4, '\0');
        EXPECT_EQ((paths::PrepareDirectory(&c.first[0]), std::string(c.first.c_str())), c.second) << c.first.size();
    }
    paths::PrepareDirectory(nullptr);
    const char *const drives[] = {"C:\\WORK", "x:", "WORK", "\\WORK", "", "C", "\x95\x5C:", "CD:", nullptr};
    for (const char *path : drives)  // the first two only
        EXPECT_EQ(paths::StartsWithDrive(path), path == drives[0] || path == drives[1]) << (path ? path : "NULL");
    const std::pair<std::string, std::string> trims[] = {
        {"C:\\WORK\\\\\\", "C:\\WORK"}, {"C:\\", "C:"}, {"C:\\WORK", "C:\\WORK"},
        {"C:\\\x95\x5C", "C:\\\x95\x5C"},    // 表 keeps its second byte
        {"C:\\\x83\x5C\\", "C:\\\x83\x5C"},  // ソ, then a separator
        {"C:\\\x88\x9F\\", "C:\\\x88\x9F"},  // a second byte in the lead range
        {"C:\\\x95", "C:\\\x95"}};           // a lone lead byte stays
    for (std::pair<std::string, std::string> t : trims)
        EXPECT_EQ((paths::TrimSeparators(&t.first[0]), std::string(t.first.c_str())), t.second);
    const ULONG_PTR wide = ULONG_PTR{0x12345678} << (sizeof(void *) > 4 ? 16 : 0);
    char text[24];
    for (ULONG_PTR v : {ULONG_PTR{0}, ULONG_PTR{1234567890}, ULONG_PTR{4294967295u}, wide, ~ULONG_PTR{0}})
        EXPECT_EQ((paths::FormatHandle(v, text), paths::ParseHandle(text)), v) << text;
    EXPECT_STREQ(text, std::to_string(~ULONG_PTR{0}).c_str());
    for (const char *bad : {"", "12a", "-5", " 5", "99999999999999999999999", static_cast<const char *>(nullptr)})
        EXPECT_EQ(paths::ParseHandle(bad), 0u) << (bad ? bad : "NULL") << ": no handle, never a wrapped one";
}

// How a walk ends and the levels it hands to its step before.
using Walked = std::pair<paths::Walk, std::vector<std::string>>;
Walked WalkOf(const std::string &path, size_t failAt = 99) {
    Walked r;
    char built[paths::kBuffer];
    r.first = paths::WalkLevels(path.c_str(), built, sizeof(built), [&](const char *level) {
        r.second.push_back(level);
        return r.second.size() != failAt;
    });
    return r;
}

TEST(Paths, WalkLevels) {
    using W = paths::Walk;
    using L = std::vector<std::string>;
    const std::string fits = "C:\\" + std::string(1021, 'n');
    const std::pair<Walked, Walked> cases[] = {  // got, expected
        {WalkOf("C:\\A\\B\\C"), {W::kDone, L{"C:\\A", "C:\\A\\B", "C:\\A\\B\\C"}}},
        {WalkOf("C:\\A\\\\B\\"), {W::kDone, L{"C:\\A", "C:\\A\\B"}}},  // empty components skipped
        // A second byte 0x5C never splits; a lone lead byte at the end stops.
        {WalkOf("C:\\\x95\x5C\\\x83\x5C"), {W::kDone, L{"C:\\\x95\x5C", "C:\\\x95\x5C\\\x83\x5C"}}},
        {WalkOf("C:\\A\\\x95"), {W::kIncomplete, L{"C:\\A"}}},
        {WalkOf("C:\\A\\D:\\B"), {W::kDone, L{"C:\\A", "D:\\B"}}},  // a drive later restarts the path
        {WalkOf("C:\\A\\B\\C", 2), {W::kFailed, L{"C:\\A", "C:\\A\\B"}}},
        {WalkOf("C:\\" + std::string(10000, 'n')), {W::kTooLong, L{}}},
        {WalkOf(fits), {W::kDone, L{fits}}},  // the whole path fits exactly; one byte more does not
        {WalkOf(fits + "n"), {W::kTooLong, L{}}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(c.first, c.second) << (c.second.second.empty() ? "" : c.second.second.back().substr(0, 20));
}

}  // namespace
