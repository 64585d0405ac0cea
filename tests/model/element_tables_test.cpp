#include "model/element_tables.h"

#include <gtest/gtest.h>

#include <set>
#include <sstream>

namespace szl {
namespace {

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
  const char* table[4][7] = {
      {"1-5 1-8 4-5 4-8", "1-8 4-5 4-8", "1-5 1-8 4-5", "1-8 4-5", "1-5 4-5 4-8", "1-5 1-8 4-8",
       "1-5 4-8"},
      {"3-4 3-6 4-5 5-6", "3-4 3-6 4-5", "3-6 4-5 5-6", "3-6 4-5", "3-4 3-6 5-6", "3-4 4-5 5-6",
       "3-4 5-6"},
      {"1-7 1-8 2-7 2-8", "1-7 1-8 2-7", "1-8 2-7 2-8", "1-8 2-7", "1-7 1-8 2-8", "1-7 2-7 2-8",
       "1-7 2-8"},
      {"2-6 2-7 3-6 3-7", "2-6 2-7 3-6", "2-7 3-6 3-7", "2-7 3-6", "2-6 2-7 3-7", "2-6 3-6 3-7",
       "2-6 3-7"},
  };
  for (int b = 0; b < 4; ++b) {
    const int r = kFirstSlipRow + b;
    EXPECT_EQ(elementRow(24 + b), r);
    for (int k = 0; k < kCrossTypes; ++k) {
      std::set<std::pair<int, int>> want;
      std::istringstream in(table[b][k]);
      for (std::string pair; in >> pair;) want.insert({pair[0] - '0', pair[2] - '0'});
      for (int f = 1; f <= 8; ++f)
        for (int t = f + 1; t <= 8; ++t)
          EXPECT_EQ(passes(r, f, t, k), want.count({f, t}) == 1)
              << "code " << 24 + b << " type " << k << " " << f << "-" << t;
    }
  }
}

TEST(ElementTables, PortsStepsTickUnitsAndLogo) {
  for (int p = 1; p <= 8; ++p) {
    const auto s = PortStep[p - 1];
    EXPECT_EQ(PortAtStep[s.dx + 1][s.dy + 1], p);
    const auto o = PortStep[8 - p];  // the facing port 9 - p steps back
    EXPECT_TRUE(o.dx == -s.dx && o.dy == -s.dy) << p;
  }
  EXPECT_EQ(TickUnits[kDefaultTickIndex], 10);
  for (int u : TickUnits) EXPECT_EQ(60 % u, 0);
  for (const auto& row : LogoPixels)
    for (int16_t v : row) EXPECT_TRUE(v >= 0 && v < 16);
}

}  // namespace
}  // namespace szl
