// Any bytes from the sign over RS-232C, in reads of any size: the line assembly of the
// read thread, then the serial reply handler on every line it completes.
//
// The lines handed on must not depend on how the bytes were cut into reads, and must be
// exactly the LF-terminated pieces of the stream that fit the 500-byte line buffer
// (longer ones are dropped whole). The handler must keep the record's titles in shape
// and show only its own texts.
//
// Input: read sizes are taken from the end of the data, the stream from the front.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "core/links/serial_line_assembler.h"
#include "core/protocol/protocol_state.h"
#include "core/protocol/reply_handlers.h"
#include "core/settings/edition.h"
#include "fuzz/fuzz_support.h"

namespace {

using kyz::SerialLineAssembler;

// The line rule written out plainly.
std::vector<std::string> expected_lines(std::string_view stream) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t end; (end = stream.find('\n', start)) != std::string_view::npos;
       start = end + 1) {
    const std::string_view line = stream.substr(start, end + 1 - start);
    if (line.size() <= SerialLineAssembler::max_line_length) lines.emplace_back(line);
  }
  return lines;
}

std::vector<std::string> assemble(std::string_view stream, const std::vector<std::size_t>& reads) {
  SerialLineAssembler assembler;
  std::vector<std::string> lines;
  auto keep = [&](std::string_view line) {
    // The handler gets a NUL-terminated line, as the C string it was designed for.
    if (line.data()[line.size()] != '\0') std::abort();
    lines.emplace_back(line);
  };
  std::size_t at = 0;
  for (std::size_t i = 0; at < stream.size(); ++i) {
    const std::size_t n = reads.empty() ? stream.size() : reads[i % reads.size()];
    assembler.feed(stream.substr(at, n), keep);
    at += n;
    if (assembler.pending_length() > SerialLineAssembler::max_line_length) std::abort();
  }
  return lines;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace kyz;
  FuzzedDataProvider input(data, size);
  std::vector<std::size_t> reads(input.ConsumeIntegralInRange<std::size_t>(0, 6));
  for (std::size_t& n : reads) n = input.ConsumeIntegralInRange<std::size_t>(1, 2100);
  const std::string stream = input.ConsumeRemainingBytesAsString();

  const std::vector<std::string> whole = assemble(stream, {});
  if (whole != expected_lines(stream)) std::abort();
  if (assemble(stream, reads) != whole) std::abort();

  fuzz::RecordingBoxes boxes;
  for (Edition e : {Edition::lx, Edition::mfc}) {
    edition = e;
    reset_settings(settings);
    sequence_step = 0;
    for (const std::string& line : whole) {
      awaiting_answer = 1;
      serial_reply_handler(line);
      // Every line counts as the answer.
      if (awaiting_answer != 0 || answer_ticks != 0) std::abort();
    }
    fuzz::check_titles(settings);
  }
  for (const std::string& text : boxes.texts) {
    if (!fuzz::is_reply_message(text)) std::abort();
  }
  return 0;
}
