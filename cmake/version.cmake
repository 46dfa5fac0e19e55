# The programs' versions come from the top CMakeLists.txt alone (project(VERSION) for
# kyz424lx, KYZ424_EDITION_VERSION for kyz424): they are written into the header
# kyz_version.h (the version dialogs' texts) and into each program's VERSIONINFO.
set(KYZ_PRODUCT_NAME "KYZ-424 configuration tool")
set(KYZ_GENERATED_DIR ${CMAKE_BINARY_DIR}/generated)
configure_file(${CMAKE_CURRENT_LIST_DIR}/kyz_version.h.in ${KYZ_GENERATED_DIR}/kyz_version.h @ONLY)
add_library(kyz_version INTERFACE)
target_include_directories(kyz_version INTERFACE ${KYZ_GENERATED_DIR})

# kyz_version_info(TARGET DESCRIPTION VERSION): gives the Windows program TARGET a
# VERSIONINFO resource with the product name, VERSION ("major.minor") and DESCRIPTION.
function(kyz_version_info target description version)
  if(NOT version MATCHES "^([0-9]+)\\.([0-9]+)$")
    message(FATAL_ERROR "kyz_version_info: version '${version}' is not major.minor")
  endif()
  set(KYZ_FILE_VERSION "${version}")
  set(KYZ_FILE_VERSION_MAJOR ${CMAKE_MATCH_1})
  set(KYZ_FILE_VERSION_MINOR ${CMAKE_MATCH_2})
  set(KYZ_FILE_DESCRIPTION "${description}")
  set(KYZ_FILE_NAME "${target}.exe")
  set(rc ${KYZ_GENERATED_DIR}/${target}_version.rc)
  configure_file(${PROJECT_SOURCE_DIR}/cmake/version_info.rc.in ${rc} @ONLY)
  target_sources(${target} PRIVATE ${rc})
  target_link_libraries(${target} PRIVATE kyz_version)
endfunction()
