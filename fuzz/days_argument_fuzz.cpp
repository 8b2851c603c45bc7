// Fuzz target: the days grammar against the C library's strtof on texts made only of the
// characters the grammar knows (digits, point, e, E, signs, blanks), where the two must agree
// on whether there is a number and on its value.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "vanetick/days_argument.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const char alphabet[] = "0123456789.eE+- \t0000011111";
    std::string text;
    for (std::size_t i = 0; i < size && i < 400; ++i) {
        text += alphabet[data[i] % (sizeof alphabet - 1)];
    }
    const std::optional<float> ours = ParseDaysArgument(text.c_str());
    char* end = nullptr;
    const float theirs = std::strtof(text.c_str(), &end);
    const bool theyFoundNumber = end != text.c_str();
    if (ours.has_value() != theyFoundNumber) {
        std::fprintf(stderr, "\"%s\": number %d, strtof %d\n", text.c_str(), ours.has_value(), theyFoundNumber);
        std::abort();
    }
    if (ours && std::memcmp(&*ours, &theirs, sizeof theirs) != 0) {
        std::fprintf(stderr, "\"%s\": %a, strtof %a\n", text.c_str(), *ours, theirs);
        std::abort();
    }
    return 0;
}
