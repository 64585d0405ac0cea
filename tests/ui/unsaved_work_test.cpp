// Nothing the author kept is lost: what the station file would hold and does not yet is offered
// for saving before the program ends or another station replaces it; Anuluj keeps everything.
#include <gtest/gtest.h>

#include "ui/dialogs/frm_obiekty.h"
#include "ui_support.h"

namespace szl {
namespace {

namespace fs = std::filesystem;
using namespace test;
using ui::frmObiekty;

constexpr const char* kExitQuestion = "Opuścić program Szlakownik?";

class UnsavedWork : public WindowTest {
 protected:
  // The next editor the window opens: `act` in it, then OK unless `act` ended it.
  void editor(std::function<void(frmObiekty&)> act = {}) {
    ++editorsDue;
    whenModal([this, act](QWidget* d) {
      auto* e = qobject_cast<frmObiekty*>(d);
      ASSERT_NE(e, nullptr);
      --editorsDue;
      if (act) act(*e);
      if (e->isVisible()) e->cmdOK_Click();
    });
  }
  // "Wyjdź" answered with `a`: whether the program would end, and the first question asked.
  std::pair<bool, std::string> exitWith(Answer a) {
    // A dialog the test did not expect would wait for ever: it fails the test instead.
    QTimer unexpected;
    QObject::connect(&unexpected, &QTimer::timeout, [] {
      if (auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
        ADD_FAILURE() << "nobody answers " << d->metaObject()->className();
        press(d, Qt::Key_Escape);
      }
    });
    unexpected.start(2000);
    prompts.asked.clear();
    prompts.answers = {a};
    const bool leaves = w->cmdExit_Click();
    return {leaves, prompts.asked.empty() ? std::string() : prompts.asked.front().text};
  }
  int timesAsked(const std::string& text) const {
    return static_cast<int>(
        std::ranges::count_if(prompts.asked, [&](const Message& m) { return m.text == text; }));
  }

