#pragma once
// Posting a message to another program's top-level window, found by its exact title.

#include <cstdint>
#include <string_view>

namespace platform {

struct PostedMessage {
  std::uint32_t message = 0;
  std::uintptr_t wParam = 0;
  std::intptr_t lParam = 0;

  friend bool operator==(const PostedMessage&, const PostedMessage&) = default;
};

class WindowMessenger {
 public:
  virtual ~WindowMessenger() = default;
  // Looks the window up afresh and posts; false when no such window exists or the post failed.
  virtual bool PostToWindowTitled(std::u16string_view title, const PostedMessage& message) = 0;
};

}  // namespace platform
