// The tabbed folder as a window: its class, selection by mouse and keys,
// scrolling, text and font changes, its pixels, and bad input.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "controls/folder_layout.h"
#include "tests/support.h"

namespace {

using rzt::Pump;
namespace folder = rz::folder;

constexpr int kId = 91;
constexpr int kX = 10, kY = 10;  // the folder's place in its parent

// The folder's slots lie behind the Button class's own bytes.
int ButtonExtra() {
    WNDCLASSA wc = {};
    GetClassInfoA(nullptr, "Button", &wc);
    return wc.cbWndExtra;
}
enum Slot { kSelected = 4, kCount = 8, kFlags = 12, kFont = 16, kFirstShown = 20, kLastShown = 24, kTabHeight = 28 };
LONG SlotOf(HWND folder, Slot slot) { return GetWindowLongA(folder, ButtonExtra() + slot); }

HFONT GuiFont() { return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)); }

// The parent's WM_LBUTTONDOWN, which the folder hands on from its page.
std::vector<LPARAM> g_parentClicks;
WNDPROC g_parentProc;
LRESULT CALLBACK RecordClicks(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_LBUTTONDOWN)
        g_parentClicks.push_back(lParam);
    return CallWindowProcA(g_parentProc, hwnd, msg, wParam, lParam);
}

class Folder {
public:
    explicit Folder(const char *text, DWORD style = 0, int w = 240, int h = 120, HFONT font = GuiFont())
        : parent_(40, 40, 300, 200) {
        g_parentClicks.clear();
        g_parentProc = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrA(parent_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(RecordClicks)));
        hwnd_ = CreateWindowExA(0, REZORE32_FOLDERCLASS, text, WS_CHILD | WS_VISIBLE | WS_TABSTOP | style, kX, kY, w,
                                h, parent_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(kId)),
                                GetModuleHandleA(nullptr), nullptr);
        if (font)
            SendMessageA(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        Repaint();
    }
    ~Folder() {
        DestroyWindow(hwnd_);
        SetWindowLongPtrA(parent_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(g_parentProc));
    }
    operator HWND() const { return hwnd_; }
    rzt::RecordingParent &parent() { return parent_; }

    void Repaint() {
        RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
        Pump();
    }
    LONG selected() const { return static_cast<LONG>(SendMessageA(hwnd_, FOLDER_GETSEL, 0, 0)); }
    LONG slot(Slot s) const { return SlotOf(hwnd_, s); }

    // Selection changes the parent was told of; each must name this folder.
    int changes() const {
        int n = 0;
        for (const rzt::Sent &s : parent_.Commands()) {
            EXPECT_EQ(s.wParam, MAKEWPARAM(kId, FOLDERN_SELCHANGE));
            EXPECT_EQ(s.lParam, reinterpret_cast<LPARAM>(hwnd_));
            ++n;
        }
        return n;
    }

    // Where the tabs are now, measured as the folder measures them.
    folder::Placement placement() const {
        folder::Titles titles;
        char text[256];
        GetWindowTextA(hwnd_, text, sizeof(text));
        folder::SplitTitles(text, titles);
        HDC dc = GetDC(hwnd_);
        HGDIOBJ old = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageA(hwnd_, WM_GETFONT, 0, 0)));
        int widths[folder::kMaxTitles];
        for (int i = 0; i < titles.count; ++i) {
            SIZE size;
            GetTextExtentPoint32A(dc, titles.At(i), titles.Length(i), &size);
            widths[i] = size.cx;
        }
        TEXTMETRICA tm;
        GetTextMetricsA(dc, &tm);
        if (old)
            SelectObject(dc, old);
        ReleaseDC(hwnd_, dc);
        return folder::PlaceTabs(frame(), widths, titles.count, slot(kFirstShown), tm.tmAveCharWidth,
                                 folder::Use::HitTest);
    }
    folder::Frame frame() const {
        RECT rc;
        GetClientRect(hwnd_, &rc);
        return {rc.right, rc.bottom, slot(kTabHeight), (GetWindowLongA(hwnd_, GWL_STYLE) & FOLDERS_BOTTOM) != 0};
    }
    // Client point inside tab `index`, or in the middle of the page.
    POINT tabPoint(int index) const {
        const folder::Placement p = placement();
        const RECT &r = p.tabs[index - p.first];
        return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    }
    POINT pagePoint() const {
        const RECT body = frame().Body();
        return {(body.left + body.right) / 2, (body.top + body.bottom) / 2};
    }
    POINT arrowPoint(folder::Arrow arrow) const {
        const RECT box = frame().ArrowBox();
        return {arrow == folder::Arrow::Left ? box.left + 8 : box.right - 8, (box.top + box.bottom) / 2};
    }
    void click(POINT pt) {
        SendMessageA(hwnd_, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
        Pump();
    }

private:
    rzt::RecordingParent parent_;
    HWND hwnd_;
};

