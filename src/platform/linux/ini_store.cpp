#include "platform/linux/ini_store.h"

#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <optional>
#include <vector>

#include "platform/linux/atomic_file.h"

namespace corvanta::linux_services {
namespace {

using Lines = std::vector<std::string>;

std::string FileOf(std::string_view app) {
  return IniStore::ConfigDir() + '/' + std::string(app) + ".ini";
}

bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

std::string_view Trimmed(std::string_view s) {
  while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
  while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
  return s;
}

// Names are ASCII; letters match in either case.
bool SameName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    const auto lower = [](char c) {
      return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    };
    if (lower(a[i]) != lower(b[i])) return false;
  }
  return true;
}

std::optional<std::string_view> SectionName(std::string_view line) {
  const std::string_view t = Trimmed(line);
  if (t.size() < 2 || t.front() != '[' || t.back() != ']') return std::nullopt;
  return Trimmed(t.substr(1, t.size() - 2));
}

bool IsKeyLine(std::string_view line, std::string_view key, std::string* value = nullptr) {
  const std::string_view t = Trimmed(line);
  if (!t.empty() && (t.front() == ';' || t.front() == '#')) return false;
  const std::size_t eq = t.find('=');
  if (eq == std::string_view::npos || !SameName(Trimmed(t.substr(0, eq)), key)) return false;
  if (value) *value = std::string(Trimmed(t.substr(eq + 1)));
  return true;
}

// Lines of the file; an empty list when it does not exist; nullopt when it exists but cannot
// be read, so a write never replaces content it could not see.
std::optional<Lines> ReadLines(const std::string& path) {
  const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) {
    if (errno == ENOENT || errno == ENOTDIR) return Lines{};
    return std::nullopt;
  }
  std::string text;
  char buffer[65536];
  ssize_t got;
  while ((got = read(fd, buffer, sizeof buffer)) != 0) {
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) break;
    text.append(buffer, static_cast<std::size_t>(got));
  }
  close(fd);
  if (got < 0) return std::nullopt;
  Lines lines;
  std::size_t start = 0;
  while (start <= text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(std::move(line));
    start = end + 1;
  }
  if (!lines.empty() && lines.back().empty()) lines.pop_back();
  return lines;
}

std::string HomeDir() {
  if (const char* home = std::getenv("HOME"); home && *home) return home;
  if (const passwd* pw = getpwuid(getuid()); pw && pw->pw_dir && *pw->pw_dir) return pw->pw_dir;
  return "/";
}

}  // namespace

std::string IniStore::ConfigDir() {
  // A relative XDG_CONFIG_HOME is invalid and is to be ignored.
  const char* xdg = std::getenv("XDG_CONFIG_HOME");
  if (xdg && xdg[0] == '/') return xdg;
  return HomeDir() + "/.config";
}

std::string IniStore::GetSetting(std::string_view app, std::string_view section,
                                 std::string_view key, std::string_view default_text) {
  const std::optional<Lines> lines = ReadLines(FileOf(app));
  if (!lines) return std::string(default_text);
  bool inside = false;
  for (const std::string& line : *lines) {
    if (const auto name = SectionName(line)) {
      inside = SameName(*name, section);
      continue;
    }
    std::string value;
    if (inside && IsKeyLine(line, key, &value)) return value;
  }
  return std::string(default_text);
}

bool IniStore::SaveSetting(std::string_view app, std::string_view section, std::string_view key,
                           std::string_view value) {
  const std::string path = FileOf(app);
  std::optional<Lines> lines = ReadLines(path);
  if (!lines) return false;
  const std::string entry = std::string(key) + '=' + std::string(value);

  // Replace the key in its section, or add it at the end of the section, or add both.
  std::optional<std::size_t> section_end;
  bool inside = false, done = false;
  for (std::size_t i = 0; i < lines->size() && !done; ++i) {
    if (const auto name = SectionName((*lines)[i])) {
      if (inside) break;
      inside = SameName(*name, section);
      if (inside) section_end = i + 1;
      continue;
    }
    if (!inside) continue;
    if (IsKeyLine((*lines)[i], key)) {
      (*lines)[i] = entry;
      done = true;
    } else if (!Trimmed((*lines)[i]).empty()) {
      section_end = i + 1;
    }
  }
  if (!done && section_end) {
    lines->insert(lines->begin() + static_cast<std::ptrdiff_t>(*section_end), entry);
  } else if (!done) {
    lines->push_back('[' + std::string(section) + ']');
    lines->push_back(entry);
  }

  if (!MakeFolders(ConfigDir())) return false;
  std::string text;
  for (const std::string& line : *lines) text += line + '\n';
  return ReplaceFile(path, text);
}

}  // namespace corvanta::linux_services
