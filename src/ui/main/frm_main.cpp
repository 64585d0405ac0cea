#include "ui/main/frm_main.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QMenuBar>
#include <QPainter>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QVBoxLayout>
#include <filesystem>

#include "check/station_check.h"
#include "model/element_tables.h"
#include "model/preparation.h"
#include "objects/pointer_class.h"
#include "platform/system.h"
#include "search/route_file.h"
#include "search/route_search.h"
#include "select/route_file_reader.h"
#include "stationfile/carry_over.h"
#include "stationfile/station_reader.h"
#include "stationfile/station_writer.h"
#include "ui/dialogs/frm_board.h"
#include "ui/dialogs/frm_cross.h"
#include "ui/dialogs/frm_obiekty.h"
#include "ui/dialogs/frm_options.h"
#include "ui/dialogs/frm_sprawdz.h"
#include "ui/dialogs/frm_trasy.h"
#include "ui/main/grid_editing.h"
#include "ui/main/placement.h"
#include "ui/main/window_save_host.h"
#include "ui/main/window_search_host.h"

namespace szl::ui {

namespace {
const char* kHelpFile = "Szlakownik089-20.htm";
const char* kInitialCaption = "Szlakownik for Torowik 0.89";

QPixmap logoPixmap() {
  QImage img(64, 64, QImage::Format_RGB32);
  QPainter p(&img);
  for (int y = 0; y < kLogoSize; ++y)
    for (int x = 0; x < kLogoSize; ++x)
      p.fillRect(2 * x, 2 * y, 2, 2, QColor::fromRgb(kPalette16[LogoPixels[y][x]]));
  return QPixmap::fromImage(img);
}

QLabel* label(const char* name, const QString& text, QWidget* parent) {
  auto* l = new QLabel(text, parent);
  l->setObjectName(name);
  return l;
}

QLineEdit* field(const char* name, QWidget* parent) {
  auto* t = new QLineEdit(parent);
  t->setObjectName(name);
  t->setReadOnly(true);
  t->setFixedWidth(70);
  return t;
}

// What the object data editor can change and the station file holds. The editor does not say
// whether it changed anything (OK stores even what it loaded), so the commands compare.
struct EditableData {
  std::vector<ObjectRec> objects;
  int tick = 0;
  std::string comment;
};

EditableData editableData(const Station& st) {
  return {st.CellObjects, st.TickIndex, st.StationComment};
}

bool changedSince(const EditableData& before, const Station& st) {
  // AuthorData is not written: OK on unchanged values is no change.
  const auto written = [](const ObjectRec& o) {
    return std::tuple(o.Direction, o.Side, o.ValueA, o.ValueB, o.ValueC, o.ValueD, o.ValueE);
  };
  return st.TickIndex != before.tick || st.StationComment != before.comment ||
         !std::ranges::equal(before.objects, st.CellObjects, {}, written, written);
}
}  // namespace

frmMain::frmMain(Prompts* prompts, QWidget* parent) : QMainWindow(parent) {
  setObjectName("frmMain");
  if (prompts) {
    prompts_ = prompts;
  } else {
    ownedPrompts_ = std::make_unique<Prompts>();
    prompts_ = ownedPrompts_.get();
  }
  setWindowTitle(kInitialCaption);
  buildControls();
  buildMenus();
  searchHost_ = std::make_unique<WindowSearchHost>(*this);
  gridEditing_ = new GridEditing(*this);
  // Nothing but opening, help and exit until a station is loaded.
  for (QAction* a : {mnuSave, mnuWyszukaj, mnuWyszukajAll, mnuSelektor, mnuPozostale, mnuPunkty,
                     mnuSprawdz, mnuZoom, mnuOptions, actTrim, actNoTrim})
    a->setEnabled(false);
  enableSearchPanel(false);
  for (QWidget* w : {static_cast<QWidget*>(lblWiersze), static_cast<QWidget*>(txtWiersze),
                     static_cast<QWidget*>(lblKolumny), static_cast<QWidget*>(txtKolumny),
                     static_cast<QWidget*>(lblStack), static_cast<QWidget*>(lblProgress)})
    w->setEnabled(false);
}

frmMain::~frmMain() = default;

QAction* frmMain::command(const char* menuName, const char* buttonName, const QString& menuText,
                          const QString& buttonText, void (frmMain::*handler)()) {
  auto* a = new QAction(menuText, this);
  a->setObjectName(menuName);
  a->setIconText(buttonText);
  connect(a, &QAction::triggered, this, [this, handler] { (this->*handler)(); });
  if (buttonName) button(a, buttonName);
  return a;
}

QToolButton* frmMain::button(QAction* a, const char* name) {
  auto* b = new QToolButton(this);
  b->setObjectName(name);
  b->setDefaultAction(a);
  b->setToolButtonStyle(Qt::ToolButtonTextOnly);
  b->setMinimumWidth(150);
  b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
  return b;
}

void frmMain::buildControls() {
  auto* central = new QWidget(this);
  central->setObjectName("centralWidget");
  setCentralWidget(central);

  // The canvas: the station view and the trim sliders at their pixel places.
  fraStacja = new QWidget;
  fraStacja->setObjectName("fraStacja");
  picOkno = new StationView(fraStacja);
  picOkno->hide();
  sldXTrimLo = new TrimSlider(Qt::Horizontal, "sldXTrimLo", fraStacja);
  sldXTrimHi = new TrimSlider(Qt::Horizontal, "sldXTrimHi", fraStacja);
  sldYTrimLo = new TrimSlider(Qt::Vertical, "sldYTrimLo", fraStacja);
  sldYTrimHi = new TrimSlider(Qt::Vertical, "sldYTrimHi", fraStacja);
  sldXTrimLo->setValueCaption("Pierwsza kolumna: ", 0);
  sldXTrimHi->setValueCaption("Ostatnia kolumna: ", -1);
  sldYTrimLo->setValueCaption("Pierwszy wiersz: ", 0);
  sldYTrimHi->setValueCaption("Ostatni wiersz: ", -1);
  for (TrimSlider* s : {sldXTrimLo, sldXTrimHi, sldYTrimLo, sldYTrimHi}) {
    s->hide();
    connect(s, &QSlider::valueChanged, this, [this] { onSliderMoved(); });
  }
  connect(picOkno, &StationView::cellClicked, this, &frmMain::onCellClicked);
  scrStacja = new QScrollArea;
  scrStacja->setObjectName("scrStacja");
  scrStacja->setWidget(fraStacja);
  scrStacja->setWidgetResizable(false);
  scrStacja->setFrameShape(QFrame::NoFrame);
  fraStacja->resize(400, 300);

  picProgress = new BarView("picProgress", central);
  picStack = new BarView("picStack", central);
  lblProgress = label("lblProgress", "Progress:", central);
  lblStack = label("lblStack", "Stack usage:", central);

  // The command panel on the right.
  auto* panel = new QWidget;
  panel->setObjectName("fraPolecenia");
  auto* col = new QVBoxLayout(panel);
  // Tight enough for a laptop screen of 768 rows with its taskbar; below that the column
  // scrolls.
  col->setContentsMargins(6, 4, 6, 4);
  col->setSpacing(3);
  picTorowik = label("picTorowik", QString(), panel);
  picTorowik->setPixmap(logoPixmap());
  picTorowik->setAlignment(Qt::AlignCenter);
  col->addWidget(picTorowik);

  // Alt with the underlined letter reaches every menu and button; no letter twice in the menu
  // bar and the buttons together, nor in one menu. S and D are left for commands to come.
  mnuOpen = command("mnuOpen", "cmdOpen", "&Otwórz", "&Otwórz", &frmMain::cmdOpen_Click);
  actTrim = command("actTrim", "cmdTrim", "P&rzytnij", "P&rzytnij", &frmMain::cmdTrim_Click);
  actNoTrim = command("actNoTrim", "cmdNoTrim", "Zost&aw", "Zost&aw", &frmMain::cmdNoTrim_Click);
  mnuPunkty =
      command("mnuPunkty", "cmdAnalyze", "A&nalizuj", "A&nalizuj", &frmMain::cmdAnalyze_Click);
  mnuSprawdz = command("mnuSprawdz", "cmdSprawdz", "&Sprawdź stację", "&Sprawdź stację",
                       &frmMain::cmdSprawdz_Click);
  mnuOptions = command("mnuOptions", "cmdOptions", "Opc&je", "Opc&je", &frmMain::cmdOptions_Click);
  mnuZoom = command("mnuZoom", "cmdBoard", "&Zoom", "&Zoom", &frmMain::cmdBoard_Click);
  mnuWyszukaj =
      command("mnuWyszukaj", "cmdStart", "&Wyszukaj", "&Wyszukaj", &frmMain::cmdStart_Click);
  mnuWyszukajAll = command("mnuWyszukajAll", "cmdStartNoCfm", "Wysz&ukaj wszystkie",
                           "Wysz&ukaj wszystkie", &frmMain::cmdStartNoCfm_Click);
  mnuSelektor = command("mnuSelektor", "cmdSelektor", "Se&lekcja tras", "Se&lekcja tras",
                        &frmMain::cmdSelektor_Click);
  mnuPozostale = command("mnuPozostale", "cmdPozostale", "&Edycja danych", "&Edycja danych",
                         &frmMain::cmdPozostale_Click);
  mnuSave = command("mnuSave", "cmdSave", "&Zapisz", "Zap&isz stację", &frmMain::cmdSave_Click);
  actPomoc = command("actPomoc", "cmdPomoc", "Po&moc", "Po&moc", &frmMain::cmdPomoc_Click);
  mnuExit = command("mnuExit", "cmdExit", "&Wyjdź", "W&yjdź", &frmMain::exitCommand);
  mnuPomoc = command("mnuPomoc", nullptr, "&Pomoc", "Pomoc", &frmMain::mnuPomoc_Click);
  mnuAbout = command("mnuAbout", nullptr, "&O programie", "O programie", &frmMain::mnuAbout_Click);
  // The keys every desktop program has. A disabled command's key does nothing, as its button.
  mnuOpen->setShortcut(QKeySequence::Open);
  mnuSave->setShortcut(QKeySequence::Save);
  actPomoc->setShortcut(QKeySequence::HelpContents);
  // Qt knows no quitting key on Windows; Alt+F4 is the frame's own, asked here as on "Wyjdź"
  // where the system leaves it to the program.
  mnuExit->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Q), QKeySequence(Qt::ALT | Qt::Key_F4)});

  cmdOpen = findChild<QToolButton*>("cmdOpen");
  cmdTrim = findChild<QToolButton*>("cmdTrim");
  cmdNoTrim = findChild<QToolButton*>("cmdNoTrim");
  cmdAnalyze = findChild<QToolButton*>("cmdAnalyze");
  cmdSprawdz = findChild<QToolButton*>("cmdSprawdz");
  cmdOptions = findChild<QToolButton*>("cmdOptions");
  cmdBoard = findChild<QToolButton*>("cmdBoard");
  cmdStart = findChild<QToolButton*>("cmdStart");
  cmdStartNoCfm = findChild<QToolButton*>("cmdStartNoCfm");
  cmdSelektor = findChild<QToolButton*>("cmdSelektor");
  cmdPozostale = findChild<QToolButton*>("cmdPozostale");
  cmdSave = findChild<QToolButton*>("cmdSave");
  cmdPomoc = findChild<QToolButton*>("cmdPomoc");
  cmdExit = findChild<QToolButton*>("cmdExit");

  const auto addButtons = [&](std::initializer_list<QToolButton*> bs) {
    for (QToolButton* b : bs) col->addWidget(b);
    col->addSpacing(6);
  };
  addButtons({cmdOpen});
  addButtons({cmdTrim, cmdNoTrim});
  addButtons({cmdAnalyze, cmdSprawdz, cmdOptions, cmdBoard});
  addButtons({cmdStart, cmdStartNoCfm});
  addButtons({cmdSelektor, cmdPozostale, cmdSave});

  auto* info = new QGridLayout;
  lblWiersze = label("lblWiersze", "Wiersze:", panel);
  txtWiersze = field("txtWiersze", panel);
  lblKolumny = label("lblKolumny", "Kolumny:", panel);
  txtKolumny = field("txtKolumny", panel);
  lblConnects = label("lblConnects", "Połączenia:", panel);
  txtConnects = field("txtConnects", panel);
  lblTrasy = label("lblTrasy", "Trasy:", panel);
  txtTrasy = field("txtTrasy", panel);
  chkBidir = new QCheckBox(panel);
  chkBidir->setObjectName("chkBidir");
  chkBidir->setAttribute(Qt::WA_TransparentForMouseEvents);
  chkBidir->setFocusPolicy(Qt::NoFocus);
  lblBidir = label("lblBidir", "Dwukierunkowa", panel);
  chkElectr = new QCheckBox(panel);
  chkElectr->setObjectName("chkElectr");
  chkElectr->setAttribute(Qt::WA_TransparentForMouseEvents);
  chkElectr->setFocusPolicy(Qt::NoFocus);
  lblElectr = label("lblElectr", "Zelektryfikowana", panel);
  info->addWidget(lblWiersze, 0, 0);
  info->addWidget(txtWiersze, 0, 1);
  info->addWidget(lblKolumny, 1, 0);
  info->addWidget(txtKolumny, 1, 1);
  info->addWidget(lblConnects, 2, 0);
  info->addWidget(txtConnects, 2, 1);
  info->addWidget(lblTrasy, 3, 0);
  info->addWidget(txtTrasy, 3, 1);
  info->addWidget(chkBidir, 4, 1);
  info->addWidget(lblBidir, 4, 0);
  info->addWidget(chkElectr, 5, 1);
  info->addWidget(lblElectr, 5, 0);
  info->setVerticalSpacing(3);
  col->addLayout(info);
  col->addStretch(1);
  addButtons({cmdPomoc, cmdExit});

  auto* bars = new QGridLayout;
  bars->addWidget(lblProgress, 0, 0);
  bars->addWidget(picProgress, 0, 1);
  bars->addWidget(lblStack, 1, 0);
  bars->addWidget(picStack, 1, 1);
  bars->setColumnStretch(2, 1);

  auto* left = new QVBoxLayout;
  left->addWidget(scrStacja, 1);
  left->addLayout(bars);
  auto* commands = new QScrollArea;
  commands->setObjectName("scrPolecenia");
  commands->setWidget(panel);
  commands->setWidgetResizable(true);
  commands->setFrameShape(QFrame::NoFrame);
  commands->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  commands->setFixedWidth(panel->sizeHint().width() +
                          commands->style()->pixelMetric(QStyle::PM_ScrollBarExtent));
  auto* top = new QHBoxLayout(central);
  top->setContentsMargins(6, 4, 0, 4);
  top->addLayout(left, 1);
  top->addWidget(commands);
}

