// The window classes as applications use them.
#include <gtest/gtest.h>

#include <algorithm>

#include "tests/support.h"
// After the header: the generated lists use its types.
#include "robust_targets.h"

namespace {

// Every class of the header is global: an application creates it with its own
// instance handle, naming it in any case (resource compilers may upper-case
// it).  The icon pane's class icon is the emblem a pane without one shows.
TEST(Classes, GlobalAndMatchedWithoutRegardToCase) {
    for (const char *name : kClassNames) {
        std::string upper = name;
        std::transform(upper.begin(), upper.end(), upper.begin(), ::toupper);
        for (const std::string &n : {std::string(name), upper}) {
            HWND hwnd = CreateWindowExA(0, n.c_str(), "", WS_POPUP, 0, 0, 20, 20, nullptr, nullptr,
                                        GetModuleHandleA(nullptr), nullptr);
            EXPECT_NE(hwnd, nullptr) << n;
            DestroyWindow(hwnd);
        }
    }
    HMODULE dll = GetModuleHandleA("REZORE32.DLL");
    WNDCLASSA wc = {};
    ASSERT_TRUE(GetClassInfoA(dll, REZORE32_ICONDRAWCLASS, &wc));
    EXPECT_EQ(wc.hIcon, LoadIconA(dll, MAKEINTRESOURCEA(REZORE32_IDI_EMBLEM)));
}

// A real double click (injected, so the class must ask for double clicks)
// reaches the parent as the control's forwarded message.
TEST(Classes, InjectedDoubleClicksReachTheParent) {
    const struct {
        const char *cls;
        UINT forwarded;
    } cases[] = {{REZORE32_TEXTCLASS, TEXT_LBUTTONDBLCLK},
                 {REZORE32_METERCLASS, METER_LBUTTONDBLCLK},
                 {REZORE32_INDICATORCLASS, IND_LBUTTONDBLCLK}};
    rzt::RecordingParent parent;
    SetForegroundWindow(parent);
    int x = 10;  // each control elsewhere, so no click pairs with the last one's
    for (const auto &c : cases) {
        HWND control = rzt::CreateChild(parent, c.cls, 0, x, 10, 60, 20);
        POINT at = {x + 20, 20};
        x += 70;
        ClientToScreen(parent, &at);
        rzt::MoveCursor(at);
        parent.sent.clear();
        for (DWORD flags : {MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP, MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP})
            rzt::Mouse(flags, {}, 40);
        rzt::Pump(100);
        EXPECT_TRUE(std::any_of(parent.sent.begin(), parent.sent.end(),
                                [&](const rzt::Sent &s) { return s.msg == c.forwarded; }))
            << c.cls;
        DestroyWindow(control);
    }
}

}  // namespace
