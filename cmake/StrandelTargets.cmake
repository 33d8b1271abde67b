# Helpers that give every target of the project the same warnings and sanitizer
# flags, and register tests with one line.
include_guard(GLOBAL)
include(GoogleTest)

function(strandel_configure_target target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic)
  if(STRANDEL_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
  if(STRANDEL_SANITIZE)
    target_compile_options(${target} PRIVATE -fsanitize=address,undefined -fno-omit-frame-pointer
                                             -fno-sanitize-recover=undefined)
    target_link_options(${target} PRIVATE -fsanitize=address,undefined)
  endif()
endfunction()

# strandel_add_gtest(NAME [OWN_MAIN] SOURCES file... LIBS lib...)
# One GoogleTest executable; every TEST in it becomes a ctest test. OWN_MAIN:
# the sources bring their own main (one that starts Qt's GUI machinery first).
function(strandel_add_gtest name)
  cmake_parse_arguments(ARG "OWN_MAIN" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  strandel_configure_target(${name})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gmock)
  if(NOT ARG_OWN_MAIN)
    target_link_libraries(${name} PRIVATE GTest::gtest_main)
  endif()
  target_compile_definitions(${name} PRIVATE
    STRANDEL_TEST_DATA_DIR="${CMAKE_SOURCE_DIR}/tests/data"
    STRANDEL_SOURCE_DIR="${CMAKE_SOURCE_DIR}"
    STRANDEL_PROGRAM_DIR="${STRANDEL_PROGRAM_DIR}")
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60 PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endfunction()
