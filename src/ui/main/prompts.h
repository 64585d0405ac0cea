// The window's questions to the user: message boxes, file dialogs, the beep. One object the
// window asks, so that tests can answer from a script instead of real dialogs.
#pragma once

#include <QString>
#include <optional>

#include "model/message.h"

class QWidget;

namespace szl::ui {

class Prompts {
 public:
  virtual ~Prompts() = default;
  // A Yes/No box closed by Escape or by its frame answers Cancel: neither yes nor no.
  virtual Answer message(QWidget* parent, const Message& m);
  // The chosen path, or nothing when the dialog was cancelled. The open dialog starts in
  // `folder` (the system's choice when empty); the save dialog offers `suggested`, a full path.
  virtual std::optional<QString> openStation(QWidget* parent, const QString& folder);
  virtual std::optional<QString> saveStation(QWidget* parent, const QString& suggested);
  virtual void beep();
  // Opens a local file in the system's browser.
  virtual bool openInBrowser(const QString& path);
};

// The text of a core message as a dialog shows it.
QString displayText(const std::string& text);

}  // namespace szl::ui
