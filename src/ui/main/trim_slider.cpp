#include "ui/main/trim_slider.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QToolTip>

namespace szl::ui {

TrimSlider::TrimSlider(Qt::Orientation o, const char* name, QWidget* parent) : QSlider(o, parent) {
  setObjectName(name);
  setFocusPolicy(Qt::StrongFocus);
  setPageStep(1);
  // Rows grow downward, as on the station view.
  if (o == Qt::Vertical) setInvertedAppearance(true);
}

void TrimSlider::setSelection(int start, int length) {
  selStart_ = start;
  selLength_ = length;
  update();
}

void TrimSlider::setValueCaption(const QString& caption, int offset) {
  caption_ = caption;
  offset_ = offset;
  setToolTip(caption_ + QString::number(value() + offset_));
}

void TrimSlider::sliderChange(SliderChange change) {
  QSlider::sliderChange(change);
  if (change != SliderValueChange || caption_.isEmpty()) return;
  const QString text = caption_ + QString::number(value() + offset_);
  setToolTip(text);
  // While dragged or moved with the keys, the row or column it would cut at shows at its handle.
  if (!isSliderDown() && !hasFocus()) return;
  QStyleOptionSlider opt;
  initStyleOption(&opt);
  const QRect handle =
      style()->subControlRect(QStyle::CC_Slider, &opt, QStyle::SC_SliderHandle, this);
  QToolTip::showText(mapToGlobal(handle.bottomRight()), text, this);
}

void TrimSlider::paintEvent(QPaintEvent* e) {
  if (selLength_ > 0 && maximum() > minimum()) {
    QStyleOptionSlider opt;
    initStyleOption(&opt);
    const QRect groove =
        style()->subControlRect(QStyle::CC_Slider, &opt, QStyle::SC_SliderGroove, this);
    const QRect handle =
        style()->subControlRect(QStyle::CC_Slider, &opt, QStyle::SC_SliderHandle, this);
    const bool horizontal = orientation() == Qt::Horizontal;
    const int span =
        (horizontal ? groove.width() - handle.width() : groove.height() - handle.height());
    const int offset =
        (horizontal ? groove.left() + handle.width() / 2 : groove.top() + handle.height() / 2);
    auto pos = [&](int v) {
      return offset + QStyle::sliderPositionFromValue(
                          minimum(), maximum(), v, span,
                          !horizontal ? !invertedAppearance() : invertedAppearance());
    };
    const int a = pos(selStart_);
    const int b = pos(selStart_ + selLength_);
    QPainter p(this);
    const QColor band(90, 140, 230, 150);
    if (horizontal)
      p.fillRect(QRect(QPoint(std::min(a, b), 2), QPoint(std::max(a, b), height() - 3)), band);
    else
      p.fillRect(QRect(QPoint(2, std::min(a, b)), QPoint(width() - 3, std::max(a, b))), band);
  }
  QSlider::paintEvent(e);
}

}  // namespace szl::ui
