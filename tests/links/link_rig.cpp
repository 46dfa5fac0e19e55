#include "tests/links/link_rig.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include <gtest/gtest.h>

#include "core/links/win32/serial_link.h"
#include "core/links/win32/tcp_link.h"
#include "core/links/win32/windows_command_links.h"
#include "core/protocol/protocol_state.h"
#include "core/protocol/reply_handlers.h"
#include "core/settings/configuration.h"

namespace kyz::rig {

namespace {

constexpr wchar_t class_name[] = L"KyzLinkProbe";

}  // namespace

ProbeWindow::ProbeWindow() {
  WNDCLASSW wc{};
  wc.lpfnWndProc = procedure;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.lpszClassName = class_name;
  RegisterClassW(&wc);  // a second registration fails harmlessly
  hwnd_ = CreateWindowW(class_name, L"link probe", WS_OVERLAPPEDWINDOW, 0, 0, 300, 200, nullptr,
                        nullptr, wc.hInstance, nullptr);
  SetWindowLongPtrW(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

ProbeWindow::~ProbeWindow() {
  if (link_dialog_events == this) link_dialog_events = nullptr;
  DestroyWindow(hwnd_);
}

void ProbeWindow::connected() {
  link_shown_up = true;
  ++events;
}

void ProbeWindow::disconnected() {
  link_shown_up = false;
  ++events;
}

void ProbeWindow::clients_changed(const std::vector<std::string>& addresses) {
  list_rows = addresses;
  ++events;
}

void ProbeWindow::destination_shown(std::string_view address) {
  destination = address;
  ++events;
}

LRESULT CALLBACK ProbeWindow::procedure(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  auto* self = reinterpret_cast<ProbeWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (self != nullptr && message == SOCKET_EVENT_MESSAGE) {
    if (!self->handle_network_events) return 0;
    handle_network_event(static_cast<SOCKET>(wparam), lparam);
    return 0;
  }
  if (self != nullptr && message == SOCKET_DATA_MESSAGE) {
    const int n = received_length > 0 ? received_length : 0;
    self->data.push_back({wparam, std::string(receive_buffer, static_cast<std::size_t>(n)),
                          received_length});
    // As a settings dialog does.
    if (self->hand_data_to_reply_handler) socket_reply_handler();
    return 0;
  }
  return DefWindowProcW(hwnd, message, wparam, lparam);
}

bool pump_until(const std::function<bool()>& done, DWORD timeout_ms) {
  const ULONGLONG end = GetTickCount64() + timeout_ms;
  while (!done()) {
    const ULONGLONG now = GetTickCount64();
    if (now >= end) return done();
    MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(std::min<ULONGLONG>(end - now, 20)),
                              QS_ALLINPUT);
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
  }
  return true;
}

void pump_for(DWORD ms) {
  pump_until([] { return false; }, ms);
}

BoxAnswer BoxLog::show(BoxKind kind, std::string_view text, std::string_view caption, void*) {
  std::lock_guard lock(mutex_);
  boxes_.push_back({kind, std::string(text), std::string(caption), GetTickCount64()});
  return kind == BoxKind::question ? BoxAnswer::no : BoxAnswer::ok;
}

std::vector<ShownBox> BoxLog::boxes() const {
  std::lock_guard lock(mutex_);
  return boxes_;
}

std::vector<std::string> BoxLog::texts() const {
  std::vector<std::string> texts;
  for (const ShownBox& box : boxes()) texts.push_back(box.text);
  return texts;
}

int BoxLog::count(std::string_view text) const {
  int n = 0;
  for (const ShownBox& box : boxes()) n += box.text == text ? 1 : 0;
  return n;
}

bool SerialLines::open_port_and_read(std::atomic<int>& running) {
  open_serial_port();
  return start_serial_reader(
      [this](std::string_view line) {
        {
          std::lock_guard lock(mutex_);
          lines_.emplace_back(line);
        }
        serial_reply_handler(line);
      },
      running);
}

std::vector<std::string> SerialLines::lines() const {
  std::lock_guard lock(mutex_);
  return lines_;
}

void configure_client_link(const std::string& port) {
  link_config = LinkConfiguration{};
  link_config.interface = interface_tcp;
  link_config.client_server = mode_client;
  link_config.host_list[0] = {127, 0, 0, 1};
  link_config.list_count = 1;
  link_config.select_number = 0;
  link_config.port_number = port;
}

void configure_server_link(const std::string& port) {
  link_config = LinkConfiguration{};
  link_config.interface = interface_tcp;
  link_config.client_server = mode_server;
  link_config.port_number = port;
  link_config.select_number = -1;
}

void route_link_messages(ProbeWindow& tcp_dialog, HWND settings_dialog) {
  link_dialog = tcp_dialog.handle();
  link_dialog_events = &tcp_dialog;
  current_dialog = settings_dialog;
  install_windows_command_links();
}

void connect_to_sign(const BoxLog& boxes) {
  ASSERT_EQ(tcp_connect(), 1);
  ASSERT_TRUE(pump_until([] { return tcp_connected == 1; }, 10000))
      << ::testing::PrintToString(boxes.texts());
}

void announce_listening() { write_unix_file(env("KYZ_LINK_READY"), "listening\n"); }

std::string sign_log() { return read_unix_file(env("KYZ_LINK_LOG")); }

int count_in_sign_log(const std::string& text) {
  const std::string log = sign_log();
  int n = 0;
  for (std::size_t at = log.find(text); at != std::string::npos; at = log.find(text, at + 1)) ++n;
  return n;
}

std::string env(const char* name) {
  const char* value = std::getenv(name);
  return value ? value : "";
}

// Wine shows the Linux file system as drive Z:.
static std::string windows_path(const std::string& unix_path) { return "Z:" + unix_path; }

std::string read_unix_file(const std::string& unix_path) {
  std::string bytes;
  if (FILE* f = std::fopen(windows_path(unix_path).c_str(), "rb")) {
    char chunk[4096];
    std::size_t n;
    while ((n = std::fread(chunk, 1, sizeof chunk, f)) > 0) bytes.append(chunk, n);
    std::fclose(f);
  }
  return bytes;
}

void write_unix_file(const std::string& unix_path, const std::string& text) {
  if (FILE* f = std::fopen(windows_path(unix_path).c_str(), "wb")) {
    std::fwrite(text.data(), 1, text.size(), f);
    std::fclose(f);
  }
}

}  // namespace kyz::rig
