// Any bytes from the sign over TCP, cut into reads of any size: the reply accumulation
// of both programs' socket reply handlers.
//
// kyz424lx: a reply is the bytes of the reads up to one whose last byte is LF. However it
// was cut, a reply of at most 1024 bytes must have the same effect as the same reply in
// one read; a longer one is dropped. Closed or failed reads (length 0 or less) change
// nothing. kyz424 reads at most 499 bytes per notification and reports failed reads.
// Both must keep the accumulator within its 1024 bytes, the titles in shape and show
// only their own texts.
//
// Input: read sizes (0 = a closed or failed read) from the end of the data, the stream
// from the front.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "core/protocol/protocol_state.h"
#include "core/protocol/reply_handlers.h"
#include "core/settings/edition.h"
#include "fuzz/fuzz_support.h"

namespace {

using namespace kyz;

// One read of kyz424lx's answer wait, as the link leaves it for the handler.
void lx_read(std::string_view bytes, int result) {
  std::memset(receive_buffer, 0, sizeof receive_buffer);
  if (!bytes.empty()) std::memcpy(receive_buffer, bytes.data(), bytes.size());
  received_length = result;
  socket_reply_handler();
}

void check_accumulator(std::string_view read) {
  if (reply_accumulator.size() > reply_accumulator_capacity) std::abort();
  if (read.empty()) return;
  const bool complete = read.back() == '\n';
  if (reply_pending != (complete ? 0 : 1)) std::abort();
  if (complete && !reply_accumulator.empty()) std::abort();
}

struct Outcome {
  SettingsRecord record;
  std::vector<std::string> texts;
  int device_error;
  bool operator==(const Outcome&) const = default;
};

void start(fuzz::RecordingBoxes& boxes) {
  reset_settings(settings);
  clear_reply_accumulator();
  sequence_step = 0;
  device_error = 0;
  boxes.texts.clear();
}

Outcome finish(fuzz::RecordingBoxes& boxes) {
  fuzz::check_titles(settings);
  for (const std::string& text : boxes.texts) {
    if (!fuzz::is_reply_message(text)) std::abort();
  }
  return {settings, boxes.texts, device_error.load()};
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  std::vector<std::size_t> reads(input.ConsumeIntegralInRange<std::size_t>(1, 6));
  for (std::size_t& n : reads) n = input.ConsumeIntegralInRange<std::size_t>(0, 1100);
  const std::string stream = input.ConsumeRemainingBytesAsString();
  fuzz::RecordingBoxes boxes;

  // kyz424lx, cut as the input says; the complete replies are noted on the way.
  edition = Edition::lx;
  start(boxes);
  std::vector<std::string> replies;
  std::string reply;
  bool too_long = false;
  std::size_t at = 0;
  for (std::size_t i = 0; at < stream.size() && i < 4 * stream.size() + 8; ++i) {
    const std::size_t wanted = reads[i % reads.size()];
    if (wanted == 0) {
      lx_read({}, i % 2 == 0 ? 0 : -1);
      if (!reply_accumulator.empty() && reply_pending == 0) std::abort();
      continue;
    }
    const std::string_view read =
        std::string_view(stream).substr(at, std::min(wanted, receive_buffer_size));
    at += read.size();
    lx_read(read, static_cast<int>(read.size()));
    check_accumulator(read);
    reply += read;
    too_long = too_long || reply.size() > reply_accumulator_capacity;
    if (read.back() == '\n') {
      // A reply too long for the accumulator is dropped like one that matches nothing.
      replies.push_back(too_long ? std::string("\n") : reply);
      reply.clear();
      too_long = false;
    }
  }
  const Outcome cut = finish(boxes);

  // The same replies, each in one read.
  start(boxes);
  for (const std::string& whole : replies) lx_read(whole, static_cast<int>(whole.size()));
  if (!(finish(boxes) == cut)) std::abort();

  // kyz424: at most 499 bytes per receive notification; 0 is a failed read.
  edition = Edition::mfc;
  start(boxes);
  at = 0;
  for (std::size_t i = 0; at < stream.size() && i < 4 * stream.size() + 8; ++i) {
    const std::size_t wanted = reads[i % reads.size()];
    if (wanted == 0) {
      socket_reply_handler(nullptr, -1);
      if (boxes.texts.back() != "Socket 受信") std::abort();
      continue;
    }
    const std::size_t n = std::min<std::size_t>(wanted, mfc_receive_chunk);
    char chunk[mfc_receive_chunk + 1] = {};
    const std::string_view read = std::string_view(stream).substr(at, n);
    if (!read.empty()) std::memcpy(chunk, read.data(), read.size());
    at += read.size();
    socket_reply_handler(chunk, static_cast<int>(read.size()));
    check_accumulator(read);
  }
  finish(boxes);
  return 0;
}
