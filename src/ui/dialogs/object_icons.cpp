#include "ui/dialogs/object_icons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <algorithm>
#include <functional>

namespace szl::ui {

namespace {

const QColor kYellow(255, 255, 0);
const QColor kGrey(192, 192, 192);
const QColor kCrate(176, 112, 48);

// Draws a design made on a 16 x 16 grid, scaled to the largest square that fits and centred.
QPixmap picture(int width, int height, const std::function<void(QPainter&)>& design) {
  QPixmap pm(std::max(width, 1), std::max(height, 1));
  pm.fill(Qt::transparent);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  const double side = std::min(width, height);
  p.translate((width - side) / 2.0, (height - side) / 2.0);
  p.scale(side / 16.0, side / 16.0);
  design(p);
  return pm;
}

// A cell as the main view paints it: the black frame, then its inside.
void frame(QPainter& p) { p.fillRect(QRectF(0.5, 0.5, 15, 15), Qt::black); }

// A straight track across the cell: a black outline under a yellow core, as the view draws
// tracks in lines style.
void track(QPainter& p, QPointF from, QPointF to) {
  p.setPen(QPen(Qt::black, 4.5, Qt::SolidLine, Qt::FlatCap));
  p.drawLine(from, to);
  p.setPen(QPen(kYellow, 2.5, Qt::SolidLine, Qt::FlatCap));
  p.drawLine(from, to);
}

void arrowRight(QPainter& p, double tip, double half = 6) {
  p.drawPolygon(
      QPolygonF({QPointF(tip, 8), QPointF(tip - half, 8 - half), QPointF(tip - half, 8 + half)}));
}
void arrowLeft(QPainter& p, double tip, double half = 6) {
  p.drawPolygon(
      QPolygonF({QPointF(tip, 8), QPointF(tip + half, 8 - half), QPointF(tip + half, 8 + half)}));
}

void drawClass(QPainter& p, ObjectClass c) {
  p.setPen(Qt::NoPen);
  switch (c) {
    case ObjectClass::EntryOrExit:
      frame(p);
      p.setBrush(kYellow);
      arrowRight(p, 14.5);
      p.drawRect(QRectF(2.5, 5.5, 6.5, 5));
      break;
    case ObjectClass::EntryExit:
      frame(p);
      p.setBrush(kYellow);
      arrowLeft(p, 1.5, 4.5);
      arrowRight(p, 14.5, 4.5);
      p.drawRect(QRectF(5.5, 6.5, 5, 3));
      break;
    case ObjectClass::Platform:
      frame(p);
      p.fillRect(QRectF(1.5, 1.5, 13, 13), kGrey);
      track(p, QPointF(1.5, 8), QPointF(14.5, 8));
      break;
    case ObjectClass::Sidings:
      frame(p);
      for (const double y : {4.0, 8.0, 12.0}) {
        p.fillRect(QRectF(1.5, y - 1, 10, 2), kYellow);
        p.fillRect(QRectF(11.5, y - 2, 2, 4), kYellow);  // buffer stop
      }
      break;
    case ObjectClass::StoppingPoint:
      frame(p);
      p.fillRect(QRectF(4.5, 2, 7, 3.5), kGrey);
      track(p, QPointF(1.5, 10), QPointF(14.5, 10));
      break;
    case ObjectClass::LocoStoppingPoint:
      frame(p);
      p.fillRect(QRectF(1.5, 2.5, 13, 11), Qt::white);
      track(p, QPointF(1.5, 8), QPointF(14.5, 8));
      break;
    case ObjectClass::Shed:
      frame(p);
      p.fillRect(QRectF(1.5, 1.5, 13, 13), kYellow);
      // A locomotive, as on the view.
      p.fillRect(QRectF(3, 7, 10, 4), Qt::black);
      p.fillRect(QRectF(5, 4, 2, 2), Qt::black);
      p.setPen(QPen(Qt::black, 1));
      p.setBrush(Qt::NoBrush);
      p.drawRect(QRectF(10, 3.5, 3, 3.5));
      p.drawLine(QPointF(4, 3.5), QPointF(8, 3.5));
      break;
    case ObjectClass::GoodsTracks:
      frame(p);
      p.fillRect(QRectF(1.5, 2.5, 13, 11), Qt::white);
      track(p, QPointF(1.5, 10.5), QPointF(14.5, 10.5));
      p.fillRect(QRectF(4, 3.5, 8, 4), kCrate);
      p.setPen(QPen(Qt::black, 0.8));
      p.setBrush(Qt::NoBrush);
      p.drawRect(QRectF(4, 3.5, 8, 4));
      p.drawLine(QPointF(8, 3.5), QPointF(8, 7.5));
      break;
    case ObjectClass::None:
      break;
  }
}

}  // namespace

QPixmap objectClassPicture(ObjectClass c, int width, int height) {
  return picture(width, height, [c](QPainter& p) { drawClass(p, c); });
}

QPixmap stationDataPicture(int width, int height) {
  return picture(width, height, [](QPainter& p) {
    p.setPen(QPen(Qt::black, 1.2));
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(8, 8), 6.8, 6.8);
    for (int h = 0; h < 12; h += 3) {
      p.save();
      p.translate(8, 8);
      p.rotate(30.0 * h);
      p.drawLine(QPointF(0, -6), QPointF(0, -4.8));
      p.restore();
    }
    p.setPen(QPen(Qt::black, 1.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(8, 8), QPointF(8, 3.5));
    p.setPen(QPen(QColor(200, 0, 0), 1.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(8, 8), QPointF(11.5, 9.5));
  });
}

QPixmap electrifiedPicture(int width, int height) {
  return picture(width, height, [](QPainter& p) {
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(kYellow);
    p.drawPolygon(QPolygonF({QPointF(9.5, 0.5), QPointF(3, 9), QPointF(7.5, 9), QPointF(5.5, 15.5),
                             QPointF(13, 6.5), QPointF(8.5, 6.5), QPointF(11, 0.5)}));
  });
}

QPixmap bidirectionalPicture(int width, int height) {
  return picture(width, height, [](QPainter& p) {
    p.setPen(QPen(Qt::black, 1.6));
    p.drawLine(QPointF(3, 8), QPointF(13, 8));
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    p.drawPolygon(QPolygonF({QPointF(0.5, 8), QPointF(5, 3.5), QPointF(5, 12.5)}));
    p.drawPolygon(QPolygonF({QPointF(15.5, 8), QPointF(11, 3.5), QPointF(11, 12.5)}));
  });
}

QPixmap pointCountPicture(int width, int height) {
  return picture(width, height, [](QPainter& p) {
    p.setPen(QPen(Qt::black, 1));
    p.drawLine(QPointF(2, 8), QPointF(14, 8));
    for (const double x : {2.5, 8.0, 13.5}) {
      p.setPen(QPen(Qt::black, 1));
      p.setBrush(kYellow);
      p.drawRect(QRectF(x - 2, 6, 4, 4));
    }
  });
}

}  // namespace szl::ui
