// Paths as the author's system writes them: folders named with Polish letters, and on Windows
// both slashes, drive letters and the names Windows keeps for devices.
#include <gtest/gtest.h>

#include <filesystem>

#include "platform/system.h"
#include "search/route_file.h"
#include "search/search_fixture.h"
#include "select/route_selector.h"
#include "stationfile/carry_over.h"
#include "stationfile/save_file.h"
#include "stationfile/station_reader.h"
#include "stationfile/station_writer.h"

namespace szl {
namespace {

namespace fs = std::filesystem;
using test::readFile;

// The station file a save writes for `st`, its routes chosen as the selector does unasked.
std::string savedBytes(const Station& st, const std::string& routes) {
  test::Quiet quiet;
  RouteSelector sel;
  EXPECT_TRUE(sel.Prepare(st, routes, quiet));
  sel.Confirm();
  const RouteFileRead file = readRouteFile(routes, st);
  EXPECT_TRUE(file.file) << file.error;
  return stationFileBytes(st, sel.table(), *file.file, signatureLine("01.01.2024", "12:00")).bytes;
}

TEST(PolishFolder, AStationThereIsOpenedSearchedSavedOverAndOpenedAgain) {
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

  // The grid-only file is replaced by the saved one, and nothing else is left in the folder.
  const std::string saved = savedBytes(st, routeFilePath(st, SearchOptions{}));
  ASSERT_EQ(saveFileAtomically(station, saved), 0);
  EXPECT_TRUE(readFile(folder / u8"Ślęża.stc") == saved);
  EXPECT_EQ(std::distance(fs::directory_iterator(folder), {}), 2);

  res = WczytajStacje(station);
  ASSERT_TRUE(res.station && res.saved) << res.error << res.tailError;
  Station again = std::move(*res.station);
  takeSavedData(again, *res.saved);
  PrzygotujStacje(again, {});
  EXPECT_TRUE(savedBytes(again, again.StationDir + "trasy.txt") == saved);
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
