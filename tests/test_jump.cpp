// The year-and-month jump dialog, run from a calendar and driven from a
// thread timer that fires inside its modal loop.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "tests/support.h"

namespace {

using rzt::Pump;

DWORD Date(int y, int m, int d) { return CLNDR_PACKDATE(y, m, d); }

// 年月指定 / 正しい年月を入力して下さい
const char kBoxCaption[] = "\x94\x4E\x8C\x8E\x8E\x77\x92\xE8";
const char kBoxText[] =
    "\x90\xB3\x82\xB5\x82\xA2\x94\x4E\x8C\x8E\x82\xF0\x93\xFC\x97\xCD\x82\xB5\x82\xC4\x89\xBA\x82\xB3\x82\xA2";

// Steps run one per timer tick while a modal loop runs; each gets the jump
// dialog (or NULL) and returns false to be tried again on the next tick.
class Script {
public:
    using Step = std::function<bool(HWND dialog)>;
    explicit Script(std::vector<Step> steps) : steps_(std::move(steps)) {
        current_ = this;
        timer_ = SetTimer(nullptr, 0, 25, Tick);
    }
    ~Script() {
        KillTimer(nullptr, timer_);
        current_ = nullptr;
    }
    bool done() const { return next_ == steps_.size(); }

private:
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
        Script *s = current_;
        if (!s || s->busy_ || s->done())
            return;
        s->busy_ = true;  // a step may run a modal loop of its own
        HWND dialog = FindWindowA(REZORE32_JUMPCLASS, nullptr);
        if (s->steps_[s->next_](dialog))
            ++s->next_;
        s->busy_ = false;
    }
    static Script *current_;
    std::vector<Step> steps_;
    size_t next_ = 0;
    bool busy_ = false;
    UINT_PTR timer_;
};
Script *Script::current_ = nullptr;

HWND Item(HWND dialog, int id) { return GetDlgItem(dialog, id); }

std::string EditText(HWND dialog) {
    char text[64] = {};
    GetWindowTextA(Item(dialog, REZORE32_IDC_JUMP_EDIT), text, sizeof(text));
    return text;
}

// The caller's date, through the address the dialog keeps.
DWORD CallerValue(HWND dialog) {
    return *reinterpret_cast<const DWORD *>(GetWindowLongPtrA(dialog, DLGWINDOWEXTRA));
}

void Press(HWND dialog, int id) { SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), (LPARAM)Item(dialog, id)); }

// Steps that write the edit box, press a button and expect nothing else.
Script::Step Type(std::string text) {
    return [text](HWND d) {
        if (!d)
            return false;
        SetWindowTextA(Item(d, REZORE32_IDC_JUMP_EDIT), text.c_str());
        return true;
    };
}
Script::Step Click(int id) {
    return [id](HWND d) {
        if (!d)
            return false;
        PostMessageA(d, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), (LPARAM)Item(d, id));
        return true;
    };
}
Script::Step Check(std::function<void(HWND)> check) {
    return [check](HWND d) {
        if (!d)
            return false;
        check(d);
        return true;
    };
}
// The validation message: its text is checked and it is closed.
Script::Step ExpectMessageBox(int *seen) {
    return [seen](HWND) {
        HWND box = FindWindowA("#32770", kBoxCaption);
        if (!box)
            return false;
        char text[128] = {};
        GetDlgItemTextA(box, 0xFFFF, text, sizeof(text));
        EXPECT_STREQ(text, kBoxText);
        EXPECT_NE(GetWindow(box, GW_OWNER), nullptr);
        ++*seen;
        PostMessageA(box, WM_COMMAND, IDOK, 0);
        return true;
    };
}
// The spin's keys step it, and so notify the dialog.  Posted, so that a
// message box it may bring runs in the dialog's loop, not in this step.
Script::Step Spin(WPARAM key) {
    return [key](HWND d) {
        if (!d)
            return false;
        PostMessageA(Item(d, REZORE32_IDC_JUMP_SPIN), WM_KEYDOWN, key, 0);
        return true;
    };
}

class Jump : public ::testing::Test {
protected:
    void SetUp() override {
        cal_ = CreateWindowExA(0, REZORE32_CALENDARCLASS, "19960315", WS_CHILD | WS_VISIBLE, 10, 10, 210, 160,
                               parent_, reinterpret_cast<HMENU>(5), GetModuleHandleA(nullptr), nullptr);
        Pump();
    }
    void TearDown() override { DestroyWindow(cal_); }
    // Runs the jump from the calendar with the script; the script must end.
    void Run(std::vector<Script::Step> steps) {
        Script script(std::move(steps));
        EXPECT_EQ(SendMessageA(cal_, CLNDR_JUMPDIALOG, 0, 0), 0);
        EXPECT_TRUE(script.done()) << "the dialog closed before the script ended";
        EXPECT_EQ(FindWindowA(REZORE32_JUMPCLASS, nullptr), nullptr);
    }
    DWORD date() const { return static_cast<DWORD>(SendMessageA(cal_, CLNDR_GETDATE, 0, 0)); }

