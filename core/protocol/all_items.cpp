#include "core/protocol/all_items.h"

#include <optional>

#include "core/protocol/send_path.h"
#include "core/protocol/setting_commands.h"
#include "core/protocol/title_command.h"

namespace kyz {
namespace {

using Builder = std::string (*)(const SettingsRecord&);

std::string colour_or_empty(const SettingsRecord& r) { return colour_command(r).value_or(""); }

// Steps 34..53 of kyz424lx.
constexpr Builder lx_settings[] = {
    scroll_speed_command,     page_number_command,    char_level_command,
    background_fill_command,  colour_or_empty,        display_position_command,
    top_value_command,        bottom_value_command,   sequence_page_command,
    clock_size_command,       clock_range_command,    schedule_hour_command,
    schedule_page_command,    terminal_input_command, alarm_mode_command,
    alarm_polarity_command,   alarm_hold_time_command, alarm_return_command,
    remote_mode_command,      alarm_assignment_command,
};

// Steps 34..53 of kyz424.
constexpr Builder mfc_settings[] = {
    scroll_speed_command,     page_number_command,    char_level_command,
    background_fill_command,  colour_or_empty,        display_position_command,
    top_value_command,        bottom_value_command,   sequence_page_command,
    clock_size_command,       clock_range_command,    schedule_page_command,
    schedule_hour_command,    terminal_input_command, alarm_mode_command,
    alarm_polarity_command,   alarm_hold_time_command, alarm_return_command,
    remote_mode_command,      remote_assignment_command,
};

constexpr int first_setting_step = all_items_pause_step + 1;
constexpr int colour_step = 38;

}  // namespace

AllItemsCommand all_items_step(int step, const SettingsRecord& record, Edition program) {
  AllItemsCommand command;
  command.step = step;
  if (step >= 1 && step <= page_count) {
    const std::optional<std::string> text = title_command(record.title[step - 1], step - 1, true);
    if (text) {
      command.text = *text;
    } else {
      command.refusal = title_refusal_message;
      command.refusal_box = BoxKind::warning;
    }
  } else if (step >= first_setting_step && step <= all_items_last_step) {
    const Builder* table = program == Edition::mfc ? mfc_settings : lx_settings;
    command.text = table[step - first_setting_step](record);
    if (command.text.empty() && step == colour_step) {
      command.refusal = colour_refusal_message;
      command.refusal_box = program == Edition::mfc ? BoxKind::error : BoxKind::warning;
    }
  }
  return command;
}

std::vector<AllItemsCommand> all_items_commands(const SettingsRecord& record, Edition program) {
  std::vector<AllItemsCommand> commands;
  for (int step = 1; step <= all_items_last_step; ++step) {
    if (step == all_items_pause_step) continue;
    commands.push_back(all_items_step(step, record, program));
  }
  return commands;
}

void send_all_items_step(int step) {
  const AllItemsCommand command = all_items_step(step, settings, edition);
  if (!command.refusal.empty()) {
    if (command.refusal_box == BoxKind::error) {
      error_box(command.refusal);
    } else {
      warning_box(command.refusal);
    }
    return;
  }
  if (!command.text.empty()) send_command(command.text);
}

}  // namespace kyz
