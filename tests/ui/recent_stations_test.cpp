// Plik's list of the stations opened last, kept between runs, and where the open dialog starts.
#include <gtest/gtest.h>

#include "ui_support.h"

namespace szl {
namespace {

using namespace test;

using RecentStations = WindowTest;

std::string recentMenu(ui::frmMain& w) {
  QStringList shown;
  for (QAction* a : w.mnuRecent)
    if (a->isVisible()) shown << a->text();
  return shown.join("|").toStdString();
}

// Seven stations opened, the last in another folder: the newest six are listed, in the next run
// too, where the open dialog starts in the last one's folder. A file gone is said and dropped;
// the others open as "Otwórz" opens, asking about unsaved work first.
TEST_F(RecentStations, TheLastSixOpenedAreOfferedAgain) {
  std::filesystem::create_directory(dir / "inne");
  const std::string d = dir.path().string();
  const std::string other = (dir / "inne").string();
  w = std::make_unique<ui::frmMain>(&prompts);
  for (const std::string name : {"a", "b", "c", "d", "e", "f", "inne/g"}) {
    writeFile(dir / (name + ".stc"), stationFileText({"0 0 0 0", "0 0 0 0", "0 50 10 51"}));
    prompts.openPaths = {pathOf(name + ".stc")};
    name == "a" ? void(w->start(std::nullopt)) : w->cmdOpen->click();
  }
  const std::string listed = "&1 g.stc   (" + other + ")|&2 f.stc   (" + d + ")|&3 e.stc   (" + d +
                             ")|&4 d.stc   (" + d + ")|&5 c.stc   (" + d + ")|&6 b.stc   (" + d +
                             ")";
  EXPECT_EQ(recentMenu(*w), listed);
  // Nothing ever opened: the system's folder; then the open station's.
  EXPECT_EQ(prompts.openFolders.front() + "|" + prompts.openFolders.back(),
            "|" + QString(d.c_str()));

  w = std::make_unique<ui::frmMain>(&prompts);
  EXPECT_EQ(recentMenu(*w), listed);
  prompts.openPaths = {pathOf("c.stc")};
  ASSERT_TRUE(w->start(std::nullopt));
  EXPECT_EQ(prompts.openFolders.back().toStdString(), other);
  EXPECT_TRUE(recentMenu(*w).starts_with("&1 c.stc   (" + d + ")|&2 g.stc"));

  std::filesystem::remove(dir / "inne/g.stc");
  w->mnuRecent[1]->trigger();
  EXPECT_EQ(prompts.last().text, "Nie ma już pliku g.stc w folderze " + other +
                                     ".\r\nUsunięto go z listy ostatnio otwieranych stacji.");
  EXPECT_EQ(recentMenu(*w).find("g.stc"), std::string::npos);
  w->cmdTrim->click();  // a change of c
  for (const Answer a : {Answer::Cancel, Answer::No}) {
    prompts.answers = {a};
    w->mnuRecent[1]->trigger();  // f
    EXPECT_TRUE(prompts.wasAsked("Zapisać zmiany w stacji c.stc?"));
    EXPECT_EQ(w->station()->StationFile, a == Answer::Cancel ? "c.stc" : "f.stc");
  }
}

}  // namespace
}  // namespace szl
