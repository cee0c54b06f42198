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
Step Expect(const char *text, DWORD callersDate) {
    return On([=](HWND d) {
        EXPECT_EQ(std::make_pair(rzt::ItemText(d, REZORE32_IDC_JUMP_EDIT), CallersDate(d)),
                  std::make_pair(std::string(text), callersDate));
    });
}
Step Spin(WPARAM key) {  // the spin's arrow keys step it, so it notifies the dialog
    return On([key](HWND d) { PostMessageA(GetDlgItem(d, REZORE32_IDC_JUMP_SPIN), WM_KEYDOWN, key, 0); });
}
// The validation message is checked and closed; then the focus is back in the edit box, the caller's value unchanged.
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

// Opened with the caller's date and owned by the calendar's parent; a month button keeps the caller's year (a typed
// one is replaced).  Invalid texts complain and keep the dialog open; OK takes day 1 of a valid one.
TEST_F(Jump, MonthButtonsValidationAndOk) {
    int boxes = 0;
    std::vector<Step> steps = {
        Expect("1996/03", Date(1996, 3, 15)), On([&](HWND d) {
            EXPECT_EQ(GetWindow(d, GW_OWNER), parent_.hwnd());
            EXPECT_EQ(SendMessageA(d, WM_COMMAND, REZORE32_IDC_JUMP_MONTH1 + 9, 0), 1);
            SetDlgItemTextA(d, REZORE32_IDC_JUMP_EDIT, "2001/03");
            SendMessageA(d, WM_COMMAND, REZORE32_IDC_JUMP_MONTH1 + 4, 0);
        }),
        Expect("1996/05", Date(1996, 5, 1))};
    const std::initializer_list<std::string> bad = {"1996/13", "1996/0", "0/05", "10000/01", "1996-03", "1996/", "",
                                                    "/03", std::string(300, '9') + "/01"};  // 15 characters read
    for (const std::string &text : bad)
        steps.insert(steps.end(), {Type(text), Click(IDOK), Complaint(&boxes, Date(1996, 5, 1))});
    steps.insert(steps.end(), {Type(" 2000/ 2x"), Click(IDOK)});  // as atoi reads it
    Run(steps);
    EXPECT_EQ(boxes, 9);
    EXPECT_EQ(date(), Date(2000, 2, 1));
    EXPECT_EQ(Calendar_DayCell(cal_, 2 + 28), 29) << "day table rebuilt: February 2000 has 29 days";
}

// While a jump dialog runs, a second one for the same calendar is refused, sent or posted by a title double click;
// one that opens anyway is counted and cancelled by a timer.
HWND g_outerJump;
int g_nestedJumps;
void CALLBACK CancelNestedJumps(HWND, UINT, UINT_PTR, DWORD) {
    for (HWND w = FindWindowA(REZORE32_JUMPCLASS, nullptr); w; w = FindWindowExA(nullptr, w, REZORE32_JUMPCLASS, 0))
        if (w != g_outerJump) {
            ++g_nestedJumps;
            rzt::PostClick(w, IDCANCEL);
        }
}

// The spin steps the year with wrap-around and writes the caller's value at once; Cancel leaves the calendar alone.
// Then a second jump while one runs.
TEST_F(Jump, SpinCancelAndSecondJump) {
    int boxes = 0;
    Run({Type("9999/12"), Spin(VK_UP), Expect("0001/12", Date(1, 12, 1)), Spin(VK_UP),
         Expect("0002/12", Date(2, 12, 1)), Type("0001/05"), Spin(VK_DOWN), Expect("9999/05", Date(9999, 5, 1)),
         Spin(VK_DOWN), Expect("9998/05", Date(9998, 5, 1)), Type("1996/13"), Spin(VK_UP),
         Complaint(&boxes, Date(9998, 5, 1)), Click(IDCANCEL)});
    EXPECT_EQ(boxes, 1);
    EXPECT_EQ(date(), Date(1996, 3, 15));
    g_nestedJumps = 0;
    Run({On([this](HWND d) {
             g_outerJump = d;
             const UINT_PTR timer = SetTimer(nullptr, 0, 50, CancelNestedJumps);
             EXPECT_EQ(SendMessageA(cal_, CLNDR_JUMPDIALOG, 0, 0), 0);
             for (UINT msg : {WM_LBUTTONDOWN, WM_LBUTTONDBLCLK})  // on the title
                 SendMessageA(cal_, msg, MK_LBUTTON, MAKELPARAM(105, 10));
             rzt::Pump(150);  // the posted jump of the double click
             KillTimer(nullptr, timer);
         }),
         Type("2001/02"), Click(IDOK)});
    EXPECT_EQ(g_nestedJumps, 0);
    EXPECT_EQ(date(), Date(2001, 2, 1));
    Run({Click(IDOK)});  // and it opens again once the first has closed
}

}  // namespace
