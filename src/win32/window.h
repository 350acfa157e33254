#pragma once

#include <windows.h>

#include <optional>

#include "app/app.h"
#include "app/window_definition.h"

namespace navcss::win32 {

// A control's window ID is its ControlId plus this, so a window names its control.
inline constexpr int kControlIdBase = 1000;
// The hover timer runs on the main window under its control id.
inline constexpr UINT_PTR kTimerId = kControlIdBase + Index(ControlId::时钟1);
inline constexpr wchar_t kMainWindowClass[] = L"NavcssMainWindow";

// Definition pixels at a DPI. Edges are scaled rather than sizes, so boxes that touch at
// 96 DPI still touch and one-pixel gaps stay one gap at every scale.
struct Scale {
  int dpi = USER_DEFAULT_SCREEN_DPI;
  int operator()(int pixels) const { return MulDiv(pixels, dpi, USER_DEFAULT_SCREEN_DPI); }
  RECT Of(const Rect& rect) const {
    return {(*this)(rect.x), (*this)(rect.y), (*this)(rect.x + rect.width),
            (*this)(rect.y + rect.height)};
  }
};

// Creates the main window and every control of the definition, hidden, placed for the
// DPI of the screen it will appear on. Null if the system refused.
HWND CreateMainWindow(HINSTANCE instance);

// Native events reach the App only once it is attached; until then they are dropped.
void AttachApp(App* app);
void Forward(ControlId control, EventKind event);
void Forward(HWND control, EventKind event);

HWND WindowOf(ControlId control);

// Paints a control through an off-screen bitmap, so that a repaint never shows the
// background over the old picture for a moment.
void PaintBuffered(HWND control, void (*paint)(HWND control, HDC dc));
// The control a window of ours stands for; none for any other window.
std::optional<ControlId> ControlOf(HWND window);

// Shows the window where creation centred it, and activates it.
void ShowMainWindow(HWND mainWindow);
int RunMessageLoop(HWND mainWindow);

}  // namespace navcss::win32
