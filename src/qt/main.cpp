#include <QApplication>

#include "qt/startup.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  navcss::qt::Program program(navcss::qt::EnterRunDirectory());
  program.Start();
  return application.exec();
}
