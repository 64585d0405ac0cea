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
  // What the slider's value means, as its tooltip says it: `caption` and the value plus
  // `offset` ("Ostatnia kolumna: " and -1 for a slider that stands one past the last kept one).
  void setValueCaption(const QString& caption, int offset);

 protected:
  void paintEvent(QPaintEvent*) override;
  void sliderChange(SliderChange change) override;

 private:
  int selStart_ = 0;
  int selLength_ = 0;
  QString caption_;
  int offset_ = 0;
};

}  // namespace szl::ui
