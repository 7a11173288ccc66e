#include "tools/skindemo/DemoWarningDlg.h"

#include "platform/win32/Text.h"
#include "resources/Resource.h"

namespace skindemo {
namespace {

constexpr skin::TextColours kCaptionColours{0x000000, 0xFFFFFF, 0xFFFFFF};
const skin::DialogButton kButtons[] = {
    {{235, 121, 344, 147}, nullptr, kCaptionColours},
    {{347, 121, 456, 147}, nullptr, kCaptionColours},
};
constexpr skin::TextStyle kTitle{L"BankGothic Lt BT", 18, FW_BOLD, 0x000000};

}  // namespace

CDemoWarningDlg::CDemoWarningDlg(std::wstring skins) : CSkinnedDialog(IDD_WARNING), m_skins(std::move(skins)) {}

BOOL CDemoWarningDlg::OnInitDialog() {
  CSkinnedDialog::OnInitDialog();
  RECT owner{};
  ::GetWindowRect(GetParent() ? GetParent() : ::GetDesktopWindow(), &owner);
  BuildSkin(skin::DialogSkinSet(win::Utf16(m_skins), u"warning", u"jpg"), kButtons, {},
            POINT{owner.left + 80, owner.top + 100});
  GetButton(0).SetCaption(L"OK");
  GetButton(1).SetCaption(L"Cancel");
  return TRUE;
}

void CDemoWarningDlg::DrawContent(HDC dc) const {
  skin::DrawTextLine(dc, L"RESET ALL", RECT{20, 5, 460, 32}, kTitle);
  skin::DrawTextLine(dc, L"Every profile goes back to its defaults.", RECT{20, 54, 460, 74}, skin::kLabelStyle);
  skin::DrawTextLine(dc, L"Do you want to continue?", RECT{20, 74, 460, 94}, skin::kLabelStyle);
}

}  // namespace skindemo
