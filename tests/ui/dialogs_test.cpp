// The dialogs that stand on their own: search options, and the object data editor on a one-row
// station of every kind of object.
#include <gtest/gtest.h>

#include <QFocusEvent>

#include "model/preparation.h"
#include "ui/dialogs/frm_obiekty.h"
#include "ui/dialogs/frm_options.h"
#include "ui_support.h"

namespace szl {
namespace {

using namespace test;
using ui::EditorResult;
using ui::frmObiekty;

TEST(OptionsDialog, EverySettingGoesBothWaysAndCancelGivesBackTheOpeningsState) {
  ui::frmOptions dlg;
  // Every setting away from its default: what goes in must come out of an untouched dialog.
  const SearchOptions odd{"wyniki",
                          Electrification::No,
                          Direction::OneWay,
                          false,
                          true,
                          true,
                          TrackStyle::Points,
                          {false, false, true, true, false}};
  SearchOptions o = odd;
  whenModal([&](QWidget*) {
    EXPECT_FALSE(dlg.chkTory->isEnabled());  // chkObiekt is off
    press(dlg.txtOutFile, Qt::Key_Return);   // Enter is OK
  });
  EXPECT_TRUE(dlg.run(o));
  EXPECT_EQ(o, odd);
  // Cancel, and Esc, leave the options and the controls as this opening found them.
  for (const bool esc : {false, true}) {
    o.passages.throughObjects = esc;
    const SearchOptions before = o;
    whenModal([&](QWidget*) {
      for (QAbstractButton* b : std::initializer_list<QAbstractButton*>{
               dlg.chkTory, dlg.optKier2, dlg.optElektrAll, dlg.chkObiekt, dlg.optToryLin})
        b->click();
      dlg.txtOutFile->setText("inne");
      esc ? press(dlg.txtOutFile, Qt::Key_Escape) : dlg.cmdCancel->click();
    });
    EXPECT_FALSE(dlg.run(o));
    EXPECT_EQ(o, before);
    EXPECT_EQ(dlg.settings(), before);
    EXPECT_EQ(dlg.chkTory->isEnabled(), esc);
  }
}

class ObjectEditor : public ::testing::Test {
 protected:
  // An entry on the left (0, 0), a platform group (2..4, 0) around its digit, sidings, a shed,
  // a stopping point, a locomotive stopping point and an exit on the right, all linked to the
  // track between them.
  ObjectEditor() : st(stationFromRows({"51 10 21 4 21 10 22 10 48 10 21 10 53 10 50"})) {
    PrzygotujStacje(st, {});
  }
  // The dialog on cell (x, 0), or on the station-wide data.
  std::unique_ptr<frmObiekty> editor(std::optional<int> x) {
    return std::make_unique<frmObiekty>(st, x ? cellSubject(st, *x, 0) : stationSubject(), prompts);
  }
  // Runs `act` once the dialog's modal loop is running, and says how the dialog ended.
  static EditorResult runWith(frmObiekty& dlg, std::function<void()> act) {
    whenModal([&dlg, act](QWidget*) {
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
  ScriptedPrompts prompts;
};

TEST_F(ObjectEditor, NumericFieldKeepsTextAndScrollBarInStepAndOkStoresThem) {
  auto dlg = editor(0);
  QLineEdit* txt = dlg->txt1Czas;
  QScrollBar* vsb = dlg->vsb1Czas;

  // Typed key by key: the focus selected everything, so the first key replaces it. "12." waits
  // for its fraction, which is then dropped. A refusal goes back to the text the box had when it
  // got the focus, even after a number taken meanwhile, beeps and selects the text again.
  const auto type = [&](std::initializer_list<const char*> keys) {
    focus(txt);
    for (const char* key : keys) press(txt, 0, key);
  };
  type({"1", "2", ".", "7"});
  EXPECT_EQ(txt->text(), "12");
  type({"3", "x"});
  EXPECT_EQ(txt->text() + txt->selectedText() + QString::number(vsb->value()), "121212");
  // A third digit in a two-digit field: only that key is refused.
  type({"4", "5", "6"});
  EXPECT_EQ(txt->text() + QString::number(vsb->value()), "4545");
  // "23." and a lone "-" are judged when the box loses the focus.
  type({"2", "3", "."});
  focus(txt, QEvent::FocusOut);
  type({"-"});
  focus(txt, QEvent::FocusOut);
  EXPECT_EQ(txt->text() + QString::number(vsb->value()), "2323");
  EXPECT_EQ(prompts.beeps, 3);

  // OK stores the scroll bars' positions and the choices into the subject's record; "12." pasted
  // into the box that has the focus counts as it would on leaving the box.
  focus(txt);
  press(txt, 0, "12.");
  dlg->opt1Wjazd->setChecked(true);
  dlg->opt1Right->setChecked(true);
  EXPECT_EQ(runWith(*dlg, [&] { dlg->cmdOK->click(); }), EditorResult::Ok);
  const ObjectRec& o = st.object(0, 0);
  EXPECT_EQ(o.Direction * 1000 + o.Side * 100 + o.ValueA, 1212);
}

// Each subject opens on its own page with its point numbers; the station page shows the
// station's comment and counts whatever the subject, the comment to be changed only there.
TEST_F(ObjectEditor, EachObjectOpensItsPageAndOkStoresIt) {
  const auto stationPage = [](frmObiekty& d) {
    return d.txt9Komentarz->toPlainText().toStdString() + "|" +
           d.txt9Obiekty->text().toStdString() + (d.txt9Komentarz->isReadOnly() ? "|r" : "|w");
  };
  EXPECT_EQ(stationPage(*editor(8)), st.StationComment + "|7|r");
  EXPECT_EQ(stationPage(*editor(std::nullopt)), st.StationComment + "|7|w");
  for (const auto& [x, page] :
       {std::pair{0, 1}, {2, 3}, {4, 3}, {6, 4}, {8, 7}, {10, 5}, {12, 6}}) {
    auto dlg = editor(x);
    EXPECT_EQ(dlg->tabObiekty->currentWidget(), dlg->fraObiekty[page]) << x;
    if (page == 3)
      EXPECT_EQ(dlg->txt3Axis1->text() + dlg->txt3Axis2->text() + dlg->txt3Axis3->text(), "234");
    else
      EXPECT_EQ(child<QLineEdit>(dlg.get(), QString("txt%1Axis").arg(page))->text(),
                QString::number(x));
  }
  auto group = editor(3);  // a group's number goes into all three of its cells
  group->txt3Numer->setText("6");
  EXPECT_EQ(runWith(*group, [&] { group->cmdOK->click(); }), EditorResult::Ok);
  EXPECT_EQ(st.object(2, 0).ValueC * 100 + st.object(3, 0).ValueC * 10 + st.object(4, 0).ValueC,
            666);

  // An exit disables its lead time, but OK still stores it.
  st.object(14, 0).Direction = 2;
  st.object(14, 0).ValueB = 4;
  auto dlg = editor(14);
  EXPECT_TRUE(dlg->opt1Wyjazd->isChecked());
  EXPECT_EQ(dlg->txt1Wyprz->text(), "4");
  EXPECT_FALSE(dlg->txt1Wyprz->isEnabled());
  dlg->opt1Wjazd->click();
  EXPECT_TRUE(dlg->txt1Wyprz->isEnabled());
  dlg->txt1Wyprz->setText("9");
  dlg->opt1Wyjazd->click();
  EXPECT_FALSE(dlg->txt1Wyprz->isEnabled());
  EXPECT_EQ(runWith(*dlg, [&] { dlg->cmdOK->click(); }), EditorResult::Ok);
  EXPECT_EQ(st.object(14, 0).Direction * 10 + st.object(14, 0).ValueB, 29);
}

TEST_F(ObjectEditor, CancelStoresNothingButTheSliderActsAtOnce) {
  const std::string comment = st.StationComment;
  {
    auto dlg = editor(std::nullopt);
    // Entry, platform group, sidings, shed, two stopping points, exit; the sidings hold 10.
    EXPECT_EQ(dlg->txt9Takt->text() + "|" + dlg->txt9Obiekty->text() + "|" + dlg->txt9Tory->text(),
              "10|7|10");
    focus(dlg->txt9Komentarz);
    EXPECT_EQ(dlg->txt9Komentarz->textCursor().selectedText().toStdString(), comment);
    const EditorResult r = runWith(*dlg, [&] {
      dlg->sld9Takt->setValue(11);
      EXPECT_EQ(st.TickIndex, 11);
      EXPECT_EQ(dlg->txt9Takt->text(), "60");
      dlg->txt9Komentarz->setPlainText("Nowy");
      dlg->cmdCancel->click();
    });
    EXPECT_TRUE(r == EditorResult::Cancelled && st.StationComment == comment);
  }
  // Esc is Anuluj; the close button is neither.
  for (const bool esc : {true, false}) {
    auto dlg = editor(6);
    const EditorResult r = runWith(*dlg, [&] {
      dlg->txt4Pojem->setText("2");
      esc ? press(dlg.get(), Qt::Key_Escape) : (void)dlg->close();
    });
    EXPECT_EQ(r, esc ? EditorResult::Cancelled : EditorResult::Closed);
    EXPECT_EQ(st.object(6, 0).ValueE, 10);
  }
  // OK on the station page keeps the author's lines as the file has them.
  auto dlg = editor(std::nullopt);
  EXPECT_EQ(dlg->sld9Takt->value(), 11);
  dlg->txt9Komentarz->setPlainText("Autor: ja\nWersja 2");
  EXPECT_EQ(runWith(*dlg, [&] { dlg->cmdOK->click(); }), EditorResult::Ok);
  EXPECT_EQ(st.StationComment, "Autor: ja\r\nWersja 2");
}

}  // namespace
}  // namespace szl
