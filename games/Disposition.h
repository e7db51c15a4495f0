// The board: its size per game and puzzle, and the layout of the cells, walls and frames.
#pragma once

#include "core/Contexte.h"

namespace cogitelle {

// Board side for a game type and a puzzle number 1..500; 0 for no game.
int32_t TaillePlateau(TTypeJeu type, int32_t numero);

// Sizes and places every board control for the game in play and draws the cells' and walls'
// colours from the puzzle's generator.
void DisposerPlateau(Contexte& c);

} // namespace cogitelle
