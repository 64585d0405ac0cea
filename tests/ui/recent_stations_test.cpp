// Plik's list of the stations opened last, kept between runs, and the folders and names the
// file dialogs start with.
#include <gtest/gtest.h>

#include <QFileDialog>
#include <QLineEdit>

#include "ui_support.h"

namespace szl {
namespace {

namespace fs = std::filesystem;
using namespace test;

using RecentStations = WindowTest;

// The entries of Plik's list as they read.
std::string recentMenu(ui::frmMain& w) {
  QStringList shown;
  for (QAction* a : w.mnuRecent)
    if (a->isVisible()) shown << a->text();
  return shown.join("|").toStdString();
}

// Seven stations opened one after another, the last in another folder: the newest six are
// listed, in the next run too, with the open dialog starting where the last one was. A file
// gone is said and dropped; the others open as "Otwórz" opens, asking about unsaved work first.
TEST_F(RecentStations, TheLastSixOpenedAreOfferedAgain) {
  fs::create_directory(dir / "inne");
  const std::string d = dir.path().string();
  for (const char* name : {"a", "b", "c", "d", "e", "f", "inne/g"})
    writeFile(dir / (std::string(name) + ".stc"),
              stationFileText({"0 0 0 0 0 0", "0 0 0 0 0 0", "0 50 10 51 0 0"}));
  w = std::make_unique<ui::frmMain>(&prompts);
  prompts.openPaths = {pathOf("a.stc")};
  ASSERT_TRUE(w->start(std::nullopt));
  for (const char* name : {"b", "c", "d", "e", "f", "inne/g"}) {
    prompts.openPaths = {pathOf(std::string(name) + ".stc")};
    w->cmdOpen->click();
  }
  const std::string listed = "&1 g.stc   (" + d + "/inne)|&2 f.stc   (" + d + ")|&3 e.stc   (" + d +
                             ")|&4 d.stc   (" + d + ")|&5 c.stc   (" + d + ")|&6 b.stc   (" + d +
                             ")";
  EXPECT_EQ(recentMenu(*w), listed);
  // Nothing opened ever: the system's folder; then the folder of the station open.
  std::string folders;
  for (const QString& f : prompts.openFolders) folders += f.toStdString() + "|";
  EXPECT_EQ(folders, "|" + d + "|" + d + "|" + d + "|" + d + "|" + d + "|" + d + "|");

  // The next run: the same list, the open dialog where g was.
  w = std::make_unique<ui::frmMain>(&prompts);
  EXPECT_EQ(recentMenu(*w), listed);
  prompts.openPaths = {pathOf("c.stc")};
  ASSERT_TRUE(w->start(std::nullopt));
  EXPECT_EQ(prompts.openFolders.back().toStdString(), d + "/inne");
  EXPECT_TRUE(recentMenu(*w).starts_with("&1 c.stc   (" + d + ")|&2 g.stc"));

  fs::remove(dir / "inne/g.stc");
  prompts.asked.clear();
  w->mnuRecent[1]->trigger();
  EXPECT_EQ(prompts.last().text, "Nie ma już pliku g.stc w folderze " + d +
                                     "/inne.\r\nUsunięto go z listy ostatnio otwieranych stacji.");
  EXPECT_EQ(recentMenu(*w).find("g.stc"), std::string::npos);
  EXPECT_EQ(w->station()->StationFile, "c.stc");

  // c trimmed as offered: the question about its changes first; Anuluj keeps it.
  w->cmdTrim->click();
  prompts.asked.clear();
  prompts.answers = {Answer::Cancel};
  w->mnuRecent[1]->trigger();  // f
  EXPECT_EQ(prompts.last().text, "Zapisać zmiany w stacji c.stc?");
  EXPECT_EQ(w->station()->StationFile, "c.stc");
  prompts.answers = {Answer::No};
  w->mnuRecent[1]->trigger();
  EXPECT_EQ(w->station()->StationFile, "f.stc");
  EXPECT_TRUE(recentMenu(*w).starts_with("&1 f.stc"));
}

// The real dialogs: the open dialog in the folder it is given, the save dialog with the name.
TEST_F(RecentStations, TheFileDialogsStartWhereTheyAreTold) {
  writeFile(dir / "stacja.stc", stationFileText({"0 50 10 51"}));
  const QString folder = QString::fromStdString(dir.path().string());
  ui::Prompts real;
  QStringList seen;
  const auto look = [&] {
    whenModal([&](QWidget* d) {
      auto* dialog = qobject_cast<QFileDialog*>(d);
      ASSERT_NE(dialog, nullptr);
      seen << dialog->directory().absolutePath() + " " +
                  child<QLineEdit>(dialog, "fileNameEdit")->text();
      dialog->reject();
    });
  };
  look();
  EXPECT_FALSE(real.openStation(nullptr, folder));
  look();
  EXPECT_FALSE(real.saveStation(nullptr, pathOf("stacja.stc")));
  EXPECT_EQ(seen.join("|"), folder + " |" + folder + " stacja.stc");
}

}  // namespace
}  // namespace szl
