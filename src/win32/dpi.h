#pragma once

#include <windows.h>

namespace navcss::win32 {

// Per-monitor DPI calls exist from Windows 10 1607 on; on older systems these fall back to
// the system DPI, which is then the only one.
int DpiOfWindow(HWND window);

// A function of a system DLL, loaded on first use: shell32 and comdlg32 are large and only
// the shop link and the colour dialog need them, so start-up does not pay for them.
template <typename Function>
Function SystemFunction(const wchar_t* dll, const char* name) {
  HMODULE module = LoadLibraryExW(dll, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
  if (module == nullptr) {
    // Windows 7 without KB2533623 rejects the flag: name the system folder instead.
    wchar_t path[MAX_PATH];
    const UINT length = GetSystemDirectoryW(path, MAX_PATH);
    if (length == 0 || length + 1 + lstrlenW(dll) >= MAX_PATH) return nullptr;
    path[length] = L'\\';
    lstrcpyW(path + length + 1, dll);
    module = LoadLibraryW(path);
  }
  if (module == nullptr) return nullptr;
  // The detour through a plain function pointer type keeps -Wcast-function-type quiet.
  return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
}
RECT OuterRectForClient(int clientWidth, int clientHeight, DWORD style, DWORD exStyle, int dpi);
LOGFONTW MessageFontForDpi(int dpi);

}  // namespace navcss::win32
