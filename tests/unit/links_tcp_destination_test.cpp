#include <gtest/gtest.h>

#include "core/links/tcp_destination.h"

namespace kyz {
namespace {

TEST(TcpPortText, IsTheDecimalValueOfItsLeadingDigits) {
  EXPECT_EQ(tcp_port_from_text("09004"), 9004);
  EXPECT_EQ(tcp_port_from_text("9004"), 9004);
  EXPECT_EQ(tcp_port_from_text("65535"), 65535);
  EXPECT_EQ(tcp_port_from_text("80ab"), 80);
  EXPECT_EQ(tcp_port_from_text(""), 0);
  EXPECT_EQ(tcp_port_from_text("x1"), 0);
}

TEST(TcpPortText, ValueBeyondAnyPortIsRefusedNotWrapped) {
  EXPECT_FALSE(tcp_port_from_text("65536").has_value());
  EXPECT_FALSE(tcp_port_from_text("99999").has_value());
  EXPECT_FALSE(tcp_port_from_text("123456789012345678901234567890").has_value());
}

TEST(HostAddress, IsPlainDottedDecimalOctetZeroFirst) {
  EXPECT_EQ(dotted_address({192, 168, 1, 10}), "192.168.1.10");
  EXPECT_EQ(dotted_address({10, 0, 0, 5}), "10.0.0.5");
  EXPECT_EQ(dotted_address({255, 255, 255, 255}), "255.255.255.255");
  EXPECT_EQ(host_list_row({10, 0, 0, 5}), "010 .000 .000 .005");
  EXPECT_EQ(host_list_row({255, 168, 1, 10}), "255 .168 .001 .010");
}

TEST(HostAddress, SelectionOutsideTheListNamesNoHost) {
  LinkConfiguration config;
  config.host_list[0] = {127, 0, 0, 1};
  config.host_list[1] = {192, 168, 1, 10};
  config.list_count = 2;
  config.select_number = 1;
  EXPECT_EQ(selected_host_address(config), "192.168.1.10");
  for (int bad : {-1, 2, 255, 256, 100000}) {
    config.select_number = bad;
    EXPECT_FALSE(selected_host_address(config).has_value()) << bad;
  }
  config.list_count = 0;
  config.select_number = 0;
  EXPECT_FALSE(selected_host_address(config).has_value());
}

// The address read back from a host list row, as kyz424's TCP/IP dialog takes it on a
// double click.
TEST(HostListRow, GivesBackTheAddressItShows) {
  const struct {
    HostAddress host;
    const char* row;
  } rows[] = {{{192, 168, 1, 10}, "192 .168 .001 .010"},
              {{10, 0, 0, 5}, "010 .000 .000 .005"},
              {{255, 255, 255, 255}, "255 .255 .255 .255"}};
  for (const auto& r : rows) {
    EXPECT_EQ(host_list_row(r.host), r.row);
    EXPECT_EQ(host_from_list_row(r.row), r.host) << r.row;
  }
  for (const char* bad : {"", "192 .168 .001", "256 .000 .000 .001", "19x .168 .001 .010"}) {
    EXPECT_FALSE(host_from_list_row(bad).has_value()) << bad;
  }
}

}  // namespace
}  // namespace kyz
