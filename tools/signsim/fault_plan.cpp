#include "tools/signsim/fault_plan.h"

#include <algorithm>

namespace kyz::signsim {

bool FaultPlan::hits(int channel, long number) const {
  if (fault_channel != 0 && channel != fault_channel) return false;
  return on_commands.empty() || on_commands.contains(number);
}

namespace {

AnswerStep pause(int ms) { return {AnswerStep::Kind::pause, ms, {}}; }
AnswerStep write(std::string bytes) { return {AnswerStep::Kind::write, 0, std::move(bytes)}; }
AnswerStep close_step() { return {AnswerStep::Kind::close, 0, {}}; }

// `wire` in `parts` pieces of nearly equal size (never an empty piece), paused between.
void append_split(std::vector<AnswerStep>& steps, const std::string& wire, int parts, int pause_ms) {
  const std::size_t count = std::clamp<std::size_t>(static_cast<std::size_t>(std::max(parts, 1)), 1,
                                                    std::max<std::size_t>(wire.size(), 1));
  std::size_t start = 0;
  for (std::size_t i = 0; i < count; ++i) {
    const std::size_t end = wire.size() * (i + 1) / count;
    if (i > 0 && pause_ms > 0) steps.push_back(pause(pause_ms));
    steps.push_back(write(wire.substr(start, end - start)));
    start = end;
  }
}

}  // namespace

std::vector<AnswerStep> plan_answer(const FaultPlan& plan, int channel, long number,
                                    std::string_view reply) {
  std::vector<AnswerStep> steps;
  if (!plan.hits(channel, number)) {
    steps.push_back(write(std::string(reply) + "\r\n"));
  } else {
    std::string wire = (plan.error_reply ? *plan.error_reply : std::string(reply)) + "\r\n";
    if (plan.answer_twice) wire += wire;
    if (plan.silent) wire.clear();
    if (plan.close_mid_answer && !wire.empty()) {
      // Cut inside the answer: at least one byte goes out, never the last LF.
      wire.resize(std::max<std::size_t>(wire.size() / 2, 1));
    }
    if (plan.delay_ms > 0) steps.push_back(pause(plan.delay_ms));
    if (plan.flood_bytes > 0)
      steps.push_back(write(std::string(static_cast<std::size_t>(plan.flood_bytes), flood_filler)));
    if (!wire.empty()) append_split(steps, wire, plan.split_parts, plan.split_pause_ms);
    if (plan.close_mid_answer) {
      steps.push_back(close_step());
      return steps;
    }
  }

  const bool closing_channel = plan.fault_channel == 0 || plan.fault_channel == channel;
  if (closing_channel && plan.close_after > 0 && number == plan.close_after) steps.push_back(close_step());
  return steps;
}

}  // namespace kyz::signsim
