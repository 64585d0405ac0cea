// The walk: the order of start ports and exits, which objects take a walk, and the stack limit.
#include <gtest/gtest.h>

#include <filesystem>

#include "search/search_fixture.h"

namespace szl {
namespace {

using test::runSearch;
using test::stationFromRows;
using test::withoutPlatformRule;

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

// A line with a stopping point at each end on row 1, and below it a ring of track with a
// passing loop, entered by a stub from a stopping point. The walk from that stop goes round the
// ring, parting in two at the passing loop on every lap: only the stack limit ends a branch, and
// there are far more branches than any search could walk.
Station ringStation() {
  using test::straight;
  test::Path ring = straight({4, 4}, 1, 0, 12);  // the top, west to east
  for (const auto& [dx, dy, steps] : std::vector<std::array<int, 3>>{
           {1, 1, 1}, {0, 1, 1}, {-1, 1, 1}, {-1, 0, 12}, {-1, -1, 1}, {0, -1, 1}, {1, -1, 1}}) {
    const test::Path side = straight(ring.back(), dx, dy, steps);
    ring.insert(ring.end(), side.begin() + 1, side.end());
  }
  test::Path loop = straight({6, 4}, 1, -1, 1);
  for (const auto& cell : straight({8, 3}, 1, 0, 4)) loop.push_back(cell);
  loop.push_back({13, 4});
  const test::Path stub{{10, 7}, {11, 8}, {12, 8}};
  return test::trackStation({straight({1, 1}, 1, 0, 3), ring, loop, stub},
                            {{1, 1}, {4, 1}, {12, 8}}, 20, 10);
}

// Whether this process still holds `file` open.
bool heldOpen(const std::filesystem::path& file) {
  namespace fs = std::filesystem;
#ifdef _WIN32
  // Windows renames no file that is open.
  std::error_code ec;
  const fs::path moved = fs::path(file) += ".moved";
  fs::rename(file, moved, ec);
  if (ec) return true;
  fs::rename(moved, file);
  return false;
#else
  const fs::path target = fs::canonical(file);
  for (const auto& fd : fs::directory_iterator("/proc/self/fd")) {
    std::error_code ec;
    if (fs::read_symlink(fd.path(), ec) == target) return true;
  }
  return false;
#endif
}

TEST(Walk, AHostThatThrowsWhileTheWalkGoesOnEndsTheSearchWithTheRouteFileClosed) {
  test::TempDir dir;
  Station st = ringStation();
  st.StationDir = dir.path().string() + "/";
  PrzygotujStacje(st, {});
  test::ScriptedHost host;
  host.interruptAt = 3;
  EXPECT_THROW(Wyszukaj(st, {}, false, host), test::ScriptedHost::Interrupted);

  // Told while walking from the ring's stop, and again after going on.
  EXPECT_EQ(host.stillWorkingCalls, 3);
  EXPECT_EQ(host.entries("progress").back(), "progress 3/3");
  EXPECT_EQ(host.entries("yield").size(), 2u);
  EXPECT_EQ(host.entries("marker").back(), "marker 12,8 4 blue");
  // The limits did not end that walk; their messages were shown once each, and no summary.
  ASSERT_EQ(host.asked.size(), 2u);
  EXPECT_EQ(host.asked[0].kind, MessageKind::StackOverflow);
  EXPECT_EQ(host.asked[1].kind, MessageKind::SegmentOverflow);

  // The route found before is in the file as a whole line; the file is closed and can go.
  const std::filesystem::path routes = dir / "trasy.txt";
  EXPECT_EQ(test::readFile(routes), "1,1,101,102,103,104,0,\r\n");
  if (std::filesystem::exists("/proc/self/fd")) {
    EXPECT_FALSE(heldOpen(routes));
  }
  EXPECT_TRUE(std::filesystem::remove(routes));
  test::writeFile(routes, "x");
  EXPECT_EQ(test::readFile(routes), "x");
}

}  // namespace
}  // namespace szl

namespace szl {
namespace {

// The ring's walk is given up past the cell limit; the search goes on and ends with its summary.
TEST(Walk, AWalkThatGoesOnForAgesIsGivenUpAndTheSearchGoesOn) {
  test::TempDir dir;
  Station st = ringStation();
  st.StationDir = dir.path().string() + "/";
  PrzygotujStacje(st, {});
  test::ScriptedHost host;
  const SearchResult r = Wyszukaj(st, {}, false, host);
  EXPECT_EQ(r.end, SearchEnd::Completed);
  EXPECT_EQ(r.limitCount(MessageKind::WalkAbandoned), 1);
  ASSERT_FALSE(host.asked.empty());
  EXPECT_EQ(host.asked.back().title, "Szlakownik - OK");
  EXPECT_EQ(host.asked[host.asked.size() - 2].kind, MessageKind::WalkAbandoned);
  EXPECT_EQ(test::readFile(dir / "trasy.txt"), "1,1,101,102,103,104,0,\r\n");
}

}  // namespace
}  // namespace szl
