#include "tools/signsim/factory_file.h"

#include "tools/signsim/sign_commands.h"

namespace kyz::signsim {

bool apply_factory_commands(std::string_view text, SignState& state, std::string& error) {
  int line_number = 0;
  while (!text.empty()) {
    const std::size_t lf = text.find('\n');
    std::string_view line = text.substr(0, lf);
    text.remove_prefix(lf == std::string_view::npos ? text.size() : lf + 1);
    ++line_number;
    if (line.ends_with('\r')) line.remove_suffix(1);
    if (line.empty() || line.starts_with('#')) continue;
    if (answer_command(state, line) != reply_accepted) {
      error = "line " + std::to_string(line_number) + " is not a setting the sign accepts: " +
              std::string(line.substr(0, 40));
      return false;
    }
  }
  return true;
}

}  // namespace kyz::signsim
