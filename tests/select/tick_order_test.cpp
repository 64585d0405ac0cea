// The tick rule with the routes of one group ticked in different orders: however the author goes
// about it, each ticked route keeps a point no other ticked route passes, a point a route passes
// twice is still its own, and one such point is enough.
#include <gtest/gtest.h>

#include "select/route_selector.h"
#include "support/test_support.h"

namespace szl {
namespace {

// What each tick was told: the unique point count, "lose" when another ticked route would lose
// its last unique point, "none" when the route has no point of its own.
struct Told : SelectorHost {
  Answer ask(const Message& m) override {
    const std::string& t = m.text;
    said += said.empty() ? "" : " ";
    if (t.starts_with("Ta trasa ma "))
      said += t.substr(12, t.find(' ', 12) - 12);
    else
      said += t.starts_with("Zaznaczenie") ? "lose" : t.starts_with("Ta trasa nie ma") ? "none" : t;
    return Answer::Ok;
  }
  std::string said;
};

TEST(TickOrder, EveryOrderKeepsAUniquePointForEachTickedRoute) {
  test::TempDir dir;
  const Station st = test::stationFromRows({"0 0 0 0 0 0", "10 10 10 10 10 10", "10 10 10 10 10 10",
                                            "10 10 10 10 10 10", "10 10 10 10 10 10"});
  // From 101 to 104: A straight; B A's points and 203; C by 301 and 302; D passes 405 twice;
  // E takes 102 from A and 302 from C.
  test::writeFile(dir / "trasy.txt",
                  "1,1,101,102,103,104,0,\r\n1,1,101,102,103,203,104,0,\r\n"
                  "1,1,101,301,302,104,0,\r\n1,1,101,405,405,104,0,\r\n1,1,101,102,302,104,0,\r\n");
  // The routes ticked (0 = A .. 4 = E), what each tick was told, the selected flags afterwards.
  const std::tuple<std::vector<int>, std::string, std::string> orders[] = {
      // D's twice-passed 405 stays its own when A comes; E has one point of its own, 302, which
      // C would take, and A would lose 103 to B.
      {{3, 0, 4, 2, 1}, "4 2 1 lose lose", "10011"},
      // Within B, A has nothing of its own; beside B and C neither has E.
      {{1, 0, 2, 4, 3}, "5 none 2 none 2", "01110"},
  };
  for (const auto& [ticks, said, selected] : orders) {
    Told host;
    RouteSelector sel;
    ASSERT_TRUE(sel.Prepare(st, (dir / "trasy.txt").string(), host));
    sel.Edit(0, st, host);
    for (int pos : ticks) sel.tickRoute(pos, st, host);
    sel.Accept(st, host);
    sel.Confirm();
    std::string flags;
    for (const RouteRec& r : sel.table().routes) flags += r.selected ? '1' : '0';
    EXPECT_EQ(host.said, said);
    EXPECT_EQ(flags, selected) << said;
  }
}

}  // namespace
}  // namespace szl
