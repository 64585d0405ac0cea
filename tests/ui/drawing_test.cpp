// The pictures, pixel by pixel: the station view, the zoom board and the crossing type's
// figures, what an author compares with the simulator.
#include <gtest/gtest.h>

#include <array>

#include "ui/dialogs/frm_board.h"
#include "ui/dialogs/frm_cross.h"
#include "ui/main/station_view.h"
#include "ui_support.h"

namespace szl {
namespace {

using namespace test;
using ui::frmBoard;

// The station drawn without rulers; cell (x, y) has its origin at (17x + 1, 17y + 1).
struct Drawn {
  explicit Drawn(const std::vector<std::string>& rows, TrackStyle style = TrackStyle::Lines)
      : st(stationFromRows(rows)) {
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

using Pixel = std::tuple<int, int, QColor>;

TEST(StationView, TrackPiecesHaveABlackBorderWhicheverWayTheyRun) {
  // A straight track (ports 4, 5) in cell (1, 1) and a diagonal one (ports 1, 8) in (1, 3).
  const Drawn d({"0 0 0", "0 10 0", "0 0 0", "0 13 0"});
  // Straight: a core three pixels high, one black row above and below it; the outline of each
  // piece is a disc of radius 2: round, not a diamond.
  for (const auto& [x, y, c] : {Pixel{8, 7, kYellow},
                                {8, 8, kYellow},
                                {8, 9, kYellow},
                                {8, 6, kBlack},
                                {8, 10, kBlack},
                                {8, 5, kWhite},
                                {15, 7, kBlack}})
    EXPECT_EQ(d.at(1, 1, x, y), c) << x << "," << y;
  // Diagonal: beside the core, across the track, a black border, then white. The black line
  // reaches the corner; the coloured one stops a pixel short of it.
  for (const auto& [x, y, c] : {Pixel{11, 9, kYellow},
                                {12, 9, kBlack},
                                {9, 12, kBlack},
                                {12, 8, kWhite},
                                {15, 15, kBlack},
                                {14, 14, kYellow}})
    EXPECT_EQ(d.at(1, 3, x, y), c) << x << "," << y;

  // The point marker: the grey box shows only at its corners, the black ring is the same on
  // every side, the inside is yellow.
  const Drawn p({"0 0 0", "0 10 0"}, TrackStyle::Points);
  QString marker;
  for (int j = 0; j < 25; ++j) {
    const QColor c = p.at(1, 1, 6 + j % 5, 6 + j / 5);
    marker += c == kBlack ? 'k' : c == kYellow ? 'y' : c == QColor(192, 192, 192) ? 'g' : '?';
  }
  EXPECT_EQ(marker,
            "gkkkg"
            "kyyyk"
            "kyyyk"
            "kyyyk"
            "gkkkg");
}

TEST(StationView, ADigitStartsAtTheLeftOfItsCell) {
  const Drawn d({"0 0", "0 8"});
  // The digit's ink on the yellow box lies in its left half; nothing of it above row 2.
  int left = 99, right = -1;
  for (int dy = 2; dy <= 14; ++dy)
    for (int dx = 2; dx <= 14; ++dx)
      if (d.at(1, 1, dx, dy).lightness() < 100)
        left = std::min(left, dx), right = std::max(right, dx);
  EXPECT_TRUE(left <= 3 && right <= 9) << left << " " << right;
  EXPECT_EQ(d.at(1, 1, 13, 8), kYellow);
  EXPECT_EQ(d.at(1, 1, 8, 0), kWhite);
}

QColor at(const frmBoard& b, int x, int y) { return b.image().pixelColor(x, y); }

TEST(ZoomBoard, TooltipsNameTheStationCellUnderThePointer) {
  Station st = stationFromRows({"10 10 10 10 10 10 10 10 10 10 10 10", "0 0 0 0 0 0 0 0 0 0 0 0",
                                "0 0 0 0 0 0 0 0 0 0 0 0"});
  st.StationFile = "Lipowiec.stc";
  frmBoard board(st);
  EXPECT_EQ(board.windowTitle(), "Zoom - Lipowiec.stc");
  EXPECT_EQ(board.hsbBoard->maximum() * 10 + board.vsbBoard->maximum(), 20);
  EXPECT_EQ(tooltipAt(board.picBoard, {10, 96 + 10}), "100");
  // The board moves under the pointer: the tooltip follows. Below the station's three rows, and
  // on the ruler, no number.
  press(&board, Qt::Key_Right);
  press(&board, Qt::Key_Right);
  QStringList tips{board.picBoard->toolTip()};
  for (const QPointF p : {QPointF(9 * 96 + 95, 10), {10, 3 * 96 + 1}, {10, 10}, {965, 10}})
    tips << tooltipAt(board.picBoard, p);
  EXPECT_EQ(tips.join("|"), "102|11||2|");

  // A small station fills only its own cells: grid lines around them, white beyond, and no
  // number left showing there.
  Station small = stationFromRows({"0 0 0 0 0", "0 10 10 10 0", "0 0 0 0 0"});
  frmBoard smallBoard(small);
  EXPECT_EQ(tooltipAt(smallBoard.picBoard, {4 * 96 + 50, 2 * 96 + 50}), "204");
  EXPECT_EQ(tooltipAt(smallBoard.picBoard, {5 * 96 + 1, 2 * 96 + 50}), "");
  EXPECT_EQ(at(smallBoard, 95, 200), QColor(224, 224, 224));
  EXPECT_EQ(at(smallBoard, 5 * 96 + 95, 200), kWhite);
}

TEST(ZoomBoard, ArrowKeysStopAtTheEndsAndRedraw) {
  // A marker track in column 10, row 8: visible only after scrolling right and down.
  std::vector<std::string> rows(9, "0 0 0 0 0 0 0 0 0 0 0 0");
  rows[8] = "0 0 0 0 0 0 0 0 0 0 100 0";
  Station st = stationFromRows(rows);
  frmBoard board(st);
  press(board.cmdExit, Qt::Key_Left);  // the keys act whichever control has the focus
  press(&board, Qt::Key_Up);
  EXPECT_EQ(board.hsbBoard->value() * 10 + board.vsbBoard->value(), 0);
  for (int k = 0; k < 3; ++k) press(board.cmdExit, Qt::Key_Right);
  for (int k = 0; k < 3; ++k) press(board.hsbBoard, Qt::Key_Down);
  EXPECT_EQ(board.hsbBoard->value() * 10 + board.vsbBoard->value(), 22);
  // Station cell (10, 8) is now visible cell (8, 6).
  EXPECT_EQ(at(board, 8 * 96 + 48, 6 * 96 + 48), kGreen);
  press(board.picBoard, Qt::Key_Left);
  EXPECT_EQ(board.hsbBoard->value(), 1);
  EXPECT_EQ(at(board, 8 * 96 + 48, 6 * 96 + 48), kWhite);
  EXPECT_EQ(at(board, 9 * 96 + 48, 6 * 96 + 48), kGreen);
}

TEST(ZoomBoard, TracksHaveBlackBordersAndColouredCores) {
  // Row 0: a straight run, electrified and not. Row 1: an arc 1-5, a slip crossing, a digit.
  Station st = stationFromRows({"10 10 100 0", "15 24 4 0"});
  frmBoard board(st);
  for (const auto& [x, y, c] :
       {// Horizontal track through cell (1, 0): core at y 45..50, border at 44 and 51; where
        // two cells meet the cores join, with no black seam from the next cell's border.
        Pixel{144, 45, kYellow},
        {144, 44, kBlack},
        {144, 51, kBlack},
        {144, 42, kWhite},
        {95, 48, kYellow},
        {96, 48, kYellow},
        {2 * 96 + 48, 48, kGreen},
        // The arc 1-5: a 14-pixel lead from the corner, then radius 114 round (95, -66).
        {7, 96 + 7, kYellow},
        {51, 96 + 39, kYellow},
        {48, 96 + 48, kWhite},
        // The slip crossing in type 0: both straights and both curves (1-5, and 4-8 its
        // mirror image), the crossing in core colour.
        {96 + 48, 96 + 48, kYellow},
        {96 + 51, 96 + 39, kYellow},
        {96 + 44, 96 + 56, kYellow},
        // The digit cell: black frame, yellow inner box. Rulers and the grey corner.
        {2 * 96 + 4, 96 + 4, kBlack},
        {2 * 96 + 85, 96 + 85, kYellow},
        {500, 686, kYellow},
        {975, 300, kYellow},
        {970, 680, test::kGrey}})
    EXPECT_EQ(at(board, x, y), c) << x << "," << y;
}

TEST(ZoomBoard, SlipCrossingDrawnByItsType) {
  Station st = stationFromRows({"24 240"});
  // (curve 1-5, centre) of each cell
  const auto curve = [&](int type) {
    st.cell(0, 0).CrossType = static_cast<int16_t>(type);
    st.cell(1, 0).CrossType = static_cast<int16_t>(type);
    frmBoard board(st);
    return std::array{at(board, 51, 39), at(board, 48, 48), at(board, 96 + 51, 39),
                      at(board, 96 + 48, 48)};
  };
  EXPECT_EQ(curve(0), (std::array{kYellow, kYellow, kGreen, kGreen}));
  EXPECT_EQ(curve(3), (std::array{kWhite, kYellow, kWhite, kGreen}));  // straights only
  EXPECT_EQ(curve(6), (std::array{kYellow, kWhite, kGreen, kWhite}));  // curves only
  EXPECT_EQ(curve(9), (std::array{kWhite, kWhite, kWhite, kWhite}));   // no such type
}

TEST(CrossingDialog, FiguresShowTheMovementsOfCodeAndType) {
  Station st = stationFromRows({"24 25 250 241"});
  const auto figure = [](const ui::frmCross& d, int n) { return d.picCross[n - 1]->image(); };
  // The curve 1-5 (centre (103, -58)) passes (59, 47): laid in types 0, 2, 4, 5, 6. The
  // straight 4-5 through the centre: laid in types 0..4.
  const ui::frmCross d24(st, 0, 0), d25(st, 1, 0), d250(st, 2, 0), blank(st, 3, 0);
  QString laid;
  for (int n = 1; n <= 7; ++n)
    laid += QString("%1%2 ")
                .arg(figure(d24, n).pixelColor(59, 47) == kBlack)
                .arg(figure(d24, n).pixelColor(40, 56) == kBlack);
  EXPECT_EQ(laid, "11 01 11 01 11 10 10 ");
  // Seven different figures; the non-electrified form looks the same; a code without figures
  // keeps blank pictures.
  for (int n = 1; n <= 7; ++n) {
    EXPECT_EQ(figure(d25, n), figure(d250, n)) << n;
    for (int m = 1; m < n; ++m) EXPECT_NE(figure(d25, n), figure(d25, m)) << n << " " << m;
    EXPECT_EQ(figure(blank, n).pixelColor(56, 56), kWhite);
  }
}

}  // namespace
}  // namespace szl
