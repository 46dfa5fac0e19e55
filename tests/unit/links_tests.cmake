# The portable logic of the links: serial line assembly, TCP port and address, the
# server's client table, the paced exchanges of kyz424ctl, the send loop; in the Windows
# tree also the serial port settings.
set(links_test_sources
  ${CMAKE_CURRENT_SOURCE_DIR}/links_serial_line_test.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/links_serial_read_pacing_test.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/links_tcp_destination_test.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/links_client_table_test.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/links_paced_exchange_test.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/links_send_all_test.cpp
)
set(links_test_libs kyz_test_support)
if(WIN32)
  list(APPEND links_test_sources ${CMAKE_CURRENT_SOURCE_DIR}/links_serial_port_settings_test.cpp)
  list(APPEND links_test_libs kyz_links)
endif()
kyz_gtest(links_tests ${links_test_sources} LIBS ${links_test_libs})
