// The batch tool on the reference stations: info, a search with each set of options and the
// groups of the first set give the reference outputs, the route files byte for byte.
#include <gtest/gtest.h>

#include <filesystem>

#include "support/test_support.h"

namespace szl {
namespace {

namespace fs = std::filesystem;
using test::readFile;
using test::runCli;

const std::vector<std::string> kOptionSets[] = {
    {},
    {"--allow-repeats", "on", "--allow-long", "on"},
    {"--direction", "two-way", "--electrified", "yes"},
    {"--through-platforms", "off", "--through-exits", "off", "--platform-rule", "off"},
};

class Reference : public ::testing::TestWithParam<std::string> {};

TEST_P(Reference, InfoSearchesAndGroupsGiveTheReferenceOutputs) {
  const std::string ref = test::dataPath("reference/" + GetParam()).string();
  test::TempDir dir;
  const std::string station = (dir / "stacja.stc").string();
  fs::copy_file(ref + ".stc", station);

  auto run = runCli({"info", station});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, readFile(ref + ".info"));

  for (int set = 1; set <= 4; ++set) {
    std::vector<std::string> args{"search", station};
    args.insert(args.end(), kOptionSets[set - 1].begin(), kOptionSets[set - 1].end());
    run = runCli(args);
    const std::string expected = ref + ".opt" + std::to_string(set);
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, readFile(expected + ".out")) << set;
    EXPECT_TRUE(readFile(dir / "trasy.txt") == readFile(expected + ".routes")) << set;
    EXPECT_NE(run.err.find("[Szlakownik - OK] Znaleziono:"), std::string::npos);
  }

  fs::copy_file(ref + ".opt1.routes", dir / "trasy.txt", fs::copy_options::overwrite_existing);
  run = runCli({"groups", station});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, readFile(ref + ".groups"));
  // With no group to choose from the author is told so, as in the window.
  EXPECT_EQ(run.err.find("Każda z tych tras ma swoje punkty unikalne. ") != std::string::npos,
            run.out.ends_with("needs_manual=0\n"))
      << run.err;
}

INSTANTIATE_TEST_SUITE_P(Stations, Reference,
                         ::testing::Values("yard_14x7", "junction_20x10", "loop_28x13",
                                           "town_36x17", "hub_44x22", "terminal_57x32"));

}  // namespace
}  // namespace szl
