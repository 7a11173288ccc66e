#pragma once
// The base of every skinned dialog. It does what they all do: loads the dialog's picture set, sizes and
// shapes the window after it, creates the push buttons of a table with faces cut from the pictures,
// paints the background and the dialog's texts off-screen in one step, never erases the background,
// swallows Enter and Esc so only the dialog's own buttons close it, and optionally lets the user drag the
// window by its body. A dialog declares its tables and writes only its own behaviour.

#include <deque>
#include <span>
#include <string>
#include <vector>

#include "framework/Dialog.h"
#include "skin/BitmapBtn2.h"
#include "skin/ShapedWindow.h"
#include "skin/TextLine.h"
#include "strings/StringKeys.h"

namespace skin {

// One push button of a dialog's table. Its normal, hover and pressed faces are the pieces of the
// normal, over and down pictures under `rect`; the disabled face is the normal picture's piece.
struct DialogButton {
  RECT rect;                                    // left, top, right, bottom in client pixels
  const strings::StringKey* caption = nullptr;  // none: no caption, or one the dialog sets itself
  TextColours colours{};                        // caption colours: normal, hover, pressed
  CaptionAlign alignment = CaptionAlign::Centre;
  bool pressedFromOver = false;                 // the pressed (and selected) face is the over picture's
  bool plain = false;                           // every face is the normal picture's: a display, not a button
};

// One text of a dialog's table, painted on the background in every paint.
struct DialogText {
  const strings::StringKey* key;
  RECT rect;
  TextStyle style;
};

class CSkinnedDialog : public CDialog {
 public:
  // The buttons of the table, by their index in it.
  CBitmapBtn2& GetButton(std::size_t index) { return m_buttons.at(index); }
  const CBitmapBtn2& GetButton(std::size_t index) const { return m_buttons.at(index); }
  std::size_t ButtonCount() const { return m_buttons.size(); }
  // The window's full size: its pictures'.
  SIZE SkinSize() const { return m_skin.size(); }
  // The table texts as looked up, in table order.
  const std::vector<std::wstring>& Texts() const { return m_texts; }

 protected:
  explicit CSkinnedDialog(UINT templateId, bool movableByBody = false)
      : CDialog(templateId), m_movable(movableByBody) {}

  // The four files of a picture set in the program's skin folder: "<set>_normal.<ext>", over, down, and
  // "<set>_mask.bmp".
  static DialogSkinFiles SkinSet(std::u16string_view set, std::u16string_view extension = u"jpg");

  // Loads the pictures (a missing one stays empty), moves the window to `at` at the pictures' size,
  // creates the buttons of the table in order and looks up the texts, then lets go of the over and down
  // pictures and shapes the window from the mask.
  void BuildSkin(const DialogSkinFiles& files, std::span<const DialogButton> buttons,
                 std::span<const DialogText> texts = {}, POINT at = {0, 0});
  const DialogSkin& Skin() const { return m_skin; }

  // The main window is found afresh by its title each time; when it is missing the message goes nowhere.
  static HWND MainWindow();
  static void PostToMainWindow(UINT msg, WPARAM code, LPARAM lParam = 0);
  static LRESULT SendToMainWindow(UINT msg, WPARAM code, LPARAM lParam = 0);

  // --- Hooks ---------------------------------------------------------------------------------------------
  // A click on the button at `index` of the table.
  virtual void OnButton(std::size_t) {}
  // Draws the background into the off-screen picture; by default the normal picture.
  virtual void DrawBackground(HDC dc, SIZE size) const;
  // Draws what the dialog paints besides the table texts, over them.
  virtual void DrawContent(HDC) const {}

  bool OnCommand(WPARAM wParam, LPARAM lParam) override;
  bool PreTranslateMessage(MSG& msg) override;
  void OnPaint() override;
  LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
  // Enter never reaches a skinned dialog; the close command ends it as Cancel unless the dialog says more.
  void OnOK() override {}

 private:
  DialogSkin m_skin;
  std::deque<CBitmapBtn2> m_buttons;  // a deque: buttons never move once created
  std::span<const DialogText> m_textTable;
  std::vector<std::wstring> m_texts;
  bool m_movable;
};

}  // namespace skin
