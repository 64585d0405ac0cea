// Station files read as written by hand or by other editors, refused with a message that names
// the file, found by the paths an author's system writes; and the bundled example stations.
#include <gtest/gtest.h>
#ifndef _WIN32
#include <sys/stat.h>
#include <unistd.h>
#endif

#include <filesystem>
#include <set>
#include <vector>

#include "model/preparation.h"
#include "platform/system.h"
#include "search/route_file.h"
#include "search/route_search.h"
#include "select/route_selector.h"
#include "stationfile/save_file.h"
#include "stationfile/station_reader.h"
#include "stationfile/station_writer.h"
#include "support/test_support.h"

namespace szl {
namespace {

using test::TempDir;
using test::writeFile;

LoadResult load(const TempDir& dir, const std::string& name, const std::string& bytes) {
  writeFile(dir / name, bytes);
  return WczytajStacje((dir / name).string());
}

// The codes of the grid, rows parted by " / ".
std::string codes(const Station& st) {
  std::string s;
  for (int y = 0; y < st.RowCount(); ++y)
    for (int x = 0; x < st.ColCount(); ++x)
      s += (x ? " " : y ? " / " : "") + std::to_string(st.cell(x, y).Code);
  return s;
}

TEST(Reader, GridsAsWrittenByHandOrConvertedBetweenTextModes) {
  TempDir dir;
  const std::pair<std::string, std::string> cases[] = {
      {"0,\r\n3,4,\r\n0,0,0,0,\r\n0,10,10,0,\r\n0,0,0,0,\r\n", "0 0 0 0 / 0 10 10 0 / 0 0 0 0"},
      // Zero fields between the header and the sizes are skipped; trailing sections ignored.
      {"0,0,0,\r\n2,2,\r\n10,10,\r\n0,0,\r\n5,\r\n1,1,202,0,\r\n", "10 10 / 0 0"},
      // A grid line without its final comma shifts every later cell by one.
      {"0,\r\n2,2,\r\n10,10\r\n21,22,\r\n7,\r\n", "10 10 / 22 0"},
      // Lines ended by LF alone, blanks around fields, a missing last line end.
      {"0,\n1,3,\n 10 , ,10,", "10 0 10"},
      // A file converted twice between text modes: any run of line breaks is one break.
      {"0,\r\r\n2,3,\r\r\n0,0,0,\r\r\n0,21,10,\r\r\n", "0 0 0 / 0 21 10"},
      {"0,\n\r2,3,\n\r0,0,0,\n\r0,21,10,\n\r", "0 0 0 / 0 21 10"},
      {"0,\r\n\r\n2,3,\r\n\r\n0,0,0,\r\n\r\n0,21,10,\r\n\r\n", "0 0 0 / 0 21 10"},
  };
  for (const auto& [bytes, grid] : cases) {
    const auto res = load(dir, "s.stc", bytes);
    ASSERT_TRUE(res.station) << res.error;
    EXPECT_EQ(codes(*res.station), grid);
    // Nothing after the grid is read: comment and tick unit start afresh.
    EXPECT_TRUE(res.station->StationComment == kDefaultComment && res.station->TickIndex == 6);
  }
}

TEST(Reader, SizeMessagesAndPointZero) {
  TempDir dir;
  // Rows, columns, the code of cell (0, 0); the messages: size limit, screen, point 0.
  for (const auto& [rows, cols, first, told] : {std::tuple{32, 57, 0, "000"},
                                                {32, 58, 0, "100"},
                                                {35, 57, 0, "110"},
                                                {34, 59, 0, "100"},
                                                {2, 2, 9, "000"},
                                                {2, 2, 10, "001"}}) {
    Station st(cols, rows);
    st.setCode(0, 0, static_cast<int16_t>(first));
    const LoadInfo i = load(dir, "s.stc", test::gridText(st)).info;
    EXPECT_EQ(std::to_string(i.limitMessage) + std::to_string(i.screenMessage) +
                  std::to_string(i.point0Warning),
              told);
  }
  EXPECT_EQ(point0Message().text,
            "Pole w punkcie 0 nie jest puste. \r\nZe względu na format pliku stacji, \r\npunkt 0 "
            "nie może być częścią trasy.");
}

// Every refusal names the file, leaves no station behind, and says what is wrong.
TEST(Reader, BadInputIsRefusedWithAMessage) {
  TempDir dir;
  // The file's name, its bytes and a piece of the message.
  const std::tuple<const char*, std::string, const char*> cases[] = {
      {"empty.stc", "", "jest pusty"},
      {"header.stc", "0,\r\n", "niekompletny:\r\nkończy się w wierszu 1 pliku,"},
      {"nogrid.stc", "0,\r\n3,3,\r\n",
       "kończy się w wierszu 2 pliku, zanim kończy się siatka stacji (3 wiersze po 3 pola)"},
      {"nosize.stc", "0,\r\n0,0,\r\n0,0,\r\n", "liczbę wierszy i kolumn"},
      {"truncated.stc", "0,\r\n3,3,\r\n0,0,0,\r\n10,10,", "wierszu 4 pliku"},
      {"letters.stc", "0,\r\n2,2,\r\n0,1O,\r\n0,0,\r\n", "\"1O\" nie jest liczbą całkowitą"},
      {"decimal.stc", "0,\r\n2,2,\r\n0,1.5,\r\n0,0,\r\n", "wierszu 3 pliku"},
      {"big.stc", "0,\r\n2,2,\r\n0,40000,\r\n0,0,\r\n", "nie mieści się"},
      {"huge.stc", "0,\r\n2,99999999999999999999999,\r\n", "nie mieści się"},
      {"rows.stc", "0,\r\n401,2,\r\n", "ma 401 wierszy i 2 kolumny."},
      {"one.stc", "0,\r\n1,201,\r\n", "ma 1 wiersz i 201 kolumn."},
      {"absurd.stc", "0,\r\n32767,32767,\r\n", "otwiera najwyżej 200 kolumn i 400 wierszy"},
      {"negative.stc", "0,\r\n-3,4,\r\n", "ujemny rozmiar stacji: -3 wiersze i 4 kolumny."},
      {"columns.stc", "0,\r\n3,-4,\r\n", "ujemny rozmiar stacji: 3 wiersze i -4 kolumny."},
      // The lines an editor shows: a CR CR LF file names the line of a bad field.
      {"twice.stc", "0,\r\r\n2,2,\r\r\n0,0,\r\r\n0,x,\r\r\n", "w wierszu 4 pliku pole \"x\""},
      // Control bytes are shown, not printed as they are.
      {"control.stc", std::string("0,\r\n2,2,\r\n0,1\x01\0\x1b,\r\n", 19),
       "pole \"1\\x01\\x00\\x1B\" nie jest"},
      // Neither a field nor the head before the sizes runs on without end.
      {"field.stc", "0,\r\n2,2,\r\n" + std::string(100000, '7'), "jest dłuższe niż 64 znaki."},
      {"nuls.stc", std::string(100000, '\0'), "w wierszu 1 pliku pole \"\\x00\\x00"},
      {"zeros.stc", "0,\r\n" + std::string(100000, ',') + "2,2,\r\n",
       "w pierwszych 4096 bajtach nie podaje liczby wierszy i kolumn"},
  };
  for (const auto& [name, bytes, says] : cases) {
    const auto res = load(dir, name, bytes);
    EXPECT_FALSE(res.station) << name;
    EXPECT_NE(res.error.find(name), std::string::npos) << res.error;
    EXPECT_NE(res.error.find(says), std::string::npos) << name << ": " << res.error;
  }
}

TEST(Reader, FilesThatCannotBeOpened) {
  TempDir dir;
  std::filesystem::create_directory(dir / "folder.stc");
#ifdef _WIN32
  const auto nul = WczytajStacje("\\\\.\\NUL");
  EXPECT_NE(nul.error.find("to nie jest zwykły plik"), std::string::npos) << nul.error;
#else
  // A pipe would keep the reader waiting for ever, a device feed it without end.
  ASSERT_EQ(::mkfifo((dir / "pipe.stc").c_str(), 0600), 0);
  std::filesystem::create_symlink("/dev/zero", dir / "zero.stc");
  writeFile(dir / "locked.stc", "0,\r\n1,1,\r\n0,\r\n");
  ::chmod((dir / "locked.stc").c_str(), 0);
  for (const auto& [name, why] :
       {std::pair{"missing.stc", "nie istnieje"},
        {"folder.stc", "katalog"},
        {"pipe.stc", "to nie jest zwykły plik"},
        {"zero.stc", "to nie jest zwykły plik"},
        {"locked.stc", ::geteuid() ? "uprawnień" : ""}}) {  // root reads anything
    const auto res = WczytajStacje((dir / name).string());
    EXPECT_EQ(!res.station, *why != 0) << name;
    EXPECT_NE(res.error.find(why), std::string::npos) << res.error;
  }
#endif
}

namespace fs = std::filesystem;
using test::readFile;

// Folders named with Polish letters; on Windows both slashes, drive letters and device names.
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
  test::Quiet quiet;
  EXPECT_EQ(Wyszukaj(st, {}, false, quiet).end, SearchEnd::Completed);
  EXPECT_TRUE(readFile(folder / "trasy.txt") ==
              readFile(test::dataPath("reference/yard_14x7.opt1.routes")));

