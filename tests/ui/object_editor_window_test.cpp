// The object data editor on a one-row station of every kind of object.
#include <gtest/gtest.h>

#include <QFocusEvent>

#include "model/preparation.h"
#include "select/route_table.h"
#include "stationfile/station_writer.h"
#include "ui/dialogs/frm_obiekty.h"
#include "ui_support.h"

namespace szl {
namespace {

using test::child;
using ui::EditorResult;
using ui::frmObiekty;

class ObjectEditor : public ::testing::Test {
 protected:
  // An entry on the left (0, 0), a platform group (2..4, 0) around its digit, sidings, a shed,
  // a stopping point, a locomotive stopping point and an exit on the right, all linked to the
  // track between them.
  ObjectEditor() : st(test::stationFromRows({"51 10 21 4 21 10 22 10 48 10 21 10 53 10 50"})) {
    PrzygotujStacje(st, {});
  }
  // The dialog on cell (x, 0), or on the station-wide data.
  std::unique_ptr<frmObiekty> editor(std::optional<int> x) {
    return std::make_unique<frmObiekty>(st, x ? cellSubject(st, *x, 0) : stationSubject(), prompts);
  }
  // Runs `act` once the dialog's modal loop is running, and says how the dialog ended.
  static EditorResult runWith(frmObiekty& dlg, std::function<void()> act) {
    test::whileOpen(dlg, [&dlg, act] {
      act();
      if (dlg.isVisible()) dlg.done(QDialog::Rejected);  // the test forgot to end it
    });
    return dlg.run();
  }
  static void focus(QWidget* w, QEvent::Type type = QEvent::FocusIn) {
    QFocusEvent e(type, Qt::TabFocusReason);
    QApplication::sendEvent(w, &e);
  }

  Station st;
  test::ScriptedPrompts prompts;
};

TEST_F(ObjectEditor, NumericFieldKeepsTextAndScrollBarInStep) {
  auto dlg = editor(0);
  QLineEdit* txt = child<QLineEdit>(dlg.get(), "txt1Czas");
  QScrollBar* vsb = child<QScrollBar>(dlg.get(), "vsb1Czas");
  ASSERT_TRUE(txt && vsb);
  EXPECT_EQ(vsb->maximum(), 99);
  txt->setText("35");
  EXPECT_EQ(vsb->value(), 35);

  // Focus taken at "35": every refusal goes back there, beeps and selects the text again.
  focus(txt);
  EXPECT_EQ(txt->selectedText(), "35");
  int beeps = 0;
  for (const char* bad : {"abc", "-3", "100", "", "1e", "12.7.1"}) {
    txt->setText(bad);
    EXPECT_EQ(txt->text(), "35") << bad;
    EXPECT_EQ(txt->selectedText(), "35") << bad;
    EXPECT_EQ(vsb->value(), 35) << bad;
    EXPECT_EQ(prompts.beeps, ++beeps) << bad;
  }
  // A number keeps its integer part, rounded down; the restore text is the one at focus time.
  txt->setText("12.7");
  EXPECT_EQ(txt->text(), "12");
  EXPECT_EQ(vsb->value(), 12);
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
    focus(txt);
    for (const char* key : keys) test::press(txt, 0, key);
    focus(txt, QEvent::FocusOut);
  };
  beeps = prompts.beeps;
  type({"1", "2", ".", "7"});
  EXPECT_EQ(txt->text(), "12");
  type({"-", "5"});
  EXPECT_EQ(txt->text(), "12");
  EXPECT_EQ(prompts.beeps, beeps + 1);
  type({"2", "3", "."});
  type({"-"});
  EXPECT_EQ(txt->text(), "23");
  EXPECT_EQ(vsb->value(), 23);
  EXPECT_EQ(prompts.beeps, beeps + 2);

  // A one-digit field refuses what does not fit its range, even as a whole number.
  focus(dlg->txt1Numer);
  dlg->txt1Numer->setText("0");
  EXPECT_EQ(dlg->txt1Numer->text(), "1");
  dlg->txt1Numer->setText("7");

