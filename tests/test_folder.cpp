// The tabbed folder: titles and geometry as plain functions, then the window.  In code page 932 0x83 is a lead byte.
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "controls/folder_layout.h"
#include "frame/gdi.h"
#include "tests/support.h"

namespace {
using namespace rz::folder;
using rzt::Pump;
using Strings = std::vector<std::string>;
constexpr int kId = 91, kX = 10, kY = 10;  // the folder's place in its parent
const char kMany[] = "Alpha|Beta|Gamma|Delta|Epsilon|Zeta|Eta|Theta";
std::string Str(RECT r) {
    return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) + "," +
           std::to_string(r.bottom);
}

POINT Centre(RECT r) { return {(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }
Strings Split(const char *text) {
    Titles t;
    SplitTitles(text, t);
    Strings out;
    for (int i = 0; i < t.count; ++i)
        out.emplace_back(t.At(i), t.Length(i));
    return out;
}

// Titles within 255 bytes, split at "|" unless it is a second byte; tabs placed, hit and scrolled.
TEST(FolderPlain, SplittingAndGeometry) {
    if (rzt::Win95Mode())
        GTEST_SKIP();  // nothing depends on the platform
    const std::string x254(254, 'x');
    std::string manyTitles;  // more titles than 255 bytes can hold
    for (int i = 0; i < 200; ++i)
        manyTitles += "a|";
    for (auto [text, titles] : {std::pair<std::string, Strings>{"|A||B|||C|", {"A", "B", "C"}},  // no empty titles
                                {"\x83\x7C\x83\x7C|B", {"\x83\x7C\x83\x7C", "B"}},  // 0x7C as a second byte
                                {"A\x83|B", {"A\x83|B"}},                           // a lead byte takes "|" along
                                {x254 + "|YZ", {x254}}, {x254 + "\x83\x7C", {x254 + "\x83"}},
                                {std::string(10000, 'a'), {std::string(255, 'a')}},
                                {manyTitles, Strings(kMaxTitles, "a")}})
        EXPECT_EQ(Split(text.c_str()), titles) << text.substr(0, 20);
    EXPECT_EQ(Split(nullptr), Strings{});
    // 255 bytes without a terminator right before a page that cannot be read.
    char *pages = static_cast<char *>(VirtualAlloc(nullptr, 8192, MEM_RESERVE, PAGE_NOACCESS));
    ASSERT_TRUE(pages && VirtualAlloc(pages, 4096, MEM_COMMIT, PAGE_READWRITE));
    memset(pages + 4096 - 255, 'b', 255);
    pages[4096 - 155] = '|';
    EXPECT_EQ(Split(pages + 4096 - 255).size(), 2u);
    VirtualFree(pages, 0, MEM_RELEASE);
    EXPECT_EQ(TabHeightFromFont(12) * 100 + TabHeightFromBaseUnits(MAKELONG(8, 16)), 1520);
    const Frame top = {200, 100, 15, false}, bottom = {200, 100, 15, true};  // h = 15: the page starts at y = 18
    EXPECT_EQ(Str(top.Body()) + " " + Str(top.ArrowBox()) + " " + Str(bottom.ArrowBox()),
              "0,18,200,100 165,1,198,18 165,80,198,97");
    const int three[] = {30, 40, 50};  // tabs are their title plus 2 x 5; width, first shown: placed, last, overflow
    for (auto [width, first, placed, last, overflow] :
         {std::tuple{150, 0, 3, 2, false}, {149, 0, 2, 1, true}, {200, 1, 2, 2, true}, {20, 0, 0, -1, true}}) {
        const Placement p = PlaceTabs(Frame{width, 100, 15, false}, three, 3, first, 5, Use::Paint);
        EXPECT_EQ(std::tie(p.placed, p.lastShown, p.overflow), std::tie(placed, last, overflow)) << width;
    }
    // Painted neighbours share an outline column; hit-tested ones overlap by one, and the earlier tab wins.
    const Placement paint = PlaceTabs(bottom, three, 2, 0, 5, Use::Paint);
    const Placement hit = PlaceTabs(bottom, three, 2, 0, 5, Use::HitTest);
    EXPECT_EQ(Str(paint.tabs[0]) + " " + Str(paint.tabs[1]) + " " + Str(hit.tabs[1]),
              "-2,79,40,100 38,79,90,100 39,79,90,100");
    EXPECT_EQ(hit.HitTab({39, 84}) * 10 + hit.HitTab({40, 84}), 1) << "x = 39 is tab 0's";
    // Scrolling stops at 0 on the left and, on the right, once the last tab is shown.
    EXPECT_EQ(Scroll(0, 2, 5, Arrow::Left) * 1000 + Scroll(3, 4, 5, Arrow::Right) * 100 +
                  Scroll(4, 3, 5, Arrow::Right) * 10 + Scroll(0, 2, 5, Arrow::Right), 341);
}

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
    explicit Folder(const char *text, DWORD style = 0, int w = 240, int h = 120, bool font = true)
        : parent(40, 40, 300, 200), w_(w), h_(h), bottom_((style & FOLDERS_BOTTOM) != 0) {
        g_parentClicks.clear();
        g_parentProc = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrA(parent, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(RecordClicks)));
        hwnd_ = CreateWindowExA(0, REZORE32_FOLDERCLASS, text, WS_CHILD | WS_VISIBLE | WS_TABSTOP | style, kX, kY, w,
                                h, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(kId)), nullptr, nullptr);
        if (font)
            SendMessageA(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
        rzt::Redraw(hwnd_);
        Pump();
    }
    operator HWND() const { return hwnd_; }
    LONG selected() const { return static_cast<LONG>(SendMessageA(hwnd_, FOLDER_GETSEL, 0, 0)); }
    LONG slot(int offset) const {  // FOLDER_GWL_ offsets count from the Button class's bytes
        WNDCLASSA button = {};
        GetClassInfoA(nullptr, "Button", &button);
        return GetWindowLongA(hwnd_, button.cbWndExtra + offset);
    }
    int changes() const { return static_cast<int>(parent.Commands().size()); }  // FOLDERN_SELCHANGE, checked once
    Frame frame() const { return {w_, h_, slot(FOLDER_GWL_TABHEIGHT), bottom_}; }
    // The tabs' hit-test rectangles, measured as the folder measures them.
    Placement placement() const {
        Titles titles;
        char text[256];
        GetWindowTextA(hwnd_, text, sizeof(text));
        SplitTitles(text, titles);
        rz::WindowDC dc(hwnd_);
        rz::Select font(dc, reinterpret_cast<HGDIOBJ>(SendMessageA(hwnd_, WM_GETFONT, 0, 0)));
        int widths[kMaxTitles];
        SIZE size;
        for (int i = 0; i < titles.count; ++i)
            widths[i] = GetTextExtentPoint32A(dc, titles.At(i), titles.Length(i), &size) ? size.cx : 0;
        TEXTMETRICA tm;
        GetTextMetricsA(dc, &tm);
        return PlaceTabs(frame(), widths, titles.count, slot(FOLDER_GWL_FIRSTSHOWN), tm.tmAveCharWidth, Use::HitTest);
    }
    POINT tabPoint(int index) const { return Centre(placement().tabs[index - placement().first]); }
    POINT rightArrow() const { return {frame().ArrowBox().right - 8, Centre(frame().ArrowBox()).y}; }
    void click(POINT pt) {
        SendMessageA(hwnd_, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
        Pump();
    }
    std::vector<std::string> picture() const {
        return rzt::ClientGrid(hwnd_, {{RGB(0, 0, 0), 'k'}, {rzt::Light(), 'L'}, {rzt::Dark(), 'D'},
                                       {rzt::FaceColour(), '.'}, {RGB(128, 128, 128), 'g'}});
    }
    rzt::RecordingParent parent;
    int w_, h_;
    bool bottom_;
    HWND hwnd_;
};

// A group box whatever the template says; direct presses (when nothing lets them through) and the messages.
TEST(FolderMessages, GroupBoxDirectClicksTextAndFont) {
    Folder g("|One||Two|Three|", BS_OWNERDRAW | FOLDERS_BOTTOM);
    EXPECT_EQ(GetWindowLongA(g, GWL_STYLE) & (BS_TYPEMASK | FOLDERS_BOTTOM), BS_GROUPBOX | FOLDERS_BOTTOM);
    EXPECT_EQ(SendMessageA(g, WM_NCHITTEST, 0, MAKELPARAM(kX + 60, kY + 60)), HTTRANSPARENT);
    EXPECT_EQ(SendMessageA(g, WM_GETDLGCODE, 0, 0), DLGC_WANTARROWS | DLGC_WANTTAB);
    EXPECT_EQ(g.slot(FOLDER_GWL_COUNT) * 100 + g.selected() * 10 + g.slot(FOLDER_GWL_LASTSHOWN), 302)
        << "3 titles, the 1st selected";
    // Tab 2, the selected tab, the page, the strip right of the tabs, the page of an overflowing strip (not passed on).
    for (int where : {2, 0, -1, -2, -3}) {
        Folder f(where == -3 ? kMany : "One|Two|Three");
        const POINT pt = where >= 0 ? f.tabPoint(where) : where == -2 ? POINT{230, 5} : POINT{120, 60};
        f.click(pt);
        const std::vector<rzt::Sent> change = {{WM_COMMAND, MAKEWPARAM(kId, FOLDERN_SELCHANGE), LPARAM(HWND(f)), 0}};
        EXPECT_EQ(f.parent.Commands(), where == 2 ? change : std::vector<rzt::Sent>{}) << where;
        EXPECT_EQ(f.selected(), where == 2 ? 2 : 0) << where;
        const std::vector<LPARAM> passedOn = {MAKELPARAM(pt.x + kX, pt.y + kY)};
        EXPECT_EQ(g_parentClicks, where == -1 || where == -2 ? passedOn : std::vector<LPARAM>{}) << where;
    }
    // No font, then WM_SETTEXT: the selection reset, the scroll kept; a font sets the tab height.
    const rz::GdiObject<HFONT> big(CreateFontA(-40, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "Arial"));
    Folder f(kMany, 0, 200, 80, false);
    EXPECT_EQ(f.slot(FOLDER_GWL_TABHEIGHT), TabHeightFromBaseUnits(GetDialogBaseUnits())) << "no font";
    f.click(f.rightArrow());
    SendMessageA(f, FOLDER_SETSEL, 3, 0);
    SetWindowTextA(f, "|A|B||C|D|E|F|G|H|");
    EXPECT_EQ(f.changes() * 1000 + f.selected() * 100 + f.slot(FOLDER_GWL_COUNT) * 10 + f.slot(FOLDER_GWL_FIRSTSHOWN),
              81) << "selection reset silently, scroll kept";
    SendMessageA(f, WM_SETFONT, reinterpret_cast<WPARAM>(HFONT(big)), TRUE);
    EXPECT_EQ(rzt::Low32(reinterpret_cast<HFONT>(SendMessageA(f, WM_GETFONT, 0, 0))), rzt::Low32(HFONT(big)));
    EXPECT_GE(f.slot(FOLDER_GWL_TABHEIGHT), TabHeightFromFont(40));
}

// Real presses reach the folder through its hit test: pressed on the first point, moved over the others, let go.
TEST(FolderMouse, InjectedPressesSelectOncePerPress) {
    constexpr int kArrow = -2, kBackground = -1;
    const DWORD L = MOUSEEVENTF_LEFTDOWN, R = MOUSEEVENTF_RIGHTDOWN;
    const struct { DWORD down; std::vector<int> press; int after; } cases[] = {  // selected, first shown, changes
        {L, {2}, 201},               // a tab
        {L, {1, 2, 0}, 101},         // held over other tabs
        {L, {kBackground, 2}, 201},  // started on the parent's background
        {L, {kArrow, kArrow}, 10},   // held on the right arrow scrolls once
        {R, {2}, 201},               // buttons swapped: the right button selects
    };
    for (const auto &c : cases) {
        Folder f(kMany, 0, 250, 120);  // overflows, tabs 0 to 2 shown
        SetForegroundWindow(f.parent);
        SwapMouseButton(c.down == R);
        const POINT points[] = {f.rightArrow(), {-5, 60}, f.tabPoint(0), f.tabPoint(1), f.tabPoint(2)};
        auto moveTo = [&](int at) {  // onto the point and one pixel on, so a hit test there sees the button
            POINT p = points[at + 2];
            ClientToScreen(f, &p);
            rzt::Mouse(MOUSEEVENTF_MOVE, p, 80);
            rzt::Mouse(MOUSEEVENTF_MOVE, {p.x + 1, p.y + 1}, 80);
        };
        moveTo(c.press[0]);
        rzt::Mouse(c.down, {}, 80);
        for (int at : c.press)
            moveTo(at);
        rzt::Mouse(c.down << 1, {}, 80);  // the matching button up
        SwapMouseButton(FALSE);
        EXPECT_EQ(f.selected() * 100 + f.slot(FOLDER_GWL_FIRSTSHOWN) * 10 + f.changes(), c.after) << c.press[0];
    }
}

// Presses or releases Ctrl until the asynchronous key state, which the folder reads, shows it.
void HoldControl(bool down) {
    for (int i = 0; i < 100 && ((GetAsyncKeyState(VK_CONTROL) & 0x8000) != 0) != down; ++i) {
        if (i % 20 == 0)
            rzt::Key(VK_CONTROL, down ? 0 : KEYEVENTF_KEYUP);
        Pump(10);
    }
}

// Any index is stored silently, drawn only in range; Ctrl+Tab or Right and Left step from it without wrap-around.
TEST(FolderKeys, SelectionAndFocus) {
    for (auto [index, afterRight, afterLeft] : {std::tuple{0, 1, 0}, {1, 2, 0}, {2, 2, 1}, {3, 3, 2}, {-1, 0, -1}}) {
        Folder g("One|Two|Three", 0, 200, 80);
        SendMessageA(g, FOLDER_SETSEL, static_cast<WPARAM>(index), 0);
        const std::string row1 = g.picture()[1];  // only the selected tab's outline reaches row 1
        for (int tab = 0; tab < 3; ++tab)
            EXPECT_EQ(row1[Centre(g.placement().tabs[tab]).x], tab == index ? 'k' : '.') << index << " " << tab;
        SetForegroundWindow(g.parent);
        HoldControl(true);
        SendMessageA(g, WM_KEYDOWN, index == 0 || index == 1 ? VK_TAB : VK_RIGHT, 0);
        HoldControl(false);
        EXPECT_EQ(g.selected(), afterRight) << index;
        SendMessageA(g, FOLDER_SETSEL, static_cast<WPARAM>(index), 0);
        SendMessageA(g, WM_KEYDOWN, VK_LEFT, 0);
        EXPECT_EQ(g.selected() * 10 + g.changes(), afterLeft * 10 + (afterRight != index) + (afterLeft != index));
    }
    // The focus rectangle only with the focus, in the selected tab; Tab moves the focus on; disabled looks the same.
    Folder f("One|Two|Three", 0, 200, 80);
    HWND next = rzt::CreateChild(f.parent, "Button", WS_TABSTOP, 10, 140, 40, 20, 1);
    const std::vector<std::string> without = f.picture();
    SetFocus(f);
    Pump();
    std::vector<std::string> with = f.picture();
    const RECT tab0 = f.placement().tabs[0];
    EXPECT_NE(with, without);
    for (int y = tab0.top; y < tab0.bottom; ++y)  // tab 0 starts at the left edge
        with[y].replace(0, tab0.right, without[y], 0, tab0.right);
    EXPECT_EQ(with, without);
    SendMessageA(f, WM_KEYDOWN, VK_TAB, 0);
    EXPECT_EQ(GetFocus(), next);
    EnableWindow(f, FALSE);
    Pump();
    EXPECT_EQ(f.picture(), without);
}

// The selected tab opens into the page, the others stand back on its edge; disabled arrows in shadow or stock grey.
TEST(FolderPaint, TabsAndArrows) {
    const char disabled = rzt::Win95Mode() ? 'D' : 'g';
    for (bool bottom : {false, true}) {
        Folder f(kMany, bottom ? FOLDERS_BOTTOM : 0, 200, 80);
        const Placement p = f.placement();
        const int h = f.slot(FOLDER_GWL_TABHEIGHT), mid1 = (p.tabs[1].left + p.tabs[1].right) / 2;
        const int edge = bottom ? 80 - h - 5 : h + 3;  // the page's black edge towards the tabs
        const int inside = bottom ? edge - 1 : edge + 1, T = bottom ? 80 - h - 5 : 1, B = bottom ? 79 : h + 3;
        RECT r = f.frame().ArrowBox();
        InflateRect(&r, -1, -1);
        const int mid = r.left + (r.right - r.left) / 2;
        const std::vector<std::string> pic = f.picture();
        // Tab 0's outline at x = 0 and rim; the page's edge and ring under tabs 0 and 1; far outlines; the arrows.
        const std::string got = {pic[(T + B) / 2][0], pic[(T + B) / 2][1], ' ', pic[edge][4], pic[inside][4],
                                 pic[edge][mid1], pic[inside][mid1], ' ', pic[bottom ? B - 1 : T][p.tabs[0].right / 2],
                                 pic[bottom ? B - 2 : T + 2][mid1], pic[bottom ? B - 1 : T][mid1], ' ',
                                 pic[r.top + 7][r.left + 4], pic[r.top + 7][r.right - 6], pic[r.top + 8][mid],
                                 pic[r.top + 1][r.left], pic[r.top + 8][mid - 1]};
        EXPECT_EQ(got, std::string("kL ..k") + (bottom ? 'D' : 'L') + " kk. " + disabled + "kkLD") << bottom;
        for (int i = 0; i < 10; ++i)
            f.click(f.rightArrow());
        const std::string row = f.picture()[r.top + 7];
        EXPECT_EQ(row.substr(r.left + 4, 1) + row[r.right - 6], std::string("k") + disabled) << bottom << " at the end";
    }
}

}  // namespace
