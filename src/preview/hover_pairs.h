#pragma once

#include <array>
#include <cstddef>

#include "app/control_id.h"
#include "colour/slot_table.h"

namespace navcss {

// The five mock-up elements that answer the pointer, in the order a tick tests them.
struct HoverPair {
  ControlId box;
  ControlId label;
  SlotKey hoverBackground;
  SlotKey hoverText;
  SlotKey normalBackground;
  SlotKey normalText;
};

inline constexpr std::size_t kHoverPairCount = 5;

// clang-format off
inline constexpr std::array<HoverPair, kHoverPairCount> kHoverPairs = {{
  {ControlId::所有分类背景, ControlId::所有分类文字, SlotKey::CategoryHoverBackground,
   SlotKey::CategoryHoverText, SlotKey::CategoryBackground, SlotKey::CategoryText},
  {ControlId::导航条背景1, ControlId::导航条文字1, SlotKey::NavHoverBackground,
   SlotKey::NavHoverText, SlotKey::NavBackground, SlotKey::NavText},
  {ControlId::导航条背景2, ControlId::导航条文字2, SlotKey::NavHoverBackground,
   SlotKey::NavHoverText, SlotKey::NavBackground, SlotKey::NavText},
  {ControlId::一级菜单背景1, ControlId::一级菜单文字1, SlotKey::Level1HoverBackground,
   SlotKey::Level1HoverText, SlotKey::Level1Background, SlotKey::Level1Text},
  {ControlId::二级菜单背景1, ControlId::二级菜单文字1, SlotKey::Level2HoverBackground,
   SlotKey::Level2HoverText, SlotKey::Level2Background, SlotKey::Level2Text},
}};
// clang-format on

}  // namespace navcss
