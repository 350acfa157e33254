#include "win32/dpi.h"

namespace navcss::win32 {

namespace {

template <typename Function>
Function User32(const char* name) {
  static const HMODULE user32 = GetModuleHandleW(L"user32.dll");
  // The detour through a plain function pointer type keeps -Wcast-function-type quiet.
  return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(user32, name)));
}

int SystemDpi() {
  HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
  ReleaseDC(nullptr, screen);
  return dpi > 0 ? dpi : USER_DEFAULT_SCREEN_DPI;
}

}  // namespace

int DpiOfWindow(HWND window) {
  using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
  static const auto getDpiForWindow = User32<GetDpiForWindowFn>("GetDpiForWindow");
  if (getDpiForWindow != nullptr && window != nullptr) {
    const UINT dpi = getDpiForWindow(window);
    if (dpi != 0) return static_cast<int>(dpi);
  }
  return SystemDpi();
}

RECT OuterRectForClient(int clientWidth, int clientHeight, DWORD style, DWORD exStyle, int dpi) {
  using AdjustFn = BOOL(WINAPI*)(LPRECT, DWORD, BOOL, DWORD, UINT);
  static const auto adjust = User32<AdjustFn>("AdjustWindowRectExForDpi");
  RECT rect = {0, 0, clientWidth, clientHeight};
  if (adjust == nullptr || !adjust(&rect, style, FALSE, exStyle, static_cast<UINT>(dpi))) {
    AdjustWindowRectEx(&rect, style, FALSE, exStyle);
  }
  return rect;
}

LOGFONTW MessageFontForDpi(int dpi) {
  using ParametersFn = BOOL(WINAPI*)(UINT, UINT, PVOID, UINT, UINT);
  static const auto parameters = User32<ParametersFn>("SystemParametersInfoForDpi");
  NONCLIENTMETRICSW metrics = {};
  metrics.cbSize = sizeof(metrics);
  if (parameters != nullptr &&
      parameters(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0, static_cast<UINT>(dpi))) {
    return metrics.lfMessageFont;
  }
  SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0);
  metrics.lfMessageFont.lfHeight = MulDiv(metrics.lfMessageFont.lfHeight, dpi, SystemDpi());
  return metrics.lfMessageFont;
}

}  // namespace navcss::win32