void frmMain::showEvent(QShowEvent* e) {
  if (!fitted_) {
    fitted_ = true;
    fitToScreen();
  }
  QMainWindow::showEvent(e);
}

void frmMain::fitToScreen() {
  const QScreen* s = screen();
  if (!s) return;
  const QRect area = s->availableGeometry();
  // The frame the system adds is known only once the window is shown: room for a title bar and
  // borders as Windows draws them.
  const QMargins frame(8, 31, 8, 8);
  const QSize room = area.size().shrunkBy(frame);
  const QSize size(std::min(1260, room.width()), std::min(760, room.height()));
  resize(size);
  // Where the system would put it, a window of nearly the screen's height would be cut off.
  const QSize outer = size.grownBy(frame);
  move(area.x() + std::max(0, (area.width() - outer.width()) / 2),
       area.y() + std::max(0, (area.height() - outer.height()) / 2));
}

void frmMain::buildMenus() {
  mnuFile = menuBar()->addMenu("&Plik");
  mnuFile->setObjectName("mnuFile");
  mnuFile->addAction(mnuOpen);
  mnuFile->addAction(mnuSave);
  mnuFile->addSeparator()->setObjectName("mnuKrecha1");
  for (int i = 0; i < RecentStations::kMax; ++i) {
    mnuRecent[i] = mnuFile->addAction(QString(), this, [this, i] { openRecent(i); });
    mnuRecent[i]->setObjectName(QString("mnuRecent%1").arg(i + 1));
  }
  mnuFile->addSeparator()->setObjectName("mnuKrecha7");
  mnuFile->addAction(mnuExit);
  mnuFile->setToolTipsVisible(true);
  connect(mnuFile, &QMenu::aboutToShow, this, &frmMain::updateRecentMenu);
  updateRecentMenu();

  mnuTrasy = menuBar()->addMenu("&Trasy");
  mnuTrasy->setObjectName("mnuTrasy");
  mnuTrasy->addAction(mnuWyszukaj);
  mnuTrasy->addAction(mnuWyszukajAll);
  mnuTrasy->addSeparator()->setObjectName("mnuKrecha6");
  mnuTrasy->addAction(mnuSelektor);
  mnuTrasy->addSeparator()->setObjectName("mnuKrecha5");
  mnuTrasy->addAction(mnuPozostale);
  mnuTrasy->addSeparator()->setObjectName("mnuKrecha2");
  mnuTrasy->addAction(mnuPunkty);
  mnuTrasy->addAction(mnuSprawdz);
  mnuTrasy->addSeparator()->setObjectName("mnuKrecha3");
  mnuTrasy->addAction(mnuZoom);
  mnuTrasy->addSeparator()->setObjectName("mnuKrecha4");
  mnuTrasy->addAction(mnuOptions);

  mnuHelp = menuBar()->addMenu("Pomo&c");
  mnuHelp->setObjectName("mnuHelp");
  mnuHelp->addAction(mnuPomoc);
  mnuHelp->addAction(mnuAbout);
}

