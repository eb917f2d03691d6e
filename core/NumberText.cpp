#include "core/NumberText.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace ampora {

namespace {

// The magnitude in scientific form with 15 significant digits, correctly rounded, such as
// "2.43000000000000e+02"; returns its end.
char* writeScientific(double magnitude, char* out, std::size_t size)
{
#ifdef __EMSCRIPTEN__
    // Emscripten's C++ library has no floating-point to_chars; its C library's locale is always
    // "C", whose decimal point is ".".
    return out + std::snprintf(out, size, "%.14e", magnitude);
#else
    return std::to_chars(out, out + size, magnitude, std::chars_format::scientific, 14).ptr;
#endif
}

} // namespace

std::size_t formatNumber(double value, char* out)
{
    if (value == 0.0 || !std::isfinite(value)) {
        out[0] = '0';
        return 1;
    }
    // Scientific form with 15 significant digits gives correctly rounded digits and an exponent;
    // the plain decimal text is laid out from those by hand so that no exponent ever shows.
    char sci[32];
    const char* sciEnd = writeScientific(std::fabs(value), sci, sizeof sci);
    char digits[15];
    digits[0] = sci[0];
    std::memcpy(digits + 1, sci + 2, 14);
    int digitCount = 15;
    while (digitCount > 1 && digits[digitCount - 1] == '0')
        --digitCount;
    const char* exponentText = static_cast<const char*>(std::memchr(sci, 'e', sciEnd - sci)) + 1;
    if (*exponentText == '+')
        ++exponentText;
    int exponent = 0;
    std::from_chars(exponentText, sciEnd, exponent);

    std::size_t length = 0;
    if (value < 0)
        out[length++] = '-';
    if (exponent < 0) {
        out[length++] = '0';
        out[length++] = '.';
        for (int i = -1; i > exponent; --i)
            out[length++] = '0';
        std::memcpy(out + length, digits, digitCount);
        return length + digitCount;
    }
    const int integerDigits = exponent + 1;
    for (int i = 0; i < integerDigits; ++i)
        out[length++] = i < digitCount ? digits[i] : '0';
    if (digitCount > integerDigits) {
        out[length++] = '.';
        std::memcpy(out + length, digits + integerDigits, digitCount - integerDigits);
        length += digitCount - integerDigits;
    }
    return length;
}

std::string formatNumber(double value)
{
    char buffer[kNumberTextCapacity];
    return std::string(buffer, formatNumber(value, buffer));
}

double parseNumber(std::string_view text)
{
#ifdef __EMSCRIPTEN__
    // No floating-point from_chars there either, and strtod reads up to a terminating zero.
    char terminated[kNumberTextCapacity + 1];
    if (text.size() > kNumberTextCapacity)
        return 0.0;
    std::memcpy(terminated, text.data(), text.size());
    terminated[text.size()] = '\0';
    char* end = nullptr;
    const double value = std::strtod(terminated, &end);
    return end == terminated + text.size() ? value : 0.0;
#else
    double value = 0.0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc{} && end == text.data() + text.size() ? value : 0.0;
#endif
}

} // namespace ampora
