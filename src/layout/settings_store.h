#pragma once
// The per-user settings store: text entries addressed by application, section and key.

#include <string>
#include <string_view>

namespace corvanta {

class SettingsStore {
 public:
  virtual ~SettingsStore() = default;
  // The stored text, or default_text when the entry does not exist.
  virtual std::string GetSetting(std::string_view app, std::string_view section,
                                 std::string_view key, std::string_view default_text) = 0;
  // Creates or replaces the entry; false when the store refused the write.
  virtual bool SaveSetting(std::string_view app, std::string_view section, std::string_view key,
                           std::string_view value) = 0;
};

}  // namespace corvanta
