#include "text/gbk.h"

#include <gtest/gtest.h>

#include <string>

namespace navcss {
namespace {

TEST(Gbk, KnownBytes) {
  struct Case {
    const char* utf8;
    const char* gbk;
  };
  for (const Case& c : {Case{"", ""}, Case{"#FF0000 a;\r\n", "#FF0000 a;\r\n"},
                        Case{"▼", "\xA8\x8B"}, Case{"红", "\xBA\xEC"}, Case{"€", "\x80"},
                        Case{"（", "\xA3\xA8"}, Case{"乗", "\x81\x5C"}}) {
    EXPECT_EQ(Utf8ToGbk(c.utf8), c.gbk) << c.utf8;
    EXPECT_EQ(GbkToUtf8(c.gbk), c.utf8) << c.utf8;
  }
}

TEST(Gbk, OutsideTheCodePageOrMalformedBecomesQuestionMark) {
  struct Case {
    std::string in;
    std::string out;
  };
  for (const Case& c : {Case{"a😀b", "a?b"}, Case{"\xE4\xB8", "??"}, Case{"\xFF", "?"},
                        Case{"\xC0\xAF", "??"} /* overlong "/" */, Case{"한", "?"}}) {
    EXPECT_EQ(Utf8ToGbk(c.in), c.out);
  }
  EXPECT_EQ(GbkToUtf8("ab\xBA"), "ab?");  // a lead byte without its partner
  EXPECT_EQ(GbkToUtf8("\xFF"), "?");
}

TEST(Gbk, EveryMappedPairRoundTrips) {
  int mapped = 0;
  for (int lead = 0x81; lead <= 0xFE; ++lead) {
    for (int trail = 0x40; trail <= 0xFE; ++trail) {
      const std::string pair{static_cast<char>(lead), static_cast<char>(trail)};
      const std::string utf8 = GbkToUtf8(pair);
      if (utf8.starts_with('?')) continue;  // unmapped
      ++mapped;
      ASSERT_EQ(Utf8ToGbk(utf8), pair) << std::hex << lead << ' ' << trail;
    }
  }
  EXPECT_GT(mapped, 21000);
}

}  // namespace
}  // namespace navcss
