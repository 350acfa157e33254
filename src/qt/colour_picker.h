#pragma once

#include <QWidget>

#include "colour/colour_value.h"

namespace navcss::qt {

// A sunken swatch with a drop-down arrow. Its drop-down offers preset colours and
// "其它颜色..." for the colour dialog. Only a completed choice emits colourChosen.
class ColourPicker : public QWidget {
  Q_OBJECT
 public:
  explicit ColourPicker(QWidget* parent);

  ColourValue Colour() const { return colour_; }
  void SetColour(ColourValue colour);  // emits nothing

  void OpenDropDown();

 signals:
  void colourChosen();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void Choose(ColourValue colour);
  void OpenDialog();

  ColourValue colour_ = 0;
};

// The preset grid; a popup, so a click outside or Escape closes it without a choice.
class ColourDropDown : public QWidget {
  Q_OBJECT
 public:
  ColourDropDown(QWidget* owner, ColourValue current);

  static constexpr int kColumns = 8;
  static constexpr int kRows = 5;
  static constexpr int kCells = kColumns * kRows;  // the last index is the dialog button

  int Highlight() const { return highlight_; }

 signals:
  void colourPicked(navcss::ColourValue colour);
  void dialogRequested();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  int IndexAt(QPoint point) const;
  QRect CellRect(int index) const;
  QRect ButtonRect() const;
  void Activate(int index);

  int highlight_ = 0;
};

}  // namespace navcss::qt
