#pragma once
// Reading the environment the way shells treat it.

#include <cstdlib>

namespace corvanta::linux_services {

// A variable set to nothing is as good as unset.
inline bool EnvironmentSet(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr && *value != '\0';
}

}  // namespace corvanta::linux_services
