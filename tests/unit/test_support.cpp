#include "tests/unit/test_support.h"

#include <atomic>
#include <chrono>

#include "core/settings/file_io.h"

namespace kyz::test {

std::string utf8_path(const std::filesystem::path& p) {
  const std::u8string s = p.u8string();
  return std::string(s.begin(), s.end());
}

static std::filesystem::path from_utf8(const std::string& s) {
  return std::filesystem::path(std::u8string(s.begin(), s.end()));
}

ScratchFolder::ScratchFolder() {
  static std::atomic<int> counter{0};
  const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
  path_ = std::filesystem::temp_directory_path() /
          ("kyz424-test-" + std::to_string(stamp) + "-" + std::to_string(counter++));
  std::filesystem::create_directories(path_);
}

ScratchFolder::~ScratchFolder() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

std::string ScratchFolder::file(const std::string& name) const {
  return utf8_path(path_ / from_utf8(name));
}

std::string read_bytes(const std::string& path) {
  std::string bytes;
  read_whole_file(path, bytes);
  return bytes;
}

void write_bytes(const std::string& path, const std::string& bytes) { replace_file(path, bytes); }

}  // namespace kyz::test
