#include "tools/profile/ProfileJson.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <array>
#include <cstring>
#include <limits>
#include <map>

#include "catalogue/KeyLayout.h"
#include "catalogue/KeyNames.h"
#include "tools/profile/KeyWords.h"
#include "tools/profile/KeyboardVariants.h"
#include "tools/profile/MacroLines.h"
#include "tools/profile/RecordFields.h"
#include "tools/profile/SlotNames.h"
#include "tools/profile/Text.h"

namespace profiletool {
namespace {

using Json = nlohmann::ordered_json;
using store::KeyRecord;
using store::ProfileRecord;

constexpr std::string_view kProfileFormat = "TrelmVantoria profile";
constexpr std::string_view kHeaderFormat = "TrelmVantoria settings";
constexpr std::int64_t kI32Min = std::numeric_limits<std::int32_t>::min();
constexpr std::int64_t kI32Max = std::numeric_limits<std::int32_t>::max();
constexpr std::int64_t kU32Max = std::numeric_limits<std::uint32_t>::max();
// Differing bytes closer than this share one hex run, so a leftover text stays one piece.
constexpr std::size_t kRunGap = 8;

// A conversion stops at its first error, which the public functions return as their result.
struct ConversionError {
  std::string message;
};

[[noreturn]] void Fail(std::string message) { throw ConversionError{std::move(message)}; }

std::string In(const std::string& where, std::string_view what) {
  return where.empty() ? std::string(what) : where + ": " + std::string(what);
}

// ---- reading JSON values ---------------------------------------------------------------------------------

const Json* Member(const Json& object, const char* name) {
  const auto found = object.find(name);
  return found == object.end() ? nullptr : &*found;
}

void OnlyMembers(const Json& object, std::initializer_list<std::string_view> known, const std::string& where) {
  if (!object.is_object()) Fail(In(where, "must be an object { ... }"));
  for (const auto& item : object.items())
    if (std::find(known.begin(), known.end(), item.key()) == known.end())
      Fail(In(where, "unknown member \"" + item.key() + "\""));
}

// `rule` says the values that mean something, where they are fewer than those a file can hold.
std::int64_t Integer(const Json& value, std::int64_t low, std::int64_t high, const std::string& what,
                     std::string_view rule = {}) {
  std::int64_t n = 0;
  if (value.is_number_unsigned()) {
    const auto u = value.get<std::uint64_t>();
    n = u > static_cast<std::uint64_t>(high) ? high + 1 : static_cast<std::int64_t>(u);
  } else if (value.is_number_integer()) {
    n = value.get<std::int64_t>();
  } else {
    Fail(what + " must be a whole number" + (rule.empty() ? "" : ", " + std::string(rule)));
  }
  if (n < low || n > high) {
    if (!rule.empty()) Fail(what + " is " + std::string(rule) + ", not " + value.dump());
    Fail(what + " must be from " + std::to_string(low) + " to " + std::to_string(high) + ", not " + value.dump());
  }
  return n;
}

std::string Quoted(std::span<const std::string_view> words) {
  std::string text;
  for (const auto word : words) text += (text.empty() ? "\"" : ", \"") + std::string(word) + "\"";
  return text;
}

// A word of `words` or a stored number.
std::int64_t WordOrInteger(const Json& value, std::span<const std::string_view> words, std::int64_t low,
                           std::int64_t high, const std::string& what) {
  if (!value.is_string()) return Integer(value, low, high, what);
  const auto& word = value.get_ref<const std::string&>();
  for (std::size_t i = 0; i < words.size(); ++i)
    if (words[i] == word) return static_cast<std::int64_t>(i);
  Fail(what + " must be " + Quoted(words) + " or a number, not \"" + word + "\"");
}

std::int64_t Flag(const Json& value, std::int64_t low, std::int64_t high, const std::string& what) {
  if (value.is_boolean()) return value.get<bool>() ? 1 : 0;
  return Integer(value, low, high, what, "true or false");
}

Json FlagJson(std::int64_t value) { return value == 0 || value == 1 ? Json(value == 1) : Json(value); }

Json WordJson(std::span<const std::string_view> words, std::int64_t value) {
  if (value >= 0 && value < static_cast<std::int64_t>(words.size())) return std::string(words[value]);
  return value;
}

std::u16string Text(const Json& value, std::size_t capacity, const std::string& what) {
  if (!value.is_string()) Fail(what + " must be a text \"...\"");
  const auto text = Utf16Of(value.get_ref<const std::string&>());
  if (!text) Fail(what + " is not valid UTF-8");
  if (text->find(u'\0') != std::u16string::npos) Fail(what + " must not hold the character U+0000");
  // A text of the whole capacity has no room for its terminator; check says so, and only a damaged
  // profile carried back with --force holds one.
  if (text->size() > capacity)
    Fail(what + " has " + std::to_string(text->size()) + " characters; at most " + std::to_string(capacity - 1) +
         " fit");
  return *text;
}

// Writes into a zero-filled buffer: a text of the whole capacity is stored without its terminator.
void PutText(char16_t* buffer, const std::u16string& text) { std::copy(text.begin(), text.end(), buffer); }

// Texts are written only when UTF-8 can carry them; otherwise their bytes travel as extra bytes.
void PutTextMember(Json& object, const char* name, const char16_t* buffer) {
  if (const auto text = Utf8Of(store::TerminatedView(buffer, store::kPathCapacity))) (object)[name] = *text;
}

// ---- extra bytes -----------------------------------------------------------------------------------------

constexpr char kHexDigits[] = "0123456789abcdef";

Json ExtraRuns(const std::uint8_t* original, const std::uint8_t* rebuilt, std::size_t size) {
  Json runs = Json::object();
  std::size_t i = 0;
  while (i < size) {
    if (original[i] == rebuilt[i]) {
      ++i;
      continue;
    }
    std::size_t end = i + 1;
    for (std::size_t j = end; j < size && j < end + kRunGap; ++j)
      if (original[j] != rebuilt[j]) end = j + 1;
    std::string hex;
    for (std::size_t k = i; k < end; ++k) {
      hex += kHexDigits[original[k] >> 4];
      hex += kHexDigits[original[k] & 15];
    }
    runs[std::to_string(i)] = hex;
    i = end;
  }
  return runs;
}

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// Extra bytes fill in what no member says; one that would change what a member says is refused, so the
// members stay the truth about the record.
void ApplyExtra(const Json& extra, std::uint8_t* bytes, std::size_t size, const std::vector<FieldSpan>& fields,
                const std::string& where) {
  const std::string what = In(where, "extra");
  const std::vector<std::uint8_t> before(bytes, bytes + size);
  if (!extra.is_object()) Fail(what + " must be an object of offsets and hex bytes, such as {\"538\": \"4300\"}");
  for (const auto& item : extra.items()) {
    const std::string& key = item.key();
    const bool digits = !key.empty() && key.size() <= 7 &&
                        std::all_of(key.begin(), key.end(), [](char c) { return c >= '0' && c <= '9'; });
    if (!digits) Fail(what + ": \"" + key + "\" is not a byte offset");
    const std::size_t offset = std::stoul(key);
    if (!item.value().is_string()) Fail(what + " at " + key + " must be a text of hex digits");
    const auto& hex = item.value().get_ref<const std::string&>();
    if (hex.size() % 2 != 0) Fail(what + " at " + key + " has an odd number of hex digits");
    if (offset > size || hex.size() / 2 > size - offset)
      Fail(what + " at " + key + " reaches past the " + std::to_string(size) + " bytes of the record");
    for (std::size_t k = 0; k < hex.size(); k += 2) {
      const int high = HexValue(hex[k]), low = HexValue(hex[k + 1]);
      if (high < 0 || low < 0) Fail(what + " at " + key + " holds a character that is no hex digit");
      bytes[offset + k / 2] = static_cast<std::uint8_t>(high * 16 + low);
    }
  }
  std::size_t changed = 0;
  Field field{};
  if (ChangesSpans(before.data(), bytes, fields, &changed, &field))
    Fail(what + " at offset " + std::to_string(changed) + " would change " + std::string(FieldWhat(field)) +
         "; extra may carry only bytes that no member says");
}

// ---- key records -----------------------------------------------------------------------------------------

Json EncodeMacro(const KeyRecord& record, int variant) {
  const auto& macro = record.macro;
  Json json;
  json["pauses"] = WordJson(PauseWords(), macro.DelayMode);
  json["repeat"] = WordJson(RepeatWords(), macro.RepeatMode);
  json["repeatCount"] = std::int64_t{macro.RepeatCountIndex} + 1;
  json["interval"] = WordJson(IntervalSwitchWords(), macro.IntervalOn);
  json["intervalLength"] = WordJson(IntervalWords(), macro.IntervalIndex);
  if (macro.EventCount > store::kMacroEventCapacity) json["eventCount"] = macro.EventCount;
  Json events = Json::array();
  const int count = std::min<int>(macro.EventCount, store::kMacroEventCapacity);
  for (int i = 0; i < count; ++i) {
    const auto event = macro.Events[i];
    const auto line = EventLine(event, variant);
    const auto parsed = ParseEventLine(line, variant).event;
    if (parsed && parsed->code == event.code && parsed->value == event.value) {
      events.push_back(Readable(line));
    } else {
      events.push_back(Json{{"line", Readable(line)}, {"code", event.code}, {"value", event.value}});
    }
  }
  json["events"] = std::move(events);
  return json;
}

void DecodeMacro(const Json& json, int variant, KeyRecord& record, const std::string& where) {
  const std::string at = In(where, "macro");
  OnlyMembers(json, {"pauses", "repeat", "repeatCount", "interval", "intervalLength", "eventCount", "events"}, at);
  auto& macro = record.macro;
  if (const Json* v = Member(json, "pauses")) macro.DelayMode = WordOrInteger(*v, PauseWords(), kI32Min, kI32Max, at + " pauses");
  if (const Json* v = Member(json, "repeat")) macro.RepeatMode = WordOrInteger(*v, RepeatWords(), kI32Min, kI32Max, at + " repeat");
  macro.RepeatCountIndex = 0;
  if (const Json* v = Member(json, "repeatCount"))
    macro.RepeatCountIndex =
        static_cast<std::int32_t>(Integer(*v, kI32Min + 1, kI32Max + 1, at + " repeatCount", "1 to 10") - 1);
  if (const Json* v = Member(json, "interval"))
    macro.IntervalOn = WordOrInteger(*v, IntervalSwitchWords(), kI32Min, kI32Max, at + " interval");
  if (const Json* v = Member(json, "intervalLength"))
    macro.IntervalIndex = WordOrInteger(*v, IntervalWords(), kI32Min, kI32Max, at + " intervalLength");
  std::size_t count = 0;
  if (const Json* events = Member(json, "events")) {
    if (!events->is_array()) Fail(at + " events must be a list [ ... ]");
    if (events->size() > store::kMacroEventCapacity)
      Fail(at + " has " + std::to_string(events->size()) + " events; a macro holds at most 256");
    for (const Json& event : *events) {
      const std::string what = at + " event " + std::to_string(count + 1);
      if (event.is_object()) {
        OnlyMembers(event, {"line", "code", "value"}, what);
        const Json* code = Member(event, "code");
        const Json* value = Member(event, "value");
        if (!code || !value) Fail(what + " needs both \"code\" and \"value\"");
        macro.Events[count] = {static_cast<std::uint8_t>(Integer(*code, 0, 255, what + " code")),
                               static_cast<std::uint8_t>(Integer(*value, 0, 255, what + " value"))};
      } else {
        const ParsedLine parsed = ParseEventLine(Text(event, 64, what), variant);
        if (!parsed.event) Fail(what + " " + parsed.problem);
        macro.Events[count] = *parsed.event;
      }
      ++count;
    }
  }
  macro.EventCount = static_cast<std::uint16_t>(count);
  if (const Json* v = Member(json, "eventCount"))
    macro.EventCount = static_cast<std::uint16_t>(Integer(*v, 0, 65535, at + " eventCount"));
}

// The fields a key entry's members say; a text left out (one UTF-8 cannot carry) says nothing.
std::vector<FieldSpan> SaidFields(const KeyRecord& record, const Json& json) {
  const Json* launch = Member(json, "launch");
  auto fields = KeyFields(record);
  std::erase_if(fields, [&](const FieldSpan& span) {
    return (span.field == Field::LaunchPath && !(launch && Member(*launch, "path"))) ||
           (span.field == Field::LaunchName && !(launch && Member(*launch, "name")));
  });
  return fields;
}

void DecodeFunction(const Json& json, std::uint8_t kind, int variant, KeyRecord& record, const std::string& where) {
  store::ClearRecord(record);
  switch (kind) {
    case store::kind::kSingleKey: {
      std::uint8_t code = 0;
      if (const Json* v = Member(json, "keyCode")) {
        code = static_cast<std::uint8_t>(Integer(*v, 0, 255, In(where, "keyCode")));
      } else if (const Json* sends = Member(json, "sends")) {
        const auto name = Text(*sends, 64, In(where, "sends"));
        const auto found = CodeOfKeyWord(name, variant);
        if (!found) {
          std::string problem = "no key is named \"" + Readable(name) + "\"";
          const auto nearest = NearestKeyWords(name, variant);
          if (!nearest.empty()) problem += "; did you mean " + QuotedChoice(nearest) + "?";
          Fail(In(where, problem + " (list-keys lists them)"));
        }
        code = *found;
      }
      record.singleKey.KeyCode = code;
      break;
    }
    case store::kind::kMacro:
      if (const Json* macro = Member(json, "macro")) DecodeMacro(*macro, variant, record, where);
      break;
    case store::kind::kProfileSwitch:
      if (const Json* target = Member(json, "switchTo")) {
        const std::string at = In(where, "switchTo");
        OnlyMembers(*target, {"profile", "layer", "onScreen"}, at);
        auto& view = record.profileSwitch;
        if (const Json* v = Member(*target, "profile"))
          view.TargetProfile =
              static_cast<std::int32_t>(Integer(*v, kI32Min + 1, kI32Max + 1, at + " profile", "1 to 10") - 1);
        if (const Json* v = Member(*target, "layer"))
          view.TargetLayer = static_cast<std::int32_t>(Integer(*v, kI32Min + 1, kI32Max + 1, at + " layer", "1 to 3") - 1);
        if (const Json* v = Member(*target, "onScreen"))
          view.ShowOsd = static_cast<std::int32_t>(Flag(*v, kI32Min, kI32Max, at + " onScreen"));
      }
      break;
    case store::kind::kLaunchProgram:
      if (const Json* launch = Member(json, "launch")) {
        const std::string at = In(where, "launch");
        OnlyMembers(*launch, {"path", "name"}, at);
        if (const Json* v = Member(*launch, "path"))
          PutText(record.launch.ProgramPath, Text(*v, store::kPathCapacity, at + " path"));
        if (const Json* v = Member(*launch, "name"))
          PutText(record.launch.ShortcutName, Text(*v, store::kPathCapacity, at + " name"));
      }
      break;
    default:
      break;
  }
  record.FunctionKind = kind;
  if (const Json* extra = Member(json, "extra"))
    ApplyExtra(*extra, record.bytes, store::kKeyRecordSize, SaidFields(record, json), where);
}

Json EncodeKey(const KeyRecord& record, int slot, int variant, const Labels& labels) {
  Json json;
  json["slot"] = slot;
  const auto name = SlotName(variant, slot);
  if (!name.empty()) json["key"] = Readable(name);
  const std::uint8_t kind = record.FunctionKind;
  json["kind"] = kind;
  if (const auto textKey = FunctionTextKey(kind); !textKey.empty()) {
    json["function"] = textKey;
    json["label"] = labels.Text(textKey);
  }
  switch (kind) {
    case store::kind::kSingleKey: {
      const std::uint8_t code = record.singleKey.KeyCode;
      const auto sends = KeyWord(code, variant);
      json["sends"] = Readable(sends);
      if (CodeOfKeyWord(sends, variant) != code) json["keyCode"] = code;
      break;
    }
    case store::kind::kMacro:
      json["macro"] = EncodeMacro(record, variant);
      break;
    case store::kind::kProfileSwitch: {
      const auto& view = record.profileSwitch;
      json["switchTo"] = Json{{"profile", std::int64_t{view.TargetProfile} + 1},
                              {"layer", std::int64_t{view.TargetLayer} + 1},
                              {"onScreen", FlagJson(view.ShowOsd)}};
      break;
    }
    case store::kind::kLaunchProgram: {
      Json launch = Json::object();
      PutTextMember(launch, "path", record.launch.ProgramPath);
      PutTextMember(launch, "name", record.launch.ShortcutName);
      json["launch"] = std::move(launch);
      break;
    }
    default:
      break;
  }
  KeyRecord rebuilt;
  DecodeFunction(json, kind, variant, rebuilt, {});
  Json extra = ExtraRuns(record.bytes, rebuilt.bytes, store::kKeyRecordSize);
  if (!extra.empty()) json["extra"] = std::move(extra);
  return json;
}

// Reads one key entry of a layer into `keys`; a slot may be named by its number or its key name, the
// function by its text key, its label or its kind.
void DecodeKey(const Json& json, int variant, const Labels& labels, KeyRecord (&keys)[store::kKeyCount],
               std::array<bool, store::kKeyCount>& seen, const std::string& layerWhere, std::size_t index) {
  const std::string entry = layerWhere + ", key entry " + std::to_string(index + 1);
  OnlyMembers(json,
              {"slot", "key", "kind", "function", "label", "sends", "keyCode", "macro", "switchTo", "launch", "extra"},
              entry);
  std::optional<int> slot;
  if (const Json* v = Member(json, "slot")) slot = static_cast<int>(Integer(*v, 0, store::kKeyCount - 1, entry + " slot"));
  if (const Json* v = Member(json, "key")) {
    const auto name = Text(*v, 64, entry + " key");
    const auto named = SlotNamed(variant, name);
    if (!slot && !named) {
      std::string problem = entry + ": no key of layout variant " + std::to_string(variant) + " is named \"" +
                            Readable(name) + "\"";
      const auto nearest = NearestSlotNames(variant, name);
      if (!nearest.empty()) problem += "; did you mean " + QuotedChoice(nearest) + "?";
      Fail(problem + " (list-keys lists them; or give its \"slot\")");
    }
    if (slot && named != slot)
      Fail(entry + ": slot " + std::to_string(*slot) + " is not the key \"" + Readable(name) + "\"");
    slot = slot ? slot : named;
  }
  if (!slot) Fail(entry + " needs its \"slot\" or its \"key\"");
  const std::string where = layerWhere + ", " + SlotLabel(variant, *slot);
  if (seen[*slot]) Fail(where + " is listed twice");
  seen[*slot] = true;

  std::optional<std::uint8_t> kind;
  if (const Json* v = Member(json, "kind")) kind = static_cast<std::uint8_t>(Integer(*v, 0, 255, In(where, "kind")));
  // The label is for reading; it names the function only when neither "function" nor "kind" does.
  const Json* word = Member(json, "function");
  if (!word && !kind) word = Member(json, "label");
  if (word) {
    if (!word->is_string()) Fail(In(where, "function must be a text such as \"MUTE\" or \"Mute\""));
    const auto& text = word->get_ref<const std::string&>();
    const FunctionWord named = KindOfWord(text, labels);
    if (!named.kind) Fail(In(where, named.problem));
    if (kind && *kind != *named.kind)
      Fail(In(where, "kind " + std::to_string(*kind) + " is not the function \"" + text +
                         "\"; change both or leave one out"));
    kind = named.kind;
  }
  if (!kind) Fail(where + " needs its \"function\" or its \"kind\"");
  DecodeFunction(json, *kind, variant, keys[*slot], where);
}

// ---- profiles and the header -----------------------------------------------------------------------------

std::string LayerWhere(int layer) { return "layer " + std::to_string(layer + 1); }

bool HasContent(const KeyRecord& record) {
  return std::any_of(std::begin(record.bytes), std::end(record.bytes), [](std::uint8_t b) { return b != 0; });
}

void CheckFormat(const Json& json, std::string_view format) {
  if (const Json* v = Member(json, "format"); v && *v != format)
    Fail("this is no " + std::string(format) + " document (its format is " + v->dump() + ")");
  if (const Json* v = Member(json, "version")) Integer(*v, 1, kJsonVersion, "version");
}

int DecodeProfile(const Json& json, ProfileRecord& profile, const Labels& labels) {
  OnlyMembers(json,
              {"format", "version", "variant", "name", "program", "autoSwitch", "layerShown", "companion", "layers", "extra"},
              "the profile");
  CheckFormat(json, kProfileFormat);
  int variant = 0;
  if (const Json* v = Member(json, "variant")) variant = static_cast<int>(Integer(*v, 0, 2, "variant"));
  std::memset(static_cast<void*>(&profile), 0, store::kProfileSize);
  if (const Json* v = Member(json, "name")) PutText(profile.Name, Text(*v, store::kPathCapacity, "name"));
  if (const Json* v = Member(json, "program")) PutText(profile.Exe, Text(*v, store::kPathCapacity, "program"));
  if (const Json* v = Member(json, "autoSwitch")) profile.AutoSwitch = static_cast<std::uint32_t>(Flag(*v, 0, kU32Max, "autoSwitch"));
  if (const Json* v = Member(json, "layerShown"))
    profile.Keymap = static_cast<std::uint32_t>(Integer(*v, 1, kU32Max + 1, "layerShown", "1 to 3") - 1);
  if (const Json* companion = Member(json, "companion")) {
    OnlyMembers(*companion, {"deviceMode", "buttonInfoChanged", "keymapChanged"}, "companion");
    if (const Json* v = Member(*companion, "deviceMode"))
      profile.DeviceMode = static_cast<std::uint32_t>(Integer(*v, 0, kU32Max, "companion deviceMode"));
    if (const Json* v = Member(*companion, "buttonInfoChanged"))
      profile.ButtonInfoChanged = static_cast<std::uint32_t>(Integer(*v, 0, kU32Max, "companion buttonInfoChanged"));
    if (const Json* v = Member(*companion, "keymapChanged"))
      profile.KeymapChanged = static_cast<std::uint32_t>(Integer(*v, 0, kU32Max, "companion keymapChanged"));
  }
  if (const Json* layers = Member(json, "layers")) {
    if (!layers->is_array() || layers->size() > store::kLayerCount) Fail("layers must be a list of at most 3 layers");
    std::array<bool, store::kLayerCount> layerSeen{};
    for (std::size_t i = 0; i < layers->size(); ++i) {
      const Json& layer = (*layers)[i];
      const std::string entry = "layer entry " + std::to_string(i + 1);
      OnlyMembers(layer, {"layer", "keys"}, entry);
      int number = static_cast<int>(i);
      if (const Json* v = Member(layer, "layer")) number = static_cast<int>(Integer(*v, 1, 3, entry + " layer")) - 1;
      if (layerSeen[number]) Fail(LayerWhere(number) + " is listed twice");
      layerSeen[number] = true;
      const Json* keys = Member(layer, "keys");
      if (!keys) continue;
      if (!keys->is_array()) Fail(LayerWhere(number) + ": keys must be a list [ ... ]");
      std::array<bool, store::kKeyCount> seen{};
      for (std::size_t k = 0; k < keys->size(); ++k)
        DecodeKey((*keys)[k], variant, labels, profile.keys[number], seen, LayerWhere(number), k);
    }
  }
  if (const Json* extra = Member(json, "extra")) {
    auto fields = ProfileFields(profile);
    std::erase_if(fields, [&](const FieldSpan& span) {
      return (span.field == Field::Name && !Member(json, "name")) || (span.field == Field::Program && !Member(json, "program"));
    });
    ApplyExtra(*extra, reinterpret_cast<std::uint8_t*>(&profile), store::kProfileSize, fields, "the profile");
  }
  return variant;
}

Json EncodeProfile(const ProfileRecord& profile, int variant, const Labels& labels) {
  variant = Variant(variant);
  Json json;
  json["format"] = kProfileFormat;
  json["version"] = kJsonVersion;
  json["variant"] = variant;
  PutTextMember(json, "name", profile.Name);
  PutTextMember(json, "program", profile.Exe);
  json["autoSwitch"] = FlagJson(profile.AutoSwitch);
  json["layerShown"] = std::int64_t{profile.Keymap} + 1;
  json["companion"] = Json{{"deviceMode", profile.DeviceMode},
                           {"buttonInfoChanged", profile.ButtonInfoChanged},
                           {"keymapChanged", profile.KeymapChanged}};
  Json layers = Json::array();
  for (int layer = 0; layer < store::kLayerCount; ++layer) {
    Json keys = Json::array();
    for (int slot = 0; slot < store::kKeyCount; ++slot)
      if (HasContent(profile.keys[layer][slot])) keys.push_back(EncodeKey(profile.keys[layer][slot], slot, variant, labels));
    layers.push_back(Json{{"layer", layer + 1}, {"keys", std::move(keys)}});
  }
  json["layers"] = std::move(layers);
  const auto rebuilt = std::make_unique<ProfileRecord>();
  DecodeProfile(json, *rebuilt, Labels());
  Json extra = ExtraRuns(reinterpret_cast<const std::uint8_t*>(&profile), reinterpret_cast<const std::uint8_t*>(rebuilt.get()),
                         store::kProfileSize);
  if (!extra.empty()) json["extra"] = std::move(extra);
  return json;
}

void DecodeHeader(const Json& json, store::StoreHeader& header) {
  OnlyMembers(json,
              {"format", "version", "language", "profileTotal", "currentProfile", "autoSwitch", "showScreen", "trayIcon",
               "lightOption", "mediaOption", "customSwitch", "switchCode", "hotKey", "reserved"},
              "the settings");
  CheckFormat(json, kHeaderFormat);
  header = {};
  const auto u32 = [&](const char* name, std::uint32_t& field) {
    if (const Json* v = Member(json, name)) field = static_cast<std::uint32_t>(Integer(*v, 0, kU32Max, name));
  };
  u32("language", header.Language);
  u32("profileTotal", header.ProfileTotle);
  if (const Json* v = Member(json, "currentProfile"))
    header.ProfileCurrent = static_cast<std::uint32_t>(Integer(*v, 1, kU32Max + 1, "currentProfile") - 1);
  u32("autoSwitch", header.AutoSwitch);
  u32("showScreen", header.ShowScreen);
  u32("trayIcon", header.TrayIcon);
  u32("lightOption", header.LightOption);
  u32("mediaOption", header.MediaOption);
  if (const Json* v = Member(json, "customSwitch")) header.bCustomSwitch = static_cast<std::uint32_t>(Flag(*v, 0, kU32Max, "customSwitch"));
  if (const Json* v = Member(json, "switchCode")) {
    if (!v->is_array() || v->size() != 3) Fail("switchCode must be a list of three numbers");
    for (std::size_t i = 0; i < 3; ++i)
      header.SwitchCode[i] = static_cast<std::uint8_t>(Integer((*v)[i], 0, 255, "switchCode"));
  }
  if (const Json* v = Member(json, "hotKey"); v && !v->is_string()) Fail("hotKey must be a text");
  if (const Json* v = Member(json, "reserved")) header.reserved = static_cast<std::uint8_t>(Integer(*v, 0, 255, "reserved"));
}

template <typename Decode>
JsonResult Convert(std::string_view text, Decode decode) {
  Json json;
  try {
    json = Json::parse(text);
  } catch (const Json::parse_error& error) {
    std::string message = error.what();
    if (const auto end = message.find("] "); message.starts_with("[json.exception") && end != std::string::npos)
      message.erase(0, end + 2);
    return {false, message};
  }
  try {
    decode(json);
  } catch (const ConversionError& error) {
    return {false, error.message};
  } catch (const Json::exception& error) {
    return {false, error.what()};
  }
  return {};
}

std::string Dump(const Json& json) { return json.dump(2) + "\n"; }

}  // namespace

std::string ProfileToJson(const ProfileRecord& profile, int variant, const Labels& labels) {
  return Dump(EncodeProfile(profile, variant, labels));
}

JsonResult ProfileFromJson(std::string_view text, ProfileRecord& profile, int* variant, const Labels& labels) {
  const auto scratch = std::make_unique<ProfileRecord>();
  int documentVariant = 0;
  JsonResult result = Convert(text, [&](const Json& json) { documentVariant = DecodeProfile(json, *scratch, labels); });
  if (!result.ok) return result;
  std::memcpy(static_cast<void*>(&profile), scratch.get(), store::kProfileSize);
  if (variant) *variant = documentVariant;
  return result;
}

std::string HeaderToJson(const store::StoreHeader& header) {
  Json json;
  json["format"] = kHeaderFormat;
  json["version"] = kJsonVersion;
  json["language"] = header.Language;
  json["profileTotal"] = header.ProfileTotle;
  json["currentProfile"] = std::int64_t{header.ProfileCurrent} + 1;
  json["autoSwitch"] = header.AutoSwitch;
  json["showScreen"] = header.ShowScreen;
  json["trayIcon"] = header.TrayIcon;
  json["lightOption"] = header.LightOption;
  json["mediaOption"] = header.MediaOption;
  json["customSwitch"] = FlagJson(header.bCustomSwitch);
  json["switchCode"] = Json::array({header.SwitchCode[0], header.SwitchCode[1], header.SwitchCode[2]});
  json["hotKey"] = Readable(catalogue::SwitchCombinationText(header.bCustomSwitch, header.SwitchCode, LayoutOf(0)));
  json["reserved"] = header.reserved;
  return Dump(json);
}

JsonResult HeaderFromJson(std::string_view text, store::StoreHeader& header) {
  store::StoreHeader scratch{};
  JsonResult result = Convert(text, [&](const Json& json) { DecodeHeader(json, scratch); });
  if (result.ok) header = scratch;
  return result;
}

}  // namespace profiletool
