// The magic square: a scrambled magic square restored by paid swaps across walls.
#pragma once

#include "core/Contexte.h"

namespace cogitelle {

void GenererCarreMagique(Contexte& c);
void MelangerCarre(Contexte& c, int32_t nbInversions);
void CalculerEcarts(GameState& g);
// A paid swap of (x1, y1) with its neighbour (x2, y2).
void InverserCarre(Contexte& c, int32_t x1, int32_t y1, int32_t x2, int32_t y2);

} // namespace cogitelle
