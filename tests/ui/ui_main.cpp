#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <optional>

namespace {
// Beside the offscreen platform's usual first screen, two laptop screens the windows must fit,
// each less a Windows taskbar of 48 pixels at the bottom: "1366x768" and "1280x720". A window
// moved onto one of them before it is shown is on that screen.
const char* kScreens = R"({"screens": [
  {"name": "offscreen", "x": 0, "y": 0, "width": 800, "height": 800},
  {"name": "1366x768", "x": 800, "y": 0, "width": 1366, "height": 720},
  {"name": "1280x720", "x": 2166, "y": 0, "width": 1280, "height": 672}]})";
}  // namespace

#include "ui/look/look.h"

int main(int argc, char** argv) {
  // Offscreen unless another platform is asked for, e.g. xcb under Xvfb to look at the windows.
  // Wine passes no QT_ variable to a Windows program, so there it is always offscreen.
  const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
  std::optional<QTemporaryDir> screens;
  if (platform.isEmpty() || platform == "offscreen") {
#ifdef _WIN32
    // The platform's arguments are cut at colons: the file is named from the current folder,
    // without its drive letter.
    screens.emplace(QDir::current().filePath("szl-screens-XXXXXX"));
#else
    screens.emplace();
#endif
    QFile config(screens->filePath("screens.json"));
    if (!config.open(QIODevice::WriteOnly) || config.write(kScreens) < 0) return 1;
    config.close();
    qputenv("QT_QPA_PLATFORM",
            "offscreen:configfile=" +
                QFile::encodeName(QDir::current().relativeFilePath(config.fileName())));
  }
  QApplication app(argc, argv);
  szl::ui::useOwnFont();  // as the program does: the pictures are checked in its own font
  // The recent stations go to a folder of the tests' own, never to the author's settings (the
  // registry on Windows).
  QTemporaryDir settings;
  QSettings::setDefaultFormat(QSettings::IniFormat);
  QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settings.path());
  QApplication::setOrganizationName("Szlakownik");
  if (!QSettings().fileName().startsWith(settings.path())) return 1;
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
