#include "qt/colour_picker.h"

#include <QtWidgets/qdrawutil.h>

#include <QColorDialog>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QScreen>
#include <QStyle>
#include <QStyleOption>
#include <array>

#include "qt/mockup_controls.h"

namespace navcss::qt {

namespace {

// clang-format off
constexpr std::array<ColourValue, ColourDropDown::kCells> kPresets = {
  Rgb(0, 0, 0),       Rgb(153, 51, 0),    Rgb(51, 51, 0),     Rgb(0, 51, 0),
  Rgb(0, 51, 102),    Rgb(0, 0, 128),     Rgb(51, 51, 153),   Rgb(51, 51, 51),
  Rgb(128, 0, 0),     Rgb(255, 102, 0),   Rgb(128, 128, 0),   Rgb(0, 128, 0),
  Rgb(0, 128, 128),   Rgb(0, 0, 255),     Rgb(102, 102, 153), Rgb(128, 128, 128),
  Rgb(255, 0, 0),     Rgb(255, 153, 0),   Rgb(153, 204, 0),   Rgb(51, 153, 102),
  Rgb(51, 204, 204),  Rgb(51, 102, 255),  Rgb(128, 0, 128),   Rgb(153, 153, 153),
  Rgb(255, 0, 255),   Rgb(255, 204, 0),   Rgb(255, 255, 0),   Rgb(0, 255, 0),
  Rgb(0, 255, 255),   Rgb(0, 204, 255),   Rgb(153, 51, 102),  Rgb(192, 192, 192),
  Rgb(255, 153, 204), Rgb(255, 204, 153), Rgb(255, 255, 153), Rgb(204, 255, 204),
  Rgb(204, 255, 255), Rgb(153, 204, 255), Rgb(204, 153, 255), Rgb(255, 255, 255),
};
// clang-format on

constexpr int kCell = 18;
constexpr int kMargin = 4;
constexpr int kButtonHeight = 24;
constexpr int kArrowWidth = 13;
constexpr int kDialogButton = ColourDropDown::kCells;

}  // namespace

ColourPicker::ColourPicker(QWidget* parent) : QWidget(parent) {
  setFocusPolicy(Qt::StrongFocus);
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void ColourPicker::SetColour(ColourValue colour) {
  colour_ = colour;
  update();
}

void ColourPicker::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QPalette& pal = palette();
  painter.fillRect(rect(), pal.color(QPalette::Base));
  qDrawWinPanel(&painter, rect(), pal, true);
  const QRect inner = rect().adjusted(2, 2, -2, -2);
  QRect arrow = inner;
  arrow.setLeft(inner.right() - kArrowWidth + 1);
  const QRect swatch =
      QRect(inner.topLeft(), QPoint(arrow.left() - 1, inner.bottom())).adjusted(2, 2, -2, -2);
  painter.fillRect(swatch, ToQColor(colour_));
  painter.setPen(pal.color(QPalette::Dark));
  painter.drawRect(swatch.adjusted(0, 0, -1, -1));

  qDrawWinButton(&painter, arrow, pal, false, &pal.brush(QPalette::Button));
  const QPoint c = arrow.center();
  painter.setPen(Qt::NoPen);
  painter.setBrush(pal.color(QPalette::ButtonText));
  const QPoint triangle[3] = {c + QPoint(-3, -1), c + QPoint(3, -1), c + QPoint(0, 2)};
  painter.drawPolygon(triangle, 3);
  if (hasFocus()) {
    QStyleOptionFocusRect focus;
    focus.initFrom(this);
    focus.rect = swatch.adjusted(-1, -1, 1, 1);
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
  }
}

void ColourPicker::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) OpenDropDown();
}

void ColourPicker::keyPressEvent(QKeyEvent* event) {
  const bool altDown = event->key() == Qt::Key_Down && (event->modifiers() & Qt::AltModifier);
  switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_F4:
      OpenDropDown();
      return;
    default:
      if (altDown) {
        OpenDropDown();
        return;
      }
      event->ignore();  // Escape and the rest go on to the window
  }
}

void ColourPicker::OpenDropDown() {
  auto* dropDown = new ColourDropDown(this, colour_);
  dropDown->setAttribute(Qt::WA_DeleteOnClose);
  connect(dropDown, &ColourDropDown::colourPicked, this, &ColourPicker::Choose);
  // Queued: the popup closes first, then the modal dialog opens.
  connect(dropDown, &ColourDropDown::dialogRequested, this, &ColourPicker::OpenDialog,
          Qt::QueuedConnection);
  QPoint place = mapToGlobal(QPoint(0, height()));
  if (const QScreen* s = screen()) {
    const QRect area = s->availableGeometry();
    if (place.y() + dropDown->height() > area.bottom()) place.ry() -= height() + dropDown->height();
    place.setX(std::min(place.x(), area.right() - dropDown->width()));
  }
  dropDown->move(place);
  dropDown->show();
}

