#pragma once
// Each key slot named as the program names its key (KeyWords.h), so a slot reads "F5" or "Enter" in
// every report the tool writes, and is found again by that name or another word for it.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace profiletool {

// "F5", "Q", "(Enter)" (the number pad's); empty for slots the variant does not have.
std::u16string SlotName(int variant, int slot);

// The slot that `name` (or another word for its key, in any case) names in the variant.
std::optional<int> SlotNamed(int variant, std::u16string_view name);

// Up to three slot names near `name`, for "did you mean".
std::vector<std::u16string> NearestSlotNames(int variant, std::u16string_view name);

// How reports point at a key: "key F5", or "slot 105" for a slot the variant does not show.
std::string SlotLabel(int variant, int slot);

}  // namespace profiletool
