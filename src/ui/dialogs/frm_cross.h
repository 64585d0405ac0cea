// The crossing-type dialog: seven pictures of the movements a slip crossing may have; a click
// on one gives the cell that type at once, Cancel gives it back the type it had.
#pragma once

#include <QDialog>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>
#include <array>

#include "model/station.h"

namespace szl::ui {

// One 112 x 112 picture, painted into an image that persists between paints.
class CrossPicture : public QWidget {
  Q_OBJECT
 public:
  explicit CrossPicture(QWidget* parent = nullptr);
  static constexpr int kSize = 112;
  QImage& image() { return image_; }
  const QImage& image() const { return image_; }

 signals:
  void clicked();

 protected:
  void paintEvent(QPaintEvent* e) override;
  void mousePressEvent(QMouseEvent* e) override;

 private:
  QImage image_;
};

class frmCross : public QDialog {
  Q_OBJECT
 public:
  // For the slip crossing at (x, y). The station must outlive the dialog; the cell's
  // CrossType changes as soon as a picture is clicked.
  frmCross(Station& st, int x, int y, QWidget* parent = nullptr);

  void reject() override;

  // Picture n (1..7) stands for type n - 1.
  void picCross_Click(int n);

  std::array<CrossPicture*, 7> picCross{};
  QLabel *lblTyp = nullptr, *lblInfo = nullptr, *lblXchg = nullptr, *lblAxis = nullptr;
  QLineEdit *txtXchg = nullptr, *txtAxis = nullptr;
  QPushButton *cmdOK = nullptr, *cmdCancel = nullptr;

 private:
  void drawPictures();
  void NoBorder(int n);

  Station& st_;
  int x_;
  int y_;
  bool valid_ = false;
  int16_t SavedCrossType = 0;
};

}  // namespace szl::ui