void frmMain::setCaption() {
  setWindowTitle(QString("Szlakownik for Torowik - ") +
                 QString::fromStdString(station_ ? station_->StationFile : std::string()));
}

bool frmMain::start(const std::optional<QString>& path) {
  if (programDir_.isEmpty()) programDir_ = QCoreApplication::applicationDirPath();
  // Where names have letter case, a file named otherwise is not our help page; on Windows it is.
#ifdef _WIN32
  const Qt::CaseSensitivity nameCase = Qt::CaseInsensitive;
#else
  const Qt::CaseSensitivity nameCase = Qt::CaseSensitive;
#endif
  actPomoc->setEnabled(QDir(programDir_).entryList(QDir::Files).contains(kHelpFile, nameCase));
  return WczytajStacje(path);
}

bool frmMain::WczytajStacje(std::optional<QString> chosen, bool saveAsked) {
  for (;;) {
    if (!chosen) chosen = prompts_->openStation(this, openFolder());
    if (!chosen) {
      if (confirmLeaving(saveAsked)) {
        quitRequested_ = true;
        QApplication::quit();
        return false;
      }
      if (station_) return true;  // the open station stays as it was
      continue;                   // nothing open yet: ask again
    }
    LoadResult res = szl::WczytajStacje(chosen->toStdString());
    chosen.reset();
    if (!res.station) {
      ask(loadErrorMessage(res.error));
      if (station_) return true;
      continue;
    }
    Station st = std::move(*res.station);
    std::optional<Message> afterDrawing;
    if (!takeOverSavedData(st, res, afterDrawing)) {
      if (station_) return true;  // the open station stays as it was
      continue;                   // nothing open yet: choose again
    }
    installStation(std::move(st), res.info);
    recent_.add(QString::fromStdString(station_->StationDir + station_->StationFile));
    updateRecentMenu();
    // Said over the new station, whose objects the list names.
    if (afterDrawing) ask(*afterDrawing);
    return true;
  }
}

