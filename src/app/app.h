#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "app/control_id.h"
#include "app/toolkit_port.h"
#include "app/window_definition.h"
#include "colour/slot_table.h"
#include "preview/hover_pairs.h"

namespace navcss {

// The handlers of every event of the window, written once over the toolkit port.
class App {
 public:
  // runDirectory: UTF-8, where the companion colour tool is looked for.
  App(ToolkitPort& port, std::string runDirectory);

  // The one entry for native events. Events before MainWindowCreated (raised while the
  // window is being created) and events the definition does not bind are dropped.
  void Raise(ControlId control, EventKind event);

  void MainWindowCreated();

  void ApplySlotDefault(SlotKey slot);
  void SyncFieldFromPicker(SlotKey slot);
  void SyncColourFromField(SlotKey slot);  // and RefreshMockup for the slot
  void RefreshMockup(SlotKey slot);
  ColourValue SlotColour(SlotKey slot);

  void HoverTick();

  void GenerateNavCss();
  void CopyTransparentNavSnippet();
  void CopyHiddenNavSnippet();
  void CopyAndConfirm(const GbkText& text);

  void StartColourTool();
  void OpenShopLink();

  const std::array<std::int32_t, kHoverPairCount>& HoveredFlags() const { return hovered_; }

 private:
  bool Hovering(const HoverPair& pair);

  ToolkitPort& port_;
  std::string runDirectory_;
  bool created_ = false;
  std::array<std::int32_t, kHoverPairCount> hovered_{};
};

}  // namespace navcss
