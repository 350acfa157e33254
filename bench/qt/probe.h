#pragma once

#include <QApplication>
#include <QEvent>
#include <QWidget>
#include <QWindow>
#include <cstdio>
#include <fstream>
#include <functional>
#include <string>

#include "clock.h"

namespace navcss::bench {

// Peak resident memory of this process so far, in KiB.
inline long PeakKib() {
  std::ifstream status("/proc/self/status");
  std::string key;
  long value = 0;
  while (status >> key) {
    if (key == "VmHWM:") {
      status >> value;
      return value;
    }
    status.ignore(1 << 12, '\n');
  }
  return -1;
}

// Reports the moment the window's first frame has been painted and handed to the
// display, then calls done. The same in both programs that are compared.
class FirstFrameProbe : public QObject {
 public:
  FirstFrameProbe(QWidget& window, std::function<void()> done)
      : window_(window), done_(std::move(done)) {
    qApp->installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* target, QEvent* event) override {
    if (reported_) return false;
    if (target == &window_ && event->type() == QEvent::Paint) painted_ = true;
    const bool flush = event->type() == QEvent::Expose || event->type() == QEvent::UpdateRequest;
    if (flush && target == window_.windowHandle() && !inside_) {
      inside_ = true;
      target->event(event);  // paints and flushes the backing store
      inside_ = false;
      if (painted_) {
        reported_ = true;
        std::printf("first_frame_ns %lld\npeak_kib_first_frame %ld\n", MonotonicNs(), PeakKib());
        std::fflush(stdout);
        done_();
      }
      return true;
    }
    return false;
  }

 private:
  QWidget& window_;
  std::function<void()> done_;
  bool painted_ = false;
  bool inside_ = false;
  bool reported_ = false;
};

}  // namespace navcss::bench
