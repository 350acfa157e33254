#pragma once

#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QtTest/QTest>
#include <memory>
#include <optional>
#include <ostream>

#include "app/window_definition.h"
#include "qt/mockup_controls.h"
#include "qt/startup.h"

namespace navcss::qt {

// The whole program in this process, started as main() starts it, window shown.
class ProgramTest : public ::testing::Test {
 protected:
  void SetUp() override {
    program = std::make_unique<Program>(runDirectory.path().toStdString());
    program->Start();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&Window()));
    Window().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&Window()));
  }
  void TearDown() override {
    QCursor::setPos(QPoint(-100, -100));
    program.reset();
  }

  MainWindow& Window() { return program->Window(); }
  QWidget* W(ControlId id) { return Window().Widget(id); }
  QImage Grab() { return Window().grab().toImage().convertToFormat(QImage::Format_RGB32); }
  QColor Face() { return Window().palette().color(QPalette::Button); }
  QPoint Centre(ControlId id) {
    const Rect r = PlaceInWindow(id);
    return {r.x + r.width / 2, r.y + r.height / 2};
  }
  void PointAt(QPoint client) { QCursor::setPos(Window().mapToGlobal(client)); }

  QTemporaryDir runDirectory;
  std::unique_ptr<Program> program;
};

inline void PrintTo(const QColor& c, std::ostream* os) {
  *os << "rgb(" << c.red() << ", " << c.green() << ", " << c.blue() << ")";
}

inline QColor Pixel(const QImage& image, int x, int y) {
  return image.pixelColor(x, y);
}
inline QColor Colour(ColourValue c) {
  return ToQColor(c);
}

struct ShownBox {
  QString title;
  QString text;
  QMessageBox::Icon icon;
  int buttonCount;
  Qt::WindowModality modality;
};

// Runs action, which may open a modal message box; records and closes the box.
template <class Action>
std::optional<ShownBox> CloseBoxAfter(Action action) {
  std::optional<ShownBox> seen;
  QTimer poll;
  poll.setInterval(5);
  QObject::connect(&poll, &QTimer::timeout, [&] {
    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
      seen = ShownBox{box->windowTitle(), box->text(), box->icon(),
                      static_cast<int>(box->buttons().size()), box->windowModality()};
      box->accept();
    }
  });
  poll.start();
  action();
  return seen;
}

}  // namespace navcss::qt
