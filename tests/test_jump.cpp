// The year-and-month jump dialog, run from a calendar and driven by a script of steps inside its modal loop.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "tests/dialog_driver.h"

namespace {

using rzt::Step;

DWORD Date(int y, int m, int d) { return CLNDR_PACKDATE(y, m, d); }
HWND Dialog() { return FindWindowA(REZORE32_JUMPCLASS, nullptr); }
std::string Edit(HWND d) { return rzt::ItemText(d, REZORE32_IDC_JUMP_EDIT); }
DWORD CallersDate(HWND d) { return *reinterpret_cast<const DWORD *>(GetWindowLongPtrA(d, DLGWINDOWEXTRA)); }
void CALLBACK CancelJump(HWND, UINT, UINT_PTR, DWORD) { rzt::PostClick(Dialog(), IDCANCEL); }

// Steps that act once the dialog is open.
Step On(std::function<void(HWND)> act) {
    return [act] {
        HWND d = Dialog();
        if (d)
            act(d);
        return d != nullptr;
    };
}
Step Type(std::string text) { return On([text](HWND d) { SetDlgItemTextA(d, REZORE32_IDC_JUMP_EDIT, text.c_str()); }); }
Step Click(int id) { return On([id](HWND d) { rzt::PostClick(d, id); }); }
Step Expect(const char *text, DWORD value) {
    return On([=](HWND d) {
        EXPECT_EQ(Edit(d), text);
        EXPECT_EQ(CallersDate(d), value) << text;
    });
}
// The spin's arrow keys step it, so it notifies the dialog.
Step Spin(WPARAM key) {
    return On([key](HWND d) { PostMessageA(GetDlgItem(d, REZORE32_IDC_JUMP_SPIN), WM_KEYDOWN, key, 0); });
}
// The validation message is checked and closed; then the focus is back in the edit box and the caller's value is
// still `value`.
Step Complaint(int *seen, DWORD value) {
    auto closed = std::make_shared<bool>(false);
    return [=] {
        HWND box = Dialog() ? rzt::FindMessageBox(Dialog()) : nullptr;
        if (!*closed && box) {
            EXPECT_EQ(rzt::ItemText(box, 0xFFFF),  // 正しい年月を入力して下さい
                      "\x90\xB3\x82\xB5\x82\xA2\x94\x4E\x8C\x8E\x82\xF0\x93\xFC"
                      "\x97\xCD\x82\xB5\x82\xC4\x89\xBA\x82\xB3\x82\xA2");
            PostMessageA(box, WM_COMMAND, IDOK, 0);
            *closed = true;
        }
        if (!*closed || box)
            return false;
        EXPECT_EQ(GetFocus(), GetDlgItem(Dialog(), REZORE32_IDC_JUMP_EDIT));
        EXPECT_EQ(CallersDate(Dialog()), value) << "nothing written";
        ++*seen;
        return true;
    };
}

class Jump : public ::testing::Test {
protected:
    void SetUp() override {
        cal_ = CreateWindowExA(0, REZORE32_CALENDARCLASS, "19960315", WS_CHILD | WS_VISIBLE, 10, 10, 210, 160,
                               parent_, reinterpret_cast<HMENU>(5), nullptr, nullptr);
    }
    void TearDown() override { DestroyWindow(cal_); }
    // Runs the jump from the calendar; the script must end with the dialog, which is cancelled if it outlives it.
    void Run(std::vector<Step> steps) {
        const bool done = rzt::RunScript(std::move(steps), [this] {
            const UINT_PTR guard = SetTimer(nullptr, 0, 21000, CancelJump);  // the script gives up after 20 s
            EXPECT_EQ(SendMessageA(cal_, CLNDR_JUMPDIALOG, 0, 0), 0);
            KillTimer(nullptr, guard);
        });
        EXPECT_TRUE(done) << "the dialog closed before the script ended";
        EXPECT_EQ(Dialog(), nullptr);
    }
    DWORD date() const { return static_cast<DWORD>(SendMessageA(cal_, CLNDR_GETDATE, 0, 0)); }

