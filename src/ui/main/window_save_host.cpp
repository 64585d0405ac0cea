#include "ui/main/window_save_host.h"

#include <QDateTime>
#include <QLocale>
#include <QScreen>
#include <algorithm>

#include "ui/dialogs/frm_obiekty.h"
#include "ui/main/frm_main.h"

namespace szl::ui {

Answer WindowSaveHost::ask(const Message& m) { return w_.prompts().message(&w_, m); }

bool WindowSaveHost::cmdPozostale_Click(Station& st) {
  frmObiekty editor(st, stationSubject(), w_.prompts(), &w_);
  return editor.run() == EditorResult::Cancelled;
}

namespace {
// Puts the dialog above or below the marked cells, clear of them, so that the author sees which
// object it is about.
void placeClearOf(QWidget& dialog, const QRect& cells, const QWidget& view) {
  const QScreen* screen = view.screen();
  if (!screen) return;
  const QRect area = screen->availableGeometry();
  const int gap = 2 * 17;
  const int left = std::clamp(cells.center().x() - dialog.width() / 2, area.left(),
                              std::max(area.left(), area.right() - dialog.width()));
  int top = cells.bottom() + gap;
  if (top + dialog.height() > area.bottom()) top = cells.top() - gap - dialog.height();
  dialog.move(left, std::max(top, area.top()));
}
}  // namespace

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
    placeClearOf(
        editor, QRect(view.mapToGlobal(QPoint(17 * x0, 17 * y0)), QSize(17 * cells.pointCount, 17)),
        view);
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
