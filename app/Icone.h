// The program's icon, compiled in as a Qt resource from the drawings in dist/icons.
#pragma once

#include <QIcon>

namespace cogitelle {

// The icon at every size the resources hold: 16, 22, 24, 32, 48, 64, 128 and 256 pixels.
QIcon IconeApplication();

// Gives every window of the program the icon, and names the desktop entry (cogitelle.desktop)
// through which Wayland compositors and task bars find the same icon. Call once, after the
// QApplication is created and before the first window is shown.
void AppliquerIconeApplication();

} // namespace cogitelle
