// Any bytes as a data file: the reader must not crash, and what it read must survive a
// write and a second read unchanged.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "core/settings/data_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace kyz;
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  for (Edition e : {Edition::lx, Edition::mfc}) {
    edition = e;
    SettingsRecord first;
    reset_settings(first);
    parse_data_file(text, first);
    for (const auto& title : first.title) {
      if (title.size() > title_capacity()) std::abort();
    }
    SettingsRecord second;
    reset_settings(second);
    const ParseResult again = parse_data_file(format_data_file(first), second);
    if (again.values_read != data_file_values || again.bad_line != 0) std::abort();
    if (!(first == second)) std::abort();
  }
  return 0;
}
