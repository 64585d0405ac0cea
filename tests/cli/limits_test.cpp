// Stations that run the search into its limits: each limit is told, and the tool finishes with
// a route file of whole lines.
#include <gtest/gtest.h>

#include <filesystem>

#include "support/test_support.h"

namespace szl {
namespace {

namespace fs = std::filesystem;
using test::readFile;
using test::runCli;

int count(const std::string& text, const std::string& what) {
  int n = 0;
  for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
  return n;
}

// A ring with a passing loop: every lap parts in two, past any number of walks.
TEST(Limits, AnEndlessWalkIsGivenUpAndTheSearchGoesOn) {
  test::TempDir dir;
  fs::copy_file(test::dataPath("ring_20x10.stc"), dir / "ring.stc");
  const auto run = runCli({"search", (dir / "ring.stc").string()});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out,
            "connections=2 proper=1 improper=0\n"
            "messages: stack=506520 segment=168175 too_long_199=0 repeated=0 given_up=1\n");
  EXPECT_EQ(readFile(dir / "trasy.txt"), "1,1,101,102,103,104,0,\r\n");
  // Not every such walk is a loop: the message names both causes. The summary comes last.
  const size_t told = run.err.find("Przeszukiwanie tras z punktu 812 zostało przerwane.");
  ASSERT_NE(told, std::string::npos) << run.err;
  EXPECT_NE(run.err.find("pętlę", told), std::string::npos);
  EXPECT_NE(run.err.find("krzyżownic", told), std::string::npos);
  EXPECT_NE(run.err.find("[Szlakownik - OK]", told), std::string::npos);
}

// A few hundred bytes of station whose routes would fill the disk.
TEST(Limits, ARouteFileThatWouldGrowWithoutEndStopsAtItsLimitWithWholeLines) {
  test::TempDir dir;
  test::writeFile(dir / "ladder.stc", test::ladderStationText());
  const std::string station = (dir / "ladder.stc").string();
  auto run = runCli({"search", station, "--platform-rule", "off"});
  EXPECT_EQ(run.status, 1);
  const std::string routes = readFile(dir / "trasy.txt");
  EXPECT_LE(routes.size(), 64u << 20);
  EXPECT_GT(routes.size(), 63u << 20);
  EXPECT_TRUE(routes.ends_with(",0,\r\n"));
  const std::string lines = std::to_string(count(routes, "\n"));
  EXPECT_NE(run.out.find("proper=" + lines + " "), std::string::npos) << run.out;
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
  const auto run = runCli({"search", (dir / "t.stc").string()}, "ulimit -f 100; trap '' XFSZ");
  EXPECT_EQ(run.status, 1);
  const std::string routes = readFile(dir / "trasy.txt");
  ASSERT_FALSE(routes.empty());
  EXPECT_TRUE(routes.ends_with(",0,\r\n"));
  EXPECT_TRUE(readFile(test::dataPath("reference/terminal_57x32.opt1.routes")).starts_with(routes));
  EXPECT_NE(run.out.find(" proper=" + std::to_string(count(routes, "\n")) + " "), std::string::npos)
      << run.out;
  EXPECT_NE(run.err.find("plik przekroczył największy rozmiar dozwolony w systemie"),
            std::string::npos)
      << run.err;
}

}  // namespace
}  // namespace szl
