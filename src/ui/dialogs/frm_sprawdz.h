// The station check's findings beside the view: one row each, the sentence the core gives; a
// row chosen is shown on the view by the main window. Not modal, so that the author can look
// at the view, mend and check again.
#pragma once

#include <QDialog>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <vector>

#include "check/station_check.h"

namespace szl::ui {

class frmSprawdz : public QDialog {
  Q_OBJECT
 public:
  explicit frmSprawdz(QWidget* parent = nullptr);

  // The list anew; the first finding, if any, chosen.
  void setFindings(std::vector<Finding> findings);
  const std::vector<Finding>& findings() const { return findings_; }

  QLabel* lblWynik = nullptr;
  QListWidget* lstUsterki = nullptr;
  QPushButton* cmdZamknij = nullptr;

 signals:
  // The cell of the finding chosen.
  void findingChosen(int x, int y);

 private:
  std::vector<Finding> findings_;
};

}  // namespace szl::ui
