// The route selector window over an analysed station in the main window, its route file the
// batch tool's reference for that station.
#include <gtest/gtest.h>

#include "ui/dialogs/frm_trasy.h"
#include "ui_support.h"

namespace szl {
namespace {

using namespace test;
using ui::SelectorList;

class SelectorWindow : public WindowTest {
 protected:
  // The window shown and prepared by its first paint.
  void openSelector(const std::string& name) {
    open(name, Stage::Analysed);
    std::filesystem::copy_file(dataPath("reference/" + name + ".opt1.routes"), dir / "trasy.txt");
    t = std::make_unique<ui::frmTrasy>(*w->station(), sel, (dir / "trasy.txt").string(),
                                       *w->picOkno, prompts);
    t->show();
    for (int i = 0; i < 50 && !t->windowPrepared(); ++i) QApplication::processEvents();
    ASSERT_TRUE(t->windowPrepared());
  }
  // Group `g` opened for editing.
  void edit(int g) {
    t->lvwGrupy->setCurrentRow(g);
    t->cmdEdit->click();
  }
  static QString row(SelectorList* list, int r) {
    QStringList cells;
    for (int c = 0; c < list->columnCount(); ++c) cells << list->topLevelItem(r)->text(c);
    return cells.join("|");
  }
  static bool ticked(SelectorList* list, int r) {
    return list->topLevelItem(r)->checkState(0) == Qt::Checked;
  }
  // The lists and the commands, enabled as 0 and 1.
  std::string enabledState() const {
    return enabledOf(t.get(), {"lvwGrupy", "cmdShow", "cmdEdit", "cmdOK", "cmdSelectGrupy",
                               "lvwTrasy", "cmdApply", "cmdSelectTrasy"});
  }

