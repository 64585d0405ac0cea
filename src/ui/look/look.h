// What the program carries with it so that it looks and speaks the same on every system.
#pragma once

#include <QTranslator>
#include <memory>

namespace szl::ui {

// The family every window and drawing of the program uses.
inline constexpr const char* kOwnFontFamily = "DejaVu Sans";

// Makes DejaVu Sans, built into the program, the application's font at the system's size. A
// station is drawn with the font the program ships, not with whatever stands in for a font the
// system lacks (Wine has none of Windows' fonts; Qt's offscreen platform on Windows has none at
// all). Call once the application exists; false when the built-in font could not be read.
bool useOwnFont();

// Qt's own texts (file dialogs, standard buttons) in Polish, installed in the application: the
// translation built into the program where the build put one (Windows, where no Qt is
// installed), else the system's. Null when there is neither; the translator must outlive its use.
std::unique_ptr<QTranslator> installQtPolish();

}  // namespace szl::ui