bool frmMain::takeOverSavedData(Station& st, const LoadResult& res,
                                std::optional<Message>& afterDrawing) {
  // A damaged tail is said once; the grid opens as it always did.
  if (!res.tailError.empty()) {
    ask(tailErrorMessage(res.tailError));
    return true;
  }
  if (!res.saved) return true;
  switch (ask(takeOverQuestion(st.StationFile))) {
    case Answer::Yes:
      break;
    case Answer::No:
      return true;
    default:
      return false;
  }
  const CarryReport report = takeSavedData(st, *res.saved);
  if (!report.notes.empty()) afterDrawing = carryNotesMessage(st.StationFile, report);
  return true;
}

void frmMain::installStation(Station st, const LoadInfo& info) {
  gridEditing_->stationOpened();
  // The later stages start over for the new station.
  for (QAction* a : {mnuPunkty, mnuOptions, mnuZoom, mnuWyszukaj, mnuWyszukajAll, mnuSelektor,
                     mnuPozostale, mnuSave})
    a->setEnabled(false);
  enableSearchPanel(false);
  for (QWidget* w : {static_cast<QWidget*>(lblWiersze), static_cast<QWidget*>(txtWiersze),
                     static_cast<QWidget*>(lblKolumny), static_cast<QWidget*>(txtKolumny),
                     static_cast<QWidget*>(lblStack), static_cast<QWidget*>(lblProgress)})
    w->setEnabled(false);
  actTrim->setEnabled(true);
  actNoTrim->setEnabled(true);
  mnuSprawdz->setEnabled(true);
  // The counters and the route's flags told about the previous station.
  for (QLineEdit* t : {txtConnects, txtTrasy}) t->clear();
  chkBidir->setChecked(false);
  chkElectr->setChecked(false);
  selector_ = RouteSelector();
  station_ = std::move(st);
  routeDir_ = station_->StationDir;
  unsaved_ = false;
  routeFileStale_ = false;
  setCaption();
  if (info.limitMessage) ask(sizeLimitMessage());
  if (info.screenMessage) ask(screenSizeMessage());
  txtWiersze->setText(QString::number(station_->RowCount()));
  txtKolumny->setText(QString::number(station_->ColCount()));
  picOkno->setStation(&*station_);
  layoutTrimStage();
  refreshCheck();
  if (info.point0Warning) ask(point0Message());

  trim_ = offeredTrim(*station_);
  const QSignalBlocker b1(sldXTrimLo), b2(sldXTrimHi), b3(sldYTrimLo), b4(sldYTrimHi);
  sldXTrimLo->setValue(trim_.TrimXLo);
  sldXTrimHi->setValue(trim_.TrimXHi);
  sldYTrimLo->setValue(trim_.TrimYLo);
  sldYTrimHi->setValue(trim_.TrimYHi);
  const SliderSpan xl = spanXLo(trim_, station_->ColCount());
  const SliderSpan xh = spanXHi(trim_);
  const SliderSpan yl = spanYLo(trim_, station_->RowCount());
  const SliderSpan yh = spanYHi(trim_);
  sldXTrimLo->setSelection(xl.start, xl.length);
  sldXTrimHi->setSelection(xh.start, xh.length);
  sldYTrimLo->setSelection(yl.start, yl.length);
  sldYTrimHi->setSelection(yh.start, yh.length);
  // A blank grid, as a new station starts, has nothing to trim.
  const bool blank = std::ranges::all_of(station_->Cells, [](const CellRec& c) { return !c.Code; });
  if (trim_.TrimAdvised && !blank) ask(trimAdviceMessage());
}

