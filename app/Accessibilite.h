// What assistive technologies read of the windows: the board as a table whose cells are named by
// what they show, the painted panels as buttons and texts with their captions, and their changes
// as accessibility events.
#pragma once

class QAccessibleInterface;

namespace cogitelle {

class PlateauWidget;

// Registers the interfaces of the painted widgets with Qt; once, before any window is shown.
void InstallerAccessibilite();

// The interface of the board's cell (x, y), 1-based; nullptr off the board or before a game.
QAccessibleInterface* InterfaceCase(PlateauWidget* plateau, int x, int y);

} // namespace cogitelle
