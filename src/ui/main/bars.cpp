#include "ui/main/bars.h"

#include <QPaintEvent>
#include <QPainter>

namespace szl::ui {

namespace {
const QColor kNavy(0, 0, 128);
constexpr int kWidth = 451;
constexpr int kHeight = 10;
}  // namespace

BarView::BarView(const char* name, QWidget* parent)
    : QWidget(parent), image_(kWidth, kHeight, QImage::Format_RGB32) {
  setObjectName(name);
  setFixedSize(kWidth, kHeight);
  blank();
}

void BarView::blank() {
  image_.fill(palette().color(QPalette::Window));
  update();
}

void BarView::clearWhite() {
  QPainter p(&image_);
  p.fillRect(QRect(QPoint(1, 1), QPoint(449, 8)), Qt::white);
  update();
}

void BarView::showProgress(int started, int total) {
  clearWhite();
  if (total <= 0 || started <= 0) return;
  QPainter p(&image_);
  const int right = static_cast<int>(449LL * started / total);
  p.fillRect(QRect(QPoint(1, 1), QPoint(right, 8)), kNavy);
  update();
}

void BarView::showStack(int depth) {
  clearWhite();
  QPainter p(&image_);
  for (int k = 0; k <= depth && k < 50; ++k)
    p.fillRect(QRect(QPoint(9 * k + 1, 1), QPoint(9 * k + 8, 8)), kNavy);
  update();
}

void BarView::paintEvent(QPaintEvent* e) {
  QPainter p(this);
  p.drawImage(e->rect(), image_, e->rect());
}

}  // namespace szl::ui
