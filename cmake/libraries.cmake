# The portable program: one library per folder of src/, each linking the libraries whose
# headers it includes, lowest layer first. It builds natively on Linux, which keeps
# windows.h out of it; scripts/check-includes.py (part of scripts/test.sh) fails on any
# include that crosses these lines.
#
#   platform            service interfaces and their plain types (headers only)
#   forms               the forms runtime                        -> platform
#   common              orderly exit, frame refresh              -> forms
#   seams               seams/: what the subsystems may do to windows the shell owns
#                       (headers only: seams/widget.h, the widget)
#   cleaning            -> common, seams
#   network, dialup, screenguard -> forms
#   shell               start-up, the widget, the network window -> every subsystem
#
# sparvane_core stands for the whole portable program (the exe, the fakes, the unit suites,
# the benchmarks and the fuzz targets link it).

# Every library of the program, for settings that apply to all of them.
set(SPARVANE_LIBRARIES)

# sparvane_library(NAME folder... DEPENDS library...): a static library of the .cpp files
# directly in src/<folder>, or an interface library when the folder holds only headers.
function(sparvane_library name)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "" "FOLDERS;DEPENDS")
  set(sources)
  foreach(folder ${arg_FOLDERS})
    file(GLOB folder_sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/src/${folder}/*.cpp)
    list(APPEND sources ${folder_sources})
  endforeach()
  set(target sparvane_${name})
  if(sources)
    add_library(${target} STATIC ${sources})
    target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(${target} PUBLIC ${arg_DEPENDS} PRIVATE sparvane_warnings)
    set(SPARVANE_LIBRARIES ${SPARVANE_LIBRARIES} ${target} PARENT_SCOPE)
  else()
    add_library(${target} INTERFACE)
    target_include_directories(${target} INTERFACE ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(${target} INTERFACE ${arg_DEPENDS})
  endif()
endfunction()

# The version header, written from project() into the build tree (sparvane/version.h): the
# one place the version is set. The forms runtime's AppInfo defaults to it, so every library,
# the exe's resource, the fakes and the suites see it through sparvane_forms.
configure_file(${PROJECT_SOURCE_DIR}/cmake/version.h.in ${PROJECT_BINARY_DIR}/generated/sparvane/version.h @ONLY)
add_library(sparvane_version INTERFACE)
target_include_directories(sparvane_version INTERFACE ${PROJECT_BINARY_DIR}/generated)

sparvane_library(platform FOLDERS platform)
sparvane_library(forms FOLDERS forms DEPENDS sparvane_platform sparvane_version)
sparvane_library(common FOLDERS common DEPENDS sparvane_forms sparvane_platform)
sparvane_library(seams FOLDERS seams DEPENDS sparvane_forms sparvane_platform)
sparvane_library(cleaning FOLDERS cleaning DEPENDS sparvane_common sparvane_forms sparvane_platform
                 sparvane_seams)
sparvane_library(network FOLDERS network DEPENDS sparvane_forms sparvane_platform)
sparvane_library(dialup FOLDERS dialup DEPENDS sparvane_forms sparvane_platform)
sparvane_library(screenguard FOLDERS screenguard DEPENDS sparvane_forms sparvane_platform)
sparvane_library(shell FOLDERS shell DEPENDS sparvane_cleaning sparvane_network sparvane_dialup
                 sparvane_screenguard sparvane_common sparvane_forms sparvane_platform
                 sparvane_seams)

add_library(sparvane_core INTERFACE)
target_link_libraries(sparvane_core INTERFACE sparvane_shell)
