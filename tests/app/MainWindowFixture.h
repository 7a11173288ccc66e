#pragma once
// The main window for real under Wine: created from its template with the shipped texts and skin beside
// the test program, an in-memory registry and a recording companion, and driven by messages and clicks.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <memory>

#include "app/MainWindowLogic.h"
#include "app/OsselSettingDlg.h"
#include "dialogs/WarningDlg.h"
#include "platform/fake/MemoryRegistry.h"
#include "platform/fake/RecordingMessenger.h"
#include "store/Companion.h"
#include "store/RegistryPersistence.h"
#include "tests/framework/TestSupport.h"

namespace apptest {

using platform::PostedMessage;


inline std::vector<std::uint8_t> Record(std::uint8_t kind, std::size_t offset = 0, std::uint8_t value = 0) {
  std::vector<std::uint8_t> bytes(store::kKeyRecordSize, 0);
  bytes[0] = kind;
  if (offset) bytes[offset] = value;
  return bytes;
}

class MainWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    const auto profile0 = store::ProfileKeyPath(0);
    registry.Set(profile0, u"Layer0Button000", Record(1, 26, 0x70));  // F1 as a single key
    registry.Set(profile0, u"Layer0Button001", Record(73));           // a kind with no label
    registry.Set(profile0, u"Layer1Button002", Record(39));           // Mute, on the second layer
    messenger.title = store::kCompanionTitle;
  }
  void TearDown() override {
    if (window) window->DestroyWindow();
    window.reset();
  }

  void Open() {
    window = std::make_unique<COsselSettingDlg>(*settings, registry, messenger);
    ASSERT_TRUE(window->Create(nullptr));
    window->ShowWindow(SW_SHOWNOACTIVATE);
    fwtest::PumpFor(50);
  }
  void Press(HWND button) { window->SendMessage(WM_COMMAND, MAKEWPARAM(0, BN_CLICKED), reinterpret_cast<LPARAM>(button)); }
  void Press(COsselSettingDlg::Button button) { Press(window->GetButton(button).GetHwnd()); }
  std::wstring Tooltip(int slot) {
    return window->Keyboard().Key(slot).TooltipText();
  }
  store::KeyRecord& RecordOf(int profile, int layer, int slot) { return *store::FindKeyRecord(*settings, profile, layer, slot); }

  platform::MemoryRegistry registry;
  platform::RecordingMessenger messenger;
  std::unique_ptr<store::SettingsStore> settings = store::MakeStore();
  std::unique_ptr<COsselSettingDlg> window;
};

// Answers the confirmation dialogs that a command opens (`count` of them at most), from inside their modal
// runs, and counts them.
struct WarningAnswer {
  static inline int answer = IDCANCEL;
  static inline int remaining = 0;
  static inline int asked = 0;
  static inline std::wstring seenFirstLine;
  static void CALLBACK OnTimer(HWND, UINT, UINT_PTR id, DWORD) {
    const HWND dialog = ::GetActiveWindow();
    if (auto* warning = dynamic_cast<CWarningDlg*>(CWnd::FromHandle(dialog))) {
      seenFirstLine = warning->GetFirstLine();
      ++asked;
      if (--remaining <= 0) ::KillTimer(nullptr, id);
      ::SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(0, BN_CLICKED),
                     reinterpret_cast<LPARAM>(answer == IDOK ? warning->GetOkButton() : warning->GetCancelButton()));
    }
  }
  static UINT_PTR Arm(int result, int count = 1) {
    answer = result;
    remaining = count;
    asked = 0;
    seenFirstLine.clear();
    return ::SetTimer(nullptr, 0, 50, &OnTimer);
  }
};

}  // namespace apptest
