// The baseline: an empty Qt window of the same size, built and started the same way.
// Built a second time with one line of Chinese text, which separates what any window that
// shows Chinese pays for the font stack from what navcss adds.
#include <QLabel>
#include <QTimer>

#include "probe.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QWidget window;
  window.setWindowTitle(QStringLiteral("minimal"));
  window.setFixedSize(680, 455);
#ifdef NAVCSS_BENCH_WITH_TEXT
  QLabel label(QStringLiteral("鼠标移至, 导航背景颜色:"), &window);
  label.move(20, 20);
#endif
  navcss::bench::FirstFrameProbe probe(window,
                                       [] { QTimer::singleShot(0, qApp, &QApplication::quit); });
  window.show();
  return application.exec();
}
