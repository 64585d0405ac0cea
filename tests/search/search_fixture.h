// A host that answers from a script and writes down what it was told, and ways to run the
// search on a station drawn in the test.
#pragma once

#include <algorithm>
#include <deque>
#include <string>
#include <utility>
#include <vector>

#include "model/preparation.h"
#include "search/route_search.h"
#include "support/test_support.h"

namespace szl::test {

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

  std::vector<std::string> texts() const {
    std::vector<std::string> t;
    for (const Message& m : asked) t.push_back(m.text);
    return t;
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
inline SearchOptions withoutPlatformRule() {
  SearchOptions o;
  o.platformRule = false;
  return o;
}

struct SearchRun {
  SearchResult result;
  std::string routes;  // the route file as written
  ScriptedHost host;
};

// Prepares the station with the options' passage switches and searches it in a fresh folder.
inline SearchRun runSearch(Station st, const SearchOptions& opt = {}, bool confirm = false,
                           std::vector<Answer> answers = {}) {
  TempDir dir;
  st.StationDir = dir.path().string() + "/";
  PrzygotujStacje(st, opt.passages);
  SearchRun run{{}, {}, ScriptedHost(std::move(answers))};
  run.result = Wyszukaj(st, opt, confirm, run.host);
  run.routes = readFile(run.result.routeFile);
  return run;
}

inline SearchRun runSearch(const std::vector<std::string>& rows, const SearchOptions& opt = {},
                           bool confirm = false, std::vector<Answer> answers = {}) {
  return runSearch(stationFromRows(rows), opt, confirm, std::move(answers));
}

using Path = std::vector<std::pair<int, int>>;

// A station of 63 x 12 holding the path, each cell the element that joins it to its neighbours
// on the path, with a stopping point at each end.
inline Station pathStation(const Path& path) {
  std::vector<std::vector<int>> masks(12, std::vector<int>(63, 0));
  for (size_t i = 0; i + 1 < path.size(); ++i) {
    const auto [x, y] = path[i];
    const auto [nx, ny] = path[i + 1];
    masks[y][x] |= 1 << (PortAtStep[nx - x + 1][ny - y + 1] - 1);
    masks[ny][nx] |= 1 << (PortAtStep[x - nx + 1][y - ny + 1] - 1);
  }
  std::vector<std::string> rows(12);
  for (int y = 0; y < 12; ++y)
    for (int x = 0; x < 63; ++x) {
      int code = std::pair{x, y} == path.front() || std::pair{x, y} == path.back() ? 21 : 0;
      for (const ElementPair& e : kElementPairs)
        if (code == 0 && masks[y][x] == e.mask) code = e.code;
      rows[y] += std::to_string(code) + " ";
    }
  return stationFromRows(rows);
}

// `cells` cells winding east and west between columns 1 and 60, lanes three rows apart; fits
// a path station up to about 250 cells.
inline Path serpentine(int cells) {
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
inline std::string routeLine(const std::string& flags, const Path& path) {
  std::string s = flags + ",";
  for (const auto& [x, y] : path) s += std::to_string(y * 100 + x) + ",";
  return s + "0,\r\n";
}

}  // namespace szl::test
