#include "core/NumberText.h"

#include <charconv>
#include <cmath>
#include <cstring>

namespace ampora {

std::size_t formatNumber(double value, char* out)
{
    if (value == 0.0 || !std::isfinite(value)) {
        out[0] = '0';
        return 1;
    }
    // Scientific form with 15 significant digits gives correctly rounded digits and an exponent;
    // the plain decimal text is laid out from those by hand so that no exponent ever shows.
    char sci[32];
    const auto sciEnd =
        std::to_chars(sci, sci + sizeof sci, std::fabs(value), std::chars_format::scientific, 14)
            .ptr;
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
    double value = 0.0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc{} && end == text.data() + text.size() ? value : 0.0;
}

} // namespace ampora
