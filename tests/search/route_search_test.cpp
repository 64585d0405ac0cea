// The walk: the order of start ports and exits, which objects take a walk, and the stack limit.
#include <gtest/gtest.h>

#include "search/search_fixture.h"

namespace szl {
namespace {

using test::runSearch;
using test::stationFromRows;

SearchOptions withoutPlatformRule() {
  SearchOptions o;
  o.platformRule = false;
  return o;
}

TEST(Walk, TheLowerExitIsWalkedFirstAndBothRoutesCarryTheWholePath) {
  // A switch entered at its points: east (5) is walked before south-east (8).
  const auto run = runSearch(stationFromRows({"0 0  0  0  0  0",  //
                                              "0 21 10 19 10 21", "0 0  0  0  21 0"}));
  EXPECT_EQ(run.routes, "1,1,101,102,103,104,105,0,\r\n1,1,101,102,103,204,0,\r\n");
  EXPECT_EQ(run.result.counters.connections, 4);  // and twice the other way, dropped
}

TEST(Walk, StartPortsRowByRowAndPortsFromEightDownToOne) {
  const auto run =
      runSearch(stationFromRows({"0 0  0  21",  //
                                 "0 0  14 0", "0 22 10 21", "0 0  13 0", "0 0  0  21"}));
  EXPECT_EQ(run.routes, "1,1,3,102,201,0,\r\n1,1,201,302,403,0,\r\n1,1,201,202,203,0,\r\n");
  EXPECT_EQ(
      run.host.entries("marker 1,2"),
      (std::vector<std::string>{"marker 1,2 8 blue", "marker 1,2 8 red", "marker 1,2 5 blue",
                                "marker 1,2 5 red", "marker 1,2 3 blue", "marker 1,2 3 red"}));
  EXPECT_EQ(run.host.entries("marker").front(), "marker 3,0 6 blue");
  EXPECT_EQ(run.host.entries("progress").back(), "progress 6/6");
  EXPECT_EQ(run.host.entries("yield").size(), 6u);
}

TEST(Walk, EntriesAndExitsTakeAWalkOnlyInTheirOwnDirection) {
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

TEST(Walk, ObjectsArePassedThroughOnlyWhenTheOptionsAllowIt) {
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

// Sixty switches climbing north-east from an entry 51 at (0, 63); each leaves its east exit
// pending, so the 49th fills the stack. Stopping points east of switches 1, 49 and 50 show
// which branches were walked (the entry makes the routes one-way: none is dropped as a twin).
Station switchChain() {
  std::vector<std::vector<int>> codes(64, std::vector<int>(64, 0));
  codes[63][0] = 51;
  for (int i = 1; i <= 60; ++i) codes[63 - i][i] = 29;
  codes[2][61] = 21;
  for (int i : {1, 49, 50}) codes[63 - i][i + 1] = 21;
  std::vector<std::string> rows(64);
  for (int y = 0; y < 64; ++y)
    for (int c : codes[y]) rows[y] += std::to_string(c) + " ";
  return stationFromRows(rows);
}

TEST(Walk, AFullStackDropsTheBranchAndTheSearchGoesOnWithThePendingOnes) {
  const auto run = runSearch(switchChain(), withoutPlatformRule());
  std::string far = "0,1,6300,";
  for (int i = 1; i <= 49; ++i) far += std::to_string((63 - i) * 100 + i) + ",";
  EXPECT_EQ(run.routes, far + "1450,0,\r\n0,1,6300,6201,6202,0,\r\n");
  EXPECT_EQ(run.result.limitCount(MessageKind::StackOverflow), 1);
  EXPECT_EQ(run.host.maxDepth, 49);
  EXPECT_EQ(run.host.asked[0].kind, MessageKind::StackOverflow);
  EXPECT_NE(run.host.asked[0].text.find("przez punkt 6300 będą"), std::string::npos);
}

}  // namespace
}  // namespace szl
