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

TEST(StationView, TrackPiecesHaveABlackBorderWhicheverWayTheyRun) {
  // A straight track (ports 4, 5) in cell (1, 1) and a diagonal one (ports 1, 8) in (1, 3).
  const Drawn d({"0 0 0", "0 10 0", "0 0 0", "0 13 0"});
  // Straight: a core three pixels high, one black row above and below it; the outline of each
  // piece is a disc of radius 2: round, not a diamond.
  EXPECT_EQ(
      colours(d.view.image(), {18, 18}, {{8, 7}, {8, 8}, {8, 9}, {8, 6}, {8, 10}, {8, 5}, {15, 7}}),
      "yyykkwk");
  // Diagonal: beside the core, across the track, a black border, then white. The black line
  // reaches the corner; the coloured one stops a pixel short of it.
  EXPECT_EQ(
      colours(d.view.image(), {18, 52}, {{11, 9}, {12, 9}, {9, 12}, {12, 8}, {15, 15}, {14, 14}}),
      "ykkwky");

  // The point marker: the grey box shows only at its corners, the black ring is the same on
  // every side, the inside is yellow.
  const Drawn p({"0 0 0", "0 10 0"}, TrackStyle::Points);
  std::string marker;
  for (int j = 0; j < 25; ++j) marker += letter(p.at(1, 1, 6 + j % 5, 6 + j / 5));
  EXPECT_EQ(marker,
            "lkkkl"
            "kyyyk"
            "kyyyk"
            "kyyyk"
            "lkkkl");
}

// The board shows ten columns and seven rows at a time; the keys move it, whichever control has
// the focus, and stop at the ends; the tooltip follows the cell under the pointer.
TEST(ZoomBoard, KeysMoveTheBoardAndTooltipsNameTheCellUnderThePointer) {
  // A marker track in column 10, row 8: visible only after moving right and down.
  std::vector<std::string> rows(9, "0 0 0 0 0 0 0 0 0 0 0 0");
  rows[8] = "0 0 0 0 0 0 0 0 0 0 100 0";
  Station st = stationFromRows(rows);
  st.StationFile = "Lipowiec.stc";
  frmBoard board(st);
  EXPECT_EQ(board.windowTitle(), "Zoom - Lipowiec.stc");
  EXPECT_EQ(tooltipAt(board.picBoard, {10, 96 + 10}), "100");
  press(board.cmdExit, Qt::Key_Left);
  press(&board, Qt::Key_Up);
  EXPECT_EQ(board.hsbBoard->value() * 10 + board.vsbBoard->value(), 0);
  for (int k = 0; k < 3; ++k) press(board.cmdExit, Qt::Key_Right);
  for (int k = 0; k < 3; ++k) press(board.hsbBoard, Qt::Key_Down);
  EXPECT_EQ(board.hsbBoard->value() * 10 + board.vsbBoard->value(), 22);
  // Under the pointer now, and at the right edge, the bottom row, and on the ruler.
  QStringList tips{board.picBoard->toolTip()};
  for (const QPointF p : {QPointF(9 * 96 + 95, 10), {10, 6 * 96 + 1}, {965, 10}})
    tips << tooltipAt(board.picBoard, p);
  EXPECT_EQ(tips.join("|"), "302|211|802|");
  // Station cell (10, 8) is now visible cell (8, 6); one column back, it is (9, 6).
  EXPECT_EQ(colours(board.image(), {48, 6 * 96 + 48}, {{8 * 96, 0}, {9 * 96, 0}}), "gw");
  press(board.picBoard, Qt::Key_Left);
  EXPECT_EQ(board.hsbBoard->value(), 1);
  EXPECT_EQ(colours(board.image(), {48, 6 * 96 + 48}, {{8 * 96, 0}, {9 * 96, 0}}), "wg");

  // A small station fills only its own cells: grid lines around them, white beyond, and no
  // number left showing there.
  Station small = stationFromRows({"0 0 0 0 0", "0 10 10 10 0", "0 0 0 0 0"});
  frmBoard smallBoard(small);
  EXPECT_EQ(tooltipAt(smallBoard.picBoard, {4 * 96 + 50, 2 * 96 + 50}), "204");
  EXPECT_EQ(tooltipAt(smallBoard.picBoard, {5 * 96 + 1, 2 * 96 + 50}), "");
  EXPECT_EQ(colours(smallBoard.image(), {}, {{95, 200}, {5 * 96 + 95, 200}}), "ew");
}

TEST(ZoomBoard, TracksHaveBlackBordersAndColouredCores) {
  // Row 0: a straight run, electrified and not. Row 1: an arc 1-5, a slip crossing, a digit.
  Station st = stationFromRows({"10 10 100 0", "15 24 4 0"});
  const QImage image = frmBoard(st).image();
  // Horizontal track through cell (1, 0): core at y 45..50, border at 44 and 51; where two cells
  // meet the cores join, with no black seam from the next cell's border.
  EXPECT_EQ(colours(image, {},
                    {{144, 45}, {144, 44}, {144, 51}, {144, 42}, {95, 48}, {96, 48}, {240, 48}}),
            "ykkwyyg");
  // The arc 1-5: a 14-pixel lead from the corner, then radius 114 round (95, -66).
  EXPECT_EQ(colours(image, {0, 96}, {{7, 7}, {51, 39}, {48, 48}}), "yyw");
  // The slip crossing in type 0: both straights and both curves (1-5, and 4-8 its mirror
  // image), the crossing in core colour. The digit: black frame, yellow inner box.
  EXPECT_EQ(colours(image, {96, 96}, {{48, 48}, {51, 39}, {44, 56}, {96 + 4, 4}, {96 + 85, 85}}),
            "yyyky");
  // Rulers and the grey corner.
  EXPECT_EQ(colours(image, {}, {{500, 686}, {975, 300}, {970, 680}}), "yys");
}

TEST(ZoomBoard, SlipCrossingDrawnByItsType) {
  Station st = stationFromRows({"24 240"});
  // Curve 1-5 and centre of each cell: both, straights only, curves only, no such type.
  std::string drawn;
  for (const int16_t type : std::initializer_list<int16_t>{0, 3, 6, 9}) {
    st.cell(0, 0).CrossType = st.cell(1, 0).CrossType = type;
    drawn +=
        colours(frmBoard(st).image(), {}, {{51, 39}, {48, 48}, {96 + 51, 39}, {96 + 48, 48}}) + " ";
  }
  EXPECT_EQ(drawn, "yygg wywg ywgw wwww ");
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
                .arg(letter(figure(d24, n).pixelColor(59, 47)))
                .arg(letter(figure(d24, n).pixelColor(40, 56)));
  EXPECT_EQ(laid, "kk wk kk wk kk kw kw ");
  // Seven different figures; the non-electrified form looks the same; a code without figures
  // keeps blank pictures.
  for (int n = 1; n <= 7; ++n) {
    EXPECT_EQ(figure(d25, n), figure(d250, n)) << n;
    for (int m = 1; m < n; ++m) EXPECT_NE(figure(d25, n), figure(d25, m)) << n << " " << m;
    EXPECT_EQ(figure(blank, n).pixelColor(56, 56), Qt::white);
  }
}

}  // namespace
}  // namespace szl
