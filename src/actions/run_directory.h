#pragma once

#include <string>
#include <string_view>

namespace navcss {

enum class PathEncoding {
  Gbk,   // the ANSI code page 936: a lead byte's partner may look like a backslash
  Utf8,  // no byte of a multi-byte character is ever ASCII
};

inline constexpr char kWindowsSeparator = '\\';
inline constexpr char kPosixSeparator = '/';

// The directory of the executable, without its trailing separator: the part before the
// last separator, found by scanning whole characters. No separator gives "", a program
// at a drive root gives the drive ("C:").
std::string RunDirectory(std::string_view executablePath, char separator, PathEncoding encoding);

}  // namespace navcss
