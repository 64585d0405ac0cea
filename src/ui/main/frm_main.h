// The main window: the station view, the trimming sliders, the search panel, one command per
// button and menu entry. It works with the core through its host interfaces and keeps the
// state of one open station.
#pragma once

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QToolButton>
#include <array>
#include <memory>
#include <optional>

#include "model/station.h"
#include "model/trimming.h"
#include "search/search_options.h"
#include "select/route_selector.h"
#include "stationfile/station_reader.h"
#include "ui/main/bars.h"
#include "ui/main/prompts.h"
#include "ui/main/recent_stations.h"
#include "ui/main/station_view.h"
#include "ui/main/trim_slider.h"

class QAction;
class QScrollArea;
class QMenu;

namespace szl::ui {

class GridEditing;
class WindowSearchHost;
class frmOptions;
class frmSprawdz;

class frmMain : public QMainWindow {
  Q_OBJECT
 public:
  explicit frmMain(Prompts* prompts = nullptr, QWidget* parent = nullptr);
  ~frmMain() override;

  // Start-up: the help button, then the station given (or the open dialog). False when the
  // author chose to leave instead of opening a station.
  bool start(const std::optional<QString>& path);
  // Where the help page is looked for; the program's own folder unless set before start.
  void setProgramDir(const QString& dir) { programDir_ = dir; }

  const Station* station() const { return station_ ? &*station_ : nullptr; }
  Station* station() { return station_ ? &*station_ : nullptr; }
  SearchOptions& options() { return options_; }
  const TrimRect& trimRect() const { return trim_; }
  bool stationPrepared() const { return StationPrepared; }
  bool searching() const { return searching_; }
  StationView* view() const { return picOkno; }
  Prompts& prompts() { return *prompts_; }
  GridEditing& gridEditing() const { return *gridEditing_; }
  const RouteSelector& selector() const { return selector_; }

  // Commands, as the buttons and menu entries run them.
  void cmdOpen_Click();
  void cmdTrim_Click();
  void cmdNoTrim_Click();
  void cmdAnalyze_Click();
  // "Sprawdź stację": the findings of the station check beside the view.
  void cmdSprawdz_Click();
  void cmdOptions_Click();
  void cmdBoard_Click();
  void cmdStart_Click();
  void cmdStartNoCfm_Click();
  void cmdSelektor_Click();
  void cmdPozostale_Click();
  void cmdSave_Click();
  void cmdPomoc_Click();
  void mnuPomoc_Click();
  void mnuAbout_Click();
  // The exit question, or the question whether to save the changes made since the station was
  // opened or saved; true when the user chose to leave.
  bool cmdExit_Click() { return confirmLeaving(false); }
  // "Wyjdź": the question, then the program ends.
  void exitCommand();

  // Redraws the whole station after a change of the track style.
  void redrawStation();
  // Takes new search options; a change of the object passages or the track style redraws the
  // station and asks for a new analysis.
  void applyOptions(const SearchOptions& changed);

 protected:
  void closeEvent(QCloseEvent* e) override;
  // The first showing sizes the window to its screen.
  void showEvent(QShowEvent* e) override;

 private:
  friend class WindowSearchHost;
  friend class GridEditing;

  void buildControls();
  void fitToScreen();
  void buildMenus();
  // The Plik menu's list of the stations opened last.
  void updateRecentMenu();
  // A station of that list, through the same path as "Otwórz"; a file gone is said and dropped.
  void openRecent(int index);
  // Where the open dialog starts: the open station's folder, or the last one opened.
  QString openFolder() const;
  QAction* command(const char* menuName, const char* buttonName, const QString& menuText,
                   const QString& buttonText, void (frmMain::*handler)());
  QToolButton* button(QAction* a, const char* name);

  // `saveAsked`: the command has already asked whether to save the open station's changes.
  bool WczytajStacje(std::optional<QString> chosen, bool saveAsked = false);
  // Asks whether to take a saved file's data over and takes it into `st`. False when the author
  // closed the question without Tak or Nie: the opening ends there. `afterDrawing` gets what is
  // to be said once the new station is drawn.
  bool takeOverSavedData(Station& st, const LoadResult& res, std::optional<Message>& afterDrawing);
  void installStation(Station st, const LoadInfo& info);
  void layoutTrimStage();
  void layoutKeptStage();
  void onSliderMoved();
  void TrimNoTrim();
  void Wyszukaj(bool confirmMode);
  void enableSearchPanel(bool on);
  void setSearchLock(bool locked);
  void onCellClicked(int x, int y);
  Answer ask(const Message& m) { return prompts_->message(this, m); }
  // True when the file was written.
  bool save();
  // Before the open station is given up: asks whether to save its changes, if it has any. True
  // when the command may go on: nothing to lose, saved, or Nie.
  bool settleUnsavedWork();
  Message cannotSaveYetMessage() const;
  bool confirmLeaving(bool saveAsked);
  void setCaption();

