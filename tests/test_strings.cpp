// Shift-JIS string and number utilities, with code page 932.
#include <gtest/gtest.h>

#include <string>

#include "tests/support.h"

namespace {

std::string Times(const char *piece, size_t n) {
    std::string s;
    while (n--)
        s += piece;
    return s;
}

TEST(Strings, ParsersAreStrictAndWrap) {
    ASSERT_EQ(GetACP(), 932u) << "the string tests need code page 932";
    const std::string digits(10000, '7');
    struct { const char *text; WORD u; LONG l; } const cases[] = {
        {"0", 0, 0}, {"00012", 12, 12}, {"65535", 0xFFFF, 65535}, {"65534", 65534, 65534}, {"70000", 4464, 70000},
        {"99999", 34463, 99999}, {"123456", 0xFFFF, 123456}, {"0000000001", 0xFFFF, 1},
        {"2147483647", 0xFFFF, 2147483647}, {"2147483648", 0xFFFF, -2147483647 - 1}, {"4294967295", 0xFFFF, -1},
        {"4294967296", 0xFFFF, 0}, {"9999999999", 0xFFFF, 1410065407}, {"12345678901", 0xFFFF, -1},
        {"12a", 0xFFFF, -1}, {" 12", 0xFFFF, -1}, {"1 ", 0xFFFF, -1}, {"+1", 0xFFFF, -1}, {"-5", 0xFFFF, -1},
        {"\x82\x4f", 0xFFFF, -1}, {"", 0xFFFF, -1}, {nullptr, 0xFFFF, -1}, {digits.c_str(), 0xFFFF, -1},
        {"1\x82", 0xFFFF, -1}, {"1\x83\x5C", 0xFFFF, -1},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(Sz2UShort(c.text), c.u) << (c.text ? c.text : "NULL");
        EXPECT_EQ(Sz2Long(c.text), c.l) << (c.text ? c.text : "NULL");
    }
}

TEST(Strings, FreeMemMtrxAndCommaED) {
    HGLOBAL blocks[4] = {GlobalAlloc(GMEM_MOVEABLE, 16), nullptr, GlobalAlloc(GMEM_MOVEABLE, 16),
                         GlobalAlloc(GMEM_MOVEABLE, 16)};
    const HGLOBAL first = blocks[0], last = blocks[3];
    FreeMemMtrx(blocks, 0);
    FreeMemMtrx(blocks, -3);
    FreeMemMtrx(nullptr, 5);
    EXPECT_EQ(blocks[0], first);
    FreeMemMtrx(blocks, 3);
    EXPECT_EQ(blocks[0], nullptr);
    EXPECT_EQ(blocks[2], nullptr);
    EXPECT_EQ(blocks[3], last) << "the entry after the count stays";
    FreeMemMtrx(blocks + 3, 0x10001);  // the count is 16-bit: one entry
    EXPECT_EQ(blocks[3], nullptr);

    const std::pair<LONG, const char *> values[] = {
        {0, "0"}, {999, "999"}, {1000, "1,000"}, {-1000, "-1,000"}, {-123, "-123"}, {-123456, "-123,456"},
        {123456789, "123,456,789"}, {2147483647, "2,147,483,647"}, {-2147483647 - 1, "-2,147,483,648"}};
    for (const auto &v : values) {
        rzt::Guarded out(COMMAED_BUFFER);
        CommaED(out.data(), v.first);
        EXPECT_EQ(out.text(), v.second);
        EXPECT_TRUE(out.GuardsIntact()) << v.first;
    }
    CommaED(nullptr, 5);
}

// Every function that takes a string, over ordinary texts and adversarial
// ones: empty, NULL, 10,000 bytes, a lone lead byte at the end, double-byte
// characters whose second byte is '\', '|', '"', ',' or a letter.  Outputs
// get exactly their documented size and guard bytes; the in-place functions
// are followed by bytes past the zero that must stay.
TEST(Strings, ConvertersKeepDoubleByteCharactersAndTheirSizes) {
    const std::string z2("\0\0", 2), so = "\x83\x5C", po = "\x83\x7C", dq = "\x81\x22", dc = "\x81\x2C";
    const std::string quotes(10000, '"'), commas(10000, ','), blanks = "Z" + std::string(9999, ' ');
    const std::string mixed = "aZ\x83\x41q\x83\x7A\x83\x5C\xB1" "b", dbcs = dq + dc + so + po + ",\"";
    struct {
        const char *in;     // NULL: a NULL source
        std::string wide;   // the widened bytes up to the second zero; "?": not checked
        std::string trimmed, upper, quoted, commaQuoted, dotted;
        BOOL hadQuote, hadComma;
    } const rows[] = {
        {"a\"b", "?", "a\"b", "A\"B", "a\"\"b", "a\"b", "a\"b", TRUE, FALSE},
        {"a,b", "?", "a,b", "A,B", "a,b", "a\",\"b", "a.b", FALSE, TRUE},
        {",,", "\x81\x43\x81\x43" + z2, ",,", ",,", ",,", "\",\"\",\"", "..", FALSE, TRUE},
        {dbcs.c_str(), std::string("\0\x81\x81\x68", 4), dbcs, dbcs, dbcs + "\"", dq + dc + so + po + "\",\"\"",
         dq + dc + so + po + ".\"", TRUE, TRUE},
        {"ab  ", "?", "ab", "AB  ", "ab  ", "ab  ", "ab  ", FALSE, FALSE},
        {"ab\t", "?", "ab\t", "AB\t", "ab\t", "ab\t", "ab\t", FALSE, FALSE},
        {" A\x81\x40", std::string("\x81\x40\x82\x60\0\x81", 6), " A\x81\x40", " A\x81\x40", " A\x81\x40",
         " A\x81\x40", " A\x81\x40", FALSE, FALSE},
        {mixed.c_str(), "?", mixed, "AZ\x83\x41Q\x83\x7A\x83\x5C\xB1" "B", mixed, mixed, mixed, FALSE, FALSE},
        {"AB", "\x82\x60\x82\x61" + z2, "AB", "AB", "AB", "AB", "AB", FALSE, FALSE},
        // A voiced mark stays a character of its own; a byte without a
        // wide form is written as 0, byte and ends the text.
        {"1 \xB6\xDE", "\x82\x50\x81\x40\x83\x4A\x81\x4A" + z2, "1 \xB6\xDE", "1 \xB6\xDE", "1 \xB6\xDE",
         "1 \xB6\xDE", "1 \xB6\xDE", FALSE, FALSE},
        {"A\x82\xA0" "B", std::string("\x82\x60\0\x82\0\xA0\x82\x61", 8) + z2, "A\x82\xA0" "B",
         "A\x82\xA0" "B", "A\x82\xA0" "B", "A\x82\xA0" "B", "A\x82\xA0" "B", FALSE, FALSE},
        {"   ", "\x81\x40\x81\x40\x81\x40" + z2, "", "   ", "   ", "   ", "   ", FALSE, FALSE},
        {"", z2, "", "", "", "", "", FALSE, FALSE},
        {nullptr, z2, "", "", "", "", "", FALSE, FALSE},
        {quotes.c_str(), Times("\x81\x68", 10000) + z2, quotes, quotes, quotes + quotes, quotes, quotes, TRUE, FALSE},
        {commas.c_str(), Times("\x81\x43", 10000) + z2, commas, commas, commas, Times("\",\"", 10000),
         std::string(10000, '.'), FALSE, TRUE},
        {blanks.c_str(), "\x82\x79" + Times("\x81\x40", 9999) + z2, "Z", blanks, blanks, blanks, blanks, FALSE, FALSE},
        // The lone lead byte is copied alone; nothing is read past the zero.
        {"a,\x82", "?", "a,\x82", "A,\x82", "a,\x82", "a\",\"\x82", "a.\x82", FALSE, TRUE},
        {"\x83\x5C", std::string("\0\x83\x81\x8F", 4) + z2, so, so, so, so, so, FALSE, FALSE},
        {"\x83\x7C ", "?", po, po + " ", po + " ", po + " ", po + " ", FALSE, FALSE},
        {"\x81\x22", std::string("\0\x81\x81\x68", 4) + z2, dq, dq, dq, dq, dq, FALSE, FALSE},
        {"\x81\x2C", std::string("\0\x81\x81\x43", 4) + z2, dc, dc, dc, dc, dc, FALSE, FALSE},
    };
    for (const auto &r : rows) {
        const std::string in = r.in ? r.in : "", tail("\0qq", 3);
        SCOPED_TRACE(r.in ? in.substr(0, 12) : "NULL");
        const size_t n = in.size();
        rzt::Guarded wide(2 * n + 2), q(2 * n + 1), cq(3 * n + 1), cd(n + 1);
        SzHan2SzZen(r.in, wide.data());
        EXPECT_EQ(r.wide == "?" ? r.wide : wide.raw(r.wide.size()), r.wide);
        EXPECT_EQ(ChkStrDQuotation(r.in, q.data()), r.hadQuote);
        EXPECT_EQ(ChkStrComma2DQuotation(r.in, cq.data()), r.hadComma);
        ChkStrComma(r.in, cd.data());
        EXPECT_EQ(q.text(), r.quoted);
        EXPECT_EQ(cq.text(), r.commaQuoted);
        EXPECT_EQ(cd.text(), r.dotted);
        EXPECT_TRUE(wide.GuardsIntact() && q.GuardsIntact() && cq.GuardsIntact() && cd.GuardsIntact());
        std::string trim = in + tail, upper = in + tail;
        StrSpcCut(r.in ? &trim[0] : nullptr);
        ExchgStr(r.in ? &upper[0] : nullptr, 1);
        EXPECT_EQ(std::string(trim.c_str()), r.trimmed);
        EXPECT_EQ(trim.substr(n), tail);
        EXPECT_EQ(upper, r.upper + tail);
    }
    for (int flag : {0, 0x10000}) {  // to lower case; the flag's low word counts
        std::string text = mixed;
        ExchgStr(&text[0], flag);
        EXPECT_EQ(text, "az\x83\x41q\x83\x7A\x83\x5C\xB1" "b");
    }
    SzHan2SzZen("A", nullptr);
    EXPECT_FALSE(ChkStrDQuotation("\"", nullptr));
    EXPECT_FALSE(ChkStrComma2DQuotation(",", nullptr));
    ChkStrComma(",", nullptr);
}

}  // namespace
