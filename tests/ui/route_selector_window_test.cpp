// The route selector window over an analysed station in the main window, its route file the
// batch tool's reference for that station.
#include <gtest/gtest.h>

#include "ui/dialogs/frm_trasy.h"
#include "ui_support.h"

namespace szl {
namespace {

using test::Stage;
using ui::frmTrasy;
using ui::SelectorList;

class SelectorWindow : public test::WindowTest {
 protected:
  // The window shown and prepared by its first paint.
  void openSelector(const std::string& name) {
    open(name, Stage::Analysed);
    std::filesystem::copy_file(test::dataPath("reference/" + name + ".opt1.routes"),
                               dir / "trasy.txt");
    t = std::make_unique<frmTrasy>(*w->station(), sel, (dir / "trasy.txt").string(), *w->picOkno,
                                   prompts);
    t->show();
    for (int i = 0; i < 50 && !t->windowPrepared(); ++i) QApplication::processEvents();
    ASSERT_TRUE(t->windowPrepared());
  }
  // Group `g` opened for editing.
  void edit(int g) {
    t->lvwGrupy->setCurrentRow(g);
    t->cmdEdit->click();
  }
  QString row(SelectorList* list, int r) const {
    QStringList cells;
    for (int c = 0; c < list->columnCount(); ++c) cells << list->topLevelItem(r)->text(c);
    return cells.join("|");
  }
  static bool ticked(SelectorList* list, int r) {
    return list->topLevelItem(r)->checkState(0) == Qt::Checked;
  }
  static void tick(SelectorList* list, int r, bool on = true) {
    list->topLevelItem(r)->setCheckState(0, on ? Qt::Checked : Qt::Unchecked);
  }
  static QPointF middleOf(SelectorList* list, int r) {
    return list->visualItemRect(list->topLevelItem(r)).center();
  }
  bool said(const std::string& piece) const {
    return prompts.last().text.find(piece) != std::string::npos;
  }

