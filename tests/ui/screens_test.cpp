// The windows on laptop screens: each fits with its frame and every caption, and stands clear
// of what it is about on the station view.
#include <gtest/gtest.h>

#include <QScreen>

#include "objects/missing_data.h"
#include "ui/dialogs/frm_obiekty.h"
#include "ui/main/grid_editing.h"
#include "ui_support.h"

namespace szl {
namespace {

using namespace test;

// `window` shown on a screen of the test platform, "1366x768" or "1280x720" less its taskbar;
// what of it does not fit there: its frame as it stands, its size or its least size with a
// title bar and borders as Windows draws them.
std::string misfitOn(const char* screen, QWidget& window) {
  const QList<QScreen*> all = QGuiApplication::screens();
  const QRect area = (*std::ranges::find(all, screen, &QScreen::name))->availableGeometry();
  if (!window.isVisible()) window.move(area.topLeft()), window.show();
  std::string out = area.contains(window.frameGeometry()) ? "" : "frame ";
  const QMargins frame(8, 31, 8, 8);
  for (const QSize size :
       {window.size(), window.minimumSizeHint().expandedTo(window.minimumSize())})
    if (!QRect(QPoint(), area.size()).contains(QRect(QPoint(), size.grownBy(frame))))
      out += std::to_string(size.width()) + "x" + std::to_string(size.height()) + " ";
  return out;
}

using Screens = WindowTest;

// The editor on the station page, and on an entry whose every field the save asks for.
TEST_F(Screens, TheObjectEditorFitsEveryCaptionOn1280x720) {
  open("yard_14x7", Stage::Analysed);
  Station& st = *w->station();
  for (const bool entry : {false, true}) {
    ui::frmObiekty e(st, entry ? cellSubject(st, 12, 2) : stationSubject(), prompts);
    if (entry) e.showMissing(missingObjectData(st, 12, 2));
    EXPECT_EQ(misfitOn("1280x720", e), "") << entry;
    EXPECT_FALSE(e.tabObiekty->tabIcon(0).isNull());
    for (int page = 0; page < e.tabObiekty->count(); ++page) {
      e.tabObiekty->setCurrentIndex(page);
      EXPECT_EQ(cutTexts(&e), "") << entry << page;
    }
  }
}

// The largest station the simulator takes on a 1366 x 768 laptop: the main window fits, its
// stack bar in sight at every stage; the route selector shows every caption whole and stands off
// every route it draws, the editor a click opens off the object clicked, the sidings at (46, 10).
// Then the edit stage.
TEST_F(Screens, OnALaptopEveryWindowLeavesWhatItIsAboutInSight) {
  open("terminal_57x32");
  for (QAction* a : {w->actNoTrim, w->mnuPunkty, w->mnuWyszukajAll}) {
    EXPECT_EQ(misfitOn("1366x768", *w), "");
    EXPECT_TRUE(
        w->rect().contains(QRect(w->picStack->mapTo(w.get(), QPoint()), w->picStack->size())));
    a->trigger();
  }
  const auto onView = [&](int x, int y) {
    return QRect(w->picOkno->mapToGlobal(QPoint(17 * x, 17 * y)), QSize(17, 17));
  };
  int looked = 0;
  select([&](ui::frmTrasy& t) {
    EXPECT_EQ(misfitOn("1366x768", t), "");
    EXPECT_EQ(cutTexts(&t), "");
    for (int g = 0; g < t.lvwGrupy->topLevelItemCount() && looked < 12; ++g) {
      if (t.lvwGrupy->topLevelItem(g)->text(3).toInt() < 3) continue;
      t.lvwGrupy->setCurrentRow(g);
      t.cmdEdit->click();
      EXPECT_EQ(cutTexts(&t), "") << g;
      for (int r = 0; r < t.lvwTrasy->topLevelItemCount(); ++r, ++looked) {
        t.lvwTrasy->setCurrentRow(r);
        QRect drawn;
        for (const RouteCell& c : w->selector().routeCells(r, *w->station()))
          drawn |= onView(c.x, c.y);
        EXPECT_FALSE(t.frameGeometry().intersects(drawn)) << g << " " << r;
      }
      t.cmdApply->click();
    }
  });
  EXPECT_GE(looked, 12);
  QRect editor;
  whenModal([&](QWidget* d) {
    editor = d->frameGeometry();
    qobject_cast<QDialog*>(d)->reject();
  });
  clickAt(w->picOkno, {17 * 46 + 8, 17 * 10 + 8});
  EXPECT_TRUE(!editor.isEmpty() && !editor.intersects(onView(46, 10)));
  // With the palette beside the view the window still fits, every piece in it.
  w->gridEditing().mnuEdycja->trigger();
  EXPECT_EQ(misfitOn("1366x768", *w), "");
}

}  // namespace
}  // namespace szl
