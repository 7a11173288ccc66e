#pragma once
// What the single-key dialog does with each key the hook library reports: the first key is captured,
// a different second key asks once whether it replaces the first, and once that question is answered
// every further key replaces the captured one without asking, whatever the answer was. A press and its
// release arrive as two equal events and capture the key once.

#include <cstdint>

namespace editors {

class SingleKeyCapture {
 public:
  enum class Outcome {
    kTaken,          // the key is captured now (the first key, or the same key again)
    kReplaced,       // a later key replaced the captured one without asking
    kAskToReplace,   // ask the user; the captured key stays until the answer
    kIgnored,        // the question is open: the user's answer decides, not the next key event
  };

  // A fresh showing: nothing captured, the question armed again.
  void Reset() { *this = {}; }
  Outcome OnKey(std::uint8_t key);
  // The user answered the question about `key`.
  void Answer(bool replace, std::uint8_t key);
  void Set(std::uint8_t key) { m_captured = key; }

  std::uint8_t Captured() const { return m_captured; }
  bool Asked() const { return m_asked; }
  bool QuestionOpen() const { return m_questionOpen; }

 private:
  std::uint8_t m_captured = 0;  // a virtual-key code; 0 = nothing yet
  bool m_asked = false;
  bool m_questionOpen = false;
};

}  // namespace editors
