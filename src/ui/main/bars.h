// The search's two drawn bars: progress over the start ports and the search stack's usage.
#pragma once

#include <QImage>
#include <QWidget>

namespace szl::ui {

class BarView : public QWidget {
  Q_OBJECT
 public:
  BarView(const char* name, QWidget* parent);
  const QImage& image() const { return image_; }

  void clearWhite();  // white box (1,1)-(449,8)
  void showProgress(int started, int total);
  void showStack(int depth);  // blocks 0..depth navy, the rest white; -1: all white
  void blank();               // back to the form's colour

 protected:
  void paintEvent(QPaintEvent*) override;

 private:
  QImage image_;
};

}  // namespace szl::ui
