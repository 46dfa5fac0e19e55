#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/links/serial_line_assembler.h"

namespace kyz {
namespace {

class SerialLineTest : public ::testing::Test {
 protected:
  void feed(const std::string& bytes) {
    assembler.feed(bytes, [this](std::string_view line) {
      // The handler relies on a NUL right after the line.
      EXPECT_EQ(line.data()[line.size()], '\0');
      lines.emplace_back(line);
    });
  }
  SerialLineAssembler assembler;
  std::vector<std::string> lines;
};

TEST_F(SerialLineTest, ReplySpreadOverReadsIsHandedOnOnceWhenItsLfArrives) {
  feed("G");
  EXPECT_TRUE(lines.empty());
  feed("O\r");
  EXPECT_TRUE(lines.empty());
  EXPECT_EQ(assembler.pending_length(), 3u);
  feed("\n");
  EXPECT_EQ(lines, std::vector<std::string>{"GO\r\n"});
  EXPECT_EQ(assembler.pending_length(), 0u);
}

TEST_F(SerialLineTest, EveryLineOfOneReadReachesTheHandlerInOrder) {
  // An error reply behind a "GO" in the same read must not be lost.
  feed("GO\r\nE3\r\nPT");
  EXPECT_EQ(lines, (std::vector<std::string>{"GO\r\n", "E3\r\n"}));
  feed("SS\r\n");
  EXPECT_EQ(lines.back(), "PTSS\r\n");
}

TEST_F(SerialLineTest, EmptyReadAndBareLfAreHarmless) {
  feed("");
  EXPECT_TRUE(lines.empty());
  feed("\n");
  EXPECT_EQ(lines, std::vector<std::string>{"\n"});
}

TEST_F(SerialLineTest, LineOfExactly499BytesFits) {
  const std::string longest = std::string(497, 'A') + "\r\n";
  feed(longest.substr(0, 300));
  feed(longest.substr(300));
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0], longest);
}

TEST_F(SerialLineTest, OverlongLineIsDroppedUpToItsLfAndTheNextReplyStillArrives) {
  feed(std::string(499, 'X'));  // buffer full, no LF yet
  EXPECT_TRUE(lines.empty());
  feed(std::string(600, 'Y'));  // far beyond: nothing written past the buffer
  EXPECT_TRUE(assembler.discarding_overlong_line());
  feed("YY\r\nGO\r\n");
  EXPECT_EQ(lines, std::vector<std::string>{"GO\r\n"});
  EXPECT_FALSE(assembler.discarding_overlong_line());
}

TEST_F(SerialLineTest, LineOneByteTooLongEndingInLfIsDroppedAlone) {
  feed(std::string(498, 'A') + "\r\n" + "GO\r\n");
  EXPECT_EQ(lines, std::vector<std::string>{"GO\r\n"});
}

TEST_F(SerialLineTest, LargeBurstInSmallChunksKeepsEveryLine) {
  // 1,000 replies arriving in 500-byte chunks, as the read thread fetches a full queue.
  std::string burst;
  for (int i = 0; i < 1000; ++i) burst += "GO\r\n";
  for (std::size_t at = 0; at < burst.size(); at += 500) feed(burst.substr(at, 500));
  EXPECT_EQ(lines.size(), 1000u);
}

}  // namespace
}  // namespace kyz
