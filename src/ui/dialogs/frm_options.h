// The search options dialog: the seventeen settings of the search in their frames. The main
// window owns the settings; the dialog shows them, lets the author change them, and hands
// them back on OK. It is made once and hidden between uses.
#pragma once

#include <QCheckBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "search/search_options.h"

namespace szl::ui {

class frmOptions : public QDialog {
  Q_OBJECT
 public:
  explicit frmOptions(QWidget* parent = nullptr);

  // Shows the dialog modally with its controls set from `options`. OK writes every setting
  // back into `options` and returns true; Cancel (or Esc, or closing the window) puts every
  // control back as it was when the dialog opened, leaves `options` alone and returns false.
  bool run(SearchOptions& options);

  // The controls from settings, and the settings the controls show.
  void load(const SearchOptions& options);
  SearchOptions settings() const;

  void reject() override;

  QGroupBox *fraOutFile = nullptr, *fraElektryf = nullptr, *fraKierunki = nullptr,
            *fraTory = nullptr, *fraObiekt = nullptr;
  QLineEdit* txtOutFile = nullptr;
  QLabel* lblOutFile = nullptr;
  QRadioButton *optElektrYes = nullptr, *optElektrNo = nullptr, *optElektrAll = nullptr;
  QRadioButton *optKier1 = nullptr, *optKier2 = nullptr, *optKierAll = nullptr;
  QRadioButton *optToryLin = nullptr, *optToryPkt = nullptr;
  QCheckBox *chkWyjPeron = nullptr, *chkMulti = nullptr, *chk59 = nullptr;
  QCheckBox *chkObiekt = nullptr, *chkWyjazd = nullptr, *chkTory = nullptr, *chkSzopa = nullptr,
            *chkPeron = nullptr;
  QPushButton *cmdOK = nullptr, *cmdCancel = nullptr;

 private:
  void chkObiekt_Click();

  SearchOptions opened_;  // the settings at opening, for Cancel
};

}  // namespace szl::ui
