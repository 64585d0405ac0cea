#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "support/test_support.h"

namespace szl {
namespace {

using test::dataPath;
using test::readFile;
using test::runCli;

const std::vector<std::vector<std::string>> kOptionSets{
    {},
    {"--allow-repeats", "on", "--allow-long", "on"},
    {"--direction", "two-way", "--electrified", "yes"},
    {"--through-platforms", "off", "--through-exits", "off", "--platform-rule", "off"},
};

class SearchOnReference : public ::testing::TestWithParam<std::tuple<std::string, int>> {};

TEST_P(SearchOnReference, WritesTheReferenceRouteFileAndCounts) {
  const auto& [name, set] = GetParam();
  test::TempDir dir;
  std::filesystem::copy_file(dataPath("reference/" + name + ".stc"), dir / (name + ".stc"));
  std::vector<std::string> args{"search", (dir / (name + ".stc")).string()};
  args.insert(args.end(), kOptionSets[set - 1].begin(), kOptionSets[set - 1].end());
  const auto run = runCli(args);
  const std::string ref = "reference/" + name + ".opt" + std::to_string(set);
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, readFile(dataPath(ref + ".out")));
  EXPECT_TRUE(readFile(dir / "trasy.txt") == readFile(dataPath(ref + ".routes")));
  EXPECT_NE(run.err.find("[Szlakownik - OK] Znaleziono:"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(Stations, SearchOnReference,
                         ::testing::Combine(::testing::Values("yard_14x7", "junction_20x10",
                                                              "loop_28x13", "town_36x17",
                                                              "hub_44x22", "terminal_57x32"),
                                            ::testing::Values(1, 2, 3, 4)));

TEST(SearchCommand, CountsEveryLimitMessageButPrintsEachOncePerStartPort) {
  // A ring of track behind a switch that the walk never leaves again.
  test::TempDir dir;
  test::writeFile(dir / "ring.stc", test::stationFileText({"0 0  0  0  0  0",  //
                                                           "0 0  11 19 10 21", "0 33 0  0  32 0",
                                                           "0 34 0  0  35 0", "0 0  15 17 0  0"}));
  const auto run = runCli({"search", (dir / "ring.stc").string(), "--route-file", "ring"});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out,
            "connections=0 proper=0 improper=0\n"
            "messages: stack=1 segment=49 too_long_199=0 repeated=0 given_up=0\n");
  EXPECT_TRUE(std::filesystem::exists(dir / "ring.txt"));
  auto count = [&](const std::string& what) {
    int n = 0;
    for (size_t at = run.err.find(what); at != std::string::npos; at = run.err.find(what, at + 1))
      ++n;
    return n;
  };
  EXPECT_EQ(count("Przepełnienie tablicy odcinków tras!"), 1);
  EXPECT_EQ(count("Przepełnienie wewnętrznego stosu!"), 1);
}

TEST(SearchCommand, RefusesWrongUsageAStationItCannotReadAndARouteFileItCannotMake) {
  test::TempDir dir;
  const std::string st = (dir / "s.stc").string();
  test::writeFile(st, test::stationFileText({"0 0 0 0", "0 21 10 21"}));
  // Each wrong command line names what is wrong; an option's missing value is never taken
  // from the next option.
  for (const auto& [bad, named] : std::vector<std::pair<std::vector<std::string>, std::string>>{
           {{"search"}, "STACJA"},
           {{"search", st, "--colour", "red"}, "--colour"},
           {{"search", st, "--direction", "both"}, "--direction"},
           {{"search", st, "--allow-long"}, "--allow-long"},
           {{"search", st, "--route-file", "--allow-long", "on"}, "--route-file"},
           {{"search", st, "--route-file", "../trasy"}, "../trasy"},
           {{"search", st, st}, st},
           {{"nonsense"}, "nonsense"}}) {
    const auto run = runCli(bad);
    EXPECT_EQ(run.status, 2) << bad.back();
    EXPECT_NE(run.err.find(named), std::string::npos) << run.err;
    EXPECT_TRUE(run.out.empty());
  }
  EXPECT_FALSE(std::filesystem::exists(dir / "trasy.txt"));

  // Help and version on standard output.
  auto run = runCli({"search", "--help"});
  EXPECT_EQ(run.status, 0);
  EXPECT_NE(run.out.find("--through-platforms on|off"), std::string::npos) << run.out;
  run = runCli({"--version"});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, "szlakownik-cli 2.0\n");

  run = runCli({"search", (dir / "none.stc").string()});
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.err.find("nie istnieje"), std::string::npos);

  std::filesystem::create_directory(dir / "trasy.txt");
  run = runCli({"search", st});
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.err.find("Nie można utworzyć pliku z trasami " + (dir / "trasy.txt").string()),
            std::string::npos);

