# The shipped files of this architecture under dist/: the screen saver
# without its debug information (which stays beside the build's own
# Solquera.scr as Solquera.scr.debug) and its MSI package.
if(CMAKE_SYSTEM_PROCESSOR STREQUAL "x86_64")
  set(SOLQUERA_MSI_ARCH x64)
else()
  set(SOLQUERA_MSI_ARCH x86)
endif()
set(SOLQUERA_DIST_DIR ${CMAKE_BINARY_DIR}/dist)
set(SOLQUERA_SHIPPED_SCR ${SOLQUERA_DIST_DIR}/Solquera.scr)
set(SOLQUERA_DEBUG_FILE ${CMAKE_BINARY_DIR}/Solquera.scr.debug)
set(SOLQUERA_MSI ${SOLQUERA_DIST_DIR}/Solquera-${SOLQUERA_VERSION}-${SOLQUERA_MSI_ARCH}.msi)
set(SOLQUERA_BUILD_MSI ${CMAKE_SOURCE_DIR}/packaging/build-msi.sh)

add_custom_command(OUTPUT ${SOLQUERA_SHIPPED_SCR} ${SOLQUERA_DEBUG_FILE}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${SOLQUERA_DIST_DIR}
  COMMAND ${CMAKE_OBJCOPY} --only-keep-debug $<TARGET_FILE:Solquera> ${SOLQUERA_DEBUG_FILE}
  COMMAND ${CMAKE_OBJCOPY} --strip-all --add-gnu-debuglink=${SOLQUERA_DEBUG_FILE}
    $<TARGET_FILE:Solquera> ${SOLQUERA_SHIPPED_SCR}
  DEPENDS Solquera
  COMMENT "Stripping Solquera.scr for shipping")
add_custom_command(OUTPUT ${SOLQUERA_MSI}
  COMMAND ${SOLQUERA_BUILD_MSI} ${SOLQUERA_MSI_ARCH} ${SOLQUERA_VERSION} ${SOLQUERA_SHIPPED_SCR}
    ${CMAKE_SOURCE_DIR}/resources/Solquera.ico ${SOLQUERA_MSI}
  DEPENDS ${SOLQUERA_SHIPPED_SCR} ${SOLQUERA_BUILD_MSI} ${CMAKE_SOURCE_DIR}/packaging/Solquera.wxs
    ${CMAKE_SOURCE_DIR}/resources/Solquera.ico
  COMMENT "Building the ${SOLQUERA_MSI_ARCH} MSI package")
add_custom_target(msi ALL DEPENDS ${SOLQUERA_MSI})

# A package of an earlier version left in dist/ would be shipped beside this one.
file(GLOB SOLQUERA_STALE_MSIS ${SOLQUERA_DIST_DIR}/Solquera-*.msi)
list(REMOVE_ITEM SOLQUERA_STALE_MSIS ${SOLQUERA_MSI})
if(SOLQUERA_STALE_MSIS)
  file(REMOVE ${SOLQUERA_STALE_MSIS})
endif()
