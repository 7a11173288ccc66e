#include "platform/win32/Win32Messenger.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <vector>

#include "platform/win32/Win32Registry.h"
#include "store/Companion.h"
#include "store/RegistryPersistence.h"

namespace store {
namespace {

// A stand-in for the companion program: a hidden top-level window with its exact title.
class FakeCompanion {
 public:
  FakeCompanion() {
    WNDCLASSW wc{};
    wc.lpfnWndProc = ::DefWindowProcW;
    wc.hInstance = ::GetModuleHandleW(nullptr);
    wc.lpszClassName = L"TrelmTestCompanion";
    ::RegisterClassW(&wc);
    hwnd = ::CreateWindowExW(0, wc.lpszClassName, L"TrelmKeyboardHelper", WS_OVERLAPPED, 0, 0, 10, 10, nullptr,
                             nullptr, wc.hInstance, nullptr);
  }
  ~FakeCompanion() { ::DestroyWindow(hwnd); }

  std::vector<platform::PostedMessage> Received() {
    std::vector<platform::PostedMessage> out;
    MSG msg;
    while (::PeekMessageW(&msg, hwnd, 1537, 1538, PM_REMOVE))
      out.push_back({msg.message, static_cast<std::uintptr_t>(msg.wParam), static_cast<std::intptr_t>(msg.lParam)});
    return out;
  }

  HWND hwnd = nullptr;
};

// Counts registry writes, so the moment of the companion's notice can be checked against them.
class CountingRegistry final : public platform::Registry {
 public:
  std::unique_ptr<platform::RegistryKey> OpenOrCreate(platform::RegistryRoot root, std::u16string_view path) override {
    auto inner = real.OpenOrCreate(root, path);
    return inner ? std::make_unique<Key>(std::move(inner), writes) : nullptr;
  }
  std::unique_ptr<platform::RegistryKey> OpenForReading(platform::RegistryRoot root, std::u16string_view path,
                                                        platform::RegistryView view) override {
    return real.OpenForReading(root, path, view);
  }

  platform::Win32Registry real;
  int writes = 0;

 private:
  class Key final : public platform::RegistryKey {
   public:
    Key(std::unique_ptr<platform::RegistryKey> inner, int& writes) : inner_(std::move(inner)), writes_(writes) {}
    platform::RegistryRead Read(std::u16string_view name, std::span<std::uint8_t> out) override {
      return inner_->Read(name, out);
    }
    bool WriteBinary(std::u16string_view name, std::span<const std::uint8_t> data) override {
      ++writes_;
      return inner_->WriteBinary(name, data);
    }
    std::optional<std::u16string> ReadDefaultText(std::size_t limit) override { return inner_->ReadDefaultText(limit); }

   private:
    std::unique_ptr<platform::RegistryKey> inner_;
    int& writes_;
  };
};

class CountingMessenger final : public platform::WindowMessenger {
 public:
  explicit CountingMessenger(const int& writes) : writes_(writes) {}
  bool PostToWindowTitled(std::u16string_view title, const platform::PostedMessage& message) override {
    writesAtPost.push_back(writes_);
    return real.PostToWindowTitled(title, message);
  }
  platform::Win32Messenger real;
  std::vector<int> writesAtPost;

 private:
  const int& writes_;
};

TEST(Win32Companion, ASavePostsExactlyOneNoticeAfterAllWrites) {
  FakeCompanion companion;
  ASSERT_NE(companion.hwnd, nullptr);
  CountingRegistry registry;
  CountingMessenger messenger(registry.writes);
  auto store = MakeStore();

  ASSERT_TRUE(SaveSettings(*store, registry, messenger).ok());
  EXPECT_EQ(messenger.writesAtPost, std::vector<int>{3379});
  EXPECT_EQ(companion.Received(), (std::vector<platform::PostedMessage>{{1537, 7, 0}}));
}

TEST(Win32Companion, OpenAndCloseAreAnnouncedWithTheWindowHandle) {
  FakeCompanion companion;
  platform::Win32Messenger messenger;
  AnnounceOpen(messenger, 0xABC0);
  AnnounceClose(messenger);
  EXPECT_EQ(companion.Received(), (std::vector<platform::PostedMessage>{{1538, 0xABC0, 0}, {1538, 0, 0}}));
}

TEST(Win32Companion, NothingIsPostedWhenNoWindowHasTheTitle) {
  platform::Win32Messenger messenger;
  EXPECT_FALSE(messenger.PostToWindowTitled(kCompanionTitle, {1537, 7, 0}));
  MSG msg;
  EXPECT_FALSE(::PeekMessageW(&msg, nullptr, 1537, 1538, PM_REMOVE));
}

}  // namespace
}  // namespace store
