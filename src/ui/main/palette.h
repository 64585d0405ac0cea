// The pieces the author paints the grid with: the empty cell, the digits, the objects and the
// track elements, each shown as the station view draws it, electrified or not.
#pragma once

#include <QCheckBox>
#include <QToolButton>
#include <QWidget>
#include <vector>

#include "search/search_options.h"

class QButtonGroup;
class QLabel;

namespace szl::ui {

class Palette : public QWidget {
  Q_OBJECT
 public:
  explicit Palette(QWidget* parent = nullptr);

  // The chosen piece's code, ten times its own for the non-electrified form of an object or
  // element.
  int16_t code() const;
  // Chooses the piece a code stands for, its electrification with it; false for a code the
  // palette has no piece for.
  bool choose(int16_t code);
  // Draws the pictures again in the track style the view uses.
  void setTrackStyle(TrackStyle s);
  // The next piece of the chosen one's group, after its last the first: the rotations of a
  // switch, say, one key press each.
  void chooseNextInGroup();

  QCheckBox* chkNiezelektr = nullptr;
  // The chosen piece, its picture twice the size and its name.
  QLabel* picWybrany = nullptr;
  QLabel* lblWybrany = nullptr;

 signals:
  void chosen(int16_t code);

 private:
  void drawPictures();
  void showChosen();

  struct Piece {
    int16_t code;  // the electrified form
    QToolButton* button;
    int group;
  };
  std::vector<Piece> pieces_;
  QButtonGroup* group_ = nullptr;
  TrackStyle style_ = TrackStyle::Lines;
};

}  // namespace szl::ui
