// The race in a window handed to us: the show's race, with the host window's size where the
// show uses the screen's. Nothing of the show's set-up applies: no topmost, no hidden cursor,
// no clipboard, no instance guard, and input ends nothing.

#include <algorithm>

#include "layout/twips.h"
#include "race/race_geometry.h"
#include "show/display_form_entry.h"
#include "show/frm_main.h"

namespace corvanta {
namespace {

using namespace user32;

}  // namespace

bool frmMain::DisplayLoad(Hwnd host, std::optional<std::int16_t> speed) {
  LoadBallSpeed();
  if (speed) iBallSpeed = *speed;
  SetBallStep();
  hwndPreview = host;
  if (!FitToHost()) return false;
  bDisplay = kTrue;

  const Hwnd own = c_.form.hWnd();
  kit_.SetWindowLongA(own, GWL_STYLE, kit_.GetWindowLongA(own, GWL_STYLE) | WS_CHILD);
  kit_.SetParent(own, hwndPreview);
  ResetRace();
  DrawRace();
  kit_.SetWindowPos(own, 0, 0, 0, rcPreview.Right, rcPreview.Bottom,
                    SWP_SHOWWINDOW | SWP_NOACTIVATE | SWP_NOZORDER);
  c_.form.Refresh();
  return true;
}

// Takes the host's present size for the window, the surface and the race's geometry.
bool frmMain::FitToHost() {
  Rect32 rect;
  if (kit_.GetClientRect(hwndPreview, rect) == 0) return false;
  const std::int32_t width_px = std::max(rect.Right, 1);
  const std::int32_t height_px = std::max(rect.Bottom, 1);
  const bool resized = width_px != rcPreview.Right || height_px != rcPreview.Bottom;
  rcPreview = {0, 0, width_px, height_px};

  const float tpp_x = kit_.TwipsPerPixelX();
  const float tpp_y = kit_.TwipsPerPixelY();
  const Twips width = PixelsToTwips(width_px, tpp_x);
  const Twips height = PixelsToTwips(height_px, tpp_y);
  if (resized) {
    kit_.SetWindowPos(c_.form.hWnd(), 0, 0, 0, width_px, height_px,
                      SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  c_.picBox.SetWidth(width);
  c_.picBox.SetHeight(height);
  sngCellW = tpp_x * kCellPixels;
  sngCellH = tpp_y * kCellPixels;
  sngLaneH = LaneHeight(height);
  // In a window too short for whole cells a ball shrinks to its lane, in whole pixels rounded
  // down: a ball a pixel too tall would touch the next lane's.
  const std::int32_t ball_px = std::min(kCellPixels, std::max(height_px / kLanes, 1));
  sngBallW = tpp_x * static_cast<float>(ball_px);
  sngBallH = tpp_y * static_cast<float>(ball_px);
  sngFinish = FinishLine(width);
  c_.Label1.SetTop(height / 2.0f);
  c_.Label1.SetLeft(width / 2.0f);
  return true;
}

std::unique_ptr<MainFormEvents> NewDisplayForm(Toolkit& kit, const MainControls& controls,
                                               Hwnd host, std::optional<std::int16_t> speed) {
  auto form = std::make_unique<frmMain>(kit, controls);
  if (!form->DisplayLoad(host, speed)) return nullptr;
  return form;
}

}  // namespace corvanta
