// The main window's work on an analysed station: the searches, the options that ask for a new
// analysis, a click on a slip crossing, and the object the save asks about.
#include <gtest/gtest.h>

#include <QAction>
#include <QTimer>
#include <algorithm>

#include "ui/dialogs/frm_obiekty.h"
#include "ui/main/window_save_host.h"
#include "ui_support.h"

namespace szl {
namespace {

using test::readFile;
using test::Stage;

class MainWindowSearch : public test::WindowTest {};

// With the default options the window writes what the batch tool writes, byte for byte.
TEST_F(MainWindowSearch, SearchAllWritesTheReferenceRouteFiles) {
  for (const char* name :
       {"yard_14x7", "junction_20x10", "loop_28x13", "town_36x17", "hub_44x22", "terminal_57x32"}) {
    open(name, Stage::Analysed);
    w->cmdStartNoCfm->click();
    EXPECT_EQ(readFile(dir / "trasy.txt"),
              readFile(test::dataPath(std::string("reference/") + name + ".opt1.routes")))
        << name;
  }
}

TEST_F(MainWindowSearch, ARouteFileAtItsLimitStopsTheSearchAndSaysSo) {
  test::writeFile(dir / "ladder.stc", test::ladderStationText());
  openWritten("ladder.stc", Stage::Analysed);
  w->options().platformRule = false;
  w->cmdStartNoCfm->click();
  ASSERT_EQ(prompts.asked.size(), 1u);  // no summary: the search did not end as it should
  EXPECT_TRUE(prompts.asked[0].text.starts_with("Wyszukiwanie zostało zatrzymane: plik z trasami"));
  const std::string routes = readFile(dir / "trasy.txt");
  EXPECT_EQ(w->txtTrasy->text().toStdString(),
            std::to_string(std::count(routes.begin(), routes.end(), '\n')));
  EXPECT_TRUE(enabled("cmdStartNoCfm"));
  EXPECT_TRUE(enabled("cmdSelektor"));
}

TEST_F(MainWindowSearch, SearchAllEndsWithTheSummaryOverAnEmptyStackBar) {
  open("junction_20x10", Stage::Analysed);
  QColor firstBlock;
  prompts.onAsk = [&](const Message&) { firstBlock = w->picStack->image().pixelColor(4, 4); };
  w->cmdStartNoCfm->click();
  ASSERT_EQ(prompts.asked.size(), 1u);  // only the summary
  EXPECT_EQ(prompts.last().title, "Szlakownik - OK");
  EXPECT_EQ(firstBlock, QColor(Qt::white));
  EXPECT_EQ(w->txtConnects->text(), "64");
  EXPECT_EQ(w->txtTrasy->text(), "14");
  expectEnabled({"cmdStart", "cmdStartNoCfm", "cmdSelektor", "cmdPozostale", "cmdAnalyze",
                 "cmdOptions", "cmdOpen"},
                {"cmdSave"});
  EXPECT_FALSE(w->txtConnects->isEnabled());
  // The start markers end red: the entry-exit at (0, 5) was walked through its port 5.
  EXPECT_EQ(pixel(17 * 0 + 1 + 5 + 8, 17 * 5 + 1 + 8), QColor(255, 0, 0));
}

TEST_F(MainWindowSearch, ConfirmModeAsksAboutEveryRoute) {
  open("yard_14x7", Stage::Analysed);
  // Yes, No, then Yes for the rest; the route under review is red while asked about.
  prompts.answers = {Answer::Yes, Answer::No};
  std::vector<QColor> seen;
  std::vector<bool> searching;
  prompts.onAsk = [&](const Message& m) {
    if (m.title != "Trasa") return;
    seen.push_back(centreOf(3, 2));
    searching.push_back(!enabled("cmdOpen") && !enabled("cmdAnalyze") && !enabled("cmdSave") &&
                        !enabled("cmdStartNoCfm"));
  };
  w->cmdStart->click();
  ASSERT_GE(seen.size(), 2u);
  for (bool s : searching) EXPECT_TRUE(s);
  // The platform rule's refusals are told in this mode too.
  EXPECT_TRUE(prompts.wasAsked("Trasa nie prowadzi z żadnego wjazdu na ten peron."));
  EXPECT_EQ(seen.front(), QColor(255, 0, 0));
  const std::string routes = readFile(dir / "trasy.txt");
  EXPECT_EQ(std::count(routes.begin(), routes.end(), '\n'), 5);  // six routes, one answered No
  EXPECT_NE(prompts.last().text.find("1 niewłaściwych tras."), std::string::npos);
  // After the questions the cells are yellow again.
  EXPECT_EQ(centreOf(3, 2), QColor(255, 255, 0));
}

// A ring of track with a passing loop keeps one start port's walk going for ages; the window
// still answers, and leaving the program ends the search and keeps the route file whole.
TEST_F(MainWindowSearch, TheWindowAnswersDuringAnEndlessWalk) {
  open("ring_20x10", Stage::Analysed);
  // The author leaves while the ring is walked: the exit waits in the event queue until the
  // window next answers, which it does in the middle of that walk.
  bool counted = false;
  prompts.onAsk = [&](const Message& m) {
    if (m.kind != MessageKind::StackOverflow) return;
    QTimer::singleShot(0, [&] {
      counted = w->searching();
      prompts.answers = {Answer::Ok};  // "Opuścić program Szlakownik?"
      w->mnuExit->trigger();
    });
  };
  w->cmdStartNoCfm->click();
  EXPECT_TRUE(counted);
  EXPECT_FALSE(w->searching());
  EXPECT_TRUE(prompts.wasAsked("Szkoda, bo to fajny program. ;-)"));
  EXPECT_EQ(readFile(dir / "trasy.txt"), "1,1,101,102,103,104,0,\r\n");
}

TEST_F(MainWindowSearch, OnlyPassagesAndTrackShapeAskForANewAnalysis) {
  open("yard_14x7", Stage::Analysed);
  const QImage before = w->picOkno->image();
  const auto options = [&](std::initializer_list<const char*> clicks) {
    test::whenModal([clicks](QWidget* d) {
      for (const char* b : clicks) test::click(d, b);
    });
    w->cmdOptions->click();
  };
  // Cancel after changing a box: nothing changes, nothing is redrawn or disabled.
  options({"chkTory", "cmdCancel"});
  EXPECT_FALSE(w->options().passages.throughSidings);
  EXPECT_TRUE(w->cmdStart->isEnabled());
  EXPECT_EQ(w->picOkno->image(), before);
  // A filter changed with OK: the search stays available.
  options({"optKier2", "cmdOK"});
  EXPECT_EQ(w->options().direction, Direction::TwoWay);
  EXPECT_TRUE(w->cmdStartNoCfm->isEnabled());
  // Tracks as points: redrawn, and the search waits for a new analysis.
  options({"optToryPkt", "cmdOK"});
  expectEnabled({"cmdAnalyze"}, {"cmdStart", "cmdStartNoCfm"});
  // Between the centre marker and the port marker of a straight track: the yellow line is gone,
  // the centre marker's black ring is there.
  EXPECT_EQ(pixel(17 * 3 + 1 + 10, 17 * 2 + 1 + 8), QColor(0, 0, 0));
  w->cmdAnalyze->click();
  EXPECT_TRUE(w->cmdStart->isEnabled());
}

TEST_F(MainWindowSearch, ClickOnASlipCrossingSetsItsType) {
  open("junction_20x10", Stage::Kept);
  const QPointF crossing(17 * 12 + 8, 17 * 5 + 8);
  // Before the analysis a click does nothing.
  test::mouse(w->picOkno, QEvent::MouseButtonPress, crossing);
  w->cmdAnalyze->click();
  ASSERT_EQ(w->station()->cell(12, 5).Code, 24);
  bool opened = false;
  test::whenModal([&](QWidget* d) {
    opened = true;
    EXPECT_EQ(d->windowTitle(), "Rozjazd krzyżowy podwójny");
    test::mouse(test::child<QWidget>(d, "picCross4"), QEvent::MouseButtonPress, {50, 50});
    test::click(d, "cmdOK");
  });
  test::mouse(w->picOkno, QEvent::MouseButtonPress, crossing);
  EXPECT_TRUE(opened);
  EXPECT_EQ(w->station()->cell(12, 5).CrossType, 3);
}

TEST_F(MainWindowSearch, TheObjectTheSaveAsksAboutStandsOutAndItsEditorSaysWhatIsMissing) {
  open("yard_14x7", Stage::Analysed);
  const QImage before = w->picOkno->image();
  bool asked = false;
  test::whenModal([&](QWidget* d) {
    auto* e = qobject_cast<ui::frmObiekty*>(d);
    ASSERT_NE(e, nullptr);
    asked = true;
    EXPECT_TRUE(e->lblBrakuje->isVisible());
    EXPECT_TRUE(e->lblBrakuje->text().contains("\n• Czas zwolnienia wjazdu / wyjazdu w minutach"))
        << e->lblBrakuje->text().toStdString();
    EXPECT_EQ(pixel(17 * 0 + 1 + 1, 17 * 2 + 1 + 8), QColor(0, 0, 255));
    e->cmdCancel->click();
  });
  ui::WindowSaveHost host(*w);
  EXPECT_TRUE(host.Uzupelnij(*w->station(), 0, 2));
  EXPECT_TRUE(asked);
  EXPECT_EQ(w->picOkno->image(), before);
}

}  // namespace
}  // namespace szl
