#include "model/station.h"

namespace szl {

Station::Station(int cols, int rows)
    : Cells(static_cast<size_t>(cols) * rows),
      CellObjects(static_cast<size_t>(cols) * rows),
      CellLinks(static_cast<size_t>(cols) * rows * 8),
      cols_(cols),
      rows_(rows) {}

void Station::setCode(int x, int y, int16_t code) {
  CellRec& c = cell(x, y);
  c.Code = code;
  const int direct = electrifiedRow(code);
  const int row = direct >= 0 ? direct : nonElectrifiedRow(code);
  if (row < 0) return;
  for (int p = 1; p <= 8; ++p) link(x, y, p) = static_cast<uint8_t>(ElementPorts[row][p]);
  c.Linked = 0;
  c.TwoWay = 1;
  c.Electrified = direct >= 0 ? 1 : 0;
  c.Passable = 1;
}

void Station::applyTrackLinks() {
  for (int y = 0; y < rows_; ++y)
    for (int x = 0; x < cols_; ++x) setCode(x, y, cell(x, y).Code);
}

}  // namespace szl
