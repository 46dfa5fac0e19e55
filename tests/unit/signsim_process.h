// Runs signsim as a separate process for tests and talks to it as the tool would: over
// loopback TCP or a pseudo-terminal. Every wait has a deadline; nothing sleeps blindly.
#pragma once

#include <chrono>
#include <string>
#include <vector>

namespace kyz::signsim_test {

using namespace std::chrono_literals;
using Millis = std::chrono::milliseconds;

// A fresh folder under the temporary directory, removed with the object.
class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  std::string file(const std::string& name) const { return path_ + "/" + name; }

 private:
  std::string path_;
};

// The contents of `path`, or "" when it cannot be read.
std::string read_file(const std::string& path);
// Waits until `path` exists and is not empty; its contents, or "" at the deadline.
std::string wait_for_file(const std::string& path, Millis timeout = 5000ms);
// Waits until the file at `path` contains `text`.
bool wait_for_text(const std::string& path, const std::string& text, Millis timeout = 5000ms);

class SignProcess {
 public:
  // Starts signsim with `args`.
  explicit SignProcess(const std::vector<std::string>& args);
  ~SignProcess();  // SIGKILL if still running
  SignProcess(const SignProcess&) = delete;
  SignProcess& operator=(const SignProcess&) = delete;

  // Sends SIGTERM and waits for the exit; the exit status, or -1 at the deadline.
  int stop(Millis timeout = 5000ms);
  // The same with SIGINT, as Ctrl+C at a terminal.
  int interrupt(Millis timeout = 5000ms);
  // Waits for the process to end by itself; the exit status, or -1 at the deadline.
  int wait_exit(Millis timeout = 5000ms);

 private:
  int pid_ = -1;
};

// A connected descriptor (socket or terminal) with deadline-bound I/O.
class Line {
 public:
  explicit Line(int fd) : fd_(fd) {}
  ~Line();
  Line(Line&& other) noexcept : fd_(other.fd_) { other.fd_ = -1; }
  Line(const Line&) = delete;
  Line& operator=(const Line&) = delete;

  bool valid() const { return fd_ >= 0; }
  int fd() const { return fd_; }
  void send(const std::string& bytes);
  // Bytes until one ending with LF has been read, the peer closes, or the deadline;
  // whatever arrived by then.
  std::string read_line(Millis timeout = 3000ms);
  // Exactly `count` bytes unless the peer closes or the deadline passes.
  std::string read_bytes(std::size_t count, Millis timeout = 3000ms);
  // Whatever arrives within `window` (used to show that nothing comes).
  std::string read_for(Millis window);
  // What one read returns within `timeout` ("" when nothing came).
  std::string read_once(Millis timeout = 3000ms);
  // True once the peer has closed the connection (within `timeout`), after draining.
  bool peer_closed(Millis timeout = 3000ms);
  // Sends `command` with CR LF and returns the reply line.
  std::string ask(const std::string& command, Millis timeout = 3000ms);

 private:
  int fd_;
};

Line connect_tcp(int port, Millis timeout = 5000ms);
// A listening socket on 127.0.0.1 at `port`, or at a free port when `port` is 0;
// `port` receives the port. -1 when the port is taken.
int listen_tcp(int& port);
// Accepts one connection within `timeout`.
Line accept_tcp(int listen_fd, Millis timeout = 5000ms);
// Opens a terminal device raw.
Line open_terminal(const std::string& path);

// The serial rig: scripts/pty-pair's socat pair in `folder`, ended with the object.
class PtyPair {
 public:
  explicit PtyPair(const std::string& folder);
  ~PtyPair();
  PtyPair(const PtyPair&) = delete;
  PtyPair& operator=(const PtyPair&) = delete;
  bool valid() const { return socat_pid_ > 0; }
  std::string app_end() const { return folder_ + "/com_app"; }
  std::string sign_end() const { return folder_ + "/com_sign"; }

 private:
  std::string folder_;
  int socat_pid_ = -1;
};

bool socat_installed();
std::string signsim_path();
std::string pty_pair_script();

}  // namespace kyz::signsim_test
