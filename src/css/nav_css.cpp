#include "css/nav_css.h"

namespace navcss {

// clang-format off
const std::array<TemplateFragment, 32> kNavCssTemplate = {{
  {".skin-box-bd{background:", SlotKey::NavBackground},
  {";}\r\n.skin-box-bd .menu-list{background:", SlotKey::NavBackground},
  {";}\r\n.skin-box-bd .menu-list .menu{background:", SlotKey::NavBackground},
  {";}\r\n.skin-box-bd .menu-list .menu .link{background:", SlotKey::NavBackground},
  {";color:", SlotKey::NavText},
  {";border-right:1px solid ", SlotKey::NavDivider},
  {";}\r\n.skin-box-bd .menu-list .menu .link:hover{background:", SlotKey::NavHoverBackground},
  {";color:", SlotKey::NavHoverText},
  {";}\r\n.skin-box-bd .menu-list .menu .title{color:", SlotKey::NavText},
  {";}\r\n.skin-box-bd .menu-list .menu .title:hover{color:", SlotKey::NavHoverText},
  {";}\r\n.all-cats\t{ background:", SlotKey::CategoryBackground},
  {"; }\r\n.all-cats .link{background:", SlotKey::CategoryBackground},
  {";color:", SlotKey::CategoryText},
  {";}\r\n.all-cats .link:hover{background:", SlotKey::CategoryHoverBackground},
  {";color:", SlotKey::CategoryHoverText},
  {";}\r\n.all-cats .link .title{color:", SlotKey::CategoryText},
  {";}\r\n.all-cats .link .title:hover{color:", SlotKey::CategoryHoverText},
  {";}\r\n.popup-content .popup-inner{background:", SlotKey::Level1Background},
  {";}\r\n.popup-content .cat-name{color:", SlotKey::Level1Text},
  {";background:", SlotKey::Level1Background},
  {";}\r\n.popup-content .cat-name:hover{color:", SlotKey::Level1HoverText},
  {";background:", SlotKey::Level1HoverBackground},
  {";}\r\n.popup-inner .cats-tree .fst-cat{background:", SlotKey::Level1Background},
  {";border-top:solid 1px ", SlotKey::Level1Border},
  {";}\r\n.popup-inner .cats-tree .fst-cat:hover{background:", SlotKey::Level1HoverBackground},
  {";color:", SlotKey::Level1HoverText},
  // The template has no ";" before this brace; pages in use carry it as it is.
  {"}\r\n.snd-pop-inner {background:", SlotKey::Level2Background},
  {";}\r\n.snd-pop-inner .fst-cat-bd .snd-cat-name{color:", SlotKey::Level2Text},
  {";background:", SlotKey::Level2Background},
  {";}\r\n.snd-pop-inner .fst-cat-bd .snd-cat-name:hover{color:", SlotKey::Level2HoverText},
  {";background:", SlotKey::Level2HoverBackground},
  {";}\r\n", std::nullopt},
}};
// clang-format on

GbkText BuildNavCss(const std::function<GbkText(SlotKey)>& slotText) {
  GbkText css;
  css.reserve(1400);
  for (const TemplateFragment& fragment : kNavCssTemplate) {
    css += fragment.text;
    if (fragment.slotAfter) css += slotText(*fragment.slotAfter);
  }
  return css;
}

}  // namespace navcss
