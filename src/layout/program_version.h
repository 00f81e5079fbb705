#pragma once
// The version a platform without a version resource of its own reports: the project's.

#include "layout/toolkit.h"
#include "layout/version.h"

namespace corvanta {

inline constexpr Version kProgramVersion{CORVANTA_VERSION_MAJOR, CORVANTA_VERSION_MINOR,
                                         CORVANTA_VERSION_REVISION};

}  // namespace corvanta
