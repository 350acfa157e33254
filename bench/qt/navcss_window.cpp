// navcss as main() starts it, with the first-frame probe; then times keystrokes and
// hover switches on the live window.
#include <QCursor>
#include <QKeyEvent>
#include <QTimer>
#include <algorithm>
#include <vector>

#include "app/window_definition.h"
#include "probe.h"
#include "qt/startup.h"

namespace {

using navcss::ControlId;
using navcss::bench::MonotonicNs;

// Marks paints of the widgets a measurement waits for.
class PaintWatch : public QObject {
 public:
  explicit PaintWatch(std::vector<QWidget*> widgets) : widgets_(std::move(widgets)) {
    for (QWidget* w : widgets_) w->installEventFilter(this);
    seen_.assign(widgets_.size(), false);
  }
  void Reset() { std::fill(seen_.begin(), seen_.end(), false); }
  bool All() const {
    return std::all_of(seen_.begin(), seen_.end(), [](bool b) { return b; });
  }

 protected:
  bool eventFilter(QObject* target, QEvent* event) override {
    if (event->type() == QEvent::Paint) {
      for (std::size_t i = 0; i < widgets_.size(); ++i) {
        if (widgets_[i] == target) seen_[i] = true;
      }
    }
    return false;
  }

 private:
  std::vector<QWidget*> widgets_;
  std::vector<bool> seen_;
};

// The moment the hover timer fires, before its handler runs.
class TickWatch : public QObject {
 public:
  long long last = 0;

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Timer) last = MonotonicNs();
    return false;
  }
};

long long Median(std::vector<long long> v) {
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
}

void Measure(navcss::qt::MainWindow& window) {
  QWidget* field = window.Widget(ControlId::导背景);
  QWidget* box = window.Widget(ControlId::导航条背景1);
  PaintWatch paints({field, box});
  const auto settle = [&] {
    while (!paints.All()) QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
  };

  // Field text change to field and mock-up repainted: type a digit, then erase it.
  std::vector<long long> keys;
  for (int i = 0; i < 200; ++i) {
    const bool erase = i % 2 == 1;
    const int key = erase ? Qt::Key_Backspace : Qt::Key_1;
    const QString text = erase ? QString() : QStringLiteral("1");
    paints.Reset();
    const long long t0 = MonotonicNs();
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(field, &press);
    QApplication::sendEvent(field, &release);
    settle();
    keys.push_back(MonotonicNs() - t0);
  }

  // One hover switch: the tick to the box repainted in its other colours.
  TickWatch ticks;
  window.Timer().installEventFilter(&ticks);
  PaintWatch boxPaint({box});
  std::vector<long long> switches;
  const QPoint on = window.mapToGlobal(QPoint(120, 353));
  const QPoint off = window.mapToGlobal(QPoint(400, 440));
  for (int i = 0; i < 12; ++i) {
    QCursor::setPos(i % 2 == 0 ? on : off);
    boxPaint.Reset();
    while (!boxPaint.All()) QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    switches.push_back(MonotonicNs() - ticks.last);
  }
  std::printf("keystroke_ns %lld\nhover_switch_ns %lld\npeak_kib_end %ld\n", Median(keys),
              Median(switches), navcss::bench::PeakKib());
  std::fflush(stdout);
}

}  // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  navcss::qt::Program program(navcss::qt::EnterRunDirectory());
  navcss::bench::FirstFrameProbe probe(program.Window(), [&] {
    QTimer::singleShot(0, qApp, [&] {
      Measure(program.Window());
      QApplication::quit();
    });
  });
  program.Start();
  return application.exec();
}