  std::unique_ptr<Prompts> ownedPrompts_;
  Prompts* prompts_;
  std::optional<Station> station_;
  RouteSelector selector_;  // the route table the save copies routes by
  SearchOptions options_;
  TrimRect trim_;
  bool StationPrepared = false;  // once analysed, stays so for the rest of the run
  bool searching_ = false;
  bool quitRequested_ = false;
  bool fitted_ = false;
  // The station holds something its file would hold and does not yet: set by the commands that
  // change such data, cleared by opening a station and by a save that wrote the file.
  bool unsaved_ = false;
  QString programDir_;
  RecentStations recent_;
  // The folder of the route file the selector and the save read: the station's folder when the
  // search wrote it. A save under a new name moves the station, not its route file.
  std::string routeDir_;
  std::unique_ptr<WindowSearchHost> searchHost_;
  GridEditing* gridEditing_ = nullptr;  // the edit stage and the grid's history; a child
  std::vector<bool> lockedState_;
  frmOptions* optionsDialog_ = nullptr;  // created on first use, kept for the run
  frmSprawdz* checkDialog_ = nullptr;    // the same, shown beside the view while wanted
  // The grid changed since the route file beside it was written: the check must not judge
  // which objects routes reach by it, even where its routes still fit.
  bool routeFileStale_ = false;
  // The check's findings anew when its window is open or they are framed on the view: the
  // grid, its analysis or the routes changed.
  void refreshCheck();
  void showFinding(int x, int y);

 public:
  // Controls, named as the author knows them.
  QWidget* fraStacja = nullptr;      // the canvas holding the view and the sliders
  QScrollArea* scrStacja = nullptr;  // scrolls the canvas
  StationView* picOkno = nullptr;
  TrimSlider* sldXTrimLo = nullptr;
  TrimSlider* sldXTrimHi = nullptr;
  TrimSlider* sldYTrimLo = nullptr;
  TrimSlider* sldYTrimHi = nullptr;
  BarView* picProgress = nullptr;
  BarView* picStack = nullptr;
  QLabel* picTorowik = nullptr;
  QLabel *lblProgress = nullptr, *lblStack = nullptr;
  QLabel *lblKolumny = nullptr, *lblWiersze = nullptr, *lblTrasy = nullptr, *lblConnects = nullptr,
         *lblElectr = nullptr, *lblBidir = nullptr;
  QLineEdit *txtKolumny = nullptr, *txtWiersze = nullptr, *txtTrasy = nullptr,
            *txtConnects = nullptr;
  QCheckBox *chkElectr = nullptr, *chkBidir = nullptr;
  QToolButton *cmdOpen = nullptr, *cmdSave = nullptr, *cmdPozostale = nullptr,
              *cmdSelektor = nullptr, *cmdNoTrim = nullptr, *cmdTrim = nullptr,
              *cmdOptions = nullptr, *cmdBoard = nullptr, *cmdAnalyze = nullptr,
              *cmdSprawdz = nullptr, *cmdStart = nullptr, *cmdStartNoCfm = nullptr,
              *cmdPomoc = nullptr, *cmdExit = nullptr;
  // One action per command, shared by the menu entry and the button.
  QAction *mnuOpen = nullptr, *mnuSave = nullptr, *mnuExit = nullptr, *mnuWyszukaj = nullptr,
          *mnuWyszukajAll = nullptr, *mnuSelektor = nullptr, *mnuPozostale = nullptr,
          *mnuPunkty = nullptr, *mnuSprawdz = nullptr, *mnuZoom = nullptr, *mnuOptions = nullptr,
          *mnuPomoc = nullptr, *mnuAbout = nullptr, *actTrim = nullptr, *actNoTrim = nullptr,
          *actPomoc = nullptr;
  std::array<QAction*, RecentStations::kMax> mnuRecent{};  // "mnuRecent1" .. "mnuRecent6"
  QMenu *mnuFile = nullptr, *mnuTrasy = nullptr, *mnuHelp = nullptr;
};

}  // namespace szl::ui
