// The zoom board: up to 10 x 7 cells of the open station at 96 pixels a cell, with curved
// tracks, rulers and scroll bars, so that the author can look closely at what the main view
// shows in 17 pixels. Read-only.
#pragma once

#include <QDialog>
#include <QImage>
#include <QPushButton>
#include <QScrollBar>
#include <QWidget>
#include <functional>
#include <optional>

#include "model/station.h"

namespace szl::ui {

// The board's picture: everything is painted into an image that persists between paints.
class BoardPicture : public QWidget {
  Q_OBJECT
 public:
  explicit BoardPicture(QWidget* parent = nullptr);
  QImage& image() { return image_; }
  const QImage& image() const { return image_; }
  // Gives the tooltip text for a pointer position on the picture.
  void setTooltipSource(std::function<QString(QPoint)> f) { tooltipFor_ = std::move(f); }
  // The board moved under a pointer that stayed: the tooltip names the cell now under it.
  void refreshTooltip();

 protected:
  void paintEvent(QPaintEvent* e) override;
  void mouseMoveEvent(QMouseEvent* e) override;
  void leaveEvent(QEvent* e) override;

 private:
  QImage image_;
  std::function<QString(QPoint)> tooltipFor_;
  std::optional<QPoint> pointer_;  // where the pointer last was over the picture
};

class frmBoard : public QDialog {
  Q_OBJECT
 public:
  // Opens at the station's top-left corner. The station must outlive the board.
  explicit frmBoard(const Station& st, QWidget* parent = nullptr);

  static constexpr int kCell = 96;
  static constexpr int kColumns = 10;  // visible at most
  static constexpr int kRows = 7;
  static constexpr int kAreaWidth = kCell * kColumns;  // 960
  static constexpr int kAreaHeight = kCell * kRows;    // 672

  const QImage& image() const { return picBoard->image(); }

  // The whole board: white area, grid, cells, rulers.
  void Rulery();
  // The visible cells in three passes: black track borders, coloured track cores, objects.
  void Uaktualnij();
  // The point number under a position of the picture, or an empty text outside the station.
  QString tooltipAt(QPoint pos) const;

  BoardPicture* picBoard = nullptr;
  QScrollBar* hsbBoard = nullptr;
  QScrollBar* vsbBoard = nullptr;
  QPushButton* cmdExit = nullptr;

 protected:
  void keyPressEvent(QKeyEvent* e) override;
  bool eventFilter(QObject* watched, QEvent* e) override;

 private:
  // Left, Right, Up, Down move the window by one cell; false for any other key.
  bool arrowKey(int key);
  int lastColumn() const;
  int lastRow() const;
  void drawTracks(bool border);
  void RysujObiekt(int i, int j);

  const Station& st_;
};

}  // namespace szl::ui
