# Turns binary files into C++ byte arrays at configure time, so the pictures are part of the
# program itself and no host tool is needed when cross-compiling.
#   corvanta_embed(OUT <generated.cpp> SYMBOL <name> FILE <path>)
# defines `extern const unsigned char <name>[]` and `extern const std::size_t <name>_size`
# inside namespace corvanta::assets.
function(corvanta_embed)
  cmake_parse_arguments(E "" "OUT;SYMBOL;FILE" "" ${ARGN})
  file(READ "${E_FILE}" hex HEX)
  string(LENGTH "${hex}" hexlen)
  math(EXPR size "${hexlen} / 2")
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
  string(REGEX REPLACE "((0x..,){32})" "\\1\n" bytes "${bytes}")
  file(WRITE "${E_OUT}.tmp"
    "// Generated from ${E_FILE}; do not edit.\n#include <cstddef>\n"
    "namespace corvanta::assets {\n"
    "extern const unsigned char ${E_SYMBOL}[];\nextern const std::size_t ${E_SYMBOL}_size;\n"
    "const unsigned char ${E_SYMBOL}[] = {\n${bytes}\n};\n"
    "const std::size_t ${E_SYMBOL}_size = ${size};\n}\n")
  file(COPY_FILE "${E_OUT}.tmp" "${E_OUT}" ONLY_IF_DIFFERENT)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${E_FILE}")
endfunction()
