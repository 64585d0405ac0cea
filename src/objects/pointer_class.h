// What the pointer says about a cell of the station view: the class text of the tooltip, the
// pointer shape, and what a click opens.
#pragma once

#include <string>

#include "model/station.h"

namespace szl {

enum class PointerShape { Arrow, WhatsThis, SizeAll };
enum class ClickAction { Nothing, ObjectEditor, CrossingType };

struct PointerClass {
  const char* text = "";  // empty for an empty cell
  PointerShape shape = PointerShape::Arrow;
};

PointerClass pointerClassOf(const Station& st, int x, int y);

// The tooltip: the point number alone before the analysis, then followed by the class text.
std::string pointerTooltip(const Station& st, int x, int y, bool prepared);

// What a click on an analysed station's cell opens.
ClickAction clickActionOf(const Station& st, int x, int y);

}  // namespace szl
