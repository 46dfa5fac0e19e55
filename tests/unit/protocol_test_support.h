// Shared by the protocol tests: a recording stand-in for the links and a fixture that
// starts every test from a fresh record and idle protocol state.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/protocol/link_seam.h"
#include "core/protocol/protocol_state.h"
#include "core/protocol/reply_handlers.h"
#include "core/settings/configuration.h"
#include "core/settings/edition.h"
#include "core/settings/settings_record.h"
#include "tests/unit/test_support.h"

namespace kyz::test {

// Keeps what the send path hands to each link.
class RecordingLinks final : public CommandLinks {
 public:
  void serial_write(std::string_view command) override {
    serial.emplace_back(command);
    awaiting_answer = 1;  // as the serial link does
  }
  void socket_send(std::string_view command) override { socket.emplace_back(command); }
  bool tcp_connected() const override { return connected; }

  std::vector<std::string> serial;
  std::vector<std::string> socket;
  bool connected = false;
};

class ProtocolTest : public ::testing::Test {
 protected:
  void SetUp() override {
    edition = Edition::lx;
    reset_settings(settings);
    link_config = LinkConfiguration{};
    awaiting_answer = 0;
    answer_ticks = 0;
    sequence_step = 0;
    sequence_busy = 0;
    device_error = 0;
    message_box_owner = nullptr;
    clear_reply_accumulator();
    set_command_links(&links);
  }
  void TearDown() override {
    set_command_links(nullptr);
    edition = Edition::lx;
  }

  RecordingLinks links;
  BoxRecorder boxes;
};

}  // namespace kyz::test
