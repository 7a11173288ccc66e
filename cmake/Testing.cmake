# GoogleTest from Debian's source package, built for whichever target this configuration compiles.
include(GoogleTest)
set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

# A test program. Natively every case becomes its own CTest test; under Wine a program is one test,
# because each Wine start costs about a second. The 32-bit build has no emulator: compiled, never run.
function(trelm_add_test_binary name)
  add_executable(${name} ${ARGN})
  target_link_libraries(${name} PRIVATE GTest::gtest GTest::gmock GTest::gtest_main)
  if(NOT CMAKE_CROSSCOMPILING)
    gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60)
  elseif(CMAKE_CROSSCOMPILING_EMULATOR)
    add_test(NAME ${name} COMMAND ${name} --gtest_color=no)
    set_tests_properties(${name} PROPERTIES TIMEOUT 600)
  endif()
endfunction()

