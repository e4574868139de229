#include "NumberText.h"

#include <algorithm>
#include <array>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <optional>
#include <system_error>

namespace torvane {

namespace {

// Two-byte GBK characters that stand for a one-byte character.
struct FoldedPair {
    unsigned char lead;
    unsigned char trail;
    char folded;
};
constexpr std::array<FoldedPair, 4> kFoldedPairs{{
    {0xA1, 0xA1, ' '},  // ideographic space
    {0xA1, 0xAB, '~'},  // full-width tilde
    {0xA1, 0xEE, '*'},  // white star
    {0xA1, 0xEF, '*'},  // black star
}};
// Lead byte of the full-width forms of 0x21..0x7E, which sit at 0xA1..0xFE.
constexpr unsigned char kFullWidthLead = 0xA3;

std::optional<char> foldPair(unsigned char lead, unsigned char trail) {
    if (lead == kFullWidthLead && trail >= 0xA1 && trail <= 0xFE) {
        return static_cast<char>(trail - 0x80);
    }
    for (const FoldedPair& pair : kFoldedPairs) {
        if (pair.lead == lead && pair.trail == trail) return pair.folded;
    }
    return std::nullopt;
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isBlank(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

// More significant digits than any double needs to be rounded correctly
// (767); digits beyond are replaced by one sticky digit.
constexpr std::size_t kMaxDigits = 800;
// Exponents are summed in 64 bits; anything beyond this is far outside the
// range of a double either way.
constexpr std::int64_t kExponentCap = 1'000'000'000'000;

// A decimal number: value = digits × 10^exponent, digits without leading zeros.
struct Decimal {
    bool negative = false;
    bool hasDigit = false;
    std::string digits;
    std::int64_t exponent = 0;
    bool sticky = false;  // a non-zero digit was dropped beyond kMaxDigits

    void addDigit(char c, bool afterPoint) {
        hasDigit = true;
        if (digits.size() < kMaxDigits) {
            if (!digits.empty() || c != '0') digits.push_back(c);
            if (afterPoint) --exponent;
        } else {
            if (!afterPoint) ++exponent;
            sticky = sticky || c != '0';
        }
    }
};

// Reads [sign] mantissa [exponent] from the start of an ASCII text.
Decimal scanNumber(std::string_view s) {
    Decimal number;
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) number.negative = s[i++] == '-';
    while (i < s.size() && isDigit(s[i])) number.addDigit(s[i++], false);
    if (i < s.size() && s[i] == '.' &&
        (number.hasDigit || (i + 1 < s.size() && isDigit(s[i + 1])))) {
        ++i;
        while (i < s.size() && isDigit(s[i])) number.addDigit(s[i++], true);
    }
    if (!number.hasDigit || i >= s.size()) return number;

    const char letter = s[i];
    if (letter != 'e' && letter != 'E' && letter != 'd' && letter != 'D') return number;
    std::size_t j = i + 1;
    bool negativeExponent = false;
    if (j < s.size() && (s[j] == '+' || s[j] == '-')) negativeExponent = s[j++] == '-';
    if (j >= s.size() || !isDigit(s[j])) return number;  // the letter is not part of it
    std::int64_t exponent = 0;
    for (; j < s.size() && isDigit(s[j]); ++j) {
        if (exponent < kExponentCap) exponent = exponent * 10 + (s[j] - '0');
    }
    number.exponent += negativeExponent ? -exponent : exponent;
    return number;
}

double signedValue(bool negative, double magnitude) { return negative ? -magnitude : magnitude; }

// Short numbers, such as every hour and minute typed by hand: up to 15 digits
// are an integer below 2^53 and powers of ten up to 10^22 are exact doubles,
// so a single multiplication or division rounds the value correctly.
static_assert(FLT_EVAL_METHOD == 0, "the quick path needs arithmetic in double precision");
std::optional<double> quickMagnitude(const Decimal& number) {
    constexpr std::array<double, 23> kPowersOfTen{
        1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
        1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
    constexpr std::int64_t kLargestPower = kPowersOfTen.size() - 1;
    if (number.digits.size() > 15 || number.sticky || number.exponent < -kLargestPower ||
        number.exponent > kLargestPower) {
        return std::nullopt;
    }
    std::uint64_t mantissa = 0;
    for (const char c : number.digits) mantissa = mantissa * 10 + static_cast<unsigned>(c - '0');
    const auto value = static_cast<double>(mantissa);
    const double power = kPowersOfTen[static_cast<std::size_t>(std::abs(number.exponent))];
    return number.exponent < 0 ? value / power : value * power;
}

}  // namespace

Text foldFullWidth(std::string_view text) {
    Text folded;
    folded.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (byte < 0x80) {
            folded.push_back(text[i++]);
            continue;
        }
        if (i + 1 == text.size()) break;  // a lead byte without its partner
        const auto trail = static_cast<unsigned char>(text[i + 1]);
        if (const auto one = foldPair(byte, trail)) {
            folded.push_back(*one);
        } else {
            folded.append(text.substr(i, 2));
        }
        i += 2;
    }
    return folded;
}

double textToNumber(std::string_view text) {
    const Text folded = foldFullWidth(text);
    std::size_t start = 0;
    while (start < folded.size() && isBlank(folded[start])) ++start;

    Decimal number = scanNumber(std::string_view(folded).substr(start));
    if (!number.hasDigit) return 0.0;
    if (number.digits.empty()) return signedValue(number.negative, 0.0);
    if (const auto quick = quickMagnitude(number)) return signedValue(number.negative, *quick);
    if (number.sticky) {
        number.digits.push_back('1');
        --number.exponent;
    }

    // Decide far-out magnitudes here so that from_chars only sees exponents
    // of a few hundred.
    const std::int64_t scientific =
        number.exponent + static_cast<std::int64_t>(number.digits.size()) - 1;
    constexpr double kInfinity = std::numeric_limits<double>::infinity();
    if (scientific > 400) return signedValue(number.negative, kInfinity);
    if (scientific < -400) return signedValue(number.negative, 0.0);

    std::string normalised = std::move(number.digits);
    normalised.push_back('e');
    normalised.append(std::to_string(number.exponent));
    double magnitude = 0.0;
    const std::from_chars_result read =
        std::from_chars(normalised.data(), normalised.data() + normalised.size(), magnitude);
    if (read.ec == std::errc::result_out_of_range) {
        magnitude = scientific > 0 ? kInfinity : 0.0;
    }
    return signedValue(number.negative, magnitude);
}

namespace {

// Rounds a digit string half away from zero to its first `keep` digits; a
// carry out of the first digit adds one to the decimal exponent.
void roundDigits(std::string& digits, std::size_t keep, int& exponent) {
    const bool up = digits.size() > keep && digits[keep] >= '5';
    digits.resize(keep);
    if (!up) return;
    for (std::size_t i = keep; i-- > 0;) {
        if (digits[i] != '9') {
            ++digits[i];
            return;
        }
        digits[i] = '0';
    }
    digits.front() = '1';  // 99…9 became 100…0
    ++exponent;
}

void trimTrailingZeros(std::string& digits) {
    while (!digits.empty() && digits.back() == '0') digits.pop_back();
}

constexpr int kSignificantDigits = 13;
// Every double's exact decimal expansion has at most 767 significant digits.
constexpr int kExactDigits = 767;

// The first `count` significant digits of a positive finite double and the
// power of ten of the first, rounded to nearest on the digits after them
// (exact for kExactDigits).
struct NearestDigits {
    std::array<char, kExactDigits + 1> digits;
    int exponent;
};

NearestDigits nearestDigits(double magnitude, int count) {
    std::array<char, kExactDigits + 16> buffer;
    const auto written = std::to_chars(buffer.data(), buffer.data() + buffer.size(), magnitude,
                                       std::chars_format::scientific, count - 1);
    // d.ddd…e±x, or d e±x for a single digit
    NearestDigits result{};
    const char* text = buffer.data();
    const char* e = std::find(text, static_cast<const char*>(written.ptr), 'e');
    result.digits[0] = text[0];
    if (count > 1) std::copy(text + 2, e, result.digits.begin() + 1);
    std::from_chars(e + 1 + (e[1] == '+'), written.ptr, result.exponent);
    return result;
}

// The exact value rounded half away from zero to 17 significant digits.
// Only the first 18 exact digits decide it, and those rarely need the full
// expansion:
// - The nearest 18-digit decimal gives the same result unless its last digit
//   is 5: a boundary of the 17-digit rounding lying strictly between the value
//   and its nearest 18-digit neighbour would be nearer still, and every such
//   boundary is an 18-digit decimal ending in 5.
// - The nearest 26-digit decimal has the exact first 18 digits unless its
//   digits 19 to 26 are all zero: only a carry out of exact nines reaches
//   digit 18, and it leaves those zeros behind.
// - Otherwise, all the digits.
// Whole numbers below 2^53 take a shorter way still.
std::string roundedToSeventeen(double magnitude, int& exponent) {
    // Whole numbers below 2^53, such as most times of day, have at most 16
    // digits and are exact as integers.
    if (magnitude < 0x1p53 && std::trunc(magnitude) == magnitude) {
        std::array<char, 20> buffer;
        const auto written = std::to_chars(buffer.data(), buffer.data() + buffer.size(),
                                           static_cast<std::uint64_t>(magnitude));
        std::string digits(buffer.data(), written.ptr);
        exponent = static_cast<int>(digits.size()) - 1;
        digits.resize(17, '0');
        return digits;
    }
    NearestDigits near = nearestDigits(magnitude, 18);
    if (near.digits[17] == '5') {
        near = nearestDigits(magnitude, 26);
        const auto tail = near.digits.begin() + 18;
        if (std::all_of(tail, tail + 8, [](char c) { return c == '0'; })) {
            near = nearestDigits(magnitude, kExactDigits);
        }
    }
    std::string digits(near.digits.data(), 18);
    exponent = near.exponent;
    roundDigits(digits, 17, exponent);
    return digits;
}

}  // namespace

std::string numberToText(double value) {
    if (value == 0.0) return "0";
    if (std::isnan(value)) return "-1.#IND";
    if (std::isinf(value)) return value > 0 ? "1.#INF" : "-1.#INF";

    int exponent = 0;
    std::string digits = roundedToSeventeen(std::fabs(value), exponent);
    roundDigits(digits, kSignificantDigits, exponent);

    std::string text = value < 0 ? "-" : "";
    if (exponent < -4 || exponent >= kSignificantDigits) {
        std::string fraction = digits.substr(1);
        trimTrailingZeros(fraction);
        text.push_back(digits[0]);
        if (!fraction.empty()) text.append(".").append(fraction);
        const int magnitude = exponent < 0 ? -exponent : exponent;
        text.push_back('e');
        text.push_back(exponent < 0 ? '-' : '+');
        text.push_back(static_cast<char>('0' + magnitude / 100));
        text.push_back(static_cast<char>('0' + magnitude / 10 % 10));
        text.push_back(static_cast<char>('0' + magnitude % 10));
    } else if (exponent >= 0) {
        const auto integerDigits = static_cast<std::size_t>(exponent) + 1;
        std::string fraction = digits.substr(integerDigits);
        trimTrailingZeros(fraction);
        text.append(digits, 0, integerDigits);
        if (!fraction.empty()) text.append(".").append(fraction);
    } else {
        trimTrailingZeros(digits);
        text.append("0.").append(static_cast<std::size_t>(-exponent - 1), '0').append(digits);
    }
    return text;
}

}  // namespace torvane
