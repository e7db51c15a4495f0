// The magic square: a scrambled magic square restored by paid swaps across walls.
#pragma once

#include "core/Jeu.h"

namespace cogitelle {

extern const Jeu& TableCarreMagique;

// What a swap costs.
constexpr int32_t CoutInversionCarre = 10;

void GenererCarreMagique(Contexte& c);
void MelangerCarre(Contexte& c, int32_t nbInversions);
void CalculerEcarts(GameState& g);

} // namespace cogitelle
