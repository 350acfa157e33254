#include "actions/run_directory.h"

#include "text/gbk.h"

namespace navcss {

std::string RunDirectory(std::string_view executablePath, char separator, PathEncoding encoding) {
  std::string_view::size_type last = std::string_view::npos;
  if (encoding == PathEncoding::Utf8) {
    last = executablePath.rfind(separator);
  } else {
    for (std::string_view::size_type i = 0; i < executablePath.size(); ++i) {
      if (IsGbkLeadByte(static_cast<unsigned char>(executablePath[i]))) {
        ++i;  // the trail byte is part of this character, never a separator
      } else if (executablePath[i] == separator) {
        last = i;
      }
    }
  }
  if (last == std::string_view::npos) return {};
  return std::string(executablePath.substr(0, last));
}

}  // namespace navcss
