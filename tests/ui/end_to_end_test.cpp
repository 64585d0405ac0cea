// The whole road as an author walks it: open an example station, trim, analyse, search with a
// question for every route, choose the routes of one group, fill every object's data through
// the editor the save opens, and save. Then the same road cancelled in the middle of each long
// step, with nothing written and nothing lost.
#include <gtest/gtest.h>

#include <QPlainTextEdit>
#include <QRadioButton>
#include <algorithm>
#include <filesystem>
#include <memory>

#include "ui/dialogs/frm_obiekty.h"
#include "ui/dialogs/frm_trasy.h"
#include "ui/main/frm_main.h"
#include "ui_support.h"

namespace szl {
namespace {

namespace fs = std::filesystem;
using test::readFile;
using test::ScriptedPrompts;
using test::whenModal;
using ui::frmObiekty;
using ui::frmTrasy;

constexpr const char* kComment = "Lipowiec: stacja węzłowa, zażółć gęślą jaźń.";

// The author's data for whichever object the editor shows; OK, or Anuluj when `cancel` says.
void fillEditor(frmObiekty& e, bool cancel) {
  const int page = e.tabObiekty->currentIndex() + 1;
  switch (page) {
    case 1:
      e.txt1Czas->setText("3");
      if (e.opt1Wjazd->isChecked()) e.txt1Wyprz->setText("5");
      break;
    case 2:
      e.txt2CzasZwoln->setText("4");
      e.txt2CzasMij->setText("7");
      e.txt2Wyprz->setText("15");
      break;
    case 3:
      e.txt3Numer->setText("8");
      break;
    case 7:
      e.txt7Pojem->setText("6");
      e.txt7Napr->setText("2");
      e.txt7CzasZam->setText("20");
      e.txt7CzasNapr->setText("90");
      break;
    case 8:
      e.txt8Numer->setText("9");
      break;
    case 9:
      e.sld9Takt->setValue(4);  // 5 seconds
      e.txt9Komentarz->setPlainText(QString::fromUtf8(kComment));
      break;
    default:
      break;
  }
  if (cancel)
    e.cmdCancel_Click();
  else
    e.cmdOK_Click();
}

// Answers every editor the save opens, in turn; `cancelAt` lists the editors (counted from 0)
// to be left with Anuluj. Once the script goes out of scope it answers nothing more.
class EditorScript {
 public:
  explicit EditorScript(std::vector<int> cancelAt = {}) : state_(std::make_shared<State>()) {
    state_->cancelAt = std::move(cancelAt);
    arm(state_);
  }
  ~EditorScript() { state_->active = false; }
  EditorScript(const EditorScript&) = delete;
  EditorScript& operator=(const EditorScript&) = delete;
  int opened() const { return state_->opened; }

 private:
  struct State {
    std::vector<int> cancelAt;
    int opened = 0;
    bool active = true;
  };

  static void arm(std::shared_ptr<State> st) {
    whenModal([st](QWidget* w) {
      auto* e = qobject_cast<frmObiekty*>(w);
      if (!st->active || !e) return;
      const bool cancel =
          std::find(st->cancelAt.begin(), st->cancelAt.end(), st->opened) != st->cancelAt.end();
      ++st->opened;
      arm(st);  // for the next editor, once this one is gone
      fillEditor(*e, cancel);
    });
  }

