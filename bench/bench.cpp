// Benchmark, not a test: how much processor time a held spin button costs
// and when its steps come, and what a spin, calendar, meter, indicator and
// folder paint costs next to comctl32's nearest control of the same size.
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <vector>

#include "tests/support.h"

namespace {

using rzt::Pump;

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
    FILETIME c, e, k0, u0, k1, u1;
    GetThreadTimes(GetCurrentThread(), &c, &e, &k0, &u0);
    const double start = Now();
    HANDLE thread = CreateThread(nullptr, 0, HoldTwoSeconds, nullptr, 0, nullptr);
    while (MsgWaitForMultipleObjects(1, &thread, FALSE, INFINITE, QS_ALLINPUT) != WAIT_OBJECT_0)
        Pump();
    Pump();
    const double wall = Now() - start;
    GetThreadTimes(GetCurrentThread(), &c, &e, &k1, &u1);
    CloseHandle(thread);
    const double cpu = Ms(k1) - Ms(k0) + Ms(u1) - Ms(u0);
    printf("hold: %u steps in %.0f ms; processor time %.1f ms (%.2f %% of one core over the run)\n",
           static_cast<unsigned>(g_steps.size()), wall, cpu, 100.0 * cpu / wall);
    if (g_steps.empty()) {
        printf("hold: no steps; the injected press did not reach the spin\n");
        DestroyWindow(spin);
        return;
    }
    printf("hold: step times (ms from the first):");
    for (DWORD t : g_steps)
        printf(" %lu", static_cast<unsigned long>(t - g_steps.front()));
    printf("\n");
    double worst = 0;
    for (size_t i = 1; i < g_steps.size(); ++i) {
        const double expected = i == 1 ? 375.0 : 75.0;
        const double off = static_cast<double>(g_steps[i] - g_steps[i - 1]) - expected;
        worst = off * off > worst * worst ? off : worst;
    }
    printf("hold: largest deviation of a step interval: %+.0f ms\n", worst);
    DestroyWindow(spin);
}

double TimeRepaints(HWND hwnd, int count) {
    const double start = Now();
    for (int i = 0; i < count; ++i)
        RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    GdiFlush();
    return Now() - start;
}

// Milliseconds a full repaint of each window takes, measured in alternating
// rounds after a warm-up.
struct RepaintCost {
    double ours, theirs;
    int repaints;
};

RepaintCost CompareRepaints(HWND ours, HWND theirs, int rounds, int count) {
    TimeRepaints(ours, count / 8);
    TimeRepaints(theirs, count / 8);
    RepaintCost cost = {0, 0, rounds * count};
    for (int r = 0; r < rounds; ++r) {
        cost.ours += TimeRepaints(ours, count);
        cost.theirs += TimeRepaints(theirs, count);
    }
    return cost;
}

void BenchPaint(HWND parent) {
    INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_UPDOWN_CLASS};
    InitCommonControlsEx(&icc);
    HWND spin = CreateWindowExA(0, REZORE32_SPINCLASS, "", WS_CHILD | WS_VISIBLE, 10, 60, 20, 40, parent, nullptr,
                                nullptr, nullptr);
    HWND updown = CreateWindowExA(0, UPDOWN_CLASSA, "", WS_CHILD | WS_VISIBLE, 40, 60, 20, 40, parent, nullptr,
                                  nullptr, nullptr);
    Pump();
    const RepaintCost c = CompareRepaints(spin, updown, 5, 400);
    printf("paint: NbSpin!+ %.1f us, msctls_updown32 %.1f us a repaint (%d each, 20 x 40)\n",
           1000 * c.ours / c.repaints, 1000 * c.theirs / c.repaints, c.repaints);
    printf("paint: cost ratio spin / up-down = %.2f\n", c.ours / c.theirs);
    DestroyWindow(spin);
    DestroyWindow(updown);
}

// Full repaints of a calendar against comctl32's month calendar of the same
// size, side by side in this process.
void BenchCalendar(HWND parent) {
    INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_DATE_CLASSES};
    InitCommonControlsEx(&icc);
    const int w = 230, h = 180;
    HWND calendar = CreateWindowExA(0, REZORE32_CALENDARCLASS, "19960315", WS_CHILD | WS_VISIBLE | CLNDRS_JAPANESE |
                                    CLNDRS_SHOWMARKS, 10, 60, w, h, parent, nullptr, nullptr, nullptr);
    HWND monthcal = CreateWindowExA(0, MONTHCAL_CLASSA, "", WS_CHILD | WS_VISIBLE, 250, 60, w, h, parent, nullptr,
                                    nullptr, nullptr);
    SendMessageA(calendar, CLNDR_MARKDAY, 0, 5);
    SendMessageA(calendar, CLNDR_SETHIGHLIGHT, 0, CLNDR_PACKDATE(1996, 3, 20));
    SetFocus(calendar);
    Pump();
    const RepaintCost c = CompareRepaints(calendar, monthcal, 5, 200);
    printf("calendar: NbCalender!+ %.1f us, SysMonthCal32 %.1f us a repaint (%d each, %d x %d)\n",
           1000 * c.ours / c.repaints, 1000 * c.theirs / c.repaints, c.repaints, w, h);
    printf("calendar: cost ratio NbCalender!+ / SysMonthCal32 = %.2f\n", c.ours / c.theirs);
    DestroyWindow(calendar);
    DestroyWindow(monthcal);
}

