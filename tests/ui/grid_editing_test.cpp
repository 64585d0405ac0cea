// Editing the grid in the main window: the edit stage and what it makes stale, painting by the
// pointer, the palette, Delete, one history for edits and trimming.
#include "ui/main/grid_editing.h"

#include <gtest/gtest.h>

#include <QMenu>
#include <QSpinBox>

#include "ui/main/palette.h"
#include "filled_save.h"

namespace szl {
namespace {

using namespace test;

class GridEditing : public WindowTest {
 protected:
  ui::GridEditing& editing() { return w->gridEditing(); }
  ui::Palette& palette() { return *child<ui::Palette>(w.get(), "fraPaleta"); }
  void key(int k, Qt::KeyboardModifiers m = {}) { press(w->picOkno, k, {}, m); }
  // A drag with the left button through the centres of `cells`; with Shift it selects.
  void drag(std::initializer_list<QPoint> cells, Qt::KeyboardModifiers m = Qt::NoModifier) {
    const auto centre = [](QPoint c) { return QPointF(17 * c.x() + 9, 17 * c.y() + 9); };
    mouse(w->picOkno, QEvent::MouseButtonPress, centre(*cells.begin()), Qt::LeftButton, m);
    for (const QPoint c : cells) mouse(w->picOkno, QEvent::MouseMove, centre(c));
    mouse(w->picOkno, QEvent::MouseButtonRelease, centre(*(cells.end() - 1)));
  }
  std::string codes(int y, int x0, int x1) const {
    std::string s;
    for (int x = x0; x <= x1; ++x)
      s += (x > x0 ? " " : "") + std::to_string(w->station()->cell(x, y).Code);
    return s;
  }
  std::string stage() const {
    return enabledOf(w.get(), {"cmdTrim", "cmdNoTrim", "cmdEdycja", "cmdAnalyze", "cmdOptions",
                               "cmdStart", "cmdSelektor", "cmdPozostale", "cmdSave"});
  }
};

const std::vector<std::string> kGap{"0 0 0 0 0 0 0 0 0", "0 52 10 21 3 21 0 0 52",
                                    "0 1 0 0 0 0 0 0 2", "0 0 0 0 0 0 0 0 0"};

// Two entry-exits and a platform with a gap in their track: searched, edited to close the gap
// by one drag, undone and redone by the keys, and searched again with routes found.
TEST_F(GridEditing, APaintedStrokeIsOneStepAndMakesTheSearchStale) {
  writeFile(dir / "luka.stc", stationFileText(kGap));
  openWritten("luka.stc", Stage::Analysed);
  w->cmdStartNoCfm->click();
  const int before = w->txtTrasy->text().toInt();  // the left entry-exit and the platform

  editing().cmdEdycja->click();
  EXPECT_EQ(editing().cmdEdycja->text(), "Zakończ edy&cję");
  EXPECT_FALSE(palette().isHidden());
  EXPECT_EQ(stage(), "001010000");
  // A mark far from the stroke stays: only the cells painted and their neighbours are drawn.
  w->picOkno->markObject(1, 3, 1, 0xffff00ff);
  click(&palette(), "cmdKlocek10");
  drag({{6, 1}, {7, 1}});
  EXPECT_EQ(codes(1, 5, 8), "21 10 10 52");
  EXPECT_EQ(std::string{centreOf(6, 1)}, "y");
  EXPECT_EQ(w->picOkno->image().pixelColor(17 * 1 + 2, 17 * 3 + 9), QColor(0xff, 0, 0xff));
  auto* edit = child<QMenu>(w.get(), "mnuEdit");
  EXPECT_EQ(edit->actions().front()->text(), "&Cofnij: malowanie");

  key(Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(codes(1, 5, 8), "21 0 0 52");
  EXPECT_EQ(std::string{centreOf(6, 1)}, "w");
  key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(codes(1, 5, 8), "21 10 10 52");

  // Delete empties the cell under the pointer.
  mouse(w->picOkno, QEvent::MouseMove, {17 * 4 + 9, 17 * 3 + 9});
  key(Qt::Key_Delete);  // already empty: no step
  EXPECT_EQ(editing().history().count(), 1);
  mouse(w->picOkno, QEvent::MouseMove, {17 * 7 + 9, 17 * 1 + 9});
  key(Qt::Key_Delete);
  EXPECT_EQ(codes(1, 7, 7), "0");
  key(Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(codes(1, 7, 7), "10");

  // Left, the station is as after trimming: analysed and searched again it has its routes.
  editing().cmdEdycja->click();
  EXPECT_EQ(stage(), "001110000");
  EXPECT_TRUE(palette().isHidden());
  w->cmdAnalyze->click();
  w->cmdStartNoCfm->click();
  EXPECT_GT(w->txtTrasy->text().toInt(), before);
  EXPECT_EQ(stage(), "001111110");
}

// With the findings framed on the view they follow each edit: a track end painted into the
// gap is marked until the gap is closed. An arrow key moves the selection a cell as one step.
TEST_F(GridEditing, TheCheckFollowsTheEditsAndArrowsMoveTheSelection) {
  writeFile(dir / "luka.stc", stationFileText(kGap));
  openWritten("luka.stc", Stage::Kept);
  activate();
  editing().cmdEdycja->click();
  const auto marked = [&] {
    const QImage shown = w->picOkno->grab().toImage();
    std::string cells;
    for (int x = 0; x < 9; ++x)
      if (shown.pixelColor(17 * x + 1, 17 * 1 + 9) == QColor(0xff, 0, 0xff))
        cells += std::to_string(x);
    return cells;
  };
  EXPECT_EQ(marked(), "");
  child<QAction>(w.get(), "mnuUsterki")->trigger();
  EXPECT_EQ(marked(), "8");
  click(&palette(), "cmdKlocek10");
  drag({{6, 1}});
  EXPECT_EQ(marked(), "68");
  drag({{7, 1}});
  EXPECT_EQ(marked(), "");
  key(Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(marked(), "68");

  drag({{8, 1}, {8, 2}}, Qt::ShiftModifier);
  keyClick(w->picOkno, Qt::Key_Left);
  EXPECT_EQ(codes(1, 5, 8) + "|" + codes(2, 5, 8), "21 10 52 0|0 0 2 0");
  EXPECT_EQ(editing().selection(), QRect(7, 1, 1, 2));
  EXPECT_EQ(editing().mnuCofnij->text(), "&Cofnij: przesunięcie zaznaczenia");
  EXPECT_EQ(marked(), "");
  // Without a selection the arrows are the view's again.
  key(Qt::Key_Escape);
  keyClick(w->picOkno, Qt::Key_Left);
  EXPECT_EQ(codes(1, 5, 8), "21 10 52 0");
}

// Trimming is a step too: undone, the whole grid is back and can be analysed again.
TEST_F(GridEditing, TrimmingIsUndoneAndRedone) {
  open("yard_14x7");
  w->cmdTrim->click();
  EXPECT_EQ(w->txtWiersze->text(), "6");
  key(Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(w->station()->RowCount(), 7);
  EXPECT_EQ(w->txtWiersze->text(), "7");
  EXPECT_EQ(w->picOkno->height(), 17 * 7 + 20);
  EXPECT_EQ(stage(), "001110000");
  key(Qt::Key_Y, Qt::ControlModifier);
  EXPECT_EQ(w->station()->RowCount(), 6);
  // A station opened in the same window starts without a history.
  prompts.openPaths = {pathOf("yard_14x7.stc")};
  prompts.answers = {Answer::No};  // "Zapisać zmiany w stacji yard_14x7.stc?"
  w->cmdOpen->click();
  EXPECT_EQ(editing().history().count(), 0);
  EXPECT_EQ(stage(), "111000000");
}

// Painted without electrification, a piece is its code times ten and drawn green, as the
// palette shows and names it.
TEST_F(GridEditing, NonElectrifiedPiecesAreTenTimesTheirCode) {
  open("yard_14x7", Stage::Kept);
  editing().cmdEdycja->click();
  // R goes on to the next piece of the group, from the last to the first: of the two
  // crossings, 62 then 23.
  click(&palette(), "cmdKlocek62");
  key(Qt::Key_R);
  EXPECT_EQ(palette().lblWybrany->text(), "Krzyżówka (kod 23)");
  click(&palette(), "cmdKlocek12");
  palette().chkNiezelektr->setChecked(true);
  drag({{3, 0}});
  EXPECT_EQ(codes(0, 3, 3), "120");
  EXPECT_EQ(std::string{centreOf(3, 0)}, "g");
  EXPECT_EQ(child<QWidget>(&palette(), "cmdKlocek12")->toolTip(), "Zwrotnica (kod 120)");
  EXPECT_EQ(child<QWidget>(&palette(), "cmdKlocek21")->toolTip(),
            "Peron / punkt postojowy (kod 210)");
  // Painted over, an object's data typed by the author goes, and the author is told.
  w->station()->object(0, 2).AuthorData = true;
  drag({{0, 2}});
  EXPECT_TRUE(prompts.wasAsked("punkt 200, Wjazd / wyjazd: dane obiektu usunięto razem z nim"));
  clickAt(w->picOkno, {17 * 1 + 9, 17 * 2 + 9}, Qt::RightButton);
  EXPECT_EQ(palette().code(), 10);
  EXPECT_FALSE(palette().chkNiezelektr->isChecked());
}

// A selection made with Shift and a drag is copied, pasted, flipped and emptied; its rows are
// deleted as one step.
TEST_F(GridEditing, TheSelectionIsCopiedPastedFlippedAndItsRowsDeleted) {
  writeFile(dir / "luka.stc", stationFileText(kGap));
  openWritten("luka.stc", Stage::Kept);
  editing().cmdEdycja->click();
  drag({{1, 1}, {2, 2}}, Qt::ShiftModifier);
  EXPECT_EQ(editing().selection(), QRect(1, 1, 2, 2));
  key(Qt::Key_C, Qt::ControlModifier);
  key(Qt::Key_Escape);
  mouse(w->picOkno, QEvent::MouseMove, {17 * 6 + 9, 17 * 2 + 9});
  key(Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(codes(2, 5, 8) + "|" + codes(3, 5, 8), "0 52 10 2|0 1 0 0");
  EXPECT_EQ(editing().selection(), QRect(6, 2, 2, 2));
  editing().mnuOdbij->trigger();
  EXPECT_EQ(codes(2, 5, 8) + "|" + codes(3, 5, 8), "0 10 52 2|0 0 1 0");
  // Dragged from inside, the selection moves with its cells; what they land on goes.
  drag({{7, 2}, {8, 2}});
  EXPECT_EQ(codes(2, 5, 8) + "|" + codes(3, 5, 8), "0 0 10 52|0 0 0 1");
  EXPECT_EQ(editing().selection(), QRect(7, 2, 2, 2));
  key(Qt::Key_Delete);
  EXPECT_EQ(codes(2, 5, 8) + "|" + codes(3, 5, 8), "0 0 0 0|0 0 0 0");
  for (int k = 0; k < 4; ++k) key(Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(codes(2, 5, 8) + "|" + codes(3, 5, 8), "0 0 0 2|0 0 0 0");
  EXPECT_EQ(editing().history().index(), 0);

  drag({{0, 2}, {0, 3}}, Qt::ShiftModifier);
  editing().mnuUsunWiersz->trigger();
  EXPECT_EQ(w->station()->RowCount(), 2);
  EXPECT_EQ(editing().mnuCofnij->text(), "&Cofnij: usunięcie wierszy");
  key(Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(gridText(*w->station()), stationFileText(kGap));
  // Without a selection a row goes in at the pointer; the entry-exits' point numbers change,
  // which the author is told once.
  mouse(w->picOkno, QEvent::MouseMove, {17 * 0 + 9, 17 * 1 + 9});
  prompts.asked.clear();
  editing().mnuWstawWiersz->trigger();
  editing().mnuWstawWiersz->trigger();
  EXPECT_EQ(codes(3, 0, 1), "0 52");
  ASSERT_EQ(prompts.asked.size(), 1u);
  EXPECT_TRUE(prompts.last().text.starts_with("Uwaga!\r\nWstawienie albo usunięcie wiersza"));
}

// A station drawn from nothing: two entry-exits with their digits, a platform with its digit,
// track between. Its grid is saved as the reader reads it; analysed, searched and its routes
// chosen, it is saved whole.
TEST_F(GridEditing, ANewStationIsDrawnSearchedAndSaved) {
  open("yard_14x7", Stage::Kept);
  whenModal([](QWidget* d) {
    child<QSpinBox>(d, "spnWiersze")->setValue(3);
    child<QSpinBox>(d, "spnKolumny")->setValue(9);
    click(d, "cmdOK");
  });
  editing().mnuNowa->trigger();
  ASSERT_EQ(w->station()->ColCount() * 100 + w->station()->RowCount(), 903);
  EXPECT_EQ(w->windowTitle(), "Szlakownik for Torowik - nowa.stc");
  EXPECT_TRUE(editing().editing());
  EXPECT_TRUE(prompts.asked.empty());  // no advice to trim a blank grid
  const auto paint = [&](int16_t code, std::initializer_list<QPoint> cells) {
    ASSERT_TRUE(palette().choose(code));
    drag(cells);
  };
  paint(10, {{1, 1}, {7, 1}});
  paint(52, {{1, 1}});
  paint(52, {{7, 1}});
  paint(21, {{3, 1}});
  paint(21, {{5, 1}});
  paint(3, {{4, 1}});
  paint(1, {{1, 2}});
  paint(2, {{7, 2}});
  EXPECT_EQ(editing().history().count(), 8);

  prompts.savePaths = {pathOf("rysowana")};
  editing().mnuZapiszSiatke->trigger();
  const std::string grid =
      stationFileText({"0 0 0 0 0 0 0 0 0", "0 52 10 21 3 21 10 52 0", "0 1 0 0 0 0 0 2 0"});
  EXPECT_EQ(readFile(dir / "rysowana.stc"), grid);
  EXPECT_EQ(w->windowTitle(), "Szlakownik for Torowik - rysowana.stc");
  EXPECT_TRUE(w->mnuRecent[0]->text().startsWith("&1 rysowana.stc"));
  // The grid was all there was: leaving only asks whether to leave.
  prompts.answers = {Answer::Cancel};
  EXPECT_FALSE(w->cmdExit_Click());
  EXPECT_EQ(prompts.last().text, "Opuścić program Szlakownik?");

  editing().cmdEdycja->click();
  w->cmdAnalyze->click();
  w->cmdStartNoCfm->click();
  EXPECT_GT(w->txtTrasy->text().toInt(), 0);
  // Saved whole: its two routes, the entry-exits numbered by their digits, the platform by its.
  select();
  prompts.savePaths = {pathOf("rysowana")};
  saveFilled(*w);
  const std::string saved = readFile(dir / "rysowana.stc");
  EXPECT_EQ(saved.rfind(grid, 0), 0u);
  for (const char* line : {"1,1,101,102,103,0,", "1,1,105,106,107,0,", "3,407,101,15,0,11,",
                           "4,3,103,104,105,3,", "3,407,107,15,0,20,"})
    EXPECT_NE(saved.find(std::string("\r\n") + line + "\r\n"), std::string::npos) << line;
}

}  // namespace
}  // namespace szl
