#include "editors/SingleKeyCapture.h"

namespace editors {

SingleKeyCapture::Outcome SingleKeyCapture::OnKey(std::uint8_t key) {
  // The release of the key that raised the question (or Enter pressed at it) must not decide it.
  if (m_questionOpen) return Outcome::kIgnored;
  if (key == m_captured || m_captured == 0) {
    m_captured = key;
    return Outcome::kTaken;
  }
  if (m_asked) {
    m_captured = key;
    return Outcome::kReplaced;
  }
  m_asked = true;
  m_questionOpen = true;
  return Outcome::kAskToReplace;
}

void SingleKeyCapture::Answer(bool replace, std::uint8_t key) {
  m_questionOpen = false;
  if (replace) m_captured = key;
}

}  // namespace editors
