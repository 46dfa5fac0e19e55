// Any bytes as the sign's title read-back reply ("CA" is put in front, as the reply
// handlers call the decoder only for replies that begin with it).
//
// The decoder must write only the page the reply names, leave a title of whole
// double-byte characters that fits the wire, and that title must survive the trip
// through the title command and back (but for trailing full-width spaces, which the
// command adds as padding anyway).
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

#include "core/protocol/title_command.h"
#include "core/settings/settings_record.h"
#include "fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace kyz;
  const std::string reply = "CA" + std::string(reinterpret_cast<const char*>(data), size);

  SettingsRecord record;
  reset_settings(record);
  const std::string untouched = "\x82\xa0";  // あ, on every page beforehand
  for (std::string& title : record.title) title = untouched;
  title_reply_decoder(reply, record);
  fuzz::check_titles(record);

  int changed = -1;
  for (int page = 0; page < page_count; ++page) {
    if (record.title[page] == untouched) continue;
    if (changed != -1) std::abort();  // one reply, one page
    changed = page;
  }
  if (changed == -1) return 0;
  const int named = (reply[2] - '0') * 10 + (reply[3] - '0') - 1;
  if (changed != named) std::abort();

  // What was read back can be sent again, and reads back as itself. A code the decoder
  // cannot convert ends the text where it stands, so full-width spaces before it stay
  // in the title; sent again they are padding and do not come back.
  const std::string title = record.title[changed];
  std::string trimmed = title;
  while (trimmed.size() >= 2 && trimmed.ends_with(full_width_space)) trimmed.resize(trimmed.size() - 2);
  const std::optional<std::string> command = title_command(title, changed, true);
  if (!command || command->size() != title_command_length) std::abort();
  SettingsRecord again;
  reset_settings(again);
  title_reply_decoder(*command, again);
  if (again.title[changed] != trimmed) std::abort();
  return 0;
}
