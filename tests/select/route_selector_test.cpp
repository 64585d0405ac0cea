#include "select/route_selector.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "model/preparation.h"
#include "support/test_support.h"

namespace szl {
namespace {

using test::TempDir;
using test::writeFile;

struct Mark {
  int x, y, row;
  bool operator==(const Mark&) const = default;
};

class RecordingHost : public SelectorHost {
 public:
  Answer ask(const Message& m) override {
    asked.push_back(m);
    return Answer::Ok;
  }
  void progress(double f) override { lastProgress = f; }
  void markUniquePoint(int x, int y, int row) override { marks.push_back({x, y, row}); }
  void showRoute(std::span<const RouteCell> r) override { shown.push_back(r.size()); }
  void restoreRoute(std::span<const RouteCell> r) override { restored.push_back(r.size()); }
  void beep() override { ++beeps; }

  std::vector<Message> asked;
  std::vector<Mark> marks;
  std::vector<size_t> shown, restored;  // the routes' lengths
  double lastProgress = -1;
  int beeps = 0;
};

// A station of `cols` x `rows` with horizontal track (10) everywhere except row 0, so that
// every point of a route is a known element unless a test says otherwise.
Station trackStation(int cols, int rows) {
  Station st(cols, rows);
  for (int y = 1; y < rows; ++y)
    for (int x = 0; x < cols; ++x) st.setCode(x, y, 10);
  return st;
}

const std::string kOthersLose =
    "Zaznaczenie tej trasy spowoduje, że któraś/-eś \r\nz pozostałych zaznaczonych tras "
    "straci/-ą swoje \r\nunikalne punkty jednoznacznego wyboru.\r\n\r\nAby unikać takich "
    "sytuacji, należy rozpoczynać \r\nzaznaczanie tras od przebiegów najważniejszych.\r\n\r\n"
    "Jeżeli ta trasa musi być koniecznie zaznaczona, \r\nmusisz usunąć którąś/-eś z "
    "zaznaczonych tras.";
const std::string kNoUnique =
    "Ta trasa nie ma ani jednego unikalnego punktu \r\nw stosunku do pozostałych zaznaczonych "
    "tras.\r\n\r\nJeżeli ta trasa musi być koniecznie zaznaczona, \r\nmusisz usunąć którąś/-eś "
    "z zaznaczonych tras.";
const std::string kAllUnique =
    "Każda z tych tras ma swoje punkty unikalne. \r\nNie ma potrzeby dokonywać ręcznej "
    "selekcji.";

std::string countText(int n) {
  return "Ta trasa ma " + std::to_string(n) +
         " unikalnych punktów.\r\n\r\nAutomatycznie liczba punktów unikalnych \r\nw "
         "zaznaczonych już trasach zmniejsza się.";
}

// Each group as start-end:routes, + when ticked; then each route's group with s when selected,
// t two-way, e electrified.
std::string described(const RouteSelector& sel) {
  std::string s;
  for (int g = 0; g < sel.groupCount(); ++g) {
    const RouteGroup& gr = sel.table().groups[g];
    s += std::to_string(gr.start) + "-" + std::to_string(gr.end) + ":" +
         std::to_string(gr.routeCount) + (sel.groupTicked(g) ? "+ " : " ");
  }
  for (const RouteRec& r : sel.table().routes)
    s += std::string("/ ") + std::to_string(r.group) + (r.selected ? "s" : "") +
         (r.bidirectional ? "t" : "") + (r.electrified ? "e " : " ");
  return s;
}

TEST(Prepare, GroupsOfOneOrTwoAreKeptWholeAndSaidOnceAGroupOfThreeWaits) {
  TempDir dir;
  Station st = trackStation(20, 5);
  writeFile(dir / "trasy.txt",
            "1,1,101,102,103,0,\r\n0,1,201,202,0,\r\n1,0,101,112,103,0,\r\n\r\n");
  RecordingHost host;
  RouteSelector sel;
  ASSERT_TRUE(sel.Prepare(st, (dir / "trasy.txt").string(), host));
  EXPECT_EQ(described(sel), "101-103:2+ 201-202:1+ / 0ste / 1se / 0st ");
  EXPECT_FALSE(sel.needsManual());
  ASSERT_EQ(host.asked.size(), 1u);
  EXPECT_TRUE(host.asked[0].title == "Selekcja tras" && host.asked[0].icon == Icon::Information);
  EXPECT_EQ(host.asked[0].text, kAllUnique);
  EXPECT_EQ(host.lastProgress, 0.0);

  writeFile(dir / "trasy.txt",
            "1,1,101,102,103,0,\r\n1,1,101,202,103,0,\r\n1,1,301,302,0,\r\n1,1,101,302,103,0,\r\n"
            "1,1,301,402,302,0,\r\n");
  host.asked.clear();
  ASSERT_TRUE(sel.Prepare(st, (dir / "trasy.txt").string(), host));
  EXPECT_TRUE(host.asked.empty());
  EXPECT_TRUE(sel.needsManual());
  EXPECT_EQ(described(sel), "101-103:3 301-302:2+ / 0te / 0te / 1ste / 0te / 1ste ");
  // The route list of a group: its routes in file order, ticks from the selected flags.
  sel.ShowEdit(0, host);
  EXPECT_EQ(sel.groupRoutes(), (std::vector<int32_t>{0, 1, 3}));
  EXPECT_FALSE(sel.routeTicked(0));
  sel.ShowEdit(1, host);
  EXPECT_EQ(sel.groupRoutes(), (std::vector<int32_t>{2, 4}));
  EXPECT_TRUE(sel.routeTicked(1));
}

class TickRule : public ::testing::Test {
 protected:
  void SetUp() override {
    st = trackStation(20, 6);
    st.setCode(5, 4, 0);  // an empty cell: a unique point there is counted, not drawn
    // A: 101 102 103 104; B passes A's points and more; C shares A's start and end only;
    // D repeats a point of its own; E lies wholly within A and C.
    writeFile(dir / "trasy.txt",
              "1,1,101,102,103,104,0,\r\n1,1,101,102,103,203,104,0,\r\n1,1,101,301,302,104,0,\r\n"
              "1,1,101,405,405,104,0,\r\n1,1,101,102,302,104,0,\r\n");
    ASSERT_TRUE(sel.Prepare(st, (dir / "trasy.txt").string(), host));
    sel.Edit(0, st, host);
    host.asked.clear();
    host.marks.clear();
  }

