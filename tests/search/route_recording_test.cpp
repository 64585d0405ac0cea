// What becomes of a route once a walk reaches an object: twins, lengths, filters, repeated
// elements, the platform rule, the question, and the route file itself.
#include <gtest/gtest.h>

#include <filesystem>

#include "search/search_fixture.h"

namespace szl {
namespace {

using test::runSearch;
using test::withoutPlatformRule;
using test::stationFromRows;

TEST(Recording, FiftyEightCellsAreWrittenFiftyNineRejectedAndTheWalkStopsThere) {
  // Stopping points on row 1 at columns 1, 58 and 60, on row 3 at 1, 59 and 61.
  std::vector<std::string> rows(5);
  for (int y = 0; y < 5; ++y)
    for (int x = 0; x < 64; ++x) {
      const int end = y == 1 ? 58 : y == 3 ? 59 : -9;
      rows[y] += x == 1 || x == end || x == end + 2 ? "21 " : x > 1 && x < end + 2 ? "10 " : "0 ";
    }
  const auto run = runSearch(stationFromRows(rows));
  EXPECT_EQ(run.routes, test::routeLine("1,1", test::serpentine(58)) + "1,1,158,159,160,0,\r\n" +
                            "1,1,359,360,361,0,\r\n");
  // Going on, the walk from 101 would reach 162 and the one from 301 reach 361.
  EXPECT_EQ(run.result.counters.connections, 11);
  EXPECT_EQ(run.host.asked.size(), 1u);  // the summary only

  const auto asked = runSearch(stationFromRows(rows), {}, true);
  const auto texts = asked.host.texts();
  EXPECT_EQ(std::count(texts.begin(), texts.end(), "Ta trasa jest zbyt długa."), 2);
}

TEST(Recording, OneHundredNinetyNineCellsWithLongRoutesAllowedTwoHundredNever) {
  SearchOptions longOnes;
  longOnes.allowLong = true;
  // 198 walked cells fill level 0 and go on on level 1, each walk beyond the full level once.
  const auto path = test::serpentine(199);
  const auto kept = runSearch(test::pathStation(path, 63, 12), longOnes);
  EXPECT_EQ(kept.routes, test::routeLine("1,1", path));
  EXPECT_EQ(kept.result.counters.connections, 2);
  EXPECT_EQ(kept.result.limitCount(MessageKind::SegmentOverflow), 2);

  for (bool confirm : {false, true}) {
    const auto run = runSearch(test::pathStation(test::serpentine(200), 63, 12), longOnes, confirm);
    EXPECT_EQ(run.routes, "");
    EXPECT_EQ(run.result.counters.connections, 0);
    EXPECT_EQ(run.result.limitCount(MessageKind::RouteTooLong), 2);
    EXPECT_EQ(run.host.texts()[1], "Zbyt długa trasa!\r\n\r\nNie zostanie ona zapisana.");
    EXPECT_EQ(run.host.entries("show")[0], "show 199");
  }
}

TEST(Recording, TwinsAreDroppedAndTheFiltersKeepTheirKind) {
  // Row 1 two-way, row 3 from entries; the second of each pair is not electrified.
  const std::vector<std::string> rows{"0 0  0  0  0  0  0   0",  //
                                      "0 21 10 21 0  21 100 21", "0 0  0  0  0  0  0   0",
                                      "0 51 10 21 0  51 100 21"};
  const std::string l101 = "1,1,101,102,103,0,\r\n", l105 = "1,0,105,106,107,0,\r\n",
                    l301 = "0,1,301,302,303,0,\r\n", l305 = "0,0,305,306,307,0,\r\n";
  SearchOptions o = withoutPlatformRule();
  const auto all = runSearch(stationFromRows(rows), o);
  EXPECT_EQ(all.routes, l101 + l105 + l301 + l305);
  EXPECT_EQ(all.result.counters.connections, 6);

  struct Case {
    Direction d;
    Electrification e;
    std::string routes;
    std::string told;
  };
  for (const Case& c :
       {Case{Direction::OneWay, Electrification::All, l301 + l305, "Ta trasa jest dwukierunkowa."},
        Case{Direction::TwoWay, Electrification::All, l101 + l105,
             "Ta trasa jest jednokierunkowa."},
        Case{Direction::All, Electrification::Yes, l101 + l301,
             "Ta trasa nie jest zelektryfikowana."},
        Case{Direction::All, Electrification::No, l105 + l305,
             "Ta trasa jest zelektryfikowana."}}) {
    o.direction = c.d;
    o.electrification = c.e;
    EXPECT_EQ(runSearch(stationFromRows(rows), o).routes, c.routes);
    const auto asked = runSearch(stationFromRows(rows), o, true);
    EXPECT_EQ(asked.routes, c.routes);
    const auto texts = asked.host.texts();
    EXPECT_EQ(std::count(texts.begin(), texts.end(), c.told), 2) << c.told;
  }
}

// A platform whose ends are joined by a loop: from either end the route comes back to the
// other end of its own object. Both directions are kept as twins, and both repeat the object.
const std::vector<std::string> kPlatformLoop{"0 0  0  0  0  0  0",  //
                                             "0 0  11 10 10 16 0", "0 33 0  0  0  0  32",
                                             "0 34 0  0  0  0  35", "0 0  15 21 5  21 0"};
const std::string kPlatformLoopRoutes =
    "1,1,403,402,301,201,102,103,104,105,206,306,405,0,\r\n"
    "1,1,405,306,206,105,104,103,102,201,301,402,403,0,\r\n";

TEST(Recording, ARouteBackToItsOwnPlatformRepeatsAnElement) {
  SearchOptions o = withoutPlatformRule();
  const auto told = runSearch(stationFromRows(kPlatformLoop), o);
  EXPECT_EQ(told.routes, "");
  EXPECT_EQ(told.host.texts()[0], "Powtarzające się elementy w trasie. (403)");
  EXPECT_EQ(told.host.texts()[1], "Powtarzające się elementy w trasie. (405)");

  const auto ok = runSearch(stationFromRows(kPlatformLoop), o, true);
  EXPECT_EQ(ok.routes, kPlatformLoopRoutes);
  EXPECT_EQ(ok.host.asked[0].title, "Błąd");
  EXPECT_EQ(ok.host.asked[0].buttons, Buttons::OkCancel);
  EXPECT_EQ(
      runSearch(stationFromRows(kPlatformLoop), o, true, {Answer::Cancel, Answer::Cancel}).routes,
      "");

  o.allowRepeats = true;
  const auto allowed = runSearch(stationFromRows(kPlatformLoop), o);
  EXPECT_EQ(allowed.routes, kPlatformLoopRoutes);
  EXPECT_EQ(allowed.host.asked.size(), 1u);
}

// A loop that crosses itself on a diamond crossing between two stopping points.
const std::vector<std::string> kCrossingLoop{
    "0 0  0  0  0  0  0",  //
    "0 0  11 16 0  0  0", "0 33 0  0  32 0  0", "0 34 0  0  49 0  0", "0 0  13 0  35 0  0",
    "0 0  0  23 0  0  0", "0 0  14 0  13 0  0", "0 21 0  0  0  15 21"};

TEST(Recording, ACrossingPassedTwiceIsAWarningInConfirmMode) {
  const auto told = runSearch(stationFromRows(kCrossingLoop));
  EXPECT_EQ(told.routes, "");
  EXPECT_EQ(told.host.texts()[0], "Powtarzające się elementy w trasie. (503)");
  EXPECT_EQ(told.result.limitCount(MessageKind::RepeatedElements), 1);

  const auto ok = runSearch(stationFromRows(kCrossingLoop), {}, true, {Answer::Ok, Answer::Yes});
  EXPECT_EQ(ok.routes, "1,1,701,602,503,404,304,204,103,102,201,301,402,503,604,705,706,0,\r\n");
  EXPECT_EQ(ok.host.asked[0].title, "Ostrzeżenie");
  EXPECT_EQ(
      ok.host.asked[0].text.rfind("Trasa dwa razy prowadzi przez element typu krzyżowego.", 0), 0u);
  EXPECT_EQ(ok.host.asked[1].text,
            "Zaliczyć trasę dwukierunkową, zelektryfikowaną,\r\n od punktu 701 do punktu 706 do "
            "właściwych tras?");
  EXPECT_EQ(ok.host.entries("repeated"),
            (std::vector<std::string>{"repeated 3,5 blue", "repeated 3,5 orange"}));

  const auto cancel = runSearch(stationFromRows(kCrossingLoop), {}, true, {Answer::Cancel});
  EXPECT_EQ(cancel.routes, "");
  EXPECT_EQ(cancel.result.end, SearchEnd::Completed);  // only that route is rejected
  EXPECT_EQ(cancel.host.asked.size(), 2u);             // the warning and the summary
}

TEST(Recording, ARepeatEarlyInTheRouteCountsForEveryRouteThatGoesOnFromIt) {
  // The loop ends at a switch with a stopping point on each side: the two routes from 701
  // share their first fifteen cells, the crossing met twice among them.
  std::vector<std::string> rows = kCrossingLoop;
  rows[7] = "0 21 0  0  0  44 21";
  rows.push_back("0 0  0  0  0  21 0");
  const auto told = runSearch(stationFromRows(rows));
  EXPECT_EQ(told.routes, "");
  EXPECT_EQ(told.result.limitCount(MessageKind::RepeatedElements), 2);  // the twins are dropped

  SearchOptions o;
  o.allowRepeats = true;
  const std::string shared = "1,1,701,602,503,404,304,204,103,102,201,301,402,503,604,705,";
  EXPECT_EQ(runSearch(stationFromRows(rows), o).routes,
            shared + "706,0,\r\n" + shared + "805,0,\r\n");
}

TEST(Recording, ThePlatformRuleTellsWhichEndIsWrong) {
  const std::vector<std::string> rows{"0 0  0  0  0 0  0  0",  //
                                      "0 22 10 21 3 21 10 52", "0 0  0  0  0 0  0  0",
                                      "0 52 10 21 3 21 10 22"};
  const auto run = runSearch(stationFromRows(rows), {}, true);
  EXPECT_EQ(run.routes, "1,1,105,106,107,0,\r\n1,1,301,302,303,0,\r\n");
  auto told = run.host.texts();
  told.pop_back();  // the summary
  const std::string question = "Zaliczyć trasę dwukierunkową, zelektryfikowaną,\r\n od punktu ";
  EXPECT_EQ(told, (std::vector<std::string>{"Trasa nie prowadzi z żadnego wjazdu na ten peron.",
                                            "Trasa nie prowadzi z żadnego peronu na ten wyjazd.",
                                            question + "105 do punktu 107 do właściwych tras?",
                                            question + "301 do punktu 303 do właściwych tras?",
                                            "Trasa nie prowadzi z tego wjazdu na żaden peron.",
                                            "Trasa nie prowadzi z tego peronu na żaden wyjazd."}));
  EXPECT_EQ(runSearch(stationFromRows(rows)).routes, run.routes);
}

const std::vector<std::string> kSwitch{"0 0  0  0  0  0",  //
                                       "0 21 10 19 10 21", "0 0  0  0  21 0"};

TEST(Recording, TheQuestionShowsTheRouteAndCountsTheAnswers) {
  const auto run = runSearch(stationFromRows(kSwitch), {}, true, {Answer::No, Answer::Yes});
  EXPECT_EQ(run.routes, "1,1,101,102,103,204,0,\r\n");
  EXPECT_EQ(run.result.counters.improper, 1);
  // The first start port, as the window sees it.
  const std::vector<std::string> first(run.host.log.begin(), run.host.log.begin() + 18);
  EXPECT_EQ(first, (std::vector<std::string>{
                       "counters 0 0", "flags 00", "progress 0/3", "progress 1/3",
                       "marker 1,1 5 blue", "counters 1 0", "flags 11", "show 5", "ask Trasa",
                       "restore 5", "counters 2 0", "flags 11", "show 4", "ask Trasa",
                       "counters 2 1", "restore 4", "marker 1,1 5 red", "yield"}));
  EXPECT_EQ(run.host.asked.back().text,
            "Znaleziono:\r\n• 4 połączeń oraz\r\n• 1 właściwych tras i\r\n• 1 niewłaściwych tras.");
}

TEST(Recording, CancelInTheQuestionEndsTheSearchAtOnce) {
  const auto run = runSearch(stationFromRows(kSwitch), {}, true, {Answer::Yes, Answer::Cancel});
  EXPECT_EQ(run.routes, "1,1,101,102,103,104,105,0,\r\n");
  EXPECT_EQ(run.result.end, SearchEnd::Aborted);
  EXPECT_EQ(run.host.entries("progress").back(), "progress 1/3");
  EXPECT_EQ(run.host.entries("yield").size(), 0u);
  EXPECT_EQ(run.host.log[run.host.log.size() - 2], "marker 1,1 5 red");
  EXPECT_EQ(run.host.asked.back().title, "Szlakownik - OK");
}

TEST(RouteFile, ARefusedNameOrFileStopsTheSearchBeforeTheWalkAFailedWriteIsReported) {
  for (const char* name : {"", "a/b", ".", ".."}) {
    SearchOptions o;
    o.routeFileBase = name;
    const auto run = runSearch(stationFromRows(kSwitch), o);
    EXPECT_EQ(run.result.end, SearchEnd::Refused) << name;
    EXPECT_EQ(run.host.log, std::vector<std::string>{"ask Błąd"}) << name;
  }

  test::TempDir dir;
  test::writeFile(dir / "plik", "x");
  Station st = stationFromRows(kSwitch);
  PrzygotujStacje(st, {});
  st.StationDir = (dir / "plik").string() + "/";  // a folder that cannot exist
  test::ScriptedHost refused;
  EXPECT_EQ(Wyszukaj(st, {}, false, refused).end, SearchEnd::Refused);
  EXPECT_EQ(refused.log, std::vector<std::string>{"ask Błąd"});
  EXPECT_NE(refused.asked[0].text.find(st.StationDir + "trasy.txt"), std::string::npos);

#ifndef _WIN32
  // A device that is always full takes the file but not its lines.
  st.StationDir = dir.path().string() + "/";
  std::filesystem::create_symlink("/dev/full", dir / "trasy.txt");
  test::ScriptedHost full;
  EXPECT_EQ(Wyszukaj(st, {}, false, full).end, SearchEnd::WriteFailed);
  EXPECT_EQ(full.asked.back().text.rfind("Błąd zapisu pliku z trasami", 0), 0u);
#endif
}

}  // namespace
}  // namespace szl
