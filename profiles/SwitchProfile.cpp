#include "profiles/SwitchProfile.h"

#include "platform/ProgramFolders.h"
#include "platform/win32/Text.h"
#include "resources/Resource.h"
#include "strings/StringTable.h"

namespace {

using profiles::SwitchStep;
using skin::DialogButton;

const DialogButton kButtons[] = {
    {{261, 98, 353, 120}, &strings::kOtherOk},
    {{354, 98, 446, 120}, &strings::kOtherCancel},
    {{261, 9, 277, 22}},
    {{261, 56, 277, 68}},
    {{362, 20, 375, 29}},
    {{362, 57, 375, 65}},
    // Its pressed and checked face is the over picture's piece: the tick.
    {.rect = {70, 146, 82, 158}, .pressedFromOver = true},
};
const skin::DialogText kTexts[] = {
    {&strings::kOtherOsd, {84, 143, 230, 164}, skin::kLabelStyle},
};

constexpr RECT kProfileBox{74, 28, 277, 52};
constexpr RECT kLayerBox{292, 34, 377, 54};
// What a step repaints: each box and a margin left of it.
constexpr RECT kProfileRepaint{46, 28, 277, 52};
constexpr RECT kLayerRepaint{288, 34, 377, 54};
constexpr COLORREF kBoxColour = RGB(90, 90, 90);

struct StepButton {
  CSwitchProfile::Button button;
  SwitchStep step;
};
constexpr StepButton kStepButtons[] = {
    {CSwitchProfile::kProfileUp, SwitchStep::kProfileUp},
    {CSwitchProfile::kProfileDown, SwitchStep::kProfileDown},
    {CSwitchProfile::kLayerUp, SwitchStep::kLayerUp},
    {CSwitchProfile::kLayerDown, SwitchStep::kLayerDown},
};

// The background tells which layer is being edited: one picture per layer.
std::u16string_view NormalFaceFor(int currentLayer) {
  switch (currentLayer) {
    case 2: return u"normal3";
    case 1: return u"normal2";
    default: return u"normal1";
  }
}

}  // namespace

CSwitchProfile::CSwitchProfile(int currentLayer) : CSkinnedDialog(IDD_SWITCHPROFILE), m_currentLayer(currentLayer) {}

void CSwitchProfile::SetValues(std::int32_t profile, std::int32_t layer, std::int32_t showOsd) {
  m_choice = profiles::ProfileSwitchChoice::FromRecord(profile, layer, showOsd);
}

BOOL CSwitchProfile::OnInitDialog() {
  CSkinnedDialog::OnInitDialog();
  m_profileLabel = strings::LookUpString(strings::kProfileSetProfile);
  m_layerLabel = strings::LookUpString(strings::kOtherLayer);

  skin::DialogSkinFiles files = SkinSet(u"profile switch");
  files.normal = skin::SkinFilePath(platform::Folders().exe,
                                    skin::SkinSetFileName(u"profile switch", NormalFaceFor(m_currentLayer), u"jpg"));
  BuildSkin(files, kButtons, kTexts);
  ShowChoice();
  return TRUE;
}

void CSwitchProfile::OnButton(std::size_t index) {
  switch (index) {
    case kOk: EndDialog(IDOK); return;
    case kCancel: EndDialog(IDCANCEL); return;
    case kProfileUp: Step(SwitchStep::kProfileUp, kProfileRepaint); return;
    case kProfileDown: Step(SwitchStep::kProfileDown, kProfileRepaint); return;
    case kLayerUp: Step(SwitchStep::kLayerUp, kLayerRepaint); return;
    case kLayerDown: Step(SwitchStep::kLayerDown, kLayerRepaint); return;
    case kDisplay:
      m_choice.ToggleOsd();
      ShowChoice();
      return;
    default: return;
  }
}

void CSwitchProfile::Step(SwitchStep step, const RECT& repaint) {
  if (!m_choice.Step(step)) return;
  ShowChoice();
  ::InvalidateRect(m_hWnd, &repaint, FALSE);
}

// Each arrow is enabled exactly while its step can move, and the toggle shows the flag.
void CSwitchProfile::ShowChoice() {
  for (const StepButton& entry : kStepButtons) {
    auto& button = GetButton(entry.button);
    const bool enable = m_choice.CanStep(entry.step);
    if (button.IsWindowEnabled() != enable) button.EnableWindow(enable);
  }
  GetButton(kDisplay).SetChecked(m_choice.Values().showOsd != 0);
}

void CSwitchProfile::DrawContent(HDC dc) const {
  skin::FillBox(dc, kProfileBox, kBoxColour);
  skin::DrawTextLine(dc, win::Wide(m_choice.ProfileBoxText(m_profileLabel)), kProfileBox, skin::kLabelStyle);
  skin::FillBox(dc, kLayerBox, kBoxColour);
  skin::DrawTextLine(dc, win::Wide(m_choice.LayerBoxText(m_layerLabel)), kLayerBox, skin::kLabelStyle);
}
