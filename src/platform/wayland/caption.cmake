# The winner's caption without Qt: FreeType glyphs in the face fontconfig picks.
find_package(PkgConfig REQUIRED)
pkg_check_modules(CAPTION_FONTS REQUIRED IMPORTED_TARGET freetype2 fontconfig)

add_library(corvanta_wayland_caption STATIC
  ${CMAKE_CURRENT_LIST_DIR}/wayland_caption.cpp
  ${CMAKE_CURRENT_LIST_DIR}/wayland_font_match.cpp)
target_include_directories(corvanta_wayland_caption PUBLIC ${CMAKE_CURRENT_LIST_DIR}/../..)
target_link_libraries(corvanta_wayland_caption
  PUBLIC corvanta_core PRIVATE PkgConfig::CAPTION_FONTS)
corvanta_warnings(corvanta_wayland_caption)
