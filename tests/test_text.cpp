// Text control: its lettering, colours and frame read back from pixels, and
// its messages.
#include <gtest/gtest.h>

#include <string>

#include "tests/support.h"

namespace {

constexpr int kW = 120, kH = 24;
constexpr COLORREF kWhite = RGB(255, 255, 255), kBlack = RGB(0, 0, 0), kGrey = RGB(192, 192, 192);

// A crisp font, so that every pixel of the lettering is one of its colours.
HFONT CrispFont() {
    return CreateFontA(-13, 0, 0, 0, FW_BOLD, 0, 0, 0, ANSI_CHARSET, 0, 0, NONANTIALIASED_QUALITY, 0, "Tahoma");
}

// Where the font puts ink for `text` drawn into the control's client area
// with `format`: the lettering of one pass before it is moved.
class InkMask {
public:
    InkMask(HFONT font, const std::string &text, UINT format) : canvas_(kW + 4, kH + 4, kWhite) {
        HGDIOBJ old = SelectObject(canvas_.dc(), font);
        SetBkMode(canvas_.dc(), TRANSPARENT);
        SetTextColor(canvas_.dc(), kBlack);
        RECT r = {0, 0, kW, kH};
        DrawTextA(canvas_.dc(), text.data(), static_cast<int>(text.size()), &r, format | DT_SINGLELINE | DT_VCENTER);
        SelectObject(canvas_.dc(), old);
    }
    bool At(int x, int y) const { return x >= 0 && y >= 0 && canvas_.At(x, y) != kWhite; }

private:
    rzt::Canvas canvas_;
};

// One drawing of the lettering: colour 1 or 2 at an offset.
struct Pass {
    int colour, dx, dy;
};

class TextTest : public testing::Test {
protected:
    TextTest() : font_(CrispFont()) {}
    ~TextTest() override { DeleteObject(font_); }

