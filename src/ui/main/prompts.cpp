#include "ui/main/prompts.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QMessageBox>
#include <QUrl>

namespace szl::ui {

QString displayText(const std::string& text) {
  QString t = QString::fromStdString(text);
  t.replace("\r\n", "\n");
  return t;
}

Answer Prompts::message(QWidget* parent, const Message& m) {
  QMessageBox box(parent);
  box.setWindowTitle(QString::fromStdString(m.title));
  // A long list (what could not be carried over) would outgrow the screen: its beginning shows,
  // the whole of it scrolls under "Show Details...".
  const QString text = displayText(m.text);
  const QStringList lines = text.split('\n');
  constexpr int kShownLines = 20;
  if (lines.size() > kShownLines + 5) {
    box.setText(lines.mid(0, kShownLines).join('\n') + "\n...");
    box.setDetailedText(text);
  } else {
    box.setText(text);
  }
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
  switch (m.buttons) {
    case Buttons::Ok:
      box.setStandardButtons(QMessageBox::Ok);
      break;
    case Buttons::OkCancel:
      box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
      box.button(QMessageBox::Cancel)->setText("Anuluj");
      break;
    case Buttons::YesNo:
      box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
      box.button(QMessageBox::Yes)->setText("Tak");
      box.button(QMessageBox::No)->setText("Nie");
      box.setDefaultButton(QMessageBox::Yes);
      break;
    case Buttons::YesNoCancel:
      box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
      box.button(QMessageBox::Yes)->setText("Tak");
      box.button(QMessageBox::No)->setText("Nie");
      box.button(QMessageBox::Cancel)->setText("Anuluj");
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

namespace {
// The filter texts authors know from the simulator's world, unchanged.
const char* kFilter = "Pliki stacji (*.stc);;Wszystkie pliki (*.*)";
}  // namespace

std::optional<QString> Prompts::openStation(QWidget* parent) {
  const QString path =
      QFileDialog::getOpenFileName(parent, "Otwórz plik stacji", QString(), kFilter);
  if (path.isEmpty()) return std::nullopt;
  return path;
}

std::optional<QString> Prompts::saveStation(QWidget* parent) {
  // The overwrite question is the author's safety net; the save itself keeps the old file
  // until the new one is complete.
  const QString path =
      QFileDialog::getSaveFileName(parent, "Zapisz plik stacji", QString(), kFilter);
  if (path.isEmpty()) return std::nullopt;
  return path;
}

void Prompts::beep() { QApplication::beep(); }

bool Prompts::openInBrowser(const QString& path) {
  return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

}  // namespace szl::ui
