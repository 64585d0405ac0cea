// The station view: the grid of 17-pixel cells with rulers, tracks, objects and the marks the
// search and the selector leave. Everything is painted into an image that persists between
// paints, so marks stay until they are cleared or overdrawn.
#pragma once

#include <QImage>
#include <QPainter>
#include <QWidget>
#include <memory>
#include <span>
#include <vector>

#include "model/station.h"
#include "search/search_host.h"
#include "search/search_options.h"

namespace szl::ui {

// Colour codes of the element drawing; any other value keeps the current colour.
enum ColourCode : int {
  kBlack = -1,
  kYellow = 0,
  kGreen = 1,
  kRed = 2,
  kBlue = 3,
  kOrange = 4,
  kKeepColour = 5,
};

class StationView : public QWidget {
  Q_OBJECT
 public:
  explicit StationView(QWidget* parent = nullptr);

  void setStation(const Station* st) { station_ = st; }
  void setTrackStyle(TrackStyle s) { style_ = s; }
  // The view's size in pixels; the image is recreated empty (white).
  void resizeCanvas(int width, int height);
  const QImage& image() const { return image_; }

  // The whole station: with rulers after the trimming stage, without during it.
  void drawStation(bool rulers);
  // The links the analysis made: object links in orange, internal links in the current colour.
  void drawLinks();

  void Rulery();
  void RysujSiatke();
  void RysujTor(int x, int y, int dx, int dy, double radius, int colourCode);
  void RysujPunkt(int x, int y, int dx, int dy, int colourCode);
  // Element row 0..49, or row 50 with the ports of `scratchPorts` (bit p-1 for port p).
  void RysujRozjazd(int x, int y, int row, int colourCode, uint8_t scratchPorts = 0);
  void RysujObiekt(int x, int y);

  void WyrysujTrase(std::span<const RouteCell> route);
  void WyrzezajTrase(std::span<const RouteCell> route);
  void startMarker(int x, int y, int port, int colourCode);
  // Frames `cells` cells from (x, y) rightwards in blue (or `rgb`), the cells of one object,
  // until unmarkObject puts back what they showed.
  void markObject(int x, int y, int cells, QRgb rgb = 0xff0000ff);
  void unmarkObject();

  // Pointer interaction: whether the analysis has run (tooltips with classes, clicks).
  void setPrepared(bool p) { prepared_ = p; }
  bool clicksEnabled() const { return clicksEnabled_; }
  void setClicksEnabled(bool e) { clicksEnabled_ = e; }
  // The cell under a pointer position, or false when it is outside the grid.
  bool cellAt(QPointF pos, int& x, int& y) const;

  // While the grid is edited the pointer paints instead of opening the object's dialogs.
  void setEditing(bool on);
  bool editing() const { return editing_; }
  // The cell the pointer was last over, or (-1, -1) when it left the grid.
  QPoint pointerCell() const { return pointerCell_; }
  // Redraws `w` x `h` cells from (x, y) and the cells round them, leaving the rest as it is.
  void redrawCells(int x, int y, int w, int h);
  // The picture of one piece as the station shows it, 18 x 18 pixels with its grid lines.
  static QImage pieceImage(int16_t code, TrackStyle style);
  // The cells chosen for editing, framed over the picture without changing it; empty for none.
  void setSelection(QRect cells);
  // The cells of the station check's findings, framed over the picture like the selection, so
  // that they follow each edit without redrawing the station; empty for none.
  void setFindingMarks(std::vector<QPoint> cells);

 signals:
  void cellClicked(int x, int y);
  // Editing: a button pressed over a cell, the pointer dragged onto another, the button released.
  void editPressed(int x, int y, Qt::MouseButton button, Qt::KeyboardModifiers modifiers);
  void editDragged(int x, int y);
  void editReleased();

 protected:
  void paintEvent(QPaintEvent*) override;
  void mouseMoveEvent(QMouseEvent*) override;
  void mousePressEvent(QMouseEvent*) override;
  void mouseReleaseEvent(QMouseEvent*) override;

 private:
  class Batch {
   public:
    explicit Batch(StationView& v);
    ~Batch();
    Batch(const Batch&) = delete;
    Batch& operator=(const Batch&) = delete;

   private:
    StationView& v_;
  };

  void setColour(int colourCode);
  void fillBox(int x1, int y1, int x2, int y2, QRgb rgb);
  void fillDisc(int cx, int cy, double radius, QRgb rgb);
  int originX(int x) const { return 17 * x + 1; }
  int originY(int y) const { return 17 * y + 1; }

  const Station* station_ = nullptr;
  TrackStyle style_ = TrackStyle::Lines;
  QImage image_;
  QColor current_{Qt::black};
  std::unique_ptr<QPainter> painter_;  // open while a drawing operation runs
  int batchDepth_ = 0;
  QRgb* pixels_ = nullptr;  // the image's pixels while a drawing operation runs
  int stride_ = 0;
  int width_ = 0;
  int height_ = 0;
  bool prepared_ = false;
  bool clicksEnabled_ = true;
  bool editing_ = false;
  bool dragging_ = false;
  QPoint pointerCell_{-1, -1};
  QRect selection_;
  std::vector<QPoint> findingMarks_;
  QImage unmarked_;  // the cells under the mark
  QPoint markedAt_;
};

}  // namespace szl::ui
