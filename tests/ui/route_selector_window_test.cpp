#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <filesystem>

#include "model/preparation.h"
#include "stationfile/station_reader.h"
#include "stationfile/station_writer.h"
#include "support/test_support.h"
#include "ui/dialogs/frm_trasy.h"
#include "ui_support.h"

namespace szl {
namespace {

using test::dataPath;
using test::ScriptedPrompts;
using ui::frmTrasy;
using ui::SelectorList;

const std::string kNoUnique = "Ta trasa nie ma ani jednego unikalnego punktu ";

// A reference station analysed as the main window does, its route file beside it as trasy.txt,
// the view drawn, and the selector window shown and prepared by its first paint.
class SelectorWindow : public ::testing::Test {
 protected:
  void open(const std::string& name) {
    std::filesystem::copy_file(dataPath("reference/" + name + ".stc"), dir / (name + ".stc"));
    std::filesystem::copy_file(dataPath("reference/" + name + ".opt1.routes"), dir / "trasy.txt");
    LoadResult load = WczytajStacje((dir / (name + ".stc")).string());
    ASSERT_TRUE(load.station) << load.error;
    st = std::move(*load.station);
    PrzygotujStacje(st, {});
    view.setStation(&st);
    view.resizeCanvas(17 * st.ColCount() + 20, 17 * st.RowCount() + 20);
    view.drawStation(true);
    w = std::make_unique<frmTrasy>(st, sel, (dir / "trasy.txt").string(), view, prompts);
    w->show();
    for (int i = 0; i < 50 && !w->windowPrepared(); ++i) QApplication::processEvents();
    ASSERT_TRUE(w->windowPrepared());
  }

  QStringList row(SelectorList* list, int r) const {
    QStringList cells;
    QTreeWidgetItem* item = list->topLevelItem(r);
    for (int c = 0; c < list->columnCount(); ++c) cells << item->text(c);
    return cells;
  }
  bool ticked(SelectorList* list, int r) const {
    return list->topLevelItem(r)->checkState(0) == Qt::Checked;
  }
  void tick(SelectorList* list, int r, bool on = true) {
    list->topLevelItem(r)->setCheckState(0, on ? Qt::Checked : Qt::Unchecked);
  }
  void clickAt(SelectorList* list, QPoint p, Qt::MouseButton button = Qt::LeftButton) {
    for (const QEvent::Type t : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
      QMouseEvent e(t, QPointF(p), list->viewport()->mapToGlobal(QPointF(p)), button,
                    t == QEvent::MouseButtonPress ? button : Qt::NoButton, Qt::NoModifier);
      QApplication::sendEvent(list->viewport(), &e);
    }
  }
  QColor centreOf(int x, int y) const { return view.image().pixelColor(17 * x + 9, 17 * y + 9); }

