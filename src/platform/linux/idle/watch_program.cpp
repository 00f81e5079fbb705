#include "platform/linux/idle/watch_program.h"

#include <unistd.h>

#include <vector>

namespace corvanta::idle {

std::string ThisProgram() {
  char path[4096];
  const ssize_t n = readlink("/proc/self/exe", path, sizeof path - 1);
  return n > 0 ? std::string(path, static_cast<std::size_t>(n)) : "corvanta";
}

void ExecWatchProgram(const std::string& program, std::optional<unsigned> seconds) {
  const std::string folder = program.substr(0, program.rfind('/') + 1);
  const std::string delay = seconds ? std::to_string(*seconds) : "";
  for (const std::string& path : {folder + kWatchProgramName,
                                  folder + "../libexec/corvanta/" + kWatchProgramName}) {
    if (access(path.c_str(), X_OK) != 0) continue;
    std::vector<const char*> argv = {program.c_str(), "--watch-idle"};
    if (seconds) argv.push_back(delay.c_str());
    argv.push_back(nullptr);
    execv(path.c_str(), const_cast<char* const*>(argv.data()));
  }
}

}  // namespace corvanta::idle
