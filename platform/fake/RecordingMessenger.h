#pragma once
// A window messenger for tests: a window with the given title "exists" when `present` is set,
// and every post that reached it is kept in order.

#include <functional>
#include <string>
#include <vector>

#include "platform/WindowMessenger.h"

namespace platform {

class RecordingMessenger final : public WindowMessenger {
 public:
  bool present = true;
  std::u16string title;  // empty: any title is accepted
  std::vector<PostedMessage> posted;
  std::function<void(const PostedMessage&)> onPost;

  bool PostToWindowTitled(std::u16string_view target, const PostedMessage& message) override {
    if (!present || (!title.empty() && target != title)) return false;
    posted.push_back(message);
    if (onPost) onPost(message);
    return true;
  }
};

}  // namespace platform
