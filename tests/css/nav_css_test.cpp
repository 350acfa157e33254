#include "css/nav_css.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>

namespace navcss {
namespace {

// What the page template needs: every slot used, the counts of each, and the quirks that
// pages in use already rely on.
TEST(NavCssTemplate, InsertionsAndQuirks) {
  std::map<SlotKey, int> uses;
  std::string joined;
  for (const TemplateFragment& fragment : kNavCssTemplate) {
    joined += fragment.text;
    if (fragment.slotAfter) ++uses[*fragment.slotAfter];
  }
  EXPECT_EQ(uses.size(), kSlotCount);
  EXPECT_EQ(uses[SlotKey::NavBackground], 4);
  EXPECT_EQ(uses[SlotKey::Level1Background], 3);
  EXPECT_EQ(uses[SlotKey::NavDivider], 1);
  EXPECT_EQ(uses[SlotKey::Level2HoverText], 1);
  EXPECT_EQ(std::count(joined.begin(), joined.end(), '\t'), 1);
  EXPECT_EQ(std::count(joined.begin(), joined.end(), '\n'), 20);
  EXPECT_FALSE(kNavCssTemplate.back().slotAfter.has_value());
  EXPECT_TRUE(kNavCssTemplate[26].text.starts_with("}\r\n"));
}

TEST(BuildNavCss, AsksForEachInsertionInOutputOrder) {
  std::string asked;
  const GbkText css = BuildNavCss([&](SlotKey slot) {
    asked += Slot(slot).keyName.substr(0, 3);
    return GbkText("<") + std::string(Slot(slot).keyName) + ">";
  });
  EXPECT_TRUE(css.starts_with(".skin-box-bd{background:<NavBackground>;}\r\n"));
  EXPECT_TRUE(css.ends_with("{color:<Level2HoverText>;background:<Level2HoverBackground>;}\r\n"));
  EXPECT_EQ(asked.size(), 31u * 3);
}

TEST(Snippets, ExactLengthsOneLineEach) {
  EXPECT_EQ(kTransparentNavSnippet.size(), 131u);
  EXPECT_EQ(kHiddenNavSnippet.size(), 92u);
  EXPECT_EQ(kTransparentNavSnippet.find_first_of("\r\n"), std::string_view::npos);
  EXPECT_EQ(kHiddenNavSnippet.find_first_of("\r\n"), std::string_view::npos);
}

}  // namespace
}  // namespace navcss
