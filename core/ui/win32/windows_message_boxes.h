// The message boxes of the Windows programs: task-modal MessageBoxW calls.
#pragma once

#include "core/ui/message_boxes.h"

namespace kyz {

class WindowsMessageBoxes final : public MessageBoxSink {
 public:
  BoxAnswer show(BoxKind kind, std::string_view text, std::string_view caption,
                 void* owner) override;
};

}  // namespace kyz
