// Which Qt platform each run asks for: X for everything that draws on X windows, the
// compositor's own for the settings dialog on a Wayland desktop, none for a preview there.

#include <gtest/gtest.h>

#include "platform/qt/qt_platform_choice.h"

namespace corvanta::qt {
namespace {

constexpr Session kX{false, true}, kWaylandOnly{true, false}, kBoth{true, true}, kNone{};

TEST(QtPlatformFor, TheSettingsDialogIsAWaylandWindowWhereverThereIsACompositor) {
  for (const char* command : {"/C", "/c", "/c:1234", "/C 99"}) {
    EXPECT_EQ(QtPlatformFor(false, command, kWaylandOnly), "wayland") << command;
    EXPECT_EQ(QtPlatformFor(false, command, kBoth), "wayland") << command;
    EXPECT_EQ(QtPlatformFor(false, command, kX), "xcb") << command;
  }
  EXPECT_EQ(QtPlatformFor(false, " /c", kBoth), "xcb") << "nothing is trimmed: no dialog";
}

TEST(QtPlatformFor, AWaylandOnlySessionHasNoPreviewHostAndDisplayModesStayOnX) {
  EXPECT_EQ(QtPlatformFor(false, "/p 1234", kWaylandOnly), std::nullopt);
  EXPECT_EQ(QtPlatformFor(false, "/P 1234", kBoth), "xcb") << "XWayland may host it";
  EXPECT_EQ(QtPlatformFor(false, "/p 1234", kNone), "xcb") << "no display at all: X says so";
  for (const Session session : {kX, kWaylandOnly, kBoth}) {
    EXPECT_EQ(QtPlatformFor(true, "--root", session), "xcb");
    EXPECT_EQ(QtPlatformFor(false, "/S", session), "xcb");
    EXPECT_EQ(QtPlatformFor(false, "/a", session), "xcb");
  }
}

}  // namespace
}  // namespace corvanta::qt
