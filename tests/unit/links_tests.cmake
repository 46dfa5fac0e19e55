# The portable logic of the links: serial line assembly, TCP port and address, the
# server's client table.
kyz_gtest(links_tests
  ${CMAKE_CURRENT_SOURCE_DIR}/links_serial_line_test.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/links_tcp_destination_test.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/links_client_table_test.cpp
  LIBS kyz_test_support
)
