// The object data editor: the data of one object of the station (or the station-wide clock tick
// unit and comment) on nine tabbed pages. What is shown and stored comes from the core's object
// data rules; this window only shows the fields and keeps every numeric text box in step with
// its scroll bar.
#pragma once

#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSlider>
#include <QTabWidget>
#include <array>

#include "model/station.h"
#include "objects/missing_data.h"
#include "objects/object_data.h"
#include "ui/main/prompts.h"

class QGridLayout;

namespace szl::ui {

enum class EditorResult {
  Ok,         // cmdOK: the subject's fields are stored
  Cancelled,  // cmdCancel or Esc: nothing stored; the caller sets SearchAborted
  Closed,     // the window's close button: nothing stored, SearchAborted left alone
};

class frmObiekty : public QDialog {
  Q_OBJECT
 public:
  // The station must outlive the dialog. The clock tick slider changes st.TickIndex at once;
  // everything else is stored only by OK.
  frmObiekty(Station& st, EditorSubject subject, Prompts& prompts, QWidget* parent = nullptr);

  // Shows the dialog modally and says how it ended.
  EditorResult run();
  // How the dialog ended; Closed until OK or Anuluj.
  EditorResult outcome() const { return outcome_; }

  void cmdOK_Click();
  void cmdCancel_Click();
  // Opened by the save for data still missing: names what is to be filled, above the tabs.
  void showMissing(const MissingData& m);

  QLineEdit* numericText(NumericId id) const { return fields_[static_cast<int>(id)].text; }
  QScrollBar* numericBar(NumericId id) const { return fields_[static_cast<int>(id)].bar; }

  QTabWidget* tabObiekty = nullptr;
  std::array<QWidget*, 10> fraObiekty{};  // pages 1..9; [0] unused

  QLineEdit *txt1Numer = nullptr, *txt1Czas = nullptr, *txt1Wyprz = nullptr, *txt2Numer = nullptr,
            *txt2Wyprz = nullptr, *txt2CzasMij = nullptr, *txt2CzasZwoln = nullptr,
            *txt3Numer = nullptr, *txt4Pojem = nullptr, *txt7CzasNapr = nullptr,
            *txt7CzasZam = nullptr, *txt7Napr = nullptr, *txt7Pojem = nullptr, *txt8Numer = nullptr;
  QScrollBar *vsb1Numer = nullptr, *vsb1Czas = nullptr, *vsb1Wyprz = nullptr, *vsb2Numer = nullptr,
             *vsb2Wyprz = nullptr, *vsb2CzasMij = nullptr, *vsb2CzasZwoln = nullptr,
             *vsb3Numer = nullptr, *vsb4Pojem = nullptr, *vsb7CzasNapr = nullptr,
             *vsb7CzasZam = nullptr, *vsb7Napr = nullptr, *vsb7Pojem = nullptr,
             *vsb8Numer = nullptr;

  QGroupBox *fra1WjazdWyjazd = nullptr, *fra1LeftRight = nullptr, *fra2LeftRight = nullptr;
  QRadioButton *opt1Wjazd = nullptr, *opt1Wyjazd = nullptr, *opt1Left = nullptr,
               *opt1Right = nullptr, *opt2Left = nullptr, *opt2Right = nullptr;
  QLabel* lbl1Wyprz = nullptr;

  QLineEdit *txt1Axis = nullptr, *txt2Axis = nullptr, *txt4Axis = nullptr, *txt5Axis = nullptr,
            *txt6Axis = nullptr, *txt7Axis = nullptr;
  QLineEdit *txt3Axis1 = nullptr, *txt3Axis2 = nullptr, *txt3Axis3 = nullptr;
  QLineEdit *txt8Axis1 = nullptr, *txt8Axis2 = nullptr, *txt8Axis3 = nullptr;

  QLineEdit *txt9Obiekty = nullptr, *txt9Tory = nullptr, *txt9Takt = nullptr;
  QSlider* sld9Takt = nullptr;
  QLabel* lbl9Takt = nullptr;
  QPlainTextEdit* txt9Komentarz = nullptr;

  QPushButton *cmdOK = nullptr, *cmdCancel = nullptr;
  QLabel* lblBrakuje = nullptr;

 protected:
  bool eventFilter(QObject* watched, QEvent* e) override;
  void keyPressEvent(QKeyEvent* e) override;

 private:
  struct Field {
    const NumericField* f = nullptr;
    QLineEdit* text = nullptr;
    QScrollBar* bar = nullptr;
    QString restore;  // the text at focus time, given back when a text is refused
    QString last;     // the text before the latest change, kept when a digit is one too many
    bool focused = false;
  };

  void buildPages();
  QWidget* page(int n, const QString& caption, const QPixmap& icon);
  void addField(QGridLayout* grid, int row, NumericId id, QLabel** label = nullptr);
  void load();
  void numericChanged(int i);
  void numericLeft(int i);  // the box lost the focus
  void refuse(Field& c);
  void opt1Wjazd_Click();
  void sld9Takt_Change(int position);

  Station& st_;
  EditorSubject subject_;
  Prompts& prompts_;
  EditorData loaded_;
  EditorResult outcome_ = EditorResult::Closed;
  std::array<Field, kNumericFieldCount> fields_{};
};

}  // namespace szl::ui
