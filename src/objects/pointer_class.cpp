#include "objects/pointer_class.h"

#include "objects/object_class.h"

namespace szl {

namespace {
bool in(int c, int lo, int hi) { return c >= lo && c <= hi; }
bool isPlatformCode(int c) { return c == 21 || c == 210; }
}  // namespace

PointerClass pointerClassOf(const Station& st, int x, int y) {
  const int c = st.cell(x, y).Code;
  const bool inObject = st.cell(x, y).InObject == 1;
  using S = PointerShape;
  if (c == 0) return {"", S::Arrow};
  if (in(c, 1, 9)) {
    if (!inObject) return {"Numer wjazdu / wyjazdu", S::Arrow};
    const bool platform = st.inside(x + 1, y) && isPlatformCode(st.cell(x + 1, y).Code);
    return {platform ? "Numer peronu" : "Numer torów towarowych", S::WhatsThis};
  }
  if (in(c, 24, 27) || in(c, 240, 270)) return {"Rozjazd krzyżowy", S::SizeAll};
  if (const ObjectClass cls = objectClassAt(st, x, y); cls != ObjectClass::None)
    return {objectClassName(cls), S::WhatsThis};
  if (c == 10 || c == 11 || in(c, 13, 17) || in(c, 32, 35) || c == 49 || c == 100 || c == 110 ||
      in(c, 130, 170) || in(c, 320, 350) || c == 490)
    return {"Tor", S::Arrow};
  if (c == 23 || c == 62 || c == 230 || c == 620) return {"Krzyżówka", S::Arrow};
  if (in(c, 54, 57) || in(c, 63, 66) || in(c, 540, 570) || in(c, 630, 660))
    return {"Rozjazd podwójny", S::Arrow};
  return {"Zwrotnica", S::Arrow};
}

std::string pointerTooltip(const Station& st, int x, int y, bool prepared) {
  const std::string number = std::to_string(pointNumber(x, y));
  if (!prepared) return number;
  const std::string what = pointerClassOf(st, x, y).text;
  return what.empty() ? number : number + " " + what;
}

ClickAction clickActionOf(const Station& st, int x, int y) {
  const int c = st.cell(x, y).Code;
  if (in(c, 1, 9))
    return st.cell(x, y).InObject == 1 ? ClickAction::ObjectEditor : ClickAction::Nothing;
  if (c == 21 || c == 22 || c == 48 || c == 210 || c == 220 || c == 480 || in(c, 50, 53) ||
      in(c, 500, 530))
    return ClickAction::ObjectEditor;
  if (in(c, 24, 27) || in(c, 240, 270)) return ClickAction::CrossingType;
  return ClickAction::Nothing;
}

}  // namespace szl
