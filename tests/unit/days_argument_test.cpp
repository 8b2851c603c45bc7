// The days argument's grammar: what reads as a number, what value it reads as, what is no number.
#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <limits>

#include "vanetick/days_argument.h"

namespace {

struct DaysCase {
    std::u16string text;
    std::optional<float> value;
};

void PrintTo(const DaysCase& c, std::ostream* out) {
    *out << '"';
    for (char16_t ch : c.text) {
        *out << (ch < 0x80 ? static_cast<char>(ch) : '?');
    }
    *out << '"';
}

class DaysGrammar : public testing::TestWithParam<DaysCase> {};

TEST_P(DaysGrammar, ReadsTheLongestPrefixThatFitsLikeAPercentFScan) {
    const std::optional<float> value = ParseDaysArgument(GetParam().text.c_str());
    ASSERT_EQ(value.has_value(), GetParam().value.has_value());
    if (value) {
        // Bit-exact: the conversion must round to nearest, as the compiler does for literals.
        EXPECT_EQ(std::signbit(*value), std::signbit(*GetParam().value));
        if (std::isinf(*GetParam().value)) {
            EXPECT_TRUE(std::isinf(*value));
        } else {
            EXPECT_EQ(*value, *GetParam().value);
        }
    }
}

const float INF = std::numeric_limits<float>::infinity();

INSTANTIATE_TEST_SUITE_P(
    Numbers, DaysGrammar,
    testing::Values(
        DaysCase{u"2", 2.0f}, DaysCase{u"0.25", 0.25f}, DaysCase{u"0.5", 0.5f}, DaysCase{u"1.1", 1.1f},
        DaysCase{u"0.1", 0.1f}, DaysCase{u"+3", 3.0f}, DaysCase{u"-.5", -0.5f}, DaysCase{u"5.", 5.0f},
        DaysCase{u".5", 0.5f}, DaysCase{u"007", 7.0f}, DaysCase{u"0", 0.0f}, DaysCase{u"-0", -0.0f},
        DaysCase{u"1e3", 1000.0f}, DaysCase{u"1E3", 1000.0f}, DaysCase{u"2.5e-1", 0.25f},
        DaysCase{u"1e+2", 100.0f}, DaysCase{u"123456789", 123456789.0f},
        DaysCase{u"3.4028235e38", FLT_MAX}, DaysCase{u"1.17549435e-38", FLT_MIN},
        DaysCase{u"1.4e-45", 1.4e-45f}, DaysCase{u"16777217", 16777216.0f},  // tie to even
        DaysCase{u"16777219", 16777220.0f}));

INSTANTIATE_TEST_SUITE_P(
    Prefixes, DaysGrammar,
    testing::Values(
        DaysCase{u"2days", 2.0f}, DaysCase{u"1,5", 1.0f}, DaysCase{u"0x10", 0.0f}, DaysCase{u"3e", 3.0f},
        DaysCase{u"3e+", 3.0f}, DaysCase{u"3e-x", 3.0f}, DaysCase{u"2.5.1", 2.5f}, DaysCase{u"1 2", 1.0f},
        DaysCase{u"4\u00A0", 4.0f}, DaysCase{u"1e5days", 100000.0f}, DaysCase{u"7\u0660", 7.0f}));

INSTANTIATE_TEST_SUITE_P(
    WhiteSpace, DaysGrammar,
    testing::Values(DaysCase{u" \t3", 3.0f}, DaysCase{u"\n\v\f\r7", 7.0f}, DaysCase{u"\u00A03", std::nullopt},
                    DaysCase{u"\u20033", std::nullopt}));

INSTANTIATE_TEST_SUITE_P(
    Extremes, DaysGrammar,
    testing::Values(
        DaysCase{u"1e999", INF}, DaysCase{u"-1e999", -INF}, DaysCase{u"3.5e38", INF},
        DaysCase{u"1e-999", 0.0f}, DaysCase{u"-1e-999", -0.0f}, DaysCase{u"1e-50", 0.0f},
        DaysCase{u"1e99999999999999999999", INF}, DaysCase{u"1e-99999999999999999999", 0.0f},
        DaysCase{u"0e99999", 0.0f},
        DaysCase{u"1" + std::u16string(60, u'0'), INF},
        DaysCase{u"0." + std::u16string(60, u'0') + u"1", 0.0f},
        DaysCase{u"0." + std::u16string(300, u'0') + u"1e300", 0.1f},
        DaysCase{u"1" + std::u16string(300, u'0') + u"e-300", 1.0f}));

INSTANTIATE_TEST_SUITE_P(
    NoNumber, DaysGrammar,
    testing::Values(DaysCase{u"", std::nullopt}, DaysCase{u"   ", std::nullopt}, DaysCase{u"+", std::nullopt},
                    DaysCase{u"-", std::nullopt}, DaysCase{u".", std::nullopt}, DaysCase{u"-.", std::nullopt},
                    DaysCase{u"inf", std::nullopt}, DaysCase{u"nan", std::nullopt}, DaysCase{u"soon", std::nullopt},
                    DaysCase{u"e5", std::nullopt}, DaysCase{u"+-1", std::nullopt}, DaysCase{u"\uFF13", std::nullopt}));

TEST(DaysGrammarRounding, ManyDigitsRoundAsTheirExactValue) {
    // Just above the halfway point between 1 and the next float: must round up, though the
    // deciding digit lies far beyond the first 200.
    const float next = std::nextafter(1.0f, 2.0f);
    std::u16string aboveHalf = u"1.00000005960464477539062500";
    aboveHalf += std::u16string(300, u'0') + u"1";
    EXPECT_EQ(ParseDaysArgument(aboveHalf.c_str()), next);
    EXPECT_EQ(ParseDaysArgument(u"1.000000059604644775390625"), 1.0f);  // a tie: to even
}

TEST(DaysGrammarCharacters, EightBitTextReadsTheSame) {
    EXPECT_EQ(ParseDaysArgument("2days"), 2.0f);
    EXPECT_EQ(ParseDaysArgument(L" -1.5e1x"), -15.0f);
}

}  // namespace
