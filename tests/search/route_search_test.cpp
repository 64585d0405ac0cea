// The search on stations drawn in the test: which cells take a walk and in what order, what
// becomes of a route once a walk reaches an object, what the window is told, and the route file.
#include "search/route_search.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <filesystem>

#include "model/preparation.h"
#include "stationfile/station_reader.h"
#include "support/test_support.h"

namespace szl::test {
namespace {

// Answers from the script, then OK (Yes to the route question).
class ScriptedHost : public SearchHost {
 public:
  explicit ScriptedHost(std::vector<Answer> answers = {})
      : script(answers.begin(), answers.end()) {}

  Answer ask(const Message& m) override {
    asked.push_back(m);
    note("ask " + m.title);
    if (script.empty()) return m.buttons == Buttons::YesNoCancel ? Answer::Yes : Answer::Ok;
    const Answer a = script.front();
    script.pop_front();
    return a;
  }
  void startMarker(int x, int y, int port, bool walked) override {
    note("marker " + xy(x, y) + " " + n(port) + (walked ? " red" : " blue"));
  }
  void showRoute(std::span<const RouteCell> r) override { note("show " + n(r.size())); }
  void restoreRoute(std::span<const RouteCell> r) override { note("restore " + n(r.size())); }
  void markRepeated(const RouteCell& c, bool asking) override {
    note("repeated " + xy(c.x, c.y) + (asking ? " blue" : " orange"));
  }
  void counters(const SearchCounters& c) override {
    note("counters " + n(c.connections) + " " + n(c.proper));
  }
  void routeFlags(bool twoWay, bool e) override { note("flags " + n(twoWay) + n(e)); }
  void progress(int started, int total) override {
    note("progress " + n(started) + "/" + n(total));
  }
  void stackDepth(int depth) override { maxDepth = std::max(maxDepth, depth); }
  void yieldToUser() override { note("yield"); }
  // The call numbered `interruptAt` throws Interrupted, as the window does when the author
  // leaves the program in the middle of a search.
  void stillWorking() override {
    note("still");
    if (++stillWorkingCalls == interruptAt) throw Interrupted{};
  }

  std::vector<std::string> entries(const std::string& prefix) const {
    std::vector<std::string> out;
    for (const std::string& e : log)
      if (e.rfind(prefix, 0) == 0) out.push_back(e);
    return out;
  }

  struct Interrupted {};

  std::deque<Answer> script;
  std::vector<Message> asked;
  std::vector<std::string> log;
  int maxDepth = 0;
  int stillWorkingCalls = 0;
  int interruptAt = 0;

