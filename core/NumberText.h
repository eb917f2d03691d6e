// The one way numbers become slot text and back: 15 significant digits, plain decimal notation,
// "." as the separator whatever the process locale says.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace ampora {

// Enough room for any finite double written without an exponent.
inline constexpr std::size_t kNumberTextCapacity = 352;

// Writes value as number text into out (kNumberTextCapacity chars) and returns its length.
std::size_t formatNumber(double value, char* out);
std::string formatNumber(double value);

// Reads text written by formatNumber or a table literal. Text that is no number reads as 0,
// which only an internal fault could produce.
double parseNumber(std::string_view text);

} // namespace ampora
