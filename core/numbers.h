#pragma once
#include <string>
#include <string_view>

// The one pair of conversions between a number and the text of a parameter box:
// the shortest decimal form that reads back to the same double, with a decimal
// point whatever the user's locale ("30000", "0.1", "0.00005").
std::string numberToText(double value);

// Reads the leading number of a text ("  12.5abc" gives 12.5); a text with no
// number in front of it (a box's design text such as "Alfa") gives 0.
double textToNumber(std::string_view text);

// The same two conversions written with the C library alone, for a standard library
// that lacks the floating-point std::to_chars and std::from_chars (the browser's): the
// shortest round-trip digits in fixed or exponent form, and the longest leading number.
namespace portable {
std::string shortestDecimal(double value, bool fixed);
double leadingNumber(std::string_view text);  // 0 when there is none
}  // namespace portable

// Int: the largest whole number not above x.
double Int(double x);

// Mod: both operands rounded to whole numbers first (halves to even, 15.7 gives 16),
// then the remainder of the division, with the sign of the dividend.
// A divisor that rounds to 0 gives 0 instead of failing.
long long Mod(double a, double b);
