#include <winsock.h>

#include <string>

#include "core/links/win32/tcp_link.h"
#include "core/links/win32/winsock_session.h"
#include "core/ui/message_boxes.h"

namespace kyz {

SOCKET link_socket = 0;
int tcp_connected = 0;
HWND link_dialog = nullptr;
HWND current_dialog = nullptr;
LinkDialogEvents* link_dialog_events = nullptr;
SOCKET answering_socket = 0;

namespace {
bool winsock_started = false;
const std::atomic<int>* running_flag = nullptr;
}  // namespace

void set_link_running_flag(const std::atomic<int>* running) { running_flag = running; }

bool link_running() { return running_flag == nullptr || running_flag->load() != 0; }

bool start_winsock() {
  if (winsock_started) return true;
  WSADATA data{};
  if (WSAStartup(MAKEWORD(1, 1), &data) != 0) {
    plain_stop_box("WINSOCK.DLLが導入されていません。");
    return false;
  }
  if (data.wVersion != MAKEWORD(1, 1)) {
    plain_stop_box("WINSOCK.DLLのバーションが違います。");
    WSACleanup();
    return false;
  }
  winsock_started = true;
  return true;
}

void release_winsock() {
  if (!winsock_started) return;
  WSACleanup();
  winsock_started = false;
}

void report_socket_error(std::string_view text_with_number) {
  std::string text(text_with_number);
  const std::size_t at = text.find("%d");
  if (at != std::string::npos) text.replace(at, 2, std::to_string(WSAGetLastError()));
  plain_stop_box(text);
}

void shut_and_close(SOCKET socket) {
  if (socket == 0 || socket == INVALID_SOCKET) return;
  if (socket == answering_socket) answering_socket = 0;
  WSAAsyncSelect(socket, link_dialog, 0, 0);
  shutdown(socket, 2);  // both directions
  closesocket(socket);
}

}  // namespace kyz
