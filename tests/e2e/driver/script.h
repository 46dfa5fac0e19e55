// The driver's script: one step per line, words separated by blanks, "quoted words"
// with \r, \n, \t, \\, \" and \xHH escapes, ${NAME} replaced by the environment
// variable NAME, and # starting a comment line.
#pragma once

#include <string>
#include <vector>

namespace gui_driver {

struct Step {
  int line = 0;
  std::vector<std::string> words;  // UTF-8
};

// Splits a script text into steps; throws std::runtime_error on a malformed line.
std::vector<Step> parse_script(const std::string& text,
                               std::string (*lookup)(const std::string& name));

}  // namespace gui_driver
