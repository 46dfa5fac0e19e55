#include "core/links/exchange_plans.h"

#include "core/protocol/all_items.h"
#include "core/protocol/readback.h"

namespace kyz {
namespace {

constexpr Millis title_period_ms = 500;
constexpr Millis setting_period_ms = 100;
constexpr Millis readback_period_ms = 300;

// When the all-items dialog performs step n, counted from its start.
Millis all_items_step_time(int step) {
  if (step <= all_items_pause_step) return title_period_ms * step;
  return title_period_ms * all_items_pause_step + setting_period_ms * (step - all_items_pause_step);
}

}  // namespace

ExchangePlan all_items_plan(const SettingsRecord& record, Edition program, Pace pace) {
  ExchangePlan plan;
  Millis previous_time = 0;
  for (const AllItemsCommand& command : all_items_commands(record, program)) {
    if (!command.refusal.empty()) {
      plan.refusals.push_back("step " + std::to_string(command.step) + ": " + command.refusal);
      continue;
    }
    const Millis time = all_items_step_time(command.step);
    const Millis gap = plan.steps.empty() || pace == Pace::answer ? 0 : time - previous_time;
    plan.steps.push_back({command.text, gap});
    previous_time = time;
  }
  return plan;
}

ExchangePlan readback_plan(Edition program, bool over_tcp, Pace pace) {
  ExchangePlan plan;
  for (const std::string& request : readback_requests(program, over_tcp)) {
    const Millis gap = plan.steps.empty() || pace == Pace::answer ? 0 : readback_period_ms;
    plan.steps.push_back({request, gap});
  }
  return plan;
}

}  // namespace kyz
