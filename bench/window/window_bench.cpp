// The window's share of the work: a search without questions driven through the main window
// against the same search in the core alone, and a full redraw of the station view.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <filesystem>

#include "edit/grid_edit.h"
#include "model/preparation.h"
#include "search/route_search.h"
#include "stationfile/station_reader.h"
#include "ui/main/frm_main.h"
#include "ui/main/grid_editing.h"

namespace {

namespace fs = std::filesystem;

// Answers every box with OK and shows nothing.
class SilentPrompts : public szl::ui::Prompts {
 public:
  szl::Answer message(QWidget*, const szl::Message&) override { return szl::Answer::Ok; }
};

class SilentHost : public szl::SearchHost {
 public:
  szl::Answer ask(const szl::Message&) override { return szl::Answer::Ok; }
};

// A copy of the station in a fresh folder, so the route file lands there.
std::string copyOf(const std::string& source) {
  const fs::path dir = fs::temp_directory_path() / "szl-window-bench";
  fs::create_directories(dir);
  const fs::path target = dir / fs::path(source).filename();
  fs::copy_file(source, target, fs::copy_options::overwrite_existing);
  return target.string();
}

std::string stationPath(int which) {
  return which == 0 ? std::string(SZL_TEST_DATA) + "/reference/terminal_57x32.stc"
                    : std::string(SZL_EXAMPLES) + "/Wierzbnica.stc";
}

void CoreSearch(benchmark::State& state) {
  szl::LoadResult res = szl::WczytajStacje(copyOf(stationPath(static_cast<int>(state.range(0)))));
  szl::Station st = std::move(*res.station);
  const szl::SearchOptions options;
  szl::PrzygotujStacje(st, options.passages);
  SilentHost host;
  for (auto _ : state) benchmark::DoNotOptimize(szl::Wyszukaj(st, options, false, host));
}

void WindowSearch(benchmark::State& state) {
  SilentPrompts prompts;
  szl::ui::frmMain w(&prompts);
  w.start(QString::fromStdString(copyOf(stationPath(static_cast<int>(state.range(0))))));
  w.cmdNoTrim_Click();
  w.cmdAnalyze_Click();
  for (auto _ : state) w.cmdStartNoCfm_Click();
}

void FullRedraw(benchmark::State& state) {
  SilentPrompts prompts;
  szl::ui::frmMain w(&prompts);
  w.start(QString::fromStdString(copyOf(stationPath(static_cast<int>(state.range(0))))));
  w.cmdNoTrim_Click();
  for (auto _ : state) w.view()->drawStation(true);
}

// One cell painted in the edit stage, as one stroke: the edit made and applied, its cells
// drawn again and the view repainted; with the check's findings framed on the view the
// check runs after it as well (arg 1). All of it must fit a 16 ms frame.
void PaintOneCell(benchmark::State& state) {
  SilentPrompts prompts;
  szl::ui::frmMain w(&prompts);
  w.start(QString::fromStdString(copyOf(stationPath(0))));
  w.cmdNoTrim_Click();
  w.show();
  szl::ui::GridEditing& editing = w.gridEditing();
  editing.mnuEdycja->trigger();
  if (state.range(0) != 0) editing.mnuUsterki->trigger();
  const szl::Station& st = *w.station();
  const std::pair<int, int> cell[] = {{st.ColCount() / 2, st.RowCount() / 2}};
  int16_t code = 10;
  for (auto _ : state) {
    editing.push(szl::GridEditor::paint(st, cell, code));
    w.view()->repaint();
    code = code == 10 ? 12 : 10;
  }
}

BENCHMARK(PaintOneCell)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
BENCHMARK(CoreSearch)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(WindowSearch)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(FullRedraw)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