void frmMain::layoutTrimStage() {
  const int c = station_->ColCount();
  const int r = station_->RowCount();
  picOkno->setGeometry(21, 72, 17 * c + 3, 17 * r + 3);
  picOkno->resizeCanvas(17 * c + 3, 17 * r + 3);
  picOkno->setPrepared(StationPrepared);
  picOkno->show();
  picOkno->drawStation(false);

  const QSignalBlocker b1(sldXTrimLo), b2(sldXTrimHi), b3(sldYTrimLo), b4(sldYTrimHi);
  sldXTrimLo->setGeometry(17, 56, 17 * c - 6, 16);
  sldXTrimHi->setGeometry(34, 17 * r + 75, 17 * c - 6, 16);
  sldYTrimLo->setGeometry(5, 68, 16, 17 * r - 6);
  sldYTrimHi->setGeometry(17 * c + 24, 85, 16, 17 * r - 6);
  sldXTrimLo->setRange(0, c - 1);
  sldXTrimHi->setRange(1, c);
  sldYTrimLo->setRange(0, r - 1);
  sldYTrimHi->setRange(1, r);
  sldXTrimLo->setValue(0);
  sldXTrimHi->setValue(c);
  sldYTrimLo->setValue(0);
  sldYTrimHi->setValue(r);
  sldXTrimLo->setSelection(0, 0);
  sldYTrimLo->setSelection(0, 0);
  sldXTrimHi->setSelection(1, 0);
  sldYTrimHi->setSelection(1, 0);
  for (TrimSlider* s : {sldXTrimLo, sldXTrimHi, sldYTrimLo, sldYTrimHi}) s->show();
  fraStacja->setFixedSize(std::max(17 * c + 48, 300), std::max(17 * r + 100, 200));
}

void frmMain::layoutKeptStage() {
  for (TrimSlider* s : {sldXTrimLo, sldXTrimHi, sldYTrimLo, sldYTrimHi}) s->hide();
  const int c = station_->ColCount();
  const int r = station_->RowCount();
  picOkno->setGeometry(5, 56, 17 * c + 20, 17 * r + 20);
  picOkno->resizeCanvas(17 * c + 20, 17 * r + 20);
  picOkno->drawStation(true);
  fraStacja->setFixedSize(std::max(17 * c + 30, 300), std::max(17 * r + 80, 200));
  // Hiding a slider that had the focus passes it on, and the canvas scrolls to wherever the
  // focus went: the station starts at its top left corner, as it does on opening.
  scrStacja->horizontalScrollBar()->setValue(0);
  scrStacja->verticalScrollBar()->setValue(0);
}

void frmMain::onSliderMoved() {
  auto* s = qobject_cast<TrimSlider*>(sender());
  if (!s || !station_) return;
  if (s == sldXTrimLo) moveXLo(trim_, s->value());
  if (s == sldXTrimHi) moveXHi(trim_, s->value());
  if (s == sldYTrimLo) moveYLo(trim_, s->value());
  if (s == sldYTrimHi) moveYHi(trim_, s->value());
  const QSignalBlocker b1(sldXTrimLo), b2(sldXTrimHi), b3(sldYTrimLo), b4(sldYTrimHi);
  sldXTrimLo->setValue(trim_.TrimXLo);
  sldXTrimHi->setValue(trim_.TrimXHi);
  sldYTrimLo->setValue(trim_.TrimYLo);
  sldYTrimHi->setValue(trim_.TrimYHi);
}

void frmMain::updateRecentMenu() {
  const QStringList paths = recent_.paths();
  for (int i = 0; i < RecentStations::kMax; ++i) {
    const bool shown = i < paths.size();
    mnuRecent[i]->setVisible(shown);
    if (!shown) continue;
    mnuRecent[i]->setText(recentCaption(i, paths[i]));
    mnuRecent[i]->setToolTip(QDir::toNativeSeparators(paths[i]));
  }
  findChild<QAction*>("mnuKrecha7")->setVisible(!paths.isEmpty());
}

