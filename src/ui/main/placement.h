// Where a window opened over the station view goes: clear of what it is about on the view, so
// that the author sees the object it edits or the route it draws.
#pragma once

#include <QRect>

#include "objects/object_data.h"

class QWidget;

namespace szl::ui {

// The screen rectangle of the view's cells from (x, y), `columns` wide and `rows` high.
QRect cellsOnScreen(const QWidget& view, int x, int y, int columns, int rows);
// The cells of the object the editor is opened on, nothing for the station-wide data.
QRect objectOnScreen(const QWidget& view, const EditorData& d);
// The part of the view in sight on the screen: what a window should cover as little of.
QRect viewOnScreen(const QWidget& view);

// Moves `window` on its screen clear of `avoid` (screen coordinates) where it can, covering as
// little of `keep` as it can: below or above `avoid`, beside it, or in a corner of the screen.
// A window already clear of `avoid` and no worse for `keep` stays where it is.
void placeClear(QWidget& window, const QRect& avoid, const QRect& keep = {});

}  // namespace szl::ui
