#include "ui/dialogs/frm_board.h"

#include <QFontMetrics>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPolygon>
#include <QToolTip>
#include <algorithm>

#include "ui/dialogs/track_shapes.h"

namespace szl::ui {

namespace {
constexpr int kRulerWidth = 16;

QColor paletteColour(int index) { return QColor::fromRgb(kPalette16[static_cast<size_t>(index)]); }

const QColor kGridGrey(224, 224, 224);
const QColor kCornerGrey(128, 128, 128);
const QColor kLightGrey(192, 192, 192);

// Ports of a board cell, as offsets from its top-left pixel.
const PortPoints kBoardPorts{QPointF(0, 0),   QPointF(48, 0), QPointF(95, 0),  QPointF(0, 48),
                             QPointF(95, 48), QPointF(0, 95), QPointF(48, 95), QPointF(95, 95)};
constexpr double kLead = 14;  // the straight piece before a curve leaves the diagonal corner

bool isSlipRow(int row) { return row >= kFirstSlipRow && row < kFirstSlipRow + 4; }
}  // namespace

BoardPicture::BoardPicture(QWidget* parent) : QWidget(parent) {
  setObjectName("picBoard");
  setMouseTracking(true);
  setAttribute(Qt::WA_OpaquePaintEvent);
  const QSize size(frmBoard::kAreaWidth + kRulerWidth, frmBoard::kAreaHeight + kRulerWidth);
  image_ = QImage(size, QImage::Format_RGB32);
  image_.fill(Qt::white);
  setFixedSize(size);
}

void BoardPicture::paintEvent(QPaintEvent* e) {
  QPainter p(this);
  p.drawImage(e->rect(), image_, e->rect());
}

void BoardPicture::mouseMoveEvent(QMouseEvent* e) {
  pointer_ = e->position().toPoint();
  if (tooltipFor_) setToolTip(tooltipFor_(*pointer_));
}

void BoardPicture::leaveEvent(QEvent* e) {
  pointer_.reset();
  QWidget::leaveEvent(e);
}

void BoardPicture::refreshTooltip() {
  if (!pointer_ || !tooltipFor_) return;
  const QString text = tooltipFor_(*pointer_);
  setToolTip(text);
  if (QToolTip::isVisible()) QToolTip::showText(mapToGlobal(*pointer_), text, this);
}

frmBoard::frmBoard(const Station& st, QWidget* parent) : QDialog(parent), st_(st) {
  setObjectName("frmBoard");
  setWindowTitle("Zoom - " + QString::fromStdString(st.StationFile));
  setModal(true);

  picBoard = new BoardPicture(this);
  picBoard->setTooltipSource([this](QPoint pos) { return tooltipAt(pos); });
  hsbBoard = new QScrollBar(Qt::Horizontal, this);
  hsbBoard->setObjectName("hsbBoard");
  vsbBoard = new QScrollBar(Qt::Vertical, this);
  vsbBoard->setObjectName("vsbBoard");
  cmdExit = new QPushButton("&Zamknij", this);
  cmdExit->setObjectName("cmdExit");
  cmdExit->setDefault(true);

  hsbBoard->setRange(0, std::max(0, st.ColCount() - kColumns));
  vsbBoard->setRange(0, std::max(0, st.RowCount() - kRows));
  hsbBoard->setPageStep(kColumns);
  vsbBoard->setPageStep(kRows);
  hsbBoard->setFixedWidth(kAreaWidth);
  vsbBoard->setFixedHeight(kAreaHeight);

  auto* grid = new QGridLayout;
  grid->setSpacing(2);
  grid->addWidget(picBoard, 0, 0, Qt::AlignLeft | Qt::AlignTop);
  grid->addWidget(vsbBoard, 0, 1, Qt::AlignLeft | Qt::AlignTop);
  grid->addWidget(hsbBoard, 1, 0, Qt::AlignLeft | Qt::AlignTop);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(cmdExit);
  auto* top = new QVBoxLayout(this);
  top->addLayout(grid);
  top->addLayout(buttons);
  top->setSizeConstraint(QLayout::SetFixedSize);

  // Arrow keys move the board whichever control has the focus.
  for (QWidget* w : std::initializer_list<QWidget*>{picBoard, hsbBoard, vsbBoard, cmdExit})
    w->installEventFilter(this);
  connect(hsbBoard, &QScrollBar::valueChanged, this, &frmBoard::Rulery);
  connect(vsbBoard, &QScrollBar::valueChanged, this, &frmBoard::Rulery);
  connect(cmdExit, &QPushButton::clicked, this, &QDialog::accept);

  {
    QPainter p(&picBoard->image());
    p.fillRect(QRect(QPoint(kAreaWidth, kAreaHeight),
                     QPoint(kAreaWidth + kRulerWidth - 1, kAreaHeight + kRulerWidth - 1)),
               kCornerGrey);
  }
  Rulery();
  cmdExit->setFocus();
}

int frmBoard::lastColumn() const { return std::min(st_.ColCount() - 1, kColumns - 1); }
int frmBoard::lastRow() const { return std::min(st_.RowCount() - 1, kRows - 1); }

void frmBoard::Rulery() {
  QImage& img = picBoard->image();
  {
    QPainter p(&img);
    p.fillRect(QRect(0, 0, kAreaWidth, kAreaHeight), Qt::white);
    p.setPen(kGridGrey);
    for (int i = 0; i <= lastColumn(); ++i)
      p.drawLine(kCell * i + 95, 0, kCell * i + 95, kCell * lastRow() + 95);
    for (int j = 0; j <= lastRow(); ++j)
      p.drawLine(0, kCell * j + 95, kCell * lastColumn() + 95, kCell * j + 95);
  }
  Uaktualnij();
  QPainter p(&img);
  p.fillRect(QRect(0, kAreaHeight, kAreaWidth, kRulerWidth), Qt::yellow);
  p.fillRect(QRect(kAreaWidth, 0, kRulerWidth, kAreaHeight), Qt::yellow);
  QFont f = font();
  f.setPixelSize(11);
  p.setFont(f);
  p.setPen(Qt::red);
  const auto label = [&](int x, int y, int n) {
    p.drawText(QRect(x, y, 40, kRulerWidth), Qt::AlignLeft | Qt::AlignVCenter,
               QString(" %1").arg(n));
  };
  for (int i = 0; i <= lastColumn(); ++i) label(kCell * i + 40, kAreaHeight, i + hsbBoard->value());
  for (int j = 0; j <= lastRow(); ++j) label(958, kCell * j + 40, j + vsbBoard->value());
  picBoard->update();
  picBoard->refreshTooltip();
}

void frmBoard::drawTracks(bool border) {
  QPainter p(&picBoard->image());
  p.setRenderHint(QPainter::Antialiasing);
  p.setBrush(Qt::NoBrush);
  for (int j = 0; j <= lastRow(); ++j)
    for (int i = 0; i <= lastColumn(); ++i) {
      const CellRec& c = st_.cell(i + hsbBoard->value(), j + vsbBoard->value());
      const int direct = electrifiedRow(c.Code);
      const int row = direct >= 0 ? direct : nonElectrifiedRow(c.Code);
      if (row < 0) continue;
      // Only a slip crossing has a type; a type outside the tables draws nothing.
      const int type = isSlipRow(row) ? c.CrossType : 0;
      const QColor colour = border ? paletteColour(0) : paletteColour(direct >= 0 ? 14 : 10);
      p.setPen(QPen(colour, border ? 8 : 6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
      const QPointF origin(kCell * i, kCell * j);
      for (const Movement& m : elementMovements(row, type))
        p.drawPath(movementPath(m, kBoardPorts, kLead).translated(origin));
    }
}

void frmBoard::Uaktualnij() {
  // All borders first, then all cores, so that tracks meeting at a cell edge or crossing inside
  // a cell join without a black seam.
  drawTracks(true);
  drawTracks(false);
  for (int j = 0; j <= lastRow(); ++j)
    for (int i = 0; i <= lastColumn(); ++i) RysujObiekt(i, j);
  picBoard->update();
}

void frmBoard::RysujObiekt(int i, int j) {
  const int code = st_.cell(i + hsbBoard->value(), j + vsbBoard->value()).Code;
  if (code <= 0) return;
  const bool digit = code >= 1 && code <= 9;
  const bool object = code == 21 || code == 210 || code == 22 || code == 220 || code == 48 ||
                      code == 480 || (code >= 50 && code <= 53) || code == 500 || code == 510 ||
                      code == 520 || code == 530;
  if (!digit && !object) return;

  const int ox = kCell * i;
  const int oy = kCell * j;
  const QColor colour = paletteColour(code >= 100 ? 10 : 14);
  QPainter p(&picBoard->image());
  p.translate(ox, oy);
  const auto box = [&](int x1, int y1, int x2, int y2, const QColor& c) {
    p.fillRect(QRect(QPoint(x1, y1), QPoint(x2, y2)), c);
  };
  const auto triangle = [&](int tipX, int baseX, int half) {
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPolygon(QPolygon({QPoint(tipX, 48), QPoint(baseX, 48 - half), QPoint(baseX, 48 + half)}));
  };
  // Platforms and goods tracks carry their track across the cell, bordered like a track.
  const auto track = [&] {
    p.setPen(QPen(paletteColour(0), 8, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(0, 48), QPointF(96, 48));
    p.setPen(QPen(colour, 6, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(0, 48), QPointF(96, 48));
  };

  box(1, 1, 95, 95, Qt::black);
  switch (code) {
    case 21:
    case 210:
      box(9, 9, 87, 87, kLightGrey);
      track();
      break;
    case 22:
    case 220:
      box(22, 22, 74, 74, colour);
      break;
    case 48:
    case 480:
      // A locomotive on the shed's colour.
      box(9, 9, 87, 87, colour);
      box(16, 42, 81, 68, Qt::black);
      box(29, 22, 42, 35, Qt::black);
      box(22, 14, 48, 17, Qt::black);
      box(61, 16, 81, 19, Qt::black);
      box(61, 16, 64, 42, Qt::black);
      box(78, 16, 81, 42, Qt::black);
      break;
    case 50:
    case 500:
      triangle(12, 48, 36);
      box(48, 35, 84, 61, colour);
      break;
    case 51:
    case 510:
      triangle(84, 48, 36);
      box(12, 35, 48, 61, colour);
      break;
    case 52:
    case 520:
      triangle(12, 42, 30);
      triangle(84, 54, 30);
      box(42, 35, 54, 61, colour);
      break;
    case 53:
    case 530:
      box(9, 16, 87, 80, Qt::white);
      track();
      break;
    default: {
      box(9, 9, 87, 87, Qt::yellow);
      QFont f("Arial");
      f.setBold(true);
      f.setPixelSize(85);  // 64 points on a 96-dpi screen
      p.setFont(f);
      p.setPen(Qt::black);
      // Fonts standing in for Arial differ in ascent; placing the digit's own outline in the
      // middle of the cell keeps it inside the yellow box whichever font is used.
      const QString text = QString::number(code);
      const QRect ink = QFontMetrics(f).tightBoundingRect(text);
      p.drawText(QPoint(5, 48 - ink.top() - ink.height() / 2), text);
      break;
    }
  }
}

QString frmBoard::tooltipAt(QPoint pos) const {
  if (pos.x() < 0 || pos.y() < 0 || pos.x() >= kAreaWidth || pos.y() >= kAreaHeight) return {};
  const int i = pos.x() / kCell;
  const int j = pos.y() / kCell;
  const int x = i + hsbBoard->value();
  const int y = j + vsbBoard->value();
  // The white part beyond a small station names nothing.
  if (!st_.inside(x, y)) return {};
  return QString::number(pointNumber(x, y));
}

bool frmBoard::arrowKey(int key) {
  switch (key) {
    case Qt::Key_Left:
      if (hsbBoard->value() > 0) hsbBoard->setValue(hsbBoard->value() - 1);
      return true;
    case Qt::Key_Right:
      if (hsbBoard->value() < hsbBoard->maximum()) hsbBoard->setValue(hsbBoard->value() + 1);
      return true;
    case Qt::Key_Up:
      if (vsbBoard->value() > 0) vsbBoard->setValue(vsbBoard->value() - 1);
      return true;
    case Qt::Key_Down:
      if (vsbBoard->value() < vsbBoard->maximum()) vsbBoard->setValue(vsbBoard->value() + 1);
      return true;
    default:
      return false;
  }
}

void frmBoard::keyPressEvent(QKeyEvent* e) {
  if (!arrowKey(e->key())) QDialog::keyPressEvent(e);
}

bool frmBoard::eventFilter(QObject* watched, QEvent* e) {
  if (e->type() == QEvent::KeyPress && arrowKey(static_cast<QKeyEvent*>(e)->key())) return true;
  return QDialog::eventFilter(watched, e);
}

}  // namespace szl::ui
