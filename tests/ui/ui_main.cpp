#include <gtest/gtest.h>

#include <QApplication>

#include "ui/look/look.h"

int main(int argc, char** argv) {
  // Offscreen unless another platform is asked for, e.g. xcb under Xvfb to look at the windows.
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  szl::ui::useOwnFont();  // as the program does: the pictures are checked in its own font
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
