// Robustness runs over every window class the public header names:
//   rezore32_robust fuzz [--seed N] [--count N] [--class NAME]
//     random messages, sizes, styles, focus changes, paints and re-creation;
//     passes when nothing crashes or hangs (a crash prints the last messages).
//   rezore32_robust leaks [--count N]
//     repaints, focus changes, restyles and create/destroy cycles leave the
//     number of GDI objects the process can still create unchanged; so do
//     N open, paint and close cycles of every modeless pop-up.
// The class names and private messages come from rezore32.h at build time,
// so a class or message added there is covered without new code here.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "robust_targets.h"  // kClassNames, kPrivateMessages
#include "tests/support.h"

namespace {

// ------------------------------------------------------------ the journal
// The last messages sent, kept in memory shared with a watching parent
// process: the fuzzing runs in a child, and when the child ends badly (a
// crash, or an assertion inside the system that exits at once) the parent
// prints them.
struct Entry {
    char cls[24];
    UINT msg;
    WPARAM wParam;
    LPARAM lParam;
};

constexpr unsigned kJournal = 32;
struct Journal {
    unsigned finished;  // set by the child when it ends normally
    unsigned next;
    Entry entries[kJournal];
};

Journal *g_journal;

Journal *OpenJournal(DWORD owner) {
    char name[64];
    wsprintfA(name, "Local\\rezore32_robust_%lu", owner);
    HANDLE map = CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, sizeof(Journal), name);
    return map ? static_cast<Journal *>(MapViewOfFile(map, FILE_MAP_ALL_ACCESS, 0, 0, sizeof(Journal))) : nullptr;
}

void Note(const char *cls, UINT msg, WPARAM wParam, LPARAM lParam) {
    Entry &e = g_journal->entries[g_journal->next++ % kJournal];
    lstrcpynA(e.cls, cls, sizeof(e.cls));
    e.msg = msg;
    e.wParam = wParam;
    e.lParam = lParam;
}

void PrintJournal(const Journal &journal, unsigned long code) {
    fprintf(stderr, "crash 0x%08lx; the last messages, oldest first:\n", code);
    for (unsigned i = 0; i < kJournal; ++i) {
        const Entry &e = journal.entries[(journal.next + i) % kJournal];
        if (e.cls[0])
            fprintf(stderr, "  %-16s msg 0x%04x wParam 0x%llx lParam 0x%llx\n", e.cls, e.msg,
                    static_cast<unsigned long long>(e.wParam), static_cast<unsigned long long>(e.lParam));
    }
    fflush(stderr);
}

// Runs this program again as the child that does the work; returns its
// exit code, printing the journal when it ended badly.
int Watch() {
    g_journal = OpenJournal(GetCurrentProcessId());
    char command[2048];
    wsprintfA(command, "%s --child %lu", GetCommandLineA(), GetCurrentProcessId());
    STARTUPINFOA si = {};
    si.cb = sizeof(si);
    PROCESS_INFORMATION pi = {};
    if (!g_journal || !CreateProcessA(nullptr, command, nullptr, nullptr, TRUE, 0, nullptr, nullptr, &si, &pi)) {
        fprintf(stderr, "cannot start the child\n");
        return 1;
    }
    WaitForSingleObject(pi.hProcess, INFINITE);
    DWORD code = 1;
    GetExitCodeProcess(pi.hProcess, &code);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    if (!g_journal->finished) {
        PrintJournal(*g_journal, code);
        return 1;
    }
    return static_cast<int>(code);
}

// Closes whatever modal window a message opened (the calendar's jump
// dialog, a message box): every window of this thread that is not ours.
HWND g_parent;
BOOL CALLBACK CloseForeign(HWND hwnd, LPARAM) {
    if (hwnd != g_parent && IsWindowVisible(hwnd) && GetWindow(hwnd, GW_OWNER)) {
        PostMessageA(hwnd, WM_COMMAND, IDCANCEL, 0);
        PostMessageA(hwnd, WM_CLOSE, 0, 0);
    }
    return TRUE;
}

VOID CALLBACK CloseModal(HWND, UINT, UINT_PTR, DWORD) { EnumThreadWindows(GetCurrentThreadId(), CloseForeign, 0); }

