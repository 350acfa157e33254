// The baseline: an empty Qt window of the same size, built and started the same way.
#include <QTimer>

#include "probe.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QWidget window;
  window.setWindowTitle(QStringLiteral("minimal"));
  window.setFixedSize(680, 455);
  navcss::bench::FirstFrameProbe probe(window,
                                       [] { QTimer::singleShot(0, qApp, &QApplication::quit); });
  window.show();
  return application.exec();
}