constexpr COLORREF kBlack = RGB(0, 0, 0);

struct Picture {
    explicit Picture(HWND hwnd) : canvas(Width(hwnd), Height(hwnd), RGB(1, 2, 3)) { rzt::Snapshot(hwnd, canvas); }
    COLORREF operator()(int x, int y) const { return canvas.At(x, y); }
    static int Width(HWND h) { RECT r; GetClientRect(h, &r); return r.right; }
    static int Height(HWND h) { RECT r; GetClientRect(h, &r); return r.bottom; }
    rzt::Canvas canvas;
};

// ---------------------------------------------------------------- class
TEST(FolderClass, ButtonSuperclassWith32MoreBytes) {
    WNDCLASSA button = {}, wc = {};
    ASSERT_TRUE(GetClassInfoA(nullptr, "Button", &button));
    ASSERT_TRUE(GetClassInfoA(nullptr, REZORE32_FOLDERCLASS, &wc));
    EXPECT_EQ(wc.cbWndExtra, button.cbWndExtra + 32);
    EXPECT_EQ(wc.style, button.style | CS_GLOBALCLASS | CS_DBLCLKS);
    EXPECT_EQ(wc.hbrBackground, button.hbrBackground);
    EXPECT_EQ(wc.hCursor, button.hCursor);
    EXPECT_EQ(reinterpret_cast<void *>(wc.lpfnWndProc),
              reinterpret_cast<void *>(GetProcAddress(GetModuleHandleA("REZORE32.DLL"), "FolderCtlWndFn")));
}

TEST(FolderClass, BecomesAGroupBoxWhateverTheTemplateSays) {
    for (DWORD type : {BS_PUSHBUTTON, BS_CHECKBOX, BS_OWNERDRAW, BS_AUTORADIOBUTTON}) {
        Folder f("A|B", type | FOLDERS_BOTTOM);
        const LONG style = GetWindowLongA(f, GWL_STYLE);
        EXPECT_EQ(style & BS_TYPEMASK, BS_GROUPBOX) << type;
        EXPECT_TRUE(style & FOLDERS_BOTTOM);
        EXPECT_EQ(SendMessageA(f, WM_NCHITTEST, 0, MAKELPARAM(kX + 60, kY + 60)), HTTRANSPARENT);
        EXPECT_EQ(SendMessageA(f, WM_GETDLGCODE, 0, 0), DLGC_WANTARROWS | DLGC_WANTTAB);
    }
}

TEST(FolderClass, CreationCountsTitlesAndSelectsTheFirst) {
    Folder f("|One||Two|Three|");
    EXPECT_EQ(f.slot(kCount), 3);
    EXPECT_EQ(f.selected(), 0);
    EXPECT_EQ(f.slot(kFirstShown), 0);
    EXPECT_EQ(f.slot(kLastShown), 2);
}

// ---------------------------------------------------------------- mouse
// A press sent straight to the folder (as when nothing lets it through).
TEST(FolderMouse, DirectClicks) {
    struct Case {
        const char *name;
        std::function<POINT(const Folder &)> where;
        LONG selected;
        int changes;
        bool passedOn;
    };
    const Case cases[] = {
        {"another tab", [](const Folder &f) { return f.tabPoint(2); }, 2, 1, false},
        {"the selected tab", [](const Folder &f) { return f.tabPoint(0); }, 0, 0, false},
        {"the page", [](const Folder &f) { return f.pagePoint(); }, 0, 0, true},
        {"the strip right of the tabs", [](const Folder &) { return POINT{230, 5}; }, 0, 0, true},
    };
    for (const Case &c : cases) {
        Folder f("One|Two|Three");
        const POINT pt = c.where(f);
        f.click(pt);
        EXPECT_EQ(f.selected(), c.selected) << c.name;
        EXPECT_EQ(f.changes(), c.changes) << c.name;
        ASSERT_EQ(g_parentClicks.size(), c.passedOn ? 1u : 0u) << c.name;
        if (c.passedOn) {
            EXPECT_EQ(g_parentClicks[0], MAKELPARAM(pt.x + kX, pt.y + kY)) << c.name;
        }
    }
}

