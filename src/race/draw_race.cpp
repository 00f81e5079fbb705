// One whole race frame: a clear, then each ball's cell of the current rolling frame in its lane.

#include "show/frm_main.h"

namespace corvanta {

void frmMain::DrawRace() {
  c_.picBox.Cls();
  // Later balls cover earlier ones where cells overlap, black corners included.
  for (std::size_t i = 0; i < sngBallPos.size(); ++i) {
    const float row = static_cast<float>(i);
    c_.picBox.PaintPicture(c_.Picture1, sngBallPos[i], (row + 1) * sngLaneH, sngBallW, sngBallH,
                           PictureBox::Source{iFrame * sngCellW, row * sngCellH, sngCellW, sngCellH});
  }
}

}  // namespace corvanta
