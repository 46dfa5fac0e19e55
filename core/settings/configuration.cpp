#include "core/settings/configuration.h"

#include <cctype>

#include "core/settings/edition.h"
#include "core/settings/profile_store.h"
#include "core/ui/message_boxes.h"

namespace kyz {

LinkConfiguration link_config;

namespace {

// Numbers are read as texts of at most 9 characters.
constexpr std::size_t number_chars = 9;
constexpr std::size_t lx_port_chars = 5;
// kyz424 reads its port through the framework's string profile call, which has no
// fixed length; this bound only keeps a damaged file from filling memory.
constexpr std::size_t mfc_port_chars = 255;

struct KeyNames {
  const char* port;
  const char* port_default;
  const char* select;
};

const KeyNames& keys() {
  static const KeyNames lx{"port_number", "09004", "select_number"};
  static const KeyNames mfc{"port_no", "9004", "select_no"};
  return edition == Edition::lx ? lx : mfc;
}

int read_number(const char* key) {
  return profile_number(profile_store().read(configuration_section(), key, "0", number_chars));
}

bool write_number(const char* key, int value) {
  return profile_store().write(configuration_section(), key, std::to_string(value));
}

// Every octet is tried even after one failed.
bool write_host(const LinkConfiguration& config, int index) {
  bool written = true;
  for (int j = 0; j < 4; ++j) {
    written = write_number(host_key(index, j).c_str(), config.host_list[index][j]) && written;
  }
  return written;
}

HostListEdit edit_result(bool written) {
  return written ? HostListEdit::saved : HostListEdit::not_saved;
}

}  // namespace

const char* configuration_file_name() {
  return edition == Edition::lx ? "kyz424lx.ini" : "KYZ424.INI";
}

const char* configuration_section() {
  return edition == Edition::lx ? "KYZ-424LX_Section" : "KYZ-424_Section";
}

std::string host_key(int index, int octet) {
  std::string key = "ip";
  key += static_cast<char>('0' + index / 10);
  key += static_cast<char>('0' + index % 10);
  key += '_';
  key += static_cast<char>('0' + octet);
  return key;
}

int profile_number(const std::string& text) {
  std::size_t i = 0;
  while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i]))) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  long long value = 0;
  for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i) {
    if (value * 10 + (text[i] - '0') > 999'999'999) break;  // at most 9 digits are read
    value = value * 10 + (text[i] - '0');
  }
  return static_cast<int>(negative ? -value : value);
}

void load_configuration(LinkConfiguration& config) {
  const char* section = configuration_section();
  config.com_port = read_number("com_port");
  config.interface = read_number("Interface");
  const bool lx = edition == Edition::lx;
  config.port_number = profile_store().read(section, keys().port, keys().port_default,
                                            lx ? lx_port_chars : mfc_port_chars);
  if (lx) config.client_server = read_number("ClientServer");
  config.select_number = read_number(keys().select);
  config.list_count = read_number("list_count");
  // The table holds 256 hosts; a larger count in the file reads the first 256.
  if (config.list_count > host_capacity) config.list_count = host_capacity;
  if (config.list_count < 0) config.list_count = 0;
  for (int n = 0; n < config.list_count; ++n) {
    for (int j = 0; j < 4; ++j) {
      config.host_list[n][j] = static_cast<std::uint8_t>(read_number(host_key(n, j).c_str()));
    }
  }
}

bool write_com_port(const LinkConfiguration& config) {
  return write_number("com_port", config.com_port);
}

bool write_interface(const LinkConfiguration& config) {
  return write_number("Interface", config.interface);
}

bool write_port_number(const LinkConfiguration& config) {
  return profile_store().write(configuration_section(), keys().port, config.port_number);
}

bool write_client_server(const LinkConfiguration& config) {
  return write_number("ClientServer", config.client_server);
}

bool write_select_number(const LinkConfiguration& config) {
  return write_number(keys().select, config.select_number);
}

HostListEdit add_host(const HostAddress& address, LinkConfiguration& config) {
  if (config.list_count < 0 || config.list_count >= host_capacity) return HostListEdit::refused;
  config.host_list[config.list_count] = address;
  ++config.list_count;
  bool written = write_number("list_count", config.list_count);
  written = write_host(config, config.list_count - 1) && written;
  return edit_result(written);
}

HostListEdit delete_host(int index, LinkConfiguration& config) {
  if (index < 0 || index >= config.list_count) return HostListEdit::refused;
  --config.list_count;
  bool written = write_number("list_count", config.list_count);
  for (int n = index; n < config.list_count; ++n) {
    config.host_list[n] = config.host_list[n + 1];
    written = write_host(config, n) && written;
  }
  config.host_list[config.list_count] = HostAddress{};
  return edit_result(written);
}

void report_configuration_not_saved() {
  warning_box("設定ファイル " + profile_store().location() +
              " に書き込めません。この変更は保存されず、次回の起動時には元に戻ります。");
}

}  // namespace kyz
