#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QToolButton>
#include <QToolTip>

#include "support/test_support.h"
#include "ui/main/frm_main.h"
#include "ui/main/station_open_dialog.h"
#include "ui_support.h"

namespace szl {
namespace {

using test::dataPath;
using test::ScriptedPrompts;
using ui::frmMain;

bool enabled(frmMain& w, const char* button) {
  auto* b = w.findChild<QToolButton*>(button);
  EXPECT_NE(b, nullptr) << button;
  return b && b->isEnabled();
}

// The commands a stage leaves enabled, as the author sees them on the buttons.
void expectEnabled(frmMain& w, std::initializer_list<const char*> on,
                   std::initializer_list<const char*> off) {
  for (const char* n : on) EXPECT_TRUE(enabled(w, n)) << n;
  for (const char* n : off) EXPECT_FALSE(enabled(w, n)) << n;
}

QColor pixel(frmMain& w, int x, int y) { return w.picOkno->image().pixelColor(x, y); }
// Centre of a cell after the trimming stage.
QColor centreOf(frmMain& w, int cx, int cy) { return pixel(w, 17 * cx + 9, 17 * cy + 9); }

TEST(MainWindow, OpenKeepAnalyse) {
  ScriptedPrompts prompts;
  frmMain w(&prompts);
  EXPECT_EQ(w.windowTitle(), "Szlakownik for Torowik 0.89");
  ASSERT_TRUE(w.start(QString::fromStdString(dataPath("reference/yard_14x7.stc").string())));
  EXPECT_EQ(w.windowTitle(), "Szlakownik for Torowik - yard_14x7.stc");
  // The yard has two empty rows on top: the trimming advice is shown.
  EXPECT_TRUE(prompts.wasAsked("Rozmiary stacji"));
  EXPECT_EQ(w.txtWiersze->text(), "7");
  EXPECT_EQ(w.txtKolumny->text(), "14");
  expectEnabled(w, {"cmdTrim", "cmdNoTrim", "cmdOpen", "cmdExit"},
                {"cmdAnalyze", "cmdOptions", "cmdBoard", "cmdStart", "cmdStartNoCfm",
                 "cmdSelektor", "cmdPozostale", "cmdSave"});
  EXPECT_EQ(w.picOkno->geometry(), QRect(21, 72, 17 * 14 + 3, 17 * 7 + 3));
  EXPECT_EQ(w.sldYTrimLo->value(), 2);
  EXPECT_EQ(w.sldYTrimLo->maximum(), 6);
  EXPECT_EQ(w.sldXTrimHi->value(), 14);
  EXPECT_EQ(w.sldXTrimHi->selStart(), 1);
  EXPECT_EQ(w.sldXTrimHi->selLength(), 13);
  EXPECT_EQ(w.sldXTrimHi->geometry(), QRect(34, 17 * 7 + 75, 17 * 14 - 6, 16));
  // Dragged, a slider says where it would cut; the other one of the pair, pushed, too.
  w.sldYTrimLo->setSliderDown(true);
  w.sldYTrimLo->setValue(6);
  EXPECT_EQ(QToolTip::text(), "Pierwszy wiersz: 6");
  EXPECT_EQ(w.sldYTrimHi->toolTip(), "Ostatni wiersz: 6");
  w.sldYTrimLo->setValue(2);
  w.sldYTrimLo->setSliderDown(false);

  w.cmdNoTrim->click();
  expectEnabled(w, {"cmdAnalyze", "cmdOptions", "cmdBoard"},
                {"cmdTrim", "cmdNoTrim", "cmdStart", "cmdStartNoCfm", "cmdSave"});
  EXPECT_EQ(w.picOkno->geometry(), QRect(5, 56, 17 * 14 + 20, 17 * 7 + 20));
  EXPECT_TRUE(w.sldXTrimLo->isHidden());
  // Row 2: 50,10,21,... electrified track in yellow; row 6 holds 150 (green).
  EXPECT_EQ(centreOf(w, 1, 2), QColor(255, 255, 0));
  EXPECT_EQ(centreOf(w, 7, 6), QColor(0, 255, 0));
  // The ruler on the right and the grey corner.
  EXPECT_EQ(pixel(w, 17 * 14 + 10, 5), QColor(255, 255, 0));
  EXPECT_EQ(pixel(w, 17 * 14 + 10, 17 * 7 + 10), QColor(128, 128, 128));

  w.cmdAnalyze->click();
  EXPECT_TRUE(w.stationPrepared());
  expectEnabled(w, {"cmdStart", "cmdStartNoCfm", "cmdAnalyze"},
                {"cmdSelektor", "cmdPozostale", "cmdSave"});
  // The entry at (12, 2) has its track on the west: an orange stub on its port 4 side. The exit
  // at (0, 2) faces away from its track and gets none.
  EXPECT_EQ(pixel(w, 17 * 12 + 1 - 5 + 8, 17 * 2 + 1 + 8), QColor(255, 128, 0));
  EXPECT_NE(pixel(w, 17 * 0 + 1 + 5 + 8, 17 * 2 + 1 + 8), QColor(255, 128, 0));
}

TEST(MainWindow, TrimCutsTheStation) {
  ScriptedPrompts prompts;
  frmMain w(&prompts);
  ASSERT_TRUE(w.start(QString::fromStdString(dataPath("reference/yard_14x7.stc").string())));
  w.cmdTrim->click();
  ASSERT_NE(w.station(), nullptr);
  EXPECT_EQ(w.station()->RowCount(), 5);
  EXPECT_EQ(w.txtWiersze->text(), "5");
  EXPECT_EQ(w.station()->cell(0, 0).Code, 50);
  // Trimming brought the entry to point 0: the author is warned.
  EXPECT_TRUE(prompts.wasAsked("Pole w punkcie 0 nie jest puste. "));
  EXPECT_EQ(w.trimRect().TrimYHi, 5);
}

TEST(MainWindow, MenuAndButtonShareOneCommand) {
  ScriptedPrompts prompts;
  frmMain w(&prompts);
  ASSERT_TRUE(w.start(QString::fromStdString(dataPath("reference/yard_14x7.stc").string())));
  auto* save = w.findChild<QAction*>("mnuSave");
  ASSERT_NE(save, nullptr);
  EXPECT_EQ(save->text(), "Zapisz");
  EXPECT_EQ(w.cmdSave->text(), "Zapisz stację");
  save->setEnabled(true);
  EXPECT_TRUE(w.cmdSave->isEnabled());
  QStringList menus;
  for (QAction* a : w.mnuTrasy->actions()) menus << (a->isSeparator() ? "-" : a->text());
  EXPECT_EQ(menus.join("|"),
            "Wyszukaj|Wyszukaj wszystkie|-|Selekcja tras|-|Edycja danych|-|Analizuj|-|Zoom|-|Opcje");
}

TEST(MainWindow, StartUpAndRefusedFiles) {
  test::TempDir dir;
  test::writeFile(dir / "bad.stc", "0,\r\n2,2,\r\n0,x,\r\n");
  ScriptedPrompts prompts;
  // A refused file at the very start asks again; cancelling asks whether to leave; staying asks
  // again; the good file loads.
  prompts.openPaths = {QString::fromStdString((dir / "bad.stc").string()), QString(),
                       QString::fromStdString(dataPath("reference/yard_14x7.stc").string())};
  prompts.answers = {Answer::Cancel};
  frmMain w(&prompts);
  ASSERT_TRUE(w.start(std::nullopt));
  ASSERT_NE(w.station(), nullptr);
  EXPECT_TRUE(prompts.wasAsked("\"x\" nie jest liczbą całkowitą"));
  EXPECT_TRUE(prompts.wasAsked("Opuścić program Szlakownik?"));

  // A refused file later leaves the open station as it was.
  w.cmdNoTrim->click();
  prompts.openPaths = {QString::fromStdString((dir / "bad.stc").string())};
  w.cmdOpen->click();
  EXPECT_EQ(w.station()->StationFile, "yard_14x7.stc");
  EXPECT_TRUE(w.cmdAnalyze->isEnabled());

  // Cancelling the dialog and leaving ends the program.
  prompts.asked.clear();
  prompts.answers = {Answer::Ok};
  frmMain w2(&prompts);
  EXPECT_FALSE(w2.start(std::nullopt));
  EXPECT_TRUE(prompts.wasAsked("Szkoda, bo to fajny program. ;-)"));
}

TEST(OpenDialog, FindsAStationByTheReadersNameRuleAndRefusesOtherFiles) {
  test::TempDir dir;
  test::writeFile(dir / "stacja.stc", "0,\r\n1,1,\r\n0,\r\n");
  test::writeFile(dir / "trasy.txt", "1,1,101,102,0,\r\n");
  ScriptedPrompts prompts;
  // The dialog's answer to a name typed or chosen: the path it hands over, or nothing while it
  // stays open.
  const auto choose = [&](const QString& name) {
    ui::StationOpenDialog d(nullptr, prompts);
    d.setDirectory(QString::fromStdString(dir.path().string()));
    d.selectFile(name);
    EXPECT_TRUE(d.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Open)->isEnabled());
    d.accept();
    return d.result() == QDialog::Accepted ? QFileInfo(d.selectedFiles().value(0)).fileName()
                                           : QString();
  };
  EXPECT_EQ(choose("stacja"), "stacja.stc");
  EXPECT_EQ(choose("stacja.stc"), "stacja.stc");
  EXPECT_TRUE(prompts.asked.empty());
  EXPECT_EQ(choose("trasy.txt"), "");
  EXPECT_EQ(
      prompts.asked.back().text,
      "Plik trasy.txt nie jest plikiem stacji.\r\nOtworzyć można tylko pliki stacji (*.stc).");
  EXPECT_EQ(choose("inna"), "");
  EXPECT_EQ(prompts.asked.back().text.rfind("Nie ma pliku inna.stc w folderze ", 0), 0u);
}

TEST(MainWindow, PointerTooltipsAndRounding) {
  ScriptedPrompts prompts;
  frmMain w(&prompts);
  ASSERT_TRUE(w.start(QString::fromStdString(dataPath("reference/yard_14x7.stc").string())));
  w.cmdNoTrim->click();
  auto move = [&](double x, double y) {
    QMouseEvent e(QEvent::MouseMove, QPointF(x, y), QPointF(x, y), Qt::NoButton, Qt::NoButton,
                  Qt::NoModifier);
    QApplication::sendEvent(w.picOkno, &e);
    return w.picOkno->toolTip();
  };
  // Before the analysis only point numbers.
  EXPECT_EQ(move(17 * 1 + 5, 17 * 2 + 5), "201");
  w.cmdAnalyze->click();
  EXPECT_EQ(move(17 * 1 + 5, 17 * 2 + 5), "201 Tor");
  EXPECT_EQ(move(17 * 0 + 5, 17 * 2 + 5), "200 Wjazd / wyjazd");
  EXPECT_EQ(move(17 * 2 + 5, 17 * 2 + 5), "202 Punkt postojowy");
  EXPECT_EQ(move(17 * 8 + 5, 17 * 6 + 5), "608 Tory postojowe");
  EXPECT_EQ(move(17 * 3 + 5, 17 * 4 + 5), "403 Zwrotnica");
  // 16.6 rounds to 17: column 1.
  EXPECT_EQ(move(16.6, 17 * 2 + 5), "201 Tor");
  // Beyond the last column: no tooltip.
  EXPECT_EQ(move(17 * 14 + 3, 17 * 2 + 5), "");
}

}  // namespace
}  // namespace szl

