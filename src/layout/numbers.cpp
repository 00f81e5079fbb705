#include "layout/numbers.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace corvanta {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsSign(char c) { return c == '+' || c == '-'; }

std::size_t DigitsFrom(std::string_view s, std::size_t i) {
  while (i < s.size() && IsDigit(s[i])) ++i;
  return i;
}
std::size_t DigitsBefore(std::string_view s, std::size_t end) {
  while (end > 0 && IsDigit(s[end - 1])) --end;
  return end;
}
std::size_t BlanksBefore(std::string_view s, std::size_t end) {
  while (end > 0 && s[end - 1] == ' ') --end;
  return end;
}

// Start of the longest "sign? mantissa" that ends exactly at end, or npos.
std::size_t MantissaStart(std::string_view s, std::size_t end) {
  std::size_t start = DigitsBefore(s, end);
  std::size_t digits = end - start;
  if (start > 0 && s[start - 1] == '.') {
    const std::size_t whole = DigitsBefore(s, start - 1);
    digits += start - 1 - whole;
    start = whole;
  }
  if (digits == 0) return std::string_view::npos;
  if (start > 0 && IsSign(s[start - 1])) --start;
  return start;
}

}  // namespace

std::size_t LongestNumericTail(std::string_view s) {
  // Read the grammar backwards from the end: the earliest start that still parses is the
  // longest tail. Trailing blanks belong to any tail.
  const std::size_t end = BlanksBefore(s, s.size());
  std::size_t start = std::string_view::npos;
  // With an exponent: digits, an optional sign, then e or E, then a mantissa before it.
  const std::size_t exp_digits = DigitsBefore(s, end);
  if (exp_digits < end) {
    std::size_t e = exp_digits;
    if (e > 0 && IsSign(s[e - 1])) --e;
    if (e > 0 && (s[e - 1] == 'e' || s[e - 1] == 'E')) start = MantissaStart(s, e - 1);
  }
  if (start == std::string_view::npos) start = MantissaStart(s, end);
  if (start == std::string_view::npos) return s.size();
  return BlanksBefore(s, start);
}

std::optional<double> NumericValue(std::string_view s) {
  std::size_t i = 0;
  while (i < s.size() && s[i] == ' ') ++i;
  const bool negative = i < s.size() && s[i] == '-';
  if (i < s.size() && IsSign(s[i])) ++i;
  const std::size_t first = i;
  const std::size_t int_end = DigitsFrom(s, i);
  std::size_t frac_end = int_end;
  if (int_end < s.size() && s[int_end] == '.') frac_end = DigitsFrom(s, int_end + 1);
  const std::size_t mantissa_digits = (int_end - first) + (frac_end - int_end - (frac_end > int_end));
  if (mantissa_digits == 0) return std::nullopt;
  i = frac_end;
  long long exponent = 0;
  if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
    std::size_t j = i + 1;
    const bool exp_negative = j < s.size() && s[j] == '-';
    if (j < s.size() && IsSign(s[j])) ++j;
    const std::size_t exp_end = DigitsFrom(s, j);
    if (exp_end == j) return std::nullopt;
    for (std::size_t k = j; k < exp_end; ++k) {
      exponent = std::min<long long>(exponent * 10 + (s[k] - '0'), 1'000'000'000);
    }
    if (exp_negative) exponent = -exponent;
    i = exp_end;
  }
  const std::size_t number_end = i;
  while (i < s.size() && s[i] == ' ') ++i;
  if (i != s.size()) return std::nullopt;

  // The decimal magnitude of the leading nonzero digit decides between zero, a value the
  // library converts exactly, and one that cannot fit anything we convert it to.
  long long lead = 0;
  bool nonzero = false;
  for (std::size_t k = first; k < frac_end && !nonzero; ++k) {
    if (k == int_end) continue;
    if (s[k] != '0') {
      nonzero = true;
      lead = k < int_end ? static_cast<long long>(int_end - k) - 1
                         : -static_cast<long long>(k - int_end);
    }
  }
  if (!nonzero) return negative ? -0.0 : 0.0;
  const long long magnitude = lead + exponent;
  if (magnitude > 300) return negative ? -HUGE_VAL : HUGE_VAL;
  if (magnitude < -300) return negative ? -0.0 : 0.0;

  double value = 0;
  const char* begin = s.data() + first;
  const auto [ptr, ec] = std::from_chars(begin, s.data() + number_end, value);
  if (ec != std::errc{} || ptr != s.data() + number_end) return std::nullopt;
  return negative ? -value : value;
}

std::optional<std::int16_t> RoundToInt16(double value) {
  const double r = std::nearbyint(value);
  if (!(r >= std::numeric_limits<std::int16_t>::min() &&
        r <= std::numeric_limits<std::int16_t>::max())) {
    return std::nullopt;
  }
  return static_cast<std::int16_t>(r);
}

std::optional<std::int32_t> RoundToInt32(double value) {
  const double r = std::nearbyint(value);
  if (!(r >= std::numeric_limits<std::int32_t>::min() &&
        r <= std::numeric_limits<std::int32_t>::max())) {
    return std::nullopt;
  }
  return static_cast<std::int32_t>(r);
}

}  // namespace corvanta
