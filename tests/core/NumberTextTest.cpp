#include "NumberText.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <limits>

namespace torvane {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

TEST(FoldFullWidth, FoldsTheListedPairsOnly) {
    struct Case {
        std::string in, out;
    };
    const Case cases[] = {
        {"", ""},
        {"abc 1.5", "abc 1.5"},
        {"\xA1\xA1", " "},
        {"\xA1\xAB\xA1\xEE\xA1\xEF", "~**"},
        {"\xA3\xA1\xA3\xB0\xA3\xB9\xA3\xFE", "!09~"},
        {"\xA3\xAB\xA3\xAD\xA3\xAE\xA3\xC4\xA3\xC5\xA3\xE4\xA3\xE5", "+-.DEde"},
        {"\xA3\xA0\xA3\xFF", "\xA3\xA0\xA3\xFF"},  // just outside the full-width range
        {"\xA1\xA3\xA3\xAC", "\xA1\xA3,"},         // 。 stays, ， becomes a comma
        {"\xCA\xFD\xBE\xDD", "\xCA\xFD\xBE\xDD"},  // other characters are copied
        {"\x81\x5C" "5", "\x81\x5C" "5"},          // a trail byte below 0x80 stays paired
        {"12\xA3", "12"},                          // a lead byte at the end is dropped
        {"\xA3\xB1\xA3", "1"},
    };
    for (const Case& c : cases) EXPECT_EQ(foldFullWidth(c.in), c.out) << c.in;
}

TEST(TextToNumber, ReadsTheLongestNumericPrefix) {
    struct Case {
        std::string text;
        double value;
    };
    const Case cases[] = {
        {"", 0},         {"0", 0},        {"6", 6},        {"30", 30},       {" 30", 30},
        {"\t30", 30},    {"30 ", 30},     {"\n\v\f\r30", 30},
        {"12abc", 12},   {"1.5", 1.5},    {".5", 0.5},     {"5.", 5},        {"-1", -1},
        {"+2", 2},       {"1e3", 1000},   {"1E3", 1000},   {"1d3", 1000},    {"1D3", 1000},
        {"1e+3", 1000},  {"1e-3", 0.001}, {"5.e1", 50},    {"1e", 1},        {"1e+", 1},
        {"1ex", 1},      {"1d-", 1},      {"12+3", 12},    {"1,000", 1},     {"6:30", 6},
        {"0x1A", 0},     {"abc", 0},      {"+", 0},        {"-", 0},         {".", 0},
        {"-.", 0},       {".e5", 0},      {"+-1", 0},      {"--1", 0},       {"- 5", 0},
        {"007", 7},      {"1e0005", 100000},               {"0e999", 0},     {"1e400", kInf},
        {"-1e400", -kInf}, {"-1e999", -kInf}, {"1e-400", 0}, {"1e99999999999999999999", kInf},
        {"0.1", 0.1},    {"2.2250738585072014e-308", DBL_MIN},
        {"4.9406564584124654e-324", std::numeric_limits<double>::denorm_min()},
        {"3e-324", std::numeric_limits<double>::denorm_min()},
        {"1.7976931348623157e308", DBL_MAX}, {"1.8e308", kInf},
        {"\xA3\xB6", 6},                                     // ６
        {"\xA1\xA1\xA3\xB2\xA3\xB2", 22},                    // ideographic space, ２２
        {"\xA3\xAD\xA3\xB1", -1},                            // －１
        {"\xA3\xB6\xA1\xA3\xA3\xB5", 6},                     // ６。５
        {"\xA3\xB1\xA3\xAE\xA3\xB5\xA3\xC5\xA3\xB2", 150},   // １．５Ｅ２
    };
    for (const Case& c : cases) {
        const double value = textToNumber(c.text);
        EXPECT_EQ(value, c.value) << '"' << c.text << '"';
        EXPECT_FALSE(std::signbit(value) && c.value == 0) << '"' << c.text << '"';
    }
}

TEST(TextToNumber, KeepsTheSignOfZero) {
    EXPECT_TRUE(std::signbit(textToNumber("-0")));
    EXPECT_TRUE(std::signbit(textToNumber("-0.000e5")));
    EXPECT_TRUE(std::signbit(textToNumber("-1e-400")));
    EXPECT_FALSE(std::signbit(textToNumber("-")));
}

TEST(TextToNumber, LongMantissasRoundCorrectly) {
    // 2^53 + 1 lies halfway between two doubles; a digit far behind decides.
    const std::string half = "9007199254740993";
    EXPECT_EQ(textToNumber(half), 9007199254740992.0);
    EXPECT_EQ(textToNumber(half + "." + std::string(2000, '0') + "1"), 9007199254740994.0);
    EXPECT_EQ(textToNumber(std::string(5000, '0') + "42"), 42.0);
    EXPECT_EQ(textToNumber("0." + std::string(5000, '0') + "1e5010"), 1e9);
    EXPECT_EQ(textToNumber(std::string(1000, '9')), kInf);
}

TEST(NumberToText, WritesThirteenDigitsInThePrintfLayout) {
    struct Case {
        double value;
        const char* text;
    };
    const Case cases[] = {
        {0.0, "0"},
        {-0.0, "0"},
        {21600, "21600"},
        {5400, "5400"},
        {81000, "81000"},
        {86400, "86400"},
        {-3600, "-3600"},
        {0.001 * 3600, "3.6"},
        {0.01 * 60, "0.6"},
        {1.1 * 3600, "3960"},
        {1e-7 * 3600, "0.00036"},
        {1e-7 * 60, "6e-006"},
        {0.0001, "0.0001"},
        {0.00001, "1e-005"},
        {1e8 * 3600, "360000000000"},
        {1e9 * 3600, "3600000000000"},
        {1e10 * 3600, "3.6e+013"},
        {0.333333333333 * 3600, "1199.999999999"},
        {0.3333333333333333 * 3600, "1200"},
        {1.23456789012345 * 3600, "4444.444404444"},
        {1234567890112.5, "1234567890113"},
        {5.8333624999125, "5.833362499913"},
        {9999999999999.4, "9999999999999"},
        {9999999999999.5, "1e+013"},
        {DBL_MAX, "1.797693134862e+308"},
        {std::numeric_limits<double>::denorm_min(), "4.940656458412e-324"},
        {-DBL_MIN, "-2.225073858507e-308"},
        {-1.2345678901234e-100, "-1.234567890123e-100"},
        {0.5, "0.5"},
        {-0.00012345, "-0.00012345"},
        {123456.789, "123456.789"},
        {kInf, "1.#INF"},
        {-kInf, "-1.#INF"},
        {std::numeric_limits<double>::quiet_NaN(), "-1.#IND"},
        {-std::numeric_limits<double>::quiet_NaN(), "-1.#IND"},
    };
    for (const Case& c : cases) EXPECT_EQ(numberToText(c.value), c.text) << c.value;
}

TEST(NumberToText, RoundsTwiceHalfAwayFromZero) {
    // 5.8333624999125 is stored just below itself: one rounding to 13 digits
    // would give ...912, the two steps give ...913.
    EXPECT_EQ(numberToText(5.8333624999125), "5.833362499913");
    EXPECT_EQ(numberToText(-5.8333624999125), "-5.833362499913");
    // Exact ties at the 14th digit go away from zero, not to even.
    EXPECT_EQ(numberToText(1234567890112.5), "1234567890113");
    EXPECT_EQ(numberToText(1234567890114.5), "1234567890115");
    EXPECT_EQ(numberToText(-1234567890114.5), "-1234567890115");
    // A carry through every digit lifts the exponent.
    EXPECT_EQ(numberToText(0.000099999999999995), "0.0001");
    EXPECT_EQ(numberToText(99999.99999999995), "100000");
}

TEST(NumberToText, FirstRoundingSeesTheExactEighteenthDigit) {
    // Exact digits ...4999 4 99…: the nearest 18-digit decimal ends in ...49995
    // and would round up twice; the exact 18th digit 4 keeps both roundings down.
    struct Case {
        double value;
        const char* text;
    };
    const Case cases[] = {
        {0x1.913e088773d23p+13, "12839.7541646"},         // 12839.754164604999459…
        {0x1.934a61eb70280p+2, "6.301414947433"},         // 6.3014149474334999467…
        {-0x1.df319e848bc94p-321, "-4.381699999999e-097"},
        {0x1.d2a1be4048df6p+1009, "9.999999999999e+303"},
    };
    for (const Case& c : cases) EXPECT_EQ(numberToText(c.value), c.text) << c.value;
}

TEST(NumberToText, StaysWithinTwentyAllowedBytes) {
    for (const double value : {-DBL_MIN, -DBL_MAX, -1.2345678901234e-100, -0.00012345678901234,
                               -1234567890123.4, -std::numeric_limits<double>::denorm_min()}) {
        const std::string text = numberToText(value);
        EXPECT_LE(text.size(), 20u) << text;
        EXPECT_EQ(text.find_first_not_of("0123456789-+.e"), std::string::npos) << text;
    }
}

}  // namespace
}  // namespace torvane
