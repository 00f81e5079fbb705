// Reading the host's window handle from the end of the command line.

#include <gtest/gtest.h>

#include <random>

#include "layout/numbers.h"
#include "show/module1.h"

namespace corvanta {
namespace {

TEST(GetPreviewHwnd, TakesTheLongestNumericTail) {
  const std::pair<const char*, std::int32_t> cases[] = {
      {"/p 1234", 1234},   {"/p:1234", 1234},  {"/p", 0},          {"/p 12 x", 0},
      {"  /p 77  ", 77},   {"/p 2.5", 2},      {"/p 3.5", 4},      {"/p -2.5", -2},
      {"/p 1e3", 1000},    {"/p 1.5E+2", 150}, {"/p .5", 0},       {"/p 5.", 5},
      {"/p -17", -17},     {"/p 1.2.3", 2},    {"/p 12e", 0},      {"/p x1e5", 100000},
      {"/p 0x10", 10},     {"", 0},            {"/p 2147483647", 2147483647},
      {"/p -2147483648", -2147483647 - 1},
  };
  for (const auto& [args, hwnd] : cases) EXPECT_EQ(GetPreviewHwnd(args), hwnd) << args;
}

TEST(GetPreviewHwnd, NumbersBeyond32BitsAreNoHandle) {
  for (const char* args : {"/p 2147483648", "/p -2147483649", "/p 99999999999999999999",
                           "/p 1e10", "/p 1e999999999999", "/p 2147483647.5"}) {
    EXPECT_EQ(GetPreviewHwnd(args), 0) << args;
  }
  EXPECT_EQ(GetPreviewHwnd("/p 2147483647.4"), 2147483647);
}

TEST(GetPreviewHwnd, HugeTextsStayFast) {
  // A long run of digits before the real tail used to mean quadratic work per start.
  std::string args = "/p " + std::string(200000, '1') + " 1";
  EXPECT_EQ(GetPreviewHwnd(args), 1);
  EXPECT_EQ(GetPreviewHwnd(std::string(200000, '.')), 0);
}

// The backwards reader must agree with the plain definition: try every tail, longest first.
std::size_t SlowLongestTail(std::string_view s) {
  for (std::size_t start = 0; start < s.size(); ++start) {
    if (IsNumeric(s.substr(start))) return start;
  }
  return s.size();
}

TEST(LongestNumericTail, AgreesWithTryingEveryTail) {
  std::mt19937 gen(7);
  const char alphabet[] = "0123456789 .eE+-x";
  for (int i = 0; i < 20000; ++i) {
    std::string s(gen() % 12, ' ');
    for (char& ch : s) ch = alphabet[gen() % (sizeof alphabet - 1)];
    ASSERT_EQ(LongestNumericTail(s), SlowLongestTail(s)) << '"' << s << '"';
  }
}

TEST(Numbers, OneDecimalNumberRoundedExactlyHalvesToEven) {
  EXPECT_EQ(RoundToInt32(" -12.5e1 "), -125);
  EXPECT_EQ(RoundToInt32("+7"), 7);
  EXPECT_EQ(RoundToInt32("1e-99999"), 0);
  EXPECT_EQ(RoundToInt32("-0.5"), 0);
  EXPECT_EQ(RoundToInt32("-1.5"), -2);
  EXPECT_EQ(RoundToInt32("0.0000000000000000000000000001e28"), 1);
  // A double would have turned these into exact halves and rounded them down.
  EXPECT_EQ(RoundToInt32("2.5000000000000000001"), 3);
  EXPECT_EQ(RoundToInt16("32767.4999999999999999999"), 32767);
  EXPECT_EQ(RoundToInt16("32767.5"), std::nullopt);
  EXPECT_EQ(RoundToInt16("-32768.5"), -32768);
  EXPECT_EQ(RoundToInt16("-32769"), std::nullopt);
  EXPECT_EQ(RoundToInt32("-1e400"), std::nullopt);
  for (const char* bad : {"", " ", ".", "e5", "1e", "1e+", "--1", "1 2", "1x", "nan", "inf"}) {
    EXPECT_FALSE(IsNumeric(bad)) << '"' << bad << '"';
    EXPECT_EQ(RoundToInt32(bad), std::nullopt) << '"' << bad << '"';
  }
  EXPECT_FALSE(IsNumeric(std::string("1\0", 2)));
}

}  // namespace
}  // namespace corvanta
