#include <gtest/gtest.h>

#include "core/settings/configuration.h"
#include "core/settings/edition.h"
#include "core/settings/ini_file.h"
#include "tests/unit/test_support.h"

namespace kyz {
namespace {

class Configuration : public ::testing::Test {
 protected:
  void SetUp() override {
    edition = Edition::lx;
    set_profile_store(&ini);
  }
  void TearDown() override {
    set_profile_store(nullptr);
    edition = Edition::lx;
  }
  LinkConfiguration loaded() {
    LinkConfiguration c;
    c.select_number = 77;  // every field must come from the file or its default
    load_configuration(c);
    return c;
  }
  test::ScratchFolder folder;
  IniFile ini{folder.file("kyz424lx.ini")};
};

TEST_F(Configuration, NoFileGivesSerialCom1Port09004ClientAndNoHosts) {
  const LinkConfiguration c = loaded();
  EXPECT_EQ(c.interface, interface_serial);
  EXPECT_EQ(c.com_port, 0);
  EXPECT_EQ(c.port_number, "09004");
  EXPECT_EQ(c.client_server, mode_client);
  EXPECT_EQ(c.select_number, 0);
  EXPECT_EQ(c.list_count, 0);
}

TEST_F(Configuration, KeyWritesProduceTheExactFileAndReadBack) {
  LinkConfiguration c;
  c.com_port = 3;
  c.interface = interface_tcp;
  c.port_number = "12";
  c.client_server = mode_server;
  c.select_number = 1;
  write_com_port(c);
  write_interface(c);
  write_port_number(c);
  write_client_server(c);
  write_select_number(c);
  EXPECT_EQ(test::read_bytes(ini.path()),
            "[KYZ-424LX_Section]\r\ncom_port=3\r\nInterface=1\r\nport_number=12\r\n"
            "ClientServer=1\r\nselect_number=1\r\n");
  const LinkConfiguration back = loaded();
  EXPECT_EQ(back.com_port, 3);
  EXPECT_EQ(back.interface, 1);
  EXPECT_EQ(back.port_number, "12");
  EXPECT_EQ(back.client_server, 1);
  EXPECT_EQ(back.select_number, 1);
}

TEST_F(Configuration, ThreeHostsAddedAndTheFirstDeleted) {
  LinkConfiguration c;
  ASSERT_EQ(add_host({192, 168, 0, 1}, c), HostListEdit::saved);
  ASSERT_EQ(add_host({10, 0, 0, 2}, c), HostListEdit::saved);
  ASSERT_EQ(add_host({172, 16, 5, 3}, c), HostListEdit::saved);
  ASSERT_EQ(delete_host(0, c), HostListEdit::saved);
  EXPECT_EQ(c.list_count, 2);

  const std::string s = "KYZ-424LX_Section";
  EXPECT_EQ(ini.read(s, "list_count", "", 9), "2");
  const char* expected[3][4] = {{"10", "0", "0", "2"}, {"172", "16", "5", "3"},
                                {"172", "16", "5", "3"}};  // host 2's keys are stale
  for (int n = 0; n < 3; ++n)
    for (int j = 0; j < 4; ++j) EXPECT_EQ(ini.read(s, host_key(n, j), "", 9), expected[n][j]);

  const LinkConfiguration back = loaded();
  EXPECT_EQ(back.list_count, 2);
  EXPECT_EQ(back.host_list[0], (HostAddress{10, 0, 0, 2}));
  EXPECT_EQ(back.host_list[1], (HostAddress{172, 16, 5, 3}));
  EXPECT_EQ(back.host_list[2], (HostAddress{0, 0, 0, 0}));
}

TEST_F(Configuration, DeletingTheLastOrAMissingHost) {
  LinkConfiguration c;
  add_host({1, 2, 3, 4}, c);
  add_host({5, 6, 7, 8}, c);
  EXPECT_EQ(delete_host(2, c), HostListEdit::refused);
  EXPECT_EQ(delete_host(-1, c), HostListEdit::refused);
  EXPECT_EQ(delete_host(1, c), HostListEdit::saved);
  EXPECT_EQ(loaded().list_count, 1);
  EXPECT_EQ(loaded().host_list[0], (HostAddress{1, 2, 3, 4}));
}

// A file that cannot be written: every write says so, the values in memory stay as set,
// and the report names the file.
TEST_F(Configuration, WritesThatFailAreToldAndKeepTheValuesInMemory) {
  IniFile unwritable{folder.file("missing-folder/kyz424lx.ini")};
  set_profile_store(&unwritable);
  LinkConfiguration c;
  c.interface = interface_tcp;
  EXPECT_FALSE(write_interface(c));
  EXPECT_FALSE(write_port_number(c));
  EXPECT_EQ(add_host({10, 0, 0, 1}, c), HostListEdit::not_saved);
  EXPECT_EQ(add_host({10, 0, 0, 2}, c), HostListEdit::not_saved);
  EXPECT_EQ(delete_host(0, c), HostListEdit::not_saved);
  EXPECT_EQ(c.interface, interface_tcp);
  EXPECT_EQ(c.list_count, 1);
  EXPECT_EQ(c.host_list[0], (HostAddress{10, 0, 0, 2}));

  test::BoxRecorder boxes;
  report_configuration_not_saved();
  ASSERT_EQ(boxes.boxes.size(), 1u);
  EXPECT_EQ(boxes.boxes[0].kind, BoxKind::warning);
  EXPECT_NE(boxes.boxes[0].text.find(unwritable.path()), std::string::npos);
}

TEST_F(Configuration, HostKeysPast99ContinueInCharacterOrder) {
  EXPECT_EQ(host_key(0, 0), "ip00_0");
  EXPECT_EQ(host_key(12, 3), "ip12_3");
  EXPECT_EQ(host_key(100, 0), "ip:0_0");
  EXPECT_EQ(host_key(110, 0), "ip;0_0");
  EXPECT_EQ(host_key(255, 2), "ipI5_2");

  LinkConfiguration c;
  for (int n = 0; n <= 110; ++n) add_host({10, 1, static_cast<std::uint8_t>(n), 9}, c);
  EXPECT_EQ(ini.read("KYZ-424LX_Section", "ip:0_2", "", 9), "100");
  EXPECT_EQ(ini.read("KYZ-424LX_Section", "ip;0_2", "", 9), "110");
  const LinkConfiguration back = loaded();
  EXPECT_EQ(back.list_count, 111);
  EXPECT_EQ(back.host_list[100], (HostAddress{10, 1, 100, 9}));
  EXPECT_EQ(back.host_list[110], (HostAddress{10, 1, 110, 9}));
}

TEST_F(Configuration, HostTableHoldsAtMost256) {
  const std::string s = "KYZ-424LX_Section";
  ini.write(s, "list_count", "300");
  ini.write(s, host_key(255, 0), "7");
  LinkConfiguration c = loaded();
  EXPECT_EQ(c.list_count, 256);
  EXPECT_EQ(c.host_list[255][0], 7);
  const LinkConfiguration before = c;
  EXPECT_EQ(add_host({1, 1, 1, 1}, c), HostListEdit::refused);
  EXPECT_EQ(c, before);
  EXPECT_EQ(ini.read(s, "list_count", "", 9), "300");
}

TEST_F(Configuration, ValuesAreReadAsLeadingDigitsAndKeptWithoutRangeChecks) {
  const std::string s = "KYZ-424LX_Section";
  ini.write(s, "com_port", "9");
  ini.write(s, "Interface", "tcp");
  ini.write(s, "select_number", "42abc");
  ini.write(s, "port_number", "1234567");
  ini.write(s, "list_count", "1");
  ini.write(s, "ip00_0", "300");  // low 8 bits
  const LinkConfiguration c = loaded();
  EXPECT_EQ(c.com_port, 9);
  EXPECT_EQ(c.interface, 0);
  EXPECT_EQ(c.select_number, 42);
  EXPECT_EQ(c.port_number, "12345");
  EXPECT_EQ(c.host_list[0][0], 300 % 256);
  EXPECT_EQ(profile_number(" -1"), -1);
  EXPECT_EQ(profile_number("999999999999"), 999999999);
}

TEST_F(Configuration, Kyz424UsesItsOwnSectionAndKeys) {
  edition = Edition::mfc;
  EXPECT_STREQ(configuration_file_name(), "KYZ424.INI");
  LinkConfiguration c = loaded();
  EXPECT_EQ(c.port_number, "9004");
  c.port_number = "9100";
  c.select_number = 2;
  write_port_number(c);
  write_select_number(c);
  add_host({127, 0, 0, 1}, c);
  EXPECT_EQ(test::read_bytes(ini.path()),
            "[KYZ-424_Section]\r\nport_no=9100\r\nselect_no=2\r\nlist_count=1\r\n"
            "ip00_0=127\r\nip00_1=0\r\nip00_2=0\r\nip00_3=1\r\n");
  const LinkConfiguration back = loaded();
  EXPECT_EQ(back.port_number, "9100");
  EXPECT_EQ(back.select_number, 2);
  EXPECT_EQ(back.host_list[0], (HostAddress{127, 0, 0, 1}));
}

TEST(IniFile, KeepsOtherSectionsAndMatchesNamesWithoutCase) {
  test::ScratchFolder folder;
  const std::string path = folder.file("x.ini");
  test::write_bytes(path, "[Other]\r\ncom_port=5\r\n\r\n[KYZ-424LX_Section]\r\nCOM_PORT=1\r\n\r\n[Last]\r\na=b\r\n");
  IniFile ini(path);
  EXPECT_EQ(ini.read("kyz-424lx_section", "com_port", "0", 9), "1");
  ini.write("KYZ-424LX_Section", "com_port", "2");
  ini.write("KYZ-424LX_Section", "Interface", "1");
  EXPECT_EQ(test::read_bytes(path),
            "[Other]\r\ncom_port=5\r\n\r\n[KYZ-424LX_Section]\r\ncom_port=2\r\nInterface=1\r\n\r\n"
            "[Last]\r\na=b\r\n");
  EXPECT_EQ(ini.read("Other", "com_port", "0", 9), "5");
  EXPECT_EQ(ini.read("Missing", "com_port", "dflt", 9), "dflt");
}

// The in-memory store finds keys through a hash table: every key of a long list must be
// found, the earliest matching line must win, and a write must be seen by the next read.
TEST(IniText, ReadsTheEarliestMatchingLineAfterEveryChange) {
  std::string text = "orphan=1\r\n[S]\r\nkey=first\r\nKEY=second\r\n[T]\r\nx=t\r\n[s]\r\nonly=late\r\n";
  for (int i = 0; i < 300; ++i) text += "[T]\r\nk" + std::to_string(i) + "=" + std::to_string(i) + "\r\n";
  IniText ini(text);
  EXPECT_EQ(ini.read("s", "Key", "-", 9), "first");
  EXPECT_EQ(ini.read("S", "only", "-", 9), "late");
  EXPECT_EQ(ini.read("S", "orphan", "-", 9), "-");  // a key before any section is in none
  for (int i = 0; i < 300; ++i) {
    ASSERT_EQ(ini.read("t", "K" + std::to_string(i), "-", 9), std::to_string(i)) << i;
  }
  EXPECT_EQ(ini.read("T", "k300", "-", 9), "-");

  ini.write("S", "only", "now");  // goes to the first [S], ahead of the later line
  ini.write("S", "key", "changed");
  ini.write("New", "a", "b");
  EXPECT_EQ(ini.read("S", "only", "-", 9), "now");
  EXPECT_EQ(ini.read("S", "KEY", "-", 9), "changed");
  EXPECT_EQ(ini.read("new", "A", "-", 9), "b");
  const std::string written = ini.text();
  EXPECT_TRUE(written.starts_with(
      "orphan=1\r\n[S]\r\nkey=changed\r\nKEY=second\r\nonly=now\r\n[T]\r\nx=t\r\n"))
      << written.substr(0, 80);
  EXPECT_TRUE(written.ends_with("[T]\r\nk299=299\r\n[New]\r\na=b\r\n"));
}

}  // namespace
}  // namespace kyz
