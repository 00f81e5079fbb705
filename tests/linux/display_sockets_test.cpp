// "Does a display server answer?": only a socket someone listens on counts, found where
// the client libraries find it.

#include "platform/linux/display_sockets.h"

#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <string>

#include "temp_dir_test.h"

namespace corvanta::linux_services {
namespace {

constexpr char kRuntimeDir[] = "XDG_RUNTIME_DIR";

class WaylandSocketTest : public TempDirTest<kRuntimeDir> {
 protected:
  void SetUp() override {
    TempDirTest::SetUp();
    unsetenv("WAYLAND_SOCKET");
    unsetenv("WAYLAND_DISPLAY");
  }
  void TearDown() override {
    if (listener_ >= 0) close(listener_);
    unsetenv("WAYLAND_DISPLAY");
    TempDirTest::TearDown();
  }
  // A compositor's socket at the path; listening or, when it has gone, not.
  void Socket(const std::string& path, bool listening) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, path.c_str(), sizeof address.sun_path - 1);
    const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_EQ(bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
    if (listening) {
      ASSERT_EQ(listen(fd, 4), 0);
      listener_ = fd;
    } else {
      close(fd);
    }
  }
  int listener_ = -1;
};

TEST_F(WaylandSocketTest, AListeningSocketByNameOrPathAnswers) {
  EXPECT_FALSE(WaylandCompositorAnswers()) << "no WAYLAND_DISPLAY";
  Socket(dir_ + "/wayland-1", true);
  setenv("WAYLAND_DISPLAY", "wayland-1", 1);
  EXPECT_TRUE(WaylandCompositorAnswers());
  setenv("WAYLAND_DISPLAY", (dir_ + "/wayland-1").c_str(), 1);
  EXPECT_TRUE(WaylandCompositorAnswers());
  unsetenv("XDG_RUNTIME_DIR");
  EXPECT_TRUE(WaylandCompositorAnswers()) << "an absolute path needs no runtime folder";
  setenv("WAYLAND_DISPLAY", "wayland-1", 1);
  EXPECT_FALSE(WaylandCompositorAnswers()) << "a name does";
}

TEST_F(WaylandSocketTest, ASocketLeftByACompositorThatWentOrNoneAtAllDoesNot) {
  Socket(dir_ + "/wayland-2", false);
  setenv("WAYLAND_DISPLAY", "wayland-2", 1);
  EXPECT_FALSE(WaylandCompositorAnswers());
  setenv("WAYLAND_DISPLAY", "wayland-9", 1);
  EXPECT_FALSE(WaylandCompositorAnswers());
  setenv("WAYLAND_DISPLAY", std::string(200, 'x').c_str(), 1);
  EXPECT_FALSE(WaylandCompositorAnswers()) << "a name too long for a socket address";
}

// X servers listen in one fixed folder; a display number nobody uses stands for ours.
TEST_F(WaylandSocketTest, AnXServerAnswersOnItsDisplaysSocket) {
  const char* before = std::getenv("DISPLAY");
  const std::string saved = before ? before : "";
  const std::string number = std::to_string(7000 + getpid() % 1000);
  const std::string path = "/tmp/.X11-unix/X" + number;
  mkdir("/tmp/.X11-unix", 01777);
  unlink(path.c_str());
  setenv("DISPLAY", (":" + number).c_str(), 1);
  EXPECT_FALSE(XServerAnswers()) << "nobody listens";
  Socket(path, true);
  EXPECT_TRUE(XServerAnswers());
  setenv("DISPLAY", ("unix:" + number + ".0").c_str(), 1);
  EXPECT_TRUE(XServerAnswers()) << "a screen number and the unix host change nothing";
  setenv("DISPLAY", "elsewhere:0", 1);
  EXPECT_TRUE(XServerAnswers()) << "another host is not ours to rule out";
  setenv("DISPLAY", "nonsense", 1);
  EXPECT_FALSE(XServerAnswers());
  unsetenv("DISPLAY");
  EXPECT_FALSE(XServerAnswers());
  unlink(path.c_str());
  if (before) setenv("DISPLAY", saved.c_str(), 1);
}

}  // namespace
}  // namespace corvanta::linux_services
