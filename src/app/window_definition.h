#pragma once

#include <array>
#include <optional>
#include <span>
#include <string_view>

#include "app/control_id.h"
#include "colour/colour_value.h"
#include "colour/slot_table.h"

namespace navcss {

// The window as data: both front-ends build every control from this and repeat no place,
// size or text. Texts here are UTF-8 (display only; they never pass the byte rules).

struct Rect {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
  constexpr int Right() const { return x + width - 1; }  // last column covered
  constexpr int Bottom() const { return y + height - 1; }
  constexpr bool Contains(int px, int py) const {
    return px >= x && px <= Right() && py >= y && py <= Bottom();
  }
};

enum class ControlKind {
  MainWindow,
  EditBox,
  ColourPicker,
  PictureBox,
  TransparentLabel,
  Button,
  Timer
};
enum class Pointer { Arrow, Hand };
enum class HAlign { Left, Centre };

// Which native event a control forwards to the core; every other event is ignored.
enum class EventKind { None, TextChanged, ColourChosen, Clicked, LeftButtonPressed, Tick };

struct FontSpec {
  int pixelHeight = 0;  // 0: the toolkit's default user-interface font
  int weight = 400;
  constexpr bool IsDefault() const { return pixelHeight == 0 && weight == 400; }
};

struct ControlDef {
  ControlId id;
  std::string_view name;  // UTF-8, the control's name
  ControlKind kind;
  ControlId parent;
  Rect rect;  // in the parent's client area
  std::string_view caption = {};
  Pointer pointer = Pointer::Arrow;
  FontSpec font = {};
  HAlign align = HAlign::Left;  // labels are always vertically centred
  EventKind event = EventKind::None;
  int tabOrder = -1;                  // -1: not a tab stop
  ColourValue background = 0;         // picture boxes, edit boxes: the colour at creation
  ColourValue textColour = 0;         // labels
  ColourValue pickerColour = 0;       // pickers
  bool systemFaceBackground = false;  // filled with the desktop's 3D face colour
  int timerPeriodMs = 0;
};

struct MainWindowDef {
  std::string_view caption;
  int clientWidth;
  int clientHeight;
};

// The panel picture, drawn at run time in the client coordinates of 图片库1.
struct PanelFrame {
  int left, top, right, bottom;  // inclusive; slightly rounded corners
  std::string_view caption;      // breaks the top line over [captionLeft, captionRight]
  int captionLeft, captionRight;
  int captionTop;  // top of the caption's glyphs
};

struct PanelRowLabel {
  SlotKey slot;  // text: Slot(slot).rowLabel
  int right;     // last column of the right-aligned text
  int top;       // top of the glyphs
};

struct PanelPicture {
  int width;
  int height;
  ColourValue background;
  ColourValue frameColour;
  ColourValue textColour;
  int fontPixelHeight;  // a Chinese face of this glyph height
  std::array<PanelFrame, 4> frames;
  std::array<PanelRowLabel, kSlotCount> labels;
};

extern const MainWindowDef kMainWindow;
extern const std::array<ControlDef, kControlCount> kControls;  // indexed by ControlId
extern const PanelPicture kPanelPicture;

inline const ControlDef& Def(ControlId id) {
  return kControls[Index(id)];
}

// Place of a control in the main window's client area (sums the parents' places).
Rect PlaceInWindow(ControlId id);

// The innermost control whose rectangle holds the client point, honouring stacking and
// clipping to parents; nullopt for the bare main window. Front-ends use their own hit
// test; this is the reference the tests compare them with.
std::optional<ControlId> ControlAt(int x, int y);

// Controls with a tab stop, in tab order.
std::span<const ControlId> TabOrder();

}  // namespace navcss
