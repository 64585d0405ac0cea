#include "ui/dialogs/frm_sprawdz.h"

#include <QVBoxLayout>

#include "model/plural.h"
#include "ui/dialogs/named.h"

namespace szl::ui {

frmSprawdz::frmSprawdz(QWidget* parent) : QDialog(parent) {
  setObjectName("frmSprawdz");
  setWindowTitle("Sprawdzenie stacji");
  setModal(false);
  lblWynik = named(new QLabel(this), "lblWynik");
  lblWynik->setWordWrap(true);
  lstUsterki = named(new QListWidget(this), "lstUsterki");
  cmdZamknij = named(new QPushButton("Zamknij", this), "cmdZamknij");
  auto* col = new QVBoxLayout(this);
  col->addWidget(lblWynik);
  col->addWidget(lstUsterki, 1);
  col->addWidget(cmdZamknij, 0, Qt::AlignRight);
  connect(cmdZamknij, &QPushButton::clicked, this, &QDialog::close);
  connect(lstUsterki, &QListWidget::currentRowChanged, this, [this](int row) {
    if (row >= 0 && row < static_cast<int>(findings_.size()))
      emit findingChosen(findings_[row].x, findings_[row].y);
  });
  resize(520, 320);
}

void frmSprawdz::setFindings(std::vector<Finding> findings) {
  findings_ = std::move(findings);
  const QSignalBlocker quiet(lstUsterki);
  lstUsterki->clear();
  for (const Finding& f : findings_) lstUsterki->addItem(QString::fromStdString(f.text));
  const auto n = static_cast<long long>(findings_.size());
  lblWynik->setText(
      n == 0 ? "Sprawdzenie nie znalazło w stacji żadnej usterki."
             : QString::fromStdString("Sprawdzenie znalazło " +
                                      counted(n, "usterkę", "usterki", "usterek") +
                                      ". Wybierz wiersz, aby zobaczyć miejsce na stacji."));
  if (n > 0) {
    lstUsterki->setCurrentRow(0);
    emit findingChosen(findings_[0].x, findings_[0].y);
  }
}

}  // namespace szl::ui
