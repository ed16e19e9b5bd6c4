#include "numbers.h"

#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>

namespace portable {
std::string shortestDecimal(double value, bool fixed)
{
    // The fewest significant digits that read back to the same double.
    char buffer[40];
    int precision = 0;
    for (; precision < 17; ++precision) {
        std::snprintf(buffer, sizeof buffer, "%.*e", precision, value);
        if (std::strtod(buffer, nullptr) == value)
            break;
    }
    std::snprintf(buffer, sizeof buffer, "%.*e", precision, value);
    const std::string text = buffer;  // [-]d.ddde±xx
    const bool negative = text[0] == '-';
    const std::size_t e = text.find('e');
    std::string digits = text.substr(negative, e - negative);
    if (digits.size() > 1)
        digits.erase(1, std::strlen(std::localeconv()->decimal_point));  // the point, as the locale writes it
    const int exponent = std::atoi(text.c_str() + e + 1);
    std::string out = negative ? "-" : "";
    // Exponent form where the standard library's general form takes it: an exponent
    // below -4 or above 5, whatever the count of digits.
    if (!fixed && (exponent < -4 || exponent > 5)) {
        out += digits.substr(0, 1);
        if (digits.size() > 1)
            out += "." + digits.substr(1);
        char power[16];
        std::snprintf(power, sizeof power, "e%c%02d", exponent < 0 ? '-' : '+', std::abs(exponent));
        return out + power;
    }
    if (exponent < 0)
        return out + "0." + std::string(std::size_t(-exponent - 1), '0') + digits;
    const std::size_t whole = std::size_t(exponent) + 1;
    if (digits.size() <= whole)
        return out + digits + std::string(whole - digits.size(), '0');
    return out + digits.substr(0, whole) + "." + digits.substr(whole);
}

double leadingNumber(std::string_view text)
{
    // [-]digits[.digits][(e|E)[+|-]digits], as long as it goes; at least one digit.
    std::size_t i = 0;
    const auto digitsFrom = [&](std::size_t at) {
        std::size_t j = at;
        while (j < text.size() && text[j] >= '0' && text[j] <= '9')
            ++j;
        return j;
    };
    if (i < text.size() && text[i] == '-')
        ++i;
    const std::size_t integer = i;
    i = digitsFrom(i);
    std::size_t mantissaDigits = i - integer;
    if (i < text.size() && text[i] == '.') {
        const std::size_t fraction = digitsFrom(i + 1);
        mantissaDigits += fraction - (i + 1);
        i = fraction;
    }
    if (mantissaDigits == 0)
        return 0;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < text.size() && (text[j] == '+' || text[j] == '-'))
            ++j;
        if (const std::size_t end = digitsFrom(j); end > j)
            i = end;
    }
    // strtod reads the point of the user's locale: the number's point is written as that.
    std::string number(text.substr(0, i));
    if (const std::size_t point = number.find('.'); point != std::string::npos)
        number.replace(point, 1, std::localeconv()->decimal_point);
    return std::strtod(number.c_str(), nullptr);
}
}  // namespace portable

std::string numberToText(double value)
{
    if (!std::isfinite(value))
        return "0";
    if (value == 0)
        value = 0;  // no "-0"
    const double magnitude = std::fabs(value);
    // Plain decimals for the range people read; exponent form beyond it keeps the text short.
    const auto format = (magnitude == 0 || (magnitude >= 1e-9 && magnitude < 1e16))
                            ? std::chars_format::fixed
                            : std::chars_format::general;
#if defined(__cpp_lib_to_chars)
    char buffer[400];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, format);
    return std::string(buffer, result.ptr);
#else
    return portable::shortestDecimal(value, format == std::chars_format::fixed);
#endif
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
#if defined(__cpp_lib_to_chars)
    double value = 0;
    const auto result = std::from_chars(first, last, value);
    if (result.ec != std::errc() || !std::isfinite(value))
        return 0;
#else
    const double value = portable::leadingNumber(std::string_view(first, std::size_t(last - first)));
#endif
    return std::isfinite(value) ? value : 0;
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
