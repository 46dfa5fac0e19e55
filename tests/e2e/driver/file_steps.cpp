// Steps that check the files the program wrote and the bytes that reached the sign.
#include <winsock.h>

#include "tests/e2e/driver/data_file_check.h"
#include "tests/e2e/driver/steps.h"

namespace gui_driver {
namespace {

// The plainest send of TEXT to TARGET, a COM port name or HOST:PORT over TCP; returns
// the time until FILE (the sign's raw log) grows. A failure ends the driver, handles and
// all.
Clock::duration plain_send(const std::string& target, const std::string& text,
                           const std::string& path) {
  const std::size_t colon = target.find(':');
  if (colon == std::string::npos) {
    HANDLE port = CreateFileW(widen(target).c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                              OPEN_EXISTING, 0, nullptr);
    if (port == INVALID_HANDLE_VALUE) fail("cannot open " + target);
    const auto elapsed = record_first_byte(path, [&] {
      DWORD written = 0;
      if (!WriteFile(port, text.data(), static_cast<DWORD>(text.size()), &written, nullptr)) {
        fail("cannot write to " + target);
      }
    });
    CloseHandle(port);
    return elapsed;
  }
  WSADATA data;
  WSAStartup(0x0101, &data);
  SOCKET s = socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_port = htons(static_cast<u_short>(number(target.substr(colon + 1))));
  address.sin_addr.s_addr = inet_addr(target.substr(0, colon).c_str());
  if (connect(s, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
    fail("cannot connect to " + target);
  }
  const auto elapsed = record_first_byte(path, [&] {
    if (send(s, text.data(), static_cast<int>(text.size()), 0) <= 0) fail("cannot send to " + target);
  });
  closesocket(s);
  return elapsed;
}

}  // namespace

Clock::duration record_first_byte(const std::string& path, const std::function<void()>& act) {
  const std::size_t before = read_file(path).size();
  const auto start = Clock::now();
  act();
  while (read_file(path).size() <= before) {
    if (Clock::now() - start > 10s) fail("nothing reached " + path + " within 10 s");
    Sleep(1);
  }
  return Clock::now() - start;
}

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
      {"record-sent-to-byte",
       [](Context&, const Words& w) {
         need(w, 4);
         const std::size_t expected = read_file(w[3]).size() + w[2].size();
         append_result(w[4], plain_send(w[1], w[2], w[3]));
         // The rest of the text arrives before the next send starts.
         wait_for<bool>(10000ms, [&]() -> std::optional<bool> {
           if (read_file(w[3]).size() >= expected) return true;
           return std::nullopt;
         });
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
