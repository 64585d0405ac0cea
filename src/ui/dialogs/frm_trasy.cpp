#include "ui/dialogs/frm_trasy.h"

#include <QApplication>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScreen>
#include <QSignalBlocker>
#include <QStyledItemDelegate>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <utility>

#include "ui/dialogs/named.h"
#include "ui/dialogs/object_icons.h"
#include "ui/main/placement.h"

namespace szl::ui {

namespace {


// The delegate's own layout of a row decides where its check box is drawn and clicked.
class CheckDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  QRect checkRect(QStyleOptionViewItem opt, const QModelIndex& index, const QWidget* w) const {
    initStyleOption(&opt, index);
    const QStyle* style = w ? w->style() : QApplication::style();
    return style->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &opt, w);
  }
};

QString yesNo(bool b) { return b ? "X" : "-"; }

// Route list headings after "Numer trasy", in column order.
constexpr ObjectClass kClassColumns[] = {
    ObjectClass::EntryOrExit, ObjectClass::EntryExit,     ObjectClass::Platform,
    ObjectClass::Sidings,     ObjectClass::StoppingPoint, ObjectClass::LocoStoppingPoint,
    ObjectClass::Shed,        ObjectClass::GoodsTracks,
};
constexpr int kRouteColumns = 12;
constexpr int kLongRoute = 59;  // points; longer routes are shown in red
constexpr int kPictureWidth = 14;
constexpr int kPictureHeight = 12;
constexpr int kCheckRoom = 24;  // a check box, or a cell's and a heading's margins

Message question(Icon icon, const char* title, const std::string& text) {
  return {icon, title, text, Buttons::OkCancel};
}

}  // namespace

// --- SelectorList ---------------------------------------------------------------------------

SelectorList::SelectorList(QWidget* parent) : QTreeWidget(parent) {
  setItemDelegate(new CheckDelegate(this));
  setRootIsDecorated(false);
  setUniformRowHeights(true);
  setAllColumnsShowFocus(true);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setEditTriggers(QAbstractItemView::NoEditTriggers);  // labels are not edited
  setSortingEnabled(false);
  header()->setSectionsClickable(false);
  header()->setSectionsMovable(false);
}

int SelectorList::currentRow() const {
  QTreeWidgetItem* item = currentItem();
  return item ? indexOfTopLevelItem(item) : -1;
}

void SelectorList::setCurrentRow(int row) {
  if (QTreeWidgetItem* item = topLevelItem(row)) setCurrentItem(item);
}

QRect SelectorList::checkBoxRect(int row) const {
  QTreeWidgetItem* item = topLevelItem(row);
  if (!item) return {};
  const QModelIndex index = indexFromItem(item, 0);
  QStyleOptionViewItem opt;
  initViewItemOption(&opt);
  opt.rect = visualRect(index);
  return static_cast<const CheckDelegate*>(itemDelegate())->checkRect(opt, index, this);
}

int SelectorList::rowAt(QPoint pos, bool& onCheck) const {
  QTreeWidgetItem* item = itemAt(pos);
  const int row = item ? indexOfTopLevelItem(item) : -1;
  onCheck = row >= 0 && checkBoxRect(row).contains(pos);
  return row;
}

void SelectorList::keyPressEvent(QKeyEvent* e) {
  // Space ticks the highlighted row, whichever of its cells was clicked last.
  QTreeWidgetItem* item = currentItem();
  if (item && (e->key() == Qt::Key_Space || e->key() == Qt::Key_Select) &&
      e->modifiers() == Qt::NoModifier) {
    item->setCheckState(0, item->checkState(0) == Qt::Checked ? Qt::Unchecked : Qt::Checked);
    e->accept();
    return;
  }
  QTreeWidget::keyPressEvent(e);
}

void SelectorList::mousePressEvent(QMouseEvent* e) {
  pressedRow_ = rowAt(e->position().toPoint(), pressedOnCheck_);
  pressedHighlighted_ = pressedRow_ >= 0 && pressedRow_ == currentRow();
  QTreeWidget::mousePressEvent(e);
}