    rzt::RecordingParent parent_{60, 60, 300, 240};
    HWND cal_ = nullptr;
};

TEST_F(Jump, OpensCentredOnTheOwnerAndOkTakesDayOne) {
    Run({Check([&](HWND d) {
             EXPECT_EQ(EditText(d), "1996/03");
             EXPECT_EQ(GetWindow(d, GW_OWNER), parent_.hwnd()) << "owned by the calendar's parent";
             RECT dr, pr;
             GetWindowRect(d, &dr);
             GetWindowRect(parent_, &pr);
             EXPECT_LE(std::abs((dr.left + dr.right) - (pr.left + pr.right)), 1);
             EXPECT_LE(std::abs((dr.top + dr.bottom) - (pr.top + pr.bottom)), 1);
             EXPECT_EQ(CallerValue(d), Date(1996, 3, 15));
             EXPECT_EQ(SendMessageA(Item(d, REZORE32_IDC_JUMP_SPIN), SPIN_GETRANGE, 0, 0), 0x00010000);
             EXPECT_EQ(SendMessageA(Item(d, REZORE32_IDC_JUMP_SPIN), SPIN_GETPOS, 0, 0), 0);
             char caption[64] = {};
             GetWindowTextA(d, caption, sizeof(caption));
             EXPECT_STREQ(caption, "\x8E\x77\x92\xE8\x94\x4E\x8C\x8E\x82\xD6\x82\xCC\x88\xDA\x93\xAE");
             // Colour answers: transparent text on the face brush of the platform.
             HDC dc = GetDC(d);
             const LRESULT brush = SendMessageA(d, WM_CTLCOLORSTATIC, (WPARAM)dc, (LPARAM)Item(d, -1));
             EXPECT_EQ(GetBkMode(dc), TRANSPARENT);
             EXPECT_EQ(reinterpret_cast<HBRUSH>(brush),
                       rzt::Win95Mode() ? Get3DFaceBrush() : static_cast<HBRUSH>(GetStockObject(LTGRAY_BRUSH)));
             ReleaseDC(d, dc);
         }),
         Click(IDOK)});
    EXPECT_EQ(date(), Date(1996, 3, 1));
}

TEST_F(Jump, ValidationKeepsTheDialogOpen) {
    int boxes = 0;
    std::vector<Script::Step> steps;
    for (const char *bad : {"1996/13", "0/05", "10000/01", "1996-03", "1996/", "", "/03", "abcd/ef"}) {
        steps.push_back(Type(bad));
        steps.push_back(Click(IDOK));
        steps.push_back(ExpectMessageBox(&boxes));
        steps.push_back(Check([](HWND d) {
            EXPECT_EQ(GetFocus(), Item(d, REZORE32_IDC_JUMP_EDIT)) << "the focus is back in the edit box";
            EXPECT_EQ(CallerValue(d), Date(1996, 3, 15)) << "nothing written";
        }));
    }
    steps.push_back(Type(std::string(300, '9') + "/01"));  // any length: only 15 characters are read
    steps.push_back(Click(IDOK));
    steps.push_back(ExpectMessageBox(&boxes));
    steps.push_back(Type(" 1996/ 3x"));  // as atoi reads it
    steps.push_back(Click(IDOK));
    Run(steps);
    EXPECT_EQ(boxes, 9);
    EXPECT_EQ(date(), Date(1996, 3, 1));
    EXPECT_EQ(GetWindowWord(cal_, 28 + 2 * 5), 1) << "day table rebuilt";
}

TEST_F(Jump, ShortTextIsAccepted) {
    Run({Type("2000/2"), Click(IDOK)});
    EXPECT_EQ(date(), Date(2000, 2, 1));
    EXPECT_EQ(GetWindowWord(cal_, 28 + 2 * (2 + 28)), 29) << "February 2000 has 29 days";
}

TEST_F(Jump, SpinStepsTheYearWithWrapAround) {
    Run({Type("9999/12"), Spin(VK_UP), Check([](HWND d) {
             EXPECT_EQ(EditText(d), "0001/12");
             EXPECT_EQ(CallerValue(d), Date(1, 12, 1));
         }),
         Spin(VK_UP), Check([](HWND d) { EXPECT_EQ(EditText(d), "0002/12"); }), Type("0001/05"), Spin(VK_DOWN),
         Check([](HWND d) {
             EXPECT_EQ(EditText(d), "9999/05");
             EXPECT_EQ(CallerValue(d), Date(9999, 5, 1));
         }),
         Spin(VK_DOWN), Check([](HWND d) { EXPECT_EQ(EditText(d), "9998/05"); }), Click(IDOK)});
    EXPECT_EQ(date(), Date(9998, 5, 1));
}

