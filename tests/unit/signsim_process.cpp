#include "tests/unit/signsim_process.h"

#include <arpa/inet.h>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <netinet/in.h>
#include <poll.h>
#include <sstream>
#include <sys/socket.h>
#include <sys/wait.h>
#include <termios.h>
#include <thread>
#include <unistd.h>

namespace kyz::signsim_test {
namespace {

using Clock = std::chrono::steady_clock;

int left_ms(Clock::time_point deadline) {
  const auto left = std::chrono::duration_cast<Millis>(deadline - Clock::now()).count();
  return left > 0 ? static_cast<int>(left) : 0;
}

// Polls until a condition holds or the deadline passes, checking every 10 ms.
template <typename Condition>
bool eventually(Condition condition, Millis timeout) {
  const auto deadline = Clock::now() + timeout;
  for (;;) {
    if (condition()) return true;
    if (Clock::now() >= deadline) return false;
    std::this_thread::sleep_for(10ms);
  }
}

}  // namespace

std::string signsim_path() { return SIGNSIM_PATH; }
std::string pty_pair_script() { return PTY_PAIR_SCRIPT; }

bool socat_installed() { return std::system("command -v socat >/dev/null 2>&1") == 0; }

PtyPair::PtyPair(const std::string& folder) : folder_(folder) {
  FILE* script = popen((pty_pair_script() + " " + folder).c_str(), "r");
  if (!script) return;
  if (std::fscanf(script, "%d", &socat_pid_) != 1) socat_pid_ = -1;
  if (pclose(script) != 0) socat_pid_ = -1;
}

PtyPair::~PtyPair() {
  if (socat_pid_ > 0) kill(socat_pid_, SIGTERM);
}

TempFolder::TempFolder() {
  std::string pattern = (std::filesystem::temp_directory_path() / "signsim-test-XXXXXX").string();
  path_ = mkdtemp(pattern.data()) ? pattern : std::string();
}

TempFolder::~TempFolder() {
  std::error_code ignored;
  if (!path_.empty()) std::filesystem::remove_all(path_, ignored);
}

std::string read_file(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

std::string wait_for_file(const std::string& path, Millis timeout) {
  std::string text;
  eventually([&] { return !(text = read_file(path)).empty(); }, timeout);
  return text;
}

bool wait_for_text(const std::string& path, const std::string& text, Millis timeout) {
  return eventually([&] { return read_file(path).find(text) != std::string::npos; }, timeout);
}

SignProcess::SignProcess(const std::vector<std::string>& args) {
  std::vector<std::string> argv_text = {signsim_path()};
  argv_text.insert(argv_text.end(), args.begin(), args.end());
  std::vector<char*> argv;
  for (auto& a : argv_text) argv.push_back(a.data());
  argv.push_back(nullptr);
  pid_ = fork();
  if (pid_ == 0) {
    execv(argv[0], argv.data());
    _exit(127);
  }
}

SignProcess::~SignProcess() {
  if (pid_ > 0) {
    kill(pid_, SIGKILL);
    waitpid(pid_, nullptr, 0);
  }
}

int SignProcess::wait_exit(Millis timeout) {
  if (pid_ <= 0) return -1;
  int status = 0;
  if (!eventually([&] { return waitpid(pid_, &status, WNOHANG) == pid_; }, timeout)) return -1;
  pid_ = -1;
  return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

int SignProcess::stop(Millis timeout) {
  if (pid_ <= 0) return -1;
  kill(pid_, SIGTERM);
  return wait_exit(timeout);
}

int SignProcess::interrupt(Millis timeout) {
  if (pid_ <= 0) return -1;
  kill(pid_, SIGINT);
  return wait_exit(timeout);
}

Line::~Line() {
  if (fd_ >= 0) close(fd_);
}

void Line::send(const std::string& bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::send(fd_, bytes.data() + done, bytes.size() - done, MSG_NOSIGNAL);
    if (n < 0 && errno == ENOTSOCK) {
      const ssize_t w = write(fd_, bytes.data() + done, bytes.size() - done);
      if (w <= 0) return;
      done += static_cast<std::size_t>(w);
      continue;
    }
    if (n <= 0) return;
    done += static_cast<std::size_t>(n);
  }
}

std::string Line::read_once(Millis timeout) {
  pollfd p{fd_, POLLIN, 0};
  if (poll(&p, 1, static_cast<int>(timeout.count())) <= 0) return {};
  char chunk[65536];
  const ssize_t n = read(fd_, chunk, sizeof chunk);
  return n > 0 ? std::string(chunk, static_cast<std::size_t>(n)) : std::string();
}

std::string Line::read_line(Millis timeout) {
  const auto deadline = Clock::now() + timeout;
  std::string text;
  while (text.empty() || text.back() != '\n') {
    pollfd p{fd_, POLLIN, 0};
    if (poll(&p, 1, left_ms(deadline)) <= 0) break;
    char byte;
    if (read(fd_, &byte, 1) != 1) break;
    text += byte;
  }
  return text;
}

std::string Line::read_bytes(std::size_t count, Millis timeout) {
  const auto deadline = Clock::now() + timeout;
  std::string text;
  char chunk[65536];
  while (text.size() < count) {
    pollfd p{fd_, POLLIN, 0};
    if (poll(&p, 1, left_ms(deadline)) <= 0) break;
    const ssize_t n = read(fd_, chunk, std::min(sizeof chunk, count - text.size()));
    if (n <= 0) break;
    text.append(chunk, static_cast<std::size_t>(n));
  }
  return text;
}

std::string Line::read_for(Millis window) {
  const auto deadline = Clock::now() + window;
  std::string text;
  char chunk[4096];
  for (;;) {
    pollfd p{fd_, POLLIN, 0};
    if (poll(&p, 1, left_ms(deadline)) <= 0) break;
    const ssize_t n = read(fd_, chunk, sizeof chunk);
    if (n <= 0) break;
    text.append(chunk, static_cast<std::size_t>(n));
  }
  return text;
}

bool Line::peer_closed(Millis timeout) {
  const auto deadline = Clock::now() + timeout;
  char chunk[4096];
  for (;;) {
    pollfd p{fd_, POLLIN, 0};
    if (poll(&p, 1, left_ms(deadline)) <= 0) return false;
    const ssize_t n = read(fd_, chunk, sizeof chunk);
    if (n == 0 || (n < 0 && errno == ECONNRESET)) return true;
    if (n < 0) return false;
  }
}

std::string Line::ask(const std::string& command, Millis timeout) {
  send(command + "\r\n");
  return read_line(timeout);
}

Line connect_tcp(int port, Millis timeout) {
  const auto deadline = Clock::now() + timeout;
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  address.sin_port = htons(static_cast<uint16_t>(port));
  for (;;) {
    const int fd = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0) return Line(fd);
    close(fd);
    if (Clock::now() >= deadline) return Line(-1);
    std::this_thread::sleep_for(10ms);
  }
}

int listen_tcp(int& port) {
  const int fd = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  const int on = 1;
  setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  address.sin_port = htons(static_cast<uint16_t>(port));
  if (bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 || listen(fd, 128) != 0) {
    close(fd);
    return -1;
  }
  socklen_t length = sizeof address;
  getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length);
  port = ntohs(address.sin_port);
  return fd;
}

Line accept_tcp(int listen_fd, Millis timeout) {
  pollfd p{listen_fd, POLLIN, 0};
  if (poll(&p, 1, static_cast<int>(timeout.count())) <= 0) return Line(-1);
  return Line(accept4(listen_fd, nullptr, nullptr, SOCK_CLOEXEC));
}

Line open_terminal(const std::string& path) {
  const int fd = open(path.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) return Line(-1);
  termios mode{};
  tcgetattr(fd, &mode);
  cfmakeraw(&mode);
  tcsetattr(fd, TCSANOW, &mode);
  return Line(fd);
}

}  // namespace kyz::signsim_test
