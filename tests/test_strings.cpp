// Shift-JIS string and number utilities.  The tests run with code page 932.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "rezore32.h"

namespace {

// A buffer of `size` bytes followed by guard bytes that must survive.
class Guarded {
public:
    explicit Guarded(size_t size) : size_(size), bytes_(size + kGuard, '\xA5') {}
    char *data() { return bytes_.data(); }
    std::string text() const { return std::string(bytes_.data()); }
    std::string raw(size_t n) const { return std::string(bytes_.data(), n); }
    bool GuardsIntact() const {
        for (size_t i = size_; i < bytes_.size(); ++i)
            if (bytes_[i] != '\xA5')
                return false;
        return true;
    }

private:
    static constexpr size_t kGuard = 16;
    size_t size_;
    std::vector<char> bytes_;
};

// Shift-JIS characters whose second byte looks like ASCII.
const char kSo[] = "\x83\x5C";       // ソ, second byte '\'
const char kHyou[] = "\x95\x5C";     // 表, second byte '\'
const char kPipe[] = "\x83\x7C";     // ポ, second byte '|'
const char kLetterA[] = "\x83\x41";  // ア, second byte 'A'
const char kLetterZ[] = "\x83\x7A";  // ホ, second byte 'z'
// A lead byte followed by a quote or a comma: the pair is one character.
const char kQuote[] = "\x81\x22";
const char kComma[] = "\x81\x2C";

TEST(Strings, CodePageIsShiftJis) {
    ASSERT_EQ(GetACP(), 932u) << "the string tests need code page 932";
}

TEST(Strings, Sz2UShortIsStrict) {
    struct {
        const char *text;
        WORD value;
    } const cases[] = {
        {"", 0xFFFF},     {"0", 0},           {"00012", 12},     {"65535", 0xFFFF}, {"65534", 65534},
        {"70000", 4464},  {"99999", 34463},   {"123456", 0xFFFF}, {"12a", 0xFFFF},  {" 12", 0xFFFF},
        {"+1", 0xFFFF},   {"-1", 0xFFFF},     {"1 ", 0xFFFF},    {"\x82\x4f", 0xFFFF},
    };
    for (const auto &c : cases)
        EXPECT_EQ(Sz2UShort(c.text), c.value) << '"' << c.text << '"';
    EXPECT_EQ(Sz2UShort(nullptr), 0xFFFF);
    EXPECT_EQ(Sz2UShort(std::string(10000, '1').c_str()), 0xFFFF);
}

TEST(Strings, Sz2LongIsStrictAndWraps) {
    struct {
        const char *text;
        LONG value;
    } const cases[] = {
        {"", -1},
        {"0", 0},
        {"0000000001", 1},
        {"2147483647", 2147483647},
        {"2147483648", -2147483647 - 1},
        {"4294967295", -1},
        {"4294967296", 0},
        {"9999999999", 1410065407},
        {"12345678901", -1},
        {"-5", -1},
        {"5x", -1},
    };
    for (const auto &c : cases)
        EXPECT_EQ(Sz2Long(c.text), c.value) << '"' << c.text << '"';
    EXPECT_EQ(Sz2Long(nullptr), -1);
}

TEST(Strings, FreeMemMtrxFreesAndClears) {
    HGLOBAL blocks[4] = {GlobalAlloc(GMEM_MOVEABLE, 16), nullptr, GlobalAlloc(GMEM_MOVEABLE, 16),
                         GlobalAlloc(GMEM_MOVEABLE, 16)};
    HGLOBAL last = blocks[3];
    FreeMemMtrx(blocks, 0);
    FreeMemMtrx(blocks, -3);
    EXPECT_NE(blocks[0], nullptr);
    FreeMemMtrx(blocks, 3);
    EXPECT_EQ(blocks[0], nullptr);
    EXPECT_EQ(blocks[1], nullptr);
    EXPECT_EQ(blocks[2], nullptr);
    EXPECT_EQ(blocks[3], last) << "the entry after the count stays";
    // The count is 16-bit: 0x10001 is one entry.
    FreeMemMtrx(blocks + 3, 0x10001);
    EXPECT_EQ(blocks[3], nullptr);
    FreeMemMtrx(nullptr, 5);
}

TEST(Strings, CommaEDGroupsThousands) {
    struct {
        LONG value;
        const char *text;
    } const cases[] = {
        {0, "0"},          {999, "999"},        {1000, "1,000"},     {-1000, "-1,000"},
        {1234, "1,234"},   {-123, "-123"},      {-123456, "-123,456"}, {123456789, "123,456,789"},
        {2147483647, "2,147,483,647"}, {-2147483647 - 1, "-2,147,483,648"},
    };
    for (const auto &c : cases) {
        Guarded out(COMMAED_BUFFER);
        CommaED(out.data(), c.value);
        EXPECT_EQ(out.text(), c.text);
        EXPECT_TRUE(out.GuardsIntact()) << c.value;
    }
    CommaED(nullptr, 5);
}

TEST(Strings, StrSpcCutTrimsOnlyAsciiBlanks) {
    struct {
        const char *in, *out;
    } const cases[] = {
        {"   ", ""}, {"", ""}, {"ab  ", "ab"}, {" a b ", " a b"}, {"ab\t", "ab\t"},
        {"ab\x81\x40", "ab\x81\x40"}, {"\x83\x5C ", "\x83\x5C"},
    };
    for (const auto &c : cases) {
        std::string text = c.in;
        StrSpcCut(&text[0]);
        EXPECT_STREQ(text.c_str(), c.out) << '"' << c.in << '"';
    }
    std::string blanks(10000, ' ');
    StrSpcCut(&blanks[0]);
    EXPECT_STREQ(blanks.c_str(), "");
    StrSpcCut(nullptr);
}

TEST(Strings, SzHan2SzZenWidensSingleBytes) {
    {
        Guarded out(2 * 2 + 2);
        SzHan2SzZen("AB", out.data());
        EXPECT_EQ(out.raw(6), std::string("\x82\x60\x82\x61\0\0", 6));
        EXPECT_TRUE(out.GuardsIntact());
    }
    {
        // Digits, the blank and half-width katakana; a voiced mark stays separate.
        Guarded out(2 * 4 + 2);
        SzHan2SzZen("1 \xB6\xDE", out.data());
        EXPECT_EQ(out.raw(10), std::string("\x82\x50\x81\x40\x83\x4A\x81\x4A\0\0", 10));
        EXPECT_TRUE(out.GuardsIntact());
    }
    {
        // A double-byte character is not single-byte input: the result ends there.
        Guarded out(2 * 4 + 2);
        SzHan2SzZen("A\x82\xA0" "B", out.data());
        EXPECT_EQ(out.text(), "\x82\x60");
        EXPECT_TRUE(out.GuardsIntact());
    }
    {
        Guarded out(2);
        SzHan2SzZen("", out.data());
        EXPECT_EQ(out.raw(2), std::string("\0\0", 2));
        EXPECT_TRUE(out.GuardsIntact());
        SzHan2SzZen(nullptr, out.data());
        EXPECT_TRUE(out.GuardsIntact());
        SzHan2SzZen("A", nullptr);
    }
    {
        const std::string digits(10000, '7');
        Guarded out(2 * digits.size() + 2);
        SzHan2SzZen(digits.c_str(), out.data());
        EXPECT_EQ(out.text().size(), 20000u);
        EXPECT_EQ(out.raw(4), "\x82\x56\x82\x56");
        EXPECT_TRUE(out.GuardsIntact());
    }
}

TEST(Strings, QuoteAndCommaConvertersKeepDoubleByteCharacters) {
    const std::string dbcs = std::string(kQuote) + kComma + kSo + kPipe;
    struct {
        std::string in, quoted, commaQuoted, commaDotted;
        BOOL hadQuote, hadComma;
    } const cases[] = {
        {"a\"b", "a\"\"b", "a\"b", "a\"b", TRUE, FALSE},
        {"a,b", "a,b", "a\",\"b", "a.b", FALSE, TRUE},
        {"", "", "", "", FALSE, FALSE},
        {dbcs, dbcs, dbcs, dbcs, FALSE, FALSE},
        {dbcs + ",\"", dbcs + ",\"\"", dbcs + "\",\"\"", dbcs + ".\"", TRUE, TRUE},
        {"\"\"", "\"\"\"\"", "\"\"", "\"\"", TRUE, FALSE},
        {",,", ",,", "\",\"\",\"", "..", FALSE, TRUE},
        // A lone lead byte at the end is copied alone; nothing is read past the zero.
        {"a,\x82", "a,\x82", "a\",\"\x82", "a.\x82", FALSE, TRUE},
    };
    for (const auto &c : cases) {
        const size_t n = c.in.size();
        Guarded q(2 * n + 1), cq(3 * n + 1), cd(n + 1);
        EXPECT_EQ(ChkStrDQuotation(c.in.c_str(), q.data()), c.hadQuote) << c.in;
        EXPECT_EQ(ChkStrComma2DQuotation(c.in.c_str(), cq.data()), c.hadComma) << c.in;
        ChkStrComma(c.in.c_str(), cd.data());
        EXPECT_EQ(q.text(), c.quoted);
        EXPECT_EQ(cq.text(), c.commaQuoted);
        EXPECT_EQ(cd.text(), c.commaDotted);
        EXPECT_TRUE(q.GuardsIntact() && cq.GuardsIntact() && cd.GuardsIntact()) << c.in;
    }
}

TEST(Strings, ConvertersFillTheirDocumentedSizeExactly) {
    // The worst case of each converter: every byte special, 10,000 bytes.
    const std::string quotes(10000, '"'), commas(10000, ',');
    Guarded q(2 * quotes.size() + 1), cq(3 * commas.size() + 1), cd(commas.size() + 1);
    EXPECT_TRUE(ChkStrDQuotation(quotes.c_str(), q.data()));
    EXPECT_TRUE(ChkStrComma2DQuotation(commas.c_str(), cq.data()));
    ChkStrComma(commas.c_str(), cd.data());
    EXPECT_EQ(q.text().size(), 20000u);
    EXPECT_EQ(cq.text().size(), 30000u);
    EXPECT_EQ(cd.text(), std::string(10000, '.'));
    EXPECT_TRUE(q.GuardsIntact() && cq.GuardsIntact() && cd.GuardsIntact());
}

TEST(Strings, ConvertersAcceptNull) {
    char out[4] = "xyz";
    EXPECT_FALSE(ChkStrDQuotation(nullptr, out));
    EXPECT_STREQ(out, "");
    EXPECT_FALSE(ChkStrDQuotation("\"", nullptr));
    EXPECT_FALSE(ChkStrComma2DQuotation(",", nullptr));
    ChkStrComma(",", nullptr);
    strcpy(out, "xy");
    ChkStrComma(nullptr, out);
    EXPECT_STREQ(out, "");
}

TEST(Strings, ExchgStrChangesOnlyAsciiLetters) {
    const std::string mixed = std::string("aZ") + kLetterA + "q" + kLetterZ + kHyou + "\xB1" "b";
    std::string upper = mixed;
    ExchgStr(&upper[0], 1);
    EXPECT_EQ(upper, std::string("AZ") + kLetterA + "Q" + kLetterZ + kHyou + "\xB1" "B");
    std::string lower = mixed;
    ExchgStr(&lower[0], 0);
    EXPECT_EQ(lower, std::string("az") + kLetterA + "q" + kLetterZ + kHyou + "\xB1" "b");
    // Only the low 16 bits of the flag count.
    std::string text = "Ab";
    ExchgStr(&text[0], 0x10000);
    EXPECT_EQ(text, "ab");
    // A lone lead byte at the end, then the zero: nothing past it is touched.
    char tail[6] = {'a', '\x82', '\0', 'q', 'q', '\0'};
    ExchgStr(tail, 1);
    EXPECT_EQ(std::string(tail, 5), std::string("A\x82\0qq", 5));
    ExchgStr(nullptr, 1);
}

}  // namespace
