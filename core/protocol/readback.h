// The maintenance read-back: the requests in the order they are sent, and the decoders
// that store each reply into the settings record.
//
// A read-back reply repeats the layout of the setting's own command. Decoders store
// what the characters give without range checks and never set `modified`; positions
// past the end of the received line read as NUL, so a short reply never reads beyond
// what arrived.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/settings/edition.h"
#include "core/settings/settings_record.h"

namespace kyz {

// Runs the decoder of the first read-back prefix the reply begins with (tested in a
// fixed order) and returns that prefix; empty when none matches and nothing changed.
std::string_view decode_readback_reply(std::string_view reply,
                                       SettingsRecord& record = settings);

// The prefix of the last reply of the read-back, after which the "読み込み完了" box
// is shown.
inline constexpr std::string_view last_readback_prefix = "TSR";

// The requests of the maintenance read-back, each with CR LF: "RCA01".."RCA32", then
// the 21 setting requests ending with "RTSR". kyz424lx over TCP/IP asks "RTSR" a
// second time; kyz424 never does.
std::vector<std::string> readback_requests(Edition program, bool over_tcp);

}  // namespace kyz
