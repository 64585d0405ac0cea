#include "ui/dialogs/frm_cross.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QMouseEvent>
#include <QPainter>
#include <QVBoxLayout>

#include "ui/dialogs/track_shapes.h"

namespace szl::ui {

namespace {
const PortPoints kCrossPorts{QPointF(22, 22),  QPointF(56, 8),  QPointF(90, 22),  QPointF(8, 56),
                             QPointF(103, 56), QPointF(22, 90), QPointF(56, 103), QPointF(90, 90)};
constexpr int kPen = 6;

bool isSlipCode(int code) {
  const int row = elementRow(code);
  return row >= kFirstSlipRow && row < kFirstSlipRow + 4;
}
}  // namespace

CrossPicture::CrossPicture(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  image_ = QImage(kSize, kSize, QImage::Format_RGB32);
  image_.fill(Qt::white);
  setFixedSize(kSize, kSize);
  setCursor(Qt::PointingHandCursor);
}

void CrossPicture::paintEvent(QPaintEvent* e) {
  QPainter p(this);
  p.drawImage(e->rect(), image_, e->rect());
}

void CrossPicture::mousePressEvent(QMouseEvent* e) {
  if (e->button() == Qt::LeftButton) emit clicked();
}

frmCross::frmCross(Station& st, int x, int y, QWidget* parent)
    : QDialog(parent), st_(st), x_(x), y_(y) {
  setObjectName("frmCross");
  setWindowTitle("Rozjazd krzyżowy podwójny");
  setModal(true);

  lblTyp = new QLabel("Kliknij na wybrany typ rozjazdu:", this);
  lblTyp->setObjectName("lblTyp");
  lblInfo = new QLabel("[Domyślny]", this);
  lblInfo->setObjectName("lblInfo");
  lblXchg = new QLabel("Typ elementu:", this);
  lblXchg->setObjectName("lblXchg");
  lblAxis = new QLabel("Współrzędne:", this);
  lblAxis->setObjectName("lblAxis");
  txtXchg = new QLineEdit(this);
  txtXchg->setObjectName("txtXchg");
  txtAxis = new QLineEdit(this);
  txtAxis->setObjectName("txtAxis");
  for (QLineEdit* t : {txtXchg, txtAxis}) {
    t->setReadOnly(true);
    t->setFixedWidth(60);
    t->setFocusPolicy(Qt::ClickFocus);  // shown for reference; the keyboard starts on OK
  }
  cmdOK = new QPushButton("&OK", this);
  cmdOK->setObjectName("cmdOK");
  cmdCancel = new QPushButton("&Anuluj", this);
  cmdCancel->setObjectName("cmdCancel");
  cmdOK->setDefault(true);

  auto* pictures = new QGridLayout;
  pictures->setSpacing(8);
  for (int n = 1; n <= 7; ++n) {
    auto* pic = new CrossPicture(this);
    pic->setObjectName(QString("picCross%1").arg(n));
    picCross[static_cast<size_t>(n - 1)] = pic;
    pictures->addWidget(pic, 0, n - 1);
    connect(pic, &CrossPicture::clicked, this, [this, n] { picCross_Click(n); });
  }
  pictures->addWidget(lblInfo, 1, 0, Qt::AlignHCenter | Qt::AlignTop);

  auto* bottom = new QHBoxLayout;
  bottom->addWidget(lblXchg);
  bottom->addWidget(txtXchg);
  bottom->addSpacing(16);
  bottom->addWidget(lblAxis);
  bottom->addWidget(txtAxis);
  bottom->addStretch(1);
  bottom->addWidget(cmdOK);
  bottom->addWidget(cmdCancel);

  auto* top = new QVBoxLayout(this);
  top->addWidget(lblTyp);
  top->addLayout(pictures);
  top->addLayout(bottom);
  top->setSizeConstraint(QLayout::SetFixedSize);

  connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);
  connect(cmdCancel, &QPushButton::clicked, this, &frmCross::reject);

  // A cell off the grid gets blank pictures and is never written.
  valid_ = st_.inside(x_, y_);
  if (!valid_) return;
  const CellRec& c = st_.cell(x_, y_);
  txtXchg->setText(QString::number(c.Code));
  txtAxis->setText(QString::number(pointNumber(x_, y_)));
  drawPictures();
  SavedCrossType = c.CrossType;
  if (SavedCrossType >= 0 && SavedCrossType < kCrossTypes) NoBorder(SavedCrossType + 1);
}

void frmCross::drawPictures() {
  const int code = st_.cell(x_, y_).Code;
  // Only the four slip crossings have figures; any other code leaves the pictures blank.
  const int row = isSlipCode(code) ? elementRow(code) : -1;
  for (int n = 1; n <= 7; ++n) {
    QImage& img = picCross[static_cast<size_t>(n - 1)]->image();
    img.fill(Qt::white);
    if (row < 0) continue;
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, kPen, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    for (const Movement& m : elementMovements(row, n - 1))
      p.drawPath(movementPath(m, kCrossPorts, 0));
  }
}

void frmCross::NoBorder(int n) {
  // The frame is drawn with the pictures' pen, so half of it shows inside the picture.
  const QRect square(0, 0, CrossPicture::kSize - 1, CrossPicture::kSize - 1);
  for (int k = 1; k <= 7; ++k) {
    CrossPicture* pic = picCross[static_cast<size_t>(k - 1)];
    QPainter p(&pic->image());
    p.setPen(
        QPen(k == n ? Qt::black : Qt::white, kPen, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(Qt::NoBrush);
    p.drawRect(square);
    pic->update();
  }
}

void frmCross::picCross_Click(int n) {
  if (!valid_ || n < 1 || n > 7) return;
  NoBorder(n);
  st_.cell(x_, y_).CrossType = static_cast<int16_t>(n - 1);
}

void frmCross::reject() {
  if (valid_) st_.cell(x_, y_).CrossType = SavedCrossType;
  QDialog::reject();
}

}  // namespace szl::ui
