#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "css/nav_css.h"
#include "fakes/recording_toolkit.h"
#include "text/gbk.h"

namespace navcss {
namespace {

using testing::RecordingToolkit;
using testing::StartedWindow;
using Lines = std::vector<std::string>;

constexpr ColourValue kRed = 0x0000FF;
constexpr ColourValue kGreen = 0x00FF00;
constexpr ColourValue kWhite = 0xFFFFFF;
constexpr ColourValue kBlack = 0;

TEST(StartUp, EveryDefaultArrivesOnceAndInSlotOrder) {
  RecordingToolkit toolkit;
  App app(toolkit, "");
  toolkit.Attach(app);
  // A click while the window is still being created is dropped, not delivered later.
  app.Raise(ControlId::按钮1, EventKind::Clicked);
  app.MainWindowCreated();

  for (const ColourSlot& slot : kSlots) {
    SCOPED_TRACE(slot.keyName);
    EXPECT_EQ(toolkit.text[Index(slot.field)], ColourToHexText(slot.defaultColour));
    EXPECT_EQ(toolkit.background[Index(slot.field)], slot.defaultColour);
    EXPECT_EQ(toolkit.pickerColour[Index(slot.picker)], slot.defaultColour);
    EXPECT_EQ(toolkit.textChangedRaised[Index(slot.field)], 1);
    EXPECT_EQ(toolkit.colourChosenRaised[Index(slot.picker)], 0);
  }
  // Slot n is finished before slot n + 1 starts: pickers are written in table order, each
  // followed by its own field.
  Lines order;
  for (const std::string& line : toolkit.log) {
    if (line.starts_with("SetPickerColour") || line.starts_with("SetEditText")) {
      order.push_back(line.substr(0, line.rfind(' ')));
    }
  }
  Lines expected;
  for (const ColourSlot& slot : kSlots) {
    expected.push_back("SetPickerColour " + std::string(Def(slot.picker).name));
    expected.push_back("SetEditText " + std::string(Def(slot.field).name));
  }
  EXPECT_EQ(order, expected);
  EXPECT_EQ(toolkit.log.back(), "SetTimerPeriod 时钟1 100");
  EXPECT_EQ(toolkit.clipboard, "what the user had");
  EXPECT_EQ(toolkit.pointerQueries, 0);
}

TEST(StartUp, MockupShowsTheNormalColours) {
  StartedWindow w;
  const auto& bg = w.toolkit.background;
  const auto& fg = w.toolkit.textColour;
  using enum ControlId;
  for (ControlId box :
       {导航条背景1, 导航条背景2, 导航条背景4, 所有分类背景, 一级菜单背景1, 二级菜单背景1}) {
    EXPECT_EQ(bg[Index(box)], kBlack) << Def(box).name;
  }
  for (ControlId label : {导航条文字1, 导航条文字2, 所有分类文字, 一级菜单文字1, 二级菜单文字1}) {
    EXPECT_EQ(fg[Index(label)], kGreen) << Def(label).name;
  }
  EXPECT_EQ(bg[Index(导航分隔线颜色)], kGreen);
  EXPECT_EQ(bg[Index(一级下拉菜单山边框颜色)], kGreen);
  EXPECT_EQ(fg[Index(透明标签1)], kGreen);  // its own, never touched
}

TEST(SlotSync, ApplySlotDefaultRunsInTheToolkitsOrder) {
  StartedWindow w;
  w.toolkit.log.clear();
  w.app.ApplySlotDefault(SlotKey::NavBackground);
  const Lines expected = {
      "SetPickerColour 颜色选择器1 #000000",
      "PickerColour 颜色选择器1",
      "SetEditText 导背景 #000000",
      // nested text-changed handling
      "EditText 导背景",
      "SetBackground 导背景 #000000",
      "Background 导背景",
      "SetBackground 导航条背景1 #000000",
      "Background 导背景",
      "SetBackground 导航条背景2 #000000",
      "Background 导背景",
      "SetBackground 导航条背景4 #000000",
      // back in the picker handling
      "EditText 导背景",
      "SetBackground 导背景 #000000",
  };
  EXPECT_EQ(w.toolkit.log, expected);
}

TEST(SlotSync, PickingTheSameColourStillRewritesFieldAndMockup) {
  StartedWindow w;
  w.toolkit.UserTypes(ControlId::导文字, "#00ff00");  // same colour, other text
  w.toolkit.TakeWrites();
  w.toolkit.UserChooses(ControlId::颜色选择器2, kGreen);
  const Lines expected = {
      "SetEditText 导文字 #00FF00",        "SetBackground 导文字 #00FF00",
      "SetTextColour 导航条文字1 #00FF00", "SetTextColour 导航条文字2 #00FF00",
      "SetBackground 导文字 #00FF00",
  };
  EXPECT_EQ(w.toolkit.TakeWrites(), expected);
  EXPECT_EQ(w.toolkit.text[Index(ControlId::导文字)], "#00FF00");  // upper case again
}

TEST(SlotSync, TypingRecoloursAfterEveryKeyAndLeavesThePicker) {
  StartedWindow w;
  struct Step {
    const char* text;
    ColourValue colour;
  };
  // The text after "#" is one right-aligned number: "#12" is blue 0x12.
  for (const Step& step : {Step{"", 0}, Step{"#", 0}, Step{"#1", 0x010000}, Step{"#12", 0x120000},
                           Step{"red", 0xED0000}}) {
    SCOPED_TRACE(step.text);
    w.toolkit.UserTypes(ControlId::导背景, step.text);
    EXPECT_EQ(w.toolkit.background[Index(ControlId::导背景)], step.colour);
    EXPECT_EQ(w.app.SlotColour(SlotKey::NavBackground), step.colour);
    for (ControlId box : {ControlId::导航条背景1, ControlId::导航条背景2, ControlId::导航条背景4}) {
      EXPECT_EQ(w.toolkit.background[Index(box)], step.colour);
    }
  }
  EXPECT_EQ(w.toolkit.pickerColour[Index(ControlId::颜色选择器1)], kBlack);
  EXPECT_EQ(w.toolkit.text[Index(ControlId::导背景)], "red");
}

TEST(SlotSync, HoverSlotsDriveNothingUntilHovered) {
  StartedWindow w;
  w.toolkit.TakeWrites();
  w.toolkit.UserTypes(ControlId::导鼠标移至背景, "#123456");
  EXPECT_EQ(w.toolkit.TakeWrites(), Lines{"SetBackground 导鼠标移至背景 #123456"});
}

// --- hover -------------------------------------------------------------------------

struct Hovered : ::testing::Test {
  StartedWindow w;
  Lines Tick(std::optional<ControlId> under) {
    w.toolkit.underPointer = under;
    w.toolkit.pointerQueries = 0;
    w.toolkit.TakeWrites();
    w.app.HoverTick();
    return w.toolkit.TakeWrites();
  }
  ColourValue Bg(ControlId id) { return w.toolkit.background[Index(id)]; }
  ColourValue Fg(ControlId id) { return w.toolkit.textColour[Index(id)]; }
};

TEST_F(Hovered, BoxOrLabelEntersAndLeavingRestoresCurrentNormalColours) {
  for (ControlId under : {ControlId::导航条背景1, ControlId::导航条文字1}) {
    SCOPED_TRACE(Def(under).name);
    EXPECT_EQ(Tick(under),
              (Lines{"SetBackground 导航条背景1 #FF0000", "SetTextColour 导航条文字1 #FFFFFF"}));
    EXPECT_EQ(Tick(under), Lines{});  // resting: nothing repainted
    EXPECT_EQ(Tick(std::nullopt),
              (Lines{"SetBackground 导航条背景1 #000000", "SetTextColour 导航条文字1 #00FF00"}));
  }
  EXPECT_EQ(Tick(std::nullopt), Lines{});
}

TEST_F(Hovered, MovingBetweenItemsSwitchesOffThenOnInTableOrder) {
  Tick(ControlId::导航条背景1);
  EXPECT_EQ(Tick(ControlId::导航条背景2),
            (Lines{"SetBackground 导航条背景1 #000000", "SetTextColour 导航条文字1 #00FF00",
                   "SetBackground 导航条背景2 #FF0000", "SetTextColour 导航条文字2 #FFFFFF"}));
  EXPECT_EQ(w.app.HoveredFlags(), (std::array<std::int32_t, 5>{0, 0, 1, 0, 0}));
}

TEST_F(Hovered, DividerGapAndTheRestOfTheBarAreNoItem) {
  for (auto under : {ControlId::导航分隔线颜色, ControlId::一级下拉菜单山边框颜色,
                     ControlId::导航条背景4, ControlId::透明标签1}) {
    EXPECT_EQ(Tick(under), Lines{}) << Def(under).name;
  }
}

TEST_F(Hovered, AskFiveToTenTimesATick) {
  struct Case {
    std::optional<ControlId> under;
    int queries;
  };
  for (const Case& c : {Case{std::nullopt, 10}, Case{ControlId::所有分类背景, 9},
                        Case{ControlId::所有分类文字, 10}, Case{ControlId::二级菜单背景1, 9}}) {
    Tick(c.under);
    EXPECT_EQ(w.toolkit.pointerQueries, c.queries);
  }
}

TEST_F(Hovered, EachPairUsesItsOwnSlots) {
  w.toolkit.UserTypes(ControlId::分类鼠标移至背景编辑框, "#010203");
  w.toolkit.UserTypes(ControlId::一级鼠标移至文字编辑框, "#0A0B0C");
  w.toolkit.UserTypes(ControlId::二级鼠标移至背景编辑框, "#111213");
  Tick(ControlId::所有分类文字);
  EXPECT_EQ(Bg(ControlId::所有分类背景), HexTextToColour("#010203"));
  EXPECT_EQ(Fg(ControlId::所有分类文字), kWhite);
  Tick(ControlId::一级菜单背景1);
  EXPECT_EQ(Fg(ControlId::一级菜单文字1), HexTextToColour("#0A0B0C"));
  EXPECT_EQ(Bg(ControlId::所有分类背景), kBlack);
  Tick(ControlId::二级菜单文字1);
  EXPECT_EQ(Bg(ControlId::二级菜单背景1), HexTextToColour("#111213"));
}

TEST_F(Hovered, NormalSlotChangedWhileHoveredShowsAtOnceAndStays) {
  Tick(ControlId::导航条背景1);
  w.toolkit.UserTypes(ControlId::导背景, "#123456");
  EXPECT_EQ(Bg(ControlId::导航条背景1), HexTextToColour("#123456"));
  EXPECT_EQ(Tick(ControlId::导航条背景1), Lines{});  // still the new normal colour
  Tick(std::nullopt);
  Tick(ControlId::导航条背景1);
  EXPECT_EQ(Bg(ControlId::导航条背景1), kRed);
}

TEST_F(Hovered, HoverSlotChangedWhileHoveredShowsOnTheNextEntry) {
  Tick(ControlId::一级菜单背景1);
  w.toolkit.UserTypes(ControlId::一级鼠标移至背景编辑框, "#ABCDEF");
  EXPECT_EQ(Tick(ControlId::一级菜单背景1), Lines{});
  EXPECT_EQ(Bg(ControlId::一级菜单背景1), kRed);
  Tick(std::nullopt);
  Tick(ControlId::一级菜单文字1);
  EXPECT_EQ(Bg(ControlId::一级菜单背景1), HexTextToColour("#ABCDEF"));
}

TEST_F(Hovered, TimerTickIsTheBoundEvent) {
  w.toolkit.underPointer = ControlId::二级菜单背景1;
  w.app.Raise(ControlId::时钟1, EventKind::Tick);
  EXPECT_EQ(w.app.HoveredFlags()[4], 1);
}

// --- CSS and clipboard ----------------------------------------------------------------

const std::string kDefaultCss =
    ".skin-box-bd{background:#000000;}\r\n"
    ".skin-box-bd .menu-list{background:#000000;}\r\n"
    ".skin-box-bd .menu-list .menu{background:#000000;}\r\n"
    ".skin-box-bd .menu-list .menu .link{background:#000000;color:#00FF00;border-right:1px "
    "solid #00FF00;}\r\n"
    ".skin-box-bd .menu-list .menu .link:hover{background:#FF0000;color:#FFFFFF;}\r\n"
    ".skin-box-bd .menu-list .menu .title{color:#00FF00;}\r\n"
    ".skin-box-bd .menu-list .menu .title:hover{color:#FFFFFF;}\r\n"
    ".all-cats\t{ background:#000000; }\r\n"
    ".all-cats .link{background:#000000;color:#00FF00;}\r\n"
    ".all-cats .link:hover{background:#FF0000;color:#FFFFFF;}\r\n"
    ".all-cats .link .title{color:#00FF00;}\r\n"
    ".all-cats .link .title:hover{color:#FFFFFF;}\r\n"
    ".popup-content .popup-inner{background:#000000;}\r\n"
    ".popup-content .cat-name{color:#00FF00;background:#000000;}\r\n"
    ".popup-content .cat-name:hover{color:#FFFFFF;background:#FF0000;}\r\n"
    ".popup-inner .cats-tree .fst-cat{background:#000000;border-top:solid 1px #00FF00;}\r\n"
    ".popup-inner .cats-tree .fst-cat:hover{background:#FF0000;color:#FFFFFF}\r\n"
    ".snd-pop-inner {background:#000000;}\r\n"
    ".snd-pop-inner .fst-cat-bd .snd-cat-name{color:#00FF00;background:#000000;}\r\n"
    ".snd-pop-inner .fst-cat-bd .snd-cat-name:hover{color:#FFFFFF;background:#FF0000;}\r\n";

TEST(Generate, DefaultColoursGiveTheTwentyLines) {
  StartedWindow w;
  w.app.Raise(ControlId::按钮1, EventKind::Clicked);
  EXPECT_EQ(w.toolkit.clipboard, kDefaultCss);
  EXPECT_EQ(w.toolkit.clipboard.size(), 1193u);
  EXPECT_EQ(std::count(kDefaultCss.begin(), kDefaultCss.end(), '\n'), 20);
  ASSERT_EQ(w.toolkit.messages.size(), 1u);
  EXPECT_EQ(w.toolkit.messages[0].text, "代码已生成已复制");
  EXPECT_EQ(w.toolkit.messages[0].title, "成功");
  EXPECT_EQ(w.toolkit.messages[0].icon, MessageIcon::None);
}

TEST(Generate, SlotTextsGoInVerbatim) {
  StartedWindow w;
  const GbkText chinese = Utf8ToGbk("红色 ");
  w.toolkit.UserTypes(ControlId::导背景, "#ff00aa");
  w.toolkit.UserTypes(ControlId::二级鼠标移至背景编辑框, "");
  w.toolkit.UserTypes(ControlId::一级分割线, chinese);
  w.app.GenerateNavCss();
  const GbkText& css = w.toolkit.clipboard;
  EXPECT_TRUE(css.starts_with(".skin-box-bd{background:#ff00aa;}\r\n"));
  EXPECT_TRUE(css.ends_with("snd-cat-name:hover{color:#FFFFFF;background:;}\r\n"));
  EXPECT_NE(css.find("border-top:solid 1px " + chinese + ";}"), std::string::npos);
  // NavBackground four times, nothing else touched.
  std::size_t count = 0;
  for (auto at = css.find("#ff00aa"); at != std::string::npos; at = css.find("#ff00aa", at + 1)) {
    ++count;
  }
  EXPECT_EQ(count, 4u);
  const GbkText first = css;
  w.app.GenerateNavCss();
  EXPECT_EQ(w.toolkit.clipboard, first);
}

TEST(Generate, SnippetButtonsCopyTheirTextAndTouchNothingElse) {
  StartedWindow w;
  const auto fieldsBefore = w.toolkit.text;
  const auto backgroundsBefore = w.toolkit.background;
  w.toolkit.TakeWrites();
  w.app.Raise(ControlId::按钮2, EventKind::Clicked);
  EXPECT_EQ(w.toolkit.clipboard.size(), 131u);
  EXPECT_EQ(w.toolkit.clipboard, kTransparentNavSnippet);
  w.app.Raise(ControlId::按钮3, EventKind::Clicked);
  EXPECT_EQ(w.toolkit.clipboard.size(), 92u);
  EXPECT_EQ(w.toolkit.clipboard, kHiddenNavSnippet);
  EXPECT_EQ(w.toolkit.TakeWrites(),
            (Lines{"Clipboard 131 bytes", "Message 成功", "Clipboard 92 bytes", "Message 成功"}));
  EXPECT_EQ(w.toolkit.text, fieldsBefore);
  EXPECT_EQ(w.toolkit.background, backgroundsBefore);
}

TEST(Generate, AFailedCopyKeepsTheClipboardAndSaysSo) {
  StartedWindow w;
  w.toolkit.clipboardFails = true;
  for (ControlId button : {ControlId::按钮1, ControlId::按钮2, ControlId::按钮3}) {
    w.app.Raise(button, EventKind::Clicked);
  }
  EXPECT_EQ(w.toolkit.clipboard, "what the user had");
  ASSERT_EQ(w.toolkit.messages.size(), 3u);
  for (const auto& box : w.toolkit.messages) {
    EXPECT_EQ(box.text, "复制失败，请重试");
    EXPECT_EQ(box.title, "失败");
    EXPECT_EQ(box.icon, MessageIcon::Warning);
  }
}

// --- outside actions and event binding ----------------------------------------------

TEST(Outside, ToolButtonAndShopCaption) {
  StartedWindow w;
  w.app.Raise(ControlId::按钮4, EventKind::Clicked);
  w.app.Raise(ControlId::按钮4, EventKind::Clicked);  // one more copy each time
#ifdef _WIN32
  const std::string tool = "/opt/navcss/颜色提取器.exe";
#else
  const std::string tool = "/opt/navcss/颜色提取器";
#endif
  EXPECT_EQ(w.toolkit.started, (Lines{tool, tool}));
  EXPECT_TRUE(w.toolkit.messages.empty());  // a missing tool shows nothing
  w.app.Raise(ControlId::透明标签1, EventKind::LeftButtonPressed);
  ASSERT_EQ(w.toolkit.opened.size(), 1u);
  EXPECT_TRUE(w.toolkit.opened[0].starts_with("https://"));
}

TEST(Binding, EventsAControlDoesNotBindAreDropped) {
  StartedWindow w;
  w.toolkit.TakeWrites();
  w.app.Raise(ControlId::透明标签1, EventKind::Clicked);
  w.app.Raise(ControlId::按钮1, EventKind::LeftButtonPressed);
  w.app.Raise(ControlId::导航条背景1, EventKind::LeftButtonPressed);
  w.app.Raise(ControlId::导背景, EventKind::ColourChosen);
  w.app.Raise(ControlId::颜色选择器1, EventKind::TextChanged);
  EXPECT_EQ(w.toolkit.TakeWrites(), Lines{});
}

}  // namespace
}  // namespace navcss
