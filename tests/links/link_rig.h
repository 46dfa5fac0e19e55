// What the link tests under Wine share: a hidden window that stands for the open
// TCP/IP dialog and the settings dialog (it records what the links tell the dialog),
// a message pump with a deadline, a thread-safe record of the message boxes, a
// record of the lines the serial read thread hands on, the steps that set up and connect
// the TCP links, and access to the files the sign simulator writes on the Linux side.
#pragma once

#include <windows.h>

#include <atomic>
#include <cstdint>
#include <functional>
#include <mutex>
#include <string>
#include <vector>

#include "core/links/link_dialog_events.h"
#include "core/ui/message_boxes.h"

namespace kyz::rig {

struct SocketData {
  WPARAM index;        // destination index the link posted
  std::string bytes;   // receive_buffer up to received_length
  int length;          // received_length when the message was handled
};

class ProbeWindow final : public LinkDialogEvents {
 public:
  ProbeWindow();
  ~ProbeWindow() override;
  HWND handle() const { return hwnd_; }

  // What the links told the dialog last, and how often they told it anything.
  void connected() override;
  void disconnected() override;
  void clients_changed(const std::vector<std::string>& addresses) override;
  void destination_shown(std::string_view address) override;
  bool link_shown_up = false;           // last connected() (true) or disconnected()
  std::vector<std::string> list_rows;   // last clients_changed()
  std::string destination;              // last destination_shown()
  int events = 0;

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

// Keeps every line the serial read thread hands on, in order, and passes each on to the
// serial reply handler as the program wires it.
class SerialLines {
 public:
  // Opens the configured COM port and starts the read thread, which runs while
  // `running` holds. False when the thread could not start.
  bool open_port_and_read(std::atomic<int>& running);
  std::vector<std::string> lines() const;

 private:
  mutable std::mutex mutex_;
  std::vector<std::string> lines_;
};

// The client link's configuration: one host, 127.0.0.1, chosen, at `port` (the text
// as the configuration keeps it).
void configure_client_link(const std::string& port);
// The server link's configuration: listening on `port`, no adapter chosen yet.
void configure_server_link(const std::string& port);
// Network notifications and what the links show go to `tcp_dialog`, answers to
// `settings_dialog`, and commands through the program's own links.
void route_link_messages(ProbeWindow& tcp_dialog, HWND settings_dialog);
// Starts the client link's connect and pumps messages until it is made; a failure
// lists the boxes shown by then.
void connect_to_sign(const BoxLog& boxes);
// Tells the test script the server listens, so that it starts the simulator's adapters.
void announce_listening();
// The sign simulator's log (KYZ_LINK_LOG); it shows CR and LF escaped.
std::string sign_log();
// How often the sign simulator's log shows `text`.
int count_in_sign_log(const std::string& text);

// An environment variable the test script sets; empty when absent.
std::string env(const char* name);
// The contents of a file on the Linux side, named by its Unix path.
std::string read_unix_file(const std::string& unix_path);
void write_unix_file(const std::string& unix_path, const std::string& text);

}  // namespace kyz::rig
