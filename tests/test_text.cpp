// Text control: its lettering, colours and frame read back from pixels
// against where the font puts ink.
#include <gtest/gtest.h>

#include <string>

#include "tests/support.h"

namespace {

constexpr int kW = 120, kH = 24;
constexpr COLORREF kWhite = RGB(255, 255, 255), kGrey = RGB(192, 192, 192), kFace = 0xFFFFFFFF;

struct Pass { int colour, dx, dy; };  // one drawing of the lettering: colour 1 or 2 at an offset
const std::vector<Pass> kRaised = {{1, 0, 0}, {2, 1, 1}}, kEngraved = {{1, 1, 1}, {2, 0, 0}};

class TextTest : public testing::Test {
protected:
    ~TextTest() override { DeleteObject(font_); }
    void Text(DWORD style, const std::string &text = "A&bg") {
        DestroyWindow(text_);
        text_ = rzt::CreateChild(parent_, REZORE32_TEXTCLASS, style, 10, 10, kW, kH);
        SendMessageA(text_, WM_SETFONT, reinterpret_cast<WPARAM>(font_), 0);
        ValidateRect(text_, nullptr);
        EXPECT_TRUE(SetWindowTextA(text_, text.c_str()));
        EXPECT_TRUE(GetUpdateRect(text_, nullptr, FALSE));  // a new text always repaints
        rzt::Redraw(text_);
        rzt::Snapshot(text_, shot_);
    }
    // Compares the shot, inside a frame of `inset`, with `text` drawn by the
    // font in `format` for each pass over `background` (kFace: the face).
    void ExpectLettering(const std::string &text, UINT format, const std::vector<Pass> &passes, COLORREF first,
                         COLORREF second = 0, COLORREF background = kFace, int inset = 0) {
        rzt::Canvas ink(kW, kH, kWhite);
        HGDIOBJ old = SelectObject(ink.dc(), font_);
        SetBkMode(ink.dc(), TRANSPARENT);
        RECT r = {0, 0, kW, kH};
        DrawTextA(ink.dc(), text.data(), static_cast<int>(text.size()), &r, format | DT_SINGLELINE | DT_VCENTER);
        SelectObject(ink.dc(), old);
        const COLORREF face = rzt::FaceColour();
        int wrong = 0;
        for (int y = inset; y < kH - inset; ++y)
            for (int x = inset; x < kW - inset; ++x) {
                COLORREF expected = background == kFace ? face : background;
                for (const Pass &p : passes)
                    if (x >= p.dx && y >= p.dy && ink.At(x - p.dx, y - p.dy) != kWhite)
                        expected = p.colour == 2 ? second : first == kFace ? face : first;
                if (shot_.At(x, y) != expected && ++wrong <= 3)
                    ADD_FAILURE() << x << "," << y << " is " << std::hex << shot_.At(x, y) << " not " << expected;
            }
        EXPECT_EQ(wrong, 0);
    }
    rzt::RecordingParent parent_;
    // A crisp font, so that every pixel of the lettering is one of its colours.
    HFONT font_ = CreateFontA(-13, 0, 0, 0, FW_BOLD, 0, 0, 0, ANSI_CHARSET, 0, 0, NONANTIALIASED_QUALITY, 0, "Tahoma");
    rzt::Canvas shot_{kW, kH, 0};
    HWND text_ = nullptr;
};

// The parent, when asked, answers red and green over a navy brush, or over
// no brush (the class background) where the case expects the face.
TEST_F(TextTest, LetteringOfEachStyle) {
    const COLORREF red = RGB(255, 0, 0), green = RGB(0, 128, 0), navy = RGB(0, 0, 128);
    struct Case {
        const char *what; DWORD style; UINT format; std::vector<Pass> passes; COLORREF first, second, background;
    };
    const Case cases[] = {
        {"default: grey with a black shadow", 0, DT_LEFT, kRaised, kGrey, 0, kFace},
        {"engraved: black over a face-coloured copy", TEXTS_ENGRAVED, DT_LEFT, kEngraved, kFace, 0, kFace},
        {"white engraved", TEXTS_WHITE | TEXTS_ENGRAVED, DT_LEFT, kEngraved, kWhite, 0, kFace},
        {"thick", TEXTS_WHITE | TEXTS_THICK, DT_LEFT, {{1, 0, 0}, {1, 1, 0}, {2, 1, 1}, {2, 2, 1}}, kWhite, 0, kFace},
        {"thick engraved", TEXTS_WHITE | TEXTS_ENGRAVED | TEXTS_THICK, DT_LEFT,
         {{1, 2, 1}, {1, 1, 1}, {2, 1, 0}, {2, 0, 0}}, kWhite, 0, kFace},
        {"right", TEXTS_WHITE | TEXTS_RIGHT, DT_RIGHT, kRaised, kWhite, 0, kFace},
        {"centre wins over right", TEXTS_WHITE | TEXTS_CENTER | TEXTS_RIGHT, DT_CENTER, kRaised, kWhite, 0, kFace},
        {"no prefix: left, & shown", TEXTS_WHITE | TEXTS_NOPREFIX | TEXTS_CENTER, DT_NOPREFIX, kRaised, kWhite, 0, kFace},
        {"parent's colours and brush", TEXTS_PARENTCOLOR, DT_LEFT, kRaised, red, green, navy},
        {"parent's colours, class background", TEXTS_PARENTCOLOR, DT_LEFT, kRaised, red, green, kFace},
        {"parent's colours engraved", TEXTS_PARENTCOLOR | TEXTS_ENGRAVED, DT_LEFT, kEngraved, red, green, navy},
        {"white wins, parent not asked", TEXTS_PARENTCOLOR | TEXTS_WHITE, DT_LEFT, kRaised, kWhite, 0, kFace},
    };
    HBRUSH brush = CreateSolidBrush(navy);
    for (const Case &t : cases) {
        SCOPED_TRACE(t.what);
        parent_.answerTextColour = [&](HDC dc) {
            SetBkColor(dc, red);
            SetTextColor(dc, green);
            return reinterpret_cast<LRESULT>(t.background == navy ? brush : nullptr);
        };
        parent_.sent.clear();
        Text(t.style);
        ExpectLettering("A&bg", t.format, t.passes, t.first, t.second, t.background);
        EXPECT_EQ(parent_.sent.empty(), t.second == 0);  // asked only for the parent's colours
        for (const rzt::Sent &s : parent_.sent)
            EXPECT_TRUE(s.msg == TEXT_CTLCOLOR && s.lParam == reinterpret_cast<LPARAM>(text_));
    }
    parent_.answerTextColour = nullptr;
    DeleteObject(brush);
    for (size_t length : {127u, 128u, 10000u}) {  // right-aligned, so the last byte drawn is at the edge
        SCOPED_TRACE(length);
        std::string text(120, 'i');
        while (text.size() < length)
            text += text.size() % 2 ? 'W' : 'm';
        Text(TEXTS_WHITE | TEXTS_RIGHT, text);
        EXPECT_EQ(GetWindowTextLengthA(text_), static_cast<int>(length));  // kept, but only 127 bytes drawn
        ExpectLettering(text.substr(0, 127), DT_RIGHT, kRaised, kWhite);
    }
}

TEST_F(TextTest, FrameRaisedAndSunken) {
    for (bool sunken : {false, true})
        for (const char *text : {"", "A&bg"}) {
            SCOPED_TRACE(testing::Message() << (sunken ? "sunken " : "raised ") << text);
            Text(TEXTS_WHITE | TEXTS_FRAME | (sunken ? TEXTS_FRAMESUNKEN : 0), text);
            // Top row and left column in the first pen; bottom row and right
            // column, its top pixel too, in the second.
            const std::string frame = sunken ? "DDDDLLLL" : "LLLLDDDD";
            std::string seen;
            for (POINT p : {POINT{0, 0}, POINT{kW / 2, 0}, POINT{0, kH - 1}, POINT{0, kH / 2}, POINT{kW - 1, 0},
                            POINT{kW - 1, kH / 2}, POINT{kW / 2, kH - 1}, POINT{kW - 1, kH - 1}})
                seen += shot_.At(p.x, p.y) == rzt::Light() ? 'L' : shot_.At(p.x, p.y) == rzt::Dark() ? 'D' : '?';
            EXPECT_EQ(seen, frame);
            ExpectLettering(text, DT_LEFT, kRaised, kWhite, 0, kFace, 1);
        }
}

}  // namespace
