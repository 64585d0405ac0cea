#include "objects/object_data.h"

namespace szl {

namespace {

constexpr int16_t ObjectRec::*kFieldMember[] = {&ObjectRec::ValueA, &ObjectRec::ValueB,
                                                &ObjectRec::ValueC, &ObjectRec::ValueD,
                                                &ObjectRec::ValueE};

int16_t& fieldOf(ObjectRec& r, ObjectField f) { return objectField(r, f); }
int fieldOf(const ObjectRec& r, ObjectField f) { return r.*kFieldMember[static_cast<int>(f)]; }

bool isPlatformCode(int code) { return code == 21 || code == 210; }

EditorPage pageOfClass(ObjectClass c) {
  switch (c) {
    case ObjectClass::EntryOrExit:
      return EditorPage::EntryOrExit;
    case ObjectClass::EntryExit:
      return EditorPage::EntryExit;
    case ObjectClass::Platform:
      return EditorPage::Platform;
    case ObjectClass::Sidings:
      return EditorPage::Sidings;
    case ObjectClass::StoppingPoint:
      return EditorPage::StoppingPoint;
    case ObjectClass::LocoStoppingPoint:
      return EditorPage::LocoStoppingPoint;
    case ObjectClass::Shed:
      return EditorPage::Shed;
    case ObjectClass::GoodsTracks:
      return EditorPage::GoodsTracks;
    case ObjectClass::None:
      break;
  }
  return EditorPage::None;
}

bool isGroupPage(EditorPage p) { return p == EditorPage::Platform || p == EditorPage::GoodsTracks; }

int optionOf(int stored) { return stored == 1 || stored == 2 ? stored : 0; }

}  // namespace

int16_t& objectField(ObjectRec& r, ObjectField f) { return r.*kFieldMember[static_cast<int>(f)]; }

EditorPage editorPageOf(const Station& st, const EditorSubject& s) {
  if (s.EditCode == 0) return EditorPage::Station;
  if (!st.inside(s.SelX, s.SelY)) return EditorPage::None;
  if (s.EditCode >= 1 && s.EditCode <= 9) {
    // The middle digit of a group. A digit outside a group has no group cells to store into.
    if (st.cell(s.SelX, s.SelY).InObject != 1) return EditorPage::None;
    const bool platform =
        st.inside(s.SelX + 1, s.SelY) && isPlatformCode(st.cell(s.SelX + 1, s.SelY).Code);
    return platform ? EditorPage::Platform : EditorPage::GoodsTracks;
  }
  return pageOfClass(objectClass(s.EditCode, st.cell(s.SelX, s.SelY).InObject));
}

ObjectTotals objectTotals(const Station& st) {
  ObjectTotals t;
  for (int y = 0; y < st.RowCount(); ++y) {
    for (int x = 0; x < st.ColCount(); ++x) {
      const CellRec& c = st.cell(x, y);
      if (c.Linked == 1 && (c.InObject != 1 || st.object(x, y).ValueB == 1)) ++t.ObjectCount;
      if (c.Code == 22 || c.Code == 220) t.SidingPlaces += st.object(x, y).ValueE;
    }
  }
  return t;
}

EditorData loadEditor(const Station& st, const EditorSubject& s) {
  EditorData d;
  for (const NumericField& f : kNumericFields) d.value(f.id) = f.initialValue;
  d.page = editorPageOf(st, s);
  // The station page is there whatever the subject; an empty comment on it would look like
  // lost work.
  d.totals = objectTotals(st);
  d.TickIndex = st.TickIndex;
  d.comment = st.StationComment;
  if (d.page == EditorPage::None || d.page == EditorPage::Station) return d;
  const ObjectRec& r = st.object(s.SelX, s.SelY);
  if (isGroupPage(d.page)) {
    d.GroupOffset = 1 - r.ValueB;
    const int first = pointNumber(s.SelX + d.GroupOffset, s.SelY);
    d.points = {first, first + 1, first + 2};
    d.pointCount = 3;
  } else {
    d.points[0] = pointNumber(s.SelX, s.SelY);
    d.pointCount = 1;
  }
  if (d.page == EditorPage::EntryOrExit) d.direction = optionOf(r.Direction);
  if (d.page == EditorPage::EntryOrExit || d.page == EditorPage::EntryExit)
    d.side = optionOf(r.Side);
  for (const NumericField& f : kNumericFields) {
    if (f.page != static_cast<int>(d.page)) continue;
    const int v = fieldOf(r, f.target);
    if (v >= f.min && v <= f.max) d.value(f.id) = v;
  }
  return d;
}

void storeEditor(Station& st, const EditorSubject& s, const EditorData& d) {
  const EditorPage page = editorPageOf(st, s);
  if (page == EditorPage::None) return;
  if (page == EditorPage::Station) {
    st.StationComment = d.comment;
    st.TickIndex = d.TickIndex;
    return;
  }
  ObjectRec& r = st.object(s.SelX, s.SelY);
  // What the author stores is kept by a later analysis.
  if (page == EditorPage::EntryOrExit) r.Direction = static_cast<uint8_t>(optionOf(d.direction));
  if (page == EditorPage::EntryOrExit || page == EditorPage::EntryExit)
    r.Side = static_cast<uint8_t>(optionOf(d.side));
  for (const NumericField& f : kNumericFields) {
    if (f.page != static_cast<int>(page)) continue;
    const auto v = static_cast<int16_t>(d.value(f.id));
    if (!f.wholeGroup) {
      fieldOf(r, f.target) = v;
      r.AuthorData = true;
      continue;
    }
    for (int k = 0; k < 3; ++k) {
      const int x = s.SelX + d.GroupOffset + k;
      if (!st.inside(x, s.SelY)) continue;
      fieldOf(st.object(x, s.SelY), f.target) = v;
      st.object(x, s.SelY).AuthorData = true;
    }
  }
}

bool objectDataMissing(const Station& st, int x, int y) {
  const CellRec& c = st.cell(x, y);
  const ObjectRec& r = st.object(x, y);
  switch (objectClass(c.Code, c.InObject)) {
    case ObjectClass::Shed:
      return r.ValueA == 0 && r.ValueC == 0 && r.ValueD == 0 && r.ValueE == 0;
    case ObjectClass::Sidings:
      return r.ValueE == 0;
    case ObjectClass::EntryOrExit:
      return !(r.Direction != 0 && r.Side != 0 && r.ValueA != 0 && r.ValueC != 0 &&
               (r.Direction != 1 || r.ValueB != 0));
    case ObjectClass::EntryExit:
      return !(r.Side != 0 && r.ValueA != 0 && r.ValueD != 0 && r.ValueB != 0 && r.ValueC != 0);
    case ObjectClass::Platform:
    case ObjectClass::GoodsTracks:
      return r.ValueB == 1 && r.ValueC == 0;
    default:
      return false;
  }
}

}  // namespace szl
