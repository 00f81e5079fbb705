#pragma once
// The show's other monitors: a black cover over every monitor the show window leaves
// uncovered, kept in step with monitors that come and go, and input over a cover taken as
// input over the show, measured from the show's one recorded point.

#include <cstdint>
#include <vector>

#include "layout/monitors.h"
#include "layout/toolkit.h"

namespace corvanta {

class frmMain;

class MonitorCovers final : public CoverEvents {
 public:
  MonitorCovers(Toolkit& kit, frmMain& main);
  ~MonitorCovers() override;
  MonitorCovers(const MonitorCovers&) = delete;
  MonitorCovers& operator=(const MonitorCovers&) = delete;

  // Covers every monitor but the primary, where the show window goes. Called just before the
  // show window is shown, so that no monitor shows the desktop meanwhile.
  void Open();
  // Removes every cover; nothing is reported from here on.
  void Close();
  // The show window stands on another monitor now: the covers follow.
  void Refit();

  void Monitors_Changed() override;
  void Cover_KeyDown(std::int16_t KeyCode, std::int16_t Shift) override;
  void Cover_MouseDown(std::int16_t Button, std::int16_t Shift, std::int32_t x,
                       std::int32_t y) override;
  void Cover_MouseMove(std::int16_t Button, std::int16_t Shift, std::int32_t x,
                       std::int32_t y) override;

 private:
  struct Cover {
    Monitor area;
    CoverId id;
  };

  void FindShow();
  void Sync();
  // A desktop pixel position as a position in the show window, in twips.
  float TwipsX(std::int32_t x) const;
  float TwipsY(std::int32_t y) const;

  Toolkit& kit_;
  frmMain& main_;
  MonitorService* service_ = nullptr;
  Monitor show_;  // where the show window stands, in desktop pixels
  std::vector<Cover> covers_;
};

}  // namespace corvanta
