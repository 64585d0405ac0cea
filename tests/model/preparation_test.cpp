// The analysis: which cells form objects, how objects link to the tracks beside them, and what
// each object cell lets a route do, for small stations of every kind of object; and trimming.
#include "model/preparation.h"

#include <gtest/gtest.h>

#include <set>
#include <sstream>

#include "model/element_tables.h"
#include "model/trimming.h"
#include "support/test_support.h"

namespace szl {
namespace {

// Each cell as the analysis leaves it: its code, the flags InObject, Linked, TwoWay,
// Electrified and Passable ('.' when off), the object values that are not zero (B position in
// the group, C number, D direction, S side, E places) and the ports with a link (L) or a link
// inside the object (i). Empty cells are "_", track cells their code alone unless `tracks`;
// rows are parted by " / ".
std::string described(const Station& st, bool tracks = false) {
  std::string s;
  for (int y = 0; y < st.RowCount(); ++y)
    for (int x = 0; x < st.ColCount(); ++x) {
      const CellRec& c = st.cell(x, y);
      const ObjectRec& o = st.object(x, y);
      s += x ? " | " : y ? " / " : "";
      s += c.Code ? std::to_string(c.Code) : "_";
      if (c.Code == 0 || (elementRow(c.Code) >= 0 && !tracks)) continue;
      s += ":";
      const int flags[] = {c.InObject, c.Linked, c.TwoWay, c.Electrified, c.Passable};
      for (int k = 0; k < 5; ++k) s += flags[k] ? "OLTEP"[k] : '.';
      const int values[] = {o.ValueB, o.ValueC, o.Direction, o.Side, o.ValueE};
      for (int k = 0; k < 5; ++k)
        if (values[k]) s += std::string(" ") + "BCDSE"[k] + std::to_string(values[k]);
      for (int p = 1; p <= 8; ++p)
        if (st.link(x, y, p) != kNoLink)
          s += " " + std::to_string(p) + (st.link(x, y, p) == kLink ? "L" : "i");
    }
  return s;
}

PassageSwitches toggled(bool PassageSwitches::*which) {
  PassageSwitches sw;
  sw.*which = !(sw.*which);
  return sw;
}

struct Case {
  std::vector<std::string> rows;
  int links;
  std::string cells;
  PassageSwitches sw = {};
};

TEST(Preparation, ObjectsOfEveryKindAndTheirLinks) {
  // clang-format off
  const Case cases[] = {
      // A platform between two tracks, with and without passages through platforms.
      {{"10 21 4 21 10"}, 2,
       "10 | 21:OLTEP B1 C4 4L 5i | 4:OLTEP B2 C4 4i 5i | 21:OLTEP B3 C4 4i 5L | 10"},
      {{"10 21 4 21 10"}, 2, "10 | 21:OLTE. B1 C4 4L | 4:OLTE. B2 C4 | 21:OLTE. B3 C4 5L | 10",
       toggled(&PassageSwitches::throughPlatforms)},
      {{"10 210 4 210 10"}, 2,
       "10 | 210:OLT.P B1 C4 4L 5i | 4:OLT.P B2 C4 4i 5i | 210:OLT.P B3 C4 4i 5L | 10"},
      // Without a digit, and not a group: ends of different codes.
      {{"21 21 21"}, 0, "21:OLTEP B1 5i | 21:OLTEP B2 4i 5i | 21:OLTEP B3 4i"},
      {{"21 5 210"}, 0, "21:..TEP | 5:..... | 210:..T.P"},
      // A later triple overwrites the cells it shares with an earlier one.
      {{"21 21 21 21 21"}, 0,
       "21:OLTEP B1 5i | 21:OLTEP B1 4i 5i | 21:OLTEP B1 4i 5i | 21:OLTEP B2 4i 5i | 21:OLTEP B3 4i"},
      // 50 with its track on the east side is an exit, not linked; on the west an entry.
      {{"50 10"}, 0, "50:.L.EP D2 S1 | 10"},
      {{"10 50"}, 1, "10 | 50:.L.EP D1 S2 4L"},
      {{"51 10"}, 1, "51:.L.EP D1 S1 5L | 10"},
      {{"100 500"}, 1, "100 | 500:.L..P D1 S2 4L"},
      // An entry-exit takes the digit below it; the east side is examined last.
      {{"10 52 10", " 0  7  0"}, 2, "10 | 52:.LTEP C7 S1 4L 5L | 10 / _ | 7:..... | _"},
      // Digits on both sides: the east one is examined after the west one and wins.
      {{"3 50 4"}, 0, "3:..... | 50:.L.EP C4 | 4:....."},
      // The shed is closed by default, sidings hold 10.
      {{"10 48 10"}, 2, "10 | 48:.LTE. 4L 5L | 10"},
      {{"10 22"}, 1, "10 | 22:.LTE. E10 4L"},
      {{"100 220"}, 1, "100 | 220:.LT.. E10 4L"},
      // A stopping point under a vertical track: the track's port 7 faces its port 2. A lonely
      // one links nothing.
      {{"49", "21"}, 1, "49 / 21:.LTEP 2L"},
      {{"21 0 10"}, 0, "21:..TEP | _ | 10"},
  };
  // clang-format on
  for (const Case& c : cases) {
    Station st = test::stationFromRows(c.rows);
    PrzygotujStacje(st, c.sw);
    const std::string first = described(st);
    EXPECT_EQ(first, c.cells) << c.rows[0];
    EXPECT_EQ(st.LinkCount, c.links) << c.rows[0];
    // A second analysis makes the same links again and counts them anew.
    PrzygotujStacje(st, c.sw);
    EXPECT_EQ(described(st), first);
    EXPECT_EQ(st.LinkCount, c.links);
  }
  // Track cells get their links and flags when loaded; unknown codes are kept and take no part.
  EXPECT_EQ(described(test::stationFromRows({"230 67 2100"}), true),
            "230:..T.P 1L 3L 6L 8L | 67:..... | 2100:.....");
}

// Columns XLo,XHi then rows YLo,YHi, each high bound one past the last kept.
std::string rect(const TrimRect& r) {
  return std::to_string(r.TrimXLo) + "," + std::to_string(r.TrimXHi) + " " +
         std::to_string(r.TrimYLo) + "," + std::to_string(r.TrimYHi) +
         (r.TrimAdvised ? " advised" : "");
}

TEST(Trimming, BoundingBoxAndAdvice) {
  const std::pair<std::vector<std::string>, std::string> cases[] = {
      {{"0 0 0 0 0", "0 10 10 10 0", "0 0 0 0 0", "0 0 0 0 0", "0 0 0 0 0"}, "1,4 1,2 advised"},
      // One empty row on top and one empty column on the left are fine.
      {{"0 0 0", "0 10 10", "0 1 10"}, "1,3 1,3"},
      // An empty station keeps the whole grid, and is advised to be trimmed.
      {{"0 0 0", "0 0 0", "0 0 0"}, "0,3 0,3 advised"},
      // Negative codes do not count as occupied.
      {{"-5 0", "0 10"}, "1,2 1,2"},
  };
  for (const auto& [rows, box] : cases)
    EXPECT_EQ(rect(boundingBox(test::stationFromRows(rows))), box);
  // The sliders start one empty row and column out on the top and the left, where there is one,
  // so that the trim offered keeps point 0 empty.
  EXPECT_EQ(rect(offeredTrim(
                test::stationFromRows({"0 0 0 0 0", "0 0 0 0 0", "0 0 10 10 0", "0 0 0 0 0"}))),
            "1,4 1,3 advised");
  EXPECT_EQ(rect(offeredTrim(test::stationFromRows({"50 10 0", "0 0 0"}))), "0,2 0,1");
}

TEST(Trimming, SlidersKeepOneColumnAndRowAndShowTheirSpans) {
  TrimRect r{2, 5, 1, 4, false};
  moveXLo(r, 5);
  EXPECT_EQ(rect(r), "5,6 1,4");
  moveXHi(r, 3);
  EXPECT_EQ(rect(r), "2,3 1,4");
  moveYHi(r, 1);
  EXPECT_EQ(rect(r), "2,3 0,1");
  moveYLo(r, 3);
  EXPECT_EQ(rect(r), "2,3 3,4");

  const TrimRect h{0, 14, 2, 7, true};
  std::string spans;
  for (const SliderSpan s : {spanXLo(h, 14), spanXHi(h), spanYLo(h, 7), spanYHi(h)})
    spans += std::to_string(s.start) + "+" + std::to_string(s.length) + " ";
  EXPECT_EQ(spans, "0+13 1+13 2+4 2+5 ");
}

TEST(Trimming, CutRebuildsTheStation) {
  Station st = test::stationFromRows({"0 0 0 0", "0 0 0 0", "0 10 21 0", "0 0 0 0"});
  st.StationFile = "a.stc";
  st.StationComment = "mine";
  st.TickIndex = 3;
  st.object(2, 2).ValueE = 7;
  const Station cut = cutStation(st, boundingBox(st));
  EXPECT_EQ(test::gridText(cut), test::stationFileText({"10 21"}));
  EXPECT_EQ(cut.link(0, 0, 5), kLink);
  EXPECT_EQ(cut.object(1, 0).ValueE, 0);  // not the author's
  EXPECT_EQ(cut.StationFile + cut.StationComment + std::to_string(cut.TickIndex), "a.stcmine3");
  EXPECT_EQ(rect(wholeGrid(cut)), "0,2 0,1");
  EXPECT_EQ(trimAdviceMessage().text.find("Tej stacji przyda się przycięcie rozmiarów.\r\n\r\n"),
            0u);
}

bool passes(int row, int from, int to, int type = 0) {
  return PortPass[row][from - 1][to - 1][type] == 1;
}

// A passage runs both ways, between two ports of the element no more than 45 degrees apart, and
// only a slip crossing has types other than 0.
TEST(ElementTables, GeometryOfEveryRowAndType) {
  for (int r = 0; r <= kScratchRow; ++r)
    for (int k = 0; k < kCrossTypes; ++k)
      for (int f = 1; f <= 8; ++f)
        for (int t = 1; t <= 8; ++t) {
          if (!passes(r, f, t, k)) continue;
          const int16_t* turns = TurnPorts[f - 1];
          EXPECT_TRUE(passes(r, t, f, k) && (turns[0] == t || turns[1] == t || turns[2] == t) &&
                      ElementPorts[r][f] == 1 && ElementPorts[r][t] == 1 &&
                      (k == 0 || (r >= kFirstSlipRow && r <= kFirstSlipRow + 3)))
              << "row " << r << " " << f << "-" << t << " type " << k;
        }
}

// The movements each slip-crossing type keeps, as authors read them.
TEST(ElementTables, SlipCrossingTypes) {
  // Per code 24..27 its four movements, in the order types 1, 2, 4 and 5 drop one each; type 0
  // keeps all four, type 3 drops the first two, type 6 the last two.
  const char* movements[4] = {"1-5 4-8 1-8 4-5", "5-6 3-4 4-5 3-6", "2-8 1-7 2-7 1-8",
                              "3-7 2-6 3-6 2-7"};
  const int dropped[kCrossTypes] = {0b0000, 0b0001, 0b0010, 0b0011, 0b0100, 0b1000, 0b1100};
  for (int b = 0; b < 4; ++b) {
    const int r = kFirstSlipRow + b;
    EXPECT_EQ(elementRow(24 + b), r);
    for (int k = 0; k < kCrossTypes; ++k) {
      std::set<std::pair<int, int>> want;
      std::istringstream in(movements[b]);
      for (int i = 0; i < 4; ++i) {
        std::string pair;
        in >> pair;
        if (!(dropped[k] >> i & 1)) want.insert({pair[0] - '0', pair[2] - '0'});
      }
      for (int f = 1; f <= 8; ++f)
        for (int t = f + 1; t <= 8; ++t)
          EXPECT_EQ(passes(r, f, t, k), want.count({f, t}) == 1)
              << "code " << 24 + b << " type " << k << " " << f << "-" << t;
    }
  }
}

// Ports and their steps are checked by every station that links and searches.
TEST(ElementTables, TickUnitsAndLogo) {
  EXPECT_EQ(TickUnits[kDefaultTickIndex], 10);
  for (int u : TickUnits) EXPECT_EQ(60 % u, 0);
  for (const auto& row : LogoPixels)
    for (int16_t v : row) EXPECT_TRUE(v >= 0 && v < 16);
}

}  // namespace
}  // namespace szl
