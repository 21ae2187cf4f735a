# Release packages, built by the `packages` target into ${CMAKE_BINARY_DIR}/dist
# (scripts/package.sh copies them to dist/ at the repository root):
#   sparvane-<version>-win64.zip  sparvane.exe, README.txt, LICENSE; runs from any folder
#   sparvane-<version>-win64.msi  per-machine installer made by wixl from packaging/sparvane.wxs
# wixl looks for the files a .wxs names beside the .wxs itself, so the installer's inputs are
# staged in one folder first.
find_program(SPARVANE_WIXL wixl)

set(SPARVANE_PACKAGE_BASE sparvane-${PROJECT_VERSION}-win64)
set(SPARVANE_DIST_DIR ${CMAKE_BINARY_DIR}/dist)
set(SPARVANE_ZIP_STAGE ${CMAKE_BINARY_DIR}/package/zip)
set(SPARVANE_MSI_STAGE ${CMAKE_BINARY_DIR}/package/msi)
set(SPARVANE_ZIP ${SPARVANE_DIST_DIR}/${SPARVANE_PACKAGE_BASE}.zip)
set(SPARVANE_MSI ${SPARVANE_DIST_DIR}/${SPARVANE_PACKAGE_BASE}.msi)

# Windows users open README.txt in Notepad: CR LF line ends.
configure_file(${CMAKE_SOURCE_DIR}/packaging/README.txt.in ${CMAKE_BINARY_DIR}/package/README.txt
               @ONLY NEWLINE_STYLE CRLF)
set(SPARVANE_README ${CMAKE_BINARY_DIR}/package/README.txt)
set(SPARVANE_WXS ${CMAKE_SOURCE_DIR}/packaging/sparvane.wxs)

add_custom_command(
  OUTPUT ${SPARVANE_ZIP}
  COMMAND ${CMAKE_COMMAND} -E rm -rf ${SPARVANE_ZIP_STAGE}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${SPARVANE_ZIP_STAGE} ${SPARVANE_DIST_DIR}
  COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:sparvane> ${SPARVANE_README}
          ${CMAKE_SOURCE_DIR}/LICENSE ${SPARVANE_ZIP_STAGE}
  COMMAND ${CMAKE_COMMAND} -E chdir ${SPARVANE_ZIP_STAGE}
          ${CMAKE_COMMAND} -E tar cf ${SPARVANE_ZIP} --format=zip sparvane.exe README.txt LICENSE
  DEPENDS sparvane ${SPARVANE_README} ${CMAKE_SOURCE_DIR}/LICENSE
  COMMENT "Packing ${SPARVANE_PACKAGE_BASE}.zip"
  VERBATIM)

if(SPARVANE_WIXL)
  set(SPARVANE_MSI_COMMAND ${SPARVANE_WIXL} -a x64 -D Version=${PROJECT_VERSION}
                           -o ${SPARVANE_MSI} sparvane.wxs)
else()
  set(SPARVANE_MSI_COMMAND ${CMAKE_COMMAND} -E false)
  message(STATUS "wixl not found: the packages target cannot build the installer (apt-get install wixl)")
endif()

add_custom_command(
  OUTPUT ${SPARVANE_MSI}
  COMMAND ${CMAKE_COMMAND} -E rm -rf ${SPARVANE_MSI_STAGE}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${SPARVANE_MSI_STAGE} ${SPARVANE_DIST_DIR}
  COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:sparvane> ${SPARVANE_README}
          ${CMAKE_SOURCE_DIR}/LICENSE ${CMAKE_SOURCE_DIR}/resources/sparvane.ico ${SPARVANE_WXS}
          ${SPARVANE_MSI_STAGE}
  COMMAND ${CMAKE_COMMAND} -E chdir ${SPARVANE_MSI_STAGE} ${SPARVANE_MSI_COMMAND}
  DEPENDS sparvane ${SPARVANE_README} ${CMAKE_SOURCE_DIR}/LICENSE
          ${CMAKE_SOURCE_DIR}/resources/sparvane.ico ${SPARVANE_WXS}
  COMMENT "Building ${SPARVANE_PACKAGE_BASE}.msi with wixl"
  VERBATIM)

add_custom_target(packages DEPENDS ${SPARVANE_ZIP} ${SPARVANE_MSI})
