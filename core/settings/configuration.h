// The link configuration: interface, serial port, client or server, TCP port and the
// list of sign addresses. Loaded once at start-up; each link dialog writes the key it
// changes at once.
#pragma once

#include <array>
#include <cstdint>
#include <string>

// Some Windows headers define "interface" as a macro for COM; our programs build with
// WIN32_LEAN_AND_MEAN so it never appears, and this guard keeps the field name usable.
#ifdef interface
#undef interface
#endif

namespace kyz {

inline constexpr int host_capacity = 256;

using HostAddress = std::array<std::uint8_t, 4>;  // octet 0 first, as in 192.168.0.1

enum InterfaceKind { interface_serial = 0, interface_tcp = 1 };
enum ClientServer { mode_client = 0, mode_server = 1 };

struct LinkConfiguration {
  int com_port = 0;            // 0..5 = COM1..COM6, kept as read
  int interface = 0;           // InterfaceKind
  std::string port_number;     // TCP port as typed; kyz424lx keeps at most 5 characters
  int client_server = 0;       // kyz424lx only: ClientServer
  int select_number = 0;       // chosen host (server mode: chosen client slot), -1 none
  int list_count = 0;          // valid entries of host_list, 0..256
  std::array<HostAddress, host_capacity> host_list{};

  bool operator==(const LinkConfiguration&) const = default;
};

extern LinkConfiguration link_config;

// The ini file and section of this edition: "kyz424lx.ini" / "KYZ-424LX_Section", or
// kyz424's profile "KYZ424.INI" / "KYZ-424_Section". Both live in the Windows directory.
const char* configuration_file_name();
const char* configuration_section();

// The key of octet `octet` of host `index`: "ip00_0" .. "ip99_3", then "ip:0_0" for 100.
std::string host_key(int index, int octet);

// Reads every key into `config`; absent keys give the defaults.
void load_configuration(LinkConfiguration& config = link_config);

// One key each, written as the dialogs change them. False when the file could not be
// written (the value in memory stays as set, for this run only); the dialog then calls
// report_configuration_not_saved once for the operator's action.
bool write_com_port(const LinkConfiguration& config = link_config);
bool write_interface(const LinkConfiguration& config = link_config);
bool write_port_number(const LinkConfiguration& config = link_config);
bool write_client_server(const LinkConfiguration& config = link_config);
bool write_select_number(const LinkConfiguration& config = link_config);

// What an edit of the host list came to: done and written, done in memory but not
// written (every key was still tried), or refused with nothing changed.
enum class HostListEdit { saved, not_saved, refused };

// Appends a host and writes "list_count" and its four keys. Refused when the list
// already holds 256 hosts.
HostListEdit add_host(const HostAddress& address, LinkConfiguration& config = link_config);

// Removes host `index`, moves the later ones down and rewrites their keys. The keys of
// the former last host stay in the file, beyond "list_count". Refused for no such host.
HostListEdit delete_host(int index, LinkConfiguration& config = link_config);

// Tells the operator that the configuration file (named with its folder) could not be
// written and that the change lasts only until the program ends.
void report_configuration_not_saved();

// The leading decimal number of a profile text, 0 when there is none.
int profile_number(const std::string& text);

}  // namespace kyz
