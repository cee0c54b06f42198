// Input method requests, the printer name, the arrow cursor and the
// broadcast table.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <tuple>
#include <vector>

#include "tests/support.h"

#include <winnls32.h>

namespace {

constexpr UINT kPing = WM_APP + 1;
std::vector<HWND> g_reached;
std::function<void(HWND)> g_onReceive;  // what the next receiver does to the table

LRESULT CALLBACK ReceiverProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg != kPing)
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    EXPECT_EQ(std::make_pair(wParam, lParam), std::make_pair(WPARAM{11}, LPARAM{22}));
    g_reached.push_back(hwnd);
    if (const auto act = std::exchange(g_onReceive, nullptr))
        act(hwnd);
    return 0;
}

// Each case registers some of five receivers (the fifth destroyed), resets
// one (-1: none) with its result, and broadcasts to a group: the windows
// reached, in order, while the first receiver may change the table.
TEST(Broadcast, AddResetAndSend) {
    HWND w[5];
    for (HWND &h : w) {
        h = CreateWindowA("STATIC", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
        SetWindowLongPtrA(h, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ReceiverProc));
    }
    auto empty = [&] { for (int i = 0; i < 200; ++i) ResetBroadCastWindow(w[i % 5]); };
    using Entries = std::vector<std::pair<int, WORD>>;  // window index, group
    const Entries abc = {{0, 1}, {1, 2}, {2, 3}}, twice = {{0, 1}, {2, 3}, {0, 4}},
                  groups = {{0, 5}, {1, 6}, {2, 5}, {3, 0xFFFF}}, sevens = {{0, 7}, {1, 7}, {2, 7}};
    const std::function<void(HWND)> none, itself = [](HWND h) { ResetBroadCastWindow(h); },
                                          next = [&](HWND) { ResetBroadCastWindow(w[1]); },
                                          adds = [&](HWND) { SetBroadCastWindow(w[3], 7); };
    struct { const char *what; Entries added; int reset; BOOL resetResult; int group; std::vector<int> reached;
             std::function<void(HWND)> onReceive; } const cases[] = {
        {"reset keeps the order", abc, 1, TRUE, -1, {0, 2}, none},
        {"groups move with their windows", abc, 1, TRUE, 3, {2}, none},
        {"only the first of two entries goes", twice, 0, TRUE, -1, {2, 0}, none},
        {"the second keeps its group", twice, 0, TRUE, 4, {0}, none},
        {"one entry goes whatever is named", {{0, 1}}, 3, TRUE, -1, {}, none},
        {"an empty table resets too", {}, 3, TRUE, -1, {}, none},
        {"a window not registered", {{0, 1}, {1, 1}}, 3, FALSE, -1, {0, 1}, none},
        {"one group", groups, -1, 0, 5, {0, 2}, none},
        {"all", groups, -1, 0, -1, {0, 1, 2, 3}, none},
        {"0xFFFF as a 16-bit group is negative: all", groups, -1, 0, 0xFFFF, {0, 1, 2, 3}, none},
        {"the group's low word", groups, -1, 0, 0x10006, {1}, none},
        {"no such group", groups, -1, 0, 9, {}, none},
        // Entries the broadcast found that are still there at their turn get it once.
        {"a receiver removes itself", sevens, -1, 0, 7, {0, 1, 2}, itself},
        {"a receiver removes the next", sevens, -1, 0, 7, {0, 2}, next},
        {"a receiver adds a window", sevens, -1, 0, 7, {0, 1, 2}, adds},
        {"a destroyed window is skipped", {{0, 1}, {4, 1}, {2, 1}}, -1, 0, 1, {0, 2}, none},
    };
    DestroyWindow(w[4]);
    for (const auto &c : cases) {
        empty();
        for (const auto &e : c.added)
            ASSERT_TRUE(SetBroadCastWindow(w[e.first], e.second)) << c.what;
        EXPECT_EQ(c.reset < 0 ? c.resetResult : ResetBroadCastWindow(w[c.reset]), c.resetResult) << c.what;
        std::vector<HWND> expected;
        for (int i : c.reached)
            expected.push_back(w[i]);
        g_reached.clear();
        g_onReceive = c.onReceive;
        PostBroadCastMessage(c.group, kPing, 11, 22);
        EXPECT_EQ(g_reached, expected) << c.what;
    }
    // 32 entries, one message each; the 33rd fits only when one has gone.
    empty();
    for (int i = 0; i < 32; ++i)
        EXPECT_TRUE(SetBroadCastWindow(w[i % 2], 1)) << i;
    g_reached.clear();
    PostBroadCastMessage(-1, kPing, 11, 22);
    EXPECT_EQ(g_reached.size(), 32u);
    EXPECT_FALSE(SetBroadCastWindow(w[2], 1)) << "the 33rd";
    EXPECT_TRUE(ResetBroadCastWindow(w[1]) && SetBroadCastWindow(w[2], 1)) << "fits when one has gone";
    EXPECT_FALSE(SetBroadCastWindow(w[2], 1));
    empty();
    for (HWND h : w)
        DestroyWindow(h);
}

