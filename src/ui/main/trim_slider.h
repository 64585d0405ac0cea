// A slider that also highlights a span of its range, as the trimming stage shows the occupied
// part of the station.
#pragma once

#include <QSlider>

namespace szl::ui {

class TrimSlider : public QSlider {
  Q_OBJECT
 public:
  TrimSlider(Qt::Orientation o, const char* name, QWidget* parent);
  void setSelection(int start, int length);
  int selStart() const { return selStart_; }
  int selLength() const { return selLength_; }

 protected:
  void paintEvent(QPaintEvent*) override;

 private:
  int selStart_ = 0;
  int selLength_ = 0;
};

}  // namespace szl::ui
