#pragma once

#include "app/toolkit_port.h"

namespace navcss::qt {

class MainWindow;

// The toolkit port over the widgets of a MainWindow.
class QtPort : public ToolkitPort {
 public:
  explicit QtPort(MainWindow& window) : window_(window) {}

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
  MainWindow& window_;
};

}  // namespace navcss::qt
