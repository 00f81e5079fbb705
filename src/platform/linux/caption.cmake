# The winner's caption without a toolkit: FreeType glyphs in the face fontconfig picks, for the
# Linux backends that draw their own labels. Included by the backend that needs it, so that a
# build without one asks for no font library.
find_package(PkgConfig REQUIRED)
pkg_check_modules(CAPTION_FONTS REQUIRED IMPORTED_TARGET freetype2 fontconfig)

add_library(corvanta_caption STATIC
  ${CMAKE_CURRENT_LIST_DIR}/caption_raster.cpp
  ${CMAKE_CURRENT_LIST_DIR}/font_match.cpp)
target_include_directories(corvanta_caption PUBLIC ${CMAKE_CURRENT_LIST_DIR}/../..)
target_link_libraries(corvanta_caption PUBLIC corvanta_core PRIVATE PkgConfig::CAPTION_FONTS)
corvanta_warnings(corvanta_caption)