 private:
  void note(std::string s) { log.push_back(std::move(s)); }
  static std::string n(auto v) { return std::to_string(v); }
  static std::string xy(int x, int y) { return n(x) + "," + n(y); }
};

// The options with the platform rule off, so that any two objects make a route.
const SearchOptions kNoPlatformRule{.platformRule = false, .passages = {}};

struct SearchRun {
  SearchResult result;
  std::string routes;  // the route file as written
  ScriptedHost host;
};

// Prepares the station with the options' passage switches and searches it in a fresh folder.
SearchRun runSearch(Station st, const SearchOptions& opt = {}, bool confirm = false,
                    std::vector<Answer> answers = {}) {
  TempDir dir;
  st.StationDir = dir.path().string() + "/";
  PrzygotujStacje(st, opt.passages);
  SearchRun run{{}, {}, ScriptedHost(std::move(answers))};
  run.result = Wyszukaj(st, opt, confirm, run.host);
  run.routes = readFile(run.result.routeFile);
  return run;
}

SearchRun runSearch(const std::vector<std::string>& rows, const SearchOptions& opt = {},
                    bool confirm = false, std::vector<Answer> answers = {}) {
  return runSearch(stationFromRows(rows), opt, confirm, std::move(answers));
}

using Path = std::vector<std::pair<int, int>>;

// A station of 63 x 12 holding the path, each cell the element that joins it to its neighbours
// on the path, with a stopping point at each end.
Station pathStation(const Path& path) {
  std::vector<std::vector<int>> masks(12, std::vector<int>(63, 0));
  for (size_t i = 0; i + 1 < path.size(); ++i) {
    const auto [x, y] = path[i];
    const auto [nx, ny] = path[i + 1];
    masks[y][x] |= 1 << (PortAtStep[nx - x + 1][ny - y + 1] - 1);
    masks[ny][nx] |= 1 << (PortAtStep[x - nx + 1][y - ny + 1] - 1);
  }
  Station st(63, 12);
  for (int y = 0; y < 12; ++y)
    for (int x = 0; x < 63; ++x)
      for (const ElementPair& e : kElementPairs)
        if (masks[y][x] == e.mask) st.setCode(x, y, e.code);
  for (const auto& [x, y] : {path.front(), path.back()}) st.setCode(x, y, 21);
  return st;
}

// `cells` cells winding east and west between columns 1 and 60, lanes three rows apart; fits
// a path station up to about 250 cells.
Path serpentine(int cells) {
  Path p{{1, 1}};
  int dir = 1;
  while (int(p.size()) < cells) {
    const auto [x, y] = p.back();
    if ((dir > 0 && x == 60) || (dir < 0 && x == 1)) {
      p.insert(p.end(), {{x + dir, y + 1}, {x + dir, y + 2}, {x, y + 3}});
      dir = -dir;
    } else {
      p.push_back({x + dir, y});
    }
  }
  p.resize(cells);
  return p;
}

// The route file line of a path.
std::string routeLine(const std::string& flags, const Path& path) {
  std::string s = flags + ",";
  for (const auto& [x, y] : path) s += std::to_string(y * 100 + x) + ",";
  return s + "0,\r\n";
}

TEST(Walk, EntriesAndExitsTakeAWalkOnlyInTheirOwnDirection) {
  // 50 takes walks running west, 51 walks running east; both can be passed through.
  EXPECT_EQ(runSearch({"0 0 0 0 0 0", "0 21 10 50 10 21"}, kNoPlatformRule).routes,
            "0,1,103,102,101,0,\r\n0,1,105,104,103,0,\r\n0,1,105,104,103,102,101,0,\r\n");
  EXPECT_EQ(runSearch({"0 0 0 0 0 0", "0 21 10 51 10 21"}, kNoPlatformRule).routes,
            "0,1,101,102,103,0,\r\n0,1,101,102,103,104,105,0,\r\n0,1,103,104,105,0,\r\n");
  // Reached diagonally: 50 from the north-east, 51 from the south-west.
  EXPECT_EQ(runSearch({"0 0 0 21", "0 0 14 0", "0 50 0 0"}, kNoPlatformRule).routes,
            "0,1,3,102,201,0,\r\n");
  EXPECT_EQ(runSearch({"0 0 0 51", "0 0 14 0", "0 21 0 0"}, kNoPlatformRule).routes,
            "0,1,201,102,3,0,\r\n");
  // 52 takes a walk from the north-east but not one running straight south.
  const auto run = runSearch({"0 21 0  21", "0 49 14 0", "0 52 0  0"}, kNoPlatformRule);
  EXPECT_EQ(run.routes, "1,1,3,102,201,0,\r\n");
  EXPECT_EQ(run.result.counters.connections, 2);
}

// A slip crossing's type takes away the movements it drops: type 5 the one from west to east.
TEST(Walk, ASlipCrossingLeadsOnlyWhereItsTypeLets) {
  Station st = stationFromRows({"0 0 0 0", "0 21 24 21", "0 0 0 21"});
  EXPECT_EQ(runSearch(st).routes, "1,1,101,102,103,0,\r\n1,1,101,102,203,0,\r\n");
  st.cell(2, 1).CrossType = 5;
  EXPECT_EQ(runSearch(st).routes, "1,1,101,102,203,0,\r\n");
}

TEST(Walk, CellZeroTakesNoPart) {
  // Neither a walk from it nor one into it.
  EXPECT_EQ(runSearch({"21 10 21", "0 0 0"}).result.counters.connections, 0);
}

// Sixty switches climbing north-east from an entry 51 at (0, 63); each leaves its east exit
// pending, so the 49th fills the stack. Stopping points east of switches 1, 49 and 50 show
// which branches were walked (the entry makes the routes one-way: none is dropped as a twin).
Station switchChain() {
  Station st(64, 64);
  st.setCode(0, 63, 51);
  for (int i = 1; i <= 60; ++i) st.setCode(i, 63 - i, 29);
  for (const auto& [x, y] : {std::pair{61, 2}, {2, 62}, {50, 14}, {51, 13}}) st.setCode(x, y, 21);
  return st;
}

TEST(Walk, AFullStackDropsTheBranchAndTheSearchGoesOnWithThePendingOnes) {
  const auto run = runSearch(switchChain(), kNoPlatformRule);
  std::string far = "0,1,6300,";
  for (int i = 1; i <= 49; ++i) far += std::to_string((63 - i) * 100 + i) + ",";
  EXPECT_EQ(run.routes, far + "1450,0,\r\n0,1,6300,6201,6202,0,\r\n");
  EXPECT_EQ(run.result.limitCount(MessageKind::StackOverflow), 1);
  EXPECT_EQ(run.host.maxDepth, 49);
  EXPECT_EQ(run.host.asked[0].kind, MessageKind::StackOverflow);
  EXPECT_NE(run.host.asked[0].text.find("przez punkt 6300 będą"), std::string::npos);
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
  // A line with a stopping point at each end, and below it a ring of track with a passing loop
  // entered from a stopping point: going round, the walk parts in two on every lap.
  TempDir dir;
  std::filesystem::copy_file(dataPath("ring_20x10.stc"), dir / "ring.stc");
  Station st = *WczytajStacje((dir / "ring.stc").string()).station;
  PrzygotujStacje(st, {});
  ScriptedHost host;
  host.interruptAt = 3;
  EXPECT_THROW(Wyszukaj(st, {}, false, host), ScriptedHost::Interrupted);

  // Told while walking from the ring's stop, and again after going on.
  EXPECT_EQ(host.entries("progress").back(), "progress 3/3");
  EXPECT_EQ(host.entries("yield").size(), 2u);
  EXPECT_EQ(host.entries("marker").back(), "marker 12,8 4 blue");
  // The limits did not end that walk; their messages were shown once each, and no summary.
  ASSERT_EQ(host.asked.size(), 2u);
  EXPECT_EQ(host.asked[0].kind, MessageKind::StackOverflow);
  EXPECT_EQ(host.asked[1].kind, MessageKind::SegmentOverflow);

  // The route found before is in the file as a whole line, and the file is closed.
  const std::filesystem::path routes = dir / "trasy.txt";
  EXPECT_EQ(readFile(routes), "1,1,101,102,103,104,0,\r\n");
  EXPECT_FALSE(heldOpen(routes));
}

TEST(Recording, FiftyEightCellsAreWrittenFiftyNineRejectedAndTheWalkStopsThere) {
  // Stopping points on row 1 at columns 1, 58 and 60, on row 3 at 1, 59 and 61.
  Station st(64, 5);
  for (const auto& [y, end] : {std::pair{1, 58}, {3, 59}})
    for (int x = 1; x <= end + 2; ++x)
      st.setCode(x, y, x == 1 || x == end || x == end + 2 ? 21 : 10);
  const auto run = runSearch(st);
  EXPECT_EQ(run.routes,
            routeLine("1,1", serpentine(58)) + "1,1,158,159,160,0,\r\n" + "1,1,359,360,361,0,\r\n");
  // Going on, the walk from 101 would reach 162 and the one from 301 reach 361.
  EXPECT_EQ(run.result.counters.connections, 11);
  EXPECT_EQ(run.host.asked.size(), 1u);  // the summary only

  EXPECT_EQ(std::ranges::count(runSearch(st, {}, true).host.asked, "Ta trasa jest zbyt długa.",
                               &Message::text),
            2);
}

TEST(Recording, OneHundredNinetyNineCellsWithLongRoutesAllowedTwoHundredNever) {
  const SearchOptions longOnes{.allowLong = true, .passages = {}};
  // 198 walked cells fill level 0 and go on on level 1, each walk beyond the full level once.
  const auto path = serpentine(199);
  const auto kept = runSearch(pathStation(path), longOnes);
  EXPECT_EQ(kept.routes, routeLine("1,1", path));
  EXPECT_EQ(kept.result.counters.connections, 2);
  EXPECT_EQ(kept.result.limitCount(MessageKind::SegmentOverflow), 2);

  for (bool confirm : {false, true}) {
    const auto run = runSearch(pathStation(serpentine(200)), longOnes, confirm);
    EXPECT_EQ(run.routes, "");
    EXPECT_EQ(run.result.counters.connections, 0);
    EXPECT_EQ(run.result.limitCount(MessageKind::RouteTooLong), 2);
    // Told once from each end: a limit is said again for every start port.
    EXPECT_EQ(std::ranges::count(run.host.asked, MessageKind::RouteTooLong, &Message::kind), 2);
    EXPECT_EQ(run.host.asked[1].text, "Zbyt długa trasa!\r\n\r\nNie zostanie ona zapisana.");
    EXPECT_EQ(run.host.entries("show")[0], "show 199");
  }
}

TEST(Recording, TwinsAreDroppedAndTheFiltersKeepTheirKind) {
  // Row 1 two-way, row 3 from entries; the second of each pair is not electrified.
  const std::vector<std::string> rows{"0 0  0  0  0  0  0   0",  //
                                      "0 21 10 21 0  21 100 21", "0 0  0  0  0  0  0   0",
                                      "0 51 10 21 0  51 100 21"};
  const std::string l101 = "1,1,101,102,103,0,\r\n", l105 = "1,0,105,106,107,0,\r\n",
                    l301 = "0,1,301,302,303,0,\r\n", l305 = "0,0,305,306,307,0,\r\n";
  SearchOptions o = kNoPlatformRule;
  const auto all = runSearch(rows, o);
  EXPECT_EQ(all.routes, l101 + l105 + l301 + l305);
  EXPECT_EQ(all.result.counters.connections, 6);

  for (const auto& [d, e, routes, told] :
       {std::tuple{Direction::OneWay, Electrification::All, l301 + l305,
                   "Ta trasa jest dwukierunkowa."},
        {Direction::TwoWay, Electrification::All, l101 + l105, "Ta trasa jest jednokierunkowa."},
        {Direction::All, Electrification::Yes, l101 + l301, "Ta trasa nie jest zelektryfikowana."},
        {Direction::All, Electrification::No, l105 + l305, "Ta trasa jest zelektryfikowana."}}) {
    o.direction = d;
    o.electrification = e;
    EXPECT_EQ(runSearch(rows, o).routes, routes);
    const auto asked = runSearch(rows, o, true);
    EXPECT_EQ(asked.routes, routes);
    EXPECT_EQ(std::ranges::count(asked.host.asked, std::string(told), &Message::text), 2) << told;
  }
}

// A platform whose ends are joined by a loop: from either end the route comes back to the
// other end of its own object. Both directions are kept as twins, and both repeat the object.
const std::vector<std::string> kPlatformLoop{"0 0  0  0  0  0  0",  //
                                             "0 0  11 10 10 16 0", "0 33 0  0  0  0  32",
                                             "0 34 0  0  0  0  35", "0 0  15 21 5  21 0"};
const std::string kPlatformLoopRoutes =
    "1,1,403,402,301,201,102,103,104,105,206,306,405,0,\r\n"
    "1,1,405,306,206,105,104,103,102,201,301,402,403,0,\r\n";

TEST(Recording, ARouteBackToItsOwnPlatformRepeatsAnElement) {
  SearchOptions o = kNoPlatformRule;
  const auto told = runSearch(kPlatformLoop, o);
  EXPECT_EQ(told.routes, "");
  EXPECT_EQ(told.host.asked[0].text, "Powtarzające się elementy w trasie. (403)");
  EXPECT_EQ(told.host.asked[1].text, "Powtarzające się elementy w trasie. (405)");

  const auto ok = runSearch(kPlatformLoop, o, true);
  EXPECT_EQ(ok.routes, kPlatformLoopRoutes);
  EXPECT_EQ(ok.host.asked[0].title, "Błąd");
  EXPECT_EQ(ok.host.asked[0].buttons, Buttons::OkCancel);
  EXPECT_EQ(runSearch(kPlatformLoop, o, true, {Answer::Cancel, Answer::Cancel}).routes, "");

  o.allowRepeats = true;
  const auto allowed = runSearch(kPlatformLoop, o);
  EXPECT_EQ(allowed.routes, kPlatformLoopRoutes);
  EXPECT_EQ(allowed.host.asked.size(), 1u);
}

// A loop that crosses itself on a diamond crossing between two stopping points.
const std::vector<std::string> kCrossingLoop{
    "0 0  0  0  0  0  0",  //
    "0 0  11 16 0  0  0", "0 33 0  0  32 0  0", "0 34 0  0  49 0  0", "0 0  13 0  35 0  0",
    "0 0  0  23 0  0  0", "0 0  14 0  13 0  0", "0 21 0  0  0  15 21"};

TEST(Recording, ACrossingPassedTwiceIsAWarningInConfirmMode) {
  const auto told = runSearch(kCrossingLoop);
  EXPECT_EQ(told.routes, "");
  EXPECT_EQ(told.host.asked[0].text, "Powtarzające się elementy w trasie. (503)");
  EXPECT_EQ(told.result.limitCount(MessageKind::RepeatedElements), 1);

  const auto ok = runSearch(kCrossingLoop, {}, true, {Answer::Ok, Answer::Yes});
  EXPECT_EQ(ok.routes, "1,1,701,602,503,404,304,204,103,102,201,301,402,503,604,705,706,0,\r\n");
  EXPECT_EQ(ok.host.asked[0].title, "Ostrzeżenie");
  EXPECT_EQ(
      ok.host.asked[0].text.rfind("Trasa dwa razy prowadzi przez element typu krzyżowego.", 0), 0u);
  EXPECT_EQ(ok.host.asked[1].title, "Trasa");
  EXPECT_EQ(ok.host.entries("repeated"),
            (std::vector<std::string>{"repeated 3,5 blue", "repeated 3,5 orange"}));

  const auto cancel = runSearch(kCrossingLoop, {}, true, {Answer::Cancel});
  EXPECT_EQ(cancel.routes, "");
  EXPECT_EQ(cancel.result.end, SearchEnd::Completed);  // only that route is rejected
  EXPECT_EQ(cancel.host.asked.size(), 2u);             // the warning and the summary
}

TEST(Recording, ThePlatformRuleTellsWhichEndIsWrong) {
  const std::vector<std::string> rows{"0 0  0  0  0 0  0  0",  //
                                      "0 22 10 21 3 21 10 52", "0 0  0  0  0 0  0  0",
                                      "0 52 10 21 3 21 10 22"};
  const auto run = runSearch(rows, {}, true);
  EXPECT_EQ(run.routes, "1,1,105,106,107,0,\r\n1,1,301,302,303,0,\r\n");
  std::vector<std::string> told;
  for (const Message& m : run.host.asked) told.push_back(m.text);
  told.pop_back();  // the summary
  const std::string question = "Zaliczyć trasę dwukierunkową, zelektryfikowaną,\r\n od punktu ";
  EXPECT_EQ(told, (std::vector<std::string>{"Trasa nie prowadzi z żadnego wjazdu na ten peron.",
                                            "Trasa nie prowadzi z żadnego peronu na ten wyjazd.",
                                            question + "105 do punktu 107 do właściwych tras?",
                                            question + "301 do punktu 303 do właściwych tras?",
                                            "Trasa nie prowadzi z tego wjazdu na żaden peron.",
                                            "Trasa nie prowadzi z tego peronu na żaden wyjazd."}));
  EXPECT_EQ(runSearch(rows).routes, run.routes);
}

const std::vector<std::string> kSwitch{"0 0  0  0  0  0",  //
                                       "0 21 10 19 10 21", "0 0  0  0  21 0"};

TEST(Recording, TheQuestionShowsTheRouteCountsTheAnswersAndCancelEndsTheSearch) {
  const auto run = runSearch(kSwitch, {}, true, {Answer::No, Answer::Yes});
  EXPECT_EQ(run.routes, "1,1,101,102,103,204,0,\r\n");
  EXPECT_EQ(run.result.counters.improper, 1);
  // The first start port, as the window sees it.
  const std::vector<std::string> first(run.host.log.begin(), run.host.log.begin() + 18);
  EXPECT_EQ(first, (std::vector<std::string>{
                       "counters 0 0", "flags 00", "progress 0/3", "progress 1/3",
                       "marker 1,1 5 blue", "counters 1 0", "flags 11", "show 5", "ask Trasa",
                       "restore 5", "counters 2 0", "flags 11", "show 4", "ask Trasa",
                       "counters 2 1", "restore 4", "marker 1,1 5 red", "yield"}));
  EXPECT_EQ(run.host.asked.back().text,
            "Znaleziono:\r\n• 4 połączeń oraz\r\n• 1 właściwych tras i\r\n• 1 niewłaściwych tras.");

  // Cancel ends the search at once, the route shown restored.
  const auto cancel = runSearch(kSwitch, {}, true, {Answer::Yes, Answer::Cancel});
  EXPECT_EQ(cancel.routes, "1,1,101,102,103,104,105,0,\r\n");
  EXPECT_EQ(cancel.result.end, SearchEnd::Aborted);
  EXPECT_EQ(cancel.host.entries("progress").back(), "progress 1/3");
  EXPECT_EQ(cancel.host.entries("yield").size(), 0u);
  EXPECT_EQ(cancel.host.log[cancel.host.log.size() - 2], "marker 1,1 5 red");
  EXPECT_EQ(cancel.host.asked.back().title, "Szlakownik - OK");
  // Cancelled with a branch still waiting: the walk was stopped, not given up.
  EXPECT_EQ(runSearch(kSwitch, {}, true, {Answer::Cancel}).host.asked.size(), 2u);
}

TEST(RouteFile, ARefusedNameOrFileStopsTheSearchBeforeTheWalkAFailedWriteIsReported) {
  for (const char* name : {"", "a/b", ".", ".."}) {
    const auto run = runSearch(kSwitch, {.routeFileBase = name, .passages = {}});
    EXPECT_EQ(run.result.end, SearchEnd::Refused) << name;
    EXPECT_EQ(run.host.log, std::vector<std::string>{"ask Błąd"}) << name;
  }

  TempDir dir;
  writeFile(dir / "plik", "x");
  Station st = stationFromRows(kSwitch);
  PrzygotujStacje(st, {});
  st.StationDir = (dir / "plik").string() + "/";  // a folder that cannot exist
  ScriptedHost refused;
  EXPECT_EQ(Wyszukaj(st, {}, false, refused).end, SearchEnd::Refused);
  EXPECT_EQ(refused.log, std::vector<std::string>{"ask Błąd"});
  EXPECT_NE(refused.asked[0].text.find(st.StationDir + "trasy.txt"), std::string::npos);

#ifndef _WIN32
  // A device would swallow the routes (or refuse them all): it is no route file.
  st.StationDir = dir.path().string() + "/";
  for (const char* device : {"/dev/null", "/dev/full"}) {
    std::filesystem::remove(dir / "trasy.txt");
    std::filesystem::create_symlink(device, dir / "trasy.txt");
    ScriptedHost swallowed;
    EXPECT_EQ(Wyszukaj(st, {}, false, swallowed).end, SearchEnd::Refused) << device;
    EXPECT_EQ(swallowed.log, std::vector<std::string>{"ask Błąd"}) << device;
  }
#endif
}

}  // namespace
}  // namespace szl::test
