// Faults the simulated sign can be told to show, and how they turn one reply into the
// steps that go out on the line: pauses, writes and closing the connection.
#pragma once

#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace kyz::signsim {

struct FaultPlan {
  std::optional<std::string> error_reply;  // replaces the reply, e.g. "E3"
  std::set<long> on_commands;              // command numbers (from 1) that get the faults; empty = all
  int fault_channel = 0;                   // only this channel number gets faults; 0 = every channel
  bool silent = false;                     // no reply at all
  int split_parts = 1;                     // reply written in this many pieces
  int split_pause_ms = 0;                  // pause between the pieces
  int delay_ms = 0;                        // pause before answering, or before closing on connect
  long close_after = 0;                    // close after answering this command; 0 = never
  bool close_mid_answer = false;           // write part of the reply, then close
  bool close_on_connect = false;           // close each connection before reading anything
  long flood_bytes = 0;                    // filler bytes without LF ahead of the reply
  bool answer_twice = false;               // the reply line twice, in one write

  // Whether command `number` on channel `channel` gets the reply faults.
  bool hits(int channel, long number) const;
  // Whether channel `channel` is closed as soon as it is made.
  bool closes_on_connect(int channel) const {
    return close_on_connect && (fault_channel == 0 || fault_channel == channel);
  }
};

struct AnswerStep {
  enum class Kind { pause, write, close };
  Kind kind;
  int pause_ms = 0;
  std::string bytes;

  bool operator==(const AnswerStep&) const = default;
};

inline constexpr char flood_filler = '#';

// The steps that answer command `number` on `channel` whose normal reply (without
// CR LF) is `reply`.
std::vector<AnswerStep> plan_answer(const FaultPlan& plan, int channel, long number,
                                    std::string_view reply);

}  // namespace kyz::signsim
