// The route file check replays routes on the analysed station: every route the search writes on
// the reference stations fits, and a route from another grid or other passages is refused
// naming its line and why.
#include "select/route_file_check.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>

#include "model/preparation.h"
#include "stationfile/station_reader.h"
#include "support/test_support.h"

namespace szl {
namespace {

namespace fs = std::filesystem;

RouteFile routesOf(const fs::path& path, const Station& st) {
  RouteFileRead read = readRouteFile(path.string(), st);
  EXPECT_TRUE(read.file) << read.error;
  return read.file.value_or(RouteFile{});
}

// The passages of the reference option sets 1 to 4 (see optionsets.txt): only the fourth
// changes the analysis.
PassageSwitches referencePassages(int set) {
  PassageSwitches sw;
  if (set == 4) sw.throughPlatforms = sw.throughExits = false;
  return sw;
}

TEST(RouteFileCheck, EveryRouteTheSearchWroteFitsItsStation) {
  size_t checked = 0;
  for (const char* name :
       {"yard_14x7", "junction_20x10", "loop_28x13", "town_36x17", "hub_44x22", "terminal_57x32"}) {
    const fs::path ref = test::dataPath("reference") / name;
    const LoadResult loaded = WczytajStacje(ref.string() + ".stc");
    ASSERT_TRUE(loaded.station) << loaded.error;
    for (int set = 1; set <= 4; ++set) {
      Station st = *loaded.station;
      PrzygotujStacje(st, referencePassages(set));
      const fs::path routes = ref.string() + ".opt" + std::to_string(set) + ".routes";
      const RouteFile file = routesOf(routes, st);
      checked += file.routes.size();
      EXPECT_EQ(routeFileMisfit(file, st, "trasy.txt"), "") << routes;
    }
  }
  EXPECT_GT(checked, 10000u);
}

// An entry (201) to a platform (203-205), the platform to an exit (210), and through the
// platform and a switch's diverging track (207, 108) to sidings (point 9); below, sidings (403)
// between an entry and an exit.
const std::vector<std::string> kRows = {
    "0 0 0 0 0 0 0 0 0 22 0",          //
    "0 0 0 0 0 0 0 0 14 0 0",          //
    "0 51 10 21 1 21 10 12 10 10 51",  //
    "0 1 0 0 0 0 0 0 0 0 2",           //
    "0 51 10 22 10 10 51 0 0 0 0",     //
};
const std::string kRoutes =
    "0,1,201,202,203,0,\r\n"
    "0,1,205,206,207,208,209,210,0,\r\n"
    "0,1,201,202,203,204,205,206,207,108,9,0,\r\n";

TEST(RouteFileCheck, ARouteTheSearchCouldNotWalkNamesItsLineAndWhy) {
  test::TempDir dir;
  struct Case {
    std::string extra;        // a fourth route line
    const char* change = "";  // "x,y=code": a cell changed since the search
    bool platformsClosed = false;
    std::string says = "";
  };
  const Case cases[] = {
      {""},
      {"0,1,201,203,204,0,", "", false, "4 punkty 201 i 203 nie są sąsiednimi polami"},
      {"0,1,9,108,207,208,209,210,0,", "", false,
       "4 w punkcie 207 nie da się przejechać od punktu 108 do punktu 208"},
      {"0,1,203,204,205,206,207,208,209,210,0,", "", false,
       "4 punkt 203, gdzie trasa się zaczyna, nie jest obiektem połączonym w stronę punktu 204"},
      {"0,1,203,202,201,0,", "", false,
       "4 trasa kończy się w punkcie 201, który nie jest połączonym obiektem przyjmującym "
       "trasę od strony punktu 202"},
      {"0,1,201,0,", "", false, "4 trasa ma tylko jeden punkt"},
      // Sidings let no route through unless the options say so.
      {"0,1,401,402,403,404,405,406,0,", "", false,
       "4 w punkcie 403 nie da się przejechać od punktu 402 do punktu 404"},
      // The platform no longer lets routes through.
      {"", "", true, "3 w punkcie 203 nie da się przejechać od punktu 202 do punktu 204"},
      // A track taken away, and one turned so that the switch's branch meets its closed side.
      {"", "8,2=0", false, "2 punkt 208 jest pustym polem"},
      {"", "8,1=13", false, "3 na punkt 108 nie da się wjechać od strony punktu 207"},
  };
  for (const Case& c : cases) {
    Station st = test::stationFromRows(kRows);
    int x = 0, y = 0, code = 0;
    if (std::sscanf(c.change, "%d,%d=%d", &x, &y, &code) == 3)
      st.setCode(x, y, static_cast<int16_t>(code));
    PassageSwitches sw;
    sw.throughPlatforms = !c.platformsClosed;
    PrzygotujStacje(st, sw);
    test::writeFile(dir / "trasy.txt", kRoutes + (c.extra.empty() ? "" : c.extra + "\r\n"));
    const std::string misfit = routeFileMisfit(routesOf(dir / "trasy.txt", st), st, "T.txt");
    if (c.says.empty()) {
      EXPECT_EQ(misfit, "");
      continue;
    }
    EXPECT_EQ(misfit,
              "Plik z trasami T.txt nie pasuje do stacji i opcji wyszukiwania:\r\n"
              "w wierszu " +
                  c.says + ".");
  }
}

}  // namespace
}  // namespace szl
