#include "win32/wide_text.h"

#include <windows.h>

namespace navcss::win32 {

namespace {

constexpr UINT kGbk = 936;

std::wstring ToWide(UINT codePage, std::string_view bytes) {
  if (bytes.empty()) return {};
  const int size = static_cast<int>(bytes.size());
  const int length = MultiByteToWideChar(codePage, 0, bytes.data(), size, nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(codePage, 0, bytes.data(), size, wide.data(), length);
  return wide;
}

std::string FromWide(UINT codePage, std::wstring_view wide) {
  if (wide.empty()) return {};
  const int size = static_cast<int>(wide.size());
  // UTF-8 takes no default character; code page 936 gets "?" for what it cannot hold.
  const char* fallback = codePage == CP_UTF8 ? nullptr : "?";
  const int length =
      WideCharToMultiByte(codePage, 0, wide.data(), size, nullptr, 0, fallback, nullptr);
  std::string bytes(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(codePage, 0, wide.data(), size, bytes.data(), length, fallback, nullptr);
  return bytes;
}

}  // namespace

std::wstring Utf8ToWide(std::string_view utf8) {
  return ToWide(CP_UTF8, utf8);
}
std::string WideToUtf8(std::wstring_view wide) {
  return FromWide(CP_UTF8, wide);
}
std::wstring GbkToWide(std::string_view gbk) {
  return ToWide(kGbk, gbk);
}
std::string WideToGbk(std::wstring_view wide) {
  return FromWide(kGbk, wide);
}

}  // namespace navcss::win32
