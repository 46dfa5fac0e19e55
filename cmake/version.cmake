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

# kyz_manifest(TARGET VERSION): the application manifest of the Windows program TARGET,
# made from TARGET.manifest.in beside its sources with VERSION ("major.minor") and the
# processor architecture of this build. Its .rc file names it as "TARGET.manifest", found
# in the generated folder.
function(kyz_manifest target version)
  set(KYZ_MANIFEST_VERSION "${version}.0.0")
  if(CMAKE_SYSTEM_PROCESSOR MATCHES "^(i.86|x86)$")
    set(KYZ_MANIFEST_ARCHITECTURE x86)
  else()
    set(KYZ_MANIFEST_ARCHITECTURE amd64)
  endif()
  set(manifest ${KYZ_GENERATED_DIR}/${target}.manifest)
  configure_file(${CMAKE_CURRENT_SOURCE_DIR}/${target}.manifest.in ${manifest} @ONLY)
  target_include_directories(${target} PRIVATE ${KYZ_GENERATED_DIR})
  get_target_property(sources ${target} SOURCES)
  foreach(source IN LISTS sources)
    if(source MATCHES "\\.rc$")
      set_property(SOURCE ${source} APPEND PROPERTY OBJECT_DEPENDS ${manifest})
    endif()
  endforeach()
endfunction()
