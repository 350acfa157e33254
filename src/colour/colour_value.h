#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace navcss {

// Red in bits 0-7, green in 8-15, blue in 16-23; the top byte is ignored on input and
// clear on output.
using ColourValue = std::uint32_t;

// Texts that follow the byte rules (field texts, CSS, clipboard) are GBK byte strings.
using GbkText = std::string;

inline constexpr ColourValue Rgb(unsigned red, unsigned green, unsigned blue) {
  return (red & 0xFFu) | ((green & 0xFFu) << 8) | ((blue & 0xFFu) << 16);
}
inline constexpr unsigned RedOf(ColourValue c) {
  return c & 0xFFu;
}
inline constexpr unsigned GreenOf(ColourValue c) {
  return (c >> 8) & 0xFFu;
}
inline constexpr unsigned BlueOf(ColourValue c) {
  return (c >> 16) & 0xFFu;
}

// "#RRGGBB", upper-case digits, always seven bytes.
GbkText ColourToHexText(ColourValue colour);

// Accepts every text: the first byte is dropped and the rest read as one hexadecimal
// number whose last six digits are RRGGBB.
ColourValue HexTextToColour(std::string_view text);

// The number reader behind HexTextToColour, with its double-precision accumulation.
std::int64_t ParseHexDigits(std::string_view text);

}  // namespace navcss
