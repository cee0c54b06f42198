// Benchmark, not a test: what a spin, meter, indicator, folder and calendar
// paint costs next to comctl32's nearest control of the same size, side by
// side in one process, and how much processor time a held spin button costs
// and when its steps come.  Prints the details, then one report table.
//   rezore32_bench [--quick]   (--quick: few repaints, to see that it runs)
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "tests/support.h"

namespace {

using rzt::Pump;

constexpr int kRounds = 5;  // alternating rounds of each pair
int g_scale = 1;            // repaints a round = count / g_scale

std::vector<DWORD> g_steps;

LRESULT CALLBACK ParentProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_COMMAND && HIWORD(wParam) == SPINN_UP)
        g_steps.push_back(GetTickCount());
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

double Ms(FILETIME f) { return (static_cast<ULONGLONG>(f.dwHighDateTime) << 32 | f.dwLowDateTime) / 1e4; }

double Now() {
    static LARGE_INTEGER freq = [] { LARGE_INTEGER f; QueryPerformanceFrequency(&f); return f; }();
    LARGE_INTEGER t;
    QueryPerformanceCounter(&t);
    return t.QuadPart * 1000.0 / freq.QuadPart;
}

double ThreadMs() {
    FILETIME c, e, k, u;
    GetThreadTimes(GetCurrentThread(), &c, &e, &k, &u);
    return Ms(k) + Ms(u);
}

HWND Child(const char *cls, const char *text, DWORD style, int x, int y, int w, int h, HWND parent) {
    return CreateWindowExA(0, cls, text, WS_CHILD | WS_VISIBLE | style, x, y, w, h, parent, nullptr, nullptr,
                           nullptr);
}

void InitCommon(DWORD classes) {
    INITCOMMONCONTROLSEX icc = {sizeof(icc), classes};
    InitCommonControlsEx(&icc);
}

// ------------------------------------------------------------ the report
// One side-by-side comparison: microseconds a full repaint takes, ours and
// comctl32's, and the cost ratio of each round.
struct Row {
    std::string what, size;
    double ours = 0, theirs = 0;  // microseconds a repaint
    double low = 0, high = 0;     // the rounds' smallest and largest ratio
};

struct Hold {
    unsigned steps = 0;
    double wall = 0, cpu = 0, worst = 0;  // ms; worst deviation of a step interval
};

std::vector<Row> g_rows;
Hold g_hold;

void Report() {
    printf("\n| comparison | size | REZORE32 | comctl32 | cost ratio (rounds) |\n");
    printf("|---|---|---|---|---|\n");
    for (const Row &r : g_rows)
        printf("| %s | %s | %.1f us | %.1f us | %.2f (%.2f-%.2f) |\n", r.what.c_str(), r.size.c_str(), r.ours,
               r.theirs, r.ours / r.theirs, r.low, r.high);
    printf("| `NbSpin!+` held for 2 s: %u steps, intervals within %+.0f ms | 20 x 40 | %.1f ms processor time in "
           "%.0f ms | | %.2f %% of one core |\n",
           g_hold.steps, g_hold.worst, g_hold.cpu, g_hold.wall, 100.0 * g_hold.cpu / g_hold.wall);
}

// ---------------------------------------------------------- the held spin
void MouseButton(DWORD flags) {
    INPUT in = {};
    in.type = INPUT_MOUSE;
    in.mi.dwFlags = flags;
    SendInput(1, &in, sizeof(in));
}

DWORD WINAPI HoldTwoSeconds(LPVOID) {
    Sleep(100);
    MouseButton(MOUSEEVENTF_LEFTDOWN);
    Sleep(2000);
    MouseButton(MOUSEEVENTF_LEFTUP);
    Sleep(200);
    return 0;
}

