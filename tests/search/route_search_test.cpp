// The walk: the order in which start ports and exits are taken, which objects accept a walk,
// and how the walk ends at the limits of its tables.
#include <gtest/gtest.h>

#include "search/search_fixture.h"

namespace szl {
namespace {

using test::pathStation;
using test::runSearch;
using test::stationFromRows;

SearchOptions withoutPlatformRule() {
  SearchOptions o;
  o.platformRule = false;
  return o;
}

TEST(Walk, TheLowerExitIsWalkedFirstAndBothRoutesCarryTheWholePath) {
  // A switch entered at its points: the east exit (5) is walked before the south-east one (8).
  const auto run = runSearch(stationFromRows({"0 0  0  0  0  0",  //
                                              "0 21 10 19 10 21", "0 0  0  0  21 0"}));
  EXPECT_EQ(run.routes, "1,1,101,102,103,104,105,0,\r\n1,1,101,102,103,204,0,\r\n");
  EXPECT_EQ(run.result.counters.connections, 4);
  EXPECT_EQ(run.result.end, SearchEnd::Completed);
}

TEST(Walk, StartPortsRowByRowAndPortsFromEightDownToOne) {
  const auto run =
      runSearch(stationFromRows({"0 0  0  21",  //
                                 "0 0  14 0", "0 22 10 21", "0 0  13 0", "0 0  0  21"}));
  EXPECT_EQ(run.routes, "1,1,3,102,201,0,\r\n1,1,201,302,403,0,\r\n1,1,201,202,203,0,\r\n");
  EXPECT_EQ(run.host.entries("marker"),
            (std::vector<std::string>{
                "marker 3,0 6 blue", "marker 3,0 6 red", "marker 1,2 8 blue", "marker 1,2 8 red",
                "marker 1,2 5 blue", "marker 1,2 5 red", "marker 1,2 3 blue", "marker 1,2 3 red",
                "marker 3,2 4 blue", "marker 3,2 4 red", "marker 3,4 1 blue", "marker 3,4 1 red"}));
  EXPECT_EQ(run.host.entries("progress").back(), "progress 6/6");
  EXPECT_EQ(run.host.entries("yield").size(), 6u);
}

TEST(Walk, EntriesAndExitsAcceptAWalkOnlyInTheirOwnDirection) {
  // 50 takes walks running west, 51 walks running east; both can be passed through.
  EXPECT_EQ(
      runSearch(stationFromRows({"0 0 0 0 0 0", "0 21 10 50 10 21"}), withoutPlatformRule()).routes,
      "0,1,103,102,101,0,\r\n0,1,105,104,103,0,\r\n0,1,105,104,103,102,101,0,\r\n");
  EXPECT_EQ(
      runSearch(stationFromRows({"0 0 0 0 0 0", "0 21 10 51 10 21"}), withoutPlatformRule()).routes,
      "0,1,101,102,103,0,\r\n0,1,101,102,103,104,105,0,\r\n0,1,103,104,105,0,\r\n");
  // 52 takes a walk from the north-east but not one running straight south.
  const auto run = runSearch(stationFromRows({"0 21 0  21",  //
                                              "0 49 14 0", "0 52 0  0"}),
                             withoutPlatformRule());
  EXPECT_EQ(run.routes, "1,1,3,102,201,0,\r\n");
  EXPECT_EQ(run.result.counters.connections, 2);
}

TEST(Walk, PassableObjectsAreCrossedOnlyWhenTheOptionsAllowIt) {
  const std::vector<std::string> rows{"0 0 0 0 0 0", "0 21 10 21 10 21"};
  EXPECT_EQ(runSearch(stationFromRows(rows)).routes,
            "1,1,101,102,103,0,\r\n1,1,101,102,103,104,105,0,\r\n1,1,103,104,105,0,\r\n");
  SearchOptions closed;
  closed.passages.throughObjects = false;
  EXPECT_EQ(runSearch(stationFromRows(rows), closed).routes,
            "1,1,101,102,103,0,\r\n1,1,103,104,105,0,\r\n");
}

TEST(Walk, CellZeroNeitherStartsNorTakesPartInARoute) {
  const auto run = runSearch(stationFromRows({"21 10 21", "0 0 0"}));
  EXPECT_EQ(run.routes, "");
  EXPECT_EQ(run.result.counters.connections, 0);
  EXPECT_EQ(run.host.entries("marker").size(), 2u);  // only from (2, 0)
}

// A chain of switches climbing north-east; each leaves its east exit pending, so the 49th
// fills the stack. Stopping points east of switches 1, 49 and 50 show which branches were
// walked. The entry 51 makes the routes one-way, so that none is dropped as a duplicate.
Station switchChain(int switches) {
  const int n = switches + 4;
  std::vector<std::string> rows(n, std::string());
  std::vector<std::vector<int>> codes(n, std::vector<int>(n, 0));
  const int bottom = n - 1;
  codes[bottom][0] = 51;
  for (int i = 1; i <= switches; ++i) codes[bottom - i][i] = 29;
  codes[bottom - switches - 1][switches + 1] = 21;
  for (int i : {1, 49, 50}) codes[bottom - i][i + 1] = 21;
  for (int y = 0; y < n; ++y)
    for (int x = 0; x < n; ++x) rows[y] += std::to_string(codes[y][x]) + " ";
  return stationFromRows(rows);
}

TEST(Walk, AFullStackDropsTheBranchAndTheSearchGoesOnWithThePendingOnes) {
  SearchOptions o = withoutPlatformRule();
  const auto run = runSearch(switchChain(60), o);
  std::string far = "0,1,6300,";
  for (int i = 1; i <= 49; ++i) far += std::to_string((63 - i) * 100 + i) + ",";
  far += "1450,0,\r\n";
  EXPECT_EQ(run.routes, far + "0,1,6300,6201,6202,0,\r\n");
  EXPECT_EQ(run.result.limitCount(MessageKind::StackOverflow), 1);
  EXPECT_EQ(run.host.maxDepth, 49);
  ASSERT_GE(run.host.asked.size(), 1u);
  EXPECT_EQ(run.host.asked[0].kind, MessageKind::StackOverflow);
  EXPECT_NE(run.host.asked[0].text.find("przez punkt 6300 będą"), std::string::npos);
}

TEST(Walk, ALoopOfTrackEndsAtTheLimitsAndEachLimitIsShownOncePerStartPort) {
  // A ring entered through a switch it never leaves again.
  const auto run = runSearch(stationFromRows({"0 0  0  0  0  0",  //
                                              "0 0  11 19 10 21", "0 33 0  0  32 0",
                                              "0 34 0  0  35 0", "0 0  15 17 0  0"}));
  EXPECT_EQ(run.routes, "");
  EXPECT_EQ(run.result.end, SearchEnd::Completed);
  EXPECT_EQ(run.result.limitCount(MessageKind::SegmentOverflow), 49);
  EXPECT_EQ(run.result.limitCount(MessageKind::StackOverflow), 1);
  std::vector<std::string> titles;
  for (const Message& m : run.host.asked) titles.push_back(m.title);
  EXPECT_EQ(titles, (std::vector<std::string>{"Błąd", "Błąd krytyczny", "Szlakownik - OK"}));
}

// A serpentine of `cells` cells, lanes three rows apart, turning between columns 1 and 60.
std::vector<std::pair<int, int>> serpentine(int cells) {
  std::vector<std::pair<int, int>> p{{1, 1}};
  int dir = 1;
  while (int(p.size()) < cells) {
    auto [x, y] = p.back();
    if ((dir > 0 && x == 60) || (dir < 0 && x == 1)) {
      p.insert(p.end(), {{x + dir, y + 1}, {x + dir, y + 2}, {x, y + 3}});
      dir = -dir;
    } else {
      p.push_back({x + dir, y});
    }
  }
  p.resize(cells);
  return p;
}

TEST(Walk, ALongLevelGoesOnOnTheNextOneAndIsWalkedOnce) {
  SearchOptions longOnes;
  longOnes.allowLong = true;
  const auto path = serpentine(199);
  const auto run = runSearch(pathStation(path, 63, 12), longOnes);
  EXPECT_EQ(run.routes, test::routeLine("1,1", path));
  EXPECT_EQ(run.result.counters.connections, 2);
  EXPECT_EQ(run.result.limitCount(MessageKind::SegmentOverflow), 2);
}

}  // namespace
}  // namespace szl
