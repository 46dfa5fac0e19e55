// Page titles on the wire: the "CA" (store) and "CN" (show only) commands, and the
// title read-back reply that comes back in the same layout.
//
// A command carries exactly 98 JIS codes as 4 upper-case hex digits each; the title is
// padded with the full-width space (Shift-JIS 81 40, JIS 2121) to 98 characters.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/settings/settings_record.h"

namespace kyz {

inline constexpr int title_chars = 98;
inline constexpr std::size_t title_wire_bytes = 196;  // Shift-JIS bytes of a padded title
inline constexpr std::size_t title_command_length = 398;
inline constexpr std::string_view full_width_space = "\x81\x40";
inline constexpr const char* title_refusal_message =
    "ＪＩＳ第１水準,第２水準以外の字が選択されてます";

// The title padded to 196 bytes; empty when it cannot be sent (odd length, or longer
// than 196 bytes).
std::optional<std::string> padded_title(std::string_view title);

// The whole command for a padded title and page index 0..31; empty when a character
// cannot be converted.
std::optional<std::string> title_command_from_padded(std::string_view padded, int page,
                                                     bool store);

// Both steps for one title; empty when it cannot be sent.
std::optional<std::string> title_command(std::string_view title, int page, bool store);

// Stages the title of `page` of the settings record for title_text_command. Returns 1
// when it can be sent, 0 when not (then title_text_command refuses too).
int prepare_title(int page);

// Converts the staged title and sends "CA" (store 1) or "CN" (store 0) for `page`.
// Returns 0 when sent, 1 when nothing was sent.
int title_text_command(int store, int page);

// The title buttons of the title dialog: nothing while a timed sequence runs; otherwise
// prepare and send the title of current_page, and on a refusal show the message with
// warning_box.
void send_current_title(bool store);

// Timed sends (all pages, all items): prepare and send page `page` with "CA"; on a
// refusal show the message with warning_box. True when sent.
bool send_title_stored(int page);

// A read-back reply "CA" + page + 392 hex digits: replaces that page's title. Reads at
// most the 392 digits and stops at the first character that is not a hex digit; codes
// missing from a short reply count as spaces. A page number outside 01..32 changes
// nothing.
void title_reply_decoder(std::string_view reply, SettingsRecord& record = settings);

}  // namespace kyz