  run = runCli({"search", st, "--route-file", "inne", "--through-objects", "off"});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(readFile(dir / "inne.txt"), "1,1,101,102,103,0,\r\n");

  // A station wider than point numbers can tell apart opens, but is not analysed.
  std::string wide = "0 21 10 21";
  for (int x = 4; x < 101; ++x) wide += " 0";
  test::writeFile(dir / "szeroka.stc", test::stationFileText({wide, wide}));
  for (const char* command : {"search", "groups", "save"}) {
    std::vector<std::string> args{command, (dir / "szeroka.stc").string()};
    if (command == std::string("save")) args.insert(args.end(), {"--output", st + ".out"});
    run = runCli(args);
    EXPECT_EQ(run.status, 1) << command;
    EXPECT_NE(run.err.find("Stacja ma 101 kolumn i 2 wiersze."), std::string::npos) << run.err;
  }
}

}  // namespace
}  // namespace szl

namespace szl {
namespace {

// A loop of track with a switch: the batch tool gives the walk up and finishes.
TEST(SearchCommand, AnEndlessWalkIsGivenUpAndTheToolFinishes) {
  test::TempDir dir;
  std::filesystem::copy_file(test::dataPath("ring_20x10.stc"), dir / "ring.stc");
  const auto run = test::runCli({"search", (dir / "ring.stc").string()});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out,
            "connections=2 proper=1 improper=0\n"
            "messages: stack=506520 segment=168175 too_long_199=0 repeated=0 given_up=1\n");
  EXPECT_NE(run.err.find("Przeszukiwanie tras z punktu 812 zostało przerwane."), std::string::npos);
  // Not every such walk is a loop: the message names both causes.
  EXPECT_NE(run.err.find("pętlę"), std::string::npos);
  EXPECT_NE(run.err.find("krzyżownic"), std::string::npos);
}

}  // namespace
}  // namespace szl

namespace szl {
namespace {

size_t lines(const std::string& text) {
  return static_cast<size_t>(std::count(text.begin(), text.end(), '\n'));
}

// A few hundred bytes of station whose routes would fill the disk: the route file stops at its
// limit.
TEST(SearchCommand, ARouteFileThatWouldGrowWithoutEndStopsAtItsLimitWithWholeLines) {
  test::TempDir dir;
  test::writeFile(dir / "ladder.stc", test::ladderStationText());
  const std::string station = (dir / "ladder.stc").string();
  auto run = runCli({"search", station, "--platform-rule", "off"});
  EXPECT_EQ(run.status, 1);
  const std::string routes = readFile(dir / "trasy.txt");
  EXPECT_LE(routes.size(), 64u << 20);
  EXPECT_GT(routes.size(), 63u << 20);
  EXPECT_TRUE(routes.ends_with(",0,\r\n"));
  const std::string proper = "proper=" + std::to_string(lines(routes)) + " ";
  EXPECT_NE(run.out.find(proper), std::string::npos) << run.out;
  EXPECT_NE(run.err.find("Wyszukiwanie zostało zatrzymane: plik z trasami"), std::string::npos);
  EXPECT_EQ(run.err.find("Szlakownik - OK"), std::string::npos);

  // The selector takes the largest file a search writes.
  run = runCli({"groups", station});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_NE(run.out.find(" routes=" + std::to_string(lines(routes)) + "\n"), std::string::npos);

#ifndef __SANITIZE_ADDRESS__  // the sanitizer's shadow memory needs more than any such limit
  // Without the memory for it the tool says so and ends, instead of aborting.
  run = runCli({"groups", station}, "ulimit -v 80000");
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, "[Błąd krytyczny] Zabrakło pamięci; szlakownik-cli kończy pracę.\n");
#endif
}

// The file may not grow beyond what the system allows, as on a full disk: the route file keeps
// only whole lines and the counters say how many.
TEST(SearchCommand, AWriteCutShortLeavesWholeLinesAndCountsOnlyThem) {
  test::TempDir dir;
  std::filesystem::copy_file(dataPath("reference/terminal_57x32.stc"), dir / "t.stc");
  const auto run = runCli({"search", (dir / "t.stc").string()}, "ulimit -f 100; trap '' XFSZ");
  EXPECT_EQ(run.status, 1);
  const std::string routes = readFile(dir / "trasy.txt");
  ASSERT_FALSE(routes.empty());
  EXPECT_TRUE(routes.ends_with(",0,\r\n"));
  EXPECT_TRUE(readFile(dataPath("reference/terminal_57x32.opt1.routes")).starts_with(routes));
  EXPECT_NE(run.out.find(" proper=" + std::to_string(lines(routes)) + " "), std::string::npos)
      << run.out;
  EXPECT_NE(run.err.find("plik przekroczył największy rozmiar dozwolony w systemie"),
            std::string::npos)
      << run.err;
}

}  // namespace
}  // namespace szl
