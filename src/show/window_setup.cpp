// The two shapes of the show window: a child of the host's preview window, or the whole screen.

#include "race/race_geometry.h"
#include "show/frm_main.h"

namespace corvanta {

using namespace user32;

void frmMain::PreviewEmbedding() {
  // A handle that names no window leaves nothing to show in and nobody to end the preview:
  // leave at once rather than linger as an invisible process.
  if (kit_.GetClientRect(hwndPreview, rcPreview) == 0) {
    Unload();
    return;
  }
  c_.form.SetCaption("Preview");
  const Hwnd own = c_.form.hWnd();
  const std::int32_t style = kit_.GetWindowLongA(own, GWL_STYLE);
  kit_.SetWindowLongA(own, GWL_STYLE, style | WS_CHILD);
  kit_.SetParent(own, hwndPreview);
  kit_.SetWindowLongA(own, GWL_HWNDPARENT, hwndPreview);
  kit_.SetWindowPos(own, 0, 0, 0, rcPreview.Right, rcPreview.Bottom,
                    SWP_SHOWWINDOW | SWP_NOACTIVATE | SWP_NOZORDER);
  const auto width = [&] { return static_cast<float>(rcPreview.Right) * kit_.TwipsPerPixelX(); };
  const auto height = [&] { return static_cast<float>(rcPreview.Bottom) * kit_.TwipsPerPixelY(); };
  c_.picBox.SetWidth(width());
  c_.picBox.SetHeight(height());
  c_.picBox.PaintPicture(c_.Picture1, 0, 0, width(), height());
  c_.form.Refresh();
}

void frmMain::FullScreenSetUp() {
  OnTop(kTrue);
  kit_.ShowCursor(kFalse);
  FitToScreen();
}

void frmMain::FitToScreen() {
  const Twips width = kit_.ScreenWidth();
  const Twips height = kit_.ScreenHeight();
  c_.form.Move(0, 0, width, height);
  c_.picBox.SetWidth(width);
  c_.picBox.SetHeight(height);
  sngCellW = kit_.TwipsPerPixelX() * kCellPixels;
  sngCellH = kit_.TwipsPerPixelY() * kCellPixels;
  sngBallW = sngCellW;
  sngBallH = sngCellH;
  sngLaneH = LaneHeight(height);
  c_.Label1.SetTop(height / 2.0f);
  c_.Label1.SetLeft(width / 2.0f);
}

void frmMain::FullScreenShowing() {
  c_.form.Refresh();
  c_.form.SetCaption("Screen Saver");
  c_.form.SetMaximized();
  covers_.Open();
  c_.form.Show();
}

void frmMain::OnTop(const Boolean& b) {
  kit_.SetWindowPos(c_.form.hWnd(), b ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                    SWP_NOMOVE | SWP_NOSIZE);
  bOnTop = b;
}

}  // namespace corvanta
