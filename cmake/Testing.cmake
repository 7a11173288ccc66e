# GoogleTest from Debian's source package, built for whichever target this configuration compiles.
include(GoogleTest)
set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

# GoogleTest's headers, precompiled once per configuration and reused by every test program: parsing
# them was most of a test file's compile time.
file(CONFIGURE OUTPUT ${CMAKE_BINARY_DIR}/generated/TestHeaders.cpp CONTENT "")
add_library(trelm_test_headers STATIC ${CMAKE_BINARY_DIR}/generated/TestHeaders.cpp)
target_link_libraries(trelm_test_headers PRIVATE GTest::gtest GTest::gmock)
target_precompile_headers(trelm_test_headers PRIVATE <gtest/gtest.h> <gmock/gmock.h>)

# A test under Wine: it asks CTest for a desktop of its own, an X display and a Wine prefix, which
# scripts/on-desktop gives it when scripts/wine-desktops runs the tests side by side.
function(trelm_add_desktop_test name)
  add_test(NAME ${name} COMMAND ${PROJECT_SOURCE_DIR}/scripts/on-desktop ${ARGN})
  set_tests_properties(${name} PROPERTIES RESOURCE_GROUPS desktop:1)
endfunction()

# A test program. Natively every case becomes its own CTest test; under Wine a program is one test,
# because each Wine start costs about a second.
function(trelm_add_test_binary name)
  add_executable(${name} ${ARGN})
  target_link_libraries(${name} PRIVATE GTest::gtest GTest::gmock GTest::gtest_main)
  target_precompile_headers(${name} REUSE_FROM trelm_test_headers)
  if(NOT CMAKE_CROSSCOMPILING)
    gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60)
  elseif(CMAKE_CROSSCOMPILING_EMULATOR)
    trelm_add_desktop_test(${name} ${CMAKE_CROSSCOMPILING_EMULATOR} $<TARGET_FILE:${name}> --gtest_color=no)
    set_tests_properties(${name} PROPERTIES TIMEOUT 600)
  endif()
endfunction()


# The tests of one area, tests/<area>, all by one rule:
# - its *Test.cpp files join core_tests, with the area's portable library trelm_<area>_core when it has one;
# - on Windows its *WinTest.cpp files become one Wine program, <area>_window_tests, linked with the area's
#   library (trelm_<area>, else trelm_<area>_core) and LINK's. Every Wine program has the shipped texts and
#   skin beside it, which the program folder names, and GDI+ running (tests/framework/WineTestEnvironment.cpp);
# - a *WinTest.cpp named in SEPARATE becomes a program of its own, so its time shows apart:
#   LongUseWinTest.cpp in app is app_long_use_tests.
function(trelm_add_area_tests area)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "" "LINK;SEPARATE")
  file(GLOB unit_tests CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*Test.cpp)
  list(FILTER unit_tests EXCLUDE REGEX "WinTest.cpp$")
  if(unit_tests)
    target_sources(core_tests PRIVATE ${unit_tests})
    if(TARGET trelm_${area}_core)
      target_link_libraries(core_tests PRIVATE trelm_${area}_core)
    endif()
  endif()
  if(NOT TRELM_WINDOWS)
    return()
  endif()

  set(area_library)
  foreach(library trelm_${area}_core trelm_${area})
    if(TARGET ${library})
      set(area_library ${library})
    endif()
  endforeach()
  file(GLOB window_tests CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*WinTest.cpp)
  set(programs)
  foreach(file ${arg_SEPARATE})
    list(REMOVE_ITEM window_tests ${CMAKE_CURRENT_SOURCE_DIR}/${file})
    string(REGEX REPLACE "WinTest.cpp$" "" stem ${file})
    string(REGEX REPLACE "([a-z0-9])([A-Z])" "\\1_\\2" stem ${stem})
    string(TOLOWER ${stem} stem)
    list(APPEND programs ${area}_${stem}_tests)
    set(sources_${area}_${stem}_tests ${file})
  endforeach()
  if(window_tests)
    list(APPEND programs ${area}_window_tests)
    set(sources_${area}_window_tests ${window_tests})
  endif()
  foreach(program ${programs})
    trelm_add_test_binary(${program} ${sources_${program}} ${PROJECT_SOURCE_DIR}/tests/framework/WineTestEnvironment.cpp)
    target_link_libraries(${program} PRIVATE ${area_library} trelm_framework trelm_strings_core trelm_platform_system
                          trelm_app_resources ${arg_LINK})
    trelm_stage_program_files(${program})
  endforeach()
endfunction()
