// The windows on laptop screens: each fits with its frame, shows every caption, and stands
// clear of what it is about on the station view.
#include <gtest/gtest.h>

#include <QScreen>

#include "objects/missing_data.h"
#include "ui/dialogs/frm_obiekty.h"
#include "ui_support.h"

namespace szl {
namespace {

using namespace test;

// A screen of the test platform, each less its taskbar: "1366x768" or "1280x720".
QScreen* laptop(const char* name) {
  for (QScreen* s : QGuiApplication::screens())
    if (s->name() == name) return s;
  ADD_FAILURE() << "no screen " << name;
  return QGuiApplication::primaryScreen();
}

// `window` shown on `screen`, as the system shows a window moved there.
void showOn(QWidget& window, QScreen* screen) {
  window.move(screen->availableGeometry().topLeft());
  window.show();
}

// What does not fit the screen's free area: the window's frame as it stands, or its size and
// its least size with a title bar and borders as Windows draws them. Empty when all fits.
std::string misfit(const QWidget& window, const QScreen* screen) {
  const QRect area = screen->availableGeometry();
  const QMargins frame(8, 31, 8, 8);
  std::string s;
  const auto check = [&](const char* what, QSize size) {
    if (size.width() > area.width() || size.height() > area.height())
      s += std::string(what) + " " + std::to_string(size.width()) + "x" +
           std::to_string(size.height()) + " ";
  };
  if (!area.contains(window.frameGeometry())) s += "frame off the screen ";
  check("size", window.size().grownBy(frame));
  check("least", window.minimumSizeHint().expandedTo(window.minimumSize()).grownBy(frame));
  return s;
}

using Screens = WindowTest;

// The largest station the simulator takes: the main window fits a 1366 x 768 laptop with its
// taskbar, the stack bar at the bottom in sight at every stage.
TEST_F(Screens, TheMainWindowFitsALaptop) {
  QScreen* screen = laptop("1366x768");
  open("terminal_57x32");
  showOn(*w, screen);
  for (const bool kept : {false, true}) {
    if (kept) w->cmdNoTrim->click();
    EXPECT_EQ(misfit(*w, screen), "") << kept;
    const QRect bar(w->picStack->mapTo(w.get(), QPoint()), w->picStack->size());
    EXPECT_TRUE(w->rect().contains(bar)) << kept;
  }
}

// The object data editor on both laptops, on the station page and on an entry whose every
// field the save asks for: all of it on the screen, every tab and caption whole.
TEST_F(Screens, TheObjectEditorFitsEveryCaptionOnALaptop) {
  open("yard_14x7", Stage::Analysed);
  Station& st = *w->station();
  for (const char* name : {"1280x720", "1366x768"})
    for (const bool entry : {false, true}) {
      ui::frmObiekty e(st, entry ? cellSubject(st, 12, 2) : stationSubject(), prompts);
      if (entry) e.showMissing(missingObjectData(st, 12, 2));
      showOn(e, laptop(name));
      EXPECT_EQ(misfit(e, laptop(name)), "") << name << entry;
      EXPECT_FALSE(e.tabObiekty->tabIcon(0).isNull());
      for (int page = 0; page < e.tabObiekty->count(); ++page) {
        e.tabObiekty->setCurrentIndex(page);
        EXPECT_EQ(cutTexts(&e), "") << name << entry << page;
      }
    }
}

// On a station of 32 rows the route selector stands off every route it draws, and the editor a
// click opens stands off the object clicked.
TEST_F(Screens, SelectorAndEditorLeaveWhatTheyAreAboutInSight) {
  QScreen* screen = laptop("1366x768");
  open("terminal_57x32", Stage::Analysed);
  showOn(*w, screen);
  w->cmdStartNoCfm->click();
  int looked = 0;
  select([&](ui::frmTrasy& t) {
    EXPECT_EQ(misfit(t, screen), "");
    for (int g = 0; g < t.lvwGrupy->topLevelItemCount() && looked < 12; ++g) {
      if (t.lvwGrupy->topLevelItem(g)->text(3).toInt() < 3) continue;
      t.lvwGrupy->setCurrentRow(g);
      t.cmdEdit->click();
      for (int r = 0; r < t.lvwTrasy->topLevelItemCount(); ++r, ++looked) {
        t.lvwTrasy->setCurrentRow(r);
        const RouteSelector& sel = w->selector();
        QRect drawn;
        for (const RouteCell& c : sel.routeCells(sel.shownPosition(), *w->station()))
          drawn |= QRect(w->picOkno->mapToGlobal(QPoint(17 * c.x, 17 * c.y)), QSize(17, 17));
        EXPECT_FALSE(t.frameGeometry().intersects(drawn)) << g << " " << r;
      }
      t.cmdApply->click();
    }
  });
  EXPECT_GE(looked, 12);

  // The sidings at (46, 10).
  const QRect sidings(w->picOkno->mapToGlobal(QPoint(17 * 46, 17 * 10)), QSize(17, 17));
  QRect editor;
  whenModal([&](QWidget* d) {
    editor = d->frameGeometry();
    qobject_cast<QDialog*>(d)->reject();
  });
  clickAt(w->picOkno, {17 * 46 + 8, 17 * 10 + 8});
  EXPECT_FALSE(editor.isEmpty());
  EXPECT_FALSE(editor.intersects(sidings));
}

}  // namespace
}  // namespace szl
