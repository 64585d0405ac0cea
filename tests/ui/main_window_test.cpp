// The main window: the stages' commands, trimming, the pointer, menus, help, leaving, the open
// dialog, message boxes; the searches, the options, a slip crossing, the object the save asks for.
#include <gtest/gtest.h>

#include <QDialogButtonBox>
#include <QFileInfo>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QToolButton>
#include <QToolTip>

#include "ui/dialogs/frm_cross.h"
#include "ui/dialogs/frm_obiekty.h"
#include "ui/dialogs/frm_sprawdz.h"
#include "ui/main/grid_editing.h"
#include "ui/main/palette.h"
#include "ui/main/station_open_dialog.h"
#include "ui/main/window_save_host.h"
#include "ui_support.h"

namespace szl {
namespace {

using namespace test;
using ui::frmMain;

using MainWindow = WindowTest;

// A station wider than point numbers can tell apart opens and can be trimmed; kept whole it is
// not analysed, trimmed to its occupied part it is.
TEST_F(MainWindow, AWideStationIsTrimmedThenAnalysed) {
  std::string row = "0", track = "0 50 10 10 51";
  for (int x = 1; x < 130; ++x) row += x == 110 ? " 10" : " 0", track += x < 5 ? "" : " 0";
  writeFile(dir / "szeroka.stc", stationFileText({row, track, row}));
  openWritten("szeroka.stc");
  w->show();
  w->activateWindow();
  // The author moved the right-hand slider; hidden by Zostaw, it passes the focus on, and the
  // view still starts at its left edge.
  w->sldYTrimHi->setFocus();
  w->cmdNoTrim->click();
  EXPECT_EQ(w->scrStacja->horizontalScrollBar()->value(), 0);
  // The column ruler from 100 on: every number inked in its own cell, none across the borders
  // between cells (".": inked and within).
  std::string ruler;
  for (int i = 99; i < 130; ++i) {
    char c = ' ';
    for (int x = 17 * i; x < 17 * i + 17; ++x)
      for (int y = 3 * 17 + 1; y <= 3 * 17 + 18; ++y)
        if (letter(w->picOkno->image().pixelColor(x, y)) != 'y')
          c = x == 17 * i ? 'x' : c == 'x' ? c : '.';
    ruler += c;
  }
  EXPECT_EQ(ruler, std::string(31, '.'));
  prompts.asked.clear();
  w->cmdAnalyze->click();
  EXPECT_TRUE(prompts.wasAsked("Stacja ma 130 kolumn i 3 wiersze."));
  EXPECT_FALSE(w->cmdStart->isEnabled());

  openWritten("szeroka.stc");
  w->sldXTrimHi->setValue(60);
  w->cmdTrim->click();
  EXPECT_EQ(w->station()->ColCount(), 60);  // the empty column 0 stays, as offered
  w->cmdAnalyze->click();
  EXPECT_TRUE(w->cmdStart->isEnabled());

  // The yard trimmed by hand down to its entry in column 0: it comes to point 0, and the author
  // is warned.
  open("yard_14x7");
  w->sldYTrimLo->setValue(2);
  w->cmdTrim->click();
  EXPECT_EQ(w->txtWiersze->text(), "5");
  EXPECT_TRUE(prompts.wasAsked("Pole w punkcie 0 nie jest puste. "));
}

// Two entry-exits joined without a platform: sound as drawn, but the platform rule lets no route
// between them, which the list shows once a search has run. A finding chosen is framed on the
// view in a colour of its own.
TEST_F(MainWindow, TheCheckListsFindingsAndShowsTheChosenOne) {
  writeFile(dir / "bez_peronu.stc",
            stationFileText({"0 0 0 0 0 0", "0 52 10 10 52 0", "0 1 0 0 2 0"}));
  openWritten("bez_peronu.stc", Stage::Analysed);
  w->cmdSprawdz->click();
  auto* check = w->findChild<ui::frmSprawdz*>("frmSprawdz");
  ASSERT_TRUE(check && check->isVisible());
  EXPECT_EQ(check->lstUsterki->count(), 0);
  EXPECT_EQ(check->lblWynik->text(), "Sprawdzenie nie znalazło w stacji żadnej usterki.");

  w->cmdStartNoCfm->click();
  ASSERT_EQ(check->lstUsterki->count(), 2);
  EXPECT_EQ(check->lstUsterki->item(1)->text(),
            "Punkt 104: żadna trasa nie zaczyna się ani nie kończy na obiekcie (wjazd-wyjazd).");
  check->lstUsterki->setCurrentRow(1);
  const auto framed = [&](int x, int y) {
    return w->picOkno->image().pixelColor(17 * x + 2, 17 * y + 9) == QColor(0xff, 0, 0xff);
  };
  EXPECT_TRUE(framed(4, 1));
  EXPECT_FALSE(framed(1, 1));
  // An edit makes the route file stale: which objects routes reach is not judged by it until
  // the next search, even when its routes still fit (a digit painted far from them).
  w->gridEditing().cmdEdycja->click();
  click(child<ui::Palette>(w.get(), "fraPaleta"), "cmdKlocek9");
  clickAt(w->picOkno, {17 * 5 + 9, 9});
  ASSERT_EQ(check->lstUsterki->count(), 1);
  EXPECT_EQ(check->lstUsterki->item(0)->text(), "Punkt 5: cyfra 9 nie numeruje żadnego obiektu.");
  check->close();
  EXPECT_FALSE(framed(4, 1));
}

TEST_F(MainWindow, OpenKeepAnalyseWithTheCommandsThePictureAndThePointer) {
  EXPECT_EQ(frmMain(&prompts).windowTitle(), "Szlakownik for Torowik 0.89");
  open("yard_14x7");
  // The yard has two empty rows on top: the trimming advice is shown.
  EXPECT_TRUE(prompts.wasAsked("Rozmiary stacji"));
  EXPECT_EQ(w->txtWiersze->text() + w->txtKolumny->text(), "714");
  // The commands of each stage as it is reached.
  const auto stage = [&] {
    return enabledOf(w.get(),
                     {"cmdOpen", "cmdTrim", "cmdNoTrim", "cmdAnalyze", "cmdSprawdz", "cmdOptions",
                      "cmdBoard", "cmdStart", "cmdStartNoCfm", "cmdSelektor", "cmdSave"});
  };
  EXPECT_EQ(stage(), "11101000000");
  EXPECT_EQ(w->picOkno->geometry(), QRect(21, 72, 17 * 14 + 3, 17 * 7 + 3));
  EXPECT_EQ(w->sldXTrimHi->selStart() * 100 + w->sldXTrimHi->selLength(), 113);
  // Dragged, a slider says where it would cut; the other one of its pair too.
  w->sldYTrimLo->setSliderDown(true);
  w->sldYTrimLo->setValue(6);
  EXPECT_EQ(QToolTip::text(), "Pierwszy wiersz: 6");
  EXPECT_EQ(w->sldYTrimHi->toolTip(), "Ostatni wiersz: 6");
  w->sldYTrimLo->setSliderDown(false);

  w->cmdNoTrim->click();
  EXPECT_EQ(stage(), "10011110000");
  EXPECT_EQ(w->picOkno->geometry(), QRect(5, 56, 17 * 14 + 20, 17 * 7 + 20));
  EXPECT_TRUE(w->sldXTrimLo->isHidden());
  // Row 2: 50,10,21,... electrified track in yellow; row 6 holds 150 (green). The ruler on the
  // right and the grey corner.
  EXPECT_EQ((std::string{centreOf(1, 2), centreOf(7, 6), pixel(248, 5), pixel(248, 129)}), "ygys");
  // Before the analysis the pointer tells only point numbers.
  EXPECT_EQ(tooltipAt(w->picOkno, {22, 39}), "201");

  w->cmdAnalyze->click();
  EXPECT_EQ(stage(), "10011111100");
  // The entry at (12, 2) has its track on the west: an orange stub on its port 4 side. The exit
  // at (0, 2) faces away from its track and gets none.
  EXPECT_EQ(pixel(17 * 12 + 1 - 5 + 8, 17 * 2 + 1 + 8), 'o');
  EXPECT_NE(pixel(17 * 0 + 1 + 5 + 8, 17 * 2 + 1 + 8), 'o');
  // Then the objects too; 16.6 rounds to 17, column 1; beyond the last column nothing.
  QStringList tips;
  const std::vector<QPointF> points{{22, 39}, {5, 39},    {39, 39}, {141, 107},
                                    {56, 73}, {16.6, 39}, {241, 39}};
  for (const QPointF p : points) tips << tooltipAt(w->picOkno, p);
  EXPECT_EQ(tips.join("|"),
            "201 Tor|200 Wjazd / wyjazd|202 Punkt postojowy|608 Tory postojowe|403 Zwrotnica|"
            "201 Tor|");

  QStringList menus;
  for (QAction* a : w->mnuTrasy->actions())
    menus << (a->isSeparator() ? "-" : a->text().remove('&'));
  EXPECT_EQ(
      menus.join("|"),
      "Wyszukaj|Wyszukaj wszystkie|-|Selekcja tras|-|Edycja danych|-|Analizuj|Sprawdź stację|-|"
      "Zoom|-|Opcje");
}

// Start-up and leaving; help, which needs its page beside the program; the keys of every desktop
// program, and Alt with an underlined letter for every command, the buttons keeping their words.
TEST_F(MainWindow, StartUpRefusedFilesLeavingHelpAndKeys) {
  writeFile(dir / "bad.stc", "0,\r\n2,2,\r\n0,x,\r\n");
  open("yard_14x7");
  // A refused file at the very start asks again; cancelling asks whether to leave; staying asks
  // again; the good file loads.
  prompts.openPaths = {pathOf("bad.stc"), QString(), pathOf("yard_14x7.stc")};
  prompts.answers = {Answer::Cancel};
  frmMain first(&prompts);
  EXPECT_TRUE(first.start(std::nullopt) && first.station());
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
  prompts.answers = {Answer::Ok};
  EXPECT_FALSE(frmMain(&prompts).start(std::nullopt));
  EXPECT_TRUE(prompts.wasAsked("Szkoda, bo to fajny program. ;-)"));

  // Help needs its page beside the program; the menu asks first: Cancel opens nothing.
  w = std::make_unique<frmMain>(&prompts);
  w->setProgramDir(QString::fromStdString(dir.path().string()));
  for (const std::string page : {"szlakownik089-20.htm", "Szlakownik089-20.htm"}) {
    writeFile(dir / page, "<html></html>");
    EXPECT_TRUE(w->start(pathOf("yard_14x7.stc")));
#ifdef _WIN32
    EXPECT_TRUE(w->cmdPomoc->isEnabled());  // names there have no letter case
#else
    EXPECT_EQ(w->cmdPomoc->isEnabled(), page[0] == 'S');  // not in another letter case
#endif
  }
  prompts.answers = {Answer::Cancel, Answer::Ok};
  w->mnuPomoc->trigger();
  EXPECT_TRUE(prompts.browsed.empty());
  w->mnuPomoc->trigger();
  EXPECT_EQ(prompts.browsed, std::vector{pathOf("Szlakownik089-20.htm")});
  w->mnuAbout->trigger();
  EXPECT_EQ(prompts.last().text.rfind("Szlakownik 2.0 for Torowik 0.89+\r\n\r\n", 0), 0u);

  // The buttons keep their words; every command has a letter of its own.
  QStringList captions;
  for (QToolButton* b : w->findChild<QWidget*>("fraPolecenia")->findChildren<QToolButton*>())
    captions << b->text().remove('&');
  EXPECT_EQ(captions.join("|"),
            "Otwórz|Przytnij|Zostaw|Analizuj|Sprawdź stację|Opcje|Zoom|Wyszukaj|Wyszukaj "
            "wszystkie|Selekcja tras|Edycja danych|Zapisz stację|Pomoc|Wyjdź|Edycja siatki");
  RouteSelector sel;
  EXPECT_EQ(mnemonicProblems(w.get()), "");
  EXPECT_EQ(
      mnemonicProblems(new ui::frmTrasy(*w->station(), sel, "", *w->picOkno, prompts, w.get())),
      "");

  activate();
  keyClick(w.get(), Qt::Key_A, Qt::AltModifier);  // Zost&aw, its click shown first
  wait(200);
  EXPECT_TRUE(w->cmdAnalyze->isEnabled());
  keyClick(w.get(), Qt::Key_F1);
  EXPECT_EQ(prompts.browsed.size(), 2u);
  prompts.openPaths = {pathOf("yard_14x7.stc")};
  keyClick(w.get(), Qt::Key_O, Qt::ControlModifier);
  EXPECT_TRUE(prompts.openPaths.empty() && w->cmdTrim->isEnabled());
  // Leaving by a key asks as "Wyjdź" does; Anuluj stays.
  prompts.asked.clear();
  prompts.answers = {Answer::Cancel, Answer::Cancel};
  keyClick(w.get(), Qt::Key_Q, Qt::ControlModifier);
  keyClick(w.get(), Qt::Key_F4, Qt::AltModifier);
  ASSERT_EQ(prompts.asked.size(), 2u);
  EXPECT_TRUE(prompts.asked[0].title == "Wyjście" && prompts.asked[1].title == "Wyjście");
  EXPECT_TRUE(w->isVisible());
}

TEST_F(MainWindow, OpenDialogFindsAStationByTheReadersRuleAndRefusesOtherFiles) {
  writeFile(dir / "stacja.stc", "0,\r\n1,1,\r\n0,\r\n");
  writeFile(dir / "trasy.txt", "1,1,101,102,0,\r\n");
  // The name the dialog hands over, or nothing while it stays open; a name without .stc finds it.
  const auto choose = [&](const QString& name) {
    ui::StationOpenDialog d(nullptr, prompts);
    d.setDirectory(QString::fromStdString(dir.path().string()));
    d.selectFile(name);
    EXPECT_TRUE(d.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Open)->isEnabled());
    d.accept();
    return d.result() == QDialog::Accepted ? QFileInfo(d.selectedFiles().value(0)).fileName()
                                           : QString();
  };
  QStringList chosen;
  for (const char* name : {"stacja", "trasy.txt", "inna"}) chosen << choose(name);
  EXPECT_EQ(chosen.join("|"), "stacja.stc||");
  ASSERT_EQ(prompts.asked.size(), 2u);
  EXPECT_TRUE(prompts.asked[0].text.starts_with("Plik trasy.txt nie jest plikiem stacji."));
  EXPECT_TRUE(prompts.last().text.starts_with("Nie ma pliku inna.stc w folderze "));

