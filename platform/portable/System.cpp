// The platform services of a build without Windows.
#include "platform/portable/PortableCodePages.h"
#include "platform/portable/UsKeyboardLayout.h"

namespace platform {

const CodePages& SystemCodePages() {
  static const PortableCodePages codePages;
  return codePages;
}

const KeyboardLayout& SystemKeyboardLayout() {
  static const UsKeyboardLayout layout;
  return layout;
}

}  // namespace platform
