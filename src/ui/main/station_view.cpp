#include "ui/main/station_view.h"

#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>
#include <algorithm>

#include "model/preparation.h"
#include "objects/pointer_class.h"

namespace szl::ui {

namespace {
constexpr QRgb kLightGreyRgb = 0xffc0c0c0;
constexpr QRgb kGridGrey = 0xffe0e0e0;
constexpr QRgb kCornerGrey = 0xff808080;
constexpr QRgb kYellowRgb = 0xffffff00;
constexpr QRgb kBlackRgb = 0xff000000;
constexpr QRgb kWhiteRgb = 0xffffffff;

bool colourOf(int code, QColor& c) {
  switch (code) {
    case kBlack:
      c = QColor(0, 0, 0);
      return true;
    case kYellow:
      c = QColor(255, 255, 0);
      return true;
    case kGreen:
      c = QColor(0, 255, 0);
      return true;
    case kRed:
      c = QColor(255, 0, 0);
      return true;
    case kBlue:
      c = QColor(0, 0, 255);
      return true;
    case kOrange:
      c = QColor(255, 128, 0);
      return true;
    default:
      return false;
  }
}

bool isDiagonal(int p) { return p == 1 || p == 3 || p == 6 || p == 8; }

// Corners of the diagonal ports: the black line reaches the corner, the coloured one stops
// a pixel short of it.
QPoint cornerOf(int p, bool inner) {
  const int lo = inner ? 2 : 1;
  const int hi = inner ? 14 : 15;
  switch (p) {
    case 1:
      return {lo, lo};
    case 3:
      return {hi, lo};
    case 6:
      return {lo, hi};
    default:
      return {hi, hi};
  }
}

uint8_t portsOfRow(int row, uint8_t scratch) {
  if (row >= kElementRows) return scratch;
  return kElementPairs[row].mask;
}
}  // namespace

StationView::StationView(QWidget* parent) : QWidget(parent) {
  setObjectName("picOkno");
  setMouseTracking(true);
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void StationView::resizeCanvas(int width, int height) {
  image_ = QImage(width, height, QImage::Format_RGB32);
  image_.fill(Qt::white);
  setFixedSize(width, height);
  update();
}

void StationView::paintEvent(QPaintEvent* e) {
  QPainter p(this);
  p.drawImage(e->rect(), image_, e->rect());
  p.setBrush(Qt::NoBrush);
  // Magenta: no drawing of the station uses it.
  p.setPen(QPen(QColor(0xff, 0, 0xff), 2));
  for (const QPoint c : findingMarks_) p.drawRect(17 * c.x() + 1, 17 * c.y() + 1, 16, 16);
  if (selection_.isEmpty()) return;
  p.setPen(QPen(Qt::blue, 2, Qt::DashLine));
  p.drawRect(17 * selection_.x() + 1, 17 * selection_.y() + 1, 17 * selection_.width() - 1,
             17 * selection_.height() - 1);
}

void StationView::setFindingMarks(std::vector<QPoint> cells) {
  if (cells == findingMarks_) return;
  findingMarks_ = std::move(cells);
  update();
}

void StationView::setSelection(QRect cells) {
  selection_ = cells;
  update();
}

void StationView::setColour(int colourCode) {
  QColor c;
  if (colourOf(colourCode, c)) current_ = c;
}

// One painter serves a whole drawing operation, however many cells it touches; the view is
// told to repaint once, when the outermost operation ends.
// Boxes and track discs are written straight into the pixels; the painter draws the rest.
StationView::Batch::Batch(StationView& v) : v_(v) {
  if (v_.batchDepth_++ == 0) {
    v_.pixels_ = reinterpret_cast<QRgb*>(v_.image_.bits());
    v_.stride_ = static_cast<int>(v_.image_.bytesPerLine() / 4);
    v_.width_ = v_.image_.width();
    v_.height_ = v_.image_.height();
    v_.painter_ = std::make_unique<QPainter>(&v_.image_);
  }
}

StationView::Batch::~Batch() {
  if (--v_.batchDepth_ == 0) {
    v_.painter_.reset();
    v_.pixels_ = nullptr;
    v_.update();
  }
}

void StationView::fillBox(int x1, int y1, int x2, int y2, QRgb rgb) {
  x1 = std::max(x1, 0);
  y1 = std::max(y1, 0);
  x2 = std::min(x2, width_ - 1);
  y2 = std::min(y2, height_ - 1);
  for (int y = y1; y <= y2; ++y) {
    QRgb* row = pixels_ + y * stride_;
    for (int x = x1; x <= x2; ++x) row[x] = rgb;
  }
}

// A circle of `radius` round the centre of pixel (cx, cy), drawn with a one-pixel pen and
// filled: every pixel whose centre lies less than radius + 1/2 from that centre. Radius 2 gives
// a 5 x 5 square without its corners, 1.5 a 3 x 3 square, so a track's core leaves a one-pixel
// black border on either side whichever way the track runs.
void StationView::fillDisc(int cx, int cy, double radius, QRgb rgb) {
  const double reach = (radius + 0.5) * (radius + 0.5);
  const int span = static_cast<int>(radius + 0.5);
  for (int oy = -span; oy <= span; ++oy) {
    int half = -1;
    while ((half + 1) * (half + 1) + oy * oy < reach) ++half;
    if (half >= 0) fillBox(cx - half, cy + oy, cx + half, cy + oy, rgb);
  }
}

void StationView::Rulery() {
  image_.fill(Qt::white);
  if (!station_) return;
  Batch batch(*this);
  const int w = station_->ColCount();
  const int h = station_->RowCount();
  fillBox(17 * w + 1, 0, 17 * w + 18, 17 * h, kYellowRgb);
  fillBox(0, 17 * h + 1, 17 * w, 17 * h + 18, kYellowRgb);
  fillBox(17 * w + 1, 17 * h + 1, 17 * w + 18, 17 * h + 18, kCornerGrey);
  QPainter& p = *painter_;
  QFont f = font();
  f.setPixelSize(9);
  p.setFont(f);
  p.setPen(Qt::red);
  // `left` is where the number's cell (or the ruler's column) begins. Three digits with the
  // leading blank would run into the next number: they fill the 16 pixels inside their own
  // cell, narrowed when the font is wider than that.
  const auto label = [&](int x, int y, int left, int n) {
    if (n < 100) {
      p.drawText(QRect(x, y, 40, 14), Qt::AlignLeft | Qt::AlignTop, QString(" %1").arg(n));
      return;
    }
    const QString text = QString::number(n);
    const int room = 16;
    const int need = p.fontMetrics().horizontalAdvance(text);
    p.save();
    p.translate(left + 1, y);
    if (need > room) p.scale(static_cast<double>(room) / need, 1.0);
    p.drawText(QRect(0, 0, std::max(need, room), 14), Qt::AlignHCenter | Qt::AlignTop, text);
    p.restore();
  };
  for (int j = 0; j < h; ++j) label(17 * w, 17 * j + 3, 17 * w + 1, j);
  for (int i = 0; i < w; ++i) label(17 * i - 1, 17 * h + 3, 17 * i, i);
}

void StationView::RysujSiatke() {
  if (!station_) return;
  Batch batch(*this);
  const int w = station_->ColCount();
  const int h = station_->RowCount();
  for (int j = 0; j <= h; ++j) fillBox(0, 17 * j, 17 * w, 17 * j, kGridGrey);
  for (int i = 0; i <= w; ++i) fillBox(17 * i, 0, 17 * i, 17 * h, kGridGrey);
}

void StationView::RysujTor(int x, int y, int dx, int dy, double radius, int colourCode) {
  setColour(colourCode);
  Batch batch(*this);
  const QRgb rgb = current_.rgb();
  const int cx = originX(x) + 8;
  const int cy = originY(y) + 8;
  for (int k = 0; k <= 5; ++k) fillDisc(cx + k * dx, cy + k * dy, radius, rgb);
}

void StationView::RysujPunkt(int x, int y, int dx, int dy, int colourCode) {
  setColour(colourCode);
  Batch batch(*this);
  const int bx = originX(x) + 5 * dx;
  const int by = originY(y) + 5 * dy;
  fillBox(bx + 6, by + 6, bx + 10, by + 6, kLightGreyRgb);
  fillBox(bx + 6, by + 10, bx + 10, by + 10, kLightGreyRgb);
  fillBox(bx + 6, by + 6, bx + 6, by + 10, kLightGreyRgb);
  fillBox(bx + 10, by + 6, bx + 10, by + 10, kLightGreyRgb);
  // The ring round the marker's centre pixel; the box then fills its inside.
  fillDisc(bx + 8, by + 8, 2, kBlackRgb);
  fillBox(bx + 7, by + 7, bx + 9, by + 9, current_.rgb());
}

void StationView::RysujRozjazd(int x, int y, int row, int colourCode, uint8_t scratchPorts) {
  setColour(colourCode);
  Batch batch(*this);
  const uint8_t ports = portsOfRow(row, scratchPorts);
  const auto uses = [&](int p) { return (ports >> (p - 1)) & 1; };
  if (style_ == TrackStyle::Lines && row < kElementRows) {
    const QColor element = current_;
    const QPoint centre(originX(x) + 8, originY(y) + 8);
    const QPoint origin(originX(x), originY(y));
    for (int p = 1; p <= 8; ++p)
      if (uses(p)) RysujTor(x, y, PortStep[p - 1].dx, PortStep[p - 1].dy, 2, kBlack);
    painter_->setPen(Qt::black);
    for (int p = 1; p <= 8; ++p)
      if (uses(p) && isDiagonal(p)) painter_->drawLine(centre, origin + cornerOf(p, false));
    current_ = element;
    for (int p = 1; p <= 8; ++p)
      if (uses(p)) RysujTor(x, y, PortStep[p - 1].dx, PortStep[p - 1].dy, 1.5, kKeepColour);
    painter_->setPen(current_);
    for (int p = 1; p <= 8; ++p)
      if (uses(p) && isDiagonal(p)) painter_->drawLine(centre, origin + cornerOf(p, true));
  } else {
    if (row < kElementRows) RysujPunkt(x, y, 0, 0, colourCode);
    for (int p = 1; p <= 8; ++p)
      if (uses(p)) RysujPunkt(x, y, PortStep[p - 1].dx, PortStep[p - 1].dy, colourCode);
  }
}

void StationView::RysujObiekt(int x, int y) {
  if (!station_) return;
  const int code = station_->cell(x, y).Code;
  if (code == 0) return;
  Batch batch(*this);
  const int ox = originX(x);
  const int oy = originY(y);
  const bool green = code >= 100;
  const QRgb colour = green ? 0xff00ff00 : kYellowRgb;
  const auto box = [&](int x1, int y1, int x2, int y2, QRgb c) {
    fillBox(ox + x1, oy + y1, ox + x2, oy + y2, c);
  };
  const auto frame = [&] { box(1, 1, 15, 15, kBlackRgb); };
  const auto arrowLeft = [&] {
    for (int k = 0; k <= 5; ++k) box(2 + k, 8 - k, 2 + k, 8 + k, colour);
  };
  const auto arrowRight = [&] {
    for (int k = 0; k <= 5; ++k) box(14 - k, 8 - k, 14 - k, 8 + k, colour);
  };
  if (code >= 1 && code <= 9) {
    frame();
    box(2, 2, 14, 14, kYellowRgb);
    QFont f = font();
    f.setBold(true);
    f.setPixelSize(12);
    painter_->setFont(f);
    painter_->setPen(Qt::black);
    painter_->drawText(QRect(ox, oy + 2, 17, 15), Qt::AlignLeft | Qt::AlignTop,
                       QString::number(code));
  } else if (code == 21 || code == 210) {
    frame();
    box(2, 2, 14, 14, kLightGreyRgb);
    RysujRozjazd(x, y, 0, green ? kGreen : kYellow);
  } else if (code == 22 || code == 220) {
    frame();
    box(4, 4, 12, 12, colour);
  } else if (code == 48 || code == 480) {
    frame();
    box(2, 2, 14, 14, colour);
    box(3, 7, 13, 11, kBlackRgb);
    painter_->setPen(Qt::black);
    painter_->setBrush(Qt::NoBrush);
    painter_->drawRect(QRect(QPoint(ox + 10, oy + 3), QPoint(ox + 12, oy + 6)));
    painter_->drawLine(ox + 4, oy + 3, ox + 8, oy + 3);
    box(5, 4, 7, 6, kBlackRgb);
  } else if (code == 50 || code == 500) {
    frame();
    arrowLeft();
    box(8, 6, 13, 10, colour);
  } else if (code == 51 || code == 510) {
    frame();
    arrowRight();
    box(3, 6, 8, 10, colour);
  } else if (code == 52 || code == 520) {
    frame();
    arrowLeft();
    arrowRight();
    box(7, 6, 9, 10, colour);
  } else if (code == 53 || code == 530) {
    frame();
    box(2, 3, 14, 13, kWhiteRgb);
    RysujRozjazd(x, y, 0, green ? kGreen : kYellow);
  } else {
    const int direct = electrifiedRow(code);
    const int row = direct >= 0 ? direct : nonElectrifiedRow(code);
    if (row >= 0) RysujRozjazd(x, y, row, direct >= 0 ? kYellow : kGreen);
  }
}

void StationView::drawStation(bool rulers) {
  if (rulers)
    Rulery();
  else
    image_.fill(Qt::white);
  Batch batch(*this);
  RysujSiatke();
  if (station_)
    for (int y = 0; y < station_->RowCount(); ++y)
      for (int x = 0; x < station_->ColCount(); ++x) RysujObiekt(x, y);
}

void StationView::drawLinks() {
  if (!station_) return;
  Batch batch(*this);
  const Station& st = *station_;
  for (int y = 0; y < st.RowCount(); ++y)
    for (int x = 0; x < st.ColCount(); ++x) {
      if (!isLinkedObjectCode(st.cell(x, y).Code)) continue;
      uint8_t ports = 0;
      for (int p = 1; p <= 8; ++p)
        if (st.link(x, y, p) == kLink) ports |= static_cast<uint8_t>(1 << (p - 1));
      RysujRozjazd(x, y, kScratchRow, kOrange, ports);
    }
  for (int y = 0; y < st.RowCount(); ++y)
    for (int x = 0; x < st.ColCount(); ++x) {
      uint8_t ports = 0;
      for (int p = 1; p <= 8; ++p)
        if (st.link(x, y, p) == kInternalLink) ports |= static_cast<uint8_t>(1 << (p - 1));
      if (ports) RysujRozjazd(x, y, kScratchRow, kKeepColour, ports);
    }
}

void StationView::WyrysujTrase(std::span<const RouteCell> route) {
  Batch batch(*this);
  for (const RouteCell& c : route) {
    const int row = elementRow(c.code);
    RysujRozjazd(c.x, c.y, row >= 0 ? row : kScratchRow, kRed);
  }
}

void StationView::WyrzezajTrase(std::span<const RouteCell> route) {
  Batch batch(*this);
  for (const RouteCell& c : route) {
    const int e = electrifiedRow(c.code);
    RysujRozjazd(c.x, c.y, e >= 0 ? e : kScratchRow, kYellow);
    const int n = nonElectrifiedRow(c.code);
    RysujRozjazd(c.x, c.y, n >= 0 ? n : kScratchRow, kGreen);
  }
}

void StationView::startMarker(int x, int y, int port, int colourCode) {
  RysujRozjazd(x, y, kScratchRow, colourCode, static_cast<uint8_t>(1 << (port - 1)));
}

void StationView::markObject(int x, int y, int cells, QRgb rgb) {
  unmarkObject();
  const QRect area(originX(x), originY(y), 17 * cells - 1, 16);
  unmarked_ = image_.copy(area);
  markedAt_ = area.topLeft();
  Batch batch(*this);
  for (int k = 0; k < cells; ++k) {
    const int ox = originX(x + k);
    const int oy = originY(y);
    // The black frame of an object, in colour, two pixels wide.
    for (const int d : {1, 2}) {
      fillBox(ox + d, oy + d, ox + 16 - d, oy + d, rgb);
      fillBox(ox + d, oy + 16 - d, ox + 16 - d, oy + 16 - d, rgb);
      fillBox(ox + d, oy + d, ox + d, oy + 16 - d, rgb);
      fillBox(ox + 16 - d, oy + d, ox + 16 - d, oy + 16 - d, rgb);
    }
  }
}

void StationView::unmarkObject() {
  if (unmarked_.isNull()) return;
  {
    QPainter p(&image_);
    p.drawImage(markedAt_, unmarked_);
  }
  unmarked_ = QImage();
  update();
}

bool StationView::cellAt(QPointF pos, int& x, int& y) const {
  if (!station_) return false;
  const int px = qRound(pos.x());
  const int py = qRound(pos.y());
  if (px < 0 || py < 0 || px >= 17 * station_->ColCount() || py >= 17 * station_->RowCount())
    return false;
  x = px / 17;
  y = py / 17;
  return true;
}

void StationView::mouseMoveEvent(QMouseEvent* e) {
  int x = 0;
  int y = 0;
  if (!cellAt(e->position(), x, y)) {
    pointerCell_ = {-1, -1};
    setToolTip(QString());
    unsetCursor();
    return;
  }
  const bool moved = pointerCell_ != QPoint(x, y);
  pointerCell_ = {x, y};
  if (editing_) {
    if (dragging_ && moved) emit editDragged(x, y);
    setToolTip(QString::fromStdString(pointerTooltip(*station_, x, y, true)));
    setCursor(Qt::CrossCursor);
    return;
  }
  setToolTip(QString::fromStdString(pointerTooltip(*station_, x, y, prepared_)));
  if (!prepared_) return;
  switch (pointerClassOf(*station_, x, y).shape) {
    case PointerShape::Arrow:
      setCursor(Qt::ArrowCursor);
      break;
    case PointerShape::WhatsThis:
      setCursor(Qt::WhatsThisCursor);
      break;
    case PointerShape::SizeAll:
      setCursor(Qt::SizeAllCursor);
      break;
  }
}

void StationView::mousePressEvent(QMouseEvent* e) {
  int x = 0;
  int y = 0;
  if (editing_) {
    if (!clicksEnabled_ || !cellAt(e->position(), x, y)) return;
    pointerCell_ = {x, y};
    dragging_ = e->button() == Qt::LeftButton;
    emit editPressed(x, y, e->button(), e->modifiers());
    return;
  }
  if (!prepared_ || !clicksEnabled_ || !cellAt(e->position(), x, y)) return;
  emit cellClicked(x, y);
}

void StationView::mouseReleaseEvent(QMouseEvent* e) {
  if (!dragging_ || e->button() != Qt::LeftButton) return;
  dragging_ = false;
  emit editReleased();
}

void StationView::setEditing(bool on) {
  if (dragging_) emit editReleased();
  dragging_ = false;
  editing_ = on;
  unsetCursor();
}

void StationView::redrawCells(int x, int y, int w, int h) {
  if (!station_) return;
  // The neighbours too: what joins them, like the analysis's links, is drawn across the border.
  const int x0 = std::max(x - 1, 0);
  const int y0 = std::max(y - 1, 0);
  const int x1 = std::min(x + w + 1, station_->ColCount());
  const int y1 = std::min(y + h + 1, station_->RowCount());
  Batch batch(*this);
  for (int cy = y0; cy < y1; ++cy)
    for (int cx = x0; cx < x1; ++cx) {
      fillBox(originX(cx), originY(cy), originX(cx) + 15, originY(cy) + 15, kWhiteRgb);
      RysujObiekt(cx, cy);
    }
}

QImage StationView::pieceImage(int16_t code, TrackStyle style) {
  Station one(1, 1);
  one.setCode(0, 0, code);
  StationView v;
  v.setStation(&one);
  v.setTrackStyle(style);
  v.resizeCanvas(18, 18);
  v.drawStation(false);
  return v.image();
}

}  // namespace szl::ui
