#include "colour/slot_table.h"

namespace navcss {

namespace {
constexpr ColourValue kBlack = Rgb(0, 0, 0);
constexpr ColourValue kGreen = Rgb(0, 255, 0);
constexpr ColourValue kRed = Rgb(255, 0, 0);
constexpr ColourValue kWhite = Rgb(255, 255, 255);
}  // namespace

// clang-format off
const std::array<ColourSlot, kSlotCount> kSlots = {{
  {SlotKey::NavBackground, "NavBackground", ControlId::导背景, ControlId::颜色选择器1,
   "导航条", "导航背景颜色:", kBlack},
  {SlotKey::NavText, "NavText", ControlId::导文字, ControlId::颜色选择器2,
   "导航条", "导航文字颜色:", kGreen},
  {SlotKey::NavDivider, "NavDivider", ControlId::导分割线, ControlId::颜色选择器3,
   "导航条", "导航分隔竖线颜色:", kGreen},
  {SlotKey::NavHoverBackground, "NavHoverBackground", ControlId::导鼠标移至背景, ControlId::颜色选择器4,
   "导航条", "鼠标移至, 导航背景颜色:", kRed},
  {SlotKey::NavHoverText, "NavHoverText", ControlId::导鼠标移至文字, ControlId::颜色选择器5,
   "导航条", "鼠标移至, 导航文字颜色:", kWhite},
  {SlotKey::CategoryBackground, "CategoryBackground", ControlId::分类背景编辑框, ControlId::颜色选择器6,
   "所有分类", "所有分类背景颜色:", kBlack},
  {SlotKey::CategoryText, "CategoryText", ControlId::分类文字编辑框, ControlId::颜色选择器7,
   "所有分类", "所有分类文字颜色:", kGreen},
  {SlotKey::CategoryHoverBackground, "CategoryHoverBackground", ControlId::分类鼠标移至背景编辑框, ControlId::颜色选择器8,
   "所有分类", "鼠标移至, 所有分类背景颜色:", kRed},
  {SlotKey::CategoryHoverText, "CategoryHoverText", ControlId::分类鼠标移至文字编辑框, ControlId::颜色选择器9,
   "所有分类", "鼠标移至, 所有分类文字颜色:", kWhite},
  {SlotKey::Level1Background, "Level1Background", ControlId::一级背景, ControlId::颜色选择器10,
   "一级菜单", "一级下拉菜单背景颜色:", kBlack},
  {SlotKey::Level1Text, "Level1Text", ControlId::一级文字, ControlId::颜色选择器11,
   "一级菜单", "一级下拉菜单文字颜色:", kGreen},
  {SlotKey::Level1Border, "Level1Border", ControlId::一级分割线, ControlId::颜色选择器12,
   "一级菜单", "一级下拉菜单上边框颜色:", kGreen},
  {SlotKey::Level1HoverBackground, "Level1HoverBackground", ControlId::一级鼠标移至背景编辑框, ControlId::颜色选择器13,
   "一级菜单", "鼠标移至, 一级下拉菜单背景颜色:", kRed},
  {SlotKey::Level1HoverText, "Level1HoverText", ControlId::一级鼠标移至文字编辑框, ControlId::颜色选择器14,
   "一级菜单", "鼠标移至, 一级下拉菜单文字颜色:", kWhite},
  {SlotKey::Level2Background, "Level2Background", ControlId::二级背景, ControlId::颜色选择器15,
   "二级菜单", "二级下拉菜单背景颜色:", kBlack},
  {SlotKey::Level2Text, "Level2Text", ControlId::二级文字, ControlId::颜色选择器16,
   "二级菜单", "二级下拉菜单文字颜色:", kGreen},
  {SlotKey::Level2HoverBackground, "Level2HoverBackground", ControlId::二级鼠标移至背景编辑框, ControlId::颜色选择器17,
   "二级菜单", "鼠标移至, 二级下拉菜单背景颜色:", kRed},
  {SlotKey::Level2HoverText, "Level2HoverText", ControlId::二级鼠标移至文字编辑框, ControlId::颜色选择器18,
   "二级菜单", "鼠标移至, 二级下拉菜单文字颜色:", kWhite},
}};
// clang-format on

std::optional<SlotKey> SlotOfField(ControlId field) {
  for (const ColourSlot& slot : kSlots) {
    if (slot.field == field) return slot.key;
  }
  return std::nullopt;
}

std::optional<SlotKey> SlotOfPicker(ControlId picker) {
  for (const ColourSlot& slot : kSlots) {
    if (slot.picker == picker) return slot.key;
  }
  return std::nullopt;
}

std::optional<SlotKey> SlotByKeyName(std::string_view keyName) {
  for (const ColourSlot& slot : kSlots) {
    if (slot.keyName == keyName) return slot.key;
  }
  return std::nullopt;
}

}  // namespace navcss