void SelectorList::mouseReleaseEvent(QMouseEvent* e) {
  bool onCheck = false;
  const int row = rowAt(e->position().toPoint(), onCheck);
  QTreeWidget::mouseReleaseEvent(e);
  // A click on the check box is about the tick, not about showing the route.
  if (e->button() == Qt::LeftButton && row >= 0 && row == pressedRow_ && pressedHighlighted_ &&
      !pressedOnCheck_ && !onCheck)
    emit rowClicked(row);
}

// --- frmTrasy -------------------------------------------------------------------------------

frmTrasy::frmTrasy(const Station& st, RouteSelector& selector, std::string routeFilePath,
                   StationView& view, Prompts& prompts, QWidget* parent)
    : QDialog(parent),
      st_(st),
      sel_(selector),
      routeFilePath_(std::move(routeFilePath)),
      view_(view),
      prompts_(prompts) {
  setObjectName("frmTrasy");
  setWindowTitle("Selekcja tras");
  setModal(true);
  buildControls();
  setEditing(false);
}

frmTrasy::~frmTrasy() {
  if (busy_) QApplication::restoreOverrideCursor();
}

void frmTrasy::buildControls() {
  // Columns wide enough for their heading and for the longest text a cell can hold, in the
  // bold of the rows: every caption shows whole at the window's starting size.
  QFont bold = font();
  bold.setBold(true);
  const QFontMetrics boldText(bold);
  const auto fit = [&](SelectorList* list, int column, const QString& widest) {
    const int heading =
        list->header()->fontMetrics().horizontalAdvance(list->headerItem()->text(column));
    const int cell = boldText.horizontalAdvance(widest);
    // Room for the check box in the first column, and for the margins of heading and cell.
    const int extra = column == 0 ? 2 * kCheckRoom : kCheckRoom / 2;
    list->setColumnWidth(column, std::max(heading, cell) + extra);
  };
  lvwGrupy = named(new SelectorList(this), "lvwGrupy");
  lvwGrupy->setHeaderLabels({"Numer grupy", "Od", "Do", "Ile tras w grupie"});
  fit(lvwGrupy, 0, "Grupa 00000");
  fit(lvwGrupy, 1, "00000");
  fit(lvwGrupy, 2, "00000");
  fit(lvwGrupy, 3, "00000");
  int groupsWidth = 2 * lvwGrupy->frameWidth() + kCheckRoom;  // and a vertical scroll bar's room
  for (int c = 0; c < 4; ++c) groupsWidth += lvwGrupy->columnWidth(c);
  lvwGrupy->setMinimumWidth(groupsWidth + style()->pixelMetric(QStyle::PM_ScrollBarExtent));

  lvwTrasy = named(new SelectorList(this), "lvwTrasy");
  lvwTrasy->setColumnCount(kRouteColumns);
  QTreeWidgetItem* head = lvwTrasy->headerItem();
  head->setText(0, "Numer trasy");
  const QSize picture(kPictureWidth, kPictureHeight);
  head->setIcon(1, QIcon(electrifiedPicture(picture.width(), picture.height())));
  head->setIcon(2, QIcon(bidirectionalPicture(picture.width(), picture.height())));
  for (int k = 0; k < 8; ++k)
    head->setIcon(3 + k,
                  QIcon(objectClassPicture(kClassColumns[k], picture.width(), picture.height())));
  head->setIcon(11, QIcon(pointCountPicture(picture.width(), picture.height())));
  for (int c = 1; c < kRouteColumns; ++c) {
    head->setText(c, QString());
    head->setTextAlignment(c, Qt::AlignCenter);
  }
  lvwTrasy->header()->setMinimumSectionSize(24);
  lvwTrasy->header()->setStretchLastSection(false);
  lvwTrasy->header()->setDefaultAlignment(Qt::AlignCenter);
  fit(lvwTrasy, 0, "Trasa 000000");
  for (int c = 1; c < kRouteColumns - 1; ++c)
    lvwTrasy->setColumnWidth(c, std::max(28, boldText.horizontalAdvance("X") + kCheckRoom));
  fit(lvwTrasy, kRouteColumns - 1, "0000");
  int routesWidth = 2 * lvwTrasy->frameWidth() + kCheckRoom;
  for (int c = 0; c < kRouteColumns; ++c) routesWidth += lvwTrasy->columnWidth(c);
  lvwTrasy->setMinimumWidth(routesWidth + style()->pixelMetric(QStyle::PM_ScrollBarExtent));

  imgOd = named(new QLabel(this), "imgOd");
  lblOdXY = named(new QLabel(this), "lblOdXY");
  lblOdNr = named(new QLabel(this), "lblOdNr");
  imgDo = named(new QLabel(this), "imgDo");
  lblDoXY = named(new QLabel(this), "lblDoXY");
  lblDoNr = named(new QLabel(this), "lblDoNr");
  for (QLabel* img : {imgOd, imgDo}) img->setFixedSize(2 * kPictureWidth, 2 * kPictureHeight);
  // Room for the longest point number and element code before they are known.
  for (QLabel* xy : {lblOdXY, lblDoXY})
    xy->setMinimumWidth(xy->fontMetrics().horizontalAdvance("00000:"));
  for (QLabel* nr : {lblOdNr, lblDoNr})
    nr->setMinimumWidth(nr->fontMetrics().horizontalAdvance("000"));

  barProgress = named(new QProgressBar(this), "barProgress");
  barProgress->setRange(0, 100);
  barProgress->setValue(0);
  barProgress->setTextVisible(false);

  cmdShow = named(new QPushButton("&Pokaż >>", this), "cmdShow");
  cmdEdit = named(new QPushButton("&Edytuj >>", this), "cmdEdit");
  cmdApply = named(new QPushButton("<< &Akceptuj", this), "cmdApply");
  cmdOK = named(new QPushButton("&OK", this), "cmdOK");
  cmdSelectGrupy = named(new QPushButton("&Grupy +", this), "cmdSelectGrupy");
  cmdResetGrupy = named(new QPushButton("Gr&upy -", this), "cmdResetGrupy");
  cmdSelectTrasy = named(new QPushButton("&Trasy +", this), "cmdSelectTrasy");
  cmdResetTrasy = named(new QPushButton("Tra&sy -", this), "cmdResetTrasy");
  for (QPushButton* b : {cmdShow, cmdEdit, cmdApply, cmdOK, cmdSelectGrupy, cmdResetGrupy,
                         cmdSelectTrasy, cmdResetTrasy})
    b->setAutoDefault(false);

  // Start and end of the highlighted group, each in its own small frame.
  auto end = [this](const char* name, const char* caption, QLabel* img, QLabel* xy, QLabel* nr) {
    auto* box = named(new QGroupBox(caption, this), name);
    auto* l = new QHBoxLayout(box);
    l->addWidget(img);
    l->addWidget(xy);
    l->addWidget(nr);
    l->addStretch(1);
    return box;
  };
  QGroupBox* od = end("fraOd", "Od", imgOd, lblOdXY, lblOdNr);
  QGroupBox* doo = end("fraDo", "Do", imgDo, lblDoXY, lblDoNr);

  auto* groups = new QVBoxLayout;
  groups->addWidget(lvwGrupy, 1);
  auto* groupButtons = new QHBoxLayout;
  groupButtons->addWidget(cmdSelectGrupy);
  groupButtons->addWidget(cmdResetGrupy);
  groupButtons->addStretch(1);
  groups->addLayout(groupButtons);

  auto* middle = new QVBoxLayout;
  middle->addWidget(cmdShow);
  middle->addWidget(cmdEdit);
  middle->addWidget(cmdApply);
  middle->addSpacing(8);
  middle->addWidget(od);
  middle->addWidget(doo);
  middle->addStretch(1);
  middle->addWidget(cmdOK);

  auto* routes = new QVBoxLayout;
  routes->addWidget(lvwTrasy, 1);
  auto* routeButtons = new QHBoxLayout;
  routeButtons->addWidget(cmdSelectTrasy);
  routeButtons->addWidget(cmdResetTrasy);
  routeButtons->addStretch(1);
  routes->addLayout(routeButtons);

  auto* lists = new QHBoxLayout;
  lists->addLayout(groups, 4);
  lists->addLayout(middle);
  lists->addLayout(routes, 5);
  auto* top = new QVBoxLayout(this);
  top->addLayout(lists, 1);
  top->addWidget(barProgress);
  const QSize least = sizeHint();
  resize(std::max(920, least.width()), std::max(340, least.height()));

  connect(cmdShow, &QPushButton::clicked, this, &frmTrasy::cmdShow_Click);
  connect(cmdEdit, &QPushButton::clicked, this, &frmTrasy::cmdEdit_Click);
  connect(cmdApply, &QPushButton::clicked, this, &frmTrasy::cmdApply_Click);
  connect(cmdOK, &QPushButton::clicked, this, &frmTrasy::cmdOK_Click);
  connect(cmdSelectGrupy, &QPushButton::clicked, this, &frmTrasy::cmdSelectGrupy_Click);
  connect(cmdResetGrupy, &QPushButton::clicked, this, &frmTrasy::cmdResetGrupy_Click);
  connect(cmdSelectTrasy, &QPushButton::clicked, this, &frmTrasy::cmdSelectTrasy_Click);
  connect(cmdResetTrasy, &QPushButton::clicked, this, &frmTrasy::cmdResetTrasy_Click);
  connect(lvwGrupy, &QTreeWidget::currentItemChanged, this, [this] { PokazOdDo(); });
  connect(lvwGrupy, &QTreeWidget::itemChanged, this, [this](QTreeWidgetItem* item, int column) {
    if (column == 0) lvwGrupy_ItemCheck(item);
  });
  connect(lvwTrasy, &QTreeWidget::itemChanged, this, [this](QTreeWidgetItem* item, int column) {
    if (column == 0) lvwTrasy_ItemCheck(item);
  });
  connect(lvwTrasy, &SelectorList::rowClicked, this, &frmTrasy::lvwTrasy_ItemClick);
  // However the highlight moves (keys, any button, a drag), the route drawn goes with it, so
  // that a tick is always about the route the author is looking at.
  connect(lvwTrasy, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
    const int row = lvwTrasy->indexOfTopLevelItem(item);
    if (row >= 0 && row != sel_.shownPosition()) lvwTrasy_ItemClick(row);
  });
}

