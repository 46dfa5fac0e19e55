// The fixture the server link tests share: the link is configured to listen on
// KYZ_LINK_PORT, with the probe window as its TCP/IP dialog and as the settings dialog
// that gets the answers, which it keeps without decoding them. Each test starts with an
// empty client table and ends with the server stopped.
#pragma once

#include <gtest/gtest.h>

#include "core/links/client_table.h"
#include "core/links/win32/tcp_link.h"
#include "tests/links/link_rig.h"

namespace kyz::rig {

class ServerLinkFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    configure_server_link(env("KYZ_LINK_PORT"));
    route_link_messages(window_, window_.handle());
    window_.hand_data_to_reply_handler = false;
    reset_client_table();
  }
  void TearDown() override { stop_tcp_server(); }

  ProbeWindow window_;
  BoxLog boxes_;
};

}  // namespace kyz::rig
