#include "ui/main/grid_editing.h"

#include <QAction>
#include <QBoxLayout>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QToolButton>
#include <QUndoCommand>
#include <algorithm>

#include "model/file_errors.h"
#include "objects/object_class.h"
#include "platform/system.h"
#include "select/route_file_reader.h"
#include "select/route_table.h"
#include "stationfile/save_file.h"
#include "stationfile/station_writer.h"
#include "ui/dialogs/frm_nowa.h"
#include "ui/main/frm_main.h"
#include "ui/main/palette.h"

namespace szl::ui {

namespace {
const char* kEnterText = "Edycja siat&ki";
const char* kLeaveText = "Zakończ edy&cję";

int towards(int from, int to) { return (to > from) - (to < from); }

// What a complete save would write and the grid alone would not: data the author typed or took
// over from a saved file.
bool holdsMoreThanItsGrid(const Station& st) {
  return st.StationComment != kDefaultComment || st.TickIndex != kDefaultTickIndex ||
         !st.KeptRoutes.empty() || std::ranges::any_of(st.CellObjects, &ObjectRec::AuthorData);
}
}  // namespace

// One edit as one step of the history; the window follows whichever way it goes.
class GridEditing::Step : public QUndoCommand {
 public:
  Step(GridEditing& g, GridEdit e)
      : QUndoCommand(QString::fromStdString(e.name())), g_(g), e_(std::move(e)) {}
  void redo() override {
    e_.apply(*g_.w_.station());
    g_.changed(e_);
  }
  void undo() override {
    e_.undo(*g_.w_.station());
    g_.changed(e_);
  }

