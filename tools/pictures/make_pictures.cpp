// Writes the program's three embedded pictures into the directory given on the command line.
// The output is deterministic: rerunning it must reproduce the committed files byte for byte.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <vector>

#include "nine_ball.hpp"
#include "sprite_sheet.hpp"
#include "window_icon.hpp"

namespace {

bool write_file(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
  out.close();
  if (!out) {
    std::fprintf(stderr, "make_pictures: cannot write %s\n", path.string().c_str());
    return false;
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_pictures <output directory>\n");
    return 2;
  }
  const std::filesystem::path dir = argv[1];
  namespace pic = corvanta::pictures;
  const bool ok = write_file(dir / "sheet.bmp", pic::sprite_sheet_bmp()) &&
                  write_file(dir / "nineball.bmp", pic::nine_ball_bmp()) &&
                  write_file(dir / "corvanta.ico", pic::window_icon_ico());
  return ok ? 0 : 1;
}
