// The platform services of the Windows build.
#include "platform/win32/Win32CodePages.h"
#include "platform/win32/Win32KeyboardLayout.h"

namespace platform {

const CodePages& SystemCodePages() {
  static const Win32CodePages codePages;
  return codePages;
}

const KeyboardLayout& SystemKeyboardLayout() {
  static const Win32KeyboardLayout layout;
  return layout;
}

}  // namespace platform
