#include "editors/HookLibrary.h"

#include "platform/ProgramFolders.h"
#include "platform/win32/Text.h"

namespace editors {

namespace {

template <typename Fn>
Fn EntryPoint(HMODULE module, const char* name) {
  // The platform hands every entry point back as the same generic type; ours are C functions.
  return module ? reinterpret_cast<Fn>(reinterpret_cast<void*>(::GetProcAddress(module, name))) : nullptr;
}

}  // namespace

HookLibrary::HookLibrary() : HookLibrary(win::Wide(platform::Folders().HookLibrary())) {}

HookLibrary::HookLibrary(const std::wstring& path) : m_module(::LoadLibraryW(path.c_str())) {
  m_install = EntryPoint<InstallFn>(m_module.get(), "installhook");
  m_setStatus = EntryPoint<StatusFn>(m_module.get(), "SetHookStatus");
  m_remove = EntryPoint<RemoveFn>(m_module.get(), "removehook");
}

void HookLibrary::Install(HWND window) const {
  if (m_install) m_install(window);
}

void HookLibrary::SetStatus(int status) const {
  if (m_setStatus) m_setStatus(status);
}

void HookLibrary::Remove() const {
  if (m_remove) m_remove();
}

KeyCapture::KeyCapture(HWND window) : m_window(window) { m_library.Install(m_window); }

KeyCapture::~KeyCapture() { Pause(); }

void KeyCapture::Deliver(bool on) const { m_library.SetStatus(on ? 1 : 0); }

void KeyCapture::Resume() const {
  m_library.Install(m_window);
  Deliver(true);
}

void KeyCapture::Pause() const {
  Deliver(false);
  m_library.Remove();
}

}  // namespace editors
