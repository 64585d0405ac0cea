// The window's answers to the save: the object data editor on the station-wide data and on
// each object still missing its data, the questions, the save dialog, the date and time.
#pragma once

#include "stationfile/station_writer.h"

namespace szl::ui {

class frmMain;

class WindowSaveHost : public SaveHost {
 public:
  explicit WindowSaveHost(frmMain& w) : w_(w) {}

  Answer ask(const Message& m) override;
  bool cmdPozostale_Click(Station& st) override;
  bool Uzupelnij(Station& st, int x, int y) override;
  std::optional<std::string> chooseSavePath() override;
  std::string shortDate() override;
  std::string shortTime() override;

 private:
  frmMain& w_;
};

}  // namespace szl::ui
