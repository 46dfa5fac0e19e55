// Writes and reloads a configuration through the platform's profile functions, for both
// editions, starting from no file; then, with a folder in the file's place, checks that
// the writes say they failed. Exit status 0 when all of it holds.
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
  const auto saved = kyz::HostListEdit::saved;
  bool written = kyz::write_com_port(c);
  written &= kyz::write_interface(c);
  written &= kyz::write_port_number(c);
  if (e == kyz::Edition::lx) written &= kyz::write_client_server(c);
  written &= kyz::write_select_number(c);
  written &= kyz::add_host({192, 168, 1, 10}, c) == saved;
  written &= kyz::add_host({10, 0, 0, 1}, c) == saved;
  written &= kyz::add_host({172, 16, 0, 2}, c) == saved;
  written &= kyz::delete_host(0, c) == saved;
  if (!written) {
    std::puts("a write to the Windows directory said it failed");
    return false;
  }

  kyz::LinkConfiguration back;
  kyz::load_configuration(back);
  if (e == kyz::Edition::mfc) back.client_server = c.client_server;
  if (!(back == c)) {
    std::puts("reloaded configuration differs");
    return false;
  }
  return true;
}

// A folder of the file's name cannot be written as a file.
bool unwritable_file_is_told(kyz::Edition e) {
  kyz::edition = e;
  wchar_t folder[MAX_PATH];
  GetWindowsDirectoryW(folder, MAX_PATH);
  const std::string name = kyz::configuration_file_name();
  const std::wstring file = std::wstring(folder) + L"\\" + std::wstring(name.begin(), name.end());
  const std::wstring moved = file + L".kept";
  MoveFileW(file.c_str(), moved.c_str());
  CreateDirectoryW(file.c_str(), nullptr);
  kyz::LinkConfiguration c;
  const bool told = !kyz::write_interface(c) && kyz::add_host({1, 2, 3, 4}, c) == kyz::HostListEdit::not_saved;
  RemoveDirectoryW(file.c_str());
  MoveFileW(moved.c_str(), file.c_str());
  if (!told) std::printf("a write into the folder %s said it succeeded\n", name.c_str());
  return told;
}

}  // namespace

int main() {
  const bool ok = write_and_reload(kyz::Edition::lx) && write_and_reload(kyz::Edition::mfc) &&
                  unwritable_file_is_told(kyz::Edition::lx) &&
                  unwritable_file_is_told(kyz::Edition::mfc);
  return ok ? 0 : 1;
}
