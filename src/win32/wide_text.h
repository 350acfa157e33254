#pragma once

#include <string>
#include <string_view>

namespace navcss::win32 {

// The edge between the core's byte strings and the wide API. Characters that code page 936
// cannot hold become "?".
std::wstring Utf8ToWide(std::string_view utf8);
std::string WideToUtf8(std::wstring_view wide);
std::wstring GbkToWide(std::string_view gbk);
std::string WideToGbk(std::wstring_view wide);

}  // namespace navcss::win32
