// The main window from opening a station to its analysis: the stages' commands, trimming, the
// pointer, the menus, help and leaving, the open dialog and the message boxes.
#include <gtest/gtest.h>

#include <QAction>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QToolTip>

#include "stationfile/station_reader.h"
#include "ui/main/station_open_dialog.h"
#include "ui_support.h"

namespace szl {
namespace {

using test::Stage;
using ui::frmMain;

class MainWindow : public test::WindowTest {};

// A station wider than point numbers can tell apart opens and can be trimmed; kept whole it is
// not analysed, trimmed to its occupied part it is.
TEST_F(MainWindow, AWideStationIsTrimmedThenAnalysed) {
  std::string row = "0 0 0";
  for (int x = 3; x < 130; ++x) row += x == 110 ? " 10" : " 0";
  std::string track = "0 50 10 10 51";
  for (int x = 5; x < 130; ++x) track += " 0";
  test::writeFile(dir / "szeroka.stc", test::stationFileText({row, track, row}));
  openWritten("szeroka.stc", Stage::Kept);
  w->cmdAnalyze->click();
  ASSERT_FALSE(prompts.asked.empty());
  EXPECT_EQ(prompts.asked.back().text.rfind("Stacja ma 130 kolumn i 3 wiersze.", 0), 0u);
  EXPECT_FALSE(w->stationPrepared());
  EXPECT_FALSE(enabled("cmdStart"));

  openWritten("szeroka.stc");
  w->sldXTrimHi->setValue(60);
  w->cmdTrim->click();
  EXPECT_EQ(w->station()->ColCount(), 59);  // the empty column 0 goes too
  w->cmdAnalyze->click();
  EXPECT_TRUE(w->stationPrepared());
  EXPECT_TRUE(enabled("cmdStart"));
}

TEST_F(MainWindow, OpenKeepAnalyse) {
  EXPECT_EQ(frmMain(&prompts).windowTitle(), "Szlakownik for Torowik 0.89");
  open("yard_14x7");
  EXPECT_EQ(w->windowTitle(), "Szlakownik for Torowik - yard_14x7.stc");
  // The yard has two empty rows on top: the trimming advice is shown.
  EXPECT_TRUE(prompts.wasAsked("Rozmiary stacji"));
  EXPECT_EQ(w->txtWiersze->text(), "7");
  EXPECT_EQ(w->txtKolumny->text(), "14");
  expectEnabled({"cmdTrim", "cmdNoTrim", "cmdOpen", "cmdExit"},
                {"cmdAnalyze", "cmdOptions", "cmdBoard", "cmdStart", "cmdStartNoCfm", "cmdSelektor",
                 "cmdPozostale", "cmdSave"});
  EXPECT_EQ(w->picOkno->geometry(), QRect(21, 72, 17 * 14 + 3, 17 * 7 + 3));
  EXPECT_EQ(w->sldYTrimLo->value(), 2);
  EXPECT_EQ(w->sldYTrimLo->maximum(), 6);
  EXPECT_EQ(w->sldXTrimHi->value(), 14);
  EXPECT_EQ(w->sldXTrimHi->selStart(), 1);
  EXPECT_EQ(w->sldXTrimHi->selLength(), 13);
  EXPECT_EQ(w->sldXTrimHi->geometry(), QRect(34, 17 * 7 + 75, 17 * 14 - 6, 16));
  // Dragged, a slider says where it would cut; the other one of its pair too.
  w->sldYTrimLo->setSliderDown(true);
  w->sldYTrimLo->setValue(6);
  EXPECT_EQ(QToolTip::text(), "Pierwszy wiersz: 6");
  EXPECT_EQ(w->sldYTrimHi->toolTip(), "Ostatni wiersz: 6");
  w->sldYTrimLo->setValue(2);
  w->sldYTrimLo->setSliderDown(false);

  w->cmdNoTrim->click();
  expectEnabled({"cmdAnalyze", "cmdOptions", "cmdBoard"},
                {"cmdTrim", "cmdNoTrim", "cmdStart", "cmdStartNoCfm", "cmdSave"});
  EXPECT_EQ(w->picOkno->geometry(), QRect(5, 56, 17 * 14 + 20, 17 * 7 + 20));
  EXPECT_TRUE(w->sldXTrimLo->isHidden());
  // Row 2: 50,10,21,... electrified track in yellow; row 6 holds 150 (green).
  EXPECT_EQ(centreOf(1, 2), QColor(255, 255, 0));
  EXPECT_EQ(centreOf(7, 6), QColor(0, 255, 0));
  // The ruler on the right and the grey corner.
  EXPECT_EQ(pixel(17 * 14 + 10, 5), QColor(255, 255, 0));
  EXPECT_EQ(pixel(17 * 14 + 10, 17 * 7 + 10), QColor(128, 128, 128));

  w->cmdAnalyze->click();
  EXPECT_TRUE(w->stationPrepared());
  expectEnabled({"cmdStart", "cmdStartNoCfm", "cmdAnalyze"},
                {"cmdSelektor", "cmdPozostale", "cmdSave"});
  // The entry at (12, 2) has its track on the west: an orange stub on its port 4 side. The exit
  // at (0, 2) faces away from its track and gets none.
  EXPECT_EQ(pixel(17 * 12 + 1 - 5 + 8, 17 * 2 + 1 + 8), QColor(255, 128, 0));
  EXPECT_NE(pixel(17 * 0 + 1 + 5 + 8, 17 * 2 + 1 + 8), QColor(255, 128, 0));
}

TEST_F(MainWindow, TrimCutsTheStation) {
  open("yard_14x7");
  w->cmdTrim->click();
  EXPECT_EQ(w->station()->RowCount(), 5);
  EXPECT_EQ(w->txtWiersze->text(), "5");
  EXPECT_EQ(w->station()->cell(0, 0).Code, 50);
  // Trimming brought the entry to point 0: the author is warned.
  EXPECT_TRUE(prompts.wasAsked("Pole w punkcie 0 nie jest puste. "));
  EXPECT_EQ(w->trimRect().TrimYHi, 5);
}

TEST_F(MainWindow, MenuAndButtonShareOneCommand) {
  open("yard_14x7");
  auto* save = w->findChild<QAction*>("mnuSave");
  ASSERT_NE(save, nullptr);
  EXPECT_EQ(save->text(), "Zapisz");
  EXPECT_EQ(w->cmdSave->text(), "Zapisz stację");
  save->setEnabled(true);
  EXPECT_TRUE(w->cmdSave->isEnabled());
  QStringList menus;
  for (QAction* a : w->mnuTrasy->actions()) menus << (a->isSeparator() ? "-" : a->text());
  EXPECT_EQ(
      menus.join("|"),
      "Wyszukaj|Wyszukaj wszystkie|-|Selekcja tras|-|Edycja danych|-|Analizuj|-|Zoom|-|Opcje");
}

TEST_F(MainWindow, StartUpRefusedFilesAndLeaving) {
  test::writeFile(dir / "bad.stc", "0,\r\n2,2,\r\n0,x,\r\n");
  open("yard_14x7");
  // A refused file at the very start asks again; cancelling asks whether to leave; staying asks
  // again; the good file loads.
  prompts.openPaths = {pathOf("bad.stc"), QString(), pathOf("yard_14x7.stc")};
  prompts.answers = {Answer::Cancel};
  frmMain first(&prompts);
  ASSERT_TRUE(first.start(std::nullopt));
  ASSERT_NE(first.station(), nullptr);
  EXPECT_TRUE(prompts.wasAsked("\"x\" nie jest liczbą całkowitą"));
  EXPECT_TRUE(prompts.wasAsked("Opuścić program Szlakownik?"));

  // A refused file later leaves the open station as it was.
  w->cmdNoTrim->click();
  prompts.openPaths = {pathOf("bad.stc")};
  w->cmdOpen->click();
  EXPECT_EQ(w->station()->StationFile, "yard_14x7.stc");
  EXPECT_TRUE(w->cmdAnalyze->isEnabled());

  // Closing by the frame asks first.
  w->show();
  prompts.answers = {Answer::Cancel};
  EXPECT_FALSE(w->close());
  EXPECT_TRUE(w->isVisible());

  // Cancelling the dialog and leaving ends the program.
  prompts.asked.clear();
  prompts.answers = {Answer::Ok};
  frmMain second(&prompts);
  EXPECT_FALSE(second.start(std::nullopt));
  EXPECT_TRUE(prompts.wasAsked("Szkoda, bo to fajny program. ;-)"));
}

TEST_F(MainWindow, PointerTooltipsAndRounding) {
  open("yard_14x7", Stage::Kept);
  const auto at = [&](double x, double y) { return test::tooltipAt(w->picOkno, {x, y}); };
  // Before the analysis only point numbers.
  EXPECT_EQ(at(17 * 1 + 5, 17 * 2 + 5), "201");
  w->cmdAnalyze->click();
  EXPECT_EQ(at(17 * 1 + 5, 17 * 2 + 5), "201 Tor");
  EXPECT_EQ(at(17 * 0 + 5, 17 * 2 + 5), "200 Wjazd / wyjazd");
  EXPECT_EQ(at(17 * 2 + 5, 17 * 2 + 5), "202 Punkt postojowy");
  EXPECT_EQ(at(17 * 8 + 5, 17 * 6 + 5), "608 Tory postojowe");
  EXPECT_EQ(at(17 * 3 + 5, 17 * 4 + 5), "403 Zwrotnica");
  // 16.6 rounds to 17: column 1.
  EXPECT_EQ(at(16.6, 17 * 2 + 5), "201 Tor");
  // Beyond the last column: no tooltip.
  EXPECT_EQ(at(17 * 14 + 3, 17 * 2 + 5), "");
}

TEST_F(MainWindow, HelpNeedsItsPageBesideTheProgram) {
  const auto withHelpIn = [&](const std::filesystem::path& folder) {
    w = std::make_unique<frmMain>(&prompts);
    w->setProgramDir(QString::fromStdString(folder.string()));
    EXPECT_TRUE(
        w->start(QString::fromStdString(test::dataPath("reference/yard_14x7.stc").string())));
  };
  test::writeFile(dir / "szlakownik089-20.htm", "<html></html>");  // other letter case
  withHelpIn(dir.path());
  EXPECT_FALSE(w->cmdPomoc->isEnabled());
  test::writeFile(dir / "Szlakownik089-20.htm", "<html></html>");
  withHelpIn(dir.path());
  EXPECT_TRUE(w->cmdPomoc->isEnabled());
  // The help menu asks first: Cancel opens nothing, OK opens the page.
  prompts.answers = {Answer::Cancel, Answer::Ok};
  w->mnuPomoc->trigger();
  EXPECT_TRUE(prompts.browsed.empty());
  w->mnuPomoc->trigger();
  ASSERT_EQ(prompts.browsed.size(), 1u);
  EXPECT_TRUE(prompts.browsed[0].endsWith("/Szlakownik089-20.htm"));
  EXPECT_TRUE(prompts.wasAsked(
      "Szczegóły dot. użycia programu znajdują się w pliku Szlakownik089-20.htm. "));
  w->mnuAbout->trigger();
  EXPECT_EQ(prompts.last().title, "About");
  EXPECT_EQ(prompts.last().text.rfind("Szlakownik 2.0 for Torowik 0.89+\r\n\r\n", 0), 0u);
}

TEST_F(MainWindow, OpenDialogFindsAStationByTheReadersRuleAndRefusesOtherFiles) {
  test::writeFile(dir / "stacja.stc", "0,\r\n1,1,\r\n0,\r\n");
  test::writeFile(dir / "trasy.txt", "1,1,101,102,0,\r\n");
  // The name the dialog hands over, or nothing while it stays open.
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
      prompts.last().text,
      "Plik trasy.txt nie jest plikiem stacji.\r\nOtworzyć można tylko pliki stacji (*.stc).");
  EXPECT_EQ(choose("inna"), "");
  EXPECT_EQ(prompts.last().text.rfind("Nie ma pliku inna.stc w folderze ", 0), 0u);
}

TEST(MessageBoxes, EveryLineShowsWholeAsWritten) {
  ui::Prompts real;
  for (const Message& m : {sizeLimitMessage(), screenSizeMessage()}) {
    const QStringList lines = ui::displayText(m.text).split('\n');
    bool shown = false;
    test::whenModal([&](QWidget* d) {
      auto* label = d->findChild<QLabel*>("qt_msgbox_label");
      ASSERT_NE(label, nullptr);
      shown = true;
      for (const QString& line : lines)
        EXPECT_LE(label->fontMetrics().horizontalAdvance(line), label->contentsRect().width())
            << line.toStdString();
      EXPECT_LT(label->height(), (lines.size() + 1) * label->fontMetrics().lineSpacing());
      qobject_cast<QMessageBox*>(d)->button(QMessageBox::Ok)->click();
    });
    EXPECT_EQ(real.message(nullptr, m), Answer::Ok);
    EXPECT_TRUE(shown);
  }
}

}  // namespace
}  // namespace szl
