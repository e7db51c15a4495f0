// The board: its size per game and puzzle, and the layout of the cells, walls and frames.
#pragma once

#include "core/Contexte.h"

namespace cogitelle {

// Rounds to the nearest integer, a half going to the even neighbour.
int32_t Arrondi(double v);

// A font size designed for a box that is scaled across by fx and down by fy: it follows the
// smaller factor, so a text that fits the box on the 800 x 600 design fits it on any screen.
int32_t TaillePoliceEchelle(int32_t taille, double fx, double fy);

// Board side for a game type and a puzzle number 1..500.
int32_t TaillePlateau(TTypeJeu type, int32_t numero);

// Sizes and places every board control for the game in play and draws the cells' and walls'
// colours from the puzzle's generator.
void DisposerPlateau(Contexte& c);

} // namespace cogitelle
