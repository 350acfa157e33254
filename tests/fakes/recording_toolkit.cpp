#include "fakes/recording_toolkit.h"

namespace navcss::testing {

std::string Hex(ColourValue colour) {
  return ColourToHexText(colour);
}

void RecordingToolkit::Log(std::string op, ControlId id, const std::string& value) {
  op += ' ';
  op += Def(id).name;
  if (!value.empty()) {
    op += ' ';
    op += value;
  }
  log.push_back(std::move(op));
}

std::vector<std::string> RecordingToolkit::TakeWrites() {
  std::vector<std::string> writes;
  for (const std::string& entry : log) {
    if (entry.starts_with("Set") || entry.starts_with("Clipboard") ||
        entry.starts_with("Message") || entry.starts_with("Start") || entry.starts_with("Open")) {
      writes.push_back(entry);
    }
  }
  log.clear();
  return writes;
}

void RecordingToolkit::UserTypes(ControlId field, const GbkText& newText) {
  text[Index(field)] = newText;
  ++textChangedRaised[Index(field)];
  app_->Raise(field, EventKind::TextChanged);
}

void RecordingToolkit::UserChooses(ControlId picker, ColourValue colour) {
  pickerColour[Index(picker)] = colour;
  ++colourChosenRaised[Index(picker)];
  app_->Raise(picker, EventKind::ColourChosen);
}

GbkText RecordingToolkit::EditText(ControlId box) {
  Log("EditText", box);
  return text[Index(box)];
}

void RecordingToolkit::SetEditText(ControlId box, const GbkText& newText) {
  Log("SetEditText", box, newText);
  text[Index(box)] = newText;
  // The toolkit's contract: raised inside the write, once, also for an equal text.
  ++textChangedRaised[Index(box)];
  if (app_) app_->Raise(box, EventKind::TextChanged);
}

ColourValue RecordingToolkit::Background(ControlId control) {
  Log("Background", control);
  return background[Index(control)];
}

void RecordingToolkit::SetBackground(ControlId control, ColourValue colour) {
  Log("SetBackground", control, Hex(colour));
  background[Index(control)] = colour;
}

void RecordingToolkit::SetTextColour(ControlId label, ColourValue colour) {
  Log("SetTextColour", label, Hex(colour));
  textColour[Index(label)] = colour;
}

ColourValue RecordingToolkit::PickerColour(ControlId picker) {
  Log("PickerColour", picker);
  return pickerColour[Index(picker)];
}

void RecordingToolkit::SetPickerColour(ControlId picker, ColourValue colour) {
  Log("SetPickerColour", picker, Hex(colour));
  pickerColour[Index(picker)] = colour;
}

void RecordingToolkit::SetTimerPeriod(ControlId timer, int milliseconds) {
  Log("SetTimerPeriod", timer, std::to_string(milliseconds));
  timerPeriod = milliseconds;
}

std::optional<ControlId> RecordingToolkit::ControlUnderPointer() {
  ++pointerQueries;
  log.emplace_back("ControlUnderPointer");
  return underPointer;
}

bool RecordingToolkit::PutClipboardText(const GbkText& newText) {
  log.push_back("Clipboard " + std::to_string(newText.size()) + " bytes");
  if (clipboardFails) return false;
  clipboard = newText;
  return true;
}

void RecordingToolkit::ShowMessage(const MessageBoxSpec& box) {
  log.push_back("Message " + std::string(box.title));
  messages.push_back({std::string(box.text), std::string(box.title), box.icon});
}

bool RecordingToolkit::StartProgram(std::string_view path) {
  log.push_back("StartProgram " + std::string(path));
  started.emplace_back(path);
  return false;
}

bool RecordingToolkit::OpenAddress(std::string_view address) {
  log.push_back("OpenAddress " + std::string(address));
  opened.emplace_back(address);
  return true;
}

StartedWindow::StartedWindow() : app(toolkit, "/opt/navcss") {
  toolkit.Attach(app);
  for (const ControlDef& def : kControls) {
    toolkit.background[Index(def.id)] = def.background;
    toolkit.textColour[Index(def.id)] = def.textColour;
    toolkit.pickerColour[Index(def.id)] = def.pickerColour;
  }
  app.MainWindowCreated();
}

}  // namespace navcss::testing
