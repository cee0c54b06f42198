// The gallery: every control of the library in one dialog from the
// gallery's own template.  With --screenshot FILE.png it saves a picture of
// its window, then one of the calendar's jump dialog (FILE-jump.png) and
// one of each further page (FILE-basic1.png ...), of each pop-up
// (FILE-inform.png ...) and of the file and directory dialogs
// (FILE-open.png ...), and exits.  With --pictures DIR it saves the same
// as DIR/gallery*.png and, cropped from the pages, one small picture of
// each control (DIR/spin.png ...).
#include <windows.h>

#include <cstring>
#include <string>
#include <vector>

#include "basic1.h"
#include "basic2.h"
#include "folder.h"
#include "dialogs.h"
#include "gallery.h"
#include "pages.h"
#include "png.h"
#include "popups.h"
#include "rezore32.h"

namespace {

// The further pages: the main page's button that opens each, and the
// suffix of its picture (FILE-suffix.png) with --screenshot.
struct Page {
    int button;
    HWND (*open)(HWND owner);
    const char *suffix;
};
const Page kPages[] = {
    {IDC_OPEN_BASIC1, OpenBasic1Page, "-basic1"},
    {IDC_OPEN_BASIC2, OpenBasic2Page, "-basic2"},
    {IDC_FOLDERS, OpenFolderPage, "-folder"},
};

// Each control's picture with --pictures: the part of its page, in the
// page's dialog units, that shows it with its heading.
constexpr int kMainPage = -1;  // else an index of kPages
struct Crop {
    int page;
    const char *name;
    RECT dlu;
};
const Crop kCrops[] = {
    {kMainPage, "spin", {6, 4, 126, 102}},
    {kMainPage, "border", {44, 93, 142, 115}},
    {kMainPage, "icondraw", {6, 114, 124, 158}},
    {kMainPage, "calendar", {272, 4, 522, 128}},
    {0, "text", {6, 4, 164, 186}},
    {0, "meter", {168, 4, 326, 60}},
    {0, "indicator", {168, 64, 326, 136}},
    {1, "check", {6, 4, 148, 60}},
    {1, "mark", {152, 4, 294, 60}},
    {1, "plate", {6, 62, 146, 126}},
    {1, "clip", {152, 62, 292, 126}},
    {2, "folder", {4, 4, 376, 208}},
};

HICON g_givenIcon;      // shown by the second icon pane, asked for at its creation
int g_iconQueries;

struct SpinRow {
    int spin, value;
    LONG position, minimum, maximum;
};
const SpinRow kSpins[] = {
    {IDC_SPIN_VERT, IDC_VALUE_VERT, 5, 0, 99},
    {IDC_SPIN_HORZ, IDC_VALUE_HORZ, 6, 1, 12},
    {IDC_SPIN_NOWRAP, IDC_VALUE_NOWRAP, 10, 0, 10},
};

HBRUSH FaceBrush() {
    return GetOSPlatform() == VER_PLATFORM_WIN32_WINDOWS ? Get3DFaceBrush()
                                                         : static_cast<HBRUSH>(GetStockObject(LTGRAY_BRUSH));
}

void ShowValue(HWND dlg, const SpinRow &row) {
    SetDlgItemInt(dlg, row.value, static_cast<UINT>(SendDlgItemMessageA(dlg, row.spin, SPIN_GETPOS, 0, 0)), TRUE);
}

INT_PTR Answer(HWND dlg, LRESULT result) {
    SetWindowLongPtrA(dlg, DWLP_MSGRESULT, result);
    return TRUE;
}

void DrawSample(const DRAWITEMSTRUCT &item) {
    switch (item.CtlID) {
    case IDC_SWATCH_DOTS: CoverWindow(item.hwndItem, item.hDC, 1, FALSE, COVER_DOTS); break;
    case IDC_SWATCH_WEAVE: CoverWindow(item.hwndItem, item.hDC, 1, FALSE, COVER_WEAVE); break;
    case IDC_SWATCH_BLOCKS: CoverWindow(item.hwndItem, item.hDC, 1, FALSE, COVER_BLOCKS); break;
    default: {
        RECT r = item.rcItem;
        FillRect(item.hDC, &r, FaceBrush());
        r.right -= 1;  // the bevel lies on the right and bottom values too
        r.bottom -= 1;
        DrawFrame(item.hDC, &r, item.CtlID == IDC_FRAME_RAISED, 3);
    }
    }
}

void ShowChosenDay(HWND dlg, HWND calendar) {
    const DWORD date = static_cast<DWORD>(SendMessageA(calendar, CLNDR_GETDATE, 0, 0));
    char text[32];
    wsprintfA(text, "%04d/%02d/%02d", CLNDR_YEAR(date), CLNDR_MONTH(date), CLNDR_DAY(date));
    SetDlgItemTextA(dlg, IDC_CHOSEN, text);
}

INT_PTR CALLBACK GalleryProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_INITDIALOG:
        for (const SpinRow &row : kSpins) {
            SendDlgItemMessageA(dlg, row.spin, SPIN_SETRANGE, row.position, MAKELONG(row.minimum, row.maximum));
            ShowValue(dlg, row);
        }
        // The Japanese calendar marks the 5th and 20th of every month; the
        // English one highlights a date of the month it shows.
        SendDlgItemMessageA(dlg, IDC_CALENDAR_JA, CLNDR_MARKDAY, 0, 5);
        SendDlgItemMessageA(dlg, IDC_CALENDAR_JA, CLNDR_MARKDAY, 0, 20);
        SendDlgItemMessageA(dlg, IDC_CALENDAR_EN, CLNDR_SETHIGHLIGHT, 0, CLNDR_PACKDATE(1996, 3, 20));
        CenterPopup(dlg, GetParent(dlg));
        return TRUE;
    case ICON_QUERYICON:
        // The emblem pane asks first and gets the default; the second pane
        // shows the ten-key icon of the library.
        return Answer(dlg, ++g_iconQueries == 2 ? reinterpret_cast<LRESULT>(g_givenIcon) : 0);
    case WM_ERASEBKGND:
        CoverWindow(dlg, reinterpret_cast<HDC>(wParam), 1, TRUE, COVER_NOPATTERN);
        return Answer(dlg, TRUE);
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(dlg, &ps);
        for (const SpinRow &row : kSpins)
            CtlFrame(dlg, dc, row.spin, FALSE, 1);
        EndPaint(dlg, &ps);
        return TRUE;
    }
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
        SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
        return reinterpret_cast<INT_PTR>(FaceBrush());
    case WM_DRAWITEM:
        DrawSample(*reinterpret_cast<const DRAWITEMSTRUCT *>(lParam));
        return TRUE;
    case WM_COMMAND:
        for (const SpinRow &row : kSpins)
            if (LOWORD(wParam) == row.spin && (HIWORD(wParam) == SPINN_UP || HIWORD(wParam) == SPINN_DOWN))
                ShowValue(dlg, row);
        if ((LOWORD(wParam) == IDC_CALENDAR_JA || LOWORD(wParam) == IDC_CALENDAR_EN) &&
            HIWORD(wParam) == CLNDRN_DAYCHOSEN)
            ShowChosenDay(dlg, reinterpret_cast<HWND>(lParam));
        for (const Page &p : kPages)
            if (LOWORD(wParam) == p.button)
                p.open(dlg);
        if (LOWORD(wParam) == IDC_JUMP)
            SendDlgItemMessageA(dlg, IDC_CALENDAR_JA, CLNDR_JUMPDIALOG, 0, 0);
        if (LOWORD(wParam) == IDC_POPUPS)
            OpenPopupPage(dlg);
        RunSelectionDialog(dlg, LOWORD(wParam));
        if (LOWORD(wParam) == IDCANCEL)
            DestroyWindow(dlg);
        return TRUE;
    case WM_DESTROY:
        PostQuitMessage(0);
        return TRUE;
    default:
        return FALSE;
    }
}

}  // namespace