// ------------------------------------------------------------ randomness
class Dice {
public:
    explicit Dice(unsigned seed) : gen_(seed) {}
    unsigned Below(unsigned n) { return n ? static_cast<unsigned>(gen_() % n) : 0; }
    DWORD Word32() { return static_cast<DWORD>(gen_()); }
    // Values that break things more often than uniform ones do.
    LPARAM Value() {
        static const LONG_PTR edges[] = {0, 1, -1, 2, 31, 32, 0x7FFF, 0x8000, 0xFFFF, 0x10000, 0x7FFFFFFF,
                                         static_cast<LONG_PTR>(0x80000000u), static_cast<LONG_PTR>(0xFFFFFFFFu)};
        switch (Below(3)) {
        case 0: return edges[Below(sizeof(edges) / sizeof(edges[0]))];
        case 1: return static_cast<LPARAM>(Below(400));
        default: return static_cast<LPARAM>(static_cast<LONG>(Word32()));
        }
    }
    // Random Shift-JIS bytes: ASCII, half-width katakana, lead-trail pairs,
    // lone lead bytes and the separators texts are split at.
    std::string Text(size_t length) {
        std::string s;
        while (s.size() < length) {
            switch (Below(6)) {
            case 0: s += static_cast<char>(0x20 + Below(0x5F)); break;
            case 1: s += static_cast<char>(0xA1 + Below(0x3F)); break;
            case 2: s += static_cast<char>(0x81 + Below(0x1F)), s += static_cast<char>(0x40 + Below(0xBD)); break;
            case 3: s += static_cast<char>(0x81 + Below(0x1F)); break;
            case 4: s += "|\\\","[Below(4)]; break;
            default: s += static_cast<char>(0x81 + Below(0x1F)), s += "\\|\""[Below(3)]; break;
            }
        }
        s.resize(length);
        return s;
    }

private:
    std::mt19937 gen_;
};

// ------------------------------------------------------------ one class
constexpr UINT kSystemMessages[] = {
    WM_PAINT, WM_ERASEBKGND, WM_SIZE, WM_MOVE, WM_SETFONT, WM_GETFONT, WM_KEYDOWN, WM_KEYUP, WM_CHAR,
    WM_SYSKEYDOWN, WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_RBUTTONDOWN, WM_RBUTTONUP,
    WM_RBUTTONDBLCLK, WM_MOUSEMOVE, WM_NCHITTEST, WM_SETFOCUS, WM_KILLFOCUS, WM_ENABLE, WM_SYSCOLORCHANGE,
    WM_GETDLGCODE, WM_CANCELMODE, WM_CAPTURECHANGED, WM_TIMER, WM_SHOWWINDOW, WM_STYLECHANGED,
    BM_GETCHECK, BM_SETCHECK, BM_GETSTATE, BM_SETSTATE, BM_SETSTYLE, BM_CLICK, WM_GETTEXTLENGTH,
    WM_UPDATEUISTATE, WM_CHANGEUISTATE, WM_PRINTCLIENT,
};

class Fuzzer {
public:
    Fuzzer(const char *cls, Dice &dice, HWND parent) : cls_(cls), dice_(dice), parent_(parent) {}
    ~Fuzzer() { Destroy(); }

    void Run(unsigned count) {
        Create();
        for (unsigned i = 0; i < count; ++i) {
            if (!IsWindow(hwnd_))
                Create();
            Act();
            if (i % 64 == 0)
                rzt::Pump();
        }
    }

private:
    void Create() {
        const DWORD style = WS_CHILD | WS_VISIBLE | WS_TABSTOP | (dice_.Word32() & 0xFFFF);
        const std::string text = dice_.Below(2) ? dice_.Text(dice_.Below(40)) : std::string("19960315");
        hwnd_ = CreateWindowExA(0, cls_, text.c_str(), style, static_cast<int>(dice_.Below(50)),
                                static_cast<int>(dice_.Below(50)), static_cast<int>(dice_.Below(400)),
                                static_cast<int>(dice_.Below(300)), parent_, reinterpret_cast<HMENU>(100),
                                GetModuleHandleA(nullptr), nullptr);
    }
    void Destroy() {
        if (IsWindow(hwnd_))
            DestroyWindow(hwnd_);
        hwnd_ = nullptr;
    }
    void Send(UINT msg, WPARAM wParam, LPARAM lParam) {
        Note(cls_, msg, wParam, lParam);
        SendMessageA(hwnd_, msg, wParam, lParam);
    }

