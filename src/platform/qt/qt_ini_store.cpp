#include "platform/qt/qt_ini_store.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QStringList>
#include <optional>

namespace corvanta::qt {
namespace {

QString Q(std::string_view s) {
  return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

QString FileOf(std::string_view app) { return IniStore::ConfigDir() + '/' + Q(app) + ".ini"; }

std::optional<QString> SectionName(const QString& line) {
  const QString t = line.trimmed();
  if (t.size() < 2 || !t.startsWith('[') || !t.endsWith(']')) return std::nullopt;
  return t.mid(1, t.size() - 2).trimmed();
}

bool IsKeyLine(const QString& line, const QString& key, QString* value = nullptr) {
  const QString t = line.trimmed();
  if (t.startsWith(';') || t.startsWith('#')) return false;
  const qsizetype eq = t.indexOf('=');
  if (eq < 0 || t.left(eq).trimmed().compare(key, Qt::CaseInsensitive) != 0) return false;
  if (value) *value = t.mid(eq + 1).trimmed();
  return true;
}

// Lines of the file; an empty list when it does not exist; nullopt when it exists but cannot
// be read, so a write never replaces content it could not see.
std::optional<QStringList> ReadLines(const QString& path) {
  QFile file(path);
  if (!file.exists()) return QStringList{};
  if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
  QString text = QString::fromUtf8(file.readAll());
  if (file.error() != QFile::NoError) return std::nullopt;
  text.replace("\r\n", "\n");
  QStringList lines = text.split('\n');
  if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
  return lines;
}

}  // namespace

QString IniStore::ConfigDir() {
  // A relative XDG_CONFIG_HOME is invalid and is to be ignored.
  const QString xdg = qEnvironmentVariable("XDG_CONFIG_HOME");
  if (!xdg.isEmpty() && QDir::isAbsolutePath(xdg)) return xdg;
  return QDir::homePath() + "/.config";
}

std::string IniStore::GetSetting(std::string_view app, std::string_view section,
                                 std::string_view key, std::string_view default_text) {
  const std::optional<QStringList> lines = ReadLines(FileOf(app));
  if (!lines) return std::string(default_text);
  bool inside = false;
  for (const QString& line : *lines) {
    if (const auto name = SectionName(line)) {
      inside = name->compare(Q(section), Qt::CaseInsensitive) == 0;
      continue;
    }
    QString value;
    if (inside && IsKeyLine(line, Q(key), &value)) return value.toStdString();
  }
  return std::string(default_text);
}

bool IniStore::SaveSetting(std::string_view app, std::string_view section, std::string_view key,
                           std::string_view value) {
  const QString path = FileOf(app);
  std::optional<QStringList> lines = ReadLines(path);
  if (!lines) return false;
  const QString entry = Q(key) + '=' + Q(value);

  // Replace the key in its section, or add it at the end of the section, or add both.
  qsizetype section_end = -1;
  bool inside = false, done = false;
  for (qsizetype i = 0; i < lines->size() && !done; ++i) {
    if (const auto name = SectionName((*lines)[i])) {
      if (inside) break;
      inside = name->compare(Q(section), Qt::CaseInsensitive) == 0;
      if (inside) section_end = i + 1;
      continue;
    }
    if (!inside) continue;
    if (IsKeyLine((*lines)[i], Q(key))) {
      (*lines)[i] = entry;
      done = true;
    } else if (!(*lines)[i].trimmed().isEmpty()) {
      section_end = i + 1;
    }
  }
  if (!done && section_end >= 0) {
    lines->insert(section_end, entry);
  } else if (!done) {
    lines->append('[' + Q(section) + ']');
    lines->append(entry);
  }

  if (!QDir().mkpath(ConfigDir())) return false;
  // QSaveFile writes a temporary file beside the target and renames it over the target only
  // when everything was written: a reader sees the old file or the new one, never half of one.
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return false;
  file.write((lines->join('\n') + '\n').toUtf8());
  return file.commit();
}

}  // namespace corvanta::qt
