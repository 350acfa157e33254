#pragma once

#include <array>

#include "app/control_id.h"
#include "colour/slot_table.h"

namespace navcss {

enum class ColourProperty { Background, TextColour };

// Which slot colours each mock-up element in its normal state. Rows of one slot are in
// the order a refresh writes them.
struct MockupElement {
  ControlId control;
  SlotKey slot;
  ColourProperty property;
};

// clang-format off
inline constexpr std::array<MockupElement, 13> kMockupElements = {{
  {ControlId::导航条背景1, SlotKey::NavBackground, ColourProperty::Background},
  {ControlId::导航条背景2, SlotKey::NavBackground, ColourProperty::Background},
  {ControlId::导航条背景4, SlotKey::NavBackground, ColourProperty::Background},
  {ControlId::导航条文字1, SlotKey::NavText, ColourProperty::TextColour},
  {ControlId::导航条文字2, SlotKey::NavText, ColourProperty::TextColour},
  {ControlId::导航分隔线颜色, SlotKey::NavDivider, ColourProperty::Background},
  {ControlId::所有分类背景, SlotKey::CategoryBackground, ColourProperty::Background},
  {ControlId::所有分类文字, SlotKey::CategoryText, ColourProperty::TextColour},
  {ControlId::一级菜单背景1, SlotKey::Level1Background, ColourProperty::Background},
  {ControlId::一级菜单文字1, SlotKey::Level1Text, ColourProperty::TextColour},
  {ControlId::一级下拉菜单山边框颜色, SlotKey::Level1Border, ColourProperty::Background},
  {ControlId::二级菜单背景1, SlotKey::Level2Background, ColourProperty::Background},
  {ControlId::二级菜单文字1, SlotKey::Level2Text, ColourProperty::TextColour},
}};
// clang-format on

}  // namespace navcss