    void Act() {
        switch (dice_.Below(16)) {
        case 0: {  // a text of up to 10,000 random bytes
            const std::string text = dice_.Text(dice_.Below(8) ? dice_.Below(300) : dice_.Below(10001));
            Send(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
            break;
        }
        case 1: {  // reading the text into a buffer of a random size
            std::vector<char> buffer(dice_.Below(300) + 1);
            Send(WM_GETTEXT, buffer.size(), reinterpret_cast<LPARAM>(buffer.data()));
            break;
        }
        case 2: {  // resized to nothing, to 30,000 pixels, or anything between
            static const int sizes[] = {0, 1, 30000};
            const int w = dice_.Below(2) ? sizes[dice_.Below(3)] : static_cast<int>(dice_.Below(500));
            const int h = dice_.Below(2) ? sizes[dice_.Below(3)] : static_cast<int>(dice_.Below(400));
            Note(cls_, WM_SIZE, w, h);
            SetWindowPos(hwnd_, nullptr, 0, 0, w, h, SWP_NOMOVE | SWP_NOZORDER);
            break;
        }
        case 3: {  // restyled: random low-word style bits
            const LONG style = (GetWindowLongA(hwnd_, GWL_STYLE) & ~0xFFFF) | (dice_.Word32() & 0xFFFF);
            Note(cls_, WM_STYLECHANGED, 0, style);
            SetWindowLongA(hwnd_, GWL_STYLE, style);
            InvalidateRect(hwnd_, nullptr, TRUE);
            break;
        }
        case 4:
            Note(cls_, WM_SETFOCUS, 0, 0);
            SetFocus(dice_.Below(2) ? hwnd_ : parent_);
            break;
        case 5:
            Note(cls_, WM_PAINT, 0, 0);
            RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
            break;
        case 6:
            if (dice_.Below(8) == 0) {
                Note(cls_, WM_DESTROY, 0, 0);
                Destroy();
            }
            break;
        case 7:
            Note(cls_, WM_ENABLE, 0, 0);
            EnableWindow(hwnd_, dice_.Below(4) != 0);
            break;
        case 8: {
            HFONT font = static_cast<HFONT>(GetStockObject(dice_.Below(2) ? DEFAULT_GUI_FONT : SYSTEM_FONT));
            const LPARAM notFont = reinterpret_cast<LPARAM>(GetStockObject(WHITE_BRUSH));
            Send(WM_SETFONT, dice_.Below(3) ? reinterpret_cast<WPARAM>(font) : notFont, dice_.Below(2));
            break;
        }
        case 9:
        case 10:
        case 11: {
            const UINT msg = kPrivateMessages[dice_.Below(kPrivateMessageCount)];
            Send(msg, static_cast<WPARAM>(dice_.Value()), dice_.Value());
            break;
        }
        default: {
            const UINT msg = kSystemMessages[dice_.Below(sizeof(kSystemMessages) / sizeof(kSystemMessages[0]))];
            WPARAM wParam = static_cast<WPARAM>(dice_.Value());
            LPARAM lParam = dice_.Value();
            if (msg == WM_ERASEBKGND || msg == WM_PRINTCLIENT)
                wParam = reinterpret_cast<WPARAM>(canvas_.dc());  // a DC the caller must supply
            if (msg == WM_STYLECHANGED) {
                static STYLESTRUCT change;
                change = {dice_.Word32(), dice_.Word32()};
                lParam = reinterpret_cast<LPARAM>(&change);
            }
            Send(msg, wParam, lParam);
            break;
        }
        }
    }

    const char *cls_;
    Dice &dice_;
    HWND parent_;
    HWND hwnd_ = nullptr;
    rzt::Canvas canvas_{64, 64, RGB(255, 255, 255)};
};

// ------------------------------------------------------------ leaks
// How many more GDI objects the process can create now: pens are made until
// the system refuses one, then all are deleted again.
int CreatableGdiObjects() {
    std::vector<HPEN> made;
    made.reserve(70000);
    for (;;) {
        HPEN pen = CreatePen(PS_SOLID, 1, RGB(made.size() & 0xFF, 0, 0));
        if (!pen)
            break;
        made.push_back(pen);
        if (made.size() >= 200000)
            break;
    }
    for (HPEN pen : made)
        DeleteObject(pen);
    return static_cast<int>(made.size());
}

void Exercise(const char *cls, HWND parent, unsigned count, Dice &dice) {
    HWND hwnd = rzt::CreateChild(parent, cls, 0, 10, 10, 220, 160);
    for (unsigned i = 0; i < count; ++i) {
        RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
        SetFocus(i % 2 ? hwnd : parent);
        if (i % 4 == 0) {
            SetWindowLongA(hwnd, GWL_STYLE, WS_CHILD | WS_VISIBLE | (dice.Word32() & 0xFFFF));
            RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
        }
        if (i % 8 == 0) {
            DestroyWindow(hwnd);
            hwnd = rzt::CreateChild(parent, cls, dice.Word32() & 0xFFFF, 10, 10, 220, 160);
        }
    }
    DestroyWindow(hwnd);
    rzt::Pump();
}

// The modeless pop-ups, each opened over the parent, painted and closed.
HWND g_popup;
struct PopUp {
    const char *name;
    void (*open)(HWND parent);
    void (*close)();
};

const PopUp kPopUps[] = {
    {"message window", [](HWND p) { g_popup = CreateInformDlg(p, "caption", "line 1", "line 2"); },
     [] { DestroyInformDlg(); }},
    {"tool tip", [](HWND p) {  // the second replaces the first
         POINT at = {60, 60};
         CreateToolTipWindow(p, &at, "tip", &g_popup);
         CreateToolTipWindow(p, &at, "another tip", &g_popup);
     }, [] { DestroyToolTipWindow(&g_popup); }},
    {"pop-up viewer", [](HWND p) { g_popup = PopView(p, "line 1\r\nline 2"); },
     [] { SendMessageA(g_popup, WM_CLOSE, 0, 0); }},
    {"ten-key pad", [](HWND p) {
         TenKeyPad(p);
         g_popup = FindWindowA(REZORE32_TENKEYCLASS, nullptr);
     }, [] { TenKeyPad(g_parent); }},
};

void Cycle(const PopUp &popup, HWND parent, unsigned count) {
    for (unsigned i = 0; i < count; ++i) {
        popup.open(parent);
        RedrawWindow(g_popup, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        popup.close();
        rzt::Pump();
    }
}

// Runs a few rounds first (to fill the system's caches), then `count`
// rounds between two counts of creatable objects; true when some are lost.
bool Leaked(const char *what, const char *rounds, unsigned count, const std::function<void(unsigned)> &run) {
    run(16);
    const int before = CreatableGdiObjects();
    run(count);
    const int after = CreatableGdiObjects();
    printf("leaks %-16s %u %s: %d GDI objects left behind\n", what, count, rounds, before - after);
    return before != after;
}

const char *TextOption(int argc, char **argv, const char *name) {
    for (int i = 1; i + 1 < argc; ++i)
        if (strcmp(argv[i], name) == 0)
            return argv[i + 1];
    return nullptr;
}

unsigned Option(int argc, char **argv, const char *name, unsigned fallback) {
    const char *value = TextOption(argc, argv, name);
    return value ? static_cast<unsigned>(strtoul(value, nullptr, 0)) : fallback;
}

}  // namespace

int main(int argc, char **argv) {
    const bool leaks = argc > 1 && strcmp(argv[1], "leaks") == 0;
    const unsigned seed = Option(argc, argv, "--seed", 1);
    const unsigned count = Option(argc, argv, "--count", leaks ? 1000 : 100000);
    const char *only = TextOption(argc, argv, "--class");
    const unsigned child = Option(argc, argv, "--child", 0);
    if (!child)
        return Watch();
    g_journal = OpenJournal(child);
    if (!g_journal)
        return 1;
    SetErrorMode(SEM_NOGPFAULTERRORBOX);

    rzt::RecordingParent parent(20, 20, 500, 400);
    g_parent = parent;
    const UINT_PTR closer = SetTimer(nullptr, 0, 100, CloseModal);
    Dice dice(seed);
    int failures = 0;
    for (const char *cls : kClassNames) {
        if (only && strcmp(only, cls) != 0)
            continue;
        if (!leaks) {
            Fuzzer(cls, dice, parent).Run(count);
            printf("fuzz %-16s %u messages, seed %u: no crash\n", cls, count, seed);
            continue;
        }
        failures += Leaked(cls, "rounds", count, [&](unsigned n) { Exercise(cls, parent, n, dice); });
    }
    KillTimer(nullptr, closer);  // the pop-ups are closed by their own calls
    for (const PopUp &popup : kPopUps)
        if (leaks && (!only || strcmp(only, popup.name) == 0))
            failures += Leaked(popup.name, "cycles", count, [&](unsigned n) { Cycle(popup, parent, n); });
    fflush(stdout);
    g_journal->finished = 1;
    return failures;
}
