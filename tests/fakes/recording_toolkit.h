#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "app/app.h"
#include "app/toolkit_port.h"

namespace navcss::testing {

struct ShownMessage {
  std::string text;
  std::string title;
  MessageIcon icon;
};

// The null back-end: control state in arrays, every port call written to a log
// ("SetBackground 导背景 #FF0000"), and the toolkit's synchronous text-changed event.
class RecordingToolkit : public ToolkitPort {
 public:
  void Attach(App& app) { app_ = &app; }

  // What a user does through the real toolkit.
  void UserTypes(ControlId field, const GbkText& text);
  void UserChooses(ControlId picker, ColourValue colour);

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

  // Control state, as the window would show it.
  std::array<GbkText, kControlCount> text{};
  std::array<ColourValue, kControlCount> background{};
  std::array<ColourValue, kControlCount> textColour{};
  std::array<ColourValue, kControlCount> pickerColour{};
  std::array<int, kControlCount> textChangedRaised{};
  std::array<int, kControlCount> colourChosenRaised{};
  int timerPeriod = 100;

  std::vector<std::string> log;
  std::optional<ControlId> underPointer;
  int pointerQueries = 0;
  bool clipboardFails = false;
  GbkText clipboard = "what the user had";
  std::vector<ShownMessage> messages;
  std::vector<std::string> started;
  std::vector<std::string> opened;

  // Port writes in the log since the last call, reads left out.
  std::vector<std::string> TakeWrites();

 private:
  void Log(std::string op, ControlId id, const std::string& value = {});
  App* app_ = nullptr;
};

// A window after start-up: the fake, the app, and MainWindowCreated already run.
struct StartedWindow {
  StartedWindow();
  RecordingToolkit toolkit;
  App app;
};

std::string Hex(ColourValue colour);  // "#RRGGBB", for log entries and messages

}  // namespace navcss::testing
