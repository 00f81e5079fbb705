#pragma once
// Whole-file writes that a reader, or a kill in the middle, never sees half done.

#include <string>
#include <string_view>

namespace corvanta::linux_services {

// Creates the folder and any missing parents; true when it exists as a folder afterwards.
bool MakeFolders(const std::string& path);

// Writes the text to a new file beside the target and renames it over the target only when
// all of it reached the disk: the target holds the old text or the new, never a mix. An
// existing target that the user may not write is refused, and keeps its mode when replaced;
// a symlink is replaced where it points. False, with nothing changed, on any failure.
bool ReplaceFile(const std::string& path, std::string_view text);

}  // namespace corvanta::linux_services
