#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>
#include <filesystem>
#include <map>
#include <set>

#include "model/preparation.h"
#include "select/route_selector.h"
#include "stationfile/sample_station.h"
#include "stationfile/station_reader.h"
#include "stationfile/station_writer.h"

namespace szl {
namespace {

using test::readFile;
using test::TempDir;
using test::writeFile;

// Answers the editor as an author would, through the editor's own load and store rules.
class ScriptedSave : public SaveHost {
 public:
  Answer ask(const Message& m) override {
    asked.push_back(m);
    if (!answers.empty()) {
      const Answer a = answers.front();
      answers.erase(answers.begin());
      return a;
    }
    return Answer::Ok;
  }
  bool cmdPozostale_Click(Station& st) override {
    ++stationEdits;
    if (cancelStation) return true;
    EditorData d = loadEditor(st, stationSubject());
    d.comment = comment;
    d.TickIndex = 8;
    storeEditor(st, stationSubject(), d);
    return false;
  }
  // Types the values of `fill` for the point; a point in `cancelOnce` gets "Anuluj" first.
  bool Uzupelnij(Station& st, int x, int y) override {
    const int p = pointNumber(x, y);
    edits.push_back(p);
    if (cancelOnce.erase(p)) return true;
    const EditorSubject s = cellSubject(st, x, y);
    EditorData d = loadEditor(st, s);
    for (const auto& [field, value] : fill[p]) d.value(field) = value;
    storeEditor(st, s, d);
    return false;
  }
  std::optional<std::string> chooseSavePath() override { return path; }
  std::string shortDate() override { return "2024-05-17"; }
  std::string shortTime() override { return "14:03"; }

  std::vector<Message> asked;
  std::vector<Answer> answers;
  std::vector<int> edits;
  int stationEdits = 0;
  bool cancelStation = false;
  std::string comment = "Stacja testowa: żółw, gęś.\nLinia druga 日本";
  std::map<int, std::vector<std::pair<NumericId, int>>> fill;
  std::set<int> cancelOnce;
  std::optional<std::string> path;
};

class SelectorAnswers : public SelectorHost {
 public:
  Answer ask(const Message&) override { return Answer::Ok; }
};

class Writer : public ::testing::Test {
 protected:
  void SetUp() override {
    writeFile(dir / "stacja.stc", test::stationFileText(test::kSampleRows));
    LoadResult res = WczytajStacje((dir / "stacja.stc").string());
    ASSERT_TRUE(res.station) << res.error;
    st = std::move(*res.station);
    PrzygotujStacje(st, {});
    writeFile(dir / "trasy.txt", test::kSampleRoutes);
    routes = (dir / "trasy.txt").string();
    SelectorAnswers sh;
    ASSERT_TRUE(sel.Prepare(st, routes, sh));
    // The group of three: keep its first and third route.
    sel.Edit(2, st, sh);
    ASSERT_TRUE(sel.tickRoute(0, st, sh));
    ASSERT_TRUE(sel.tickRoute(2, st, sh));
    sel.Accept(st, sh);
    sel.Confirm();

    // The author set two sidings on the view; the third keeps its 10.
    st.object(9, 3).ValueE = 6;
    st.object(4, 6).ValueE = 4;
    host.path = (dir / "out" / "gotowa").string();
    std::filesystem::create_directory(dir / "out");
    using enum NumericId;
    host.fill = {{101, {{txt1Czas, 5}, {txt1Wyprz, 10}}},
                 {110, {{txt1Czas, 3}, {txt1Wyprz, 7}}},
                 {301, {{txt2CzasZwoln, 4}, {txt2CzasMij, 7}, {txt2Wyprz, 15}}},
                 {506, {{txt7Pojem, 5}, {txt7Napr, 1}, {txt7CzasZam, 20}, {txt7CzasNapr, 60}}},
                 {601, {{txt7Pojem, 8}, {txt7Napr, 2}, {txt7CzasZam, 15}, {txt7CzasNapr, 45}}}};
    host.cancelOnce = {101};
  }

