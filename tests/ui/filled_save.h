// The save as an author goes through it: every object editor the save opens answered in
// turn, filled with the author's data.
#pragma once

#include <QLineEdit>
#include <QPlainTextEdit>
#include <algorithm>
#include <map>
#include <memory>

#include "ui/dialogs/frm_obiekty.h"
#include "ui_support.h"

namespace szl::test {

using ui::frmObiekty;

inline constexpr const char* kComment = "Lipowiec: stacja węzłowa, zażółć gęślą jaźń.";

// The author's data for whichever object the editor shows (an exit's lead time stays off).
inline void fillEditor(frmObiekty& e) {
  static const std::map<QString, QString> data{
      {"txt1Czas", "3"},     {"txt1Wyprz", "5"}, {"txt2CzasZwoln", "4"}, {"txt2CzasMij", "7"},
      {"txt2Wyprz", "15"},   {"txt3Numer", "8"}, {"txt7Pojem", "6"},     {"txt7Napr", "2"},
      {"txt7CzasZam", "20"}, {"txt8Numer", "9"}, {"txt7CzasNapr", "90"}};
  for (QLineEdit* box : e.tabObiekty->currentWidget()->findChildren<QLineEdit*>())
    if (data.contains(box->objectName()) && box->isEnabled())
      box->setText(data.at(box->objectName()));
  if (e.tabObiekty->currentIndex() == 8) {
    e.sld9Takt->setValue(4);  // 5 seconds
    e.txt9Komentarz->setPlainText(QString::fromUtf8(kComment));
  }
}

struct Editors {
  std::vector<int> cancelAt;
  bool fill = true;
  int opened = 0;
  bool done = false;
};
// More editors than Lipowiec has objects: one object's data never counts as stored, and the
// save would ask for it forever. Anuluj, and OK to the abort question, end it.
inline constexpr int kMostEditors = 30;
inline void answer(const std::shared_ptr<Editors>& s) {
  whenModal([s](QWidget* w) {
    auto* e = qobject_cast<frmObiekty*>(w);
    if (s->done || !e) return;
    if (s->opened == kMostEditors) ADD_FAILURE() << "the save asks again and again";
    const bool cancel =
        std::ranges::count(s->cancelAt, s->opened++) > 0 || s->opened > kMostEditors;
    answer(s);  // for the next editor, once this one is gone
    if (s->fill) fillEditor(*e);
    cancel ? e->cmdCancel_Click() : e->cmdOK_Click();
  });
}

// Saves, answering every editor the save opens in turn, filled unless `fill` says not; those
// counted (from 0) in `cancelAt` with Anuluj. Says how many editors opened.
inline int saveFilled(ui::frmMain& w, std::vector<int> cancelAt = {}, bool fill = true) {
  const auto s = std::make_shared<Editors>(Editors{std::move(cancelAt), fill});
  answer(s);
  w.cmdSave->click();
  s->done = true;  // a later editor is another save's
  return s->opened;
}

}  // namespace szl::test
