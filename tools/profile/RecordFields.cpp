#include "tools/profile/RecordFields.h"

#include <algorithm>

namespace profiletool {
namespace {

std::size_t TextBytes(const char16_t* text) {
  const auto length = store::TerminatedView(text, store::kPathCapacity).size();
  return 2 * std::min(length + 1, store::kPathCapacity);
}

constexpr std::size_t Offset(const void* base, const void* field) {
  return static_cast<std::size_t>(static_cast<const std::uint8_t*>(field) - static_cast<const std::uint8_t*>(base));
}

}  // namespace

std::vector<FieldSpan> KeyFields(const store::KeyRecord& r) {
  std::vector<FieldSpan> spans = {{0, 1, Field::Kind}};
  switch (r.FunctionKind) {
    case store::kind::kSingleKey:
      spans.push_back({Offset(&r, &r.singleKey.KeyCode), 1, Field::SentKey});
      break;
    case store::kind::kMacro: {
      const std::size_t events = std::min<std::size_t>(r.macro.EventCount, store::kMacroEventCapacity);
      spans.push_back({Offset(&r, &r.macro.DelayMode), 20, Field::MacroSettings});
      spans.push_back({Offset(&r, &r.macro.EventCount), 2, Field::MacroEventCount});
      spans.push_back({Offset(&r, r.macro.Events), 2 * events, Field::MacroEvents});
      break;
    }
    case store::kind::kProfileSwitch:
      spans.push_back({Offset(&r, &r.profileSwitch.TargetProfile), 12, Field::ProfileSwitch});
      break;
    case store::kind::kLaunchProgram:
      spans.push_back({Offset(&r, r.launch.ProgramPath), TextBytes(r.launch.ProgramPath), Field::LaunchPath});
      spans.push_back({Offset(&r, r.launch.ShortcutName), TextBytes(r.launch.ShortcutName), Field::LaunchName});
      break;
    default:
      break;
  }
  return spans;
}

std::vector<FieldSpan> ProfileFields(const store::ProfileRecord& p) {
  return {{Offset(&p, &p.DeviceMode), 4, Field::DeviceMode},
          {Offset(&p, p.Name), TextBytes(p.Name), Field::Name},
          {Offset(&p, p.Exe), TextBytes(p.Exe), Field::Program},
          {Offset(&p, &p.AutoSwitch), 4, Field::AutoSwitch},
          {Offset(&p, p.keys), sizeof p.keys, Field::Keys},
          {Offset(&p, &p.ButtonInfoChanged), 12, Field::CompanionAndLayer}};
}

std::string_view FieldWhat(Field field) {
  static constexpr std::string_view kWhat[] = {
      "the function kind", "the key it sends", "the macro settings", "the macro's event count",
      "the macro's events", "the profile switch", "the program path", "the program name", "the device mode",
      "the profile name", "the profile's program", "the auto switch", "the keys (give a key's bytes in its own extra)",
      "the companion's values and the layer shown"};
  return kWhat[static_cast<std::size_t>(field)];
}

bool ChangesSpans(const std::uint8_t* before, const std::uint8_t* after, const std::vector<FieldSpan>& spans,
                  std::size_t* offset, Field* field) {
  for (const FieldSpan& span : spans)
    for (std::size_t i = span.offset; i < span.offset + span.size; ++i)
      if (before[i] != after[i]) {
        *offset = i;
        *field = span.field;
        return true;
      }
  return false;
}

}  // namespace profiletool
