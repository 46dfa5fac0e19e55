// signsim as a process: the channels the tool meets (TCP adapter, adapters connecting
// to a server, serial pseudo-terminal), the log, and the faults from the command line.
#include <gtest/gtest.h>

#include <cstdio>
#include <regex>
#include <sys/socket.h>
#include <unistd.h>

#include "tests/unit/signsim_process.h"

namespace kyz::signsim_test {
namespace {

const std::string pages_speed_3 = "PTSS" + std::string(32, '3');

// signsim listening on a free port, with a log; the extra arguments are faults.
struct ListeningSign {
  explicit ListeningSign(std::vector<std::string> extra = {})
      : process([&] {
          std::vector<std::string> args = {"--tcp-listen", "0", "--port-file", folder.file("port"),
                                           "--log", folder.file("log"), "--raw-log", folder.file("raw"),
                                           "--state-file", folder.file("state")};
          args.insert(args.end(), extra.begin(), extra.end());
          return args;
        }()) {
    port = std::atoi(wait_for_file(folder.file("port")).c_str());
  }
  Line connect() { return connect_tcp(port); }
  std::string log() const { return read_file(folder.file("log")); }

  TempFolder folder;
  SignProcess process;
  int port = 0;
};

TEST(SignsimOverTcp, AnswersKeepsSettingsAndLogsEveryLine) {
  ListeningSign sign;
  ASSERT_GT(sign.port, 0);
  Line line = sign.connect();
  ASSERT_TRUE(line.valid());

  EXPECT_EQ(line.ask("RPTSS"), pages_speed_3 + "\r\n");
  EXPECT_EQ(line.ask("PTSS" + std::string(32, '1')), "GO\r\n");
  EXPECT_EQ(line.ask("RPTSS"), "PTSS" + std::string(32, '1') + "\r\n");
  EXPECT_EQ(line.ask("NONSENSE"), "E3\r\n");
  EXPECT_TRUE(wait_for_text(sign.folder.file("state"), "\nPTSS" + std::string(32, '1') + "\n"));

  // A second connection reaches the same sign.
  Line second = sign.connect();
  EXPECT_EQ(second.ask("RPTSS"), "PTSS" + std::string(32, '1') + "\r\n");

  EXPECT_EQ(sign.process.stop(), 0);
  const std::string log = sign.log();
  EXPECT_TRUE(std::regex_search(
      log, std::regex(R"(\n\d{4}-\d\d-\d\dT\d\d:\d\d:\d\d\.\d{3}Z tcp1 rx NONSENSE\\r\\n\n)")))
      << log;
  EXPECT_NE(log.find("tcp2 rx RPTSS\\r\\n"), std::string::npos);
  EXPECT_NE(log.find("tcp1 tx E3\\r\\n"), std::string::npos);
  const std::string raw = read_file(sign.folder.file("raw"));
  EXPECT_EQ(raw.substr(0, 7), "RPTSS\r\n");
  EXPECT_EQ(raw.size(), 7 + 38 + 7 + 10 + 7u);
}

TEST(SignsimOverTcp, InterruptEndsItCleanlyWhileAReplyIsHeldBack) {
  ListeningSign sign({"--delay-ms", "60000"});
  Line line = sign.connect();
  line.send("TSA\r\n");
  ASSERT_TRUE(wait_for_text(sign.folder.file("log"), "tcp1 rx TSA"));
  EXPECT_EQ(sign.process.interrupt(), 0);
  EXPECT_NE(sign.log().find("signsim note stopped"), std::string::npos);
}

TEST(SignsimOverTcp, LogShowsUnprintableBytesEscaped) {
  ListeningSign sign;
  Line line = sign.connect();
  line.send(std::string("A\0\x81\\\r\n", 6));
  EXPECT_EQ(line.read_line(), "E3\r\n");
  EXPECT_TRUE(wait_for_text(sign.folder.file("log"), "tcp1 rx A\\x00\\x81\\\\\\r\\n\n"));
}

TEST(SignsimOverTcp, OverlongLineIsDroppedToItsLfAndAnsweredE3) {
  ListeningSign sign;
  Line line = sign.connect();
  line.send(std::string(20000, 'P'));
  line.send("TSS\r\n");
  EXPECT_EQ(line.read_line(), "E3\r\n");
  EXPECT_EQ(line.ask("TSA"), "GO\r\n");
}

TEST(SignsimFaults, ErrorReplyOnlyToTheChosenCommands) {
  ListeningSign sign({"--error-reply", "MENU", "--on-command", "2,4"});
  Line line = sign.connect();
  EXPECT_EQ(line.ask("TSA"), "GO\r\n");
  EXPECT_EQ(line.ask("TSA"), "MENU\r\n");
  EXPECT_EQ(line.ask("RTSR"), "TSR1\r\n");
  EXPECT_EQ(line.ask("RTSR"), "MENU\r\n");
  EXPECT_EQ(line.ask("TSA"), "GO\r\n");
}

TEST(SignsimFaults, SilentSignSendsNothing) {
  ListeningSign sign({"--silent"});
  Line line = sign.connect();
  line.send("TSA\r\n");
  EXPECT_EQ(line.read_for(300ms), "");
  EXPECT_TRUE(wait_for_text(sign.folder.file("log"), "tcp1 rx TSA\\r\\n"));
}

TEST(SignsimFaults, SplitReplyArrivesInPiecesWithPauses) {
  ListeningSign sign({"--split", "2", "--split-pause-ms", "300"});
  Line line = sign.connect();
  line.send(pages_speed_3 + "\r\n");  // reply "GO" CR LF: "GO" then CR LF
  EXPECT_EQ(line.read_once(), "GO");
  EXPECT_EQ(line.read_once(100ms), "");
  EXPECT_EQ(line.read_once(), "\r\n");
}

TEST(SignsimFaults, DelayHoldsTheReplyBack) {
  ListeningSign sign({"--delay-ms", "400"});
  Line line = sign.connect();
  line.send("TSA\r\n");
  EXPECT_EQ(line.read_for(200ms), "");
  EXPECT_EQ(line.read_line(), "GO\r\n");
}

TEST(SignsimFaults, CloseMidAnswerLeavesTheLineUnfinished) {
  ListeningSign sign({"--close-mid-answer", "--on-command", "2"});
  Line line = sign.connect();
  EXPECT_EQ(line.ask("TSA"), "GO\r\n");
  line.send("RPTSS\r\n");
  const std::string part = line.read_bytes(100);
  EXPECT_EQ(part, pages_speed_3.substr(0, 19));  // half of the 38-byte line
  EXPECT_TRUE(line.peer_closed());
  // The sign itself goes on: a new connection is answered.
  Line again = sign.connect();
  EXPECT_EQ(again.ask("TSA"), "GO\r\n");
}

TEST(SignsimFaults, CloseAfterAnsweringTheNthCommand) {
  ListeningSign sign({"--close-after", "2"});
  Line line = sign.connect();
  EXPECT_EQ(line.ask("TSA"), "GO\r\n");
  EXPECT_EQ(line.ask("TSA"), "GO\r\n");
  EXPECT_TRUE(line.peer_closed());
}

TEST(SignsimFaults, CloseOnConnectEndsOnlyTheChosenConnectionUnanswered) {
  ListeningSign sign({"--close-on-connect", "--fault-channel", "1"});
  Line first = sign.connect();
  EXPECT_TRUE(first.peer_closed());
  Line second = sign.connect();
  EXPECT_EQ(second.ask("TSA"), "GO\r\n");
}

TEST(SignsimFaults, FloodWithoutLfThenTheReply) {
  ListeningSign sign({"--flood-bytes", "100000"});
  Line line = sign.connect();
  line.send("TSA\r\n");
  const std::string got = line.read_bytes(100004, 5000ms);
  ASSERT_EQ(got.size(), 100004u);
  EXPECT_EQ(got.find('\n'), 100003u);
  EXPECT_EQ(got.substr(0, 100000), std::string(100000, '#'));
  EXPECT_EQ(got.substr(100000), "GO\r\n");
}

TEST(SignsimFaults, AnswerTwiceInOneWrite) {
  ListeningSign sign({"--answer-twice", "--error-reply", "E1"});
  Line line = sign.connect();
  line.send("TSA\r\n");
  EXPECT_EQ(line.read_bytes(8), "E1\r\nE1\r\n");
}

TEST(SignsimAdapters, EachAdapterIsItsOwnConnectionAndSign) {
  TempFolder folder;
  int port = 0;
  const int server = listen_tcp(port);
  ASSERT_GE(server, 0);
  SignProcess process({"--connect", "127.0.0.1:" + std::to_string(port), "--adapters", "3",
                       "--adapter-tag", "--log", folder.file("log"), "--error-reply", "GN",
                       "--fault-channel", "3"});
  std::vector<Line> clients;
  for (int k = 0; k < 3; ++k) clients.push_back(accept_tcp(server));
  for (const Line& c : clients) ASSERT_TRUE(c.valid());

  EXPECT_EQ(clients[0].ask("RADT"), "ADT001\r\n");
  EXPECT_EQ(clients[1].ask("ADT500"), "GO\r\n");
  EXPECT_EQ(clients[1].ask("RADT"), "ADT500\r\n");
  EXPECT_EQ(clients[0].ask("RADT"), "ADT001\r\n");
  EXPECT_EQ(clients[2].ask("RADT"), "GN\r\n");

  const std::string log = read_file(folder.file("log"));
  EXPECT_NE(log.find("adapter2 rx ADT500\\r\\n"), std::string::npos) << log;
  // When the tool drops every adapter, the simulator has nothing left and ends.
  clients.clear();
  close(server);
  EXPECT_EQ(process.wait_exit(), 0);
}

TEST(SignsimAdapters, AHundredAdaptersConnectInOrderThroughASmallBacklog) {
  int port = 0;
  const int server = listen_tcp(port);
  ASSERT_GE(server, 0);
  listen(server, 5);  // the tool's backlog
  SignProcess process({"--connect", "127.0.0.1:" + std::to_string(port), "--adapters", "100",
                       "--adapter-tag"});
  std::vector<Line> clients;
  for (int k = 0; k < 100; ++k) {
    clients.push_back(accept_tcp(server));
    ASSERT_TRUE(clients.back().valid()) << "adapter " << k + 1;
  }
  // Accept order is adapter order: the k-th accepted connection is adapter k.
  for (int k : {0, 1, 49, 98, 99}) {
    char expected[32];
    std::snprintf(expected, sizeof expected, "ADT%03d\r\n", k + 1);
    EXPECT_EQ(clients[static_cast<std::size_t>(k)].ask("RADT"), expected);
  }
  EXPECT_EQ(process.stop(), 0);
  close(server);
}

TEST(SignsimAdapters, WaitsForTheToolToListen) {
  int port = 0;
  int server = listen_tcp(port);
  close(server);  // nobody listens on `port` now
  SignProcess process({"--connect", "127.0.0.1:" + std::to_string(port), "--connect-timeout-ms", "5000"});
  usleep(200'000);  // let the first attempts be refused
  server = listen_tcp(port);
  ASSERT_GE(server, 0) << "port " << port << " was taken meanwhile";
  Line client = accept_tcp(server);
  ASSERT_TRUE(client.valid());
  EXPECT_EQ(client.ask("RAM"), "AMI\r\n");
  close(server);
}

TEST(SignsimSerial, AnswersOnAPseudoTerminalPair) {
  if (!socat_installed()) GTEST_SKIP() << "socat is not installed (scripts/setup installs it)";
  TempFolder folder;
  PtyPair pair(folder.file("pty"));
  ASSERT_TRUE(pair.valid());
  SignProcess process({"--serial", pair.sign_end(), "--log", folder.file("log"),
                       "--ready-file", folder.file("ready")});
  ASSERT_EQ(wait_for_file(folder.file("ready")), "ready\n");
  Line app = open_terminal(pair.app_end());
  ASSERT_TRUE(app.valid());
  app.send("G");  // one command in pieces, as a serial line delivers it
  app.send("PVT1");
  app.send("2\r\n");
  EXPECT_EQ(app.read_line(), "E3\r\n");
  EXPECT_EQ(app.ask("PVT12"), "GO\r\n");
  EXPECT_EQ(app.ask("RPVT"), "PVT12\r\n");
  EXPECT_EQ(process.stop(), 0);
  const std::string log = read_file(folder.file("log"));
  EXPECT_NE(log.find("serial note opened"), std::string::npos);
  EXPECT_NE(log.find("38400"), std::string::npos);
  EXPECT_NE(log.find("serial rx GPVT12\\r\\n"), std::string::npos) << log;
}

TEST(SignsimCommandLine, RefusesUnusableArguments) {
  EXPECT_EQ(SignProcess({"--log", "/dev/null"}).wait_exit(), 2);  // no channel
  EXPECT_EQ(SignProcess({"--tcp-listen", "70000"}).wait_exit(), 2);
  EXPECT_EQ(SignProcess({"--tcp-listen", "0", "--split", "x"}).wait_exit(), 2);
  EXPECT_EQ(SignProcess({"--serial", "/nonexistent/tty"}).wait_exit(), 1);
}

}  // namespace
}  // namespace kyz::signsim_test
