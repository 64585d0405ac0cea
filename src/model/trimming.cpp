#include "model/trimming.h"

namespace szl {

namespace {
bool rowOccupied(const Station& st, int y) {
  for (int x = 0; x < st.ColCount(); ++x)
    if (st.cell(x, y).Code > 0) return true;
  return false;
}
bool columnOccupied(const Station& st, int x) {
  for (int y = 0; y < st.RowCount(); ++y)
    if (st.cell(x, y).Code > 0) return true;
  return false;
}
}  // namespace

TrimRect boundingBox(const Station& st) {
  TrimRect r;
  const int rows = st.RowCount();
  const int cols = st.ColCount();
  for (int y = 0; y < rows; ++y) {
    if (rowOccupied(st, y)) {
      r.TrimYLo = y;
      break;
    }
    if (y > 0) r.TrimAdvised = true;
  }
  r.TrimYHi = rows;
  for (int y = rows - 1; y >= 0; --y) {
    if (rowOccupied(st, y)) {
      r.TrimYHi = y + 1;
      break;
    }
    if (y < rows - 1) r.TrimAdvised = true;
  }
  for (int x = 0; x < cols; ++x) {
    if (columnOccupied(st, x)) {
      r.TrimXLo = x;
      break;
    }
    if (x > 0) r.TrimAdvised = true;
  }
  r.TrimXHi = cols;
  for (int x = cols - 1; x >= 0; --x) {
    if (columnOccupied(st, x)) {
      r.TrimXHi = x + 1;
      break;
    }
    if (x < cols - 1) r.TrimAdvised = true;
  }
  return r;
}

TrimRect offeredTrim(const Station& st) {
  TrimRect r = boundingBox(st);
  if (r.TrimXLo > 0) --r.TrimXLo;
  if (r.TrimYLo > 0) --r.TrimYLo;
  return r;
}

TrimRect wholeGrid(const Station& st) {
  return TrimRect{0, st.ColCount(), 0, st.RowCount(), false};
}

void moveXLo(TrimRect& r, int value) {
  r.TrimXLo = value;
  if (r.TrimXHi <= r.TrimXLo) r.TrimXHi = r.TrimXLo + 1;
}
void moveXHi(TrimRect& r, int value) {
  r.TrimXHi = value;
  if (r.TrimXLo >= r.TrimXHi) r.TrimXLo = r.TrimXHi - 1;
}
void moveYLo(TrimRect& r, int value) {
  r.TrimYLo = value;
  if (r.TrimYHi <= r.TrimYLo) r.TrimYHi = r.TrimYLo + 1;
}
void moveYHi(TrimRect& r, int value) {
  r.TrimYHi = value;
  if (r.TrimYLo >= r.TrimYHi) r.TrimYLo = r.TrimYHi - 1;
}

namespace {
SliderSpan spanLo(int lo, int hi, int count) { return {lo, hi - lo - (hi == count ? 1 : 0)}; }
SliderSpan spanHi(int lo, int hi) {
  if (lo == 0) return {1, hi - lo - 1};
  return {lo, hi - lo};
}
}  // namespace

SliderSpan spanXLo(const TrimRect& r, int colCount) {
  return spanLo(r.TrimXLo, r.TrimXHi, colCount);
}
SliderSpan spanXHi(const TrimRect& r) { return spanHi(r.TrimXLo, r.TrimXHi); }
SliderSpan spanYLo(const TrimRect& r, int rowCount) {
  return spanLo(r.TrimYLo, r.TrimYHi, rowCount);
}
SliderSpan spanYHi(const TrimRect& r) { return spanHi(r.TrimYLo, r.TrimYHi); }

Station cutStation(const Station& st, const TrimRect& r) {
  Station out(r.TrimXHi - r.TrimXLo, r.TrimYHi - r.TrimYLo);
  for (int y = 0; y < out.RowCount(); ++y) {
    for (int x = 0; x < out.ColCount(); ++x) {
      out.setCode(x, y, st.cell(x + r.TrimXLo, y + r.TrimYLo).Code);
      // Data the author typed or took from a saved file moves with its cell.
      const ObjectRec& o = st.object(x + r.TrimXLo, y + r.TrimYLo);
      if (o.AuthorData) out.object(x, y) = o;
    }
  }
  // Kept routes follow the cells; one that leaves the kept rectangle, or lands on point 0,
  // can no longer be found.
  out.RoutesTaken = st.RoutesTaken;
  out.KeptRoutes = st.KeptRoutes;
  for (KeptRoute& k : out.KeptRoutes) {
    for (int16_t& p : k.points) {
      const int x = pointColumn(p) - r.TrimXLo;
      const int y = pointRow(p) - r.TrimYLo;
      if (!out.inside(x, y) || (x == 0 && y == 0)) {
        k.points.clear();
        break;
      }
      p = static_cast<int16_t>(pointNumber(x, y));
    }
  }
  out.StationDir = st.StationDir;
  out.StationFile = st.StationFile;
  out.StationComment = st.StationComment;
  out.TickIndex = st.TickIndex;
  return out;
}

Message trimAdviceMessage() {
  std::string t;
  const char* lines[] = {"Tej stacji przyda się przycięcie rozmiarów.",
                         "",
                         "Określ sliderami pożądane rozmiary stacji,",
                         "a następnie wciśnij przycisk 'Przytnij'.",
                         "",
                         "Uwaga!",
                         "Zmiana górnego i/lub lewego rozmiaru",
                         "powoduje konieczność zmiany definicji",
                         "punktów wjazdowych i wyjazdowych w",
                         "pliku rozkładu związanym z tą stacją."};
  for (size_t i = 0; i < std::size(lines); ++i) {
    if (i) t += CrLf;
    t += lines[i];
  }
  return {Icon::Information, "Rozmiary stacji", t, Buttons::Ok};
}

}  // namespace szl
