#include "tools/profile/ProfileJson.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <array>
#include <cstring>
#include <limits>
#include <map>

#include "app/KeyLayout.h"
#include "catalogue/KeyNames.h"
#include "editors/MacroModel.h"
#include "tools/profile/FunctionWords.h"
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

// ---- names, both ways, in the fixed layout of a variant ---------------------------------------------------

using NameCodes = std::map<std::u16string, std::uint8_t>;

// The lowest code of every name, so each name reads back as one code.
NameCodes BuildNameCodes(int variant, bool events) {
  NameCodes codes;
  for (int code = 255; code >= 0; --code) {
    if (events && code == editors::kPauseCode) continue;
    const auto vk = static_cast<std::uint8_t>(code);
    const auto& layout = LayoutOf(variant);
    codes[events ? catalogue::EventKeyName(vk, layout) : catalogue::KeyName(vk, layout)] = vk;
  }
  return codes;
}

std::optional<std::uint8_t> CodeNamed(int variant, std::u16string_view name, bool events) {
  static const auto tables = [] {
    std::array<std::array<NameCodes, 2>, app::kLayoutVariants> all;
    for (int v = 0; v < app::kLayoutVariants; ++v) all[v] = {BuildNameCodes(v, false), BuildNameCodes(v, true)};
    return all;
  }();
  const auto& codes = tables[app::LayoutVariant(static_cast<std::uint32_t>(variant))][events ? 1 : 0];
  const auto found = codes.find(std::u16string(name));
  if (found == codes.end()) return std::nullopt;
  return found->second;
}

bool EndsWith(std::u16string_view text, std::u16string_view end) {
  return text.size() >= end.size() && text.substr(text.size() - end.size()) == end;
}

