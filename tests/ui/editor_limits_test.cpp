// Every numeric field of the object data editor at the ends of its range: the top value typed
// or reached by the scroll bar is taken and stored, one more (or one less than the bottom) is
// refused.
#include <gtest/gtest.h>

#include "model/preparation.h"
#include "ui/dialogs/frm_obiekty.h"
#include "ui_support.h"

namespace szl {
namespace {

using namespace test;

TEST(EditorLimits, EveryFieldTakesItsTopAndRefusesBeyondEitherEnd) {
  // An entry, a platform, sidings, a shed, an entry-exit and goods tracks, each between tracks.
  Station st = stationFromRows({"51 10 21 4 21 10 22 10 48 10 52 10 53 5 53 10 50"});
  PrzygotujStacje(st, {});
  ScriptedPrompts prompts;
  struct Range {
    const char* box;
    int bottom, top;
  };
  // The subject's column, its fields' ranges, and its ValueA..ValueE once every field is at its
  // top.
  const std::tuple<int, std::vector<Range>, std::vector<int>> pages[] = {
      {0, {{"txt1Numer", 1, 9}, {"txt1Czas", 0, 99}, {"txt1Wyprz", 0, 99}}, {99, 99, 9, 0, 0}},
      {10,
       {{"txt2Numer", 1, 9},
        {"txt2Wyprz", 0, 99},
        {"txt2CzasMij", 0, 99},
        {"txt2CzasZwoln", 0, 99}},
       {99, 99, 9, 99, 0}},
      {2, {{"txt3Numer", 0, 9}}, {0, 1, 9, 0, 0}},
      {6, {{"txt4Pojem", 1, 10}}, {0, 0, 0, 0, 10}},
      {8,
       {{"txt7CzasNapr", 0, 999},
        {"txt7CzasZam", 0, 999},
        {"txt7Napr", 0, 999},
        {"txt7Pojem", 0, 999}},
       {999, 0, 999, 999, 999}},
      {12, {{"txt8Numer", 0, 9}}, {0, 1, 9, 0, 0}},
  };
  for (const auto& [x, ranges, stored] : pages) {
    ui::frmObiekty dlg(st, cellSubject(st, x, 0), prompts);
    for (const Range& r : ranges) {
      auto* box = child<QLineEdit>(&dlg, r.box);
      auto* bar = child<QScrollBar>(&dlg, QString(r.box).replace(0, 3, "vsb"));
      const QString opened = box->text();
      for (int beyond : {r.top + 1, r.bottom - 1}) {
        box->setText(QString::number(beyond));
        EXPECT_EQ(box->text(), opened) << r.box << " " << beyond;
      }
      box->setText(QString::number(r.top));
      EXPECT_EQ(bar->value(), r.top) << r.box;
      // The upper arrow counts up, and stops at the top; the lower one counts down.
      bar->triggerAction(QAbstractSlider::SliderSingleStepSub);
      EXPECT_EQ(box->text().toInt(), r.top) << r.box;
      bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
      EXPECT_EQ(box->text().toInt(), r.top - 1) << r.box;
      bar->triggerAction(QAbstractSlider::SliderSingleStepSub);
    }
    // Stored, then opened again and left with OK: the top values come back as they went.
    for (int time = 0; time < 2; ++time) {
      (time == 0 ? dlg : *new ui::frmObiekty(st, cellSubject(st, x, 0), prompts, &dlg))
          .cmdOK->click();
      const ObjectRec& o = st.object(x, 0);
      EXPECT_EQ(std::vector<int>({o.ValueA, o.ValueB, o.ValueC, o.ValueD, o.ValueE}), stored) << x;
    }
  }
  EXPECT_EQ(prompts.beeps, 28);
}

}  // namespace
}  // namespace szl
