// The open-file dialog for station files. A name typed without ".stc" finds the file as the
// reader would name it, and a file that is no station file is refused while the dialog stays
// open, so that the author can choose again.
#pragma once

#include <QFileDialog>

namespace szl::ui {

class Prompts;

// The filter texts authors know from the simulator's world, unchanged.
inline constexpr const char* kStationFilter = "Pliki stacji (*.stc);;Wszystkie pliki (*.*)";

class StationOpenDialog : public QFileDialog {
  Q_OBJECT
 public:
  StationOpenDialog(QWidget* parent, Prompts& prompts);
  void accept() override;

 protected:
  void showEvent(QShowEvent* e) override;

 private:
  void enableOpen();

  Prompts& prompts_;
};

}  // namespace szl::ui