// Real input through the window system: the press goes through the group
// box to the parent, and the folder sees it in the hit test.
class FolderPress : public testing::Test {
protected:
    void TearDown() override { SwapMouseButton(FALSE); }

    static void Inject(DWORD flags, POINT screen = {}) {
        INPUT in = {};
        in.type = INPUT_MOUSE;
        in.mi.dwFlags = flags;
        if (flags & MOUSEEVENTF_MOVE) {
            const int w = GetSystemMetrics(SM_CXSCREEN), h = GetSystemMetrics(SM_CYSCREEN);
            in.mi.dwFlags |= MOUSEEVENTF_ABSOLUTE;
            in.mi.dx = (screen.x * 65536 + w - 1) / w;
            in.mi.dy = (screen.y * 65536 + h - 1) / h;
        }
        SendInput(1, &in, sizeof(in));
        Pump(80);  // long enough for the asynchronous button state to follow
    }
    // Moves onto the point and then one pixel on, so that at least one hit
    // test there sees the button state as it is.
    static void MoveOnto(HWND hwnd, POINT client) {
        ClientToScreen(hwnd, &client);
        Inject(MOUSEEVENTF_MOVE, client);
        Inject(MOUSEEVENTF_MOVE, {client.x + 1, client.y + 1});
    }
};

TEST_F(FolderPress, SelectsOncePerPress) {
    constexpr int kBackground = -1, kRightArrow = -2;
    struct Case {
        const char *name;
        bool swapped;
        DWORD down, up;
        std::vector<std::vector<int>> presses;  // where each press goes, in order
        LONG selected, firstShown;
        int changes;
    };
    const DWORD L = MOUSEEVENTF_LEFTDOWN, LU = MOUSEEVENTF_LEFTUP;
    const DWORD R = MOUSEEVENTF_RIGHTDOWN, RU = MOUSEEVENTF_RIGHTUP;
    const Case cases[] = {
        {"a tab", false, L, LU, {{2}}, 2, 0, 1},
        {"the selected tab", false, L, LU, {{0}}, 0, 0, 0},
        {"held over other tabs", false, L, LU, {{1, 2, 0}}, 1, 0, 1},
        {"started on the parent's background", false, L, LU, {{kBackground, 2}}, 2, 0, 1},
        {"two presses", false, L, LU, {{1}, {2}}, 2, 0, 2},
        {"held on the right arrow scrolls once", false, L, LU, {{kRightArrow, kRightArrow}}, 0, 1, 0},
        {"swapped: the right button selects", true, R, RU, {{2}}, 2, 0, 1},
        {"swapped: the left button does not", true, L, LU, {{2}}, 0, 0, 0},
    };
    for (const Case &c : cases) {
        // Narrow enough for the arrows, wide enough for tabs 0 to 2.
        Folder f("Alpha|Beta|Gamma|Delta|Epsilon|Zeta|Eta|Theta|Iota|Kappa", 0, 250, 120);
        SetForegroundWindow(f.parent());
        SwapMouseButton(c.swapped);
        ASSERT_TRUE(f.placement().overflow) << "the case needs an overflowing strip";
        const std::vector<POINT> points = {f.tabPoint(0), f.tabPoint(1), f.tabPoint(2)};
        const POINT background = {-5, 60}, arrow = f.arrowPoint(folder::Arrow::Right);
        for (const std::vector<int> &press : c.presses) {
            for (size_t i = 0; i < press.size(); ++i) {
                const int at = press[i];
                MoveOnto(f, at == kBackground ? background : at == kRightArrow ? arrow : points[at]);
                if (i == 0) {
                    Inject(c.down);
                    MoveOnto(f, at == kBackground ? background : at == kRightArrow ? arrow : points[at]);
                }
            }
            Inject(c.up);
        }
        SwapMouseButton(FALSE);
        EXPECT_EQ(f.selected(), c.selected) << c.name;
        EXPECT_EQ(f.slot(kFirstShown), c.firstShown) << c.name;
        EXPECT_EQ(f.changes(), c.changes) << c.name;
        EXPECT_EQ(f.slot(kFlags) & 2, 0) << c.name << ": released";
    }
}