// The event a macro editor line stands for: "A Press", "Left Button Release", "200ms".
std::optional<store::MacroEvent> ParseEventLine(std::u16string_view line, int variant) {
  if (EndsWith(line, u"ms")) {
    const auto digits = line.substr(0, line.size() - 2);
    if (digits.empty() || digits.size() > 5) return std::nullopt;
    int ms = 0;
    for (const char16_t c : digits) {
      if (c < u'0' || c > u'9') return std::nullopt;
      ms = ms * 10 + (c - u'0');
    }
    if (ms % editors::kPauseUnitMs != 0 || ms / editors::kPauseUnitMs > 255) return std::nullopt;
    return store::MacroEvent{editors::kPauseCode, static_cast<std::uint8_t>(ms / editors::kPauseUnitMs)};
  }
  for (const auto& [suffix, value] : {std::pair{std::u16string_view(u" Press"), 0},
                                       std::pair{std::u16string_view(u" Release"), 1}}) {
    if (!EndsWith(line, suffix)) continue;
    const auto code = CodeNamed(variant, line.substr(0, line.size() - suffix.size()), true);
    if (!code) return std::nullopt;
    return store::MacroEvent{*code, static_cast<std::uint8_t>(value)};
  }
  return std::nullopt;
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

std::int64_t Integer(const Json& value, std::int64_t low, std::int64_t high, const std::string& what) {
  std::int64_t n = 0;
  if (value.is_number_unsigned()) {
    const auto u = value.get<std::uint64_t>();
    n = u > static_cast<std::uint64_t>(high) ? high + 1 : static_cast<std::int64_t>(u);
  } else if (value.is_number_integer()) {
    n = value.get<std::int64_t>();
  } else {
    Fail(what + " must be a whole number");
  }
  if (n < low || n > high)
    Fail(what + " must be from " + std::to_string(low) + " to " + std::to_string(high) + ", not " + value.dump());
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
  return Integer(value, low, high, what);
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
  if (text->size() > capacity)
    Fail(what + " has " + std::to_string(text->size()) + " UTF-16 units; at most " + std::to_string(capacity) +
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

void ApplyExtra(const Json& extra, std::uint8_t* bytes, std::size_t size, const std::string& where) {
  const std::string what = In(where, "extra");
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
  editors::MacroModel model;
  model.Load(record);
  Json events = Json::array();
  for (int i = 0; i < model.EventCount(); ++i) {
    const auto line = model.LineText(i, LayoutOf(variant));
    const auto event = macro.Events[i];
    const auto parsed = ParseEventLine(line, variant);
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
  if (const Json* v = Member(json, "repeatCount"))
    macro.RepeatCountIndex = static_cast<std::int32_t>(Integer(*v, kI32Min + 1, kI32Max + 1, at + " repeatCount") - 1);
  else
    macro.RepeatCountIndex = 0;
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
        const auto line = Text(event, 64, what);
        const auto parsed = ParseEventLine(line, variant);
        if (!parsed)
          Fail(what + " \"" + Readable(line) + "\" is no macro line such as \"A Press\", \"A Release\" or \"200ms\"");
        macro.Events[count] = *parsed;
      }
      ++count;
    }
  }
  macro.EventCount = static_cast<std::uint16_t>(count);
  if (const Json* v = Member(json, "eventCount"))
    macro.EventCount = static_cast<std::uint16_t>(Integer(*v, 0, 65535, at + " eventCount"));
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
        const auto found = CodeNamed(variant, name, false);
        if (!found) Fail(In(where, "no key is named \"" + Readable(name) + "\""));
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
          view.TargetProfile = static_cast<std::int32_t>(Integer(*v, kI32Min + 1, kI32Max + 1, at + " profile") - 1);
        if (const Json* v = Member(*target, "layer"))
          view.TargetLayer = static_cast<std::int32_t>(Integer(*v, kI32Min + 1, kI32Max + 1, at + " layer") - 1);
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
  if (const Json* extra = Member(json, "extra")) ApplyExtra(*extra, record.bytes, store::kKeyRecordSize, where);
}

Json EncodeKey(const KeyRecord& record, int slot, int variant) {
  Json json;
  json["slot"] = slot;
  const auto name = SlotName(variant, slot);
  if (!name.empty()) json["key"] = Readable(name);
  const std::uint8_t kind = record.FunctionKind;
  json["kind"] = kind;
  if (const auto textKey = FunctionTextKey(kind); !textKey.empty()) json["function"] = textKey;
  switch (kind) {
    case store::kind::kSingleKey: {
      const std::uint8_t code = record.singleKey.KeyCode;
      const auto sends = catalogue::KeyName(code, LayoutOf(variant));
      json["sends"] = Readable(sends);
      if (CodeNamed(variant, sends, false) != code) json["keyCode"] = code;
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

// Reads one key entry of a layer into `keys`; a slot may be named by its number or its key name.
void DecodeKey(const Json& json, int variant, KeyRecord (&keys)[store::kKeyCount], std::array<bool, store::kKeyCount>& seen,
               const std::string& layerWhere, std::size_t index) {
  const std::string entry = layerWhere + ", key entry " + std::to_string(index + 1);
  OnlyMembers(json, {"slot", "key", "kind", "function", "sends", "keyCode", "macro", "switchTo", "launch", "extra"},
              entry);
  std::optional<int> slot;
  if (const Json* v = Member(json, "slot")) slot = static_cast<int>(Integer(*v, 0, store::kKeyCount - 1, entry + " slot"));
  if (const Json* v = Member(json, "key")) {
    const auto name = Text(*v, 64, entry + " key");
    const auto named = SlotNamed(variant, name);
    if (!slot && !named)
      Fail(entry + ": no single key of layout variant " + std::to_string(variant) + " is named \"" + Readable(name) +
           "\"; give its \"slot\"");
    if (slot && SlotName(variant, *slot) != name)
      Fail(entry + ": slot " + std::to_string(*slot) + " is not the key \"" + Readable(name) + "\"");
    slot = slot ? slot : named;
  }
  if (!slot) Fail(entry + " needs its \"slot\" or its \"key\"");
  const std::string where = layerWhere + ", " + SlotLabel(variant, *slot);
  if (seen[*slot]) Fail(where + " is listed twice");
  seen[*slot] = true;

  std::optional<std::uint8_t> kind;
  if (const Json* v = Member(json, "kind")) kind = static_cast<std::uint8_t>(Integer(*v, 0, 255, In(where, "kind")));
  if (const Json* v = Member(json, "function")) {
    if (!v->is_string()) Fail(In(where, "function must be a text key such as \"MUTE\""));
    const auto& textKey = v->get_ref<const std::string&>();
    const auto named = KindOfTextKey(textKey);
    if (!named) Fail(In(where, "no function is called \"" + textKey + "\""));
    if (kind && *kind != *named)
      Fail(In(where, "kind " + std::to_string(*kind) + " is not the function \"" + textKey +
                         "\"; change both or leave one out"));
    kind = named;
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
  if (const Json* v = Member(json, "version")) Integer(*v, kJsonVersion, kJsonVersion, "version");
}

int DecodeProfile(const Json& json, ProfileRecord& profile) {
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
    profile.Keymap = static_cast<std::uint32_t>(Integer(*v, 1, kU32Max + 1, "layerShown") - 1);
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
        DecodeKey((*keys)[k], variant, profile.keys[number], seen, LayerWhere(number), k);
    }
  }
  if (const Json* extra = Member(json, "extra"))
    ApplyExtra(*extra, reinterpret_cast<std::uint8_t*>(&profile), store::kProfileSize, "the profile");
  return variant;
}

Json EncodeProfile(const ProfileRecord& profile, int variant) {
  variant = app::LayoutVariant(variant < 0 ? 0u : static_cast<std::uint32_t>(variant));
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
      if (HasContent(profile.keys[layer][slot])) keys.push_back(EncodeKey(profile.keys[layer][slot], slot, variant));
    layers.push_back(Json{{"layer", layer + 1}, {"keys", std::move(keys)}});
  }
  json["layers"] = std::move(layers);
  const auto rebuilt = std::make_unique<ProfileRecord>();
  DecodeProfile(json, *rebuilt);
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

std::string ProfileToJson(const ProfileRecord& profile, int variant) { return Dump(EncodeProfile(profile, variant)); }

JsonResult ProfileFromJson(std::string_view text, ProfileRecord& profile, int* variant) {
  const auto scratch = std::make_unique<ProfileRecord>();
  int documentVariant = 0;
  JsonResult result = Convert(text, [&](const Json& json) { documentVariant = DecodeProfile(json, *scratch); });
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
