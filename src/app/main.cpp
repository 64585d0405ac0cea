// Szlakownik: the window program. The one optional argument is a station file to open.
#include <QApplication>
#include <QMessageBox>
#include <cstdio>

#include "model/fatal_error.h"
#include "platform/system.h"
#include "ui/look/look.h"
#include "ui/main/frm_main.h"

namespace {

int run() {
  const QStringList args = QApplication::arguments();
  std::optional<QString> station;
  if (args.size() > 1) station = args.at(1);
  szl::ui::frmMain w;
  w.show();
  if (!w.start(station)) return 0;
  return QApplication::exec();
}

// Called inside a catch block: ends the program with a word to the user, in a message box when
// one can still be shown.
int fatal() {
  const QString text = QString::fromStdString(szl::fatalErrorText("Szlakownik"));
  std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
  try {
    QMessageBox::critical(nullptr, QStringLiteral("Błąd krytyczny"), text);
  } catch (...) {
  }
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  szl::sys::ignoreFileSizeLimitSignal();
  QApplication app(argc, argv);
  // Where QSettings keeps the recent stations: HKCU\Software\Szlakownik on Windows,
  // ~/.config/Szlakownik on Linux.
  QApplication::setOrganizationName("Szlakownik");
  QApplication::setApplicationName("Szlakownik");
  szl::ui::useOwnFont();
  // Every text of the program is Polish; Qt's own dialogs (files, buttons) speak Polish too.
  const auto qtPolish = szl::ui::installQtPolish();
  // An exception from a command (memory, most likely) leaves the event loop and ends up here.
  try {
    return run();
  } catch (...) {
    return fatal();
  }
}
