#pragma once

#include <QFont>

#include "qt/mockup_controls.h"

namespace navcss::qt {

// The Chinese face of the panel's captions and labels, sized so that its glyphs are
// pixelHeight pixels tall.
QFont PanelFont(int pixelHeight);

// 图片库1: the box in the 3D face colour with the panel picture drawn from its corner.
class ColourPanel : public PictureBox {
  Q_OBJECT
 public:
  explicit ColourPanel(QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QFont font_;
};

}  // namespace navcss::qt
