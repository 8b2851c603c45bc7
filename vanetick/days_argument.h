// Reads the reminder's days argument with the grammar of a "%f" scan, written out so that every
// build reads the same: optional white space (space, \t \n \v \f \r), an optional sign, decimal
// digits with an optional point, at least one digit, then an optional exponent (e or E, optional
// sign, at least one digit). Reading stops at the first character that does not fit; there is
// no hexadecimal form and no "inf" or "nan". Too large a value gives infinity. Portable.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// A number as the grammar found it: value = ±0.digits × 10^exponent.
struct DecimalNumber {
    bool negative = false;
    std::string digits;          // significant digits, no leading zeros; empty for zero
    std::int64_t exponent = 0;
    bool droppedNonZeroDigits = false;  // digits beyond what rounding to float can need
};

// The nearest float, ties to even, as a correct "%f" conversion gives it.
float DecimalToFloat(const DecimalNumber& number);

namespace days_argument_detail {

inline constexpr std::size_t MAX_KEPT_DIGITS = 200;  // float needs at most ~112 for rounding
inline constexpr std::int64_t EXPONENT_LIMIT = 1'000'000'000;

inline bool IsScanSpace(char32_t c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

inline bool IsDigit(char32_t c) {
    return c >= '0' && c <= '9';
}

inline void AddDigit(DecimalNumber& number, char32_t digit, bool beforePoint) {
    if (number.digits.empty() && digit == '0') {
        if (!beforePoint) {
            --number.exponent;  // a leading zero after the point scales the value down
        }
        return;
    }
    if (beforePoint && number.exponent < EXPONENT_LIMIT) {
        ++number.exponent;
    }
    if (number.digits.size() < MAX_KEPT_DIGITS) {
        number.digits += static_cast<char>(digit);
    } else if (digit != '0') {
        number.droppedNonZeroDigits = true;
    }
}

}  // namespace days_argument_detail

// Returns no value when the text holds no number: empty, only white space, a lone sign or point.
template <typename Char>
std::optional<float> ParseDaysArgument(const Char* text) {
    using namespace days_argument_detail;
    auto at = [text](std::size_t i) { return static_cast<char32_t>(text[i]); };
    std::size_t i = 0;
    while (at(i) != 0 && IsScanSpace(at(i))) {
        ++i;
    }
    DecimalNumber number;
    if (at(i) == '+' || at(i) == '-') {
        number.negative = at(i) == '-';
        ++i;
    }
    bool sawDigit = false;
    for (; IsDigit(at(i)); ++i) {
        AddDigit(number, at(i), true);
        sawDigit = true;
    }
    if (at(i) == '.') {
        for (++i; IsDigit(at(i)); ++i) {
            AddDigit(number, at(i), false);
            sawDigit = true;
        }
    }
    if (!sawDigit) {
        return std::nullopt;
    }
    if (number.exponent < -EXPONENT_LIMIT) {
        number.exponent = -EXPONENT_LIMIT;
    }
    if (at(i) == 'e' || at(i) == 'E') {
        std::size_t j = i + 1;
        bool negativeExponent = false;
        if (at(j) == '+' || at(j) == '-') {
            negativeExponent = at(j) == '-';
            ++j;
        }
        if (IsDigit(at(j))) {
            std::int64_t exponent = 0;
            for (; IsDigit(at(j)); ++j) {
                if (exponent < EXPONENT_LIMIT) {
                    exponent = exponent * 10 + static_cast<std::int64_t>(at(j) - '0');
                }
            }
            number.exponent += negativeExponent ? -exponent : exponent;
        }
    }
    return DecimalToFloat(number);
}