 private:
  GridEditing& g_;
  GridEdit e_;
};

GridEditing::GridEditing(frmMain& w) : QObject(&w), w_(w) {
  fraPaleta = new Palette;
  fraPaleta->hide();
  // Beside the view, between it and the command panel.
  if (auto* row = qobject_cast<QBoxLayout*>(w_.centralWidget()->layout()))
    row->insertWidget(1, fraPaleta);

  mnuEdycja = new QAction(kEnterText, &w_);
  mnuEdycja->setIconText(kEnterText);  // the button keeps its underlined letter
  mnuEdycja->setObjectName("mnuEdycja");
  mnuEdycja->setCheckable(true);
  mnuEdycja->setEnabled(false);
  connect(mnuEdycja, &QAction::triggered, this, &GridEditing::mnuEdycja_Click);
  cmdEdycja = w_.button(mnuEdycja, "cmdEdycja");
  if (auto* panel = w_.findChild<QWidget*>("fraPolecenia"))
    if (auto* col = qobject_cast<QBoxLayout*>(panel->layout()))
      col->insertWidget(col->indexOf(w_.cmdNoTrim) + 1, cmdEdycja);

  mnuCofnij = new QAction("&Cofnij", &w_);
  mnuCofnij->setObjectName("mnuCofnij");
  mnuCofnij->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
  connect(mnuCofnij, &QAction::triggered, this, [this] {
    if (!locked_ && stroke_.empty()) stack_.undo();
  });
  mnuPonow = new QAction("&Ponów", &w_);
  mnuPonow->setObjectName("mnuPonow");
  mnuPonow->setShortcuts(
      {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
  connect(mnuPonow, &QAction::triggered, this, [this] {
    if (!locked_ && stroke_.empty()) stack_.redo();
  });
  mnuUsun = new QAction("&Usuń", &w_);
  mnuUsun->setObjectName("mnuUsun");
  mnuUsun->setShortcut(QKeySequence(Qt::Key_Delete));
  mnuUsun->setEnabled(false);
  connect(mnuUsun, &QAction::triggered, this, &GridEditing::erase);
  for (auto signal : {&QUndoStack::canUndoChanged, &QUndoStack::canRedoChanged})
    connect(&stack_, signal, this, &GridEditing::updateUndoActions);
  for (auto signal : {&QUndoStack::undoTextChanged, &QUndoStack::redoTextChanged})
    connect(&stack_, signal, this, &GridEditing::updateUndoActions);
  updateUndoActions();

  mnuEdit = new QMenu("E&dycja", &w_);
  mnuEdit->setObjectName("mnuEdit");
  mnuEdit->addAction(mnuCofnij);
  mnuEdit->addAction(mnuPonow);
  mnuEdit->addSeparator();
  mnuWytnij = editAction("mnuWytnij", "Wy&tnij", QKeySequence::Cut, &GridEditing::cut);
  mnuKopiuj = editAction("mnuKopiuj", "Kop&iuj", QKeySequence::Copy, &GridEditing::copy);
  mnuWklej = editAction("mnuWklej", "Wk&lej", QKeySequence::Paste, &GridEditing::paste);
  mnuEdit->addAction(mnuUsun);
  mnuOdbij = editAction("mnuOdbij", "&Odbij w poziomie", {}, &GridEditing::flip);
  mnuOdznacz = editAction("mnuOdznacz", "O&dznacz", QKeySequence(Qt::Key_Escape), nullptr);
  connect(mnuOdznacz, &QAction::triggered, this, [this] { select({}); });
  mnuNastepny =
      editAction("mnuNastepny", "Następny element &grupy", QKeySequence(Qt::Key_R), nullptr);
  connect(mnuNastepny, &QAction::triggered, fraPaleta, &Palette::chooseNextInGroup);
  mnuEdit->addSeparator();
  mnuWstawWiersz = editAction("mnuWstawWiersz", "Wst&aw wiersz", {}, nullptr);
  mnuUsunWiersz = editAction("mnuUsunWiersz", "Usuń wie&rsze", {}, nullptr);
  mnuWstawKolumne = editAction("mnuWstawKolumne", "Wstaw kolu&mnę", {}, nullptr);
  mnuUsunKolumne = editAction("mnuUsunKolumne", "Usuń kolum&ny", {}, nullptr);
  connect(mnuWstawWiersz, &QAction::triggered, this, [this] { lines(true, true); });
  connect(mnuUsunWiersz, &QAction::triggered, this, [this] { lines(true, false); });
  connect(mnuWstawKolumne, &QAction::triggered, this, [this] { lines(false, true); });
  connect(mnuUsunKolumne, &QAction::triggered, this, [this] { lines(false, false); });
  mnuEdit->addSeparator();
  mnuEdit->addAction(mnuEdycja);
  // The check's findings framed on the view, anew after every edit.
  mnuUsterki = new QAction("Pokaż u&sterki", &w_);
  mnuUsterki->setObjectName("mnuUsterki");
  mnuUsterki->setCheckable(true);
  mnuUsterki->setEnabled(false);
  connect(mnuUsterki, &QAction::toggled, &w_, &frmMain::refreshCheck);
  mnuEdit->addAction(mnuUsterki);
  for (const QPoint by : {QPoint(-1, 0), QPoint(1, 0), QPoint(0, -1), QPoint(0, 1)}) {
    auto* a = new QAction(&w_);
    a->setShortcut(by.x() ? (by.x() < 0 ? Qt::Key_Left : Qt::Key_Right)
                          : (by.y() < 0 ? Qt::Key_Up : Qt::Key_Down));
    a->setEnabled(false);
    connect(a, &QAction::triggered, this, [this, by] { nudge(by); });
    w_.addAction(a);
    actArrows.push_back(a);
  }
  w_.menuBar()->insertMenu(w_.mnuTrasy->menuAction(), mnuEdit);

  mnuNowa = new QAction("&Nowa stacja", &w_);
  mnuNowa->setObjectName("mnuNowa");
  connect(mnuNowa, &QAction::triggered, this, &GridEditing::mnuNowa_Click);
  mnuZapiszSiatke = new QAction("Zapisz &siatkę", &w_);
  mnuZapiszSiatke->setObjectName("mnuZapiszSiatke");
  mnuZapiszSiatke->setEnabled(false);
  connect(mnuZapiszSiatke, &QAction::triggered, this, &GridEditing::mnuZapiszSiatke_Click);
  w_.mnuFile->insertAction(w_.mnuOpen, mnuNowa);
  const QList<QAction*> file = w_.mnuFile->actions();
  const qsizetype save = file.indexOf(w_.mnuSave);
  w_.mnuFile->insertAction(save + 1 < file.size() ? file[save + 1] : nullptr, mnuZapiszSiatke);

  // Connected after the window's own command, so it sees the options the dialog left.
  connect(w_.mnuOptions, &QAction::triggered, this,
          [this] { fraPaleta->setTrackStyle(w_.options().trackStyle); });

  StationView* view = w_.picOkno;
  connect(view, &StationView::editPressed, this, &GridEditing::onPressed);
  connect(view, &StationView::editDragged, this, &GridEditing::onDragged);
  connect(view, &StationView::editReleased, this, &GridEditing::onReleased);
  w_.installEventFilter(this);
}

GridEditing::~GridEditing() = default;

void GridEditing::mnuEdycja_Click() {
  if (editing_)
    leave();
  else
    enter();
  mnuEdycja->setChecked(editing_);
}

void GridEditing::enter() {
  if (!w_.station() || w_.searching()) return;
  // The whole grid, drawn as kept and without the links of an analysis the edits make stale.
  if (w_.actTrim->isEnabled())
    w_.cmdNoTrim_Click();
  else
    w_.layoutKeptStage();
  editing_ = true;
  w_.picOkno->setEditing(true);
  fraPaleta->setTrackStyle(w_.options().trackStyle);
  fraPaleta->show();
  mnuEdycja->setIconText(kLeaveText);
  mnuEdycja->setText(kLeaveText);
  setCommands();
}

void GridEditing::leave() {
  if (!editing_) return;
  w_.picOkno->setEditing(false);  // a stroke under way ends as a step
  editing_ = false;
  select({});
  fraPaleta->hide();
  mnuEdycja->setIconText(kEnterText);
  mnuEdycja->setText(kEnterText);
  setCommands();
}

void GridEditing::stationOpened() {
  if (editing_) leave();
  mnuEdycja->setChecked(false);
  stack_.clear();
  renumberWarned_ = false;
  mnuEdycja->setEnabled(true);
  mnuZapiszSiatke->setEnabled(true);
  mnuUsterki->setEnabled(true);
}

void GridEditing::mnuNowa_Click() {
  if (w_.searching() || !w_.settleUnsavedWork()) return;
  frmNowa size(&w_);
  if (size.exec() != QDialog::Accepted) return;
  Station st = newStation(size.spnKolumny->value(), size.spnWiersze->value());
  // Beside the station open till now, or else in the folder the program works in; its route
  // file goes there too until the grid is saved elsewhere.
  std::string folder = w_.station() ? w_.station()->StationDir : std::string();
  if (folder.empty()) folder = QDir::toNativeSeparators(QDir::currentPath() + "/").toStdString();
  st.StationDir = folder;
  st.StationFile = "nowa.stc";
  LoadInfo info;
  info.limitMessage = st.ColCount() > kSimulatorColumns || st.RowCount() > kSimulatorRows;
  info.screenMessage = st.ColCount() > kScreenColumns || st.RowCount() > kScreenRows;
  w_.installStation(std::move(st), info);
  enter();
  mnuEdycja->setChecked(editing_);
}

void GridEditing::mnuZapiszSiatke_Click() {
  Station* st = w_.station();
  if (!st || w_.searching()) return;
  const std::optional<QString> chosen =
      w_.prompts_->saveStation(&w_, QString::fromStdString(st->StationDir + st->StationFile));
  if (!chosen) return;
  QString path = *chosen;
  if (QFileInfo(path).suffix().isEmpty()) path += ".stc";
  const std::string target = path.toStdString();
  if (const int err = saveFileAtomically(target, gridFileBytes(*st))) {
    w_.ask({Icon::Critical, "Zapisz siatkę",
            "Nie można zapisać siatki do pliku " + target + ":" + CrLf + writeFailureReason(err) +
                CrLf + "Poprzedni plik o tej nazwie, jeśli był, pozostał bez zmian.",
            Buttons::Ok});
    return;
  }
  // The station is this file now: its route file goes beside it.
  const QFileInfo saved(path);
  st->StationDir = QDir::toNativeSeparators(saved.absolutePath() + "/").toStdString();
  st->StationFile = saved.fileName().toStdString();
  w_.setCaption();
  w_.recent_.add(saved.absoluteFilePath());
  w_.updateRecentMenu();
  // When the grid is all the author made, nothing waits to be saved any more.
  if (!w_.mnuSave->isEnabled() && !holdsMoreThanItsGrid(*st)) w_.unsaved_ = false;
}

void GridEditing::setLocked(bool locked) {
  locked_ = locked;
  mnuEdycja->setEnabled(!locked && w_.station());
  mnuNowa->setEnabled(!locked);
  mnuZapiszSiatke->setEnabled(!locked && w_.station());
  mnuUsterki->setEnabled(!locked && w_.station());
  updateUndoActions();
}

void GridEditing::setCommands() {
  // Whatever came of the grid before is gone: the analysis, the search and the selection are
  // to be done again, as after trimming. Editing, the analysis waits for its end.
  w_.actTrim->setEnabled(false);
  w_.actNoTrim->setEnabled(false);
  w_.mnuPunkty->setEnabled(!editing_);
  for (QAction* a : {w_.mnuOptions, w_.mnuZoom, w_.mnuSprawdz}) a->setEnabled(true);
  for (QAction* a :
       {w_.mnuWyszukaj, w_.mnuWyszukajAll, w_.mnuSelektor, w_.mnuPozostale, w_.mnuSave})
    a->setEnabled(false);
  for (QAction* a : {mnuUsun, mnuKopiuj, mnuWytnij, mnuWklej, mnuOdbij, mnuOdznacz, mnuNastepny,
                     mnuWstawWiersz, mnuUsunWiersz, mnuWstawKolumne, mnuUsunKolumne})
    a->setEnabled(editing_);
  for (QAction* a : actArrows) a->setEnabled(editing_ && !selection_.isEmpty());
}

void GridEditing::updateUndoActions() {
  mnuCofnij->setText(stack_.canUndo() ? "&Cofnij: " + stack_.undoText() : QString("&Cofnij"));
  mnuPonow->setText(stack_.canRedo() ? "&Ponów: " + stack_.redoText() : QString("&Ponów"));
  mnuCofnij->setEnabled(stack_.canUndo() && !locked_);
  mnuPonow->setEnabled(stack_.canRedo() && !locked_);
}

void GridEditing::push(GridEdit e) {
  const std::vector<std::string> dropped = e.dropped();
  stack_.push(new Step(*this, std::move(e)));
  if (!dropped.empty())
    w_.ask(listMessage("Edycja siatki",
                       "Razem z obiektami usunięto dane, które do nich wpisano:", dropped));
}

void GridEditing::changed(const GridEdit& e) {
  Station& st = *w_.station();
  if (e.resizes()) {
    w_.picOkno->setStation(&st);
    w_.trim_ = wholeGrid(st);
    w_.txtKolumny->setText(QString::number(st.ColCount()));
    w_.txtWiersze->setText(QString::number(st.RowCount()));
    w_.layoutKeptStage();
    select({});
  } else {
    const CellRect r = e.touched();
    w_.picOkno->redrawCells(r.x, r.y, r.w, r.h);
  }
  w_.unsaved_ = true;
  w_.routeFileStale_ = true;
  w_.selector_ = RouteSelector();
  setCommands();
  w_.refreshCheck();
}

void GridEditing::onPressed(int x, int y, Qt::MouseButton b, Qt::KeyboardModifiers m) {
  Station* st = w_.station();
  if (!editing_ || locked_ || !st) return;
  if (b == Qt::RightButton) {
    fraPaleta->choose(st->cell(x, y).Code);
    return;
  }
  if (b != Qt::LeftButton) return;
  if (m & Qt::ShiftModifier) {
    selecting_ = true;
    selectFrom_ = {x, y};
    select({x, y, 1, 1});
    return;
  }
  if (selection_.contains(x, y)) {
    movingFrom_ = QPoint(x, y);
    return;
  }
  select({});
  stroke_ = {{x, y}};
  strokeCode_ = fraPaleta->code();
  onDragged(x, y);
}

void GridEditing::onDragged(int x, int y) {
  if (selecting_) {
    select(QRect(selectFrom_, QPoint(x, y)).normalized());
    return;
  }
  if (movingFrom_) {
    // The frame shows where the cells would land.
    w_.picOkno->setSelection(selection_.translated(QPoint(x, y) - *movingFrom_));
    return;
  }
  Station* st = w_.station();
  if (stroke_.empty() || !st) return;
  // A quick drag skips cells: the stroke goes through them all the same.
  auto [cx, cy] = stroke_.back();
  while (cx != x || cy != y) {
    cx += towards(cx, x);
    cy += towards(cy, y);
    if (std::ranges::find(stroke_, std::pair{cx, cy}) == stroke_.end()) stroke_.push_back({cx, cy});
  }
  // Shown as it grows; it becomes one step when the button is released.
  if (shown_) shown_->undo(*st);
  shown_ = GridEditor::paint(*st, stroke_, strokeCode_);
  shown_->apply(*st);
  const CellRect r = shown_->touched();
  w_.picOkno->redrawCells(r.x, r.y, r.w, r.h);
}

void GridEditing::onReleased() {
  selecting_ = false;
  if (movingFrom_) {
    const QPoint to = w_.picOkno->pointerCell();
    const QPoint by = to - *movingFrom_;
    movingFrom_.reset();
    const QRect& r = selection_;
    std::optional<GridEdit> e;
    if (!by.isNull() && to.x() >= 0)
      e = GridEditor::move(*w_.station(), {r.x(), r.y(), r.width(), r.height()}, by.x(), by.y());
    if (e) {
      push(std::move(*e));
      select(selection_.translated(by));
    } else {
      select(selection_);  // off the grid: it stays where it was
    }
    return;
  }
  Station* st = w_.station();
  if (stroke_.empty() || !st) return;
  bool paints = false;
  if (shown_) {
    shown_->undo(*st);
    for (const auto& [x, y] : stroke_) paints = paints || st->cell(x, y).Code != strokeCode_;
  }
  std::optional<GridEdit> e = std::move(shown_);
  shown_.reset();
  stroke_.clear();
  if (paints) push(std::move(*e));
}

void GridEditing::erase() {
  Station* st = w_.station();
  if (!editing_ || locked_ || !st || !stroke_.empty()) return;
  if (!selection_.isEmpty()) {
    const QRect& r = selection_;
    push(GridEditor::erase(*st, {r.x(), r.y(), r.width(), r.height()}));
    return;
  }
  const QPoint c = w_.picOkno->pointerCell();
  if (!st->inside(c.x(), c.y()) || st->cell(c.x(), c.y()).Code == 0) return;
  push(GridEditor::erase(*st, {c.x(), c.y(), 1, 1}));
}

QAction* GridEditing::editAction(const char* name, const QString& text, QKeySequence key,
                                 void (GridEditing::*handler)()) {
  auto* a = new QAction(text, &w_);
  a->setObjectName(name);
  if (!key.isEmpty()) a->setShortcut(key);
  a->setEnabled(false);
  if (handler) connect(a, &QAction::triggered, this, handler);
  mnuEdit->addAction(a);
  return a;
}

void GridEditing::select(QRect cells) {
  selection_ = cells;
  w_.picOkno->setSelection(cells);
  for (QAction* a : actArrows) a->setEnabled(editing_ && !selection_.isEmpty());
}

void GridEditing::copy() {
  if (!editing_ || selection_.isEmpty()) return;
  const QRect& r = selection_;
  copied_ = GridEditor::copy(*w_.station(), {r.x(), r.y(), r.width(), r.height()});
}

void GridEditing::cut() {
  if (!editing_ || locked_ || selection_.isEmpty()) return;
  copy();
  erase();
}

void GridEditing::paste() {
  Station* st = w_.station();
  if (!editing_ || locked_ || !st || !copied_ || !stroke_.empty()) return;
  // Where the selection begins, or else under the pointer.
  const QPoint at = selection_.isEmpty() ? w_.picOkno->pointerCell() : selection_.topLeft();
  if (!st->inside(at.x(), at.y())) return;
  push(GridEditor::paste(*st, *copied_, at.x(), at.y()));
  select(QRect(at, QSize(copied_->w, copied_->h))
             .intersected(QRect(0, 0, st->ColCount(), st->RowCount())));
}

void GridEditing::flip() {
  Station* st = w_.station();
  if (!editing_ || locked_ || !st || selection_.isEmpty()) return;
  const QRect& r = selection_;
  if (auto e = GridEditor::flip(*st, {r.x(), r.y(), r.width(), r.height()}))
    push(std::move(*e));
  else
    w_.ask({Icon::Exclamation, "Edycja siatki",
            "Zaznaczenia nie można odbić: jest w nim element, który nie ma odbicia lustrzanego.",
            Buttons::Ok});
}

void GridEditing::nudge(QPoint by) {
  Station* st = w_.station();
  if (!editing_ || locked_ || !st || selection_.isEmpty() || !stroke_.empty() || movingFrom_)
    return;
  const QRect& r = selection_;
  // At the grid's edge the selection stays where it is.
  if (auto e = GridEditor::move(*st, {r.x(), r.y(), r.width(), r.height()}, by.x(), by.y())) {
    push(std::move(*e));
    select(selection_.translated(by));
  }
}

QRect GridEditing::rowsAndColumnsTarget() const {
  if (!selection_.isEmpty()) return selection_;
  const QPoint c = w_.picOkno->pointerCell();
  return w_.station()->inside(c.x(), c.y()) ? QRect(c, QSize(1, 1)) : QRect();
}

void GridEditing::lines(bool rows, bool insert) {
  Station* st = w_.station();
  if (!editing_ || locked_ || !st) return;
  const QRect r = rowsAndColumnsTarget();
  if (r.isEmpty()) return;
  const int at = rows ? r.y() : r.x();
  const bool renumbers = entriesFrom(at, rows);
  stack_.beginMacro(rows ? (insert ? "wstawienie wiersza" : "usunięcie wierszy")
                         : (insert ? "wstawienie kolumny" : "usunięcie kolumn"));
  for (int k = 0; k < (insert ? 1 : rows ? r.height() : r.width()); ++k)
    if (auto e =
            rows ? (insert ? GridEditor::insertRow(*st, at) : GridEditor::deleteRow(*st, at))
                 : (insert ? GridEditor::insertColumn(*st, at) : GridEditor::deleteColumn(*st, at)))
      push(std::move(*e));
  stack_.endMacro();
  if (renumbers) warnRenumbered();
}

bool GridEditing::entriesFrom(int at, bool row) const {
  const Station& st = *w_.station();
  for (int y = row ? at : 0; y < st.RowCount(); ++y)
    for (int x = row ? 0 : at; x < st.ColCount(); ++x) {
      const ObjectClass c = objectClass(st.cell(x, y).Code, 0);
      if (c == ObjectClass::EntryOrExit || c == ObjectClass::EntryExit) return true;
    }
  return false;
}

void GridEditing::warnRenumbered() {
  // Once for each station: the author knows it after the first time.
  if (renumberWarned_) return;
  renumberWarned_ = true;
  w_.ask(
      {Icon::Information, "Edycja siatki",
       std::string("Uwaga!") + CrLf +
           "Wstawienie albo usunięcie wiersza lub kolumny zmienia numery punktów"
           " wjazdów i wyjazdów leżących za nim, więc trzeba zmienić ich definicje w pliku rozkładu"
           " związanym z tą stacją.",
       Buttons::Ok});
}

bool GridEditing::eventFilter(QObject* o, QEvent* e) {
  // A key the window's shortcuts did not take, as when it comes to the window itself.
  if (o == &w_ && e->type() == QEvent::KeyPress) {
    const QKeySequence key(static_cast<QKeyEvent*>(e)->keyCombination());
    for (QAction* a :
         {mnuCofnij, mnuPonow, mnuUsun, mnuKopiuj, mnuWytnij, mnuWklej, mnuOdznacz, mnuNastepny})
      if (a->isEnabled() && a->shortcuts().contains(key)) {
        a->trigger();
        return true;
      }
  }
  return QObject::eventFilter(o, e);
}

}  // namespace szl::ui
