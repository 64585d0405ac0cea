#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QLabel>
#include <QMessageBox>
#include <QMouseEvent>
#include <QRadioButton>
#include <QToolButton>

#include "stationfile/station_reader.h"
#include "support/test_support.h"
#include "ui/dialogs/frm_obiekty.h"
#include "ui/main/frm_main.h"
#include "ui/main/window_save_host.h"
#include "ui_support.h"

namespace szl {
namespace {

using test::ScriptedPrompts;
using test::whenModal;
using ui::frmMain;

void click(QWidget* dialog, const char* name) {
  auto* b = dialog->findChild<QAbstractButton*>(name);
  ASSERT_NE(b, nullptr) << name;
  b->click();
}

TEST(MainWindowOptions, OnlyPassagesAndTrackShapeAskForANewAnalysis) {
  ScriptedPrompts prompts;
  frmMain w(&prompts);
  ASSERT_TRUE(w.start(QString::fromStdString(test::dataPath("reference/yard_14x7.stc").string())));
  w.cmdNoTrim->click();
  w.cmdAnalyze->click();
  const QImage before = w.picOkno->image();

  // Cancel after changing a box: nothing changes, nothing is redrawn or disabled.
  whenModal([](QWidget* d) {
    click(d, "chkTory");
    click(d, "cmdCancel");
  });
  w.cmdOptions->click();
  EXPECT_FALSE(w.options().passages.throughSidings);
  EXPECT_TRUE(w.cmdStart->isEnabled());
  EXPECT_EQ(w.picOkno->image(), before);

  // A filter changed with OK: the search stays available.
  whenModal([](QWidget* d) {
    click(d, "optKier2");
    click(d, "cmdOK");
  });
  w.cmdOptions->click();
  EXPECT_EQ(w.options().direction, Direction::TwoWay);
  EXPECT_TRUE(w.cmdStartNoCfm->isEnabled());

  // Tracks as points: redrawn, and the search waits for a new analysis.
  whenModal([](QWidget* d) {
    click(d, "optToryPkt");
    click(d, "cmdOK");
  });
  w.cmdOptions->click();
  EXPECT_FALSE(w.cmdStart->isEnabled());
  EXPECT_FALSE(w.cmdStartNoCfm->isEnabled());
  EXPECT_TRUE(w.cmdAnalyze->isEnabled());
  // Between the centre marker and the port marker of a straight track: the yellow line is gone,
  // the centre marker's black ring is there.
  EXPECT_EQ(w.picOkno->image().pixelColor(17 * 3 + 1 + 10, 17 * 2 + 1 + 8), QColor(0, 0, 0));
  w.cmdAnalyze->click();
  EXPECT_TRUE(w.cmdStart->isEnabled());
}

TEST(MainWindowSave, TheObjectAskedAboutStandsOutAndItsEditorSaysWhatIsMissing) {
  ScriptedPrompts prompts;
  frmMain w(&prompts);
  ASSERT_TRUE(w.start(QString::fromStdString(test::dataPath("reference/yard_14x7.stc").string())));
  w.cmdNoTrim->click();
  w.cmdAnalyze->click();
  const QImage before = w.picOkno->image();
  bool asked = false;
  whenModal([&](QWidget* d) {
    auto* e = qobject_cast<ui::frmObiekty*>(d);
    ASSERT_NE(e, nullptr);
    asked = true;
    EXPECT_TRUE(e->lblBrakuje->isVisible());
    EXPECT_TRUE(e->lblBrakuje->text().contains("\n• Czas zwolnienia wjazdu / wyjazdu w minutach"))
        << e->lblBrakuje->text().toStdString();
    EXPECT_EQ(w.picOkno->image().pixelColor(17 * 0 + 1 + 1, 17 * 2 + 1 + 8), QColor(0, 0, 255));
    e->cmdCancel->click();
  });
  ui::WindowSaveHost host(w);
  EXPECT_TRUE(host.Uzupelnij(*w.station(), 0, 2));
  EXPECT_TRUE(asked);
  EXPECT_EQ(w.picOkno->image(), before);
}

TEST(MessageBoxes, EveryLineShowsWholeAsWritten) {
  ui::Prompts real;
  for (const Message& m : {sizeLimitMessage(), screenSizeMessage()}) {
    const QStringList lines = ui::displayText(m.text).split('\n');
    bool shown = false;
    whenModal([&](QWidget* d) {
      auto* label = d->findChild<QLabel*>("qt_msgbox_label");
      ASSERT_NE(label, nullptr);
      shown = true;
      for (const QString& line : lines)
        EXPECT_LE(label->fontMetrics().horizontalAdvance(line), label->contentsRect().width())
            << line.toStdString();
      EXPECT_LT(label->height(), (lines.size() + 1) * label->fontMetrics().lineSpacing());
      qobject_cast<QMessageBox*>(d)->button(QMessageBox::Ok)->click();
    });
    EXPECT_EQ(real.message(nullptr, m), Answer::Ok);
    EXPECT_TRUE(shown);
  }
}

TEST(MainWindowCrossing, ClickOnASlipCrossingSetsItsType) {
  ScriptedPrompts prompts;
  frmMain w(&prompts);
  ASSERT_TRUE(
      w.start(QString::fromStdString(test::dataPath("reference/junction_20x10.stc").string())));
  w.cmdNoTrim->click();
  // Before the analysis a click does nothing.
  QMouseEvent press(QEvent::MouseButtonPress, QPointF(17 * 12 + 8, 17 * 5 + 8),
                    QPointF(17 * 12 + 8, 17 * 5 + 8), Qt::LeftButton, Qt::LeftButton,
                    Qt::NoModifier);
  QApplication::sendEvent(w.picOkno, &press);
  w.cmdAnalyze->click();
  ASSERT_EQ(w.station()->cell(12, 5).Code, 24);
  bool opened = false;
  whenModal([&](QWidget* d) {
    opened = true;
    EXPECT_EQ(d->windowTitle(), "Rozjazd krzyżowy podwójny");
    auto* pic = d->findChild<QWidget*>("picCross4");
    ASSERT_NE(pic, nullptr);
    QMouseEvent c(QEvent::MouseButtonPress, QPointF(50, 50), QPointF(50, 50), Qt::LeftButton,
                  Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(pic, &c);
    click(d, "cmdOK");
  });
  QApplication::sendEvent(w.picOkno, &press);
  EXPECT_TRUE(opened);
  EXPECT_EQ(w.station()->cell(12, 5).CrossType, 3);
}

}  // namespace
}  // namespace szl
