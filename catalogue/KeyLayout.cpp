#include "catalogue/KeyLayout.h"

namespace catalogue {

namespace {

struct KeyRun {
  int variant, firstSlot, count, left, top, width, height, step;
};

struct EnterKey {
  int variant, left, top;
};

constexpr KeyRun kRuns[] = {
#define KEYS(variant, first, count, left, top, width, height, step) {variant, first, count, left, top, width, height, step},
#define ENTER_KEY(variant, left, top)
#include "catalogue/KeyLayout.def"
#undef KEYS
#undef ENTER_KEY
};

constexpr EnterKey kEnterKeys[] = {
#define KEYS(variant, first, count, left, top, width, height, step)
#define ENTER_KEY(variant, left, top) {variant, left, top},
#include "catalogue/KeyLayout.def"
#undef KEYS
#undef ENTER_KEY
};

using VariantTable = std::array<KeyRect, store::kKeyCount>;

constexpr std::array<VariantTable, kLayoutVariants> BuildTables() {
  std::array<VariantTable, kLayoutVariants> tables{};
  for (const KeyRun& run : kRuns)
    for (int i = 0; i < run.count; ++i)
      tables[run.variant][run.firstSlot + i] = {run.left + i * run.step, run.top, run.width, run.height};
  return tables;
}

constexpr auto kTables = BuildTables();

static_assert(kTables[0][94] == KeyRect{250, 440, 247, 43}, "the space bar of variant 0");
static_assert(kTables[0][store::kEnterKeySlot].empty() && kTables[1][store::kEnterKeySlot].empty() &&
              kTables[2][store::kEnterKeySlot].empty());

}  // namespace

int LayoutVariant(std::uint32_t language) { return language == 1 || language == 2 ? static_cast<int>(language) : 0; }

KeyRect KeyRectangle(int variant, int slot) {
  if (variant < 0 || variant >= kLayoutVariants || !store::ValidKey(slot)) return {};
  return kTables[variant][slot];
}

Point EnterKeyCorner(int variant) {
  for (const EnterKey& enter : kEnterKeys)
    if (enter.variant == variant) return {enter.left, enter.top};
  return {kEnterKeys[0].left, kEnterKeys[0].top};
}

int VisibleKeyCount(int variant) {
  int count = 1;  // the Enter key
  for (int slot = 0; slot < store::kKeyCount; ++slot) count += KeyRectangle(variant, slot).empty() ? 0 : 1;
  return count;
}

}  // namespace catalogue
