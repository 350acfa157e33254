#pragma once

#include <windows.h>

namespace navcss::win32 {

// 图片库1: draws the panel picture of the definition with GDI and hosts the hex fields and
// pickers, so the fields' notifications and colour requests arrive here.
inline constexpr wchar_t kPanelClass[] = L"NavcssPanel";

// Window properties of a hex field. The brush paints its background; while the quiet mark
// is set, its change notifications come from a program write and are not forwarded.
inline constexpr wchar_t kFieldBrushProperty[] = L"NavcssFieldBrush";
inline constexpr wchar_t kFieldQuietProperty[] = L"NavcssFieldQuiet";

bool RegisterPanelClass(HINSTANCE instance);

void PaintPanelPicture(HDC dc, int dpi);

}  // namespace navcss::win32
