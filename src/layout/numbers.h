#pragma once
// Text to whole numbers, the way the program's handlers need them.
//
// A text is numeric when it is one decimal number: optional blanks, an optional sign, digits
// with an optional decimal point (at least one digit), an optional exponent (e or E, optional
// sign, digits), optional blanks. Nothing else: no NUL, no thousands separators, no words.
// Values are rounded to the nearest integer, halves to the even one, exactly: the digits are
// never squeezed through a floating-point number first, so 2.5000000000000000001 is 3.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace corvanta {

bool IsNumeric(std::string_view text);

// Where the longest numeric tail of text begins (text.size() when no tail is numeric). Linear
// in the length of the text, whatever the text.
std::size_t LongestNumericTail(std::string_view text);

// The rounded value of a numeric text; nullopt when the text is not numeric or the rounded
// value does not fit the type.
std::optional<std::int16_t> RoundToInt16(std::string_view text);
std::optional<std::int32_t> RoundToInt32(std::string_view text);

}  // namespace corvanta
