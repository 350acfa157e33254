#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "app/control_id.h"
#include "colour/colour_value.h"

namespace navcss {

enum class MessageIcon { None, Warning };

struct MessageBoxSpec {
  std::string_view text;   // UTF-8
  std::string_view title;  // UTF-8
  MessageIcon icon;
};

// What the handlers need from a window toolkit, and nothing more. Front-ends implement it
// over native controls; tests implement it with a recording fake.
class ToolkitPort {
 public:
  virtual ~ToolkitPort() = default;

  // Edit boxes. A write raises the box's text-changed handling (App::Raise with
  // EventKind::TextChanged) synchronously and exactly once, even for an equal text.
  virtual GbkText EditText(ControlId box) = 0;
  virtual void SetEditText(ControlId box, const GbkText& text) = 0;

  // Backgrounds of edit boxes and picture boxes; a read gives back the last write exactly.
  virtual ColourValue Background(ControlId control) = 0;
  virtual void SetBackground(ControlId control, ColourValue colour) = 0;

  // Transparent labels: repaints the label cleanly over whatever lies behind it.
  virtual void SetTextColour(ControlId label, ColourValue colour) = 0;

  // Colour pickers. A write raises nothing.
  virtual ColourValue PickerColour(ControlId picker) = 0;
  virtual void SetPickerColour(ControlId picker, ColourValue colour) = 0;

  // Writing the period a running timer already has must leave its rhythm undisturbed.
  virtual void SetTimerPeriod(ControlId timer, int milliseconds) = 0;

  // The named control of this window under the mouse pointer, or none (no window, or
  // another program's). A fresh query on every call.
  virtual std::optional<ControlId> ControlUnderPointer() = 0;

  // Places the text as plain text. The data is prepared before the clipboard's content is
  // replaced, so on failure (false) the previous content stays.
  virtual bool PutClipboardText(const GbkText& text) = 0;

  // Modal, one OK button; returns when the user has closed it.
  virtual void ShowMessage(const MessageBoxSpec& box) = 0;

  // Starts the program at the path (UTF-8), no arguments, not waiting for its end.
  virtual bool StartProgram(std::string_view path) = 0;

  // Hands the address to the desktop's default handler with the action "open".
  virtual bool OpenAddress(std::string_view address) = 0;
};

}  // namespace navcss
