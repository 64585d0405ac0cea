#include "ui/main/window_search_host.h"

#include <QApplication>

#include "model/element_tables.h"
#include "ui/main/frm_main.h"

namespace szl::ui {

namespace {
// How often the counters and bars are repainted while routes are found without questions.
constexpr qint64 kRefreshMs = 40;
}  // namespace

void WindowSearchHost::begin() {
  interrupted_ = false;
  counters_ = {};
  twoWay_ = electrified_ = false;
  started_ = total_ = depth_ = 0;
  sinceRefresh_.start();
  refresh();
}

void WindowSearchHost::end() { refresh(); }

void WindowSearchHost::refresh() {
  w_.txtConnects->setText(QString::number(counters_.connections));
  w_.txtTrasy->setText(QString::number(counters_.proper));
  w_.chkBidir->setChecked(twoWay_);
  w_.chkElectr->setChecked(electrified_);
  w_.picProgress->showProgress(started_, total_);
  w_.picStack->showStack(depth_);
  sinceRefresh_.restart();
}

Answer WindowSearchHost::ask(const Message& m) {
  refresh();
  return w_.prompts().message(&w_, m);
}

void WindowSearchHost::startMarker(int x, int y, int port, bool walked) {
  w_.picOkno->startMarker(x, y, port, walked ? kRed : kBlue);
}

void WindowSearchHost::showRoute(std::span<const RouteCell> route) {
  w_.picOkno->WyrysujTrase(route);
}

void WindowSearchHost::restoreRoute(std::span<const RouteCell> route) {
  w_.picOkno->WyrzezajTrase(route);
}

void WindowSearchHost::markRepeated(const RouteCell& cell, bool asking) {
  const int row = elementRow(cell.code);
  w_.picOkno->RysujRozjazd(cell.x, cell.y, row >= 0 ? row : kScratchRow, asking ? kBlue : kOrange);
}

void WindowSearchHost::counters(const SearchCounters& c) { counters_ = c; }

void WindowSearchHost::routeFlags(bool twoWay, bool electrified) {
  twoWay_ = twoWay;
  electrified_ = electrified;
}

void WindowSearchHost::progress(int started, int total) {
  started_ = started;
  total_ = total;
}

void WindowSearchHost::stackDepth(int depth) { depth_ = depth; }

void WindowSearchHost::yieldToUser() {
  if (sinceRefresh_.elapsed() >= kRefreshMs) refresh();
  QApplication::processEvents();
  if (interrupted_) throw SearchInterrupted{};
}

// A long walk from one start port: the window answers the author now and then all the same.
void WindowSearchHost::stillWorking() {
  if (sinceRefresh_.elapsed() < kRefreshMs) return;
  refresh();
  QApplication::processEvents();
  if (interrupted_) throw SearchInterrupted{};
}

}  // namespace szl::ui
