// The show moved to another screen while it ran: a platform where monitors come and go may
// take the show's own away and hand it another of another size.

#include "race/race_geometry.h"
#include "show/frm_main.h"

namespace corvanta {

void frmMain::ScreenChanged() {
  if (strMode != "/S") return;
  FitToScreen();
  sngFinish = FinishLine(kit_.ScreenWidth());
  // The race so far was sized for the old screen: a new one starts at the line.
  ResetRace();
  sngHold = 0;
  c_.Label1.SetVisible(false);
  // The monitor the show stands on now needs its cover no more; the old one may need one.
  covers_.Refit();
  DrawRace();
}

}  // namespace corvanta