TEST_F(Jump, SpinWithAnInvalidTextComplains) {
    int boxes = 0;
    Run({Type("1996/13"), Spin(VK_UP), ExpectMessageBox(&boxes),
         Check([](HWND d) { EXPECT_EQ(EditText(d), "1996/13"); }), Click(IDCANCEL)});
    EXPECT_EQ(boxes, 1);
    EXPECT_EQ(date(), Date(1996, 3, 15));
}

TEST_F(Jump, MonthButtonsUseTheCallersYear) {
    Run({Check([](HWND d) {
             Press(d, REZORE32_IDC_JUMP_MONTH1 + 9);  // 10月(&A)
             EXPECT_EQ(EditText(d), "1996/10");
             EXPECT_EQ(CallerValue(d), Date(1996, 10, 1));
             EXPECT_NE(FindWindowA(REZORE32_JUMPCLASS, nullptr), nullptr) << "stays open";
             EXPECT_EQ(SendMessageA(d, WM_COMMAND, MAKEWPARAM(REZORE32_IDC_JUMP_MONTH1, BN_CLICKED), 0), 1);
             EXPECT_EQ(EditText(d), "1996/01");
             SetWindowTextA(Item(d, REZORE32_IDC_JUMP_EDIT), "2001/03");
             Press(d, REZORE32_IDC_JUMP_MONTH1 + 4);  // 5月(&5): the typed year is replaced
             EXPECT_EQ(EditText(d), "1996/05");
         }),
         Click(IDOK)});
    EXPECT_EQ(date(), Date(1996, 5, 1));
}

TEST_F(Jump, CancelChangesNothingForTheCalendar) {
    DWORD stepped = 0;
    Run({Spin(VK_UP), Check([&](HWND d) { stepped = CallerValue(d); }), Click(IDCANCEL)});
    EXPECT_EQ(stepped, Date(1997, 3, 1)) << "the value behind the address was already written";
    EXPECT_EQ(date(), Date(1996, 3, 15));
    // Escape is Cancel too.
    Run({Check([](HWND d) { PostMessageA(d, WM_COMMAND, IDCANCEL, 0); })});
    EXPECT_EQ(date(), Date(1996, 3, 15));
}

