#include <gtest/gtest.h>

#include <QApplication>

int main(int argc, char** argv) {
  // Headless unless a test run asks for a real X server.
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
