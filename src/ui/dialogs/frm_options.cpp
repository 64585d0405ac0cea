#include "ui/dialogs/frm_options.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "ui/dialogs/named.h"

namespace szl::ui {

namespace {

QGroupBox* frame(const char* name, const QString& caption, QWidget* parent) {
  return named(new QGroupBox(caption, parent), name);
}
}  // namespace

frmOptions::frmOptions(QWidget* parent) : QDialog(parent) {
  setObjectName("frmOptions");
  setWindowTitle("Opcje");
  setModal(true);

  fraOutFile = frame("fraOutFile", " Nazwa pliku z trasami ", this);
  txtOutFile = named(new QLineEdit(fraOutFile), "txtOutFile");
  lblOutFile = named(new QLabel(".txt", fraOutFile), "lblOutFile");
  auto* outLayout = new QHBoxLayout(fraOutFile);
  outLayout->addWidget(txtOutFile, 1);
  outLayout->addWidget(lblOutFile);

  // Each group of options sits in its own frame, which makes the three groups independent.
  fraElektryf = frame("fraElektryf", " Elektryfikacja tras ", this);
  optElektrYes = named(new QRadioButton("Zelektryfikowane", fraElektryf), "optElektrYes");
  optElektrNo = named(new QRadioButton("Niezelektryfikowane", fraElektryf), "optElektrNo");
  optElektrAll = named(new QRadioButton("Wszystkie", fraElektryf), "optElektrAll");
  auto* elLayout = new QVBoxLayout(fraElektryf);
  for (QWidget* w : {optElektrYes, optElektrNo, optElektrAll}) elLayout->addWidget(w);

  fraKierunki = frame("fraKierunki", " Kierunki tras ", this);
  optKier1 = named(new QRadioButton("Jednokierunkowe", fraKierunki), "optKier1");
  optKier2 = named(new QRadioButton("Dwukierunkowe", fraKierunki), "optKier2");
  optKierAll = named(new QRadioButton("Wszystkie", fraKierunki), "optKierAll");
  auto* kierLayout = new QVBoxLayout(fraKierunki);
  for (QWidget* w : {optKier1, optKier2, optKierAll}) kierLayout->addWidget(w);

  fraTory = frame("fraTory", " Kształt torów ", this);
  optToryLin = named(new QRadioButton("Kreski", fraTory), "optToryLin");
  optToryPkt = named(new QRadioButton("Punkty", fraTory), "optToryPkt");
  auto* toryLayout = new QVBoxLayout(fraTory);
  toryLayout->addWidget(optToryLin);
  toryLayout->addWidget(optToryPkt);
  toryLayout->addStretch(1);

  chkWyjPeron = named(
      new QCheckBox("Przejazd z wjazdu tylko na peron, przejazd do wyjazdu tylko z peronu", this),
      "chkWyjPeron");
  chkMulti = named(
      new QCheckBox("Zezwalaj na wielokrotny przejazd przez element (ostrożnie używać!)", this),
      "chkMulti");
  chk59 = named(new QCheckBox("Zezwalaj na długie trasy", this), "chk59");

  fraObiekt = frame("fraObiekt", QString(), this);
  chkObiekt = named(new QCheckBox("Przejazd przez obiekty", fraObiekt), "chkObiekt");
  chkWyjazd = named(new QCheckBox("Przejazd przez wjazdy/wyjazdy", fraObiekt), "chkWyjazd");
  chkTory = named(new QCheckBox("Przejazd przez tory postojowe", fraObiekt), "chkTory");
  chkSzopa = named(new QCheckBox("Przejazd przez szopę", fraObiekt), "chkSzopa");
  chkPeron = named(new QCheckBox("Przejazd przez perony", fraObiekt), "chkPeron");
  auto* objLayout = new QGridLayout(fraObiekt);
  objLayout->addWidget(chkObiekt, 0, 0, 1, 2);
  objLayout->setColumnMinimumWidth(0, 16);
  int row = 1;
  for (QWidget* w : {chkWyjazd, chkTory, chkSzopa, chkPeron}) objLayout->addWidget(w, row++, 1);

  cmdOK = named(new QPushButton("&OK", this), "cmdOK");
  cmdCancel = named(new QPushButton("&Cancel", this), "cmdCancel");
  cmdOK->setDefault(true);
  cmdOK->setAutoDefault(true);
  cmdCancel->setAutoDefault(false);

  auto* groups = new QHBoxLayout;
  groups->addWidget(fraElektryf);
  groups->addWidget(fraKierunki);
  groups->addWidget(fraTory);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(cmdOK);
  buttons->addWidget(cmdCancel);
  auto* top = new QVBoxLayout(this);
  top->addWidget(fraOutFile);
  top->addLayout(groups);
  top->addWidget(chkWyjPeron);
  top->addWidget(chkMulti);
  top->addWidget(chk59);
  top->addWidget(fraObiekt);
  top->addLayout(buttons);
  top->setSizeConstraint(QLayout::SetFixedSize);

  connect(chkObiekt, &QCheckBox::toggled, this, &frmOptions::chkObiekt_Click);
  connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);
  connect(cmdCancel, &QPushButton::clicked, this, &frmOptions::reject);

