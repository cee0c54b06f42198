// Shift-JIS string and number utilities, with code page 932.
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "tests/support.h"

namespace {
std::string Times(const char *piece, size_t n) { std::string s; while (n--) s += piece; return s; }

// Parsers take digits only, wrapping past 32 bits (anything else is 0xFFFF and -1); thousands separators
// within the buffer's size; block arrays are freed by their 16-bit count.
TEST(Strings, NumbersAndBlockArrays) {
    ASSERT_EQ(GetACP(), 932u) << "the string tests need code page 932";
    const std::string digits(10000, '7');
    struct { const char *text; WORD u; LONG l; } const cases[] = {
        {"0", 0, 0}, {"00012", 12, 12}, {"65534", 65534, 65534}, {"65535", 0xFFFF, 65535}, {"70000", 4464, 70000},
        {"123456", 0xFFFF, 123456}, {"0000000001", 0xFFFF, 1}, {"2147483648", 0xFFFF, -2147483647 - 1},
        {"4294967295", 0xFFFF, -1}, {"9999999999", 0xFFFF, 1410065407}, {"12345678901", 0xFFFF, -1},
        {"12a", 0xFFFF, -1}, {" 12", 0xFFFF, -1}, {"-5", 0xFFFF, -1}, {"\x82\x4f", 0xFFFF, -1}, {"", 0xFFFF, -1},
        {nullptr, 0xFFFF, -1}, {digits.c_str(), 0xFFFF, -1}, {"1\x82", 0xFFFF, -1}, {"1\x83\x5C", 0xFFFF, -1},
    };
    for (const auto &c : cases)
        EXPECT_EQ(std::make_pair(Sz2UShort(c.text), Sz2Long(c.text)), std::make_pair(c.u, c.l))
            << (c.text ? c.text : "NULL");
    HGLOBAL blocks[4] = {GlobalAlloc(GMEM_MOVEABLE, 16), nullptr, GlobalAlloc(GMEM_MOVEABLE, 16),
                         GlobalAlloc(GMEM_MOVEABLE, 16)};
    const HGLOBAL first = blocks[0], last = blocks[3];
    for (int none : {0, -3})
        FreeMemMtrx(blocks, none);
    FreeMemMtrx(nullptr, 5);
    EXPECT_EQ(blocks[0], first);
    FreeMemMtrx(blocks, 3);
    EXPECT_EQ(std::vector<HGLOBAL>(blocks, blocks + 4), (std::vector<HGLOBAL>{nullptr, nullptr, nullptr, last}));
    FreeMemMtrx(blocks + 3, 0x10001);  // the count is 16-bit: one entry
    EXPECT_EQ(blocks[3], nullptr);
    const std::pair<LONG, const char *> values[] = {
        {0, "0"}, {999, "999"}, {1000, "1,000"}, {-1000, "-1,000"}, {-123, "-123"}, {-123456, "-123,456"},
        {123456789, "123,456,789"}, {2147483647, "2,147,483,647"}, {-2147483647 - 1, "-2,147,483,648"}};
    for (const auto &v : values) {
        rzt::Guarded out(COMMAED_BUFFER);
        CommaED(out.data(), v.first);
        EXPECT_EQ(std::make_pair(out.text(), out.GuardsIntact()), std::make_pair(std::string(v.second), true));
    }
    CommaED(nullptr, 5);
}

// Every string function over ordinary and adversarial texts, outputs of exactly their size with guards;
// the in-place functions keep the bytes past the zero.
TEST(Strings, ConvertersKeepDoubleByteCharactersAndTheirSizes) {
    const std::string z2("\0\0", 2), so = "\x83\x5C", po = "\x83\x7C", dq = "\x81\x22", dc = "\x81\x2C";
    const std::string quotes(10000, '"'), commas(10000, ','), blanks = "Z" + std::string(9999, ' ');
    const std::string mixed = "aZ\x83\x41q\x83\x7A\x83\x5C\xB1" "b", dbcs = dq + dc + so + po + ",\"";
    // The source; the widened bytes up to the second zero ("?": unchecked); each result ("=": the source).
    struct { const char *in; std::string wide, trimmed, upper, quoted, commaQuoted, dotted; } const rows[] = {
        {"a\"b", "?", "=", "A\"B", "a\"\"b", "=", "="},
        {dbcs.c_str(), std::string("\0\x81\x81\x68", 4), "=", "=", dbcs + "\"", dq + dc + so + po + "\",\"\"",
         dq + dc + so + po + ".\""},
        {"ab\t", "?", "=", "AB\t", "=", "=", "="},
        {" A\x81\x40", std::string("\x81\x40\x82\x60\0\x81", 6), "=", "=", "=", "=", "="},
        {mixed.c_str(), "?", "=", "AZ\x83\x41Q\x83\x7A\x83\x5C\xB1" "B", "=", "=", "="},
        // A voiced mark stays a character of its own; a byte without a wide form is 0, byte and ends the text.
        {"1 \xB6\xDE", "\x82\x50\x81\x40\x83\x4A\x81\x4A" + z2, "=", "=", "=", "=", "="},
        {"A\x82\xA0" "B", std::string("\x82\x60\0\x82\0\xA0\x82\x61", 8) + z2, "=", "=", "=", "=", "="},
        {"   ", "\x81\x40\x81\x40\x81\x40" + z2, "", "=", "=", "=", "="},
        {"", z2, "=", "=", "=", "=", "="},
        {nullptr, z2, "", "", "", "", ""},
        {quotes.c_str(), Times("\x81\x68", 10000) + z2, "=", "=", quotes + quotes, "=", "="},
        {commas.c_str(), Times("\x81\x43", 10000) + z2, "=", "=", "=", Times("\",\"", 10000), std::string(10000, '.')},
        {blanks.c_str(), "\x82\x79" + Times("\x81\x40", 9999) + z2, "Z", "=", "=", "=", "="},
        // The lone lead byte is copied alone; nothing is read past the zero.
        {"a,\x82", "?", "=", "A,\x82", "=", "a\",\"\x82", "a.\x82"},
        {"\x83\x5C", std::string("\0\x83\x81\x8F", 4) + z2, "=", "=", "=", "=", "="},
        {"\x83\x7C ", "?", po, "=", "=", "=", "="},
    };
    for (const auto &r : rows) {
        const std::string in = r.in ? r.in : "", tail("\0qq", 3);
        const auto is = [&](const std::string &expected) { return expected == "=" ? in : expected; };
        SCOPED_TRACE(r.in ? in.substr(0, 12) : "NULL");
        const size_t n = in.size();  // the documented output sizes
        rzt::Guarded wide(2 * n + 2), q(2 * n + 1), cq(3 * n + 1), cd(n + 1);
        SzHan2SzZen(r.in, wide.data());
        EXPECT_EQ(r.wide == "?" ? r.wide : wide.raw(r.wide.size()), r.wide);
        EXPECT_EQ(ChkStrDQuotation(r.in, q.data()), is(r.quoted) != in);
        EXPECT_EQ(ChkStrComma2DQuotation(r.in, cq.data()), is(r.commaQuoted) != in);
        ChkStrComma(r.in, cd.data());
        EXPECT_EQ(std::make_tuple(q.text(), cq.text(), cd.text()),
                  std::make_tuple(is(r.quoted), is(r.commaQuoted), is(r.dotted)));
        EXPECT_TRUE(wide.GuardsIntact() && q.GuardsIntact() && cq.GuardsIntact() && cd.GuardsIntact());
        std::string trim = in + tail, upper = in + tail;
        StrSpcCut(r.in ? &trim[0] : nullptr);
        ExchgStr(r.in ? &upper[0] : nullptr, 1);
        EXPECT_EQ(std::make_tuple(std::string(trim.c_str()), trim.substr(n), upper),
                  std::make_tuple(is(r.trimmed), tail, is(r.upper) + tail)) << "in place, the bytes after kept";
    }
    for (int flag : {0, 0x10000}) {  // to lower case; the flag's low word counts
        std::string text = mixed;
        ExchgStr(&text[0], flag);
        EXPECT_EQ(text, "az\x83\x41q\x83\x7A\x83\x5C\xB1" "b");
    }
    SzHan2SzZen("A", nullptr);  // NULL outputs
    ChkStrComma(",", nullptr);
    EXPECT_FALSE(ChkStrDQuotation("\"", nullptr) || ChkStrComma2DQuotation(",", nullptr));
}
}  // namespace
