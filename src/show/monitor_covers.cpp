#include "show/monitor_covers.h"

#include <algorithm>

#include "layout/twips.h"
#include "show/frm_main.h"

namespace corvanta {
namespace {

bool Inside(const Monitor& m, const Monitor& show) {
  const auto right = [](const Monitor& r) { return std::int64_t{r.left} + r.width; };
  const auto bottom = [](const Monitor& r) { return std::int64_t{r.top} + r.height; };
  return m.left >= show.left && m.top >= show.top && right(m) <= right(show) &&
         bottom(m) <= bottom(show);
}

bool SameArea(const Monitor& a, const Monitor& b) {
  return a.left == b.left && a.top == b.top && a.width == b.width && a.height == b.height;
}

}  // namespace

MonitorCovers::MonitorCovers(Toolkit& kit, frmMain& main) : kit_(kit), main_(main) {}

MonitorCovers::~MonitorCovers() { Close(); }

void MonitorCovers::Open() {
  if (service_ != nullptr) return;
  service_ = kit_.Monitors();
  if (service_ == nullptr) return;
  FindShow();
  service_->Listen(this);
  Sync();
}

void MonitorCovers::FindShow() {
  const std::vector<Monitor> monitors = service_->List();
  const auto primary = std::find_if(monitors.begin(), monitors.end(),
                                    [](const Monitor& m) { return m.primary; });
  if (primary != monitors.end()) {
    show_ = *primary;
  } else {
    // No primary named: the show window stands where a maximised window goes, the origin.
    show_ = {0, 0, TwipsToPixels(kit_.ScreenWidth(), kit_.TwipsPerPixelX()),
             TwipsToPixels(kit_.ScreenHeight(), kit_.TwipsPerPixelY()), true};
  }
}

void MonitorCovers::Refit() {
  if (service_ == nullptr) return;
  FindShow();
  Sync();
}

void MonitorCovers::Close() {
  if (service_ == nullptr) return;
  MonitorService* service = service_;
  service_ = nullptr;
  service->Listen(nullptr);
  const std::vector<Cover> covers = std::move(covers_);
  covers_.clear();
  for (const Cover& c : covers) service->RemoveCover(c.id);
}

void MonitorCovers::Sync() {
  // The show window stays where the show started: it is neither moved nor resized while the
  // show runs, so a monitor it does not fill needs a cover whichever one is primary now.
  std::vector<Monitor> wanted;
  for (const Monitor& m : service_->List()) {
    if (m.width <= 0 || m.height <= 0 || Inside(m, show_)) continue;
    const bool listed = std::any_of(wanted.begin(), wanted.end(),
                                    [&](const Monitor& w) { return SameArea(w, m); });
    if (!listed) wanted.push_back(m);
  }
  for (auto it = covers_.begin(); it != covers_.end();) {
    const bool keep = std::any_of(wanted.begin(), wanted.end(),
                                  [&](const Monitor& w) { return SameArea(w, it->area); });
    if (keep) {
      ++it;
    } else {
      service_->RemoveCover(it->id);
      it = covers_.erase(it);
    }
  }
  bool made = false;
  for (const Monitor& w : wanted) {
    const bool covered = std::any_of(covers_.begin(), covers_.end(),
                                     [&](const Cover& c) { return SameArea(c.area, w); });
    if (covered) continue;
    covers_.push_back({w, service_->MakeCover(w)});
    made = true;
  }
  // A cover that overlaps the show window (a mirrored monitor) must not hide the race.
  if (made) main_.OnTop(kTrue);
}

void MonitorCovers::Monitors_Changed() {
  if (service_ != nullptr) Sync();
}

float MonitorCovers::TwipsX(std::int32_t x) const {
  return PixelsToTwips(static_cast<double>(std::int64_t{x} - show_.left), kit_.TwipsPerPixelX());
}

float MonitorCovers::TwipsY(std::int32_t y) const {
  return PixelsToTwips(static_cast<double>(std::int64_t{y} - show_.top), kit_.TwipsPerPixelY());
}

void MonitorCovers::Cover_KeyDown(std::int16_t KeyCode, std::int16_t Shift) {
  if (service_ != nullptr) main_.Form_KeyDown(KeyCode, Shift);
}

void MonitorCovers::Cover_MouseDown(std::int16_t Button, std::int16_t Shift, std::int32_t x,
                                    std::int32_t y) {
  if (service_ == nullptr) return;
  float tx = TwipsX(x), ty = TwipsY(y);
  main_.Form_MouseDown(Button, Shift, tx, ty);
}

void MonitorCovers::Cover_MouseMove(std::int16_t Button, std::int16_t Shift, std::int32_t x,
                                    std::int32_t y) {
  if (service_ == nullptr) return;
  float tx = TwipsX(x), ty = TwipsY(y);
  main_.Form_MouseMove(Button, Shift, tx, ty);
}

}  // namespace corvanta