namespace {

// The part `r` (window coordinates) of a window as it is on the screen.
bool SaveArea(HWND hwnd, const RECT &r, const std::string &path) {
    const int w = r.right - r.left, h = r.bottom - r.top;
    if (w <= 0 || h <= 0)
        return false;
    BITMAPINFO bi = {};
    bi.bmiHeader.biSize = sizeof(bi.bmiHeader);
    bi.bmiHeader.biWidth = w;
    bi.bmiHeader.biHeight = -h;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    void *bits = nullptr;
    HDC mem = CreateCompatibleDC(nullptr);
    HBITMAP bmp = CreateDIBSection(mem, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(mem, bmp);
    HDC wdc = GetWindowDC(hwnd);
    BitBlt(mem, 0, 0, w, h, wdc, r.left, r.top, SRCCOPY);
    ReleaseDC(hwnd, wdc);
    GdiFlush();
    std::vector<uint8_t> rgb(size_t(w) * h * 3);
    const uint32_t *px = static_cast<const uint32_t *>(bits);
    for (size_t i = 0; i < size_t(w) * h; ++i) {
        rgb[i * 3] = static_cast<uint8_t>(px[i] >> 16);
        rgb[i * 3 + 1] = static_cast<uint8_t>(px[i] >> 8);
        rgb[i * 3 + 2] = static_cast<uint8_t>(px[i]);
    }
    SelectObject(mem, old);
    DeleteObject(bmp);
    DeleteDC(mem);
    return SavePng(path, w, h, rgb);
}

// The controls of one page, each in its own picture DIR/name.png.
bool SaveCrops(HWND page, int index, const std::string &dir) {
    RECT frame;
    GetWindowRect(page, &frame);
    POINT client = {0, 0};
    ClientToScreen(page, &client);
    bool ok = true;
    for (const Crop &c : kCrops) {
        if (c.page != index)
            continue;
        RECT r = c.dlu;
        MapDialogRect(page, &r);
        OffsetRect(&r, client.x - frame.left, client.y - frame.top);
        ok = SaveArea(page, r, dir + "/" + c.name + ".png") && ok;
    }
    return ok;
}

}  // namespace

// The window as it is on the screen, frame and caption included.
bool Screenshot(HWND hwnd, const std::string &path) {
    RECT r;
    GetWindowRect(hwnd, &r);
    OffsetRect(&r, -r.left, -r.top);
    return SaveArea(hwnd, r, path);
}

void Pump(DWORD ms) {
    const DWORD end = GetTickCount() + ms;
    while (static_cast<LONG>(end - GetTickCount()) > 0) {
        MSG m;
        while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&m);
            DispatchMessageA(&m);
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
}

HWND OpenPage(HWND owner, int id, DLGPROC proc) {
    HWND page = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id), owner, proc, 0);
    if (page)
        ShowWindow(page, SW_SHOW);
    return page;
}

