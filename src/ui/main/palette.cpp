#include "ui/main/palette.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "model/element_tables.h"
#include "objects/object_class.h"
#include "objects/pointer_class.h"
#include "ui/main/station_view.h"

namespace szl::ui {

namespace {

constexpr int16_t kObjectCodes[] = {21, 22, 48, 50, 51, 52, 53};

bool hasGreenForm(int16_t code) { return code > 9; }

// What a piece is, as the tooltip of the view names it on the station, with its code.
QString pieceName(int16_t code) {
  QString name;
  if (code == 0) {
    name = "Puste pole";
  } else if (code <= 9) {
    name = QString("Cyfra %1: numer obiektu obok").arg(code);
  } else if (objectClass(code, 0) != ObjectClass::None) {
    // Platforms and goods tracks are told from stopping points by their three cells.
    const QString alone = objectClassName(objectClass(code, 0));
    const QString grouped = objectClassName(objectClass(code, 1));
    name = alone == grouped ? alone : grouped + " / " + alone.toLower();
  } else {
    Station one(1, 1);
    one.setCode(0, 0, code);
    name = pointerClassOf(one, 0, 0).text;
  }
  return QString("%1 (kod %2)").arg(name).arg(code);
}

}  // namespace

Palette::Palette(QWidget* parent) : QWidget(parent) {
  setObjectName("fraPaleta");
  auto* col = new QVBoxLayout(this);
  col->setContentsMargins(2, 2, 2, 2);
  chkNiezelektr = new QCheckBox("Niezelektryfikowane", this);
  chkNiezelektr->setObjectName("chkNiezelektr");
  col->addWidget(chkNiezelektr);
  auto* grid = new QGridLayout;
  grid->setSpacing(1);
  col->addLayout(grid);
  col->addStretch(1);
  group_ = new QButtonGroup(this);
  group_->setExclusive(true);

  std::vector<int16_t> codes;
  for (int16_t c = 0; c <= 9; ++c) codes.push_back(c);
  for (int16_t c : kObjectCodes) codes.push_back(c);
  for (const ElementPair& e : kElementPairs) codes.push_back(e.code);
  constexpr int kColumns = 5;
  for (int16_t c : codes) {
    auto* b = new QToolButton(this);
    b->setObjectName(QString("cmdKlocek%1").arg(c));
    b->setCheckable(true);
    b->setAutoRaise(true);
    b->setIconSize(QSize(18, 18));
    b->setToolTip(pieceName(c));
    group_->addButton(b);
    const int i = static_cast<int>(pieces_.size());
    grid->addWidget(b, i / kColumns, i % kColumns);
    pieces_.push_back({c, b});
    connect(b, &QToolButton::clicked, this, [this] { emit chosen(code()); });
  }
  pieces_.front().button->setChecked(true);
  connect(chkNiezelektr, &QCheckBox::toggled, this, [this] {
    drawPictures();
    emit chosen(code());
  });
  drawPictures();
}

void Palette::drawPictures() {
  const bool green = chkNiezelektr->isChecked();
  for (const Piece& p : pieces_) {
    const int16_t c = green && hasGreenForm(p.code) ? static_cast<int16_t>(p.code * 10) : p.code;
    p.button->setIcon(QIcon(QPixmap::fromImage(StationView::pieceImage(c, style_))));
    p.button->setToolTip(pieceName(c));
  }
}

void Palette::setTrackStyle(TrackStyle s) {
  if (s == style_) return;
  style_ = s;
  drawPictures();
}

int16_t Palette::code() const {
  for (const Piece& p : pieces_)
    if (p.button->isChecked())
      return chkNiezelektr->isChecked() && hasGreenForm(p.code) ? static_cast<int16_t>(p.code * 10)
                                                                : p.code;
  return 0;
}

bool Palette::choose(int16_t code) {
  const bool green = code >= 100;
  const int16_t base = green && code % 10 == 0 ? static_cast<int16_t>(code / 10) : code;
  for (const Piece& p : pieces_)
    if (p.code == base) {
      p.button->setChecked(true);
      // A digit or the empty cell leaves the electrification as the author set it.
      if (hasGreenForm(base)) chkNiezelektr->setChecked(green);
      emit chosen(this->code());
      return true;
    }
  return false;
}

}  // namespace szl::ui
