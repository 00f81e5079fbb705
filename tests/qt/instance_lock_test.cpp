// The instance test: held while the holder lives, free as soon as it ends, however it ends.

#include "platform/qt/qt_instance_lock.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include "temp_dir_test.h"

namespace corvanta::qt {
namespace {

constexpr char kRuntimeDir[] = "XDG_RUNTIME_DIR";
using InstanceLockTest = TempDirTest<kRuntimeDir>;

TEST_F(InstanceLockTest, FirstHoldsItAndTheNextSeesAnother) {
  const InstanceLock first;
  EXPECT_FALSE(first.AnotherInstance());
  const InstanceLock second;
  EXPECT_TRUE(second.AnotherInstance());
}

TEST_F(InstanceLockTest, ACrashedHolderBlocksNothing) {
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    const InstanceLock held;
    _exit(held.AnotherInstance() ? 1 : 0);  // ends without any clean-up of its own
  }
  int status = 0;
  ASSERT_EQ(waitpid(child, &status, 0), child);
  ASSERT_EQ(WEXITSTATUS(status), 0);
  const InstanceLock next;
  EXPECT_FALSE(next.AnotherInstance());
}

}  // namespace
}  // namespace corvanta::qt
