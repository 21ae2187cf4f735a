# Windows build: the one self-contained sparvane.exe, plus the e2e driver and the minimal
# comparison program used by the benchmarks.
enable_language(RC)
# Only DLLs on the system's KnownDLLs list (and Common Controls, from the side-by-side store
# the manifest names) are imported; every other one is loaded at run time from System32
# (src/win32/system_library.h), since Windows would look for it beside the exe first.
set(SPARVANE_WIN32_LIBS user32 gdi32 comctl32 shell32 shlwapi advapi32)
# MinGW links its C and C++ runtimes into each exe (one self-contained file, no DLL of
# its own), takes wWinMain through -municode and strips the exe. These are GCC/MinGW
# flags: another toolchain (MSVC) gets none of them rather than a broken command line.
if(MINGW)
  set(SPARVANE_STATIC_FLAGS -static -static-libgcc -static-libstdc++ -municode)
  set(SPARVANE_STRIP_FLAGS -s)
  set(SPARVANE_SIZE_FLAGS -Os)
else()
  set(SPARVANE_STATIC_FLAGS)
  set(SPARVANE_STRIP_FLAGS)
  set(SPARVANE_SIZE_FLAGS)
endif()

foreach(library ${SPARVANE_LIBRARIES})
  target_compile_definitions(${library} PUBLIC UNICODE _UNICODE)
  target_compile_options(${library} PRIVATE ${SPARVANE_SIZE_FLAGS})
endforeach()

# The Win32 side: the real platform services and the Win32 backend of the forms runtime,
# the only library that talks to Win32. It stands on platform and forms alone.
file(GLOB SPARVANE_WIN32_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/win32/*.cpp)
add_library(sparvane_win32 STATIC ${SPARVANE_WIN32_SOURCES})
target_include_directories(sparvane_win32 PUBLIC ${PROJECT_SOURCE_DIR}/src)
target_compile_definitions(sparvane_win32 PUBLIC UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX
                           _WIN32_WINNT=0x0A00 WINVER=0x0A00)
target_link_libraries(sparvane_win32 PUBLIC sparvane_forms sparvane_platform ${SPARVANE_WIN32_LIBS}
                      PRIVATE sparvane_warnings)
target_compile_options(sparvane_win32 PRIVATE ${SPARVANE_SIZE_FLAGS})

# WinMain: builds the real services and the application from both sides.
file(GLOB SPARVANE_APP_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/app/*.cpp)
add_executable(sparvane WIN32 ${SPARVANE_APP_SOURCES} ${CMAKE_SOURCE_DIR}/resources/sparvane.rc)
target_link_libraries(sparvane PRIVATE sparvane_win32 sparvane_core sparvane_warnings)
target_link_options(sparvane PRIVATE ${SPARVANE_STATIC_FLAGS} ${SPARVANE_STRIP_FLAGS})
target_compile_options(sparvane PRIVATE ${SPARVANE_SIZE_FLAGS})

# The one version source is project() in CMakeLists.txt: the version record and the About
# caption read sparvane/version.h (cmake/libraries.cmake writes it), the manifest and the
# packages take it from here.
target_link_libraries(sparvane PRIVATE sparvane_version)
configure_file(${CMAKE_SOURCE_DIR}/resources/sparvane.manifest.in
               ${CMAKE_BINARY_DIR}/resources/sparvane.manifest @ONLY)
target_include_directories(sparvane PRIVATE ${CMAKE_BINARY_DIR}/resources)
include(${CMAKE_SOURCE_DIR}/cmake/packages.cmake)

file(GLOB SPARVANE_DRIVER_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/e2e/driver/*.cpp)
if(SPARVANE_DRIVER_SOURCES)
  add_executable(sparvane-driver ${SPARVANE_DRIVER_SOURCES})
  target_compile_definitions(sparvane-driver PRIVATE UNICODE _UNICODE NOMINMAX _WIN32_WINNT=0x0A00)
  target_link_libraries(sparvane-driver PRIVATE user32 gdi32 comctl32 shell32 sparvane_warnings)
  target_link_options(sparvane-driver PRIVATE ${SPARVANE_STATIC_FLAGS})
endif()

file(GLOB SPARVANE_WINBENCH_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/bench/windows/*.cpp)
foreach(src ${SPARVANE_WINBENCH_SOURCES})
  get_filename_component(name ${src} NAME_WE)
  add_executable(${name} WIN32 ${src})
  target_compile_definitions(${name} PRIVATE UNICODE _UNICODE NOMINMAX)
  target_link_libraries(${name} PRIVATE user32 gdi32 psapi sparvane_warnings)
  target_link_options(${name} PRIVATE ${SPARVANE_STATIC_FLAGS})
endforeach()
