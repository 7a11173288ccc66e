// "Quorbel.dll" loaded the way the capturing windows load it, fed with real keys (SendInput) under Wine.
#include <gtest/gtest.h>
#include <windows.h>

#include <vector>

#include "editors/HookLibrary.h"
#include "platform/WindowMessages.h"
#include "tests/framework/TestSupport.h"

namespace {

struct Seen {
  UINT message;
  WPARAM key;
  LPARAM flags;
};

// A top-level window that records the hook's key events and the keys that reach it the ordinary way.
class KeyWindow {
 public:
  KeyWindow() {
    static const ATOM atom = [] {
      WNDCLASSW wc{};
      wc.lpfnWndProc = &Proc;
      wc.hInstance = ::GetModuleHandleW(nullptr);
      wc.lpszClassName = L"HookLibraryTestWindow";
      return ::RegisterClassW(&wc);
    }();
    m_hwnd = ::CreateWindowExW(0, MAKEINTATOM(atom), L"", WS_POPUP | WS_VISIBLE, 100, 100, 200, 100, nullptr,
                               nullptr, ::GetModuleHandleW(nullptr), this);
  }
  KeyWindow(const KeyWindow&) = delete;
  KeyWindow& operator=(const KeyWindow&) = delete;
  ~KeyWindow() { Destroy(); }

  HWND hwnd() const { return m_hwnd; }
  void Destroy() {
    if (::IsWindow(m_hwnd)) ::DestroyWindow(m_hwnd);
  }
  // Makes this the window the user types into.
  void Focus() const {
    ::SetForegroundWindow(m_hwnd);
    ::SetFocus(m_hwnd);
    EXPECT_TRUE(fwtest::PumpUntil([&] { return ::GetForegroundWindow() == m_hwnd && ::GetFocus() == m_hwnd; }, 1000))
        << "the window did not come to the front";
  }
  std::vector<Seen> Of(UINT message) const {
    std::vector<Seen> result;
    for (const auto& s : m_seen)
      if (s.message == message) result.push_back(s);
    return result;
  }
  std::vector<Seen> HookEvents() const { return Of(wm::kKeyEvent); }
  void Clear() { m_seen.clear(); }
  // What the window answers to a hook event: whether it took the key.
  bool takesKeys = true;

 private:
  static LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM w, LPARAM l) {
    if (message == WM_NCCREATE)
      ::SetWindowLongPtrW(hwnd, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTW*>(l)->lpCreateParams));
    auto* self = reinterpret_cast<KeyWindow*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (self && (message == wm::kKeyEvent || message == WM_KEYDOWN || message == WM_KEYUP))
      self->m_seen.push_back({message, w, l});
    if (self && message == wm::kKeyEvent) return self->takesKeys ? 1 : 0;
    if (message == WM_NCDESTROY) ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
    return ::DefWindowProcW(hwnd, message, w, l);
  }

  HWND m_hwnd = nullptr;
  std::vector<Seen> m_seen;
};

// Presses and releases `vk`; returns once the release has passed the hook and reached the system, as seen by
// `witness` (its hook event or its WM_KEYUP), or after a while. The hook reports before the key is queued,
// so by then every event of this key that was going to arrive has arrived.
void Type(WORD vk, const KeyWindow& witness) {
  fwtest::PressKey(vk);
  fwtest::PumpUntil([&] {
    for (const UINT m : {wm::kKeyEvent, static_cast<UINT>(WM_KEYUP)})
      for (const auto& s : witness.Of(m))
        if (s.key == vk && (m == WM_KEYUP || wm::IsKeyRelease(s.flags))) return true;
    return false;
  }, 1000);
  fwtest::PumpFor(50);
}

// Each case loads the library for itself; unloading it with the last HookLibrary starts the next afresh.
class HookLibraryTest : public ::testing::Test {};

