// What the batch tool says and returns when the command line, the station or the route file is
// not what it should be, and when a search runs into its limits.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "support/test_support.h"

namespace szl {
namespace {

namespace fs = std::filesystem;
using test::runCli;
using test::writeFile;

TEST(Commands, WrongUsageAndRefusedFilesAreNamedWithTheirStatus) {
  test::TempDir dir;
  const std::string st = (dir / "s.stc").string();
  writeFile(st, test::stationFileText({"0 0 0 0", "0 21 10 21"}));
  // The status, nothing on standard output, and a word why on standard error.
  const auto refused = [&](int status, const std::vector<std::string>& args,
                           const std::string& why) {
    const auto run = runCli(args);
    EXPECT_EQ(run.status, status) << args[0];
    EXPECT_TRUE(run.out.empty()) << run.out;
    EXPECT_NE(run.err.find(why), std::string::npos) << run.err;
  };
  // An option's missing value is never taken from the next option.
  refused(2, {"search"}, "STACJA");
  refused(2, {"info", st, st}, st);
  refused(2, {"groups", st, "--verbose"}, "--verbose");
  refused(2, {"search", st, "--direction", "both"}, "--direction");
  refused(2, {"search", st, "--allow-long"}, "--allow-long");
  refused(2, {"search", st, "--route-file", "--allow-long", "on"}, "--route-file");
  refused(2, {"groups", st, "--route-file", "../trasy"}, "../trasy");
  refused(2, {"nonsense"}, "nonsense");
  EXPECT_FALSE(fs::exists(dir / "trasy.txt"));

  auto run = runCli({"search", "--help"});
  EXPECT_TRUE(run.status == 0 && run.out.find("--through-platforms on|off") != std::string::npos);
  run = runCli({"--version"});
  EXPECT_TRUE(run.status == 0 && run.out == "szlakownik-cli 2.0\n") << run.out;

  for (const char* command : {"info", "search", "groups"})
    refused(1, {command, (dir / "brak.stc").string()}, "nie istnieje");

  // A missing route file is refused naming it; an empty one gets the window's message.
  const std::string routes = (dir / "trasy.txt").string();
  refused(1, {"groups", st}, "pliku z trasami " + routes + ":\ntaki plik nie istnieje.");
  writeFile(routes, "");
  run = runCli({"groups", st});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, "groups=0 routes=0\nneeds_manual=0\n");
  EXPECT_EQ(run.err, "[Selekcja tras] W pliku z trasami nie ma ani jednej trasy.\n");
  writeFile(routes, "1,1,101,9999,0,\r\n");  // refused by the selector
  refused(1, {"groups", st}, "w wierszu 1 pliku punkt 9999");
  fs::remove(routes);
  fs::create_directory(routes);
  refused(1, {"search", st}, "Nie można utworzyć pliku z trasami " + routes);
  run = runCli({"search", st, "--route-file", "inne", "--through-objects", "off"});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(test::readFile(dir / "inne.txt"), "1,1,101,102,103,0,\r\n");
  EXPECT_TRUE(
      runCli({"groups", st, "--route-file", "inne"}).out.starts_with("groups=1 routes=1\n"));
}

TEST(Commands, InfoTellsEveryLoadingMessage) {
  test::TempDir dir;
  std::string text = "0,\r\n35,60,\r\n10,";
  for (int cell = 1; cell < 35 * 60; ++cell) text += cell % 60 == 0 ? "\r\n0," : "0,";
  writeFile(dir / "big.stc", text + "\r\n");
  const auto run = runCli({"info", (dir / "big.stc").string()});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out,
            "rows=35 cols=60\nlimit_message=1 screen_message=1 point0_warning=1\n"
            "bbox=0,1,0,1 trim_advised=1\n");
  for (const char* told : {"Stacja przekracza maksymalne rozmiary", "Ehm, myślisz",
                           "Pole w punkcie 0 nie jest puste.", "przycięcie rozmiarów"})
    EXPECT_NE(run.err.find(told), std::string::npos) << told;

  // A damaged saved part is told too; the grid is fine, so the status stays 0.
  writeFile(dir / "ucieta.stc", "0,\r\n1,2,\r\n0,0,\r\n0,\r\n0,0,\r\n10,\r\n");
  const auto cut = runCli({"info", (dir / "ucieta.stc").string()});
  EXPECT_EQ(cut.status, 0);
  EXPECT_NE(cut.err.find("w wierszu 7 pliku plik kończy się, zanim zapisano w nim: dane "
                         "lokomotywowni"),
            std::string::npos)
      << cut.err;
}