TEST_F(Jump, AddressIsKeptOnlyWhileTheDialogRuns) {
    Run({Click(IDCANCEL)});
    // A window of the dialog class made afterwards finds no address.
    HWND stray = CreateWindowExA(0, REZORE32_JUMPCLASS, "", WS_POPUP, 0, 0, 100, 50, nullptr, nullptr,
                                 GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(stray, nullptr);
    EXPECT_EQ(GetWindowLongPtrA(stray, DLGWINDOWEXTRA), 0);
    Pump(50);  // its init message finds nothing to read
    DestroyWindow(stray);
}

TEST_F(Jump, OpenedFromTheTitle) {
    // A double click on the title posts the jump; it opens once the click has returned.
    SetFocus(cal_);
    RECT rc;
    GetClientRect(cal_, &rc);
    const LPARAM title = MAKELPARAM(rc.right / 2, 10);
    SendMessageA(cal_, WM_LBUTTONDOWN, MK_LBUTTON, title);
    SendMessageA(cal_, WM_LBUTTONDBLCLK, MK_LBUTTON, title);
    EXPECT_EQ(FindWindowA(REZORE32_JUMPCLASS, nullptr), nullptr);
    Script script({Type("2024/07"), Click(IDOK)});
    Pump(1500);
    EXPECT_TRUE(script.done());
    EXPECT_EQ(date(), Date(2024, 7, 1));
}

// While a jump dialog runs, a second one for the same calendar is refused;
// one that opens anyway is counted and cancelled by a timer.
HWND g_outerJump;
int g_nestedJumps;

BOOL CALLBACK CancelNestedJump(HWND w, LPARAM) {
    char cls[32] = {};
    GetClassNameA(w, cls, sizeof(cls));
    if (w != g_outerJump && strcmp(cls, REZORE32_JUMPCLASS) == 0) {
        ++g_nestedJumps;
        PostMessageA(w, WM_COMMAND, IDCANCEL, 0);
    }
    return TRUE;
}

VOID CALLBACK CancelNestedJumps(HWND, UINT, UINT_PTR, DWORD) {
    EnumThreadWindows(GetCurrentThreadId(), CancelNestedJump, 0);
}

TEST_F(Jump, SecondJumpWhileOpenIsRefused) {
    g_nestedJumps = 0;
    Run({Check([this](HWND d) {
             g_outerJump = d;
             const UINT_PTR timer = SetTimer(nullptr, 0, 50, CancelNestedJumps);
             EXPECT_EQ(SendMessageA(cal_, CLNDR_JUMPDIALOG, 0, 0), 0);
             RECT rc;
             GetClientRect(cal_, &rc);
             const LPARAM title = MAKELPARAM(rc.right / 2, 10);
             SendMessageA(cal_, WM_LBUTTONDOWN, MK_LBUTTON, title);
             SendMessageA(cal_, WM_LBUTTONDBLCLK, MK_LBUTTON, title);
             Pump(150);  // the posted jump of the double click
             KillTimer(nullptr, timer);
         }),
         Type("2001/02"), Click(IDOK)});
    EXPECT_EQ(g_nestedJumps, 0);
    EXPECT_EQ(date(), Date(2001, 2, 1));
    Run({Click(IDOK)});  // and it opens again once the first has closed
}

// Template 4000 as the 32-bit DLL carries it.
using rzt::Template;

TEST(JumpTemplate, MatchesTheTable) {
    char exe[MAX_PATH];
    GetModuleFileNameA(nullptr, exe, MAX_PATH);
    *strrchr(exe, '\\') = 0;
    const std::string dll = std::string(exe) + "\\..\\..\\x86\\bin\\REZORE32.DLL";
    HMODULE module = LoadLibraryExA(dll.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(module, nullptr);
    HRSRC res = FindResourceExA(module, reinterpret_cast<LPCSTR>(RT_DIALOG), MAKEINTRESOURCEA(4000), 0x411);
    ASSERT_NE(res, nullptr);
    Template t(static_cast<const BYTE *>(LockResource(LoadResource(module, res))));
    EXPECT_EQ(t.Dword(), 0x90C800C0u);
    EXPECT_EQ(t.Dword(), 0u);
    const WORD count = t.Word();
    EXPECT_EQ(t.Short(), 0);
    EXPECT_EQ(t.Short(), 0);
    EXPECT_EQ(t.Short(), 160);
    EXPECT_EQ(t.Short(), 60);
    EXPECT_EQ(t.Text(), "");  // no menu
    EXPECT_EQ(t.Text(), "NbClndrJump!+");
    EXPECT_EQ(t.Text(), "\x8E\x77\x92\xE8\x94\x4E\x8C\x8E\x82\xD6\x82\xCC\x88\xDA\x93\xAE");  // 指定年月への移動
    EXPECT_EQ(t.Word(), 10);
    EXPECT_EQ(t.Text(), "system");

    struct Row {
        int id;
        std::string cls;
        DWORD style;
        int x, y, cx, cy;
        std::string text;
    };
    const DWORD child = WS_CHILD | WS_VISIBLE, button = child | WS_TABSTOP | BS_PUSHBUTTON;
    std::vector<Row> rows = {
        {-1, "Static", child | WS_GROUP | SS_LEFT, 4, 6, 44, 8, "\x88\xDA\x93\xAE\x94\x4E\x8C\x8E(&Y):"},
        {4001, "Edit", child | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, 52, 4, 44, 12, ""},
        {4002, "NbSpin!+", child | WS_CLIPSIBLINGS | WS_BORDER | WS_TABSTOP, 104, 4, 8, 12, ""},
    };
    const char *const accel = "123456789ABC";
    for (int m = 1; m <= 12; ++m)
        rows.push_back({4010 + m, "Button", button, 4 + 28 * ((m - 1) % 4), 20 + 12 * ((m - 1) / 4), 28, 12,
                        std::to_string(m) + "\x8C\x8E(&" + accel[m - 1] + ")"});
    rows.push_back({IDOK, "Button", button, 124, 4, 32, 12, "OK"});
    rows.push_back({IDCANCEL, "Button", button, 124, 20, 32, 12, "\xB7\xAC\xDD\xBE\xD9"});  // ｷｬﾝｾﾙ
    rows.push_back({-1, "NbBorder!+", child, 120, 4, 6, 52, ""});
    ASSERT_EQ(count, rows.size());
    for (const Row &r : rows) {
        t.Align();
        EXPECT_EQ(t.Dword(), r.style) << r.id;
        EXPECT_EQ(t.Dword(), 0u);
        EXPECT_EQ(t.Short(), r.x) << r.id;
        EXPECT_EQ(t.Short(), r.y) << r.id;
        EXPECT_EQ(t.Short(), r.cx) << r.id;
        EXPECT_EQ(t.Short(), r.cy) << r.id;
        EXPECT_EQ(t.Short(), static_cast<short>(r.id));
        EXPECT_EQ(t.Text(), r.cls) << r.id;
        EXPECT_EQ(t.Text(), r.text) << r.id;
        EXPECT_EQ(t.Word(), 0) << "no creation data";
    }
    FreeLibrary(module);
}

}  // namespace
