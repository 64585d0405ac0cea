#include <gtest/gtest.h>

#include "model/trimming.h"
#include "support/test_support.h"

namespace szl {
namespace {

using test::stationFromRows;

TEST(Trimming, BoundingBoxAndAdvice) {
  Station st = stationFromRows({"0 0 0 0 0", "0 10 10 10 0", "0 0 0 0 0", "0 0 0 0 0",
                                "0 0 0 0 0"});
  TrimRect r = boundingBox(st);
  EXPECT_EQ(r.TrimYLo, 1);
  EXPECT_EQ(r.TrimYHi, 2);
  EXPECT_EQ(r.TrimXLo, 1);
  EXPECT_EQ(r.TrimXHi, 4);
  EXPECT_TRUE(r.TrimAdvised);

  // One empty row on top and one empty column on the left are fine.
  Station ok = stationFromRows({"0 0 0", "0 10 10", "0 1 10"});
  r = boundingBox(ok);
  EXPECT_FALSE(r.TrimAdvised);
  EXPECT_EQ(r.TrimXLo, 1);
  EXPECT_EQ(r.TrimYLo, 1);
  EXPECT_EQ(r.TrimXHi, 3);
  EXPECT_EQ(r.TrimYHi, 3);

  // An empty station keeps the whole grid, and is advised to be trimmed.
  Station empty = stationFromRows({"0 0 0", "0 0 0", "0 0 0"});
  r = boundingBox(empty);
  EXPECT_EQ(r.TrimYLo, 0);
  EXPECT_EQ(r.TrimXHi, 3);
  EXPECT_TRUE(r.TrimAdvised);

  // Negative codes do not count as occupied.
  Station neg = stationFromRows({"-5 0", "0 10"});
  r = boundingBox(neg);
  EXPECT_EQ(r.TrimXLo, 1);
  EXPECT_EQ(r.TrimYLo, 1);
}

TEST(Trimming, SliderMovesKeepOneColumnAndRow) {
  TrimRect r{2, 5, 1, 4, false};
  moveXLo(r, 5);
  EXPECT_EQ(r.TrimXLo, 5);
  EXPECT_EQ(r.TrimXHi, 6);
  moveXHi(r, 3);
  EXPECT_EQ(r.TrimXHi, 3);
  EXPECT_EQ(r.TrimXLo, 2);
  moveYHi(r, 1);
  EXPECT_EQ(r.TrimYLo, 0);
  moveYLo(r, 3);
  EXPECT_EQ(r.TrimYHi, 4);
}

TEST(Trimming, HighlightedSpans) {
  TrimRect r{0, 14, 2, 7, true};
  EXPECT_EQ(spanXLo(r, 14).start, 0);
  EXPECT_EQ(spanXLo(r, 14).length, 13);
  EXPECT_EQ(spanXHi(r).start, 1);
  EXPECT_EQ(spanXHi(r).length, 13);
  EXPECT_EQ(spanYLo(r, 7).start, 2);
  EXPECT_EQ(spanYLo(r, 7).length, 4);
  EXPECT_EQ(spanYHi(r).start, 2);
  EXPECT_EQ(spanYHi(r).length, 5);
}

TEST(Trimming, CutRebuildsTheStation) {
  Station st = stationFromRows({"0 0 0 0", "0 0 0 0", "0 10 21 0", "0 0 0 0"});
  st.StationFile = "a.stc";
  st.StationComment = "mine";
  st.object(2, 2).ValueE = 7;
  TrimRect r = boundingBox(st);
  Station cut = cutStation(st, r);
  ASSERT_EQ(cut.ColCount(), 2);
  ASSERT_EQ(cut.RowCount(), 1);
  EXPECT_EQ(cut.cell(0, 0).Code, 10);
  EXPECT_EQ(cut.cell(1, 0).Code, 21);
  EXPECT_EQ(cut.link(0, 0, 5), kLink);
  EXPECT_EQ(cut.object(1, 0).ValueE, 0);
  EXPECT_EQ(cut.StationFile, "a.stc");
  EXPECT_EQ(cut.StationComment, "mine");
  EXPECT_EQ(wholeGrid(cut).TrimXHi, 2);
  EXPECT_EQ(trimAdviceMessage().text.find("Tej stacji przyda się przycięcie rozmiarów.\r\n\r\n"), 0u);
}

}  // namespace
}  // namespace szl
