#include "ui/main/station_open_dialog.h"

#include <QDialogButtonBox>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>

#include "stationfile/station_reader.h"
#include "ui/main/prompts.h"

namespace szl::ui {

namespace {
constexpr const char* kTitle = "Otwórz plik stacji";
}

StationOpenDialog::StationOpenDialog(QWidget* parent, Prompts& prompts)
    : QFileDialog(parent, kTitle, QString(), kStationFilter), prompts_(prompts) {
  setObjectName("dlgOtworz");
  // Qt's own dialog, so that the rule below holds on every desktop.
  setOption(QFileDialog::DontUseNativeDialog);
  setAcceptMode(QFileDialog::AcceptOpen);
  // Any name may be typed; accept() finds the file as the reader would, and refuses the rest.
  setFileMode(QFileDialog::AnyFile);
  // So "Otwórz" takes whatever is typed, a full path included: Qt's own enabling looks the name
  // up in the folder shown, whose listing arrives later and can leave the button grey. Qt's
  // handlers of these signals were connected first; this one has the last word.
  if (auto* name = findChild<QLineEdit*>("fileNameEdit"))
    connect(name, &QLineEdit::textChanged, this, &StationOpenDialog::enableOpen);
  connect(this, &QFileDialog::currentChanged, this, &StationOpenDialog::enableOpen);
  connect(this, &QFileDialog::directoryEntered, this, &StationOpenDialog::enableOpen);
  connect(this, &QFileDialog::filterSelected, this, &StationOpenDialog::enableOpen);
}

void StationOpenDialog::enableOpen() {
  auto* name = findChild<QLineEdit*>("fileNameEdit");
  auto* buttons = findChild<QDialogButtonBox*>();
  if (!name || !buttons || name->text().trimmed().isEmpty()) return;
  if (QPushButton* open = buttons->button(QDialogButtonBox::Open)) open->setEnabled(true);
}

void StationOpenDialog::showEvent(QShowEvent* e) {
  QFileDialog::showEvent(e);
  enableOpen();
}

void StationOpenDialog::accept() {
  const QStringList chosen = selectedFiles();
  if (chosen.size() != 1 || QFileInfo(chosen.front()).isDir()) {
    QFileDialog::accept();  // a folder is opened in the dialog
    return;
  }
  const QFileInfo typed(chosen.front());
  const StationPath sp = splitStationPath(chosen.front().toStdString());
  const QFileInfo station(QString::fromStdString(sp.dir + sp.file));
  if (station.isFile()) {
    selectFile(station.absoluteFilePath());
    QFileDialog::accept();
    return;
  }
  const std::string name = typed.fileName().toStdString();
  const std::string text = typed.isFile()
                               ? "Plik " + name + " nie jest plikiem stacji." + CrLf +
                                     "Otworzyć można tylko pliki stacji (*.stc)."
                               : "Nie ma pliku " + sp.file + " w folderze " + sp.dir + ".";
  prompts_.message(this, {Icon::Exclamation, kTitle, text, Buttons::Ok});
}

}  // namespace szl::ui
