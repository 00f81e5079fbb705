#include "layout/settings_dialog_plan.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace corvanta {
namespace {

std::size_t IndexOf(const FormDesign& design, std::string_view name) {
  return static_cast<std::size_t>(&design.Control(name) - design.controls.data());
}

bool Made(ControlKind kind) {
  return kind != ControlKind::kPictureBox && kind != ControlKind::kTimer;
}

}  // namespace

bool TakesFocus(ControlKind kind) {
  return kind == ControlKind::kDropDownList || kind == ControlKind::kButton;
}

void BuildSettingsDialog(const FormDesign& design, SettingsDialogWidgets& widgets,
                         SettingsFormEvents& events) {
  const PixelRect outer = widgets.SizeClient(design.client_width, design.client_height);
  if (design.centred) {
    const PixelRect screen = widgets.Screen();
    widgets.MoveTo(screen.left + (screen.Width() - outer.Width()) / 2,
                   screen.top + (screen.Height() - outer.Height()) / 2);
  }

  // Containers come before what they hold, so each is made by the time its contents are.
  std::vector<std::pair<int, std::size_t>> tab_order;
  for (std::size_t i = 0; i < design.controls.size(); ++i) {
    const ControlDesign& c = design.controls[i];
    if (!Made(c.kind)) continue;
    std::optional<std::size_t> container;
    Twips left = c.left, top = c.top;
    if (!c.container.empty()) {
      container = IndexOf(design, c.container);
      left += design.controls[*container].left;
      top += design.controls[*container].top;
    }
    widgets.Make(i, c, container, left, top);
    if (c.tab_index >= 0 && TakesFocus(c.kind)) {
      const std::pair<int, std::size_t> entry{c.tab_index, i};
      tab_order.insert(std::upper_bound(tab_order.begin(), tab_order.end(), entry), entry);
    }
  }
  for (std::size_t i = 1; i < tab_order.size(); ++i) {
    widgets.TabAfter(tab_order[i - 1].second, tab_order[i].second);
  }

  widgets.OnClick(IndexOf(design, "btnOK"), &SettingsFormEvents::btnOK_Click);
  widgets.OnClick(IndexOf(design, "btnCancel"), &SettingsFormEvents::btnCancel_Click);

  events.Attach(widgets.Controls(IndexOf(design, "Combo1"), IndexOf(design, "Label6")));
  events.Form_Load();
  // The focus starts in the first control of the tab order that can take it.
  if (!tab_order.empty() && !widgets.Unloaded()) widgets.Focus(tab_order.front().second);
}

}  // namespace corvanta
