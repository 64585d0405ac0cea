#include "ui/dialogs/frm_nowa.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>

#include "model/station.h"

namespace szl::ui {

frmNowa::frmNowa(QWidget* parent) : QDialog(parent) {
  setObjectName("frmNowa");
  setWindowTitle("Nowa stacja");
  auto* form = new QFormLayout(this);
  // The simulator's size to begin with; as large as point numbers allow at most.
  spnWiersze = new QSpinBox(this);
  spnWiersze->setObjectName("spnWiersze");
  spnWiersze->setRange(1, kMaxRows);
  spnWiersze->setValue(kSimulatorRows);
  spnKolumny = new QSpinBox(this);
  spnKolumny->setObjectName("spnKolumny");
  spnKolumny->setRange(1, kMaxColumns);
  spnKolumny->setValue(kSimulatorColumns);
  form->addRow("Wiersze:", spnWiersze);
  form->addRow("Kolumny:", spnKolumny);
  cmdOK = new QPushButton("OK", this);
  cmdOK->setObjectName("cmdOK");
  cmdOK->setDefault(true);
  cmdCancel = new QPushButton("Anuluj", this);
  cmdCancel->setObjectName("cmdCancel");
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(cmdOK);
  buttons->addWidget(cmdCancel);
  form->addRow(buttons);
  connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);
  connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
}

}  // namespace szl::ui
