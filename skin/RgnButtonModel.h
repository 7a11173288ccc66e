#pragma once
// The press, hover and toggle behaviour of the shaped region button, apart from its window:
// the window feeds it mouse events ("inside" = inside the button's outline) and repaints, captures
// and sends its command as the answers say.

namespace skin {

enum class RgnState { Normal = 0, Hover = 1, Pressed = 2, Disabled = 3 };

// Which of the four pictures is shown: the third while checked, else the one of the state.
inline constexpr int kRgnPictureCount = 4;

class RgnButtonModel {
 public:
  struct Reply {
    bool repaint = false;
    bool command = false;  // send the click to the parent
  };

  bool toggle = false;
  bool checked = false;

  RgnState state() const { return state_; }
  bool captured() const { return captured_; }
  bool pressedInside() const { return pressedInside_; }

  // Left button down or double click; the window takes the capture.
  Reply ButtonDown(bool inside);
  // A move; the window restarts its 50 ms hover timer unless the answer says the move only tracked a press.
  struct MoveReply {
    bool repaint = false;
    bool restartHoverTimer = false;
  };
  MoveReply Move(bool inside);
  // The hover timer: the cursor left and nobody holds the capture ends the hover look.
  Reply HoverTimer(bool cursorInside, bool holdsCapture);
  // Left button up; the window releases the capture and repaints.
  Reply ButtonUp(bool inside);
  // Before each paint: a disabled window shows the fourth picture, an enabled one leaves it.
  void SyncEnabled(bool enabled);

  // Index 0..3 of the picture to draw.
  int Picture() const { return checked ? 2 : static_cast<int>(state_); }

 private:
  bool TrackPress(bool inside);

  RgnState state_ = RgnState::Normal;
  bool captured_ = false;
  bool pressedInside_ = false;
};

}  // namespace skin
