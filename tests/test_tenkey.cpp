// The ten-key pad: its toggle, the codes its buttons send, its close box.
#include <gtest/gtest.h>

#include "tests/support.h"

namespace {

using rzt::Pump;

class TenKey : public testing::Test {
protected:
    void TearDown() override {
        if (Pad())
            TenKeyPad(parent_);
        Pump();
    }
    static HWND Pad() { return FindWindowA(REZORE32_TENKEYCLASS, nullptr); }
    std::vector<rzt::Sent> Keys() const {
        std::vector<rzt::Sent> keys;
        for (const rzt::Sent &s : parent_.sent)
            if (s.msg == TENKEY_KEYPRESS)
                keys.push_back(s);
        return keys;
    }
    void ExpectOpenAndCentred() {
        HWND pad = Pad();
        ASSERT_NE(pad, nullptr);
        EXPECT_TRUE(IsWindowVisible(pad));
        EXPECT_EQ(GetWindow(pad, GW_OWNER), parent_.hwnd());
        RECT p, o;
        GetWindowRect(pad, &p);
        GetWindowRect(parent_, &o);
        EXPECT_LE(std::abs((p.left + p.right) - (o.left + o.right)), 1);
        EXPECT_LE(std::abs((p.top + p.bottom) - (o.top + o.bottom)), 1);
    }
    rzt::RecordingParent parent_{120, 100, 360, 280};
};

TEST_F(TenKey, TogglesOpenClosedOpen) {
    TenKeyPad(parent_);
    ExpectOpenAndCentred();
    HWND first = Pad();
    TenKeyPad(parent_);
    EXPECT_FALSE(IsWindow(first));
    EXPECT_EQ(Pad(), nullptr);
    TenKeyPad(parent_);
    ExpectOpenAndCentred();
}

TEST_F(TenKey, EachButtonSendsItsCharacterCode) {
    TenKeyPad(parent_);
    HWND pad = Pad();
    ASSERT_NE(pad, nullptr);
    const struct {
        const char *text;
        WPARAM code;
    } keys[] = {
        {"0", 48}, {"1", 49}, {"2", 50}, {"3", 51}, {"4", 52}, {"5", 53}, {"6", 54}, {"7", 55},
        {"8", 56}, {"9", 57}, {",", 44}, {".", 46}, {"C", 27}, {"\x81\xA9", 8},  // ←
    };
    for (const auto &k : keys) {
        SCOPED_TRACE(k.text);
        HWND button = GetDlgItem(pad, static_cast<int>(k.code));
        ASSERT_NE(button, nullptr);
        char text[8] = {};
        GetWindowTextA(button, text, sizeof(text));
        EXPECT_STREQ(text, k.text);
        parent_.sent.clear();
        SendMessageA(button, BM_CLICK, 0, 0);
        const std::vector<rzt::Sent> sent = Keys();
        ASSERT_EQ(sent.size(), 1u);
        EXPECT_EQ(sent[0].wParam, k.code);
        EXPECT_EQ(sent[0].lParam, 0);
    }
    parent_.sent.clear();
    for (int other : {IDOK, IDCANCEL, int('/'), int('-'), 100})
        SendMessageA(pad, WM_COMMAND, MAKEWPARAM(other, BN_CLICKED), 0);
    EXPECT_TRUE(Keys().empty());

    HDC dc = GetDC(pad);
    const LRESULT brush = SendMessageA(pad, WM_CTLCOLORBTN, (WPARAM)dc, (LPARAM)GetDlgItem(pad, 48));
    EXPECT_EQ(GetBkColor(dc), GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(reinterpret_cast<HBRUSH>(brush),
              rzt::Win95Mode() ? Get3DFaceBrush() : static_cast<HBRUSH>(GetStockObject(LTGRAY_BRUSH)));
    ReleaseDC(pad, dc);
}

TEST_F(TenKey, ClosedBehindItsBackTheNextCallOpensANewPad) {
    const struct {
        const char *name;
        void (*close)(HWND pad, HWND owner);
    } ways[] = {
        {"system menu", [](HWND pad, HWND) { SendMessageA(pad, WM_SYSCOMMAND, SC_CLOSE, 0); }},
        {"DestroyWindow", [](HWND pad, HWND) { DestroyWindow(pad); }},
        {"with its owner", [](HWND, HWND owner) { DestroyWindow(owner); }},
    };
    for (const auto &way : ways) {
        SCOPED_TRACE(way.name);
        {
            rzt::RecordingParent owner(200, 200, 200, 200);
            TenKeyPad(owner);
            HWND pad = Pad();
            ASSERT_NE(pad, nullptr);
            way.close(pad, owner);
            Pump(20);
            EXPECT_FALSE(IsWindow(pad));
        }
        TenKeyPad(parent_);
        ExpectOpenAndCentred();
        TenKeyPad(parent_);
        EXPECT_EQ(Pad(), nullptr);
    }
}

}  // namespace
