#pragma once
// The one top-level window: a borderless, skinned picture of the keyboard for the current profile and
// the layer shown. It lets the user pick a layer, open the key function menu on any key, reset the layer
// or everything, and apply (save) or discard. It is the only writer of key records and the only caller
// of the registry save. Its child windows (the editors, the profile dialog and the advanced settings panel)
// belong to it, hang beside it and report back with private messages (OsselSettingChildren.cpp).

#include <array>
#include <memory>
#include <string>

#include "app/KeyboardPicture.h"
#include "dialogs/RefrenceDlg.h"
#include "dialogs/WarningModes.h"
#include "editors/MacroSetDlg.h"
#include "editors/MouseDlg.h"
#include "editors/SinglekeyDlg.h"
#include "framework/Dialog.h"
#include "platform/Registry.h"
#include "platform/WindowMessenger.h"
#include "platform/win32/Handles.h"
#include "profiles/ProfileSetDlg.h"
#include "skin/BitmapBtn.h"
#include "skin/BmpMenu.h"
#include "skin/SkinImage.h"
#include "store/SettingsStore.h"

class COsselSettingDlg : public CDialog {
 public:
  // The window keeps references to the store and the services; they outlive it.
  COsselSettingDlg(store::SettingsStore& store, platform::Registry& registry, platform::WindowMessenger& messenger);
  ~COsselSettingDlg() override;

  static constexpr UINT kSysCommandAbout = 16;

  // The window's own buttons, in the order they are created.
  enum Button {
    kClose, kManual, kMinimise, kOk, kCancel, kApply, kProfile, kResetProfile, kProfileLabel, kReset,
    kReference, kLayer1, kLayer2, kLayer3, kButtonCount
  };
  const skin::CBitmapBtn& GetButton(Button button) const { return m_buttons[static_cast<std::size_t>(button)]; }
  const std::wstring& ProfileLabel() const { return m_buttons[kProfileLabel].caption; }

  int LayerShown() const { return m_layerShown; }
  int KeyBeingEdited() const { return m_keyBeingEdited; }
  bool IsMenuOpen() const { return m_menu != nullptr; }
  skin::CBmpMenu* KeyMenu() const { return m_menu.get(); }
  bool IsPanelOut() const { return m_panelOut; }
  const app::KeyboardPicture& Keyboard() const { return m_keyboard; }
  CSinglekeyDlg& SingleKeyDialog() { return Created(m_singleKey); }
  CMouseDlg& MouseDialog() { return Created(m_mouse); }
  CMacroSetDlg& MacroEditor() { return Created(m_macro); }
  CProfileSetDlg& ProfileDialog() { return Created(m_profileDialog); }
  CRefrenceDlg& Panel() { return Created(m_panel); }

 protected:
  BOOL OnInitDialog() override;
  bool OnCommand(WPARAM wParam, LPARAM lParam) override;
  bool PreTranslateMessage(MSG& msg) override;
  LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
  void OnPaint() override;
  void OnDestroy() override;
  // Enter and Esc never close the window; only its own buttons do.
  void OnOK() override {}
  void OnCancel() override { EndDialog(IDCANCEL); }


 private:
  void LoadSkin();
  void LoadLayerImages(int layer);
  void CreateButtons();
  void ShowLayer(int layer);
  void RefreshKeyTooltips();
  void MarkKey(int slot, bool beingEdited);
  void RebuildProfileLabel();
  app::LayerImages ImagesOfLayer(int layer);

  void Save();
  void OpenManual() const;
  void OpenKeyMenu(int slot);
  // Destroys an open menu and gives the key being edited its ordinary look; only a menu that was open
  // lets go of the key (an editor may hold it).
  void CloseKeyMenu();
  void RunMenuCommand(LPARAM value);
  // The record of the key being edited, in the profile and layer it was chosen in (a notification from
  // the companion may show another one meanwhile); null when no key is being edited.
  store::KeyRecord* EditedRecord();
  void RunProfileSwitchDialog(store::KeyRecord& record);
  void RunLaunchDialog(store::KeyRecord& record);
  void OnProfileNotification(WPARAM wParam, LPARAM lParam);
  void OnBackgroundPress(LPARAM point);
  void OnActivateApp(bool active);

  // --- The child windows (OsselSettingChildren.cpp) ----------------------------------------------------------
  enum class Editor { kNone, kSingleKey, kMouse, kMacro };
  // A child window is created, owned by the main window and hidden, when it is first wanted: creating all
  // five at start-up took a third of the time to the first paint.
  template <typename D>
  D& Created(D& child) {
    if (!child.GetHwnd()) child.Create(m_hWnd);
    return child;
  }
  // True when `msg` is a child's private message, which it then handled.
  bool OnChildMessage(UINT msg, WPARAM code, LPARAM lParam);
  void OpenEditor(Editor editor);
  void OnEditorApplied(Editor editor);
  void OnEditorClosed();
  void OnReplaceKeyQuestion(LPARAM keyCode);
  void OnMacroNotice(dialogs::WarningMode mode);
  void ShowProfileDialog();
  void OnProfileDialogClosed();
  void OnProfileResetQuestion();
  void RunQuickSwitch();
  void OnQuickSwitchClosed();
  CDialog* EditorWindow(Editor editor);
  void PlaceAttachedWindows();
  void KeepAttachedOnTop();
  // Moves the main window up so a child `height` high, attached below it, stays above the screen's bottom.
  void LiftFor(int height);
  void SlidePanelOut();
  void SlidePanelIn();

  store::SettingsStore& m_store;
  platform::Registry& m_registry;
  platform::WindowMessenger& m_messenger;

  // Each layer's pictures (normal, over, down, selected) as loaded, and as GDI bitmaps once the layer has
  // been shown: the keys and the background are drawn from these, the loaded ones are then let go.
  std::array<std::array<win::GdiplusBitmap, 4>, store::kLayerCount> m_layerImages;
  std::array<std::array<win::Bitmap, 4>, store::kLayerCount> m_layerBitmaps;
  win::GdiplusBitmap m_logoLeft, m_logoRight;
  skin::SkinBitmap m_mask1, m_mask2;
  SIZE m_layerSize{0, 0};  // the first layer picture that loaded: the window's size without masks
  win::Icon m_bigIcon, m_smallIcon;
  std::wstring m_versionText;

  std::array<skin::CBitmapBtn, kButtonCount> m_buttons;
  app::KeyboardPicture m_keyboard;
  std::unique_ptr<skin::CBmpMenu> m_menu;

  CProfileSetDlg m_profileDialog;
  CRefrenceDlg m_panel;
  CSinglekeyDlg m_singleKey;
  CMacroSetDlg m_macro;
  CMouseDlg m_mouse;

  int m_layerShown = 0;
  int m_keyBeingEdited = -1;
  int m_editedProfile = 0;
  int m_editedLayer = 0;
  Editor m_openEditor = Editor::kNone;
  bool m_panelOut = false;
  bool m_profileDialogOpen = false;
  bool m_placing = false;  // placing the attached windows moves the main window itself
  bool m_initialised = false;
};
