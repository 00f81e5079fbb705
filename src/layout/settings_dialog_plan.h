#pragma once
// The settings dialog's building steps, the same on every toolkit: which container each
// control goes into and where, where the dialog stands, the tab order, which button runs which
// handler, and where the focus starts. A backend implements SettingsDialogWidgets with its
// widget calls only; BuildSettingsDialog decides the rest.

#include <cstddef>
#include <optional>

#include "layout/designs.h"
#include "layout/forms.h"
#include "layout/pixel_rect.h"

namespace corvanta {

// The widget calls, for one dialog being built. A control is named by its place in the
// design's list of controls, by which the backend keeps its widgets.
class SettingsDialogWidgets {
 public:
  virtual ~SettingsDialogWidgets() = default;

  // Gives the dialog its client size; returns the size of the whole window on the screen,
  // frame and title bar included where the toolkit knows them.
  virtual PixelRect SizeClient(Twips width, Twips height) = 0;
  // The screen the dialog is centred on, and the move of the dialog's top left corner there.
  virtual PixelRect Screen() = 0;
  virtual void MoveTo(int x, int y) = 0;

  // Makes control number index inside control number container (nullopt: the client area).
  // A toolkit whose widgets nest places it at design.left and design.top within its container;
  // one whose widgets all sit on the client area places it at client_left and client_top.
  virtual void Make(std::size_t index, const ControlDesign& design,
                    std::optional<std::size_t> container, Twips client_left,
                    Twips client_top) = 0;
  // Tab moves from control before to control after. Made in the order of the design, which is
  // also its tab order, a toolkit that tabs in creation order has nothing to do.
  virtual void TabAfter(std::size_t before, std::size_t after) = 0;
  // A click on the button runs handler on the events the dialog is built for.
  using Handler = void (SettingsFormEvents::*)();
  virtual void OnClick(std::size_t button, Handler handler) = 0;
  virtual void Focus(std::size_t index) = 0;

  // The controls the handlers touch, wrapping the widgets made for combo and label6, and
  // whether the dialog has been unloaded since.
  virtual SettingsControls Controls(std::size_t combo, std::size_t label6) = 0;
  virtual bool Unloaded() const = 0;
};

// Controls of these kinds take the focus, by a click or by the Tab key; the others never do.
bool TakesFocus(ControlKind kind);

// Builds the dialog from design on widgets, binds events to it and runs its load handler.
// Controls of kinds a dialog has no use for (picture boxes, timers) are not made. The caller
// then shows the dialog modally.
void BuildSettingsDialog(const FormDesign& design, SettingsDialogWidgets& widgets,
                         SettingsFormEvents& events);

}  // namespace corvanta
