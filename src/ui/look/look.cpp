#include "ui/look/look.h"

#include <QApplication>
#include <QFontDatabase>
#include <QLibraryInfo>

namespace szl::ui {

bool useOwnFont() {
  bool ok = true;
  for (const char* file : {":/fonts/DejaVuSans.ttf", ":/fonts/DejaVuSans-Bold.ttf"})
    ok = QFontDatabase::addApplicationFont(file) >= 0 && ok;
  QFont f = QApplication::font();
  f.setFamilies({kOwnFontFamily});
  QApplication::setFont(f);
  return ok;
}

std::unique_ptr<QTranslator> installQtPolish() {
  auto t = std::make_unique<QTranslator>();
  if (!t->load(":/i18n/qtbase_pl.qm") &&
      !t->load("qtbase_pl", QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    return nullptr;
  QApplication::installTranslator(t.get());
  return t;
}

}  // namespace szl::ui
