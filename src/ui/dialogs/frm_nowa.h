// "Nowa stacja": the size of an empty grid to draw a station on.
#pragma once

#include <QDialog>
#include <QPushButton>
#include <QSpinBox>

namespace szl::ui {

class frmNowa : public QDialog {
  Q_OBJECT
 public:
  explicit frmNowa(QWidget* parent = nullptr);

  QSpinBox* spnWiersze = nullptr;
  QSpinBox* spnKolumny = nullptr;
  QPushButton* cmdOK = nullptr;
  QPushButton* cmdCancel = nullptr;
};

}  // namespace szl::ui