// ---------------------------------------------------------------- scrolling
TEST(FolderScroll, ArrowsStopAtBothEnds) {
    Folder f("Alpha|Beta|Gamma|Delta|Epsilon|Zeta|Eta", FOLDERS_BOTTOM, 200, 120);
    f.click(f.arrowPoint(folder::Arrow::Left));
    EXPECT_EQ(f.slot(kFirstShown), 0) << "left stops at 0";
    std::vector<LONG> firsts;
    for (int i = 0; i < 8; ++i) {
        f.click(f.arrowPoint(folder::Arrow::Right));
        firsts.push_back(f.slot(kFirstShown));
    }
    const LONG end = firsts.back();
    EXPECT_EQ(f.slot(kLastShown), 6) << "scrolling stops once the last tab is shown";
    EXPECT_GT(end, 1);
    for (LONG i = 0; i < end; ++i)
        EXPECT_EQ(firsts[i], i + 1);
    f.click(f.pagePoint());
    EXPECT_EQ(g_parentClicks.size(), 0u) << "an overflowing strip keeps its clicks";
    for (int i = 0; i < 10; ++i)
        f.click(f.arrowPoint(folder::Arrow::Left));
    EXPECT_EQ(f.slot(kFirstShown), 0);
    EXPECT_EQ(f.selected(), 0);
    EXPECT_EQ(f.changes(), 0) << "scrolling never selects";
}

// ---------------------------------------------------------------- keyboard
// The folder between two buttons of a dialog, keys typed through the
// window system and dispatched with IsDialogMessageA.
class FolderKeys : public testing::Test {
protected:
    void SetUp() override {
        before_ = rzt::CreateChild(f_.parent(), "Button", WS_TABSTOP, 10, 140, 40, 20, 1);
        SetWindowPos(f_, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
        after_ = rzt::CreateChild(f_.parent(), "Button", WS_TABSTOP, 60, 140, 40, 20, 2);
        SetForegroundWindow(f_.parent());
        Pump(50);
    }
    void Type(std::initializer_list<std::pair<WORD, bool>> keys) {
        for (const auto &k : keys) {
            INPUT in = {};
            in.type = INPUT_KEYBOARD;
            in.ki.wVk = k.first;
            in.ki.dwFlags = k.second ? 0 : KEYEVENTF_KEYUP;
            SendInput(1, &in, sizeof(in));
            DialogPump(80);
        }
    }
    void DialogPump(DWORD ms) {
        const DWORD end = GetTickCount() + ms;
        do {
            MSG m;
            while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE))
                if (!IsDialogMessageA(f_.parent(), &m)) {
                    TranslateMessage(&m);
                    DispatchMessageA(&m);
                }
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
        } while (static_cast<LONG>(end - GetTickCount()) > 0);
    }

    Folder f_{"One|Two|Three"};
    HWND before_ = nullptr, after_ = nullptr;
};

TEST_F(FolderKeys, TableOfKeys) {
    using Keys = std::vector<WORD>;  // pressed in order, released in reverse
    enum Focus { kStays, kBefore, kAfter };
    struct Case {
        const char *name;
        LONG from;
        Keys keys;
        LONG to;
        Focus focus;
    };
    const Case cases[] = {
        {"Ctrl+Tab", 0, {VK_CONTROL, VK_TAB}, 1, kStays},
        {"Ctrl+Tab on the last tab", 2, {VK_CONTROL, VK_TAB}, 2, kStays},
        {"Ctrl+Shift+Tab", 2, {VK_CONTROL, VK_SHIFT, VK_TAB}, 1, kStays},
        {"Ctrl+Shift+Tab on the first tab", 0, {VK_CONTROL, VK_SHIFT, VK_TAB}, 0, kStays},
        {"Right", 1, {VK_RIGHT}, 2, kStays},
        {"Right on the last tab", 2, {VK_RIGHT}, 2, kStays},
        {"Left", 1, {VK_LEFT}, 0, kStays},
        {"Left on the first tab", 0, {VK_LEFT}, 0, kStays},
        {"another key", 1, {'A'}, 1, kStays},
        {"Tab", 1, {VK_TAB}, 1, kAfter},
        {"Shift+Tab", 1, {VK_SHIFT, VK_TAB}, 1, kBefore},
    };
    for (const Case &c : cases) {
        SendMessageA(f_, FOLDER_SETSEL, c.from, 0);
        SetFocus(f_);
        DialogPump(30);
        ASSERT_EQ(GetFocus(), static_cast<HWND>(f_));
        f_.parent().sent.clear();
        for (WORD k : c.keys)
            Type({{k, true}});
        for (auto k = c.keys.rbegin(); k != c.keys.rend(); ++k)
            Type({{*k, false}});
        EXPECT_EQ(f_.selected(), c.to) << c.name;
        EXPECT_EQ(f_.changes(), c.to != c.from ? 1 : 0) << c.name;
        const HWND focus = c.focus == kStays ? static_cast<HWND>(f_) : c.focus == kBefore ? before_ : after_;
        EXPECT_EQ(GetFocus(), focus) << c.name;
    }
}