  int editorsDue = 0;  // editors expected and not yet shown
};

// After a search of the yard: what the file would hold is offered for saving on leaving; an
// object's editor left with OK as it came only asks whether to leave.
TEST_F(UnsavedWork, EachChangeTheFileWouldHoldIsOfferedForSaving) {
  const auto sidings = [&](std::function<void(frmObiekty&)> act) {
    return [this, act] { editor(act), clickAt(w->picOkno, {17 * 8 + 8, 17 * 6 + 8}); };
  };
  const std::pair<const char*, std::function<void()>> cases[] = {
      {"sidings OK", sidings({})},
      {"sidings capacity", sidings([](frmObiekty& e) { e.txt4Pojem->setText("6"); })},
      {"comment",
       [&] {
         editor([](frmObiekty& e) { e.txt9Komentarz->setPlainText("Nowy"); });
         w->cmdPozostale->click();
       }},
  };
  std::string asked;
  for (const auto& [what, act] : cases) {
    open("yard_14x7", Stage::Analysed);
    w->cmdStartNoCfm->click();
    act();
    EXPECT_EQ(editorsDue, 0) << what;
    const auto [leaves, question] = exitWith(Answer::Cancel);
    EXPECT_FALSE(leaves) << what;
    asked += std::string(what) + ": " + question + "\n";
  }
  EXPECT_EQ(asked,
            "sidings OK: Opuścić program Szlakownik?\n"
            "sidings capacity: Zapisać zmiany w stacji yard_14x7.stc?\n"
            "comment: Zapisać zmiany w stacji yard_14x7.stc?\n");
  const Message& m = prompts.asked.front();
  EXPECT_TRUE(m.title == kProgramTitle && m.icon == Icon::Question &&
              m.buttons == Buttons::YesNoCancel);
}

// A saved station taken over: opening it is no change. A save settles it; data entered for a save
// that was then cancelled does not. Saved under a new name in another folder, the station is that
// file: the title, Plik's list, the open dialog's folder, the next saves' offer and their bytes
// (the routes still from the route file the search wrote beside the original). Tak saves and the
// program ends without asking again.
TEST_F(UnsavedWork, TakWritesTheFileThenLeaves) {
  fs::copy_file(dataPath("e2e/Lipowiec-gotowa.stc"), dir / "Lipowiec.stc");
  fs::create_directory(dir / "gotowe");
  openWritten("Lipowiec.stc", Stage::Analysed);
  w->cmdStartNoCfm->click();
  EXPECT_EQ(exitWith(Answer::Cancel).second, kExitQuestion);
  select();

  // Ctrl+S is "Zapisz stację".
  const QString renamed = pathOf("gotowe/Nowa.stc");
  prompts.savePaths = {renamed};
  editor();
  activate();
  keyClick(w.get(), Qt::Key_S, Qt::ControlModifier);
  EXPECT_TRUE(prompts.savePaths.empty());
  const std::string first = readFile(dir / "gotowe" / "Nowa.stc");
  EXPECT_EQ(exitWith(Answer::Cancel).second, kExitQuestion);
  EXPECT_EQ(w->windowTitle(), "Szlakownik for Torowik - Nowa.stc");
  EXPECT_TRUE(w->mnuRecent[0]->text().startsWith("&1 Nowa.stc   ("));
  prompts.answers = {Answer::Cancel};  // the open dialog cancelled, then staying
  w->cmdOpen->click();
  EXPECT_EQ(prompts.openFolders.back(), pathOf("gotowe"));

  // A tick unit entered for a save whose file dialog was cancelled, then a save that fails.
  editor([](frmObiekty& e) { e.sld9Takt->setValue(2); });  // 3 seconds
  w->cmdSave->click();
  prompts.savePaths = {pathOf("brak/Lipowiec.stc")};
  editor();
  EXPECT_EQ(exitWith(Answer::Yes),
            std::pair(false, std::string("Zapisać zmiany w stacji Nowa.stc?")));
  EXPECT_EQ(readFile(dir / "gotowe" / "Nowa.stc"), first);

  prompts.savePaths = {renamed};
  editor();
  EXPECT_TRUE(exitWith(Answer::Yes).first);
  EXPECT_EQ(timesAsked(kExitQuestion), 0);
  EXPECT_TRUE(prompts.wasAsked("Szkoda, bo to fajny program. ;-)"));
  EXPECT_EQ(prompts.saveSuggestions,
            (std::vector{pathOf("Lipowiec.stc"), renamed, renamed, renamed}));
  std::string expected = withoutSignature(first);
  const size_t clock = expected.find("\r\n5,\r\n6,2,");
  ASSERT_NE(clock, std::string::npos);
  expected.replace(clock, 6, "\r\n3,\r\n");
  EXPECT_EQ(withoutSignature(readFile(dir / "gotowe" / "Nowa.stc")), expected);
}

// Another station opened over a trimmed one: the question comes before the open dialog; after
// Nie a cancelled dialog asks only whether to leave, Escape on the take-over question keeps the
// trimmed station. Tak cannot save before the routes are chosen; Nie leaves the file as it was.
TEST_F(UnsavedWork, OpeningAnotherStationAsksFirst) {
  std::string saved = readFile(dataPath("e2e/Lipowiec-gotowa.stc"));
  writeFile(dir / "gotowa.stc", saved);
  // Escape on the take-over question at start-up: the open dialog again, no question to leave.
  open("yard_14x7");
  w = std::make_unique<ui::frmMain>(&prompts);
  prompts.openPaths = {pathOf("yard_14x7.stc")};
  prompts.answers = {Answer::Cancel};
  ASSERT_TRUE(w->start(pathOf("gotowa.stc")));
  EXPECT_EQ(w->station()->StationFile, "yard_14x7.stc");
  EXPECT_EQ(timesAsked(kExitQuestion), 0);

  // A rectangle the size of the grid cuts nothing.
  w->sldYTrimLo->setValue(0);
  w->cmdTrim->click();
  prompts.asked.clear();
  prompts.answers = {Answer::Cancel};
  w->cmdOpen->click();
  EXPECT_EQ(prompts.asked.size(), 1u);
  EXPECT_EQ(prompts.last().text, kExitQuestion);

  // Trimmed as offered, one row goes.
  prompts.openPaths = {pathOf("yard_14x7.stc")};
  w->cmdOpen->click();
  w->cmdTrim->click();
  ASSERT_EQ(w->station()->RowCount(), 6);
  const auto openWith = [&](std::deque<Answer> answers, QString path) {
    prompts.asked.clear();
    prompts.answers = answers;
    prompts.openPaths = {path};
    w->cmdOpen->click();
  };
  openWith({Answer::Cancel}, pathOf("gotowa.stc"));
  EXPECT_EQ(prompts.openPaths.size(), 1u);  // Anuluj: no open dialog
  openWith({Answer::No, Answer::Cancel}, QString());
  EXPECT_EQ(timesAsked("Zapisać zmiany w stacji yard_14x7.stc?"), 1);
  EXPECT_EQ(timesAsked(kExitQuestion), 1);
  openWith({Answer::No, Answer::Cancel}, pathOf("gotowa.stc"));
  EXPECT_TRUE(prompts.wasAsked("Przejąć dane obiektów"));
  EXPECT_EQ(w->station()->StationFile + std::to_string(w->station()->RowCount()), "yard_14x7.stc6");
  EXPECT_EQ(w->windowTitle(), "Szlakownik for Torowik - yard_14x7.stc");

  // Still to be saved; the message names what the save waits for.
  w->cmdAnalyze->click();
  EXPECT_FALSE(exitWith(Answer::Yes).first);
  EXPECT_EQ(prompts.asked.size(), 2u);
  EXPECT_EQ(prompts.last().text,
            "Stacji yard_14x7.stc nie można jeszcze zapisać. Najpierw trzeba:\r\n"
            "- wyszukać trasy ('Wyszukaj' albo 'Wyszukaj wszystkie'),\r\n"
            "- wybrać trasy w 'Selekcji tras'.\r\n\r\n"
            "Stacja pozostaje otwarta, a jej zmiany niezapisane.\r\n"
            "Samą siatkę można zapisać już teraz: Plik, 'Zapisz siatkę'.");

  // The list of what was not taken over stands over the new station, drawn (the sidings at 305
  // became track).
  saved.replace(saved.find("0,0,0,0,0,22,18,"), 16, "0,0,0,0,0,10,18,");
  writeFile(dir / "gotowa.stc", saved);
  std::string shownOver;
  prompts.onAsk = [&](const Message& m) {
    if (m.icon == Icon::Exclamation && m.title == "Otwieranie stacji")
      shownOver = w->station()->StationFile + " " + w->txtKolumny->text().toStdString() +
                  (w->picOkno->isVisible() ? " drawn" : "");
  };
  w->show();
  openWith({Answer::No, Answer::Yes}, pathOf("gotowa.stc"));
  EXPECT_EQ(shownOver, "gotowa.stc 50 drawn");
  EXPECT_TRUE(prompts.last().text.starts_with(
      "Nie wszystkie dane zapisane w pliku gotowa.stc przejęto tak, jak je zapisano:"));
  EXPECT_EQ(exitWith(Answer::Cancel).second, kExitQuestion);

  // Nie: the program ends without the question to leave, the file as it was.
  w->cmdNoTrim->click();
  w->cmdAnalyze->click();
  w->cmdStartNoCfm->click();
  select();
  prompts.onAsk = {};
  const auto [leaves, question] = exitWith(Answer::No);
  EXPECT_TRUE(leaves);
  EXPECT_EQ(question, "Zapisać zmiany w stacji gotowa.stc?");
  EXPECT_EQ(timesAsked(kExitQuestion), 0);
  EXPECT_EQ(readFile(dir / "gotowa.stc"), saved);
}

}  // namespace
}  // namespace szl
