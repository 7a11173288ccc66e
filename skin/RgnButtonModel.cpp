#include "skin/RgnButtonModel.h"

namespace skin {

RgnButtonModel::Reply RgnButtonModel::ButtonDown(bool inside) {
  captured_ = true;
  if (inside)
    state_ = RgnState::Pressed;
  else
    pressedInside_ = false;
  return {true, false};
}

bool RgnButtonModel::TrackPress(bool inside) {
  if (!captured_ || pressedInside_ == inside) return false;
  pressedInside_ = inside;
  return true;
}

RgnButtonModel::MoveReply RgnButtonModel::Move(bool inside) {
  if (toggle && state_ == RgnState::Pressed) return {TrackPress(inside), false};
  MoveReply reply;
  reply.restartHoverTimer = true;
  const auto wanted = pressedInside_ ? RgnState::Pressed : RgnState::Hover;
  if (state_ != wanted) {
    state_ = wanted;
    reply.repaint = true;
  }
  if (TrackPress(inside)) reply.repaint = true;
  return reply;
}

RgnButtonModel::Reply RgnButtonModel::HoverTimer(bool cursorInside, bool holdsCapture) {
  if (!cursorInside && state_ == RgnState::Hover && !holdsCapture) {
    state_ = RgnState::Normal;
    return {true, false};
  }
  return {};
}

RgnButtonModel::Reply RgnButtonModel::ButtonUp(bool inside) {
  captured_ = false;
  pressedInside_ = false;
  // Only a completed click flips a toggle, so the look never changes without the owner hearing of it.
  if (toggle && state_ == RgnState::Pressed && inside) checked = !checked;
  state_ = RgnState::Normal;
  return {true, inside};
}

void RgnButtonModel::SyncEnabled(bool enabled) {
  if (!enabled)
    state_ = RgnState::Disabled;
  else if (state_ == RgnState::Disabled)
    state_ = RgnState::Normal;
}

}  // namespace skin
