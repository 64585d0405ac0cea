#include "ui/main/palette.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>
#include <algorithm>

#include "model/element_tables.h"
#include "objects/object_class.h"
#include "objects/pointer_class.h"
#include "ui/main/station_view.h"

namespace szl::ui {

namespace {

constexpr int16_t kObjectCodes[] = {21, 22, 48, 50, 51, 52, 53};

bool hasGreenForm(int16_t code) { return code > 9; }

// The palette's groups in the order shown, each a heading over its pieces.
const char* const kGroupNames[] = {"Pole i cyfry",     "Obiekty",   "Tory",
                                   "Zwrotnice",        "Krzyżówki", "Rozjazdy krzyżowe",
                                   "Rozjazdy podwójne"};

int groupOf(int16_t code) {
  if (code <= 9) return 0;
  if (objectClass(code, 0) != ObjectClass::None) return 1;
  // The elements by what the pointer calls them on the station.
  static const std::string kKinds[] = {"Tor", "Zwrotnica", "Krzyżówka", "Rozjazd krzyżowy",
                                       "Rozjazd podwójny"};
  Station one(1, 1);
  one.setCode(0, 0, code);
  const auto kind = std::ranges::find(kKinds, pointerClassOf(one, 0, 0).text);
  return kind == std::end(kKinds) ? 3 : 2 + static_cast<int>(kind - std::begin(kKinds));
}

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
  col->setSpacing(2);
  chkNiezelektr = new QCheckBox("Niezelektryfikowane", this);
  chkNiezelektr->setObjectName("chkNiezelektr");
  col->addWidget(chkNiezelektr);
  auto* shown = new QHBoxLayout;
  picWybrany = new QLabel(this);
  picWybrany->setObjectName("picWybrany");
  lblWybrany = new QLabel(this);
  lblWybrany->setObjectName("lblWybrany");
  lblWybrany->setWordWrap(true);
  shown->addWidget(picWybrany);
  shown->addWidget(lblWybrany, 1);
  col->addLayout(shown);
  group_ = new QButtonGroup(this);
  group_->setExclusive(true);

  std::vector<int16_t> codes;
  for (int16_t c = 0; c <= 9; ++c) codes.push_back(c);
  for (int16_t c : kObjectCodes) codes.push_back(c);
  for (const ElementPair& e : kElementPairs) codes.push_back(e.code);
  constexpr int kColumns = 5;
  for (int g = 0; g < static_cast<int>(std::size(kGroupNames)); ++g) {
    auto* heading = new QLabel(kGroupNames[g], this);
    heading->setObjectName(QString("lblGrupa%1").arg(g));
    col->addWidget(heading);
    auto* grid = new QGridLayout;
    grid->setSpacing(1);
    col->addLayout(grid);
    int i = 0;
    for (int16_t c : codes) {
      if (groupOf(c) != g) continue;
      auto* b = new QToolButton(this);
      b->setObjectName(QString("cmdKlocek%1").arg(c));
      b->setCheckable(true);
      b->setAutoRaise(true);
      b->setIconSize(QSize(18, 18));
      group_->addButton(b);
      grid->addWidget(b, i / kColumns, i % kColumns);
      ++i;
      pieces_.push_back({c, b, g});
      connect(b, &QToolButton::clicked, this, [this] {
        showChosen();
        emit chosen(code());
      });
    }
    grid->setColumnStretch(kColumns, 1);
  }
  col->addStretch(1);
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
  showChosen();
}

void Palette::showChosen() {
  // The chosen button's own picture, twice the size.
  const QAbstractButton* b = group_->checkedButton();
  if (!b) return;
  picWybrany->setPixmap(b->icon().pixmap(b->iconSize()).scaled(b->iconSize() * 2));
  lblWybrany->setText(b->toolTip());
}

void Palette::chooseNextInGroup() {
  const auto at =
      std::ranges::find_if(pieces_, [](const Piece& p) { return p.button->isChecked(); });
  if (at == pieces_.end()) return;
  auto next =
      std::find_if(at + 1, pieces_.end(), [&](const Piece& p) { return p.group == at->group; });
  if (next == pieces_.end())
    next = std::ranges::find_if(pieces_, [&](const Piece& p) { return p.group == at->group; });
  next->button->setChecked(true);
  showChosen();
  emit chosen(code());
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
      showChosen();
      emit chosen(this->code());
      return true;
    }
  return false;
}

}  // namespace szl::ui