void ColourPicker::Choose(ColourValue colour) {
  SetColour(colour);
  emit colourChosen();
}

void ColourPicker::OpenDialog() {
  QPointer<ColourPicker> self(this);
  // No alpha option: a picker never offers a transparent colour.
  const QColor chosen = QColorDialog::getColor(ToQColor(colour_), this);
  if (self && chosen.isValid()) Choose(FromQColor(chosen));
}

ColourDropDown::ColourDropDown(QWidget* owner, ColourValue current) : QWidget(owner, Qt::Popup) {
  setMouseTracking(true);
  setFocusPolicy(Qt::StrongFocus);
  setFixedSize(2 * kMargin + kColumns * kCell, 3 * kMargin + kRows * kCell + kButtonHeight);
  for (int i = 0; i < kCells; ++i) {
    if (kPresets[static_cast<std::size_t>(i)] == current) highlight_ = i;
  }
}

QRect ColourDropDown::CellRect(int index) const {
  return QRect(kMargin + (index % kColumns) * kCell, kMargin + (index / kColumns) * kCell, kCell,
               kCell);
}

QRect ColourDropDown::ButtonRect() const {
  return QRect(kMargin, 2 * kMargin + kRows * kCell, width() - 2 * kMargin, kButtonHeight);
}

int ColourDropDown::IndexAt(QPoint point) const {
  if (ButtonRect().contains(point)) return kDialogButton;
  for (int i = 0; i < kCells; ++i) {
    if (CellRect(i).contains(point)) return i;
  }
  return -1;
}

void ColourDropDown::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QPalette& pal = palette();
  painter.fillRect(rect(), pal.color(QPalette::Window));
  qDrawWinPanel(&painter, rect(), pal, false);
  for (int i = 0; i < kCells; ++i) {
    const QRect cell = CellRect(i);
    if (i == highlight_) {
      painter.fillRect(cell, pal.color(QPalette::Highlight));
    }
    const QRect swatch = cell.adjusted(3, 3, -3, -3);
    painter.fillRect(swatch, ToQColor(kPresets[static_cast<std::size_t>(i)]));
    painter.setPen(pal.color(QPalette::Dark));
    painter.drawRect(swatch.adjusted(0, 0, -1, -1));
  }
  const QRect button = ButtonRect();
  qDrawWinButton(&painter, button, pal, false, &pal.brush(QPalette::Button));
  if (highlight_ == kDialogButton) {
    painter.fillRect(button.adjusted(2, 2, -2, -2), pal.color(QPalette::Highlight));
    painter.setPen(pal.color(QPalette::HighlightedText));
  } else {
    painter.setPen(pal.color(QPalette::ButtonText));
  }
  painter.drawText(button, Qt::AlignCenter, QStringLiteral("其它颜色..."));
}

void ColourDropDown::keyPressEvent(QKeyEvent* event) {
  int next = highlight_;
  switch (event->key()) {
    case Qt::Key_Escape:
      close();
      return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
      Activate(highlight_);
      return;
    case Qt::Key_Left:
      if (next != kDialogButton && next % kColumns > 0) --next;
      break;
    case Qt::Key_Right:
      if (next != kDialogButton && next % kColumns < kColumns - 1) ++next;
      break;
    case Qt::Key_Up:
      next = next == kDialogButton ? kCells - kColumns : std::max(next - kColumns, next % kColumns);
      break;
    case Qt::Key_Down:
      next = next == kDialogButton ? next
                                   : (next + kColumns < kCells ? next + kColumns : kDialogButton);
      break;
    default:
      return;  // a popup swallows the other keys
  }
  if (next != highlight_) {
    highlight_ = next;
    update();
  }
}

void ColourDropDown::mouseMoveEvent(QMouseEvent* event) {
  const int index = IndexAt(event->position().toPoint());
  if (index >= 0 && index != highlight_) {
    highlight_ = index;
    update();
  }
}

void ColourDropDown::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  const int index = IndexAt(event->position().toPoint());
  if (index >= 0) Activate(index);
}

void ColourDropDown::Activate(int index) {
  close();
  if (index == kDialogButton) {
    emit dialogRequested();
  } else {
    emit colourPicked(kPresets[static_cast<std::size_t>(index)]);
  }
}

}  // namespace navcss::qt
