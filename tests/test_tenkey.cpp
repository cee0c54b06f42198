// The ten-key pad: its toggle, the codes its buttons send, its close box.
#include <gtest/gtest.h>
#include "tests/dialog_driver.h"

namespace {

class TenKey : public testing::Test {  // a pad left open goes with its owner
protected:
    static HWND Pad() { return FindWindowA(REZORE32_TENKEYCLASS, nullptr); }
    // Opens the pad over `parent` and checks it stands centred on it.
    static HWND OpenCentred(HWND parent) {
        TenKeyPad(parent);
        HWND pad = Pad();
        EXPECT_TRUE(pad && IsWindowVisible(pad) && GetWindow(pad, GW_OWNER) == parent && rzt::CentredOn(pad, parent));
        return pad;
    }
    rzt::RecordingParent parent_{120, 100, 360, 280};
};

// Each button shows its text and sends its code, other commands nothing; button colours; toggle and close.
TEST_F(TenKey, EachButtonSendsItsCharacterCodeAndThePadToggles) {
    HWND pad = OpenCentred(parent_);
    const std::pair<std::string, WPARAM> keys[] = {{"0", 48}, {"1", 49}, {"2", 50}, {"3", 51}, {"4", 52}, {"5", 53},
        {"6", 54}, {"7", 55}, {"8", 56}, {"9", 57}, {",", 44}, {".", 46}, {"C", 27}, {rzt::Ansi("←"), 8}};
    for (const auto &k : keys) {
        HWND button = GetDlgItem(pad, static_cast<int>(k.second));
        EXPECT_EQ(rzt::WindowText(button), k.first);
        parent_.sent.clear();
        SendMessageA(button, BM_CLICK, 0, 0);
        ASSERT_EQ(parent_.sent.size(), 1u) << k.first;
        EXPECT_EQ(parent_.sent[0], (rzt::Sent{TENKEY_KEYPRESS, k.second, 0, 0}));
    }
    parent_.sent.clear();
    for (int other : {IDOK, IDCANCEL, int('/'), int('-'), 100})
        SendMessageA(pad, WM_COMMAND, MAKEWPARAM(other, BN_CLICKED), 0);
    EXPECT_TRUE(parent_.sent.empty());
    rzt::Canvas canvas(4, 4, RGB(1, 2, 3));
    EXPECT_EQ(SendMessageA(pad, WM_CTLCOLORBTN, (WPARAM)canvas.dc(), (LPARAM)GetDlgItem(pad, 48)),
              LRESULT(rzt::Win95Mode() ? Get3DFaceBrush() : GetStockObject(LTGRAY_BRUSH)));
    EXPECT_EQ(GetBkColor(canvas.dc()), GetSysColor(COLOR_BTNFACE));
    TenKeyPad(parent_);  // toggles it closed; closed behind its back, the next call opens a new pad
    void (*const ways[])(HWND pad, HWND owner) = {
        [](HWND, HWND owner) { TenKeyPad(owner); },
        [](HWND pad, HWND) { SendMessageA(pad, WM_SYSCOMMAND, SC_CLOSE, 0); },
        [](HWND, HWND owner) { DestroyWindow(owner); },
    };
    for (auto close : ways) {
        rzt::RecordingParent owner(200, 200, 200, 200);
        HWND second = OpenCentred(owner);
        close(second, owner);
        rzt::Pump(20);
        EXPECT_TRUE(!IsWindow(second) && Pad() == nullptr);
        OpenCentred(parent_);
        TenKeyPad(parent_);
        EXPECT_EQ(Pad(), nullptr);
    }
}

}  // namespace