  TempDir dir;
  Station st;
  RecordingHost host;
  RouteSelector sel;
};

TEST_F(TickRule, EveryTickedRouteKeepsAUniquePointAndAcceptKeepsTheTicks) {
  const auto told = [&](Icon icon, const std::string& text) {
    const Message& m = host.asked.back();
    return m.icon == icon && m.title == "Dodaj trasę" && m.text == text;
  };
  // The first tick counts every point.
  EXPECT_TRUE(sel.tickRoute(0, st, host));
  EXPECT_TRUE(told(Icon::Information, countText(4)));
  EXPECT_EQ(host.marks, (std::vector<Mark>{{1, 1, 0}, {2, 1, 0}, {3, 1, 0}, {4, 1, 0}}));
  // B has a unique point (203) but leaves A none.
  EXPECT_FALSE(sel.tickRoute(1, st, host));
  EXPECT_TRUE(told(Icon::Critical, kOthersLose));
  ASSERT_TRUE(sel.tickRoute(2, st, host));
  EXPECT_TRUE(told(Icon::Information, countText(2)));
  // E: 101, 102 (A), 302 (C), 104: nothing of its own; A and C keep 103 and 301.
  EXPECT_FALSE(sel.tickRoute(4, st, host));
  EXPECT_TRUE(told(Icon::Critical, kNoUnique));
  // D's repeated point counts twice; it lies on an empty cell and is not drawn.
  host.marks.clear();
  EXPECT_TRUE(sel.tickRoute(3, st, host));
  EXPECT_TRUE(told(Icon::Information, countText(2)));
  EXPECT_TRUE(host.marks.empty());
  EXPECT_EQ(host.asked.size(), 5u);

  EXPECT_FALSE(sel.groupTicked(0));
  sel.Accept(st, host);
  EXPECT_EQ(sel.shownPosition(), -1);
  EXPECT_EQ(host.restored.size(), 1u);
  EXPECT_EQ(described(sel), "101-104:5+ / 0ste / 0te / 0ste / 0ste / 0te ");
  // An unticked group loses its routes, whatever was accepted.
  sel.setGroupTicked(0, false);
  sel.Confirm();
  EXPECT_FALSE(sel.prepared());
  EXPECT_EQ(described(sel), "101-104:5 / 0te / 0te / 0te / 0te / 0te ");
  // Routes kept in a saved file are ticked again by the same rule: E has no point of its own.
  st.RoutesTaken = true;
  st.KeptRoutes = {{{101, 102, 103, 104}}, {{101, 301, 302, 104}}, {{101, 102, 302, 104}}};
  ASSERT_TRUE(sel.Prepare(st, (dir / "trasy.txt").string(), host));
  EXPECT_EQ(described(sel), "101-104:5+ / 0ste / 0te / 0ste / 0te / 0te ");
}

// Ticked in other orders: a point a route passes twice stays its own, one point of its own is
// enough, and a tick that would take the last one from another route is refused.
TEST_F(TickRule, EveryOrderKeepsAUniquePointForEachTickedRoute) {
  for (const auto& [ticks, said] : {std::pair{std::vector{3, 0, 4, 2, 1}, "4 2 1 lose lose"},
                                    {std::vector{1, 0, 2, 4, 3}, "5 none 2 none 2"}}) {
    ASSERT_TRUE(sel.Prepare(st, (dir / "trasy.txt").string(), host));
    sel.Edit(0, st, host);
    std::string s;
    for (int pos : ticks) {
      sel.tickRoute(pos, st, host);
      const std::string& t = host.asked.back().text;
      s += (s.empty() ? "" : " ") + (t == kOthersLose ? "lose"
                                     : t == kNoUnique ? "none"
                                                      : t.substr(12, t.find(' ', 12) - 12));
    }
    EXPECT_EQ(s, said);
  }
}

TEST_F(TickRule, OnlyTheHighlightedRowChangesAndUntickingIsFree) {
  EXPECT_FALSE(sel.changeRouteTick(2, true, 0, st, host));
  EXPECT_EQ(host.beeps, 1);
  EXPECT_TRUE(host.asked.empty());
  EXPECT_TRUE(sel.changeRouteTick(0, true, 0, st, host));
  EXPECT_TRUE(sel.changeRouteTick(2, true, 2, st, host));
  host.asked.clear();
  EXPECT_FALSE(sel.changeRouteTick(0, false, 0, st, host));
  EXPECT_TRUE(host.asked.empty());
  EXPECT_FALSE(sel.routeTicked(0));
  EXPECT_TRUE(sel.routeTicked(2));
}

TEST_F(TickRule, ClicksDrawTheRouteAndASecondClickMarksItsUniquePoints) {
  ASSERT_EQ(host.shown.size(), 1u);  // Edit drew the first route
  EXPECT_EQ(host.shown[0], 4u);
  EXPECT_EQ(sel.shownPosition(), 0);
  ASSERT_TRUE(sel.tickRoute(2, st, host));
  host.marks.clear();
  sel.clickRoute(2, st, host);
  EXPECT_EQ(host.restored.size(), 1u);
  EXPECT_TRUE(host.marks.empty());
  sel.clickRoute(2, st, host);
  EXPECT_EQ(host.marks.size(), 4u);  // no other route ticked: every point is unique
  EXPECT_EQ(sel.shownPosition(), 2);
  EXPECT_EQ(sel.checkedPosition(), 2);
}

std::string refusal(RouteSelector& sel, const Station& st, const std::string& path) {
  RecordingHost host;
  EXPECT_FALSE(sel.Prepare(st, path, host));
  EXPECT_EQ(host.asked.size(), 1u);
  const Message m = host.asked.empty() ? Message{} : host.asked[0];
  EXPECT_TRUE(m.icon == Icon::Critical && m.title == "Selekcja tras") << m.title;
  return m.text;
}

TEST(Prepare, DamagedFilesAreRefusedNamingTheFileAndTheLineAndChangeNothing) {
  TempDir dir;
  Station st = trackStation(20, 5);
  const std::string good = "1,1,101,102,0,\r\n1,1,101,202,102,0,\r\n";
  writeFile(dir / "trasy.txt", good);
  RecordingHost host;
  RouteSelector sel;
  ASSERT_TRUE(sel.Prepare(st, (dir / "trasy.txt").string(), host));

  std::string long256 = "1,1,";
  for (int i = 0; i < 256; ++i) long256 += std::to_string(101 + i % 19) + ",";
  // A file larger than any search writes is refused before it is read (a pipe or a device as
  // a station file is).
  writeFile(dir / "huge.txt", "");
  std::filesystem::resize_file(dir / "huge.txt", (64 << 20) + 1);
  const std::vector<std::array<std::string, 3>> cases = {
      {"a", good + "1,1,101,x2,0,\r\n", "w wierszu 3 pliku pole \"x2\" nie jest liczbą całkowitą."},
      {"b", good + "1,1,101,102\r\n", "w wierszu 3 pliku trasa kończy się przed polem 0"},
      {"c", good + "1,1,101,102,", "w wierszu 3 pliku trasa kończy się przed polem 0"},
      {"d", good + "1,1,101,2599,0,\r\n", "w wierszu 3 pliku punkt 2599 leży poza siatką stacji"},
      {"e", good + "1,1,101,-5,0,\r\n", "w wierszu 3 pliku punkt -5 leży poza siatką stacji"},
      {"f", good + "1,1,0,\r\n", "w wierszu 3 pliku trasa nie ma ani jednego punktu."},
      {"g", good + "1,1,101,0,7,\r\n", "w wierszu 3 pliku po polu 0, które zamyka trasę"},
      {"h", good + long256 + "0,\r\n", "w wierszu 3 pliku trasa ma więcej niż 255 punktów."},
      {"i", good + "1,1,101,99999,0,\r\n", "w wierszu 3 pliku liczba 99999"},
      // Converted twice between text modes, the file's lines are still counted right.
      {"j", "1,1,101,102,0,\r\r\n1,1,101,202,102,0,\n\r1,1,101,x,0,\r\r\n",
       "w wierszu 3 pliku pole \"x\""},
      {"huge", "", "jest za duży: ma ponad 64 MB"},
  };
  for (const auto& [name, bytes, says] : cases) {
    const std::string path = (dir / (name + ".txt")).string();
    if (!bytes.empty()) writeFile(path, bytes);
    const std::string text = refusal(sel, st, path);
    EXPECT_NE(text.find(says), std::string::npos) << text;
    EXPECT_NE(text.find(path), std::string::npos) << text;
  }
  // The earlier preparation stands.
  EXPECT_TRUE(sel.prepared());
  EXPECT_EQ(sel.routeCount(), 2);
  EXPECT_TRUE(sel.table().routes[1].selected);
}

TEST(Prepare, CapacitiesAreRefusedNamingTheLine) {
  TempDir dir;
  RouteSelector sel;

  // 16382 different (start, end) pairs.
  Station pairs = trackStation(100, 3);
  std::string text;
  for (int n = 0; n <= kMaxGroups; ++n)
    text += "1,1," + std::to_string(100 + n / 199) + "," +
            std::to_string(100 + (n / 199 + 1 + n % 199) % 200) + ",0,\r\n";
  writeFile(dir / "groups.txt", text);
  std::string says = refusal(sel, pairs, (dir / "groups.txt").string());
  EXPECT_NE(says.find("w wierszu 16382 pliku zaczyna się grupa 16382."), std::string::npos) << says;

  // One fewer fits.
  text.resize(text.rfind("1,1,"));
  writeFile(dir / "groups.txt", text);
  RecordingHost host;
  EXPECT_TRUE(sel.Prepare(pairs, (dir / "groups.txt").string(), host));
  EXPECT_EQ(sel.groupCount(), kMaxGroups);

  // One group whose routes pass 4097 different points: 17 routes of 241 new points each (plus
  // the shared start and end; column 0 skipped) reach it on the 17th line.
  Station big = trackStation(100, 60);
  text.clear();
  int next = 102;
  for (int r = 0; r < 17; ++r) {
    text += "1,1,101,";
    for (int k = 0; k < 241; ++k, ++next) text += std::to_string(next += next % 100 == 0) + ",";
    text += "5999,0,\r\n";
  }
  writeFile(dir / "points.txt", text);
  says = refusal(sel, big, (dir / "points.txt").string());
  EXPECT_NE(says.find("trasy od punktu 101 do punktu 5999 przechodzą przez więcej niż 4096"),
            std::string::npos)
      << says;
  EXPECT_NE(says.find("w wierszu 17 pliku."), std::string::npos) << says;
  EXPECT_EQ(sel.groupCount(), kMaxGroups);  // still the last good preparation
}

}  // namespace
}  // namespace szl
