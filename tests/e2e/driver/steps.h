// What the driver's steps share: the state of one script run, failures, and helpers.
#pragma once

#include <windows.h>

#include <chrono>
#include <functional>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "tests/e2e/driver/windows_access.h"

namespace gui_driver {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;
using Words = std::vector<std::string>;

struct StepFailure : std::runtime_error {
  using std::runtime_error::runtime_error;
};

struct Context {
  std::vector<PROCESS_INFORMATION> started;  // the programs this script started
  HWND main = nullptr;                       // the main window found last
  HWND dialog = nullptr;                     // the current dialog
  Clock::time_point mark = Clock::now();     // for timed expectations
};

[[noreturn]] inline void fail(const std::string& what) { throw StepFailure(what); }

using StepFunction = std::function<void(Context&, const Words&)>;
using StepTable = std::map<std::string, StepFunction>;

void add_program_steps(StepTable& table);  // starting, menus, keys, mouse, timing
void add_dialog_steps(StepTable& table);   // message boxes, dialogs, controls, file dialogs
void add_file_steps(StepTable& table);     // data files and what reached the sign
void add_window_checks(StepTable& table);  // windows whole, the front panel as laid out

std::string lookup_environment(const std::string& name);
// Unix paths (as the test scripts know them) reach Windows through drive Z:.
std::string windows_path(const std::string& path);
std::chrono::milliseconds seconds(const std::string& word);
int number(const std::string& word);
// Fails unless the step has at least `count` arguments; returns the words.
const Words& need(const Words& w, std::size_t count);
std::vector<HWND> main_windows();
ProcessFilter program_processes(const Context& c);
std::string read_file(const std::string& path);
// Bytes as text, with \r, \n and \xHH for the others.
std::string printable(const std::string& bytes);
// Runs `act` and waits (at most 10 s, polling every millisecond) until FILE grows;
// returns the time that took.
Clock::duration record_first_byte(const std::string& path, const std::function<void()>& act);
// Appends a duration in milliseconds (three decimals) as one line to FILE.
void append_result(const std::string& path, Clock::duration elapsed);
// The screen area of `window`, frame included, as a 24-bit BMP file.
void save_window_picture(HWND window, const std::string& path);
// Ends every process that owns a main window, and waits until they are gone.
void kill_all();

}  // namespace gui_driver
