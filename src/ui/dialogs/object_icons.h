// Small pictures drawn in code for the object data editor's tabs and the route selector's list
// headings and start and end pictures: each object class as the main view paints it, in
// miniature, and a few signs for route attributes.
#pragma once

#include <QPixmap>

#include "objects/object_class.h"

namespace szl::ui {

// The picture of an object class, `width` x `height` pixels (a square design centred in it).
QPixmap objectClassPicture(ObjectClass c, int width, int height);

// The editor's station-wide page: a clock.
QPixmap stationDataPicture(int width, int height);

// Route list headings: electrified (a catenary with a spark), bidirectional (a two-headed
// arrow), point count (a row of points).
QPixmap electrifiedPicture(int width, int height);
QPixmap bidirectionalPicture(int width, int height);
QPixmap pointCountPicture(int width, int height);

}  // namespace szl::ui