TEST_F(HookLibraryTest, DeliversPressThenReleaseOnlyWhileStatusIsOne) {
  struct Case {
    int status;
    bool delivered;
  };
  for (const Case c : {Case{1, true}, Case{0, false}, Case{2, false}, Case{-1, false}}) {
    const editors::HookLibrary hook;  // from beside the test program, as the windows load it
    ASSERT_TRUE(hook.IsLoaded());
    KeyWindow target;
    target.Focus();
    hook.Install(target.hwnd());
    hook.SetStatus(c.status);
    Type('A', target);
    const auto events = target.HookEvents();
    if (!c.delivered) {
      EXPECT_TRUE(events.empty()) << c.status;
    } else {
      ASSERT_EQ(events.size(), 2u) << c.status;
      EXPECT_EQ(events[0].key, WPARAM{'A'});
      EXPECT_FALSE(wm::IsKeyRelease(events[0].flags));
      EXPECT_EQ(events[1].key, WPARAM{'A'});
      EXPECT_TRUE(wm::IsKeyRelease(events[1].flags));
    }
  }
}

TEST_F(HookLibraryTest, InstallingAgainMovesDeliveryToTheNewWindowOnly) {
  const editors::HookLibrary hook;
  KeyWindow first, second;
  hook.Install(first.hwnd());
  hook.SetStatus(1);
  hook.Install(second.hwnd());
  hook.Install(second.hwnd());
  Type('B', second);
  EXPECT_TRUE(first.HookEvents().empty());
  EXPECT_EQ(second.HookEvents().size(), 2u);  // one hook: each key once
}

TEST_F(HookLibraryTest, AcceptsCallsInAnyOrder) {
  const editors::HookLibrary hook;
  KeyWindow target;
  target.Focus();
  hook.Remove();  // before any install
  hook.Remove();
  hook.SetStatus(1);  // before install: takes effect with it
  hook.Install(target.hwnd());
  Type('C', target);
  EXPECT_EQ(target.HookEvents().size(), 2u);

  target.Clear();
  hook.Remove();
  Type('C', target);
  hook.Remove();
  hook.SetStatus(1);  // no window any more: stays silent
  Type('C', target);
  EXPECT_TRUE(target.HookEvents().empty());
  EXPECT_EQ(target.Of(WM_KEYDOWN).size(), 2u);  // and keeps nothing from the system
}

// A freshly loaded library takes any first call: the sequences a window with a missing step would make.
TEST_F(HookLibraryTest, FreshLibraryTakesAnyFirstCallWithoutHarm) {
  enum Call { kInstall, kOn, kOff, kRemove };
  struct Case {
    const char* name;
    std::vector<Call> calls;
    bool delivered;
  };
  const Case cases[] = {
      {"SetHookStatus before anything", {kOn, kOff, kOn}, false},
      {"removehook without installhook", {kRemove, kRemove, kOff}, false},
      {"installhook twice", {kInstall, kInstall, kOn}, true},
      {"installhook twice, then removehook", {kInstall, kOn, kInstall, kRemove}, false},
  };
  for (const Case& c : cases) {
    ASSERT_EQ(::GetModuleHandleW(L"Quorbel.dll"), nullptr) << "each case loads it afresh";
    const editors::HookLibrary hook;
    ASSERT_TRUE(hook.IsLoaded());
    KeyWindow target;
    target.Focus();
    for (const Call call : c.calls) {
      if (call == kInstall) hook.Install(target.hwnd());
      if (call == kOn || call == kOff) hook.SetStatus(call == kOn ? 1 : 0);
      if (call == kRemove) hook.Remove();
    }
    Type('H', target);
    EXPECT_EQ(target.HookEvents().size(), c.delivered ? 2u : 0u) << c.name;  // each key once, when at all
    EXPECT_EQ(target.Of(WM_KEYDOWN).size(), c.delivered ? 0u : 1u) << c.name;  // kept only while captured
  }
}

TEST_F(HookLibraryTest, DestroyedTargetGetsNothingAndKeysReachTheSystem) {
  const editors::HookLibrary hook;
  KeyWindow gone, other;
  hook.Install(gone.hwnd());
  hook.SetStatus(1);
  gone.Focus();
  gone.Destroy();
  other.Focus();
  Type('D', other);
  EXPECT_EQ(other.Of(WM_KEYDOWN).size(), 1u);
  EXPECT_EQ(other.Of(WM_KEYUP).size(), 1u);

  hook.Install(other.hwnd());  // and the library still works
  Type('D', other);
  EXPECT_EQ(other.HookEvents().size(), 2u);
}

