#include "strings/StringTable.h"

#include <filesystem>
#include <memory>
#include <mutex>
#include <system_error>

#include "platform/ProgramFolders.h"
#include "strings/XmlReader.h"

namespace strings {
namespace {

std::u16string Widen(std::string_view ascii) { return std::u16string(ascii.begin(), ascii.end()); }

// A language file read and parsed once, and what identifies the file it was read from: an edit
// changes its size or its last-write time, and the next lookup reads it again.
struct ParsedFile {
  std::filesystem::path path;
  std::uintmax_t size = 0;
  std::filesystem::file_time_type lastWrite{};
  bool wellFormed = false;
  CXmlReader reader;
};

struct FileIdentity {
  std::uintmax_t size = 0;
  std::filesystem::file_time_type lastWrite{};
};

std::optional<FileIdentity> IdentityOf(const std::filesystem::path& path) {
  std::error_code error;
  FileIdentity identity;
  identity.size = std::filesystem::file_size(path, error);
  if (error) return std::nullopt;
  identity.lastWrite = std::filesystem::last_write_time(path, error);
  if (error) return std::nullopt;
  return identity;
}

// Lookups come from the user-interface thread only; the lock keeps the cache sound all the same.
std::mutex g_cacheLock;
std::unique_ptr<ParsedFile> g_cached;

std::u16string g_stringFilePath;

}  // namespace

std::u16string StringFilePathBeside(std::u16string_view executablePath) {
  return platform::FolderOfModule(executablePath).append(kStringFileName);
}

void SetStringFilePath(std::u16string_view path) { g_stringFilePath.assign(path); }

const std::u16string& StringFilePath() { return g_stringFilePath; }

std::u16string LookUpString(std::u16string_view path, std::u16string_view section, std::u16string_view key) {
  try {
    const std::filesystem::path file(path);
    const auto identity = IdentityOf(file);
    if (!identity) return {};

    std::lock_guard lock(g_cacheLock);
    if (!g_cached || g_cached->path != file || g_cached->size != identity->size ||
        g_cached->lastWrite != identity->lastWrite) {
      g_cached.reset();
      auto parsed = std::make_unique<ParsedFile>();
      if (!parsed->reader.LoadDocumentFile(file)) return {};
      parsed->path = file;
      parsed->size = identity->size;
      parsed->lastWrite = identity->lastWrite;
      parsed->wellFormed = parsed->reader.ParseDocument();
      g_cached = std::move(parsed);
    }
    if (!g_cached->wellFormed) return {};
    return LookUpStringIn(g_cached->reader, section, key);
  } catch (...) {
    // A path that cannot be represented, or no memory for the file: the text is missing.
    return {};
  }
}

std::u16string LookUpString(std::u16string_view path, std::string_view section, std::string_view key) {
  return LookUpString(path, Widen(section), Widen(key));
}

std::u16string LookUpString(const StringKey& text) { return LookUpString(StringFilePath(), text.section, text.key); }

std::u16string LookUpStringUncached(std::u16string_view path, std::u16string_view section,
                                    std::u16string_view key) {
  try {
    CXmlReader reader;
    if (!reader.LoadDocumentFile(std::filesystem::path(path)) || !reader.ParseDocument()) return {};
    return LookUpStringIn(reader, section, key);
  } catch (...) {
    return {};
  }
}

// The key's text in the first section of that name that has it. Later sections of the same name
// are searched too, so a file whose section was split in two still yields every text. One pass over
// the sections: a file of many sections costs no more than its length.
std::u16string LookUpStringIn(CXmlReader& reader, std::u16string_view section, std::u16string_view key) {
  reader.ResetCursor();
  while (reader.FindChild(section)) {
    if (reader.EnterChild() && reader.FindChild(key)) return reader.ChildText();
    reader.LeaveChild();
  }
  return {};
}

}  // namespace strings
