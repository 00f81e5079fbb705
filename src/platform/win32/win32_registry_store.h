#pragma once
// The settings store on the registry: HKEY_CURRENT_USER\Software\<app>\<section>, one REG_SZ
// value per key. Depends on advapi32 only.

#include "layout/settings_store.h"

namespace corvanta::win32 {

class RegistryStore final : public SettingsStore {
 public:
  std::string GetSetting(std::string_view app, std::string_view section, std::string_view key,
                         std::string_view default_text) override;
  bool SaveSetting(std::string_view app, std::string_view section, std::string_view key,
                   std::string_view value) override;
};

}  // namespace corvanta::win32
