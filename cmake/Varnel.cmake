# Build helpers shared by every folder.
#
# VARNEL_WINDOWS  true in the mingw builds (win32, win64)
# VARNEL_WIN64    true in the x86_64 mingw build, whose tests run under wine64
# VARNEL_HOST     true in the Linux build (unit tests, fuzzers, benchmarks)

if(WIN32)
  set(VARNEL_WINDOWS ON)
  set(VARNEL_HOST OFF)
  if(CMAKE_SIZEOF_VOID_P EQUAL 8)
    set(VARNEL_WIN64 ON)
  else()
    set(VARNEL_WIN64 OFF)
  endif()
else()
  set(VARNEL_WINDOWS OFF)
  set(VARNEL_WIN64 OFF)
  set(VARNEL_HOST ON)
endif()

option(VARNEL_ASAN "Build the host tests with AddressSanitizer and UBSan" ON)
option(VARNEL_BUILD_TESTS "Build the test executables" ON)

set(VARNEL_WARNINGS -Wall -Wextra -Wno-unused-parameter)

if(VARNEL_WINDOWS)
  # Every PE file carries its own C and C++ runtime and imports system DLLs only.
  add_compile_definitions(UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601 WINVER=0x0601)
  add_link_options(-static -static-libgcc -static-libstdc++)
  # Deliverables, stand-ins and Wine tests side by side, so tests load the real files.
  set(CMAKE_RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
endif()

if(VARNEL_HOST AND VARNEL_ASAN AND (VARNEL_BUILD_TESTS OR VARNEL_FUZZ))
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all)
  add_link_options(-fsanitize=address,undefined)
endif()

# GoogleTest: Debian's packaged library on the host, built from Debian's source for mingw.
if(VARNEL_BUILD_TESTS)
  if(VARNEL_HOST)
    find_package(GTest REQUIRED)
    set(VARNEL_GTEST GTest::gtest GTest::gtest_main)
    set(VARNEL_GMOCK GTest::gmock)
  elseif(VARNEL_WIN64)
    set(gtest_disable_pthreads ON CACHE BOOL "" FORCE)
    set(gtest_force_shared_crt OFF CACHE BOOL "" FORCE)
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
    add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/_googletest EXCLUDE_FROM_ALL)
    set(VARNEL_GTEST gtest gtest_main)
    set(VARNEL_GMOCK gmock)
  endif()
endif()

# varnel_library(name SOURCES... [DEPS ...]): a static library of portable core code.
function(varnel_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
  target_compile_options(${name} PRIVATE ${VARNEL_WARNINGS})
  if(ARG_DEPS)
    target_link_libraries(${name} PUBLIC ${ARG_DEPS})
  endif()
endfunction()

# varnel_host_test(name SOURCES... [DEPS ...]): a GoogleTest executable of the core. It runs
# natively in the host build, and under wine64 in the win64 build (so the core is checked
# with the compiler and C runtime that ship too).
function(varnel_host_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPS" ${ARGN})
  if(NOT VARNEL_BUILD_TESTS OR NOT (VARNEL_HOST OR VARNEL_WIN64))
    return()
  endif()
  add_executable(${name} ${ARG_SOURCES})
  target_compile_options(${name} PRIVATE ${VARNEL_WARNINGS})
  target_link_libraries(${name} PRIVATE ${ARG_DEPS} ${VARNEL_GTEST} ${VARNEL_GMOCK})
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR})
  if(VARNEL_HOST)
    set(label host)
  else()
    set(label wine)
  endif()
  add_test(NAME ${label}.${name} COMMAND ${name} --gtest_brief=1)
  set_tests_properties(${label}.${name} PROPERTIES LABELS ${label} TIMEOUT 300
    ENVIRONMENT "VARNEL_SOURCE_DIR=${PROJECT_SOURCE_DIR};VARNEL_BINARY_DIR=${CMAKE_BINARY_DIR}")
endfunction()

