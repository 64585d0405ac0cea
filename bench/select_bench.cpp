// The route selector on large inputs: preparing a route file of 100,000 routes, and the
// unique-point rule on a group of 300 long routes.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "select/route_selector.h"

namespace {

using szl::RouteSelector;
using szl::Station;

class QuietHost : public szl::SelectorHost {
 public:
  szl::Answer ask(const szl::Message& m) override {
    if (m.icon == szl::Icon::Critical) fprintf(stderr, "%s\n", m.text.c_str());
    return szl::Answer::Ok;
  }
};

Station trackStation(int cols, int rows) {
  Station st(cols, rows);
  for (int y = 1; y < rows; ++y)
    for (int x = 0; x < cols; ++x) st.setCode(x, y, static_cast<int16_t>(x % 7 == 3 ? 21 : 10));
  return st;
}

std::filesystem::path benchFile(const std::string& name) {
  return std::filesystem::temp_directory_path() /
         ("szl-bench-" + std::to_string(::getpid()) + "-" + name);
}

void writeRoute(std::ofstream& out, const std::vector<int>& points) {
  out << "1,1,";
  for (int p : points) out << p << ',';
  out << "0,\r\n";
}

int randomPoint(std::mt19937& rng, int cols, int rows) {
  const int x = static_cast<int>(rng() % static_cast<unsigned>(cols));
  const int y = 1 + static_cast<int>(rng() % static_cast<unsigned>(rows - 1));
  return y * 100 + x;
}

// 100,000 routes of 20 to 70 points (like the search writes for a large station) between 57
// starts and 57 ends: 3,249 groups.
void BM_Prepare100kRoutes(benchmark::State& state) {
  const Station st = trackStation(57, 32);
  const auto path = benchFile("trasy.txt");
  {
    std::mt19937 rng(7);
    std::ofstream out(path, std::ios::binary);
    for (int r = 0; r < 100000; ++r) {
      std::vector<int> pts{100 + static_cast<int>(rng() % 57)};
      const int len = 18 + static_cast<int>(rng() % 51);
      for (int k = 0; k < len; ++k) pts.push_back(randomPoint(rng, 57, 32));
      pts.push_back(3100 + static_cast<int>(rng() % 57));
      writeRoute(out, pts);
    }
  }
  QuietHost host;
  for (auto _ : state) {
    RouteSelector sel;
    if (!sel.Prepare(st, path.string(), host)) state.SkipWithError("refused");
    benchmark::DoNotOptimize(sel.table().routes.data());
  }
  state.counters["bytes"] = static_cast<double>(std::filesystem::file_size(path));
  std::filesystem::remove(path);
}
BENCHMARK(BM_Prepare100kRoutes)->Unit(benchmark::kMillisecond);

// 299 ticked routes of 150 points share most of their points and keep a few of their own;
// ticking the 300th checks all of them, then counts and marks its own unique points.
void BM_TickRule300x150(benchmark::State& state) {
  const Station st = trackStation(100, 60);
  const auto path = benchFile("grupa.txt");
  {
    std::mt19937 rng(11);
    std::vector<int> pool;
    for (int i = 0; i < 1000; ++i) pool.push_back(100 + i * 2);
    std::ofstream out(path, std::ios::binary);
    for (int r = 0; r < 300; ++r) {
      std::vector<int> pts{101};
      for (int k = 0; k < 140; ++k) pts.push_back(pool[rng() % pool.size()]);
      for (int k = 0; k < 8; ++k) pts.push_back(2200 + r * 8 + k + (r * 8 + k) / 99);
      pts.push_back(5999);
      writeRoute(out, pts);
    }
  }
  QuietHost host;
  RouteSelector sel;
  if (!sel.Prepare(st, path.string(), host)) state.SkipWithError("refused");
  sel.Edit(0, st, host);
  sel.setAllRoutesTicked(true, host);
  sel.changeRouteTick(299, false, 299, st, host);
  for (auto _ : state) {
    if (!sel.tickRoute(299, st, host)) state.SkipWithError("tick refused");
    sel.changeRouteTick(299, false, 299, st, host);
  }
  std::filesystem::remove(path);
}
BENCHMARK(BM_TickRule300x150)->Unit(benchmark::kMillisecond);

}  // namespace
