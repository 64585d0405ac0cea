#include <gtest/gtest.h>

#include "support/test_support.h"

namespace szl {
namespace {

using test::dataPath;
using test::readFile;
using test::runCli;

class InfoOnReference : public ::testing::TestWithParam<std::string> {};

TEST_P(InfoOnReference, MatchesTheReferenceOutput) {
  const std::string name = GetParam();
  const auto run = runCli({"info", dataPath("reference/" + name + ".stc").string()});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, readFile(dataPath("reference/" + name + ".info")));
}

INSTANTIATE_TEST_SUITE_P(Stations, InfoOnReference,
                         ::testing::Values("yard_14x7", "junction_20x10", "loop_28x13",
                                           "town_36x17", "hub_44x22", "terminal_57x32"));

TEST(InfoCommand, MessagesGoToStandardErrorAndFailuresToTheStatus) {
  test::TempDir dir;
  std::string text = "0,\r\n35,60,\r\n";
  for (int y = 0; y < 35; ++y) {
    for (int x = 0; x < 60; ++x) text += (x == 0 && y == 0) ? "10," : "0,";
    text += "\r\n";
  }
  test::writeFile(dir / "big.stc", text);
  auto run = runCli({"info", (dir / "big.stc").string()});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out,
            "rows=35 cols=60\nlimit_message=1 screen_message=1 point0_warning=1\n"
            "bbox=0,1,0,1 trim_advised=1\n");
  EXPECT_NE(run.err.find("Stacja przekracza maksymalne rozmiary"), std::string::npos);
  EXPECT_NE(run.err.find("Ehm, myślisz"), std::string::npos);
  EXPECT_NE(run.err.find("Pole w punkcie 0 nie jest puste."), std::string::npos);

  run = runCli({"info", (dir / "nothing.stc").string()});
  EXPECT_EQ(run.status, 1);
  EXPECT_TRUE(run.out.empty());
  EXPECT_NE(run.err.find("nie istnieje"), std::string::npos);

  EXPECT_EQ(runCli({"info"}).status, 2);
  EXPECT_EQ(runCli({"info", "a", "b"}).status, 2);
  EXPECT_EQ(runCli({"nonsense"}).status, 2);
}

}  // namespace
}  // namespace szl