// The first field of the device entry into a guarded buffer of its
// documented size, for ordinary and adversarial entries (NULL: none).
// Entries the system cannot keep as they are (a lone lead byte, a lead byte
// before a quote or a comma) come back as the system made them: then the
// result only has to agree with the name and the buffer.
TEST(Printer, FirstFieldOfTheDeviceEntry) {
    char saved[512] = {};
    const bool hadEntry = GetProfileStringA("windows", "device", "\x01", saved, sizeof(saved)) && saved[0] != 1;
    const std::string tenThousand(10000, 'p'), cut = std::string(126, 'p') + "\x83\x5C";
    const std::string fits(PRINTER_BUFFER - 1, 'p'), cutName(126, 'p');
    const std::pair<const char *, const char *> cases[] = {  // entry, name or NULL: as the system made it
        {"Office Printer,DRV,LPT1:", "Office Printer"}, {",,Lead,X", "Lead"}, {"OnlyName", "OnlyName"},
        {"\x93\xFA\x96\x7B,winspool,Ne00:", "\x93\xFA\x96\x7B"}, {"\x83\x5C\x83\x7C,DRV", "\x83\x5C\x83\x7C"},
        {",,,", ""}, {"", ""}, {nullptr, ""}, {tenThousand.c_str(), fits.c_str()},
        {cut.c_str(), cutName.c_str()},  // the system keeps no half character
        {"P\x82,DRV", nullptr}, {"\x81\x22\x81\x2C,DRV", nullptr},
    };
    for (const auto &c : cases) {
        ASSERT_TRUE(WriteProfileStringA("windows", "device", c.first) || !c.first);
        rzt::Guarded out(PRINTER_BUFFER);
        const BOOL result = GetPrinterName(out.data());
        const std::string name = out.text();
        EXPECT_EQ(std::make_tuple(name, result, out.GuardsIntact()), std::make_tuple(c.second ? c.second : name,
                  BOOL(!name.empty()), true)) << c.first;
        EXPECT_EQ(name.find(','), std::string::npos) << c.first;
    }
    EXPECT_FALSE(GetPrinterName(nullptr));
    WriteProfileStringA("windows", "device", hadEntry ? saved : nullptr);
}

// Wine keeps the input method always enabled and replaces no system cursor
// (SetSystemCursor changes nothing), so here these services can only be run
// through their arguments (a window, NULL, a destroyed one) and the saved
// arrow's life.
TEST(Services, InputMethodAndCursor) {
    HWND edit = CreateWindowA("EDIT", "", WS_POPUP, 0, 0, 50, 20, nullptr, nullptr, nullptr, nullptr);
    const BOOL before = WINNLSGetEnableStatus(nullptr);
    for (HWND target : {edit, HWND{}})
        FepControl(target, TRUE), FepControl(target, FALSE), FEPWordRegisterd(target);
    EXPECT_EQ(WINNLSGetEnableStatus(nullptr), before);
    DestroyWindow(edit);
    FepControl(edit, TRUE);
    HGLOBAL saved = reinterpret_cast<HGLOBAL>(1);
    InitSysCursor(&saved);
    EXPECT_NE(GlobalSize(saved), 0u) << "a real global block";
    for (HCURSOR cursor : {LoadCursorA(nullptr, IDC_CROSS), HCURSOR{}})
        SetSysCursor(cursor);
    TermSysCursor(&saved);
    EXPECT_EQ(saved, nullptr);
    TermSysCursor(&saved);  // twice, and NULLs
    TermSysCursor(nullptr);
    InitSysCursor(nullptr);
}

}  // namespace
