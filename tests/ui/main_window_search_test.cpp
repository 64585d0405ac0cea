#include <gtest/gtest.h>

#include <QAction>
#include <QTimer>
#include <QToolButton>

#include "support/test_support.h"
#include "ui/main/frm_main.h"
#include "ui_support.h"

namespace szl {
namespace {
using test::dataPath;
using test::readFile;
using test::ScriptedPrompts;
using test::TempDir;
using ui::frmMain;

// A copy of a reference station in a fresh folder, where the search writes its route file.
QString stationCopy(const TempDir& dir, const std::string& name) {
  std::filesystem::copy_file(dataPath("reference/" + name + ".stc"), dir / (name + ".stc"));
  return QString::fromStdString((dir / (name + ".stc")).string());
}

// Opened, kept whole and analysed, with nothing asked so far.
bool openAnalysed(frmMain& w, ScriptedPrompts& prompts, const QString& station) {
  if (!w.start(station)) return false;
  w.cmdNoTrim->click();
  w.cmdAnalyze->click();
  prompts.asked.clear();
  return true;
}

bool enabled(frmMain& w, const char* name) { return w.findChild<QToolButton*>(name)->isEnabled(); }

TEST(MainWindowSearch, SearchAllWritesTheRouteFile) {
  TempDir dir;
  ScriptedPrompts prompts;
  frmMain w(&prompts);
  ASSERT_TRUE(openAnalysed(w, prompts, stationCopy(dir, "junction_20x10")));
  // While the summary is shown the stack bar is empty, its first block too.
  QColor firstBlock;
  prompts.onAsk = [&](const Message&) { firstBlock = w.picStack->image().pixelColor(4, 4); };
  w.cmdStartNoCfm->click();
  EXPECT_EQ(firstBlock, QColor(Qt::white));
  EXPECT_EQ(readFile(dir / "trasy.txt"), readFile(dataPath("reference/junction_20x10.opt1.routes")));
  ASSERT_EQ(prompts.asked.size(), 1u);  // only the summary
  EXPECT_EQ(prompts.asked[0].title, "Szlakownik - OK");
  EXPECT_EQ(w.txtConnects->text(), "64");
  EXPECT_EQ(w.txtTrasy->text(), "14");
  for (const char* n : {"cmdStart", "cmdStartNoCfm", "cmdSelektor", "cmdPozostale", "cmdAnalyze",
                        "cmdOptions", "cmdOpen"})
    EXPECT_TRUE(enabled(w, n)) << n;
  EXPECT_FALSE(enabled(w, "cmdSave"));
  EXPECT_FALSE(w.txtConnects->isEnabled());
  // The start markers end red: the entry-exit at (0, 5) was walked through its port 5.
  EXPECT_EQ(w.picOkno->image().pixelColor(17 * 0 + 1 + 5 + 8, 17 * 5 + 1 + 8), QColor(255, 0, 0));
}

TEST(MainWindowSearch, ConfirmModeAsksAboutEveryRoute) {
  TempDir dir;
  ScriptedPrompts prompts;
  frmMain w(&prompts);
  ASSERT_TRUE(openAnalysed(w, prompts, stationCopy(dir, "yard_14x7")));
  // Yes, No, then Yes for the rest; the route under review is red while asked about.
  prompts.answers = {Answer::Yes, Answer::No};
  std::vector<QColor> seen;
  std::vector<bool> searching;
  prompts.onAsk = [&](const Message& m) {
    if (m.title != "Trasa") return;
    seen.push_back(w.picOkno->image().pixelColor(17 * 3 + 9, 17 * 2 + 9));
    searching.push_back(!w.cmdOpen->isEnabled() && !w.cmdAnalyze->isEnabled() &&
                        !w.cmdSave->isEnabled() && !w.cmdStartNoCfm->isEnabled());
  };
  w.cmdStart->click();
  ASSERT_GE(seen.size(), 2u);
  for (bool s : searching) EXPECT_TRUE(s);
  // The platform rule's refusals are told in this mode too.
  EXPECT_TRUE(prompts.wasAsked("Trasa nie prowadzi z żadnego wjazdu na ten peron."));
  EXPECT_EQ(seen.front(), QColor(255, 0, 0));
  const std::string routes = readFile(dir / "trasy.txt");
  size_t lines = 0;
  for (char c : routes) lines += c == '\n';
  EXPECT_EQ(lines, 5u);  // six routes, one answered No
  EXPECT_NE(prompts.asked.back().text.find("1 niewłaściwych tras."), std::string::npos);
  // After the questions the cells are yellow again.
  EXPECT_EQ(w.picOkno->image().pixelColor(17 * 3 + 9, 17 * 2 + 9), QColor(255, 255, 0));
}

TEST(MainWindowSearch, CancelInTheQuestionEndsTheSearch) {
  TempDir dir;
  ScriptedPrompts prompts;
  frmMain w(&prompts);
  ASSERT_TRUE(openAnalysed(w, prompts, stationCopy(dir, "yard_14x7")));
  prompts.answers = {Answer::Yes, Answer::Cancel};
  w.cmdStart->click();
  EXPECT_EQ(prompts.asked.back().title, "Szlakownik - OK");
  EXPECT_NE(prompts.asked.back().text.find("• 1 właściwych tras"), std::string::npos);
  EXPECT_TRUE(enabled(w, "cmdStart"));
  EXPECT_TRUE(enabled(w, "cmdOpen"));
}

}  // namespace
}  // namespace szl

namespace szl {
namespace {

// A ring of track with a passing loop keeps one start port's walk going for ages; the window
// still answers, and leaving the program ends the search and keeps the route file whole.
TEST(MainWindowSearch, TheWindowAnswersDuringAnEndlessWalk) {
  TempDir dir;
  std::filesystem::copy_file(dataPath("ring_20x10.stc"), dir / "ring.stc");
  ScriptedPrompts prompts;
  frmMain w(&prompts);
  ASSERT_TRUE(openAnalysed(w, prompts, QString::fromStdString((dir / "ring.stc").string())));
  // The author leaves while the ring is walked: the exit waits in the event queue until the
  // window next answers, which it does in the middle of that walk.
  bool counted = false;
  prompts.onAsk = [&](const Message& m) {
    if (m.kind != MessageKind::StackOverflow) return;
    QTimer::singleShot(0, [&] {
      counted = w.searching();
      prompts.answers = {Answer::Ok};  // "Opuścić program Szlakownik?"
      w.mnuExit->trigger();
    });
  };
  w.cmdStartNoCfm->click();
  EXPECT_TRUE(counted);
  EXPECT_FALSE(w.searching());
  EXPECT_TRUE(prompts.wasAsked("Szkoda, bo to fajny program. ;-)"));
  EXPECT_EQ(readFile(dir / "trasy.txt"), "1,1,101,102,103,104,0,\r\n");
}

}  // namespace
}  // namespace szl
