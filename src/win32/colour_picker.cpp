#include "win32/colour_picker.h"

#include <commdlg.h>

#include <array>
#include <optional>
#include <string_view>

#include "win32/dpi.h"
#include "win32/window.h"

namespace navcss::win32 {

namespace {

constexpr wchar_t kPopupClass[] = L"NavcssColourPickerDropDown";
constexpr std::wstring_view kMoreColours = L"其它颜色...";

constexpr int kColumns = 8;
constexpr int kRows = 5;
constexpr int kCell = 18;  // one preset, frame included
constexpr int kMargin = 4;
constexpr int kMoreHeight = 24;
constexpr int kMoreItem = kColumns * kRows;  // the "其它颜色..." button as the last item

// clang-format off
constexpr std::array<ColourValue, kColumns * kRows> kPresets = {
  Rgb(0, 0, 0),       Rgb(153, 51, 0),    Rgb(51, 51, 0),     Rgb(0, 51, 0),
  Rgb(0, 51, 102),    Rgb(0, 0, 128),     Rgb(51, 51, 153),   Rgb(51, 51, 51),
  Rgb(128, 0, 0),     Rgb(255, 102, 0),   Rgb(128, 128, 0),   Rgb(0, 128, 0),
  Rgb(0, 128, 128),   Rgb(0, 0, 255),     Rgb(102, 102, 153), Rgb(128, 128, 128),
  Rgb(255, 0, 0),     Rgb(255, 153, 0),   Rgb(153, 204, 0),   Rgb(51, 153, 102),
  Rgb(51, 204, 204),  Rgb(51, 102, 255),  Rgb(128, 0, 128),   Rgb(150, 150, 150),
  Rgb(255, 0, 255),   Rgb(255, 204, 0),   Rgb(255, 255, 0),   Rgb(0, 255, 0),
  Rgb(0, 255, 255),   Rgb(0, 204, 255),   Rgb(153, 51, 102),  Rgb(192, 192, 192),
  Rgb(255, 153, 204), Rgb(255, 204, 153), Rgb(255, 255, 153), Rgb(204, 255, 204),
  Rgb(204, 255, 255), Rgb(153, 204, 255), Rgb(204, 153, 255), Rgb(255, 255, 255),
};
// clang-format on

struct DropDown {
  Scale scale;
  int hot = 0;
  bool done = false;
  std::optional<int> chosen;  // an item; none when cancelled
};

RECT CellRect(const DropDown& state, int item) {
  const Scale& s = state.scale;
  const int column = item % kColumns;
  const int row = item / kColumns;
  return {s(kMargin + column * kCell), s(kMargin + row * kCell), s(kMargin + (column + 1) * kCell),
          s(kMargin + (row + 1) * kCell)};
}

RECT MoreRect(const DropDown& state) {
  const Scale& s = state.scale;
  const int top = kMargin + kRows * kCell + kMargin;
  return {s(kMargin), s(top), s(kMargin + kColumns * kCell), s(top + kMoreHeight)};
}

SIZE DropDownSize(const Scale& s) {
  return {s(2 * kMargin + kColumns * kCell) + 2,
          s(3 * kMargin + kRows * kCell + kMoreHeight) + 2};  // + the 1-pixel border
}

std::optional<int> ItemAt(const DropDown& state, POINT point) {
  for (int item = 0; item < kMoreItem; ++item) {
    const RECT cell = CellRect(state, item);
    if (PtInRect(&cell, point)) return item;
  }
  const RECT more = MoreRect(state);
  if (PtInRect(&more, point)) return kMoreItem;
  return std::nullopt;
}

void PaintDropDown(HWND window, const DropDown& state) {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(window, &paint);
  RECT client;
  GetClientRect(window, &client);
  FillRect(dc, &client, GetSysColorBrush(COLOR_MENU));
  const int inset = state.scale(3);
  for (int item = 0; item < kMoreItem; ++item) {
    RECT cell = CellRect(state, item);
    if (item == state.hot) {
      FillRect(dc, &cell, GetSysColorBrush(COLOR_HIGHLIGHT));
    }
    RECT swatch = cell;
    InflateRect(&swatch, -inset, -inset);
    FrameRect(dc, &swatch, GetSysColorBrush(COLOR_BTNSHADOW));
    InflateRect(&swatch, -1, -1);
    SetBkColor(dc, static_cast<COLORREF>(kPresets[static_cast<std::size_t>(item)]));
    ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &swatch, nullptr, 0, nullptr);
  }
  RECT more = MoreRect(state);
  DrawFrameControl(dc, &more, DFC_BUTTON, DFCS_BUTTONPUSH);
  HGDIOBJ oldFont =
      SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(GetParent(window), WM_GETFONT, 0, 0)));
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
  DrawTextW(dc, kMoreColours.data(), static_cast<int>(kMoreColours.size()), &more,
            DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  if (state.hot == kMoreItem) {
    InflateRect(&more, -inset, -inset);
    DrawFocusRect(dc, &more);
  }
  SelectObject(dc, oldFont);
  EndPaint(window, &paint);
}

