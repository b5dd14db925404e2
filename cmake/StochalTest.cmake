# stochal_add_test(NAME SOURCES file... [LIBS lib...])
# One GoogleTest executable, registered with CTest; in the mingw x86_64
# build CTest runs it under wine through the toolchain's emulator.
function(stochal_add_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  if(TARGET GTest::gtest_main)
    target_link_libraries(${name} PRIVATE GTest::gtest_main GTest::gmock)
  else()
    target_link_libraries(${name} PRIVATE gtest_main gmock)
  endif()
  target_link_libraries(${name} PRIVATE stochal_core stochal_warnings ${ARG_LIBS})
  target_compile_definitions(${name} PRIVATE STOCHAL_SOURCE_DIR="${CMAKE_SOURCE_DIR}")
  if(CMAKE_CROSSCOMPILING)
    stochal_add_wine_test(${name} $<TARGET_FILE:${name}> --gtest_brief=1)
  else()
    add_test(NAME ${name} COMMAND ${name} --gtest_brief=1)
  endif()
endfunction()

# stochal_add_wine_test(NAME PROGRAM ARGS...)
# A Windows program run under wine in a prefix and on an X display of its
# own, so test programs run side by side: the registry, the clipboard and
# the focus are the prefix's and the display's, and a shared one would let
# one program's settings or clipboard output reach another's check. Each
# test starts its search for a free display at a number of its own, ten
# apart, so parallel starts do not race for one; the 32-bit build's tests,
# which run beside the 64-bit ones, start far above them.
function(stochal_add_wine_test name program)
  get_property(display GLOBAL PROPERTY stochal_next_display)
  if(NOT display AND CMAKE_SYSTEM_PROCESSOR STREQUAL "i686")
    set(display 1200)
  elseif(NOT display)
    set(display 200)
  endif()
  math(EXPR next "${display} + 10")
  set_property(GLOBAL PROPERTY stochal_next_display ${next})
  add_test(NAME ${name} COMMAND xvfb-run -a -n ${display} ${CMAKE_CROSSCOMPILING_EMULATOR} ${program} ${ARGN})
  stochal_own_wine_prefix(${name})
endfunction()

# stochal_add_wine_template()
# Under wine: the prefix that tests with a prefix of their own start from.
function(stochal_add_wine_template)
  add_test(NAME wine_prefix_template
    COMMAND ${CMAKE_SOURCE_DIR}/cmake/wine-prefix ${CMAKE_BINARY_DIR}/wineprefixes/template)
  set_tests_properties(wine_prefix_template PROPERTIES FIXTURES_SETUP wine_template)
endfunction()

# stochal_own_wine_prefix(TEST)
# The test runs under wine in a fresh copy of the template prefix (made once
# a run by the fixture wine_prefix_template in tests/).
function(stochal_own_wine_prefix test)
  set(prefixes ${CMAKE_BINARY_DIR}/wineprefixes)
  add_test(NAME ${test}_prefix
    COMMAND ${CMAKE_SOURCE_DIR}/cmake/wine-prefix ${prefixes}/template ${prefixes}/${test})
  set_tests_properties(${test}_prefix PROPERTIES FIXTURES_SETUP ${test}_prefix FIXTURES_REQUIRED wine_template)
  set_tests_properties(${test} PROPERTIES FIXTURES_REQUIRED ${test}_prefix ENVIRONMENT WINEPREFIX=${prefixes}/${test})
endfunction()

# stochal_add_script_test(NAME SOURCES file... [LIBS lib...])
# A test program whose tests play scripts in the test Excel with the
# product DLL (tests/support/ExcelScript.h), in a work folder and a wine
# prefix of its own.
function(stochal_add_script_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  stochal_add_test(${name} SOURCES ${ARG_SOURCES} LIBS stochal_excel_script ${ARG_LIBS})
  add_dependencies(${name} xlhost Stochal)
  set(work ${CMAKE_CURRENT_BINARY_DIR}/${name}-work)
  file(MAKE_DIRECTORY ${work})
  set_tests_properties(${name} PROPERTIES WORKING_DIRECTORY ${work})
endfunction()
