#pragma once

#include <QColor>
#include <QFont>
#include <QString>
#include <QWidget>

#include "colour/colour_value.h"

namespace navcss::qt {

QColor ToQColor(ColourValue colour);
ColourValue FromQColor(const QColor& colour);

// A borderless box filled with its background colour.
class PictureBox : public QWidget {
  Q_OBJECT
 public:
  explicit PictureBox(QWidget* parent);

  ColourValue Background() const { return background_; }
  void SetBackground(ColourValue colour);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  ColourValue background_ = 0;
};

// Paints its caption and nothing else, so whatever lies behind shows through; still a
// widget of its own for hit tests and the pointer.
class TransparentLabel : public QWidget {
  Q_OBJECT
 public:
  TransparentLabel(QWidget* parent, const QString& caption, Qt::Alignment horizontal);

  void SetTextColour(ColourValue colour);
  ColourValue TextColour() const { return textColour_; }

 signals:
  void leftButtonPressed();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  // QWidget turns the second press of a double-click into a press; it must stay unhandled.
  void mouseDoubleClickEvent(QMouseEvent* event) override;

 private:
  QString caption_;
  Qt::Alignment alignment_;
  ColourValue textColour_ = 0;
};

}  // namespace navcss::qt
