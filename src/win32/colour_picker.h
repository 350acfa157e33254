#pragma once

#include <windows.h>

#include "colour/colour_value.h"

namespace navcss::win32 {

// A sunken swatch with a drop-down arrow. The drop-down offers preset colours and
// "其它颜色..." (the system colour dialog). A completed choice stores the colour and raises
// ColourChosen, also for the colour it already had; a cancelled one changes nothing.
// Keys: Space, Enter, F4 or Alt+Down open it; arrows move, Enter or Space choose,
// Escape cancels; so does a click outside it.
inline constexpr wchar_t kColourPickerClass[] = L"NavcssColourPicker";

bool RegisterColourPickerClass(HINSTANCE instance);

ColourValue PickerColour(HWND picker);
void SetPickerColour(HWND picker, ColourValue colour);  // raises nothing

}  // namespace navcss::win32
