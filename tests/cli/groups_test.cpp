#include <gtest/gtest.h>

#include <filesystem>

#include "support/test_support.h"

namespace szl {
namespace {

using test::dataPath;
using test::readFile;
using test::runCli;
using test::TempDir;

class GroupsOnReference : public ::testing::TestWithParam<std::string> {};

TEST_P(GroupsOnReference, MatchesTheReferenceOutput) {
  const std::string name = GetParam();
  TempDir dir;
  std::filesystem::copy_file(dataPath("reference/" + name + ".stc"), dir / (name + ".stc"));
  std::filesystem::copy_file(dataPath("reference/" + name + ".opt1.routes"), dir / "trasy.txt");
  const auto run = runCli({"groups", (dir / (name + ".stc")).string()});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, readFile(dataPath("reference/" + name + ".groups")));
  const bool allSmall = run.out.ends_with("needs_manual=0\n");
  EXPECT_EQ(run.err.find("Każda z tych tras ma swoje punkty unikalne. ") != std::string::npos,
            allSmall)
      << run.err;
}

INSTANTIATE_TEST_SUITE_P(Stations, GroupsOnReference,
                         ::testing::Values("yard_14x7", "junction_20x10", "loop_28x13",
                                           "town_36x17", "hub_44x22", "terminal_57x32"));

TEST(GroupsCommand, RouteFileNameUsageAndRefusals) {
  TempDir dir;
  std::filesystem::copy_file(dataPath("reference/yard_14x7.stc"), dir / "yard.stc");
  std::filesystem::copy_file(dataPath("reference/yard_14x7.opt4.routes"), dir / "inne.txt");
  const std::string station = (dir / "yard.stc").string();

  // No trasy.txt: refused, naming the file. An empty one: nothing to choose from, as the window
  // says.
  auto run = runCli({"groups", station});
  EXPECT_EQ(run.status, 1);
  EXPECT_TRUE(run.out.empty());
  EXPECT_NE(run.err.find("Nie można otworzyć pliku z trasami " + (dir / "trasy.txt").string() +
                         ":\ntaki plik nie istnieje."),
            std::string::npos)
      << run.err;
  test::writeFile(dir / "trasy.txt", "");
  run = runCli({"groups", station});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, "groups=0 routes=0\nneeds_manual=0\n");
  EXPECT_EQ(run.err, "[Selekcja tras] W pliku z trasami nie ma ani jednej trasy.\n");

  run = runCli({"groups", station, "--route-file", "inne"});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_TRUE(run.out.starts_with("groups=")) << run.out;
  EXPECT_FALSE(run.out.starts_with("groups=0 ")) << run.out;

  test::writeFile(dir / "trasy.txt", "1,1,202,203,0,\r\n1,1,202,9999,0,\r\n");
  run = runCli({"groups", station});
  EXPECT_EQ(run.status, 1);
  EXPECT_TRUE(run.out.empty());
  EXPECT_NE(run.err.find("w wierszu 2 punkt 9999 leży poza siatką stacji"), std::string::npos)
      << run.err;

  run = runCli({"groups", (dir / "brak.stc").string()});
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.err.find("nie istnieje"), std::string::npos);

  EXPECT_EQ(runCli({"groups"}).status, 2);
  EXPECT_EQ(runCli({"groups", station, "--route-file"}).status, 2);
  EXPECT_EQ(runCli({"groups", station, "--route-file", "../trasy"}).status, 2);
  EXPECT_EQ(runCli({"groups", station, station}).status, 2);
  EXPECT_EQ(runCli({"groups", station, "--verbose"}).status, 2);
}

}  // namespace
}  // namespace szl
