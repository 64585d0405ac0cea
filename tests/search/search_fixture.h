// A host that answers from a script and writes down what it was told, and a way to run the
// search on a station drawn in the test.
#pragma once

#include <deque>
#include <string>
#include <utility>
#include <vector>

#include "model/preparation.h"
#include "search/route_search.h"
#include "support/test_support.h"

namespace szl::test {

class ScriptedHost : public SearchHost {
 public:
  explicit ScriptedHost(std::vector<Answer> answers = {})
      : answers_(answers.begin(), answers.end()) {}

  Answer ask(const Message& m) override {
    asked.push_back(m);
    log.push_back("ask " + m.title);
    if (!answers_.empty()) {
      const Answer a = answers_.front();
      answers_.pop_front();
      return a;
    }
    return m.buttons == Buttons::YesNoCancel ? Answer::Yes : Answer::Ok;
  }
  void startMarker(int x, int y, int port, bool walked) override {
    log.push_back("marker " + xy(x, y) + " " + std::to_string(port) + (walked ? " red" : " blue"));
  }
  void showRoute(std::span<const RouteCell> r) override {
    log.push_back("show " + std::to_string(r.size()));
  }
  void restoreRoute(std::span<const RouteCell> r) override {
    log.push_back("restore " + std::to_string(r.size()));
  }
  void markRepeated(const RouteCell& c, bool asking) override {
    log.push_back("repeated " + xy(c.x, c.y) + (asking ? " blue" : " orange"));
  }
  void counters(const SearchCounters& c) override {
    log.push_back("counters " + std::to_string(c.connections) + " " + std::to_string(c.proper));
  }
  void routeFlags(bool twoWay, bool electrified) override {
    log.push_back(std::string("flags ") + (twoWay ? "1" : "0") + (electrified ? "1" : "0"));
  }
  void progress(int started, int total) override {
    log.push_back("progress " + std::to_string(started) + "/" + std::to_string(total));
  }
  void stackDepth(int depth) override { maxDepth = std::max(maxDepth, depth); }
  void yieldToUser() override { log.push_back("yield"); }

  // The texts asked, in order.
  std::vector<std::string> texts() const {
    std::vector<std::string> t;
    for (const Message& m : asked) t.push_back(m.text);
    return t;
  }
  // The log entries that start with `prefix`.
  std::vector<std::string> entries(const std::string& prefix) const {
    std::vector<std::string> out;
    for (const std::string& e : log)
      if (e.rfind(prefix, 0) == 0) out.push_back(e);
    return out;
  }

  std::vector<Message> asked;
  std::vector<std::string> log;
  int maxDepth = 0;

 private:
  static std::string xy(int x, int y) { return std::to_string(x) + "," + std::to_string(y); }
  std::deque<Answer> answers_;
};

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

// A station holding one path: a stopping point (21) at each end and between them the plain
// track that joins each cell to the next. Cells are (x, y) pairs, neighbours in order.
inline Station pathStation(const std::vector<std::pair<int, int>>& path, int cols, int rows) {
  std::vector<std::vector<int>> codes(rows, std::vector<int>(cols, 0));
  auto portTo = [](std::pair<int, int> a, std::pair<int, int> b) {
    return int(PortAtStep[b.first - a.first + 1][b.second - a.second + 1]);
  };
  for (size_t i = 0; i < path.size(); ++i) {
    const auto [x, y] = path[i];
    if (i == 0 || i + 1 == path.size()) {
      codes[y][x] = 21;
      continue;
    }
    const int mask =
        (1 << (portTo(path[i], path[i - 1]) - 1)) | (1 << (portTo(path[i], path[i + 1]) - 1));
    for (const ElementPair& e : kElementPairs)
      if (e.mask == mask) codes[y][x] = e.code;
  }
  std::vector<std::string> lines;
  for (const auto& row : codes) {
    std::string line;
    for (int c : row) line += std::to_string(c) + " ";
    lines.push_back(line);
  }
  return stationFromRows(lines);
}

// The route line of a path, as the route file holds it.
inline std::string routeLine(const std::string& flags,
                             const std::vector<std::pair<int, int>>& path) {
  std::string s = flags + ",";
  for (const auto& [x, y] : path) s += std::to_string(y * 100 + x) + ",";
  return s + "0,\r\n";
}

}  // namespace szl::test
