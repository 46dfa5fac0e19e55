// The sign's read-back answers: each setting written in the layout of its own command,
// without the closing CR LF.
#pragma once

#include <string>

#include "tools/signsim/sign_state.h"

namespace kyz::signsim {

std::string page_list_reply(const char* mnemonic, const PageLetters& letters);
std::string colour_reply(const SignState& s);          // "PTIC" + 32 pairs
std::string page_number_reply(const SignState& s);     // "P01".."P32" or "PAS"
std::string top_value_reply(const SignState& s);       // "PVT" + 2 digits
std::string bottom_value_reply(const SignState& s);    // "PVB" + 2 digits
std::string clock_size_reply(const SignState& s);      // "TSDO" / "TSDS" / "TSDN"
std::string clock_range_reply(const SignState& s);     // "TSR1".."TSR6"
std::string schedule_hour_reply(const SignState& s);   // "SDTT" + 31 x 4 hours
std::string schedule_page_reply(const SignState& s);   // "SDPT" + 31 x 4 page codes
std::string terminal_input_reply(const SignState& s);  // "CIA" / "CIR"
std::string alarm_mode_reply(const SignState& s);      // "AMI" / "AME"
std::string alarm_polarity_reply(const SignState& s);  // "AICM" / "AICB"
std::string hold_time_reply(const SignState& s);       // "ADT" + 3 digits
std::string alarm_return_reply(const SignState& s);    // "ARF" / "ARB"
std::string remote_mode_reply(const SignState& s);     // "RMBCD" / "RMBIN" / "RMBIT"
// "ACA" or "RCA" + 8 page pairs; "AS" appears as it is held, in either form.
std::string terminal_pages_reply(const char* mnemonic, const SignState& s);
// "CA" + page (01..32) + 98 codes of four hexadecimal digits.
std::string title_reply(const SignState& s, int page);

}  // namespace kyz::signsim