void frmTrasy::setEditing(bool editing) {
  editing_ = editing;
  lvwGrupy->setEnabled(!editing);
  lvwTrasy->setEnabled(editing);
  cmdShow->setEnabled(!editing);
  cmdEdit->setEnabled(!editing);
  cmdApply->setEnabled(editing);
  cmdOK->setEnabled(!editing);
  cmdSelectGrupy->setEnabled(!editing);
  cmdResetGrupy->setEnabled(!editing);
  cmdSelectTrasy->setEnabled(editing);
  cmdResetTrasy->setEnabled(editing);
  (editing ? lvwTrasy : lvwGrupy)->setFocus();
}

// --- Preparation ----------------------------------------------------------------------------

void frmTrasy::showEvent(QShowEvent* e) {
  QDialog::showEvent(e);
  if (placed_) return;
  placed_ = true;
  // Where it covers least of the station, whose routes it is about to draw.
  placeClear(*this, {}, viewOnScreen(view_));
}

void frmTrasy::paintEvent(QPaintEvent* e) {
  QDialog::paintEvent(e);
  if (prepared_ || prepareQueued_) return;
  // The window shows itself first; the preparation runs once this paint is done.
  prepareQueued_ = true;
  QTimer::singleShot(0, this, [this] { prepareNow(); });
}

