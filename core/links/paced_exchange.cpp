#include "core/links/paced_exchange.h"

#include <algorithm>
#include <cstdio>
#include <utility>

#include "core/protocol/readback.h"

namespace kyz {
namespace {

struct ErrorAnswer {
  std::string_view reply;
  const char* meaning;
};

// The sign's error replies and what each says.
constexpr ErrorAnswer error_answers[] = {
    {"GN", "Mode Error"},      {"MENU", "Menu Display"},   {"E0", "Framing Error"},
    {"E1", "Parity Error"},    {"E2", "Over Run Error"},   {"E3", "Command Error"},
};

std::string_view without_line_end(std::string_view text) {
  if (text.ends_with('\n')) text.remove_suffix(1);
  if (text.ends_with('\r')) text.remove_suffix(1);
  return text;
}

// The reply a read-back request asks for begins with the request minus its "R"
// ("RPTSS" -> "PTSS", "RCA07" -> "CA07", "RRCA" -> "RCA").
std::string_view expected_reply_prefix(std::string_view request) {
  request = without_line_end(request);
  if (request.starts_with('R')) request.remove_prefix(1);
  return request;
}

const char* error_meaning(std::string_view answer) {
  for (const ErrorAnswer& error : error_answers) {
    if (answer == error.reply) return error.meaning;
  }
  return nullptr;
}

}  // namespace

std::string printable_excerpt(std::string_view text, std::size_t limit) {
  text = without_line_end(text);
  std::string shown;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (shown.size() >= limit) {
      shown += "...";
      break;
    }
    const auto c = static_cast<unsigned char>(text[i]);
    if (c >= 0x20 && c < 0x7F) {
      shown += static_cast<char>(c);
    } else {
      char hex[8];
      std::snprintf(hex, sizeof hex, "\\x%02X", c);
      shown += hex;
    }
  }
  return shown;
}

PacedExchange::PacedExchange(std::vector<ExchangeStep> steps, AnswerKind kind,
                             Millis answer_timeout_ms, SettingsRecord* readback_into)
    : steps_(std::move(steps)), kind_(kind), answer_timeout_ms_(answer_timeout_ms),
      record_(readback_into) {}

std::optional<std::string> PacedExchange::command_due(Millis now) {
  if (finished() || in_flight_) return std::nullopt;
  const ExchangeStep& step = steps_[answered_];
  if (started_ && now < last_sent_ + step.gap_ms) return std::nullopt;
  if (!started_) {
    started_ = true;
    first_sent_ = now;
  }
  in_flight_ = true;
  last_sent_ = now;
  last_event_ = now;
  partial_.clear();
  return step.command;
}

Millis PacedExchange::wait_ms(Millis now) const {
  if (finished()) return -1;
  const Millis due = in_flight_ ? last_sent_ + answer_timeout_ms_
                     : started_ ? last_sent_ + steps_[answered_].gap_ms
                                : now;
  return std::max<Millis>(0, due - now);
}

void PacedExchange::received(std::string_view bytes, Millis now) {
  if (finished()) return;
  std::size_t start = 0;
  for (std::size_t lf; !finished() && (lf = bytes.find('\n', start)) != std::string_view::npos;
       start = lf + 1) {
    if (partial_.size() + (lf + 1 - start) > longest_answer) {
      fail("more than " + std::to_string(longest_answer) + " bytes without a line end after \"" +
               printable_excerpt(current_command()) + "\"",
           now);
      return;
    }
    partial_.append(bytes.substr(start, lf + 1 - start));
    const std::string line = std::move(partial_);
    partial_.clear();
    take_line(line, now);
  }
  if (finished() || start >= bytes.size()) return;
  if (partial_.size() + (bytes.size() - start) > longest_answer) {
    fail("more than " + std::to_string(longest_answer) + " bytes without a line end after \"" +
             printable_excerpt(current_command()) + "\"",
         now);
    return;
  }
  partial_.append(bytes.substr(start));
}

void PacedExchange::take_line(std::string_view line, Millis now) {
  const std::string_view answer = without_line_end(line);
  if (!in_flight_) {
    fail("the sign sent \"" + printable_excerpt(answer, 40) + "\" when no answer was due (after \"" +
             printable_excerpt(answered_ > 0 ? steps_[answered_ - 1].command : "") + "\")",
         now);
    return;
  }
  const std::string& command = steps_[answered_].command;
  bool wanted = false;
  if (kind_ == AnswerKind::accepted) {
    wanted = answer == "GO";
  } else if (answer.starts_with(expected_reply_prefix(command)) && !error_meaning(answer)) {
    wanted = true;
    if (record_) decode_readback_reply(line, *record_);
  }
  if (wanted) {
    in_flight_ = false;
    ++answered_;
    last_event_ = now;
    return;
  }
  if (const char* meaning = error_meaning(answer)) {
    fail("\"" + printable_excerpt(command) + "\" answered " + std::string(answer) + " (" + meaning + ")",
         now);
  } else {
    fail("\"" + printable_excerpt(command) + "\" answered something else: \"" +
             printable_excerpt(answer, 40) + "\"",
         now);
  }
}

void PacedExchange::link_lost(std::string_view why, Millis now) {
  if (finished()) return;
  std::string text(why);
  if (in_flight_) {
    text += partial_.empty() ? " while waiting for the answer to \"" : " in the middle of the answer to \"";
    text += printable_excerpt(current_command()) + "\"";
    if (!partial_.empty()) text += " (received \"" + printable_excerpt(partial_, 40) + "\")";
  } else {
    text += " before \"" + printable_excerpt(current_command()) + "\"";
  }
  fail(std::move(text), now);
}

void PacedExchange::write_failed(std::string_view why, Millis now) {
  if (finished()) return;
  fail("\"" + printable_excerpt(current_command()) + "\" could not be sent: " + std::string(why), now);
}

void PacedExchange::check_timeout(Millis now) {
  if (finished() || !in_flight_ || now < last_sent_ + answer_timeout_ms_) return;
  char seconds[32];
  std::snprintf(seconds, sizeof seconds, "%.1f", static_cast<double>(answer_timeout_ms_) / 1000.0);
  std::string text = "no answer to \"" + printable_excerpt(current_command()) + "\" within " + seconds + " s";
  if (!partial_.empty()) text += " (received \"" + printable_excerpt(partial_, 40) + "\" without a line end)";
  fail(std::move(text), now);
}

std::vector<std::string> PacedExchange::unanswered() const {
  std::vector<std::string> commands;
  for (std::size_t i = answered_; i < steps_.size(); ++i) {
    commands.push_back(std::string(without_line_end(steps_[i].command)));
  }
  return commands;
}

std::string PacedExchange::current_command() const {
  if (answered_ >= steps_.size()) return {};
  return std::string(without_line_end(steps_[answered_].command));
}

void PacedExchange::fail(std::string text, Millis now) {
  failed_ = true;
  in_flight_ = false;
  last_event_ = now;
  if (!started_) {
    started_ = true;
    first_sent_ = now;
  }
  failure_ = std::move(text);
}

}  // namespace kyz
