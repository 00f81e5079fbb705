#include "win32_registry_store.h"

#include <string>
#include <vector>

#include "win32_common.h"

namespace corvanta::win32 {
namespace {

std::string KeyPath(std::string_view app, std::string_view section) {
  return "Software\\" + std::string(app) + "\\" + std::string(section);
}

}  // namespace

std::string RegistryStore::GetSetting(std::string_view app, std::string_view section,
                                      std::string_view key, std::string_view default_text) {
  const std::string path = KeyPath(app, section);
  const std::string name(key);
  // A value of another type, or one that changes size between the two reads, counts as
  // missing: the caller's default is the only sound answer.
  DWORD bytes = 0;
  if (RegGetValueA(HKEY_CURRENT_USER, path.c_str(), name.c_str(), RRF_RT_REG_SZ, nullptr, nullptr,
                   &bytes) != ERROR_SUCCESS) {
    return std::string(default_text);
  }
  std::vector<char> text(bytes + 1, '\0');
  if (RegGetValueA(HKEY_CURRENT_USER, path.c_str(), name.c_str(), RRF_RT_REG_SZ, nullptr,
                   text.data(), &bytes) != ERROR_SUCCESS) {
    return std::string(default_text);
  }
  return std::string(text.data());
}

bool RegistryStore::SaveSetting(std::string_view app, std::string_view section,
                                std::string_view key, std::string_view value) {
  const std::string path = KeyPath(app, section);
  HKEY hkey = nullptr;
  if (RegCreateKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                      KEY_SET_VALUE, nullptr, &hkey, nullptr) != ERROR_SUCCESS) {
    return false;
  }
  const std::string name(key);
  const std::string text(value);
  const LONG result =
      RegSetValueExA(hkey, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                     static_cast<DWORD>(text.size() + 1));
  RegCloseKey(hkey);
  return result == ERROR_SUCCESS;
}

}  // namespace corvanta::win32
