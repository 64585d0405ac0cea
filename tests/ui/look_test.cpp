// What the program carries with it: the font it draws with and Qt's texts in Polish, the same on
// every system, Windows under Wine (where Qt's offscreen platform knows no other font) included.
#include "ui/look/look.h"

#include <gtest/gtest.h>

#include <QDialogButtonBox>
#include <QFontInfo>
#include <QPushButton>

#include "ui/dialogs/frm_board.h"
#include "ui/main/station_view.h"
#include "ui_support.h"

namespace szl {
namespace {

using namespace test;

// The rows and columns of `image` within `area` where the ink (dark pixels) lies.
QRect inkIn(const QImage& image, const QRect& area) {
  QRect ink;
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x)
      if (image.pixelColor(x, y).lightness() < 100) ink |= QRect(x, y, 1, 1);
  return ink;
}

TEST(OwnLook, WindowsAndDigitsUseTheBuiltInFont) {
  EXPECT_TRUE(szl::ui::useOwnFont());  // both faces read from the program's resources
  QFont bold = QApplication::font();
  EXPECT_EQ(QFontInfo(bold).family(), ui::kOwnFontFamily);
  bold.setBold(true);
  EXPECT_EQ(QFontInfo(bold).styleName(), "Bold");  // the real face, not a thickened regular

  // A digit cell: a bold digit filling most of the height of its yellow box (2..14), in the
  // box's left half as the simulator draws it; white above the box.
  Station st = stationFromRows({"0 0", "0 8"});
  ui::StationView view;
  view.setStation(&st);
  view.resizeCanvas(40, 40);
  view.drawStation(false);
  const QRect cell = inkIn(view.image(), QRect(18 + 2, 18 + 2, 13, 13));
  EXPECT_TRUE(cell.height() >= 8 && cell.height() <= 11 && cell.width() >= 5) << cell.height();
  EXPECT_TRUE(cell.left() <= 18 + 3 && cell.right() <= 18 + 9)
      << cell.left() << " " << cell.right();
  EXPECT_EQ(colours(view.image(), {18, 18}, {{13, 8}, {8, 0}}), "yw");

  // The zoom board's digit, 85 pixels high, in the middle of its 96-pixel cell.
  const QImage board = ui::frmBoard(st).image();
  const QRect big = inkIn(board, QRect(96 + 10, 96 + 10, 77, 77));
  EXPECT_TRUE(big.height() >= 55 && big.height() <= 75) << big.height();
  EXPECT_LE(std::abs(big.center().y() - (96 + 48)), 3) << big.center().y();
}

TEST(OwnLook, QtsOwnButtonsSpeakPolish) {
  const auto polish = szl::ui::installQtPolish();
  ASSERT_NE(polish, nullptr);
  QDialogButtonBox box(QDialogButtonBox::Cancel | QDialogButtonBox::Yes);
  EXPECT_EQ(box.button(QDialogButtonBox::Cancel)->text(), "Anuluj");
  EXPECT_EQ(box.button(QDialogButtonBox::Yes)->text(), "&Tak");
}

}  // namespace
}  // namespace szl
