#include "show/module1.h"

#include <string_view>

#include "layout/numbers.h"

namespace corvanta {

std::int32_t GetPreviewHwnd(const std::string& args) {
  std::string_view s = args;
  while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
  while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
  const std::size_t tail = LongestNumericTail(s);
  if (tail == s.size()) return 0;
  return RoundToInt32(s.substr(tail)).value_or(0);
}

}  // namespace corvanta
