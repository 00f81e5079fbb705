// The INI store: defaults, names without regard to case, other lines kept, failures reported.

#include "platform/qt/qt_ini_store.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "temp_dir_test.h"

namespace corvanta::qt {
namespace {

constexpr char kConfigHome[] = "XDG_CONFIG_HOME";

class IniStoreTest : public TempDirTest<kConfigHome> {
 protected:
  QString Path() const { return dir_.path() + "/Corvanta Screen Saver.ini"; }
  void Write(const QByteArray& text) {
    QFile f(Path());
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(text);
  }
  QByteArray Read() {
    QFile f(Path());
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<none>");
  }
  std::string Get() {
    return store_.GetSetting("Corvanta Screen Saver", "Settings", "BALL_SPEED", "1");
  }
  bool Save(std::string_view v) {
    return store_.SaveSetting("Corvanta Screen Saver", "Settings", "BALL_SPEED", v);
  }

  IniStore store_;
};

TEST_F(IniStoreTest, MissingFileOrKeyGivesTheDefaultAndWritesNothing) {
  EXPECT_EQ(Get(), "1");
  EXPECT_FALSE(QFile::exists(Path()));
  Write("[Other]\nBALL_SPEED=2\n[Settings]\nCOLOUR=red\n");
  EXPECT_EQ(Get(), "1");
}

TEST_F(IniStoreTest, ReadsTheTextWhateverTheCaseOfTheNames) {
  Write("; ours\r\n[settings]\r\n ball_speed = 2 \r\n");
  EXPECT_EQ(Get(), "2");
  Write("[Settings]\nBALL_SPEED=\n");
  EXPECT_EQ(Get(), "");
}

TEST_F(IniStoreTest, FirstWriteCreatesFolderAndFile) {
  const QString nested = dir_.path() + "/not/yet";
  qputenv("XDG_CONFIG_HOME", nested.toUtf8());
  EXPECT_TRUE(Save("2"));
  QFile f(nested + "/Corvanta Screen Saver.ini");
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  EXPECT_EQ(f.readAll(), "[Settings]\nBALL_SPEED=2\n");
}

TEST_F(IniStoreTest, WriteReplacesTheValueAndKeepsEveryOtherLine) {
  Write("[A]\nx=1\n[Settings]\nCOLOUR=red\nBALL_SPEED=1\n\n[B]\ny=2\n");
  EXPECT_TRUE(Save("0"));
  EXPECT_EQ(Read(), "[A]\nx=1\n[Settings]\nCOLOUR=red\nBALL_SPEED=0\n\n[B]\ny=2\n");
  Write("[Settings]\nCOLOUR=red\n\n[B]\ny=2\n");
  EXPECT_TRUE(Save("2"));
  EXPECT_EQ(Read(), "[Settings]\nCOLOUR=red\nBALL_SPEED=2\n\n[B]\ny=2\n");
  EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files), QStringList{"Corvanta Screen Saver.ini"})
      << "no temporary file is left behind";
}

TEST_F(IniStoreTest, RefusedWriteIsReportedAndChangesNothing) {
  // A file where the folder should be: no user, root included, can create the folder.
  const QString blocker = dir_.path() + "/file";
  QFile f(blocker);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.close();
  qputenv("XDG_CONFIG_HOME", blocker.toUtf8());
  EXPECT_FALSE(Save("2"));
  qputenv(kConfigHome, dir_.path().toUtf8());
  EXPECT_EQ(Get(), "1");
}

TEST_F(IniStoreTest, RelativeConfigHomeIsIgnored) {
  qputenv("XDG_CONFIG_HOME", "relative/dir");
  EXPECT_EQ(IniStore::ConfigDir(), QDir::homePath() + "/.config");
}

}  // namespace
}  // namespace corvanta::qt