using test::readFile;

// Each limit is told, and the tool finishes with a route file of whole lines.
// A ring with a passing loop: every lap parts in two, past any number of walks.
TEST(Limits, AnEndlessWalkIsGivenUpAndTheSearchGoesOn) {
  test::TempDir dir;
  fs::copy_file(test::dataPath("ring_20x10.stc"), dir / "ring.stc");
  const auto run = runCli({"search", (dir / "ring.stc").string()});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out,
            "connections=2 proper=1 improper=0\n"
            "messages: stack=31619 segment=10495 too_long_199=0 repeated=0 given_up=1\n");
  EXPECT_EQ(readFile(dir / "trasy.txt"), "1,1,101,102,103,104,0,\r\n");
  // Not every such walk is a loop: the message names both causes. The summary comes last.
  const size_t told = run.err.find("Przeszukiwanie tras z punktu 812 zostało przerwane.");
  ASSERT_NE(told, std::string::npos) << run.err;
  EXPECT_NE(run.err.find("sprawdzono już 1 048 600 pól (w ", told), std::string::npos);
  EXPECT_NE(run.err.find("pętlę", told), std::string::npos);
  EXPECT_NE(run.err.find("krzyżownic", told), std::string::npos);
  EXPECT_NE(run.err.find("[Szlakownik - OK]", told), std::string::npos);
}

// A few hundred bytes of station whose routes would fill the disk.
TEST(Limits, ARouteFileThatWouldGrowWithoutEndStopsAtItsLimitWithWholeLines) {
  test::TempDir dir;
  test::writeFile(dir / "ladder.stc", test::ladderStationText());
  const std::string station = (dir / "ladder.stc").string();
  auto run = runCli({"search", station, "--platform-rule", "off", "--allow-long", "on"});
  EXPECT_EQ(run.status, 1);
  const std::string routes = readFile(dir / "trasy.txt");
  EXPECT_LE(routes.size(), 64u << 20);
  EXPECT_GT(routes.size(), 63u << 20);
  EXPECT_TRUE(routes.ends_with(",0,\r\n"));
  const std::string lines = std::to_string(std::ranges::count(routes, '\n'));
  EXPECT_NE(run.out.find("proper=" + lines + " "), std::string::npos) << run.out;
  EXPECT_TRUE(run.out.ends_with(" given_up=0\n")) << run.out;  // stopped, not given up
  EXPECT_NE(run.err.find("Wyszukiwanie zostało zatrzymane: plik z trasami"), std::string::npos);
  EXPECT_EQ(run.err.find("Szlakownik - OK"), std::string::npos);

  // The selector takes the largest file a search writes.
  run = runCli({"groups", station});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_NE(run.out.find(" routes=" + lines + "\n"), std::string::npos);

#ifndef __SANITIZE_ADDRESS__  // the sanitizer's shadow memory needs more than any such limit
  // Without the memory for it the tool says so and ends, instead of aborting.
  run = runCli({"groups", station}, "ulimit -v 80000");
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, "[Błąd krytyczny] Zabrakło pamięci; szlakownik-cli kończy pracę.\n");
#endif
}

// The file may not grow beyond what the system allows, as on a full disk.
TEST(Limits, AWriteCutShortLeavesWholeLinesAndCountsOnlyThem) {
  test::TempDir dir;
  fs::copy_file(test::dataPath("reference/terminal_57x32.stc"), dir / "t.stc");
  const auto run = runCli({"search", (dir / "t.stc").string()}, "ulimit -f 100");
  EXPECT_EQ(run.status, 1);
  const std::string routes = readFile(dir / "trasy.txt");
  ASSERT_FALSE(routes.empty());
  EXPECT_TRUE(routes.ends_with(",0,\r\n"));
  EXPECT_TRUE(readFile(test::dataPath("reference/terminal_57x32.opt1.routes")).starts_with(routes));
  EXPECT_NE(run.out.find(" proper=" + std::to_string(std::ranges::count(routes, '\n')) + " "),
            std::string::npos)
      << run.out;
  EXPECT_NE(run.err.find("plik przekroczył największy rozmiar dozwolony w systemie"),
            std::string::npos)
      << run.err;
}

}  // namespace
}  // namespace szl
