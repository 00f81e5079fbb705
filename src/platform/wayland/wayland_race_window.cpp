#include "platform/wayland/wayland_race_window.h"

#include <algorithm>
#include <cmath>

#include "platform/wayland/wayland_globals.h"
#include "platform/wayland/wayland_monitors.h"
#include "show/display_form_entry.h"
#include "show/frm_main.h"

namespace corvanta::wayland {
namespace {

// The compositor names the output right after the first buffer; this long without it, the
// output is guessed from the size it gave.
constexpr std::int64_t kEnterWait = 1'000'000;

// What a surface on output shows: its logical size in the output's own pixels, at the
// fractional scale the compositor prefers for it, or else at the output's integer scale.
Screen ScreenOf(const LayerSurface& surface, const Output& output) {
  if (const int scale120 = surface.PreferredScale120(); scale120 > 0) {
    const double scale = scale120 / 120.0;
    return {static_cast<int>(std::lround(surface.Width() * scale)),
            static_cast<int>(std::lround(surface.Height() * scale)), scale, true};
  }
  const int scale = output.description.Layout().scale;
  return {surface.Width() * scale, surface.Height() * scale, static_cast<double>(scale), false};
}

}  // namespace

RaceWindow::RaceWindow(Globals& globals, WaylandMonitors& monitors, const Picture& sheet,
                       RaceSetup setup)
    : globals_(globals),
      monitors_(monitors),
      sheet_(sheet),
      setup_(std::move(setup)),
      kit_(setup_.command, monitors, setup_.role == Role::kBackdrop),
      timers_(WaylandMainForm::DesignedTimers()),
      view_(globals),
      windows_([this] { ended_ = true; }) {}

RaceWindow::~RaceWindow() { Close(); }

void RaceWindow::Close() {
  handlers_.reset();
  show_ = nullptr;
  form_.reset();
}

void RaceWindow::Start() {
  if (setup_.role == Role::kRace && kit_.PrevInstance()) {
    MakeForm();
    return;
  }
  surface_wanted_ = true;
}

void RaceWindow::Open() {
  Output* home = nullptr;
  if (setup_.role == Role::kBackdrop) {
    home = globals_.FindOutput(setup_.output);
    if (!home) return;
  } else if (globals_.Outputs().empty()) {
    return;
  }
  auto surface =
      std::make_unique<LayerSurface>(globals_, setup_.role, home ? home->output : nullptr);
  surface_ = surface->Id();
  globals_.AddSurface(std::move(surface), home);
}

void RaceWindow::Update(Micros now) {
  LayerSurface* surface = globals_.FindSurface(surface_);
  if (surface && surface->Closed()) {
    globals_.RemoveSurface(surface_);
    surface = nullptr;
  }
  if (!surface && surface_wanted_) {
    // Gone with its output, or closed: the race waits for a new one.
    placed_ = false;
    guess_at_.reset();
    Open();
    surface = globals_.FindSurface(surface_);
  }
  if (surface) {
    const bool resized = surface->TakeResized();
    if (!placed_) {
      if (resized) {
        surface->CommitBlack();
        guess_at_ = now + kEnterWait;
      }
      Output* on = globals_.FindOutput(surface->EnteredOutput());
      const bool guess_due = guess_at_ && now >= *guess_at_;
      // Its fractional scale comes with the enter or right after: placed at another, the race
      // would start over at once.
      if (on && surface->TellsScale() && !surface->PreferredScale120() && !guess_due) on = nullptr;
      if (!on && guess_due) on = GuessOutput(*surface);
      if (on) Place(*surface, *on);
    } else if (resized || refit_wanted_) {
      // A picture of the old size would be cut off or stretched.
      Refit(*surface);
    }
  }
  refit_wanted_ = false;
  if (form_) {
    form_->Tick(now);
    form_->FrameReady();
  }
}

std::optional<RaceWindow::Micros> RaceWindow::NextWake() const {
  std::optional<Micros> next = guess_at_;
  if (form_) {
    if (const auto tick = timers_.NextWake(view_.StallLimit())) {
      next = next ? std::min(*next, *tick) : *tick;
    }
  }
  return next;
}

Output* RaceWindow::GuessOutput(const LayerSurface& surface) const {
  if (setup_.role == Role::kBackdrop) return globals_.FindOutput(setup_.output);
  // The last output of the surface's size, or the first.
  Output* guess = nullptr;
  for (Output* o : globals_.Outputs()) {
    const OutputLayout& l = o->description.Layout();
    if (!guess || (l.width == surface.Width() && l.height == surface.Height())) guess = o;
  }
  return guess;
}

void RaceWindow::Refit(const LayerSurface& surface) {
  Output* o = globals_.OutputHolding(surface.Id());
  if (!o) return;
  if (ScreenOf(surface, *o) != kit_.CurrentScreen()) Place(surface, *o);
}

void RaceWindow::Place(const LayerSurface& surface, Output& output) {
  if (!globals_.OutputHolding(surface.Id())) globals_.AdoptSurface(surface.Id(), output);
  guess_at_.reset();
  placed_ = true;
  const Screen screen = ScreenOf(surface, output);
  const Screen was = kit_.CurrentScreen();
  view_.Place(surface.Id(), screen);
  kit_.SetScreen(screen);
  if (setup_.role == Role::kRace) monitors_.SetRace(surface.Id(), screen.scale);
  if (!form_) {
    MakeForm();
  } else if (show_) {
    // The race's output went and it stands on another, or its output changed size or scale:
    // it starts over there.
    form_->Refit(screen);
    form_->Deliver([this](MainFormEvents&) { show_->ScreenChanged(); });
  } else if (screen != was) {
    // The backdrop is drawn for its host's size: a new one for the new size.
    Close();
    MakeForm();
  }
}

void RaceWindow::MakeForm() {
  form_ = std::make_unique<WaylandMainForm>(kit_, windows_, sheet_, timers_, view_);
  if (setup_.role == Role::kRace) {
    auto show = std::make_unique<frmMain>(kit_, form_->Controls());
    show_ = show.get();
    handlers_ = std::move(show);
    form_->Bind(*handlers_);
    form_->Deliver([](MainFormEvents& ev) { ev.Form_Load(); });
  } else {
    // Input never ends a display mode, and nothing else closes its window.
    handlers_ = NewDisplayForm(kit_, form_->Controls(), WaylandToolkit::kHostHwnd, setup_.speed);
    if (handlers_) form_->Bind(*handlers_);
  }
}

}  // namespace corvanta::wayland
