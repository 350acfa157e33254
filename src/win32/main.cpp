#include <windows.h>

#include <string>

#include "actions/run_directory.h"
#include "app/app.h"
#include "win32/port.h"
#include "win32/wide_text.h"
#include "win32/window.h"

namespace {

std::wstring ModulePath() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length < path.size()) {
      path.resize(length);
      return path;
    }
    path.resize(path.size() * 2);  // truncated: long paths are allowed
  }
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  using namespace navcss;
  // UTF-8 holds every character of the path, whatever the ANSI code page.
  const std::string runDirectory =
      RunDirectory(win32::WideToUtf8(ModulePath()), kWindowsSeparator, PathEncoding::Utf8);
  // With the separator: "C:" alone would mean the drive's own current directory.
  SetCurrentDirectoryW((win32::Utf8ToWide(runDirectory) + L"\\").c_str());

  HWND mainWindow = win32::CreateMainWindow(instance);
  if (mainWindow == nullptr) return 1;
  win32::Win32Port port(mainWindow);
  App app(port, runDirectory);
  win32::AttachApp(&app);
  app.MainWindowCreated();  // before the window is first shown: its first frame has the defaults
  win32::ShowMainWindow(mainWindow);
  const int exitCode = win32::RunMessageLoop(mainWindow);
  win32::AttachApp(nullptr);
  return exitCode;
}