// Full repaints of a meter against comctl32's smooth progress bar, and of
// an indicator against the segmented one, each pair of one size and half
// done.
void BenchGauges(HWND parent) {
    INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_PROGRESS_CLASS};
    InitCommonControlsEx(&icc);
    struct Pair {
        const char *name, *ours;
        DWORD progressStyle;
        UINT setRange, setPos;
        int w, h;
    };
    const Pair pairs[] = {
        {"meter", REZORE32_METERCLASS, PBS_SMOOTH, METER_SETRANGE, METER_SETPOS, 200, 20},
        {"indicator", REZORE32_INDICATORCLASS, 0, IND_SETRANGE, IND_SETPOS, 108, 14},
    };
    for (const Pair &p : pairs) {
        HWND ours = CreateWindowExA(0, p.ours, "", WS_CHILD | WS_VISIBLE, 10, 60, p.w, p.h, parent, nullptr, nullptr,
                                    nullptr);
        HWND theirs = CreateWindowExA(0, PROGRESS_CLASSA, "", WS_CHILD | WS_VISIBLE | p.progressStyle, 250, 60, p.w,
                                      p.h, parent, nullptr, nullptr, nullptr);
        SendMessageA(ours, p.setRange, 100, 0);
        SendMessageA(ours, p.setPos, 50, 0);
        SendMessageA(theirs, PBM_SETRANGE32, 0, 100);
        SendMessageA(theirs, PBM_SETPOS, 50, 0);
        Pump();
        const RepaintCost c = CompareRepaints(ours, theirs, 5, 400);
        printf("%s: %s %.1f us, msctls_progress32%s %.1f us a repaint (%d each, %d x %d)\n", p.name, p.ours,
               1000 * c.ours / c.repaints, p.progressStyle ? " (PBS_SMOOTH)" : "", 1000 * c.theirs / c.repaints,
               c.repaints, p.w, p.h);
        printf("%s: cost ratio %s / msctls_progress32 = %.2f\n", p.name, p.ours, c.ours / c.theirs);
        DestroyWindow(ours);
        DestroyWindow(theirs);
    }
}

// Full repaints of a folder of eight tabs against comctl32's tab control
// with the same titles, font and size, side by side in this process.
void BenchFolder(HWND parent) {
    INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_TAB_CLASSES};
    InitCommonControlsEx(&icc);
    static const char *const kTitles[] = {"General", "View", "Details", "Files", "Colours", "Fonts", "Print", "Other"};
    const int w = 400, h = 160;
    SetWindowPos(parent, nullptr, 0, 0, 2 * w + 40, h + 80, SWP_NOMOVE | SWP_NOZORDER);
    HWND folder = CreateWindowExA(0, REZORE32_FOLDERCLASS, "General|View|Details|Files|Colours|Fonts|Print|Other",
                                  WS_CHILD | WS_VISIBLE, 10, 60, w, h, parent, nullptr, nullptr, nullptr);
    HWND tabs = CreateWindowExA(0, WC_TABCONTROLA, "", WS_CHILD | WS_VISIBLE, w + 20, 60, w, h, parent, nullptr,
                                nullptr, nullptr);
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
    Pump();
    const RepaintCost c = CompareRepaints(folder, tabs, 5, 400);
    printf("folder: NbFolder!+ %.1f us, SysTabControl32 %.1f us a repaint (%d each, 8 tabs, %d x %d)\n",
           1000 * c.ours / c.repaints, 1000 * c.theirs / c.repaints, c.repaints, w, h);
    printf("folder: cost ratio NbFolder!+ / SysTabControl32 = %.2f\n", c.ours / c.theirs);
    DestroyWindow(folder);
    DestroyWindow(tabs);
}

}  // namespace

int main() {
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
    BenchPaint(parent);
    BenchCalendar(parent);
    BenchGauges(parent);
    BenchFolder(parent);
    DestroyWindow(parent);
    return 0;
}
