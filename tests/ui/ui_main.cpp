#include <gtest/gtest.h>

#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>
#include <cstdio>

int main(int argc, char** argv) {
  // Offscreen unless another platform is asked for, e.g. xcb under Xvfb to look at the windows.
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  // The recent stations go to a folder of the tests' own, never to the author's settings (the
  // registry on Windows).
  QTemporaryDir settings;
  QSettings::setDefaultFormat(QSettings::IniFormat);
  QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settings.path());
  QSettings::setPath(QSettings::IniFormat, QSettings::SystemScope, settings.path() + "/system");
  QApplication::setOrganizationName("Szlakownik");
  QApplication::setApplicationName("Szlakownik-testy");
  if (!settings.isValid() || !QSettings().fileName().startsWith(settings.path())) {
    std::fprintf(stderr, "settings would go to %s\n", qPrintable(QSettings().fileName()));
    return 1;
  }
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
