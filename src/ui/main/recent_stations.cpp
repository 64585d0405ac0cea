#include "ui/main/recent_stations.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

namespace szl::ui {

namespace {
const char* kKey = "ostatnieStacje";

QString normalised(const QString& path) {
  return QDir::cleanPath(QFileInfo(path).absoluteFilePath());
}

bool samePath(const QString& a, const QString& b) {
#ifdef Q_OS_WIN
  return normalised(a).compare(normalised(b), Qt::CaseInsensitive) == 0;
#else
  return normalised(a) == normalised(b);
#endif
}

void store(const QStringList& list) { QSettings().setValue(kKey, list); }
}  // namespace

QStringList RecentStations::paths() const {
  QStringList list = QSettings().value(kKey).toStringList();
  list.removeAll(QString());
  return list.mid(0, kMax);
}

void RecentStations::add(const QString& path) {
  QStringList list = paths();
  list.removeIf([&](const QString& p) { return samePath(p, path); });
  list.prepend(normalised(path));
  store(list.mid(0, kMax));
}

void RecentStations::remove(const QString& path) {
  QStringList list = paths();
  list.removeIf([&](const QString& p) { return samePath(p, path); });
  store(list);
}

QString RecentStations::lastFolder() const {
  const QStringList list = paths();
  return list.isEmpty() ? QString()
                        : QDir::toNativeSeparators(QFileInfo(list.front()).absolutePath());
}

QString recentCaption(int index, const QString& path) {
  const QFileInfo info(path);
  QString folder = QDir::toNativeSeparators(info.absolutePath());
  constexpr int kLongest = 60;
  if (folder.size() > kLongest)
    folder = folder.left(kLongest / 2 - 1) + "…" + folder.right(kLongest / 2 - 1);
  QString name = info.fileName();
  name.replace("&", "&&");
  folder.replace("&", "&&");
  return QString("&%1 %2   (%3)").arg(index + 1).arg(name, folder);
}

}  // namespace szl::ui
