# gw_add_test(<name> SOURCES <files...> LIBS <targets...> [GL] [TIMEOUT <s>])
#
# One Qt Test executable registered with ctest. Widget tests run on the
# offscreen platform; tests marked GL need a real X server with OpenGL and run
# on the Xvfb display that scripts/run-tests.sh starts.
set(GW_TEST_HOME "${CMAKE_BINARY_DIR}/test-home")

function(gw_add_test name)
  cmake_parse_arguments(T "GL" "TIMEOUT" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE Qt6::Test ${T_LIBS})
  target_compile_definitions(${name} PRIVATE
    GW_SOURCE_DIR="${CMAKE_SOURCE_DIR}" GW_BINARY_DIR="${CMAKE_BINARY_DIR}")
  add_test(NAME ${name} COMMAND ${name})
  if(T_GL)
    set(platform "QT_QPA_PLATFORM=xcb")
    set(labels "gl")
  else()
    set(platform "QT_QPA_PLATFORM=offscreen")
    set(labels "unit")
  endif()
  if(NOT T_TIMEOUT)
    set(T_TIMEOUT 300)
  endif()
  # Every test gets its own home so settings and files never reach the
  # developer's real ones.
  set(home "${GW_TEST_HOME}/${name}")
  set_tests_properties(${name} PROPERTIES
    LABELS "${labels}"
    TIMEOUT ${T_TIMEOUT}
    ENVIRONMENT "${platform};HOME=${home};XDG_CONFIG_HOME=${home}/.config;XDG_DATA_HOME=${home}/.local/share;XDG_CACHE_HOME=${home}/.cache;XDG_RUNTIME_DIR=${home}/run;QT_FORCE_STDERR_LOGGING=1")
endfunction()
