// Texts: helpers, the GBK-aware search, between, and reading a text as a number.
#include "core/gbk_convert.h"
#include "core/gbk_search.h"
#include "core/number_text.h"
#include "core/text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>

namespace tv {
namespace {

TEST(TextHelpers, ConcatJoinsInOrderAndMissingTextsAreEmpty) {
    EXPECT_EQ(concat({"abc"}), "abc");
    EXPECT_EQ(concat({"", "", ""}), "");
    EXPECT_EQ(concat({"a", "&", "", "&", "b", "&"}), "a&&b&");
}

TEST(TextHelpers, TruncationDropsTheFractionTowardZero) {
    const struct {
        double in;
        std::int64_t out;
    } cases[] = {{2.9, 2}, {-2.9, -2}, {0.0, 0}, {1e300, std::numeric_limits<std::int64_t>::max()},
                 {-1e300, std::numeric_limits<std::int64_t>::min()}, {std::nan(""), 0}};
    for (const auto &c : cases)
        EXPECT_EQ(truncate_to_int64(c.in), c.out) << c.in;
}

TEST(TextHelpers, ComparisonIsByUnsignedBytes) {
    EXPECT_EQ(compare_texts("0", "0"), 0);
    EXPECT_LT(compare_texts("", "0"), 0);
    EXPECT_GT(compare_texts("\xB0\xA1", "z"), 0); // high bytes sort after ASCII
    EXPECT_LT(compare_texts("1", "10"), 0);
}

TEST(TextHelpers, BodyTextEndsAtTheFirstZeroByte) {
    EXPECT_EQ(text_of_bytes(std::string_view("ab\0cd", 5)), "ab");
    EXPECT_EQ(text_of_bytes("abc"), "abc");
}

TEST(GbkSearch, MatchesOnlyOnCharacterBoundaries) {
    const struct {
        std::string_view text, needle;
        std::optional<std::size_t> at;
    } cases[] = {
        {"hello<p>", "<p>", 5},
        {"", "<p>", std::nullopt},
        {"<p", "<p>", std::nullopt},
        {"abc", "", std::nullopt},
        // 0xB0 0x3C is one (malformed) two-byte character: the '<' inside it is skipped.
        {"\xB0<p>x<p>", "<p>", 5},
        // Two full characters before: the '<' right after them is on a boundary.
        {"\xB0\xA1\xB0\xA1<p>", "<p>", 4},
        // Three high bytes: the third begins a character that swallows the '<'.
        {"\xB0\xA1\xB0<p><p>", "<p>", 6},
        // A trail byte that looks like a lead byte is never a match start.
        {"\xB0\xB1\xB1", "\xB1\xB1", std::nullopt},
        {"\xB0\xB1\xB1\xB1", "\xB1\xB1", 2},
        // A high byte at the very end stops the walk.
        {"a\xB0", "\xB0", std::nullopt},
    };
    for (const auto &c : cases)
        EXPECT_EQ(gbk_find(c.text, c.needle), c.at) << testing::PrintToString(std::string(c.text));
}

TEST(GbkSearch, LongRunsOfHighBytesStayLinear) {
    // A megabyte of two-byte characters with the needle's first byte everywhere.
    std::string text(1 << 20, '\xB1');
    text += "\xB1\xB2";
    EXPECT_EQ(gbk_find(text, "\xB1\xB2"), text.size() - 2);
    text.insert(0, 1, '\xB0'); // now the pair is cut differently
    EXPECT_EQ(gbk_find(text, "\xB1\xB2"), std::nullopt);
}

TEST(Between, CutsAfterTheLeadAndBeforeTheFirstFollowingTrail) {
    const struct {
        std::string_view text, lead, trail, out;
    } cases[] = {
        {"x[ab]y", "[", "]", "ab"},
        {"x[]y", "[", "]", ""},           // trail right after the lead
        {"x[ab", "[", "]", ""},           // no trail
        {"x]ab[", "[", "]", ""},          // trail only before the lead
        {"ab[", "[", "]", ""},            // lead ends the text
        {"[ a ]", "[", "]", " a "},       // nothing trimmed
        {"[a][b]", "[", "]", "a"},        // first occurrence
        {"<p>k=<p>k=v</p>", "<p>k=", "</p>", "<p>k=v"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(between(c.text, c.lead, c.trail), c.out) << c.text;
}

TEST(NumberText, ReadsTheLongestNumericPrefix) {
    const struct {
        std::string_view utf8;
        double value;
    } cases[] = {
        {"1", 1},       {" 1", 1},     {"１", 1},        {"2.5", 2.5},  {"1abc", 1},  {"0", 0},
        {"", 0},        {"-1", -1},    {"abc", 0},       {"+3", 3},     {".5", 0.5},  {"5.", 5},
        {"1e3", 1000},  {"1E-2", 0.01}, {"1e", 1},       {"1e+", 1},    {"-", 0},     {".", 0},
        {"　２．５", 2.5}, {"\t\n7", 7}, {"0.0000002", 2e-7}, {"１２ab", 12}, {"- 1", 0},
    };
    for (const auto &c : cases)
        EXPECT_DOUBLE_EQ(read_number(gbk_from_utf8(c.utf8)), c.value) << c.utf8;
}

TEST(NumberText, MalformedGbkNeverBreaksTheReading) {
    EXPECT_EQ(read_number("\xA3"), 0);
    EXPECT_EQ(read_number("7\xA3"), 7);
    EXPECT_EQ(read_number("\xFF\xFF"), 0);
    EXPECT_TRUE(std::isinf(read_number("1e999")));
}

TEST(GbkConvert, RoundTripsAndMarksInvalidBytes) {
    EXPECT_EQ(gbk("★·："), "\xA1\xEF\xA1\xA4\xA3\xBA");
    EXPECT_EQ(utf8_from_gbk(gbk("央视综合")), "央视综合");
    EXPECT_EQ(utf8_from_gbk("a\xFF" "b"), "a\xEF\xBF\xBD" "b");
    EXPECT_EQ(utf8_from_gbk_escaped("a\xFF" "b\xB0"), "a\\xFFb\\xB0");
    EXPECT_EQ(utf8_from_gbk_escaped("\x81\x20"), "\\x81 "); // lead byte with an invalid trail
    EXPECT_EQ(gbk_from_utf8("a\xC3" "b"), "a?b");
    EXPECT_EQ(gbk_from_utf8("😀"), "?"); // not in GBK
}

TEST(GbkConvert, SequenceLength) {
    EXPECT_EQ(valid_gbk_sequence_length("a"), 1u);
    EXPECT_EQ(valid_gbk_sequence_length("\xB0\xA1"), 2u);
    EXPECT_EQ(valid_gbk_sequence_length("\xB0"), 0u);
    EXPECT_EQ(valid_gbk_sequence_length("\xFF\xA1"), 0u);
    // 0x80 alone is a character in glibc's table, but it never leads a pair.
    EXPECT_EQ(valid_gbk_sequence_length("\x80z"), 0u);
    EXPECT_EQ(valid_gbk_sequence_length("\x80\x80"), 0u);
    EXPECT_EQ(valid_gbk_sequence_length(""), 0u);
}

} // namespace
} // namespace tv