void BenchHold(HWND parent) {
    HWND spin = CreateWindowExA(0, REZORE32_SPINCLASS, "", WS_CHILD | WS_VISIBLE, 10, 10, 20, 40, parent,
                                reinterpret_cast<HMENU>(1), nullptr, nullptr);
    SendMessageA(spin, SPIN_SETRANGE, 0, MAKELONG(0, 60000));
    SetCursorPos(60, 58);  // upper half of the spin
    Pump(300);             // let the window system settle the pointer first
    const double cpu0 = ThreadMs(), start = Now();
    HANDLE thread = CreateThread(nullptr, 0, HoldTwoSeconds, nullptr, 0, nullptr);
    while (MsgWaitForMultipleObjects(1, &thread, FALSE, INFINITE, QS_ALLINPUT) != WAIT_OBJECT_0)
        Pump();
    Pump();
    g_hold.wall = Now() - start;
    g_hold.cpu = ThreadMs() - cpu0;
    CloseHandle(thread);
    DestroyWindow(spin);
    g_hold.steps = static_cast<unsigned>(g_steps.size());
    printf("hold: %u steps in %.0f ms; processor time %.1f ms\n", g_hold.steps, g_hold.wall, g_hold.cpu);
    if (g_steps.empty()) {
        printf("hold: no steps; the injected press did not reach the spin\n");
        return;
    }
    printf("hold: step times (ms from the first):");
    for (DWORD t : g_steps)
        printf(" %lu", static_cast<unsigned long>(t - g_steps.front()));
    printf("\n");
    for (size_t i = 1; i < g_steps.size(); ++i) {
        const double expected = i == 1 ? 375.0 : 75.0;
        const double off = static_cast<double>(g_steps[i] - g_steps[i - 1]) - expected;
        g_hold.worst = off * off > g_hold.worst * g_hold.worst ? off : g_hold.worst;
    }
}

// -------------------------------------------------------------- repaints
double TimeRepaints(HWND hwnd, int count) {
    const double start = Now();
    for (int i = 0; i < count; ++i)
        RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    GdiFlush();
    return Now() - start;
}

// Full repaints of each window in alternating rounds after a warm-up; adds
// the row to the report and destroys both windows.
void Compare(const std::string &what, HWND ours, HWND theirs, int count) {
    count = std::max(count / g_scale, 1);
    Pump();
    TimeRepaints(ours, std::max(count / 8, 1));
    TimeRepaints(theirs, std::max(count / 8, 1));
    RECT r;
    GetClientRect(ours, &r);
    Row row;
    row.what = what;
    row.size = std::to_string(r.right) + " x " + std::to_string(r.bottom);
    for (int i = 0; i < kRounds; ++i) {
        const double a = TimeRepaints(ours, count), b = TimeRepaints(theirs, count);
        row.ours += a;
        row.theirs += b;
        const double ratio = a / b;
        row.low = i == 0 ? ratio : std::min(row.low, ratio);
        row.high = i == 0 ? ratio : std::max(row.high, ratio);
    }
    row.ours *= 1000.0 / (kRounds * count);
    row.theirs *= 1000.0 / (kRounds * count);
    printf("%s: %.1f us against %.1f us a repaint (%d each), cost ratio %.2f\n", what.c_str(), row.ours, row.theirs,
           kRounds * count, row.ours / row.theirs);
    g_rows.push_back(row);
    DestroyWindow(ours);
    DestroyWindow(theirs);
}

void BenchSpin(HWND parent) {
    InitCommon(ICC_UPDOWN_CLASS);
    Compare("`NbSpin!+` / `msctls_updown32`", Child(REZORE32_SPINCLASS, "", 0, 10, 60, 20, 40, parent),
            Child(UPDOWN_CLASSA, "", 0, 40, 60, 20, 40, parent), 400);
}

