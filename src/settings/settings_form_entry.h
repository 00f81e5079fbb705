#pragma once
// What opens the settings dialog: its handlers, bound to the speed they show and set.

#include <cstdint>
#include <memory>

#include "layout/forms.h"
#include "layout/toolkit.h"

namespace corvanta {

// OK stores the chosen speed and sets ball_speed to it, or to Fast when the store refuses.
std::unique_ptr<SettingsFormEvents> NewSettingsForm(Toolkit& kit, std::int16_t& ball_speed);

}  // namespace corvanta
