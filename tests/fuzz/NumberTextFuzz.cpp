// numberToText on arbitrary doubles: at most 20 bytes of the allowed
// characters, and for finite values the text reads back as the double nearest
// to the value rounded half away from zero to 17, then to 13 digits.
//
// The expected value is built apart from the product code: glibc's printf
// writes the exact decimal expansion (767 digits are always enough, so it
// rounds nothing), the two roundings are done here on that digit string, and
// strtod reads the result.

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "NumberText.h"

namespace {

[[noreturn]] void fail(double value, const std::string& text, const char* what) {
    fprintf(stderr, "%a -> \"%s\": %s\n", value, text.c_str(), what);
    abort();
}

// digits[0..keep) rounded half away from zero on digit `keep`; returns true on
// a carry out of the first digit (the digits then read 1000…).
bool roundHalfUp(std::string& digits, std::size_t keep) {
    const bool up = digits[keep] >= '5';
    digits.erase(keep);
    if (!up) return false;
    std::size_t i = keep;
    while (i > 0 && digits[i - 1] == '9') digits[--i] = '0';
    if (i == 0) {
        digits.insert(digits.begin(), '1');
        digits.pop_back();
        return true;
    }
    ++digits[i - 1];
    return false;
}

double expectedReadBack(double magnitude) {
    char exact[800];
    snprintf(exact, sizeof exact, "%.766e", magnitude);
    char* e = std::strchr(exact, 'e');
    int exponent = std::atoi(e + 1);
    std::string digits(1, exact[0]);
    digits.append(exact + 2, e);
    if (roundHalfUp(digits, 17)) ++exponent;
    if (roundHalfUp(digits, 13)) ++exponent;
    const std::string decimal = digits + "e" + std::to_string(exponent - 12);
    return std::strtod(decimal.c_str(), nullptr);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < sizeof(double)) return 0;
    double value;
    std::memcpy(&value, data, sizeof value);
    const std::string text = torvane::numberToText(value);

    if (text.empty() || text.size() > 20) fail(value, text, "length outside 1..20");
    for (const char c : text) {
        const bool allowed = (c >= '0' && c <= '9') || std::strchr("-+.e#INFD", c) != nullptr;
        if (!allowed || c == '\0') fail(value, text, "character outside the allowed set");
    }
    if (std::isnan(value)) {
        if (text != "-1.#IND") fail(value, text, "not-a-number");
        return 0;
    }
    if (std::isinf(value)) {
        if (text != (value > 0 ? "1.#INF" : "-1.#INF")) fail(value, text, "infinity");
        return 0;
    }
    const double back = torvane::textToNumber(text);
    const double expected = value == 0 ? 0.0 : std::copysign(expectedReadBack(std::fabs(value)), value);
    if (std::memcmp(&back, &expected, sizeof back) != 0) fail(value, text, "reads back as the wrong double");
    return 0;
}
