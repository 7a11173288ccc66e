#pragma once
// A button shaped like its picture: four pictures (normal, hover, pressed, disabled) from ".bmp" files,
// an optional toggle mode, a tooltip, and a click reported only when released inside the shape.

#include <array>
#include <string>
#include <string_view>

#include "skin/ControlSupport.h"
#include "skin/RgnButtonModel.h"
#include "skin/RgnWnd.h"
#include "skin/SkinImage.h"

namespace skin {

class CRgnButton : public CRgnWnd {
 public:
  // Stores the four paths and loads their pictures, replacing those held. Call it before Create, which
  // takes the outline from the first file; later calls change the pictures but not the outline.
  // False when the button already shows these files: nothing is read again or repainted.
  bool SetFiles(const std::wstring& first, const std::wstring& second, const std::wstring& third,
                const std::wstring& fourth);
  void SetTooltip(const std::wstring& text);
  const CToolTip& GetTooltip() const { return m_tooltip.Window(); }
  const std::wstring& TooltipText() const { return m_tooltip.Text(); }

  void SetToggleMode(bool toggle) { m_model.toggle = toggle; }
  bool GetChecked() const { return m_model.checked; }
  void SetChecked(bool checked);
  RgnState GetState() const { return m_model.state(); }
  HBITMAP GetPicture(int index) const { return m_pictures[static_cast<std::size_t>(index)].get(); }

 protected:
  bool PreTranslateMessage(MSG& msg) override;
  void OnPaint() override;
  void OnTimer(UINT_PTR id) override;
  void OnDestroy() override;
  LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

 private:
  static constexpr UINT_PTR kHoverTimer = 0;
  static constexpr UINT kHoverMilliseconds = 50;

  RgnButtonModel m_model;
  std::array<SkinBitmap, kRgnPictureCount> m_pictures;
  ControlTooltip m_tooltip;
};

// The dialogs' region buttons: loads the set "<set>_n.bmp", "<set>_o.bmp", "<set>_d.bmp" from the skin
// folder (the first again as the fourth), creates the button in `parent` and moves it to `corner`, keeping
// the picture's size. False when the window could not be created.
bool CreateSkinRegionButton(CRgnButton& button, HWND parent, std::u16string_view set, POINT corner);

}  // namespace skin
