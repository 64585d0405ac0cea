#include <gtest/gtest.h>

#include <QApplication>

int main(int argc, char** argv) {
  // Offscreen unless another platform is asked for, e.g. xcb under Xvfb to look at the windows.
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
