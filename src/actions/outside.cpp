#include "actions/outside.h"

#ifndef NAVCSS_SHOP_HOST
#define NAVCSS_SHOP_HOST "https://s.market.example"
#endif
#ifndef NAVCSS_SHOP_SOURCE_ID
#define NAVCSS_SHOP_SOURCE_ID "home.index"
#endif
#ifndef NAVCSS_SHOP_INITIATIVE_ID
#define NAVCSS_SHOP_INITIATIVE_ID "homepage_20150101"
#endif

namespace navcss {

namespace {
#ifdef _WIN32
constexpr std::string_view kExecutableSuffix = ".exe";
#else
constexpr std::string_view kExecutableSuffix = "";
#endif
}  // namespace

std::string ColourToolPath(std::string_view runDirectory) {
  std::string path(runDirectory);
  path += "/颜色提取器";
  path += kExecutableSuffix;
  return path;
}

std::string_view ShopLinkAddress() {
  // The maker's name is plain ASCII, so its GBK percent-encoding is the name itself.
  static constexpr std::string_view kAddress = NAVCSS_SHOP_HOST
      "/search?q=Quenlar&commend=all&ssid=s5-e&search_type=item&sourceId=" NAVCSS_SHOP_SOURCE_ID
      "&spm=1.6659421.754896237.1&initiative_id=" NAVCSS_SHOP_INITIATIVE_ID;
  return kAddress;
}

}  // namespace navcss
