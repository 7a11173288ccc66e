#pragma once
// The XML tokenizer: one token at a time from a position in the document text, plus the name and
// attribute scanning that works inside a single tag. Offsets are character offsets into the text;
// nothing reads past the end of the view it is given.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace strings {

enum class XmlTokenKind : std::uint8_t {
  End,                    // no text left
  Text,                   // characters up to the next '<'
  WhiteSpace,             // a run of space, tab, line feed and carriage return only
  StartTag,               // <a ...>
  EmptyTag,               // <a .../>
  EndTag,                 // </a>
  ProcessingInstruction,  // <? ... ?>
  Comment,                // <!-- ... -->
  CData,                  // <![CDATA[ ... ]]>
  Doctype,                // <!DOCTYPE ... [ internal subset ] >
  Declaration,            // <!ENTITY ...>, <!ATTLIST ...>, <!NOTATION ...> outside a doctype
  Error,                  // see XmlTokenError; the token is the '<' alone
};

enum class XmlTokenError : std::uint8_t {
  None,
  TagNameCharacter,  // the character after '<' cannot start a name
  BangTag,           // '<!' followed by something else
  CommentTag,        // '<!-' not followed by '-'
  BracketTag,        // '<![' not followed by 'C'
  Unterminated,      // the text ends inside the token
};

struct XmlToken {
  XmlTokenKind kind = XmlTokenKind::End;
  XmlTokenError error = XmlTokenError::None;
  // For an unterminated token, what was being read: "Element tag", "Comment", ...
  std::u16string_view unterminatedKind;
  std::size_t start = 0;
  std::size_t end = 0;  // one past the token's last character
};

// The token that starts at `pos`.
XmlToken NextXmlToken(std::u16string_view text, std::size_t pos);
// The markup token that starts at the '<' at `pos`.
XmlToken ReadXmlMarkup(std::u16string_view text, std::size_t pos);
// Offset of the next '<' at or after `pos`, or text.size().
std::size_t FindXmlMarkup(std::u16string_view text, std::size_t pos);

// The texts of the parse errors a token can carry: "Incorrect tag name character at offset 4",
// "Comment at offset 9 unterminated".
std::u16string XmlTokenErrorText(const XmlToken& token);

inline bool IsXmlSpace(char16_t c) { return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r'; }
// The characters that end an element name.
bool IsXmlNameEnd(char16_t c);

// The name that starts at `pos`: the run up to the first name-ending character.
std::u16string_view XmlNameAt(std::u16string_view text, std::size_t pos);
// The name of the element whose tag starts at `tagStart` ('<' of a start tag, '<' of an end tag or
// '<?' of a processing instruction).
std::u16string_view XmlTagName(std::u16string_view text, std::size_t tagStart);

// Whether `requested` names the element called `elementName`: the two agree over the element name's
// length (ignoring ASCII case when asked) and `requested` ends there or goes on with one of
// space, '=', '/', '[' or ']'.
bool XmlNameMatches(std::u16string_view elementName, std::u16string_view requested, bool ignoreCase);

// The raw value of attribute `name` inside one tag (from its '<' to its '>'); an attribute without
// '=' has the empty value. nullopt when the tag has no such attribute.
std::optional<std::u16string_view> FindXmlAttribute(std::u16string_view tag, std::u16string_view name,
                                                    bool ignoreCase);

// ASCII-only case folding, the only folding names and entity references need.
inline char16_t AsciiLower(char16_t c) { return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c + 32) : c; }
bool AsciiEqualIgnoringCase(std::u16string_view a, std::u16string_view b);

}  // namespace strings