// While capturing into the foreground window that takes the keys, they go to it as hook events only; in
// every other case the system gets them too.
TEST_F(HookLibraryTest, KeepsKeysFromTheSystemOnlyWhileCapturingIntoTheForegroundWindow) {
  struct Case {
    const char* name;
    int status;
    bool targetInFront;
    bool targetTakes;
    bool kept;
  };
  for (const Case c : {Case{"capturing in front", 1, true, true, true}, Case{"status 0", 0, true, true, false},
                       Case{"target behind", 1, false, true, false},
                       Case{"in front, not taking keys", 1, true, false, false}}) {
    const editors::HookLibrary hook;
    KeyWindow target, other;
    target.takesKeys = c.targetTakes;
    (c.targetInFront ? target : other).Focus();
    const KeyWindow& focused = c.targetInFront ? target : other;
    hook.Install(target.hwnd());
    hook.SetStatus(c.status);
    Type('E', c.status == 1 ? target : focused);
    EXPECT_EQ(focused.Of(WM_KEYDOWN).size(), c.kept ? 0u : 1u) << c.name;
    EXPECT_EQ(focused.Of(WM_KEYUP).size(), c.kept ? 0u : 1u) << c.name;
    EXPECT_EQ(target.HookEvents().size(), c.status == 1 ? 2u : 0u) << c.name;
  }
}

TEST_F(HookLibraryTest, KeyHeldWhenCaptureStartsIsReleasedForTheSystemToo) {
  const editors::HookLibrary hook;
  KeyWindow target;
  target.Focus();
  hook.Install(target.hwnd());
  fwtest::SendKey(VK_SHIFT, false);
  fwtest::PumpUntil([&] { return !target.Of(WM_KEYDOWN).empty(); }, 1000);
  hook.SetStatus(1);
  fwtest::SendKey(VK_SHIFT, true);
  fwtest::PumpUntil([&] { return !target.Of(WM_KEYUP).empty(); }, 1000);
  EXPECT_EQ(target.Of(WM_KEYUP).size(), 1u);  // otherwise Shift would stay down for every program
  EXPECT_EQ(::GetAsyncKeyState(VK_SHIFT) & 0x8000, 0);
  EXPECT_EQ(target.HookEvents().size(), 1u);  // the release is still reported
}

TEST_F(HookLibraryTest, UnloadedWhileCapturingLeavesTheKeyboardWorking) {
  KeyWindow target;
  target.Focus();
  {
    const editors::HookLibrary hook;
    hook.Install(target.hwnd());
    hook.SetStatus(1);
  }  // released without removehook
  ASSERT_EQ(::GetModuleHandleW(L"Quorbel.dll"), nullptr);
  Type('F', target);
  EXPECT_EQ(target.Of(WM_KEYDOWN).size(), 1u);
  EXPECT_TRUE(target.HookEvents().empty());
}

TEST_F(HookLibraryTest, MissingLibraryOrEntryPointsSkipEveryCall) {
  struct Case {
    const wchar_t* path;
    bool loads;
  };
  for (const Case c : {Case{L"C:\\nowhere\\Quorbel.dll", false}, Case{L"version.dll", true}}) {
    const editors::HookLibrary hook(c.path);
    EXPECT_EQ(hook.IsLoaded(), c.loads) << c.path;
    KeyWindow target;
    target.Focus();
    hook.Install(target.hwnd());
    hook.SetStatus(1);
    Type('G', target);
    hook.SetStatus(0);
    hook.Remove();
    hook.Remove();
    EXPECT_TRUE(target.HookEvents().empty()) << c.path;
    EXPECT_EQ(target.Of(WM_KEYDOWN).size(), 1u) << c.path;
  }
}

}  // namespace
