#pragma once
// What a backend builds the show window's handlers with for a display mode: the race in a
// window someone else owns, in place of the load handler's dispatch.

#include <cstdint>
#include <memory>
#include <optional>

#include "layout/forms.h"
#include "layout/toolkit.h"

namespace corvanta {

// The handlers, with the race started in host at its size; nullptr when host names no window.
// speed, when given, replaces the stored ball speed for this run.
std::unique_ptr<MainFormEvents> NewDisplayForm(Toolkit& kit, const MainControls& controls,
                                               Hwnd host, std::optional<std::int16_t> speed);

}  // namespace corvanta
