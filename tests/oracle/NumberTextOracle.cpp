// Checks the number text conversions against exact references built on GMP
// and MPFR:
//
// - numberToText: the exact decimal expansion of the double (an integer
//   m·2^e or m·5^k / 10^k computed with GMP), rounded half away from zero to
//   17 digits, then to 13, laid out here. Random doubles of every binade,
//   subnormals, and constructed hard cases around the roundings.
// - textToNumber: mpfr_strtofr, correctly rounded to nearest in the double
//   range (subnormals included), over random decimal texts of up to 15
//   significant digits, with over- and underflowing exponents among them.
//
//   NumberTextOracle [--to-text N] [--to-number N] [--seed S]
//
// Prints the case counts and the first mismatches; exits non-zero on any.

#include <gmp.h>
#include <mpfr.h>

#include <cfloat>
#include <cinttypes>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>

#include "NumberText.h"

namespace {

using Random = std::mt19937_64;

// --- numberToText reference ------------------------------------------------

// Digits of the exact value of a positive finite double, and the power of ten
// of the first one.
struct ExactDecimal {
    std::string digits;
    long exponent;
};

ExactDecimal exactDecimal(double magnitude) {
    int binaryExponent = 0;
    const double fraction = std::frexp(magnitude, &binaryExponent);
    // magnitude = significand · 2^power with an integer significand < 2^53.
    const auto significand = static_cast<std::uint64_t>(std::ldexp(fraction, 53));
    const long power = binaryExponent - 53;

    mpz_t n;
    mpz_init(n);
    mpz_import(n, 1, 1, sizeof significand, 0, 0, &significand);
    long fractionDigits = 0;
    if (power >= 0) {
        mpz_mul_2exp(n, n, static_cast<mp_bitcnt_t>(power));
    } else {
        // m / 2^k = m·5^k / 10^k
        mpz_t five;
        mpz_init(five);
        mpz_ui_pow_ui(five, 5, static_cast<unsigned long>(-power));
        mpz_mul(n, n, five);
        mpz_clear(five);
        fractionDigits = -power;
    }
    ExactDecimal exact;
    std::string text(mpz_sizeinbase(n, 10) + 2, '\0');
    mpz_get_str(text.data(), 10, n);
    text.resize(std::strlen(text.c_str()));
    mpz_clear(n);
    exact.digits = text;
    exact.exponent = static_cast<long>(text.size()) - 1 - fractionDigits;
    return exact;
}

// Keeps `count` digits, rounding half away from zero on the next one alone.
void roundAway(ExactDecimal& number, std::size_t count) {
    if (number.digits.size() <= count) {
        number.digits.append(count - number.digits.size(), '0');
        return;
    }
    const bool up = number.digits[count] >= '5';
    number.digits.resize(count);
    for (std::size_t i = count; up && i-- > 0;) {
        if (number.digits[i] < '9') {
            ++number.digits[i];
            return;
        }
        number.digits[i] = '0';
        if (i == 0) {
            number.digits.insert(0, "1");
            number.digits.pop_back();
            ++number.exponent;
        }
    }
}

std::string referenceText(double value) {
    if (value == 0) return "0";
    if (std::isnan(value)) return "-1.#IND";
    if (std::isinf(value)) return value > 0 ? "1.#INF" : "-1.#INF";
    ExactDecimal number = exactDecimal(std::fabs(value));
    roundAway(number, 17);
    roundAway(number, 13);
    std::string digits = number.digits;
    while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
    const long e = number.exponent;

    std::string text = value < 0 ? "-" : "";
    if (e < -4 || e >= 13) {
        char exponent[32];
        std::snprintf(exponent, sizeof exponent, "e%c%03ld", e < 0 ? '-' : '+', std::labs(e));
        text += digits.substr(0, 1);
        if (digits.size() > 1) text += "." + digits.substr(1);
        return text + exponent;
    }
    if (e < 0) return text + "0." + std::string(static_cast<std::size_t>(-e - 1), '0') + digits;
    const auto whole = static_cast<std::size_t>(e + 1);
    if (digits.size() <= whole) return text + digits + std::string(whole - digits.size(), '0');
    return text + digits.substr(0, whole) + "." + digits.substr(whole);
}

double fromBits(std::uint64_t bits) {
    double value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

std::uint64_t bitsOf(double value) {
    std::uint64_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

std::string randomDigits(Random& random, std::size_t count) {
    std::string digits;
    digits.push_back(static_cast<char>('1' + random() % 9));
    while (digits.size() < count) digits.push_back(static_cast<char>('0' + random() % 10));
    return digits;
}

// The decimal digits·10^power read as the nearest double.
double nearest(const std::string& digits, long power) {
    return std::strtod((digits + "e" + std::to_string(power)).c_str(), nullptr);
}

struct Tally {
    unsigned long long cases = 0;
    unsigned long long mismatches = 0;

    void report(const char* what, const std::string& detail) {
        if (++mismatches <= 20) std::printf("MISMATCH %s: %s\n", what, detail.c_str());
    }
};

void checkText(double value, Tally& tally) {
    ++tally.cases;
    const std::string actual = torvane::numberToText(value);
    const std::string expected = referenceText(value);
    if (actual != expected) {
        char detail[200];
        std::snprintf(detail, sizeof detail, "%a (%.17g) gave \"%s\", expected \"%s\"", value,
                      value, actual.c_str(), expected.c_str());
        tally.report("numberToText", detail);
    }
}

// A value and its two neighbouring doubles.
void checkAround(double value, Tally& tally) {
    checkText(value, tally);
    checkText(std::nextafter(value, 0.0), tally);
    checkText(std::nextafter(value, HUGE_VAL), tally);
}

void checkToText(unsigned long long count, Random& random, Tally& tally) {
    std::uniform_int_distribution<long> anyPower(-330, 295);
    const double kBoundaries[] = {1e-5, 1e-4, 1e12, 1e13};
    while (tally.cases < count) {
        const double sign = random() % 2 ? -1.0 : 1.0;
        switch (random() % 10) {
        case 0:
        case 1: {  // any bit pattern: every binade equally likely
            const double value = fromBits(random());
            if (std::isfinite(value)) checkText(value, tally);
            break;
        }
        case 2:  // subnormals
            checkText(sign * fromBits(random() & ((std::uint64_t{1} << 52) - 1)), tally);
            break;
        case 3: {  // 17 digits whose 14th is 5 and the rest zeros: a tie of the second rounding
            const std::string tie = randomDigits(random, 13) + "5000";
            checkAround(sign * nearest(tie, anyPower(random)), tally);
            break;
        }
        case 4: {  // carries through trailing nines into a new leading digit
            const std::size_t nines = 1 + random() % 13;
            std::string digits = randomDigits(random, 13 - nines) + std::string(nines, '9');
            if (digits.size() > 13) digits.erase(0, 1);
            digits += random() % 2 ? "5" : "4999";
            checkAround(sign * nearest(digits, anyPower(random)), tally);
            break;
        }
        case 5: {  // ties of the first rounding: digit 18 is 5
            const std::string tie = randomDigits(random, 17) + "5";
            checkAround(sign * nearest(tie, anyPower(random)), tally);
            break;
        }
        case 6: {  // around the switches between fixed and exponent form
            const double boundary = kBoundaries[random() % 4];
            const double scale = 1.0 - std::ldexp(static_cast<double>(random() % 4096), -52);
            checkAround(sign * boundary * scale, tally);
            checkAround(sign * nearest("99999999999995", std::lround(std::log10(boundary)) - 14),
                        tally);
            break;
        }
        case 7: {  // exactly 18 significant digits, the last a 5: m / 2^k with m·5^k of 18 digits
            const int k = 2 + static_cast<int>(random() % 24);
            const double low = std::ceil(1e17 / std::pow(5.0, k));
            const double high = std::min(std::floor(1e18 / std::pow(5.0, k)), 0x1p53);
            if (low >= high) break;
            const auto m = static_cast<std::uint64_t>(low) +
                           random() % static_cast<std::uint64_t>(high - low);
            checkText(sign * std::ldexp(static_cast<double>(m | 1), -k), tally);
            break;
        }
        case 8:  // whole numbers up to 2^53 and a little beyond
            checkText(sign * static_cast<double>(random() >> (10 + random() % 54)), tally);
            break;
        default: {  // sleep times: hours·3600 + minutes·60 from short decimals
            const double hours = static_cast<double>(random() % 100000) / 1000.0;
            const double minutes = static_cast<double>(random() % 1000000) / 10000.0;
            checkText(sign * (hours * 3600.0 + minutes * 60.0), tally);
            break;
        }
        }
    }
}

// --- textToNumber reference ------------------------------------------------

double referenceNumber(const std::string& text) {
    // MPFR reads e as the exponent letter; the other letters mean the same.
    std::string mpfrText = text;
    for (char& c : mpfrText) {
        if (c == 'd' || c == 'D' || c == 'E') c = 'e';
    }
    mpfr_t value;
    mpfr_init2(value, 53);
    const int inexact = mpfr_strtofr(value, mpfrText.c_str(), nullptr, 10, MPFR_RNDN);
    mpfr_subnormalize(value, inexact, MPFR_RNDN);
    const double result = mpfr_get_d(value, MPFR_RNDN);
    mpfr_clear(value);
    return result;
}

std::string randomNumberText(Random& random) {
    std::string text;
    switch (random() % 4) {
    case 0: text += '-'; break;
    case 1: text += '+'; break;
    default: break;
    }
    text.append(random() % 4 == 0 ? random() % 3 : 0, '0');  // leading zeros
    const std::size_t digits = 1 + random() % 15;
    const std::string significant = randomDigits(random, digits);
    const std::size_t point = random() % (digits + 2);
    if (point > digits) {
        text += significant;
    } else {
        text += significant.substr(0, point) + "." + significant.substr(point);
    }
    long power;
    switch (random() % 8) {
    case 0: power = 290 + static_cast<long>(random() % 120); break;     // near and past overflow
    case 1: power = -300 - static_cast<long>(random() % 120); break;    // subnormals and underflow
    case 2: power = -static_cast<long>(random() % 10); break;
    default: power = static_cast<long>(random() % 600) - 300; break;
    }
    if (random() % 8 != 0) {
        text += "eEdD"[random() % 4];
        if (power >= 0 && random() % 2) text += '+';
        text += std::to_string(power);
    }
    return text;
}

void checkToNumber(unsigned long long count, Random& random, Tally& tally) {
    for (; tally.cases < count; ++tally.cases) {
        const std::string text = randomNumberText(random);
        const double actual = torvane::textToNumber(text);
        const double expected = referenceNumber(text);
        if (bitsOf(actual) != bitsOf(expected)) {
            char detail[200];
            std::snprintf(detail, sizeof detail, "\"%s\" gave %a, expected %a", text.c_str(), actual,
                          expected);
            tally.report("textToNumber", detail);
        }
    }
}

}  // namespace

int main(int argc, char** argv) {
    unsigned long long toText = 100000, toNumber = 50000, seed = 20261211;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string option = argv[i];
        const unsigned long long number = std::strtoull(argv[i + 1], nullptr, 10);
        if (option == "--to-text") toText = number;
        else if (option == "--to-number") toNumber = number;
        else if (option == "--seed") seed = number;
        else {
            std::fprintf(stderr, "unknown option %s\n", option.c_str());
            return 2;
        }
    }
    mpfr_set_emin(-1073);  // the double range, subnormals included
    mpfr_set_emax(1024);

    Random random(seed);
    Tally text, number;
    checkToText(toText, random, text);
    checkToNumber(toNumber, random, number);
    std::printf("numberToText: %llu cases, %llu mismatches\n", text.cases, text.mismatches);
    std::printf("textToNumber: %llu cases, %llu mismatches\n", number.cases, number.mismatches);
    return text.mismatches + number.mismatches == 0 ? 0 : 1;
}
