// Widgets are found by their names, in tests as in the author's words.
#pragma once

#include <QString>

namespace szl::ui {

template <class W>
W* named(W* w, const QString& name) {
  w->setObjectName(name);
  return w;
}

}  // namespace szl::ui
