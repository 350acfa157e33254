#include "cli/cli.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "css/nav_css.h"
#include "text/gbk.h"

namespace navcss {
namespace {

struct Result {
  int code;
  std::string out;
  std::string err;
};

Result RunArgs(std::vector<std::string_view> args) {
  Result r;
  r.code = RunCli(args, r.out, r.err);
  return r;
}

TEST(Cli, DefaultCssByteForByte) {
  const Result r = RunArgs({});
  EXPECT_EQ(r.code, 0);
  EXPECT_EQ(r.out.size(), 1193u);
  EXPECT_TRUE(r.out.ends_with("background:#FF0000;}\r\n"));
  EXPECT_TRUE(r.err.empty());
}

TEST(Cli, SlotTextsVerbatimInUtf8OrGbk) {
  const Result r = RunArgs({"NavBackground=#112233", "Level2HoverBackground=", "NavText=红色"});
  ASSERT_EQ(r.code, 0) << r.err;
  EXPECT_TRUE(r.out.starts_with(".skin-box-bd{background:#112233;}"));
  EXPECT_NE(r.out.find("color:红色;border-right"), std::string::npos);
  EXPECT_TRUE(r.out.ends_with("background:;}\r\n"));
  const Result gbk = RunArgs({"--gbk", "NavText=红色"});
  EXPECT_NE(gbk.out.find("color:\xBA\xEC\xC9\xAB;"), std::string::npos);
  // The last text given for a key wins, as a later edit of the field would.
  EXPECT_TRUE(RunArgs({"NavBackground=a", "NavBackground=b"})
                  .out.starts_with(".skin-box-bd{background:b;"));
}

TEST(Cli, Snippets) {
  EXPECT_EQ(RunArgs({"--snippet", "transparent"}).out, kTransparentNavSnippet);
  EXPECT_EQ(RunArgs({"--snippet", "hidden"}).out, kHiddenNavSnippet);
}

TEST(Cli, ColourReadsTextsAsTheWindowDoes) {
  struct Case {
    const char* text;
    const char* printed;
  };
  for (const Case& c : {Case{"#ff0000", "#FF0000\n"}, Case{"", "#000000\n"},
                        Case{"FF0000", "#0F0000\n"}, Case{"#FFF", "#000FFF\n"},
                        Case{"红FF0000", "#0F0000\n"}, Case{"#20000000000001", "#000000\n"},
                        Case{"#8000000000FF0000", "#FF0000\n"}, Case{"-x", "#000000\n"},
                        // outside GBK: "?" (one byte) is dropped like "#"
                        Case{"😀FF0000", "#FF0000\n"}}) {
    const Result r = RunArgs({"--colour", c.text});
    EXPECT_EQ(r.code, 0) << c.text;
    EXPECT_EQ(r.out, c.printed) << c.text;
  }
}

TEST(Cli, BadArgumentsExitTwoWithOneLineAndNoOutput) {
  struct Case {
    std::vector<std::string_view> args;
    const char* named;
  };
  const Case cases[] = {
      {{"Navbackground=#000000"}, "'Navbackground'"},
      {{"NavBackground"}, "'NavBackground'"},
      {{"--snippet", "visible"}, "'visible'"},
      {{"--snippet"}, "'--snippet'"},
      {{"--colour"}, "'--colour'"},
      {{"--color", "#fff"}, "'--color'"},
      {{"-x"}, "'-x'"},
      {{"--snippet", "hidden", "NavText=#fff"}, "KEY=TEXT"},
      {{"--snippet", "hidden", "--colour", "#fff"}, "--snippet"},
  };
  for (const Case& c : cases) {
    const Result r = RunArgs(c.args);
    EXPECT_EQ(r.code, 2) << c.named;
    EXPECT_TRUE(r.out.empty()) << c.named;
    EXPECT_NE(r.err.find(c.named), std::string::npos) << r.err;
    EXPECT_EQ(r.err.find('\n'), r.err.size() - 1) << r.err;
  }
}

TEST(Cli, HelpNamesEveryKey) {
  const Result r = RunArgs({"--help"});
  EXPECT_EQ(r.code, 0);
  for (const ColourSlot& slot : kSlots) EXPECT_NE(r.out.find(slot.keyName), std::string::npos);
}

}  // namespace
}  // namespace navcss
