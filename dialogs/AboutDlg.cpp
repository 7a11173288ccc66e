#include "dialogs/AboutDlg.h"

#include "dialogs/DialogPlacement.h"
#include "framework/Gdiplus.h"
#include "platform/ProgramFolders.h"
#include "platform/win32/Text.h"
#include "resources/Resource.h"
#include "skin/DrawnTexts.h"
#include "skin/SkinImage.h"
#include "skin/SkinPaths.h"
#include "strings/StringTable.h"

namespace {

constexpr RECT kOkRect{265, 155, 335, 190};
constexpr RECT kCloseRect{315, 1, 345, 25};
constexpr skin::LinkColours kLinkColours{0x949494, 0x949494, 0x0E72EE};

struct PaintedText {
  const strings::StringKey* key;
  Gdiplus::RectF rect;
};
const PaintedText kTexts[4] = {
    {&strings::kAboutVersion, {15, 70, 200, 20}},
    {&strings::kAboutSupport, {15, 90, 65, 20}},
    {&strings::kAboutDiscuss, {15, 110, 80, 20}},
    {&strings::kAboutCopyright, {15, 130, 400, 20}},
};

void CreateImageButton(skin::CBitmapBtn& button, HWND parent, const RECT& rect, Gdiplus::Bitmap* normal,
                       Gdiplus::Bitmap* over, Gdiplus::Bitmap* down) {
  button.Create(rect, parent);
  button.SetImageFaces(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, normal, over, down,
                       normal);
}

}  // namespace

CAboutDlg::CAboutDlg() : CSkinnedDialog(IDD_ABOUTBOX, /*movableByBody=*/true) {}

void CAboutDlg::DoDataExchange() {
  m_support.AttachDlgItem(IDC_SUPPORT_LINK, m_hWnd);
  m_forum.AttachDlgItem(IDC_FORUM_LINK, m_hWnd);
}

BOOL CAboutDlg::OnInitDialog() {
  CSkinnedDialog::OnInitDialog();
  auto load = [](const char16_t* name) {
    return skin::LoadSkinImage(win::Wide(skin::SkinFilePath(platform::Folders().exe, name)).c_str());
  };
  m_normal = load(u"about_n.png");
  m_over = load(u"about_o.png");
  m_down = load(u"about_d.png");

  SIZE size = skin::FirstNonEmptySize(
      {skin::ImageSize(m_normal.get()), skin::ImageSize(m_over.get()), skin::ImageSize(m_down.get())});
  if (size.cx == 0) {  // no picture at all: the template's size
    const RECT rect = GetWindowRect();
    size = {rect.right - rect.left, rect.bottom - rect.top};
  }
  const auto origin = dialogs::CentredOrigin(::GetSystemMetrics(SM_CXFULLSCREEN), ::GetSystemMetrics(SM_CYFULLSCREEN),
                                             size.cx, size.cy);
  MoveWindow(origin.x, origin.y, size.cx, size.cy);

  CreateImageButton(m_ok, m_hWnd, kOkRect, m_normal.get(), m_over.get(), m_down.get());
  m_ok.caption = win::Wide(strings::LookUpString(strings::kMainOk));
  m_ok.textOffset = 0;
  m_ok.placement = skin::CaptionPlacement::Centred;
  m_ok.Invalidate();
  CreateImageButton(m_close, m_hWnd, kCloseRect, m_normal.get(), m_over.get(), m_down.get());

  SetUpLink(m_support, 85, 90, dialogs::kSupportAddress);
  SetUpLink(m_forum, 100, 110, dialogs::kForumAddress);

  for (int i = 0; i < 4; ++i) m_texts[i] = win::Wide(strings::LookUpString(*kTexts[i].key));
  return TRUE;
}

void CAboutDlg::SetUpLink(skin::CHyperLink& link, int x, int y, const wchar_t* address) {
  link.MoveWindow(x, y, 240, 20);
  link.SetWindowText(address);
  link.SetTarget(address);
  link.colours = kLinkColours;
  link.SetUnderline(skin::LinkUnderline::Never);
}

bool CAboutDlg::OnCommand(WPARAM wParam, LPARAM lParam) {
  const auto sender = reinterpret_cast<HWND>(lParam);
  if (sender && sender == m_ok.GetHwnd()) {
    EndDialog(IDOK);
    return true;
  }
  if (sender && sender == m_close.GetHwnd()) {
    EndDialog(IDCANCEL);
    return true;
  }
  return CSkinnedDialog::OnCommand(wParam, lParam);
}

void CAboutDlg::DrawBackground(HDC dc, SIZE size) const {
  Gdiplus::Graphics graphics(dc);
  if (m_normal) graphics.DrawImage(m_normal.get(), 0, 0, size.cx, size.cy);
  const auto family = win::SansSerifFamily();
  if (!family) return;
  Gdiplus::Font font(family.get(), 9, Gdiplus::FontStyleRegular, Gdiplus::UnitPoint);
  Gdiplus::SolidBrush grey(Gdiplus::Color(0xFF808080));
  Gdiplus::StringFormat format;
  format.SetAlignment(Gdiplus::StringAlignmentNear);
  for (int i = 0; i < 4; ++i) {
    skin::ReportDrawnText(graphics, m_texts[i], font, kTexts[i].rect, format);
    graphics.DrawString(m_texts[i].c_str(), static_cast<INT>(m_texts[i].size()), &font, kTexts[i].rect, &format, &grey);
  }
}
