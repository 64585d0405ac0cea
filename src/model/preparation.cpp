#include "model/preparation.h"

#include "model/plural.h"

namespace szl {

namespace {
bool isDigit(int c) { return c >= 1 && c <= 9; }
bool isGroupCode(int c) { return c == 21 || c == 210 || c == 53 || c == 530; }
bool isSingleObjectCode(int c) {
  return c == 48 || c == 480 || c == 21 || c == 210 || c == 22 || c == 220 || c == 53 || c == 530;
}
bool isEntryOrGroupEnd(int c) {
  return c == 21 || c == 210 || (c >= 50 && c <= 53) || (c >= 500 && c <= 530);
}
bool isEntryExitRange(int c) { return (c >= 50 && c <= 52) || (c >= 500 && c <= 520); }

// Pass 1: horizontal three-cell platforms and goods tracks.
void recogniseGroups(Station& st, const PassageSwitches& sw) {
  const bool passable = sw.throughObjects && sw.throughPlatforms;
  for (int y = 0; y < st.RowCount(); ++y) {
    for (int x = 0; x + 2 < st.ColCount(); ++x) {
      const int c = st.cell(x, y).Code;
      if (!isGroupCode(c) || st.cell(x + 2, y).Code != c) continue;
      const int m = st.cell(x + 1, y).Code;
      if (!isDigit(m) && m != c) continue;
      for (int k = 0; k < 3; ++k) {
        CellRec& cr = st.cell(x + k, y);
        cr.InObject = 1;
        cr.TwoWay = 1;
        cr.Electrified = c < 100 ? 1 : 0;
        cr.Linked = 1;
        cr.Passable = passable ? 1 : 0;
        ObjectRec& o = st.object(x + k, y);
        if (!o.AuthorData) o.ValueC = static_cast<int16_t>(isDigit(m) ? m : 0);
        o.ValueB = static_cast<int16_t>(k + 1);
      }
      const uint8_t v = passable ? kInternalLink : kNoLink;
      st.link(x, y, 5) = v;
      st.link(x + 1, y, 4) = v;
      st.link(x + 1, y, 5) = v;
      st.link(x + 2, y, 4) = v;
    }
  }
}

void makeLink(Station& st, int x, int y, int port) {
  st.link(x, y, port) = kLink;
  ++st.LinkCount;
}

// Entries, exits and ends of three-cell objects look west (side 0) or east (side 2).
void linkSide(Station& st, int x, int y, int c, int side) {
  const bool west = side == 0;
  for (int j = -1; j <= 1; ++j) {
    const int nx = west ? x - 1 : x + 1;
    if (!st.inside(nx, y + j)) continue;
    const int p = PortAtStep[side][j + 1];
    if (!pointsBack(st, x, y, p)) continue;
    ObjectRec& o = st.object(x, y);
    const CellRec& cr = st.cell(x, y);
    const bool linksHere = west ? (c == 50 || c == 500 || c == 52 || c == 520)
                                : (c == 51 || c == 510 || c == 52 || c == 520);
    const bool facesAway = west ? (c == 51 || c == 510) : (c == 50 || c == 500);
    // The author's direction and side stand; the grid only suggests them.
    if (linksHere) {
      makeLink(st, x, y, p);
      if (o.AuthorData) continue;
      if (west ? (c == 50 || c == 500) : (c == 51 || c == 510)) o.Direction = 1;
      o.Side = west ? 2 : 1;
    } else if (facesAway) {
      if (o.AuthorData) continue;
      o.Direction = 2;
      o.Side = west ? 2 : 1;
    } else if (isGroupCode(c)) {
      if (cr.InObject == 1 && o.ValueB == (west ? 1 : 3)) makeLink(st, x, y, p);
    }
  }
}

void linkObjects(Station& st, const PassageSwitches& sw) {
  for (int y = 0; y < st.RowCount(); ++y) {
    for (int x = 0; x < st.ColCount(); ++x) {
      const int c = st.cell(x, y).Code;
      if (isSingleObjectCode(c) && st.cell(x, y).InObject == 0) {
        for (int p = 1; p <= 8; ++p) {
          if (pointsBack(st, x, y, p)) {
            makeLink(st, x, y, p);
            st.cell(x, y).Linked = 1;
          }
        }
        CellRec& cr = st.cell(x, y);
        cr.TwoWay = 1;
        if (c < 100) cr.Electrified = 1;
        cr.Passable = sw.throughObjects ? 1 : 0;
        if ((c == 48 || c == 480) && !sw.throughShed) cr.Passable = 0;
        if ((c == 22 || c == 220) && !sw.throughSidings) cr.Passable = 0;
      }
      if (isEntryOrGroupEnd(c)) {
        linkSide(st, x, y, c, 0);
        linkSide(st, x, y, c, 2);
        if (isEntryExitRange(c)) {
          CellRec& cr = st.cell(x, y);
          cr.Linked = 1;
          cr.TwoWay = (c == 52 || c == 520) ? 1 : 0;
          if (c < 100) cr.Electrified = 1;
          cr.Passable = (sw.throughObjects && sw.throughExits) ? 1 : 0;
          ObjectRec& o = st.object(x, y);
          const int around[4][2] = {{x - 1, y}, {x + 1, y}, {x, y - 1}, {x, y + 1}};
          for (const auto& n : around)
            if (!o.AuthorData && st.inside(n[0], n[1]) && isDigit(st.cell(n[0], n[1]).Code))
              o.ValueC = st.cell(n[0], n[1]).Code;
        }
      }
      if ((c == 22 || c == 220) && !st.object(x, y).AuthorData) st.object(x, y).ValueE = 10;
    }
  }
}
}  // namespace

bool pointsBack(const Station& st, int x, int y, int port) {
  const int nx = x + PortStep[port - 1].dx;
  const int ny = y + PortStep[port - 1].dy;
  if (!st.inside(nx, ny)) return false;
  if (elementRow(st.cell(nx, ny).Code) < 0) return false;
  return st.link(nx, ny, 9 - port) == kLink;
}

bool analysable(const Station& st) {
  return st.ColCount() <= kMaxColumns && st.RowCount() <= kMaxRows;
}

Message tooLargeToAnalyseMessage(const Station& st) {
  return {Icon::Exclamation, "Analiza stacji",
          "Stacja ma " + counted(st.ColCount(), "kolumnę", "kolumny", "kolumn") + " i " +
              counted(st.RowCount(), "wiersz", "wiersze", "wierszy") + "." + CrLf +
              "Numery punktów tras (wiersz × 100 + kolumna) są jednoznaczne najwyżej dla 100 " +
              "kolumn i 327 wierszy, więc taka stacja nie może być analizowana." + CrLf + CrLf +
              "Przytnij ją suwakami do tych rozmiarów (otwórz plik ponownie, jeśli już ją " +
              "zostawiłeś w całości).",
          Buttons::Ok};
}

bool isLinkedObjectCode(int code) { return isSingleObjectCode(code) || isEntryOrGroupEnd(code); }

void PrzygotujStacje(Station& st, const PassageSwitches& sw) {
  st.LinkCount = 0;
  recogniseGroups(st, sw);
  linkObjects(st, sw);
}

}  // namespace szl
