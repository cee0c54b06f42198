// Input method requests, the printer name, the arrow cursor and the
// broadcast table.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "rezore32.h"

#include <winnls32.h>

namespace {

// ------------------------------------------------------------- broadcast
struct Received {
    HWND hwnd;
    UINT msg;
    WPARAM wParam;
    LPARAM lParam;
    bool operator==(const Received &o) const {
        return hwnd == o.hwnd && msg == o.msg && wParam == o.wParam && lParam == o.lParam;
    }
};
std::vector<Received> g_received;
std::function<void(HWND)> g_onReceive;  // what a receiver does to the table, once

constexpr UINT kPing = WM_APP + 1;

LRESULT CALLBACK ReceiverProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == kPing) {
        g_received.push_back({hwnd, msg, wParam, lParam});
        if (g_onReceive) {
            auto act = std::move(g_onReceive);
            g_onReceive = nullptr;
            act(hwnd);
        }
        return 0;
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

class Broadcast : public ::testing::Test {
protected:
    void SetUp() override {
        WNDCLASSA wc = {};
        wc.lpfnWndProc = ReceiverProc;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = "RzBroadcastReceiver";
        RegisterClassA(&wc);
        for (HWND &w : windows_)
            w = CreateWindowA("RzBroadcastReceiver", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr,
                              GetModuleHandleA(nullptr), nullptr);
        Empty();
        g_received.clear();
    }
    void TearDown() override {
        Empty();
        for (HWND w : windows_)
            if (IsWindow(w))
                DestroyWindow(w);
    }
    // Every entry names one of our windows (or none); the last one goes
    // whatever is named.
    void Empty() {
        for (int i = 0; i < 40; ++i) {
            for (HWND w : windows_)
                ResetBroadCastWindow(w);
            ResetBroadCastWindow(nullptr);
        }
    }
    std::vector<HWND> Order() {
        std::vector<HWND> order;
        for (const Received &r : g_received)
            order.push_back(r.hwnd);
        g_received.clear();
        return order;
    }
    HWND windows_[4] = {};
};

TEST_F(Broadcast, TableHoldsThirtyTwoEntries) {
    HWND a = windows_[0];
    for (int i = 0; i < 32; ++i)
        EXPECT_TRUE(SetBroadCastWindow(a, 1)) << i;
    EXPECT_FALSE(SetBroadCastWindow(windows_[1], 1)) << "the 33rd";
    PostBroadCastMessage(-1, kPing, 0, 0);
    EXPECT_EQ(g_received.size(), 32u) << "one message per entry";
    g_received.clear();
    EXPECT_FALSE(ResetBroadCastWindow(windows_[1])) << "not registered";
    EXPECT_TRUE(ResetBroadCastWindow(a));
    EXPECT_TRUE(SetBroadCastWindow(windows_[1], 2));
    EXPECT_FALSE(SetBroadCastWindow(windows_[1], 2));
}

TEST_F(Broadcast, ResetKeepsTheOrder) {
    HWND a = windows_[0], b = windows_[1], c = windows_[2];
    SetBroadCastWindow(a, 1);
    SetBroadCastWindow(b, 2);
    SetBroadCastWindow(c, 3);
    EXPECT_TRUE(ResetBroadCastWindow(b));
    PostBroadCastMessage(-1, kPing, 0, 0);
    EXPECT_EQ(Order(), (std::vector<HWND>{a, c}));
    // Groups moved with their windows.
    PostBroadCastMessage(3, kPing, 0, 0);
    EXPECT_EQ(Order(), (std::vector<HWND>{c}));
    // Only the first of two entries goes.
    SetBroadCastWindow(a, 4);
    EXPECT_TRUE(ResetBroadCastWindow(a));
    PostBroadCastMessage(-1, kPing, 0, 0);
    EXPECT_EQ(Order(), (std::vector<HWND>{c, a}));
    PostBroadCastMessage(4, kPing, 0, 0);
    EXPECT_EQ(Order(), (std::vector<HWND>{a}));
}

TEST_F(Broadcast, OneEntryResetsWhateverIsNamed) {
    SetBroadCastWindow(windows_[0], 1);
    EXPECT_TRUE(ResetBroadCastWindow(windows_[3]));
    PostBroadCastMessage(-1, kPing, 0, 0);
    EXPECT_TRUE(g_received.empty());
    EXPECT_TRUE(ResetBroadCastWindow(windows_[3])) << "an empty table resets too";
}

TEST_F(Broadcast, GroupsAndDestroyedWindows) {
    HWND a = windows_[0], b = windows_[1], c = windows_[2], d = windows_[3];
    SetBroadCastWindow(a, 5);
    SetBroadCastWindow(b, 6);
    SetBroadCastWindow(c, 5);
    SetBroadCastWindow(d, 0xFFFF);
    PostBroadCastMessage(5, kPing, 11, 22);
    EXPECT_EQ(g_received, (std::vector<Received>{{a, kPing, 11, 22}, {c, kPing, 11, 22}}));
    g_received.clear();
    PostBroadCastMessage(-1, kPing, 0, 0);
    EXPECT_EQ(Order(), (std::vector<HWND>{a, b, c, d}));
    // Group 0xFFFF is reached only by "all": -1 as a 16-bit group is negative.
    PostBroadCastMessage(0xFFFF, kPing, 0, 0);
    EXPECT_EQ(Order(), (std::vector<HWND>{a, b, c, d}));
    PostBroadCastMessage(0x10006, kPing, 0, 0);
    EXPECT_EQ(Order(), (std::vector<HWND>{b}));
    PostBroadCastMessage(9, kPing, 0, 0);
    EXPECT_TRUE(g_received.empty());
    DestroyWindow(b);
    PostBroadCastMessage(-1, kPing, 0, 0);
    EXPECT_EQ(Order(), (std::vector<HWND>{a, c, d}));
}

// The first receiver changes the table: every entry of the table as the
// broadcast found it that is still there at its turn is sent to once.
TEST_F(Broadcast, FirstReceiverChangesTheTable) {
    HWND a = windows_[0], b = windows_[1], c = windows_[2], d = windows_[3];
    struct Case {
        const char *what;
        std::function<void(HWND)> act;
        std::vector<HWND> expected;
    };
    const Case cases[] = {
        {"removes itself", [](HWND self) { ResetBroadCastWindow(self); }, {a, b, c}},
        {"removes the next", [b](HWND) { ResetBroadCastWindow(b); }, {a, c}},
        {"adds a window", [d](HWND) { SetBroadCastWindow(d, 7); }, {a, b, c}},
    };
    for (const Case &k : cases) {
        Empty();
        for (HWND w : {a, b, c})
            SetBroadCastWindow(w, 7);
        g_onReceive = k.act;
        PostBroadCastMessage(7, kPing, 0, 0);
        EXPECT_EQ(Order(), k.expected) << k.what;
    }
}

// ----------------------------------------------------------------- printer
class Printer : public ::testing::Test {
protected:
    void SetUp() override {
        char saved[512] = {};
        hadEntry_ = GetProfileStringA("windows", "device", "\x01", saved, sizeof(saved)) > 0 &&
                    strcmp(saved, "\x01") != 0;
        saved_ = saved;
    }
    void TearDown() override {
        WriteProfileStringA("windows", "device", hadEntry_ ? saved_.c_str() : nullptr);
    }
    static std::string Name(BOOL *result) {
        std::vector<char> out(PRINTER_BUFFER + 8, '\x5A');
        *result = GetPrinterName(out.data());
        for (size_t i = PRINTER_BUFFER; i < out.size(); ++i)
            EXPECT_EQ(out[i], '\x5A');
        return out.data();
    }
    bool hadEntry_ = false;
    std::string saved_;
};

TEST_F(Printer, FirstFieldOfTheDeviceEntry) {
    struct {
        const char *entry;
        const char *name;
        BOOL result;
    } const cases[] = {
        {"Office Printer,DRV,LPT1:", "Office Printer", TRUE},
        {",,Lead,X", "Lead", TRUE},
        {"\x93\xFA\x96\x7B,winspool,Ne00:", "\x93\xFA\x96\x7B", TRUE},
        {"OnlyName", "OnlyName", TRUE},
        {",,,", "", FALSE},
    };
    for (const auto &c : cases) {
        ASSERT_TRUE(WriteProfileStringA("windows", "device", c.entry));
        BOOL result = -1;
        EXPECT_EQ(Name(&result), c.name) << c.entry;
        EXPECT_EQ(result, c.result) << c.entry;
    }
    const std::string longName(300, 'p');
    ASSERT_TRUE(WriteProfileStringA("windows", "device", (longName + ",DRV,LPT1:").c_str()));
    BOOL result = 0;
    EXPECT_EQ(Name(&result), longName.substr(0, PRINTER_BUFFER - 1));
    EXPECT_TRUE(result);
    WriteProfileStringA("windows", "device", nullptr);
    EXPECT_EQ(Name(&result), "");
    EXPECT_FALSE(result);
    EXPECT_FALSE(GetPrinterName(nullptr));
}

// ---------------------------------------------------------- input method
TEST(InputMethod, EnableStateIsKept) {
    HWND edit = CreateWindowA("EDIT", "", WS_POPUP, 0, 0, 50, 20, nullptr, nullptr, nullptr, nullptr);
    for (BOOL state : {FALSE, TRUE}) {
        WINNLSEnableIME(nullptr, state);
        const BOOL before = WINNLSGetEnableStatus(nullptr);  // Wine keeps it enabled
        FepControl(edit, TRUE);
        EXPECT_EQ(WINNLSGetEnableStatus(nullptr), before);
        FepControl(edit, FALSE);
        FEPWordRegisterd(edit);
        EXPECT_EQ(WINNLSGetEnableStatus(nullptr), before);
    }
    WINNLSEnableIME(nullptr, TRUE);
    FepControl(nullptr, TRUE);
    DestroyWindow(edit);
    FepControl(edit, TRUE);  // a destroyed window
    FEPWordRegisterd(edit);
}

// ---------------------------------------------------------------- cursor
// The arrow's pictures as bytes, to compare shapes.
std::vector<BYTE> Shape(HCURSOR cursor) {
    ICONINFO info = {};
    std::vector<BYTE> bytes;
    if (!GetIconInfo(cursor, &info))
        return bytes;
    for (HBITMAP bitmap : {info.hbmMask, info.hbmColor}) {
        if (!bitmap)
            continue;
        BITMAP bm = {};
        GetObjectA(bitmap, sizeof(bm), &bm);
        std::vector<BYTE> bits(static_cast<size_t>(bm.bmWidthBytes) * bm.bmHeight);
        GetBitmapBits(bitmap, static_cast<LONG>(bits.size()), bits.data());
        bytes.insert(bytes.end(), bits.begin(), bits.end());
        DeleteObject(bitmap);
    }
    bytes.push_back(static_cast<BYTE>(info.xHotspot));
    bytes.push_back(static_cast<BYTE>(info.yHotspot));
    return bytes;
}

HCURSOR Arrow() { return LoadCursorA(nullptr, IDC_ARROW); }

TEST(Cursor, ReplacedAndRestored) {
    const std::vector<BYTE> before = Shape(Arrow());
    ASSERT_FALSE(before.empty());
    HGLOBAL saved = reinterpret_cast<HGLOBAL>(1);
    InitSysCursor(&saved);
    ASSERT_NE(saved, nullptr);
    EXPECT_NE(GlobalSize(saved), 0u) << "a real global block";

    HCURSOR cross = LoadCursorA(nullptr, IDC_CROSS);
    const std::vector<BYTE> crossShape = Shape(cross);
    SetSysCursor(cross);
    const std::vector<BYTE> during = Shape(Arrow());
    EXPECT_TRUE(during == crossShape || during == before) << "the arrow is either replaced or, where the "
                                                              "system cannot replace it, unchanged";
    EXPECT_EQ(Shape(cross), crossShape) << "the given cursor is not touched";
    SetSysCursor(nullptr);
    EXPECT_EQ(Shape(Arrow()), during);

    TermSysCursor(&saved);
    EXPECT_EQ(saved, nullptr);
    EXPECT_EQ(Shape(Arrow()), before);
    TermSysCursor(&saved);
    TermSysCursor(nullptr);
    InitSysCursor(nullptr);
}

}  // namespace
