// Helpers shared by the driver's steps.
#include <cstdio>

#include "core/settings/file_io.h"
#include "tests/e2e/driver/steps.h"

namespace gui_driver {

std::string lookup_environment(const std::string& name) {
  const DWORD n = GetEnvironmentVariableW(widen(name).c_str(), nullptr, 0);
  if (n == 0) throw std::runtime_error("environment variable " + name + " is not set");
  std::wstring value(n, L'\0');
  GetEnvironmentVariableW(widen(name).c_str(), value.data(), n);
  value.resize(n - 1);
  return narrow(value);
}

std::string windows_path(const std::string& path) {
  if (path.empty() || path[0] != '/') return path;
  std::string out = "Z:" + path;
  for (char& c : out) {
    if (c == '/') c = '\\';
  }
  return out;
}

std::chrono::milliseconds seconds(const std::string& word) {
  return std::chrono::milliseconds(static_cast<long long>(std::stod(word) * 1000));
}

int number(const std::string& word) { return std::stoi(word, nullptr, 0); }

const Words& need(const Words& w, std::size_t count) {
  if (w.size() < count + 1) fail(w[0] + " needs " + std::to_string(count) + " argument(s)");
  return w;
}

// kyz424lx's main window class and kyz424's frame class.
std::vector<HWND> main_windows() {
  std::vector<HWND> found;
  for (const wchar_t* window_class : {L"TCP Server", L"KYZ424 Frame"}) {
    HWND w = nullptr;
    while ((w = FindWindowExW(nullptr, w, window_class, nullptr)) != nullptr) found.push_back(w);
  }
  return found;
}

// The program's processes: those the driver started and those showing a main window.
ProcessFilter program_processes(const Context& c) {
  std::vector<DWORD> pids;
  for (const auto& pi : c.started) pids.push_back(pi.dwProcessId);
  for (HWND w : main_windows()) {
    DWORD pid = 0;
    GetWindowThreadProcessId(w, &pid);
    pids.push_back(pid);
  }
  return [pids](DWORD pid) {
    for (DWORD p : pids) {
      if (p == pid) return true;
    }
    return false;
  };
}

std::string read_file(const std::string& path) {
  std::string contents;
  kyz::read_whole_file(windows_path(path), contents);
  return contents;
}

std::string printable(const std::string& bytes) {
  std::string out;
  for (unsigned char b : bytes) {
    if (b == '\r') out += "\\r";
    else if (b == '\n') out += "\\n";
    else if (b < 0x20 || b >= 0x7F) {
      char hex[8];
      std::snprintf(hex, sizeof hex, "\\x%02X", b);
      out += hex;
    } else out += static_cast<char>(b);
  }
  return out;
}

void kill_all() {
  for (HWND w : main_windows()) {
    DWORD pid = 0;
    GetWindowThreadProcessId(w, &pid);
    if (HANDLE p = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, pid)) {
      TerminateProcess(p, 1);
      WaitForSingleObject(p, 5000);
      CloseHandle(p);
    }
  }
}

void append_result(const std::string& path, Clock::duration elapsed) {
  std::FILE* f = _wfopen(widen(windows_path(path)).c_str(), L"ab");
  if (!f) fail("cannot write " + path);
  std::fprintf(f, "%.3f\n", std::chrono::duration<double, std::milli>(elapsed).count());
  std::fclose(f);
}

}  // namespace gui_driver
