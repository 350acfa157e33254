#pragma once

#include <windows.h>

#include "colour/colour_value.h"

namespace navcss::win32 {

// The mock-up's picture boxes (filled with one colour) and transparent labels (text only;
// whatever lies behind them shows through, yet they answer hit tests over their whole
// rectangle, unlike a STATIC, so WindowFromPoint finds them).
inline constexpr wchar_t kMockupBoxClass[] = L"NavcssMockupBox";
inline constexpr wchar_t kTransparentLabelClass[] = L"NavcssTransparentLabel";

bool RegisterMockupControlClasses(HINSTANCE instance);

// Both repaint at once when the window is shown; a label in front of a box is painted
// again after the box, so its text stays on top.
void SetBoxColour(HWND box, ColourValue colour);
void SetLabelTextColour(HWND label, ColourValue colour);

}  // namespace navcss::win32
