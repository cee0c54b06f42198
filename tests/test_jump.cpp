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
Step Expect(std::string text, DWORD date) {
    return On([=](HWND d) {
        EXPECT_EQ(std::make_pair(rzt::ItemText(d, REZORE32_IDC_JUMP_EDIT), CallersDate(d)), std::make_pair(text, date));
    });
}

Step Spin(WPARAM key) {  // the spin's arrow keys step it, so it notifies the dialog
    return On([key](HWND d) { PostMessageA(GetDlgItem(d, REZORE32_IDC_JUMP_SPIN), WM_KEYDOWN, key, 0); });
}

// The validation message is checked and closed; then the focus is back in the edit box, the caller's value unchanged.
Step Complaint(DWORD value) {
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
        return true;
    };
}

// While a jump runs, one that opens anyway for the same calendar is counted and cancelled.
HWND g_outerJump;
int g_nestedJumps;
void CALLBACK CancelNestedJumps(HWND, UINT, UINT_PTR, DWORD) {
    for (HWND w = FindWindowA(REZORE32_JUMPCLASS, nullptr); w; w = FindWindowExA(nullptr, w, REZORE32_JUMPCLASS, 0))
        if (w != g_outerJump) {
            ++g_nestedJumps;
            rzt::PostClick(w, IDCANCEL);
        }
}

// Spin, Cancel, month buttons, validation and OK, and a second jump while one runs, all on one calendar.
TEST(Jump, FromACalendar) {
    rzt::RecordingParent parent(60, 60, 300, 240);
    HWND cal = CreateWindowExA(0, REZORE32_CALENDARCLASS, "19960315", WS_CHILD | WS_VISIBLE, 10, 10, 210, 160, parent,
                               reinterpret_cast<HMENU>(5), nullptr, nullptr);
    // Runs the jump and returns the calendar's date; the script must end with the dialog, cancelled if it outlives it.
    auto run = [cal](std::vector<Step> steps) {
        EXPECT_TRUE(rzt::RunScript(std::move(steps), [cal] {
            const UINT_PTR guard = SetTimer(nullptr, 0, 21000, CancelJump);  // the script gives up after 20 s
            EXPECT_EQ(SendMessageA(cal, CLNDR_JUMPDIALOG, 0, 0), 0);
            KillTimer(nullptr, guard);
        })) << "the dialog closed before the script ended";
        EXPECT_EQ(Dialog(), nullptr);
        return static_cast<DWORD>(SendMessageA(cal, CLNDR_GETDATE, 0, 0));
    };
    // The spin steps the year with wrap-around and writes the caller's value at once; Cancel leaves the date alone.
    EXPECT_EQ(run({Type("9999/12"), Spin(VK_UP), Expect("0001/12", Date(1, 12, 1)), Spin(VK_UP),
                   Expect("0002/12", Date(2, 12, 1)), Type("0001/05"), Spin(VK_DOWN),
                   Expect("9999/05", Date(9999, 5, 1)), Spin(VK_DOWN), Expect("9998/05", Date(9998, 5, 1)),
                   Type("1996/13"), Spin(VK_UP), Complaint(Date(9998, 5, 1)), Click(IDCANCEL)}),
              Date(1996, 3, 15));
    // Opened on the caller's date, owned by its parent; a month button keeps the caller's year; bad texts complain.
    std::vector<Step> steps = {
        Expect("1996/03", Date(1996, 3, 15)), On([&](HWND d) {
            EXPECT_EQ(GetWindow(d, GW_OWNER), parent.hwnd());
            EXPECT_EQ(SendMessageA(d, WM_COMMAND, REZORE32_IDC_JUMP_MONTH1 + 9, 0), 1);
            SetDlgItemTextA(d, REZORE32_IDC_JUMP_EDIT, "2001/03");
            SendMessageA(d, WM_COMMAND, REZORE32_IDC_JUMP_MONTH1 + 4, 0);
        }),
        Expect("1996/05", Date(1996, 5, 1))};
    const std::initializer_list<std::string> bad = {"1996/13", "1996/0", "0/05", "10000/01", "1996-03", "1996/", "",
                                                    "/03", std::string(300, '9') + "/01"};  // 15 characters read
    for (const std::string &text : bad)
        steps.insert(steps.end(), {Type(text), Click(IDOK), Complaint(Date(1996, 5, 1))});
    steps.insert(steps.end(), {Type(" 2000/ 2x"), Click(IDOK)});  // as atoi reads it
    EXPECT_EQ(run(steps), Date(2000, 2, 1));
    // A second jump, sent or posted by a title double click, is refused while one runs, and opens once it has closed.
    EXPECT_EQ(run({On([cal](HWND d) {
                       g_outerJump = d;
                       const UINT_PTR timer = SetTimer(nullptr, 0, 50, CancelNestedJumps);
                       EXPECT_EQ(SendMessageA(cal, CLNDR_JUMPDIALOG, 0, 0), 0);
                       for (UINT msg : {WM_LBUTTONDOWN, WM_LBUTTONDBLCLK})
                           SendMessageA(cal, msg, MK_LBUTTON, MAKELPARAM(105, 10));
                       rzt::Pump(150);  // the posted jump of the double click
                       KillTimer(nullptr, timer);
                   }),
                   Type("2001/02"), Click(IDOK)}),
              Date(2001, 2, 1));
    EXPECT_EQ(g_nestedJumps, 0);
    run({Click(IDOK)});
}

}  // namespace