bool frmTrasy::prepareNow() {
  if (prepared_) return true;
  if (preparing_) return false;
  preparing_ = true;
  prepareQueued_ = true;
  setEditing(false);
  lvwGrupy->setFocus();
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
  QApplication::setOverrideCursor(Qt::WaitCursor);
  busy_ = true;
  groupsShown_ = false;
  const bool ok = sel_.Prepare(st_, routeFilePath_, *this);
  QApplication::restoreOverrideCursor();
  busy_ = false;
  preparing_ = false;
  if (!ok) {
    // A route file that cannot be read leaves nothing to choose from.
    QDialog::done(QDialog::Rejected);
    return false;
  }
  if (!groupsShown_) fillGroups();
  {
    const QSignalBlocker quiet(lvwTrasy);
    lvwTrasy->clear();
  }
  prepared_ = true;
  progress(0);
  PokazOdDo();
  return true;
}

void frmTrasy::fillGroups() {
  groupsShown_ = true;
  const QSignalBlocker quiet(lvwGrupy);
  lvwGrupy->clear();
  const auto& groups = sel_.table().groups;
  QList<QTreeWidgetItem*> rows;
  rows.reserve(static_cast<qsizetype>(groups.size()));
  QFont bold = lvwGrupy->font();
  bold.setBold(true);
  for (int g = 0; g < static_cast<int>(groups.size()); ++g) {
    auto* item = new QTreeWidgetItem(
        {QString("Grupa %1").arg(g + 1), QString::number(groups[g].start),
         QString::number(groups[g].end), QString::number(groups[g].routeCount)});
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
    item->setCheckState(0, sel_.groupTicked(g) ? Qt::Checked : Qt::Unchecked);
    for (int c = 0; c < 4; ++c) item->setFont(c, bold);
    for (int c = 1; c < 4; ++c) item->setTextAlignment(c, Qt::AlignRight | Qt::AlignVCenter);
    rows.push_back(item);
  }
  lvwGrupy->addTopLevelItems(rows);
  if (!rows.empty()) lvwGrupy->setCurrentRow(0);
}

