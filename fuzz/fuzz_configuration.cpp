// Any bytes as the ini text: a key written into it must read back, and loading it must
// not crash and must keep the host table in bounds. The text stays in memory.
// The first byte picks the edition whose keys are used: even (such as 'l') kyz424lx,
// odd (such as 'm') kyz424; the rest is the text.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "core/settings/configuration.h"
#include "core/settings/edition.h"
#include "core/settings/ini_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace kyz;
  if (size == 0) return 0;
  edition = (data[0] & 1) != 0 ? Edition::mfc : Edition::lx;
  IniText ini(std::string_view(reinterpret_cast<const char*>(data + 1), size - 1));
  set_profile_store(&ini);

  LinkConfiguration config;
  config.select_number = 4242;
  write_select_number(config);
  load_configuration(config);
  if (config.select_number != 4242) std::abort();
  if (config.list_count < 0 || config.list_count > host_capacity) std::abort();
  if (edition == Edition::lx && config.port_number.size() > 5) std::abort();

  set_profile_store(nullptr);
  return 0;
}
