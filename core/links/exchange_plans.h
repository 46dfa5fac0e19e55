// The two conversations a tool holds with a sign, as lists of paced steps: the
// all-items send of a settings record and the maintenance read-back.
#pragma once

#include <string>
#include <vector>

#include "core/links/paced_exchange.h"
#include "core/settings/edition.h"
#include "core/settings/settings_record.h"

namespace kyz {

// schedule: no command goes sooner after the previous one than the programs' timed
// sequences send it (titles every 500 ms, settings every 100 ms, read-back requests
// every 300 ms). answer: each command goes as soon as the previous one is answered.
enum class Pace { schedule, answer };

struct ExchangePlan {
  std::vector<ExchangeStep> steps;
  // Steps the program would refuse and not send (a title that cannot be converted, a
  // page with both colours blank), each as "step N: message".
  std::vector<std::string> refusals;
};

// The all-items send of `record` as `program` sends it ("全項目設定").
ExchangePlan all_items_plan(const SettingsRecord& record, Edition program, Pace pace);

// The read-back requests as `program` sends them over the chosen link ("読み込み").
ExchangePlan readback_plan(Edition program, bool over_tcp, Pace pace);

}  // namespace kyz
