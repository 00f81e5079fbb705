// The INI store: defaults, names without regard to case, other lines kept, failures reported.

#include "platform/linux/ini_store.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <vector>

#include "temp_dir_test.h"

namespace corvanta::linux_services {
namespace {

constexpr char kConfigHome[] = "XDG_CONFIG_HOME";

class IniStoreTest : public TempDirTest<kConfigHome> {
 protected:
  std::string Path() const { return dir_ + "/Corvanta Screen Saver.ini"; }
  void Write(const std::string& text) { WriteFile(Path(), text); }
  std::string Read() { return ReadFile(Path()); }
  std::string Get() {
    return store_.GetSetting("Corvanta Screen Saver", "Settings", "BALL_SPEED", "1");
  }
  bool Save(std::string_view v) {
    return store_.SaveSetting("Corvanta Screen Saver", "Settings", "BALL_SPEED", v);
  }
  std::vector<std::string> Files() const {
    std::vector<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(dir_)) {
      names.push_back(e.path().filename().string());
    }
    return names;
  }

  IniStore store_;
};

TEST_F(IniStoreTest, MissingFileOrKeyGivesTheDefaultAndWritesNothing) {
  EXPECT_EQ(Get(), "1");
  EXPECT_FALSE(Exists(Path()));
  Write("[Other]\nBALL_SPEED=2\n[Settings]\nCOLOUR=red\n");
  EXPECT_EQ(Get(), "1");
}

TEST_F(IniStoreTest, ReadsTheTextWhateverTheCaseOfTheNames) {
  Write("; ours\r\n[settings]\r\n ball_speed = 2 \r\n");
  EXPECT_EQ(Get(), "2");
  Write("[Settings]\nBALL_SPEED=\n");
  EXPECT_EQ(Get(), "");
  Write("[Settings]\n;BALL_SPEED=0\nBALL_SPEED=2");
  EXPECT_EQ(Get(), "2") << "a comment is no entry, and the last line needs no line end";
}

TEST_F(IniStoreTest, FirstWriteCreatesFolderAndFile) {
  const std::string nested = dir_ + "/not/yet";
  setenv("XDG_CONFIG_HOME", nested.c_str(), 1);
  EXPECT_TRUE(Save("2"));
  EXPECT_EQ(ReadFile(nested + "/Corvanta Screen Saver.ini"), "[Settings]\nBALL_SPEED=2\n");
}

TEST_F(IniStoreTest, WriteReplacesTheValueAndKeepsEveryOtherLine) {
  Write("[A]\nx=1\n[Settings]\nCOLOUR=red\nBALL_SPEED=1\n\n[B]\ny=2\n");
  EXPECT_TRUE(Save("0"));
  EXPECT_EQ(Read(), "[A]\nx=1\n[Settings]\nCOLOUR=red\nBALL_SPEED=0\n\n[B]\ny=2\n");
  Write("[Settings]\nCOLOUR=red\n\n[B]\ny=2\n");
  EXPECT_TRUE(Save("2"));
  EXPECT_EQ(Read(), "[Settings]\nCOLOUR=red\nBALL_SPEED=2\n\n[B]\ny=2\n");
  EXPECT_EQ(Files(), std::vector<std::string>{"Corvanta Screen Saver.ini"})
      << "no temporary file is left behind";
}

TEST_F(IniStoreTest, AReplacedFileKeepsItsModeAndASymlinkStaysALink) {
  Write("[Settings]\nBALL_SPEED=1\n");
  ASSERT_EQ(chmod(Path().c_str(), 0640), 0);
  EXPECT_TRUE(Save("0"));
  struct stat st {};
  ASSERT_EQ(stat(Path().c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 07777, 0640u);

  // Settings kept elsewhere and linked into place, as dotfile managers do.
  const std::string real = dir_ + "/kept.ini";
  ASSERT_EQ(rename(Path().c_str(), real.c_str()), 0);
  ASSERT_EQ(symlink(real.c_str(), Path().c_str()), 0);
  EXPECT_TRUE(Save("2"));
  ASSERT_EQ(lstat(Path().c_str(), &st), 0);
  EXPECT_TRUE(S_ISLNK(st.st_mode));
  EXPECT_EQ(ReadFile(real), "[Settings]\nBALL_SPEED=2\n");
}

TEST_F(IniStoreTest, RefusedWriteIsReportedAndChangesNothing) {
  // A file where the folder should be: no user, root included, can create the folder.
  const std::string blocker = dir_ + "/file";
  WriteFile(blocker, "");
  setenv("XDG_CONFIG_HOME", blocker.c_str(), 1);
  EXPECT_FALSE(Save("2"));
  setenv(kConfigHome, dir_.c_str(), 1);
  EXPECT_EQ(Get(), "1");
  // A folder where the file should be: nothing to read, nothing to replace.
  ASSERT_EQ(mkdir(Path().c_str(), 0755), 0);
  EXPECT_FALSE(Save("2"));
  EXPECT_EQ(Get(), "1");
}

TEST_F(IniStoreTest, RelativeConfigHomeIsIgnored) {
  setenv("XDG_CONFIG_HOME", "relative/dir", 1);
  const char* home = getenv("HOME");
  ASSERT_NE(home, nullptr);
  EXPECT_EQ(IniStore::ConfigDir(), std::string(home) + "/.config");
}

}  // namespace
}  // namespace corvanta::linux_services
