#pragma once
// What a backend builds the show window's handlers with, once it has built the controls.

#include <memory>

#include "layout/forms.h"
#include "layout/toolkit.h"

namespace corvanta {

std::unique_ptr<MainFormEvents> NewMainForm(Toolkit& kit, const MainControls& controls);

}  // namespace corvanta
