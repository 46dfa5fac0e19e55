// Writes and reloads a configuration through the platform's profile functions, for both
// editions, starting from no file. Exit status 0 when the reload matches what was written.
#include <windows.h>

#include <cstdio>

#include "core/settings/configuration.h"
#include "core/settings/edition.h"

namespace {

bool write_and_reload(kyz::Edition e) {
  kyz::edition = e;
  wchar_t folder[MAX_PATH];
  GetWindowsDirectoryW(folder, MAX_PATH);
  const std::wstring file = std::wstring(folder) + L"\\" +
                            (e == kyz::Edition::lx ? L"kyz424lx.ini" : L"KYZ424.INI");
  DeleteFileW(file.c_str());

  kyz::LinkConfiguration fresh;
  kyz::load_configuration(fresh);
  if (fresh.port_number != (e == kyz::Edition::lx ? "09004" : "9004") || fresh.list_count != 0) {
    std::puts("defaults without a file are wrong");
    return false;
  }

  kyz::LinkConfiguration c;
  c.com_port = 2;
  c.interface = 1;
  c.port_number = "12";
  c.client_server = 1;
  c.select_number = 1;
  kyz::write_com_port(c);
  kyz::write_interface(c);
  kyz::write_port_number(c);
  if (e == kyz::Edition::lx) kyz::write_client_server(c);
  kyz::write_select_number(c);
  kyz::add_host({192, 168, 1, 10}, c);
  kyz::add_host({10, 0, 0, 1}, c);
  kyz::add_host({172, 16, 0, 2}, c);
  kyz::delete_host(0, c);

  kyz::LinkConfiguration back;
  kyz::load_configuration(back);
  if (e == kyz::Edition::mfc) back.client_server = c.client_server;
  if (!(back == c)) {
    std::puts("reloaded configuration differs");
    return false;
  }
  return true;
}

}  // namespace

int main() {
  const bool ok = write_and_reload(kyz::Edition::lx) && write_and_reload(kyz::Edition::mfc);
  return ok ? 0 : 1;
}
