#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "core/protocol/readback.h"
#include "core/protocol/reply_handlers.h"
#include "tests/unit/protocol_test_support.h"

namespace kyz {
namespace {

int owner_window;  // stands in for the dialog's window handle

class Replies : public test::ProtocolTest {
 protected:
  void SetUp() override {
    ProtocolTest::SetUp();
    message_box_owner = &owner_window;
  }
  // One TCP read of kyz424lx, as the TCP link leaves it.
  void tcp_read(const std::string& bytes) {
    std::memcpy(receive_buffer, bytes.data(), bytes.size());
    receive_buffer[bytes.size()] = '\0';
    received_length = static_cast<int>(bytes.size());
    socket_reply_handler();
  }
  void mfc_read(const std::string& bytes) {
    socket_reply_handler(bytes.data(), static_cast<int>(bytes.size()));
  }
  const test::RecordedBox& only_box() {
    EXPECT_EQ(boxes.boxes.size(), 1u);
    static const test::RecordedBox none{BoxKind::plain, "", "", nullptr};
    return boxes.boxes.empty() ? none : boxes.boxes.back();
  }
};

TEST_F(Replies, SerialGoShowsSettingDoneOwnedByTheDialog) {
  awaiting_answer = 1;
  answer_ticks = 3;
  serial_reply_handler("GO\r\n");
  const auto& box = only_box();
  EXPECT_EQ(box.kind, BoxKind::owned);
  EXPECT_EQ(box.text, "Success");
  EXPECT_EQ(box.caption, "設定完了");
  EXPECT_EQ(box.owner, &owner_window);
  EXPECT_EQ(awaiting_answer, 0);
  EXPECT_EQ(answer_ticks, 0);
}

TEST_F(Replies, SerialGoIsSilentWhileASequenceRuns) {
  sequence_step = 5;
  serial_reply_handler("GO\r\n");
  EXPECT_TRUE(boxes.boxes.empty());
}

TEST_F(Replies, SerialErrorLinesMustMatchExactly) {
  struct Case {
    const char* line;
    const char* message;
  };
  const Case cases[] = {
      {"GN\r\n", "Mode Error"},         {"MENU\r\n", "Menu Display"},
      {"E0\r\n", "Framing Error"},      {"E1\r\n", "Parity Error"},
      {"E2\r\n", "Over Run Error"},     {"E3\r\n", "Command Error"},
  };
  for (const Edition program : {Edition::lx, Edition::mfc}) {
    edition = program;
    for (const Case& c : cases) {
      SCOPED_TRACE(c.line);
      boxes.boxes.clear();
      serial_reply_handler(c.line);
      EXPECT_EQ(device_error, 1);
      const auto& box = only_box();
      EXPECT_EQ(box.kind, BoxKind::error);
      EXPECT_EQ(box.text, c.message);
    }
  }
  for (const char* not_exact : {"E3X\r\n", "E3", "GO\r\nGO\r\n", "GOOD\r\n", "\r\n"}) {
    SCOPED_TRACE(not_exact);
    device_error = 1;
    boxes.boxes.clear();
    serial_reply_handler(not_exact);
    EXPECT_EQ(device_error, 0);
    EXPECT_TRUE(boxes.boxes.empty());
  }
}

TEST_F(Replies, SerialLineLongerThanItsBufferIsIgnored) {
  const SettingsRecord before = settings;
  awaiting_answer = 1;
  serial_reply_handler("PTSS" + std::string(600, '1') + "\r\n");
  EXPECT_EQ(settings, before);
  EXPECT_EQ(awaiting_answer, 0);
  EXPECT_TRUE(boxes.boxes.empty());
}

TEST_F(Replies, LastReadBackReplyShowsReadingDone) {
  serial_reply_handler("TSR3\r\n");
  EXPECT_EQ(settings.clock_range, 2);
  const auto& box = only_box();
  EXPECT_EQ(box.kind, BoxKind::owned);
  EXPECT_EQ(box.caption, "読み込み完了");
  EXPECT_EQ(box.text, "Success");
  EXPECT_EQ(box.owner, &owner_window);

  // Over TCP the same box has no owner.
  boxes.boxes.clear();
  tcp_read("TSR6\r\n");
  EXPECT_EQ(settings.clock_range, 5);
  EXPECT_EQ(only_box().caption, "読み込み完了");
  EXPECT_EQ(only_box().owner, nullptr);
}

TEST_F(Replies, TcpGoAndErrorsArePrefixes) {
  tcp_read("GO\r\n");
  EXPECT_EQ(only_box().kind, BoxKind::success);
  EXPECT_EQ(only_box().text, "Socket ＯＫ");
  EXPECT_EQ(only_box().caption, "Success");

  struct Case {
    const char* reply;
    const char* message;
    int error;
  };
  const Case cases[] = {
      {"GN\r\n", "Socket mode difference", 0}, {"MENU\r\n", "Socket Menu Display", 0},
      {"E0\r\n", "Socket Framing", 1},         {"E1\r\n", "Socket Parity", 1},
      {"E2\r\n", "Socket Over run", 1},        {"E3X\r\n", "Socket Command", 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.reply);
    boxes.boxes.clear();
    device_error = 1;  // every reply starts from a cleared flag
    tcp_read(c.reply);
    EXPECT_EQ(device_error, c.error);
    EXPECT_EQ(only_box().kind, BoxKind::warning);
    EXPECT_EQ(only_box().text, c.message);
  }
}

TEST_F(Replies, TcpGoIsSilentWhileASequenceRunsAndAwaitingAnswerIsLeftAlone) {
  sequence_step = 12;
  awaiting_answer = 1;
  tcp_read("GO\r\n");
  EXPECT_TRUE(boxes.boxes.empty());
  EXPECT_EQ(awaiting_answer, 1);
}

TEST_F(Replies, TcpReplySplitOverTwoReadsIsDecodedOnce) {
  tcp_read("PTSS1234");
  EXPECT_EQ(reply_pending, 1);
  EXPECT_EQ(settings.scroll_speed[0], 2);
  tcp_read("1234123412341234123412341234\r\n");
  EXPECT_EQ(reply_pending, 0);
  EXPECT_EQ(settings.scroll_speed[0], 0);
  EXPECT_EQ(settings.scroll_speed[3], 3);
  EXPECT_EQ(settings.scroll_speed[31], 3);
  EXPECT_TRUE(reply_accumulator.empty());
}

TEST_F(Replies, TcpReplySplitAfterItsCarriageReturn) {
  tcp_read("GO\r");
  EXPECT_TRUE(boxes.boxes.empty());
  tcp_read("\n");
  EXPECT_EQ(only_box().text, "Socket ＯＫ");
}

TEST_F(Replies, EmptyOrFailedTcpReadCarriesNothing) {
  tcp_read("ADT1");
  received_length = 0;
  socket_reply_handler();
  received_length = -1;
  socket_reply_handler();
  EXPECT_EQ(reply_pending, 1);
  tcp_read("23\r\n");
  EXPECT_EQ(settings.alarm_hold_time, 123);
}

TEST_F(Replies, TcpReplyTooLongForTheAccumulatorIsDroppedUpToItsLineEnd) {
  tcp_read(std::string(1000, 'x'));
  tcp_read(std::string(100, 'x'));  // 1100 bytes: no reply is that long
  tcp_read("ADT123\r\n");           // the tail of the same line, not a reply
  EXPECT_EQ(settings.alarm_hold_time, 30);
  EXPECT_TRUE(reply_accumulator.empty());
  EXPECT_EQ(reply_pending, 0);
  EXPECT_TRUE(boxes.boxes.empty());

  tcp_read("ADT124\r\n");  // the next line is handled again
  EXPECT_EQ(settings.alarm_hold_time, 124);

  // A reply of exactly the capacity is still taken.
  tcp_read("ADT125" + std::string(1016, ' ') + "\r\n");
  EXPECT_EQ(settings.alarm_hold_time, 125);
}

TEST_F(Replies, Kyz424SocketDifferences) {
  edition = Edition::mfc;
  mfc_read("GO\r\n");
  EXPECT_EQ(only_box().text, "Socket ＯＫ");
  EXPECT_EQ(only_box().caption, "Success");
  EXPECT_EQ(only_box().kind, BoxKind::owned);  // the simple beep, no icon, no owner
  EXPECT_EQ(only_box().owner, nullptr);

  boxes.boxes.clear();
  mfc_read("GOX\r\n");  // needs the whole "GO" CR LF
  EXPECT_TRUE(boxes.boxes.empty());

  mfc_read("E3\r\n");
  EXPECT_EQ(only_box().kind, BoxKind::error);
  EXPECT_EQ(only_box().text, "Socket Command");
  EXPECT_EQ(device_error, 1);

  boxes.boxes.clear();
  mfc_read("GN\r\n");
  EXPECT_EQ(only_box().kind, BoxKind::error);
  EXPECT_EQ(device_error, 0);

  boxes.boxes.clear();
  socket_reply_handler(nullptr, -1);
  EXPECT_EQ(only_box().text, "Socket 受信");
  EXPECT_EQ(only_box().kind, BoxKind::error);

  boxes.boxes.clear();
  mfc_read("TSR");
  mfc_read("2\r\n");
  EXPECT_EQ(settings.clock_range, 1);
  EXPECT_EQ(only_box().caption, "読み込み完了");
}

TEST_F(Replies, Kyz424TakesAtMostOneChunkPerNotification) {
  edition = Edition::mfc;
  // 600 bytes offered, 499 taken: the CR LF at the end was not part of this read.
  mfc_read("ADT777" + std::string(592, ' ') + "\r\n");
  EXPECT_EQ(reply_pending, 1);
  EXPECT_EQ(settings.alarm_hold_time, 30);
}

// Every read-back reply, through the serial handler, lands in its own field only.
TEST_F(Replies, ReadBackRepliesStoreTheirFields) {
  struct Case {
    std::string reply;
    std::function<void(SettingsRecord&)> expect;
  };
  const std::string pairs = "0102030405060708";
  const Case cases[] = {
      {"PTSS" + std::string(32, '3'),
       [](SettingsRecord& r) { r.scroll_speed.fill(2); }},
      {"PTSPL" + std::string(31, 'S'),
       [](SettingsRecord& r) { r.sequence_page.fill(0); r.sequence_page[0] = 1; }},
      {"PTWL" + std::string(31, 'H') + "L", [](SettingsRecord& r) { r.char_level[31] = 0; }},
      {"PTFBN" + std::string(31, 'F'), [](SettingsRecord& r) { r.background_fill[0] = 1; }},
      {"PTDPTT" + std::string(30, 'B'),
       [](SettingsRecord& r) { r.display_position[0] = r.display_position[1] = 1; }},
      {"PTIC88" + std::string(60, '7').replace(1, 1, "0") + "12",
       [](SettingsRecord& r) {
         r.char_color = {8, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7,
                         7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 1};
         r.border_color = {8, 0, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7,
                           7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 2};
       }},
      {"ADT123", [](SettingsRecord& r) { r.alarm_hold_time = 123; }},
      {"AICB", [](SettingsRecord& r) { r.alarm_polarity = 1; }},
      {"AME", [](SettingsRecord& r) { r.alarm_mode = 1; }},
      {"ARF", [](SettingsRecord& r) { r.alarm_return = 0; }},
      {"CIR", [](SettingsRecord& r) { r.terminal_input = 1; }},
      {"PVB03", [](SettingsRecord& r) { r.bottom_value = 3; }},
      {"PVT12", [](SettingsRecord& r) { r.top_value = 12; }},
      {"ACA0807060504030201",
       [](SettingsRecord& r) { r.terminal_page = {7, 6, 5, 4, 3, 2, 1, 0}; }},
      {"ACAAS02030405060708", [](SettingsRecord& r) { r.terminal_page[0] = 32; }},
      {"RCAAS02030405060708", [](SettingsRecord& r) { r.terminal_page[0] = 32; }},
      {"RCA32020304050607AS",
       [](SettingsRecord& r) { r.terminal_page[0] = 31; r.terminal_page[7] = 32; }},
      {"RMBIN", [](SettingsRecord& r) { r.remote_mode = 1; }},
      {"RMBIT", [](SettingsRecord& r) { r.remote_mode = 2; }},
      {"TSDN", [](SettingsRecord& r) { r.clock_size = 2; }},
      {"TSDO", [](SettingsRecord& r) { r.clock_size = 0; }},
      {"SDPTAS" + std::string(246, '0'),
       [](SettingsRecord& r) {
         for (int d = 0; d < 31; ++d) r.schedule_page[d].fill(33);
         r.schedule_page[0][0] = 32;
       }},
      {"SDPT000000000000000000000000000003" + std::string(218, '0'),
       [](SettingsRecord& r) {
         for (int d = 0; d < 31; ++d) r.schedule_page[d].fill(33);
         r.schedule_page[3][2] = 2;  // day 4, slot 3: page 3
       }},
      {"SDTT09" + std::string(246, '0'),
       [](SettingsRecord& r) {
         for (int d = 0; d < 31; ++d) r.schedule_hour[d].fill(0);
         r.schedule_hour[0][0] = 9;
       }},
      {"P05", [](SettingsRecord&) {}},
      {"XYZ", [](SettingsRecord&) {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.reply);
    reset_settings(settings);
    SettingsRecord expected = settings;
    c.expect(expected);
    serial_reply_handler(c.reply + "\r\n");
    EXPECT_EQ(settings, expected);
    EXPECT_EQ(settings.modified, 0);
  }
}

// The switch replies read back both ways, each from the opposite stored value, so that
// a decoder stuck on one value cannot pass.
TEST_F(Replies, SwitchRepliesStoreBothValues) {
  struct Case {
    const char* reply;
    int SettingsRecord::*field;
    int before;
    int after;
  };
  const Case cases[] = {
      {"ARB", &SettingsRecord::alarm_return, 0, 1},
      {"ARF", &SettingsRecord::alarm_return, 1, 0},
      {"AICB", &SettingsRecord::alarm_polarity, 0, 1},
      {"AICM", &SettingsRecord::alarm_polarity, 1, 0},
      {"AME", &SettingsRecord::alarm_mode, 0, 1},
      {"AMI", &SettingsRecord::alarm_mode, 1, 0},
      {"CIR", &SettingsRecord::terminal_input, 0, 1},
      {"CIA", &SettingsRecord::terminal_input, 1, 0},
      {"TSDS", &SettingsRecord::clock_size, 0, 1},
      {"TSDO", &SettingsRecord::clock_size, 2, 0},
      {"TSDN", &SettingsRecord::clock_size, 1, 2},
      {"RMBCD", &SettingsRecord::remote_mode, 2, 0},
      {"RMBIN", &SettingsRecord::remote_mode, 0, 1},
      {"RMBIT", &SettingsRecord::remote_mode, 1, 2},
  };
  for (const Edition program : {Edition::lx, Edition::mfc}) {
    edition = program;
    for (const Case& c : cases) {
      SCOPED_TRACE(c.reply);
      settings.*c.field = c.before;
      serial_reply_handler(std::string(c.reply) + "\r\n");
      EXPECT_EQ(settings.*c.field, c.after);
      settings.*c.field = c.before;
      const std::string line = std::string(c.reply) + "\r\n";
      if (program == Edition::mfc) {
        mfc_read(line);
      } else {
        tcp_read(line);
      }
      EXPECT_EQ(settings.*c.field, c.after) << "over TCP";
    }
  }
  EXPECT_TRUE(boxes.boxes.empty());
}

// kyz424lx takes any reply beginning with "GO" as the acknowledgement; kyz424 needs
// "GO" CR LF.
TEST_F(Replies, Kyz424lxTcpAcknowledgementIsTheTwoLetters) {
  tcp_read("GOX\r\n");
  EXPECT_EQ(only_box().text, "Socket ＯＫ");
  EXPECT_EQ(only_box().kind, BoxKind::success);
  EXPECT_EQ(only_box().owner, nullptr);
}

// Every read-back reply cut short at any length down to its bare prefix leaves the same
// record whatever bytes follow the line in memory: no decoder reads past the line.
TEST_F(Replies, ShortReadBackReplyReadsNothingBeyondTheLine) {
  for (const std::string& request : readback_requests(Edition::lx, true)) {
    const std::string prefix = request.substr(1, request.size() - 3);  // no "R", no CR LF
    const std::string reply = prefix + std::string(serial_line_capacity, '2');
    for (std::size_t cut = prefix.size(); cut <= serial_line_capacity; ++cut) {
      SettingsRecord after[2];
      for (const char beyond : {'1', '9'}) {
        const std::string memory = reply.substr(0, cut) + std::string(8, beyond);
        settings = SettingsRecord{};
        serial_reply_handler(std::string_view(memory).substr(0, cut));
        after[beyond == '9'] = settings;
      }
      ASSERT_EQ(after[0], after[1]) << prefix << " cut to " << cut;
    }
  }
}

}  // namespace
}  // namespace kyz
