#pragma once
// Text to numbers and floating point to integers, the way the program's handlers need them.
//
// A text is numeric when it is one decimal number: optional blanks, an optional sign, digits
// with an optional decimal point (at least one digit), an optional exponent (e or E, optional
// sign, digits), optional blanks. Nothing else: no NUL, no thousands separators, no words.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace corvanta {

// The value of a numeric text; nullopt when the text is not numeric. Values too large for a
// double come back as ±infinity, values too small as zero: callers range-check the result.
std::optional<double> NumericValue(std::string_view text);

// Where the longest numeric tail of text begins (text.size() when no tail is numeric). Linear
// in the length of the text, whatever the text.
std::size_t LongestNumericTail(std::string_view text);

// Nearest integer, halves to the even one; nullopt outside the type's range.
std::optional<std::int16_t> RoundToInt16(double value);
std::optional<std::int32_t> RoundToInt32(double value);

}  // namespace corvanta
