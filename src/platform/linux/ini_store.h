#pragma once
// The per-user settings store as INI files: application "App" lives in
// ${XDG_CONFIG_HOME:-$HOME/.config}/App.ini, one [section] per section, key=text lines.
// Names match without regard to case, as the Windows profile files do. A write replaces the
// whole file atomically, keeping every other line, and reports failure.
// Implements: SettingsStore on POSIX files. Depends on: nothing beyond libc; shared by every
// Linux backend.

#include <string>
#include <string_view>

#include "layout/settings_store.h"

namespace corvanta::linux_services {

class IniStore : public SettingsStore {
 public:
  std::string GetSetting(std::string_view app, std::string_view section, std::string_view key,
                         std::string_view default_text) override;
  bool SaveSetting(std::string_view app, std::string_view section, std::string_view key,
                   std::string_view value) override;

  // The folder the files live in; it need not exist yet.
  static std::string ConfigDir();
};

}  // namespace corvanta::linux_services
