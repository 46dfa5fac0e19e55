// The simulated sign's answers: what a fresh sign reports, that every setting comes back
// in its own command layout, and that malformed texts are refused without changing
// anything. The expected texts are written out here rather than built, so a shared
// mistake in the simulator's builders cannot hide.
#include <gtest/gtest.h>

#include "tools/signsim/factory_file.h"
#include "tools/signsim/sign_commands.h"
#include "tools/signsim/wire_fields.h"

namespace kyz::signsim {
namespace {

std::string repeat(const std::string& piece, int times) {
  std::string text;
  for (int i = 0; i < times; ++i) text += piece;
  return text;
}

std::string ask(SignState& s, const std::string& command) { return answer_line(s, command + "\r\n"); }

TEST(SignFactoryState, ReadsBackAsTheToolsDefaults) {
  SignState s = factory_state();
  const std::pair<const char*, std::string> expected[] = {
      {"RPTSS", "PTSS" + std::string(32, '3')},
      {"RPTWL", "PTWL" + std::string(32, 'H')},
      {"RPTFB", "PTFB" + std::string(32, 'F')},
      {"RPTDP", "PTDP" + std::string(32, 'B')},
      {"RPTSP", "PTSP" + std::string(32, 'L')},
      {"RPTIC", "PTIC" + repeat("70", 32)},
      {"RP", "P01"},
      {"RPVT", "PVT08"},
      {"RPVB", "PVB08"},
      {"RTSD", "TSDS"},
      {"RTSR", "TSR1"},
      {"RSDTT", "SDTT" + repeat("09121518", 31)},
      {"RSDPT", "SDPT" + std::string(248, '0')},
      {"RCI", "CIA"},
      {"RAM", "AMI"},
      {"RAIC", "AICM"},
      {"RADT", "ADT030"},
      {"RAR", "ARB"},
      {"RRM", "RMBCD"},
      {"RACA", "ACA0102030405060708"},
      {"RRCA", "RCA0102030405060708"},
      {"RCA01", "CA01" + repeat("2121", 98)},
      {"RCA32", "CA32" + repeat("2121", 98)},
  };
  for (const auto& [request, reply] : expected) EXPECT_EQ(ask(s, request), reply) << request;
}

TEST(SignSettings, EverySettingIsAcceptedAndReadBackInItsOwnLayout) {
  const std::string title = "CA07" + std::string("24222424") + repeat("2121", 96);
  const std::pair<std::string, const char*> settings[] = {
      {"PTSS1234" + std::string(28, '4'), "RPTSS"},
      {"PTWLLH" + std::string(30, 'L'), "RPTWL"},
      {"PTFBN" + std::string(31, 'F'), "RPTFB"},
      {"PTDPTT" + std::string(30, 'B'), "RPTDP"},
      {"PTSPL" + std::string(31, 'S'), "RPTSP"},
      {"PTIC" + repeat("08", 31) + "80", "RPTIC"},
      {"P32", "RP"},
      {"PAS", "RP"},
      {"PVT15", "RPVT"},
      {"PVB00", "RPVB"},
      {"TSDO", "RTSD"},
      {"TSDN", "RTSD"},
      {"TSR6", "RTSR"},
      {"SDTT" + repeat("23000112", 31), "RSDTT"},
      {"SDPT" + std::string("AS0032") + std::string(242, '1'), "RSDPT"},
      {"CIR", "RCI"},
      {"AME", "RAM"},
      {"AICB", "RAIC"},
      {"ADT999", "RADT"},
      {"ADT000", "RADT"},
      {"ARF", "RAR"},
      {"RMBIN", "RRM"},
      {"RMBIT", "RRM"},
      {"ACA3231302928272625", "RACA"},
      {"RCAAS02030405060708", "RRCA"},
      {title, "RCA07"},
  };
  SignState s = factory_state();
  for (const auto& [command, request] : settings) {
    EXPECT_EQ(ask(s, command), "GO") << command;
    EXPECT_EQ(ask(s, request), command) << request;
  }
}

TEST(SignSettings, AlarmAndRemoteFormsShareOneTerminalAssignment) {
  SignState s = factory_state();
  ASSERT_EQ(ask(s, "RCA01AS0304050607AS"), "GO");
  EXPECT_EQ(ask(s, "RACA"), "ACA01AS0304050607AS");
  ASSERT_EQ(ask(s, "ACA0807060504030201"), "GO");
  EXPECT_EQ(ask(s, "RRCA"), "RCA0807060504030201");
}

TEST(SignSettings, ShowOnlyTitleIsNotStored) {
  SignState s = factory_state();
  EXPECT_EQ(ask(s, "CN05" + repeat("2422", 98)), "GO");
  EXPECT_EQ(ask(s, "RCA05"), "CA05" + repeat("2121", 98));
  EXPECT_EQ(s.shown_page, 5);
}

TEST(SignSettings, OneShotCommandsAreAccepted) {
  SignState s = factory_state();
  for (const char* command : {"ISSON", "ISSOF", "IDOF", "IDON", "DSY26", "DSM12", "DSD31",
                              "TSH23", "TSM59", "TSS00", "TSA"})
    EXPECT_EQ(ask(s, command), "GO") << command;
  EXPECT_EQ(s.clock_month, 12);
  EXPECT_EQ(s.clock_corrections, 1);
}

// Each of these is one fault a tool could make; the sign must refuse it whole.
TEST(SignRefusals, MalformedCommandsGetE3AndChangeNothing) {
  const std::string blank_title = repeat("2121", 98);
  const std::string refused[] = {
      "PTSS" + std::string(31, '3'),              // one page short
      "PTSS" + std::string(33, '3'),              // one page too many
      "PTSS" + std::string(31, '3') + "5",        // speed code out of range
      "PTSS" + std::string(31, '3') + "0",        // value sent unshifted
      "PTWL" + std::string(31, 'H') + "h",        // lower case
      "PTIC" + repeat("70", 31) + "88",           // a page with neither colour
      "PTIC" + repeat("70", 31) + "79",           // colour index past the table
      "P00", "P33", "PA1",
      "PVT16", "PVB1", "PVB-1",
      "TSR0", "TSR7", "TSDX",
      "SDTT" + repeat("09121518", 30) + "09121524",  // hour 24
      "SDTT" + repeat("09121518", 32),               // a 32nd day
      "SDPT" + std::string(246, '0') + "33",         // page 33 is not a page code
      "ADT1000", "ADT12", "ADT 12",
      "ACAAS02030405060708",                     // the alarm form carries pages only
      "ACA0002030405060708",
      "RCA3302030405060708",
      "DSM13", "DSM00", "DSD32", "TSH24", "TSM60", "TSS60",
      "CA00" + blank_title, "CA33" + blank_title,
      "CA01" + repeat("2121", 97),                // 97 characters
      "CA01" + repeat("2121", 97) + "2a21",       // lower-case hexadecimal
      "CA01" + repeat("2121", 97) + "7F21",       // outside the JIS rows
      "CA01" + repeat("2121", 97) + "2120",       // outside the JIS cells
      "CX01" + blank_title,
      "RCA00", "RCA33", "RCA1", "RPTS", "R", "",
      "AMX", "AMIX", "GO", "tsa", " TSA", "TSA ",
  };
  for (const std::string& command : refused) {
    SignState s = factory_state();
    EXPECT_EQ(ask(s, command), "E3") << command;
    const SignState fresh = factory_state();
    EXPECT_EQ(ask(s, "RPTSS"), "PTSS" + std::string(32, '3'));
    EXPECT_EQ(ask(s, "RPTIC"), "PTIC" + repeat("70", 32));
    EXPECT_EQ(ask(s, "RSDTT"), "SDTT" + repeat("09121518", 31)) << command;
    EXPECT_EQ(ask(s, "RRCA"), "RCA0102030405060708") << command;
    EXPECT_EQ(s.titles, fresh.titles) << command;
    EXPECT_EQ(s.clock_month, fresh.clock_month);
  }
}

TEST(SignRefusals, LineMustEndWithExactlyOneCrLf) {
  SignState s = factory_state();
  EXPECT_EQ(answer_line(s, "TSA\r\n"), "GO");
  EXPECT_EQ(answer_line(s, "TSA\n"), "E3");
  EXPECT_EQ(answer_line(s, "TSA\r\r\n"), "E3");
  EXPECT_EQ(answer_line(s, "TSA\r\nTSA\r\n"), "E3");
  EXPECT_EQ(answer_line(s, std::string("TSA\0\r\n", 6)), "E3");
  EXPECT_EQ(answer_line(s, "\r\n"), "E3");
  EXPECT_EQ(answer_line(s, "\n"), "E3");
  EXPECT_EQ(s.clock_corrections, 1);
}

TEST(SignStateReport, ListsEveryReadBackReplyOncePerLine) {
  SignState s = factory_state();
  ASSERT_EQ(ask(s, "CA32" + std::string("2422") + repeat("2121", 97)), "GO");
  const std::string report = state_report(s);
  EXPECT_EQ(std::count(report.begin(), report.end(), '\n'), 21 + 32);
  EXPECT_EQ(report.substr(0, 20), "ACA0102030405060708\n");
  EXPECT_NE(report.find("\nTSR1\nCA01" + repeat("2121", 98) + "\n"), std::string::npos);
  EXPECT_EQ(report.substr(report.size() - 397), "CA322422" + repeat("2121", 97) + "\n");
}

TEST(SignWireFields, PageCodesAndHexDigits) {
  EXPECT_EQ(read_page_code("01", false, false), 1);
  EXPECT_EQ(read_page_code("32", false, false), 32);
  EXPECT_EQ(read_page_code("AS", true, false), page_code_all);
  EXPECT_FALSE(read_page_code("AS", false, true));
  EXPECT_EQ(read_page_code("00", false, true), page_code_none);
  EXPECT_FALSE(read_page_code("00", true, false));
  EXPECT_EQ(write_page_code(page_code_all), "AS");
  EXPECT_EQ(write_page_code(page_code_none), "00");
  EXPECT_EQ(read_hex4("7C7E"), 0x7C7Eu);
  EXPECT_FALSE(read_hex4("7c7e"));
  EXPECT_EQ(write_hex4(0x2A0F), "2A0F");
  EXPECT_EQ(write_decimal(7, 3), "007");
}

TEST(SignFactoryFile, AppliesCommandsAndNamesTheFirstRefusedLine) {
  SignState s = factory_state();
  std::string error;
  EXPECT_TRUE(apply_factory_commands("# a sign already in use\r\nPVT03\r\n\nADT123\n", s, error));
  EXPECT_EQ(s.top_value, 3);
  EXPECT_EQ(s.alarm_hold_time, 123);
  EXPECT_FALSE(apply_factory_commands("PVB04\nRPVB\nPVB05\n", s, error));
  EXPECT_NE(error.find("line 2"), std::string::npos) << error;
  EXPECT_EQ(s.bottom_value, 4);
}

}  // namespace
}  // namespace kyz::signsim

