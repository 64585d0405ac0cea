// Each passage switch of the search lets routes through its own kind of object and no other,
// and the master switch closes every object, whatever the other switches say.
#include <gtest/gtest.h>

#include "support/test_support.h"

namespace szl {
namespace {

// Two-way, electrified routes along one row, from point `from` to point `to`.
std::string along(int from, int to) {
  std::string s = "1,1,";
  for (int p = from; p <= to; ++p) s += std::to_string(p) + ",";
  return s + "0,\r\n";
}

TEST(Passages, EachSwitchOpensItsOwnKindOfObject) {
  test::TempDir dir;
  // Between two stopping points: sidings, the shed, a platform numbered 4, an entry-exit.
  test::writeFile(dir / "s.stc", test::stationFileText({"0 0  0  0  0 0  0  0",  //
                                                        "0 21 10 22 10 21 0 0", "0 0 0 0 0 0 0 0",
                                                        "0 21 10 48 10 21 0 0", "0 0 0 0 0 0 0 0",
                                                        "0 21 10 21 4 21 10 21", "0 0 0 0 0 0 0 0",
                                                        "0 21 10 52 10 21 0 0"}));
  // The routes as each object lets them through: every object ends a route from the stopping
  // point west of it and starts one to the stopping point east of it (the reverse of each is
  // its twin); an open one also gives the route right through it.
  const auto routes = [](bool sidings, bool shed, bool platform, bool exits) {
    return along(101, 103) + (sidings ? along(101, 105) : "") + along(103, 105) + along(301, 303) +
           (shed ? along(301, 305) : "") + along(303, 305) + along(501, 503) +
           (platform ? along(501, 507) : "") + along(505, 507) + along(701, 703) +
           (exits ? along(701, 705) : "") + along(703, 705);
  };
  const std::pair<std::vector<std::string>, std::string> cases[] = {
      {{}, routes(false, false, true, true)},
      {{"--through-sidings", "on"}, routes(true, false, true, true)},
      {{"--through-shed", "on"}, routes(false, true, true, true)},
      {{"--through-platforms", "off"}, routes(false, false, false, true)},
      {{"--through-exits", "off"}, routes(false, false, true, false)},
      {{"--through-objects", "off", "--through-sidings", "on", "--through-shed", "on"},
       routes(false, false, false, false)},
  };
  for (const auto& [switches, expected] : cases) {
    std::vector<std::string> args{"search", (dir / "s.stc").string(), "--platform-rule", "off"};
    args.insert(args.end(), switches.begin(), switches.end());
    const auto run = test::runCli(args);
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(test::readFile(dir / "trasy.txt"), expected) << (switches.empty() ? "" : switches[0]);
  }
}

}  // namespace
}  // namespace szl
