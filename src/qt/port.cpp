// The Qt toolkit port.
//
// [x] Edit text: GBK <-> UTF-8 at the edge; a program write raises TextChanged exactly once,
//     even for an equal text, and the native textChanged it causes is swallowed.
// [x] Backgrounds: edit boxes and picture boxes keep the last value written, read back exactly.
// [x] Label text colour: the label repaints over whatever lies behind it.
// [x] Pickers: a program write raises nothing.
// [x] Timer: writing the running period leaves it alone.
// [x] Pointer: the widget at the cursor, up to its nearest named ancestor, this window only.
// [x] Clipboard: plain text via QClipboard, prepared first, read back to detect failure.
// [x] Message box: application-modal, one OK button, no icon or the warning icon.
// [x] Programs: started detached, no shell; addresses: the desktop's URL handler.

#include "qt/port.h"

#include <QApplication>
#include <QClipboard>
#include <QCursor>
#include <QDesktopServices>
#include <QMessageBox>
#include <QMimeData>
#include <QProcess>
#include <QUrl>

#include "qt/colour_picker.h"
#include "qt/mockup_controls.h"
#include "qt/window.h"
#include "text/gbk.h"

namespace navcss::qt {

namespace {

QString FromGbk(const GbkText& text) {
  return QString::fromStdString(GbkToUtf8(text));
}

}  // namespace

GbkText QtPort::EditText(ControlId box) {
  return Utf8ToGbk(window_.As<EditBox>(box)->text().toStdString());
}

void QtPort::SetEditText(ControlId box, const GbkText& text) {
  // setText stays silent for an equal text; the raise below is the one and only.
  window_.writingText = true;
  window_.As<EditBox>(box)->setText(FromGbk(text));
  window_.writingText = false;
  window_.Forward(box, EventKind::TextChanged);
}

ColourValue QtPort::Background(ControlId control) {
  if (auto* box = window_.As<EditBox>(control)) return box->Background();
  return window_.As<PictureBox>(control)->Background();
}

void QtPort::SetBackground(ControlId control, ColourValue colour) {
  if (auto* box = window_.As<EditBox>(control)) {
    box->SetBackground(colour);
  } else {
    window_.As<PictureBox>(control)->SetBackground(colour);
  }
}

void QtPort::SetTextColour(ControlId label, ColourValue colour) {
  window_.As<TransparentLabel>(label)->SetTextColour(colour);
}

ColourValue QtPort::PickerColour(ControlId picker) {
  return window_.As<ColourPicker>(picker)->Colour();
}

void QtPort::SetPickerColour(ControlId picker, ColourValue colour) {
  window_.As<ColourPicker>(picker)->SetColour(colour);
}

void QtPort::SetTimerPeriod(ControlId, int milliseconds) {
  // QTimer::start restarts even with the same interval, which would shift the rhythm.
  QTimer& timer = window_.Timer();
  if (timer.isActive() && timer.interval() == milliseconds) return;
  timer.start(milliseconds);
}

std::optional<ControlId> QtPort::ControlUnderPointer() {
  return window_.ControlOf(QApplication::widgetAt(QCursor::pos()));
}

bool QtPort::PutClipboardText(const GbkText& text) {
  const QString plain = FromGbk(text);
  auto* data = new QMimeData;
  data->setText(plain);
  QClipboard* clipboard = QGuiApplication::clipboard();
  clipboard->setMimeData(data);
  // QClipboard reports nothing; a selection that could not be taken reads back otherwise.
  return clipboard->text() == plain;
}

void QtPort::ShowMessage(const MessageBoxSpec& message) {
  QMessageBox box(message.icon == MessageIcon::Warning ? QMessageBox::Warning : QMessageBox::NoIcon,
                  Utf8(message.title), Utf8(message.text), QMessageBox::Ok);
  box.setWindowModality(Qt::ApplicationModal);
  box.exec();
}

bool QtPort::StartProgram(std::string_view path) {
  return QProcess::startDetached(Utf8(path), {});
}

bool QtPort::OpenAddress(std::string_view address) {
  return QDesktopServices::openUrl(
      QUrl::fromEncoded(QByteArray(address.data(), static_cast<qsizetype>(address.size()))));
}

}  // namespace navcss::qt
