// Input method requests, the printer name, the arrow cursor and the broadcast table.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "tests/support.h"

namespace {
constexpr UINT kPing = WM_APP + 1;
HWND g_w[5];                            // the receivers; the fifth is destroyed
std::vector<int> g_reached;             // indices of the receivers reached, in order
std::function<void(HWND)> g_onReceive;  // what the next receiver does to the table

LRESULT CALLBACK ReceiverProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg != kPing)
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    EXPECT_EQ(std::make_pair(wParam, lParam), std::make_pair(WPARAM{11}, LPARAM{22}));
    g_reached.push_back(int(std::find(g_w, g_w + 5, hwnd) - g_w));
    if (const auto act = std::exchange(g_onReceive, nullptr))
        act(hwnd);
    return 0;
}

// Register, reset one (-1: none) with its result, broadcast to a group: the receivers reached, in order.
TEST(Broadcast, AddResetAndSend) {
    for (HWND &h : g_w) {
        h = CreateWindowA("STATIC", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
        SetWindowLongPtrA(h, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ReceiverProc));
    }
    const auto empty = [] { for (int i = 0; i < 200; ++i) ResetBroadCastWindow(g_w[i % 5]); };
    using Entries = std::vector<std::pair<int, WORD>>;  // receiver, group
    const Entries abc = {{0, 1}, {1, 2}, {2, 3}}, twice = {{0, 1}, {2, 3}, {0, 4}},
                  groups = {{0, 5}, {1, 6}, {2, 5}, {3, 0xFFFF}}, sevens = {{0, 7}, {1, 7}, {2, 7}};
    const std::function<void(HWND)> none, itself = [](HWND h) { ResetBroadCastWindow(h); },
                                          next = [](HWND) { ResetBroadCastWindow(g_w[1]); },
                                          adds = [](HWND) { SetBroadCastWindow(g_w[3], 7); };
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
        {"0xFFFF as a 16-bit group is negative: all", groups, -1, 0, 0xFFFF, {0, 1, 2, 3}, none},
        {"the group's low word", groups, -1, 0, 0x10006, {1}, none},
        {"a receiver removes itself", sevens, -1, 0, 7, {0, 1, 2}, itself},
        {"a receiver removes the next", sevens, -1, 0, 7, {0, 2}, next},
        {"a receiver adds a window", sevens, -1, 0, 7, {0, 1, 2}, adds},
        {"a destroyed window is skipped", {{0, 1}, {4, 1}, {2, 1}}, -1, 0, 1, {0, 2}, none},
    };
    DestroyWindow(g_w[4]);
    for (const auto &c : cases) {
        empty();
        for (const auto &e : c.added)
            ASSERT_TRUE(SetBroadCastWindow(g_w[e.first], e.second)) << c.what;
        EXPECT_EQ(c.reset < 0 ? c.resetResult : ResetBroadCastWindow(g_w[c.reset]), c.resetResult) << c.what;
        g_reached.clear();
        g_onReceive = c.onReceive;
        PostBroadCastMessage(c.group, kPing, 11, 22);
        EXPECT_EQ(g_reached, c.reached) << c.what;
    }
    empty();
    for (int i = 0; i < 32; ++i)
        EXPECT_TRUE(SetBroadCastWindow(g_w[i % 2], 1)) << i;
    g_reached.clear();
    PostBroadCastMessage(-1, kPing, 11, 22);
    EXPECT_EQ(g_reached.size(), 32u) << "one message each";
    EXPECT_FALSE(SetBroadCastWindow(g_w[2], 1)) << "the 33rd";
    EXPECT_TRUE(ResetBroadCastWindow(g_w[1]) && SetBroadCastWindow(g_w[2], 1)) << "fits when one has gone";
    empty();
    for (HWND h : g_w)
        DestroyWindow(h);
}

// The printer name is the first field of the device entry, into a guarded buffer of its size (entries the
// system cannot keep as they are need only agree: NULL name); Wine keeps the input method on and replaces no
// system cursor: there only the arguments and the saved arrow's life can be checked.
TEST(Services, PrinterInputMethodAndCursor) {
    char device[512] = {};
    const bool hadEntry = GetProfileStringA("windows", "device", "\x01", device, sizeof(device)) && device[0] != 1;
    const std::string tenThousand(10000, 'p'), cut = std::string(126, 'p') + "\x83\x5C", fits(PRINTER_BUFFER - 1, 'p');
    const std::pair<const char *, const char *> cases[] = {  // entry, name
        {"Office Printer,DRV,LPT1:", "Office Printer"}, {",,Lead,X", "Lead"}, {"OnlyName", "OnlyName"},
        {"\x93\xFA\x96\x7B,winspool,Ne00:", "\x93\xFA\x96\x7B"}, {"\x83\x5C\x83\x7C,DRV", "\x83\x5C\x83\x7C"},
        {",,,", ""}, {"", ""}, {nullptr, ""}, {tenThousand.c_str(), fits.c_str()},
        {cut.c_str(), fits.c_str() + 1},  // 126 bytes: the system keeps no half character
        {"P\x82,DRV", nullptr}, {"\x81\x22\x81\x2C,DRV", nullptr},
    };
    for (const auto &c : cases) {
        ASSERT_TRUE(WriteProfileStringA("windows", "device", c.first) || !c.first);
        rzt::Guarded out(PRINTER_BUFFER);
        const BOOL result = GetPrinterName(out.data());
        const std::string name = out.text();
        EXPECT_EQ(std::make_tuple(name, result, out.GuardsIntact(), name.find(',')),
                  std::make_tuple(c.second ? c.second : name, BOOL(!name.empty()), true, std::string::npos)) << c.first;
    }
    EXPECT_FALSE(GetPrinterName(nullptr));
    WriteProfileStringA("windows", "device", hadEntry ? device : nullptr);
    HWND edit = CreateWindowA("EDIT", "", WS_POPUP, 0, 0, 50, 20, nullptr, nullptr, nullptr, nullptr);
    for (HWND target : {edit, HWND{}})
        FepControl(target, TRUE), FepControl(target, FALSE), FEPWordRegisterd(target);
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