// A meter against the smooth progress bar and an indicator against the
// segmented one, each pair of one size and half done.
void BenchGauges(HWND parent) {
    InitCommon(ICC_PROGRESS_CLASS);
    struct Pair {
        const char *what, *ours;
        DWORD progressStyle;
        UINT setRange, setPos;
        int w, h;
    };
    const Pair pairs[] = {
        {"`NbMeter!+` / `msctls_progress32` (`PBS_SMOOTH`)", REZORE32_METERCLASS, PBS_SMOOTH, METER_SETRANGE,
         METER_SETPOS, 200, 20},
        {"`NbIndicator!+` / `msctls_progress32`", REZORE32_INDICATORCLASS, 0, IND_SETRANGE, IND_SETPOS, 108, 14},
    };
    for (const Pair &p : pairs) {
        HWND ours = Child(p.ours, "", 0, 10, 60, p.w, p.h, parent);
        HWND theirs = Child(PROGRESS_CLASSA, "", p.progressStyle, 250, 60, p.w, p.h, parent);
        SendMessageA(ours, p.setRange, 100, 0);
        SendMessageA(ours, p.setPos, 50, 0);
        SendMessageA(theirs, PBM_SETRANGE32, 0, 100);
        SendMessageA(theirs, PBM_SETPOS, 50, 0);
        Compare(p.what, ours, theirs, 400);
    }
}

// A folder of eight tabs against the tab control with the same titles, font
// and size.
void BenchFolder(HWND parent) {
    InitCommon(ICC_TAB_CLASSES);
    static const char *const kTitles[] = {"General", "View", "Details", "Files", "Colours", "Fonts", "Print", "Other"};
    const int w = 400, h = 160;
    SetWindowPos(parent, nullptr, 0, 0, 2 * w + 40, h + 80, SWP_NOMOVE | SWP_NOZORDER);
    HWND folder = Child(REZORE32_FOLDERCLASS, "General|View|Details|Files|Colours|Fonts|Print|Other", 0, 10, 60, w,
                        h, parent);
    HWND tabs = Child(WC_TABCONTROLA, "", 0, w + 20, 60, w, h, parent);
    const WPARAM font = reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT));
    SendMessageA(folder, WM_SETFONT, font, FALSE);
    SendMessageA(tabs, WM_SETFONT, font, FALSE);
    for (int i = 0; i < 8; ++i) {
        TCITEMA item = {};
        item.mask = TCIF_TEXT;
        item.pszText = const_cast<char *>(kTitles[i]);
        SendMessageA(tabs, TCM_INSERTITEMA, i, reinterpret_cast<LPARAM>(&item));
    }
    SendMessageA(folder, FOLDER_SETSEL, 2, 0);
    SendMessageA(tabs, TCM_SETCURSEL, 2, 0);
    Compare("`NbFolder!+` / `SysTabControl32`, 8 tabs", folder, tabs, 400);
}

// A Japanese calendar with marks and a highlight against the month calendar
// of the same size.
void BenchCalendar(HWND parent) {
    InitCommon(ICC_DATE_CLASSES);
    const int w = 230, h = 180;
    HWND calendar = Child(REZORE32_CALENDARCLASS, "19960315", CLNDRS_JAPANESE | CLNDRS_SHOWMARKS, 10, 60, w, h, parent);
    HWND monthcal = Child(MONTHCAL_CLASSA, "", 0, 250, 60, w, h, parent);
    SendMessageA(calendar, CLNDR_MARKDAY, 0, 5);
    SendMessageA(calendar, CLNDR_SETHIGHLIGHT, 0, CLNDR_PACKDATE(1996, 3, 20));
    SetFocus(calendar);
    Compare("`NbCalender!+` / `SysMonthCal32`", calendar, monthcal, 200);
}

}  // namespace

int main(int argc, char **argv) {
    for (int i = 1; i < argc; ++i)
        if (!strcmp(argv[i], "--quick"))
            g_scale = 40;
    // Referencing an export loads the DLL, which registers its classes.
    printf("platform %d\n", GetOSPlatform());
    WNDCLASSA wc = {};
    wc.lpfnWndProc = ParentProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    wc.lpszClassName = "RzBenchParent";
    RegisterClassA(&wc);
    HWND parent = CreateWindowExA(0, wc.lpszClassName, "bench", WS_POPUP | WS_VISIBLE, 40, 40, 500, 260, nullptr,
                                  nullptr, wc.hInstance, nullptr);
    SetForegroundWindow(parent);
    Pump(200);
    BenchHold(parent);
    BenchSpin(parent);
    BenchGauges(parent);
    BenchFolder(parent);
    BenchCalendar(parent);
    DestroyWindow(parent);
    Report();
    return g_rows.size() == 5 ? 0 : 1;
}
