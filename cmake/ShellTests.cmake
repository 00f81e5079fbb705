# Registers every <name>_test.sh of the calling folder, run by bash:
#   corvanta_shell_tests(<prefix> TIMEOUT <s> LABELS <label>... ENVIRONMENT <VAR=value>...
#                        [ARGS <argument>...] [PROPERTIES <test property> <value>...])
# A script that defines functions "scenario_<case>() {" at the start of a line is one test per
# case, <prefix>.<name>.<case>, run as "bash <script> <case>": a failure names its scenario.
# Any other script is the one test <prefix>.<name>. "{name}" in ARGS and ENVIRONMENT stands for
# the test's name after the prefix, so that each test gets its own scratch and screenshot folders.
function(corvanta_shell_tests prefix)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "TIMEOUT" "LABELS;ENVIRONMENT;ARGS;PROPERTIES")
  file(GLOB scripts CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*_test.sh)
  foreach(script IN LISTS scripts)
    get_filename_component(name ${script} NAME_WE)
    string(REGEX REPLACE "_test$" "" name ${name})
    file(STRINGS ${script} cases REGEX "^scenario_[a-z0-9_]+\\(\\) {")
    list(TRANSFORM cases REPLACE "^scenario_([a-z0-9_]+).*" "\\1")
    if(NOT cases)
      set(cases "-")
    endif()
    foreach(case IN LISTS cases)
      if(case STREQUAL "-")
        set(test ${name})
        set(case_arg "")
      else()
        set(test ${name}.${case})
        set(case_arg ${case})
      endif()
      string(REPLACE "{name}" ${test} args "${arg_ARGS}")
      string(REPLACE "{name}" ${test} environment "${arg_ENVIRONMENT}")
      add_test(NAME ${prefix}.${test} COMMAND bash ${script} ${case_arg} ${args})
      set_tests_properties(${prefix}.${test} PROPERTIES
        LABELS "${arg_LABELS}" TIMEOUT ${arg_TIMEOUT} ENVIRONMENT "${environment}"
        ${arg_PROPERTIES})
    endforeach()
  endforeach()
endfunction()