  std::shared_ptr<State> state_;
};

// A group's row in the selector's group list, by its start and end.
int groupRow(frmTrasy& t, const QString& from, const QString& to) {
  for (int r = 0; r < t.lvwGrupy->topLevelItemCount(); ++r) {
    const QTreeWidgetItem* item = t.lvwGrupy->topLevelItem(r);
    if (item->text(1) == from && item->text(2) == to) return r;
  }
  return -1;
}

void tickRoute(frmTrasy& t, int row) {
  t.lvwTrasy->setCurrentRow(row);
  t.lvwTrasy->topLevelItem(row)->setCheckState(0, Qt::Checked);
}

bool routeTicked(frmTrasy& t, int row) {
  return t.lvwTrasy->topLevelItem(row)->checkState(0) == Qt::Checked;
}

// The station file without its last line, the signature, which carries the date and time.
std::string withoutSignature(const std::string& file) {
  const size_t end = file.size() >= 2 ? file.rfind("\r\n", file.size() - 3) : std::string::npos;
  return end == std::string::npos ? file : file.substr(0, end + 2);
}

std::string signatureOf(const std::string& file) {
  return file.substr(withoutSignature(file).size());
}

std::vector<std::string> filesIn(const test::TempDir& dir) {
  std::vector<std::string> names;
  for (const auto& e : fs::directory_iterator(dir.path())) names.push_back(e.path().filename());
  std::sort(names.begin(), names.end());
  return names;
}

class EndToEnd : public test::WindowTest {
 protected:
  void SetUp() override { open("Lipowiec"); }
};

TEST_F(EndToEnd, OpenTrimAnalyseSearchSelectFillAndSave) {
  // The empty first row stays: it keeps point 0 empty. Only the empty last row goes.
  EXPECT_EQ(w->sldYTrimLo->value(), 1);
  w->sldYTrimLo->setValue(0);
  w->cmdTrim->click();
  ASSERT_EQ(w->station()->RowCount(), 13);
  EXPECT_FALSE(prompts.wasAsked("Pole w punkcie 0 nie jest puste. "));
  w->cmdAnalyze->click();

  // Every route is asked about; the second and the fourth are not wanted.
  prompts.answers = {Answer::Yes, Answer::No, Answer::Yes, Answer::No};
  w->cmdStart->click();
  EXPECT_NE(prompts.asked.back().text.find("• 149 właściwych tras i\r\n• 2 niewłaściwych tras."),
            std::string::npos)
      << prompts.asked.back().text;

  // The selector: the four routes from the platform end at 523 to the entry-exit at 500. The
  // first two keep unique points; the third would leave one of them without any.
  bool selected = false;
  whenModal([&](QWidget* d) {
    auto* t = qobject_cast<frmTrasy*>(d);
    ASSERT_NE(t, nullptr);
    if (!t->windowPrepared()) t->prepareNow();  // as its first paint would
    const int g = groupRow(*t, "523", "500");
    if (g < 0) {
      ADD_FAILURE() << "no group 523 -> 500";
      t->reject();
      return;
    }
    t->lvwGrupy->setCurrentRow(g);
    t->cmdEdit->click();
    ASSERT_EQ(t->lvwTrasy->topLevelItemCount(), 4);
    tickRoute(*t, 0);
    tickRoute(*t, 1);
    EXPECT_TRUE(routeTicked(*t, 1));
    EXPECT_EQ(prompts.asked.back().title, "Dodaj trasę");
    EXPECT_EQ(prompts.asked.back().icon, Icon::Information);
    tickRoute(*t, 2);
    EXPECT_FALSE(routeTicked(*t, 2));
    EXPECT_EQ(prompts.asked.back().icon, Icon::Critical);
    t->cmdApply->click();
    prompts.answers = {Answer::Ok};  // "Wyjście z 'Selekcji tras' ..."
    t->cmdOK->click();
    selected = true;
  });
  w->cmdSelektor->click();
  ASSERT_TRUE(selected);
  ASSERT_TRUE(w->cmdSave->isEnabled());

  // The save: the station-wide data first, then every object still missing its data.
  EditorScript editors;
  prompts.savePaths = {QString::fromStdString((dir / "Lipowiec-gotowa").string())};
  w->cmdSave->click();
  EXPECT_GT(editors.opened(), 1);
  EXPECT_EQ(prompts.asked.back().title, "Przypomnienie");
  EXPECT_NE(prompts.asked.back().text.find("Stacja Lipowiec-gotowa.stc została zapisana."),
            std::string::npos);

  const std::string saved = readFile(dir / "Lipowiec-gotowa.stc");
  // After a deliberate change of the station file, SZL_BLESS_E2E=1 writes the new expectation;
  // read it through before committing it.
  if (qEnvironmentVariableIsSet("SZL_BLESS_E2E"))
    test::writeFile(test::dataPath("e2e/Lipowiec-gotowa.stc"), saved);
  const std::string expected = readFile(test::dataPath("e2e/Lipowiec-gotowa.stc"));
  EXPECT_EQ(withoutSignature(saved), withoutSignature(expected));
  // The signature line, in the simulator's code page: "została" with 0xB3 for "ł".
  EXPECT_EQ(signatureOf(saved).rfind("Stacja zosta\xB3"
                                     "a stworzona ",
                                     0),
            0u);
  EXPECT_NE(signatureOf(saved).find(" przy pomocy programu Szlakownik 2.0.\r\n"),
            std::string::npos);
}

TEST_F(EndToEnd, CancellingTheLongStepsWritesNothingAndLosesNothing) {
  w->cmdNoTrim->click();
  w->cmdAnalyze->click();
  const std::vector<CellRec> cellsBefore = w->station()->Cells;

  // Cancel in the middle of a search with questions: the search ends, the station stays.
  prompts.answers = {Answer::Yes, Answer::Yes, Answer::Cancel};
  w->cmdStart->click();
  EXPECT_EQ(prompts.asked.back().title, "Szlakownik - OK");
  EXPECT_NE(prompts.asked.back().text.find("• 2 właściwych tras"), std::string::npos);
  EXPECT_EQ(readFile(dir / "trasy.txt").size() > 0, true);
  EXPECT_TRUE(w->cmdStartNoCfm->isEnabled());
  for (size_t i = 0; i < cellsBefore.size(); ++i)
    ASSERT_EQ(w->station()->Cells[i].Code, cellsBefore[i].Code);

  w->cmdStartNoCfm->click();
  whenModal([&](QWidget* d) {
    auto* t = qobject_cast<frmTrasy*>(d);
    ASSERT_NE(t, nullptr);
    if (!t->windowPrepared()) t->prepareNow();  // as its first paint would
    prompts.answers = {Answer::Ok};
    t->cmdOK->click();
  });
  w->cmdSelektor->click();

  // Anuluj in the station-wide editor, then OK in the abort question: no file.
  {
    EditorScript editors({0});
    prompts.answers = {Answer::Ok};
    w->cmdSave->click();
    EXPECT_EQ(editors.opened(), 1);
    EXPECT_EQ(prompts.asked.back().text,
              "Naprawdę chcesz przerwać wpisywanie danych do pliku stacji?");
  }
  // Data entered for the first objects, then Anuluj; "Cancel" in the abort question brings the
  // editor back, Anuluj again and OK ends the save.
  {
    EditorScript editors({2, 3});
    prompts.answers = {Answer::Cancel, Answer::Ok};
    w->cmdSave->click();
    EXPECT_EQ(editors.opened(), 4);
  }
  EXPECT_EQ(w->station()->TickIndex, 4);
  EXPECT_EQ(w->station()->StationComment, kComment);
  // The first object the save asked about, the entry-exit at point 100, kept what the author
  // entered before leaving.
  EXPECT_EQ(w->station()->object(0, 1).ValueA, 4);
  EXPECT_EQ(w->station()->object(0, 1).ValueD, 7);
  EXPECT_EQ(w->station()->object(0, 1).ValueB, 15);

  // Every editor answered, then the save dialog cancelled: still no file.
  {
    EditorScript editors;
    prompts.savePaths.clear();
    w->cmdSave->click();
  }
  EXPECT_EQ(filesIn(dir), (std::vector<std::string>{"Lipowiec.stc", "trasy.txt"}));
  EXPECT_EQ(readFile(dir / "Lipowiec.stc"), readFile(fs::path(SZL_EXAMPLES) / "Lipowiec.stc"));
}

// A saved station opened with its data (Tak), kept, analysed, searched, accepted with OK in the
// selector and saved gives the file that was opened, but for the signature; with Nie only the
// grid is taken, as before.
class Reopening : public test::WindowTest {};

TEST_F(Reopening, ASavedStationTakenOverSavesTheSameFile) {
  fs::copy_file(test::dataPath("e2e/Lipowiec-gotowa.stc"), dir / "zrodlo.stc");
  ASSERT_EQ(test::runCli({"search", (dir / "zrodlo.stc").string()}).status, 0);
  const auto made = test::runCli(
      {"save", (dir / "zrodlo.stc").string(), "--output", (dir / "Lipowiec.stc").string()});
  ASSERT_EQ(made.status, 0) << made.err;
  const std::string opened = readFile(dir / "Lipowiec.stc");

  openWritten("Lipowiec.stc", test::Stage::Analysed);
  EXPECT_EQ(w->station()->StationComment, kComment);  // Tak, the default answer
  w->cmdStartNoCfm->click();
  whenModal([&](QWidget* d) {
    auto* t = qobject_cast<frmTrasy*>(d);
    ASSERT_NE(t, nullptr);
    if (!t->windowPrepared()) t->prepareNow();
    prompts.answers = {Answer::Ok};
    t->cmdOK->click();
  });
  w->cmdSelektor->click();
  // Only the station-wide data is asked for, and left as it came.
  int editors = 0;
  whenModal([&](QWidget* d) {
    auto* e = qobject_cast<frmObiekty*>(d);
    ASSERT_NE(e, nullptr);
    ++editors;
    e->cmdOK_Click();
  });
  prompts.savePaths = {pathOf("nowa.stc")};
  w->cmdSave->click();
  EXPECT_EQ(editors, 1);
  EXPECT_EQ(withoutSignature(readFile(dir / "nowa.stc")), withoutSignature(opened));

  prompts.openPaths = {pathOf("nowa.stc")};
  prompts.answers = {Answer::No};
  w->cmdOpen_Click();
  EXPECT_EQ(w->station()->StationComment, kDefaultComment);
  EXPECT_TRUE(w->station()->KeptRoutes.empty());
}

}  // namespace
}  // namespace szl
