# The version of the programs comes from project(VERSION) alone: it is written into the
# header kyz_version.h (the version dialog's text) and into each program's VERSIONINFO.
set(KYZ_PRODUCT_NAME "KYZ-424 configuration tool")
set(KYZ_GENERATED_DIR ${CMAKE_BINARY_DIR}/generated)
configure_file(${CMAKE_CURRENT_LIST_DIR}/kyz_version.h.in ${KYZ_GENERATED_DIR}/kyz_version.h @ONLY)
add_library(kyz_version INTERFACE)
target_include_directories(kyz_version INTERFACE ${KYZ_GENERATED_DIR})

# kyz_version_info(TARGET DESCRIPTION): gives the Windows program TARGET a VERSIONINFO
# resource with the product name, the version and DESCRIPTION.
function(kyz_version_info target description)
  set(KYZ_FILE_DESCRIPTION "${description}")
  set(KYZ_FILE_NAME "${target}.exe")
  set(rc ${KYZ_GENERATED_DIR}/${target}_version.rc)
  configure_file(${PROJECT_SOURCE_DIR}/cmake/version_info.rc.in ${rc} @ONLY)
  target_sources(${target} PRIVATE ${rc})
  target_link_libraries(${target} PRIVATE kyz_version)
endfunction()
