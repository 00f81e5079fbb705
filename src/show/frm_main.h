#pragma once
// The show window: all show state, its load handler and the handlers of its events.

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "layout/basic_types.h"
#include "layout/forms.h"
#include "layout/toolkit.h"
#include "show/monitor_covers.h"

namespace corvanta {

class frmMain final : public MainFormEvents {
 public:
  frmMain(Toolkit& kit, const MainControls& controls);

  void Form_Load() override;
  void Form_Unload(std::int16_t& Cancel) override;
  void Form_KeyDown(std::int16_t& KeyCode, std::int16_t& Shift) override;
  void Form_MouseDown(std::int16_t& Button, std::int16_t& Shift, float& x, float& y) override;
  void Form_MouseMove(std::int16_t& Button, std::int16_t& Shift, float& x, float& y) override;
  void tmrRight_Timer() override;
  void tmrDown_Timer() override;

  void LoadBallSpeed();
  void SetBallStep();
  void DrawRace();
  // Every ball back at the start, the first rolling frame, racing: a new race, not yet drawn.
  void ResetRace();
  void OnTop(const Boolean& b);  // write-only

  // The race inside a window someone else owns (a screen-saver daemon's, a locker's), instead
  // of the load handler's dispatch. False when host names no window.
  bool DisplayLoad(Hwnd host, std::optional<std::int16_t> speed);
  // The show's screen is another one now (its monitor went and the show stands on one that is
  // left): the window and the geometry take the new screen's size and the race starts over.
  void ScreenChanged();

  // Show state, in this order; all zero, False or empty when the window is created.
  std::int16_t iBallSpeed = 0;
  float sngStep = 0;
  Boolean bOnTop = kFalse;
  Rect32 rcPreview;
  Hwnd hwndPreview = 0;
  Boolean bPreview = kFalse;
  float sngCellW = 0;
  float sngCellH = 0;
  float sngFinish = 0;
  float sngLaneH = 0;
  std::array<float, 9> sngBallPos{};
  std::int16_t iFrame = 0;
  std::int16_t iRaceState = 0;
  float sngHold = 0;
  std::string strMode;
  // The display mode: the race runs in the host window and input is the host's business.
  Boolean bDisplay = kFalse;
  // Size a ball is drawn at: the cell's, unless lanes are too short for it.
  float sngBallW = 0;
  float sngBallH = 0;

 private:
  bool Racing() const { return strMode == "/S" || bDisplay != kFalse; }
  bool IgnoresInput() const { return bPreview != kFalse || bDisplay != kFalse; }
  bool FitToHost();
  void PreviewEmbedding();
  void FullScreenSetUp();
  void FitToScreen();
  void FullScreenShowing();
  void Unload();

  Toolkit& kit_;
  MainControls c_;
  // The mouse handler's last recorded point. Held wider than 16 bits: pointer positions on
  // today's large screens run past 32767 twips.
  std::int32_t iLastX = 0;
  std::int32_t iLastY = 0;
  // The show's other monitors, covered while the show runs.
  MonitorCovers covers_{kit_, *this};
};

}  // namespace corvanta
