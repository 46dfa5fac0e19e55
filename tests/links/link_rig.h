// What the link tests under Wine share: a hidden window that stands for the open
// TCP/IP dialog and the settings dialog (it carries the controls the links switch and
// fill), a message pump with a deadline, a thread-safe record of the message boxes, and
// access to the files the sign simulator writes on the Linux side.
#pragma once

#include <windows.h>

#include <atomic>
#include <cstdint>
#include <functional>
#include <mutex>
#include <string>
#include <vector>

#include "core/ui/message_boxes.h"

namespace kyz::rig {

struct SocketData {
  WPARAM index;        // destination index the link posted
  std::string bytes;   // receive_buffer up to received_length
  int length;          // received_length when the message was handled
};

class ProbeWindow {
 public:
  ProbeWindow();
  ~ProbeWindow();
  HWND handle() const { return hwnd_; }
  // Rows of the client list box.
  std::vector<std::string> list_rows() const;
  std::string control_text(int id) const;
  bool control_enabled(int id) const;

  std::vector<SocketData> data;  // every SOCKET_DATA_MESSAGE, in order
  bool hand_data_to_reply_handler = true;
  // False: network notifications go unanswered, as once the program's TCP/IP dialog,
  // their target, has closed and a settings dialog sends.
  bool handle_network_events = true;

 private:
  static LRESULT CALLBACK procedure(HWND, UINT, WPARAM, LPARAM);
  HWND hwnd_ = nullptr;
};

// Runs the message loop until `done` holds or `timeout_ms` passes; returns `done()`.
bool pump_until(const std::function<bool()>& done, DWORD timeout_ms);
void pump_for(DWORD ms);

struct ShownBox {
  BoxKind kind;
  std::string text;
  std::string caption;
  std::uint64_t at_ms;  // GetTickCount64 when shown
};

// Records every box, from any thread, without showing it.
class BoxLog final : public MessageBoxSink {
 public:
  BoxLog() { set_message_box_sink(this); }
  ~BoxLog() override { set_message_box_sink(nullptr); }
  BoxAnswer show(BoxKind kind, std::string_view text, std::string_view caption,
                 void* owner) override;
  std::vector<ShownBox> boxes() const;
  std::vector<std::string> texts() const;
  int count(std::string_view text) const;

 private:
  mutable std::mutex mutex_;
  std::vector<ShownBox> boxes_;
};

// An environment variable the test script sets; empty when absent.
std::string env(const char* name);
// The contents of a file on the Linux side, named by its Unix path.
std::string read_unix_file(const std::string& unix_path);
void write_unix_file(const std::string& unix_path, const std::string& text);

}  // namespace kyz::rig