# varnel_wine_test(name SOURCES... [DEPS ...] [RESOURCES ...]): a test of real Windows
# binaries, built in the win64 build and run under wine64 by the emulator wrapper.
function(varnel_wine_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPS;RESOURCES;NEEDS" ${ARGN})
  if(NOT VARNEL_BUILD_TESTS OR NOT VARNEL_WIN64)
    return()
  endif()
  add_executable(${name} ${ARG_SOURCES} ${ARG_RESOURCES})
  target_compile_options(${name} PRIVATE ${VARNEL_WARNINGS})
  target_link_libraries(${name} PRIVATE ${ARG_DEPS} ${VARNEL_GTEST} ${VARNEL_GMOCK})
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR})
  if(ARG_NEEDS)
    add_dependencies(${name} ${ARG_NEEDS})
  endif()
  add_test(NAME wine.${name} COMMAND ${name} --gtest_brief=1 WORKING_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
  set_tests_properties(wine.${name} PROPERTIES LABELS wine TIMEOUT 300
    ENVIRONMENT "VARNEL_SOURCE_DIR=${PROJECT_SOURCE_DIR};VARNEL_BINARY_DIR=${CMAKE_BINARY_DIR}")
endfunction()

# varnel_pe(target DEF file): a deliverable PE file whose exports come from a .def file.
# The .def file is recorded so the PE check can compare the export table with it.
function(varnel_pe target)
  cmake_parse_arguments(ARG "" "DEF" "" ${ARGN})
  set_target_properties(${target} PROPERTIES PREFIX "" RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
  # What ships carries no symbol tables.
  target_link_options(${target} PRIVATE $<$<CONFIG:Release>:-s>)
  if(ARG_DEF)
    get_filename_component(ARG_DEF ${ARG_DEF} ABSOLUTE)
    target_sources(${target} PRIVATE ${ARG_DEF})
    # Undecorated names in both builds: the .def file decides the export table. On i686 the
    # .def names the __stdcall entries without their @n on purpose, so the fix-up is wanted.
    target_link_options(${target} PRIVATE -Wl,--kill-at)
    if(CMAKE_SIZEOF_VOID_P EQUAL 4)
      target_link_options(${target} PRIVATE -Wl,--enable-stdcall-fixup)
    endif()
    set_property(GLOBAL APPEND PROPERTY VARNEL_PE_LIST "$<TARGET_FILE:${target}>=${ARG_DEF}")
  else()
    set_property(GLOBAL APPEND PROPERTY VARNEL_PE_LIST "$<TARGET_FILE:${target}>=")
  endif()
endfunction()

# varnel_benchmark(name SOURCES... [DEPS ...]): a Google Benchmark executable, built in the
# `bench` preset only (optimised, no sanitizers). Benchmarks measure; they are not tests.
option(VARNEL_BENCHMARKS "Build the benchmarks" OFF)
function(varnel_benchmark name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPS" ${ARGN})
  if(NOT VARNEL_HOST OR NOT VARNEL_BENCHMARKS)
    return()
  endif()
  find_package(benchmark REQUIRED)
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_DEPS} benchmark::benchmark benchmark::benchmark_main)
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR})
endfunction()

# varnel_fuzz(name SOURCES... [DEPS ...] [CORPUS dir]): a libFuzzer target
# (LLVMFuzzerTestOneInput). In the `fuzz` preset (clang) it is a real fuzzer; in the host
# build it is linked with a small driver that replays the corpus under AddressSanitizer, and
# that replay is a test.
option(VARNEL_FUZZ "Build the fuzz targets as libFuzzer fuzzers (clang)" OFF)
if(VARNEL_FUZZ)
  # The core libraries too, so the fuzzer sees the coverage of the code it exercises.
  add_compile_options(-fsanitize=fuzzer-no-link)
endif()
function(varnel_fuzz name)
  cmake_parse_arguments(ARG "" "CORPUS" "SOURCES;DEPS" ${ARGN})
  if(NOT VARNEL_HOST)
    return()
  endif()
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_DEPS})
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR})
  if(VARNEL_FUZZ)
    target_compile_options(${name} PRIVATE -fsanitize=fuzzer)
    target_link_options(${name} PRIVATE -fsanitize=fuzzer)
  elseif(VARNEL_BUILD_TESTS)
    target_sources(${name} PRIVATE ${PROJECT_SOURCE_DIR}/common/testing/fuzz_replay_main.cpp)
    if(ARG_CORPUS)
      get_filename_component(corpus ${ARG_CORPUS} ABSOLUTE)
      add_test(NAME host.${name} COMMAND ${name} ${corpus})
      set_tests_properties(host.${name} PROPERTIES LABELS host TIMEOUT 300)
    endif()
  endif()
endfunction()