  SaveResult save() { return cmdSave_Click(st, sel.table(), routes, host); }

  TempDir dir;
  Station st;
  RouteSelector sel;
  std::string routes;
  ScriptedSave host;
};

TEST_F(Writer, EveryObjectClassByteForByte) {
  host.answers = {Answer::Cancel};  // the abort question after the first "Anuluj": go on
  const SaveResult res = save();
  ASSERT_EQ(res.outcome, SaveOutcome::Saved);
  EXPECT_EQ(res.path, (dir / "out" / "gotowa.stc").string());

  EXPECT_EQ(readFile(dir / "out" / "gotowa.stc"), test::sampleFile());
  EXPECT_EQ(res.totals.ObjectCount, 11);
  EXPECT_EQ(res.totals.SidingPlaces, 20);

  // The entry twice (Anuluj, then data), the goods group without a number once, each shed
  // once; the exit's lead time is kept in memory though the file has 0 there.
  EXPECT_EQ(host.stationEdits, 1);
  EXPECT_EQ(host.edits, (std::vector<int>{101, 101, 110, 301, 304, 506, 601}));
  EXPECT_EQ(st.object(10, 1).ValueB, 7);
  EXPECT_EQ(st.object(4, 3).ValueC, 0);

  ASSERT_EQ(host.asked.size(), 3u);
  EXPECT_EQ(host.asked[0].title, "Zapisywanie stacji - wjazd/wyjazd");
  EXPECT_EQ(host.asked[0].text, "Naprawdę chcesz przerwać wpisywanie danych do pliku stacji?");
  EXPECT_EQ(host.asked[0].buttons, Buttons::OkCancel);
  EXPECT_EQ(host.asked[1].title, "Zapisywanie stacji");  // the two characters told once
  EXPECT_NE(host.asked[1].text.find("\"?\""), std::string::npos);
  EXPECT_EQ(host.asked[2].title, "Przypomnienie");
  EXPECT_EQ(host.asked[2].icon, Icon::Information);
  EXPECT_EQ(host.asked[2].text,
            "Stacja gotowa.stc została zapisana.\r\n\r\nJeżeli zamierzasz opublikować stację, "
            "stworzoną przy pomocy tego programu, \r\nnie zapomnij powiadomić o tym e-mailem "
            "autora programu oraz zawrzeć \r\nstosowne informacje w pliku stacji i ewentualnie w "
            "pliku dokumentacji stacji.");

  // A second save finds the data complete and asks only for the file.
  host.asked.clear();
  host.edits.clear();
  host.comment = "Bez znaków spoza strony kodowej";
  host.path = (dir / "out" / "DRUGA.STC").string();
  ASSERT_EQ(save().outcome, SaveOutcome::Saved);
  EXPECT_EQ(host.edits, (std::vector<int>{304}));  // the group still has no number
  ASSERT_EQ(host.asked.size(), 1u);
  EXPECT_EQ(host.asked[0].title, "Przypomnienie");
  EXPECT_TRUE(std::filesystem::exists(dir / "out" / "DRUGA.STC"));
}

TEST_F(Writer, EndedByTheAuthorWritesNothing) {
  host.cancelStation = true;
  host.answers = {Answer::Ok};
  EXPECT_EQ(save().outcome, SaveOutcome::Cancelled);
  ASSERT_EQ(host.asked.size(), 1u);
  EXPECT_EQ(host.asked[0].title, "Zapisywanie stacji - pozostałe dane");
  EXPECT_TRUE(host.edits.empty());

  host.cancelStation = false;
  host.asked.clear();
  host.path.reset();  // the save-file dialog cancelled
  host.cancelOnce.clear();
  EXPECT_EQ(save().outcome, SaveOutcome::Cancelled);
  EXPECT_TRUE(host.asked.empty());
  EXPECT_TRUE(std::filesystem::is_empty(dir / "out"));
}

TEST_F(Writer, ARouteFileThatNoLongerMatchesIsRefused) {
  const std::vector<std::string> changed = {
      // a new search found one route more
      test::kSampleRoutes + "1,1,501,502,0,\r\n",
      // a hand edit moved an end point
      "1,1,101,102,103,105,0,\r\n" + test::kSampleRoutes.substr(24),
      // a route lost a point
      "1,1,101,103,104,0,\r\n" + test::kSampleRoutes.substr(24),
      // the file is gone: it counts as empty
      "",
  };
  for (const std::string& text : changed) {
    if (text.empty())
      std::filesystem::remove(dir / "trasy.txt");
    else
      writeFile(dir / "trasy.txt", text);
    host.asked.clear();
    EXPECT_EQ(save().outcome, SaveOutcome::Refused);
    ASSERT_EQ(host.asked.size(), 1u);
    EXPECT_EQ(host.asked[0].icon, Icon::Critical);
    EXPECT_NE(host.asked[0].text.find("Uruchom ponownie selekcję tras"), std::string::npos);
    EXPECT_EQ(host.stationEdits, 0);  // refused before the author typed anything
  }
  EXPECT_TRUE(std::filesystem::is_empty(dir / "out"));

  // No route file and no routes selected: an empty route section.
  RouteTable none;
  host.answers = {Answer::Cancel};
  ASSERT_EQ(cmdSave_Click(st, none, routes, host).outcome, SaveOutcome::Saved);
  const std::string file = readFile(dir / "out" / "gotowa.stc");
  EXPECT_NE(file.find(test::stationFileText(test::kSampleRows) + "0,\r\n11,20,\r\n"),
            std::string::npos);
}

TEST_F(Writer, AFailedWriteLeavesTheOldFileAndNamesTheFile) {
  host.answers = {Answer::Cancel};
  const auto target = dir / "out" / "gotowa.stc";
  writeFile(target, "stary plik");

  // The file system refuses every byte beyond the first hundred.
  struct rlimit old {};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
  struct rlimit small = old;
  small.rlim_cur = 100;
  const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  const SaveResult res = save();
  setrlimit(RLIMIT_FSIZE, &old);
  std::signal(SIGXFSZ, oldHandler);

  EXPECT_EQ(res.outcome, SaveOutcome::Failed);
  EXPECT_EQ(readFile(target), "stary plik");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir / "out"), {}), 1);
  ASSERT_FALSE(host.asked.empty());
  const Message& m = host.asked.back();
  EXPECT_EQ(m.icon, Icon::Critical);
  EXPECT_NE(m.text.find("Nie można zapisać stacji do pliku " + target.string()), std::string::npos)
      << m.text;
  EXPECT_NE(m.text.find("pozostał bez zmian"), std::string::npos);

  // A folder whose parent is a file, and a name taken by a folder.
  writeFile(dir / "plik", "x");
  host.path = (dir / "plik" / "podkatalog" / "stacja.stc").string();
  host.asked.clear();
  EXPECT_EQ(save().outcome, SaveOutcome::Failed);
  ASSERT_EQ(host.asked.size(), 1u);
  EXPECT_NE(host.asked[0].text.find(*host.path), std::string::npos);
  EXPECT_EQ(readFile(dir / "plik"), "x");

  std::filesystem::create_directory(dir / "out" / "katalog.stc");
  host.path = (dir / "out" / "katalog.stc").string();
  host.asked.clear();
  EXPECT_EQ(save().outcome, SaveOutcome::Failed);
  EXPECT_NE(host.asked[0].text.find("pod tą nazwą jest katalog"), std::string::npos);
  EXPECT_TRUE(std::filesystem::is_empty(dir / "out" / "katalog.stc"));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir / "out"), {}), 2);
}

}  // namespace
}  // namespace szl
