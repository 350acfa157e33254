// The Win32 toolkit port.
//
// [x] Edit boxes: EDIT controls; a program write raises TextChanged itself, exactly once,
//     and the EN_CHANGE it causes is not forwarded. Backgrounds by WM_CTLCOLOREDIT, text
//     always black.
// [x] Picture boxes and transparent labels: window classes of our own (mockup_controls).
// [x] Pickers: our own control with a drop-down and the system colour dialog.
// [x] Timer: SetTimer on the main window; an unchanged period leaves it alone.
// [x] Pointer: WindowFromPoint on the cursor, mapped back to the control's name.
// [x] Clipboard: CF_TEXT only, the GBK bytes and one zero; memory prepared before the
//     clipboard is opened, so a failure leaves what was there; a held clipboard is tried
//     a few times within 100 ms before the copy counts as failed.
// [x] Message boxes: task-modal, no owner, one OK button.
// [x] Programs: CreateProcessW on the quoted path, waiting at most 1000 ms for input idle.
// [x] Addresses: ShellExecuteW "open".
// [ ] Clipboard formats other than CF_TEXT (the behaviour asks for plain ANSI text only).

#include "win32/port.h"

#include <cstring>

#include "app/app.h"
#include "win32/colour_picker.h"
#include "win32/dpi.h"
#include "win32/mockup_controls.h"
#include "win32/panel_painting.h"
#include "win32/wide_text.h"
#include "win32/window.h"

namespace navcss::win32 {

namespace {

constexpr DWORD kToolReadyWaitMs = 1000;
constexpr int kClipboardAttempts = 5;
constexpr DWORD kClipboardRetryMs = 20;

}  // namespace

Win32Port::Win32Port(HWND mainWindow) : mainWindow_(mainWindow) {
  for (const ControlDef& def : kControls) {
    background_[Index(def.id)] = def.background;
  }
}

Win32Port::~Win32Port() {
  for (HBRUSH brush : fieldBrush_) {
    if (brush != nullptr) DeleteObject(brush);
  }
}

GbkText Win32Port::EditText(ControlId box) {
  HWND field = WindowOf(box);
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(field)) + 1, L'\0');
  text.resize(
      static_cast<std::size_t>(GetWindowTextW(field, text.data(), static_cast<int>(text.size()))));
  return WideToGbk(text);
}

void Win32Port::SetEditText(ControlId box, const GbkText& text) {
  HWND field = WindowOf(box);
  // EN_CHANGE may come once, or not at all for an equal text; the port raises the
  // handling itself, exactly once, after the text is in place.
  SetPropW(field, kFieldQuietProperty, reinterpret_cast<HANDLE>(1));
  SetWindowTextW(field, GbkToWide(text).c_str());
  RemovePropW(field, kFieldQuietProperty);
  Forward(box, EventKind::TextChanged);
}

ColourValue Win32Port::Background(ControlId control) {
  return background_[Index(control)];
}

void Win32Port::SetBackground(ControlId control, ColourValue colour) {
  background_[Index(control)] = colour;
  HWND window = WindowOf(control);
  if (Def(control).kind != ControlKind::EditBox) {
    SetBoxColour(window, colour);
    return;
  }
  HBRUSH brush = CreateSolidBrush(static_cast<COLORREF>(colour & 0xFFFFFFu));
  SetPropW(window, kFieldBrushProperty, brush);
  if (fieldBrush_[Index(control)] != nullptr) DeleteObject(fieldBrush_[Index(control)]);
  fieldBrush_[Index(control)] = brush;
  RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME);
}

void Win32Port::SetTextColour(ControlId label, ColourValue colour) {
  SetLabelTextColour(WindowOf(label), colour);
}

ColourValue Win32Port::PickerColour(ControlId picker) {
  return win32::PickerColour(WindowOf(picker));
}

void Win32Port::SetPickerColour(ControlId picker, ColourValue colour) {
  win32::SetPickerColour(WindowOf(picker), colour);
}

void Win32Port::SetTimerPeriod(ControlId, int milliseconds) {  // the one timer
  // SetTimer with the same ID restarts the count, so an unchanged period is left alone.
  if (timerPeriod_ == milliseconds) return;
  timerPeriod_ = milliseconds;
  SetTimer(mainWindow_, kTimerId, static_cast<UINT>(milliseconds), nullptr);
}

std::optional<ControlId> Win32Port::ControlUnderPointer() {
  POINT cursor;
  if (!GetCursorPos(&cursor)) return std::nullopt;
  return ControlOf(WindowFromPoint(cursor));
}

bool Win32Port::PutClipboardText(const GbkText& text) {
  // Prepared first: once EmptyClipboard has run, the user's previous content is gone.
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, text.size() + 1);
  if (memory == nullptr) return false;
  void* bytes = GlobalLock(memory);
  if (bytes == nullptr) {
    GlobalFree(memory);
    return false;
  }
  std::memcpy(bytes, text.data(), text.size());  // the zero byte is already there
  GlobalUnlock(memory);
  // Another program may hold the clipboard for a moment (a clipboard manager reading it):
  // a few short tries before giving up.
  bool opened = false;
  for (int attempt = 0; attempt < kClipboardAttempts && !opened; ++attempt) {
    if (attempt > 0) Sleep(kClipboardRetryMs);
    opened = OpenClipboard(mainWindow_) != 0;
  }
  if (!opened) {
    GlobalFree(memory);
    return false;
  }
  const bool placed = EmptyClipboard() && SetClipboardData(CF_TEXT, memory) != nullptr;
  CloseClipboard();
  if (!placed) GlobalFree(memory);  // the clipboard owns it only once it is placed
  return placed;
}

void Win32Port::ShowMessage(const MessageBoxSpec& box) {
  const UINT icon = box.icon == MessageIcon::Warning ? MB_ICONWARNING : 0;
  MessageBoxW(nullptr, Utf8ToWide(box.text).c_str(), Utf8ToWide(box.title).c_str(),
              MB_OK | MB_TASKMODAL | icon);
}

bool Win32Port::StartProgram(std::string_view path) {
  // Quoted, so a folder name with spaces is not read as a program plus arguments.
  std::wstring commandLine = L"\"" + Utf8ToWide(path) + L"\"";
  STARTUPINFOW startup = {};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION process = {};
  if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &process)) {
    return false;
  }
  WaitForInputIdle(process.hProcess, kToolReadyWaitMs);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return true;
}

bool Win32Port::OpenAddress(std::string_view address) {
  using ShellExecuteFn = HINSTANCE(WINAPI*)(HWND, LPCWSTR, LPCWSTR, LPCWSTR, LPCWSTR, INT);
  const auto shellExecute = SystemFunction<ShellExecuteFn>(L"shell32.dll", "ShellExecuteW");
  if (shellExecute == nullptr) return false;
  const HINSTANCE result =
      shellExecute(nullptr, L"open", Utf8ToWide(address).c_str(), nullptr, nullptr, SW_SHOWNORMAL);
  return reinterpret_cast<INT_PTR>(result) > 32;
}

}  // namespace navcss::win32