void frmMain::openRecent(int index) {
  if (searching_) return;
  const QStringList paths = recent_.paths();
  if (index >= paths.size()) return;
  const QString path = paths[index];
  if (!QFileInfo(path).isFile()) {
    recent_.remove(path);
    updateRecentMenu();
    const QFileInfo gone(path);
    ask({Icon::Exclamation, "Otwórz plik stacji",
         "Nie ma już pliku " + gone.fileName().toStdString() + " w folderze " +
             QDir::toNativeSeparators(gone.absolutePath()).toStdString() + "." + CrLf +
             "Usunięto go z listy ostatnio otwieranych stacji.",
         Buttons::Ok});
    return;
  }
  if (!settleUnsavedWork()) return;
  WczytajStacje(path, true);
}

QString frmMain::openFolder() const {
  if (!station_) return recent_.lastFolder();
  return QDir::toNativeSeparators(
      QFileInfo(QString::fromStdString(station_->StationDir + station_->StationFile))
          .absolutePath());
}

void frmMain::cmdOpen_Click() {
  if (searching_) return;
  if (!settleUnsavedWork()) return;
  WczytajStacje(std::nullopt, true);
}

void frmMain::cmdTrim_Click() {
  if (!station_) return;
  // A step of the grid's history, to be undone like an edit; cutting nothing is no step.
  const TrimRect whole = wholeGrid(*station_);
  if (trim_.TrimXLo != whole.TrimXLo || trim_.TrimXHi != whole.TrimXHi ||
      trim_.TrimYLo != whole.TrimYLo || trim_.TrimYHi != whole.TrimYHi)
    gridEditing_->push(GridEditor::trim(*station_, trim_));
  else
    layoutKeptStage();
  if (loadInfoOf(*station_).point0Warning) ask(point0Message());
  TrimNoTrim();
}

void frmMain::cmdNoTrim_Click() {
  if (!station_) return;
  layoutKeptStage();
  TrimNoTrim();
}

void frmMain::TrimNoTrim() {
  for (QWidget* w : {static_cast<QWidget*>(lblWiersze), static_cast<QWidget*>(txtWiersze),
                     static_cast<QWidget*>(lblKolumny), static_cast<QWidget*>(txtKolumny)})
    w->setEnabled(true);
  picOkno->update();
  trim_ = wholeGrid(*station_);
  actTrim->setEnabled(false);
  actNoTrim->setEnabled(false);
  mnuPunkty->setEnabled(true);
  mnuOptions->setEnabled(true);
  mnuZoom->setEnabled(true);
  refreshCheck();
}

void frmMain::cmdAnalyze_Click() {
  if (!station_ || searching_) return;
  if (!analysable(*station_)) {
    ask(tooLargeToAnalyseMessage(*station_));
    return;
  }
  PrzygotujStacje(*station_, options_.passages);
  picOkno->drawLinks();
  StationPrepared = true;
  picOkno->setPrepared(true);
  mnuWyszukaj->setEnabled(true);
  mnuWyszukajAll->setEnabled(true);
  refreshCheck();
}

void frmMain::cmdSprawdz_Click() {
  if (!station_ || searching_) return;
  if (!analysable(*station_)) {
    ask(tooLargeToAnalyseMessage(*station_));
    return;
  }
  if (!checkDialog_) {
    checkDialog_ = new frmSprawdz(this);
    connect(checkDialog_, &frmSprawdz::findingChosen, this, &frmMain::showFinding);
    connect(checkDialog_, &QDialog::finished, picOkno, &StationView::unmarkObject);
    connect(checkDialog_, &QDialog::finished, this, &frmMain::refreshCheck);
  }
  checkDialog_->show();
  refreshCheck();
  checkDialog_->raise();
}

void frmMain::refreshCheck() {
  const bool listed = checkDialog_ && checkDialog_->isVisible();
  const bool marked = listed || gridEditing_->mnuUsterki->isChecked();
  if (!station_ || !marked) {
    picOkno->setFindingMarks({});
    return;
  }
  if (listed) picOkno->unmarkObject();
  std::vector<Finding> findings;
  if (analysable(*station_))
    findings = routeFileStale_ ? checkStation(*station_, options_.passages)
                               : checkStationAndRouteFile(*station_, options_);
  std::vector<QPoint> cells;
  for (const Finding& f : findings) cells.emplace_back(f.x, f.y);
  picOkno->setFindingMarks(std::move(cells));
  if (listed) checkDialog_->setFindings(std::move(findings));
}

void frmMain::showFinding(int x, int y) {
  if (!station_ || !station_->inside(x, y)) return;
  // A colour no drawing of the station uses.
  picOkno->markObject(x, y, 1, 0xffff00ff);
  if (auto* scroll = findChild<QScrollArea*>("scrStacja"))
    scroll->ensureVisible(picOkno->x() + 17 * x + 8, picOkno->y() + 17 * y + 8, 80, 80);
}

void frmMain::redrawStation() {
  if (!station_) return;
  picOkno->setTrackStyle(options_.trackStyle);
  picOkno->drawStation(actTrim->isEnabled() ? false : true);
}

void frmMain::cmdOptions_Click() {
  if (searching_ || !station_) return;
  // One dialog for the whole run, hidden between uses.
  if (!optionsDialog_) optionsDialog_ = new frmOptions(this);
  SearchOptions changed = options_;
  if (optionsDialog_->run(changed)) applyOptions(changed);
}

