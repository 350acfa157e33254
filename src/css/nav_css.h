#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string_view>

#include "colour/colour_value.h"
#include "colour/slot_table.h"

namespace navcss {

// One fragment of the navigation CSS and the slot whose text follows it (none after the
// last fragment).
struct TemplateFragment {
  std::string_view text;
  std::optional<SlotKey> slotAfter;
};

extern const std::array<TemplateFragment, 32> kNavCssTemplate;

inline constexpr std::string_view kTransparentNavSnippet =
    ".skin-box-bd{background:none;}.menu-list{background:none;}.link{background:none;}"
    ".menu{background:none;}.all-cats{background:none;}";
inline constexpr std::string_view kHiddenNavSnippet =
    ".skin-box-bd .menu-list{display:none;}.all-cats{display:none;}"
    ".skin-box-bd{background:none;}";

// Joins the fragments with the slots' texts, taken verbatim; slotText is asked once per
// insertion, in output order.
GbkText BuildNavCss(const std::function<GbkText(SlotKey)>& slotText);

}  // namespace navcss
