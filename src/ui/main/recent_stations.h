// The stations opened last, newest first, remembered between runs in the program's settings
// (the registry on Windows, an ini file elsewhere; where is QSettings' choice, which tests move
// to a folder of their own).
#pragma once

#include <QString>
#include <QStringList>

namespace szl::ui {

class RecentStations {
 public:
  static constexpr int kMax = 6;

  QStringList paths() const;
  // To the front of the list, once; the oldest falls off beyond kMax.
  void add(const QString& path);
  void remove(const QString& path);
  // The folder of the newest, or nothing.
  QString lastFolder() const;
};

// How an entry reads in the menu: "&1 Lipowiec.stc   (C:\Stacje)", a long folder shortened in
// the middle.
QString recentCaption(int index, const QString& path);

}  // namespace szl::ui
