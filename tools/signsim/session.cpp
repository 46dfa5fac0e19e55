#include "tools/signsim/session.h"

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <exception>
#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include "tools/signsim/line_assembler.h"
#include "tools/signsim/sign_commands.h"
#include "tools/signsim/stop_signal.h"

namespace kyz::signsim {
namespace {

enum class Wait { ready, stopped, failed };

// Waits until `fd` is ready for `events` or a stop is requested.
Wait wait_for(int fd, short events) {
  for (;;) {
    pollfd fds[2] = {{fd, events, 0}, {stop_wake_fd(), POLLIN, 0}};
    const int n = poll(fds, 2, -1);
    if (n < 0) {
      if (errno == EINTR) continue;
      return Wait::failed;
    }
    if (fds[1].revents) return Wait::stopped;
    if (fds[0].revents) return Wait::ready;
  }
}

// Sleeps `ms`, waking early only for a stop. False when stopped.
bool pause_for(int ms) {
  using Clock = std::chrono::steady_clock;
  const auto deadline = Clock::now() + std::chrono::milliseconds(ms);
  for (;;) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
    if (stop_requested()) return false;
    if (left <= 0) return true;
    pollfd wake{stop_wake_fd(), POLLIN, 0};
    if (poll(&wake, 1, static_cast<int>(left)) > 0) return false;
  }
}

// Writes all of `bytes`. False when the peer is gone, I/O failed or a stop came.
bool write_all(int fd, bool is_socket, std::string_view bytes, bool& stopped) {
  while (!bytes.empty()) {
    const ssize_t n = is_socket ? send(fd, bytes.data(), bytes.size(), MSG_NOSIGNAL)
                                : write(fd, bytes.data(), bytes.size());
    if (n > 0) {
      bytes.remove_prefix(static_cast<std::size_t>(n));
      continue;
    }
    if (n < 0 && errno == EINTR) continue;
    if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
      const Wait w = wait_for(fd, POLLOUT);
      if (w == Wait::ready) continue;
      stopped = w == Wait::stopped;
      return false;
    }
    return false;
  }
  return true;
}

// The sign's answer to `line`. Whatever the line holds, the sign answers: should the
// parser ever fail on input nobody foresaw, the line is treated as not understood
// rather than ending the program.
std::string answer_safely(Sign& sign, const std::string& line, const std::string& channel,
                          ActivityLog& log) {
  try {
    std::lock_guard lock(sign.mutex);
    std::string reply = answer_line(sign.state, line);
    if (reply == reply_accepted) publish_state(sign);
    return reply;
  } catch (const std::exception& failure) {
    log.note(channel, std::string("could not parse the line: ") + failure.what());
    return std::string(reply_command_error);
  }
}

}  // namespace

void publish_state(const Sign& sign) {
  if (sign.state_file.empty()) return;
  // Through a temporary file, so a reader never sees half a report.
  const std::string temporary = sign.state_file + ".tmp";
  if (std::FILE* out = std::fopen(temporary.c_str(), "wb")) {
    const std::string report = state_report(sign.state);
    const bool written = std::fwrite(report.data(), 1, report.size(), out) == report.size();
    if (std::fclose(out) == 0 && written) std::rename(temporary.c_str(), sign.state_file.c_str());
  }
}

const char* describe(SessionEnd end) {
  switch (end) {
    case SessionEnd::peer_closed: return "closed by the peer";
    case SessionEnd::closed_by_fault: return "closed by the fault plan";
    case SessionEnd::stopped: return "stopped";
    case SessionEnd::failed: return "ended by an I/O error";
  }
  return "ended";
}

SessionEnd serve_session(int fd, bool is_socket, const std::string& channel, int number, Sign& sign,
                         const SessionContext& context) {
  fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) | O_NONBLOCK);
  if (context.faults.closes_on_connect(number)) {
    // --delay-ms lets the peer see its connect complete before the close arrives.
    if (!pause_for(context.faults.delay_ms)) return SessionEnd::stopped;
    return SessionEnd::closed_by_fault;
  }
  LineAssembler assembler(context.line_limit);
  long command_number = 0;
  char chunk[4096];

  for (;;) {
    const Wait w = wait_for(fd, POLLIN);
    if (w == Wait::stopped) return SessionEnd::stopped;
    if (w == Wait::failed) return SessionEnd::failed;

    const ssize_t n = read(fd, chunk, sizeof chunk);
    if (n == 0) return SessionEnd::peer_closed;
    if (n < 0) {
      if (errno == EINTR || errno == EAGAIN || errno == EWOULDBLOCK) continue;
      // A pseudo-terminal whose other end has gone reports EIO; a reset socket ECONNRESET.
      if (errno == EIO || errno == ECONNRESET) return SessionEnd::peer_closed;
      context.log.note(channel, std::string("read failed: ") + std::strerror(errno));
      return SessionEnd::failed;
    }
    const std::string_view received(chunk, static_cast<std::size_t>(n));
    context.log.raw(received);

    for (const AssembledLine& line : assembler.feed(received)) {
      ++command_number;
      context.log.received(channel, line.text);
      std::string reply;
      if (line.overlong()) {
        context.log.note(channel, "line longer than " + std::to_string(context.line_limit) + " bytes, " +
                                      std::to_string(line.dropped) + " bytes dropped");
        reply = std::string(reply_command_error);
      } else {
        reply = answer_safely(sign, line.text, channel, context.log);
      }
      for (const AnswerStep& step : plan_answer(context.faults, number, command_number, reply)) {
        switch (step.kind) {
          case AnswerStep::Kind::pause:
            if (!pause_for(step.pause_ms)) return SessionEnd::stopped;
            break;
          case AnswerStep::Kind::write: {
            bool stopped = false;
            if (!write_all(fd, is_socket, step.bytes, stopped))
              return stopped ? SessionEnd::stopped : SessionEnd::peer_closed;
            context.log.sent(channel, step.bytes);
            break;
          }
          case AnswerStep::Kind::close:
            return SessionEnd::closed_by_fault;
        }
      }
    }
  }
}

}  // namespace kyz::signsim
