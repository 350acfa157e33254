#include "qt/panel_painting.h"

#include <QFontMetrics>
#include <QPaintEvent>
#include <QPainter>

#include "app/window_definition.h"
#include "qt/window.h"

namespace navcss::qt {

namespace {

// A representative character; the tallest glyphs of the labels are Chinese.
const QString kSample = QStringLiteral("颜");

int GlyphHeight(const QFont& font) {
  return QFontMetrics(font).tightBoundingRect(kSample).height();
}

// Places text so that its glyphs start at top (and end at right, if given).
void DrawGlyphs(QPainter& painter, const QString& text, int left, int right, int top) {
  const QFontMetrics metrics(painter.font());
  const int baseline = top - metrics.tightBoundingRect(kSample).top();
  int x = left;
  if (right >= 0) {
    const QRect ink = metrics.tightBoundingRect(text);
    x = right - ink.right();
  }
  painter.drawText(x, baseline, text);
}

// A one-pixel frame whose corners are cut by one pixel.
void DrawFrame(QPainter& painter, const PanelFrame& f) {
  painter.drawLine(f.left + 2, f.top, f.right - 2, f.top);
  painter.drawLine(f.left + 2, f.bottom, f.right - 2, f.bottom);
  painter.drawLine(f.left, f.top + 2, f.left, f.bottom - 2);
  painter.drawLine(f.right, f.top + 2, f.right, f.bottom - 2);
  painter.drawPoint(f.left + 1, f.top + 1);
  painter.drawPoint(f.right - 1, f.top + 1);
  painter.drawPoint(f.left + 1, f.bottom - 1);
  painter.drawPoint(f.right - 1, f.bottom - 1);
}

}  // namespace

QFont PanelFont(int pixelHeight) {
  QFont font;
  // Faces differ in how much of the em their glyphs fill; match the glyphs, not the em.
  int size = pixelHeight;
  for (int tries = 0; tries < 6; ++tries) {
    font.setPixelSize(size);
    const int height = GlyphHeight(font);
    if (height == pixelHeight) break;
    size += height < pixelHeight ? 1 : -1;
  }
  return font;
}

ColourPanel::ColourPanel(QWidget* parent)
    : PictureBox(parent), font_(PanelFont(kPanelPicture.fontPixelHeight)) {}

void ColourPanel::paintEvent(QPaintEvent* event) {
  const PanelPicture& picture = kPanelPicture;
  QPainter painter(this);
  painter.setClipRegion(event->region());
  painter.fillRect(rect(), ToQColor(Background()));
  painter.fillRect(0, 0, picture.width, picture.height, ToQColor(picture.background));

  painter.setPen(ToQColor(picture.frameColour));
  for (const PanelFrame& frame : picture.frames) DrawFrame(painter, frame);

  painter.setFont(font_);
  painter.setPen(ToQColor(picture.textColour));
  for (const PanelFrame& frame : picture.frames) {
    // The caption interrupts the frame's top line.
    painter.fillRect(
        QRect(QPoint(frame.captionLeft, frame.top), QPoint(frame.captionRight, frame.top)),
        ToQColor(picture.background));
    DrawGlyphs(painter, Utf8(frame.caption), frame.captionLeft, -1, frame.captionTop);
  }
  for (const PanelRowLabel& label : picture.labels) {
    const std::string_view text = Slot(label.slot).rowLabel;
    DrawGlyphs(painter, Utf8(text), 0, label.right, label.top);
  }
}

}  // namespace navcss::qt
