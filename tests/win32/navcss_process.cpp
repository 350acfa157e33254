#include "navcss_process.h"

#include <algorithm>

namespace navcss::win32_test {

namespace {

constexpr int kControlIdBase = 1000;  // the front-end's window IDs: ControlId + this
constexpr DWORD kPatienceMs = 15000;  // bounds every wait, so a broken build cannot hang

std::wstring g_executable;

std::wstring Widen(const std::string& text) {
  std::wstring wide(text.size(), L'\0');
  wide.resize(static_cast<std::size_t>(
      MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), wide.data(),
                          static_cast<int>(wide.size()))));
  return wide;
}

template <typename Condition>
bool WaitUntil(Condition condition) {
  const ULONGLONG deadline = GetTickCount64() + kPatienceMs;
  while (!condition()) {
    if (GetTickCount64() > deadline) return false;
    Sleep(20);
  }
  return true;
}

struct Search {
  DWORD processId;
  const wchar_t* className;
  HWND found;
};

BOOL CALLBACK FindTopLevel(HWND window, LPARAM param) {
  auto* search = reinterpret_cast<Search*>(param);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  wchar_t name[64];
  if (owner == search->processId && IsWindowVisible(window) && GetClassNameW(window, name, 64) &&
      lstrcmpW(name, search->className) == 0) {
    search->found = window;
    return FALSE;
  }
  return TRUE;
}

}  // namespace

void SetExecutable(std::string path) {
  // Under Wine a Unix path reaches us unchanged; drive Z: is the Unix root.
  if (!path.empty() && path.front() == '/') {
    std::replace(path.begin(), path.end(), '/', '\\');
    path = "Z:" + path;
  }
  g_executable = Widen(path);
}

NavcssProcess::NavcssProcess() {
  std::wstring commandLine = L"\"" + g_executable + L"\"";
  STARTUPINFOW startup = {};
  startup.cb = sizeof(startup);
  if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &process_)) {
    return;
  }
  WaitForInputIdle(process_.hProcess, kPatienceMs);
  mainWindow_ = WaitForWindowOfClass(L"NavcssMainWindow");
}

NavcssProcess::~NavcssProcess() {
  if (process_.hProcess == nullptr) return;
  if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT) {
    TerminateProcess(process_.hProcess, 99);
    WaitForSingleObject(process_.hProcess, kPatienceMs);
  }
  CloseHandle(process_.hThread);
  CloseHandle(process_.hProcess);
}

HWND NavcssProcess::Control(ControlId id) const {
  struct Find {
    int id;
    HWND found;
  } find{kControlIdBase + static_cast<int>(Index(id)), nullptr};
  EnumChildWindows(
      mainWindow_,
      [](HWND window, LPARAM param) -> BOOL {
        auto* f = reinterpret_cast<Find*>(param);
        if (GetDlgCtrlID(window) != f->id) return TRUE;
        f->found = window;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&find));
  return find.found;
}

std::optional<ControlId> NavcssProcess::ControlOf(HWND window) const {
  if (window == mainWindow_) return ControlId::主窗口;
  if (window == nullptr || !IsChild(mainWindow_, window)) return std::nullopt;
  const int id = GetDlgCtrlID(window) - kControlIdBase;
  if (id < 0 || static_cast<std::size_t>(id) >= kControlCount) return std::nullopt;
  return static_cast<ControlId>(id);
}

POINT NavcssProcess::ToScreen(int clientX, int clientY) const {
  POINT point = {clientX, clientY};
  ClientToScreen(mainWindow_, &point);
  return point;
}

std::vector<COLORREF> NavcssProcess::CaptureClient() const {
  RECT client;
  GetClientRect(mainWindow_, &client);
  const POINT origin = ToScreen(0, 0);
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = client.right;
  info.bmiHeader.biHeight = -client.bottom;  // top-down rows
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, client.right, client.bottom, screen, origin.x, origin.y, SRCCOPY);
  GdiFlush();
  std::vector<COLORREF> pixels(static_cast<std::size_t>(client.right * client.bottom));
  const auto* bgrx = static_cast<const DWORD*>(bits);
  for (std::size_t i = 0; i < pixels.size(); ++i) {
    const DWORD p = bgrx[i];  // 0x00RRGGBB in a DIB
    pixels[i] = RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
  }
  SelectObject(memory, old);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  return pixels;
}

HWND NavcssProcess::WaitForWindowOfClass(const wchar_t* className) const {
  Search search{process_.dwProcessId, className, nullptr};
  WaitUntil([&] {
    EnumWindows(FindTopLevel, reinterpret_cast<LPARAM>(&search));
    return search.found != nullptr;
  });
  return search.found;
}

bool NavcssProcess::WaitForWindowGone(HWND window) const {
  return WaitUntil([&] { return !IsWindow(window) || !IsWindowVisible(window); });
}

std::optional<DWORD> NavcssProcess::WaitForExit() const {
  if (WaitForSingleObject(process_.hProcess, kPatienceMs) != WAIT_OBJECT_0) return std::nullopt;
  DWORD code = 0;
  GetExitCodeProcess(process_.hProcess, &code);
  return code;
}

std::wstring NavcssProcess::ControlText(HWND window) const {
  wchar_t text[256] = {};
  SendMessageW(window, WM_GETTEXT, 256, reinterpret_cast<LPARAM>(text));
  return text;
}

std::vector<std::wstring> StaticTexts(HWND dialog) {
  std::vector<std::wstring> texts;
  EnumChildWindows(
      dialog,
      [](HWND window, LPARAM param) -> BOOL {
        wchar_t name[32];
        wchar_t text[256] = {};
        if (GetClassNameW(window, name, 32) && lstrcmpiW(name, L"Static") == 0 &&
            GetWindowTextW(window, text, 256) > 0) {
          reinterpret_cast<std::vector<std::wstring>*>(param)->push_back(text);
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&texts));
  return texts;
}

}  // namespace navcss::win32_test
