// Ten million race ticks, about 28 hours of show: the race stays within its bounds, every
// winner is announced properly, all nine balls win now and then, and nothing is allocated
// once the show runs.

#include <gtest/gtest.h>

#include <array>
#include <atomic>
#include <cstdlib>
#include <new>
#include <string>

#include "fake/fake_main.h"

namespace {
std::atomic<long long> g_allocations{0};
}  // namespace

void* operator new(std::size_t size) {
  ++g_allocations;
  if (void* p = std::malloc(size == 0 ? 1 : size)) return p;
  throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }

namespace corvanta {
namespace {

TEST(Soak, TenMillionTicksStayInBoundsAndAllocateNothing) {
  constexpr long long kTicks = 10'000'000;
  // Small enough that the soak is quick, wide enough for realistic races.
  const Picture sheet{329, 290, std::vector<std::uint32_t>(329 * 290, 0xFF336699u)};
  fake::FakeToolkit kit;
  kit.screen_w_px = 1024;
  kit.screen_h_px = 768;
  kit.command = "/S";
  fake::FakeMain m(kit, sheet);
  m.Load();
  frmMain& f = m.main;
  const float interval = m.tmrRight.interval / 1000.0f;

  std::array<long long, 10> wins{};
  long long races = 0;
  float max_over = 0, max_hold = 0;
  const long long allocations_before = g_allocations.load();
  for (long long tick = 0; tick < kTicks; ++tick) {
    const bool was_racing = f.iRaceState == 0;
    m.main.tmrRight_Timer();
    if (tick % 4 == 0) m.main.tmrDown_Timer();
    if (was_racing && f.iRaceState == 1) {
      ++races;
      const std::string& caption = m.Label1.caption;
      ASSERT_EQ(caption.size(), 13u) << caption;
      ASSERT_EQ(caption.substr(1), " Ball Wins !");
      ASSERT_TRUE(caption[0] >= '1' && caption[0] <= '9') << caption;
      ++wins[static_cast<std::size_t>(caption[0] - '0')];
    }
    for (float p : f.sngBallPos) max_over = std::max(max_over, p - f.sngFinish);
    max_hold = std::max(max_hold, f.sngHold);
    ASSERT_GE(f.iFrame, 0);
    ASSERT_LE(f.iFrame, 9);
  }
  EXPECT_LE(max_over, f.sngStep);
  EXPECT_LE(max_hold, 2.0f + interval + 1e-6f);
  EXPECT_GT(races, 10'000);
  for (int ball = 1; ball <= 9; ++ball) {
    EXPECT_GT(wins[static_cast<std::size_t>(ball)], races / 100) << "ball " << ball;
  }
  EXPECT_EQ(g_allocations.load() - allocations_before, 0) << "nothing is allocated per tick";
  std::printf("%lld races; wins by ball 1..9:", races);
  for (int ball = 1; ball <= 9; ++ball) std::printf(" %lld", wins[static_cast<std::size_t>(ball)]);
  std::printf("\n");
}

}  // namespace
}  // namespace corvanta

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
