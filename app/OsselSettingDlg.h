#pragma once
// The one top-level window: a borderless, skinned picture of the keyboard for the current profile and
// the layer shown. It lets the user pick a layer, open the key function menu on any key, reset the layer
// or everything, and apply (save) or discard. It is the only writer of key records and the only caller
// of the registry save. Its child windows (the editors, the profile dialog and the advanced settings panel)
// belong to it, hang beside it and report back with private messages (app::ChildWindows).

#include <array>
#include <memory>
#include <string>

#include "app/ChildWindows.h"
#include "app/KeyboardPicture.h"
#include "framework/Dialog.h"
#include "platform/Registry.h"
#include "platform/WindowMessenger.h"
#include "platform/win32/Handles.h"
#include "skin/BitmapBtn.h"
#include "skin/BmpMenu.h"
#include "skin/SkinImage.h"
#include "store/SettingsStore.h"

class COsselSettingDlg : public CDialog, private app::ChildWindows::Host {
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
  bool IsPanelOut() const { return m_children.IsPanelOut(); }
  const app::KeyboardPicture& Keyboard() const { return m_keyboard; }
  CSinglekeyDlg& SingleKeyDialog() { return m_children.SingleKeyDialog(); }
  CMouseDlg& MouseDialog() { return m_children.MouseDialog(); }
  CMacroSetDlg& MacroEditor() { return m_children.MacroEditor(); }
  CProfileSetDlg& ProfileDialog() { return m_children.ProfileDialog(); }
  CRefrenceDlg& Panel() { return m_children.Panel(); }

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
  // Destroys an open menu and gives the key being edited its ordinary look, keeping the key (an editor may
  // hold it); true when a menu was open.
  bool DropKeyMenu();
  // The same, and a menu that was open lets go of the key.
  void CloseKeyMenu();
  void RunMenuCommand(LPARAM value);
  void RunProfileSwitchDialog(store::KeyRecord& record);
  void RunLaunchDialog(store::KeyRecord& record);
  void OnProfileNotification(WPARAM wParam, LPARAM lParam);
  void OnBackgroundPress(LPARAM point);
  void OnActivateApp(bool active);

  // What the child windows ask of it. EditedRecord: the record of the key being edited, in the profile and
  // layer it was chosen in (a notification from the companion may show another one meanwhile).
  store::KeyRecord* EditedRecord() override;
  void KeyWritten() override;
  void ReleaseKey() override;
  void ShowCurrentProfile() override;
  void ShapeForPanel(bool panelOut) override;

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
  std::unique_ptr<skin::CBmpMenu> m_menu;  // deleting it destroys its window
  app::ChildWindows m_children;

  int m_layerShown = 0;
  int m_keyBeingEdited = -1;
  int m_editedProfile = 0;
  int m_editedLayer = 0;
  bool m_initialised = false;
};