void frmTrasy::showGroupTicks() {
  const QSignalBlocker quiet(lvwGrupy);
  for (int g = 0; g < lvwGrupy->topLevelItemCount(); ++g)
    lvwGrupy->topLevelItem(g)->setCheckState(0, sel_.groupTicked(g) ? Qt::Checked : Qt::Unchecked);
}

void frmTrasy::PokazOdDo() {
  const int g = highlightedGroup();
  if (!prepared_ && !groupsShown_) return;
  if (g < 0 || g >= sel_.groupCount()) return;
  const RouteGroup& group = sel_.table().groups[g];
  showEnd(group.start, imgOd, lblOdXY, lblOdNr);
  showEnd(group.end, imgDo, lblDoXY, lblDoNr);
}

void frmTrasy::showEnd(int point, QLabel* img, QLabel* xy, QLabel* nr) {
  const int x = pointColumn(point);
  const int y = pointRow(point);
  xy->setText(QString::number(point) + ":");
  if (!st_.inside(x, y)) return;
  nr->setText(QString::number(st_.cell(x, y).Code));
  // A cell of no object class keeps the picture it had.
  const ObjectClass c = objectClassAt(st_, x, y);
  if (c != ObjectClass::None) img->setPixmap(objectClassPicture(c, img->width(), img->height()));
}

// --- The route list -------------------------------------------------------------------------

