// The edit stage of the main window: the palette beside the view, the pointer painting the
// grid, and one undo history for every change of the grid, trimming included. What an edit
// makes stale (the analysis, the routes found and chosen) is decided in one place here.
#pragma once

#include <QObject>
#include <QRect>
#include <QUndoStack>
#include <optional>
#include <utility>
#include <vector>

#include "edit/grid_edit.h"

class QAction;
class QMenu;
class QToolButton;

namespace szl::ui {

class frmMain;
class Palette;

class GridEditing : public QObject {
  Q_OBJECT
 public:
  explicit GridEditing(frmMain& w);
  ~GridEditing() override;

  bool editing() const { return editing_; }
  QUndoStack& history() { return stack_; }

  // Applies `e` as one undoable step.
  void push(GridEdit e);
  // Another station: no history, no edit stage.
  void stationOpened();
  // While a search runs nothing changes the grid.
  void setLocked(bool locked);

  void mnuEdycja_Click();
  // "Nowa stacja": an empty grid of the size asked, opened for editing.
  void mnuNowa_Click();
  // "Zapisz siatkę": the header, the size line and the grid alone, to a file chosen.
  void mnuZapiszSiatke_Click();

  Palette* fraPaleta = nullptr;
  QMenu* mnuEdit = nullptr;
  QToolButton* cmdEdycja = nullptr;
  QAction *mnuEdycja = nullptr, *mnuCofnij = nullptr, *mnuPonow = nullptr, *mnuUsun = nullptr,
          *mnuNowa = nullptr, *mnuZapiszSiatke = nullptr, *mnuKopiuj = nullptr,
          *mnuWytnij = nullptr, *mnuWklej = nullptr, *mnuOdbij = nullptr, *mnuOdznacz = nullptr,
          *mnuNastepny = nullptr, *mnuWstawWiersz = nullptr, *mnuUsunWiersz = nullptr,
          *mnuWstawKolumne = nullptr, *mnuUsunKolumne = nullptr, *mnuUsterki = nullptr;
  // Arrow keys move the selection a cell at a time while there is one.
  std::vector<QAction*> actArrows;
  // The cells chosen with Shift and a drag, empty for none.
  QRect selection() const { return selection_; }

 protected:
  bool eventFilter(QObject* o, QEvent* e) override;

 private:
  class Step;

  void enter();
  void leave();
  void onPressed(int x, int y, Qt::MouseButton b, Qt::KeyboardModifiers m);
  void onDragged(int x, int y);
  void onReleased();
  void erase();
  void select(QRect cells);
  QAction* editAction(const char* name, const QString& text, QKeySequence key,
                      void (GridEditing::*handler)());
  void copy();
  void cut();
  void paste();
  void flip();
  void nudge(QPoint by);
  // Rows or columns of the selection, or else of the cell under the pointer: inserted before
  // it, or deleted, as one step.
  void lines(bool rows, bool insert);
  QRect rowsAndColumnsTarget() const;
  // Whether an entry or exit lies in row (or column) `at` or after it, so its point number
  // changes with a row (or column) inserted or deleted there.
  bool entriesFrom(int at, bool row) const;
  void warnRenumbered();
  // The grid changed under `e`: its cells drawn again, what it made stale disabled.
  void changed(const GridEdit& e);
  void setCommands();
  void updateUndoActions();

  frmMain& w_;
  QUndoStack stack_;
  bool editing_ = false;
  bool locked_ = false;
  // The stroke under way: its cells and the edit it makes, shown before it becomes a step.
  std::vector<std::pair<int, int>> stroke_;
  int16_t strokeCode_ = 0;
  std::optional<GridEdit> shown_;
  bool selecting_ = false;
  std::optional<QPoint> movingFrom_;  // a drag that began inside the selection moves it
  QPoint selectFrom_;
  QRect selection_;
  std::optional<CellBlock> copied_;
  bool renumberWarned_ = false;
};

}  // namespace szl::ui
