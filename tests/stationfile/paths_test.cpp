// Paths as the author's system writes them: folders named with Polish letters, and on Windows
// both slashes, drive letters and the names Windows keeps for devices.
#include <gtest/gtest.h>

#include <filesystem>

#include "platform/system.h"
#include "search/route_file.h"
#include "search/search_fixture.h"
#include "select/route_selector.h"
#include "stationfile/save_file.h"
#include "stationfile/station_reader.h"
#include "stationfile/station_writer.h"

namespace szl {
namespace {

namespace fs = std::filesystem;
using test::readFile;

TEST(PolishFolder, AStationThereIsOpenedSearchedAndSavedOver) {
  test::TempDir dir;
  const fs::path folder = dir.path() / u8"Łódź Kaliska" / u8"żółte ślady";
  fs::create_directories(folder);
  fs::copy_file(test::dataPath("reference/yard_14x7.stc"), folder / u8"Ślęża.stc");
  const std::string station = sys::utf8Path(folder / u8"Ślęża.stc");

  LoadResult res = WczytajStacje(station.substr(0, station.size() - 4));  // found without .stc
  ASSERT_TRUE(res.station) << res.error;
  Station st = std::move(*res.station);
  EXPECT_EQ(st.StationDir, sys::utf8Path(folder / ""));
  EXPECT_EQ(st.StationFile, "Ślęża.stc");

  PrzygotujStacje(st, {});
  test::ScriptedHost host;
  EXPECT_EQ(Wyszukaj(st, {}, false, host).end, SearchEnd::Completed);
  EXPECT_TRUE(readFile(folder / "trasy.txt") ==
              readFile(test::dataPath("reference/yard_14x7.opt1.routes")));

  // The route file is read there, and the grid-only file replaced by the saved one with nothing
  // else left in the folder.
  const std::string routes = routeFilePath(st, SearchOptions{});
  test::Quiet quiet;
  RouteSelector sel;
  ASSERT_TRUE(sel.Prepare(st, routes, quiet));
  sel.Confirm();
  const std::string saved =
      stationFileBytes(st, sel.table(), *readRouteFile(routes, st).file, "podpis").bytes;
  ASSERT_EQ(saveFileAtomically(station, saved), 0);
  EXPECT_TRUE(readFile(folder / u8"Ślęża.stc") == saved);
  EXPECT_EQ(std::distance(fs::directory_iterator(folder), {}), 2);
}

TEST(PathsOnThisSystem, FoldersEndAtTheSystemsSeparatorsAndRouteFilesStayInThem) {
  // The folder, and the name with .stc added unless it ends so in any case.
  for (const auto& [path, split] : {std::pair{"a/b/Ślęża", "a/b/ Ślęża.stc"},
                                    {"/a/STACJA.STC", "/a/ STACJA.STC"},
                                    {"abc", " abc"},
#ifdef _WIN32
                                    {"C:\\Stacje\\Łódź.stc", "C:\\Stacje\\ Łódź.stc"},
                                    {"C:\\Stacje/Łódź.stc", "C:\\Stacje/ Łódź.stc"},
                                    {"D:Łódź.stc", "D: Łódź.stc"},
#else
                                    {"a\\b.stc", " a\\b.stc"},
#endif
                                    {"stacja", " stacja.stc"}}) {
    const StationPath p = splitStationPath(path);
    EXPECT_EQ(p.dir + " " + p.file, split);
  }
  EXPECT_TRUE(isRouteFileBase("trasy żółte"));
  EXPECT_FALSE(isRouteFileBase("../trasy"));
#ifdef _WIN32
  // Each of these would put the route file elsewhere, or into a device that swallows it.
  for (const char* base : {"a\\b", "c:trasy", "NUL", "con", "Com1", "lpt9.old", "trasy?", "a|b"})
    EXPECT_FALSE(isRouteFileBase(base)) << base;
  EXPECT_TRUE(isRouteFileBase("console"));
#else
  EXPECT_TRUE(isRouteFileBase("con"));
#endif
}

}  // namespace
}  // namespace szl
