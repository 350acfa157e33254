#pragma once

#include <windows.h>

#include <array>

#include "app/toolkit_port.h"
#include "app/window_definition.h"

namespace navcss::win32 {

// The toolkit port over the window that CreateMainWindow built.
class Win32Port final : public ToolkitPort {
 public:
  explicit Win32Port(HWND mainWindow);
  ~Win32Port() override;
  Win32Port(const Win32Port&) = delete;
  Win32Port& operator=(const Win32Port&) = delete;

  GbkText EditText(ControlId box) override;
  void SetEditText(ControlId box, const GbkText& text) override;
  ColourValue Background(ControlId control) override;
  void SetBackground(ControlId control, ColourValue colour) override;
  void SetTextColour(ControlId label, ColourValue colour) override;
  ColourValue PickerColour(ControlId picker) override;
  void SetPickerColour(ControlId picker, ColourValue colour) override;
  void SetTimerPeriod(ControlId timer, int milliseconds) override;
  std::optional<ControlId> ControlUnderPointer() override;
  bool PutClipboardText(const GbkText& text) override;
  void ShowMessage(const MessageBoxSpec& box) override;
  bool StartProgram(std::string_view path) override;
  bool OpenAddress(std::string_view address) override;

 private:
  HWND mainWindow_;
  std::array<ColourValue, kControlCount> background_{};
  std::array<HBRUSH, kControlCount> fieldBrush_{};
  int timerPeriod_ = Def(ControlId::时钟1).timerPeriodMs;
};

}  // namespace navcss::win32
