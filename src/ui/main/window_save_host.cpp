#include "ui/main/window_save_host.h"

#include <QDateTime>
#include <QLocale>
#include <QScreen>
#include <algorithm>

#include "ui/dialogs/frm_obiekty.h"
#include "ui/main/frm_main.h"
#include "ui/main/placement.h"

namespace szl::ui {

Answer WindowSaveHost::ask(const Message& m) { return w_.prompts().message(&w_, m); }

bool WindowSaveHost::cmdPozostale_Click(Station& st) {
  frmObiekty editor(st, stationSubject(), w_.prompts(), &w_);
  return editor.run() == EditorResult::Cancelled;
}

bool WindowSaveHost::Uzupelnij(Station& st, int x, int y) {
  // The object asked about stands out on the station view while its editor is open.
  const EditorSubject subject = cellSubject(st, x, y);
  const EditorData cells = loadEditor(st, subject);
  StationView& view = *w_.view();
  frmObiekty editor(st, subject, w_.prompts(), &w_);
  editor.showMissing(missingObjectData(st, x, y));
  if (cells.pointCount > 0) {
    const int x0 = pointColumn(cells.points[0]);
    const int y0 = pointRow(cells.points[0]);
    view.markObject(x0, y0, cells.pointCount);
    // Clear of the object, so that the author sees which one it is about.
    placeClear(editor, objectOnScreen(view, cells));
  }
  const bool cancelled = editor.run() == EditorResult::Cancelled;
  view.unmarkObject();
  return cancelled;
}

std::optional<std::string> WindowSaveHost::chooseSavePath() {
  // The station's own file in its folder, which a save under a new name then follows.
  const Station* st = w_.station();
  const QString suggested =
      st ? QString::fromStdString(st->StationDir + st->StationFile) : QString();
  const std::optional<QString> path = w_.prompts().saveStation(&w_, suggested);
  if (!path) return std::nullopt;
  return path->toStdString();
}

std::string WindowSaveHost::shortDate() {
  return QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat).toStdString();
}

std::string WindowSaveHost::shortTime() {
  return QLocale::system().toString(QTime::currentTime(), QLocale::ShortFormat).toStdString();
}

}  // namespace szl::ui