void frmMain::applyOptions(const SearchOptions& changed) {
  const SearchOptions before = options_;
  options_ = changed;
  // Only what the analysis or the drawing reads needs a new analysis.
  if (before.passages == options_.passages && before.trackStyle == options_.trackStyle) return;
  redrawStation();
  for (QAction* a : {mnuWyszukaj, mnuWyszukajAll, mnuSelektor, mnuPozostale, mnuSave})
    a->setEnabled(false);
}

void frmMain::cmdBoard_Click() {
  if (!station_) return;
  frmBoard board(*station_, this);
  board.exec();
}

void frmMain::cmdPozostale_Click() {
  if (!station_ || searching_) return;
  const EditableData before = editableData(*station_);
  frmObiekty editor(*station_, stationSubject(), *prompts_, this);
  editor.run();
  if (changedSince(before, *station_)) unsaved_ = true;
}

void frmMain::onCellClicked(int x, int y) {
  if (!station_ || searching_) return;
  switch (clickActionOf(*station_, x, y)) {
    case ClickAction::CrossingType: {
      frmCross cross(*station_, x, y, this);
      cross.exec();
      break;
    }
    case ClickAction::ObjectEditor: {
      const EditableData before = editableData(*station_);
      const EditorSubject subject = cellSubject(*station_, x, y);
      frmObiekty editor(*station_, subject, *prompts_, this);
      // Clear of the object clicked, as the save places it.
      placeClear(editor, objectOnScreen(*picOkno, loadEditor(*station_, subject)));
      editor.run();
      if (changedSince(before, *station_)) unsaved_ = true;
      break;
    }
    case ClickAction::Nothing:
      break;
  }
}

void frmMain::cmdSelektor_Click() {
  if (!station_ || searching_) return;
  mnuSave->setEnabled(true);
  const std::string path = routeFilePath(routeDir_, options_.routeFileBase);
  std::error_code ec;
  const auto size = std::filesystem::file_size(sys::fsPath(path), ec);
  if (ec || size == 0) {
    // Nothing to choose from: a save now writes no routes, as the route file says.
    selector_ = RouteSelector();
    ask(noRoutesMessage());
    return;
  }
  frmTrasy selectorWindow(*station_, selector_, path, *picOkno, *prompts_, this);
  if (selectorWindow.exec() == QDialog::Accepted) unsaved_ = true;
}

void frmMain::cmdSave_Click() { save(); }

bool frmMain::save() {
  if (!station_ || searching_) return false;
  const EditableData before = editableData(*station_);
  WindowSaveHost host(*this);
  const SaveResult r = szl::cmdSave_Click(*station_, selector_.table(),
                                          routeFilePath(routeDir_, options_.routeFileBase), host);
  if (r.outcome == SaveOutcome::Saved) {
    unsaved_ = false;
    // The station is now the file written, under whatever name it was given.
    const StationPath written = splitStationPath(r.path);
    station_->StationDir = written.dir;
    station_->StationFile = written.file;
    setCaption();
    recent_.add(QString::fromStdString(r.path));
    updateRecentMenu();
  } else if (changedSince(before, *station_)) {
    unsaved_ = true;  // entered for the save, kept for the next one
  }
  return r.outcome == SaveOutcome::Saved;
}

bool frmMain::settleUnsavedWork() {
  if (!station_ || !unsaved_) return true;
  switch (ask({Icon::Question, kProgramTitle,
               "Zapisać zmiany w stacji " + station_->StationFile + "?", Buttons::YesNoCancel})) {
    case Answer::No:
      return true;
    case Answer::Yes:
      if (!mnuSave->isEnabled()) {
        ask(cannotSaveYetMessage());
        return false;
      }
      return save();
    default:
      return false;
  }
}

Message frmMain::cannotSaveYetMessage() const {
  // The steps still ahead, in the order the commands open up.
  std::vector<std::string> steps;
  if (searching_) {
    steps.push_back("poczekać na koniec wyszukiwania tras,");
  } else {
    if (!mnuWyszukaj->isEnabled()) steps.push_back("przeanalizować stację ('Analizuj'),");
    if (!mnuSelektor->isEnabled())
      steps.push_back("wyszukać trasy ('Wyszukaj' albo 'Wyszukaj wszystkie'),");
  }
  steps.push_back("wybrać trasy w 'Selekcji tras'.");
  Message m = listMessage(
      kProgramTitle,
      "Stacji " + station_->StationFile + " nie można jeszcze zapisać. Najpierw trzeba:", steps);
  m.text += std::string(CrLf) + CrLf + "Stacja pozostaje otwarta, a jej zmiany niezapisane.";
  if (!searching_)
    m.text += std::string(CrLf) + "Samą siatkę można zapisać już teraz: Plik, 'Zapisz siatkę'.";
  return m;
}

void frmMain::cmdStart_Click() { Wyszukaj(true); }
void frmMain::cmdStartNoCfm_Click() { Wyszukaj(false); }

void frmMain::enableSearchPanel(bool on) {
  for (QWidget* w : {static_cast<QWidget*>(lblBidir), static_cast<QWidget*>(chkBidir),
                     static_cast<QWidget*>(lblElectr), static_cast<QWidget*>(chkElectr),
                     static_cast<QWidget*>(lblConnects), static_cast<QWidget*>(txtConnects),
                     static_cast<QWidget*>(lblTrasy), static_cast<QWidget*>(txtTrasy)})
    w->setEnabled(on);
}