  load(SearchOptions{});
  opened_ = SearchOptions{};
}

void frmOptions::chkObiekt_Click() {
  // The four kinds only matter while passing through objects is allowed at all; their ticks
  // stay as they are.
  const bool on = chkObiekt->isChecked();
  for (QCheckBox* c : {chkWyjazd, chkTory, chkSzopa, chkPeron}) c->setEnabled(on);
}

void frmOptions::load(const SearchOptions& o) {
  txtOutFile->setText(QString::fromStdString(o.routeFileBase));
  switch (o.electrification) {
    case Electrification::Yes:
      optElektrYes->setChecked(true);
      break;
    case Electrification::No:
      optElektrNo->setChecked(true);
      break;
    case Electrification::All:
      optElektrAll->setChecked(true);
      break;
  }
  switch (o.direction) {
    case Direction::OneWay:
      optKier1->setChecked(true);
      break;
    case Direction::TwoWay:
      optKier2->setChecked(true);
      break;
    case Direction::All:
      optKierAll->setChecked(true);
      break;
  }
  chkWyjPeron->setChecked(o.platformRule);
  chkMulti->setChecked(o.allowRepeats);
  chk59->setChecked(o.allowLong);
  (o.trackStyle == TrackStyle::Lines ? optToryLin : optToryPkt)->setChecked(true);
  chkObiekt->setChecked(o.passages.throughObjects);
  chkPeron->setChecked(o.passages.throughPlatforms);
  chkSzopa->setChecked(o.passages.throughShed);
  chkTory->setChecked(o.passages.throughSidings);
  chkWyjazd->setChecked(o.passages.throughExits);
  chkObiekt_Click();
}

SearchOptions frmOptions::settings() const {
  SearchOptions o;
  o.routeFileBase = txtOutFile->text().toStdString();
  o.electrification = optElektrYes->isChecked()  ? Electrification::Yes
                      : optElektrNo->isChecked() ? Electrification::No
                                                 : Electrification::All;
  o.direction = optKier1->isChecked()   ? Direction::OneWay
                : optKier2->isChecked() ? Direction::TwoWay
                                        : Direction::All;
  o.platformRule = chkWyjPeron->isChecked();
  o.allowRepeats = chkMulti->isChecked();
  o.allowLong = chk59->isChecked();
  o.trackStyle = optToryPkt->isChecked() ? TrackStyle::Points : TrackStyle::Lines;
  o.passages.throughObjects = chkObiekt->isChecked();
  o.passages.throughPlatforms = chkPeron->isChecked();
  o.passages.throughShed = chkSzopa->isChecked();
  o.passages.throughSidings = chkTory->isChecked();
  o.passages.throughExits = chkWyjazd->isChecked();
  return o;
}

bool frmOptions::run(SearchOptions& options) {
  load(options);
  opened_ = options;
  txtOutFile->setFocus();
  if (exec() != QDialog::Accepted) return false;
  options = settings();
  return true;
}

void frmOptions::reject() {
  load(opened_);
  QDialog::reject();
}

}  // namespace szl::ui