void frmTrasy::ShowEdit() {
  const QSignalBlocker quiet(lvwTrasy);
  lvwTrasy->clear();
  const auto& routes = sel_.groupRoutes();
  QList<QTreeWidgetItem*> rows;
  rows.reserve(static_cast<qsizetype>(routes.size()));
  QFont bold = lvwTrasy->font();
  bold.setBold(true);
  for (int k = 0; k < static_cast<int>(routes.size()); ++k) {
    const RouteRec& r = sel_.table().routes[routes[k]];
    QStringList cells{QString("Trasa %1").arg(routes[k] + 1), yesNo(r.electrified),
                      yesNo(r.bidirectional)};
    for (const ObjectClass c : kClassColumns) cells << yesNo(r.has(c));
    cells << QString::number(r.pointCount);
    auto* item = new QTreeWidgetItem(cells);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
    item->setCheckState(0, sel_.routeTicked(k) ? Qt::Checked : Qt::Unchecked);
    // Routes too long for the simulator's screen stand out.
    const QBrush ink = r.pointCount > kLongRoute ? QBrush(Qt::red) : QBrush();
    for (int c = 0; c < kRouteColumns; ++c) {
      item->setFont(c, bold);
      if (r.pointCount > kLongRoute) item->setForeground(c, ink);
      if (c > 0) item->setTextAlignment(c, Qt::AlignCenter);
    }
    rows.push_back(item);
  }
  lvwTrasy->addTopLevelItems(rows);
  if (!rows.empty()) lvwTrasy->setCurrentRow(0);
}

void frmTrasy::showRouteTicks() {
  const QSignalBlocker quiet(lvwTrasy);
  for (int k = 0; k < lvwTrasy->topLevelItemCount(); ++k)
    lvwTrasy->topLevelItem(k)->setCheckState(0, sel_.routeTicked(k) ? Qt::Checked : Qt::Unchecked);
}

void frmTrasy::lvwGrupy_ItemCheck(QTreeWidgetItem* item) {
  const int g = lvwGrupy->indexOfTopLevelItem(item);
  if (g < 0 || g >= sel_.groupCount()) return;
  const bool ticked = item->checkState(0) == Qt::Checked;
  if (ticked != sel_.groupTicked(g)) sel_.setGroupTicked(g, ticked);
}

void frmTrasy::lvwTrasy_ItemCheck(QTreeWidgetItem* item) {
  const int k = lvwTrasy->indexOfTopLevelItem(item);
  if (k < 0 || k >= static_cast<int>(sel_.groupRoutes().size())) return;
  const bool wanted = item->checkState(0) == Qt::Checked;
  if (wanted == sel_.routeTicked(k)) return;
  const bool stands = sel_.changeRouteTick(k, wanted, lvwTrasy->currentRow(), st_, *this);
  const QSignalBlocker quiet(lvwTrasy);
  item->setCheckState(0, stands ? Qt::Checked : Qt::Unchecked);
}

void frmTrasy::lvwTrasy_ItemClick(int row) {
  if (!editing_ || row < 0 || row >= static_cast<int>(sel_.groupRoutes().size())) return;
  sel_.clickRoute(row, st_, *this);
}

// --- Commands -------------------------------------------------------------------------------

void frmTrasy::cmdShow_Click() {
  sel_.ShowEdit(highlightedGroup(), *this);
  ShowEdit();
  lvwGrupy->setFocus();
}

void frmTrasy::cmdEdit_Click() {
  setEditing(true);
  sel_.Edit(highlightedGroup(), st_, *this);
  ShowEdit();
  lvwTrasy->setFocus();
}

void frmTrasy::cmdApply_Click() {
  sel_.Accept(st_, *this);
  progress(0);
  setEditing(false);
  showGroupTicks();
}

void frmTrasy::cmdSelectGrupy_Click() {
  if (ask(question(Icon::Question, "Zaznacz grupy",
                   "Jesteś pewien, że chcesz zaznaczyć wszystkie grupy?")) != Answer::Ok)
    return;
  sel_.setAllGroupsTicked(true, *this);
  showGroupTicks();
  lvwGrupy->setFocus();
}

