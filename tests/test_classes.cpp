// The window classes as applications use them.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "tests/support.h"
// After the header: the generated lists use its types.
#include "robust_targets.h"

namespace {

// Every class of the header is global: an application creates it with its
// own instance handle, naming the class in any case (resource compilers
// may upper-case the names of a template's classes).
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
}

// The icon pane's class icon is the library's emblem (a pane without an
// icon of its own shows it).
TEST(Classes, IconDrawClassIconIsTheEmblem) {
    HMODULE dll = GetModuleHandleA("REZORE32.DLL");
    WNDCLASSA wc = {};
    ASSERT_TRUE(GetClassInfoA(dll, REZORE32_ICONDRAWCLASS, &wc));
    EXPECT_EQ(wc.hIcon, LoadIconA(dll, MAKEINTRESOURCEA(REZORE32_IDI_EMBLEM)));
}

}  // namespace
