// Steps that check the files the program wrote and the bytes that reached the sign.
#include "tests/e2e/driver/data_file_check.h"
#include "tests/e2e/driver/steps.h"

namespace gui_driver {

void add_file_steps(StepTable& table) {
  table.insert({
      {"expect-file-lines",
       [](Context&, const Words& w) {
         need(w, 2);
         int lines = -1;
         if (!wait_for<bool>(5000ms, [&]() -> std::optional<bool> {
               lines = count_crlf_lines(windows_path(w[1]));
               if (lines == number(w[2])) return true;
               return std::nullopt;
             })) {
           fail(w[1] + " holds " + std::to_string(lines) + " lines");
         }
       }},
      {"expect-data-file",
       [](Context&, const Words& w) {
         need(w, 1);
         // The program writes the file after the dialog has closed: give it a moment.
         std::string problem;
         if (!wait_for<bool>(5000ms, [&]() -> std::optional<bool> {
               problem = check_data_file(windows_path(w[1]), Words(w.begin() + 2, w.end()));
               if (problem.empty()) return true;
               return std::nullopt;
             })) {
           fail(w[1] + ": " + problem);
         }
       }},
      {"expect-no-file",
       [](Context&, const Words& w) {
         need(w, 1);
         if (GetFileAttributesW(widen(windows_path(w[1])).c_str()) != INVALID_FILE_ATTRIBUTES) {
           fail(w[1] + " exists");
         }
       }},
      {"expect-received",
       [](Context&, const Words& w) {
         need(w, 2);
         std::string last;
         if (!wait_for<bool>(w.size() > 3 ? seconds(w[3]) : 10000ms, [&]() -> std::optional<bool> {
               last = read_file(w[1]);
               if (last.find(w[2]) != std::string::npos) return true;
               return std::nullopt;
             })) {
           fail("received \"" + printable(last) + "\", not \"" + printable(w[2]) + "\"");
         }
       }},
      {"expect-received-exactly",
       [](Context&, const Words& w) {
         need(w, 2);
         std::string last;
         wait_for<bool>(w.size() > 3 ? seconds(w[3]) : 10000ms, [&]() -> std::optional<bool> {
           last = read_file(w[1]);
           if (last.size() >= w[2].size()) return true;
           return std::nullopt;
         });
         Sleep(200);  // anything sent after the expected bytes would be a fault too
         last = read_file(w[1]);
         if (last != w[2]) {
           fail("received \"" + printable(last) + "\", not exactly \"" + printable(w[2]) + "\"");
         }
       }},
      {"expect-nothing-received",
       [](Context&, const Words& w) {
         need(w, 2);
         std::string last;
         if (wait_for<bool>(seconds(w[2]), [&]() -> std::optional<bool> {
               last = read_file(w[1]);
               if (!last.empty()) return true;
               return std::nullopt;
             })) {
           fail("received \"" + printable(last) + "\"");
         }
       }},
  });
}

}  // namespace gui_driver
