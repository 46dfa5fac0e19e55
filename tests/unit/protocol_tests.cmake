# The device protocol: command texts, the send path and watchdog, replies and read-back,
# page titles; and kyz424ctl run as operators run it.
kyz_gtest(protocol_tests
  ${CMAKE_CURRENT_SOURCE_DIR}/protocol_commands_test.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/protocol_send_path_test.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/protocol_replies_test.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/protocol_all_items_test.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/title_command_test.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/kyz424ctl_options_test.cpp
  LIBS kyz_test_support kyz424ctl_options
)

set(kyz424ctl_runner)
if(WIN32)
  set(kyz424ctl_runner ${CMAKE_BINARY_DIR}/wine-run)
endif()
add_test(NAME kyz424ctl_contract
         COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/kyz424ctl_test.sh ${PROJECT_SOURCE_DIR}/tests/data
                 $<TARGET_FILE:kyz424ctl> ${kyz424ctl_runner})
if(WIN32)
  set_tests_properties(kyz424ctl_contract PROPERTIES FIXTURES_REQUIRED wine_environment)
endif()

# Round trip through the independent sign simulator (native only, like the simulator).
if(NOT WIN32 AND TARGET signsim)
  add_test(NAME kyz424ctl_against_signsim
           COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/kyz424ctl_signsim_test.sh
                   $<TARGET_FILE:signsim> $<TARGET_FILE:kyz424ctl> ${PROJECT_SOURCE_DIR}/tests/data)
  set_tests_properties(kyz424ctl_against_signsim PROPERTIES TIMEOUT 120)

  # send and read over loopback TCP and a pty pair, sign faults, bad input.
  add_test(NAME kyz424ctl_send_read_links
           COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/kyz424ctl_links_test.sh
                   $<TARGET_FILE:signsim> $<TARGET_FILE:kyz424ctl> ${PROJECT_SOURCE_DIR}/tests/data
                   ${PROJECT_SOURCE_DIR}/scripts/pty-pair)
  set_tests_properties(kyz424ctl_send_read_links PROPERTIES TIMEOUT 120)

  # push and backup: 96 adapters in server mode, faulty adapters, client mode.
  add_test(NAME kyz424ctl_fleet
           COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/kyz424ctl_fleet_test.sh
                   $<TARGET_FILE:signsim> $<TARGET_FILE:kyz424ctl> ${PROJECT_SOURCE_DIR}/tests/data
                   ${PROJECT_SOURCE_DIR}/scripts/free-port)
  set_tests_properties(kyz424ctl_fleet PROPERTIES TIMEOUT 180)
endif()
