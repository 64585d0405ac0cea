// Szlakownik: the window program. The one optional argument is a station file to open.
#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include "ui/main/frm_main.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("Szlakownik");
  // Every text of the program is Polish; Qt's own dialogs (files, buttons) speak Polish too.
  QTranslator qtPolish;
  if (qtPolish.load("qtbase_pl", QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    QApplication::installTranslator(&qtPolish);
  const QStringList args = QApplication::arguments();
  std::optional<QString> station;
  if (args.size() > 1) station = args.at(1);
  szl::ui::frmMain w;
  w.show();
  if (!w.start(station)) return 0;
  return QApplication::exec();
}
