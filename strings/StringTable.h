#pragma once
// The language file "Strings.xml" beside the executable: every caption, label, menu entry and
// message of the windows, asked for by (section, key). There is no built-in text to fall back on.

#include <string>
#include <string_view>

#include "strings/StringKeys.h"

namespace strings {

class CXmlReader;

inline constexpr std::u16string_view kStringFileName = u"Strings.xml";

// "Strings.xml" in the drive and folder of `executablePath` (the module's own file name).
std::u16string StringFilePathBeside(std::u16string_view executablePath);

// The process-wide string file path: empty until start-up sets it, so a
// lookup made before then finds no file.
void SetStringFilePath(std::u16string_view path);
const std::u16string& StringFilePath();

// The text of the first element `key` inside the first element `section` under the root of the
// file at `path`. Empty when the file, the section or the key is missing, when the key element is
// empty or holds elements, and when the file is not well-formed anywhere. Names compare exactly,
// case included; white space around the text is kept.
std::u16string LookUpString(std::u16string_view path, std::u16string_view section, std::u16string_view key);
std::u16string LookUpString(std::u16string_view path, std::string_view section, std::string_view key);
// The text of one pair in the process-wide string file.
std::u16string LookUpString(const StringKey& text);

// The same answer, reading and parsing the whole file for this one lookup, never from the parsed
// file kept by LookUpString.
std::u16string LookUpStringUncached(std::u16string_view path, std::u16string_view section,
                                    std::u16string_view key);

// The lookup itself over a document already parsed; the caller has checked that it is well-formed.
// Moves the reader's cursor.
std::u16string LookUpStringIn(CXmlReader& parsed, std::u16string_view section, std::u16string_view key);

}  // namespace strings
