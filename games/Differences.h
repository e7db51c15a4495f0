// Differences: a walk over numbered cells to neighbours differing by at most 5.
#pragma once

#include "core/Contexte.h"

namespace cogitelle {

bool CaseLibre(const GameState& g, int32_t x, int32_t y);
bool EcartPermis(const GameState& g, int32_t x1, int32_t y1, int32_t x2, int32_t y2);
void CompterCoups(GameState& g, int32_t x, int32_t y);
void MarquerAccessibles(GameState& g, int32_t x, int32_t y);
// Numbers, starting cell and check, before the layout; false when the board is rejected.
bool PreparerDifferences(Contexte& c);
void ReparerPlateau(GameState& g);
// Holes, after the layout.
void PlacerTrous(Contexte& c);
void PrendreCase(Contexte& c, int32_t x, int32_t y);
// The paid exchanges: right or bottom neighbour, or the 2 x 2 block at a corner.
void InverserDifferences(Contexte& c, int32_t x1, int32_t y1, int32_t x2, int32_t y2);
void InverserCoinDifferences(Contexte& c, int32_t x, int32_t y);
// The game's share of RafraichirAutour on the widened rectangle.
void RafraichirDifferences(GameState& g, int32_t xMin, int32_t yMin, int32_t xMax, int32_t yMax);

} // namespace cogitelle
