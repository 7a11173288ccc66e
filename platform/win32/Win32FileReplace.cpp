#include <windows.h>

#include <algorithm>
#include <atomic>
#include <string>

#include "platform/FileReplace.h"
#include "platform/win32/Handles.h"

namespace platform {
namespace {

FileReplaceResult Failed(FileReplaceStatus status, DWORD error, const std::wstring& partial) {
  if (!partial.empty()) ::DeleteFileW(partial.c_str());
  ::SetLastError(error);  // the caller may tell the user the system's own words
  return {status, static_cast<int>(error)};
}

}  // namespace

FileReplaceResult ReplaceFileContents(const std::filesystem::path& path, std::span<const std::uint8_t> bytes) {
  static std::atomic<unsigned> counter{0};
  const std::wstring target = path.wstring();
  const std::wstring partial =
      target + L"." + std::to_wstring(::GetCurrentProcessId()) + L"-" + std::to_wstring(++counter) + L".part";
  win::File file(::CreateFileW(partial.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL,
                               nullptr));
  if (!file) return Failed(FileReplaceStatus::CannotCreate, ::GetLastError(), {});

  for (std::size_t done = 0; done < bytes.size();) {
    const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1u << 20));
    DWORD written = 0;
    if (!::WriteFile(file.get(), bytes.data() + done, chunk, &written, nullptr) || written == 0) {
      const DWORD error = written == 0 && ::GetLastError() == ERROR_SUCCESS ? ERROR_WRITE_FAULT : ::GetLastError();
      file.reset();
      return Failed(FileReplaceStatus::CannotWrite, error, partial);
    }
    done += written;
  }
  if (!::FlushFileBuffers(file.get())) {
    const DWORD error = ::GetLastError();
    file.reset();
    return Failed(FileReplaceStatus::CannotWrite, error, partial);
  }
  file.reset();
  if (!::MoveFileExW(partial.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
    return Failed(FileReplaceStatus::CannotReplace, ::GetLastError(), partial);
  return {};
}

std::string SystemErrorText(int systemError) {
  wchar_t text[512] = {};
  const DWORD length = ::FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                                        static_cast<DWORD>(systemError), 0, text, 512, nullptr);
  std::wstring message(text, length);
  while (!message.empty() && (message.back() == L'\r' || message.back() == L'\n' || message.back() == L' '))
    message.pop_back();
  const int size = ::WideCharToMultiByte(CP_UTF8, 0, message.c_str(), static_cast<int>(message.size()), nullptr, 0,
                                         nullptr, nullptr);
  std::string utf8(static_cast<std::size_t>(size), '\0');
  ::WideCharToMultiByte(CP_UTF8, 0, message.c_str(), static_cast<int>(message.size()), utf8.data(), size, nullptr,
                        nullptr);
  return utf8;
}

}  // namespace platform
