// The route selector window: the route groups, the routes of one group with their attributes,
// the group's start and end, and the commands that move between browsing the groups and
// choosing the routes of one. Every decision is the core's RouteSelector; the window shows its
// state, draws on the main view and asks the author.
#pragma once

#include <QDialog>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTreeWidget>
#include <string>

#include "model/station.h"
#include "select/route_selector.h"
#include "select/selector_host.h"
#include "ui/main/prompts.h"
#include "ui/main/station_view.h"

namespace szl::ui {

// A list of rows with check boxes, one column per attribute. Rows cannot be renamed and the
// headings do not sort. A click on a check box leaves the highlight where it was; a click on
// another row moves it there, which the list tells as a change of its current item.
class SelectorList : public QTreeWidget {
  Q_OBJECT
 public:
  explicit SelectorList(QWidget* parent = nullptr);

  int currentRow() const;
  void setCurrentRow(int row);
  // The check box of a row, in viewport coordinates.
  QRect checkBoxRect(int row) const;

 signals:
  // A click on the highlighted row outside its check box.
  void rowClicked(int row);

 protected:
  void keyPressEvent(QKeyEvent* e) override;
  void mousePressEvent(QMouseEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;

 private:
  int rowAt(QPoint pos, bool& onCheck) const;

  int pressedRow_ = -1;
  bool pressedOnCheck_ = false;
  bool pressedHighlighted_ = false;
};

class frmTrasy : public QDialog, public SelectorHost {
  Q_OBJECT
 public:
  // The station, the selector and the view must outlive the window. `routeFilePath` is the
  // route file the search wrote; the opening command has already refused an empty one.
  frmTrasy(const Station& st, RouteSelector& selector, std::string routeFilePath, StationView& view,
           Prompts& prompts, QWidget* parent = nullptr);
  ~frmTrasy() override;

  // The preparation the window's first paint runs: reads the route file and fills the group
  // list. False (and the window closes) when the route file is refused.
  bool prepareNow();
  bool windowPrepared() const { return prepared_; }
  bool editing() const { return editing_; }

  void cmdShow_Click();
  void cmdEdit_Click();
  void cmdApply_Click();
  void cmdOK_Click();
  void cmdSelectGrupy_Click();
  void cmdResetGrupy_Click();
  void cmdSelectTrasy_Click();
  void cmdResetTrasy_Click();
  // The start and end of the highlighted group.
  void PokazOdDo();

  // The window's close button and Esc end the selection as OK does (with its question); while
  // a group is edited they do nothing.
  void reject() override;

  // SelectorHost.
  Answer ask(const Message& m) override;
  void progress(double fraction) override;
  void markUniquePoint(int x, int y, int elementRow) override;
  void showRoute(std::span<const RouteCell> route) override;
  void restoreRoute(std::span<const RouteCell> route) override;
  void beep() override;

  SelectorList *lvwGrupy = nullptr, *lvwTrasy = nullptr;
  QLabel *imgOd = nullptr, *lblOdXY = nullptr, *lblOdNr = nullptr;
  QLabel *imgDo = nullptr, *lblDoXY = nullptr, *lblDoNr = nullptr;
  QProgressBar* barProgress = nullptr;
  QPushButton *cmdShow = nullptr, *cmdEdit = nullptr, *cmdApply = nullptr, *cmdOK = nullptr,
              *cmdSelectGrupy = nullptr, *cmdResetGrupy = nullptr, *cmdSelectTrasy = nullptr,
              *cmdResetTrasy = nullptr;

 protected:
  void showEvent(QShowEvent* e) override;
  void paintEvent(QPaintEvent* e) override;

 private:
  void buildControls();
  void setEditing(bool editing);
  int highlightedGroup() const { return lvwGrupy->currentRow(); }
  void fillGroups();
  void showGroupTicks();
  void ShowEdit();  // the route list from the selector's current group
  void showRouteTicks();
  void lvwGrupy_ItemCheck(QTreeWidgetItem* item);
  void lvwTrasy_ItemCheck(QTreeWidgetItem* item);
  void lvwTrasy_ItemClick(int row);
  void showEnd(int point, QLabel* img, QLabel* xy, QLabel* nr);

  const Station& st_;
  RouteSelector& sel_;
  std::string routeFilePath_;
  StationView& view_;
  Prompts& prompts_;
  bool prepared_ = false;
  bool preparing_ = false;
  bool prepareQueued_ = false;
  bool groupsShown_ = false;
  bool placed_ = false;
  bool editing_ = false;
  bool busy_ = false;  // the busy pointer is up
};

}  // namespace szl::ui
