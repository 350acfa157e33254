#include "actions/outside.h"

#include <gtest/gtest.h>

#include <string>

#include "actions/run_directory.h"

namespace navcss {
namespace {

TEST(RunDirectory, WindowsPathsScannedByCharacter) {
  struct Case {
    std::string path;
    std::string directory;
  };
  const Case cases[] = {
      {"C:\\Tools\\navcss\\navcss.exe", "C:\\Tools\\navcss"},
      {"C:\\navcss.exe", "C:"},
      {"navcss.exe", ""},
      {"", ""},
      // "乗" is 0x81 0x5C in GBK: its trail byte is not a separator.
      {"D:\\\x81\x5C\\navcss.exe", "D:\\\x81\x5C"},
      {"D:\\a\x81\x5Cnavcss.exe", "D:"},
      {"\\\\server\\share\\navcss.exe", "\\\\server\\share"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(RunDirectory(c.path, kWindowsSeparator, PathEncoding::Gbk), c.directory) << c.path;
  }
  // The same folder read as UTF-8 (the wide path converted) has no such trap.
  EXPECT_EQ(RunDirectory("D:\\工具 箱\\navcss.exe", kWindowsSeparator, PathEncoding::Utf8),
            "D:\\工具 箱");
}

TEST(RunDirectory, PosixPaths) {
  EXPECT_EQ(RunDirectory("/usr/local/bin/navcss", kPosixSeparator, PathEncoding::Utf8),
            "/usr/local/bin");
  EXPECT_EQ(RunDirectory("/navcss", kPosixSeparator, PathEncoding::Utf8), "");
  EXPECT_EQ(RunDirectory("/home/用户/导航/navcss", kPosixSeparator, PathEncoding::Utf8),
            "/home/用户/导航");
}

TEST(Outside, ToolPathAndShopAddress) {
#ifdef _WIN32
  EXPECT_EQ(ColourToolPath("C:"), "C:/颜色提取器.exe");
#else
  EXPECT_EQ(ColourToolPath("/opt/a b"), "/opt/a b/颜色提取器");
#endif
  EXPECT_EQ(ShopLinkAddress(),
            "https://s.market.example/search?q=Quenlar&commend=all&ssid=s5-e&search_type=item"
            "&sourceId=home.index&spm=1.6659421.754896237.1&initiative_id=homepage_20150101");
}

}  // namespace
}  // namespace navcss
