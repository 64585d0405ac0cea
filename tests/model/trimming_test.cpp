#include "model/trimming.h"

#include <gtest/gtest.h>

#include "support/test_support.h"

namespace szl {
namespace {

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
  st.object(2, 2).ValueE = 7;
  const Station cut = cutStation(st, boundingBox(st));
  EXPECT_EQ(test::gridText(cut), test::stationFileText({"10 21"}));
  EXPECT_EQ(cut.link(0, 0, 5), kLink);
  EXPECT_EQ(cut.object(1, 0).ValueE, 0);  // not the author's
  EXPECT_EQ(cut.StationFile + cut.StationComment, "a.stcmine");
  EXPECT_EQ(rect(wholeGrid(cut)), "0,2 0,1");
  EXPECT_EQ(trimAdviceMessage().text.find("Tej stacji przyda się przycięcie rozmiarów.\r\n\r\n"),
            0u);
}

}  // namespace
}  // namespace szl
