// Any bytes as the ini text: loading must not crash, must keep the host table in
// bounds, and a key written afterwards must read back. The text stays in memory.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "core/settings/configuration.h"
#include "core/settings/edition.h"
#include "core/settings/ini_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace kyz;
  for (Edition e : {Edition::lx, Edition::mfc}) {
    edition = e;
    IniText ini(std::string_view(reinterpret_cast<const char*>(data), size));
    set_profile_store(&ini);
    LinkConfiguration config;
    load_configuration(config);
    if (config.list_count < 0 || config.list_count > host_capacity) std::abort();
    if (e == Edition::lx && config.port_number.size() > 5) std::abort();

    config.select_number = 4242;
    write_select_number(config);
    LinkConfiguration again;
    load_configuration(again);
    if (again.select_number != 4242) std::abort();
    set_profile_store(nullptr);
  }
  return 0;
}
