# corvanta_wayland_glue(<target> <protocol.xml>...)
# Compiles into <target> the client glue wayland-scanner makes from each protocol description
# (a header and the interfaces' code, in <target>'s own folder of the build tree, which goes on
# its include path), and links it with libwayland-client. The glue is not ours to hold to our
# warnings.
# The glue is C; a language is enabled once, for the whole tree, not in a function.
enable_language(C)
find_package(PkgConfig REQUIRED)
pkg_check_modules(WAYLAND_CLIENT REQUIRED IMPORTED_TARGET GLOBAL wayland-client)
pkg_get_variable(WAYLAND_SCANNER wayland-scanner wayland_scanner)
pkg_get_variable(WAYLAND_PROTOCOLS_DIR wayland-protocols pkgdatadir)
if(NOT WAYLAND_SCANNER)
  message(FATAL_ERROR "wayland-scanner is missing (libwayland-bin)")
endif()

function(corvanta_wayland_glue target)
  set(out ${CMAKE_CURRENT_BINARY_DIR}/${target}-protocol)
  file(MAKE_DIRECTORY ${out})
  set(glue)
  foreach(xml IN LISTS ARGN)
    get_filename_component(name ${xml} NAME_WE)
    add_custom_command(OUTPUT ${out}/${name}-client-protocol.h ${out}/${name}-protocol.c
      COMMAND ${WAYLAND_SCANNER} client-header ${xml} ${out}/${name}-client-protocol.h
      COMMAND ${WAYLAND_SCANNER} private-code ${xml} ${out}/${name}-protocol.c
      DEPENDS ${xml} VERBATIM)
    list(APPEND glue ${out}/${name}-client-protocol.h ${out}/${name}-protocol.c)
  endforeach()
  set_source_files_properties(${glue} PROPERTIES COMPILE_OPTIONS "-w")
  target_sources(${target} PRIVATE ${glue})
  target_include_directories(${target} PRIVATE ${out})
  target_link_libraries(${target} PUBLIC PkgConfig::WAYLAND_CLIENT)
endfunction()
