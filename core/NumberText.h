#pragma once

#include <string>
#include <string_view>

#include "Text.h"

namespace torvane {

// Replaces the full-width GBK forms of ASCII characters (and the ideographic
// space, full-width tilde and the two stars) by their one-byte equivalents.
// A lone lead byte at the very end is dropped.
Text foldFullWidth(std::string_view text);

// Reads the decimal number at the start of a text; never fails: no number
// gives +0, a value beyond the double range gives a signed infinity or zero.
// Locale-free.
double textToNumber(std::string_view text);

// Writes a double with at most 13 significant digits in the layout of "%.13g",
// a three-digit exponent and the forms "1.#INF", "-1.#INF" and "-1.#IND".
// The exact value is rounded half away from zero to 17 digits, then to 13.
std::string numberToText(double value);

}  // namespace torvane
