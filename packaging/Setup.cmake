# The Windows setup program, made by NSIS 3 around the corvanta.scr of this build: the `setup`
# target writes corvanta-<version>-setup.exe into the package folder.
find_program(MAKENSIS makensis)
set(setup_exe ${CORVANTA_PACKAGE_DIR}/corvanta-${PROJECT_VERSION}-setup.exe)
if(MAKENSIS)
  add_custom_command(OUTPUT ${setup_exe}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CORVANTA_PACKAGE_DIR}
    COMMAND ${MAKENSIS} -V2 -WX
      -DVERSION=${PROJECT_VERSION}
      -DSCR=$<TARGET_FILE:corvanta>
      -DICON=${PROJECT_SOURCE_DIR}/assets/corvanta.ico
      -DOUTFILE=${setup_exe}
      ${CMAKE_CURRENT_SOURCE_DIR}/corvanta.nsi
    DEPENDS corvanta ${CMAKE_CURRENT_SOURCE_DIR}/corvanta.nsi ${PROJECT_SOURCE_DIR}/assets/corvanta.ico
    VERBATIM)
  add_custom_target(setup DEPENDS ${setup_exe})
else()
  add_custom_target(setup
    COMMAND ${CMAKE_COMMAND} -E echo "makensis not found: install Debian's nsis package"
    COMMAND ${CMAKE_COMMAND} -E false
    VERBATIM)
endif()
