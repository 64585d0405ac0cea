// The station check of the largest reference station, to set beside its search-all
// (search_bench): the check must stay a small part of it.
#include <benchmark/benchmark.h>

#include <stdexcept>

#include "check/station_check.h"
#include "stationfile/station_reader.h"

namespace {

void BM_CheckTerminal(benchmark::State& state) {
  szl::LoadResult r =
      szl::WczytajStacje(std::string(SZL_TEST_DATA) + "/reference/terminal_57x32.stc");
  if (!r.station) throw std::runtime_error(r.error);
  for (auto _ : state) benchmark::DoNotOptimize(szl::checkStation(*r.station, {}));
}
BENCHMARK(BM_CheckTerminal)->Unit(benchmark::kMicrosecond);

}  // namespace
