#include "layout/numbers.h"

#include <limits>

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

// A numeric text taken apart: the digits with the decimal point removed, and where the point
// goes after applying the exponent.
struct Decimal {
  bool negative = false;
  std::string_view whole, fraction;
  long long exponent = 0;  // saturated far beyond anything that matters
};

std::optional<Decimal> Parse(std::string_view s) {
  Decimal d;
  std::size_t i = 0;
  while (i < s.size() && s[i] == ' ') ++i;
  d.negative = i < s.size() && s[i] == '-';
  if (i < s.size() && IsSign(s[i])) ++i;
  const std::size_t int_end = DigitsFrom(s, i);
  d.whole = s.substr(i, int_end - i);
  i = int_end;
  if (i < s.size() && s[i] == '.') {
    const std::size_t frac_end = DigitsFrom(s, i + 1);
    d.fraction = s.substr(i + 1, frac_end - i - 1);
    i = frac_end;
  }
  if (d.whole.empty() && d.fraction.empty()) return std::nullopt;
  if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
    std::size_t j = i + 1;
    const bool exp_negative = j < s.size() && s[j] == '-';
    if (j < s.size() && IsSign(s[j])) ++j;
    const std::size_t exp_end = DigitsFrom(s, j);
    if (exp_end == j) return std::nullopt;
    for (std::size_t k = j; k < exp_end; ++k) {
      d.exponent = std::min<long long>(d.exponent * 10 + (s[k] - '0'), 1'000'000'000'000LL);
    }
    if (exp_negative) d.exponent = -d.exponent;
    i = exp_end;
  }
  while (i < s.size() && s[i] == ' ') ++i;
  if (i != s.size()) return std::nullopt;
  return d;
}

// Rounds exactly; nullopt when the magnitude is beyond max.
std::optional<long long> Rounded(const Decimal& d, long long max) {
  // Digit k of the number counts from the first digit of the whole part; the decimal point
  // sits after digit `point`.
  const long long count = static_cast<long long>(d.whole.size() + d.fraction.size());
  const auto digit = [&](long long k) -> int {
    if (k < 0 || k >= count) return 0;
    const std::size_t u = static_cast<std::size_t>(k);
    return (u < d.whole.size() ? d.whole[u] : d.fraction[u - d.whole.size()]) - '0';
  };
  long long first = 0;
  while (first < count && digit(first) == 0) ++first;
  if (first == count) return 0;
  const long long point = static_cast<long long>(d.whole.size()) + d.exponent;
  // The leading digit alone puts the value at 10^(point - first - 1) or more.
  if (point - first > 18) return std::nullopt;
  long long value = 0;
  for (long long k = first; k < point; ++k) value = value * 10 + digit(k);
  const int next = point >= first ? digit(point) : 0;
  bool round_up = next > 5;
  if (next == 5) {
    bool beyond = false;
    for (long long k = std::max(point + 1, first); k < count && !beyond; ++k) beyond = digit(k) != 0;
    round_up = beyond || value % 2 != 0;
  }
  value += round_up;
  if (value > max) return std::nullopt;
  return d.negative ? -value : value;
}

template <typename Int>
std::optional<Int> RoundTo(std::string_view text) {
  const std::optional<Decimal> d = Parse(text);
  if (!d) return std::nullopt;
  // The negative side reaches one further than the positive one.
  const long long max = d->negative ? -static_cast<long long>(std::numeric_limits<Int>::min())
                                    : std::numeric_limits<Int>::max();
  const std::optional<long long> v = Rounded(*d, max);
  if (!v) return std::nullopt;
  return static_cast<Int>(*v);
}

}  // namespace

bool IsNumeric(std::string_view text) { return Parse(text).has_value(); }

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

std::optional<std::int16_t> RoundToInt16(std::string_view text) {
  return RoundTo<std::int16_t>(text);
}
std::optional<std::int32_t> RoundToInt32(std::string_view text) {
  return RoundTo<std::int32_t>(text);
}

}  // namespace corvanta