LRESULT CALLBACK DropDownProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* state = reinterpret_cast<DropDown*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  switch (message) {
    case WM_NCCREATE:
      SetWindowLongPtrW(
          window, GWLP_USERDATA,
          reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams));
      break;
    case WM_PAINT:
      PaintDropDown(window, *state);
      return 0;
    case WM_MOUSEMOVE:
      if (auto item = ItemAt(*state, {LOWORD(lParam), HIWORD(lParam)});
          item && *item != state->hot) {
        state->hot = *item;
        InvalidateRect(window, nullptr, FALSE);
      }
      return 0;
    case WM_LBUTTONDOWN: {
      // The drop-down holds the capture, so a press anywhere else arrives here too.
      const POINT point = {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
      state->chosen = ItemAt(*state, point);
      state->done = true;
      return 0;
    }
    case WM_CAPTURECHANGED:
      // Another window took the pointer (the user switched programs): cancel.
      if (!state->done) {
        state->chosen.reset();
        state->done = true;
      }
      return 0;
    case WM_MOUSEACTIVATE:
      return MA_NOACTIVATE;
    default:
      break;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

void MoveHot(DropDown& state, WPARAM key) {
  int hot = state.hot;
  if (hot == kMoreItem) {
    if (key == VK_UP) hot = kMoreItem - kColumns;
  } else if (key == VK_LEFT && hot % kColumns > 0) {
    --hot;
  } else if (key == VK_RIGHT && hot % kColumns < kColumns - 1) {
    ++hot;
  } else if (key == VK_UP && hot >= kColumns) {
    hot -= kColumns;
  } else if (key == VK_DOWN) {
    hot = hot + kColumns < kMoreItem ? hot + kColumns : kMoreItem;
  }
  state.hot = hot;
}

// Runs the drop-down below the picker until a choice or a cancel, in a loop of its own
// like a menu's, so its keys (Escape above all) never reach the window's loop.
std::optional<int> RunDropDown(HWND picker) {
  DropDown state;
  state.scale = Scale{DpiOfWindow(picker)};
  const ColourValue current = PickerColour(picker);
  for (int item = 0; item < kMoreItem; ++item) {
    if (kPresets[static_cast<std::size_t>(item)] == current) state.hot = item;
  }
  RECT place;
  GetWindowRect(picker, &place);
  const SIZE size = DropDownSize(state.scale);
  MONITORINFO monitor = {};
  monitor.cbSize = sizeof(monitor);
  GetMonitorInfoW(MonitorFromWindow(picker, MONITOR_DEFAULTTONEAREST), &monitor);
  int left = std::min(place.left, monitor.rcWork.right - size.cx);
  int top = place.bottom;
  if (top + size.cy > monitor.rcWork.bottom) top = place.top - size.cy;
  left = std::max(left, static_cast<int>(monitor.rcWork.left));

  HWND dropDown = CreateWindowExW(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, kPopupClass, L"",
                                  WS_POPUP | WS_BORDER, left, top, size.cx, size.cy, picker,
                                  nullptr, GetModuleHandleW(nullptr), &state);
  if (dropDown == nullptr) return std::nullopt;
  ShowWindow(dropDown, SW_SHOWNOACTIVATE);
  SetCapture(dropDown);
  MSG msg;
  while (!state.done) {
    const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
    if (got == 0) {
      PostQuitMessage(static_cast<int>(msg.wParam));  // hand the quit on to the outer loop
      break;
    }
    if (got == -1) break;
    if (msg.message == WM_KEYDOWN || msg.message == WM_SYSKEYDOWN) {
      switch (msg.wParam) {
        case VK_ESCAPE:
        case VK_F4:
          state.done = true;
          break;
        case VK_RETURN:
        case VK_SPACE:
          state.chosen = state.hot;
          state.done = true;
          break;
        default:
          MoveHot(state, msg.wParam);
          InvalidateRect(dropDown, nullptr, FALSE);
          break;
      }
      continue;
    }
    if (msg.message == WM_CHAR || msg.message == WM_SYSCHAR || msg.message == WM_KEYUP) continue;
    DispatchMessageW(&msg);
  }
  state.done = true;  // so that the capture's release below reads as nothing
  ReleaseCapture();
  DestroyWindow(dropDown);
  return state.chosen;
}

std::optional<ColourValue> RunColourDialog(HWND picker) {
  static COLORREF custom[16] = {};
  CHOOSECOLORW dialog = {};
  dialog.lStructSize = sizeof(dialog);
  dialog.hwndOwner = GetAncestor(picker, GA_ROOT);
  dialog.rgbResult = static_cast<COLORREF>(PickerColour(picker));
  dialog.lpCustColors = custom;
  dialog.Flags = CC_RGBINIT | CC_FULLOPEN | CC_ANYCOLOR;
  using ChooseColorFn = BOOL(WINAPI*)(LPCHOOSECOLORW);
  const auto chooseColor = SystemFunction<ChooseColorFn>(L"comdlg32.dll", "ChooseColorW");
  if (chooseColor == nullptr || !chooseColor(&dialog)) return std::nullopt;
  return static_cast<ColourValue>(dialog.rgbResult) & 0xFFFFFFu;
}

void Open(HWND picker) {
  const std::optional<int> item = RunDropDown(picker);
  if (!item) return;
  std::optional<ColourValue> colour;
  if (*item == kMoreItem) {
    colour = RunColourDialog(picker);
  } else {
    colour = kPresets[static_cast<std::size_t>(*item)];
  }
  if (!colour) return;
  SetPickerColour(picker, *colour);
  Forward(picker, EventKind::ColourChosen);
}

void PaintPicker(HWND picker) {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(picker, &paint);
  const Scale scale{DpiOfWindow(picker)};
  RECT rect;
  GetClientRect(picker, &rect);
  FillRect(dc, &rect, GetSysColorBrush(COLOR_WINDOW));
  DrawEdge(dc, &rect, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
  RECT arrow = rect;
  arrow.left = arrow.right - scale(16);
  DrawFrameControl(dc, &arrow, DFC_SCROLL, DFCS_SCROLLCOMBOBOX);
  RECT swatch = rect;
  swatch.right = arrow.left;
  InflateRect(&swatch, -scale(2), -scale(2));
  FrameRect(dc, &swatch, GetSysColorBrush(COLOR_BTNSHADOW));
  InflateRect(&swatch, -1, -1);
  SetBkColor(dc, static_cast<COLORREF>(PickerColour(picker)));
  ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &swatch, nullptr, 0, nullptr);
  if (GetFocus() == picker) {
    RECT focus = rect;
    focus.right = arrow.left;
    InflateRect(&focus, -1, -1);
    SetTextColor(dc, RGB(0, 0, 0));
    SetBkColor(dc, RGB(255, 255, 255));
    DrawFocusRect(dc, &focus);
  }
  EndPaint(picker, &paint);
}

LRESULT CALLBACK PickerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT:
      PaintPicker(window);
      return 0;
    case WM_ERASEBKGND:
      return 1;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      InvalidateRect(window, nullptr, FALSE);
      return 0;
    case WM_LBUTTONDOWN:
      SetFocus(window);
      Open(window);
      return 0;
    case WM_KEYDOWN:
      if (wParam == VK_SPACE || wParam == VK_RETURN || wParam == VK_F4) {
        Open(window);
        return 0;
      }
      break;
    case WM_SYSKEYDOWN:
      if (wParam == VK_DOWN) {
        Open(window);
        return 0;
      }
      break;
    case WM_SETFONT:
      SetWindowLongPtrW(window, sizeof(LONG_PTR), static_cast<LONG_PTR>(wParam));
      return 0;
    case WM_GETFONT:
      return GetWindowLongPtrW(window, sizeof(LONG_PTR));
    default:
      break;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

bool RegisterColourPickerClass(HINSTANCE instance) {
  WNDCLASSEXW picker = {};
  picker.cbSize = sizeof(picker);
  picker.lpfnWndProc = PickerProc;
  picker.cbWndExtra = 2 * sizeof(LONG_PTR);  // colour, font
  picker.hInstance = instance;
  picker.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  picker.lpszClassName = kColourPickerClass;
  WNDCLASSEXW dropDown = {};
  dropDown.cbSize = sizeof(dropDown);
  dropDown.style = CS_DROPSHADOW;
  dropDown.lpfnWndProc = DropDownProc;
  dropDown.hInstance = instance;
  dropDown.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  dropDown.lpszClassName = kPopupClass;
  return RegisterClassExW(&picker) != 0 && RegisterClassExW(&dropDown) != 0;
}

ColourValue PickerColour(HWND picker) {
  return static_cast<ColourValue>(GetWindowLongPtrW(picker, 0));
}

void SetPickerColour(HWND picker, ColourValue colour) {
  SetWindowLongPtrW(picker, 0, static_cast<LONG_PTR>(colour & 0xFFFFFFu));
  InvalidateRect(picker, nullptr, FALSE);
}

}  // namespace navcss::win32
