// The driver's script reader: what a scenario writes must become exactly these words,
// or expected sign bytes and texts would be compared with something else.
#include <gtest/gtest.h>

#include <stdexcept>

#include "tests/e2e/driver/script.h"

namespace gui_driver {
namespace {

std::string fake_environment(const std::string& name) {
  if (name == "OUT") return "/tmp/run";
  throw std::runtime_error("environment variable " + name + " is not set");
}

std::vector<std::string> words_of(const std::string& line) {
  const auto steps = parse_script(line, fake_environment);
  return steps.empty() ? std::vector<std::string>{} : steps[0].words;
}

TEST(DriverScript, QuotedWordsKeepBlanksAndEscapesBecomeBytes) {
  EXPECT_EQ(words_of("expect-combo-text 40029 \"約 4秒\""),
            (std::vector<std::string>{"expect-combo-text", "40029", "約 4秒"}));
  EXPECT_EQ(words_of(R"(expect-received F "PTSS\r\n\x00\x7F\\\"")"),
            (std::vector<std::string>{"expect-received", "F",
                                      std::string("PTSS\r\n\0\x7F\\\"", 10)}));
  EXPECT_EQ(words_of("combo 40097 \"   Top\"")[2], "   Top");
}

TEST(DriverScript, VariablesExpandInsideWordsAndQuotes) {
  EXPECT_EQ(words_of("save-dialog ${OUT}/a.dat")[1], "/tmp/run/a.dat");
  EXPECT_EQ(words_of("save-dialog \"${OUT}/b c.dat\"")[1], "/tmp/run/b c.dat");
  EXPECT_THROW(words_of("save-dialog ${NOPE}/a.dat"), std::runtime_error);
  EXPECT_THROW(words_of("save-dialog ${OUT"), std::runtime_error);
}

TEST(DriverScript, StepsKeepTheirLineNumbersAndSkipCommentsAndBlankLines) {
  const auto steps = parse_script("# a story\r\nstart\r\n\r\n  menu 40003  \r\n", fake_environment);
  ASSERT_EQ(steps.size(), 2u);
  EXPECT_EQ(steps[0].line, 2);
  EXPECT_EQ(steps[1].line, 4);
  EXPECT_EQ(steps[1].words, (std::vector<std::string>{"menu", "40003"}));
}

TEST(DriverScript, MalformedLinesAreRefused) {
  EXPECT_THROW(words_of("expect-box \"unclosed"), std::runtime_error);
  EXPECT_THROW(words_of(R"(expect-received F "\x4")"), std::runtime_error);
  EXPECT_THROW(words_of(R"(expect-received F "\q")"), std::runtime_error);
  EXPECT_THROW(words_of(R"(expect-received F "ends in \)"), std::runtime_error);
}

}  // namespace
}  // namespace gui_driver
