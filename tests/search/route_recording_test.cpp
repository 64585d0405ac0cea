// What happens to a route once a walk reaches an object: duplicates, lengths, filters,
// repeated elements, the platform rule, the question, and the route file itself.
#include <gtest/gtest.h>

#include <filesystem>

#include "search/search_fixture.h"

namespace szl {
namespace {

using test::pathStation;
using test::runSearch;
using test::stationFromRows;

const std::string kTooLongConfirm = "Ta trasa jest zbyt długa.";

std::vector<std::pair<int, int>> straight(int y, int x0, int x1) {
  std::vector<std::pair<int, int>> p;
  for (int x = x0; x <= x1; ++x) p.push_back({x, y});
  return p;
}

// Rows 1 and 3: stopping points at columns 1 and 58 (58 cells) and 1 and 59 (59 cells), each
// line going on through its end to one more stopping point.
Station lengthStation() {
  std::vector<std::string> rows(5, std::string(64 * 2, ' '));
  std::vector<std::vector<int>> codes(5, std::vector<int>(64, 0));
  for (auto [y, end] : {std::pair{1, 58}, std::pair{3, 59}}) {
    for (int x = 1; x <= end + 2; ++x) codes[y][x] = 10;
    codes[y][1] = codes[y][end] = codes[y][end + 2] = 21;
  }
  for (int y = 0; y < 5; ++y) {
    rows[y].clear();
    for (int c : codes[y]) rows[y] += std::to_string(c) + " ";
  }
  return stationFromRows(rows);
}

TEST(Recording, FiftyEightCellsAreWrittenFiftyNineRejectedAndTheWalkStopsThere) {
  const auto run = runSearch(lengthStation());
  EXPECT_EQ(run.routes, test::routeLine("1,1", straight(1, 1, 58)) + "1,1,158,159,160,0,\r\n" +
                            "1,1,359,360,361,0,\r\n");
  // Without the stop the walk from 101 would also reach 162, and the one from 301 reach 361.
  EXPECT_EQ(run.result.counters.connections, 11);
  EXPECT_EQ(run.host.asked.size(), 1u);  // the summary only

  const auto asked = runSearch(lengthStation(), {}, true);
  int tooLong = 0;
  for (const auto& t : asked.host.texts()) tooLong += t == kTooLongConfirm;
  EXPECT_EQ(tooLong, 2);
}

TEST(Recording, TwoHundredCellsAreNeverWrittenOneHundredNinetyNineWithLongRoutesAllowed) {
  SearchOptions longOnes;
  longOnes.allowLong = true;
  std::vector<std::pair<int, int>> path;
  for (int x = 1; x <= 60; ++x) path.push_back({x, 1});
  // Three lanes of the same serpentine as the walk tests use.
  auto lane = [&](int y, int from, int to) {
    for (int x = from; from < to ? x <= to : x >= to; x += from < to ? 1 : -1)
      path.push_back({x, y});
  };
  path.insert(path.end(), {{61, 2}, {61, 3}});
  lane(4, 60, 1);
  path.insert(path.end(), {{0, 5}, {0, 6}});
  lane(7, 1, 60);
  path.insert(path.end(), {{61, 8}, {61, 9}});
  lane(10, 60, 47);
  ASSERT_EQ(path.size(), 200u);

  for (bool confirm : {false, true}) {
    const auto run = runSearch(pathStation(path, 63, 12), longOnes, confirm);
    EXPECT_EQ(run.routes, "");
    EXPECT_EQ(run.result.counters.connections, 0);
    EXPECT_EQ(run.result.limitCount(MessageKind::RouteTooLong), 2);
    EXPECT_EQ(run.result.limitCount(MessageKind::SegmentOverflow), 4);
    EXPECT_EQ(run.host.texts()[1], "Zbyt długa trasa!\r\n\r\nNie zostanie ona zapisana.");
  }
}

TEST(Recording, TwoWayRoutesAreWrittenFromTheLowerPointOneWayFromTheirStart) {
  // Row 1 two-way, row 3 from an entry; the second of each pair is not electrified.
  SearchOptions o;
  o.platformRule = false;
  const std::vector<std::string> rows{"0 0  0  0  0  0  0   0",  //
                                      "0 21 10 21 0  21 100 21", "0 0  0  0  0  0  0   0",
                                      "0 51 10 21 0  51 100 21"};
  const auto all = runSearch(stationFromRows(rows), o);
  EXPECT_EQ(all.routes,
            "1,1,101,102,103,0,\r\n1,0,105,106,107,0,\r\n0,1,301,302,303,0,\r\n"
            "0,0,305,306,307,0,\r\n");
  EXPECT_EQ(all.result.counters.connections, 6);

  struct Case {
    Direction d;
    Electrification e;
    const char* routes;
    std::vector<std::string> told;
  };
  const std::vector<Case> cases{
      {Direction::OneWay,
       Electrification::All,
       "0,1,301,302,303,0,\r\n0,0,305,306,307,0,\r\n",
       {"Ta trasa jest dwukierunkowa.", "Ta trasa jest dwukierunkowa."}},
      {Direction::TwoWay,
       Electrification::All,
       "1,1,101,102,103,0,\r\n1,0,105,106,107,0,\r\n",
       {"Ta trasa jest jednokierunkowa.", "Ta trasa jest jednokierunkowa."}},
      {Direction::All,
       Electrification::Yes,
       "1,1,101,102,103,0,\r\n0,1,301,302,303,0,\r\n",
       {"Ta trasa nie jest zelektryfikowana.", "Ta trasa nie jest zelektryfikowana."}},
      {Direction::All,
       Electrification::No,
       "1,0,105,106,107,0,\r\n0,0,305,306,307,0,\r\n",
       {"Ta trasa jest zelektryfikowana.", "Ta trasa jest zelektryfikowana."}},
  };
  for (const Case& c : cases) {
    o.direction = c.d;
    o.electrification = c.e;
    EXPECT_EQ(runSearch(stationFromRows(rows), o).routes, c.routes);
    const auto asked = runSearch(stationFromRows(rows), o, true);
    EXPECT_EQ(asked.routes, c.routes);
    std::vector<std::string> told;
    for (const Message& m : asked.host.asked)
      if (m.buttons == Buttons::Ok && m.icon == Icon::Critical) told.push_back(m.text);
    EXPECT_EQ(told, c.told);
  }
}

// A platform whose ends are joined by a loop: its routes end at the other end of the object
// they started from. Found from both ends; both kept.
const std::vector<std::string> kPlatformLoop{"0 0  0  0  0  0  0",  //
                                             "0 0  11 10 10 16 0", "0 33 0  0  0  0  32",
                                             "0 34 0  0  0  0  35", "0 0  15 21 5  21 0"};

TEST(Recording, ARouteBackToItsOwnPlatformRepeatsAnElement) {
  SearchOptions o;
  o.platformRule = false;
  const auto rejected = runSearch(stationFromRows(kPlatformLoop), o);
  EXPECT_EQ(rejected.routes, "");
  EXPECT_EQ(rejected.host.texts(),
            (std::vector<std::string>{"Powtarzające się elementy w trasie. (403)",
                                      "Powtarzające się elementy w trasie. (405)",
                                      rejected.host.texts().back()}));
  o.allowRepeats = true;
  const auto kept = runSearch(stationFromRows(kPlatformLoop), o);
  EXPECT_EQ(kept.routes,
            "1,1,403,402,301,201,102,103,104,105,206,306,405,0,\r\n"
            "1,1,405,306,206,105,104,103,102,201,301,402,403,0,\r\n");
  EXPECT_EQ(kept.host.asked.size(), 1u);
}

// A loop that crosses itself on a diamond crossing between two stopping points.
const std::vector<std::string> kCrossingLoop{
    "0 0  0  0  0  0  0",  //
    "0 0  11 16 0  0  0", "0 33 0  0  32 0  0", "0 34 0  0  49 0  0", "0 0  13 0  35 0  0",
    "0 0  0  23 0  0  0", "0 0  14 0  13 0  0", "0 21 0  0  0  15 21"};
const std::string kCrossingRoute =
    "1,1,701,602,503,404,304,204,103,102,201,301,402,503,604,705,706,0,\r\n";

TEST(Recording, ACrossingPassedTwiceIsAskedAboutInConfirmMode) {
  const auto plain = runSearch(stationFromRows(kCrossingLoop));
  EXPECT_EQ(plain.routes, "");
  EXPECT_EQ(plain.host.texts()[0], "Powtarzające się elementy w trasie. (503)");
  EXPECT_EQ(plain.result.limitCount(MessageKind::RepeatedElements), 1);

  const auto ok = runSearch(stationFromRows(kCrossingLoop), {}, true, {Answer::Ok, Answer::Yes});
  EXPECT_EQ(ok.routes, kCrossingRoute);
  EXPECT_EQ(ok.host.asked[0].title, "Ostrzeżenie");
  EXPECT_EQ(ok.host.asked[0].buttons, Buttons::OkCancel);
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

TEST(Recording, AnOrdinaryElementPassedTwiceIsAskedAboutAsAnError) {
  SearchOptions o;
  o.platformRule = false;
  const auto ok = runSearch(stationFromRows(kPlatformLoop), o, true);
  EXPECT_EQ(ok.routes,
            "1,1,403,402,301,201,102,103,104,105,206,306,405,0,\r\n"
            "1,1,405,306,206,105,104,103,102,201,301,402,403,0,\r\n");
  EXPECT_EQ(ok.host.asked[0].title, "Błąd");
  EXPECT_EQ(ok.host.asked[0].buttons, Buttons::OkCancel);
  const auto cancel =
      runSearch(stationFromRows(kPlatformLoop), o, true, {Answer::Cancel, Answer::Cancel});
  EXPECT_EQ(cancel.routes, "");
}

// Entry-exits, platforms and sidings, so that every rule of the platform rule speaks once.
const std::vector<std::string> kPlatformRule{"0 0  0  0  0 0  0  0",  //
                                             "0 22 10 21 3 21 10 52", "0 0  0  0  0 0  0  0",
                                             "0 52 10 21 3 21 10 22"};

TEST(Recording, ThePlatformRuleTellsWhichEndIsWrong) {
  const auto run = runSearch(stationFromRows(kPlatformRule), {}, true);
  EXPECT_EQ(run.routes, "1,1,105,106,107,0,\r\n1,1,301,302,303,0,\r\n");
  std::vector<std::string> told = run.host.texts();
  told.pop_back();  // the summary
  EXPECT_EQ(told, (std::vector<std::string>{
                      "Trasa nie prowadzi z żadnego wjazdu na ten peron.",
                      "Trasa nie prowadzi z żadnego peronu na ten wyjazd.",
                      "Zaliczyć trasę dwukierunkową, zelektryfikowaną,\r\n od punktu 105 do "
                      "punktu 107 do właściwych tras?",
                      "Zaliczyć trasę dwukierunkową, zelektryfikowaną,\r\n od punktu 301 do "
                      "punktu 303 do właściwych tras?",
                      "Trasa nie prowadzi z tego wjazdu na żaden peron.",
                      "Trasa nie prowadzi z tego peronu na żaden wyjazd."}));
  EXPECT_EQ(runSearch(stationFromRows(kPlatformRule)).routes, run.routes);
}

const std::vector<std::string> kSwitch{"0 0  0  0  0  0",  //
                                       "0 21 10 19 10 21", "0 0  0  0  21 0"};

TEST(Recording, TheQuestionShowsTheRouteAndCountsTheAnswers) {
  const auto run = runSearch(stationFromRows(kSwitch), {}, true, {Answer::No, Answer::Yes});
  EXPECT_EQ(run.routes, "1,1,101,102,103,204,0,\r\n");
  EXPECT_EQ(run.result.counters.improper, 1);
  EXPECT_EQ(run.result.counters.proper, 1);
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

TEST(RouteFile, ANameThatCannotNameAFileInTheStationFolderIsRefusedBeforeTheWalk) {
  for (const char* name : {"", "a/b", ".", ".."}) {
    SearchOptions o;
    o.routeFileBase = name;
    const auto run = runSearch(stationFromRows(kSwitch), o);
    EXPECT_EQ(run.result.end, SearchEnd::Refused) << name;
    EXPECT_EQ(run.host.log, std::vector<std::string>{"ask Błąd"}) << name;
  }
}

TEST(RouteFile, AFileThatCannotBeCreatedOrWrittenIsReported) {
  test::TempDir dir;
  test::writeFile(dir / "plik", "x");
  Station st = stationFromRows(kSwitch);
  PrzygotujStacje(st, {});
  st.StationDir = (dir / "plik").string() + "/";
  test::ScriptedHost refused;
  const SearchResult r = Wyszukaj(st, {}, false, refused);
  EXPECT_EQ(r.end, SearchEnd::Refused);
  ASSERT_EQ(refused.asked.size(), 1u);
  EXPECT_NE(refused.asked[0].text.find(st.StationDir + "trasy.txt"), std::string::npos);
  EXPECT_TRUE(refused.entries("marker").empty());

  // A device that is always full takes the file but not its lines.
  st.StationDir = dir.path().string() + "/";
  std::filesystem::create_symlink("/dev/full", dir / "trasy.txt");
  test::ScriptedHost full;
  EXPECT_EQ(Wyszukaj(st, {}, false, full).end, SearchEnd::WriteFailed);
  EXPECT_NE(full.asked.back().text.find("Błąd zapisu pliku z trasami"), std::string::npos);
}

}  // namespace
}  // namespace szl
