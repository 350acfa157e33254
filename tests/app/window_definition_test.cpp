#include "app/window_definition.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "preview/hover_pairs.h"
#include "text/gbk.h"

namespace navcss {
namespace {

using enum ControlId;

std::vector<std::string> Names(const std::vector<ControlId>& ids) {
  std::vector<std::string> names;
  for (ControlId id : ids) names.emplace_back(Def(id).name);
  return names;
}

TEST(WindowDefinition, IndexedByIdWithUniqueNamesAndParentsFirst) {
  std::set<std::string_view> names;
  for (std::size_t i = 0; i < kControls.size(); ++i) {
    const ControlDef& def = kControls[i];
    EXPECT_EQ(Index(def.id), i);
    EXPECT_TRUE(names.insert(def.name).second) << def.name;
    EXPECT_LE(Index(def.parent), i) << def.name;
  }
}

TEST(WindowDefinition, StackingOfTheWindowsChildren) {
  std::vector<ControlId> children;
  for (const ControlDef& def : kControls) {
    if (def.parent == 主窗口 && def.id != 主窗口) children.push_back(def.id);
  }
  EXPECT_EQ(Names(children),
            (std::vector<std::string>{"按钮4", "透明标签1", "按钮3", "按钮2", "按钮1", "时钟1",
                                      "二级菜单背景1", "一级菜单背景1", "导航条背景4",
                                      "导航条背景2", "导航条背景1", "所有分类背景", "图片库1",
                                      "导航分隔线颜色", "一级下拉菜单山边框颜色"}));
}

// Sweeps the mock-up's area: the divider and border boxes show only through their gaps.
TEST(WindowDefinition, DividerAndBorderShowOnlyAsLines) {
  std::set<std::pair<int, int>> divider, border, bare;
  for (int y = 340; y <= 454; ++y) {
    for (int x = 0; x <= 679; ++x) {
      const auto hit = ControlAt(x, y);
      if (hit == 导航分隔线颜色) divider.insert({x, y});
      if (hit == 一级下拉菜单山边框颜色) border.insert({x, y});
    }
  }
  std::set<std::pair<int, int>> expectedDivider, expectedBorder;
  for (int y = 351; y <= 382; ++y) expectedDivider.insert({{182, y}, {295, y}});
  for (int x = 3; x <= 190; ++x) expectedBorder.insert({x, 383});
  EXPECT_EQ(divider, expectedDivider);
  EXPECT_EQ(border, expectedBorder);
}

TEST(WindowDefinition, WhatLiesUnderThePointer) {
  struct Case {
    int x, y;
    std::optional<ControlId> hit;
  };
  const Case cases[] = {
      {114, 360, 所有分类背景},
      {115, 360, 导航条背景1},
      {140, 365, 导航条文字1},
      {181, 351, 导航条背景1},
      {183, 382, 导航条背景2},
      {300, 360, 导航条背景4},
      {301, 352, 透明标签1},
      {668, 383, 透明标签1},
      {671, 351, 导航条背景4},
      {40, 400, 一级菜单文字1},
      {190, 415, 一级菜单背景1},
      {250, 400, 二级菜单文字1},
      {200, 385, std::nullopt},
      {1, 360, std::nullopt},
      {680, 10, std::nullopt},
      {400, 430, 按钮4},
      {677, 10, 图片库1},
      {277, 270, 颜色选择器8},
      {276, 270, 分类鼠标移至背景编辑框},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ControlAt(c.x, c.y), c.hit) << c.x << ',' << c.y;
  }
}

TEST(WindowDefinition, EverythingSeenFitsTheClientArea) {
  for (const ControlDef& def : kControls) {
    if (def.kind == ControlKind::Timer || def.kind == ControlKind::MainWindow ||
        def.id == 图片库1) {
      continue;
    }
    const Rect r = PlaceInWindow(def.id);
    EXPECT_GE(r.x, 0) << def.name;
    EXPECT_GE(r.y, 0) << def.name;
    EXPECT_LE(r.Right(), kMainWindow.clientWidth - 1) << def.name;
    EXPECT_LE(r.Bottom(), kMainWindow.clientHeight - 1) << def.name;
  }
  EXPECT_EQ(PlaceInWindow(二级菜单文字1).x, 219);
  EXPECT_EQ(PlaceInWindow(导背景).x, 207);  // panel coordinates are shifted by (-3, -1)
}

TEST(WindowDefinition, PointersAndTabOrder) {
  std::set<ControlId> hands;
  for (const ControlDef& def : kControls) {
    if (def.pointer == Pointer::Hand) hands.insert(def.id);
  }
  std::set<ControlId> expected = {透明标签1};
  for (const HoverPair& pair : kHoverPairs) expected.insert(pair.box);
  EXPECT_EQ(hands, expected);

  std::vector<ControlId> expectedTab;
  for (const ColourSlot& slot : kSlots) {
    expectedTab.push_back(slot.field);
    expectedTab.push_back(slot.picker);
  }
  for (ControlId button : {按钮2, 按钮3, 按钮4, 按钮1}) expectedTab.push_back(button);
  const auto tab = TabOrder();
  EXPECT_EQ(std::vector<ControlId>(tab.begin(), tab.end()), expectedTab);
}

TEST(WindowDefinition, PanelLabelsStandLeftOfTheirFields) {
  std::set<SlotKey> seen;
  for (const PanelRowLabel& label : kPanelPicture.labels) {
    seen.insert(label.slot);
    const int gap = Def(Slot(label.slot).field).rect.x - label.right;
    EXPECT_TRUE(gap == 11 || gap == 12) << Slot(label.slot).keyName;
  }
  EXPECT_EQ(seen.size(), kSlotCount);
}

TEST(WindowDefinition, CaptionByteLengthsInGbk) {
  EXPECT_EQ(Utf8ToGbk(Def(所有分类文字).caption).size(), 11u);
  EXPECT_EQ(Utf8ToGbk(Def(一级菜单文字1).caption).size(), 25u);
  EXPECT_EQ(Utf8ToGbk(Def(透明标签1).caption).find('?'), std::string::npos);
}

}  // namespace
}  // namespace navcss
