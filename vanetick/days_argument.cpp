// Correctly rounded conversion of a scanned decimal number to float.
#include "vanetick/days_argument.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>

float DecimalToFloat(const DecimalNumber& number) {
    const float sign = number.negative ? -1.0f : 1.0f;
    if (number.digits.empty()) {
        return sign * 0.0f;
    }
    // 0.d × 10^e: beyond 10^39 every value overflows, below 10^-46 every value rounds to zero.
    if (number.exponent > 40) {
        return sign * std::numeric_limits<float>::infinity();
    }
    if (number.exponent < -46) {
        return sign * 0.0f;
    }
    std::string text = "0." + number.digits;
    if (number.droppedNonZeroDigits) {
        text += '1';  // keeps the value above a halfway point it would otherwise sit on
    }
    char exponent[16];
    std::snprintf(exponent, sizeof exponent, "e%d", static_cast<int>(number.exponent));
    text += exponent;
    float value = 0.0f;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    (void)end;
    if (error == std::errc::result_out_of_range) {
        value = number.exponent > 0 ? std::numeric_limits<float>::infinity() : 0.0f;
    }
    return sign * value;
}