// ---------------------------------------------------------------- messages
TEST(FolderMessages, SetTextResetsTheSelectionKeepsTheScroll) {
    Folder f("Alpha|Beta|Gamma|Delta|Epsilon|Zeta|Eta", 0, 200, 120);
    f.click(f.arrowPoint(folder::Arrow::Right));
    SendMessageA(f, FOLDER_SETSEL, 3, 0);
    f.parent().sent.clear();
    SetWindowTextA(f, "|A|B||C|D|E|F|G|H|");
    Pump();
    EXPECT_EQ(f.selected(), 0);
    EXPECT_EQ(f.slot(kCount), 8);
    EXPECT_EQ(f.slot(kFirstShown), 1);
    EXPECT_EQ(f.changes(), 0);
    char text[64];
    GetWindowTextA(f, text, sizeof(text));
    EXPECT_STREQ(text, "|A|B||C|D|E|F|G|H|") << "the Button class stores the text";
}

TEST(FolderMessages, SetSelStoresAnyIndexWithoutNotifying) {
    // Index set, then after Right from it, after Left from it.
    struct Case {
        LONG index, afterRight, afterLeft;
    };
    for (const Case &c : {Case{1, 2, 0}, Case{2, 2, 1}, Case{3, 3, 2}, Case{100, 100, 99}, Case{-1, 0, -1},
                          Case{0x7FFFFFFF, 0x7FFFFFFF, 0x7FFFFFFE}}) {
        Folder f("One|Two|Three", 0, 200, 80);
        EXPECT_EQ(SendMessageA(f, FOLDER_SETSEL, static_cast<WPARAM>(c.index), 0), 0);
        EXPECT_EQ(f.selected(), c.index);
        EXPECT_EQ(f.changes(), 0) << c.index;
        // Only a tab in range is drawn selected: its outline reaches row 1.
        const folder::Placement p = f.placement();
        Picture pic(f);
        for (int tab = 0; tab < 3; ++tab)
            EXPECT_EQ(pic((p.tabs[tab].left + p.tabs[tab].right) / 2, 1) == kBlack, tab == c.index)
                << "selected " << c.index << ", tab " << tab;
        SendMessageA(f, WM_KEYDOWN, VK_RIGHT, 0);
        EXPECT_EQ(f.selected(), c.afterRight) << c.index;
        SendMessageA(f, FOLDER_SETSEL, static_cast<WPARAM>(c.index), 0);
        SendMessageA(f, WM_KEYDOWN, VK_LEFT, 0);
        EXPECT_EQ(f.selected(), c.afterLeft) << c.index;
    }
}

// Handles travel in 32-bit slots: what comes back is the same handle,
// sign-extended on Win64.
DWORD Low32(LRESULT value) { return static_cast<DWORD>(value); }
DWORD Low32(HGDIOBJ handle) { return static_cast<DWORD>(reinterpret_cast<UINT_PTR>(handle)); }

