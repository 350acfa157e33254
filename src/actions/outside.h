#pragma once

#include <string>
#include <string_view>

namespace navcss {

// The companion colour tool beside the program: RunDirectory + "/颜色提取器" + the
// platform's executable suffix (".exe" on Windows). UTF-8.
std::string ColourToolPath(std::string_view runDirectory);

// The maker's shop on the marketplace; host and two tags are build settings.
std::string_view ShopLinkAddress();

}  // namespace navcss
