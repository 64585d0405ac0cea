#include "ui/main/prompts.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QUrl>
#include <algorithm>

#include "ui/main/station_open_dialog.h"

namespace szl::ui {

QString displayText(const std::string& text) {
  QString t = QString::fromStdString(text);
  t.replace("\r\n", "\n");
  return t;
}

namespace {
// Each line of a message shows whole, as it was written: the box would otherwise wrap anything
// wider than about 500 pixels and leave single words on lines of their own. Only a line too
// wide for the screen is still wrapped.
void keepLinesWhole(QMessageBox& box, const QString& text, QWidget* parent) {
  auto* label = box.findChild<QLabel*>("qt_msgbox_label");
  if (!label) return;
  box.ensurePolished();
  int widest = 0;
  for (const QString& line : text.split('\n'))
    widest = std::max(widest, label->fontMetrics().horizontalAdvance(line));
  const QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen();
  const int room = screen ? screen->availableGeometry().width() * 3 / 4 : widest;
  label->setMinimumWidth(std::min(widest + 2, room));
}
}  // namespace

Answer Prompts::message(QWidget* parent, const Message& m) {
  QMessageBox box(parent);
  box.setWindowTitle(QString::fromStdString(m.title));
  // A long list (what could not be carried over) would outgrow the screen: its beginning shows,
  // the whole of it scrolls under "Show Details...".
  const QString text = displayText(m.text);
  const QStringList lines = text.split('\n');
  constexpr int kShownLines = 20;
  const QString shown =
      lines.size() > kShownLines + 5 ? lines.mid(0, kShownLines).join('\n') + "\n..." : text;
  box.setText(shown);
  if (shown != text) box.setDetailedText(text);
  keepLinesWhole(box, shown, parent);
  switch (m.icon) {
    case Icon::None:
      box.setIcon(QMessageBox::NoIcon);
      break;
    case Icon::Critical:
      box.setIcon(QMessageBox::Critical);
      break;
    case Icon::Exclamation:
      box.setIcon(QMessageBox::Warning);
      break;
    case Icon::Information:
      box.setIcon(QMessageBox::Information);
      break;
    case Icon::Question:
      box.setIcon(QMessageBox::Question);
      break;
  }
  // Every button with its underlined letter, as on the windows.
  switch (m.buttons) {
    case Buttons::Ok:
      box.setStandardButtons(QMessageBox::Ok);
      box.button(QMessageBox::Ok)->setText("&OK");
      break;
    case Buttons::OkCancel:
      box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
      box.button(QMessageBox::Ok)->setText("&OK");
      box.button(QMessageBox::Cancel)->setText("&Anuluj");
      break;
    case Buttons::YesNo:
      box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
      box.button(QMessageBox::Yes)->setText("&Tak");
      box.button(QMessageBox::No)->setText("&Nie");
      box.setDefaultButton(QMessageBox::Yes);
      // Escape or the frame's close button is neither Tak nor Nie: the caller hears Cancel and
      // leaves things as they were, instead of taking it for Nie.
      box.addButton(QMessageBox::Cancel)->hide();
      box.setEscapeButton(QMessageBox::Cancel);
      break;
    case Buttons::YesNoCancel:
      box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
      box.button(QMessageBox::Yes)->setText("&Tak");
      box.button(QMessageBox::No)->setText("&Nie");
      box.button(QMessageBox::Cancel)->setText("&Anuluj");
      break;
  }
  switch (box.exec()) {
    case QMessageBox::Yes:
      return Answer::Yes;
    case QMessageBox::No:
      return Answer::No;
    case QMessageBox::Cancel:
      return Answer::Cancel;
    default:
      return Answer::Ok;
  }
}

std::optional<QString> Prompts::openStation(QWidget* parent, const QString& folder) {
  StationOpenDialog dialog(parent, *this);
  if (!folder.isEmpty()) dialog.setDirectory(folder);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return dialog.selectedFiles().front();
}

std::optional<QString> Prompts::saveStation(QWidget* parent, const QString& suggested) {
  // The overwrite question is the author's safety net; the save itself keeps the old file
  // until the new one is complete.
  const QString path =
      QFileDialog::getSaveFileName(parent, "Zapisz plik stacji", suggested, kStationFilter);
  if (path.isEmpty()) return std::nullopt;
  return path;
}

void Prompts::beep() { QApplication::beep(); }

bool Prompts::openInBrowser(const QString& path) {
  return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

}  // namespace szl::ui
