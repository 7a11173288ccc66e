#include "platform/win32/Win32Messenger.h"

#include <windows.h>

#include "platform/win32/Text.h"

namespace platform {

bool Win32Messenger::PostToWindowTitled(std::u16string_view title, const PostedMessage& message) {
  const std::wstring caption = win::Wide(title);
  HWND target = ::FindWindowW(nullptr, caption.c_str());
  if (!target) return false;
  return ::PostMessageW(target, message.message, static_cast<WPARAM>(message.wParam),
                        static_cast<LPARAM>(message.lParam)) != FALSE;
}

}  // namespace platform