TEST(FolderMessages, FontSetsTheTabHeight) {
    HFONT big = CreateFontA(-20, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "Arial");
    auto heightOfX = [](HFONT font) {
        HDC dc = GetDC(nullptr);
        HGDIOBJ old = SelectObject(dc, font);
        SIZE size = {};
        GetTextExtentPoint32A(dc, "X", 1, &size);
        if (old)
            SelectObject(dc, old);
        ReleaseDC(nullptr, dc);
        return size.cy;
    };
    {
        Folder f("One|Two", 0, 240, 120, nullptr);
        EXPECT_EQ(f.slot(kTabHeight), folder::TabHeightFromBaseUnits(GetDialogBaseUnits())) << "no font";
        EXPECT_EQ(SendMessageA(f, WM_GETFONT, 0, 0), 0);
        const LONG before = f.slot(kTabHeight);
        SendMessageA(f, WM_SETFONT, reinterpret_cast<WPARAM>(big), FALSE);
        EXPECT_EQ(Low32(SendMessageA(f, WM_GETFONT, 0, 0)), Low32(big));
        EXPECT_EQ(f.slot(kTabHeight), before) << "not repainted";
        SendMessageA(f, WM_SETFONT, reinterpret_cast<WPARAM>(big), TRUE);
        EXPECT_EQ(f.slot(kTabHeight), folder::TabHeightFromFont(heightOfX(big))) << "the strip repainted at once";
    }
    // Handles that are not fonts count as no font.
    for (HGDIOBJ notAFont : {GetStockObject(BLACK_BRUSH), reinterpret_cast<HGDIOBJ>(0x1234)}) {
        Folder f("One|Two", 0, 240, 120, nullptr);
        SendMessageA(f, WM_SETFONT, reinterpret_cast<WPARAM>(notAFont), TRUE);
        f.Repaint();
        EXPECT_EQ(f.slot(kTabHeight), folder::TabHeightFromBaseUnits(GetDialogBaseUnits()));
        EXPECT_EQ(Low32(SendMessageA(f, WM_GETFONT, 0, 0)), Low32(notAFont));
    }
    DeleteObject(big);
}

// ---------------------------------------------------------------- pixels
// Tab 0 selected, tab 1 not, on either edge: the selected tab's rim opens
// into the page, the other tab stands two pixels (top) or one (bottom)
// further from the page's far side and keeps the page's edge under it.
TEST(FolderPaint, StripOfTopAndBottomTabs) {
    for (bool bottom : {false, true}) {
        SCOPED_TRACE(bottom ? "bottom tabs" : "top tabs");
        Folder f("One|Two|Three", bottom ? FOLDERS_BOTTOM : 0, 200, 80);
        const folder::Placement p = f.placement();
        const int h = f.slot(kTabHeight), H = 80;
        const int mid1 = (p.tabs[1].left + p.tabs[1].right) / 2;
        const int edge = bottom ? H - h - 5 : h + 3;  // the page's black edge towards the tabs
        const int inside = bottom ? edge - 1 : edge + 1;
        const int T = bottom ? H - h - 5 : 1, B = bottom ? H - 1 : h + 3;  // tab 0, inflated by -1
        const int rimY = (T + B) / 2;
        Picture pic(f);
        EXPECT_EQ(pic(0, rimY), kBlack) << "the first tab's outline lies at x = 0";
        EXPECT_EQ(pic(1, rimY), rzt::Light());
        EXPECT_EQ(pic(2, rimY), rzt::Light());
        EXPECT_EQ(pic(4, edge), rzt::FaceColour()) << "the page's edge is open under the selected tab";
        EXPECT_EQ(pic(4, inside), rzt::FaceColour());
        EXPECT_EQ(pic(mid1, edge), kBlack) << "and closed under the others";
        EXPECT_EQ(pic(mid1, inside), bottom ? rzt::Dark() : rzt::Light());
        // The far outline: the selected tab's on its rectangle's edge, the
        // other's set back towards the page.
        const int far0 = bottom ? B - 1 : T, far1 = bottom ? B - 2 : T + 2;
        EXPECT_EQ(pic(p.tabs[0].right / 2, far0), kBlack);
        EXPECT_EQ(pic(mid1, far1), kBlack);
        EXPECT_EQ(pic(mid1, far0), rzt::FaceColour());
    }
}

