// The race ticks: advance, finish, tie-break, hold, restart and the rolling frame.

#include <gtest/gtest.h>

#include <initializer_list>
#include <set>
#include <utility>

#include "on_fake.h"

namespace corvanta {
namespace {

class Race : public ::testing::Test, public testing::OnFake {
 protected:
  void Start(const char* command = "/S") { OnFake::Start(command); }
  // Starts the show with balls placed this far past the finish line, then ticks once with
  // every ball standing still.
  void TickWithFinishers(std::initializer_list<std::pair<std::size_t, float>> past_the_line) {
    Start();
    kit.scripted_rnd.assign(9, 0.0f);
    for (const auto& [ball, past] : past_the_line) {
      main().sngBallPos[ball] = main().sngFinish + past;
    }
    m->RaceTick();
  }
};

TEST_F(Race, EachTickDrawsNineNumbersInBallOrderAndNeverClamps) {
  Start();
  kit.scripted_rnd = {0.5f, 0.25f, 0, 0, 0, 0, 0, 0, 0.999f};
  main().sngBallPos[8] = main().sngFinish - 1;
  const int before = kit.rnd_draws;
  m->RaceTick();
  EXPECT_EQ(kit.rnd_draws - before, 9);
  EXPECT_FLOAT_EQ(main().sngBallPos[0], 100);
  EXPECT_FLOAT_EQ(main().sngBallPos[1], 50);
  EXPECT_FLOAT_EQ(main().sngBallPos[8], main().sngFinish - 1 + 200 * 0.999f)
      << "a finisher may stand past the line";
}

TEST_F(Race, ABallExactlyOnTheLineFinishes) {
  TickWithFinishers({{4, 0}});
  EXPECT_EQ(main().iRaceState, 1);
  EXPECT_EQ(m->Label1.caption, "5 Ball Wins !");
  EXPECT_TRUE(m->Label1.visible);
}

TEST_F(Race, TheHighestNumberedFinisherIsAnnounced) {
  TickWithFinishers({{2, 50}, {5, 0}});
  EXPECT_EQ(m->Label1.caption, "6 Ball Wins !");
}

TEST_F(Race, TheWinningTickDrawsTheWinnerWhereItGot) {
  Start();
  kit.scripted_rnd.assign(9, 0.0f);
  kit.scripted_rnd[0] = 0.5f;  // ball 1 goes 100 twips, across the line
  main().sngBallPos[0] = main().sngFinish - 50;
  m->RaceTick();
  const int x = m->picBox.PixelsX(main().sngBallPos[0]);
  const int y = m->picBox.PixelsY(main().sngLaneH);
  EXPECT_EQ(m->picBox.Image().At(x + 1, y + 1), testing::CellColour(0, 0));
}

TEST_F(Race, HoldCountsTheTimerIntervalAndRestartsOnThe201stTick) {
  TickWithFinishers({{3, 0}});
  ASSERT_EQ(main().iRaceState, 1);
  const std::vector<std::uint32_t> frozen(m->picBox.Image().Pixels().begin(),
                                          m->picBox.Image().Pixels().end());
  m->picBox.Image().ClearChanged();
  m->RaceTick(200);
  EXPECT_EQ(main().iRaceState, 1) << "a sum of exactly two seconds does not end the hold";
  EXPECT_TRUE(m->Label1.visible);
  m->RaceTick();
  EXPECT_EQ(main().iRaceState, 0);
  EXPECT_FALSE(m->Label1.visible);
  for (float p : main().sngBallPos) EXPECT_EQ(p, 0);
  EXPECT_TRUE(m->picBox.Image().Changed().Empty()) << "nothing is drawn while holding or restarting";
  EXPECT_TRUE(std::equal(frozen.begin(), frozen.end(), m->picBox.Image().Pixels().begin()));
}

TEST_F(Race, HoldUsesTheIntervalReadBack) {
  Start();
  m->tmrRight.interval = 500;
  kit.scripted_rnd.assign(9, 0.0f);
  main().sngBallPos[0] = main().sngFinish;
  m->RaceTick();
  m->RaceTick(4);
  EXPECT_EQ(main().iRaceState, 1);
  m->RaceTick();
  EXPECT_EQ(main().iRaceState, 0);
}

TEST_F(Race, RollingFrameRunsThroughTenFrames) {
  Start();
  std::vector<int> seen;
  for (int i = 0; i < 12; ++i) {
    m->FrameTick();
    seen.push_back(main().iFrame);
  }
  EXPECT_EQ(seen, (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 0, 1, 2}));
}

TEST_F(Race, NothingMovesOutsideTheShow) {
  // The timers tick in every mode; the dialog's modal loop delivers them too.
  for (const char* command : {"/p 77", "/c", "/a", "x"}) {
    testing::OnFake f(command, [](fake::FakeToolkit& k) { k.host_windows[77] = {0, 0, 152, 112}; });
    f.main().sngBallPos[0] = 123;
    for (int i = 0; i < 300; ++i) f.main().tmrRight_Timer();
    for (int i = 0; i < 20; ++i) f.main().tmrDown_Timer();
    EXPECT_EQ(f.main().sngBallPos[0], 123) << command;
    EXPECT_EQ(f.main().iFrame, 0) << command;
    EXPECT_EQ(f.kit.rnd_draws, 0) << command;
    EXPECT_FALSE(f.m->Label1.visible) << command;
  }
}

TEST_F(Race, TwoShowsOnTheSameScreenRunTheSameRaces) {
  auto winners = [](int races) {
    testing::OnFake f("/S");
    std::vector<std::string> seen;
    while (static_cast<int>(seen.size()) < races) {
      f.m->RaceTick();
      if (f.main().iRaceState == 1 && f.main().sngHold == 0) seen.push_back(f.m->Label1.caption);
    }
    return seen;
  };
  const auto first = winners(12);
  EXPECT_EQ(first, winners(12));
  EXPECT_GT(std::set<std::string>(first.begin(), first.end()).size(), 1u)
      << "a random source that always favours one ball is no race";
}

TEST_F(Race, UnknownRaceStateDoesNothing) {
  Start();
  main().iRaceState = 7;
  const int before = kit.rnd_draws;
  m->RaceTick(5);
  EXPECT_EQ(kit.rnd_draws, before);
  EXPECT_EQ(main().iRaceState, 7);
}

}  // namespace
}  // namespace corvanta
