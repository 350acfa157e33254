#include "colour/colour_value.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace navcss {

GbkText ColourToHexText(ColourValue colour) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  GbkText text = "#";
  for (unsigned byte : {RedOf(colour), GreenOf(colour), BlueOf(colour)}) {
    text += kDigits[byte >> 4];
    text += kDigits[byte & 0xF];
  }
  return text;
}

std::int64_t ParseHexDigits(std::string_view text) {
  // Lower-case byte-wise; a byte of 0x80 or above leads a double-byte character, and the
  // byte after it is left as it is, whatever it looks like.
  std::string lower(text);
  for (std::size_t i = 0; i < lower.size(); ++i) {
    auto byte = static_cast<unsigned char>(lower[i]);
    if (byte >= 0x80) {
      ++i;
    } else if (byte >= 'A' && byte <= 'Z') {
      lower[i] = static_cast<char>(byte - 'A' + 'a');
    }
  }

  constexpr double kTwo63 = 9223372036854775808.0;
  constexpr std::int64_t kInvalid = std::numeric_limits<std::int64_t>::min();
  const std::size_t n = lower.size();
  std::int64_t acc = 0;
  for (std::size_t i = 0; i < n; ++i) {
    const auto c = static_cast<unsigned char>(lower[i]);
    int digit = 0;
    if (c >= '0' && c <= '9') {
      digit = c - '0';
    } else if (c >= 'a' && c <= 'f') {
      digit = c - 'a' + 10;
    }
    // 16^(n-1-i) as a power of two: exact, and infinite from an exponent of 256 on.
    const double weight =
        std::ldexp(1.0, static_cast<int>(std::min<std::size_t>(n - 1 - i, 1024) * 4));
    // int64 -> double rounds to nearest, ties to even (the default rounding mode).
    const double sum = static_cast<double>(acc) + digit * weight;
    if (std::isfinite(sum) && sum >= -kTwo63 && sum < kTwo63) {
      acc = static_cast<std::int64_t>(sum);  // truncates toward zero
    } else {
      acc = kInvalid;  // also NaN, from 0 times an infinite weight
    }
  }
  return acc;
}

ColourValue HexTextToColour(std::string_view text) {
  const std::string_view rest = text.size() <= 1 ? std::string_view{} : text.substr(1);
  const auto low = static_cast<std::uint32_t>(static_cast<std::uint64_t>(ParseHexDigits(rest)));
  const unsigned b0 = low & 0xFF;
  const unsigned b1 = (low >> 8) & 0xFF;
  const unsigned b2 = (low >> 16) & 0xFF;
  return Rgb(b2, b1, b0);
}

}  // namespace navcss
