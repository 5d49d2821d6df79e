# The product version has one source, project(... VERSION ...): it reaches
# the version resource, the manifest, the MSI packages and their file names.
# Windows wants four numbers where the project may give two.
set(SOLQUERA_VERSION ${PROJECT_VERSION})
set(SOLQUERA_VERSION_PARTS)
foreach(part MAJOR MINOR PATCH TWEAK)
  if("${PROJECT_VERSION_${part}}" STREQUAL "")
    list(APPEND SOLQUERA_VERSION_PARTS 0)
  else()
    list(APPEND SOLQUERA_VERSION_PARTS ${PROJECT_VERSION_${part}})
  endif()
endforeach()
list(JOIN SOLQUERA_VERSION_PARTS "," SOLQUERA_VERSION_COMMAS)
list(JOIN SOLQUERA_VERSION_PARTS "." SOLQUERA_VERSION_DOTTED)

set(SOLQUERA_GENERATED_DIR ${CMAKE_BINARY_DIR}/generated)
# The manifest in resources/ is a template: only its version is filled in.
set(SOLQUERA_MANIFEST ${SOLQUERA_GENERATED_DIR}/Solquera.manifest)
configure_file(${CMAKE_SOURCE_DIR}/resources/Solquera.manifest ${SOLQUERA_MANIFEST} @ONLY)
configure_file(${CMAKE_SOURCE_DIR}/resources/Version.h.in ${SOLQUERA_GENERATED_DIR}/Version.h @ONLY)
