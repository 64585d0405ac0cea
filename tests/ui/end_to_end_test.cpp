// The whole road as an author walks it: open an example station, trim, analyse, search with a
// question for every route, choose the routes of one group, fill every object's data through
// the editor the save opens, and save. Then the save cancelled at each of its steps, with nothing
// written and nothing lost; and a saved station taken over and saved again.
#include <gtest/gtest.h>

#include "filled_save.h"

namespace szl {
namespace {

namespace fs = std::filesystem;
using namespace test;

using EndToEnd = WindowTest;

TEST_F(EndToEnd, OpenTrimAnalyseSearchSelectFillAndSave) {
  open("Lipowiec");
  // The empty first row stays: it keeps point 0 empty. Only the empty last row goes.
  EXPECT_EQ(w->sldYTrimLo->value(), 0);
  w->cmdTrim->click();
  ASSERT_EQ(w->station()->RowCount(), 13);
  EXPECT_FALSE(prompts.wasAsked("Pole w punkcie 0 nie jest puste. "));
  w->cmdAnalyze->click();

  // Every route is asked about; the second and the fourth are not wanted.
  prompts.answers = {Answer::Yes, Answer::No, Answer::Yes, Answer::No};
  w->cmdStart->click();
  EXPECT_NE(prompts.last().text.find("• 149 właściwych tras i\r\n• 2 niewłaściwych tras."),
            std::string::npos)
      << prompts.last().text;

  // The four routes from the platform end at 523 to the entry-exit at 500: the first two keep
  // unique points; the third would leave one of them without any.
  select([&](ui::frmTrasy& t) {
    const auto& groups = t.lvwGrupy;
    for (int r = 0; r < groups->topLevelItemCount(); ++r)
      if (groups->topLevelItem(r)->text(1) == "523" && groups->topLevelItem(r)->text(2) == "500")
        groups->setCurrentRow(r);
    t.cmdEdit->click();
    ASSERT_EQ(t.lvwTrasy->topLevelItemCount(), 4);
    for (int r = 0; r < 3; ++r) {
      t.lvwTrasy->setCurrentRow(r);
      t.lvwTrasy->topLevelItem(r)->setCheckState(0, Qt::Checked);
    }
    EXPECT_EQ(t.lvwTrasy->topLevelItem(2)->checkState(0), Qt::Unchecked);
    EXPECT_EQ(prompts.last().icon, Icon::Critical);
    t.cmdApply->click();
  });
  ASSERT_TRUE(w->cmdSave->isEnabled());

  // The save: the station-wide data first, then every object still missing its data.
  prompts.savePaths = {pathOf("Lipowiec-gotowa")};
  saveFilled(*w);

  const std::string saved = readFile(dir / "Lipowiec-gotowa.stc");
  EXPECT_EQ(withoutSignature(saved),
            withoutSignature(readFile(dataPath("e2e/Lipowiec-gotowa.stc"))));
  // Lines worked out by hand from the grid and the data typed, so that the reference is not the
  // program's word alone: a route without wire along row 1; the entry-exit at 100 numbered by
  // the digit below it; the exit at 500 and the entry at 549 with their sides and numbers, the
  // exit's lead time never written; 19 objects and five sidings of 10, the last after 40; the
  // shed's capacity, repairs, order time and repair time after the clock at 5 seconds.
  for (const char* line :
       {"1,0,141,142,143,144,145,146,147,148,149,0,", "3,407,100,15,0,51,", "2,3,500,0,0,11,",
        "1,3,549,5,0,30,", "19,50,", "5,10,1242,0,0,40,", "5,\r\n6,2,20,90,"})
    EXPECT_NE(saved.find(std::string("\r\n") + line + "\r\n"), std::string::npos) << line;
}

TEST_F(EndToEnd, CancellingTheLongStepsWritesNothingAndLosesNothing) {
  open("Lipowiec", Stage::Analysed);
  w->cmdStartNoCfm->click();
  select();

  // Anuluj in the station-wide editor, then OK in the abort question: no file.
  prompts.answers = {Answer::Ok};
  EXPECT_EQ(saveFilled(*w, {0}), 1);
  EXPECT_EQ(prompts.last().text, "Naprawdę chcesz przerwać wpisywanie danych do pliku stacji?");
  // Data entered for the first objects, then Anuluj; "Cancel" in the abort question brings the
  // editor back, Anuluj again and OK ends the save.
  prompts.answers = {Answer::Cancel, Answer::Ok};
  EXPECT_EQ(saveFilled(*w, {2, 3}), 4);
  EXPECT_EQ(w->station()->TickIndex, 4);
  EXPECT_EQ(w->station()->StationComment, kComment);
  // The first object the save asked about, the entry-exit at point 100, kept its data.
  EXPECT_EQ(w->station()->object(0, 1).ValueB, 15);

  // Every editor answered, then the save dialog cancelled: still no file.
  saveFilled(*w);
  EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), {}), 2);  // the station, trasy.txt
  EXPECT_EQ(readFile(dir / "Lipowiec.stc"), readFile(fs::path(SZL_EXAMPLES) / "Lipowiec.stc"));
}

// A saved station opened with its data (Tak), kept, analysed, searched, accepted with OK in the
// selector and saved gives the file that was opened, but for the signature; with Nie only the
// grid is taken.
TEST_F(EndToEnd, ASavedStationTakenOverSavesTheSameFile) {
  fs::copy_file(dataPath("e2e/Lipowiec-gotowa.stc"), dir / "zrodlo.stc");
  ASSERT_EQ(runCli({"search", (dir / "zrodlo.stc").string()}).status, 0);
  const auto made =
      runCli({"save", (dir / "zrodlo.stc").string(), "--output", (dir / "Lipowiec.stc").string()});
  ASSERT_EQ(made.status, 0) << made.err;

  openWritten("Lipowiec.stc", Stage::Analysed);
  w->cmdStartNoCfm->click();
  select();
  // Only the station-wide data is asked for, and left as it came.
  prompts.savePaths = {pathOf("nowa.stc")};
  EXPECT_EQ(saveFilled(*w, {}, false), 1);
  EXPECT_EQ(withoutSignature(readFile(dir / "nowa.stc")),
            withoutSignature(readFile(dir / "Lipowiec.stc")));

  prompts.openPaths = {pathOf("nowa.stc")};
  prompts.answers = {Answer::No};
  w->cmdOpen_Click();
  EXPECT_EQ(w->station()->StationComment, kDefaultComment);
  EXPECT_TRUE(w->station()->KeptRoutes.empty());
}

}  // namespace
}  // namespace szl
