#pragma once

#include <windows.h>

namespace navcss::win32 {

// Per-monitor DPI calls exist from Windows 10 1607 on; on older systems these fall back to
// the system DPI, which is then the only one.
int DpiOfWindow(HWND window);
RECT OuterRectForClient(int clientWidth, int clientHeight, DWORD style, DWORD exStyle, int dpi);
LOGFONTW MessageFontForDpi(int dpi);

}  // namespace navcss::win32
