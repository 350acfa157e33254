#include "qt/startup.h"

#include <QCoreApplication>
#include <QDir>
#include <utility>

#include "actions/run_directory.h"

namespace navcss::qt {

Program::Program(std::string runDirectory) : port_(window_), app_(port_, std::move(runDirectory)) {
  window_.SetEventSink([this](ControlId control, EventKind event) { app_.Raise(control, event); });
}

void Program::Start() {
  app_.MainWindowCreated();
  window_.ShowCentred();
}

std::string EnterRunDirectory() {
  const std::string exe = QCoreApplication::applicationFilePath().toStdString();
  std::string directory = RunDirectory(exe, kPosixSeparator, PathEncoding::Utf8);
  QDir::setCurrent(QString::fromStdString(directory));
  return directory;
}

}  // namespace navcss::qt
