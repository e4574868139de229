// foldFullWidth and textToNumber on arbitrary bytes.
//
// Folding: walked in step with its input, every character either comes out
// unchanged (a byte below 0x80, or both bytes of a pair) or as one printable
// ASCII byte (a folded pair); a lead byte at the very end vanishes. So the text
// never grows, no byte below 0x80 is lost, not even as the second byte of a
// pair, and folding again changes nothing.
//
// Reading: never not-a-number, and bit for bit what the C library's strtod
// gives in the "C" locale for the same numeric prefix of the folded text, with
// a d/D exponent letter read as e.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <locale.h>
#include <string>
#include <string_view>

#include "NumberText.h"

namespace {

[[noreturn]] void fail(const char* what) {
    fprintf(stderr, "invariant broken: %s\n", what);
    abort();
}

void check(bool condition, const char* what) {
    if (!condition) fail(what);
}

void checkFolding(std::string_view in, std::string_view out) {
    check(out.size() <= in.size(), "folding grew the text");
    std::size_t i = 0, o = 0;
    while (i < in.size()) {
        const auto lead = static_cast<unsigned char>(in[i]);
        if (lead < 0x80) {
            check(o < out.size() && out[o] == in[i], "a byte below 0x80 was not kept");
            ++i, ++o;
        } else if (i + 1 == in.size()) {
            ++i;  // a lone lead byte at the end is dropped
        } else if (o + 1 < out.size() && out.substr(o, 2) == in.substr(i, 2)) {
            i += 2, o += 2;  // a pair copied as it stands
        } else {
            // Only pairs of the table fold: lead 0xA1 or 0xA3, a trail byte of
            // 0xA1 or above (so a trail byte below 0x80 is never lost), and a
            // printable ASCII result.
            check(o < out.size(), "a pair vanished");
            const auto trail = static_cast<unsigned char>(in[i + 1]);
            const auto folded = static_cast<unsigned char>(out[o]);
            check(lead == 0xA1 || lead == 0xA3, "a pair with another lead byte was folded");
            check(trail >= 0xA1, "a pair with a low trail byte was folded");
            check(folded >= 0x20 && folded < 0x7F, "a pair folded to a byte outside 0x20..0x7E");
            i += 2, ++o;
        }
    }
    check(o == out.size(), "folding added bytes");
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Length of the longest prefix of the accepted form, 0 when there is none.
std::size_t numericPrefix(std::string_view s) {
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    std::size_t digits = 0;
    while (i < s.size() && isDigit(s[i])) ++i, ++digits;
    if (i < s.size() && s[i] == '.') {
        std::size_t after = i + 1;
        std::size_t fraction = 0;
        while (after < s.size() && isDigit(s[after])) ++after, ++fraction;
        if (digits + fraction > 0) {
            i = after;
            digits += fraction;
        }
    }
    if (digits == 0) return 0;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E' || s[i] == 'd' || s[i] == 'D')) {
        std::size_t j = i + 1;
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) ++j;
        if (j < s.size() && isDigit(s[j])) {
            while (j < s.size() && isDigit(s[j])) ++j;
            i = j;
        }
    }
    return i;
}

double strtodC(std::string text) {
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(0));
    for (char& c : text) {
        if (c == 'd' || c == 'D') c = 'e';
    }
    char* end = nullptr;
    const double value = strtod_l(text.c_str(), &end, cLocale);
    check(end == text.c_str() + text.size(), "strtod did not read the whole prefix");
    return value;
}

bool sameBits(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view in(reinterpret_cast<const char*>(data), size);
    const std::string folded = torvane::foldFullWidth(in);
    checkFolding(in, folded);
    check(torvane::foldFullWidth(folded) == folded, "folding twice changed the text");

    const double value = torvane::textToNumber(in);
    check(value == value, "not-a-number");

    std::string_view rest(folded);
    while (!rest.empty() && (rest.front() == ' ' || (rest.front() >= '\t' && rest.front() <= '\r')))
        rest.remove_prefix(1);
    const std::size_t length = numericPrefix(rest);
    const double expected = length == 0 ? 0.0 : strtodC(std::string(rest.substr(0, length)));
    if (!sameBits(value, expected)) {
        fprintf(stderr, "prefix \"%.*s\": read %a, strtod %a\n", static_cast<int>(length),
                rest.data(), value, expected);
        fail("textToNumber differs from strtod");
    }
    return 0;
}
