# One warnings policy for every target of the tree: the program's libraries and exe, the
# fakes, the unit suites, the benchmarks, the fuzz targets, the e2e driver and the Windows
# bench programs all link sparvane_warnings (PRIVATE, so it never leaks to a consumer).
# SPARVANE_WERROR turns every warning into an error; scripts/test.sh (the CI command)
# switches it on, a developer's own configure leaves it off unless asked.
option(SPARVANE_WERROR "Treat compiler warnings as errors" OFF)

add_library(sparvane_warnings INTERFACE)
if(MSVC)
  target_compile_options(sparvane_warnings INTERFACE /W4 $<$<BOOL:${SPARVANE_WERROR}>:/WX>)
else()
  target_compile_options(sparvane_warnings INTERFACE -Wall -Wextra -Wpedantic -Wshadow
                         $<$<BOOL:${SPARVANE_WERROR}>:-Werror>)
endif()
