#include "win32/window.h"

#include <commctrl.h>

#include <array>
#include <span>

#include "win32/colour_picker.h"
#include "win32/dpi.h"
#include "win32/mockup_controls.h"
#include "win32/panel_painting.h"
#include "win32/wide_text.h"

namespace navcss::win32 {

namespace {

using enum ControlId;

constexpr DWORD kMainStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
constexpr DWORD kMainExStyle = 0;

std::array<HWND, kControlCount> g_windows{};
std::array<HFONT, kControlCount> g_fonts{};  // fonts of their own, per control
HFONT g_uiFont = nullptr;
App* g_app = nullptr;

bool HasWindow(const ControlDef& def) {
  return def.kind != ControlKind::MainWindow && def.kind != ControlKind::Timer;
}

HFONT CreateFontFor(const FontSpec& wanted, const Scale& scale) {
  LOGFONTW font = {};
  font.lfHeight = -scale(wanted.pixelHeight);  // negative: the character height, not the cell
  font.lfWeight = wanted.weight;
  font.lfCharSet = DEFAULT_CHARSET;
  font.lfQuality = DEFAULT_QUALITY;
  return CreateFontIndirectW(&font);
}

// Places every control and gives it its font for the DPI; used at creation and whenever the
// window moves to a screen with another DPI.
void LayOut(HWND mainWindow, int dpi) {
  const Scale scale{dpi};
  LOGFONTW message = MessageFontForDpi(dpi);
  HFONT uiFont = CreateFontIndirectW(&message);
  for (const ControlDef& def : kControls) {
    if (!HasWindow(def)) continue;
    HWND window = g_windows[Index(def.id)];
    const RECT place = scale.Of(def.rect);
    SetWindowPos(window, nullptr, place.left, place.top, place.right - place.left,
                 place.bottom - place.top, SWP_NOZORDER | SWP_NOACTIVATE);
    HFONT font = uiFont;
    if (!def.font.IsDefault()) {
      font = CreateFontFor(def.font, scale);
      if (g_fonts[Index(def.id)] != nullptr) DeleteObject(g_fonts[Index(def.id)]);
      g_fonts[Index(def.id)] = font;
    }
    SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  }
  if (g_uiFont != nullptr) DeleteObject(g_uiFont);
  g_uiFont = uiFont;
  InvalidateRect(mainWindow, nullptr, TRUE);
}

HWND CreateControl(const ControlDef& def, HINSTANCE instance) {
  const std::wstring caption = Utf8ToWide(def.caption);
  const HMENU id = reinterpret_cast<HMENU>(static_cast<INT_PTR>(kControlIdBase + Index(def.id)));
  HWND parent = g_windows[Index(def.parent)];
  // Every child clips its siblings: stacking, not paint order, decides what is seen, so the
  // divider and border boxes show only in the gaps the boxes in front leave open.
  constexpr DWORD kChild = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS;
  const wchar_t* className = nullptr;
  DWORD style = kChild;
  DWORD exStyle = 0;
  switch (def.kind) {
    case ControlKind::EditBox:
      className = L"EDIT";
      style |= ES_LEFT | ES_AUTOHSCROLL;
      exStyle = WS_EX_CLIENTEDGE;
      break;
    case ControlKind::ColourPicker:
      className = kColourPickerClass;
      break;
    case ControlKind::PictureBox:
      className = def.id == 图片库1 ? kPanelClass : kMockupBoxClass;
      style |= WS_CLIPCHILDREN;
      break;
    case ControlKind::TransparentLabel:
      className = kTransparentLabelClass;
      break;
    case ControlKind::Button:
      className = L"BUTTON";
      style |= BS_PUSHBUTTON;
      break;
    case ControlKind::MainWindow:
    case ControlKind::Timer:
      return nullptr;
  }
  if (def.tabOrder >= 0) style |= WS_TABSTOP;
  return CreateWindowExW(exStyle, className, caption.c_str(), style, 0, 0, 0, 0, parent, id,
                         instance, nullptr);
}

// The values of the definition, before the App replaces them.
void InitialiseControl(const ControlDef& def, HWND window) {
  if (def.kind == ControlKind::PictureBox && def.id != 图片库1) {
    SetBoxColour(window, def.background);
  } else if (def.kind == ControlKind::TransparentLabel) {
    SetLabelTextColour(window, def.textColour);
  } else if (def.kind == ControlKind::ColourPicker) {
    SetPickerColour(window, def.pickerColour);
  }
}

// Siblings are stacked from the definition, front to back, rather than trusting the order
// in which they happened to be created.
void Stack() {
  std::array<HWND, kControlCount> previous{};  // per parent: the sibling just placed
  for (const ControlDef& def : kControls) {
    if (!HasWindow(def)) continue;
    HWND& above = previous[Index(def.parent)];
    SetWindowPos(g_windows[Index(def.id)], above != nullptr ? above : HWND_TOP, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    above = g_windows[Index(def.id)];
  }
}

void MoveFocus(bool backwards) {
  const std::span<const ControlId> order = TabOrder();
  const std::optional<ControlId> current = ControlOf(GetFocus());
  std::size_t next = backwards ? order.size() - 1 : 0;
  for (std::size_t i = 0; current && i < order.size(); ++i) {
    if (order[i] != *current) continue;
    next = backwards ? (i + order.size() - 1) % order.size() : (i + 1) % order.size();
  }
  HWND target = WindowOf(order[next]);
  SetFocus(target);
  if (Def(order[next]).kind == ControlKind::EditBox) SendMessageW(target, EM_SETSEL, 0, -1);
}

// Keys the window claims before any control sees them: Escape closes it from every control
// (no control of ours keeps Escape), Tab walks the definition's tab order. A picker's
// drop-down and message boxes run loops of their own, so their keys never come here.
bool HandleWindowKey(HWND mainWindow, const MSG& msg) {
  if (msg.message != WM_KEYDOWN) return false;
  if (msg.hwnd != mainWindow && !IsChild(mainWindow, msg.hwnd)) return false;
  if (msg.wParam == VK_ESCAPE) {
    SendMessageW(mainWindow, WM_CLOSE, 0, 0);
    return true;
  }
  if (msg.wParam == VK_TAB && (GetKeyState(VK_CONTROL) & 0x8000) == 0) {
    MoveFocus((GetKeyState(VK_SHIFT) & 0x8000) != 0);
    return true;
  }
  return false;
}

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      if (HIWORD(wParam) == BN_CLICKED && lParam != 0) {
        Forward(reinterpret_cast<HWND>(lParam), EventKind::Clicked);
        return 0;
      }
      break;
    case WM_TIMER:
      if (wParam == kTimerId) Forward(时钟1, EventKind::Tick);
      return 0;
    case WM_PRINTCLIENT: {
      RECT client;
      GetClientRect(window, &client);
      FillRect(reinterpret_cast<HDC>(wParam), &client, GetSysColorBrush(COLOR_3DFACE));
      return 0;
    }
    case WM_DPICHANGED: {
      LayOut(window, HIWORD(wParam));
      const RECT* suggested = reinterpret_cast<const RECT*>(lParam);
      SetWindowPos(window, nullptr, suggested->left, suggested->top,
                   suggested->right - suggested->left, suggested->bottom - suggested->top,
                   SWP_NOZORDER | SWP_NOACTIVATE);
      return 0;
    }
    case WM_DESTROY:
      KillTimer(window, kTimerId);
      PostQuitMessage(0);
      return 0;
    default:
      break;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

bool RegisterMainWindowClass(HINSTANCE instance) {
  WNDCLASSEXW windowClass = {};
  windowClass.cbSize = sizeof(windowClass);
  windowClass.lpfnWndProc = MainWindowProc;
  windowClass.hInstance = instance;
  windowClass.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(1));
  windowClass.hIconSm = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(1), IMAGE_ICON,
                                                      GetSystemMetrics(SM_CXSMICON),
                                                      GetSystemMetrics(SM_CYSMICON), 0));
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_3DFACE + 1);
  windowClass.lpszClassName = kMainWindowClass;
  return RegisterClassExW(&windowClass) != 0;
}

}  // namespace