  RouteSelector sel;
  std::unique_ptr<ui::frmTrasy> t;
};

// Browse the groups, edit one by the tick rule, tick another whole, accept, and confirm.
TEST_F(SelectorWindow, BrowseEditAcceptAndConfirm) {
  openSelector("junction_20x10");
  SelectorList* groups = t->lvwGrupy;
  SelectorList* routes = t->lvwTrasy;
  ASSERT_EQ(groups->topLevelItemCount(), 8);
  EXPECT_EQ(row(groups, 0) + "/" + row(groups, 1), "Grupa 1|307|500|1/Grupa 2|309|518|3");
  EXPECT_TRUE(groups->topLevelItem(0)->font(0).bold());
  // Groups of three wait for the author; the rest are kept whole and nothing is said.
  for (int g = 0; g < 8; ++g) EXPECT_EQ(ticked(groups, g), g != 1 && g != 5 && g != 7) << g;
  EXPECT_TRUE(prompts.asked.empty());
  // The highlighted group's start: a platform cell with code 21, and its end, an entry-exit.
  EXPECT_EQ(t->lblOdXY->text() + t->lblOdNr->text() + t->lblDoXY->text() + t->lblDoNr->text(),
            "307:21500:52");
  EXPECT_FALSE(t->imgDo->pixmap().isNull());
  EXPECT_EQ(enabledState(), "11111000");

  groups->setCurrentRow(1);
  EXPECT_EQ(t->lblOdXY->text(), "309:");
  t->cmdShow->click();
  ASSERT_EQ(routes->topLevelItemCount(), 3);
  EXPECT_FALSE(routes->headerItem()->icon(4).isNull());
  // Electrified, two-way, then entry/exit, entry-exit, platform, sidings, stopping point,
  // locomotive stopping point, shed, goods tracks; then the point count.
  EXPECT_EQ(row(routes, 1), "Trasa 3|X|X|-|X|X|-|-|-|-|-|10");
  EXPECT_FALSE(ticked(routes, 0));
  EXPECT_FALSE(routes->isEnabled());  // shown, not edited

  // Group 8: 518 -> 710, routes 12, 13 and 14; 13 lies wholly within 12 and 14.
  edit(7);
  EXPECT_EQ(enabledState(), "00000111");
  EXPECT_EQ(centreOf(17, 5), 'r');  // its first route on the view
  // Space ticks the highlighted route, the one drawn: its unique points are the ones counted.
  press(routes, Qt::Key_Space, " ");
  ASSERT_TRUE(ticked(routes, 0));
  EXPECT_TRUE(prompts.wasAsked("Ta trasa ma 9 unikalnych punktów."));
  EXPECT_EQ(centreOf(17, 5), 'b');  // a unique point
  // The drawn route follows the highlight however it moves, back to the first row too.
  press(routes, Qt::Key_Down);
  EXPECT_EQ(routes->currentRow() * 10 + sel.shownPosition(), 11);
  press(routes, Qt::Key_Up);
  EXPECT_EQ(routes->currentRow() * 10 + sel.shownPosition(), 0);
  press(routes, Qt::Key_Down);
  // A click on another row's check box, or a tick arriving some other way: a beep, the tick and
  // the highlight stay.
  clickAt(routes->viewport(), routes->checkBoxRect(2).center());
  routes->topLevelItem(2)->setCheckState(0, Qt::Checked);
  EXPECT_EQ(prompts.beeps, 2);
  EXPECT_FALSE(ticked(routes, 2));
  EXPECT_EQ(routes->currentRow(), 1);
  EXPECT_EQ(prompts.asked.size(), 1u);
  // Highlighted by a click on the row itself, a route may be ticked.
  clickAt(routes->viewport(), routes->visualItemRect(routes->topLevelItem(2)).center(),
          Qt::RightButton);
  EXPECT_EQ(routes->currentRow() * 10 + sel.shownPosition(), 22);
  clickAt(routes->viewport(), routes->checkBoxRect(2).center());
  EXPECT_TRUE(ticked(routes, 2));
  EXPECT_TRUE(prompts.wasAsked("Ta trasa ma 3 unikalnych"));
  // Accepting: the ticks become the selected flags, the group is ticked, the view redrawn.
  t->cmdApply->click();
  EXPECT_TRUE(ticked(groups, 7));
  EXPECT_NE(centreOf(17, 5), 'b');

  // "Trasy +" ticks without the rule, after its warning.
  edit(1);
  prompts.answers = {Answer::Cancel};
  t->cmdSelectTrasy->click();
  EXPECT_FALSE(ticked(routes, 0));
  t->cmdSelectTrasy->click();
  for (int k = 0; k < 3; ++k) EXPECT_TRUE(ticked(routes, k));
  t->cmdApply->click();

  // Group 1 (one route) unticked by the author; group 6 was never accepted.
  groups->topLevelItem(0)->setCheckState(0, Qt::Unchecked);
  EXPECT_FALSE(sel.groupTicked(0));
  prompts.answers = {Answer::Cancel};
  t->cmdOK->click();
  EXPECT_TRUE(t->isVisible() && prompts.last().title == "Uwaga");
  t->cmdOK->click();
  EXPECT_FALSE(t->isVisible() || t->windowPrepared());
  std::string kept;
  for (const RouteRec& r : sel.table().routes) kept += r.selected ? '1' : '0';
  EXPECT_EQ(kept, "01111110001101");
}

TEST_F(SelectorWindow, NoChoiceNeededIsSaidOverTheFilledList) {
  int rowsWhenAsked = 0;
  prompts.onAsk = [&](const Message&) {
    if (t) rowsWhenAsked = t->lvwGrupy->topLevelItemCount();
  };
  openSelector("yard_14x7");
  ASSERT_EQ(prompts.asked.size(), 1u);
  EXPECT_TRUE(prompts.last().title == "Selekcja tras" && rowsWhenAsked == 6);
  // "Grupy -" after its question; Cancel changes nothing.
  prompts.answers = {Answer::Cancel, Answer::Ok};
  t->cmdResetGrupy->click();
  EXPECT_TRUE(sel.groupTicked(3));
  t->cmdResetGrupy->click();
  for (int g = 0; g < 6; ++g) EXPECT_FALSE(ticked(t->lvwGrupy, g));
}

// Route files of the test's own: routes of more than 59 points, too long for the simulator's
// screen, stand out in red; a file that cannot be read closes the window with a message.
TEST_F(SelectorWindow, LongRoutesAreRedAndARefusedFileClosesTheWindow) {
  std::string line = "10", longRoute = "1,1,";
  for (int x = 1; x < 70; ++x) line += " 10";
  for (int p = 101; p <= 160; ++p) longRoute += std::to_string(p) + ",";
  std::string route59 = longRoute;
  route59.erase(route59.find("159,"), 4);
  const Station track = stationFromRows({line, line, line});
  writeFile(dir / "trasy.txt", route59 + "0,\r\n" + longRoute + "0,\r\n");
  ui::StationView view;
  ui::frmTrasy win(track, sel, (dir / "trasy.txt").string(), view, prompts);
  win.show();
  ASSERT_TRUE(win.prepareNow());
  win.cmdShow->click();
  ASSERT_EQ(win.lvwTrasy->topLevelItemCount(), 2);
  EXPECT_EQ(letter(win.lvwTrasy->topLevelItem(0)->foreground(0).color()), 'k');
  EXPECT_EQ(letter(win.lvwTrasy->topLevelItem(1)->foreground(0).color()), 'r');

  writeFile(dir / "zle.txt", "1,1,101,x,0,\r\n");
  ui::frmTrasy refused(track, sel, (dir / "zle.txt").string(), view, prompts);
  refused.show();
  EXPECT_FALSE(refused.prepareNow());
  EXPECT_FALSE(refused.isVisible());
  EXPECT_EQ(prompts.last().icon, Icon::Critical);
}

}  // namespace
}  // namespace szl