namespace szl {
namespace {

TEST(MainWindow, HelpNeedsItsPageBesideTheProgram) {
  test::TempDir dir;
  test::ScriptedPrompts prompts;
  {
    test::writeFile(dir / "szlakownik089-20.htm", "<html></html>");  // other letter case
    frmMain w(&prompts);
    w.setProgramDir(QString::fromStdString(dir.path().string()));
    ASSERT_TRUE(w.start(QString::fromStdString(test::dataPath("reference/yard_14x7.stc").string())));
    EXPECT_FALSE(w.cmdPomoc->isEnabled());
  }
  test::writeFile(dir / "Szlakownik089-20.htm", "<html></html>");
  frmMain w(&prompts);
  w.setProgramDir(QString::fromStdString(dir.path().string()));
  ASSERT_TRUE(w.start(QString::fromStdString(test::dataPath("reference/yard_14x7.stc").string())));
  EXPECT_TRUE(w.cmdPomoc->isEnabled());
  // The help menu asks first: Cancel opens nothing, OK opens the page.
  prompts.answers = {Answer::Cancel, Answer::Ok};
  w.mnuPomoc->trigger();
  EXPECT_TRUE(prompts.browsed.empty());
  w.mnuPomoc->trigger();
  ASSERT_EQ(prompts.browsed.size(), 1u);
  EXPECT_TRUE(prompts.browsed[0].endsWith("/Szlakownik089-20.htm"));
  EXPECT_TRUE(prompts.wasAsked("Szczegóły dot. użycia programu znajdują się w pliku Szlakownik089-20.htm. "));
  w.mnuAbout->trigger();
  EXPECT_EQ(prompts.asked.back().title, "About");
  EXPECT_EQ(prompts.asked.back().text.rfind("Szlakownik 2.0 for Torowik 0.89+\r\n\r\n", 0), 0u);
}

TEST(MainWindow, ClosingByTheFrameAsksFirst) {
  test::ScriptedPrompts prompts;
  frmMain w(&prompts);
  ASSERT_TRUE(w.start(QString::fromStdString(test::dataPath("reference/yard_14x7.stc").string())));
  w.show();
  prompts.answers = {Answer::Cancel};
  EXPECT_FALSE(w.close());
  EXPECT_TRUE(w.isVisible());
  EXPECT_TRUE(prompts.wasAsked("Opuścić program Szlakownik?"));
}

}  // namespace
}  // namespace szl
