#pragma once
// The watch as a small program of its own, beside the Linux program: "corvanta --watch-idle"
// hands over to it at once, so that the process that stays resident maps none of the
// toolkit's libraries (6 MB resident on sway against 17 MB with them mapped). It is found
// next to the program (a build tree) or in ../libexec/corvanta/ from it (the package).

#include <optional>
#include <string>

namespace corvanta::idle {

inline constexpr const char* kWatchProgramName = "corvanta-idle-watch";

// The path of this very program, found once at start, so that a package upgrade that replaces
// the file still finds the new one under the same name.
std::string ThisProgram();

// Takes this process's place with the watch's own program, when there is one, given the same
// command line, with program as its first word: the show it starts and what ps shows. Returns
// only when there is none or it cannot be run.
void ExecWatchProgram(const std::string& program, std::optional<unsigned> seconds);

}  // namespace corvanta::idle
