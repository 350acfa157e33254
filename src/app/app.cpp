#include "app/app.h"

#include <utility>

#include "actions/outside.h"
#include "css/nav_css.h"
#include "preview/mockup.h"

namespace navcss {

namespace {
constexpr MessageBoxSpec kCopiedBox = {"代码已生成已复制", "成功", MessageIcon::None};
constexpr MessageBoxSpec kCopyFailedBox = {"复制失败，请重试", "失败", MessageIcon::Warning};
}  // namespace

App::App(ToolkitPort& port, std::string runDirectory)
    : port_(port), runDirectory_(std::move(runDirectory)) {}

void App::Raise(ControlId control, EventKind event) {
  // Events raised while the window is being created are dropped, not delivered later.
  if (!created_ || event == EventKind::None || Def(control).event != event) return;
  switch (event) {
    case EventKind::TextChanged:
      if (auto slot = SlotOfField(control)) SyncColourFromField(*slot);
      return;
    case EventKind::ColourChosen:
      if (auto slot = SlotOfPicker(control)) SyncFieldFromPicker(*slot);
      return;
    case EventKind::Tick:
      HoverTick();
      return;
    case EventKind::LeftButtonPressed:
      OpenShopLink();
      return;
    case EventKind::Clicked:
      if (control == ControlId::按钮1) GenerateNavCss();
      if (control == ControlId::按钮2) CopyTransparentNavSnippet();
      if (control == ControlId::按钮3) CopyHiddenNavSnippet();
      if (control == ControlId::按钮4) StartColourTool();
      return;
    case EventKind::None:
      return;
  }
}

void App::MainWindowCreated() {
  created_ = true;
  for (const ColourSlot& slot : kSlots) ApplySlotDefault(slot.key);
  port_.SetTimerPeriod(ControlId::时钟1, Def(ControlId::时钟1).timerPeriodMs);
}

void App::ApplySlotDefault(SlotKey slot) {
  port_.SetPickerColour(Slot(slot).picker, Slot(slot).defaultColour);
  SyncFieldFromPicker(slot);
}

void App::SyncFieldFromPicker(SlotKey slot) {
  const ColourSlot& s = Slot(slot);
  port_.SetEditText(s.field, ColourToHexText(port_.PickerColour(s.picker)));
  port_.SetBackground(s.field, HexTextToColour(port_.EditText(s.field)));
}

void App::SyncColourFromField(SlotKey slot) {
  const ColourSlot& s = Slot(slot);
  port_.SetBackground(s.field, HexTextToColour(port_.EditText(s.field)));
  RefreshMockup(slot);
}

void App::RefreshMockup(SlotKey slot) {
  for (const MockupElement& element : kMockupElements) {
    if (element.slot != slot) continue;
    if (element.property == ColourProperty::Background) {
      port_.SetBackground(element.control, SlotColour(slot));
    } else {
      port_.SetTextColour(element.control, SlotColour(slot));
    }
  }
}

ColourValue App::SlotColour(SlotKey slot) {
  return port_.Background(Slot(slot).field);
}

bool App::Hovering(const HoverPair& pair) {
  // Two fresh queries: the label is a window of its own inside the box.
  if (port_.ControlUnderPointer() == pair.box) return true;
  return port_.ControlUnderPointer() == pair.label;
}

void App::HoverTick() {
  for (std::size_t i = 0; i < kHoverPairs.size(); ++i) {
    const HoverPair& pair = kHoverPairs[i];
    const bool under = Hovering(pair);
    if (under == (hovered_[i] == 1)) continue;
    port_.SetBackground(pair.box, SlotColour(under ? pair.hoverBackground : pair.normalBackground));
    port_.SetTextColour(pair.label, SlotColour(under ? pair.hoverText : pair.normalText));
    hovered_[i] = under ? 1 : 0;
  }
}

void App::GenerateNavCss() {
  CopyAndConfirm(BuildNavCss([this](SlotKey slot) { return port_.EditText(Slot(slot).field); }));
}

void App::CopyTransparentNavSnippet() {
  CopyAndConfirm(GbkText(kTransparentNavSnippet));
}

void App::CopyHiddenNavSnippet() {
  CopyAndConfirm(GbkText(kHiddenNavSnippet));
}

void App::CopyAndConfirm(const GbkText& text) {
  port_.ShowMessage(port_.PutClipboardText(text) ? kCopiedBox : kCopyFailedBox);
}

void App::StartColourTool() {
  port_.StartProgram(ColourToolPath(runDirectory_));
}

void App::OpenShopLink() {
  port_.OpenAddress(ShopLinkAddress());
}

}  // namespace navcss
