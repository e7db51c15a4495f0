// Turns the board grids into what the board shows, through the game in play's table.
#pragma once

#include "core/Contexte.h"

namespace cogitelle {

// Redraws the cells of a rectangle given by two opposite corners, in any order, clipped to the
// board and its ring, when the game has one.
void AfficherCases(Contexte& c, int32_t x1, int32_t y1, int32_t x2, int32_t y2);

// Shows every cell of the board and its two frames, before a first full redraw hides what it must.
void MontrerCasesEtCadres(Contexte& c);

// Recomputes what depends on a change of the cells (x1, y1) and (x2, y2) and redraws around it.
void RafraichirAutour(Contexte& c, int32_t x1, int32_t y1, int32_t x2, int32_t y2);

} // namespace cogitelle