  RouteSelector sel;
  std::unique_ptr<frmTrasy> t;
};

TEST_F(SelectorWindow, ListsShowTheGroupsAndTheRoutesOfOne) {
  openSelector("junction_20x10");
  SelectorList* groups = t->lvwGrupy;
  ASSERT_EQ(groups->topLevelItemCount(), 8);
  EXPECT_EQ(row(groups, 0), "Grupa 1|307|500|1");
  EXPECT_EQ(row(groups, 1), "Grupa 2|309|518|3");
  EXPECT_TRUE(groups->topLevelItem(0)->font(0).bold());
  // Groups of three wait for the author; the rest are kept whole and nothing is said.
  for (int g = 0; g < 8; ++g) EXPECT_EQ(ticked(groups, g), g != 1 && g != 5 && g != 7) << g;
  EXPECT_TRUE(prompts.asked.empty());
  // The highlighted group's start: a platform cell with code 21, and its end, an entry-exit.
  EXPECT_EQ(t->lblOdXY->text() + t->lblOdNr->text(), "307:21");
  EXPECT_EQ(t->lblDoXY->text() + t->lblDoNr->text(), "500:52");
  EXPECT_FALSE(t->imgDo->pixmap().isNull());
  // Browsing: the group list and its commands.
  for (QWidget* on :
       std::initializer_list<QWidget*>{groups, t->cmdShow, t->cmdEdit, t->cmdOK, t->cmdSelectGrupy})
    EXPECT_TRUE(on->isEnabled()) << on->objectName().toStdString();
  for (QWidget* off : std::initializer_list<QWidget*>{t->lvwTrasy, t->cmdApply, t->cmdSelectTrasy})
    EXPECT_FALSE(off->isEnabled()) << off->objectName().toStdString();

  groups->setCurrentRow(1);
  EXPECT_EQ(t->lblOdXY->text(), "309:");
  t->cmdShow->click();
  SelectorList* routes = t->lvwTrasy;
  ASSERT_EQ(routes->topLevelItemCount(), 3);
  EXPECT_FALSE(routes->headerItem()->icon(4).isNull());
  // Electrified, two-way, then entry/exit, entry-exit, platform, sidings, stopping point,
  // locomotive stopping point, shed, goods tracks; then the point count.
  EXPECT_EQ(row(routes, 0), "Trasa 2|X|X|-|X|X|-|-|-|-|-|10");
  EXPECT_EQ(row(routes, 1), "Trasa 3|X|X|-|X|X|-|-|-|-|-|10");
  EXPECT_FALSE(ticked(routes, 0));
  EXPECT_FALSE(routes->isEnabled());  // shown, not edited
}

TEST_F(SelectorWindow, TicksFollowTheRuleAndOnlyTheHighlightedRowChanges) {
  openSelector("junction_20x10");
  // Group 8: 518 -> 710, routes 12, 13 and 14; 13 lies wholly within 12 and 14.
  edit(7);
  EXPECT_TRUE(t->editing());
  EXPECT_TRUE(t->lvwTrasy->isEnabled());
  EXPECT_FALSE(t->lvwGrupy->isEnabled());
  EXPECT_FALSE(t->cmdOK->isEnabled());
  EXPECT_EQ(centreOf(17, 5), QColor(255, 0, 0));  // its first route in red on the view
  SelectorList* routes = t->lvwTrasy;
  EXPECT_EQ(routes->currentRow(), 0);

  tick(routes, 0);
  ASSERT_EQ(prompts.asked.size(), 1u);
  EXPECT_EQ(prompts.last().title, "Dodaj trasę");
  EXPECT_TRUE(said("Ta trasa ma 9 unikalnych punktów."));
  EXPECT_EQ(centreOf(17, 5), QColor(0, 0, 255));  // a unique point in blue

  // A click on another row's check box: a beep, the tick and the highlight stay.
  test::clickAt(routes->viewport(), routes->checkBoxRect(2).center());
  EXPECT_EQ(prompts.beeps, 1);
  EXPECT_FALSE(ticked(routes, 2));
  EXPECT_EQ(routes->currentRow(), 0);
  // The same when the tick arrives some other way.
  tick(routes, 1);
  EXPECT_EQ(prompts.beeps, 2);
  EXPECT_FALSE(ticked(routes, 1));
  EXPECT_EQ(prompts.asked.size(), 1u);

  // Highlighted by a click on the row itself, a route may be ticked.
  test::clickAt(routes->viewport(), middleOf(routes, 2));
  EXPECT_EQ(routes->currentRow(), 2);
  test::clickAt(routes->viewport(), routes->checkBoxRect(2).center());
  EXPECT_TRUE(ticked(routes, 2));
  EXPECT_TRUE(said("Ta trasa ma 3 unikalnych"));

  routes->setCurrentRow(1);
  tick(routes, 1);
  EXPECT_FALSE(ticked(routes, 1));
  EXPECT_EQ(prompts.last().icon, Icon::Critical);
  EXPECT_EQ(prompts.last().text.rfind("Ta trasa nie ma ani jednego unikalnego punktu ", 0), 0u);
  EXPECT_FALSE(sel.routeTicked(1));

  // Accepting: the ticks become the selected flags, the group is ticked, the view redrawn.
  t->cmdApply->click();
  EXPECT_FALSE(t->editing());
  EXPECT_TRUE(ticked(t->lvwGrupy, 7));
  EXPECT_NE(centreOf(17, 5), QColor(0, 0, 255));
  const auto& r = sel.table().routes;
  EXPECT_TRUE(r[11].selected);
  EXPECT_FALSE(r[12].selected);
  EXPECT_TRUE(r[13].selected);
}

TEST_F(SelectorWindow, TheDrawnRouteFollowsTheHighlightHoweverItMoves) {
  openSelector("junction_20x10");
  edit(7);
  SelectorList* routes = t->lvwTrasy;
  test::press(routes, Qt::Key_Down);
  EXPECT_EQ(routes->currentRow(), 1);
  EXPECT_EQ(sel.shownPosition(), 1);
  test::clickAt(routes->viewport(), middleOf(routes, 2), Qt::RightButton);
  EXPECT_EQ(routes->currentRow(), 2);
  EXPECT_EQ(sel.shownPosition(), 2);
  // Space ticks the highlighted route, the one drawn: its unique points are the ones counted.
  test::press(routes, Qt::Key_Space, " ");
  ASSERT_TRUE(ticked(routes, 2));
  EXPECT_TRUE(said("Ta trasa ma 9 unikalnych"));
  EXPECT_EQ(prompts.beeps, 0);
}

TEST_F(SelectorWindow, EveryCaptionShowsWholeAtTheStartingSize) {
  openSelector("terminal_57x32");
  EXPECT_EQ(test::cutTexts(t.get()), "");
  edit(t->lvwGrupy->topLevelItemCount() - 1);
  EXPECT_EQ(test::cutTexts(t.get()), "");
}

TEST_F(SelectorWindow, ConfirmDropsUntickedGroupsAndTheStationFileKeepsTheRest) {
  openSelector("junction_20x10");
  edit(1);
  // "Trasy +" ticks without the rule, after its warning.
  prompts.answers = {Answer::Cancel};
  t->cmdSelectTrasy->click();
  EXPECT_FALSE(ticked(t->lvwTrasy, 0));
  t->cmdSelectTrasy->click();
  EXPECT_EQ(prompts.last().icon, Icon::Exclamation);
  EXPECT_EQ(prompts.last().title, "Zaznacz trasy");
  for (int k = 0; k < 3; ++k) EXPECT_TRUE(ticked(t->lvwTrasy, k));
  t->cmdApply->click();

  // Group 1 (one route) unticked by the author; groups 6 and 8 were never accepted.
  tick(t->lvwGrupy, 0, false);
  EXPECT_FALSE(sel.groupTicked(0));

  prompts.answers = {Answer::Cancel};
  t->cmdOK->click();
  EXPECT_TRUE(t->isVisible());
  EXPECT_TRUE(t->windowPrepared());
  EXPECT_EQ(prompts.last().title, "Uwaga");

  t->cmdOK->click();
  EXPECT_FALSE(t->isVisible());
  EXPECT_FALSE(t->windowPrepared());
  const std::vector<bool> kept{false, true,  true,  true, true,  true,  true,
                               false, false, false, true, false, false, false};
  ASSERT_EQ(sel.routeCount(), 14);
  for (int r = 0; r < 14; ++r) EXPECT_EQ(sel.table().routes[r].selected, kept[r]) << r;
}

TEST_F(SelectorWindow, NoChoiceNeededIsSaidOverTheFilledList) {
  size_t rowsWhenAsked = 0;
  prompts.onAsk = [&](const Message&) {
    if (t) rowsWhenAsked = static_cast<size_t>(t->lvwGrupy->topLevelItemCount());
  };
  openSelector("yard_14x7");
  ASSERT_EQ(prompts.asked.size(), 1u);
  EXPECT_EQ(prompts.last().title, "Selekcja tras");
  EXPECT_EQ(rowsWhenAsked, 6u);
  for (int g = 0; g < 6; ++g) EXPECT_TRUE(ticked(t->lvwGrupy, g));

  // "Grupy -" and "Grupy +" after their questions; Cancel changes nothing.
  prompts.answers = {Answer::Cancel, Answer::Ok};
  t->cmdResetGrupy->click();
  EXPECT_TRUE(sel.groupTicked(3));
  t->cmdResetGrupy->click();
  for (int g = 0; g < 6; ++g) EXPECT_FALSE(ticked(t->lvwGrupy, g));
  EXPECT_EQ(prompts.last().text, "Jesteś pewien, że chcesz odznaczyć wszystkie grupy?");
}

// Route files of the test's own: routes too long for the simulator's screen stand out in red;
// a file that cannot be read closes the window with a message.
TEST_F(SelectorWindow, LongRoutesAreRedAndARefusedFileClosesTheWindow) {
  std::string line;
  for (int x = 0; x < 70; ++x) line += x ? " 10" : "10";
  const Station track = test::stationFromRows({line, line, line});
  std::string longRoute = "1,1,";
  for (int p = 101; p <= 160; ++p) longRoute += std::to_string(p) + ",";
  test::writeFile(dir / "trasy.txt", "1,1,101,201,159,160,0,\r\n" + longRoute + "0,\r\n");
  ui::StationView view;
  frmTrasy win(track, sel, (dir / "trasy.txt").string(), view, prompts);
  win.show();
  ASSERT_TRUE(win.prepareNow());
  win.cmdShow->click();
  ASSERT_EQ(win.lvwTrasy->topLevelItemCount(), 2);
  EXPECT_EQ(win.lvwTrasy->topLevelItem(1)->text(11), "60");
  EXPECT_EQ(win.lvwTrasy->topLevelItem(1)->foreground(0).color(), QColor(Qt::red));
  EXPECT_NE(win.lvwTrasy->topLevelItem(0)->foreground(0).color(), QColor(Qt::red));

  test::writeFile(dir / "zle.txt", "1,1,101,x,0,\r\n");
  frmTrasy refused(track, sel, (dir / "zle.txt").string(), view, prompts);
  refused.show();
  EXPECT_FALSE(refused.prepareNow());
  EXPECT_FALSE(refused.isVisible());
  EXPECT_EQ(prompts.last().icon, Icon::Critical);
}

}  // namespace
}  // namespace szl
