#pragma once

#include <cstddef>

namespace navcss {

// Every control of the main window by its name. The order is that of the window
// definition: siblings front to back, every parent before its children.
enum class ControlId : unsigned char {
  主窗口,
  按钮4,
  透明标签1,
  按钮3,
  按钮2,
  按钮1,
  时钟1,
  二级菜单背景1,
  一级菜单背景1,
  导航条背景4,
  导航条背景2,
  导航条背景1,
  所有分类背景,
  图片库1,
  导航分隔线颜色,
  一级下拉菜单山边框颜色,
  颜色选择器1,
  颜色选择器2,
  颜色选择器3,
  颜色选择器4,
  颜色选择器5,
  颜色选择器6,
  颜色选择器7,
  颜色选择器8,
  颜色选择器9,
  颜色选择器10,
  颜色选择器11,
  颜色选择器12,
  颜色选择器13,
  颜色选择器14,
  颜色选择器15,
  颜色选择器16,
  颜色选择器17,
  颜色选择器18,
  导背景,
  导文字,
  导分割线,
  导鼠标移至背景,
  导鼠标移至文字,
  分类背景编辑框,
  分类文字编辑框,
  分类鼠标移至背景编辑框,
  分类鼠标移至文字编辑框,
  一级背景,
  一级文字,
  一级分割线,
  一级鼠标移至背景编辑框,
  一级鼠标移至文字编辑框,
  二级背景,
  二级文字,
  二级鼠标移至背景编辑框,
  二级鼠标移至文字编辑框,
  所有分类文字,
  导航条文字1,
  导航条文字2,
  一级菜单文字1,
  二级菜单文字1,
};

inline constexpr std::size_t kControlCount = static_cast<std::size_t>(ControlId::二级菜单文字1) + 1;

constexpr std::size_t Index(ControlId id) {
  return static_cast<std::size_t>(id);
}

}  // namespace navcss
