// Number text: writing a real as text and reading numbers from text, for every calculator.
// The decimal separator is always ".", whatever the user's regional settings.
#pragma once

#include <cstdint>
#include <limits>
#include <string>
#include <string_view>

using Extended = long double;
static_assert(std::numeric_limits<Extended>::digits == 64, "Extended is the 80-bit real");

// General layout with at most 15 significant digits: plain from 1E-4 up to below 1E15,
// exponent form ("1E15", "-1.5E-7") otherwise; "0", "INF", "-INF", "NAN" for the special values.
std::string RealToText(Extended value);

// RealToText's text of the value 0.d1d2d3... * 10^exponent, whose digits d1d2d3..., at least 16
// of them, are cut off where they end: rounded to 15 significant digits by the 16th.
std::string RoundedDigitsToText(std::string digits, int exponent, bool negative);

// Reads an optional leading sign, the digits up to the first "." (other characters passed
// over) and the digits right after it; rounds to the nearest Extended. Never rejects a text.
Extended TextToReal(std::string_view text);

// Reads the digits among the first nine characters; a leading "-" negates.
int32_t TextToInt(std::string_view text);