void frmTrasy::cmdResetGrupy_Click() {
  if (ask(question(Icon::Question, "Odznacz grupy",
                   "Jesteś pewien, że chcesz odznaczyć wszystkie grupy?")) != Answer::Ok)
    return;
  sel_.setAllGroupsTicked(false, *this);
  showGroupTicks();
  lvwGrupy->setFocus();
}

void frmTrasy::cmdSelectTrasy_Click() {
  const std::string text = std::string("Jesteś pewien, że chcesz zaznaczyć wszystkie trasy?") +
                           CrLf + CrLf + "Może to spowodować, że niektóre trasy w tej grupie " +
                           CrLf + "nie będą miały swoich punktów unikalnych, a co za " + CrLf +
                           "tym idzie, nie będą one poprawnie funkcjonować.";
  if (ask(question(Icon::Exclamation, "Zaznacz trasy", text)) != Answer::Ok) return;
  sel_.setAllRoutesTicked(true, *this);
  showRouteTicks();
  lvwTrasy->setFocus();
}

void frmTrasy::cmdResetTrasy_Click() {
  if (ask(question(Icon::Question, "Odznacz trasy",
                   "Jesteś pewien, że chcesz odznaczyć wszystkie trasy?")) != Answer::Ok)
    return;
  sel_.setAllRoutesTicked(false, *this);
  showRouteTicks();
  lvwTrasy->setFocus();
}

void frmTrasy::cmdOK_Click() {
  const std::string text =
      std::string("Wyjście z 'Selekcji tras' oznacza całkowite zakończenie tego procesu.") + CrLf +
      "Ponowne wejście w ten etap jest równoznaczne z selekcją od początku." + CrLf +
      "Aby kontynuować selekcję, wciśnij 'Anuluj'. Aby wyjść, wciśnij 'OK'.";
  if (ask(question(Icon::Exclamation, "Uwaga", text)) != Answer::Ok) return;
  sel_.Confirm();
  prepared_ = false;
  prepareQueued_ = false;
  QDialog::done(QDialog::Accepted);
}

void frmTrasy::reject() {
  if (preparing_) return;
  if (!prepared_) {
    QDialog::reject();
    return;
  }
  if (cmdOK->isEnabled()) cmdOK_Click();
}

// --- SelectorHost ---------------------------------------------------------------------------

Answer frmTrasy::ask(const Message& m) {
  // The message that no group needs a choice speaks of the group list: show it first.
  if (preparing_ && !groupsShown_ && sel_.prepared()) fillGroups();
  if (busy_) QApplication::restoreOverrideCursor();
  const Answer a = prompts_.message(this, m);
  if (busy_) QApplication::setOverrideCursor(Qt::WaitCursor);
  return a;
}

void frmTrasy::progress(double fraction) {
  const int value = qRound(std::clamp(fraction, 0.0, 1.0) * 100.0);
  if (value == barProgress->value()) return;
  barProgress->setValue(value);
  if (barProgress->isVisible()) barProgress->repaint();
}

void frmTrasy::markUniquePoint(int x, int y, int elementRow) {
  view_.RysujRozjazd(x, y, elementRow, kBlue);
}

void frmTrasy::showRoute(std::span<const RouteCell> route) {
  view_.WyrysujTrase(route);
  if (route.empty() || !isVisible()) return;
  // The author looks at the route drawn: the window moves off it, covering as little of the
  // station as it can.
  const auto [left, right] = std::ranges::minmax(route, {}, &RouteCell::x);
  const auto [top, bottom] = std::ranges::minmax(route, {}, &RouteCell::y);
  const QRect drawn =
      cellsOnScreen(view_, left.x, top.y, right.x - left.x + 1, bottom.y - top.y + 1);
  if (frameGeometry().intersects(drawn)) placeClear(*this, drawn, viewOnScreen(view_));
}

void frmTrasy::restoreRoute(std::span<const RouteCell> route) { view_.WyrzezajTrase(route); }

void frmTrasy::beep() { prompts_.beep(); }

}  // namespace szl::ui
