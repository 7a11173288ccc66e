#pragma once
// The reader's own UTF-8 decoding, for the usual language file: well-formed UTF-8 without NUL
// bytes. Such bytes have exactly one decoding, so the result is the one any conforming converter
// (the platform's included) gives; the reader's own loop is faster, skips the separate search for
// NUL bytes, and collects the marks of the text on the way.

#include <string>
#include <string_view>

#include "strings/XmlMarks.h"

namespace strings {

// Decodes `bytes` into `text` and their marks into `marks`. False, with both unspecified, when the
// bytes hold a NUL byte or anything that is not well-formed UTF-8: then the general path decides.
bool DecodeWellFormedUtf8(std::string_view bytes, std::u16string& text, XmlMarkList& marks);

}  // namespace strings
