#pragma once

#include <string>

#include "app/app.h"
#include "qt/port.h"
#include "qt/window.h"

namespace navcss::qt {

// The window, its port and the handlers, wired together; the order of Start is that of
// start-up: every default is in place before the window is first shown.
class Program {
 public:
  explicit Program(std::string runDirectory);

  void Start();

  MainWindow& Window() { return window_; }
  App& Handlers() { return app_; }

 private:
  MainWindow window_;
  QtPort port_;
  App app_;
};

// The directory of this executable (UTF-8), made the current directory.
std::string EnterRunDirectory();

}  // namespace navcss::qt
