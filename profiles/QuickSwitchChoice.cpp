#include "profiles/QuickSwitchChoice.h"

#include <algorithm>
#include <array>

namespace profiles {
namespace {

constexpr std::uint8_t kCtrl = 1, kShift = 2, kAlt = 3;
constexpr std::array<std::uint8_t, kFirstMenuEntries> kModifiers{kCtrl, kShift, kAlt};

// Shift, Ctrl, Alt, the left and right Windows keys, F12, and the left and right Shift, Ctrl and Alt.
constexpr std::array<unsigned, 12> kIgnoredKeys{0x10, 0x11, 0x12, 0x5B, 0x5C, 0x7B,
                                                0xA0, 0xA1, 0xA2, 0xA3, 0xA4, 0xA5};

}  // namespace

QuickSwitchChoice QuickSwitchChoice::FromHeader(const store::StoreHeader& header) {
  QuickSwitchChoice choice;
  choice.m_code = {header.SwitchCode[0], header.SwitchCode[1], header.SwitchCode[2]};
  choice.m_storedFlag = header.bCustomSwitch;
  choice.Choose(header.bCustomSwitch != 0);
  return choice;
}

void QuickSwitchChoice::Choose(bool custom) {
  m_custom = custom;
  if (!custom) m_code = {};
}

std::vector<std::uint8_t> QuickSwitchChoice::SecondMenuModifiers() const {
  std::vector<std::uint8_t> entries{0};
  for (const std::uint8_t modifier : kModifiers)
    if (modifier != m_code.first) entries.push_back(modifier);
  return entries;
}

bool QuickSwitchChoice::ChooseFirst(int position) {
  if (!m_custom || position < 0 || position >= kFirstMenuEntries) return false;
  m_code.first = kModifiers[static_cast<std::size_t>(position)];
  if (m_code.second == m_code.first) m_code.second = 0;
  return true;
}

bool QuickSwitchChoice::ChooseSecond(int position) {
  const auto entries = SecondMenuModifiers();
  if (!m_custom || position < 0 || static_cast<std::size_t>(position) >= entries.size()) return false;
  m_code.second = entries[static_cast<std::size_t>(position)];
  return true;
}

bool QuickSwitchChoice::IsIgnoredKey(unsigned keyCode) {
  return std::find(kIgnoredKeys.begin(), kIgnoredKeys.end(), keyCode) != kIgnoredKeys.end();
}

bool QuickSwitchChoice::TakeKey(unsigned keyCode) {
  if (!m_custom || keyCode == 0 || keyCode >= 0xFF || IsIgnoredKey(keyCode)) return false;
  m_code.key = static_cast<std::uint8_t>(keyCode);
  return true;
}

void QuickSwitchChoice::StoreInto(store::StoreHeader& header) const {
  // A flag that still says the same keeps its stored value.
  header.bCustomSwitch = m_custom == (m_storedFlag != 0) ? m_storedFlag : (m_custom ? 1 : 0);
  header.SwitchCode[0] = m_code.first;
  header.SwitchCode[1] = m_code.second;
  header.SwitchCode[2] = m_code.key;
}

}  // namespace profiles
