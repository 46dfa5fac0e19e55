// What kyz424ctl writes for the operator: one-line results, reports on standard error,
// and a progress line that only a terminal gets.
#pragma once

#include <string>

namespace kyz::ctl {

inline constexpr int exit_ok = 0;
inline constexpr int exit_sign_trouble = 1;  // the link or the sign failed
inline constexpr int exit_trouble = 2;       // bad arguments, or a file that cannot be used

// "kyz424ctl: TEXT" on standard error; returns `status`.
int report(const std::string& text, int status = exit_trouble);

// Rewrites the progress line on standard error when it is a terminal; nothing otherwise.
void show_progress(const std::string& text);
// Removes the progress line, if one is shown.
void end_progress();

std::string seconds_text(long long ms);

}  // namespace kyz::ctl