    HWND Text(DWORD style, const std::string &text = "A&bg") {
        text_ = rzt::CreateChild(parent_, REZORE32_TEXTCLASS, style, 10, 10, kW, kH);
        SendMessageA(text_, WM_SETFONT, reinterpret_cast<WPARAM>(font_), 0);
        SetWindowTextA(text_, text.c_str());
        return text_;
    }
    void Show(rzt::Canvas &c) {
        RedrawWindow(text_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
        rzt::Snapshot(text_, c);
    }
    // Compares the client area, frame rows and columns left out when
    // `inset` is 1, with the passes laid over `background`.
    void ExpectLettering(const rzt::Canvas &c, const InkMask &ink, const std::vector<Pass> &passes,
                         COLORREF first, COLORREF second, COLORREF background, int inset = 0) {
        int wrong = 0;
        for (int y = inset; y < kH - inset; ++y)
            for (int x = inset; x < kW - inset; ++x) {
                COLORREF expected = background;
                for (const Pass &p : passes)
                    if (ink.At(x - p.dx, y - p.dy))
                        expected = p.colour == 1 ? first : second;
                if (c.At(x, y) != expected && ++wrong <= 3)
                    ADD_FAILURE() << "pixel " << x << "," << y << " is " << std::hex << c.At(x, y) << " not "
                                  << expected;
            }
        EXPECT_EQ(wrong, 0);
    }

    rzt::RecordingParent parent_;
    HFONT font_;
    HWND text_ = nullptr;
};

const std::vector<Pass> kRaised = {{1, 0, 0}, {2, 1, 1}};
const std::vector<Pass> kEngraved = {{1, 1, 1}, {2, 0, 0}};

struct LetteringCase {
    const char *what;
    DWORD style;
    UINT format;  // alignment the lettering must have
    std::vector<Pass> passes;
    COLORREF first, second;  // 0xFFFFFFFF: the face colour
};

constexpr COLORREF kFace = 0xFFFFFFFF;

TEST_F(TextTest, LetteringOfEachStyle) {
    const LetteringCase cases[] = {
        {"default: grey with a black shadow", 0, DT_LEFT, kRaised, kGrey, kBlack},
        {"engraved: black over a face-coloured copy", TEXTS_ENGRAVED, DT_LEFT, kEngraved, kFace, kBlack},
        {"white", TEXTS_WHITE, DT_LEFT, kRaised, kWhite, kBlack},
        {"white engraved", TEXTS_WHITE | TEXTS_ENGRAVED, DT_LEFT, kEngraved, kWhite, kBlack},
        {"thick", TEXTS_WHITE | TEXTS_THICK, DT_LEFT, {{1, 0, 0}, {1, 1, 0}, {2, 1, 1}, {2, 2, 1}}, kWhite, kBlack},
        {"thick engraved", TEXTS_WHITE | TEXTS_ENGRAVED | TEXTS_THICK, DT_LEFT,
         {{1, 2, 1}, {1, 1, 1}, {2, 1, 0}, {2, 0, 0}}, kWhite, kBlack},
        {"right", TEXTS_WHITE | TEXTS_RIGHT, DT_RIGHT, kRaised, kWhite, kBlack},
        {"centre", TEXTS_WHITE | TEXTS_CENTER, DT_CENTER, kRaised, kWhite, kBlack},
        {"centre wins over right", TEXTS_WHITE | TEXTS_CENTER | TEXTS_RIGHT, DT_CENTER, kRaised, kWhite, kBlack},
        {"no prefix: left, & shown", TEXTS_WHITE | TEXTS_NOPREFIX | TEXTS_CENTER | TEXTS_RIGHT, DT_NOPREFIX, kRaised,
         kWhite, kBlack},
    };
    rzt::Canvas c(kW, kH, 0);
    for (const LetteringCase &t : cases) {
        SCOPED_TRACE(t.what);
        Text(t.style);
        Show(c);
        const COLORREF first = t.first == kFace ? rzt::FaceColour() : t.first;
        ExpectLettering(c, InkMask(font_, "A&bg", t.format), t.passes, first, t.second, rzt::FaceColour());
        DestroyWindow(text_);
    }
    EXPECT_TRUE(parent_.sent.empty());  // none of them asks the parent
}

TEST_F(TextTest, TextBeyond127BytesIsCut) {
    // Right-aligned, so the last byte drawn sits at the right edge.
    const std::string head(120, 'i');
    for (size_t length : {127u, 128u, 300u, 10000u}) {
        SCOPED_TRACE(length);
        std::string text = head;
        while (text.size() < length)
            text += text.size() % 2 ? 'W' : 'm';
        Text(TEXTS_WHITE | TEXTS_RIGHT, text);
        EXPECT_EQ(GetWindowTextLengthA(text_), static_cast<int>(length));  // all of it is kept
        rzt::Canvas c(kW, kH, 0);
        Show(c);
        ExpectLettering(c, InkMask(font_, text.substr(0, 127), DT_RIGHT), kRaised, kWhite, kBlack,
                        rzt::FaceColour());
        DestroyWindow(text_);
    }
}

struct ParentColourCase {
    const char *what;
    DWORD style;
    bool brush;   // the parent answers with a brush
    bool asked;
};

TEST_F(TextTest, ParentChoosesColours) {
    const COLORREF first = RGB(255, 0, 0), second = RGB(0, 128, 0), fill = RGB(0, 0, 128);
    HBRUSH navy = CreateSolidBrush(fill);
    const ParentColourCase cases[] = {
        {"with a brush", TEXTS_PARENTCOLOR, true, true},
        {"without a brush: class background", TEXTS_PARENTCOLOR, false, true},
        {"engraved", TEXTS_PARENTCOLOR | TEXTS_ENGRAVED, true, true},
        {"white wins, parent not asked", TEXTS_PARENTCOLOR | TEXTS_WHITE, true, false},
    };
    rzt::Canvas c(kW, kH, 0);
    for (const ParentColourCase &t : cases) {
        SCOPED_TRACE(t.what);
        parent_.answerTextColour = [&](HDC dc) {
            SetBkColor(dc, first);
            SetTextColor(dc, second);
            return reinterpret_cast<LRESULT>(t.brush ? navy : nullptr);
        };
        Text(t.style);
        parent_.sent.clear();
        Show(c);
        const std::vector<Pass> &passes = (t.style & TEXTS_ENGRAVED) ? kEngraved : kRaised;
        const COLORREF background = t.brush && t.asked ? fill : rzt::FaceColour();
        ExpectLettering(c, InkMask(font_, "A&bg", DT_LEFT), passes, t.asked ? first : kWhite,
                        t.asked ? second : kBlack, background);
        if (t.asked) {
            ASSERT_EQ(parent_.sent.size(), 1u);
            EXPECT_EQ(parent_.sent[0].msg, static_cast<UINT>(TEXT_CTLCOLOR));
            EXPECT_EQ(parent_.sent[0].lParam, reinterpret_cast<LPARAM>(text_));
        } else {
            EXPECT_TRUE(parent_.sent.empty());
        }
        DestroyWindow(text_);
    }
    parent_.answerTextColour = nullptr;
    DeleteObject(navy);
}

TEST_F(TextTest, FrameRaisedAndSunken) {
    rzt::Canvas c(kW, kH, 0);
    for (bool sunken : {false, true}) {
        SCOPED_TRACE(sunken ? "sunken" : "raised");
        for (const char *text : {"", "A&bg"}) {
            Text(TEXTS_WHITE | TEXTS_FRAME | (sunken ? TEXTS_FRAMESUNKEN : 0), text);
            Show(c);
            const COLORREF p1 = sunken ? rzt::Dark() : rzt::Light(), p2 = sunken ? rzt::Light() : rzt::Dark();
            // Top row and left column in the first pen, bottom row and
            // right column (its top pixel too) in the second.
            EXPECT_EQ(c.At(0, 0), p1);
            EXPECT_EQ(c.At(kW / 2, 0), p1);
            EXPECT_EQ(c.At(0, kH - 1), p1);
            EXPECT_EQ(c.At(0, kH / 2), p1);
            EXPECT_EQ(c.At(kW - 1, 0), p2);
            EXPECT_EQ(c.At(kW - 1, kH / 2), p2);
            EXPECT_EQ(c.At(kW / 2, kH - 1), p2);
            EXPECT_EQ(c.At(kW - 1, kH - 1), p2);
            // Inside the frame: the lettering, or only the background.
            ExpectLettering(c, InkMask(font_, text, DT_LEFT), kRaised, kWhite, kBlack, rzt::FaceColour(), 1);
            DestroyWindow(text_);
        }
    }
}

TEST_F(TextTest, Messages) {
    Text(0);
    EXPECT_EQ(SendMessageA(text_, WM_GETDLGCODE, 0, 0), DLGC_STATIC);
    // A handle is significant in its low 32 bits, which the slot keeps.
    const LONG font = static_cast<LONG>(reinterpret_cast<LONG_PTR>(font_));
    EXPECT_EQ(static_cast<LONG>(SendMessageA(text_, WM_GETFONT, 0, 0)), font);
    EXPECT_EQ(GetWindowLongA(text_, 0), font);
    EXPECT_EQ(SendMessageA(text_, WM_SYSCOLORCHANGE, 0, 0), 0);
    // The font shows at once only when asked to; the text always repaints.
    ValidateRect(text_, nullptr);
    EXPECT_EQ(SendMessageA(text_, WM_SETFONT, 0, FALSE), 0);
    EXPECT_FALSE(GetUpdateRect(text_, nullptr, FALSE));
    EXPECT_EQ(SendMessageA(text_, WM_GETFONT, 0, 0), 0);
    SendMessageA(text_, WM_SETFONT, reinterpret_cast<WPARAM>(font_), TRUE);
    EXPECT_TRUE(GetUpdateRect(text_, nullptr, FALSE));
    ValidateRect(text_, nullptr);
    EXPECT_TRUE(SendMessageA(text_, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("x")));
    EXPECT_TRUE(GetUpdateRect(text_, nullptr, FALSE));
}

}  // namespace