namespace kyz::signsim {
namespace {

// Damaged variants of good commands: the sign must answer each without failing, and
// whatever it then reports must itself be a command it accepts, so its state never
// holds a value outside the layouts.
TEST(SignRobustness, DamagedCommandsNeverBreakTheSignOrItsState) {
  const std::vector<std::string> good = {
      "PTSS" + std::string(32, '2'), "PTIC" + repeat("12", 32), "SDPT" + repeat("AS0132", 41) + "01",
      "SDTT" + repeat("00", 124), "CA09" + repeat("7C7E", 98), "RCA01AS0203040506AS", "ACA0102030405060708",
      "P07", "PVT03", "ADT123", "TSR4", "TSDN", "RMBIT", "RCA12", "RPTIC", "RSDPT"};
  const char* read_backs[] = {"RPTSS", "RPTWL", "RPTFB", "RPTDP", "RPTSP", "RPTIC", "RP",   "RPVT",
                              "RPVB",  "RTSD",  "RTSR",  "RSDTT", "RSDPT", "RCI",   "RAM",  "RAIC",
                              "RADT",  "RAR",   "RRM",   "RRCA",  "RCA01", "RCA09", "RCA32"};
  const std::string alphabet = std::string("0123456789ABCDEFGHILMNOPRSTabc \r\n\x81\xFF") + '\0';
  std::uint32_t seed = 12345;
  auto next = [&seed](std::uint32_t bound) {
    seed = seed * 1664525u + 1013904223u;
    return (seed >> 8) % bound;
  };
  SignState s = factory_state();
  for (int round = 0; round < 20000; ++round) {
    std::string line = good[next(static_cast<std::uint32_t>(good.size()))];
    const int damage = static_cast<int>(next(4));
    for (int d = 0; d < damage && !line.empty(); ++d) {
      const std::size_t at = next(static_cast<std::uint32_t>(line.size()));
      switch (next(3)) {
        case 0: line[at] = alphabet[next(static_cast<std::uint32_t>(alphabet.size()))]; break;
        case 1: line.erase(at, 1 + next(3)); break;
        default: line.insert(at, 1, alphabet[next(static_cast<std::uint32_t>(alphabet.size()))]); break;
      }
    }
    std::string reply;
    ASSERT_NO_THROW(reply = ask(s, line)) << line;
    ASSERT_FALSE(reply.empty());
  }
  for (const char* request : read_backs) {
    const std::string reply = ask(s, request);
    SignState copy = s;
    EXPECT_EQ(answer_command(copy, reply), "GO") << request << " -> " << reply;
  }
}

}  // namespace
}  // namespace kyz::signsim