  test::TempDir dir;
  Station st;
  ui::StationView view;
  RouteSelector sel;
  ScriptedPrompts prompts;
  std::unique_ptr<frmTrasy> w;
};

TEST_F(SelectorWindow, ListsShowTheGroupsAndTheRoutesOfOne) {
  open("junction_20x10");
  SelectorList* groups = w->findChild<SelectorList*>("lvwGrupy");
  ASSERT_NE(groups, nullptr);
  ASSERT_EQ(groups->topLevelItemCount(), 8);
  EXPECT_EQ(row(groups, 0).join("|"), "Grupa 1|307|500|1");
  EXPECT_EQ(row(groups, 1).join("|"), "Grupa 2|309|518|3");
  EXPECT_TRUE(groups->topLevelItem(0)->font(0).bold());
  // Groups of three wait for the author; the rest are kept whole and nothing is said.
  for (int g = 0; g < 8; ++g) EXPECT_EQ(ticked(groups, g), g != 1 && g != 5 && g != 7) << g;
  EXPECT_TRUE(prompts.asked.empty());
  // The highlighted group's start: a platform cell with code 21, and its end, an entry-exit.
  EXPECT_EQ(w->lblOdXY->text(), "307:");
  EXPECT_EQ(w->lblOdNr->text(), "21");
  EXPECT_EQ(w->lblDoXY->text(), "500:");
  EXPECT_EQ(w->lblDoNr->text(), "52");
  EXPECT_FALSE(w->imgDo->pixmap().isNull());

  // Browsing: the group list and its commands.
  for (QWidget* on : {static_cast<QWidget*>(groups), static_cast<QWidget*>(w->cmdShow),
                      static_cast<QWidget*>(w->cmdEdit), static_cast<QWidget*>(w->cmdOK),
                      static_cast<QWidget*>(w->cmdSelectGrupy)})
    EXPECT_TRUE(on->isEnabled()) << on->objectName().toStdString();
  for (QWidget* off : {static_cast<QWidget*>(w->lvwTrasy), static_cast<QWidget*>(w->cmdApply),
                       static_cast<QWidget*>(w->cmdSelectTrasy)})
    EXPECT_FALSE(off->isEnabled()) << off->objectName().toStdString();

  groups->setCurrentRow(1);
  EXPECT_EQ(w->lblOdXY->text(), "309:");
  w->cmdShow->click();
  SelectorList* routes = w->lvwTrasy;
  ASSERT_EQ(routes->topLevelItemCount(), 3);
  EXPECT_EQ(routes->columnCount(), 12);
  EXPECT_FALSE(routes->headerItem()->icon(4).isNull());
  // Electrified, two-way, then entry/exit, entry-exit, platform, sidings, stopping point,
  // locomotive stopping point, shed, goods tracks; then the point count.
  EXPECT_EQ(row(routes, 0).join("|"), "Trasa 2|X|X|-|X|X|-|-|-|-|-|10");
  EXPECT_EQ(row(routes, 1).join("|"), "Trasa 3|X|X|-|X|X|-|-|-|-|-|10");
  EXPECT_FALSE(ticked(routes, 0));
  EXPECT_FALSE(routes->isEnabled());  // shown, not edited
}

TEST_F(SelectorWindow, TicksFollowTheRuleAndOnlyTheHighlightedRowChanges) {
  open("junction_20x10");
  // Group 8: 518 -> 710, routes 12, 13 and 14; 13 lies wholly within 12 and 14.
  w->lvwGrupy->setCurrentRow(7);
  w->cmdEdit->click();
  EXPECT_TRUE(w->editing());
  EXPECT_TRUE(w->lvwTrasy->isEnabled());
  EXPECT_FALSE(w->lvwGrupy->isEnabled());
  EXPECT_FALSE(w->cmdOK->isEnabled());
  EXPECT_EQ(centreOf(17, 5), QColor(255, 0, 0));  // its first route in red on the view
  SelectorList* routes = w->lvwTrasy;
  EXPECT_EQ(routes->currentRow(), 0);

  tick(routes, 0);
  ASSERT_EQ(prompts.asked.size(), 1u);
  EXPECT_EQ(prompts.asked[0].title, "Dodaj trasę");
  EXPECT_NE(prompts.asked[0].text.find("Ta trasa ma 9 unikalnych punktów."), std::string::npos);
  EXPECT_EQ(centreOf(17, 5), QColor(0, 0, 255));  // a unique point in blue

  // A click on another row's check box: a beep, the tick and the highlight stay.
  clickAt(routes, routes->checkBoxRect(2).center());
  EXPECT_EQ(prompts.beeps, 1);
  EXPECT_FALSE(ticked(routes, 2));
  EXPECT_EQ(routes->currentRow(), 0);
  // The same when the tick arrives some other way.
  tick(routes, 1);
  EXPECT_EQ(prompts.beeps, 2);
  EXPECT_FALSE(ticked(routes, 1));
  EXPECT_EQ(prompts.asked.size(), 1u);

  // Highlighted by a click on the row itself, a route may be ticked.
  clickAt(routes, routes->visualItemRect(routes->topLevelItem(2)).center());
  EXPECT_EQ(routes->currentRow(), 2);
  clickAt(routes, routes->checkBoxRect(2).center());
  EXPECT_TRUE(ticked(routes, 2));
  EXPECT_NE(prompts.asked.back().text.find("Ta trasa ma 3 unikalnych"), std::string::npos);

  routes->setCurrentRow(1);
  tick(routes, 1);
  EXPECT_FALSE(ticked(routes, 1));
  EXPECT_EQ(prompts.asked.back().icon, Icon::Critical);
  EXPECT_EQ(prompts.asked.back().text.rfind(kNoUnique, 0), 0u);
  EXPECT_FALSE(sel.routeTicked(1));

  // Accepting: the ticks become the selected flags, the group is ticked, the view redrawn.
  w->cmdApply->click();
  EXPECT_FALSE(w->editing());
  EXPECT_TRUE(ticked(w->lvwGrupy, 7));
  EXPECT_NE(centreOf(17, 5), QColor(0, 0, 255));
  const auto& r = sel.table().routes;
  EXPECT_TRUE(r[11].selected);
  EXPECT_FALSE(r[12].selected);
  EXPECT_TRUE(r[13].selected);
}

TEST_F(SelectorWindow, TheDrawnRouteFollowsTheHighlightHoweverItMoves) {
  open("junction_20x10");
  w->lvwGrupy->setCurrentRow(7);
  w->cmdEdit->click();
  SelectorList* routes = w->lvwTrasy;
  QKeyEvent down(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
  QApplication::sendEvent(routes, &down);
  EXPECT_EQ(routes->currentRow(), 1);
  EXPECT_EQ(sel.shownPosition(), 1);
  clickAt(routes, routes->visualItemRect(routes->topLevelItem(2)).center(), Qt::RightButton);
  EXPECT_EQ(routes->currentRow(), 2);
  EXPECT_EQ(sel.shownPosition(), 2);
  // Space ticks the highlighted route, the one drawn: its unique points are the ones counted.
  QKeyEvent space(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, " ");
  QApplication::sendEvent(routes, &space);
  ASSERT_TRUE(ticked(routes, 2));
  EXPECT_NE(prompts.asked.back().text.find("Ta trasa ma 9 unikalnych"), std::string::npos);
  EXPECT_EQ(prompts.beeps, 0);
}

TEST_F(SelectorWindow, EveryCaptionShowsWholeAtTheStartingSize) {
  open("terminal_57x32");
  EXPECT_EQ(test::cutTexts(w.get()), "");
  w->lvwGrupy->setCurrentRow(w->lvwGrupy->topLevelItemCount() - 1);
  w->cmdEdit->click();
  EXPECT_EQ(test::cutTexts(w.get()), "");
}

TEST_F(SelectorWindow, ConfirmDropsUntickedGroupsAndTheStationFileKeepsTheRest) {
  open("junction_20x10");
  w->lvwGrupy->setCurrentRow(1);
  w->cmdEdit->click();
  // "Trasy +" ticks without the rule, after its warning.
  prompts.answers = {Answer::Cancel};
  w->cmdSelectTrasy->click();
  EXPECT_FALSE(ticked(w->lvwTrasy, 0));
  w->cmdSelectTrasy->click();
  EXPECT_EQ(prompts.asked.back().icon, Icon::Exclamation);
  EXPECT_EQ(prompts.asked.back().title, "Zaznacz trasy");
  for (int k = 0; k < 3; ++k) EXPECT_TRUE(ticked(w->lvwTrasy, k));
  w->cmdApply->click();

  // Group 1 (one route) unticked by the author; groups 6 and 8 were never accepted.
  tick(w->lvwGrupy, 0, false);
  EXPECT_FALSE(sel.groupTicked(0));

  prompts.answers = {Answer::Cancel};
  w->cmdOK->click();
  EXPECT_TRUE(w->isVisible());
  EXPECT_TRUE(w->windowPrepared());
  EXPECT_EQ(prompts.asked.back().title, "Uwaga");

  w->cmdOK->click();
  EXPECT_FALSE(w->isVisible());
  EXPECT_FALSE(w->windowPrepared());
  const std::vector<bool> kept{false, true,  true,  true, true,  true,  true,
                               false, false, false, true, false, false, false};
  ASSERT_EQ(sel.routeCount(), 14);
  for (int r = 0; r < 14; ++r) EXPECT_EQ(sel.table().routes[r].selected, kept[r]) << r;

  // The station file copies exactly the kept lines of the route file.
  const std::string routeText = test::readFile(dir / "trasy.txt");
  std::string expected = "7,\r\n";
  size_t at = 0;
  for (int r = 0; r < 14; ++r) {
    const size_t end = routeText.find("\r\n", at) + 2;
    if (kept[r]) expected += routeText.substr(at, end - at);
    at = end;
  }
  RouteFileRead routes = readRouteFile((dir / "trasy.txt").string(), st);
  ASSERT_TRUE(routes.file);
  const StationFileBytes file = stationFileBytes(st, sel.table(), *routes.file, "podpis");
  EXPECT_NE(file.bytes.find("\r\n" + expected), std::string::npos) << file.bytes;
}

TEST_F(SelectorWindow, NoChoiceNeededIsSaidOverTheFilledList) {
  size_t rowsWhenAsked = 0;
  prompts.onAsk = [&](const Message&) {
    if (w) rowsWhenAsked = static_cast<size_t>(w->lvwGrupy->topLevelItemCount());
  };
  open("yard_14x7");
  ASSERT_EQ(prompts.asked.size(), 1u);
  EXPECT_EQ(prompts.asked[0].title, "Selekcja tras");
  EXPECT_EQ(rowsWhenAsked, 6u);
  for (int g = 0; g < 6; ++g) EXPECT_TRUE(ticked(w->lvwGrupy, g));

  // "Grupy -" and "Grupy +" after their questions; Cancel changes nothing.
  prompts.answers = {Answer::Cancel, Answer::Ok};
  w->cmdResetGrupy->click();
  EXPECT_TRUE(sel.groupTicked(3));
  w->cmdResetGrupy->click();
  for (int g = 0; g < 6; ++g) EXPECT_FALSE(ticked(w->lvwGrupy, g));
  EXPECT_EQ(prompts.asked.back().text, "Jesteś pewien, że chcesz odznaczyć wszystkie grupy?");
}

TEST_F(SelectorWindow, RoutesTooLongForTheSimulatorAreRed) {
  std::string row;
  for (int x = 0; x < 70; ++x) row += x ? " 10" : "10";
  Station track = test::stationFromRows({row, row, row});
  std::string longRoute = "1,1,";
  for (int p = 101; p <= 160; ++p) longRoute += std::to_string(p) + ",";
  test::writeFile(dir / "trasy.txt", "1,1,101,201,159,160,0,\r\n" + longRoute + "0,\r\n");
  frmTrasy win(track, sel, (dir / "trasy.txt").string(), view, prompts);
  win.show();
  ASSERT_TRUE(win.prepareNow());
  win.cmdShow->click();
  ASSERT_EQ(win.lvwTrasy->topLevelItemCount(), 2);
  EXPECT_EQ(win.lvwTrasy->topLevelItem(1)->text(11), "60");
  EXPECT_EQ(win.lvwTrasy->topLevelItem(1)->foreground(0).color(), QColor(Qt::red));
  EXPECT_NE(win.lvwTrasy->topLevelItem(0)->foreground(0).color(), QColor(Qt::red));
}

TEST_F(SelectorWindow, ARefusedRouteFileClosesTheWindow) {
  test::writeFile(dir / "trasy.txt", "1,1,101,x,0,\r\n");
  Station small = test::stationFromRows({"10 10 10", "10 10 10"});
  frmTrasy win(small, sel, (dir / "trasy.txt").string(), view, prompts);
  win.show();
  EXPECT_FALSE(win.prepareNow());
  EXPECT_FALSE(win.isVisible());
  ASSERT_EQ(prompts.asked.size(), 1u);
  EXPECT_EQ(prompts.asked[0].icon, Icon::Critical);
}

}  // namespace
}  // namespace szl
