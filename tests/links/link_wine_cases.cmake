# kyz_link_wine_cases(PREFIX EXECUTABLE exe TIMEOUT seconds CASES case... [CASE_TABLE file])
# One ctest entry PREFIX_CASE for each case: run_link_test.sh sets up the case's rig (a
# pseudo-terminal pair behind COM1, or loopback TCP, and the sign simulator from the
# native tree) and runs that one test of `exe` under Wine. CASE_TABLE is a file the
# script sources for case names its own table does not know.
include_guard(GLOBAL)

function(kyz_link_wine_cases prefix)
  cmake_parse_arguments(ARG "" "EXECUTABLE;TIMEOUT;CASE_TABLE" "CASES" ${ARGN})
  foreach(case IN LISTS ARG_CASES)
    add_test(NAME ${prefix}_${case}
             COMMAND bash ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/run_link_test.sh ${case}
                     ${CMAKE_BINARY_DIR}/wine-run $<TARGET_FILE:${ARG_EXECUTABLE}>
                     ${KYZ_NATIVE_TOOLS}/signsim/signsim ${KYZ_WINE_ROOT}/prefix
                     ${ARG_CASE_TABLE})
    set_tests_properties(${prefix}_${case} PROPERTIES
                         FIXTURES_REQUIRED wine_environment SKIP_RETURN_CODE 77
                         TIMEOUT ${ARG_TIMEOUT})
    # One COM1 per prefix: the serial cases take turns with each other and with the
    # other tests that bind it, the end-to-end scenarios among them.
    if(case MATCHES "^serial_")
      set_tests_properties(${prefix}_${case} PROPERTIES RESOURCE_LOCK kyz424lx_prefix)
    endif()
  endforeach()
endfunction()
