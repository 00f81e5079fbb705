#pragma once
// The per-user settings store as INI files: application "App" lives in
// ${XDG_CONFIG_HOME:-$HOME/.config}/App.ini, one [section] per section, key=text lines.
// Names match without regard to case, as the Windows profile files do. A write replaces the
// whole file atomically, keeping every other line, and reports failure.

#include <QString>

#include "layout/settings_store.h"

namespace corvanta::qt {

class IniStore : public SettingsStore {
 public:
  std::string GetSetting(std::string_view app, std::string_view section, std::string_view key,
                         std::string_view default_text) override;
  bool SaveSetting(std::string_view app, std::string_view section, std::string_view key,
                   std::string_view value) override;

  static QString ConfigDir();
};

}  // namespace corvanta::qt
