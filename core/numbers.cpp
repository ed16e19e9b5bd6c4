#include "numbers.h"

#include <charconv>
#include <cmath>
#include <limits>

std::string numberToText(double value)
{
    if (!std::isfinite(value))
        return "0";
    if (value == 0)
        value = 0;  // no "-0"
    char buffer[400];
    const double magnitude = std::fabs(value);
    // Plain decimals for the range people read; exponent form beyond it keeps the text short.
    const auto format = (magnitude == 0 || (magnitude >= 1e-9 && magnitude < 1e16))
                            ? std::chars_format::fixed
                            : std::chars_format::general;
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, format);
    return std::string(buffer, result.ptr);
}

double textToNumber(std::string_view text)
{
    const auto space = [](char c) { return c == ' ' || (c >= '\t' && c <= '\r'); };
    while (!text.empty() && space(text.front()))
        text.remove_prefix(1);
    const char* first = text.data();
    const char* last = first + text.size();
    if (first != last && *first == '+')
        ++first;
    double value = 0;
    const auto result = std::from_chars(first, last, value);
    if (result.ec != std::errc() || !std::isfinite(value))
        return 0;
    return value;
}

double Int(double x) { return std::floor(x); }

long long Mod(double a, double b)
{
    constexpr double limit = 9.0e18;
    const double ra = std::nearbyint(a);
    const double rb = std::nearbyint(b);
    if (!std::isfinite(ra) || !std::isfinite(rb) || std::fabs(ra) > limit || std::fabs(rb) > limit)
        return 0;
    const long long ia = static_cast<long long>(ra);
    const long long ib = static_cast<long long>(rb);
    if (ib == 0 || (ib == -1))
        return 0;
    return ia % ib;
}
