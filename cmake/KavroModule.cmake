# kavro_module(<target> DIR <include path> [SOURCES ...] [LINKS ...] [PRIVATE_LINKS ...])
#
# Declares one module library. Headers of a module are included by their path
# from the repository root ("skin/data/skin_data.h"), but the repository root
# is never an include directory: each module publishes only its own folder,
# through a link tree in the build directory, so a module can include the
# headers of exactly the modules it links.
function(kavro_module target)
  cmake_parse_arguments(M "" "DIR" "SOURCES;LINKS;PRIVATE_LINKS" ${ARGN})
  set(inc ${CMAKE_BINARY_DIR}/include/${target})
  get_filename_component(parent ${inc}/${M_DIR} DIRECTORY)
  file(MAKE_DIRECTORY ${parent})
  if(NOT EXISTS ${inc}/${M_DIR})
    file(CREATE_LINK ${CMAKE_SOURCE_DIR}/${M_DIR} ${inc}/${M_DIR} SYMBOLIC)
  endif()
  if(M_SOURCES)
    add_library(${target} STATIC ${M_SOURCES})
    target_include_directories(${target} PUBLIC ${inc})
    target_link_libraries(${target} PUBLIC ${M_LINKS} PRIVATE ${M_PRIVATE_LINKS})
    kavro_warnings(${target})
  else()
    add_library(${target} INTERFACE)
    target_include_directories(${target} INTERFACE ${inc})
    target_link_libraries(${target} INTERFACE ${M_LINKS})
  endif()
endfunction()

function(kavro_warnings target)
  if(CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic)
    if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
      # GCC 12 reports overlapping and out-of-bounds copies inside
      # std::string and std::vector at -O3 where there are none (it loses
      # track of the containers' lengths); silence those checks rather than
      # bend correct code around them. The sanitizer builds check for real.
      target_compile_options(${target} PRIVATE -Wno-restrict -Wno-stringop-overflow
                                               -Wno-stringop-overread)
    endif()
    if(KAVRO_WERROR)
      target_compile_options(${target} PRIVATE -Werror)
    endif()
  endif()
endfunction()

# kavro_program(<target> SOURCES ... LINKS ...): a program in build/bin.
function(kavro_program target)
  cmake_parse_arguments(M "" "" "SOURCES;LINKS" ${ARGN})
  add_executable(${target} ${M_SOURCES})
  target_link_libraries(${target} PRIVATE ${M_LINKS})
  kavro_warnings(${target})
endfunction()

# kavro_test(<target> LABEL unit|widget|e2e [MAIN plain|gui|widget] [EACH] SOURCES ... LINKS ...)
# A GoogleTest program run by CTest. The main starts nothing (plain, the
# default for unit tests), a QGuiApplication (gui: fonts and text measurement
# without windows) or a QApplication (widget, the default for widget and e2e
# tests), always on the offscreen platform unless QT_QPA_PLATFORM says else.
# EACH runs every test of the program as a process of its own (for tests
# that end their process).
function(kavro_test target)
  cmake_parse_arguments(M "EACH" "LABEL;TIMEOUT;MAIN" "SOURCES;LINKS" ${ARGN})
  add_executable(${target} ${M_SOURCES})
  if(NOT M_MAIN)
    if(M_LABEL STREQUAL "unit")
      set(M_MAIN plain)
    else()
      set(M_MAIN widget)
    endif()
  endif()
  target_link_libraries(${target} PRIVATE kavro_test_main_${M_MAIN} kavro_test_support
    GTest::gtest GTest::gmock ${M_LINKS})
  kavro_warnings(${target})
  target_compile_definitions(${target} PRIVATE
    KAVRO_SOURCE_DIR="${CMAKE_SOURCE_DIR}" KAVRO_BINARY_DIR="${CMAKE_BINARY_DIR}")
  if(NOT M_TIMEOUT)
    set(M_TIMEOUT 300)
  endif()
  set(env "QT_QPA_PLATFORM=offscreen;QTWEBENGINE_DISABLE_SANDBOX=1;KAVRO_TEST_ARTIFACTS=${CMAKE_BINARY_DIR}/test-artifacts")
  if(M_EACH)
    include(GoogleTest)
    gtest_add_tests(TARGET ${target} SOURCES ${M_SOURCES} TEST_PREFIX "${target}." TEST_LIST each)
    set_tests_properties(${each} PROPERTIES LABELS "${M_LABEL}" TIMEOUT ${M_TIMEOUT}
      ENVIRONMENT "${env}")
    return()
  endif()
  add_test(NAME ${target} COMMAND ${target})
  set_tests_properties(${target} PROPERTIES LABELS "${M_LABEL}" TIMEOUT ${M_TIMEOUT}
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;QTWEBENGINE_DISABLE_SANDBOX=1;KAVRO_TEST_ARTIFACTS=${CMAKE_BINARY_DIR}/test-artifacts")
endfunction()

# kavro_fuzz(<target> SOURCES ... LINKS ... [SEEDS <folder>])
# A libFuzzer target, and a CTest smoke run of it (label fuzz) lasting
# KAVRO_FUZZ_SECONDS, reading the seeds and writing new inputs into the build.
set(KAVRO_FUZZ_SECONDS 30 CACHE STRING "Length of each fuzz smoke run")
function(kavro_fuzz target)
  cmake_parse_arguments(M "" "SEEDS" "SOURCES;LINKS" ${ARGN})
  add_executable(${target} ${M_SOURCES})
  target_link_libraries(${target} PRIVATE ${M_LINKS})
  target_link_options(${target} PRIVATE -fsanitize=fuzzer)
  set(corpus ${CMAKE_CURRENT_BINARY_DIR}/corpus-${target})
  file(MAKE_DIRECTORY ${corpus})
  set(seeds "")
  if(M_SEEDS)
    set(seeds ${M_SEEDS})
  endif()
  add_test(NAME ${target}
    COMMAND ${target} -max_total_time=${KAVRO_FUZZ_SECONDS} -rss_limit_mb=2048 -timeout=60
            ${corpus} ${seeds})
  set_tests_properties(${target} PROPERTIES LABELS fuzz TIMEOUT 600
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;ASAN_OPTIONS=detect_leaks=0")
endfunction()
