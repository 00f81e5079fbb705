// The two timer ticks: the race (movement, frame, finish, hold, restart) and the rolling frame.

#include <string>

#include "show/frm_main.h"

namespace corvanta {
namespace {

constexpr std::int16_t kRacing = 0;
constexpr std::int16_t kHolding = 1;
constexpr float kHoldSeconds = 2.0f;

}  // namespace

void frmMain::tmrRight_Timer() {
  if (!Racing()) return;
  if (iRaceState == kRacing) {
    for (std::size_t i = 0; i < sngBallPos.size(); ++i) {
      sngBallPos[i] = sngBallPos[i] + sngStep * kit_.Rnd();
    }
    // The winning frame is drawn before the winner is decided, so it shows where the balls got.
    DrawRace();
    // No early exit: every finisher rewrites the caption, so the highest number wins a tie.
    for (std::size_t i = 0; i < sngBallPos.size(); ++i) {
      if (sngBallPos[i] >= sngFinish) {
        sngHold = 0;
        iRaceState = kHolding;
        c_.Label1.SetCaption(std::to_string(i + 1) + " Ball Wins !");
        c_.Label1.SetVisible(true);
      }
    }
  } else if (iRaceState == kHolding) {
    // Nominal timer time, not wall-clock time; summed in single precision.
    sngHold = static_cast<float>(sngHold + c_.tmrRight.Interval() / 1000.0);
    if (sngHold > kHoldSeconds) {
      iRaceState = kRacing;
      c_.Label1.SetVisible(false);
      sngBallPos.fill(0);
      // A window handed to us may have changed size; the new race takes the new one.
      if (bDisplay && !FitToHost()) Unload();
    }
  }
}

void frmMain::ResetRace() {
  sngBallPos.fill(0);
  iFrame = 0;
  iRaceState = kRacing;
}

void frmMain::tmrDown_Timer() {
  if (!Racing()) return;
  if (iFrame > 8) {
    iFrame = 0;
  } else {
    ++iFrame;
  }
}

}  // namespace corvanta
