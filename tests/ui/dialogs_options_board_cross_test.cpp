// The dialogs that stand on their own: search options, zoom board, crossing type.
#include <gtest/gtest.h>

#include <array>

#include "ui/dialogs/frm_board.h"
#include "ui/dialogs/frm_cross.h"
#include "ui/dialogs/frm_options.h"
#include "ui_support.h"

namespace szl {
namespace {

using test::child;
using test::press;
using test::stationFromRows;
using test::tooltipAt;
using test::whileOpen;
using ui::frmBoard;
using ui::frmCross;
using ui::frmOptions;

void clickOn(QWidget* w) { test::mouse(w, QEvent::MouseButtonPress, {56, 56}); }

// --- Search options ----------------------------------------------------------------------

TEST(OptionsDialog, OkHandsBackEverySettingBothWays) {
  frmOptions dlg;
  EXPECT_EQ(dlg.windowTitle(), "Opcje");
  // Every setting away from its default: what goes in must come out of an untouched dialog.
  SearchOptions odd;
  odd.routeFileBase = "wyniki";
  odd.electrification = Electrification::No;
  odd.direction = Direction::OneWay;
  odd.platformRule = false;
  odd.allowRepeats = true;
  odd.allowLong = true;
  odd.trackStyle = TrackStyle::Points;
  odd.passages = {false, false, true, true, false};
  SearchOptions o = odd;
  whileOpen(dlg, [&] {
    EXPECT_FALSE(child<QCheckBox>(&dlg, "chkTory")->isEnabled());  // chkObiekt is off
    child<QPushButton>(&dlg, "cmdOK")->click();
  });
  EXPECT_TRUE(dlg.run(o));
  EXPECT_EQ(o, odd);
  EXPECT_TRUE(dlg.isHidden());

  // And the other way: the author sets every control back to the defaults; Enter is OK.
  whileOpen(dlg, [&] {
    dlg.txtOutFile->setText("trasy");
    for (QAbstractButton* b : std::initializer_list<QAbstractButton*>{
             dlg.optElektrAll, dlg.optKierAll, dlg.chkWyjPeron, dlg.chkMulti, dlg.chk59,
             dlg.optToryLin, dlg.chkObiekt, dlg.chkPeron, dlg.chkSzopa, dlg.chkTory, dlg.chkWyjazd})
      b->click();
    press(dlg.txtOutFile, Qt::Key_Return);
  });
  EXPECT_TRUE(dlg.run(o));
  EXPECT_EQ(o, SearchOptions{});
}

TEST(OptionsDialog, CancelAndEscRestoreEveryControlAndLeaveTheOptions) {
  frmOptions dlg;
  SearchOptions o;
  const auto changeThings = [&] {
    dlg.chkTory->click();
    dlg.optKier2->click();
    dlg.optToryPkt->click();
    dlg.txtOutFile->setText("inne");
    // The master switch disables its four boxes and keeps their ticks.
    dlg.chkObiekt->click();
    for (QCheckBox* c : {dlg.chkWyjazd, dlg.chkTory, dlg.chkSzopa, dlg.chkPeron})
      EXPECT_FALSE(c->isEnabled());
    EXPECT_TRUE(dlg.chkTory->isChecked());
  };
  whileOpen(dlg, [&] {
    changeThings();
    child<QPushButton>(&dlg, "cmdCancel")->click();
  });
  EXPECT_FALSE(dlg.run(o));
  EXPECT_EQ(o, SearchOptions{});
  EXPECT_EQ(dlg.settings(), SearchOptions{});
  EXPECT_TRUE(dlg.chkTory->isEnabled());

  // Esc is Cancel; the state to go back to is the one of this opening.
  o.direction = Direction::TwoWay;
  const SearchOptions before = o;
  whileOpen(dlg, [&] {
    changeThings();
    press(dlg.txtOutFile, Qt::Key_Escape);
  });
  EXPECT_FALSE(dlg.run(o));
  EXPECT_EQ(o, before);
  EXPECT_EQ(dlg.settings(), before);
}

// --- Zoom board ----------------------------------------------------------------------------

QColor at(const frmBoard& b, int x, int y) { return b.image().pixelColor(x, y); }
const QColor kYellow(255, 255, 0);
const QColor kGreen(0, 255, 0);
const QColor kBlack(0, 0, 0);
const QColor kWhite(255, 255, 255);

TEST(ZoomBoard, TooltipsNameTheStationCellUnderThePointer) {
  Station st = stationFromRows({"10 10 10 10 10 10 10 10 10 10 10 10", "0 0 0 0 0 0 0 0 0 0 0 0",
                                "0 0 0 0 0 0 0 0 0 0 0 0"});
  st.StationFile = "Lipowiec.stc";
  frmBoard board(st);
  EXPECT_EQ(board.windowTitle(), "Zoom - Lipowiec.stc");
  EXPECT_EQ(board.hsbBoard->maximum(), 2);
  EXPECT_EQ(board.vsbBoard->maximum(), 0);
  EXPECT_EQ(tooltipAt(board.picBoard, {10, 96 + 10}), "100");
  // The board moves under the pointer: the tooltip follows.
  press(&board, Qt::Key_Right);
  press(&board, Qt::Key_Right);
  EXPECT_EQ(board.picBoard->toolTip(), "102");
  EXPECT_EQ(tooltipAt(board.picBoard, {9 * 96 + 95, 10}), "11");
  // Below the station's three rows, and on the ruler, no number.
  EXPECT_EQ(tooltipAt(board.picBoard, {10, 3 * 96 + 1}), "");
  EXPECT_EQ(tooltipAt(board.picBoard, {10, 10}), "2");
  EXPECT_EQ(tooltipAt(board.picBoard, {965, 10}), "");
}

TEST(ZoomBoard, ASmallStationFillsOnlyItsOwnCells) {
  Station st = stationFromRows({"0 0 0 0 0", "0 10 10 10 0", "0 0 0 0 0"});
  frmBoard board(st);
  EXPECT_EQ(board.hsbBoard->maximum(), 0);
  EXPECT_EQ(board.vsbBoard->maximum(), 0);
  EXPECT_EQ(tooltipAt(board.picBoard, {4 * 96 + 50, 2 * 96 + 50}), "204");
  // Moving on into the white part must not leave the last number showing.
  EXPECT_EQ(tooltipAt(board.picBoard, {5 * 96 + 1, 2 * 96 + 50}), "");
  // Grid lines only around the station's cells; white beyond.
  EXPECT_EQ(at(board, 95, 200), QColor(224, 224, 224));
  EXPECT_EQ(at(board, 5 * 96 + 95, 200), kWhite);
}

TEST(ZoomBoard, ArrowKeysStopAtTheEndsAndRedraw) {
  // A marker track in column 10, row 8: visible only after scrolling right and down.
  std::vector<std::string> rows(9, "0 0 0 0 0 0 0 0 0 0 0 0");
  rows[8] = "0 0 0 0 0 0 0 0 0 0 100 0";
  Station st = stationFromRows(rows);
  frmBoard board(st);
  ASSERT_EQ(board.hsbBoard->maximum(), 2);
  ASSERT_EQ(board.vsbBoard->maximum(), 2);
  // The keys act whichever control has the focus.
  press(board.cmdExit, Qt::Key_Left);
  press(&board, Qt::Key_Up);
  EXPECT_EQ(board.hsbBoard->value(), 0);
  EXPECT_EQ(board.vsbBoard->value(), 0);
  for (int k = 0; k < 3; ++k) press(board.cmdExit, Qt::Key_Right);
  for (int k = 0; k < 3; ++k) press(board.hsbBoard, Qt::Key_Down);
  EXPECT_EQ(board.hsbBoard->value(), 2);
  EXPECT_EQ(board.vsbBoard->value(), 2);
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
  // Horizontal track through the middle of cell (1, 0): core at y 45..50, border at 44 and 51.
  EXPECT_EQ(at(board, 144, 45), kYellow);
  EXPECT_EQ(at(board, 144, 44), kBlack);
  EXPECT_EQ(at(board, 144, 51), kBlack);
  EXPECT_EQ(at(board, 144, 42), kWhite);
  // Where two cells meet the cores join: no black seam from the next cell's border.
  EXPECT_EQ(at(board, 95, 48), kYellow);
  EXPECT_EQ(at(board, 96, 48), kYellow);
  EXPECT_EQ(at(board, 2 * 96 + 48, 48), kGreen);

  // The arc 1-5: a 14-pixel lead from the corner, then radius 114 round (95, -66).
  EXPECT_EQ(at(board, 7, 96 + 7), kYellow);
  EXPECT_EQ(at(board, 51, 96 + 39), kYellow);  // half-way, at 247.5 degrees
  EXPECT_EQ(at(board, 48, 96 + 48), kWhite);

  // The slip crossing in type 0: both straights and both curves, the crossing in core colour.
  const int sx = 96;
  const int sy = 96;
  EXPECT_EQ(at(board, sx + 48, sy + 48), kYellow);
  EXPECT_EQ(at(board, sx + 51, sy + 39), kYellow);  // curve 1-5
  EXPECT_EQ(at(board, sx + 44, sy + 56), kYellow);  // curve 4-8, its mirror image

  // The digit cell: black frame, yellow inner box.
  const int dx = 2 * 96;
  EXPECT_EQ(at(board, dx + 4, sy + 4), kBlack);
  EXPECT_EQ(at(board, dx + 85, sy + 85), kYellow);

  // Rulers and the grey corner.
  EXPECT_EQ(at(board, 500, 686), kYellow);
  EXPECT_EQ(at(board, 975, 300), kYellow);
  EXPECT_EQ(at(board, 970, 680), QColor(128, 128, 128));
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

// --- Crossing type ---------------------------------------------------------------------------

bool framed(const frmCross& d, int n) {
  return d.picCross[static_cast<size_t>(n - 1)]->image().pixelColor(1, 1) == kBlack;
}
std::vector<int> framedPictures(const frmCross& d) {
  std::vector<int> out;
  for (int n = 1; n <= 7; ++n)
    if (framed(d, n)) out.push_back(n);
  return out;
}

TEST(CrossingDialog, ClickSetsTheTypeAtOnceCancelGivesItBack) {
  Station st = stationFromRows({"0 0 0", "10 24 10", "0 0 0"});
  st.cell(1, 1).CrossType = 3;
  {
    frmCross dlg(st, 1, 1);
    EXPECT_EQ(dlg.windowTitle(), "Rozjazd krzyżowy podwójny");
    EXPECT_EQ(child<QLineEdit>(&dlg, "txtXchg")->text(), "24");
    EXPECT_EQ(child<QLineEdit>(&dlg, "txtAxis")->text(), "101");
    EXPECT_EQ(child<QLabel>(&dlg, "lblInfo")->text(), "[Domyślny]");
    EXPECT_EQ(framedPictures(dlg), std::vector<int>{4});
    dlg.show();
    clickOn(child<QWidget>(&dlg, "picCross6"));
    EXPECT_EQ(st.cell(1, 1).CrossType, 5);
    EXPECT_EQ(framedPictures(dlg), std::vector<int>{6});
    dlg.cmdCancel->click();
    EXPECT_EQ(st.cell(1, 1).CrossType, 3);
    EXPECT_TRUE(dlg.isHidden());
  }
  {
    frmCross dlg(st, 1, 1);
    whileOpen(dlg, [&] {
      clickOn(dlg.picCross[5]);
      dlg.cmdOK->click();
    });
    EXPECT_EQ(dlg.exec(), QDialog::Accepted);
    EXPECT_EQ(st.cell(1, 1).CrossType, 5);
  }
  // A type outside the tables: no picture framed, and Cancel keeps it.
  st.cell(1, 1).CrossType = 9;
  frmCross dlg(st, 1, 1);
  EXPECT_TRUE(framedPictures(dlg).empty());
  dlg.show();
  dlg.cmdCancel->click();
  EXPECT_EQ(st.cell(1, 1).CrossType, 9);
}

TEST(CrossingDialog, FiguresShowTheMovementsOfCodeAndType) {
  Station st = stationFromRows({"24 25 250 241"});
  frmCross d24(st, 0, 0);
  const auto px = [](const frmCross& d, int n, int x, int y) {
    return d.picCross[static_cast<size_t>(n - 1)]->image().pixelColor(x, y);
  };
  // The curve 1-5 (centre (103, -58)) passes (59, 47): laid in types 0, 2, 4, 5, 6.
  const std::vector<bool> curve15{true, false, true, false, true, true, true};
  for (int n = 1; n <= 7; ++n)
    EXPECT_EQ(px(d24, n, 59, 47) == kBlack, curve15[static_cast<size_t>(n - 1)]) << n;
  // The straight 4-5 through the centre: laid in types 0..4.
  for (int n = 1; n <= 7; ++n) EXPECT_EQ(px(d24, n, 40, 56) == kBlack, n <= 5) << n;

  // Seven different figures; the non-electrified form looks the same.
  frmCross d25(st, 1, 0);
  frmCross d250(st, 2, 0);
  for (int n = 1; n <= 7; ++n) {
    EXPECT_EQ(d25.picCross[static_cast<size_t>(n - 1)]->image(),
              d250.picCross[static_cast<size_t>(n - 1)]->image())
        << n;
    for (int m = 1; m < n; ++m)
      EXPECT_NE(d25.picCross[static_cast<size_t>(n - 1)]->image(),
                d25.picCross[static_cast<size_t>(m - 1)]->image())
          << n << " " << m;
  }

  // A code without figures keeps blank pictures.
  frmCross dBlank(st, 3, 0);
  for (int n = 1; n <= 7; ++n)
    EXPECT_EQ(dBlank.picCross[static_cast<size_t>(n - 1)]->image().pixelColor(56, 56), kWhite);
}

}  // namespace
}  // namespace szl
