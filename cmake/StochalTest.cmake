# stochal_add_test(NAME SOURCES file... [LIBS lib...] [SHARDS N])
# One GoogleTest executable, registered with CTest; in the mingw builds
# CTest runs it under wine through the toolchain's emulator. There, SHARDS
# registers a program whose tests mostly wait for windows and timers as N
# entries NAME_1 ... NAME_N, each running every Nth of its tests
# (GoogleTest's sharding), so that its waits overlap; CTest starts such
# long entries first.
function(stochal_add_test name)
  cmake_parse_arguments(ARG "" "SHARDS" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  if(TARGET GTest::gtest_main)
    target_link_libraries(${name} PRIVATE GTest::gtest_main GTest::gmock)
  else()
    target_link_libraries(${name} PRIVATE gtest_main gmock)
  endif()
  target_link_libraries(${name} PRIVATE stochal_core stochal_warnings ${ARG_LIBS})
  target_compile_definitions(${name} PRIVATE STOCHAL_SOURCE_DIR="${CMAKE_SOURCE_DIR}")
  if(NOT CMAKE_CROSSCOMPILING)
    add_test(NAME ${name} COMMAND ${name} --gtest_brief=1)
    return()
  endif()
  stochal_test_entries(${name} "${ARG_SHARDS}" entries)
  set(index 0)
  foreach(entry ${entries})
    stochal_add_wine_test(${entry} $<TARGET_FILE:${name}> --gtest_brief=1)
    if(ARG_SHARDS)
      set_property(TEST ${entry} APPEND PROPERTY ENVIRONMENT GTEST_TOTAL_SHARDS=${ARG_SHARDS} GTEST_SHARD_INDEX=${index})
      set_tests_properties(${entry} PROPERTIES COST 100)
    endif()
    math(EXPR index "${index} + 1")
  endforeach()
endfunction()

# stochal_test_entries(NAME SHARDS OUT): the CTest entries of a program.
function(stochal_test_entries name shards out)
  set(entries ${name})
  if(shards)
    set(entries "")
    foreach(number RANGE 1 ${shards})
      list(APPEND entries ${name}_${number})
    endforeach()
  endif()
  set(${out} ${entries} PARENT_SCOPE)
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

# stochal_add_script_test(NAME SOURCES file... [LIBS lib...] [SHARDS N])
# A test program whose tests play scripts in the test Excel with the
# product DLL (tests/support/ExcelScript.h), each CTest entry in a work
# folder and a wine prefix of its own.
function(stochal_add_script_test name)
  cmake_parse_arguments(ARG "" "SHARDS" "SOURCES;LIBS" ${ARGN})
  stochal_add_test(${name} SOURCES ${ARG_SOURCES} LIBS stochal_excel_script ${ARG_LIBS} SHARDS ${ARG_SHARDS})
  add_dependencies(${name} xlhost Stochal)
  stochal_test_entries(${name} "${ARG_SHARDS}" entries)
  foreach(entry ${entries})
    set(work ${CMAKE_CURRENT_BINARY_DIR}/${entry}-work)
    file(MAKE_DIRECTORY ${work})
    set_tests_properties(${entry} PROPERTIES WORKING_DIRECTORY ${work})
  endforeach()
endfunction()