HWND CreateMainWindow(HINSTANCE instance) {
  // Loads version 6 of the common controls that the manifest asks for (visual styles).
  INITCOMMONCONTROLSEX common = {sizeof(common), ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&common);
  if (!RegisterMainWindowClass(instance) || !RegisterPanelClass(instance) ||
      !RegisterMockupControlClasses(instance) || !RegisterColourPickerClass(instance)) {
    return nullptr;
  }
  const std::wstring caption = Utf8ToWide(kMainWindow.caption);
  // Created at the primary screen's origin, so that its DPI is the one it will be shown at.
  HWND mainWindow = CreateWindowExW(kMainExStyle, kMainWindowClass, caption.c_str(), kMainStyle, 0,
                                    0, kMainWindow.clientWidth, kMainWindow.clientHeight, nullptr,
                                    nullptr, instance, nullptr);
  if (mainWindow == nullptr) return nullptr;
  g_windows[Index(主窗口)] = mainWindow;

  for (const ControlDef& def : kControls) {
    if (!HasWindow(def)) continue;
    g_windows[Index(def.id)] = CreateControl(def, instance);
    if (g_windows[Index(def.id)] == nullptr) {
      DestroyWindow(mainWindow);
      return nullptr;
    }
    InitialiseControl(def, g_windows[Index(def.id)]);
  }
  Stack();
  const int dpi = DpiOfWindow(mainWindow);
  LayOut(mainWindow, dpi);

  // The outer size follows from the frame the system draws; centred by that outer size.
  const Scale scale{dpi};
  const RECT outer =
      OuterRectForClient(scale(kMainWindow.clientWidth), scale(kMainWindow.clientHeight),
                         kMainStyle, kMainExStyle, dpi);
  const int width = outer.right - outer.left;
  const int height = outer.bottom - outer.top;
  SetWindowPos(mainWindow, nullptr, (GetSystemMetrics(SM_CXSCREEN) - width) / 2,
               (GetSystemMetrics(SM_CYSCREEN) - height) / 2, width, height,
               SWP_NOZORDER | SWP_NOACTIVATE);

  // The timer ticks from its creation on; its ticks queue up until the loop runs.
  const ControlDef& timer = Def(时钟1);
  SetTimer(mainWindow, kTimerId, static_cast<UINT>(timer.timerPeriodMs), nullptr);
  return mainWindow;
}