    rzt::RecordingParent parent_{60, 60, 300, 240};
    HWND cal_ = nullptr;
};

// Opened on 15 March 1996: centred on the calendar's parent, its texts, and month buttons that keep the caller's
// year; OK takes day 1.
TEST_F(Jump, OpensWithItsTextsMonthButtonsAndOk) {
    Run({On([&](HWND d) {
             EXPECT_EQ(Edit(d) + " " + std::to_string(CallersDate(d)), "1996/03 " + std::to_string(Date(1996, 3, 15)));
             EXPECT_EQ(GetWindow(d, GW_OWNER), parent_.hwnd());
             char caption[64] = {};
             GetWindowTextA(d, caption, sizeof(caption));
             // 指定年月への移動
             EXPECT_STREQ(caption, "\x8E\x77\x92\xE8\x94\x4E\x8C\x8E\x82\xD6\x82\xCC\x88\xDA\x93\xAE");
             EXPECT_EQ(rzt::ItemText(d, REZORE32_IDC_JUMP_MONTH1 + 9), "10\x8C\x8E(&A)");  // 10月(&A)
             EXPECT_EQ(rzt::ItemText(d, IDCANCEL), "\xB7\xAC\xDD\xBE\xD9");                  // ｷｬﾝｾﾙ
             EXPECT_EQ(SendMessageA(d, WM_COMMAND, REZORE32_IDC_JUMP_MONTH1 + 9, 0), 1);
             SetDlgItemTextA(d, REZORE32_IDC_JUMP_EDIT, "2001/03");
             SendMessageA(d, WM_COMMAND, REZORE32_IDC_JUMP_MONTH1 + 4, 0);  // the typed year is replaced
         }),
         Expect("1996/05", Date(1996, 5, 1)), Click(IDOK)});
    EXPECT_EQ(date(), Date(1996, 5, 1));
}

TEST_F(Jump, ValidationKeepsTheDialogOpen) {
    int boxes = 0;
    std::vector<Step> steps;
    const std::vector<std::string> bad = {"1996/13", "1996/0", "0/05", "10000/01", "1996-03", "1996/", "", "/03",
                                          std::string(300, '9') + "/01"};  // only 15 characters are read
    for (const std::string &text : bad)
        steps.insert(steps.end(), {Type(text), Click(IDOK), Complaint(&boxes, Date(1996, 3, 15))});
    steps.insert(steps.end(), {Type(" 2000/ 2x"), Click(IDOK)});  // as atoi reads it
    Run(steps);
    EXPECT_EQ(boxes, 9);
    EXPECT_EQ(date(), Date(2000, 2, 1));
    EXPECT_EQ(GetWindowWord(cal_, 28 + 2 * (2 + 28)), 29) << "day table rebuilt: February 2000 has 29 days";
    // The address is kept only while the dialog runs.
    HWND stray = CreateWindowExA(0, REZORE32_JUMPCLASS, "", WS_POPUP, 0, 0, 9, 9, nullptr, nullptr, nullptr, nullptr);
    EXPECT_EQ(GetWindowLongPtrA(stray, DLGWINDOWEXTRA), 0);
    rzt::Pump(50);  // its init message finds nothing to read
    DestroyWindow(stray);
}

// The spin steps the year with wrap-around and writes the caller's value at once; an invalid text complains; Cancel
// leaves the calendar alone.
TEST_F(Jump, SpinStepsTheYearCancelKeepsTheDate) {
    int boxes = 0;
    Run({Type("9999/12"), Spin(VK_UP), Expect("0001/12", Date(1, 12, 1)), Spin(VK_UP),
         Expect("0002/12", Date(2, 12, 1)), Type("0001/05"), Spin(VK_DOWN), Expect("9999/05", Date(9999, 5, 1)),
         Spin(VK_DOWN), Expect("9998/05", Date(9998, 5, 1)), Type("1996/13"), Spin(VK_UP),
         Complaint(&boxes, Date(9998, 5, 1)), Click(IDCANCEL)});
    EXPECT_EQ(boxes, 1);
    EXPECT_EQ(date(), Date(1996, 3, 15));
}

// While a jump dialog runs, a second one for the same calendar is refused,
// sent or posted by a title double click; one that opens anyway is counted
// and cancelled by a timer.
HWND g_outerJump;
int g_nestedJumps;
void CALLBACK CancelNestedJumps(HWND, UINT, UINT_PTR, DWORD) {
    HWND nested = nullptr;
    for (HWND w = FindWindowA(REZORE32_JUMPCLASS, nullptr); w; w = FindWindowExA(nullptr, w, REZORE32_JUMPCLASS, nullptr))
        if (w != g_outerJump)
            nested = w;
    if (nested) {
        ++g_nestedJumps;
        rzt::PostClick(nested, IDCANCEL);
    }
}

TEST_F(Jump, SecondJumpWhileOpenIsRefused) {
    g_nestedJumps = 0;
    Run({On([this](HWND d) {
             g_outerJump = d;
             const UINT_PTR timer = SetTimer(nullptr, 0, 50, CancelNestedJumps);
             EXPECT_EQ(SendMessageA(cal_, CLNDR_JUMPDIALOG, 0, 0), 0);
             RECT rc;
             GetClientRect(cal_, &rc);
             const LPARAM title = MAKELPARAM(rc.right / 2, 10);
             SendMessageA(cal_, WM_LBUTTONDOWN, MK_LBUTTON, title);
             SendMessageA(cal_, WM_LBUTTONDBLCLK, MK_LBUTTON, title);
             rzt::Pump(150);  // the posted jump of the double click
             KillTimer(nullptr, timer);
         }),
         Type("2001/02"), Click(IDOK)});
    EXPECT_EQ(g_nestedJumps, 0);
    EXPECT_EQ(date(), Date(2001, 2, 1));
    Run({Click(IDOK)});  // and it opens again once the first has closed
}

}  // namespace
