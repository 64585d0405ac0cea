#include <gtest/gtest.h>

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QTimer>
#include <functional>

#include "model/preparation.h"
#include "select/route_table.h"
#include "stationfile/station_writer.h"
#include "support/test_support.h"
#include "ui/dialogs/frm_obiekty.h"
#include "ui_support.h"

namespace szl {
namespace {

using test::ScriptedPrompts;
using test::stationFromRows;
using ui::EditorResult;
using ui::frmObiekty;

// An entry on the left (0, 0), a platform group (2..4, 0) around its digit, sidings, a shed
// and an exit on the right, all linked to the track between them.
Station sampleStation() {
  Station st = stationFromRows({"51 10 21 4 21 10 22 10 48 10 50"});
  PrzygotujStacje(st, {});
  return st;
}

void focusIn(QWidget* w) {
  QFocusEvent e(QEvent::FocusIn, Qt::TabFocusReason);
  QApplication::sendEvent(w, &e);
}

template <class W>
W* child(QWidget& parent, const char* name) {
  W* w = parent.findChild<W*>(name);
  EXPECT_NE(w, nullptr) << name;
  return w;
}

// Runs `act` once the dialog's modal loop is running, then `run()`s it.
EditorResult runWith(frmObiekty& dlg, std::function<void()> act) {
  QTimer::singleShot(0, &dlg, [&dlg, act] {
    EXPECT_TRUE(dlg.isVisible());
    act();
    if (dlg.isVisible()) dlg.done(QDialog::Rejected);  // the test forgot to end it
  });
  return dlg.run();
}

TEST(ObjectEditor, NumericFieldKeepsTextAndScrollBarInStep) {
  Station st = sampleStation();
  ScriptedPrompts prompts;
  frmObiekty dlg(st, cellSubject(st, 0, 0), prompts);
  EXPECT_EQ(dlg.windowTitle(), "Właściwości obiektu");
  ASSERT_EQ(dlg.tabObiekty->count(), 9);
  EXPECT_EQ(dlg.tabObiekty->tabText(8), "[Pozostałe]");
  EXPECT_FALSE(dlg.tabObiekty->tabIcon(0).isNull());
  EXPECT_EQ(dlg.tabObiekty->currentWidget(), child<QWidget>(dlg, "fraObiekty1"));
  EXPECT_EQ(child<QLineEdit>(dlg, "txt1Axis")->text(), "0");

  QLineEdit* txt = child<QLineEdit>(dlg, "txt1Czas");
  QScrollBar* vsb = child<QScrollBar>(dlg, "vsb1Czas");
  ASSERT_TRUE(txt && vsb);
  EXPECT_EQ(vsb->maximum(), 99);
  txt->setText("35");
  EXPECT_EQ(vsb->value(), 35);

  // Focus taken at "35": every refusal goes back there, beeps and selects the text again.
  focusIn(txt);
  EXPECT_EQ(txt->selectedText(), "35");
  int beeps = 0;
  for (const char* bad : {"abc", "-3", "100", "", "1e", "12.7.1"}) {
    txt->setText(bad);
    EXPECT_EQ(txt->text(), "35") << bad;
    EXPECT_EQ(txt->selectedText(), "35") << bad;
    EXPECT_EQ(vsb->value(), 35) << bad;
    EXPECT_EQ(prompts.beeps, ++beeps) << bad;
  }
  // A number keeps its integer part, rounded down.
  txt->setText("12.7");
  EXPECT_EQ(txt->text(), "12");
  EXPECT_EQ(vsb->value(), 12);
  EXPECT_EQ(prompts.beeps, beeps);
  // The restore text is the one at focus time, not the last accepted one.
  txt->setText("x");
  EXPECT_EQ(txt->text(), "35");

  // The scroll bar writes into the box; its upper arrow counts up.
  vsb->setValue(40);
  EXPECT_EQ(txt->text(), "40");
  vsb->triggerAction(QAbstractSlider::SliderSingleStepSub);  // the upper arrow
  EXPECT_EQ(txt->text(), "41");

  // Typed key by key: the focus selected everything, so the first key replaces it. "12." waits
  // for its fraction, which is then dropped; "-" waits for its number, which is refused.
  const auto type = [&](std::initializer_list<const char*> keys) {
    focusIn(txt);
    for (const char* key : keys) {
      QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(key));
      QApplication::sendEvent(txt, &press);
    }
    QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(txt, &out);
  };
  const int before = prompts.beeps;
  type({"1", "2", ".", "7"});
  EXPECT_EQ(txt->text(), "12");
  type({"-", "5"});
  EXPECT_EQ(txt->text(), "12");
  EXPECT_EQ(prompts.beeps, before + 1);
  type({"2", "3", "."});
  EXPECT_EQ(txt->text(), "23");
  type({"-"});
  EXPECT_EQ(txt->text(), "23");
  EXPECT_EQ(vsb->value(), 23);
  EXPECT_EQ(prompts.beeps, before + 2);

