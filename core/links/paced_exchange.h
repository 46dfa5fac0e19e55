// One conversation with one sign: a list of commands, each sent only after the sign has
// answered the one before, never sooner than its gap after the previous command, and
// given up when its answer does not come in time.
//
// The exchange does no I/O and reads no clock: the caller passes the time, writes the
// commands it hands out and feeds back what the link received. So one loop can drive
// any number of them (serial line, one TCP connection, a fleet of adapters), and the
// rules are tested without a sign.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/settings/settings_record.h"

namespace kyz {

using Millis = std::int64_t;

inline constexpr Millis default_answer_timeout_ms = 3500;
// The longest line a sign may answer with (the title reply has 398 bytes); more bytes
// without LF are a flood, not an answer.
inline constexpr std::size_t longest_answer = 1024;

struct ExchangeStep {
  std::string command;  // whole command with CR LF
  Millis gap_ms = 0;    // least time after the previous command was sent
};

// What a command waits for: "GO" (a setting), or the reply of a read-back request,
// which is stored into a record.
enum class AnswerKind { accepted, readback };

class PacedExchange {
 public:
  // `readback_into` receives the decoded read-back replies (AnswerKind::readback only).
  PacedExchange(std::vector<ExchangeStep> steps, AnswerKind kind, Millis answer_timeout_ms,
                SettingsRecord* readback_into = nullptr);

  // The command to write now, if one is due at `now`; it counts as sent at `now`. The
  // first command is due at the first call.
  std::optional<std::string> command_due(Millis now);
  // Milliseconds from `now` until a command falls due or an answer times out; 0 when
  // something is due already; -1 once finished.
  Millis wait_ms(Millis now) const;
  // Bytes the link received.
  void received(std::string_view bytes, Millis now);
  // The link ended (peer closed, read failed); `why` names it.
  void link_lost(std::string_view why, Millis now);
  // The link could not carry the command handed out (write failed).
  void write_failed(std::string_view why, Millis now);
  // Gives up on an answer whose time has passed.
  void check_timeout(Millis now);

  bool finished() const { return failed_ || answered_ == steps_.size(); }
  bool succeeded() const { return !failed_ && answered_ == steps_.size(); }
  int answered() const { return static_cast<int>(answered_); }
  int total() const { return static_cast<int>(steps_.size()); }
  // Why the exchange stopped, naming the command concerned; empty while it goes well.
  const std::string& failure() const { return failure_; }
  // The commands that were not answered as wanted, in order (the failed one first).
  std::vector<std::string> unanswered() const;
  // Time from the first command to the last answer (or to the failure).
  Millis elapsed_ms() const { return started_ ? last_event_ - first_sent_ : 0; }
  // The command currently sent or next to go, without CR LF ("" when finished).
  std::string current_command() const;

 private:
  void take_line(std::string_view line, Millis now);
  void fail(std::string text, Millis now);

  std::vector<ExchangeStep> steps_;
  AnswerKind kind_;
  Millis answer_timeout_ms_;
  SettingsRecord* record_;
  std::size_t answered_ = 0;
  bool in_flight_ = false;  // steps_[answered_] is sent and its answer is due
  bool failed_ = false;
  bool started_ = false;
  Millis first_sent_ = 0;
  Millis last_sent_ = 0;
  Millis last_event_ = 0;
  std::string partial_;  // bytes of an answer without its LF yet
  std::string failure_;
};

// A command or a line from the sign as it can be shown in one line of a report: without
// CR LF, unprintable bytes as \xNN, cut after `limit` characters.
std::string printable_excerpt(std::string_view text, std::size_t limit = 24);

}  // namespace kyz
