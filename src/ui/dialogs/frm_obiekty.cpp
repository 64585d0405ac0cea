#include "ui/dialogs/frm_obiekty.h"

#include <QEvent>
#include <QFontDatabase>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QProxyStyle>
#include <QTabBar>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <utility>

#include "model/element_tables.h"
#include "ui/dialogs/named.h"
#include "ui/dialogs/object_icons.h"

namespace szl::ui {

namespace {

QLineEdit* displayBox(const QString& name, QWidget* parent, int width = 56) {
  auto* box = named(new QLineEdit(parent), name);
  box->setReadOnly(true);
  box->setFocusPolicy(Qt::NoFocus);
  box->setFixedWidth(width);
  return box;
}

// The author's line breaks as the station file keeps them, and back.
QString commentForBox(const std::string& s) {
  QString t = QString::fromStdString(s);
  t.replace("\r\n", "\n");
  return t;
}
std::string commentFromBox(QString t) {
  t.replace("\n", "\r\n");
  return t.toStdString();
}

// Tabs with less room round their captions than the style gives: nine of them, each with its
// picture and whole caption, fit a screen 1280 pixels wide.
class TightTabs : public QProxyStyle {
 public:
  int pixelMetric(PixelMetric m, const QStyleOption* o, const QWidget* w) const override {
    if (m == PM_TabBarTabHSpace) return 10;
    return QProxyStyle::pixelMetric(m, o, w);
  }
};

constexpr const char* kNoParameters = "Nie ma parametrów do ustawienia dla obiektów tego typu.";

}  // namespace

frmObiekty::frmObiekty(Station& st, EditorSubject subject, Prompts& prompts, QWidget* parent)
    : QDialog(parent), st_(st), subject_(subject), prompts_(prompts) {
  setObjectName("frmObiekty");
  setWindowTitle("Właściwości obiektu");
  setModal(true);
  buildPages();

  cmdOK = named(new QPushButton("&OK", this), "cmdOK");
  cmdCancel = named(new QPushButton("&Anuluj", this), "cmdCancel");
  cmdOK->setDefault(true);
  cmdOK->setAutoDefault(true);
  cmdCancel->setAutoDefault(false);
  connect(cmdOK, &QPushButton::clicked, this, &frmObiekty::cmdOK_Click);
  connect(cmdCancel, &QPushButton::clicked, this, &frmObiekty::cmdCancel_Click);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(cmdOK);
  buttons->addWidget(cmdCancel);
  lblBrakuje = named(new QLabel(this), "lblBrakuje");
  lblBrakuje->setStyleSheet("color: #c00000;");
  lblBrakuje->hide();
  auto* top = new QVBoxLayout(this);
  top->addWidget(lblBrakuje);
  top->addWidget(tabObiekty, 1);
  top->addLayout(buttons);

  // The dialog is as wide as its nine tabs, so that every caption shows whole.
  resize(std::max(sizeHint().width(), 780), sizeHint().height());

  load();
}

QWidget* frmObiekty::page(int n, const QString& caption, const QPixmap& icon) {
  auto* w = named(new QWidget(tabObiekty), QString("fraObiekty%1").arg(n));
  fraObiekty[n] = w;
  tabObiekty->addTab(w, QIcon(icon), caption);
  return w;
}

void frmObiekty::addField(QGridLayout* grid, int row, NumericId id, QLabel** label) {
  const NumericField& f = numericField(id);
  QWidget* parent = grid->parentWidget();
  const QString suffix = QString(f.textBox).mid(3);  // "1Numer"
  auto* lbl = named(new QLabel(QString::fromUtf8(f.label), parent), "lbl" + suffix);
  lbl->setWordWrap(true);
  auto* text = named(new QLineEdit(parent), f.textBox);
  text->setFixedWidth(f.maxChars == 1 ? 32 : f.maxChars == 2 ? 40 : 48);
  text->setAlignment(Qt::AlignRight);
  auto* bar = named(new QScrollBar(Qt::Vertical, parent), f.scrollBar);
  bar->setRange(f.min, f.max);
  bar->setPageStep(f.max - f.min > 20 ? 10 : 1);
  bar->setFocusPolicy(Qt::NoFocus);
  bar->setFixedSize(17, text->sizeHint().height());
  // The larger values are at the top, so the upper arrow counts up as on a spin box.
  bar->setInvertedAppearance(true);
  bar->setInvertedControls(true);
  connect(bar, &QAbstractSlider::actionTriggered, bar, [bar](int action) {
    const int v = bar->value();
    switch (action) {
      case QAbstractSlider::SliderSingleStepAdd:
        bar->setSliderPosition(v - bar->singleStep());
        break;
      case QAbstractSlider::SliderSingleStepSub:
        bar->setSliderPosition(v + bar->singleStep());
        break;
      case QAbstractSlider::SliderPageStepAdd:
        bar->setSliderPosition(v - bar->pageStep());
        break;
      case QAbstractSlider::SliderPageStepSub:
        bar->setSliderPosition(v + bar->pageStep());
        break;
      default:
        break;
    }
  });

  grid->addWidget(lbl, row, 0);
  auto* box = new QHBoxLayout;
  box->setSpacing(0);
  box->addWidget(text);
  box->addWidget(bar);
  grid->addLayout(box, row, 1, Qt::AlignLeft | Qt::AlignVCenter);

  // The members by NumericId, so that each control is also reachable by its own name.
  using M = frmObiekty;
  static constexpr std::pair<QLineEdit * M::*, QScrollBar * M::*> kMembers[kNumericFieldCount] = {
      {&M::txt1Numer, &M::vsb1Numer},         {&M::txt1Czas, &M::vsb1Czas},
      {&M::txt1Wyprz, &M::vsb1Wyprz},         {&M::txt2Numer, &M::vsb2Numer},
      {&M::txt2Wyprz, &M::vsb2Wyprz},         {&M::txt2CzasMij, &M::vsb2CzasMij},
      {&M::txt2CzasZwoln, &M::vsb2CzasZwoln}, {&M::txt3Numer, &M::vsb3Numer},
      {&M::txt4Pojem, &M::vsb4Pojem},         {&M::txt7CzasNapr, &M::vsb7CzasNapr},
      {&M::txt7CzasZam, &M::vsb7CzasZam},     {&M::txt7Napr, &M::vsb7Napr},
      {&M::txt7Pojem, &M::vsb7Pojem},         {&M::txt8Numer, &M::vsb8Numer},
  };
  const int i = static_cast<int>(id);
  this->*kMembers[i].first = text;
  this->*kMembers[i].second = bar;
  const QString initial = QString::fromUtf8(f.initialText);
  fields_[i] = {&f, text, bar, initial, initial};
  text->installEventFilter(this);
  connect(text, &QLineEdit::textChanged, this, [this, i] { numericChanged(i); });
  connect(bar, &QScrollBar::valueChanged, this, [this, i](int v) {
    const QString plain = QString::number(v);
    if (fields_[i].text->text() != plain) fields_[i].text->setText(plain);
  });
  if (label) *label = lbl;
}

void frmObiekty::buildPages() {
  tabObiekty = named(new QTabWidget(this), "tabObiekty");
  tabObiekty->setIconSize(QSize(16, 16));
  tabObiekty->setUsesScrollButtons(false);
  tabObiekty->setElideMode(Qt::ElideNone);
  auto* tight = new TightTabs;
  tight->setParent(tabObiekty->tabBar());
  tabObiekty->tabBar()->setStyle(tight);

  auto grid = [](QWidget* w) {
    auto* g = new QGridLayout(w);
    g->setColumnMinimumWidth(0, 420);
    g->setColumnStretch(2, 1);
    g->setHorizontalSpacing(12);
    return g;
  };
  auto axisRow = [](QGridLayout* g, int row, std::initializer_list<QLineEdit*> boxes, int n) {
    QWidget* parent = g->parentWidget();
    g->addWidget(named(new QLabel("Współrzędne:", parent), QString("lbl%1Axis").arg(n)), row, 0);
    auto* line = new QHBoxLayout;
    for (QLineEdit* b : boxes) line->addWidget(b);
    line->addStretch(1);
    g->addLayout(line, row, 1);
  };
  auto pic = [](ObjectClass c) { return objectClassPicture(c, 16, 16); };

  // 1: entry or exit.
  {
    QWidget* w = page(1, "Wjazd / Wyjazd", pic(ObjectClass::EntryOrExit));
    QGridLayout* g = grid(w);
    txt1Axis = displayBox("txt1Axis", w);
    axisRow(g, 0, {txt1Axis}, 1);
    fra1WjazdWyjazd = named(new QGroupBox(w), "fra1WjazdWyjazd");
    opt1Wjazd = named(new QRadioButton("Wjazd", fra1WjazdWyjazd), "opt1Wjazd");
    opt1Wyjazd = named(new QRadioButton("Wyjazd", fra1WjazdWyjazd), "opt1Wyjazd");
    auto* dir = new QHBoxLayout(fra1WjazdWyjazd);
    dir->addWidget(opt1Wjazd);
    dir->addWidget(opt1Wyjazd);
    dir->addStretch(1);
    fra1LeftRight = named(new QGroupBox(w), "fra1LeftRight");
    opt1Left = named(new QRadioButton("Z lewej strony", fra1LeftRight), "opt1Left");
    opt1Right = named(new QRadioButton("Z prawej strony", fra1LeftRight), "opt1Right");
    auto* side = new QHBoxLayout(fra1LeftRight);
    side->addWidget(opt1Left);
    side->addWidget(opt1Right);
    side->addStretch(1);
    auto* options = new QHBoxLayout;
    options->addWidget(fra1WjazdWyjazd);
    options->addWidget(fra1LeftRight);
    g->addLayout(options, 1, 0, 1, 3);
    addField(g, 2, NumericId::txt1Numer);
    addField(g, 3, NumericId::txt1Czas);
    addField(g, 4, NumericId::txt1Wyprz, &lbl1Wyprz);
    g->setRowStretch(5, 1);
    connect(opt1Wjazd, &QRadioButton::toggled, this, &frmObiekty::opt1Wjazd_Click);
    connect(opt1Wyjazd, &QRadioButton::toggled, this, &frmObiekty::opt1Wjazd_Click);
  }
  // 2: entry-exit.
  {
    QWidget* w = page(2, "Wjazd-wyjazd", pic(ObjectClass::EntryExit));
    QGridLayout* g = grid(w);
    txt2Axis = displayBox("txt2Axis", w);
    axisRow(g, 0, {txt2Axis}, 2);
    fra2LeftRight = named(new QGroupBox(w), "fra2LeftRight");
    opt2Left = named(new QRadioButton("Z lewej strony", fra2LeftRight), "opt2Left");
    opt2Right = named(new QRadioButton("Z prawej strony", fra2LeftRight), "opt2Right");
    auto* side = new QHBoxLayout(fra2LeftRight);
    side->addWidget(opt2Left);
    side->addWidget(opt2Right);
    side->addStretch(1);
    g->addWidget(fra2LeftRight, 1, 0, 1, 3);
    addField(g, 2, NumericId::txt2Numer);
    addField(g, 3, NumericId::txt2CzasZwoln);
    addField(g, 4, NumericId::txt2Wyprz);
    addField(g, 5, NumericId::txt2CzasMij);
    g->setRowStretch(6, 1);
  }
  // 3: platform group.
  {
    QWidget* w = page(3, "Peron", pic(ObjectClass::Platform));
    QGridLayout* g = grid(w);
    txt3Axis1 = displayBox("txt3Axis1", w);
    txt3Axis2 = displayBox("txt3Axis2", w);
    txt3Axis3 = displayBox("txt3Axis3", w);
    axisRow(g, 0, {txt3Axis1, txt3Axis2, txt3Axis3}, 3);
    addField(g, 1, NumericId::txt3Numer);
    g->setRowStretch(2, 1);
  }
  // 4: sidings.
  {
    QWidget* w = page(4, "Tory postojowe", pic(ObjectClass::Sidings));
    QGridLayout* g = grid(w);
    txt4Axis = displayBox("txt4Axis", w);
    axisRow(g, 0, {txt4Axis}, 4);
    addField(g, 1, NumericId::txt4Pojem);
    g->setRowStretch(2, 1);
  }
  // 5 and 6: stopping points have nothing to set.
  for (const int n : {5, 6}) {
    const bool loco = n == 6;
    QWidget* w = page(n, loco ? "Punkt postojowy dla lokomotyw" : "Punkt postojowy",
                      pic(loco ? ObjectClass::LocoStoppingPoint : ObjectClass::StoppingPoint));
    QGridLayout* g = grid(w);
    QLineEdit* axis = displayBox(QString("txt%1Axis").arg(n), w);
    (loco ? txt6Axis : txt5Axis) = axis;
    axisRow(g, 0, {axis}, n);
    g->addWidget(named(new QLabel(kNoParameters, w), QString("lbl%1Brak").arg(n)), 1, 0, 1, 2);
    g->setRowStretch(2, 1);
  }
  // 7: locomotive shed.
  {
    QWidget* w = page(7, "Lokomotywownia", pic(ObjectClass::Shed));
    QGridLayout* g = grid(w);
    txt7Axis = displayBox("txt7Axis", w);
    axisRow(g, 0, {txt7Axis}, 7);
    addField(g, 1, NumericId::txt7CzasZam);
    addField(g, 2, NumericId::txt7CzasNapr);
    addField(g, 3, NumericId::txt7Napr);
    addField(g, 4, NumericId::txt7Pojem);
    g->setRowStretch(5, 1);
  }
  // 8: goods-track group.
  {
    QWidget* w = page(8, "Tory towarowe", pic(ObjectClass::GoodsTracks));
    QGridLayout* g = grid(w);
    txt8Axis1 = displayBox("txt8Axis1", w);
    txt8Axis2 = displayBox("txt8Axis2", w);
    txt8Axis3 = displayBox("txt8Axis3", w);
    axisRow(g, 0, {txt8Axis1, txt8Axis2, txt8Axis3}, 8);
    addField(g, 1, NumericId::txt8Numer);
    g->setRowStretch(2, 1);
  }
  // 9: the station as a whole.
  {
    QWidget* w = page(9, "[Pozostałe]", stationDataPicture(16, 16));
    auto* g = new QGridLayout(w);
    g->setHorizontalSpacing(12);
    txt9Obiekty = displayBox("txt9Obiekty", w);
    txt9Tory = displayBox("txt9Tory", w);
    txt9Takt = displayBox("txt9Takt", w, 40);
    txt9Takt->setAlignment(Qt::AlignRight);
    txt9Obiekty->setAlignment(Qt::AlignRight);
    txt9Tory->setAlignment(Qt::AlignRight);
    g->addWidget(named(new QLabel("Ilość obiektów:", w), "lbl9Obiekty"), 0, 0);
    g->addWidget(txt9Obiekty, 0, 1, Qt::AlignLeft);
    g->addWidget(named(new QLabel("Ilość miejsca na torach postojowych:", w), "lbl9Tory"), 1, 0);
    g->addWidget(txt9Tory, 1, 1, Qt::AlignLeft);

    // The units under the slider's ticks: one fixed-width column of three characters each.
    lbl9Takt = named(new QLabel("1  2  3  4  5  6  10 12 15 20 30 60", w), "lbl9Takt");
    QFont mono = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    lbl9Takt->setFont(mono);
    const QFontMetrics fm(mono);
    const int column = fm.horizontalAdvance("000");
    sld9Takt = named(new QSlider(Qt::Horizontal, w), "sld9Takt");
    sld9Takt->setRange(0, static_cast<int>(TickUnits.size()) - 1);
    sld9Takt->setPageStep(1);
    sld9Takt->setTickPosition(QSlider::TicksBelow);
    sld9Takt->setTickInterval(1);
    // Tick k sits at handle/2 + k * column when the groove is 11 columns plus one handle long;
    // the label starts half a handle in, less half a digit, so each unit sits under its tick.
    const int handle = 12;
    sld9Takt->setFixedWidth(11 * column + handle);
    lbl9Takt->setContentsMargins(handle / 2 - fm.horizontalAdvance("0") / 2, 0, 0, 0);
    auto* tick = new QGridLayout;
    tick->setHorizontalSpacing(6);
    tick->setVerticalSpacing(0);
    tick->addWidget(sld9Takt, 0, 0);
    tick->addWidget(txt9Takt, 0, 1);
    tick->addWidget(named(new QLabel("sekund", w), "lbl9Sekund"), 0, 2);
    tick->addWidget(lbl9Takt, 1, 0);
    tick->setColumnStretch(3, 1);
    g->addWidget(named(new QLabel("Jednostka taktowania zegara:", w), "lbl9Jednostka"), 2, 0,
                 Qt::AlignTop);
    g->addLayout(tick, 2, 1);
    g->addWidget(named(new QLabel("Komentarz:", w), "lbl9Komentarz"), 3, 0, 1, 2);
    txt9Komentarz = named(new QPlainTextEdit(w), "txt9Komentarz");
    txt9Komentarz->setTabChangesFocus(true);
    txt9Komentarz->setMinimumHeight(120);
    txt9Komentarz->installEventFilter(this);
    g->addWidget(txt9Komentarz, 4, 0, 1, 2);
    g->setRowStretch(4, 1);
    g->setColumnStretch(1, 1);
    connect(sld9Takt, &QSlider::valueChanged, this, &frmObiekty::sld9Takt_Change);
  }
}

void frmObiekty::load() {
  loaded_ = loadEditor(st_, subject_);
  const EditorData& d = loaded_;
  // Every field starts from its value (the initial value on other pages); each text passes
  // through the field's own change handling, which sets its scroll bar.
  for (int i = 0; i < kNumericFieldCount; ++i) {
    const QString text = QString::number(d.values[i]);
    fields_[i].text->setText(text);
    fields_[i].restore = text;
    fields_[i].last = text;
  }
  // The slider always shows the station's unit: it changes the unit as soon as it moves, so it
  // must never start from anything else.
  const QSignalBlocker quiet(sld9Takt);
  sld9Takt->setValue(st_.TickIndex);
  txt9Takt->setText(QString::number(TickUnits[sld9Takt->value()]));

  auto point = [&](int k) { return QString::number(d.points[k]); };
  auto chooseOption = [](int stored, QRadioButton* one, QRadioButton* two) {
    if (stored == 1) one->setChecked(true);
    if (stored == 2) two->setChecked(true);
  };
  // The station page shows the station whatever the subject; only its own editor changes the
  // comment, which OK on an object would not store.
  txt9Obiekty->setText(QString::number(d.totals.ObjectCount));
  txt9Tory->setText(QString::number(d.totals.SidingPlaces));
  txt9Komentarz->setPlainText(commentForBox(d.comment));
  txt9Komentarz->setReadOnly(d.page != EditorPage::Station);
  switch (d.page) {
    case EditorPage::None:
      return;
    case EditorPage::Station:
      break;
    case EditorPage::EntryOrExit:
      txt1Axis->setText(point(0));
      chooseOption(d.direction, opt1Wjazd, opt1Wyjazd);
      chooseOption(d.side, opt1Left, opt1Right);
      break;
    case EditorPage::EntryExit:
      txt2Axis->setText(point(0));
      chooseOption(d.side, opt2Left, opt2Right);
      break;
    case EditorPage::Platform:
      txt3Axis1->setText(point(0));
      txt3Axis2->setText(point(1));
      txt3Axis3->setText(point(2));
      break;
    case EditorPage::GoodsTracks:
      txt8Axis1->setText(point(0));
      txt8Axis2->setText(point(1));
      txt8Axis3->setText(point(2));
      break;
    case EditorPage::Sidings:
      txt4Axis->setText(point(0));
      break;
    case EditorPage::StoppingPoint:
      txt5Axis->setText(point(0));
      break;
    case EditorPage::LocoStoppingPoint:
      txt6Axis->setText(point(0));
      break;
    case EditorPage::Shed:
      txt7Axis->setText(point(0));
      break;
  }
  tabObiekty->setCurrentIndex(static_cast<int>(d.page) - 1);
}

void frmObiekty::numericChanged(int i) {
  Field& c = fields_[i];
  const QString text = c.text->text();
  // "-" or "12." while typing: judged when the box loses the focus.
  if (c.focused && numericTextUnfinished(*c.f, text.toStdString())) {
    c.last = text;
    return;
  }
  if (const auto v = numericFieldValue(*c.f, text.toStdString())) {
    const QString plain = QString::number(*v);
    if (text != plain) {
      c.text->setText(plain);  // comes back here with the plain integer
      return;
    }
    c.bar->setValue(*v);
    c.last = text;
    return;
  }
  // One digit too many: only that key is refused, the number typed so far stays.
  if (numericTextTooLong(*c.f, text.toStdString()) && !c.last.isEmpty()) {
    c.text->setText(c.last);
    prompts_.beep();
    return;
  }
  refuse(c);
}

void frmObiekty::numericLeft(int i) {
  Field& c = fields_[i];
  c.focused = false;
  const QString text = c.text->text();
  if (!numericTextUnfinished(*c.f, text.toStdString())) return;
  if (const auto v = numericFieldValue(*c.f, text.toStdString()))
    c.text->setText(QString::number(*v));
  else
    refuse(c);
}

void frmObiekty::refuse(Field& c) {
  // Refused: back to the text the box had when it got the focus. That text was accepted once;
  // should it not be, the scroll bar still holds the last accepted value.
  const bool restorable = numericFieldValue(*c.f, c.restore.toStdString()).has_value();
  c.text->setText(restorable ? c.restore : QString::number(c.bar->value()));
  c.text->selectAll();
  prompts_.beep();
}

bool frmObiekty::eventFilter(QObject* watched, QEvent* e) {
  if (e->type() == QEvent::FocusIn) {
    // Select all now and once more after the click that gave the focus has placed the cursor.
    if (watched == txt9Komentarz) {
      txt9Komentarz->selectAll();
      QTimer::singleShot(0, txt9Komentarz, [box = txt9Komentarz] { box->selectAll(); });
    }
    for (Field& c : fields_) {
      if (watched != c.text) continue;
      c.restore = c.text->text();
      c.focused = true;
      c.text->selectAll();
      QTimer::singleShot(0, c.text, [box = c.text] { box->selectAll(); });
    }
  }
  if (e->type() == QEvent::FocusOut)
    for (int i = 0; i < kNumericFieldCount; ++i)
      if (watched == fields_[i].text) numericLeft(i);
  return QDialog::eventFilter(watched, e);
}

void frmObiekty::opt1Wjazd_Click() {
  // The lead time only means something for trains coming in.
  if (!opt1Wjazd->isChecked() && !opt1Wyjazd->isChecked()) return;
  const bool on = opt1Wjazd->isChecked();
  for (QWidget* w : {static_cast<QWidget*>(lbl1Wyprz), static_cast<QWidget*>(txt1Wyprz),
                     static_cast<QWidget*>(vsb1Wyprz)})
    w->setEnabled(on);
}

void frmObiekty::sld9Takt_Change(int position) {
  txt9Takt->setText(QString::number(TickUnits[position]));
  st_.TickIndex = position;
}

void frmObiekty::cmdOK_Click() {
  // Enter in a box with "12." in it: the number counts as it would on leaving the box.
  for (int i = 0; i < kNumericFieldCount; ++i)
    if (fields_[i].focused) numericLeft(i);
  EditorData d = loaded_;
  d.direction = opt1Wjazd->isChecked() ? 1 : opt1Wyjazd->isChecked() ? 2 : 0;
  const bool entryExit = loaded_.page == EditorPage::EntryExit;
  QRadioButton* left = entryExit ? opt2Left : opt1Left;
  QRadioButton* right = entryExit ? opt2Right : opt1Right;
  d.side = left->isChecked() ? 1 : right->isChecked() ? 2 : 0;
  for (int i = 0; i < kNumericFieldCount; ++i) d.values[i] = fields_[i].bar->value();
  d.TickIndex = sld9Takt->value();
  d.comment = commentFromBox(txt9Komentarz->toPlainText());
  storeEditor(st_, subject_, d);
  outcome_ = EditorResult::Ok;
  accept();
}

void frmObiekty::showMissing(const MissingData& m) {
  if (!m.any()) return;
  QStringList items;
  if (m.direction) items << "Wjazd / Wyjazd";
  if (m.side) items << "Z lewej strony / Z prawej strony";
  for (const NumericId id : m.fields) {
    QString label = QString::fromUtf8(numericField(id).label);
    if (label.endsWith(':')) label.chop(1);
    items << label;
  }
  lblBrakuje->setText("Aby zapisać stację, uzupełnij dane tego obiektu:\n• " + items.join("\n• "));
  lblBrakuje->show();
  resize(width(), std::max(height(), sizeHint().height()));
}

void frmObiekty::cmdCancel_Click() {
  outcome_ = EditorResult::Cancelled;
  QDialog::reject();
}

void frmObiekty::keyPressEvent(QKeyEvent* e) {
  // Esc presses the cancel button; only the window's close button leaves without an answer.
  if (e->key() == Qt::Key_Escape && e->modifiers() == Qt::NoModifier) {
    cmdCancel_Click();
    return;
  }
  QDialog::keyPressEvent(e);
}

EditorResult frmObiekty::run() {
  outcome_ = EditorResult::Closed;
  exec();
  return outcome_;
}

}  // namespace szl::ui
