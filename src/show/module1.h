#pragma once
// Reading the preview host's window handle off the command line.

#include <cstdint>
#include <string>

namespace corvanta {

// The value of the longest tail of args that is one number, rounded to a 32-bit handle; 0 when
// no tail is numeric or the number lies outside the 32-bit range.
std::int32_t GetPreviewHwnd(const std::string& args);

}  // namespace corvanta
