# Registers every <name>_test.sh of the calling folder as the test <prefix>.<name>, run by bash:
#   corvanta_shell_tests(<prefix> TIMEOUT <s> LABELS <label>... ENVIRONMENT <VAR=value>...
#                        [ARGS <argument>...] [PROPERTIES <test property> <value>...])
# "{name}" in ARGS and ENVIRONMENT stands for the script's name, so that each test gets its
# own scratch and screenshot folders.
function(corvanta_shell_tests prefix)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "TIMEOUT" "LABELS;ENVIRONMENT;ARGS;PROPERTIES")
  file(GLOB scripts CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*_test.sh)
  foreach(script IN LISTS scripts)
    get_filename_component(name ${script} NAME_WE)
    string(REGEX REPLACE "_test$" "" name ${name})
    string(REPLACE "{name}" ${name} args "${arg_ARGS}")
    string(REPLACE "{name}" ${name} environment "${arg_ENVIRONMENT}")
    add_test(NAME ${prefix}.${name} COMMAND bash ${script} ${args})
    set_tests_properties(${prefix}.${name} PROPERTIES
      LABELS "${arg_LABELS}" TIMEOUT ${arg_TIMEOUT} ENVIRONMENT "${environment}"
      ${arg_PROPERTIES})
  endforeach()
endfunction()
