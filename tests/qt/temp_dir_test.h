#pragma once
// A test whose environment variable Var names a fresh temporary folder while it runs.

#include <gtest/gtest.h>

#include <QTemporaryDir>

namespace corvanta::qt {

template <const char* Var>
class TempDirTest : public ::testing::Test {
 protected:
  void SetUp() override { qputenv(Var, dir_.path().toUtf8()); }
  void TearDown() override { qunsetenv(Var); }
  QTemporaryDir dir_;
};

}  // namespace corvanta::qt
