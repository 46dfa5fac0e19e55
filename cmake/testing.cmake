# GoogleTest for both trees, and the Wine environment the Windows tree's tests run in.
include(CTest)

if(WIN32)
  # Debian ships googletest as sources; build them with the cross compiler.
  set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
  set(KYZ_GTEST_LIBS GTest::gtest GTest::gtest_main)

  # Every Windows test runs through this wrapper, which points Wine at the prefix this
  # build tree owns and at the Xvfb display started by the "wine_environment" fixture.
  # kyz_wine_run(root script): a wrapper like it for the prefix under `root`.
  function(kyz_wine_run KYZ_WINE_ROOT script)
    configure_file(${CMAKE_SOURCE_DIR}/scripts/wine-run.in ${script} @ONLY
                   FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
                                    WORLD_READ WORLD_EXECUTE)
  endfunction()
  set(KYZ_WINE_ROOT ${CMAKE_BINARY_DIR}/wine)
  kyz_wine_run(${KYZ_WINE_ROOT} ${CMAKE_BINARY_DIR}/wine-run)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_BINARY_DIR}/wine-run)
else()
  find_package(GTest REQUIRED)
  set(KYZ_GTEST_LIBS GTest::gtest GTest::gtest_main)
endif()

# kyz_gtest(name sources... LIBS libs...): one test executable, one ctest entry.
function(kyz_gtest name)
  cmake_parse_arguments(ARG "" "" "LIBS" ${ARGN})
  add_executable(${name} ${ARG_UNPARSED_ARGUMENTS})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} ${KYZ_GTEST_LIBS})
  add_test(NAME ${name} COMMAND ${name})
  if(WIN32)
    set_tests_properties(${name} PROPERTIES FIXTURES_REQUIRED wine_environment)
  endif()
endfunction()