std::string ShotName(const std::string &path, const char *suffix) {
    const size_t dot = path.rfind('.');
    return dot == std::string::npos ? path + suffix : path.substr(0, dot) + suffix + path.substr(dot);
}

namespace {

// Saves the jump dialog once it is up, then closes it.
std::string g_jumpShot;
bool g_jumpShotOk;

void CALLBACK ShootJumpDialog(HWND, UINT, UINT_PTR timer, DWORD) {
    HWND jump = FindWindowA(REZORE32_JUMPCLASS, nullptr);
    if (!jump)
        return;
    KillTimer(nullptr, timer);
    g_jumpShotOk = Screenshot(jump, g_jumpShot);
    PostMessageA(jump, WM_COMMAND, IDCANCEL, 0);
}

}  // namespace

int main(int argc, char **argv) {
    std::string screenshot, pictures;
    for (int i = 1; i < argc; ++i)
        if (!strcmp(argv[i], "--screenshot") && i + 1 < argc)
            screenshot = argv[++i];
        else if (!strcmp(argv[i], "--pictures") && i + 1 < argc)
            screenshot = (pictures = argv[++i]) + "/gallery.png";

    // The ten-key icon comes from the library's own resources.
    g_givenIcon = LoadIconA(GetModuleHandleA("REZORE32.DLL"), MAKEINTRESOURCEA(REZORE32_IDI_TENKEY));
    HWND dlg = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_GALLERY), nullptr, GalleryProc, 0);
    if (!dlg)
        return 1;
    ShowWindow(dlg, SW_SHOW);
    if (!screenshot.empty()) {
        Pump(800);
        bool ok = Screenshot(dlg, screenshot);
        if (!pictures.empty())
            ok = SaveCrops(dlg, kMainPage, pictures) && ok;
        g_jumpShot = ShotName(screenshot, "-jump");
        SetTimer(nullptr, 0, 600, ShootJumpDialog);
        SendDlgItemMessageA(dlg, IDC_CALENDAR_JA, CLNDR_JUMPDIALOG, 0, 0);
        bool pagesOk = true;
        for (const Page &p : kPages) {
            if (HWND page = p.open(dlg)) {
                Pump(800);
                pagesOk = Screenshot(page, ShotName(screenshot, p.suffix)) && pagesOk;
                if (!pictures.empty())
                    pagesOk = SaveCrops(page, static_cast<int>(&p - kPages), pictures) && pagesOk;
                DestroyWindow(page);
            } else {
                pagesOk = false;
            }
        }
        const bool popupsOk = ShootPopups(dlg, screenshot);
        const bool selections = ShootSelectionDialogs(dlg, screenshot);
        DestroyWindow(dlg);
        return ok && g_jumpShotOk && pagesOk && popupsOk && selections ? 0 : 2;
    }
    MSG m;
    while (GetMessageA(&m, nullptr, 0, 0) > 0)
        if (!IsDialogMessageA(dlg, &m)) {
            TranslateMessage(&m);
            DispatchMessageA(&m);
        }
    return 0;
}