TEST(FolderPaint, FocusRectangleOnlyWithTheFocus) {
    Folder f("One|Two|Three", 0, 200, 80);
    Picture without(f);
    SetFocus(f);
    Pump();
    EXPECT_EQ(f.slot(kFlags) & 1, 1);
    Picture with(f);
    const RECT tab0 = f.placement().tabs[0];
    int changed = 0;
    for (int y = 0; y < 80; ++y)
        for (int x = 0; x < 200; ++x)
            if (with(x, y) != without(x, y)) {
                ++changed;
                EXPECT_TRUE(x >= tab0.left && x < tab0.right && y < tab0.bottom) << x << "," << y;
            }
    EXPECT_GT(changed, 0);
    SetFocus(f.parent());
    EXPECT_EQ(f.slot(kFlags) & 1, 0);
}

// The Button class would draw its group box over the folder.
TEST(FolderPaint, EnablingDrawsTheSameFolder) {
    Folder f("One|Two|Three", 0, 200, 80);
    Picture enabled(f);
    EnableWindow(f, FALSE);
    Pump();
    Picture disabled(f);
    for (int y = 0; y < 80; ++y)
        for (int x = 0; x < 200; ++x)
            ASSERT_EQ(disabled(x, y), enabled(x, y)) << x << "," << y;
}

// Disabled arrows are filled with the shared shadow brush on Windows 95 and
// the stock grey brush elsewhere.
TEST(FolderPaint, ArrowBoxInBothLooks) {
    const COLORREF disabled = rzt::Win95Mode() ? rzt::Dark() : RGB(128, 128, 128);
    for (bool bottom : {false, true}) {
        Folder f("Alpha|Beta|Gamma|Delta|Epsilon|Zeta|Eta|Theta", bottom ? FOLDERS_BOTTOM : 0, 200, 80);
        RECT r = f.frame().ArrowBox();
        InflateRect(&r, -1, -1);
        const POINT left = {r.left + 4, r.top + 7}, right = {r.right - 6, r.top + 7};
        const int mid = r.left + (r.right - r.left) / 2;
        Picture start(f);
        EXPECT_EQ(start(left.x, left.y), disabled) << "at the first tab";
        EXPECT_EQ(start(right.x, right.y), kBlack);
        EXPECT_EQ(start(mid, r.top + 8), kBlack) << "divider";
        EXPECT_EQ(start(r.left, r.top + 1), rzt::Light());
        EXPECT_EQ(start(mid - 1, r.top + 8), rzt::Dark());
        for (int i = 0; i < 10; ++i)
            f.click(f.arrowPoint(folder::Arrow::Right));
        Picture end(f);
        EXPECT_EQ(end(left.x, left.y), kBlack) << "at the last tab";
        EXPECT_EQ(end(right.x, right.y), disabled);
    }
}

// ---------------------------------------------------------------- bad input
TEST(FolderBadInput, NoCrashNoWritesOutsideItsBytes) {
    const std::string texts[] = {"", "A", std::string(10000, 'x'), std::string(300, '|'), "A|B\x83",
                                 std::string(10000, '\x83')};
    const SIZE sizes[] = {{0, 0}, {1, 1}, {30000, 60}, {40, 300}};
    const int base = ButtonExtra();
    for (const SIZE &size : sizes)
        for (DWORD style : {0, FOLDERS_BOTTOM}) {
            Folder f("One|Two", style, size.cx, size.cy);
            std::vector<LONG> own;
            for (int i = 0; i + 4 <= base; i += 4)
                own.push_back(GetWindowLongA(f, i));
            for (const std::string &text : texts) {
                SendMessageA(f, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
                for (LONG sel : {-5, 0, 3, 1000})
                    SendMessageA(f, FOLDER_SETSEL, static_cast<WPARAM>(sel), 0);
                f.Repaint();
                for (POINT pt : {POINT{0, 0}, POINT{5, 5}, POINT{size.cx - 10, 5}, POINT{size.cx - 10, size.cy - 5}}) {
                    f.click(pt);
                    SendMessageA(f, WM_NCHITTEST, 0, MAKELPARAM(pt.x + kX + 40, pt.y + kY + 40));
                }
                SendMessageA(f, WM_KEYDOWN, VK_RIGHT, 0);
                SendMessageA(f, WM_KEYDOWN, VK_LEFT, 0);
            }
            SendMessageA(f, WM_SETTEXT, 0, 0);
            EXPECT_EQ(f.slot(kCount), 0);
            f.Repaint();
            for (int i = 0, k = 0; i + 4 <= base; i += 4, ++k)
                EXPECT_EQ(GetWindowLongA(f, i), own[k]) << "byte " << i << " of the Button class";
        }
}

}  // namespace
