#include "tools/kyz424ctl/console.h"

#include <cstdio>

#ifdef _WIN32
#include <io.h>
#define KYZ_ISATTY _isatty
#define KYZ_FILENO _fileno
#else
#include <unistd.h>
#define KYZ_ISATTY isatty
#define KYZ_FILENO fileno
#endif

namespace kyz::ctl {
namespace {

std::size_t shown_width = 0;

bool on_terminal() {
  static const bool terminal = KYZ_ISATTY(KYZ_FILENO(stderr)) != 0;
  return terminal;
}

}  // namespace

int report(const std::string& text, int status) {
  end_progress();
  std::fprintf(stderr, "kyz424ctl: %s\n", text.c_str());
  return status;
}

void show_progress(const std::string& text) {
  if (!on_terminal()) return;
  std::string line = "\r" + text;
  if (text.size() < shown_width) line.append(shown_width - text.size(), ' ');
  shown_width = text.size();
  std::fputs(line.c_str(), stderr);
  std::fflush(stderr);
}

void end_progress() {
  if (shown_width == 0) return;
  std::fprintf(stderr, "\r%*s\r", static_cast<int>(shown_width), "");
  std::fflush(stderr);
  shown_width = 0;
}

std::string seconds_text(long long ms) {
  char text[32];
  std::snprintf(text, sizeof text, "%.1f s", static_cast<double>(ms) / 1000.0);
  return text;
}

}  // namespace kyz::ctl
