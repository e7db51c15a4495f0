// The player's options: colours, last game and puzzle, name, kept in the settings store.
#pragma once

#include "core/Contexte.h"

namespace cogitelle {

constexpr Couleur CouleurFondParDefaut = 4194304;   // #000040

// Loads the options once at start-up, then the table of best scores. A first run or invalid
// options bring back the default options (and save them); the records are read from their file
// all the same, and a default table is drawn and written only where none can be read.
void ChargerOptions(Contexte& c);
// Reads the options alone, the default options replacing a first run's or invalid ones; true when
// they did (they are then to be saved).
bool LireOptions(Contexte& c);
// Writes every option and, between the numbers and the name, the whole score file.
void SauverOptions(Contexte& c);
// Sets the default options and saves them; the table of best scores is left as it is.
void OptionsParDefaut(Contexte& c);
// Gives the main window its colours, score captions and game menu check mark.
void AppliquerOptions(Contexte& c);
// The marker is 0 or 1, the puzzle number 1..500 and the game type 1..5.
bool OptionsValides(const GameState& g);

} // namespace cogitelle
