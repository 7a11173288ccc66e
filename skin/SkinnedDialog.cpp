#include "skin/SkinnedDialog.h"

#include "platform/ProgramFolders.h"
#include "platform/win32/Text.h"
#include "strings/StringTable.h"

namespace skin {

DialogSkinFiles CSkinnedDialog::SkinSet(std::u16string_view set, std::u16string_view extension) {
  return DialogSkinSet(platform::Folders().exe, set, extension);
}

void CSkinnedDialog::BuildSkin(const DialogSkinFiles& files, std::span<const DialogButton> buttons,
                               std::span<const DialogText> texts, POINT at) {
  m_skin.Load(files);
  m_skin.Place(m_hWnd, at.x, at.y);
  const FaceCutter cutter;
  for (const DialogButton& spec : buttons) {
    CBitmapBtn2& button = m_buttons.emplace_back();
    if (!button.Create(spec.rect, m_hWnd)) continue;
    const RECT& r = spec.rect;
    const HBITMAP normal = m_skin.normal();
    const HBITMAP over = spec.plain ? normal : m_skin.over();
    const HBITMAP down = spec.plain ? normal : spec.pressedFromOver ? m_skin.over() : m_skin.down();
    button.SetFaces(cutter, normal, over, down, normal, r.left, r.top, r.right, r.bottom);
    button.textColour = spec.colours.normal;
    button.hoverColour = spec.colours.hover;
    button.pressedColour = spec.colours.pressed;
    button.alignment = spec.alignment;
    if (spec.caption) button.SetCaption(win::Wide(strings::LookUpString(*spec.caption)));
  }
  m_textTable = texts;
  m_texts.clear();
  for (const DialogText& text : texts) m_texts.push_back(win::Wide(strings::LookUpString(*text.key)));
  m_skin.Finish(m_hWnd);
}

HWND CSkinnedDialog::MainWindow() {
  const std::wstring title = win::Wide(strings::LookUpString(strings::kMainName));
  return title.empty() ? nullptr : ::FindWindowW(nullptr, title.c_str());
}

void CSkinnedDialog::PostToMainWindow(UINT msg, WPARAM code, LPARAM lParam) {
  if (HWND main = MainWindow()) ::PostMessageW(main, msg, code, lParam);
}

LRESULT CSkinnedDialog::SendToMainWindow(UINT msg, WPARAM code, LPARAM lParam) {
  HWND main = MainWindow();
  return main ? ::SendMessageW(main, msg, code, lParam) : 0;
}

void CSkinnedDialog::DrawBackground(HDC dc, SIZE) const { DrawBitmap(dc, m_skin.normal(), 0, 0); }

bool CSkinnedDialog::OnCommand(WPARAM wParam, LPARAM lParam) {
  if (const auto sender = reinterpret_cast<HWND>(lParam)) {
    for (std::size_t i = 0; i < m_buttons.size(); ++i) {
      if (m_buttons[i].GetHwnd() == sender) {
        OnButton(i);
        return true;
      }
    }
  }
  return CDialog::OnCommand(wParam, lParam);
}

bool CSkinnedDialog::PreTranslateMessage(MSG& msg) {
  if (IsEnterOrEscKey(msg) && (msg.hwnd == m_hWnd || ::IsChild(m_hWnd, msg.hwnd))) return true;
  return CDialog::PreTranslateMessage(msg);
}

void CSkinnedDialog::OnPaint() {
  PaintOffscreen(m_hWnd, [this](HDC dc, SIZE size) {
    DrawBackground(dc, size);
    for (std::size_t i = 0; i < m_textTable.size() && i < m_texts.size(); ++i)
      DrawTextLine(dc, m_texts[i], m_textTable[i].rect, m_textTable[i].style);
    DrawContent(dc);
  });
}

LRESULT CSkinnedDialog::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_ERASEBKGND:
      return TRUE;  // the paint covers the whole window
    case WM_LBUTTONDOWN:
      if (m_movable) {
        MoveByBody(m_hWnd, lParam);
        return 0;
      }
      break;
    default:
      break;
  }
  return CDialog::WindowProc(msg, wParam, lParam);
}

}  // namespace skin
