#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

#include "app/control_id.h"
#include "colour/colour_value.h"

namespace navcss {

// The 18 colour slots in table order; that order is also the order of the defaults.
enum class SlotKey : unsigned char {
  NavBackground,
  NavText,
  NavDivider,
  NavHoverBackground,
  NavHoverText,
  CategoryBackground,
  CategoryText,
  CategoryHoverBackground,
  CategoryHoverText,
  Level1Background,
  Level1Text,
  Level1Border,
  Level1HoverBackground,
  Level1HoverText,
  Level2Background,
  Level2Text,
  Level2HoverBackground,
  Level2HoverText,
};

inline constexpr std::size_t kSlotCount = 18;

struct ColourSlot {
  SlotKey key;
  std::string_view keyName;  // "NavBackground"
  ControlId field;           // the hex field, the slot's only store
  ControlId picker;
  std::string_view groupCaption;  // UTF-8
  std::string_view rowLabel;      // UTF-8
  ColourValue defaultColour;
};

extern const std::array<ColourSlot, kSlotCount> kSlots;

constexpr std::size_t Index(SlotKey key) {
  return static_cast<std::size_t>(key);
}
inline const ColourSlot& Slot(SlotKey key) {
  return kSlots[Index(key)];
}

std::optional<SlotKey> SlotOfField(ControlId field);
std::optional<SlotKey> SlotOfPicker(ControlId picker);
std::optional<SlotKey> SlotByKeyName(std::string_view keyName);

}  // namespace navcss