void AttachApp(App* app) {
  g_app = app;
}

void Forward(ControlId control, EventKind event) {
  if (g_app != nullptr) g_app->Raise(control, event);
}

void Forward(HWND control, EventKind event) {
  if (std::optional<ControlId> id = ControlOf(control)) Forward(*id, event);
}

void PaintBuffered(HWND control, void (*paint)(HWND control, HDC dc)) {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(control, &ps);
  RECT client;
  GetClientRect(control, &client);
  HDC memory = CreateCompatibleDC(dc);
  HBITMAP bitmap = CreateCompatibleBitmap(dc, client.right, client.bottom);
  HGDIOBJ old = SelectObject(memory, bitmap);
  paint(control, memory);
  BitBlt(dc, ps.rcPaint.left, ps.rcPaint.top, ps.rcPaint.right - ps.rcPaint.left,
         ps.rcPaint.bottom - ps.rcPaint.top, memory, ps.rcPaint.left, ps.rcPaint.top, SRCCOPY);
  SelectObject(memory, old);
  DeleteObject(bitmap);
  DeleteDC(memory);
  EndPaint(control, &ps);
}

HWND WindowOf(ControlId control) {
  return g_windows[Index(control)];
}

std::optional<ControlId> ControlOf(HWND window) {
  if (window == nullptr) return std::nullopt;
  if (window == g_windows[Index(主窗口)]) return 主窗口;
  const int id = GetDlgCtrlID(window) - kControlIdBase;
  if (id < 0 || static_cast<std::size_t>(id) >= kControlCount) return std::nullopt;
  if (g_windows[static_cast<std::size_t>(id)] != window) return std::nullopt;
  return static_cast<ControlId>(id);
}

void ShowMainWindow(HWND mainWindow) {
  ShowWindow(mainWindow, SW_SHOWNORMAL);
  UpdateWindow(mainWindow);
  SetForegroundWindow(mainWindow);
}

int RunMessageLoop(HWND mainWindow) {
  MSG msg = {};
  BOOL got;
  while ((got = GetMessageW(&msg, nullptr, 0, 0)) != 0) {
    if (got == -1) return 1;
    if (HandleWindowKey(mainWindow, msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return static_cast<int>(msg.wParam);
}

}  // namespace navcss::win32
