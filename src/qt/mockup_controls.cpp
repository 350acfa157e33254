#include "qt/mockup_controls.h"

#include <QMouseEvent>
#include <QPainter>

namespace navcss::qt {

QColor ToQColor(ColourValue colour) {
  return QColor(static_cast<int>(RedOf(colour)), static_cast<int>(GreenOf(colour)),
                static_cast<int>(BlueOf(colour)));
}

ColourValue FromQColor(const QColor& colour) {
  return Rgb(static_cast<unsigned>(colour.red()), static_cast<unsigned>(colour.green()),
             static_cast<unsigned>(colour.blue()));
}

PictureBox::PictureBox(QWidget* parent) : QWidget(parent) {
  // Fully painted: Qt need not draw what lies behind it first.
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void PictureBox::SetBackground(ColourValue colour) {
  background_ = colour;
  update();
}

void PictureBox::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  painter.fillRect(event->rect(), ToQColor(background_));
}

TransparentLabel::TransparentLabel(QWidget* parent, const QString& caption,
                                   Qt::Alignment horizontal)
    : QWidget(parent), caption_(caption), alignment_(horizontal | Qt::AlignVCenter) {}

void TransparentLabel::SetTextColour(ColourValue colour) {
  textColour_ = colour;
  // Qt repaints what lies behind a widget without an opaque background first.
  update();
}

void TransparentLabel::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setPen(ToQColor(textColour_));
  painter.setFont(font());
  painter.drawText(rect(), static_cast<int>(alignment_) | Qt::TextSingleLine, caption_);
}

void TransparentLabel::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) emit leftButtonPressed();
}

void TransparentLabel::mouseDoubleClickEvent(QMouseEvent*) {}

}  // namespace navcss::qt