  // A full path typed, to a saved station in another folder or to the folder shown, the listing
  // read meanwhile: "Otwórz" takes it.
  std::filesystem::create_directory(dir / "zapisane");
  std::filesystem::copy_file(dataPath("e2e/Lipowiec-gotowa.stc"), dir / "zapisane/Lipowiec.stc");
  for (const char* typed : {"zapisane/Lipowiec.stc", ""}) {
    ui::StationOpenDialog d(nullptr, prompts);
    d.setDirectory(pathOf(""));
    d.show();
    d.activateWindow();
    EXPECT_TRUE(wait(5000, &d));
    for (const QChar c : pathOf(typed))
      keyClick(child<QLineEdit>(&d, "fileNameEdit"), 0, Qt::NoModifier, QString(c));
    wait(20);
    EXPECT_TRUE(d.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Open)->isEnabled());
  }
}

TEST(MessageBoxes, EveryLineShowsWholeAsWritten) {
  ui::Prompts real;
  for (const Message& m : {sizeLimitMessage(), screenSizeMessage()}) {
    const QStringList lines = ui::displayText(m.text).split('\n');
    bool shown = false;
    whenModal([&](QWidget* d) {
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

// Escape, or the frame's close button, on a Tak / Nie question is neither answer; only Tak and
// Nie are shown.
TEST(MessageBoxes, EscapeOnAYesNoQuestionIsNeitherAnswer) {
  ui::Prompts real;
  const Message m{Icon::Question, "Otwieranie stacji", "Przejąć?", Buttons::YesNo};
  for (const bool byFrame : {false, true}) {
    QStringList shown;
    whenModal([&](QWidget* d) {
      for (auto* b : d->findChildren<QAbstractButton*>())
        if (b->isVisible()) shown << b->text();
      byFrame ? void(d->close()) : press(d, Qt::Key_Escape);
    });
    EXPECT_EQ(real.message(nullptr, m), Answer::Cancel) << byFrame;
    shown.sort();
    EXPECT_EQ(shown.join("|").toStdString(), "&Nie|&Tak");
  }
}

// With the default options the window writes what the batch tool writes, byte for byte, ends
// with only the summary, told over an emptied stack bar, and counts the routes it wrote. The core
// and batch tests compare every reference station; two tell whether the window passes it on.
TEST_F(MainWindow, SearchAllWritesTheReferenceRouteFiles) {
  QColor firstBlock;
  prompts.onAsk = [&](const Message&) { firstBlock = w->picStack->image().pixelColor(4, 4); };
  for (const char* name : {"yard_14x7", "junction_20x10"}) {
    open(name, Stage::Analysed);
    firstBlock = QColor();
    w->cmdStartNoCfm->click();
    const std::string routes = readFile(dir / "trasy.txt");
    EXPECT_EQ(routes, readFile(dataPath(std::string("reference/") + name + ".opt1.routes")))
        << name;
    ASSERT_EQ(prompts.asked.size(), 1u) << name;  // the summary
    EXPECT_EQ(letter(firstBlock), 'w');
    EXPECT_EQ(w->txtTrasy->text().toStdString(), std::to_string(std::ranges::count(routes, '\n')));
  }
  EXPECT_EQ(w->txtConnects->text(), "64");
  // The start markers end red: the entry-exit at (0, 5) was walked through its port 5.
  EXPECT_EQ(pixel(17 * 0 + 1 + 5 + 8, 17 * 5 + 1 + 8), 'r');
  // Another station opened: the counters no longer tell about this one.
  prompts.openPaths = {pathOf("yard_14x7.stc")};
  w->cmdOpen->click();
  EXPECT_EQ(w->txtConnects->text() + w->txtTrasy->text(), "");
}

// On the yard: the search with questions, the object the save asks about, then the options.
TEST_F(MainWindow, AnAnalysedYardSearchedAskedAboutAndRedrawn) {
  open("yard_14x7", Stage::Analysed);
  // Every route asked about is red while asked, with the commands locked meanwhile.
  std::string seen;
  bool locked = true;
  prompts.onAsk = [&](const Message& m) {
    if (m.title != "Trasa") return;
    seen += centreOf(3, 2);
    locked = locked && enabledOf(w.get(), {"cmdOpen", "cmdAnalyze", "cmdStartNoCfm"}) == "000";
  };
  w->cmdStart->click();
  prompts.onAsk = {};
  ASSERT_GE(seen.size(), 2u);
  EXPECT_TRUE(locked);
  EXPECT_EQ((std::string{seen.front(), centreOf(3, 2)}), "ry");  // yellow after the questions

  // The object the save asks about stands out, its editor says what is missing.
  const QImage before = w->picOkno->image();
  bool asked = false;
  whenModal([&](QWidget* d) {
    auto* e = qobject_cast<ui::frmObiekty*>(d);
    ASSERT_NE(e, nullptr);
    asked = true;
    EXPECT_TRUE(e->lblBrakuje->isVisible());
    EXPECT_TRUE(e->lblBrakuje->text().contains("\n• Czas zwolnienia wjazdu / wyjazdu w minutach"))
        << e->lblBrakuje->text().toStdString();
    EXPECT_EQ(pixel(17 * 0 + 1 + 1, 17 * 2 + 1 + 8), 'b');
    e->cmdCancel->click();
  });
  ui::WindowSaveHost host(*w);
  EXPECT_TRUE(host.Uzupelnij(*w->station(), 0, 2));
  EXPECT_TRUE(asked);
  EXPECT_EQ(w->picOkno->image(), before);

  // Only the passages and the track shape ask for a new analysis.
  const auto options = [&](std::initializer_list<const char*> clicks) {
    whenModal([clicks](QWidget* d) {
      for (const char* b : clicks) click(d, b);
    });
    w->cmdOptions->click();
  };
  options({"optKier2", "cmdOK"});
  EXPECT_EQ(w->options().direction, Direction::TwoWay);
  EXPECT_TRUE(w->cmdStartNoCfm->isEnabled());
  // Tracks as points: redrawn (between the centre and the port marker of a straight track the
  // yellow line is gone, the centre marker's black ring is there); the search waits.
  options({"optToryPkt", "cmdOK"});
  EXPECT_EQ(enabledOf(w.get(), {"cmdAnalyze", "cmdStart", "cmdStartNoCfm"}), "100");
  EXPECT_EQ(pixel(17 * 3 + 1 + 10, 17 * 2 + 1 + 8), 'k');
  w->cmdAnalyze->click();
  EXPECT_TRUE(w->cmdStart->isEnabled());
}

// A ring of track with a passing loop keeps one start port's walk going for ages; the window
// still answers, and leaving the program ends the search and keeps the route file whole. The
// ring, its empty columns on the right cut away, cannot be saved while the search runs: Tak to
// the save question keeps the program going, Nie leaves.
TEST_F(MainWindow, TheWindowAnswersDuringAnEndlessWalk) {
  open("ring_20x10");
  for (auto [slider, value] :
       {std::pair{w->sldXTrimLo, 0}, {w->sldYTrimLo, 0}, {w->sldYTrimHi, 10}, {w->sldXTrimHi, 18}})
    slider->setValue(value);
  w->cmdTrim->click();
  w->cmdAnalyze->click();
  bool counted = false;
  prompts.onAsk = [&](const Message& m) {
    if (m.kind != MessageKind::StackOverflow) return;
    QTimer::singleShot(0, [&] {
      counted = w->searching();
      prompts.answers = {Answer::Yes};  // "Zapisać zmiany w stacji ring_20x10.stc?"
      w->mnuExit->trigger();
      prompts.answers = {Answer::No};
      w->mnuExit->trigger();
    });
  };
  w->cmdStartNoCfm->click();
  EXPECT_TRUE(counted);
  EXPECT_TRUE(prompts.wasAsked("Najpierw trzeba:\r\n- poczekać na koniec wyszukiwania tras,"));
  EXPECT_FALSE(w->searching());
  EXPECT_EQ(readFile(dir / "trasy.txt"), "1,1,101,102,103,104,0,\r\n");
}

// A click on a slip crossing opens its dialog, which sets the type at once; Anuluj gives the old
// one back, even one outside the tables, which frames no picture.
TEST_F(MainWindow, ClickOnASlipCrossingSetsItsType) {
  open("junction_20x10", Stage::Kept);
  const QPointF crossing(17 * 12 + 8, 17 * 5 + 8);
  mouse(w->picOkno, QEvent::MouseButtonPress, crossing);  // before the analysis: nothing
  w->cmdAnalyze->click();
  // The pictures' corners: black where the frame is.
  const auto frames = [](const ui::frmCross& d) {
    std::string f;
    for (const auto* picture : d.picCross) f += letter(picture->image().pixelColor(1, 1));
    return f;
  };
  // Cancelled from a type outside the tables, which frames no picture; then from type 0, kept.
  for (const bool ok : {false, true}) {
    w->station()->cell(12, 5).CrossType = ok ? 0 : 9;
    std::string framed;
    whenModal([&](QWidget* d) {
      auto* dlg = qobject_cast<ui::frmCross*>(d);
      ASSERT_NE(dlg, nullptr);
      EXPECT_EQ(dlg->txtXchg->text() + "|" + dlg->txtAxis->text() + "|" + dlg->lblInfo->text(),
                "24|512|[Domyślny]");
      framed = frames(*dlg);
      mouse(dlg->picCross[3], QEvent::MouseButtonPress, {50, 50});
      EXPECT_EQ(w->station()->cell(12, 5).CrossType, 3);
      framed += " " + frames(*dlg);
      click(d, ok ? "cmdOK" : "cmdCancel");
    });
    mouse(w->picOkno, QEvent::MouseButtonPress, crossing);
    EXPECT_EQ(framed, ok ? "kwwwwww wwwkwww" : "wwwwwww wwwkwww");
    EXPECT_EQ(w->station()->cell(12, 5).CrossType, ok ? 3 : 9);
  }
}

}  // namespace
}  // namespace szl
