#pragma once
// Posts to a top-level window found by its exact title with FindWindowW; the handle is never kept.

#include "platform/WindowMessenger.h"

namespace platform {

class Win32Messenger final : public WindowMessenger {
 public:
  bool PostToWindowTitled(std::u16string_view title, const PostedMessage& message) override;
};

}  // namespace platform
