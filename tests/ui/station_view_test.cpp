// The station view's pictures, pixel by pixel: what an author compares with the simulator.
#include "ui/main/station_view.h"

#include <gtest/gtest.h>

#include "support/test_support.h"

namespace szl {
namespace {

const QColor kYellow(255, 255, 0);
const QColor kBlack(0, 0, 0);
const QColor kWhite(255, 255, 255);
const QColor kGrey(192, 192, 192);

// The station drawn without rulers; cell (x, y) has its origin at (17x + 1, 17y + 1).
struct Drawn {
  explicit Drawn(const std::vector<std::string>& rows, TrackStyle style = TrackStyle::Lines)
      : st(test::stationFromRows(rows)) {
    view.setStation(&st);
    view.setTrackStyle(style);
    view.resizeCanvas(17 * st.ColCount() + 3, 17 * st.RowCount() + 3);
    view.drawStation(false);
  }
  QColor at(int cellX, int cellY, int dx, int dy) const {
    return view.image().pixelColor(17 * cellX + 1 + dx, 17 * cellY + 1 + dy);
  }
  Station st;
  ui::StationView view;
};

TEST(StationView, TrackPiecesHaveABlackBorderWhicheverWayTheyRun) {
  // A straight track (ports 4, 5) and a diagonal one (ports 1, 8).
  const Drawn d({"0 0 0", "0 10 0", "0 0 0", "0 13 0"});
  // Straight: a core three pixels high, one black row above and below it.
  for (const int dy : {7, 8, 9}) EXPECT_EQ(d.at(1, 1, 8, dy), kYellow) << dy;
  EXPECT_EQ(d.at(1, 1, 8, 6), kBlack);
  EXPECT_EQ(d.at(1, 1, 8, 10), kBlack);
  EXPECT_EQ(d.at(1, 1, 8, 5), kWhite);
  // The outline of each piece is a disc of radius 2: round, not a diamond.
  EXPECT_EQ(d.at(1, 1, 15, 7), kBlack);
  // Diagonal: beside the core, across the track, a black border, then white.
  EXPECT_EQ(d.at(1, 3, 11, 9), kYellow);
  EXPECT_EQ(d.at(1, 3, 12, 9), kBlack);
  EXPECT_EQ(d.at(1, 3, 9, 12), kBlack);
  EXPECT_EQ(d.at(1, 3, 12, 8), kWhite);
  // The black line reaches the corner; the coloured one stops a pixel short of it.
  EXPECT_EQ(d.at(1, 3, 15, 15), kBlack);
  EXPECT_EQ(d.at(1, 3, 14, 14), kYellow);
}

TEST(StationView, APointMarkerIsARoundRingOnItsCentrePixel) {
  const Drawn d({"0 0 0", "0 10 0"}, TrackStyle::Points);
  // The centre marker: the grey box shows only at its corners, the black ring is the same on
  // every side, the inside is yellow.
  // clang-format off
  const char* expected[] = {
      "gkkkg",
      "kyyyk",
      "kyyyk",
      "kyyyk",
      "gkkkg",
  };
  // clang-format on
  for (int j = 0; j < 5; ++j)
    for (int i = 0; i < 5; ++i) {
      const QColor c = d.at(1, 1, 6 + i, 6 + j);
      const char want = expected[j][i];
      EXPECT_EQ(c, want == 'g' ? kGrey : want == 'k' ? kBlack : kYellow) << i << "," << j;
    }
}

TEST(StationView, ADigitStartsAtTheLeftOfItsCell) {
  const Drawn d({"0 0", "0 8"});
  // The digit's ink on the yellow box lies in its left half.
  int left = 99;
  int right = -1;
  for (int dy = 2; dy <= 14; ++dy)
    for (int dx = 2; dx <= 14; ++dx)
      if (d.at(1, 1, dx, dy).lightness() < 100) {
        left = std::min(left, dx);
        right = std::max(right, dx);
      }
  EXPECT_LE(left, 3);
  EXPECT_LE(right, 9);
  EXPECT_EQ(d.at(1, 1, 13, 8), kYellow);
  // Nothing of it above row 2 of the cell: the frame is all there is.
  EXPECT_EQ(d.at(1, 1, 8, 0), kWhite);
}

}  // namespace
}  // namespace szl
