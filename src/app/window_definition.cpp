#include "app/window_definition.h"

#include <algorithm>
#include <vector>

namespace navcss {

namespace {

using enum ControlId;
using K = ControlKind;

constexpr ColourValue kWhite = Rgb(255, 255, 255);
constexpr ColourValue kGreen = Rgb(0, 255, 0);

constexpr ControlDef Button(ControlId id, std::string_view name, Rect rect,
                            std::string_view caption, int tab) {
  return {.id = id,
          .name = name,
          .kind = K::Button,
          .parent = 主窗口,
          .rect = rect,
          .caption = caption,
          .event = EventKind::Clicked,
          .tabOrder = tab};
}

constexpr ControlDef Box(ControlId id, std::string_view name, Rect rect, Pointer pointer) {
  return {.id = id,
          .name = name,
          .kind = K::PictureBox,
          .parent = 主窗口,
          .rect = rect,
          .pointer = pointer};
}

constexpr ControlDef Label(ControlId id, std::string_view name, ControlId box, Rect rect,
                           std::string_view caption) {
  return {.id = id,
          .name = name,
          .kind = K::TransparentLabel,
          .parent = box,
          .rect = rect,
          .caption = caption};
}

// Tab order: field and picker of slot n take 2n and 2n + 1; the buttons follow.
constexpr ControlDef Picker(ControlId id, std::string_view name, int x, int y, int slot) {
  return {.id = id,
          .name = name,
          .kind = K::ColourPicker,
          .parent = 图片库1,
          .rect = {x, y, 40, 24},
          .event = EventKind::ColourChosen,
          .tabOrder = 2 * slot + 1};
}

constexpr ControlDef Field(ControlId id, std::string_view name, int x, int y, int slot) {
  return {.id = id,
          .name = name,
          .kind = K::EditBox,
          .parent = 图片库1,
          .rect = {x, y, 72, 24},
          .event = EventKind::TextChanged,
          .tabOrder = 2 * slot,
          .background = kWhite};
}

}  // namespace

const MainWindowDef kMainWindow = {"Quenlar导航CSS代码生成", 680, 455};

// clang-format off
const std::array<ControlDef, kControlCount> kControls = {{
  {.id = 主窗口, .name = "主窗口", .kind = K::MainWindow, .parent = 主窗口, .rect = {0, 0, 680, 455},
   .caption = "Quenlar导航CSS代码生成", .systemFaceBackground = true},
  // Children of the main window, front to back.
  Button(按钮4, "按钮4", {365, 422, 128, 32}, "颜色提取器", 38),
  {.id = 透明标签1, .name = "透明标签1", .kind = K::TransparentLabel, .parent = 主窗口,
   .rect = {301, 352, 368, 32}, .caption = "此软件来自Dorvik（点击购买让您装修更简单）",
   .pointer = Pointer::Hand, .font = {12, 700}, .align = HAlign::Centre,
   .event = EventKind::LeftButtonPressed, .textColour = kGreen},
  Button(按钮3, "按钮3", {219, 422, 144, 32}, "隐藏导航代码(啥都没了)", 37),
  Button(按钮2, "按钮2", {6, 422, 210, 32}, "导航透明生成(只显示文字和分割线)", 36),
  Button(按钮1, "按钮1", {516, 423, 160, 32}, "生成代码", 39),
  {.id = 时钟1, .name = "时钟1", .kind = K::Timer, .parent = 主窗口, .rect = {},
   .event = EventKind::Tick,
   .timerPeriodMs = 100},
  Box(二级菜单背景1, "二级菜单背景1", {191, 387, 188, 32}, Pointer::Hand),
  Box(一级菜单背景1, "一级菜单背景1", {3, 384, 188, 32}, Pointer::Hand),
  Box(导航条背景4, "导航条背景4", {296, 351, 376, 32}, Pointer::Arrow),
  Box(导航条背景2, "导航条背景2", {183, 351, 112, 32}, Pointer::Hand),
  Box(导航条背景1, "导航条背景1", {115, 351, 67, 32}, Pointer::Hand),
  Box(所有分类背景, "所有分类背景", {3, 351, 112, 32}, Pointer::Hand),
  {.id = 图片库1, .name = "图片库1", .kind = K::PictureBox, .parent = 主窗口,
   .rect = {-3, -1, 683, 337}, .systemFaceBackground = true},
  Box(导航分隔线颜色, "导航分隔线颜色", {174, 351, 352, 32}, Pointer::Arrow),
  Box(一级下拉菜单山边框颜色, "一级下拉菜单山边框颜色", {3, 383, 188, 32}, Pointer::Arrow),
  // Children of 图片库1: every picker in front of every field.
  Picker(颜色选择器1, "颜色选择器1", 282, 25, 0),
  Picker(颜色选择器2, "颜色选择器2", 282, 55, 1),
  Picker(颜色选择器3, "颜色选择器3", 282, 83, 2),
  Picker(颜色选择器4, "颜色选择器4", 282, 113, 3),
  Picker(颜色选择器5, "颜色选择器5", 282, 144, 4),
  Picker(颜色选择器6, "颜色选择器6", 281, 206, 5),
  Picker(颜色选择器7, "颜色选择器7", 281, 234, 6),
  Picker(颜色选择器8, "颜色选择器8", 280, 264, 7),
  Picker(颜色选择器9, "颜色选择器9", 280, 296, 8),
  Picker(颜色选择器10, "颜色选择器10", 616, 24, 9),
  Picker(颜色选择器11, "颜色选择器11", 617, 53, 10),
  Picker(颜色选择器12, "颜色选择器12", 617, 83, 11),
  Picker(颜色选择器13, "颜色选择器13", 617, 112, 12),
  Picker(颜色选择器14, "颜色选择器14", 617, 144, 13),
  Picker(颜色选择器15, "颜色选择器15", 619, 206, 14),
  Picker(颜色选择器16, "颜色选择器16", 619, 235, 15),
  Picker(颜色选择器17, "颜色选择器17", 619, 264, 16),
  Picker(颜色选择器18, "颜色选择器18", 619, 295, 17),
  Field(导背景, "导背景", 210, 25, 0),
  Field(导文字, "导文字", 210, 54, 1),
  Field(导分割线, "导分割线", 210, 82, 2),
  Field(导鼠标移至背景, "导鼠标移至背景", 210, 113, 3),
  Field(导鼠标移至文字, "导鼠标移至文字", 210, 144, 4),
  Field(分类背景编辑框, "分类背景编辑框", 209, 206, 5),
  Field(分类文字编辑框, "分类文字编辑框", 209, 234, 6),
  Field(分类鼠标移至背景编辑框, "分类鼠标移至背景编辑框", 209, 264, 7),
  Field(分类鼠标移至文字编辑框, "分类鼠标移至文字编辑框", 209, 296, 8),
  Field(一级背景, "一级背景", 545, 24, 9),
  Field(一级文字, "一级文字", 545, 53, 10),
  Field(一级分割线, "一级分割线", 545, 83, 11),
  Field(一级鼠标移至背景编辑框, "一级鼠标移至背景编辑框", 545, 112, 12),
  Field(一级鼠标移至文字编辑框, "一级鼠标移至文字编辑框", 545, 144, 13),
  Field(二级背景, "二级背景", 546, 206, 14),
  Field(二级文字, "二级文字", 546, 235, 15),
  Field(二级鼠标移至背景编辑框, "二级鼠标移至背景编辑框", 546, 265, 16),
  Field(二级鼠标移至文字编辑框, "二级鼠标移至文字编辑框", 546, 295, 17),
  // The captions inside the mock-up boxes.
  Label(所有分类文字, "所有分类文字", 所有分类背景, {28, 8, 69, 16}, "所有分类 ▼"),
  Label(导航条文字1, "导航条文字1", 导航条背景1, {22, 8, 31, 16}, "首页"),
  Label(导航条文字2, "导航条文字2", 导航条背景2, {28, 8, 69, 16}, "特效软件"),
  Label(一级菜单文字1, "一级菜单文字1", 一级菜单背景1, {28, 8, 152, 16}, "所有宝贝                >"),
  Label(二级菜单文字1, "二级菜单文字1", 二级菜单背景1, {28, 8, 39, 16}, "按销量"),
}};

const PanelPicture kPanelPicture = {
  .width = 677, .height = 356,
  .background = Rgb(255, 255, 255), .frameColour = Rgb(220, 222, 225), .textColour = Rgb(0, 0, 0),
  .fontPixelHeight = 12,
  .frames = {{
    {11, 14, 330, 175, "导航条", 19, 53, 7},
    {347, 14, 666, 175, "一级菜单", 355, 401, 7},
    {11, 196, 330, 327, "所有分类", 19, 65, 189},
    {347, 196, 666, 327, "二级菜单", 355, 401, 189},
  }},
  .labels = {{
    {SlotKey::NavBackground, 198, 28},
    {SlotKey::NavText, 198, 58},
    {SlotKey::NavDivider, 198, 88},
    {SlotKey::NavHoverBackground, 198, 118},
    {SlotKey::NavHoverText, 198, 149},
    {SlotKey::CategoryBackground, 198, 210},
    {SlotKey::CategoryText, 198, 240},
    {SlotKey::CategoryHoverBackground, 198, 270},
    {SlotKey::CategoryHoverText, 198, 300},
    {SlotKey::Level1Background, 534, 28},
    {SlotKey::Level1Text, 534, 58},
    {SlotKey::Level1Border, 534, 88},
    {SlotKey::Level1HoverBackground, 534, 118},
    {SlotKey::Level1HoverText, 534, 149},
    {SlotKey::Level2Background, 534, 210},
    {SlotKey::Level2Text, 534, 240},
    {SlotKey::Level2HoverBackground, 534, 270},
    {SlotKey::Level2HoverText, 534, 300},
  }},
};
// clang-format on

Rect PlaceInWindow(ControlId id) {
  Rect place = Def(id).rect;
  for (ControlId p = Def(id).parent; p != 主窗口; p = Def(p).parent) {
    place.x += Def(p).rect.x;
    place.y += Def(p).rect.y;
  }
  return place;
}

namespace {

bool Visible(const ControlDef& def) {
  return def.kind != K::Timer && def.kind != K::MainWindow;
}

// Definition order is front to back among siblings, so the first hit is the front-most.
std::optional<ControlId> ChildAt(ControlId parent, int x, int y) {
  for (const ControlDef& def : kControls) {
    if (def.id == 主窗口 || def.parent != parent || !Visible(def) || !def.rect.Contains(x, y)) {
      continue;
    }
    std::optional<ControlId> inner = ChildAt(def.id, x - def.rect.x, y - def.rect.y);
    return inner ? inner : def.id;
  }
  return std::nullopt;
}

}  // namespace

std::optional<ControlId> ControlAt(int x, int y) {
  if (!Def(主窗口).rect.Contains(x, y)) return std::nullopt;
  return ChildAt(主窗口, x, y);
}

std::span<const ControlId> TabOrder() {
  static const std::vector<ControlId> order = [] {
    std::vector<const ControlDef*> stops;
    for (const ControlDef& def : kControls) {
      if (def.tabOrder >= 0) stops.push_back(&def);
    }
    std::sort(stops.begin(), stops.end(),
              [](const ControlDef* a, const ControlDef* b) { return a->tabOrder < b->tabOrder; });
    std::vector<ControlId> ids;
    for (const ControlDef* def : stops) ids.push_back(def->id);
    return ids;
  }();
  return order;
}

}  // namespace navcss
