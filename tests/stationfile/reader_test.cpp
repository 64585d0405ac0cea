#include <gtest/gtest.h>
#ifndef _WIN32
#include <sys/stat.h>
#include <unistd.h>
#endif

#include "stationfile/station_reader.h"
#include "support/test_support.h"

namespace szl {
namespace {

using test::TempDir;
using test::writeFile;

LoadResult load(const TempDir& dir, const std::string& name, const std::string& bytes) {
  writeFile(dir / name, bytes);
  return WczytajStacje((dir / name).string());
}

TEST(Reader, SmallStation) {
  TempDir dir;
  const auto res = load(dir, "small.stc", "0,\r\n3,4,\r\n0,0,0,0,\r\n0,10,10,0,\r\n0,0,0,0,\r\n");
  ASSERT_TRUE(res.station) << res.error;
  const Station& st = *res.station;
  EXPECT_EQ(st.RowCount(), 3);
  EXPECT_EQ(st.ColCount(), 4);
  EXPECT_EQ(st.cell(1, 1).Code, 10);
  EXPECT_EQ(st.cell(2, 1).Code, 10);
  EXPECT_EQ(st.link(1, 1, 5), kLink);
  EXPECT_EQ(st.link(2, 1, 4), kLink);
  EXPECT_EQ(st.StationDir, (dir.path() / "").string());
  EXPECT_EQ(st.StationFile, "small.stc");
  EXPECT_FALSE(res.info.limitMessage);
  EXPECT_FALSE(res.info.point0Warning);
  // Nothing after the grid is read: comment, tick unit and object data start afresh.
  EXPECT_EQ(st.StationComment, kDefaultComment);
  EXPECT_EQ(st.TickIndex, 6);
}

TEST(Reader, TokenizerRules) {
  TempDir dir;
  // Zero fields between the header and the sizes are skipped; trailing sections are ignored.
  auto res = load(dir, "zeros.stc", "0,0,0,\r\n2,2,\r\n10,10,\r\n0,0,\r\n5,\r\n1,1,202,0,\r\n");
  ASSERT_TRUE(res.station) << res.error;
  EXPECT_EQ(res.station->cell(1, 0).Code, 10);

  // A grid line without its final comma shifts every later cell by one.
  res = load(dir, "shift.stc", "0,\r\n2,2,\r\n10,10\r\n21,22,\r\n7,\r\n");
  ASSERT_TRUE(res.station) << res.error;
  EXPECT_EQ(res.station->cell(0, 1).Code, 22);
  EXPECT_EQ(res.station->cell(1, 1).Code, 0);

  // Lines ended by LF alone, blanks around fields, a missing last line end.
  res = load(dir, "lf.stc", "0,\n1,3,\n 10 , ,10,");
  ASSERT_TRUE(res.station) << res.error;
  EXPECT_EQ(res.station->cell(0, 0).Code, 10);
  EXPECT_EQ(res.station->cell(1, 0).Code, 0);
  EXPECT_EQ(res.station->cell(2, 0).Code, 10);
}

TEST(Reader, NameRule) {
  EXPECT_EQ(splitStationPath("/a/b/STACJA.STC").file, "STACJA.STC");
  EXPECT_EQ(splitStationPath("/a/b/STACJA.STC").dir, "/a/b/");
  EXPECT_EQ(splitStationPath("/a/Poznanx").file, "Poznanx.stc");
  EXPECT_EQ(splitStationPath("/a/abc").file, "abc");
  EXPECT_EQ(splitStationPath("stacja").dir, "");

  TempDir dir;
  writeFile(dir / "Kutno.stc", "0,\r\n1,1,\r\n0,\r\n");
  const auto res = WczytajStacje((dir / "Kutno").string());
  ASSERT_TRUE(res.station) << res.error;
  EXPECT_EQ(res.station->StationFile, "Kutno.stc");
}

TEST(Reader, SizeMessagesAndPointZero) {
  TempDir dir;
  auto grid = [](int rows, int cols, int first) {
    std::string s = "0,\r\n" + std::to_string(rows) + "," + std::to_string(cols) + ",\r\n";
    for (int y = 0; y < rows; ++y) {
      for (int x = 0; x < cols; ++x) s += (x == 0 && y == 0) ? std::to_string(first) + "," : "0,";
      s += "\r\n";
    }
    return s;
  };
  auto res = load(dir, "a.stc", grid(32, 57, 0));
  EXPECT_FALSE(res.info.limitMessage);
  EXPECT_FALSE(res.info.screenMessage);
  res = load(dir, "b.stc", grid(32, 58, 0));
  EXPECT_TRUE(res.info.limitMessage);
  EXPECT_FALSE(res.info.screenMessage);
  res = load(dir, "c.stc", grid(35, 57, 0));
  EXPECT_TRUE(res.info.limitMessage);
  EXPECT_TRUE(res.info.screenMessage);
  res = load(dir, "d.stc", grid(2, 2, 9));
  EXPECT_FALSE(res.info.point0Warning);
  res = load(dir, "e.stc", grid(2, 2, 10));
  EXPECT_TRUE(res.info.point0Warning);
  EXPECT_EQ(point0Message().text,
            "Pole w punkcie 0 nie jest puste. \r\nZe względu na format pliku stacji, \r\npunkt 0 "
            "nie może być częścią trasy.");
}

// Every refusal names the file, leaves no station behind, and says what is wrong.
TEST(Reader, BadInputIsRefusedWithAMessage) {
  TempDir dir;
  struct Case {
    const char* name;
    std::string bytes;
    const char* expect;  // a piece of the message
  };
  const Case cases[] = {
      {"empty.stc", "", "jest pusty"},
      {"header.stc", "0,\r\n", "niekompletny:\r\nkończy się w wierszu 1,"},
      {"nogrid.stc", "0,\r\n3,3,\r\n",
       "kończy się w wierszu 2, zanim kończy się siatka stacji "
       "(3 wiersze po 3 pola)"},
      {"nosize.stc", "0,\r\n0,0,\r\n0,0,\r\n", "liczbę wierszy i kolumn"},
      {"truncated.stc", "0,\r\n3,3,\r\n0,0,0,\r\n10,10,", "wierszu 4"},
      {"letters.stc", "0,\r\n2,2,\r\n0,1O,\r\n0,0,\r\n", "\"1O\" nie jest liczbą całkowitą"},
      {"decimal.stc", "0,\r\n2,2,\r\n0,1.5,\r\n0,0,\r\n", "wierszu 3"},
      {"big.stc", "0,\r\n2,2,\r\n0,40000,\r\n0,0,\r\n", "nie mieści się"},
      {"huge.stc", "0,\r\n2,99999999999999999999999,\r\n", "nie mieści się"},
      {"cols.stc", "0,\r\n2,201,\r\n", "201 kolumn"},
      {"rows.stc", "0,\r\n401,2,\r\n", "ma 401 wierszy i 2 kolumny."},
      {"one.stc", "0,\r\n1,201,\r\n", "ma 1 wiersz i 201 kolumn."},
      {"absurd.stc", "0,\r\n32767,32767,\r\n", "otwiera najwyżej 200 kolumn i 400 wierszy"},
      {"negative.stc", "0,\r\n-3,4,\r\n", "ujemny rozmiar stacji: -3 wiersze i 4 kolumny."},
      // Control bytes are shown, not printed as they are.
      {"control.stc", std::string("0,\r\n2,2,\r\n0,1\x01\0\x1b,\r\n", 19),
       "pole \"1\\x01\\x00\\x1B\" nie jest"},
      // Neither a field nor the head before the sizes runs on without end.
      {"field.stc", "0,\r\n2,2,\r\n" + std::string(100000, '7'), "jest dłuższe niż 64 znaki."},
      {"nuls.stc", std::string(100000, '\0'), "w wierszu 1 pole \"\\x00\\x00"},
      {"zeros.stc", "0,\r\n" + std::string(100000, ',') + "2,2,\r\n",
       "w pierwszych 4096 bajtach nie podaje liczby wierszy i kolumn"},
  };
  for (const auto& c : cases) {
    const auto res = load(dir, c.name, c.bytes);
    EXPECT_FALSE(res.station) << c.name;
    EXPECT_NE(res.error.find(c.name), std::string::npos) << res.error;
    EXPECT_NE(res.error.find(c.expect), std::string::npos) << c.name << ": " << res.error;
  }
  // Exactly the largest size that keeps point numbers unique is taken.
  std::string edge = "0,\r\n327,100,\r\n";
  for (int y = 0; y < 327; ++y) edge += std::string(100, ',') + "\r\n";  // empty fields are 0
  const auto res = load(dir, "edge.stc", edge);
  EXPECT_TRUE(res.station) << res.error;
}

// A file converted twice between text modes ends its lines with CR CR LF or LF CR: any run of
// line-break characters is one break, and the grid is the same as in the CR LF original.
TEST(Reader, AnyRunOfLineBreaksIsOneBreak) {
  TempDir dir;
  const std::string original = test::stationFileText({"0 0  0  0  0  0",  //
                                                      "0 21 10 19 10 21", "0 0  0  0  21 0"});
  const auto crlf = load(dir, "crlf.stc", original);
  ASSERT_TRUE(crlf.station) << crlf.error;
  for (const std::string breaks : {"\r\r\n", "\n\r", "\r\n\r\n"}) {
    std::string text;
    for (const char c : original) {
      if (c == '\n') text += breaks;
      if (c != '\r' && c != '\n') text += c;
    }
    const auto res = load(dir, "twice.stc", text);
    ASSERT_TRUE(res.station) << res.error;
    EXPECT_EQ(res.station->ColCount(), crlf.station->ColCount());
    EXPECT_EQ(res.station->RowCount(), crlf.station->RowCount());
    for (int y = 0; y < crlf.station->RowCount(); ++y)
      for (int x = 0; x < crlf.station->ColCount(); ++x)
        EXPECT_EQ(res.station->cell(x, y).Code, crlf.station->cell(x, y).Code) << x << "," << y;
  }
  // The lines an editor shows: a CR CR LF file still names the line of a bad field.
  const auto res = load(dir, "bad.stc", "0,\r\r\n2,2,\r\r\n0,0,\r\r\n0,x,\r\r\n");
  EXPECT_NE(res.error.find("w wierszu 4 pole \"x\""), std::string::npos) << res.error;
}

TEST(Reader, FilesThatCannotBeOpened) {
  TempDir dir;
  auto res = WczytajStacje((dir / "missing.stc").string());
  EXPECT_FALSE(res.station);
  EXPECT_NE(res.error.find("nie istnieje"), std::string::npos) << res.error;

  std::filesystem::create_directory(dir / "folder.stc");
  res = WczytajStacje((dir / "folder.stc").string());
  EXPECT_NE(res.error.find("katalog"), std::string::npos) << res.error;

  // A pipe would keep the reader waiting for ever, a device feed it without end.
#ifdef _WIN32
  res = WczytajStacje("\\\\.\\NUL");
  EXPECT_NE(res.error.find("to nie jest zwykły plik"), std::string::npos) << res.error;
#else
  ASSERT_EQ(::mkfifo((dir / "pipe.stc").c_str(), 0600), 0);
  std::filesystem::create_symlink("/dev/zero", dir / "zero.stc");
  for (const char* name : {"pipe.stc", "zero.stc"}) {
    res = WczytajStacje((dir / name).string());
    EXPECT_FALSE(res.station);
    EXPECT_NE(res.error.find("to nie jest zwykły plik"), std::string::npos) << res.error;
  }

  if (::geteuid() != 0) {  // root reads anything
    writeFile(dir / "locked.stc", "0,\r\n1,1,\r\n0,\r\n");
    ::chmod((dir / "locked.stc").c_str(), 0);
    res = WczytajStacje((dir / "locked.stc").string());
    EXPECT_NE(res.error.find("uprawnień"), std::string::npos) << res.error;
  }
#endif
}

}  // namespace
}  // namespace szl
