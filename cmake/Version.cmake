# project()'s version reaches the code, the version resource and the installers through one generated
# header, "Version.h". Three numbers, as the version resource and Windows Installer read them.
if(NOT PROJECT_VERSION MATCHES "^[0-9]+\\.[0-9]+\\.[0-9]+$")
  message(FATAL_ERROR "project() needs a version of three numbers (major.minor.patch), not '${PROJECT_VERSION}'")
endif()
set(TRELM_VERSION_HEADER ${PROJECT_BINARY_DIR}/generated/Version.h)
configure_file(${CMAKE_CURRENT_LIST_DIR}/Version.h.in ${TRELM_VERSION_HEADER} @ONLY)
include_directories(${PROJECT_BINARY_DIR}/generated)
