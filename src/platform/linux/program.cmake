# The Linux program: its main, linked with every Linux backend this build has and the idle
# watch.
add_executable(corvanta ${CMAKE_CURRENT_LIST_DIR}/linux_main.cpp)
target_link_libraries(corvanta PRIVATE corvanta_linux)
foreach(backend IN ITEMS qt wayland idle)
  string(TOUPPER ${backend} name)
  if(TARGET corvanta_${backend})
    target_link_libraries(corvanta PRIVATE corvanta_${backend})
    target_compile_definitions(corvanta PRIVATE CORVANTA_HAVE_${name}=1)
  endif()
endforeach()
set_target_properties(corvanta PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})
corvanta_warnings(corvanta)
