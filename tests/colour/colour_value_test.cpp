#include "colour/colour_value.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <string>

#include "text/gbk.h"

namespace navcss {
namespace {

TEST(ColourToHexText, SixUpperCaseDigitsRedFirstTopByteIgnored) {
  struct Case {
    ColourValue colour;
    const char* text;
  };
  for (const Case& c :
       {Case{0, "#000000"}, Case{255, "#FF0000"}, Case{65280, "#00FF00"}, Case{16777215, "#FFFFFF"},
        Case{0x3C2B1A, "#1A2B3C"}, Case{0xFF123456, "#563412"}, Case{0x0A0B0C, "#0C0B0A"}}) {
    EXPECT_EQ(ColourToHexText(c.colour), c.text) << std::hex << c.colour;
  }
}

TEST(HexTextToColour, WorkedTable) {
  struct Case {
    std::string text;  // UTF-8, read as GBK
    ColourValue colour;
  };
  const Case cases[] = {
      {"#FF0000", 0x0000FF},
      {"#ff0000", 0x0000FF},
      {"#1A2B3C", 0x3C2B1A},
      {"", 0},
      {"#", 0},
      {"FF0000", 0x00000F},
      {"#FFF", 0xFF0F00},
      {"#FF112233", 0x332211},
      {"#12G456", 0x560412},
      {" #FF0000", 0x0000FF},
      {"#FF0000 ", 0x0000F0},
      {"##123456", 0x563412},
      {"#-12345", 0x452301},
      {"红FF0000", 0x00000F},
      {"#10000000000001", 0x010000},
      {"#20000000000001", 0},
      {"#8000000000000000", 0},
      {"#8000000000FF0000", 0x0000FF},
      {"#ABCDEF", 0xEFCDAB},
      {"#abcdef", 0xEFCDAB},
      {"x", 0},
      {"red", 0xED0000},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(HexTextToColour(Utf8ToGbk(c.text)), c.colour) << c.text;
  }
}

TEST(HexTextToColour, EveryColourReadsBack) {
  std::mt19937 random(7);
  for (ColourValue c = 0; c <= 0xFFFFFF; ++c) {
    const ColourValue withTop = c | (static_cast<ColourValue>(random() & 0xFF) << 24);
    if (HexTextToColour(ColourToHexText(withTop)) != c) {
      FAIL() << std::hex << withTop;
    }
  }
}

// An independent model of the reader: exact integer sums in 128 bits, rounded to double
// by hand (nearest, ties to even), to check the double-precision steps beyond the table.
__extension__ typedef __int128 Int128;
__extension__ typedef unsigned __int128 UInt128;

Int128 RoundToDouble(Int128 x) {
  const bool negative = x < 0;
  UInt128 m = negative ? static_cast<UInt128>(-x) : static_cast<UInt128>(x);
  int bits = 0;
  for (UInt128 t = m; t != 0; t >>= 1) ++bits;
  if (bits > 53) {
    const int drop = bits - 53;
    const UInt128 half = static_cast<UInt128>(1) << (drop - 1);
    const UInt128 rest = m & ((half << 1) - 1);
    m >>= drop;
    if (rest > half || (rest == half && (m & 1))) ++m;
    m <<= drop;
  }
  return negative ? -static_cast<Int128>(m) : static_cast<Int128>(m);
}

std::int64_t ModelParse(const std::string& text) {
  std::string lower = text;
  for (std::size_t i = 0; i < lower.size(); ++i) {
    const auto b = static_cast<unsigned char>(lower[i]);
    if (b >= 0x80) {
      ++i;
    } else if (std::isupper(b)) {
      lower[i] = static_cast<char>(std::tolower(b));
    }
  }
  constexpr Int128 kMin = -(static_cast<Int128>(1) << 63);
  constexpr Int128 kLimit = static_cast<Int128>(1) << 63;
  Int128 acc = 0;
  const std::size_t n = lower.size();
  for (std::size_t i = 0; i < n; ++i) {
    const char c = lower[i];
    const int d = (c >= '0' && c <= '9') ? c - '0' : (c >= 'a' && c <= 'f') ? c - 'a' + 10 : 0;
    const std::size_t exponent = n - 1 - i;
    if (exponent >= 256) {  // infinite weight: infinity or NaN
      acc = kMin;
      continue;
    }
    if (exponent > 30) {  // a digit there is far beyond 2^63
      acc = d == 0 ? acc : kMin;
      continue;
    }
    const Int128 sum =
        RoundToDouble(RoundToDouble(acc) + d * (static_cast<Int128>(1) << (4 * exponent)));
    acc = (sum >= kMin && sum < kLimit) ? sum : kMin;
  }
  return static_cast<std::int64_t>(acc);
}

TEST(ParseHexDigits, AgreesWithAnExactModelOnRandomTexts) {
  std::mt19937 random(2026);
  const std::string alphabet = "0123456789abcdefABCDEF#xZ -.\x80\xB0\xC1\xFE";
  for (int round = 0; round < 200000; ++round) {
    const std::size_t length = round % 50 == 0 ? 250 + random() % 12 : random() % 24;
    std::string text;
    for (std::size_t i = 0; i < length; ++i) {
      // Mostly digits, so that long texts reach the rounding and the range limits.
      text += random() % 4 ? alphabet[random() % 22] : alphabet[random() % alphabet.size()];
    }
    ASSERT_EQ(ParseHexDigits(text), ModelParse(text)) << text;
  }
}

TEST(ParseHexDigits, Limits) {
  constexpr auto kMin = std::numeric_limits<std::int64_t>::min();
  EXPECT_EQ(ParseHexDigits("7fffffffffffffff"), kMin);  // rounds up to 2^63: out of range
  EXPECT_EQ(ParseHexDigits("7ffffffffffffdff"), 0x7ffffffffffffc00);
  EXPECT_EQ(ParseHexDigits("20000000000001"), 0x20000000000000);  // 2^53 + 1 -> 2^53
  EXPECT_EQ(ParseHexDigits("20000000000003"), 0x20000000000004);  // tie to even
  EXPECT_EQ(ParseHexDigits(std::string(257, '0')), kMin);         // 0 x infinity
  EXPECT_EQ(ParseHexDigits(std::string(255, '0') + "1"), 1);
  EXPECT_EQ(ParseHexDigits("\xB0"
                           "A1"),
            1);                             // the byte after a lead byte stays upper case
  EXPECT_EQ(ParseHexDigits("A\xB0"), 160);  // a lead byte at the very end
}

}  // namespace
}  // namespace navcss
