#pragma once
// The crash and server-loss cases run in a child process: the handlers they install are
// process-wide. A body that comes back ends its child with 7, a code no handler uses, so that
// "it went on as if nothing happened" is told apart from every ending a case expects.

#include <gtest/gtest.h>

#include <cstdlib>

namespace corvanta::testing_support {

inline constexpr int kBodyReturned = 7;

// Runs BODY in a child and expects the child to end with CODE, having written OUTPUT (a
// regular expression) to its standard error.
template <typename Body>
void ExpectChildEnds(int code, Body body, const char* output = "") {
  EXPECT_EXIT(
      {
        body();
        std::exit(kBodyReturned);
      },
      ::testing::ExitedWithCode(code), output);
}

}  // namespace corvanta::testing_support
