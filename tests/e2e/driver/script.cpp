#include "tests/e2e/driver/script.h"

#include <stdexcept>

namespace gui_driver {
namespace {

int hex_value(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

std::string expand(const std::string& word, std::string (*lookup)(const std::string&),
                   int line) {
  std::string out;
  for (std::size_t i = 0; i < word.size(); ++i) {
    if (word[i] == '$' && i + 1 < word.size() && word[i + 1] == '{') {
      const std::size_t end = word.find('}', i);
      if (end == std::string::npos) {
        throw std::runtime_error("line " + std::to_string(line) + ": unclosed ${");
      }
      out += lookup(word.substr(i + 2, end - i - 2));
      i = end;
    } else {
      out += word[i];
    }
  }
  return out;
}

}  // namespace

std::vector<Step> parse_script(const std::string& text,
                               std::string (*lookup)(const std::string&)) {
  std::vector<Step> steps;
  int line_number = 0;
  std::size_t pos = 0;
  while (pos < text.size()) {
    std::size_t end = text.find('\n', pos);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(pos, end - pos);
    pos = end + 1;
    ++line_number;
    Step step{line_number, {}};
    std::size_t i = 0;
    auto fail = [&](const char* what) {
      throw std::runtime_error("line " + std::to_string(line_number) + ": " + what);
    };
    while (i < line.size()) {
      const char c = line[i];
      if (c == ' ' || c == '\t' || c == '\r') {
        ++i;
        continue;
      }
      if (c == '#' && step.words.empty()) break;
      std::string word;
      if (c == '"') {
        ++i;
        bool closed = false;
        while (i < line.size()) {
          char d = line[i++];
          if (d == '"') {
            closed = true;
            break;
          }
          if (d != '\\') {
            word += d;
            continue;
          }
          if (i >= line.size()) fail("escape at the end of the line");
          const char e = line[i++];
          switch (e) {
            case 'r': word += '\r'; break;
            case 'n': word += '\n'; break;
            case 't': word += '\t'; break;
            case '\\': word += '\\'; break;
            case '"': word += '"'; break;
            case 'x': {
              if (i + 1 >= line.size() || hex_value(line[i]) < 0 || hex_value(line[i + 1]) < 0) {
                fail("bad \\x escape");
              }
              word += static_cast<char>(hex_value(line[i]) * 16 + hex_value(line[i + 1]));
              i += 2;
              break;
            }
            default: fail("unknown escape");
          }
        }
        if (!closed) fail("unclosed quote");
      } else {
        while (i < line.size() && line[i] != ' ' && line[i] != '\t' && line[i] != '\r') {
          word += line[i++];
        }
      }
      step.words.push_back(expand(word, lookup, line_number));
    }
    if (!step.words.empty()) steps.push_back(std::move(step));
  }
  return steps;
}

}  // namespace gui_driver
