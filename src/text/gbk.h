#pragma once

#include <string>
#include <string_view>

namespace navcss {

// Code page 936 (GBK). A character outside it becomes "?"; so does malformed input.

// A byte that starts a double-byte character (0x81-0xFE).
constexpr bool IsGbkLeadByte(unsigned char byte) {
  return byte >= 0x81 && byte <= 0xFE;
}

std::string Utf8ToGbk(std::string_view utf8);
std::string GbkToUtf8(std::string_view gbk);

}  // namespace navcss
