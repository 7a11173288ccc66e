#include "tools/profile/ProfileDiff.h"

#include <cstring>

#include "tools/profile/FunctionWords.h"
#include "tools/profile/SlotNames.h"
#include "tools/profile/Text.h"

namespace profiletool {
namespace {

constexpr const char* kArrow = " \u2192 ";

std::string Quote(const char16_t* text) {
  return Quoted(Readable(store::TerminatedView(text, store::kPathCapacity)));
}

std::string OnOff(std::uint32_t flag) { return flag == 0 ? "off" : flag == 1 ? "on" : std::to_string(flag); }

void Field(std::vector<std::string>& lines, const std::string& what, const std::string& a, const std::string& b) {
  if (a != b) lines.push_back(what + ": " + a + kArrow + b);
}

void DiffKey(const store::KeyRecord& a, const store::KeyRecord& b, const std::string& where, int variant,
             const Labels& labels, std::vector<std::string>& lines) {
  if (std::memcmp(a.bytes, b.bytes, store::kKeyRecordSize) == 0) return;
  const auto summaryA = Summary(a, variant, labels), summaryB = Summary(b, variant, labels);
  if (summaryA != summaryB) {
    lines.push_back(where + ": " + summaryA + kArrow + summaryB);
    return;
  }
  const auto detailsA = Details(a, variant), detailsB = Details(b, variant);
  const std::size_t before = lines.size();
  for (std::size_t i = 0; i < detailsA.size() && i < detailsB.size(); ++i)
    Field(lines, where + ", " + detailsA[i].first, detailsA[i].second, detailsB[i].second);
  if (lines.size() == before) lines.push_back(where + ": " + summaryA + ", other stored bytes differ");
}

}  // namespace

std::vector<std::string> DiffProfiles(const store::ProfileRecord& a, const store::ProfileRecord& b, int variant,
                                      const Labels& labels) {
  std::vector<std::string> lines;
  Field(lines, "name", Quote(a.Name), Quote(b.Name));
  Field(lines, "program", Quote(a.Exe), Quote(b.Exe));
  Field(lines, "auto switch", OnOff(a.AutoSwitch), OnOff(b.AutoSwitch));
  Field(lines, "layer shown", std::to_string(std::int64_t{a.Keymap} + 1), std::to_string(std::int64_t{b.Keymap} + 1));
  Field(lines, "device mode", std::to_string(a.DeviceMode), std::to_string(b.DeviceMode));
  Field(lines, "button info marker", std::to_string(a.ButtonInfoChanged), std::to_string(b.ButtonInfoChanged));
  Field(lines, "keymap marker", std::to_string(a.KeymapChanged), std::to_string(b.KeymapChanged));
  // Bytes after a text's terminator are kept too; say so when only they differ.
  if (Quote(a.Name) == Quote(b.Name) && std::memcmp(a.Name, b.Name, sizeof a.Name) != 0)
    lines.push_back("name: stored bytes after the text differ");
  if (Quote(a.Exe) == Quote(b.Exe) && std::memcmp(a.Exe, b.Exe, sizeof a.Exe) != 0)
    lines.push_back("program: stored bytes after the text differ");
  for (int layer = 0; layer < store::kLayerCount; ++layer)
    for (int slot = 0; slot < store::kKeyCount; ++slot)
      DiffKey(a.keys[layer][slot], b.keys[layer][slot], "layer " + std::to_string(layer + 1) + ", " + SlotLabel(variant, slot),
              variant, labels, lines);
  return lines;
}

}  // namespace profiletool
