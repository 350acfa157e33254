#include "win32/mockup_controls.h"

#include <string>
#include <vector>

#include "app/window_definition.h"
#include "win32/window.h"

namespace navcss::win32 {

namespace {

constexpr int kColourSlot = 0;
constexpr int kFontSlot = sizeof(LONG_PTR);

ColourValue StoredColour(HWND window) {
  return static_cast<ColourValue>(GetWindowLongPtrW(window, kColourSlot));
}

bool SetPointer(HWND window) {
  const std::optional<ControlId> id = ControlOf(window);
  const bool hand = id && Def(*id).pointer == Pointer::Hand;
  SetCursor(LoadCursorW(nullptr, hand ? IDC_HAND : IDC_ARROW));
  return true;
}

void Fill(HDC dc, const RECT& rect, ColourValue colour) {
  // COLORREF has red in its low byte, as ColourValue does.
  SetBkColor(dc, static_cast<COLORREF>(colour));
  ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &rect, nullptr, 0, nullptr);
}

RECT ClientInParent(HWND window) {
  RECT rect;
  GetClientRect(window, &rect);
  MapWindowPoints(window, GetParent(window), reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

LRESULT CALLBACK BoxProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT: {
      PAINTSTRUCT paint;
      HDC dc = BeginPaint(window, &paint);
      Fill(dc, paint.rcPaint, StoredColour(window));
      EndPaint(window, &paint);
      return 0;
    }
    case WM_PRINTCLIENT: {
      RECT client;
      GetClientRect(window, &client);
      Fill(reinterpret_cast<HDC>(wParam), client, StoredColour(window));
      return 0;
    }
    case WM_SETCURSOR:
      // Over a label inside the box the label chooses; it asks for no hand of its own.
      if (reinterpret_cast<HWND>(wParam) == window && LOWORD(lParam) == HTCLIENT) {
        return SetPointer(window);
      }
      break;
    default:
      break;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

// A transparent child cannot rely on paint order among siblings, so the label draws what
// lies behind it itself: its parent, then every sibling behind it, farthest first.
void PaintWhatLiesBehind(HWND label, HDC dc) {
  HWND parent = GetParent(label);
  const RECT own = ClientInParent(label);
  POINT origin;
  SetViewportOrgEx(dc, -own.left, -own.top, &origin);
  SendMessageW(parent, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT | PRF_ERASEBKGND);
  std::vector<HWND> behind;
  for (HWND s = GetWindow(label, GW_HWNDNEXT); s != nullptr; s = GetWindow(s, GW_HWNDNEXT)) {
    behind.push_back(s);
  }
  for (auto it = behind.rbegin(); it != behind.rend(); ++it) {
    const RECT place = ClientInParent(*it);
    RECT overlap;
    if ((GetWindowLongW(*it, GWL_STYLE) & WS_VISIBLE) == 0 ||
        !IntersectRect(&overlap, &place, &own)) {
      continue;
    }
    SetViewportOrgEx(dc, place.left - own.left, place.top - own.top, nullptr);
    SendMessageW(*it, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT | PRF_ERASEBKGND);
  }
  SetViewportOrgEx(dc, origin.x, origin.y, nullptr);
}

void DrawCaption(HWND label, HDC dc) {
  RECT client;
  GetClientRect(label, &client);
  std::wstring caption(static_cast<std::size_t>(GetWindowTextLengthW(label)) + 1, L'\0');
  caption.resize(static_cast<std::size_t>(
      GetWindowTextW(label, caption.data(), static_cast<int>(caption.size()))));
  const std::optional<ControlId> id = ControlOf(label);
  const UINT align = id && Def(*id).align == HAlign::Centre ? DT_CENTER : DT_LEFT;
  HGDIOBJ oldFont = SelectObject(dc, reinterpret_cast<HFONT>(GetWindowLongPtrW(label, kFontSlot)));
  SetTextColor(dc, static_cast<COLORREF>(StoredColour(label)));
  SetBkMode(dc, TRANSPARENT);
  DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &client,
            align | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
  SelectObject(dc, oldFont);
}

void PaintLabel(HWND label, HDC dc) {
  PaintWhatLiesBehind(label, dc);
  DrawCaption(label, dc);
}

LRESULT CALLBACK LabelProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT:
      PaintBuffered(window, PaintLabel);
      return 0;
    case WM_PRINTCLIENT:
      DrawCaption(window, reinterpret_cast<HDC>(wParam));
      return 0;
    case WM_SETFONT:
      SetWindowLongPtrW(window, kFontSlot, static_cast<LONG_PTR>(wParam));
      if (LOWORD(lParam) != 0) InvalidateRect(window, nullptr, FALSE);
      return 0;
    case WM_GETFONT:
      return GetWindowLongPtrW(window, kFontSlot);
    case WM_SETCURSOR:
      return SetPointer(window);
    case WM_LBUTTONDOWN:
      // The press, not the release. The class takes double-clicks, so the second press of
      // one arrives as WM_LBUTTONDBLCLK and is ignored.
      Forward(window, EventKind::LeftButtonPressed);
      return 0;
    default:
      break;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

bool IsLabel(HWND window) {
  wchar_t name[64];
  return GetClassNameW(window, name, 64) > 0 && lstrcmpW(name, kTransparentLabelClass) == 0;
}

}  // namespace

bool RegisterMockupControlClasses(HINSTANCE instance) {
  WNDCLASSEXW box = {};
  box.cbSize = sizeof(box);
  box.lpfnWndProc = BoxProc;
  box.cbWndExtra = sizeof(LONG_PTR);
  box.hInstance = instance;
  box.lpszClassName = kMockupBoxClass;
  WNDCLASSEXW label = box;
  label.style = CS_DBLCLKS;
  label.lpfnWndProc = LabelProc;
  label.cbWndExtra = 2 * sizeof(LONG_PTR);
  label.lpszClassName = kTransparentLabelClass;
  return RegisterClassExW(&box) != 0 && RegisterClassExW(&label) != 0;
}

void SetBoxColour(HWND box, ColourValue colour) {
  SetWindowLongPtrW(box, kColourSlot, static_cast<LONG_PTR>(colour));
  RedrawWindow(box, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  // A label lying in front (not inside) shows this box through its letters.
  const RECT place = ClientInParent(box);
  for (HWND s = GetWindow(box, GW_HWNDPREV); s != nullptr; s = GetWindow(s, GW_HWNDPREV)) {
    const RECT other = ClientInParent(s);
    RECT overlap;
    if (IsLabel(s) && IntersectRect(&overlap, &place, &other)) {
      RedrawWindow(s, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    }
  }
}

void SetLabelTextColour(HWND label, ColourValue colour) {
  SetWindowLongPtrW(label, kColourSlot, static_cast<LONG_PTR>(colour));
  RedrawWindow(label, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
}

}  // namespace navcss::win32
