# Native build: unit suites (one executable per folder under tests/unit) and benchmarks or,
# with clang, fuzz targets.

# The fuzz tree holds the program's libraries, built with libFuzzer's coverage and the
# sanitizers, and the fuzz targets that link them; nothing else. A suite or benchmark linked
# against those libraries would need the same runtimes at link time, and the suites already
# run under the sanitizers in their own preset (asan).
option(SPARVANE_FUZZ "Build libFuzzer targets (needs clang) instead of the suites and benchmarks" OFF)
if(SPARVANE_FUZZ)
  foreach(library ${SPARVANE_LIBRARIES})
    target_compile_options(${library} PRIVATE -fsanitize=fuzzer-no-link,address,undefined)
  endforeach()
  file(GLOB SPARVANE_FUZZ_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/fuzz/*.cpp)
  foreach(src ${SPARVANE_FUZZ_SOURCES})
    get_filename_component(name ${src} NAME_WE)
    add_executable(fuzz_${name} ${src})
    target_compile_options(fuzz_${name} PRIVATE -fsanitize=fuzzer,address,undefined)
    target_link_options(fuzz_${name} PRIVATE -fsanitize=fuzzer,address,undefined)
    target_link_libraries(fuzz_${name} PRIVATE sparvane_core sparvane_warnings)
  endforeach()
  return()
endif()

enable_testing()
find_package(GTest REQUIRED)

file(GLOB_RECURSE SPARVANE_FAKE_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/fakes/*.cpp)
add_library(sparvane_fakes STATIC ${SPARVANE_FAKE_SOURCES})
target_include_directories(sparvane_fakes PUBLIC ${CMAKE_SOURCE_DIR}/tests)
target_link_libraries(sparvane_fakes PUBLIC sparvane_core PRIVATE sparvane_warnings)

file(GLOB SPARVANE_UNIT_DIRS LIST_DIRECTORIES true ${CMAKE_SOURCE_DIR}/tests/unit/*)
foreach(dir ${SPARVANE_UNIT_DIRS})
  if(IS_DIRECTORY ${dir})
    get_filename_component(suite ${dir} NAME)
    file(GLOB_RECURSE suite_sources CONFIGURE_DEPENDS ${dir}/*.cpp)
    if(suite_sources)
      add_executable(unit_${suite} ${suite_sources})
      target_link_libraries(unit_${suite} PRIVATE sparvane_fakes GTest::gtest_main GTest::gmock
                            sparvane_warnings)
      include(GoogleTest)
      gtest_discover_tests(unit_${suite} DISCOVERY_TIMEOUT 60)
    endif()
  endif()
endforeach()

# The sanitizer preset leaves the benchmarks out: they measure speed, which it distorts.
option(SPARVANE_BENCHMARKS "Build the native benchmarks (when Google Benchmark is installed)" ON)
if(SPARVANE_BENCHMARKS)
  find_package(benchmark QUIET)
endif()
if(SPARVANE_BENCHMARKS AND benchmark_FOUND)
  file(GLOB SPARVANE_BENCH_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/bench/native/*.cpp)
  foreach(src ${SPARVANE_BENCH_SOURCES})
    get_filename_component(name ${src} NAME_WE)
    add_executable(bench_${name} ${src})
    target_link_libraries(bench_${name} PRIVATE sparvane_fakes benchmark::benchmark_main
                          sparvane_warnings)
  endforeach()
endif()