  // A one-digit field refuses what does not fit its range, even as a whole number.
  QLineEdit* numer = child<QLineEdit>(dlg, "txt1Numer");
  focusIn(numer);
  numer->setText("0");
  EXPECT_EQ(numer->text(), "1");
  numer->setText("7");

  // OK stores the scroll bars' positions into the subject's record.
  child<QRadioButton>(dlg, "opt1Wjazd")->setChecked(true);
  child<QRadioButton>(dlg, "opt1Right")->setChecked(true);
  child<QLineEdit>(dlg, "txt1Wyprz")->setText("15");
  const EditorResult r = runWith(dlg, [&] { dlg.cmdOK->click(); });
  EXPECT_EQ(r, EditorResult::Ok);
  const ObjectRec& o = st.object(0, 0);
  EXPECT_EQ(o.Direction, 1);
  EXPECT_EQ(o.Side, 2);
  EXPECT_EQ(o.ValueA, 23);
  EXPECT_EQ(o.ValueB, 15);
  EXPECT_EQ(o.ValueC, 7);

  // ... and the station file carries them: direction, release time, point, lead time, 0,
  // number * 10 + 2 - side.
  const StationFileBytes file = stationFileBytes(st, RouteTable{}, RouteFile{}, "podpis");
  EXPECT_NE(file.bytes.find("\r\n1,23,0,15,0,70,\r\n"), std::string::npos) << file.bytes;
}

TEST(ObjectEditor, EveryTabAndLabelShowsWholeAtTheStartingSize) {
  Station st = sampleStation();
  ScriptedPrompts prompts;
  frmObiekty dlg(st, cellSubject(st, 0, 0), prompts);
  dlg.show();
  for (int page = 0; page < dlg.tabObiekty->count(); ++page) {
    dlg.tabObiekty->setCurrentIndex(page);
    EXPECT_EQ(test::cutTexts(&dlg), "") << page;
  }
}

TEST(ObjectEditor, AnExitDisablesItsLeadTimeButOkStillStoresIt) {
  Station st = sampleStation();
  st.object(10, 0).Direction = 2;
  st.object(10, 0).ValueB = 4;
  ScriptedPrompts prompts;
  frmObiekty dlg(st, cellSubject(st, 10, 0), prompts);
  EXPECT_TRUE(dlg.opt1Wyjazd->isChecked());
  for (QWidget* w : {static_cast<QWidget*>(dlg.lbl1Wyprz), static_cast<QWidget*>(dlg.txt1Wyprz),
                     static_cast<QWidget*>(dlg.vsb1Wyprz)}) {
    EXPECT_FALSE(w->isEnabled()) << w->objectName().toStdString();
  }
  EXPECT_EQ(dlg.txt1Wyprz->text(), "4");
  dlg.opt1Wjazd->click();
  EXPECT_TRUE(dlg.txt1Wyprz->isEnabled());
  dlg.txt1Wyprz->setText("9");
  dlg.opt1Wyjazd->click();
  EXPECT_FALSE(dlg.vsb1Wyprz->isEnabled());
  EXPECT_EQ(runWith(dlg, [&] { dlg.cmdOK->click(); }), EditorResult::Ok);
  EXPECT_EQ(st.object(10, 0).Direction, 2);
  EXPECT_EQ(st.object(10, 0).ValueB, 9);
}

TEST(ObjectEditor, AGroupNumberGoesToAllThreeCellsWhicheverWasOpened) {
  for (const int opened : {2, 3, 4}) {
    Station st = sampleStation();
    ScriptedPrompts prompts;
    frmObiekty dlg(st, cellSubject(st, opened, 0), prompts);
    EXPECT_EQ(dlg.tabObiekty->currentWidget(), dlg.fraObiekty[3]) << opened;
    EXPECT_EQ(dlg.txt3Axis1->text() + " " + dlg.txt3Axis2->text() + " " + dlg.txt3Axis3->text(),
              "2 3 4");
    EXPECT_EQ(dlg.txt3Numer->text(), "4");  // from the digit, by the preparation
    focusIn(dlg.txt3Numer);
    dlg.txt3Numer->setText("6");
    // Another page's field is not the subject's: it is not stored.
    dlg.txt4Pojem->setText("3");
    EXPECT_EQ(runWith(dlg, [&] { dlg.cmdOK->click(); }), EditorResult::Ok);
    for (int x = 2; x <= 4; ++x) EXPECT_EQ(st.object(x, 0).ValueC, 6) << opened << " " << x;
    EXPECT_EQ(st.object(6, 0).ValueE, 10) << opened;
  }
}

TEST(ObjectEditor, CancelStoresNothingButTheSliderActsAtOnce) {
  Station st = sampleStation();
  const std::string comment = st.StationComment;
  ScriptedPrompts prompts;
  {
    frmObiekty dlg(st, stationSubject(), prompts);
    EXPECT_EQ(dlg.tabObiekty->currentWidget(), dlg.fraObiekty[9]);
    EXPECT_EQ(dlg.sld9Takt->value(), kDefaultTickIndex);
    EXPECT_EQ(dlg.txt9Takt->text(), "10");
    EXPECT_EQ(dlg.lbl9Takt->text(), "1  2  3  4  5  6  10 12 15 20 30 60");
    // Entry, platform group, sidings, shed, exit: five records; the sidings hold 10.
    EXPECT_EQ(dlg.txt9Obiekty->text(), "5");
    EXPECT_EQ(dlg.txt9Tory->text(), "10");
    EXPECT_EQ(dlg.txt9Komentarz->toPlainText().toStdString(), comment);
    focusIn(dlg.txt9Komentarz);
    EXPECT_EQ(dlg.txt9Komentarz->textCursor().selectedText().toStdString(), comment);

    const EditorResult r = runWith(dlg, [&] {
      dlg.sld9Takt->setValue(11);
      EXPECT_EQ(st.TickIndex, 11);
      EXPECT_EQ(dlg.txt9Takt->text(), "60");
      dlg.txt9Komentarz->setPlainText("Nowy");
      dlg.cmdCancel->click();
    });
    EXPECT_EQ(r, EditorResult::Cancelled);
    EXPECT_EQ(st.TickIndex, 11);
    EXPECT_EQ(st.StationComment, comment);
  }
  // Esc is Anuluj; the close button is neither.
  {
    frmObiekty dlg(st, cellSubject(st, 6, 0), prompts);
    const EditorResult r = runWith(dlg, [&] {
      dlg.txt4Pojem->setText("2");
      QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
      QApplication::sendEvent(&dlg, &esc);
    });
    EXPECT_EQ(r, EditorResult::Cancelled);
    EXPECT_EQ(st.object(6, 0).ValueE, 10);
  }
  {
    frmObiekty dlg(st, cellSubject(st, 6, 0), prompts);
    const EditorResult r = runWith(dlg, [&] {
      dlg.txt4Pojem->setText("2");
      dlg.close();
    });
    EXPECT_EQ(r, EditorResult::Closed);
    EXPECT_EQ(st.object(6, 0).ValueE, 10);
  }
  // OK on the station page keeps the author's lines as the file has them.
  {
    frmObiekty dlg(st, stationSubject(), prompts);
    EXPECT_EQ(dlg.sld9Takt->value(), 11);
    dlg.txt9Komentarz->setPlainText("Autor: ja\nWersja 2");
    dlg.sld9Takt->setValue(3);
    EXPECT_EQ(runWith(dlg, [&] { dlg.cmdOK->click(); }), EditorResult::Ok);
    EXPECT_EQ(st.StationComment, "Autor: ja\r\nWersja 2");
    EXPECT_EQ(st.TickIndex, 3);
  }
}

TEST(ObjectEditor, AStoppingPointHasNothingToSet) {
  Station st = stationFromRows({"10 21 10 53 10"});
  PrzygotujStacje(st, {});
  const std::vector<ObjectRec> before = st.CellObjects;
  ScriptedPrompts prompts;
  for (const int x : {1, 3}) {
    frmObiekty dlg(st, cellSubject(st, x, 0), prompts);
    QWidget* page = dlg.fraObiekty[x == 1 ? 5 : 6];
    EXPECT_EQ(dlg.tabObiekty->currentWidget(), page);
    EXPECT_EQ(page->findChild<QLineEdit*>(QString("txt%1Axis").arg(x == 1 ? 5 : 6))->text(),
              QString::number(x));
    EXPECT_NE(page->findChild<QLabel*>(), nullptr);
    EXPECT_EQ(runWith(dlg, [&] { dlg.cmdOK->click(); }), EditorResult::Ok);
  }
  for (size_t i = 0; i < before.size(); ++i) {
    EXPECT_EQ(st.CellObjects[i].ValueA, before[i].ValueA);
    EXPECT_EQ(st.CellObjects[i].ValueC, before[i].ValueC);
    EXPECT_EQ(st.CellObjects[i].ValueE, before[i].ValueE);
  }
}

}  // namespace
}  // namespace szl