  // OK stores the scroll bars' positions into the subject's record.
  dlg->opt1Wjazd->setChecked(true);
  dlg->opt1Right->setChecked(true);
  dlg->txt1Wyprz->setText("15");
  EXPECT_EQ(runWith(*dlg, [&] { dlg->cmdOK->click(); }), EditorResult::Ok);
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

TEST_F(ObjectEditor, EveryTabAndLabelShowsWholeAtTheStartingSize) {
  auto dlg = editor(0);
  EXPECT_EQ(dlg->windowTitle(), "Właściwości obiektu");
  dlg->show();
  for (int page = 0; page < dlg->tabObiekty->count(); ++page) {
    dlg->tabObiekty->setCurrentIndex(page);
    EXPECT_EQ(test::cutTexts(dlg.get()), "") << page;
  }
  EXPECT_EQ(dlg->tabObiekty->tabText(8), "[Pozostałe]");
  EXPECT_FALSE(dlg->tabObiekty->tabIcon(0).isNull());
}

// Each subject opens on its own page with its point numbers; OK stores only the fields of that
// page, a group's number into all three of its cells whichever was opened.
TEST_F(ObjectEditor, EachObjectOpensItsPageAndOkStoresOnlyThatPage) {
  const std::vector<std::pair<int, int>> pages{{0, 1}, {2, 3},  {3, 3},  {4, 3}, {6, 4},
                                               {8, 7}, {10, 5}, {12, 6}, {14, 1}};
  for (const auto& [x, page] : pages) {
    auto dlg = editor(x);
    EXPECT_EQ(dlg->tabObiekty->currentWidget(), dlg->fraObiekty[page]) << x;
    if (page == 3)
      EXPECT_EQ(dlg->txt3Axis1->text() + dlg->txt3Axis2->text() + dlg->txt3Axis3->text(), "234");
    else
      EXPECT_EQ(child<QLineEdit>(dlg.get(), QString("txt%1Axis").arg(page))->text(),
                QString::number(x));
  }
  EXPECT_EQ(child<QLabel>(editor(12).get(), "lbl6Brak")->text(),
            "Nie ma parametrów do ustawienia dla obiektów tego typu.");
  const std::vector<ObjectRec> before = st.CellObjects;
  auto group = editor(3);
  EXPECT_EQ(group->txt3Numer->text(), "4");  // from the digit, by the preparation
  group->txt3Numer->setText("6");
  group->txt4Pojem->setText("3");  // another page's field
  EXPECT_EQ(runWith(*group, [&] { group->cmdOK->click(); }), EditorResult::Ok);
  for (int x = 2; x <= 4; ++x) EXPECT_EQ(st.object(x, 0).ValueC, 6) << x;
  EXPECT_EQ(st.object(6, 0).ValueE, 10);
  for (const int x : {10, 12}) {
    auto none = editor(x);
    EXPECT_EQ(runWith(*none, [&] { none->cmdOK->click(); }), EditorResult::Ok);
    EXPECT_EQ(st.object(x, 0).ValueC, before[static_cast<size_t>(x)].ValueC);
  }
}

TEST_F(ObjectEditor, AnExitDisablesItsLeadTimeButOkStillStoresIt) {
  st.object(14, 0).Direction = 2;
  st.object(14, 0).ValueB = 4;
  auto dlg = editor(14);
  EXPECT_TRUE(dlg->opt1Wyjazd->isChecked());
  for (QWidget* w : std::initializer_list<QWidget*>{dlg->lbl1Wyprz, dlg->txt1Wyprz, dlg->vsb1Wyprz})
    EXPECT_FALSE(w->isEnabled()) << w->objectName().toStdString();
  EXPECT_EQ(dlg->txt1Wyprz->text(), "4");
  dlg->opt1Wjazd->click();
  EXPECT_TRUE(dlg->txt1Wyprz->isEnabled());
  dlg->txt1Wyprz->setText("9");
  dlg->opt1Wyjazd->click();
  EXPECT_FALSE(dlg->vsb1Wyprz->isEnabled());
  EXPECT_EQ(runWith(*dlg, [&] { dlg->cmdOK->click(); }), EditorResult::Ok);
  EXPECT_EQ(st.object(14, 0).Direction, 2);
  EXPECT_EQ(st.object(14, 0).ValueB, 9);
}

TEST_F(ObjectEditor, CancelStoresNothingButTheSliderActsAtOnce) {
  const std::string comment = st.StationComment;
  {
    auto dlg = editor(std::nullopt);
    EXPECT_EQ(dlg->tabObiekty->currentWidget(), dlg->fraObiekty[9]);
    EXPECT_EQ(dlg->sld9Takt->value(), kDefaultTickIndex);
    EXPECT_EQ(dlg->txt9Takt->text(), "10");
    EXPECT_EQ(dlg->lbl9Takt->text(), "1  2  3  4  5  6  10 12 15 20 30 60");
    // Entry, platform group, sidings, shed, two stopping points, exit: seven records; the
    // sidings hold 10.
    EXPECT_EQ(dlg->txt9Obiekty->text(), "7");
    EXPECT_EQ(dlg->txt9Tory->text(), "10");
    EXPECT_EQ(dlg->txt9Komentarz->toPlainText().toStdString(), comment);
    focus(dlg->txt9Komentarz);
    EXPECT_EQ(dlg->txt9Komentarz->textCursor().selectedText().toStdString(), comment);
    const EditorResult r = runWith(*dlg, [&] {
      dlg->sld9Takt->setValue(11);
      EXPECT_EQ(st.TickIndex, 11);
      EXPECT_EQ(dlg->txt9Takt->text(), "60");
      dlg->txt9Komentarz->setPlainText("Nowy");
      dlg->cmdCancel->click();
    });
    EXPECT_EQ(r, EditorResult::Cancelled);
    EXPECT_EQ(st.TickIndex, 11);
    EXPECT_EQ(st.StationComment, comment);
  }
  // Esc is Anuluj; the close button is neither.
  for (const bool esc : {true, false}) {
    auto dlg = editor(6);
    const EditorResult r = runWith(*dlg, [&] {
      dlg->txt4Pojem->setText("2");
      if (esc)
        test::press(dlg.get(), Qt::Key_Escape);
      else
        dlg->close();
    });
    EXPECT_EQ(r, esc ? EditorResult::Cancelled : EditorResult::Closed);
    EXPECT_EQ(st.object(6, 0).ValueE, 10);
  }
  // OK on the station page keeps the author's lines as the file has them.
  auto dlg = editor(std::nullopt);
  EXPECT_EQ(dlg->sld9Takt->value(), 11);
  dlg->txt9Komentarz->setPlainText("Autor: ja\nWersja 2");
  dlg->sld9Takt->setValue(3);
  EXPECT_EQ(runWith(*dlg, [&] { dlg->cmdOK->click(); }), EditorResult::Ok);
  EXPECT_EQ(st.StationComment, "Autor: ja\r\nWersja 2");
  EXPECT_EQ(st.TickIndex, 3);
}

}  // namespace
}  // namespace szl
