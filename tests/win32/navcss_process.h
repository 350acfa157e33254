#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "app/control_id.h"

namespace navcss::win32_test {

// The path of navcss.exe under test, from the command line.
void SetExecutable(std::string path);

// A running navcss.exe with its window shown. The destructor ends it if a test did not.
class NavcssProcess {
 public:
  NavcssProcess();
  ~NavcssProcess();
  NavcssProcess(const NavcssProcess&) = delete;
  NavcssProcess& operator=(const NavcssProcess&) = delete;

  bool Started() const { return mainWindow_ != nullptr; }
  HWND MainWindow() const { return mainWindow_; }
  HWND Control(ControlId id) const;
  // The control a window stands for; 主窗口 for the main window, none for the rest.
  std::optional<ControlId> ControlOf(HWND window) const;

  POINT ToScreen(int clientX, int clientY) const;
  // The client area as the screen shows it, 0x00RRGGBB... in COLORREF order (red low).
  std::vector<COLORREF> CaptureClient() const;

  // A top-level window of the process with this class (the message box is "#32770").
  HWND WaitForWindowOfClass(const wchar_t* className) const;
  bool WaitForWindowGone(HWND window) const;
  std::optional<DWORD> WaitForExit() const;
  std::wstring ControlText(HWND window) const;

 private:
  PROCESS_INFORMATION process_{};
  HWND mainWindow_ = nullptr;
};

// Texts of the static controls of a message box, and its title.
std::vector<std::wstring> StaticTexts(HWND dialog);

}  // namespace navcss::win32_test
