#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "bmp_reader.hpp"
#include "nine_ball.hpp"
#include "sprite_sheet.hpp"
#include "window_icon.hpp"

namespace {

namespace pic = corvanta::pictures;
using picture_test::Bytes;
using picture_test::read_file;

struct Asset {
  const char* name;
  Bytes (*generate)();
};

const Asset kAssets[] = {
    {"sheet.bmp", pic::sprite_sheet_bmp},
    {"nineball.bmp", pic::nine_ball_bmp},
    {"corvanta.ico", pic::window_icon_ico},
};

std::string committed(const char* name) {
  return std::string(CORVANTA_SOURCE_DIR "/assets/") + name;
}

// The program embeds the committed files, so a generator change that is not rerun and
// committed would silently ship the old artwork.
TEST(PictureAssets, GeneratorReproducesTheCommittedFilesTwice) {
  for (const Asset& a : kAssets) {
    const Bytes first = a.generate();
    EXPECT_TRUE(first == a.generate()) << a.name << " differs between two runs";
    EXPECT_TRUE(first == read_file(committed(a.name))) << a.name << " differs from assets/";
  }
}

TEST(PictureAssets, MakePicturesWritesAllThreeFiles) {
  const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
  const auto dir =
      std::filesystem::temp_directory_path() / ("corvanta_pictures_" + std::to_string(stamp));
  std::filesystem::create_directories(dir);
  const std::string command = std::string("\"") + MAKE_PICTURES + "\" \"" + dir.string() + "\"";
  ASSERT_EQ(std::system(command.c_str()), 0) << command;
  for (const Asset& a : kAssets) {
    EXPECT_TRUE(read_file((dir / a.name).string()) == read_file(committed(a.name))) << a.name;
  }
  std::filesystem::remove_all(dir);
  EXPECT_NE(std::system((std::string("\"") + MAKE_PICTURES + "\"").c_str()), 0)
      << "no output directory must be an error";
}

}  // namespace