  // The route file is read there, and the grid-only file replaced by the saved one with nothing
  // else left in the folder.
  const std::string routes = routeFilePath(st, SearchOptions{});
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

// The examples load, are written the way the program writes a grid, a search finds their routes
// without running into a limit, and together they show every kind of object and element an
// author meets.

TEST(Examples, WellFormedSearchedWithoutALimitAndShowingEveryKind) {
  std::vector<fs::path> files;
  for (const auto& e : fs::directory_iterator(SZL_EXAMPLES))
    if (e.path().extension() == ".stc") files.push_back(e.path());
  std::set<int> codes;
  bool fullSize = false, platformGroup = false, singleStop = false, goodsGroup = false,
       slip = false, unwired = false;
  for (const fs::path& p : files) {
    test::TempDir dir;
    const LoadResult res = WczytajStacje(p.string());
    ASSERT_TRUE(res.station) << p << ": " << res.error;
    EXPECT_FALSE(res.info.limitMessage || res.info.point0Warning) << p;
    Station st = *res.station;
    // A missing comma or a bare LF would still load, but shifted; the bytes tell.
    EXPECT_EQ(test::readFile(p), test::gridText(st)) << p;
    fullSize |= st.ColCount() == kSimulatorColumns && st.RowCount() == kSimulatorRows;

    PrzygotujStacje(st, PassageSwitches{});
    for (const CellRec& c : st.Cells) {
      codes.insert(c.Code);
      const int base = c.Code >= 100 ? c.Code / 10 : c.Code;
      platformGroup |= base == 21 && c.InObject == 1;
      singleStop |= base == 21 && c.InObject == 0;
      goodsGroup |= base == 53 && c.InObject == 1;
      slip |= c.Code >= 24 && c.Code <= 27;
      unwired |= c.Code >= 100 && elementRow(c.Code) >= 0;
    }

    st.StationDir = dir.path().string() + "/";
    test::Quiet host;
    const SearchResult r = Wyszukaj(st, {}, false, host);
    EXPECT_EQ(r.end, SearchEnd::Completed) << p;
    for (MessageKind k : {MessageKind::StackOverflow, MessageKind::SegmentOverflow,
                          MessageKind::RouteTooLong, MessageKind::RepeatedElements})
      EXPECT_EQ(r.limitCount(k), 0) << p;
  }
  EXPECT_TRUE(fullSize) << "one example should use the simulator's full 57 x 32";
  // Slip crossings and track without overhead wire among them.
  EXPECT_TRUE(platformGroup && singleStop && goodsGroup && slip && unwired);
  for (int c : {22, 48, 50, 51, 52, 23, 12, 18, 19, 20})
    EXPECT_TRUE(codes.count(c) || codes.count(c * 10)) << "no example holds code " << c;
}

}  // namespace
}  // namespace szl
