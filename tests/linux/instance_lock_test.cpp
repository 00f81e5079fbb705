// The instance test: held while the holder lives, free as soon as it ends, however it ends.

#include "platform/linux/instance_lock.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>

#include "temp_dir_test.h"

namespace corvanta::linux_services {
namespace {

constexpr char kRuntimeDir[] = "XDG_RUNTIME_DIR";

class InstanceLockTest : public TempDirTest<kRuntimeDir> {
 protected:
  std::string LockPath() const { return dir_ + "/corvanta-" + std::to_string(getuid()) + ".lock"; }
  // Someone else holding a lock on whatever lies at the lock's path.
  int HoldLock() const {
    const int fd = open(LockPath().c_str(), O_RDONLY | O_CLOEXEC);
    EXPECT_GE(fd, 0);
    EXPECT_EQ(flock(fd, LOCK_EX | LOCK_NB), 0);
    return fd;
  }
};

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

TEST_F(InstanceLockTest, ASymlinkAtThePathIsNeverFollowed) {
  const std::string target = dir_ + "/elsewhere";
  ASSERT_EQ(symlink(target.c_str(), LockPath().c_str()), 0);
  const InstanceLock lock;
  EXPECT_FALSE(lock.AnotherInstance());
  EXPECT_FALSE(Exists(target)) << "a file was created through it";
}

TEST_F(InstanceLockTest, AFileOthersMayWriteIsNoLock) {
  const int fd = open(LockPath().c_str(), O_RDWR | O_CREAT, 0600);
  ASSERT_GE(fd, 0);
  ASSERT_EQ(fchmod(fd, 0666), 0);
  close(fd);
  const int held = HoldLock();
  const InstanceLock lock;
  EXPECT_FALSE(lock.AnotherInstance()) << "a lock anyone could hold must not stop the show";
  close(held);
}

TEST_F(InstanceLockTest, AFilePlantedByAnotherUserNeitherBlocksNorIsWritten) {
  if (geteuid() != 0) GTEST_SKIP() << "making a file another user owns needs root";
  const int fd = open(LockPath().c_str(), O_RDWR | O_CREAT, 0600);
  ASSERT_GE(fd, 0);
  ASSERT_EQ(write(fd, "theirs", 6), 6);
  ASSERT_EQ(fchown(fd, 65534, 65534), 0);
  close(fd);
  struct stat before {};
  ASSERT_EQ(stat(LockPath().c_str(), &before), 0);
  const int held = HoldLock();
  const InstanceLock lock;
  EXPECT_FALSE(lock.AnotherInstance());
  close(held);
  struct stat after {};
  ASSERT_EQ(stat(LockPath().c_str(), &after), 0);
  EXPECT_EQ(after.st_uid, 65534u);
  EXPECT_EQ(after.st_size, 6);
  EXPECT_EQ(after.st_mtim.tv_sec, before.st_mtim.tv_sec);
  EXPECT_EQ(after.st_mtim.tv_nsec, before.st_mtim.tv_nsec);
}

}  // namespace
}  // namespace corvanta::linux_services
