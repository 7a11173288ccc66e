#include "skin/ButtonLook.h"

namespace skin {

ButtonLook BitmapBtn2Look(const BitmapBtn2State& s, const TextColours& colours) {
  ButtonLook look;
  if (s.toggle) {
    // A toggle shows its checked state even while disabled.
    look.face = s.checked ? Face::Down : s.highlighted ? Face::Over : Face::Normal;
    look.text = s.checked ? colours.pressed : s.highlighted ? colours.hover : colours.normal;
  } else {
    look.face = (s.checked || s.pressed) ? Face::Down
                : s.highlighted          ? Face::Over
                : s.disabled             ? Face::Disabled
                                         : Face::Normal;
    look.text = !s.parentActive               ? colours.normal
                : (s.pressed || s.checked)    ? colours.pressed
                : s.highlighted               ? colours.hover
                                              : colours.normal;
  }
  if (s.disabled) look.text = kDisabledTextColour;
  return look;
}

Rect CaptionBox(CaptionAlign align, const Rect& client) {
  Rect box = client;
  switch (align) {
    case CaptionAlign::Left:
      box.left += 3;
      box.right -= 5;
      break;
    case CaptionAlign::Right:
      box.right -= 20;
      break;
    case CaptionAlign::Centre:
      break;
  }
  return box;
}

ButtonLook BitmapBtnLook(const BitmapBtnState& s, const TextColours& colours) {
  const ButtonLook atRest = s.disabled ? ButtonLook{Face::Disabled, kDisabledTextColour}
                                       : ButtonLook{Face::Normal, colours.normal};
  const ButtonLook down{Face::Down, colours.pressed};
  const ButtonLook over{Face::Over, colours.hover};
  if (s.releaseClick) {
    if (s.checked) return s.disabled ? ButtonLook{Face::Disabled, kDisabledTextColour} : down;
    return s.hover ? over : atRest;
  }
  if (s.checked || s.pressed) return down;
  if (s.hover || s.highlighted) return over;
  return atRest;
}

Point CaptionOrigin(CaptionPlacement placement, int w, int h, int cx, int cy) {
  switch (placement) {
    case CaptionPlacement::Rotated90: return {w / 2 - cy / 2, h / 2 + cx / 2};
    case CaptionPlacement::Rotated270: return {w / 2 + cy / 2, h / 2 - cx / 2};
    case CaptionPlacement::Left: return {0, h / 2 - cy / 2};
    case CaptionPlacement::Right: return {w - cx, h / 2 - cy / 2};
    case CaptionPlacement::Centred: break;
  }
  return {w / 2 - cx / 2, h / 2 - cy / 2};
}

int CaptionEscapement(CaptionPlacement placement) {
  switch (placement) {
    case CaptionPlacement::Rotated90: return 900;
    case CaptionPlacement::Rotated270: return 2700;
    default: return 0;
  }
}

}  // namespace skin