void frmMain::setSearchLock(bool locked) {
  // While a search runs nothing may change the station, the options or the route file.
  static const char* kLocked[] = {
      "mnuOpen",    "actTrim",     "actNoTrim",      "mnuPunkty",   "mnuSprawdz",   "mnuOptions",
      "mnuZoom",    "mnuWyszukaj", "mnuWyszukajAll", "mnuSelektor", "mnuPozostale", "mnuSave",
      "mnuRecent1", "mnuRecent2",  "mnuRecent3",     "mnuRecent4",  "mnuRecent5",   "mnuRecent6"};
  if (locked) {
    lockedState_.clear();
    for (const char* n : kLocked) {
      auto* a = findChild<QAction*>(n);
      lockedState_.push_back(a->isEnabled());
      a->setEnabled(false);
    }
  } else {
    for (size_t i = 0; i < std::size(kLocked) && i < lockedState_.size(); ++i)
      findChild<QAction*>(kLocked[i])->setEnabled(lockedState_[i]);
  }
  picOkno->setClicksEnabled(!locked);
  gridEditing_->setLocked(locked);
}

void frmMain::Wyszukaj(bool confirmMode) {
  if (!station_ || searching_ || !StationPrepared) return;
  searching_ = true;
  routeDir_ = station_->StationDir;  // where the search writes the route file
  setSearchLock(true);
  enableSearchPanel(true);
  chkBidir->setChecked(false);
  chkElectr->setChecked(false);
  txtConnects->setText("0");
  txtTrasy->setText("0");
  lblStack->setEnabled(true);
  lblProgress->setEnabled(true);
  picStack->clearWhite();
  picProgress->clearWhite();
  searchHost_->begin();
  bool interrupted = false;
  try {
    szl::Wyszukaj(*station_, options_, confirmMode, *searchHost_);
  } catch (const SearchInterrupted&) {
    interrupted = true;
  }
  searchHost_->end();
  searching_ = false;
  setSearchLock(false);
  if (interrupted) {
    QApplication::quit();
    return;
  }
  enableSearchPanel(false);
  routeFileStale_ = false;
  refreshCheck();
  mnuWyszukaj->setEnabled(true);
  mnuWyszukajAll->setEnabled(true);
  mnuSelektor->setEnabled(true);
  mnuPozostale->setEnabled(true);
  mnuSave->setEnabled(false);
  lblStack->setEnabled(false);
  lblProgress->setEnabled(false);
  picStack->clearWhite();
  picProgress->clearWhite();
}

void frmMain::cmdPomoc_Click() {
  const QString path = QDir::toNativeSeparators(QDir(programDir_).filePath(kHelpFile));
  if (!QFileInfo::exists(path)) {
    ask({Icon::Exclamation, "Pomoc", "Nie znaleziono pliku pomocy " + path.toStdString() + ".",
         Buttons::Ok});
    return;
  }
  if (!prompts_->openInBrowser(path))
    ask({Icon::Exclamation, "Pomoc",
         "Nie udało się otworzyć pliku pomocy w przeglądarce:\r\n" + path.toStdString(),
         Buttons::Ok});
}

void frmMain::mnuPomoc_Click() {
  std::string t = "Szczegóły dot. użycia programu znajdują się w pliku Szlakownik089-20.htm. ";
  t += CrLf;
  t += "Jeśli chcesz, aby plik ten został otwarty w przeglądarce, kliknij przycisk 'OK'.";
  t += CrLf;
  t += CrLf;
  // The program has no public contact: the help page is where the answers are.
  t += "Jeżeli masz problemy lub pytania dotyczące użycia tego programu albo program ";
  t += CrLf;
  t += "pokazuje komunikat, którego nie rozumiesz, zajrzyj do rozdziału 'Co znaczą ";
  t += CrLf;
  t += "komunikaty' w tym pliku: mówi on, co oznacza każdy komunikat i co wtedy zrobić.";
  t += CrLf;
  t += CrLf;
  t += "Plik pomocy otwiera też klawisz F1.";
  if (ask({Icon::Information, "Pomoc", t, Buttons::OkCancel}) != Answer::Cancel) cmdPomoc_Click();
}

void frmMain::mnuAbout_Click() {
  std::string t = "Szlakownik 2.0 for Torowik 0.89+";
  t += CrLf;
  t += CrLf;
  t += "2026 Zespół Szlakownika";
  t += CrLf;
  t += "Opis programu: plik Szlakownik089-20.htm (menu Pomoc albo klawisz F1).";
  ask({Icon::Information, "About", t, Buttons::Ok});
}

void frmMain::exitCommand() {
  if (cmdExit_Click()) QApplication::quit();
}

bool frmMain::confirmLeaving(bool saveAsked) {
  // The save question, with its Anuluj, is question enough; after a Nie to it for another
  // command the author is still asked whether to leave.
  if (unsaved_ && !saveAsked) {
    if (!settleUnsavedWork()) return false;
  } else if (ask({Icon::Question, "Wyjście", "Opuścić program Szlakownik?", Buttons::OkCancel}) !=
             Answer::Ok) {
    return false;
  }
  ask({Icon::None, "Szlakownik 2.0", "Szkoda, bo to fajny program. ;-)", Buttons::Ok});
  quitRequested_ = true;
  if (searching_) searchHost_->interrupt();
  return true;
}

void frmMain::closeEvent(QCloseEvent* e) {
  // A stray click on the frame must not throw away the author's work.
  if (quitRequested_ || cmdExit_Click()) {
    if (searching_) {
      e->ignore();  // the search unwinds first, then the program ends
      return;
    }
    e->accept();
    QApplication::quit();
  } else {
    e->ignore();
  }
}

}  // namespace szl::ui
